#pragma once
// Reading a person's barcode section back out of the bytes it was written to.

#include <QByteArray>
#include <QList>

#include "individualtaxdata.h"
#include "mydatastream.h"

struct BarcodeSection
{
    bool valid = false;          // the section read to its end
    bool hasT1Block = false;
    QByteArray t1Block;
    int storedCount = 0;         // the count written after the T1 block
    QList<QByteArray> blocks;    // the statement blocks that follow it
};

// Parses one section from `stream` as the writer lays it out.
inline BarcodeSection parseSection(MyDataStream& s)
{
    BarcodeSection out;
    auto readBlock = [&s](QByteArray& bytes) {
        qint32 size = 0;
        s >> size;
        if (s.failed() || size < 0) return -1;
        bytes.resize(size);
        if (size > 0 && s.readRawData(bytes.data(), size) != size) return -1;
        return int(size);
    };
    const int t1Size = readBlock(out.t1Block);
    if (t1Size < 0) return out;
    out.hasT1Block = t1Size > 0;
    if (out.hasT1Block) {
        qint32 count = 0;
        s >> count;
        if (s.failed()) return out;
        out.storedCount = count;
        for (int i = 0; i < count; ++i) {
            QByteArray block;
            if (readBlock(block) < 0) return out;
            out.blocks << block;
        }
    }
    out.valid = true;
    return out;
}

// The section WriteBarcode writes for a person; `rest` gets what follows it.
inline BarcodeSection writtenSection(IndividualTaxData& person, int* leftOver = nullptr)
{
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        person.WriteBarcode(true, out);
    }
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    BarcodeSection section = parseSection(in);
    if (leftOver) *leftOver = int(in.device()->bytesAvailable());
    return section;
}

// Every person's section of a saved return file, found between marker runs.
inline QList<BarcodeSection> fileSections(const QByteArray& file)
{
    QList<BarcodeSection> out;
    int from = 0;
    while (true) {
        const int at = file.indexOf("bbbbbbbb", from);
        if (at < 0) return out;
        QByteArray rest = file.mid(at + 8);
        MyDataStream in(&rest, QIODevice::ReadOnly);
        BarcodeSection section = parseSection(in);
        const qint64 used = in.device()->pos();
        section.valid = section.valid && rest.mid(int(used), 8) == "bbbbbbbb";
        out << section;
        from = at + 8 + int(used) + 8;
    }
}
