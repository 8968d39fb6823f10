#include "CString.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    size_t length = nNewLength < 0 ? std::char_traits<char>::length(m_str.c_str()) : static_cast<size_t>(nNewLength);
    m_str.resize(std::min(length, m_str.size()));
}

CString CString::Left(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.data(), nCount);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.data() + (GetLength() - nCount), nCount);
}

CString& CString::operator=(LPCTSTR psz)
{
    m_str = psz != nullptr ? psz : "";
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

void CString::Format(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (length < 0) {
        m_str.clear();
    } else {
        m_str.assign(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(m_str.data(), m_str.size(), pszFormat, args);
        m_str.resize(static_cast<size_t>(length));
    }
    va_end(args);
}
