#include "GdiCount.h"

unsigned CountGdiObjects() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return reported;
    unsigned count = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
        count += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return count;
}
