#include "CString.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

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

namespace {

// Switches the calling thread to the C locale while it lives. The process runs in the
// user's locale (Qt sets it at start-up), where printf writes a decimal comma and
// groups digits; the program reads its texts back in the C locale's form only.
class ClassicLocaleScope {
public:
    ClassicLocaleScope() : m_classic(newlocale(LC_ALL_MASK, "C", nullptr))
    {
        if (m_classic != nullptr)
            m_previous = uselocale(m_classic);
    }
    ~ClassicLocaleScope()
    {
        if (m_classic == nullptr)
            return;
        uselocale(m_previous);
        freelocale(m_classic);
    }
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

private:
    locale_t m_classic;
    locale_t m_previous = nullptr;
};

}  // namespace

void CString::Format(LPCTSTR pszFormat, ...)
{
    ClassicLocaleScope classic;
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
