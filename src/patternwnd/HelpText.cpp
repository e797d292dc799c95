#include "HelpText.h"
#include "PatternTable.h"

std::vector<std::string> IdentityLines(int number, int count, const RECT& rect,
                                       const ScreenDetails& details) {
    const std::string bits = details.bitsPerPixel > 0
                                 ? std::to_string(details.bitsPerPixel) + " bits per pixel"
                                 : "colour depth unknown";
    const std::string rate =
        details.refreshRate > 0 ? std::to_string(details.refreshRate) + " Hz" : "refresh rate unknown";
    return {"Screen " + std::to_string(number) + " of " + std::to_string(count) +
                (details.primary ? ", primary" : ""),
            std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top) + " at " +
                std::to_string(rect.left) + ", " + std::to_string(rect.top),
            bits + ", " + rate};
}

std::vector<std::string> KeyLines() {
    std::vector<std::string> lines;
    std::vector<char> keys;
    std::string stepped;
    for (size_t i = 0; i < patternCount; ++i) {
        const PatternEntry& entry = patternTable[i];
        if (entry.steps != nullptr)
            stepped += (stepped.empty() ? "" : " and ") + std::string(entry.name);
        // A key shared by several patterns shows them in turn: one line says so.
        bool known = false;
        for (size_t k = 0; k < keys.size(); ++k)
            if (keys[k] == entry.key) {
                lines[k] += "; again: " + std::string(entry.name);
                known = true;
            }
        if (!known) {
            keys.push_back(entry.key);
            lines.push_back(std::string(1, entry.key) + "\t" + entry.name);
        }
    }
    lines.push_back("Up, Down\tthe level of the " + stepped + " (with Shift: one code value)");
    lines.push_back("Left, Right\tthe size of the " + stepped);
    lines.push_back("Home\tthe " + stepped + " as they start");
    lines.push_back("A\ttimed run through every pattern; again: stop");
    lines.push_back("left click\tthe next of the charts 1 to " + std::to_string(CycleLength()));
    lines.push_back("F1, H, ?\tthis help; any other key or click takes it away");
    lines.push_back("Esc, Space, right click\tquit");
    return lines;
}
