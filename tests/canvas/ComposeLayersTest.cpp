#include "ComposeLayers.h"
#include <gtest/gtest.h>
#include <cstring>
#include <random>
#include <vector>

namespace {

// The pixel at (x, y) by the stack's meaning, independent of how rows are cut into runs: the last layer
// whose rectangle holds it decides; with none, it keeps what was there.
UINT32 Expected(const std::vector<Layer>& layers, int x, int y, UINT32 before) {
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        const RECT& r = layer->rect;
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
            continue;
        switch (layer->kind) {
        case Layer::Solid:
            return layer->pixels[0];
        case Layer::PerRow:
            return layer->pixels[y - r.top];
        default:
            return layer->pixels[x - r.left];
        }
    }
    return before;
}

// Random stacks on random images, palette-index and true-colour, streamed and not: rectangles reaching
// off the image, empty and inverted ones, runs long enough to be filled and copies long enough to stream.
// Rows padded and rows end to end; and, either way, stacks under a layer over the whole image with
// layers of rows that repeat (and now and then break the repeat), so that rows are copied from above.
TEST(ComposeLayers, EveryPixelTakesTheLastLayerOverIt) {
    std::mt19937 random(2026);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int bytes : {1, 4})
        for (bool stream : {false, true})
            for (int round = 0; round < 60; ++round) {
                const bool padded = round % 2 == 0, stacked = round % 4 >= 2;
                const int w = padded ? between(1, 900) : 4 * between(1, 225),
                          h = between(1, stacked ? 90 : 30);
                const UINT32 mask = bytes == 1 ? 0xFF : 0xFFFFFF;
                std::vector<Layer> layers;
                const auto values = [&](int count) {
                    std::vector<UINT32> v(count > 0 ? count : 0);
                    for (UINT32& pixel : v)
                        pixel = random() & mask;
                    return v;
                };
                const auto repeating = [&](int count) {
                    std::vector<UINT32> v = values(count), first = values(between(1, 5));
                    for (size_t i = 0; i < v.size(); ++i)
                        if (between(0, 20) > 0)
                            v[i] = first[i % first.size()];
                    return v;
                };
                if (stacked)
                    layers.push_back(between(0, 2) == 0 ? Layer::Fill({0, 0, w, h}, random() & mask)
                                                        : Layer::Rows({0, 0, w, h}, repeating(h)));
                for (int n = between(1, stacked ? 4 : 14); n > 0; --n) {
                    const RECT r = {between(-20, w + 5), between(-5, h + 5), between(-20, w + 20),
                                    between(-5, h + 5)};
                    const int kind = between(0, 2);
                    if (kind == 0)
                        layers.push_back(Layer::Fill(r, random() & mask));
                    else if (kind == 1)
                        layers.push_back(
                            Layer::Rows(r, stacked ? repeating(r.bottom - r.top) : values(r.bottom - r.top)));
                    else
                        layers.push_back(Layer::Columns(r, values(r.right - r.left)));
                }
                const int stride = (w * bytes + 3) / 4 * 4 + (padded ? 8 : 0); // padding stays as it was
                std::vector<BYTE> image(static_cast<size_t>(stride) * h, 0xA5);
                ComposeLayers({image.data(), stride, w, h, bytes}, layers, stream);
                const UINT32 before = bytes == 1 ? 0xA5 : 0xA5A5A5A5;
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) {
                        UINT32 pixel = 0;
                        std::memcpy(&pixel, &image[static_cast<size_t>(y) * stride + x * bytes], bytes);
                        ASSERT_EQ(pixel, Expected(layers, x, y, before))
                            << bytes << " bytes, round " << round << ", pixel " << x << "," << y;
                    }
                    for (int b = w * bytes; b < stride; ++b)
                        ASSERT_EQ(image[static_cast<size_t>(y) * stride + b], 0xA5) << "padding of row " << y;
                }
            }
}

} // namespace
