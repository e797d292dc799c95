// The operator's text over a pattern: one font, one way of painting, UTF-16 throughout.
#include "ScreenText.h"

CScreenText::CScreenText(HDC dc, int height)
    : dc(dc), font(MakeFont(height)), selected(dc, font), previousColor(::GetTextColor(dc)),
      previousMode(::SetBkMode(dc, TRANSPARENT)) {}

CScreenText::~CScreenText() {
    ::SetBkMode(dc, previousMode);
    ::SetTextColor(dc, previousColor);
}

HFONT CScreenText::MakeFont(int height) {
    LOGFONTW logFont = {};
    logFont.lfHeight = -height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    return ::CreateFontIndirectW(&logFont);
}

int CScreenText::Width(const std::wstring& text) const {
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

int CScreenText::LineHeight() const {
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc, &metrics);
    return static_cast<int>(metrics.tmHeight);
}

void CScreenText::Draw(int x, int y, const std::wstring& text, COLORREF color) const {
    ::SetTextColor(dc, color);
    ::ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}
