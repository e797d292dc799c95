#include "Surface.h"
#include "ComposeLayers.h"
#include "GdiObject.h"
#include "StreamCopy.h"
#include <algorithm>
#include <cstring>

namespace {

// A top-down DIB header with room for a 256-entry colour table (RGBQUADs, or WORDs for DIB_PAL_COLORS).
std::vector<BYTE> DibHeader(int width, int height, int bitsPerPixel) {
    std::vector<BYTE> header(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    BITMAPINFOHEADER& info = *reinterpret_cast<BITMAPINFOHEADER*>(header.data());
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.biCompression = BI_RGB;
    info.biClrUsed = bitsPerPixel == 8 ? 256 : 0;
    return header;
}

} // namespace

CSurface::CSurface(HWND owner)
    : readDisplayBits(&OwnerDisplayBits), readPaletteDisplay(&OwnerUsesPalette), owner(owner), memDC(nullptr),
      bitmap(nullptr), width(0), height(0), darkColor(0x00FFFFFF), displayBits(32), bitsPerPixel(32),
      bits(nullptr), stride(0) {}

CSurface::~CSurface() {
    Destroy();
}

int CSurface::OwnerDisplayBits(HWND owner) {
    HDC dc = ::GetDC(owner);
    const int bits = ::GetDeviceCaps(dc, BITSPIXEL);
    ::ReleaseDC(owner, dc);
    return bits;
}

bool CSurface::OwnerUsesPalette(HWND owner) {
    HDC dc = ::GetDC(owner);
    const bool palette = (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ::ReleaseDC(owner, dc);
    return palette;
}

bool CSurface::Create(int width, int height) {
    if (memDC != nullptr || width == 0 || height == 0)
        return false;
    this->width = width;
    this->height = height;
    displayBits = readDisplayBits(owner);
    bitsPerPixel = readPaletteDisplay(owner) ? 8 : 32;
    stride = ((width * bitsPerPixel + 31) / 32) * 4;
    std::vector<BYTE> header = DibHeader(width, height, bitsPerPixel);
    if (bitsPerPixel == 8) {
        // Until a pattern sets its palette: black and white, so that the first fills are exact.
        RGBQUAD* table = reinterpret_cast<BITMAPINFO*>(header.data())->bmiColors;
        table[1] = {255, 255, 255, 0};
        indexHeader = DibHeader(width, height, 8);
        WORD* indices = reinterpret_cast<WORD*>(reinterpret_cast<BITMAPINFO*>(indexHeader.data())->bmiColors);
        for (WORD i = 0; i < 256; ++i)
            indices[i] = i;
    }
    HDC ownerDC = ::GetDC(owner);
    memDC = ::CreateCompatibleDC(ownerDC);
    bitmap = ::CreateDIBSection(ownerDC, reinterpret_cast<BITMAPINFO*>(header.data()), DIB_RGB_COLORS, &bits,
                                nullptr, 0);
    ::ReleaseDC(owner, ownerDC);
    ::SelectObject(memDC, bitmap);
    return Fill(darkColor);
}

void CSurface::Destroy() {
    if (memDC == nullptr)
        return;
    ::DeleteDC(memDC);
    ::DeleteObject(bitmap);
    memDC = nullptr;
    bitmap = nullptr;
    bits = nullptr;
}

bool CSurface::Resize(int width, int height) {
    if (width == this->width && height == this->height)
        return true;
    Destroy();
    return Create(width, height);
}

void CSurface::Paint() {
    PAINTSTRUCT paint;
    ::BeginPaint(owner, &paint);
    PaintTo(paint);
    ::EndPaint(owner, &paint);
}

void CSurface::PaintTo(const PAINTSTRUCT& paint) {
    CopyUpdateRect(paint, false);
}

bool CSurface::Fill(COLORREF color) {
    CBrush brush(::CreateSolidBrush(color));
    if (brush == nullptr)
        return false;
    RECT all = {0, 0, width, height};
    ::FillRect(memDC, &all, brush);
    return true;
}

void CSurface::CopyUpdateRect(const PAINTSTRUCT& paint, bool throughPalette) {
    const RECT& r = paint.rcPaint;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (bitsPerPixel == 8 && throughPalette && bits != nullptr) {
        // Each index goes to the screen as that entry of the realized palette, never as the nearest of
        // some other colour table. The whole surface, the paint's clipping keeping it to the update: Wine
        // takes a part of a top-down DIB from one row too far down.
        ::GdiFlush();
        ::StretchDIBits(paint.hdc, 0, 0, width, height, 0, 0, width, height, bits,
                        reinterpret_cast<BITMAPINFO*>(indexHeader.data()), DIB_PAL_COLORS, SRCCOPY);
        return;
    }
    ::BitBlt(paint.hdc, r.left, r.top, w, h, memDC, r.left, r.top, SRCCOPY);
}

void CSurface::SetColorTable(const std::vector<COLORREF>& colors) {
    if (bitsPerPixel != 8 || memDC == nullptr)
        return;
    RGBQUAD table[256] = {};
    const size_t n = std::min<size_t>(colors.size(), 256);
    for (size_t i = 0; i < n; ++i)
        table[i] = {GetBValue(colors[i]), GetGValue(colors[i]), GetRValue(colors[i]), 0};
    ::SetDIBColorTable(memDC, 0, 256, table);
}

bool CSurface::Clip(const RECT& area, RECT& clipped) const {
    const RECT all = {0, 0, width, height};
    return bits != nullptr && ::IntersectRect(&clipped, &area, &all);
}

UINT32 CSurface::PixelAt(int x, int y) {
    RECT one;
    if (!Clip({x, y, x + 1, y + 1}, one))
        return 0;
    ::GdiFlush(); // what GDI has drawn must be in memory before it is read
    return Stored(x, y);
}

std::vector<UINT32> CSurface::PixelsOfRow(int y) {
    return PixelsAlong(0, y, 1, 0, width);
}

std::vector<UINT32> CSurface::PixelsOfColumn(int x) {
    return PixelsAlong(x, 0, 0, 1, height);
}

std::vector<UINT32> CSurface::PixelsAlong(int x, int y, int dx, int dy, int count) {
    RECT start;
    if (!Clip({x, y, x + 1, y + 1}, start))
        return {};
    ::GdiFlush();
    std::vector<UINT32> pixels(count);
    for (int i = 0; i < count; ++i)
        pixels[i] = Stored(x + i * dx, y + i * dy);
    return pixels;
}

void CSurface::FillPixels(const RECT& area, UINT32 pixel) {
    FillRows(area, std::vector<UINT32>(area.bottom > area.top ? area.bottom - area.top : 0, pixel));
}

void CSurface::FillRows(const RECT& area, const std::vector<UINT32>& rowPixels) {
    RECT r;
    if (!Clip(area, r))
        return;
    ::GdiFlush();
    for (int y = r.top; y < r.bottom; ++y) {
        const UINT32 pixel = rowPixels[y - area.top];
        FillPiece(Row(y) + r.left * (bitsPerPixel / 8), pixel, static_cast<size_t>(r.right - r.left),
                  bitsPerPixel / 8);
    }
}

void CSurface::WriteRow(int y, int left, const std::vector<UINT32>& pixels) {
    const int count = static_cast<int>(pixels.size());
    RECT r;
    if (!Clip({left, y, left + count, y + 1}, r))
        return;
    ::GdiFlush();
    const UINT32* from = pixels.data() + (r.left - left);
    if (bitsPerPixel == 8)
        std::transform(from, from + (r.right - r.left), Row(y) + r.left,
                       [](UINT32 pixel) { return static_cast<BYTE>(pixel); });
    else
        std::memcpy(reinterpret_cast<UINT32*>(Row(y)) + r.left, from, (r.right - r.left) * sizeof(UINT32));
}

void CSurface::FillEveryOtherColumn(const RECT& area, UINT32 pixel) {
    RECT r;
    if (!Clip(area, r))
        return;
    ::GdiFlush();
    const int first = r.left + (r.left - area.left) % 2; // keep the columns counted from area.left
    for (int y = r.top; y < r.bottom; ++y) {
        if (bitsPerPixel == 8) {
            BYTE* row = Row(y);
            for (int x = first; x < r.right; x += 2)
                row[x] = static_cast<BYTE>(pixel);
        } else {
            UINT32* row = reinterpret_cast<UINT32*>(Row(y));
            for (int x = first; x < r.right; x += 2)
                row[x] = pixel;
        }
    }
}

void CSurface::Compose(const std::vector<Layer>& layers) {
    if (bits == nullptr)
        return;
    ::GdiFlush();
    ComposeLayers({bits, stride, width, height, bitsPerPixel / 8}, layers,
                  StreamsFor(static_cast<size_t>(stride) * height));
}

void CSurface::WriteRowCycle(int top, int bottom, const std::vector<std::vector<UINT32>>& rows) {
    RECT r;
    if (rows.empty() || !Clip({0, top, width, bottom}, r))
        return;
    const int period = static_cast<int>(rows.size());
    for (int y = r.top; y < r.bottom && y < r.top + period; ++y)
        WriteRow(y, 0, rows[y % period]);
    const size_t length = static_cast<size_t>(width) * (bitsPerPixel / 8);
    if (!StreamsFor(static_cast<size_t>(stride) * height)) {
        CopyRowsDown(static_cast<BYTE*>(bits), stride, length, r.top + period, r.bottom, period);
        return;
    }
    // From copies of the first cycle, which stay in the cache: the surface itself is only written.
    std::vector<std::vector<BYTE>> cycle(period);
    for (int y = r.top; y < r.bottom && y < r.top + period; ++y)
        cycle[y % period].assign(Row(y), Row(y) + length);
    for (int y = r.top + period; y < r.bottom; ++y)
        StreamCopy(Row(y), cycle[y % period].data(), length);
}

void CSurface::CopyRowDown(const RECT& area, int sourceRow) {
    RECT r;
    if (!Clip(area, r) || sourceRow < 0 || sourceRow >= height)
        return;
    ::GdiFlush();
    const int bytesPerPixel = bitsPerPixel / 8;
    const size_t length = static_cast<size_t>(r.right - r.left) * bytesPerPixel;
    const BYTE* source = Row(sourceRow) + r.left * bytesPerPixel;
    const bool stream = StreamsFor(static_cast<size_t>(stride) * height);
    if (!stream && sourceRow == r.top) {
        CopyRowsDown(Row(0) + r.left * bytesPerPixel, stride, length, r.top + 1, r.bottom, 1);
        return;
    }
    const std::vector<BYTE> kept(source, source + (stream ? length : 0)); // stays in the cache
    for (int y = r.top; y < r.bottom; ++y)
        if (y != sourceRow)
            CopyPiece(Row(y) + r.left * bytesPerPixel, stream ? kept.data() : source, length, stream);
}
