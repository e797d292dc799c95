#pragma once
#include <windows.h>
#include <string>
#include <vector>

// What lies over a pattern on a width x height screen: a label at the bottom left (a line higher where a
// motion test's readout is there) and a warning at the top left, dim text without a box, and the help's
// lines in a box in the centre (no lines: no box).
struct Overlay {
    int width = 0, height = 0;
    std::wstring label, warning, readout;
    std::vector<std::wstring> help;

    bool Empty() const { return label.empty() && warning.empty() && readout.empty() && help.empty(); }
    bool operator==(const Overlay& o) const {
        return width == o.width && height == o.height && label == o.label && warning == o.warning &&
               readout == o.readout && help == o.help;
    }
    bool operator!=(const Overlay& o) const { return !(*this == o); }
};

// A rectangle the overlay paints in; `opaque` where it paints every pixel of it (the help's box).
struct OverlayArea {
    RECT rect;
    bool opaque;
};

// Paints it over whatever the DC holds: the one routine for text over a pattern, whatever shows it.
void PaintOverlay(HDC dc, const Overlay& overlay);
// Where it paints, within its screen; nowhere for an empty one.
std::vector<OverlayArea> OverlayAreas(const Overlay& overlay);
