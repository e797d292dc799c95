// The label, the warning and the help over a pattern: painted one way, and where they paint.
#include "Overlay.h"
#include "HelpOverlay.h"
#include "ScreenText.h"
#include <algorithm>

namespace {

// The label's and the warning's text height on a screen this high: legible, and more on larger screens.
int TextHeight(int screenHeight) {
    return std::max(12, screenHeight / 54);
}

// The label's line: the bottom one, or the one above a motion test's readout.
int LabelTop(const Overlay& o) {
    return o.height - (o.readout.empty() ? 2 : 3) * TextHeight(o.height);
}

RECT WarningBox(const Overlay& o) {
    const int f = TextHeight(o.height);
    return {f, f, o.width - f, o.height - f};
}

} // namespace

void PaintOverlay(HDC dc, const Overlay& o) {
    const int f = TextHeight(o.height);
    const COLORREF dim = RGB(96, 96, 96); // on black, as most patterns are at their corners
    if (!o.readout.empty()) {
        const CScreenText text(dc, f, o.readout);
        text.Draw(f, o.height - 2 * f, o.readout, dim);
    }
    if (!o.label.empty()) {
        const CScreenText text(dc, f, o.label);
        text.Draw(f, LabelTop(o), o.label, dim);
    }
    if (!o.warning.empty()) {
        const CScreenText text(dc, f, o.warning);
        text.DrawInBox(WarningBox(o), o.warning, dim);
    }
    if (!o.help.empty())
        PaintHelpOverlay(dc, o.width, o.height, o.help);
}

std::vector<OverlayArea> OverlayAreas(const Overlay& o) {
    std::vector<OverlayArea> areas;
    if (o.Empty())
        return areas;
    HDC dc = ::CreateCompatibleDC(nullptr);
    const int f = TextHeight(o.height);
    const RECT screen = {0, 0, o.width, o.height};
    // Glyphs may reach a little past their advance and cell: a margin of half a line keeps them inside.
    auto add = [&](RECT r, int margin, bool opaque) {
        ::InflateRect(&r, margin, margin);
        if (::IntersectRect(&r, &r, &screen))
            areas.push_back({r, opaque});
    };
    // One line of text from (f, top), in the text's face.
    auto line = [&](const std::wstring& shown, int top) {
        if (shown.empty())
            return;
        const CScreenText text(dc, f, shown);
        add({f, top, f + text.Width(shown), top + text.LineHeight()}, f / 2, false);
    };
    line(o.readout, o.height - 2 * f);
    line(o.label, LabelTop(o));
    if (!o.warning.empty()) {
        // The warning never leaves its box (DrawText clips to it); the box of the lines it fills.
        const RECT box = WarningBox(o);
        const CScreenText text(dc, f, o.warning);
        RECT r = box;
        ::DrawTextW(dc, o.warning.c_str(), static_cast<int>(o.warning.size()), &r,
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        ::InflateRect(&r, f / 2, f / 2);
        if (::IntersectRect(&r, &r, &box))
            areas.push_back({r, false});
    }
    if (!o.help.empty())
        add(HelpBox(dc, o.width, o.height, o.help), 0, true);
    ::DeleteDC(dc);
    return areas;
}
