#include "CString.h"

#include "private/FormatPrintf.h"
#include "private/QtConvert.h"
#include "runtime.h"

#include <cstdarg>

CString::CString(LPCTSTR psz) : m_str(psz ? QString::fromUtf16(psz) : QString()) {}

CString& CString::operator=(LPCTSTR psz)
{
    m_str = psz ? QString::fromUtf16(psz) : QString();
    return *this;
}

CString CString::Left(int count) const
{
    return toCString(m_str.left(count < 0 ? 0 : count));
}

CString CString::Right(int count) const
{
    return toCString(m_str.right(count < 0 ? 0 : count));
}

int CString::ReverseFind(WCHAR ch) const
{
    return static_cast<int>(m_str.lastIndexOf(QChar(ch)));
}

CString& CString::TrimRight()
{
    qsizetype end = m_str.size();
    while (end > 0 && iswspace(m_str.at(end - 1).unicode()))
        --end;
    m_str.truncate(end);
    return *this;
}

void CString::FormatV(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    m_str = formatPrintf(format, args);
    va_end(args);
}

CString& CString::operator+=(const CString& other)
{
    m_str += other.m_str;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}
