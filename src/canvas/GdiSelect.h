#pragma once
#include <windows.h>

// Selects a GDI object into a device context for one scope and puts the previous one back on exit.
class CGdiSelect {
  public:
    CGdiSelect(HDC dc, HGDIOBJ object) : dc(dc), previous(::SelectObject(dc, object)) {}
    ~CGdiSelect() { ::SelectObject(dc, previous); }
    CGdiSelect(const CGdiSelect&) = delete;
    CGdiSelect& operator=(const CGdiSelect&) = delete;

  private:
    HDC dc;
    HGDIOBJ previous;
};
