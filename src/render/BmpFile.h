#pragma once
#include <windows.h>
#include <string>

// Writes the bitmap selected in dc (width x height) as a 24-bit bottom-up BMP file. Writes to a
// temporary file beside the target and renames it at the end, so a failure leaves nothing behind.
// Returns an empty string on success, else what went wrong.
std::string WriteBmpFile(HDC dc, HBITMAP bitmap, int width, int height, const std::string& path);
