#pragma once
#include "Edid.h"
#include <string>

// A monitor as its EDID tells it, for tests: a 27-inch panel (597 x 336 mm, 59.95 Hz) of that native
// size, with that serial and name.
inline EdidFacts TestPanel(int nativeWidth, int nativeHeight, const std::string& serial = "ABC123",
                           const std::string& name = "DELL U2720Q") {
    EdidFacts panel;
    panel.known = true;
    panel.maker = "DEL";
    panel.product = 0xA0B1;
    panel.serial = serial;
    panel.name = name;
    panel.nativeWidth = nativeWidth;
    panel.nativeHeight = nativeHeight;
    panel.refreshHundredths = 5995;
    panel.widthMm = 597;
    panel.heightMm = 336;
    return panel;
}
