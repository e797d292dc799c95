#include "HelpOverlay.h"
#include "GdiObject.h"
#include "GdiSelect.h"
#include <algorithm>

namespace {

HFONT OverlayFont(int height) {
    LOGFONTA logFont = {};
    logFont.lfHeight = -height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    return ::CreateFontIndirectA(&logFont);
}

// Where the box and its second column go for the font selected in dc.
struct Layout {
    int pad, column, lineHeight, width, height;
};

Layout Measure(HDC dc, int fontHeight, const std::vector<std::string>& lines) {
    auto width = [dc](const std::string& text) {
        SIZE size = {};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    int keyWidth = 0, textWidth = 0, plainWidth = 0;
    for (const std::string& line : lines) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            plainWidth = std::max(plainWidth, width(line));
        } else {
            keyWidth = std::max(keyWidth, width(line.substr(0, tab)));
            textWidth = std::max(textWidth, width(line.substr(tab + 1)));
        }
    }
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    Layout layout;
    layout.pad = fontHeight;
    layout.column = keyWidth > 0 ? keyWidth + fontHeight : 0;
    layout.lineHeight = metrics.tmHeight;
    layout.width = 2 * layout.pad + std::max(plainWidth, layout.column + textWidth);
    layout.height = 2 * layout.pad + static_cast<int>(lines.size()) * layout.lineHeight;
    return layout;
}

} // namespace

void PaintHelpOverlay(HDC dc, int width, int height, const std::vector<std::string>& lines) {
    // Legible from a few steps away on any screen; smaller where a narrow or low screen needs it.
    int fontHeight = std::max(12, std::min(width, height) / 40);
    Layout layout;
    {
        CFont font(OverlayFont(fontHeight));
        CGdiSelect selected(dc, font);
        layout = Measure(dc, fontHeight, lines);
    }
    const double fit = std::min(0.95 * width / layout.width, 0.95 * height / layout.height);
    if (fit < 1) {
        fontHeight = std::max(6, static_cast<int>(fontHeight * fit));
        CFont font(OverlayFont(fontHeight));
        CGdiSelect selected(dc, font);
        layout = Measure(dc, fontHeight, lines);
    }
    CFont font(OverlayFont(fontHeight));
    CGdiSelect selectedFont(dc, font);
    const int left = (width - layout.width) / 2, top = std::max(0, (height - layout.height) / 2);
    {
        CBrush border(::CreateSolidBrush(RGB(160, 160, 160))), fill(::CreateSolidBrush(RGB(20, 20, 20)));
        RECT box = {left, top, left + layout.width, top + layout.height};
        ::FillRect(dc, &box, border);
        ::InflateRect(&box, -2, -2);
        ::FillRect(dc, &box, fill);
    }
    const COLORREF previousColor = ::SetTextColor(dc, RGB(235, 235, 235));
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    int y = top + layout.pad;
    for (const std::string& line : lines) {
        const size_t tab = line.find('\t');
        const int first = static_cast<int>(tab == std::string::npos ? line.size() : tab);
        ::TextOutA(dc, left + layout.pad, y, line.c_str(), first);
        if (tab != std::string::npos)
            ::TextOutA(dc, left + layout.pad + layout.column, y, line.c_str() + tab + 1,
                       static_cast<int>(line.size() - tab - 1));
        y += layout.lineHeight;
    }
    ::SetBkMode(dc, previousMode);
    ::SetTextColor(dc, previousColor);
}
