// Every saved return depends on these bytes: each value kind is checked
// against golden bytes, so a change of Qt or of our stream setup cannot
// silently change the file format.

#include <functional>

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "dependantinfo.h"
#include "fieldlist.h"
#include "fields.h"
#include "memoryblock.h"
#include "mydatastream.h"
#include "reservedarea.h"

using Writer = std::function<void(MyDataStream&)>;
Q_DECLARE_METATYPE(Writer)

namespace {

QByteArray written(const Writer& write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    MyDataStream out(&buffer);
    write(out);
    return bytes;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

DependantInfoStruct sampleDependants()
{
    DependantInfoStruct deps;
    deps.AllocData(DependantInfoStruct::kEntries);
    DependantEntry* child = deps.entry(0);
    child->setFirstName("Élise");
    child->setLastName("Côté");
    child->birthDate = QDate(2015, 6, 30);
    child->relationship = DEP_REL_CHILD;
    child->netIncome = 120.5;
    child->infirm = 1;
    child->sin = "046454286";
    child->address = "12 Main St";
    child->monthsLivedWith = 12;
    DependantEntry* parent = deps.entry(11);
    parent->setFirstName(QByteArray(100, 'x').constData());   // longer than the record holds
    parent->birthDate = QDate(1940, 1, 1);
    parent->relationship = DEP_REL_PARENT;
    return deps;
}

} // namespace

class StreamsTest : public QObject
{
    Q_OBJECT
private slots:
    void streamIsPinned();
    void storingFollowsOpenMode();
    void goldenBytes_data();
    void goldenBytes();
    void fieldRoundTrip_data();
    void fieldRoundTrip();
    void reservedAreaRoundTrip();
    void dependantsRoundTrip();
    void fieldListSkipsUnknownAndConvertsTypes();
    void damagedInputIsRefused_data();
    void damagedInputIsRefused();
};

void StreamsTest::streamIsPinned()
{
    QByteArray bytes;
    MyDataStream s(&bytes, QIODevice::WriteOnly);
    QCOMPARE(s.version(), int(QDataStream::Qt_5_9));
    QCOMPARE(s.byteOrder(), QDataStream::BigEndian);
    QCOMPARE(s.floatingPointPrecision(), QDataStream::DoublePrecision);
}

void StreamsTest::storingFollowsOpenMode()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("r.r21"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    {
        MyDataStream out(&file);
        QVERIFY(out.IsStoring());
        QVERIFY(!out.IsLoading());
        out << qint32(5);
    }
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    MyDataStream in(&file);
    QVERIFY(in.IsLoading());
    qint32 v = 0;
    in >> v;
    QCOMPARE(v, 5);
}

void StreamsTest::goldenBytes_data()
{
    QTest::addColumn<Writer>("write");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("int: file version") << Writer([](MyDataStream& s) { s << qint32(66069); }) << hex("00010215");
    QTest::newRow("int: negative") << Writer([](MyDataStream& s) { s << qint32(-100); }) << hex("ffffff9c");
    QTest::newRow("signed byte") << Writer([](MyDataStream& s) { s << qint8('b'); }) << hex("62");
    QTest::newRow("double") << Writer([](MyDataStream& s) { s << 1234.56; }) << hex("40934a3d70a3d70a");
    QTest::newRow("string") << Writer([](MyDataStream& s) { s << CString("Ab"); }) << hex("00000002 4162");
    QTest::newRow("string: UTF-8") << Writer([](MyDataStream& s) { s << CString(QStringLiteral("É")); })
                                   << hex("00000002 c389");
    QTest::newRow("string: null and empty alike")
        << Writer([](MyDataStream& s) { s << CString() << CString(""); }) << hex("00000000 00000000");

    QTest::newRow("string field") << Writer([](MyDataStream& s) { CStringField("n", "x").WriteValue(s); })
                                  << hex("00000001 78");
    QTest::newRow("int field") << Writer([](MyDataStream& s) { CIntField("n", 7).WriteValue(s); }) << hex("00000007");
    QTest::newRow("bool field") << Writer([](MyDataStream& s) { CBoolField("n", true).WriteValue(s); }) << hex("01");
    QTest::newRow("date field") << Writer([](MyDataStream& s) { CDateField("n", QDate(2021, 12, 31)).WriteValue(s); })
                                << hex("0134661f");
    QTest::newRow("date field: none") << Writer([](MyDataStream& s) { CDateField("n").WriteValue(s); })
                                      << hex("00000000");
    QTest::newRow("float field") << Writer([](MyDataStream& s) { CFloatField("n", -0.5).WriteValue(s); })
                                 << hex("bfe0000000000000");

    QTest::newRow("field list: only values that are set")
        << Writer([](MyDataStream& s) {
               CFieldList list;
               list.add<CIntField>("flag");
               list.add<CFloatField>("15000")->SetValue(1234.56);
               list.write(s);
           })
        << hex("00000001" "00000005 3135303030" "05" "40934a3d70a3d70a");

    QTest::newRow("reserved area")
        << Writer([](MyDataStream& s) {
               CReservedArea area;
               area.setString(2, "5829mqv73046158");
               area.setString(1, "pw");
               area.writeToArchive(s);
           })
        << hex("00000002" "00000001 00000002 7077" "00000002 0000000f 353832396d717637333034363135 38");

    QTest::newRow("dependants: empty record")
        << Writer([](MyDataStream& s) { DependantInfoStruct().serilize(66069, s); }) << hex("00000000");

    QTest::newRow("memory block")
        << Writer([](MyDataStream& s) {
               CMemoryBlock block;
               block.Append("AB");
               block.Append("-EODxyz", 4);
               block.WriteToT1BarcodeArchive(s);
           })
        << hex("00000006 41422d454f44");
}

void StreamsTest::goldenBytes()
{
    QFETCH(Writer, write);
    QFETCH(QByteArray, bytes);
    QCOMPARE(written(write).toHex(' '), bytes.toHex(' '));
}

void StreamsTest::fieldRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("string") << int(CField::String) << QVariant(QStringLiteral("Côté, Élise"));
    QTest::newRow("string: empty") << int(CField::String) << QVariant(QString());
    QTest::newRow("int") << int(CField::Int) << QVariant(-2147483647);
    QTest::newRow("bool") << int(CField::Bool) << QVariant(true);
    QTest::newRow("date") << int(CField::Date) << QVariant(QDate(1960, 5, 1));
    QTest::newRow("date: none") << int(CField::Date) << QVariant(QDate());
    QTest::newRow("float: cents") << int(CField::Float) << QVariant(3166.45);
    QTest::newRow("float: negative") << int(CField::Float) << QVariant(-889.54);
}

void StreamsTest::fieldRoundTrip()
{
    QFETCH(int, type);
    QFETCH(QVariant, value);
    auto make = [type]() -> std::unique_ptr<CField> {
        switch (type) {
        case CField::String: return std::make_unique<CStringField>("f");
        case CField::Int: return std::make_unique<CIntField>("f");
        case CField::Bool: return std::make_unique<CBoolField>("f");
        case CField::Date: return std::make_unique<CDateField>("f");
        default: return std::make_unique<CFloatField>("f");
        }
    };
    auto original = make();
    QVERIFY(original->SetVariant(value));
    const QByteArray bytes = written([&](MyDataStream& s) { original->WriteValue(s); });

    auto copy = make();
    MyDataStream in(const_cast<QByteArray*>(&bytes), QIODevice::ReadOnly);
    copy->ReadValue(in);
    QVERIFY(!in.failed());
    QVERIFY(in.atEnd());
    QVERIFY(!copy->Differs(*original));
    QCOMPARE(copy->GetVariant(), original->GetVariant());
}

void StreamsTest::reservedAreaRoundTrip()
{
    CReservedArea area;
    area.setString(1, "Secret");
    area.setString(2, "5829mqv73046158");
    area.setString(7, "");
    QByteArray bytes = written([&](MyDataStream& s) { area.writeToArchive(s); });

    CReservedArea read;
    read.setString(9, "stale");   // reading replaces, never merges
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    read.readFromArchive(in);
    QVERIFY(!in.failed());
    QVERIFY(read == area);
    CString text;
    QVERIFY(read.getString(1, text));
    QCOMPARE(text, CString("Secret"));
    QVERIFY(!read.getString(9, text));
    QVERIFY(text.IsEmpty());
}

void StreamsTest::dependantsRoundTrip()
{
    const DependantInfoStruct deps = sampleDependants();
    QCOMPARE(int(qstrlen(deps.entry(11)->firstName)), 79);   // cut to what the record holds

    DependantInfoStruct copy;   // serilize reads and writes by the stream's direction
    QByteArray bytes = written([&](MyDataStream& s) { const_cast<DependantInfoStruct&>(deps).serilize(66069, s); });
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    copy.serilize(66069, in);
    QVERIFY(!in.failed());
    QCOMPARE(copy.count(), 12);
    QVERIFY(copy == deps);
    QCOMPARE(QString::fromUtf8(copy.entry(0)->firstName), QStringLiteral("Élise"));

    DependantInfoStruct assigned;
    assigned = deps;
    QVERIFY(assigned == deps);
    assigned.entry(0)->infirm = 0;
    QVERIFY(assigned != deps);
}

void StreamsTest::fieldListSkipsUnknownAndConvertsTypes()
{
    // Written by a version whose form had fields "gone" and an int "count".
    QByteArray bytes = written([](MyDataStream& s) {
        CFieldList old;
        old.add<CStringField>("gone")->SetValue("dropped");
        old.add<CIntField>("count")->SetValue(3);
        old.add<CFloatField>("15000")->SetValue(50000);
        old.write(s);
    });
    // Read by a version that dropped "gone" and made "count" an amount.
    CFieldList now;
    auto* count = now.add<CFloatField>("count");
    auto* income = now.add<CFloatField>("15000");
    auto* added = now.add<CBoolField>("added", false);
    added->SetValue(true);   // a field absent from the file restarts at its starting value
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    QVERIFY(now.read(in));
    QVERIFY(in.atEnd());
    QCOMPARE(count->GetValue(), 3.0);
    QCOMPARE(income->GetValue(), 50000.0);
    QCOMPARE(added->GetValue(), false);
}

void StreamsTest::damagedInputIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("reader");   // 0 field list, 1 reserved area, 2 dependants
    QTest::newRow("field list: negative count") << hex("ffffffff") << 0;
    QTest::newRow("field list: absurd count") << hex("7fffffff") << 0;
    QTest::newRow("field list: unknown value type") << hex("00000001 00000001 41 09") << 0;
    QTest::newRow("field list: truncated value") << hex("00000001 00000001 41 05 4093") << 0;
    QTest::newRow("field list: name longer than the data") << hex("00000001 7ffffff0 41") << 0;
    QTest::newRow("reserved area: absurd count") << hex("00100000") << 1;
    QTest::newRow("reserved area: truncated") << hex("00000001 00000001") << 1;
    QTest::newRow("dependants: negative count") << hex("fffffffe") << 2;
    QTest::newRow("dependants: truncated entry") << hex("00000001 00000002 4142") << 2;
}

void StreamsTest::damagedInputIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, reader);
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    switch (reader) {
    case 0: {
        CFieldList list;
        QVERIFY(!list.read(in));
        break;
    }
    case 1: {
        CReservedArea area;
        area.readFromArchive(in);
        break;
    }
    default: {
        DependantInfoStruct deps;
        deps.serilize(66069, in);
        QCOMPARE(deps.count(), 0);   // never a half-read record
        break;
    }
    }
    QVERIFY(in.failed());
}

QTEST_APPLESS_MAIN(StreamsTest)
#include "tst_streams.moc"
