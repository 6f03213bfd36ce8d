#pragma once
// Numbered strings kept with a person's return in the file (the read
// password, a fixed marker text).

#include <QMap>

#include "cstring.h"

class MyDataStream;

class CReservedArea
{
public:
    void setString(int number, const CString& text) { m_strings[number] = text; }
    // False, and `text` emptied, when nothing is stored under `number`.
    bool getString(int number, CString& text) const;
    void clear() { m_strings.clear(); }
    int count() const { return m_strings.size(); }

    // Layout: int count, then per string (ascending number) int number, string.
    void writeToArchive(MyDataStream& stream) const;
    // A negative or implausible count marks the stream corrupt and reads nothing.
    void readFromArchive(MyDataStream& stream);

    bool operator==(const CReservedArea& other) const { return m_strings == other.m_strings; }

private:
    QMap<int, CString> m_strings;
};
