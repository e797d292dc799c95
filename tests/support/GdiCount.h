#pragma once
#include <windows.h>

// The number of GDI objects this process holds. Windows answers GetGuiResources; Wine answers 0
// there, but its GDI functions accept a handle by table index alone, so the live entries are counted.
unsigned CountGdiObjects();
