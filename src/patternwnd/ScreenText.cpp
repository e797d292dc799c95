// The operator's text over a pattern: one font, one way of painting, UTF-16 throughout.
#include "ScreenText.h"
#include <vector>

CScreenText::CScreenText(HDC dc, int height, const std::wstring& sample)
    : face(ChooseFace(dc, height, sample)), dc(dc), font(MakeFont(height, face)), selected(dc, font),
      previousColor(::GetTextColor(dc)), previousMode(::SetBkMode(dc, TRANSPARENT)) {}

CScreenText::~CScreenText() {
    ::SetBkMode(dc, previousMode);
    ::SetTextColor(dc, previousColor);
}

HFONT CScreenText::MakeFont(int height, const std::wstring& face) {
    LOGFONTW logFont = {};
    logFont.lfHeight = -height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return ::CreateFontIndirectW(&logFont);
}

bool CScreenText::HasGlyphs(HDC dc, const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text)
        if (c >= L' ')
            shown += c;
    if (shown.empty())
        return true;
    std::vector<WORD> glyphs(shown.size());
    if (::GetGlyphIndicesW(dc, shown.c_str(), static_cast<int>(shown.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return false;
    for (WORD glyph : glyphs)
        if (glyph == 0xFFFF)
            return false;
    return true;
}

std::wstring CScreenText::ChooseFace(HDC dc, int height, const std::wstring& sample) {
    static const wchar_t* const faces[] = {L"",          L"Meiryo UI", L"Yu Gothic UI",     L"MS UI Gothic",
                                           L"IPAGothic", L"VL Gothic", L"Noto Sans CJK JP", L"TakaoGothic"};
    for (const wchar_t* candidate : faces) {
        CFont tried(MakeFont(height, candidate));
        CGdiSelect selectedTried(dc, tried);
        if (HasGlyphs(dc, sample))
            return candidate;
    }
    return std::wstring(); // none has them all: the default face, and the system's own fallback
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

void CScreenText::DrawInBox(const RECT& box, const std::wstring& text, COLORREF color) const {
    ::SetTextColor(dc, color);
    RECT r = box;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}
