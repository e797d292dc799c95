// The depth chart's exact codes in a file that ImageMagick and Python read.
#include "PpmFile.h"
#include <windows.h>
#include <cstdio>
#include <vector>

std::string WritePpmFile(const CDeepImage& image, const std::string& path) {
    const std::string temporary = path + ".part";
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out)
        return "cannot write " + path;
    bool written = std::fprintf(out, "P6\n%d %d\n1023\n", image.width, image.height) > 0;
    std::vector<unsigned char> row(static_cast<size_t>(image.width) * 6);
    for (int y = 0; y < image.height && written; ++y) {
        const UINT32* pixels = image.Row(y);
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) {
                const unsigned code = (pixels[x] >> (10 * c)) & 0x3FF;
                row[6 * x + 2 * c] = static_cast<unsigned char>(code >> 8);
                row[6 * x + 2 * c + 1] = static_cast<unsigned char>(code & 0xFF);
            }
        written = std::fwrite(row.data(), 1, row.size(), out) == row.size();
    }
    written = std::fclose(out) == 0 && written;
    if (!written || !::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        ::DeleteFileA(temporary.c_str());
        return "cannot write " + path;
    }
    return std::string();
}
