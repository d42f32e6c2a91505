// CPen: a pen for drawing lines.
#pragma once

#include "wintypes.h"

#include <memory>

class QPen;
using HPEN = const QPen*;

class CPen {
public:
    CPen();
    ~CPen();
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;

    // Only solid pens exist here (the program draws no other); FALSE for another style.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    // The Qt pen; null until CreatePen succeeds.
    HPEN GetSafeHandle() const { return m_pPen.get(); }

private:
    std::unique_ptr<QPen> m_pPen;
};
