// Every slip's page layout against its fields, and the rules a slip's pages
// keep beyond the common ones: its boxes show their printed numbers.

#include <functional>
#include <iterator>
#include <memory>

#include <QtTest>

#include "layoutcheck.h"
#include "slips.h"
#include "tableform.h"

namespace {

using Maker = std::function<CTaxData_Form*()>;

struct SlipCase
{
    const char* name;
    Maker make;
};

template <typename T>
Maker maker()
{
    return [] { return new T; };
}

const SlipCase kSlips[] = {
    {"T4", maker<CSlipData_T4>()},
    {"T4A", maker<TaxData_Slip_T4A>()},
    {"T4A(P)", maker<CSlipData_T4AP>()},
    {"T4RSP", maker<TaxData_Slip_T4RSP>()},
    {"T4E", maker<TaxData_Slip_T4E>()},
    {"T4A(OAS)", maker<CSlipData_T4AOAS>()},
    {"T4RIF", maker<TaxData_Slip_T4RIF>()},
    {"T5", maker<TaxData_Slip_T5>()},
    {"T3", maker<TaxData_Slip_T3>()},
    {"T5003", maker<CSlipData_T5003>()},
    {"T5007", maker<CSlipData_T5007>()},
    {"T5013", maker<TaxData_Slip_T5013>()},
    {"T4PS", maker<TaxData_Slip_T4PS>()},
    {"T4A-RCA", maker<TaxData_Slip_T4ARCA>()},
    {"T5006", maker<TaxData_Slip_T5006>()},
    {"RC62", maker<TaxData_Slip_RC62>()},
    {"RC210", maker<CSlipData_RC210>()},
    {"MB shelter", maker<TaxData_Slip_MBShelterAssist>()},
    {"PRPP", maker<TaxData_Slip_PRPP>()},
    {"T1204", maker<TaxData_Slip_T1204>()},
    {"NR4", maker<TaxData_Slip_NR4>()},
    {"T2202", maker<TaxData_Slip_T2202>()},
};

bool isBoxNumber(const char* name)
{
    if (!*name) return false;
    for (const char* c = name; *c; ++c)
        if (*c < '0' || *c > '9') return false;
    return true;
}

// A small object whose layout breaks each rule once, to show the check finds it.
const FieldSpec kBrokenFields[] = {
    QM_AMT("10"),
    QM_AMT("11"),                                   // on no page
    QM_STR("name"),                                 // a choice of a text field
    QM_ROWS("rows.#.amount", CField::Float, 2),
};
constexpr LayoutRow kBrokenRows[] = {
    QL_SECTION("Not a page first"),
    QL_LINE("10", "10", "Box 10"),
    QL_LINE("10", "10", "Box 10 again"),
    QL_LINE("12", "12", "A box the object lacks"),
    QL_CHOICE("name", nullptr, "Name", "1=One"),
    QL_COLUMN("rows.#.amount", "A column without its table"),
    QL_ACTION("Go nowhere", 1235, 0),
    QL_HIDDEN("missing.#"),
};

} // namespace

class SlipLayoutsTest : public QObject
{
    Q_OBJECT

private slots:
    void slip_data();
    void slip();
    void checkFindsBrokenLayout();
};

void SlipLayoutsTest::slip_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kSlips)); ++i) QTest::newRow(kSlips[i].name) << i;
}

void SlipLayoutsTest::slip()
{
    QFETCH(int, index);
    std::unique_ptr<CTaxData_Form> slip(kSlips[index].make());
    QCOMPARE(slip->getItemKind(), FROM_SLIP);

    const QStringList faults = layoutcheck::problems(*slip);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    // The first page is titled by the slip's code and name; the payer is on it.
    const LayoutRow& first = slip->pageLayout().front().rows[0];
    const QString title = QString::fromUtf8(first.label);
    const QString code = QString::fromUtf8(Global_Slips_Info[slip->getType()].shortName);
    QVERIFY2(title.startsWith(code), qPrintable(title + QStringLiteral(" / ") + code));
    QVERIFY(layoutcheck::rowFor(*slip, "payer_name"));

    // A box is shown with its printed number.
    for (const CField* f : slip->fields().all()) {
        const char* name = f->GetName().c_str();
        if (!isBoxNumber(name)) continue;
        const LayoutRow* row = layoutcheck::rowFor(*slip, name);
        QVERIFY2(row && row->number && qstrcmp(row->number, name) == 0, name);
    }
}

void SlipLayoutsTest::checkFindsBrokenLayout()
{
    TableForm broken(FROM_SLIP, 1, {fieldTable(kBrokenFields)}, {layoutTable(kBrokenRows)});
    const QString faults = layoutcheck::problems(broken).join(QLatin1Char('\n'));
    for (const char* expected : {"first row is not a page", "on the pages twice", "names no field",
                                 "not an int", "column outside its table", "goes to no form",
                                 "hides no field", "field 11 is neither"})
        QVERIFY2(faults.contains(QLatin1String(expected)), expected);
    TableForm none(FROM_SLIP, 1, {fieldTable(kBrokenFields)});
    QCOMPARE(layoutcheck::problems(none), QStringList{QStringLiteral("no layout")});
}

QTEST_GUILESS_MAIN(SlipLayoutsTest)
#include "tst_layouts_slips.moc"
