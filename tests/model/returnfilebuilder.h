#pragma once
// Builds return files byte by byte, as an older or a damaged file would
// hold them, independently of the writer under test.

#include <QByteArray>
#include <QList>

#include "mydatastream.h"

struct RawItem
{
    int type = 0;
    int id = 0;
    int sharedId = 0;
    QByteArray object;   // the object's stored bytes
};

// An object with no field set: format 1, no fields.
inline QByteArray emptyObject()
{
    return QByteArray::fromHex("0000000100000000");
}

// An object with one string field set.
inline QByteArray objectWithString(const char* name, const char* value)
{
    QByteArray bytes;
    MyDataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(1) << qint32(1) << CString(name) << qint8(1) << CString(value);
    return bytes;
}

struct RawPerson
{
    int version = 66069;
    int year = 2021;
    int storedValue = -100;
    QByteArray password;
    int nextId = 100;
    int province = 9;
    QList<RawItem> forms;
    QList<RawItem> slips;
    QList<RawItem> notes;   // type unused
    QByteArray barcode = QByteArray::fromHex("00000000");   // the section between the markers

    void write(MyDataStream& s) const
    {
        s << qint32(version) << qint32(year);
        if (version >= 65989) s << qint32(0);
        if (version >= 65866) s << qint32(storedValue);
        // Reserved area: string 1 the password, string 2 the fixed text.
        s << qint32(2) << qint32(1) << CString(password) << qint32(2) << CString("5829mqv73046158");
        s << qint32(nextId) << qint32(province);
        s << qint32(forms.size());
        for (const RawItem& f : forms) {
            s << qint32(f.type);
            if (version >= 65856) s << qint32(f.id) << qint32(f.sharedId);
            s.writeRawData(f.object.constData(), f.object.size());
        }
        s << qint32(slips.size());
        for (const RawItem& f : slips) {
            s << qint32(f.type) << qint32(f.id);
            if (version >= 65857) s << qint32(f.sharedId);
            s.writeRawData(f.object.constData(), f.object.size());
        }
        if (version >= 65716) {
            s << qint32(notes.size());
            for (const RawItem& n : notes) {
                s << qint32(1) << qint32(n.id);
                s.writeRawData(n.object.constData(), n.object.size());
            }
        }
        if (version >= 65777) {
            s.writeRawData("bbbbbbbb", 8);
            s.writeRawData(barcode.constData(), barcode.size());
            s.writeRawData("bbbbbbbb", 8);
        }
    }
};

// A whole file: the taxpayer, and the rest when the taxpayer has a province.
inline QByteArray rawFile(const RawPerson& taxpayer, const RawPerson& spouse = RawPerson{66069, 2021, -100, {}, 100, 0,
                                                                                         {}, {}, {}, QByteArray::fromHex("00000000")},
                          int dependants = 12)
{
    QByteArray bytes;
    MyDataStream s(&bytes, QIODevice::WriteOnly);
    taxpayer.write(s);
    if (taxpayer.province == 0) return bytes;
    spouse.write(s);
    s << qint32(dependants);
    for (int i = 0; i < dependants; ++i)
        s << CString() << CString() << qint32(0) << qint32(0) << 0.0 << qint32(0) << CString() << CString() << 0.0;
    s << qint32(1) << qint32(1);                                                   // family tail
    s << qint32(1) << qint32(0) << qint32(0) << qint32(0) << qint32(0) << qint32(0);   // view settings
    return bytes;
}

// A taxpayer with a T1 (holding a first name) in Ontario.
inline RawPerson ontarioTaxpayer(int version = 66069)
{
    RawPerson p;
    p.version = version;
    p.forms << RawItem{1, 100, 0, objectWithString("first_name", "Ann")};
    p.nextId = 101;
    return p;
}
