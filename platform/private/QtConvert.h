// Conversions between the framework's types and Qt's, in one place.
#pragma once

#include "../CString.h"

#include <QString>

inline QString toQString(const CString& s)
{
    // The units exactly as they are: QString::fromUtf16 would drop a leading byte-order
    // mark, and the dictionary reader's callers must see one.
    return QString(reinterpret_cast<const QChar*>(s.m_str.data()),
                   static_cast<qsizetype>(s.m_str.size()));
}

inline CString toCString(const QString& s)
{
    return CString(s.toStdU16String());
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
