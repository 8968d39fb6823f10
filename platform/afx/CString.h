// The class library's string: a run of code-page-936 bytes, as an ANSI program holds
// its texts. Lengths and indexes count bytes, not characters.
#pragma once

#include <string>

#include "windef.h"

class CString {
public:
    CString() = default;
    CString(LPCTSTR psz) : m_str(psz != nullptr ? psz : "") {}
    CString(LPCTSTR pch, int nLength) : m_str(pch != nullptr && nLength > 0 ? std::string(pch, static_cast<size_t>(nLength)) : std::string()) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty() ? TRUE : FALSE; }
    void Empty() { m_str.clear(); }
    TCHAR GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCTSTR() const { return m_str.c_str(); }

    // A buffer of at least nMinBufLength bytes to write the text into, then
    // ReleaseBuffer with its new length (-1: up to the first NUL).
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    // The first, middle or last bytes; counts beyond the string are cut to it.
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    CString& operator=(LPCTSTR psz);
    CString& operator+=(const CString& str);
    friend CString operator+(const CString& a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCTSTR b) { return a.m_str == (b != nullptr ? b : ""); }

    // The string nID of the program's string table; FALSE when there is none.
    BOOL LoadString(UINT nID);

    // printf-style formatting into the string; numbers come out as in the C locale
    // (a decimal point, no digit grouping) whatever the process's locale is.
    void Format(LPCTSTR pszFormat, ...) __attribute__((format(printf, 2, 3)));

private:
    std::string m_str;
};
