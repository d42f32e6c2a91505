// CRect: a rectangle whose right and bottom edges lie outside it, as in the framework.
#pragma once

#include "wintypes.h"

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    // Set field by field: clang's analyzer loses a base initialised as an aggregate.
    CRect(int l, int t, int r, int b) : RECT{0, 0, 0, 0}
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
