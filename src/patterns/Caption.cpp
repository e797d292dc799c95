#include "Canvas.h"

HFONT CCanvas::CreateCaptionFont(int boxHeight) {
    // The face of the other charts' numbers, three quarters of the box high, never smoothed: every
    // pixel of a caption is its colour or untouched.
    LOGFONTA logFont = {};
    logFont.lfHeight = boxHeight * 3 / 4;
    logFont.lfWidth = logFont.lfHeight / 2;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = ANSI_CHARSET;
    logFont.lfQuality = NONANTIALIASED_QUALITY;
    return ::CreateFontIndirectA(&logFont);
}

void CCanvas::DrawCaption(const RECT& box, const std::string& text, int colorIndex, bool centred) {
    const int length = static_cast<int>(text.size());
    SIZE extent = {};
    ::GetTextExtentPoint32A(memDC, text.c_str(), length, &extent);
    const int x = centred ? (box.left + box.right - extent.cx) / 2 : box.left;
    const int y = (box.top + box.bottom - extent.cy) / 2;
    const COLORREF previousColor = ::SetTextColor(memDC, PALETTEINDEX(colorIndex));
    const int previousMode = ::SetBkMode(memDC, TRANSPARENT);
    ::ExtTextOutA(memDC, x, y, ETO_CLIPPED, &box, text.c_str(), static_cast<UINT>(length), nullptr);
    ::SetBkMode(memDC, previousMode);
    ::SetTextColor(memDC, previousColor);
}
