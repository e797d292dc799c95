#include "BmpFile.h"
#include <cstdio>
#include <vector>

std::string WriteBmpFile(HDC dc, HBITMAP bitmap, int width, int height, const std::string& path) {
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = imageSize;

    std::vector<BYTE> pixels;
    try {
        pixels.resize(imageSize);
    } catch (const std::bad_alloc&) {
        return "not enough memory for the image";
    }
    // GetDIBits wants the bitmap out of the DC.
    HGDIOBJ held = ::SelectObject(dc, ::CreateCompatibleBitmap(dc, 1, 1));
    const int rows = ::GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(::SelectObject(dc, held));
    if (rows != height)
        return "cannot read the image back";

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;

    const std::string temporary = path + ".part";
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out)
        return "cannot write " + path;
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                   std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    written = std::fclose(out) == 0 && written;
    if (!written || !::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        ::DeleteFileA(temporary.c_str());
        return "cannot write " + path;
    }
    return std::string();
}
