#include "Pixels.h"
#include <cstdio>

Pixels ReadPixels(HDC dc, int x, int y, int width, int height) {
    Pixels p;
    p.width = width;
    p.height = height;
    p.data.resize(static_cast<size_t>(width) * height);
    HDC copyDC = ::CreateCompatibleDC(dc);
    HBITMAP copy = ::CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = ::SelectObject(copyDC, copy);
    ::BitBlt(copyDC, 0, 0, width, height, dc, x, y, SRCCOPY);
    ::SelectObject(copyDC, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> bgra(p.data.size());
    ::GetDIBits(copyDC, copy, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
    for (size_t i = 0; i < bgra.size(); ++i) {
        uint32_t v = bgra[i];
        p.data[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    ::DeleteObject(copy);
    ::DeleteDC(copyDC);
    return p;
}

Pixels ReadWindow(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    Pixels p = ReadPixels(dc, 0, 0, client.right, client.bottom);
    ::ReleaseDC(window, dc);
    return p;
}

testing::AssertionResult RectIs(const Pixels& p, const RECT& rect, COLORREF color) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (p.At(x, y) != color) {
                char text[160];
                std::snprintf(text, sizeof text,
                              "pixel (%d, %d) of (%ld, %ld, %ld, %ld) is %06lX, expected %06lX", x, y,
                              rect.left, rect.top, rect.right, rect.bottom,
                              static_cast<unsigned long>(p.At(x, y)), static_cast<unsigned long>(color));
                return testing::AssertionFailure() << text;
            }
    return testing::AssertionSuccess();
}

int CountColor(const Pixels& p, const RECT& rect, COLORREF color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += p.At(x, y) == color;
    return count;
}
