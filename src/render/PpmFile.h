#pragma once
#include "DeepImage.h"
#include <string>

// Writes a 10-bit image as a binary PPM file with maxval 1023 (each sample two bytes, high byte first),
// through a temporary file beside the target that is renamed at the end. Returns an empty string on
// success, else what went wrong.
std::string WritePpmFile(const CDeepImage& image, const std::string& path);
