#pragma once
// The byte string used for text throughout the return model. Bytes are UTF-8
// when converted to and from QString.

#include <QByteArray>
#include <QString>
#include <QMetaType>

class CString
{
public:
    CString() = default;
    CString(const char* text) : m_bytes(text) {}
    CString(const char* text, int length) : m_bytes(text, length) {}
    CString(const QByteArray& bytes) : m_bytes(bytes) {}
    CString(const QString& text) : m_bytes(text.toUtf8()) {}
    explicit CString(char ch, int repeat = 1) : m_bytes(repeat, ch) {}

    QString toQString() const { return QString::fromUtf8(m_bytes); }
    operator QString() const { return toQString(); }
    const QByteArray& bytes() const { return m_bytes; }
    const char* c_str() const { return m_bytes.constData(); }
    operator const char*() const { return m_bytes.constData(); }

    bool IsEmpty() const { return m_bytes.isEmpty(); }
    void Empty() { m_bytes.clear(); }
    int GetLength() const { return m_bytes.size(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;   // -1 when absent

    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);
    CString& MakeUpper();
    CString& MakeLower();
    int Replace(const char* from, const char* to);
    int Remove(char ch);

    int Compare(const char* other) const;          // <0, 0, >0
    int CompareNoCase(const char* other) const;    // 0 when equal ignoring ASCII case

    // printf-style formatting in the C locale (amounts always use '.').
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    CString& operator=(const char* text) { m_bytes = text; return *this; }
    CString& operator=(const QString& text) { m_bytes = text.toUtf8(); return *this; }
    CString& operator+=(const CString& other) { m_bytes += other.m_bytes; return *this; }
    CString& operator+=(const char* text) { m_bytes += text; return *this; }
    CString& operator+=(char ch) { m_bytes += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_bytes + b.m_bytes); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_bytes + QByteArray(b)); }
    friend CString operator+(const char* a, const CString& b) { return CString(QByteArray(a) + b.m_bytes); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_bytes == b.m_bytes; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_bytes != b.m_bytes; }
    friend bool operator==(const CString& a, const char* b) { return a.m_bytes == b; }
    friend bool operator!=(const CString& a, const char* b) { return a.m_bytes != b; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_bytes < b.m_bytes; }

private:
    QByteArray m_bytes;
};

Q_DECLARE_METATYPE(CString)
