#pragma once
#include "Layer.h"
#include <windows.h>
#include <vector>

// Keeps a device context's drawing off the layers from `first` on, for one scope: what a chart draws
// with GDI before those layers in its order stays under them. For DCs without clipping of their own,
// as the canvas's memory DC.
class CLayerClip {
  public:
    CLayerClip(HDC dc, const std::vector<Layer>& layers, size_t first) : dc(dc) {
        for (size_t i = first; i < layers.size(); ++i)
            ::ExcludeClipRect(dc, layers[i].rect.left, layers[i].rect.top, layers[i].rect.right,
                              layers[i].rect.bottom);
    }
    ~CLayerClip() { ::SelectClipRgn(dc, nullptr); }
    CLayerClip(const CLayerClip&) = delete;
    CLayerClip& operator=(const CLayerClip&) = delete;

  private:
    HDC dc;
};
