// The 10-bit image that a swap chain shows, and its rows written at the speed of memory.
#include "DeepImage.h"
#include "StreamCopy.h"
#include <algorithm>
#include <cstring>

void CDeepImage::Resize(int newWidth, int newHeight) {
    if (newWidth == width && newHeight == height)
        return;
    width = std::max(newWidth, 0);
    height = std::max(newHeight, 0);
    pixels.assign(static_cast<size_t>(width) * height, 0);
}

void CDeepImage::WriteRowCycle(int top, int bottom, const std::vector<std::vector<UINT32>>& rows) {
    top = std::max(top, 0);
    bottom = std::min(bottom, height);
    if (rows.empty() || top >= bottom || width == 0)
        return;
    const int period = static_cast<int>(rows.size());
    const size_t bytes = static_cast<size_t>(width) * sizeof(UINT32);
    // Where the image is larger than the caches, every row from the caller's rows (which stay in the
    // cache) with streaming stores; elsewhere the first cycle, and the rest copied from the rows above.
    const bool stream = StreamsFor(pixels.size() * sizeof(UINT32));
    for (int y = top; y < bottom && (stream || y < top + period); ++y) {
        if (stream)
            StreamCopy(Row(y), rows[y % period].data(), bytes);
        else
            std::memcpy(Row(y), rows[y % period].data(), bytes);
    }
    if (!stream)
        CopyRowsDown(reinterpret_cast<unsigned char*>(pixels.data()), bytes, bytes, top + period, bottom,
                     period);
}
