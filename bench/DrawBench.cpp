// Times each pattern's full drawing into a canvas against the floor of one Fill of the same canvas
// (every pixel written once), at three screen sizes, and prints the medians and their ratio; a pattern
// of 10 bits per colour also drawn into its own 10-bit image, against one fill of that image.
#include "Canvas.h"
#include "Clock.h"
#include "MotionSteps.h"
#include "PatternTable.h"
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

template <class Work> double Time(Work work) {
    const double start = Milliseconds();
    work();
    ::GdiFlush();
    return Milliseconds() - start;
}

// The medians of a drawing and of its floor, timed in turns so that both see the machine alike (the
// load of other programs and the memory's state drift over a run of many).
template <class Draw, class Floor>
std::pair<double, double> MedianMilliseconds(int runs, Draw draw, Floor floor) {
    std::vector<double> draws, floors;
    for (int i = 0; i < runs; ++i) {
        draws.push_back(Time(draw));
        floors.push_back(Time(floor));
    }
    return {Median(draws), Median(floors)};
}

} // namespace

int main() {
    struct Size {
        int w, h, runs;
    };
    const Size sizes[] = {{1920, 1080, 21}, {3840, 2160, 21}, {7680, 4320, 15}};
    std::printf("%-22s %-10s %10s %10s %7s\n", "pattern", "size", "draw ms", "fill ms", "ratio");
    for (const Size& size : sizes) {
        CCanvas canvas(nullptr);
        canvas.Create(size.w, size.h);
        if (canvas.bitmap == nullptr) {
            std::printf("%dx%d: no bitmap of that size\n", size.w, size.h);
            continue;
        }
        canvas.darkColor = 0x00000000;
        for (size_t p = 0; p < patternCount; ++p) {
            const PatternEntry& pattern = patternTable[p];
            pattern.draw(canvas, size.w, size.h, standardPatch, Frame()); // warm-up: fonts, palette caches
            const auto [draw, fill] = MedianMilliseconds(
                size.runs, [&] { pattern.draw(canvas, size.w, size.h, standardPatch, Frame()); },
                [&] { canvas.Fill(RGB(12, 34, 56)); });
            char label[16];
            std::snprintf(label, sizeof label, "%dx%d", size.w, size.h);
            const char* name = pattern.argument != nullptr ? pattern.argument : "remote patch";
            std::printf("%-22s %-10s %10.2f %10.2f %7.2f\n", name, label, draw, fill, draw / fill);
            if (pattern.moves) {
                // A frame over the one before, as each refresh draws it.
                long long n = 0;
                const auto [next, nextFill] = MedianMilliseconds(
                    size.runs,
                    [&] {
                        pattern.draw(canvas, size.w, size.h, motionSteps.standard, Frame{n + 1, 16, n});
                        ++n;
                    },
                    [&] { canvas.Fill(RGB(12, 34, 56)); });
                const std::string frameName = std::string(name) + " next frame";
                std::printf("%-22s %-10s %10.2f %10.2f %7.2f\n", frameName.c_str(), label, next, nextFill,
                            next / nextFill);
            }
            if (pattern.drawDeep == nullptr)
                continue;
            CDeepImage image;
            image.Resize(size.w, size.h);
            pattern.drawDeep(image, standardPatch);
            const auto [deep, deepFill] = MedianMilliseconds(
                size.runs, [&] { pattern.drawDeep(image, standardPatch); },
                [&] { std::fill(image.pixels.begin(), image.pixels.end(), DeepPixel(12, 34, 56)); });
            const std::string deepName = std::string(name) + " at 10 bits";
            std::printf("%-22s %-10s %10.2f %10.2f %7.2f\n", deepName.c_str(), label, deep, deepFill,
                        deep / deepFill);
        }
    }
    return 0;
}
