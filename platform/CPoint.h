// CPoint: a point in client (or, where said, screen) coordinates, in pixels.
#pragma once

#include "wintypes.h"

struct POINT {
    LONG x;
    LONG y;
};
using LPPOINT = POINT*;

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};
