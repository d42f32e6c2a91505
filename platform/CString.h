// CString: the framework's counted UTF-16 string. A reader's text becomes one without a copy.
#pragma once

#include "wintypes.h"

#include <string>

class QString;

class CString {
public:
    CString() = default;
    CString(LPCTSTR psz);
    // The first `nLength` units of `lpch`, zeros included.
    CString(LPCTSTR lpch, int nLength);
    // Takes over the units of `units`, which is left empty.
    explicit CString(std::u16string&& units) : m_str(std::move(units)) {}

    CString& operator=(LPCTSTR psz);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    WCHAR GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }
    WCHAR operator[](int index) const { return GetAt(index); }
    operator LPCTSTR() const { return m_str.c_str(); }

    CString Left(int count) const;
    CString Right(int count) const;
    int ReverseFind(WCHAR ch) const;
    CString& TrimRight();

    // printf-style formatting; %s takes a UTF-16 string, and CString arguments may be
    // passed directly (the original framework relied on a layout trick for that).
    template <typename... Args> void Format(LPCTSTR format, const Args&... args)
    {
        FormatV(format, Vararg(args)...);
    }

    CString& operator+=(const CString& other);
    friend CString operator+(const CString& a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCTSTR b) { return a == CString(b); }

    static LPCTSTR Vararg(const CString& s) { return s; }
    template <typename T> static T Vararg(T value) { return value; }

private:
    void FormatV(LPCTSTR format, ...);

    std::u16string m_str;

    friend QString toQString(const CString& s);
    friend CString toCString(const QString& s);
};
