#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "dependantinfo.h"
#include "formtables.h"
#include "mydatastream.h"
#include "taxdataform.h"
#include "wsbasedata.h"

namespace {

// A form with one field of each kind, as the forms library declares them.
class SampleForm : public CTaxData_Form
{
public:
    explicit SampleForm(int type = 125, ENUMTYPE_FROM kind = FROM_FORM) : CTaxData_Form(kind, type)
    {
        m_fields.add<CStringField>("owner_name");
        m_fields.add<CIntField>("industry_code");
        m_fields.add<CBoolField>("is_professional");
        m_fields.add<CDateField>("period_end");
        m_fields.add<CFloatField>("13500");
        m_fields.add<CFloatField>("9369", 0.0);
    }
    void fill()
    {
        setString("owner_name", "Ann Lee");
        setInt("industry_code", 541510);
        setBool("is_professional", true);
        setDate("period_end", QDate(2021, 12, 31));
        setFloat("13500", 48000.25);
        setFloat("9369", -1200);
    }
};

QByteArray save(CTaxData_Form& form)
{
    QByteArray bytes;
    MyDataStream out(&bytes, QIODevice::WriteOnly);
    form.Serialize(66069, "5829mqv73046158", out);
    return bytes;
}

} // namespace

class TaxDataFormTest : public QObject
{
    Q_OBJECT
private slots:
    void serializeRoundTrip();
    void defaultsAreNotWritten();
    void anySingleChangeDiffers_data();
    void anySingleChangeDiffers();
    void amountsDifferFromACentOn();
    void amountBeyondAnyReturnIsRefused_data();
    void amountBeyondAnyReturnIsRefused();
    void copyOnlyFromTheSameType();
    void damagedObjectIsRefused();
    void autoFillMarkIsStored();
    void typedAccessByName();
    void displayNameComesFromTheTables();
    void dependantsAreHandedOver();
    void reportSourcesAreWritten();
    void holderStringForms();
};

void TaxDataFormTest::serializeRoundTrip()
{
    SampleForm original;
    original.fill();
    QByteArray bytes = save(original);

    SampleForm read;
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    QCOMPARE(read.Serialize(66069, "5829mqv73046158", in), 0);
    QVERIFY(in.atEnd());
    QVERIFY(!read.Differs(&original));
    QCOMPARE(read.getString("owner_name"), CString("Ann Lee"));
    QCOMPARE(read.getDate("period_end"), QDate(2021, 12, 31));
    QCOMPARE(read.getFloat("9369"), -1200.0);
}

void TaxDataFormTest::defaultsAreNotWritten()
{
    SampleForm blank;
    // Object format, no marks, then a field count of 0.
    QCOMPARE(save(blank).toHex(), QByteArray("000000020000000000000000"));
}

void TaxDataFormTest::anySingleChangeDiffers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("string") << "owner_name" << QVariant("Ann Leigh");
    QTest::newRow("int") << "industry_code" << QVariant(541511);
    QTest::newRow("bool") << "is_professional" << QVariant(false);
    QTest::newRow("date") << "period_end" << QVariant(QDate(2021, 12, 30));
    QTest::newRow("float") << "13500" << QVariant(48000.26);
}

void TaxDataFormTest::anySingleChangeDiffers()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    SampleForm a, b;
    a.fill();
    b.fill();
    QVERIFY(!a.Differs(&b));
    QVERIFY(b.field(CString(field))->SetVariant(value));
    QVERIFY(a.Differs(&b));
    QVERIFY(b.Differs(&a));
}

void TaxDataFormTest::amountsDifferFromACentOn()
{
    SampleForm a, b;
    a.setFloat("13500", 100.00);
    b.setFloat("13500", 100.008);
    QVERIFY(!a.Differs(&b));
    b.setFloat("13500", 100.009);
    QVERIFY(a.Differs(&b));
}

void TaxDataFormTest::amountBeyondAnyReturnIsRefused_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("usable");
    QTest::newRow("the largest") << QVariant(-999999999999.99) << true;
    QTest::newRow("the largest as text") << QVariant("999999999999.99") << true;
    QTest::newRow("a trillion") << QVariant(1e12) << false;
    QTest::newRow("beyond a whole number") << QVariant("-1e19") << false;
    QTest::newRow("not a number") << QVariant(std::nan("")) << false;
}

// Typed, imported or downloaded, such a value is refused and the field kept;
// in a damaged file it reads as nothing.
void TaxDataFormTest::amountBeyondAnyReturnIsRefused()
{
    QFETCH(QVariant, value);
    QFETCH(bool, usable);
    SampleForm set;
    set.setFloat("13500", 48000.25);
    QCOMPARE(set.field("13500")->SetVariant(value), usable);
    const double expected = usable ? value.toDouble() : 48000.25;
    QCOMPARE(set.getFloat("13500"), expected);

    SampleForm written;
    static_cast<CFloatField*>(written.field("13500"))->SetValue(value.toDouble());
    QByteArray bytes = save(written);
    SampleForm read;
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    QCOMPARE(read.Serialize(66069, "5829mqv73046158", in), 0);
    QCOMPARE(read.getFloat("13500"), usable ? value.toDouble() : 0.0);
}

void TaxDataFormTest::copyOnlyFromTheSameType()
{
    SampleForm source;
    source.fill();
    SampleForm sameType;
    QVERIFY(sameType.CopyFrom(&source));
    QVERIFY(!sameType.Differs(&source));

    SampleForm otherType(131);
    QVERIFY(!otherType.CopyFrom(&source));
    QCOMPARE(otherType.getString("owner_name"), CString());
    QVERIFY(otherType.Differs(&source));

    SampleForm slipKind(125, FROM_SLIP);
    QVERIFY(!slipKind.CopyFrom(&source));
    QVERIFY(!sameType.CopyFrom(nullptr));
}

void TaxDataFormTest::damagedObjectIsRefused()
{
    SampleForm form;
    QByteArray unknownFormat = QByteArray::fromHex("0000000300000000");
    MyDataStream in(&unknownFormat, QIODevice::ReadOnly);
    QCOMPARE(form.Serialize(66069, "", in), -1);
    QVERIFY(in.failed());

    SampleForm full;
    full.fill();
    QByteArray truncated = save(full);
    truncated.chop(3);
    MyDataStream in2(&truncated, QIODevice::ReadOnly);
    QCOMPARE(form.Serialize(66069, "", in2), -1);
}

void TaxDataFormTest::autoFillMarkIsStored()
{
    // An item the auto-fill made is replaced by the next auto-fill, also
    // after the return was saved and reopened.
    SampleForm made;
    made.setAutoFilled(true);
    QByteArray bytes = save(made);
    SampleForm read;
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    QCOMPARE(read.Serialize(66069, "", in), 0);
    QVERIFY(read.isAutoFilled());

    // The earlier object format, without marks, still reads.
    QByteArray older = QByteArray::fromHex("00000001" "00000001" "0000000a 6f776e65725f6e616d65" "01" "00000003 416e6e");
    SampleForm old;
    old.setAutoFilled(true);
    MyDataStream oldIn(&older, QIODevice::ReadOnly);
    QCOMPARE(old.Serialize(66069, "", oldIn), 0);
    QVERIFY(!old.isAutoFilled());
    QCOMPARE(old.getString("owner_name"), CString("Ann"));
}

void TaxDataFormTest::typedAccessByName()
{
    SampleForm form;
    QVERIFY(form.setFloat("13500", 10));
    QVERIFY(!form.setFloat("owner_name", 10));   // wrong kind: nothing written
    QVERIFY(!form.setInt("no_such_field", 1));
    QCOMPARE(form.getInt("no_such_field"), 0);
    QCOMPARE(form.getString("13500"), CString());
    QCOMPARE(form.getItemKind(), FROM_FORM);
    QCOMPARE(int(form.getType()), 125);
}

void TaxDataFormTest::displayNameComesFromTheTables()
{
    QCOMPARE(SampleForm(9).GetDisplayName(), CString(Global_Forms_Info[9].shortName));
    QCOMPARE(SampleForm(1, FROM_SLIP).GetDisplayName(), CString(Global_Slips_Info[1].name));
    QCOMPARE(SampleForm(3, FROM_WIZARD).GetDisplayName(), CString(Global_TaxWizard_Info[3].name));
    QVERIFY(!SampleForm(9).GetDisplayName().IsEmpty());
    QVERIFY(SampleForm(500).GetDisplayName().IsEmpty());
}

void TaxDataFormTest::dependantsAreHandedOver()
{
    DependantInfoStruct deps;
    SampleForm form;
    QVERIFY(!form.dependants());
    form.SetDependantInfo(&deps);
    QCOMPARE(form.dependants(), &deps);
}

void TaxDataFormTest::reportSourcesAreWritten()
{
    QTemporaryDir dir;
    SampleForm form;
    QCOMPARE(form.WriteJavaFile(CString(dir.path()), "T2125"), 0);
    QFile java(dir.filePath("T2125.java"));
    QVERIFY(java.open(QIODevice::ReadOnly));
    const QByteArray source = java.readAll();
    QVERIFY(source.startsWith("package quillmere.makereport;"));
    QVERIFY(source.contains("public class T2125"));
    QVERIFY(source.contains("public double f_13500;"));   // line numbers made Java names

    QCOMPARE(form.WriteXMLFile(CString(dir.path()), "T2125.xml", 66069), 0);
    QFile xml(dir.filePath("T2125.xml"));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    const QByteArray layout = xml.readAll();
    QVERIFY(layout.contains("version=\"66069\""));
    QVERIFY(layout.contains("<field name=\"owner_name\" type=\"string\"/>"));

    // A folder that cannot be written into (a file stands at its path).
    QFile blocker(dir.filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(form.WriteJavaFile(CString(dir.filePath("blocked")), "T2125"), -1);
    QCOMPARE(form.WriteBFormXMLFile(CString(dir.filePath("blocked")), "T2125.xml", 66069), -1);
}

void TaxDataFormTest::holderStringForms()
{
    struct Holder : CWSBaseData {
        Holder()
        {
            m_fields.add<CIntField>("fld_iFillOption", -1);
            m_fields.add<CBoolField>("fld_bT4");
            m_fields.add<CDateField>("fld_dob");
        }
    } holder, copy;
    QVERIFY(holder.readFromStringMap({{"fld_iFillOption", "1"}, {"fld_bT4", "true"}, {"fld_dob", "1980-01-01"}}));
    QCOMPARE(holder.writeToString(), std::string("fld_iFillOption=1\nfld_bT4=true\nfld_dob=1980-01-01\n"));
    QVERIFY(!holder.readFromStringMap({{"fld_iFillOption", "many"}}));
    QCOMPARE(holder.field("fld_iFillOption")->GetVariant().toInt(), 1);

    QVERIFY(copy.copyFrom(holder));
    QVERIFY(!copy.fields().differsFrom(holder.fields()));
    QVERIFY(holder.WriteJavaFileDeclaration().find("public int fld_iFillOption;") != std::string::npos);
}

QTEST_APPLESS_MAIN(TaxDataFormTest)
#include "tst_taxdataform.moc"
