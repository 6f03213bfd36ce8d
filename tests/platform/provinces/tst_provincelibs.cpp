#include <memory>

#include <QLibrary>
#include <QtTest>

#include "formtables.h"
#include "provincialtaxmanager.h"
#include "taxdataform.h"
#include "utils.h"

namespace {

constexpr int kSchedule2 = 3;
constexpr int kSchedule11 = 11;
constexpr int kT778 = 13;
constexpr int kInterviewKind = 6;

// The library file of a province, found the way the program finds it.
QString libraryPath(const char* baseName)
{
    QString name = QString::fromUtf8(baseName);
    getOSLibFilename(QString(), name);
    return name;
}

// A loaded provincial library and the manager it made; the manager goes
// before the library is unloaded.
struct LoadedProvince
{
    explicit LoadedProvince(int province)
        : library(libraryPath(Global_Provs_Info[province].libFile))
    {
    }
    ~LoadedProvince()
    {
        manager.reset();
        if (library.isLoaded()) library.unload();
    }
    bool load()
    {
        if (!library.load()) return false;
        auto entry = reinterpret_cast<GetTaxManagerFunc>(library.resolve("GetTaxManager"));
        if (!entry) return false;
        manager.reset(entry());
        return manager != nullptr;
    }

    QLibrary library;
    std::unique_ptr<CProvincialTaxManager> manager;
};

} // namespace

class ProvinceLibsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void library_data();
    void library();
    void twoLibrariesAtOnce();
    void libraryWithoutEntry();
};

void ProvinceLibsTest::initTestCase()
{
    QVERIFY2(!programLibraryFolder().isEmpty(), "no lib folder beside the test's bin folder");
}

void ProvinceLibsTest::library_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("form428");
    QTest::addColumn<int>("form479");   // 0: the province has none
    QTest::addColumn<int>("formS2");
    QTest::addColumn<int>("formS11");
    QTest::addColumn<QList<double>>("thresholds");   // 2021 brackets, from the agency's and provinces' tables

    QTest::newRow("AB") << 1 << 45 << 0 << 47 << 48 << QList<double>{131220, 157464, 209952, 314928};
    QTest::newRow("BC") << 2 << 41 << 42 << 43 << 44
                        << QList<double>{42184, 84369, 96866, 117623, 159483, 222420};
    QTest::newRow("MB") << 3 << 86 << 87 << 90 << 91 << QList<double>{33723, 72885};
    QTest::newRow("NB") << 4 << 98 << 99 << 94 << 95 << QList<double>{43835, 87671, 142534, 162383};
    QTest::newRow("NL") << 5 << 62 << 63 << 64 << 65 << QList<double>{38081, 76161, 135973, 190363};
    QTest::newRow("NS") << 6 << 70 << 71 << 72 << 73 << QList<double>{29590, 59180, 93000, 150000};
    QTest::newRow("NT") << 7 << 66 << 67 << 68 << 69 << QList<double>{44396, 88796, 144362};
    QTest::newRow("NU") << 8 << 74 << 75 << 76 << 77 << QList<double>{46740, 93480, 151978};
    QTest::newRow("ON") << 9 << 24 << 25 << 26 << 27 << QList<double>{45142, 90287, 150000, 220000};
    QTest::newRow("PE") << 10 << 78 << 0 << 79 << 80 << QList<double>{31984, 63969};
    QTest::newRow("SK") << 12 << 81 << 84 << 82 << 83 << QList<double>{45677, 130506};
    QTest::newRow("YT") << 13 << 108 << 112 << 110 << 111 << QList<double>{49020, 98040, 151978, 500000};
}

void ProvinceLibsTest::library()
{
    QFETCH(int, province);
    QFETCH(int, form428);
    QFETCH(int, form479);
    QFETCH(int, formS2);
    QFETCH(int, formS11);
    QFETCH(QList<double>, thresholds);

    LoadedProvince lib(province);
    QVERIFY2(lib.load(), qPrintable(lib.library.errorString()));
    CProvincialTaxManager& mgr = *lib.manager;
    QCOMPARE(mgr.GetManagerProvince(), province);

    // Its own forms, each of its type.
    QList<int> own{form428, formS2, formS11};
    if (form479) own << form479;
    for (int type : own) {
        CTaxData_Form* form = mgr.NewFormData(type, true);
        QVERIFY2(form, qPrintable(QString("type %1").arg(type)));
        QCOMPARE(int(form->getType()), type);
        QCOMPARE(form->getItemKind(), int(FROM_FORM));
        QVERIFY(mgr.FreeFormData(form, true));
    }
    // Nothing of the federal return, of another province or outside the table.
    const int other428 = province == 9 ? 41 : 24;
    for (int type : {0, 1, kSchedule2, kSchedule11, other428, MAX_FORM_TYPE + 1})
        QVERIFY2(!mgr.NewFormData(type, true), qPrintable(QString("type %1").arg(type)));

    QCOMPARE(mgr.FindRelatedForm1(kSchedule2), formS2);
    QCOMPARE(mgr.FindRelatedForm1(kSchedule11), formS11);
    QCOMPARE(mgr.FindRelatedForm1(kT778), 0);
    QCOMPARE(mgr.FindRelatedForm1(formS2), 0);
    QCOMPARE(mgr.FindRelatedForm1(1), 0);

    // A form it did not make stays the caller's.
    CTaxData_Form foreign(FROM_FORM, form428);
    QVERIFY(!mgr.FreeFormData(&foreign, true));
    QVERIFY(!mgr.FreeFormData(nullptr, false));

    CTaxData_Form* interview = mgr.NewWizardData();
    QVERIFY(interview);
    QCOMPARE(interview->getItemKind(), int(FROM_WIZARD));
    QCOMPARE(int(interview->getType()), kInterviewKind);
    QVERIFY(mgr.FreeWizardData());
    // One left for the manager's destructor to free.
    QVERIFY(mgr.NewWizardData());

    // Amounts go to the newest 428 still alive; none before there is one.
    double amount = 0;
    QVERIFY(!mgr.getProvAmountClaimed(58040, amount));
    QVERIFY(!mgr.setProvAmountClaimed(11001, 1.0));
    QVERIFY(mgr.IsNonRefTaxCreditAllUsed());
    CTaxData_Form* older = mgr.NewFormData(form428, true);
    CTaxData_Form* newer = mgr.NewFormData(form428, true);
    QVERIFY(older && newer);
    QVERIFY(mgr.setProvAmountClaimed(58040, 1234.5));
    QVERIFY(mgr.setProvAmountClaimed(11001, 820.25));
    QCOMPARE(newer->getFloat("58040"), 1234.5);
    QCOMPARE(newer->getFloat("unused_tuition_carried_forward"), 820.25);
    QCOMPARE(older->getFloat("58040"), 0.0);
    QVERIFY(mgr.getProvAmountClaimed(58040, amount));
    QCOMPARE(amount, 1234.5);
    CString text;
    QVERIFY(mgr.getProvAmountClaimed(11001, text));
    QCOMPARE(QString(text), QStringLiteral("820.25"));
    QVERIFY(!mgr.getProvAmountClaimed(12345, amount));
    QVERIFY(!mgr.setProvAmountClaimed(12345, 1.0));

    // Credits against tax on the newest 428.
    newer->setFloat("61500", 500.0);
    newer->setFloat("tax_on_taxable_income", 400.0);
    QVERIFY(!mgr.IsNonRefTaxCreditAllUsed());
    newer->setFloat("tax_on_taxable_income", 500.0);
    QVERIFY(mgr.IsNonRefTaxCreditAllUsed());

    // With the newer one gone, the older one answers.
    QVERIFY(mgr.FreeFormData(newer, true));
    QVERIFY(mgr.getProvAmountClaimed(58040, amount));
    QCOMPARE(amount, 0.0);
    QVERIFY(mgr.FreeFormData(older, false));
    QVERIFY(!mgr.getProvAmountClaimed(58040, amount));

    // Thresholds are appended to what the list holds.
    std::list<double> got{-1.0};
    QCOMPARE(mgr.GetIncomeThresholds(got), thresholds.size());
    QCOMPARE(QList<double>(got.begin(), got.end()), QList<double>{-1.0} + thresholds);

    // The calculation steps take a return without the forms they name.
    std::list<TaxData_T2209_2036*> noT2209;
    std::list<CString> messages;
    mgr.SetTaxReturnDefaultValues(nullptr, nullptr);
    mgr.SyncDepInfo(81, nullptr);
    mgr.SyncDepSelAcrossMultiProvinces(0, nullptr);
    mgr.CalcLoggingCredit(nullptr);
    mgr.CalcProvCredit(nullptr, nullptr, nullptr, noT2209);
    mgr.ExchangeDataBeforeCalc(false, 0, nullptr);
    mgr.CalcProvTax_BeforeExchData(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   noT2209, nullptr, nullptr);
    mgr.CalcProvTax_AfterExchData(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, noT2209, nullptr,
                                  nullptr, nullptr);
    QCOMPARE(mgr.beforeCalcFormData(0, nullptr), 0);
    QCOMPARE(mgr.afterCalcFormData(0, nullptr), 0);
    mgr.CalcBenefit(false, nullptr, nullptr);
    mgr.ExchangeCoupledInfoAfterCalcTaxableIncome(nullptr);
    mgr.ExchangeCoupledInfoForProvTax_MainlyS2(nullptr);
    mgr.ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(nullptr);
    mgr.Validate(messages, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    mgr.ValidateWithCoupled(messages, nullptr);
    mgr.AnyMsgBeforeNetfile(nullptr, nullptr, messages);
    mgr.UpdateT1KST2203(nullptr, nullptr, nullptr, nullptr);
}

// Several libraries are loaded at once when a return holds forms of several
// provinces: each keeps to its own province and its own objects.
void ProvinceLibsTest::twoLibrariesAtOnce()
{
    LoadedProvince on(9);
    LoadedProvince bc(2);
    QVERIFY2(on.load(), qPrintable(on.library.errorString()));
    QVERIFY2(bc.load(), qPrintable(bc.library.errorString()));
    QCOMPARE(on.manager->GetManagerProvince(), 9);
    QCOMPARE(bc.manager->GetManagerProvince(), 2);
    QCOMPARE(bc.manager->FindRelatedForm1(kSchedule2), 43);

    CTaxData_Form* on428 = on.manager->NewFormData(24, true);
    CTaxData_Form* bc428 = bc.manager->NewFormData(41, true);
    QVERIFY(on428 && bc428);
    QVERIFY(!on.manager->NewFormData(41, true));
    QVERIFY(!on.manager->FreeFormData(bc428, true));
    QVERIFY(!bc.manager->FreeFormData(on428, true));
    QVERIFY(bc.manager->setProvAmountClaimed(58040, 11070.0));
    QCOMPARE(on428->getFloat("58040"), 0.0);
    QVERIFY(on.manager->FreeFormData(on428, true));
    QVERIFY(bc.manager->FreeFormData(bc428, true));
}

void ProvinceLibsTest::libraryWithoutEntry()
{
    QLibrary library(libraryPath("qlmr21nomgr"));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    QVERIFY(library.resolve("QmFixtureId"));
    QVERIFY(!library.resolve("GetTaxManager"));
    QVERIFY(library.unload());
}

QTEST_GUILESS_MAIN(ProvinceLibsTest)
#include "tst_provincelibs.moc"
