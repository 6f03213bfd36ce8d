#include "mydatastream.h"

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
    return stream << text.bytes();
}

QDataStream& operator>>(QDataStream& stream, CString& text)
{
    QByteArray bytes;
    stream >> bytes;
    text = CString(bytes);
    return stream;
}
