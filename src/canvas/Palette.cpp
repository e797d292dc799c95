#include "Palette.h"

CPalette::CPalette() : handle(nullptr) {}

CPalette::~CPalette() {
    Reset();
}

int CPalette::AddColor(COLORREF color) {
    entries.push_back(color);
    return static_cast<int>(entries.size());
}

bool CPalette::Create(BYTE flags) {
    const size_t n = entries.size();
    // LOGPALETTE declares one entry; the buffer holds all of them.
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (n ? n - 1 : 0) * sizeof(PALETTEENTRY));
    LOGPALETTE* logPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = static_cast<WORD>(n);
    for (size_t i = 0; i < n; ++i) {
        PALETTEENTRY& e = logPalette->palPalEntry[i];
        e.peRed = GetRValue(entries[i]);
        e.peGreen = GetGValue(entries[i]);
        e.peBlue = GetBValue(entries[i]);
        e.peFlags = flags;
    }
    handle = n ? ::CreatePalette(logPalette) : nullptr;
    return handle != nullptr;
}

void CPalette::Reset() {
    ::DeleteObject(handle);
    handle = nullptr;
    entries.clear();
}
