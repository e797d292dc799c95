#pragma once
#include <windows.h>

// Owns one pen, brush or font and deletes it at the end of the scope. Declare it before the
// CGdiSelect that selects it, so the object is put out of the DC before it is deleted.
template <class Handle> class CGdiObject {
  public:
    explicit CGdiObject(Handle object) : object(object) {}
    ~CGdiObject() { ::DeleteObject(object); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    operator Handle() const { return object; }

  private:
    Handle object;
};

using CPen = CGdiObject<HPEN>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CRegion = CGdiObject<HRGN>;
