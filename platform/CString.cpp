#include "CString.h"

#include "private/FormatPrintf.h"
#include "private/QtConvert.h"
#include "runtime.h"

#include <cstdarg>
#include <string>

namespace {

// The units exactly as given: QString::fromUtf16 would also drop a leading byte-order
// mark, and the dictionary reader's callers must see one.
QString fromUnits(LPCTSTR psz)
{
    if (!psz)
        return QString();
    return QString(reinterpret_cast<const QChar*>(psz),
                   static_cast<qsizetype>(std::char_traits<char16_t>::length(psz)));
}

} // namespace

CString::CString(LPCTSTR psz) : m_str(fromUnits(psz)) {}

CString::CString(LPCTSTR lpch, int nLength)
    : m_str(reinterpret_cast<const QChar*>(lpch), nLength > 0 ? nLength : 0)
{
}

CString& CString::operator=(LPCTSTR psz)
{
    m_str = fromUnits(psz);
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
