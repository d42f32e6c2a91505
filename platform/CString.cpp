#include "CString.h"

#include "private/FormatPrintf.h"
#include "private/QtConvert.h"
#include "runtime.h"

#include <algorithm>
#include <cstdarg>

CString::CString(LPCTSTR psz) : m_str(psz ? psz : u"") {}

CString::CString(LPCTSTR lpch, int nLength)
    : m_str(lpch, nLength > 0 ? static_cast<size_t>(nLength) : 0)
{
}

CString& CString::operator=(LPCTSTR psz)
{
    m_str = psz ? psz : u"";
    return *this;
}

CString CString::Left(int count) const
{
    return CString(m_str.substr(0, static_cast<size_t>(std::max(count, 0))));
}

CString CString::Right(int count) const
{
    const size_t length = std::min(m_str.size(), static_cast<size_t>(std::max(count, 0)));
    return CString(m_str.substr(m_str.size() - length));
}

int CString::ReverseFind(WCHAR ch) const
{
    const size_t index = m_str.rfind(ch);
    return index == std::u16string::npos ? -1 : static_cast<int>(index);
}

CString& CString::TrimRight()
{
    size_t end = m_str.size();
    while (end > 0 && iswspace(m_str[end - 1]))
        --end;
    m_str.resize(end);
    return *this;
}

void CString::FormatV(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    m_str = formatPrintf(format, args).toStdU16String();
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
