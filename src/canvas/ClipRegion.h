#pragma once
#include <windows.h>

// Clips a device context's drawing to a region for one scope, then lets it draw everywhere again.
// For DCs without clipping of their own, as the canvas's memory DC.
class CClipRegion {
  public:
    CClipRegion(HDC dc, HRGN region) : dc(dc) { ::SelectClipRgn(dc, region); }
    ~CClipRegion() { ::SelectClipRgn(dc, nullptr); }
    CClipRegion(const CClipRegion&) = delete;
    CClipRegion& operator=(const CClipRegion&) = delete;

  private:
    HDC dc;
};
