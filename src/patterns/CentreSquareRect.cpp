#include "CentreSquareRect.h"
#include <cmath>

RECT CentreSquare(int width, int height) {
    const int area = (width * height) / 50;
    const int side = static_cast<int>(std::sqrt(static_cast<double>(area)));
    const int left = (width - side) / 2;
    const int top = (height - side) / 2;
    return {left, top, left + side, top + side};
}
