#pragma once
#include <windows.h>

// The centre square of a width x height screen, in canvas coordinates: the largest whole side whose
// area stays within one fiftieth of the screen's, centred with any odd pixel of margin right and below.
RECT CentreSquare(int width, int height);
