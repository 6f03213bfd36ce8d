#include "mydatastream.h"

#include <QDate>
#include <QIODevice>

MyDataStream::MyDataStream(QIODevice* device) : QDataStream(device)
{
    pin();
}

MyDataStream::MyDataStream(QByteArray* bytes, QIODevice::OpenMode mode) : QDataStream(bytes, mode)
{
    pin();
}

void MyDataStream::pin()
{
    setVersion(kStreamVersion);
    setByteOrder(QDataStream::BigEndian);
    setFloatingPointPrecision(QDataStream::DoublePrecision);
}

bool MyDataStream::IsStoring() const
{
    const QIODevice* dev = device();
    return dev && (dev->openMode() & QIODevice::WriteOnly);
}

QDataStream& operator<<(QDataStream& stream, const CString& text)
{
    // Empty is always written as length 0, never as Qt's "null" marker, so
    // equal returns give equal files.
    const QByteArray& bytes = text.bytes();
    stream << qint32(bytes.size());
    stream.writeRawData(bytes.constData(), bytes.size());
    return stream;
}

QDataStream& operator>>(QDataStream& stream, CString& text)
{
    // Same layout as QByteArray's, whose reader grows its buffer as the data
    // really arrive, so a damaged length cannot allocate gigabytes.
    QByteArray bytes;
    stream >> bytes;
    text = CString(bytes);
    return stream;
}

qint32 storedDate(const QDate& date)
{
    return date.isValid() ? qint32(date.year() * 10000 + date.month() * 100 + date.day()) : 0;
}

QDate dateFromStored(qint32 value)
{
    if (value <= 0) return QDate();
    const QDate date(value / 10000, (value / 100) % 100, value % 100);
    return date.isValid() ? date : QDate();
}
