#pragma once
// A block of bytes built by appending texts, written to a return file as one
// barcode block: a 32-bit byte count, then the bytes.

#include <QByteArray>

class MyDataStream;

class CMemoryBlock
{
public:
    void Init() { m_bytes.clear(); }
    void Append(const char* text) { if (text) m_bytes.append(text); }
    void Append(const char* data, int length) { if (data && length > 0) m_bytes.append(data, length); }
    const QByteArray& data() const { return m_bytes; }
    int size() const { return m_bytes.size(); }

    void WriteToT1BarcodeArchive(MyDataStream& stream) const;

private:
    QByteArray m_bytes;
};
