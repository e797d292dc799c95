// The screens as a table for scripts: to the standard output, or in a box.
#include "ScreenListing.h"
#include "Texts.h"
#include <cstdio>
#include <vector>

namespace {

std::string Hundredths(int value) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", value / 100, value % 100);
    return text;
}

std::string Known(int value) {
    return value > 0 ? std::to_string(value) : std::string();
}

} // namespace

std::string ScreenListing(const ScreenLayout& layout) {
    std::string text =
        "screen\tprimary\tleft\ttop\twidth\theight\tbits_per_pixel\trefresh_hz\tbits_per_colour\tmaker"
        "\tproduct\tserial\tname\tnative_mode\tsize_mm\r\n";
    for (size_t i = 0; i < layout.size(); ++i) {
        const RECT& r = layout[i].rect;
        const ScreenDetails& d = layout[i].details;
        const EdidFacts& e = d.edid;
        char product[8] = "";
        if (e.known)
            std::snprintf(product, sizeof product, "%04X", e.product & 0xFFFF);
        const std::vector<std::string> fields = {
            std::to_string(i + 1),
            d.primary ? "yes" : "no",
            std::to_string(r.left),
            std::to_string(r.top),
            std::to_string(r.right - r.left),
            std::to_string(r.bottom - r.top),
            Known(d.bitsPerPixel),
            Known(d.refreshRate),
            Known(d.bitsPerColor),
            e.known ? e.maker : "",
            product,
            e.known ? e.serial : "",
            e.known ? e.name : "",
            e.known ? std::to_string(e.nativeWidth) + "x" + std::to_string(e.nativeHeight) + "@" +
                          Hundredths(e.refreshHundredths)
                    : "",
            e.HasSize() ? std::to_string(e.widthMm) + "x" + std::to_string(e.heightMm) : ""};
        for (size_t f = 0; f < fields.size(); ++f)
            text += (f == 0 ? "" : "\t") + fields[f];
        text += "\r\n";
    }
    return text;
}

void GiveScreenListing(const std::string& listing, ListingBox box) {
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const DWORD type = out != nullptr && out != INVALID_HANDLE_VALUE ? ::GetFileType(out) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
        DWORD written = 0;
        ::WriteFile(out, listing.data(), static_cast<DWORD>(listing.size()), &written, nullptr);
        return;
    }
    // The listing is ASCII but for what EDIDs spell, which is ASCII too ('?' for anything else).
    box(nullptr, Widen(listing).c_str(), LoadText(1).c_str(), MB_ICONINFORMATION);
}
