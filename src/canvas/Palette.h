#pragma once
#include <windows.h>
#include <vector>

// The colour list of a canvas and the logical palette made from it: entry i is the i-th colour
// added since the last Reset. Create does not delete an earlier handle; callers Reset first.
class CPalette {
  public:
    CPalette();
    virtual ~CPalette();
    CPalette(const CPalette&) = delete;
    CPalette& operator=(const CPalette&) = delete;

    int AddColor(COLORREF color);
    bool Create(BYTE flags);
    void Reset();

    HPALETTE handle;
    std::vector<COLORREF> entries;
};
