// Conversions between the framework's types and Qt's, in one place.
#pragma once

#include "../CString.h"

#include <QString>

inline QString toQString(const CString& s)
{
    return s.m_str;
}

inline CString toCString(const QString& s)
{
    CString result;
    result.m_str = s;
    return result;
}

#include "../CRect.h"

#include <QColor>
#include <QRect>

inline QColor toQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

inline COLORREF toColorRef(const QColor& colour)
{
    return RGB(static_cast<BYTE>(colour.red()), static_cast<BYTE>(colour.green()),
               static_cast<BYTE>(colour.blue()));
}

// RECT's right and bottom lie outside the rectangle; QRect's lie inside.
inline QRect toQRect(const RECT& rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}
