#pragma once
#include <windows.h>
#include <utility>
#include <vector>

// A rectangle of an image and what it holds there, for ComposeLayers: one pixel throughout, one pixel
// per row or one pixel per column.
// Pixels are raw surface values: a palette index, or 0x00RRGGBB.
struct Layer {
    enum Kind { Solid, PerRow, PerColumn };

    RECT rect;
    Kind kind;
    std::vector<UINT32> pixels; // Solid: one; PerRow: from rect.top down; PerColumn: from rect.left on

    static Layer Fill(const RECT& rect, UINT32 pixel) { return {rect, Solid, {pixel}}; }
    static Layer Rows(const RECT& rect, std::vector<UINT32> rowPixels) {
        return {rect, PerRow, std::move(rowPixels)};
    }
    static Layer Columns(const RECT& rect, std::vector<UINT32> columnPixels) {
        return {rect, PerColumn, std::move(columnPixels)};
    }
};
