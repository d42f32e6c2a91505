#include "CPen.h"

#include "private/QtConvert.h"

#include <QPen>

CPen::CPen() = default;

CPen::~CPen() = default;

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (nPenStyle != PS_SOLID)
        return FALSE;
    // The system's wide solid pens have round ends and joins; Qt's default is square.
    m_pPen = std::make_unique<QPen>(toQColor(crColor), nWidth, Qt::SolidLine, Qt::RoundCap,
                                    Qt::RoundJoin);
    return TRUE;
}
