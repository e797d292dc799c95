#include "HelpText.h"
#include "KeyMap.h"
#include "Texts.h"
#include <cstdio>

namespace {

std::wstring Hundredths(int value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%d.%02d", value / 100, value % 100);
    return text;
}

// The EDID's texts are ASCII ('?' for anything else).
std::wstring Ascii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// What the EDID says of the monitor, a line each.
std::vector<std::wstring> MonitorLines(const EdidFacts& e) {
    if (!e.known)
        return {LoadText(IDS_MONITOR_UNKNOWN)};
    wchar_t product[8];
    std::swprintf(product, 8, L"%04X", e.product & 0xFFFF);
    std::vector<std::wstring> lines = {
        e.name.empty() ? FormatText(IDS_MONITOR_NO_NAME, {Ascii(e.maker), product})
                       : FormatText(IDS_MONITOR_NAME, {Ascii(e.name), Ascii(e.maker), product})};
    if (!e.serial.empty())
        lines.push_back(FormatText(IDS_MONITOR_SERIAL, {Ascii(e.serial)}));
    lines.push_back(FormatText(IDS_MONITOR_NATIVE, {Number(e.nativeWidth), Number(e.nativeHeight),
                                                    Hundredths(e.refreshHundredths)}));
    if (e.HasSize())
        lines.push_back(FormatText(IDS_MONITOR_NATIVE_SIZE,
                                   {Number(e.widthMm), Number(e.heightMm),
                                    Number((e.nativeWidth * 254 + e.widthMm * 5) / (e.widthMm * 10))}));
    return lines;
}

} // namespace

std::wstring NativeModeWarning(const EdidFacts& edid, int width, int height) {
    if (AtNativeMode(edid, width, height))
        return std::wstring();
    return FormatText(IDS_NOT_NATIVE, {Number(edid.nativeWidth) + L" x " + Number(edid.nativeHeight)});
}

std::vector<std::wstring> IdentityLines(const ScreenDescription& screen, const RECT& rect) {
    const ScreenDetails& details = screen.details;
    const std::wstring bits = details.bitsPerPixel > 0
                                  ? FormatText(IDS_BITS_PER_PIXEL, {Number(details.bitsPerPixel)})
                                  : LoadText(IDS_DEPTH_UNKNOWN);
    const std::wstring rate = details.refreshRate > 0
                                  ? FormatText(IDS_REFRESH_RATE, {Number(details.refreshRate)})
                                  : LoadText(IDS_REFRESH_UNKNOWN);
    std::vector<std::wstring> lines = {
        FormatText(details.primary ? IDS_SCREEN_OF_PRIMARY : IDS_SCREEN_OF,
                   {Number(screen.number), Number(screen.count)}),
        FormatText(IDS_SCREEN_PLACE, {Number(rect.right - rect.left), Number(rect.bottom - rect.top),
                                      Number(rect.left), Number(rect.top)}),
        FormatText(IDS_DEPTH_AND_RATE, {bits, rate}),
        details.bitsPerColor > 0 ? FormatText(IDS_BITS_PER_COLOR, {Number(details.bitsPerColor)})
                                 : LoadText(IDS_BITS_PER_COLOR_UNKNOWN)};
    for (const std::wstring& line : MonitorLines(details.edid))
        lines.push_back(line);
    const std::wstring warning =
        NativeModeWarning(details.edid, rect.right - rect.left, rect.bottom - rect.top);
    for (size_t start = 0; start < warning.size();) {
        const size_t end = warning.find(L'\n', start);
        lines.push_back(warning.substr(start, end - start));
        start = end == std::wstring::npos ? warning.size() : end + 1;
    }
    return lines;
}

std::vector<std::wstring> HelpLines(const ScreenDescription& screen, const RECT& rect, bool withKeys) {
    std::vector<std::wstring> lines = IdentityLines(screen, rect);
    if (withKeys) {
        lines.push_back(std::wstring());
        const std::vector<std::wstring> keys = KeyLines();
        lines.insert(lines.end(), keys.begin(), keys.end());
    }
    return lines;
}
