#pragma once
#include "Layer.h"
#include <cstddef>

// The pixels of an image in memory, top row first: 1 or 4 bytes each, rows `stride` bytes apart.
struct ImageBits {
    void* bits;
    int stride;
    int width;
    int height;
    int bytesPerPixel;
};

// Writes a stack of layers into an image, each pixel once and row after row, left to right: a pixel
// takes what the last layer covering it holds, and one that no layer covers keeps what it had. So a chart of
// rectangles costs about one fill of the image, however many of them overlap. Layers are clipped to the
// image; an empty or inverted rectangle covers nothing. With `stream`, long runs of columns are written with
// streaming stores (for images larger than the caches); without, rows that repeat rows above them are copied
// from there, several at a time.
void ComposeLayers(const ImageBits& image, const std::vector<Layer>& layers, bool stream);
