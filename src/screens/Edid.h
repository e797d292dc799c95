#pragma once
#include <string>
#include <vector>

// What a monitor's EDID (its base block of 128 bytes) says about it: the maker's three-letter code, the
// product code, the serial (the text descriptor, else the number where it is not 0), the name (the
// display-name descriptor), the native mode (the first detailed timing: width, height, doubled for an
// interlaced timing, refresh in hundredths of a hertz, 0 where a number cannot hold it) and that
// timing's size in millimetres. Names and serials are at most 13 characters; any byte outside
// printable ASCII reads as '?'.
struct EdidFacts {
    bool known = false; // a good base block with a detailed timing; else nothing below is known
    std::string maker;
    unsigned product = 0;
    std::string serial;
    std::string name;
    int nativeWidth = 0, nativeHeight = 0;
    int refreshHundredths = 0;
    int widthMm = 0, heightMm = 0;

    // Whether the size is known: an EDID may give one side and 0 for the other (a projector gives both 0).
    bool HasSize() const { return known && widthMm > 0 && heightMm > 0; }

    bool operator==(const EdidFacts& o) const {
        return known == o.known && maker == o.maker && product == o.product && serial == o.serial &&
               name == o.name && nativeWidth == o.nativeWidth && nativeHeight == o.nativeHeight &&
               refreshHundredths == o.refreshHundredths && widthMm == o.widthMm && heightMm == o.heightMm;
    }
    bool operator!=(const EdidFacts& o) const { return !(*this == o); }
};

// Reads an EDID; a missing one, one shorter than 128 bytes, one with a bad header or checksum, or one
// without a detailed timing is not known.
EdidFacts ReadEdid(const std::vector<unsigned char>& bytes);

// Whether a screen of this size shows a monitor's native mode: the EDID's size in either orientation
// (a monitor turned to portrait is native). A monitor not known, or one whose EDID names a mode smaller
// than the screen in both directions (larger panels than a base block can describe), counts as native:
// nothing is said about it.
bool AtNativeMode(const EdidFacts& edid, int width, int height);
