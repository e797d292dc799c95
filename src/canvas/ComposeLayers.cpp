#include "ComposeLayers.h"
#include "StreamCopy.h"
#include <algorithm>
#include <cstring>

namespace {

// A run of one row's columns [left, right) that one layer writes.
struct Run {
    int left, right;
    size_t layer;
};

// The runs of the rows from y on, up to the next row where a layer starts or ends: for each stretch
// between layer edges, the last layer covering it; neighbouring stretches of one layer joined.
std::vector<Run> RunsOfRow(const std::vector<RECT>& rects, int y) {
    std::vector<int> edges;
    for (const RECT& r : rects)
        if (r.top <= y && y < r.bottom) {
            edges.push_back(r.left);
            edges.push_back(r.right);
        }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    // Each layer in turn takes the stretches it covers, so the last one over a stretch keeps it.
    const size_t none = rects.size();
    std::vector<size_t> top(edges.size(), none);
    const auto stretch = [&](int x) {
        return std::lower_bound(edges.begin(), edges.end(), x) - edges.begin();
    };
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].top <= y && y < rects[i].bottom)
            std::fill(top.begin() + stretch(rects[i].left), top.begin() + stretch(rects[i].right), i);
    std::vector<Run> runs;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        if (top[e] == none)
            continue;
        if (!runs.empty() && runs.back().layer == top[e] && runs.back().right == edges[e])
            runs.back().right = edges[e + 1];
        else
            runs.push_back({edges[e], edges[e + 1], top[e]});
    }
    return runs;
}

// The rows of one band, between two rows where a layer starts or ends. A band of one pixel throughout
// is filled. Any other band's row is made in a buffer (a layer of rows rewritten there as its pixel
// changes) and copied whole into each row: one long copy writes the image quicker than many short
// pieces (measured: a row of a grid and small squares as pieces cost twice a fill, as one copy 1.15).
// Where the band writes whole rows, rows that repeat those a period above are copied from there
// (CopyRowsDown: several at a time where rows lie end to end).
class CBand {
  public:
    CBand(const ImageBits& image, const std::vector<Layer>& layers,
          const std::vector<std::vector<BYTE>>& columnBytes, const std::vector<Run>& runs, int top,
          int bottom)
        : image(image), layers(layers), top(top), bottom(bottom), made(Offset(image.width)) {
        if (runs.size() == 1 && layers[runs[0].layer].kind == Layer::Solid) {
            filled = runs[0];
            return;
        }
        for (const Run& run : runs) {
            const Layer& layer = layers[run.layer];
            const size_t count = static_cast<size_t>(run.right - run.left);
            BYTE* to = made.data() + Offset(run.left);
            if (layer.kind == Layer::PerRow) {
                ofRows.push_back(run);
            } else if (layer.kind == Layer::Solid) {
                FillPiece(to, layer.pixels[0], count, image.bytesPerPixel);
            } else {
                const size_t from = static_cast<size_t>(run.left - layer.rect.left);
                const void* source = image.bytesPerPixel == 1
                                         ? static_cast<const void*>(&columnBytes[run.layer][from])
                                         : static_cast<const void*>(&layer.pixels[from]);
                std::memcpy(to, source, count * image.bytesPerPixel);
            }
            if (!copies.empty() && copies.back().second == run.left)
                copies.back().second = run.right;
            else
                copies.emplace_back(run.left, run.right);
        }
        written.assign(ofRows.size(), 0);
        wholeRows = copies.size() == 1 && copies[0] == std::make_pair(0, image.width);
    }

    void Write(bool stream) {
        // Streamed rows are not in the cache to be copied from: each comes from the buffer.
        const int period = wholeRows && !stream ? Period() : 0;
        for (int y = top; y < bottom;) {
            if (period == 0 || y - top < period || !Repeats(y, period)) {
                WriteRow(y++, stream);
                continue;
            }
            int end = y + 1;
            while (end < bottom && Repeats(end, period))
                ++end;
            CopyRowsDown(static_cast<BYTE*>(image.bits), image.stride, Offset(image.width), y, end, period);
            y = end;
        }
    }

  private:
    BYTE* Row(int y) const { return static_cast<BYTE*>(image.bits) + static_cast<size_t>(y) * image.stride; }

    // Whether row y is row y - period again: every layer of rows in it holds the same pixel in both.
    bool Repeats(int y, int period) const {
        for (const Run& run : ofRows) {
            const Layer& layer = layers[run.layer];
            if (layer.pixels[y - layer.rect.top] != layer.pixels[y - period - layer.rect.top])
                return false;
        }
        return true;
    }

    // The shortest period, up to a longest one, whose first repeat of the band's first rows holds; 0
    // for none. A band without layers of rows repeats its first row.
    int Period() const {
        const int longest = 16;
        for (int period = 1; period <= longest && top + 2 * period <= bottom; ++period) {
            bool holds = true;
            for (int y = top + period; y < top + 2 * period && holds; ++y)
                holds = Repeats(y, period);
            if (holds)
                return period;
        }
        return 0;
    }

    void WriteRow(int y, bool stream) {
        BYTE* row = Row(y);
        if (filled.right > filled.left)
            FillPiece(row + Offset(filled.left), layers[filled.layer].pixels[0],
                      static_cast<size_t>(filled.right - filled.left), image.bytesPerPixel);
        for (size_t i = 0; i < ofRows.size(); ++i) {
            const Run& run = ofRows[i];
            const Layer& layer = layers[run.layer];
            const UINT32 pixel = layer.pixels[y - layer.rect.top];
            if (y == top || pixel != written[i])
                FillPiece(made.data() + Offset(run.left), pixel, static_cast<size_t>(run.right - run.left),
                          image.bytesPerPixel);
            written[i] = pixel;
        }
        for (const auto& copy : copies)
            CopyPiece(row + Offset(copy.first), made.data() + Offset(copy.first),
                      Offset(copy.second - copy.first), stream);
    }

    size_t Offset(int x) const { return static_cast<size_t>(x) * image.bytesPerPixel; }

    const ImageBits& image;
    const std::vector<Layer>& layers;
    int top, bottom;
    bool wholeRows = false;                  // the band writes whole rows of the image
    Run filled = {0, 0, 0};                  // the band's one layer of one pixel, if so
    std::vector<BYTE> made;                  // a row of the band
    std::vector<std::pair<int, int>> copies; // column ranges copied from it
    std::vector<Run> ofRows;                 // runs of layers of rows
    std::vector<UINT32> written;             // the pixel of each in the buffer now
};

} // namespace

void ComposeLayers(const ImageBits& image, const std::vector<Layer>& layers, bool stream) {
    const RECT all = {0, 0, image.width, image.height};
    std::vector<RECT> rects(layers.size(), RECT{0, 0, 0, 0});
    std::vector<int> rowEdges;
    for (size_t i = 0; i < layers.size(); ++i)
        if (::IntersectRect(&rects[i], &layers[i].rect, &all)) {
            rowEdges.push_back(rects[i].top);
            rowEdges.push_back(rects[i].bottom);
        }
    std::sort(rowEdges.begin(), rowEdges.end());
    rowEdges.erase(std::unique(rowEdges.begin(), rowEdges.end()), rowEdges.end());

    // Columns of a palette-index image as its bytes, made once.
    std::vector<std::vector<BYTE>> columnBytes(layers.size());
    if (image.bytesPerPixel == 1)
        for (size_t i = 0; i < layers.size(); ++i)
            if (layers[i].kind == Layer::PerColumn)
                columnBytes[i].assign(layers[i].pixels.begin(), layers[i].pixels.end());

    for (size_t b = 0; b + 1 < rowEdges.size(); ++b) {
        CBand(image, layers, columnBytes, RunsOfRow(rects, rowEdges[b]), rowEdges[b], rowEdges[b + 1])
            .Write(stream);
    }
}
