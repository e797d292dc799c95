// A monitor's identity and native mode from the base block of its EDID.
#include "Edid.h"

namespace {

// A descriptor's text: up to the line feed, trailing spaces gone, any other unprintable byte '?'.
std::string DescriptorText(const unsigned char* descriptor) {
    std::string text;
    for (int i = 5; i < 18 && descriptor[i] != 0x0A; ++i)
        text += descriptor[i] >= 0x20 && descriptor[i] < 0x7F ? static_cast<char>(descriptor[i]) : '?';
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

EdidFacts ReadEdid(const std::vector<unsigned char>& b) {
    EdidFacts facts;
    static const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    if (b.size() < 128)
        return facts;
    unsigned sum = 0;
    for (int i = 0; i < 128; ++i)
        sum += b[i];
    for (int i = 0; i < 8; ++i)
        if (b[i] != header[i])
            return facts;
    if (sum % 256 != 0)
        return facts;
    const unsigned short maker = static_cast<unsigned short>((b[8] << 8) | b[9]);
    for (int shift = 10; shift >= 0; shift -= 5) {
        const int letter = (maker >> shift) & 0x1F;
        facts.maker += letter >= 1 && letter <= 26 ? static_cast<char>('A' + letter - 1) : '?';
    }
    facts.product = static_cast<unsigned>(b[10] | (b[11] << 8));
    const unsigned long serial = static_cast<unsigned long>(b[12]) | (b[13] << 8) | (b[14] << 16) |
                                 (static_cast<unsigned long>(b[15]) << 24);
    bool timing = false;
    for (int d = 54; d <= 108; d += 18) {
        const unsigned char* p = &b[d];
        const int clock = p[0] | (p[1] << 8); // in 10 kHz
        if (clock != 0) {
            if (timing)
                continue; // only the first detailed timing is the native mode
            timing = true;
            const int hActive = p[2] | ((p[4] & 0xF0) << 4), hBlank = p[3] | ((p[4] & 0x0F) << 8);
            const int vActive = p[5] | ((p[7] & 0xF0) << 4), vBlank = p[6] | ((p[7] & 0x0F) << 8);
            const bool interlaced = (p[17] & 0x80) != 0;
            facts.nativeWidth = hActive;
            facts.nativeHeight = interlaced ? 2 * vActive : vActive;
            const long long total = static_cast<long long>(hActive + hBlank) * (vActive + vBlank);
            // The rate in hundredths of a hertz, rounded: clock * 10 kHz * 100 / total. A timing of a few
            // pixels (bytes no monitor sends) gives more than a number holds: no rate then.
            const long long rate = total > 0 ? (clock * 1000000LL + total / 2) / total : 0;
            facts.refreshHundredths = rate <= 0x7FFFFFFF ? static_cast<int>(rate) : 0;
            facts.widthMm = p[12] | ((p[14] & 0xF0) << 4);
            facts.heightMm = p[13] | ((p[14] & 0x0F) << 8);
        } else if (p[2] == 0 && p[3] == 0xFC) {
            facts.name = DescriptorText(p);
        } else if (p[2] == 0 && p[3] == 0xFF) {
            facts.serial = DescriptorText(p);
        }
    }
    if (facts.serial.empty() && serial != 0)
        facts.serial = std::to_string(serial);
    facts.known = timing;
    return facts.known ? facts : EdidFacts();
}

bool AtNativeMode(const EdidFacts& edid, int width, int height) {
    if (!edid.known || edid.nativeWidth <= 0 || edid.nativeHeight <= 0)
        return true;
    const int w = edid.nativeWidth, h = edid.nativeHeight;
    if ((w == width && h == height) || (w == height && h == width))
        return true;
    // A timing cannot describe more than 4095 pixels a side: a native mode smaller than the screen in
    // both directions (either orientation) stands for a panel larger than the block can tell.
    return (w < width && h < height) || (w < height && h < width);
}
