#include "cstring.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}

char CString::GetAt(int index) const
{
    return (index >= 0 && index < m_bytes.size()) ? m_bytes.at(index) : '\0';
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < m_bytes.size())
        m_bytes[index] = ch;
}

CString CString::Left(int count) const
{
    return count <= 0 ? CString() : CString(m_bytes.left(count));
}

CString CString::Right(int count) const
{
    return count <= 0 ? CString() : CString(m_bytes.right(count));
}

CString CString::Mid(int first) const
{
    if (first < 0) first = 0;
    return first >= m_bytes.size() ? CString() : CString(m_bytes.mid(first));
}

CString CString::Mid(int first, int count) const
{
    if (first < 0) first = 0;
    if (count <= 0 || first >= m_bytes.size()) return CString();
    return CString(m_bytes.mid(first, count));
}

int CString::Find(char ch, int start) const
{
    return start < 0 ? -1 : m_bytes.indexOf(ch, start);
}

int CString::Find(const char* sub, int start) const
{
    return start < 0 ? -1 : m_bytes.indexOf(sub, start);
}

int CString::ReverseFind(char ch) const
{
    return m_bytes.lastIndexOf(ch);
}

CString& CString::TrimLeft()
{
    int i = 0;
    while (i < m_bytes.size() && isSpace(m_bytes.at(i))) ++i;
    m_bytes.remove(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    int n = m_bytes.size();
    while (n > 0 && isSpace(m_bytes.at(n - 1))) --n;
    m_bytes.truncate(n);
    return *this;
}

CString& CString::Trim()
{
    return TrimLeft().TrimRight();
}

CString& CString::TrimLeft(char ch)
{
    int i = 0;
    while (i < m_bytes.size() && m_bytes.at(i) == ch) ++i;
    m_bytes.remove(0, i);
    return *this;
}

CString& CString::TrimRight(char ch)
{
    int n = m_bytes.size();
    while (n > 0 && m_bytes.at(n - 1) == ch) --n;
    m_bytes.truncate(n);
    return *this;
}

// ASCII letters only: QByteArray's case mapping treats bytes as Latin-1 and
// would rewrite the lead bytes of UTF-8 sequences ("É" -> invalid bytes).
CString& CString::MakeUpper()
{
    // Through QString: the bytes are UTF-8, and accented names change case too.
    m_bytes = toQString().toUpper().toUtf8();
    return *this;
}

CString& CString::MakeLower()
{
    m_bytes = toQString().toLower().toUtf8();
    return *this;
}

int CString::Replace(const char* from, const char* to)
{
    const QByteArray needle(from);
    if (needle.isEmpty()) return 0;
    const int count = m_bytes.count(needle);
    if (count > 0) m_bytes.replace(needle, QByteArray(to));
    return count;
}

int CString::Remove(char ch)
{
    const int count = m_bytes.count(ch);
    if (count > 0) m_bytes.replace(QByteArray(1, ch), QByteArray());
    return count;
}

int CString::Compare(const char* other) const
{
    return qstrcmp(m_bytes.constData(), other ? other : "");
}

int CString::CompareNoCase(const char* other) const
{
    const char* a = m_bytes.constData();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
        const char ca = lowerAscii(*a), cb = lowerAscii(*b);
        if (ca != cb) return (unsigned char)ca < (unsigned char)cb ? -1 : 1;
        if (ca == '\0') return 0;
    }
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_bytes.clear();
    } else {
        std::vector<char> buffer(size_t(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_bytes = QByteArray(buffer.data(), needed);
    }
    va_end(args);
}
