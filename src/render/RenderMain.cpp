// tessaryn-render MODE WIDTH HEIGHT BPP OUT.bmp: draws one test pattern with the program's own canvas
// routines, as a WIDTH x HEIGHT screen shows it, and writes it as a 24-bit BMP file. BPP (8 or 32) is
// the display depth the ramp chart is told. A pattern of more than 8 bits per colour (the depth chart)
// goes as an 8-bit path shows it at 8 or 32, and with BPP 30 as its exact 10-bit codes, in a binary PPM
// file. Errors: one line on stderr and exit code 1.
#include "BmpFile.h"
#include "PpmFile.h"
#include "Canvas.h"
#include "PatternTable.h"
#include "WholeNumber.h"
#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace {

int requestedBits = 32;

int RequestedBits(HWND) {
    return requestedBits;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "tessaryn-render: %s\n", message.c_str());
    return 1;
}

// The MODE arguments, as the pattern table has them: "9, 8, 7 or 11".
std::string Modes() {
    std::vector<std::string> arguments;
    for (size_t i = 0; i < patternCount; ++i)
        if (patternTable[i].argument != nullptr)
            arguments.push_back(patternTable[i].argument);
    std::string modes;
    for (size_t i = 0; i < arguments.size(); ++i)
        modes += (i == 0 ? "" : i + 1 == arguments.size() ? " or " : ", ") + arguments[i];
    return modes;
}

// A pattern with parameters as MODE: "ARGUMENT:LEVEL:SIZE", e.g. "11:128:10" for the centre square at
// gray level 128 in a 10% window; a moving one as "ARGUMENT:FRAME:PIXELS", e.g. "blocks:37:16" for frame
// 37 at 16 pixels a frame. Null unless the pattern has parameters and can show these.
const PatternEntry* ParseParams(const std::string& mode, PatternParams& params, Frame& frame) {
    const size_t first = mode.find(':'), second = mode.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos)
        return nullptr;
    const PatternEntry* entry = FindPatternByArgument(mode.substr(0, first).c_str());
    if (entry == nullptr || entry->steps == nullptr)
        return nullptr;
    if (entry->moves) {
        int n = 0;
        const bool good = ReadWholeNumber(mode.substr(first + 1, second - first - 1), 0, 2147483647, n) &&
                          ReadWholeNumber(mode.substr(second + 1), 1, 16384, frame.p);
        frame.n = n;
        return good ? entry : nullptr;
    }
    const bool good = ReadWholeNumber(mode.substr(first + 1, second - first - 1), 0, 255, params.level) &&
                      ReadWholeNumber(mode.substr(second + 1), 1, 100, params.size) &&
                      IsParams(*entry->steps, params);
    return good ? entry : nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const std::string modes =
        Modes() + ", or 11:LEVEL:PERCENT for a patch (LEVEL 0 to 255, PERCENT 1, 2, "
                  "5, 10, 18, 25 or 100), or uniformity:LEVEL:N for a grid (N 3, 5 or 9), or "
                  "blocks:FRAME:PIXELS (blocks-v, steps alike) for frame FRAME of a motion test at "
                  "PIXELS a frame";
    if (argc != 6)
        return Fail("usage: tessaryn-render MODE WIDTH HEIGHT BPP OUT.bmp (MODE " + modes +
                    "; BPP 8 or 32, or 30 for the depth chart's 10-bit codes in a PPM file)");
    int width = 0, height = 0, bits = 0;
    PatternParams params = standardPatch;
    Frame frame;
    const PatternEntry* pattern = FindPatternByArgument(argv[1]);
    if (pattern != nullptr)
        params = StandardParams(pattern->mode);
    else
        pattern = ParseParams(argv[1], params, frame);
    if (pattern == nullptr)
        return Fail(std::string("unknown mode '") + argv[1] + "' (" + modes + ")");
    if (!ReadWholeNumber(argv[2], 1, 16384, width))
        return Fail(std::string("bad width '") + argv[2] + "' (1 to 16384)");
    if (!ReadWholeNumber(argv[3], 1, 16384, height))
        return Fail(std::string("bad height '") + argv[3] + "' (1 to 16384)");
    if (!ReadWholeNumber(argv[4], 8, 32, bits) || (bits != 8 && bits != 32 && bits != 30))
        return Fail(std::string("bad bits per pixel '") + argv[4] + "' (8 or 32, or 30 for the depth chart)");
    if (bits == 30 && pattern->drawDeep == nullptr)
        return Fail(std::string("'") + argv[1] +
                    "' has no colours beyond 8 bits: 30 bits per pixel is for depth");
    const std::string path = argv[5];
    if (path.empty())
        return Fail("no output file");
    if (bits == 30) {
        CDeepImage image;
        try {
            image.Resize(width, height);
        } catch (const std::bad_alloc&) {
            return Fail("cannot allocate a " + std::to_string(width) + "x" + std::to_string(height) +
                        " image");
        }
        pattern->drawDeep(image, params);
        const std::string error = WritePpmFile(image, path);
        return error.empty() ? 0 : Fail(error);
    }

    requestedBits = bits;
    CCanvas canvas(nullptr); // the screen is the model for the surface, as for a window on it
    canvas.readDisplayBits = &RequestedBits;
    canvas.readPaletteDisplay = [](HWND) { return false; }; // a file holds true colours
    canvas.Create(width, height);
    if (canvas.bitmap == nullptr)
        return Fail("cannot allocate a " + std::to_string(width) + "x" + std::to_string(height) + " bitmap");
    canvas.darkColor = 0x00000000;
    canvas.lightColor = 0x00FFFFFF;
    pattern->draw(canvas, width, height, params, frame);

    const std::string error = WriteBmpFile(canvas.memDC, canvas.bitmap, width, height, path);
    if (!error.empty())
        return Fail(error);
    return 0;
}
