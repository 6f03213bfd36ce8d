#pragma once
// The stream every return file is written with. Its version, byte order and
// floating-point precision are pinned here, never left to Qt's defaults:
// every saved return depends on these bytes staying the same.

#include <QDataStream>

#include "cstring.h"

class QDate;

class MyDataStream : public QDataStream
{
public:
    static constexpr int kStreamVersion = QDataStream::Qt_5_9;

    explicit MyDataStream(QIODevice* device);
    // Over a byte array: writing when `mode` has WriteOnly, else reading.
    MyDataStream(QByteArray* bytes, QIODevice::OpenMode mode);

    bool IsStoring() const;
    bool IsLoading() const { return !IsStoring(); }

    // True once a read ran past the end or met corrupt data.
    bool failed() const { return status() != QDataStream::Ok; }

private:
    void pin();
};

// A CString travels as its bytes (QByteArray encoding: 32-bit length, then
// the bytes; 0xFFFFFFFF for a null string).
QDataStream& operator<<(QDataStream& stream, const CString& text);
QDataStream& operator>>(QDataStream& stream, CString& text);

// A date travels as the integer yyyymmdd; 0 stands for no date, and a stored
// number that is no calendar day reads back as no date.
qint32 storedDate(const QDate& date);
QDate dateFromStored(qint32 value);
