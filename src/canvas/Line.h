#pragma once
#include <windows.h>

// One line with the pen selected in dc; like LineTo it leaves out the end point.
inline void Line(HDC dc, int x1, int y1, int x2, int y2) {
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}
