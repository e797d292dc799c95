#include "HelpOverlay.h"
#include "ScreenText.h"
#include <algorithm>

namespace {

// Where the box and its second column go for text of one height.
struct Layout {
    int pad, column, lineHeight, width, height;
};

// All the lines as one text, for the face to have every glyph of.
std::wstring Sample(const std::vector<std::wstring>& lines) {
    std::wstring sample;
    for (const std::wstring& line : lines)
        sample += line;
    return sample;
}

Layout Measure(HDC dc, int fontHeight, const std::vector<std::wstring>& lines) {
    const CScreenText text(dc, fontHeight, Sample(lines));
    int keyWidth = 0, textWidth = 0, plainWidth = 0;
    for (const std::wstring& line : lines) {
        const size_t tab = line.find(L'\t');
        if (tab == std::wstring::npos) {
            plainWidth = std::max(plainWidth, text.Width(line));
        } else {
            keyWidth = std::max(keyWidth, text.Width(line.substr(0, tab)));
            textWidth = std::max(textWidth, text.Width(line.substr(tab + 1)));
        }
    }
    Layout layout;
    layout.pad = fontHeight;
    layout.column = keyWidth > 0 ? keyWidth + fontHeight : 0;
    layout.lineHeight = text.LineHeight();
    layout.width = 2 * layout.pad + std::max(plainWidth, layout.column + textWidth);
    layout.height = 2 * layout.pad + static_cast<int>(lines.size()) * layout.lineHeight;
    return layout;
}

} // namespace

int HelpFontHeight(HDC dc, int width, int height, const std::vector<std::wstring>& lines) {
    // Legible from a few steps away on any screen; smaller where a narrow or low screen needs it.
    const int fontHeight = std::max(12, std::min(width, height) / 40);
    const Layout layout = Measure(dc, fontHeight, lines);
    const double fit = std::min(0.95 * width / layout.width, 0.95 * height / layout.height);
    return fit < 1 ? std::max(6, static_cast<int>(fontHeight * fit)) : fontHeight;
}

RECT HelpBox(HDC dc, int width, int height, const std::vector<std::wstring>& lines) {
    const Layout layout = Measure(dc, HelpFontHeight(dc, width, height, lines), lines);
    const int left = (width - layout.width) / 2, top = std::max(0, (height - layout.height) / 2);
    return {left, top, left + layout.width, top + layout.height};
}

void PaintHelpOverlay(HDC dc, int width, int height, const std::vector<std::wstring>& lines) {
    const int fontHeight = HelpFontHeight(dc, width, height, lines);
    const Layout layout = Measure(dc, fontHeight, lines);
    const int left = (width - layout.width) / 2, top = std::max(0, (height - layout.height) / 2);
    {
        CBrush border(::CreateSolidBrush(RGB(160, 160, 160))), fill(::CreateSolidBrush(RGB(20, 20, 20)));
        RECT box = {left, top, left + layout.width, top + layout.height};
        ::FillRect(dc, &box, border);
        ::InflateRect(&box, -2, -2);
        ::FillRect(dc, &box, fill);
    }
    const CScreenText text(dc, fontHeight, Sample(lines));
    const COLORREF light = RGB(235, 235, 235);
    int y = top + layout.pad;
    for (const std::wstring& line : lines) {
        const size_t tab = line.find(L'\t');
        text.Draw(left + layout.pad, y, line.substr(0, tab), light);
        if (tab != std::wstring::npos)
            text.Draw(left + layout.pad + layout.column, y, line.substr(tab + 1), light);
        y += layout.lineHeight;
    }
}
