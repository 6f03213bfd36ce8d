// The 2021 provincial tax (form 428) of every provincial library, driven
// through the library's manager as the program drives it. Every expected
// figure is worked by hand from the province's 2021 428 (arithmetic beside
// each row).

#include <memory>
#include <tuple>

#include <QLibrary>
#include <QtTest>

#include "dependantinfo.h"
#include "federalforms.h"
#include "formtables.h"
#include "formtypes.h"
#include "provincialtaxmanager.h"
#include "t1.h"
#include "tableform.h"
#include "taxdataform.h"
#include "utils.h"

namespace {

struct ProvinceForms
{
    int province;
    int form428;
};

// Province number and form 428 type, as the form table gives them.
int form428Of(int province)
{
    static const ProvinceForms kForms[] = {
        {1, FormType::AB428}, {2, FormType::BC428}, {3, FormType::MB428},  {4, FormType::NB428},
        {5, FormType::NL428}, {6, FormType::NS428}, {7, FormType::NT428},  {8, FormType::NU428},
        {9, FormType::ON428}, {10, FormType::PE428}, {12, FormType::SK428}, {13, FormType::YT428}};
    for (const ProvinceForms& f : kForms)
        if (f.province == province) return f.form428;
    return 0;
}

// A return of one province: its library, its manager, its 428 and its T1.
class ProvinceReturn
{
public:
    explicit ProvinceReturn(int province)
    {
        QString name = QString::fromUtf8(Global_Provs_Info[province].libFile);
        getOSLibFilename(QString(), name);
        m_library.setFileName(name);
        if (!m_library.load()) return;
        auto entry = reinterpret_cast<GetTaxManagerFunc>(m_library.resolve("GetTaxManager"));
        if (!entry) return;
        m_manager.reset(entry());
        form = m_manager->NewFormData(form428Of(province), true);
        t1.setInt("province", province);
        t1.setDate("birth_date", QDate(1980, 6, 1));
    }
    ~ProvinceReturn()
    {
        if (m_manager && form) m_manager->FreeFormData(form, true);
        m_manager.reset();
        if (m_library.isLoaded()) m_library.unload();
    }
    bool ready() const { return m_manager && form; }
    CProvincialTaxManager& manager() { return *m_manager; }

    // Taxable and net income the same unless set apart.
    void setIncome(double taxable) { setIncome(taxable, taxable); }
    void setIncome(double taxable, double net)
    {
        t1.setFloat("26000", taxable);
        t1.setFloat("23600", net);
    }
    void calculate()
    {
        m_manager->CalcProvTax_BeforeExchData(&t1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                              foreign, nullptr, nullptr);
        m_manager->CalcProvTax_AfterExchData(&t1, nullptr, nullptr, nullptr, nullptr, nullptr, foreign, nullptr,
                                             nullptr, nullptr);
        m_manager->CalcProvCredit(&t1, nullptr, nullptr, foreign);
    }

    TaxData_T1New t1;
    std::list<TaxData_T2209_2036*> foreign;     // each country's T2209 / T2036
    CTaxData_Form* form = nullptr;

private:
    QLibrary m_library;
    std::unique_ptr<CProvincialTaxManager> m_manager;
};

// Bracket rows: the tax at a threshold worked by hand, the rate below and
// above it.
struct Threshold
{
    const char* code;
    int province;
    double threshold;
    double taxAt;
    double rateBelow;
    double rateAbove;
};

// Tax at each threshold = sum over the brackets below of width x rate.
const Threshold kThresholds[] = {
    {"AB", 1, 131220, 13122.00, 0.10, 0.12},        // 131,220 x 10%
    {"AB", 1, 157464, 16271.28, 0.12, 0.13},        // 13,122 + 26,244 x 12% (3,149.28)
    {"AB", 1, 209952, 23094.72, 0.13, 0.14},        // 16,271.28 + 52,488 x 13% (6,823.44)
    {"AB", 1, 314928, 37791.36, 0.14, 0.15},        // 23,094.72 + 104,976 x 14% (14,696.64)
    {"BC", 2, 42184, 2134.5104, 0.0506, 0.077},     // 42,184 x 5.06%
    {"BC", 2, 84369, 5382.7554, 0.077, 0.105},      // + 42,185 x 7.7% (3,248.245)
    {"BC", 2, 96866, 6694.9404, 0.105, 0.1229},     // + 12,497 x 10.5% (1,312.185)
    {"BC", 2, 117623, 9245.9757, 0.1229, 0.147},    // + 20,757 x 12.29% (2,551.0353)
    {"BC", 2, 159483, 15399.3957, 0.147, 0.168},    // + 41,860 x 14.7% (6,153.42)
    {"BC", 2, 222420, 25972.8117, 0.168, 0.205},    // + 62,937 x 16.8% (10,573.416)
    {"MB", 3, 33723, 3642.084, 0.108, 0.1275},      // 33,723 x 10.8%
    {"MB", 3, 72885, 8635.239, 0.1275, 0.174},      // + 39,162 x 12.75% (4,993.155)
    {"NB", 4, 43835, 4120.49, 0.094, 0.1482},       // 43,835 x 9.40% (the 2021 lowest rate)
    {"NB", 4, 87671, 10616.9852, 0.1482, 0.1652},   // + 43,836 x 14.82% (6,496.4952)
    {"NB", 4, 142534, 19680.3528, 0.1652, 0.1784},  // + 54,863 x 16.52% (9,063.3676)
    {"NB", 4, 162383, 23221.4144, 0.1784, 0.203},   // + 19,849 x 17.84% (3,541.0616)
    {"NL", 5, 38081, 3313.047, 0.087, 0.145},       // 38,081 x 8.7%
    {"NL", 5, 76161, 8834.647, 0.145, 0.158},       // + 38,080 x 14.5% (5,521.60)
    {"NL", 5, 135973, 18284.943, 0.158, 0.173},     // + 59,812 x 15.8% (9,450.296)
    {"NL", 5, 190363, 27694.413, 0.173, 0.183},     // + 54,390 x 17.3% (9,409.47)
    {"NS", 6, 29590, 2600.961, 0.0879, 0.1495},     // 29,590 x 8.79%
    {"NS", 6, 59180, 7024.666, 0.1495, 0.1667},     // + 29,590 x 14.95% (4,423.705)
    {"NS", 6, 93000, 12662.46, 0.1667, 0.175},      // + 33,820 x 16.67% (5,637.794)
    {"NS", 6, 150000, 22637.46, 0.175, 0.21},       // + 57,000 x 17.5% (9,975)
    {"NT", 7, 44396, 2619.364, 0.059, 0.086},       // 44,396 x 5.9%
    {"NT", 7, 88796, 6437.764, 0.086, 0.122},       // + 44,400 x 8.6% (3,818.40)
    {"NT", 7, 144362, 13216.816, 0.122, 0.1405},    // + 55,566 x 12.2% (6,779.052)
    {"NU", 8, 46740, 1869.60, 0.04, 0.07},          // 46,740 x 4%
    {"NU", 8, 93480, 5141.40, 0.07, 0.09},          // + 46,740 x 7% (3,271.80)
    {"NU", 8, 151978, 10406.22, 0.09, 0.115},       // + 58,498 x 9% (5,264.82)
    {"ON", 9, 45142, 2279.671, 0.0505, 0.0915},     // 45,142 x 5.05%
    {"ON", 9, 90287, 6410.4385, 0.0915, 0.1116},    // + 45,145 x 9.15% (4,130.7675)
    {"ON", 9, 150000, 13074.4093, 0.1116, 0.1216},  // + 59,713 x 11.16% (6,663.9708)
    {"ON", 9, 220000, 21586.4093, 0.1216, 0.1316},  // + 70,000 x 12.16% (8,512)
    {"PE", 10, 31984, 3134.432, 0.098, 0.138},      // 31,984 x 9.8%
    {"PE", 10, 63969, 7548.362, 0.138, 0.167},      // + 31,985 x 13.8% (4,413.93)
    {"SK", 12, 45677, 4796.085, 0.105, 0.125},      // 45,677 x 10.5%
    {"SK", 12, 130506, 15399.71, 0.125, 0.145},     // + 84,829 x 12.5% (10,603.625)
    {"YT", 13, 49020, 3137.28, 0.064, 0.09},        // 49,020 x 6.4%
    {"YT", 13, 98040, 7549.08, 0.09, 0.109},        // + 49,020 x 9% (4,411.80)
    {"YT", 13, 151978, 13428.322, 0.109, 0.128},    // + 53,938 x 10.9% (5,879.242)
    {"YT", 13, 500000, 57975.138, 0.128, 0.15},     // + 348,022 x 12.8% (44,546.816)
};

} // namespace

class ProvincialTaxTest : public QObject
{
    Q_OBJECT

private slots:
    void bracketTax_data();
    void bracketTax();
    void basicPersonalAmount_data();
    void basicPersonalAmount();
    void ownRules_data();
    void ownRules();
    void ontarioSurtaxBeforeDividendCredit_data();
    void ontarioSurtaxBeforeDividendCredit();
    void medicalExpenses_data();
    void medicalExpenses();
    void politicalContributions_data();
    void politicalContributions();
    void politicalCreditBeforeLowIncomeReduction();
    void saskatchewanAmounts_data();
    void saskatchewanAmounts();
    void tuition_data();
    void tuition();
    void educationAmount_data();
    void educationAmount();
    void manitobaFamilyBenefitAfterTuition();
    void foreignTaxCredit_data();
    void foreignTaxCredit();
    void refundableCredits_data();
    void refundableCredits();
    void otherProvinceLeavesTheReturnAlone();
    void spouseTransferThroughTheExchange();
    void saskatchewanTransferThroughTheExchange();
    void tuitionTransferThroughTheExchange();
    void familyReductionClaimedOnceBetweenEqualSpouses();
    void novaScotiaReductionFromNineteen();
    void lowIncomeReductionToTheSpouse_data();
    void lowIncomeReductionToTheSpouse();
    void tuitionFromTheSlips_data();
    void tuitionFromTheSlips();
    void ontarioReductionCountsDependants_data();
    void ontarioReductionCountsDependants();
    void manitobaFamilyBenefitDisability_data();
    void manitobaFamilyBenefitDisability();
    void manitobaPersonalTaxCredit_data();
    void manitobaPersonalTaxCredit();
    void nunavutVolunteerFirefighters_data();
    void nunavutVolunteerFirefighters();
    void princeEdwardIslandChildrensWellness_data();
    void princeEdwardIslandChildrensWellness();
    void recalculatingChangesNothing();
};

void ProvincialTaxTest::bracketTax_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("expected");
    for (const Threshold& t : kThresholds) {
        const QByteArray at = QByteArray(t.code) + " " + QByteArray::number(t.threshold, 'f', 0);
        QTest::newRow(at + " - 1") << t.province << t.threshold - 1 << roundToCents(t.taxAt - t.rateBelow);
        QTest::newRow(at) << t.province << t.threshold << roundToCents(t.taxAt);
        QTest::newRow(at + " + 1") << t.province << t.threshold + 1 << roundToCents(t.taxAt + t.rateAbove);
    }
}

void ProvincialTaxTest::bracketTax()
{
    QFETCH(int, province);
    QFETCH(double, taxable);
    QFETCH(double, expected);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    r.setIncome(taxable);
    r.calculate();
    QCOMPARE(r.form->getFloat("tax_on_taxable_income"), expected);
}

void ProvincialTaxTest::basicPersonalAmount_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("expected");
    // 2021 basic personal amounts (payworks.ca 2021 provincial claim amounts).
    QTest::newRow("AB") << 1 << 50000.0 << 19369.0;
    QTest::newRow("BC") << 2 << 50000.0 << 11070.0;
    QTest::newRow("MB") << 3 << 50000.0 << 9936.0;
    QTest::newRow("NB") << 4 << 50000.0 << 10564.0;
    QTest::newRow("NL") << 5 << 50000.0 << 9536.0;
    QTest::newRow("NT") << 7 << 50000.0 << 15243.0;
    QTest::newRow("NU") << 8 << 50000.0 << 16467.0;
    QTest::newRow("ON") << 9 << 50000.0 << 10880.0;
    QTest::newRow("PE") << 10 << 50000.0 << 10500.0;
    QTest::newRow("SK") << 12 << 50000.0 << 16225.0;
    // Nova Scotia: 8,481 plus a supplement of 3,000 to 25,000 of taxable
    // income, less 6% of the excess, none from 75,000.
    QTest::newRow("NS at 25,000") << 6 << 25000.0 << 11481.0;
    QTest::newRow("NS at 25,001") << 6 << 25001.0 << 11480.94;   // 3,000 - 0.06
    QTest::newRow("NS at 50,000") << 6 << 50000.0 << 9981.0;     // 3,000 - 25,000 x 6% = 1,500
    QTest::newRow("NS at 74,999") << 6 << 74999.0 << 8481.06;    // 3,000 - 49,999 x 6% = 0.06
    QTest::newRow("NS at 75,000") << 6 << 75000.0 << 8481.0;
    // Yukon follows the federal amount: 13,808 to 151,978, then less
    // 1,387 x (net income - 151,978) / 64,533, 12,421 from 216,511.
    QTest::newRow("YT at 151,978") << 13 << 151978.0 << 13808.0;
    QTest::newRow("YT at 200,000") << 13 << 200000.0 << 12775.87;   // 1,387 x 48,022 / 64,533 = 1,032.13
    QTest::newRow("YT at 216,511") << 13 << 216511.0 << 12421.0;
}

void ProvincialTaxTest::basicPersonalAmount()
{
    QFETCH(int, province);
    QFETCH(double, netIncome);
    QFETCH(double, expected);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    r.setIncome(netIncome);
    r.calculate();
    QCOMPARE(r.form->getFloat("58040"), expected);
}

void ProvincialTaxTest::ownRules_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("spouseNetIncome");   // negative: no spouse
    QTest::addColumn<int>("children");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expected");

    // Ontario Health Premium on taxable income (ON428 chart).
    QTest::newRow("ON premium 20,000") << 9 << 20000.0 << 0.0 << -1.0 << 0 << "health_premium" << 0.0;
    QTest::newRow("ON premium 20,001") << 9 << 20001.0 << 0.0 << -1.0 << 0 << "health_premium" << 0.06;
    QTest::newRow("ON premium 25,000") << 9 << 25000.0 << 0.0 << -1.0 << 0 << "health_premium" << 300.0;   // 5,000 x 6%
    QTest::newRow("ON premium 36,001") << 9 << 36001.0 << 0.0 << -1.0 << 0 << "health_premium" << 300.06;
    QTest::newRow("ON premium 48,000") << 9 << 48000.0 << 0.0 << -1.0 << 0 << "health_premium" << 450.0;
    QTest::newRow("ON premium 48,001") << 9 << 48001.0 << 0.0 << -1.0 << 0 << "health_premium" << 450.25;
    QTest::newRow("ON premium 72,000") << 9 << 72000.0 << 0.0 << -1.0 << 0 << "health_premium" << 600.0;
    QTest::newRow("ON premium 72,001") << 9 << 72001.0 << 0.0 << -1.0 << 0 << "health_premium" << 600.25;
    QTest::newRow("ON premium 200,000") << 9 << 200000.0 << 0.0 << -1.0 << 0 << "health_premium" << 750.0;
    QTest::newRow("ON premium 200,600") << 9 << 200600.0 << 0.0 << -1.0 << 0 << "health_premium" << 900.0;

    // Ontario surtax at 100,000: tax 6,410.44 + 9,713 x 11.16% = 7,494.41,
    // less 10,880 x 5.05% (549.44) = 6,944.97; 20% x 2,070.97 + 36% x 707.97.
    QTest::newRow("ON surtax 100,000") << 9 << 100000.0 << 0.0 << -1.0 << 0 << "surtax" << 669.06;
    // At 60,000: 2,279.67 + 14,858 x 9.15% = 3,639.18 - 549.44 = 3,089.74: no surtax.
    QTest::newRow("ON no surtax 60,000") << 9 << 60000.0 << 0.0 << -1.0 << 0 << "surtax" << 0.0;

    // Ontario tax reduction at 20,000: tax 1,010 - 549.44 = 460.56;
    // 2 x 251 - 460.56 = 41.44; with a child 2 x 715 - 460.56 exceeds the tax.
    QTest::newRow("ON reduction basic") << 9 << 20000.0 << 0.0 << -1.0 << 0 << "tax_reduction" << 41.44;
    QTest::newRow("ON reduction child") << 9 << 20000.0 << 0.0 << -1.0 << 1 << "tax_reduction" << 460.56;
    // At 30,000: tax 1,515 - 549.44 = 965.56 > 502: none.
    QTest::newRow("ON reduction none") << 9 << 30000.0 << 0.0 << -1.0 << 0 << "tax_reduction" << 0.0;

    // LIFT: the lesser of 850 and 5.05% of employment income, less 10% of
    // net income over 30,000 (or family net income over 60,000).
    QTest::newRow("ON LIFT 30,000") << 9 << 30000.0 << 30000.0 << -1.0 << 0 << "62140" << 850.0;
    QTest::newRow("ON LIFT 30,001") << 9 << 30001.0 << 30001.0 << -1.0 << 0 << "62140" << 849.90;
    QTest::newRow("ON LIFT 38,500") << 9 << 38500.0 << 38500.0 << -1.0 << 0 << "62140" << 0.0;
    // 5.05% x 10,000 = 505 < 850; the tax 1,515 - 549.44 = 965.56 allows it.
    QTest::newRow("ON LIFT by earnings") << 9 << 30000.0 << 10000.0 << -1.0 << 0 << "62140" << 505.0;
    // Family 30,000 + 35,000: 850 - 10% x 5,000.
    QTest::newRow("ON LIFT family") << 9 << 30000.0 << 30000.0 << 35000.0 << 0 << "62140" << 350.0;
    // Under both thresholds without earnings: nothing (the reduction is nil, not negative).
    QTest::newRow("ON LIFT no earnings") << 9 << 25000.0 << 0.0 << -1.0 << 0 << "62140" << 0.0;

    // British Columbia tax reduction: 476 less 3.56% of net income over 21,867.
    // At 21,867 the tax is 1,106.47 - 560.14 = 546.33: the whole 476.
    QTest::newRow("BC reduction 21,418") << 2 << 21418.0 << 0.0 << -1.0 << 0 << "tax_reduction" << 481.0;
    QTest::newRow("BC reduction 21,419") << 2 << 21419.0 << 0.0 << -1.0 << 0 << "tax_reduction" << 480.96;   // 481 - 0.0356
    QTest::newRow("BC reduction 30,000") << 2 << 30000.0 << 0.0 << -1.0 << 0 << "tax_reduction" << 175.48;   // 481 - 8,582 x 3.56% (305.5192)
    QTest::newRow("BC reduction 36,000") << 2 << 36000.0 << 0.0 << -1.0 << 0 << "tax_reduction" << 0.0;

    // Prince Edward Island surtax: 10% of PE tax over 12,500. At 120,000:
    // 7,548.36 + 56,031 x 16.7% (9,357.18) = 16,905.54 - 1,029 = 15,876.54.
    QTest::newRow("PE surtax 120,000") << 10 << 120000.0 << 0.0 << -1.0 << 0 << "surtax" << 337.65;
    // At 100,000: 7,548.36 + 36,031 x 16.7% = 13,565.54 - 1,029 = 12,536.54.
    QTest::newRow("PE surtax 100,000") << 10 << 100000.0 << 0.0 << -1.0 << 0 << "surtax" << 3.65;
    QTest::newRow("PE no surtax 90,000") << 10 << 90000.0 << 0.0 << -1.0 << 0 << "surtax" << 0.0;

    // Prince Edward Island low-income tax reduction: 350 (+350 for a spouse,
    // +300 a child) less 5% of family net income over 19,000. At 19,000 the
    // tax is 1,862 - 10,500 x 9.8% (1,029) = 833.
    QTest::newRow("PE reduction 19,000") << 10 << 19000.0 << 0.0 << -1.0 << 0 << "low_income_tax_reduction" << 350.0;
    QTest::newRow("PE reduction 19,001") << 10 << 19001.0 << 0.0 << -1.0 << 0 << "low_income_tax_reduction" << 349.95;
    QTest::newRow("PE reduction 26,000") << 10 << 26000.0 << 0.0 << -1.0 << 0 << "low_income_tax_reduction" << 0.0;
    // At 30,000 the tax is 2,940 - 1,029 = 1,911: 350 + 2 x 300 - 5% x 11,000.
    QTest::newRow("PE reduction children") << 10 << 30000.0 << 0.0 << -1.0 << 2 << "low_income_tax_reduction" << 400.0;
    // With a spouse of no income: tax 2,940 - (10,500 + 8,918) x 9.8% = 1,037.04;
    // 350 + 350 - 5% x 11,000.
    QTest::newRow("PE reduction spouse") << 10 << 30000.0 << 0.0 << 0.0 << 0 << "low_income_tax_reduction" << 150.0;
    // The spouse with the higher net income claims the family's reduction.
    QTest::newRow("PE reduction lower spouse") << 10 << 15000.0 << 0.0 << 16000.0 << 0 << "low_income_tax_reduction" << 0.0;

    // Manitoba family tax benefit (MB428-A): 2,065 for self (and for a spouse
    // or eligible dependant claimed), 2,752 a child, less 9% of net income.
    // It is a credit amount of Part B (line 61470), in line 58800 with the
    // basic amount 9,936, all credited at 10.8%.
    // At 20,000: 2,065 - 1,800 = 265; 10,201 x 10.8% = 1,101.708; tax 2,160 - 1,101.71.
    QTest::newRow("MB family benefit amount") << 3 << 20000.0 << 0.0 << -1.0 << 0 << "61470" << 265.0;
    QTest::newRow("MB family benefit in 58800") << 3 << 20000.0 << 0.0 << -1.0 << 0 << "58800" << 10201.0;
    QTest::newRow("MB family benefit tax") << 3 << 20000.0 << 0.0 << -1.0 << 0 << "42800" << 1058.29;
    // Where it ends: 9% of 22,944 is 2,064.96; of 22,945, 2,065.05.
    QTest::newRow("MB family benefit 22,944") << 3 << 22944.0 << 0.0 << -1.0 << 0 << "61470" << 0.04;
    QTest::newRow("MB family benefit 22,945") << 3 << 22945.0 << 0.0 << -1.0 << 0 << "61470" << 0.0;
    // Two children at 30,000: 2,065 + 5,504 - 2,700 = 4,869; 9,936 + 4,869.
    QTest::newRow("MB family benefit children") << 3 << 30000.0 << 0.0 << -1.0 << 2 << "61470" << 4869.0;
    QTest::newRow("MB family benefit children 58800") << 3 << 30000.0 << 0.0 << -1.0 << 2 << "58800" << 14805.0;
    // A spouse of no income claimed on line 58120 (9,134): 4,130 - 2,700 =
    // 1,430; 9,936 + 9,134 + 1,430.
    QTest::newRow("MB family benefit spouse") << 3 << 30000.0 << 0.0 << 0.0 << 0 << "58800" << 20500.0;
    // The spouse with the higher income claims the children, and a spouse
    // of 16,000 leaves no spouse amount: 2,065 - 1,350 = 715.
    QTest::newRow("MB family benefit lower spouse") << 3 << 15000.0 << 0.0 << 16000.0 << 2 << "61470" << 715.0;
    // At 10,000: (9,936 + 1,165) x 10.8% = 1,198.91 is more than the tax of 1,080.
    QTest::newRow("MB family benefit past the tax") << 3 << 10000.0 << 0.0 << -1.0 << 0 << "42800" << 0.0;

    // Nova Scotia low-income tax reduction: 300 (+300 for a spouse, +165 for
    // each child) less 5% of family net income over 15,000. At 16,000 the
    // tax is 1,406.40 - (8,481 + 3,000) x 8.79% (1,009.18) = 397.22.
    QTest::newRow("NS reduction 16,000") << 6 << 16000.0 << 0.0 << -1.0 << 0 << "low_income_tax_reduction" << 250.0;
    QTest::newRow("NS reduction 21,000") << 6 << 21000.0 << 0.0 << -1.0 << 0 << "low_income_tax_reduction" << 0.0;
    // 300 + 165 x 2 = 630 less 5% of 20,000 over 15,000: 380, within the tax
    // left at 20,000 (1,758 - 1,009.18 = 748.82).
    QTest::newRow("NS reduction children") << 6 << 20000.0 << 0.0 << -1.0 << 2 << "low_income_tax_reduction" << 380.0;
    // Of a couple only the spouse with the higher net income claims it: the
    // family's 600 - 8,900 x 5% = 155, held to the 7.91 of tax each has left
    // (1,054.80 - 11,910 x 8.79% at 12,000; 1,046.01 - 11,810 x 8.79% at 11,900).
    QTest::newRow("NS reduction lower spouse") << 6 << 11900.0 << 0.0 << 12000.0 << 0 << "low_income_tax_reduction"
                                               << 0.0;
    QTest::newRow("NS reduction higher spouse") << 6 << 12000.0 << 0.0 << 11900.0 << 0 << "low_income_tax_reduction"
                                                << 7.91;

    // New Brunswick low-income tax reduction: 685, and 685 more with a
    // spouse, less 3% of family net income over 17,840. Tax at 30,000:
    // 2,820 - 10,564 x 9.4% (993.02) = 1,826.98; the reduction 685 - 12,160
    // x 3% = 320.20; at 40,673, 685 - 684.99; with a spouse at 40,000, 1,370
    // - 22,160 x 3%. At 17,840 the tax left, 1,676.96 - 993.02 = 683.94,
    // holds the reduction.
    const QString litr = "low_income_tax_reduction";
    QTest::newRow("NB reduction 30,000") << 4 << 30000.0 << 0.0 << -1.0 << 0 << litr << 320.20;
    QTest::newRow("NB reduction 40,673") << 4 << 40673.0 << 0.0 << -1.0 << 0 << litr << 0.01;
    QTest::newRow("NB reduction 40,674") << 4 << 40674.0 << 0.0 << -1.0 << 0 << litr << 0.0;
    QTest::newRow("NB reduction held to tax") << 4 << 17840.0 << 0.0 << -1.0 << 0 << litr << 683.94;
    QTest::newRow("NB reduction spouse") << 4 << 40000.0 << 0.0 << 0.0 << 0 << litr << 705.20;
    QTest::newRow("NB reduction lower spouse") << 4 << 15000.0 << 0.0 << 16000.0 << 0 << litr << 0.0;
    // Newfoundland and Labrador: 859, and 479 more with a spouse, less 16% of
    // net income over 20,619 alone or family net income over 34,866. At
    // 25,000: 859 - 4,381 x 16%; at 25,987: 859 - 858.88; with a spouse at
    // 40,000: 1,338 - 5,134 x 16%.
    QTest::newRow("NL reduction 20,619") << 5 << 20619.0 << 0.0 << -1.0 << 0 << litr << 859.0;
    QTest::newRow("NL reduction 25,000") << 5 << 25000.0 << 0.0 << -1.0 << 0 << litr << 158.04;
    QTest::newRow("NL reduction 25,987") << 5 << 25987.0 << 0.0 << -1.0 << 0 << litr << 0.12;
    QTest::newRow("NL reduction 25,988") << 5 << 25988.0 << 0.0 << -1.0 << 0 << litr << 0.0;
    QTest::newRow("NL reduction spouse") << 5 << 40000.0 << 0.0 << 0.0 << 0 << litr << 516.56;
}

void ProvincialTaxTest::ownRules()
{
    QFETCH(int, province);
    QFETCH(double, taxable);
    QFETCH(double, employment);
    QFETCH(double, spouseNetIncome);
    QFETCH(int, children);
    QFETCH(QString, line);
    QFETCH(double, expected);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    r.setIncome(taxable);
    r.t1.setFloat("10100", employment);
    if (spouseNetIncome >= 0) {
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", spouseNetIncome);
    }
    r.t1.setInt("dependants_children_0_to_18", children);
    r.calculate();
    QCOMPARE(r.form->getFloat(line.toUtf8().constData()), expected);
}

// ON428 Part C: the surtax is measured on the tax before the dividend tax
// credit. At 100,000: 45,142 x 5.05% (2,279.671) + 45,145 x 9.15%
// (4,130.7675) + 9,713 x 11.16% (1,083.9708) = 7,494.4093, less 10,880 x
// 5.05% (549.44) = 6,944.97; surtax 20% x 2,070.97 (414.194) + 36% x 707.97
// (254.8692) = 669.06; Health Premium 750.
void ProvincialTaxTest::ontarioSurtaxBeforeDividendCredit_data()
{
    QTest::addColumn<double>("line12000");      // taxable amount of all dividends
    QTest::addColumn<double>("line12010");      // of which other than eligible
    QTest::addColumn<double>("dividendCredit");
    QTest::addColumn<double>("tax");            // line 42800

    QTest::newRow("no dividends") << 0.0 << 0.0 << 0.0 << 8364.03;
    // 13,800 x 10%: 6,944.97 + 669.06 - 1,380 + 750.
    QTest::newRow("eligible dividends") << 13800.0 << 0.0 << 1380.0 << 6984.03;
    // 11,500 x 2.9863% (343.4245): 6,944.97 + 669.06 - 343.42 + 750.
    QTest::newRow("other dividends") << 11500.0 << 11500.0 << 343.42 << 8020.61;
}

void ProvincialTaxTest::ontarioSurtaxBeforeDividendCredit()
{
    QFETCH(double, line12000);
    QFETCH(double, line12010);
    QFETCH(double, dividendCredit);
    QFETCH(double, tax);
    ProvinceReturn r(9);
    QVERIFY(r.ready());
    r.setIncome(100000);
    r.t1.setFloat("12000", line12000);
    r.t1.setFloat("12010", line12010);
    r.calculate();
    QCOMPARE(r.form->getFloat("surtax"), 669.06);
    QCOMPARE(r.form->getFloat("61520"), dividendCredit);
    QCOMPARE(r.form->getFloat("42800"), tax);
}

// The gross expenses of line 33099 and each other dependant's expenses,
// against the province's own threshold: 3% of the net income or the
// province's 2021 maximum, whichever is less (rows only where that maximum
// is confirmed).
void ProvincialTaxTest::medicalExpenses_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("ownExpenses");            // line 33099
    QTest::addColumn<double>("dependantExpenses");      // a parent's, on line 33199's rows
    QTest::addColumn<double>("dependantNetIncome");
    QTest::addColumn<double>("line58689");
    QTest::addColumn<double>("line58729");

    // 3,000 - 3% x 35,937 (1,078.11).
    QTest::newRow("ON 3% of net income") << 9 << 35937.0 << 3000.0 << 0.0 << 0.0 << 1921.89 << 0.0;
    // 3% of 100,000 is 3,000: Ontario's 2,462 applies (the federal 2,421 would give 579).
    QTest::newRow("ON maximum") << 9 << 100000.0 << 3000.0 << 0.0 << 0.0 << 538.0 << 0.0;
    QTest::newRow("ON under the threshold") << 9 << 35937.0 << 1000.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("NS maximum") << 6 << 60000.0 << 3000.0 << 0.0 << 0.0 << 1363.0 << 0.0;      // 3,000 - 1,637
    QTest::newRow("AB maximum") << 1 << 90000.0 << 3000.0 << 0.0 << 0.0 << 497.0 << 0.0;       // 3,000 - 2,503
    // A parent's 5,000 against 3% of the parent's 90,000 (2,700): Ontario's 2,462.
    QTest::newRow("ON dependant maximum") << 9 << 35937.0 << 0.0 << 5000.0 << 90000.0 << 0.0 << 2538.0;
    // 5,000 - 3% x 10,000 (300).
    QTest::newRow("NS dependant 3%") << 6 << 35937.0 << 0.0 << 5000.0 << 10000.0 << 0.0 << 4700.0;
    // 2,000 - Manitoba's 1,728 (3% of 70,000 is 2,100).
    QTest::newRow("MB dependant maximum") << 3 << 35937.0 << 0.0 << 2000.0 << 70000.0 << 0.0 << 272.0;
}

void ProvincialTaxTest::medicalExpenses()
{
    QFETCH(int, province);
    QFETCH(double, netIncome);
    QFETCH(double, ownExpenses);
    QFETCH(double, dependantExpenses);
    QFETCH(double, dependantNetIncome);
    QFETCH(double, line58689);
    QFETCH(double, line58729);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    r.setIncome(netIncome);
    r.t1.setFloat("33099", ownExpenses);
    DependantInfoStruct dependants;
    dependants.AllocData(DependantInfoStruct::kEntries);
    DependantEntry& parent = *dependants.entry(0);
    parent.setFirstName("Rosa");
    parent.birthDate = QDate(1948, 3, 1);
    parent.relationship = DEP_REL_PARENT;
    parent.netIncome = dependantNetIncome;
    r.t1.SetDependantInfo(&dependants);
    if (dependantExpenses > 0) {
        r.t1.setInt("medical_expenses.1.patient", 2);   // the first dependant
        r.t1.setFloat("medical_expenses.1.amount", dependantExpenses);
    }
    r.calculate();
    QCOMPARE(r.form->getFloat("58689"), line58689);
    QCOMPARE(r.form->getFloat("58729"), line58729);
    QCOMPARE(r.form->getFloat("58769"), line58689 + line58729);
}

// Alberta political contributions tax credit: 75% of the first 200, 50% of
// the next 900, 33 1/3% of the next 1,200, at most 1,000, and never more than
// the tax. At 50,000 the tax is 5,000 - 19,369 x 10% (1,936.90) = 3,063.10.
void ProvincialTaxTest::politicalContributions_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("contributions");
    QTest::addColumn<double>("credit");

    QTest::newRow("AB none") << 1 << 50000.0 << 0.0 << 0.0;
    QTest::newRow("AB 200") << 1 << 50000.0 << 200.0 << 150.0;
    QTest::newRow("AB 201") << 1 << 50000.0 << 201.0 << 150.5;
    QTest::newRow("AB 1,100") << 1 << 50000.0 << 1100.0 << 600.0;
    QTest::newRow("AB 1,101") << 1 << 50000.0 << 1101.0 << 600.33;
    QTest::newRow("AB 2,300") << 1 << 50000.0 << 2300.0 << 1000.0;
    QTest::newRow("AB 4,000") << 1 << 50000.0 << 4000.0 << 1000.0;
    // At 20,000 the tax left is 2,000 - 1,936.90 = 63.10, less than the 550.
    QTest::newRow("AB held to tax") << 1 << 20000.0 << 1000.0 << 63.10;
    // Saskatchewan: 75% of the first 400, 50% of the next 350, 33 1/3% of the
    // next 525, at most 650. At 50,000 the tax is 45,677 x 10.5% (4,796.085)
    // + 4,323 x 12.5% (540.375) = 5,336.46, less 16,225 x 10.5% (1,703.63):
    // 3,632.83.
    QTest::newRow("SK 400") << 12 << 50000.0 << 400.0 << 300.0;
    QTest::newRow("SK 750") << 12 << 50000.0 << 750.0 << 475.0;
    QTest::newRow("SK 1,275") << 12 << 50000.0 << 1275.0 << 650.0;
    QTest::newRow("SK 1,276") << 12 << 50000.0 << 1276.0 << 650.0;
    QTest::newRow("SK 1,000") << 12 << 50000.0 << 1000.0 << 558.33;
    // British Columbia, Newfoundland and Labrador, Prince Edward Island: 75%
    // of the first 100, 50% of the next 450, 33 1/3% of the next 600, at
    // most 500.
    QTest::newRow("BC 100") << 2 << 50000.0 << 100.0 << 75.0;
    QTest::newRow("BC 550") << 2 << 50000.0 << 550.0 << 300.0;
    QTest::newRow("BC 1,000") << 2 << 50000.0 << 1000.0 << 450.0;
    QTest::newRow("BC 1,150") << 2 << 50000.0 << 1150.0 << 500.0;
    QTest::newRow("BC 2,000") << 2 << 50000.0 << 2000.0 << 500.0;
    QTest::newRow("NL 700") << 5 << 50000.0 << 700.0 << 350.0;
    QTest::newRow("NL 1,150") << 5 << 50000.0 << 1150.0 << 500.0;
    QTest::newRow("PE 1,000") << 10 << 50000.0 << 1000.0 << 450.0;
    QTest::newRow("PE 1,500") << 10 << 50000.0 << 1500.0 << 500.0;
    // Manitoba: 75% of the first 400, 50% of the next 350, 33 1/3% of the
    // next 1,575, at most 1,000.
    QTest::newRow("MB 750") << 3 << 50000.0 << 750.0 << 475.0;
    QTest::newRow("MB 1,500") << 3 << 50000.0 << 1500.0 << 725.0;
    QTest::newRow("MB 2,325") << 3 << 50000.0 << 2325.0 << 1000.0;
    QTest::newRow("MB 3,000") << 3 << 50000.0 << 3000.0 << 1000.0;
    // New Brunswick: 75% of the first 200, 50% of the next 350, 33 1/3% of
    // the next 525, at most 500.
    QTest::newRow("NB 200") << 4 << 50000.0 << 200.0 << 150.0;
    QTest::newRow("NB 800") << 4 << 50000.0 << 800.0 << 408.33;
    QTest::newRow("NB 1,075") << 4 << 50000.0 << 1075.0 << 500.0;
    // Yukon: as Saskatchewan.
    QTest::newRow("YT 750") << 13 << 50000.0 << 750.0 << 475.0;
    QTest::newRow("YT 1,000") << 13 << 50000.0 << 1000.0 << 558.33;
    QTest::newRow("YT 1,275") << 13 << 50000.0 << 1275.0 << 650.0;
    // Nova Scotia: 75% of it all, at most 750.
    QTest::newRow("NS 999") << 6 << 50000.0 << 999.0 << 749.25;
    QTest::newRow("NS 2,000") << 6 << 50000.0 << 2000.0 << 750.0;
    // The territories: 100% of the first 100, 50% of the next 800, at most 500.
    QTest::newRow("NT 100") << 7 << 50000.0 << 100.0 << 100.0;
    QTest::newRow("NT 500") << 7 << 50000.0 << 500.0 << 300.0;
    QTest::newRow("NT 900") << 7 << 50000.0 << 900.0 << 500.0;
}

void ProvincialTaxTest::politicalContributions()
{
    QFETCH(int, province);
    QFETCH(double, taxable);
    QFETCH(double, contributions);
    QFETCH(double, credit);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    r.setIncome(taxable);
    const char* line = province == 12 ? "63554" : province == 2 ? "60400" : "political_contributions";
    QVERIFY(r.form->setFloat(line, contributions));
    r.calculate();
    QCOMPARE(r.form->getFloat("political_contribution_tax_credit"), credit);
    const double taxBefore =
        roundToCents(std::max(0.0, r.form->getFloat("tax_on_taxable_income") - r.form->getFloat("61500")));
    QCOMPARE(r.form->getFloat("42800"), roundToCents(taxBefore - credit));
}

// Saskatchewan's amount for dependent children (6,155 each, line 58210) and
// senior supplementary amount (1,305 from 65, line 58220). At 30,000 of
// income the age amount is the full 4,943 (under the 36,794 threshold).
void ProvincialTaxTest::politicalCreditBeforeLowIncomeReduction()
{
    // Newfoundland and Labrador at 20,000: 1,740 - 829.63 = 910.37 of tax.
    // The political credit (500 on 1,150) comes first; the low-income
    // reduction (859) takes what is left, 410.37.
    ProvinceReturn r(5);
    QVERIFY(r.ready());
    r.setIncome(20000);
    QVERIFY(r.form->setFloat("political_contributions", 1150));
    r.calculate();
    QCOMPARE(r.form->getFloat("political_contribution_tax_credit"), 500.0);
    QCOMPARE(r.form->getFloat("low_income_tax_reduction"), 410.37);
    QCOMPARE(r.form->getFloat("42800"), 0.0);
}

void ProvincialTaxTest::saskatchewanAmounts_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("children");
    QTest::addColumn<int>("entered");               // line 58209 as entered; 0: none
    QTest::addColumn<double>("spouseTaxable");      // negative: no spouse
    QTest::addColumn<double>("childAmount");
    QTest::addColumn<double>("seniorAmount");
    QTest::addColumn<double>("total");              // line 58800

    QTest::newRow("single parent of two") << 41 << 2 << 0 << -1.0 << 12310.0 << 0.0 << 28535.0;  // 16,225 + 12,310
    QTest::newRow("no children") << 41 << 0 << 0 << -1.0 << 0.0 << 0.0 << 16225.0;
    QTest::newRow("64") << 64 << 0 << 0 << -1.0 << 0.0 << 0.0 << 16225.0;
    QTest::newRow("65") << 65 << 0 << 0 << -1.0 << 0.0 << 1305.0 << 22473.0;   // + 4,943 + 1,305
    QTest::newRow("65 with a child") << 65 << 1 << 0 << -1.0 << 6155.0 << 1305.0 << 28628.0;
    // Of a couple the lower taxable income claims the children.
    QTest::newRow("lower spouse claims") << 41 << 1 << 0 << 50000.0 << 6155.0 << 0.0 << 22380.0;
    QTest::newRow("higher spouse does not") << 41 << 1 << 0 << 20000.0 << 0.0 << 0.0 << 16225.0;
    QTest::newRow("count entered") << 41 << 1 << 3 << -1.0 << 18465.0 << 0.0 << 34690.0;
}

void ProvincialTaxTest::saskatchewanAmounts()
{
    QFETCH(int, age);
    QFETCH(int, children);
    QFETCH(int, entered);
    QFETCH(double, spouseTaxable);
    QFETCH(double, childAmount);
    QFETCH(double, seniorAmount);
    QFETCH(double, total);
    ProvinceReturn r(12);
    QVERIFY(r.ready());
    r.setIncome(30000);
    r.t1.setDate("birth_date", QDate(2021 - age, 6, 1));
    r.t1.setInt("dependants_children_0_to_18", children);
    if (spouseTaxable >= 0) {
        // The spouse's income is above the spouse amount's end (17,848).
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", spouseTaxable);
        r.t1.setFloat("spouse_taxable_income", spouseTaxable);
    }
    r.form->setInt("58209", entered);
    r.calculate();
    QCOMPARE(r.form->getFloat("58210"), childAmount);
    QCOMPARE(r.form->getFloat("58220"), seniorAmount);
    QCOMPARE(r.form->getFloat("58800"), total);
}

// The provincial S11 of a Newfoundland and Labrador student (basic amount
// 9,536, first bracket 8.7% to 38,081): past years' amounts first, then this
// year's, as far as the tax needs; this year's unused part may move, at most
// 5,000 of it.
void ProvincialTaxTest::tuition_data()
{
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("carried");
    QTest::addColumn<double>("fees");
    QTest::addColumn<double>("asked");
    QTest::addColumn<double>("used");
    QTest::addColumn<double>("transferred");
    QTest::addColumn<double>("left");

    // 20,000 - 9,536 = 10,464 needed: all 7,000 used.
    QTest::newRow("all used") << 20000.0 << 3000.0 << 4000.0 << 0.0 << 7000.0 << 0.0 << 0.0;
    // 12,000 - 9,536 = 2,464 needed, from the 3,000 of past years; this
    // year's 4,000 moves whole; 536 is left.
    QTest::newRow("past years first") << 12000.0 << 3000.0 << 4000.0 << 5000.0 << 2464.0 << 4000.0 << 536.0;
    // Nothing needed: at most 5,000 of this year's 8,000 moves.
    QTest::newRow("transfer limit") << 9000.0 << 0.0 << 8000.0 << 6000.0 << 0.0 << 5000.0 << 3000.0;
    // Past years' amounts never move.
    QTest::newRow("past years stay") << 9000.0 << 2000.0 << 0.0 << 1000.0 << 0.0 << 0.0 << 2000.0;
    // Above the first bracket the tax counts at 8.7%: 3,313.047 + 11,919 x
    // 14.5% = 5,041.30, / 8.7% = 57,945.98, less 9,536.
    QTest::newRow("above the first bracket") << 50000.0 << 50000.0 << 0.0 << 0.0 << 48409.98 << 0.0 << 1590.02;
}

void ProvincialTaxTest::tuition()
{
    QFETCH(double, taxable);
    QFETCH(double, carried);
    QFETCH(double, fees);
    QFETCH(double, asked);
    QFETCH(double, used);
    QFETCH(double, transferred);
    QFETCH(double, left);
    ProvinceReturn r(5);
    QVERIFY(r.ready());
    CTaxData_Form* s11 = r.manager().NewFormData(FormType::NLS11, true);
    QVERIFY(s11);
    r.setIncome(taxable);
    r.form->setFloat("unused_tuition_carried_forward", carried);
    r.t1.setFloat("t2202_tuition_fees", fees);
    s11->setFloat("transfer_amount", asked);
    r.calculate();
    QCOMPARE(r.form->getFloat("58560"), used);
    QCOMPARE(s11->getFloat("used_this_year"), used);
    QCOMPARE(s11->getFloat("transferred"), transferred);
    QCOMPARE(s11->getFloat("carried_forward"), left);
    QVERIFY(r.manager().FreeFormData(s11, true));
}

// The S11's education amount where the province kept one: the months the
// S11 gives, else the T2202 slips' (on the T1), full-time first and
// part-time in the months left, at the province's monthly amounts. At
// 20,000 of income the tax needs all of it but in Nunavut (20,000 - 16,467
// = 3,533).
void ProvincialTaxTest::educationAmount_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("formS11");
    QTest::addColumn<int>("enteredFullTime");
    QTest::addColumn<int>("enteredPartTime");
    QTest::addColumn<double>("slipsFullTime");
    QTest::addColumn<double>("slipsPartTime");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("used");           // line 58560

    QTest::newRow("NS full-time entered") << 6 << FormType::NSS11 << 8 << 0 << 0.0 << 0.0 << 1600.0 << 1600.0;
    QTest::newRow("NS part-time entered") << 6 << FormType::NSS11 << 0 << 4 << 0.0 << 0.0 << 240.0 << 240.0;
    QTest::newRow("NS entered months over the slips'") << 6 << FormType::NSS11 << 2 << 0 << 8.0 << 0.0 << 400.0
                                                         << 400.0;
    QTest::newRow("PE from the slips") << 10 << FormType::PES11 << 0 << 0 << 8.0 << 0.0 << 3200.0 << 3200.0;
    QTest::newRow("MB from the slips") << 3 << FormType::MBS11 << 0 << 0 << 4.0 << 3.0 << 1960.0 << 1960.0;
    QTest::newRow("NL part-time") << 5 << FormType::NLS11 << 0 << 6 << 0.0 << 0.0 << 360.0 << 360.0;
    // 10 full-time months leave 2 of the 5 part-time ones.
    QTest::newRow("NT a month counts once") << 7 << FormType::NTS11 << 10 << 5 << 0.0 << 0.0 << 4240.0 << 4240.0;
    QTest::newRow("NU held to the tax") << 8 << FormType::NUS11 << 12 << 0 << 0.0 << 0.0 << 4800.0 << 3533.0;
    QTest::newRow("ON has none") << 9 << FormType::ONS11 << 8 << 0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("BC has none") << 2 << FormType::BCS11 << 0 << 0 << 8.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("AB has none") << 1 << FormType::ABS11 << 8 << 0 << 0.0 << 0.0 << 0.0 << 0.0;
}

void ProvincialTaxTest::educationAmount()
{
    QFETCH(int, province);
    QFETCH(int, formS11);
    QFETCH(int, enteredFullTime);
    QFETCH(int, enteredPartTime);
    QFETCH(double, slipsFullTime);
    QFETCH(double, slipsPartTime);
    QFETCH(double, amount);
    QFETCH(double, used);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    CTaxData_Form* s11 = r.manager().NewFormData(formS11, true);
    QVERIFY(s11);
    r.setIncome(20000);
    r.t1.setFloat("t2202_months_full_time", slipsFullTime);
    r.t1.setFloat("t2202_months_part_time", slipsPartTime);
    s11->setInt("education_months_full_time", enteredFullTime);
    s11->setInt("education_months_part_time", enteredPartTime);
    r.calculate();
    QCOMPARE(s11->getFloat("education_amount"), amount);
    QCOMPARE(s11->getFloat("current_year_amount"), amount);
    QCOMPARE(r.form->getFloat("58560"), used);
    QCOMPARE(s11->getFloat("carried_forward"), amount - used);
    QVERIFY(r.manager().FreeFormData(s11, true));
}

// MB428 Part B: the family tax benefit (line 61470) follows the tuition
// line, so the MB(S11) measures the tax without it. At 20,000: the tuition
// needed is 20,000 - 9,936 = 10,064 of the 20,000 of fees, and the benefit
// 2,065 - 1,800 = 265 comes on top in line 58800.
void ProvincialTaxTest::manitobaFamilyBenefitAfterTuition()
{
    ProvinceReturn r(3);
    QVERIFY(r.ready());
    CTaxData_Form* s11 = r.manager().NewFormData(FormType::MBS11, true);
    QVERIFY(s11);
    r.setIncome(20000);
    r.t1.setFloat("t2202_tuition_fees", 20000);
    r.calculate();
    QCOMPARE(r.form->getFloat("58560"), 10064.0);
    QCOMPARE(r.form->getFloat("61470"), 265.0);
    QCOMPARE(r.form->getFloat("58800"), 20265.0);
    QVERIFY(r.manager().FreeFormData(s11, true));
}

// The provincial foreign tax credit (T2036): each country's non-business
// tax the federal credit left, at most its income's share of the tax
// otherwise payable; never more than that tax. New Brunswick at 50,000:
// 5,034.143 - 993.02 = 4,041.12. Ontario at 100,000: 7,494.41 - 549.44 =
// 6,944.97, and with the surtax (669.06) 7,614.03, against which Ontario
// measures the credit (after its tax reduction, nil here).
void ProvincialTaxTest::foreignTaxCredit_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("taxable");
    QTest::addColumn<QStringList>("countries");     // "income:tax not credited federally"
    QTest::addColumn<double>("first");              // the first country's credit
    QTest::addColumn<double>("total");              // the 428's line
    QTest::addColumn<double>("political");          // political contributions on the 428

    QTest::newRow("NB share of the tax") << 4 << 50000.0 << QStringList{"5000:1000"} << 404.11 << 404.11 << 0.0;
    QTest::newRow("NB tax paid") << 4 << 50000.0 << QStringList{"5000:300"} << 300.0 << 300.0 << 0.0;
    QTest::newRow("NB nothing paid") << 4 << 50000.0 << QStringList{"5000:0"} << 0.0 << 0.0 << 0.0;
    // 80% of 4,041.12 = 3,232.90; the second's 60% (2,424.67) is held to the
    // 808.22 left.
    QTest::newRow("NB two countries held to the tax") << 4 << 50000.0 << QStringList{"40000:5000", "30000:5000"}
                                                        << 3232.90 << 4041.12 << 0.0;
    QTest::newRow("ON after the surtax") << 9 << 100000.0 << QStringList{"10000:2000"} << 761.40 << 761.40 << 0.0;
    // Ontario at 20,000: 1,010 - 549.44 = 460.56, less the tax reduction
    // 502 - 460.56 = 41.44: half of 419.12.
    QTest::newRow("ON after the tax reduction") << 9 << 20000.0 << QStringList{"10000:1000"} << 209.56 << 209.56 << 0.0;
    // Prince Edward Island at 20,000: 1,960 - 1,029 = 931, less the
    // low-income reduction 350 - 1,000 x 5% = 300: half of 631.
    // Manitoba at 50,000: 3,642.084 + 16,277 x 12.75% (2,075.3175) = 5,717.40
    // - 9,936 x 10.8% (1,073.09) = 4,644.31, less the political credit on
    // 750 (475) = 4,169.31: a tenth of it.
    QTest::newRow("MB after the political credit") << 3 << 50000.0 << QStringList{"5000:1000"} << 416.93 << 416.93
                                                     << 750.0;
    QTest::newRow("PE after the low-income reduction") << 10 << 20000.0 << QStringList{"10000:1000"} << 315.50
                                                         << 315.50 << 0.0;
    // Where the 428 puts the foreign tax credit ahead of its own credits, the
    // political contribution credit does not shrink the tax it is measured
    // against: a tenth of the tax at 50,000 after the basic credits.
    // Alberta: 5,000 - 1,936.90 = 3,063.10.
    QTest::newRow("AB before the political credit") << 1 << 50000.0 << QStringList{"5000:1000"} << 306.31 << 306.31
                                                      << 1100.0;
    // Saskatchewan: 5,336.46 - 1,703.63 = 3,632.83.
    QTest::newRow("SK before the political credit") << 12 << 50000.0 << QStringList{"5000:1000"} << 363.28 << 363.28
                                                      << 1000.0;
    // Yukon: 49,020 x 6.4% (3,137.28) + 980 x 9% (88.20) - 13,808 x 6.4% (883.71) = 2,341.77.
    QTest::newRow("YT before the political credit") << 13 << 50000.0 << QStringList{"5000:1000"} << 234.18 << 234.18
                                                      << 1000.0;
    // Northwest Territories: 44,396 x 5.9% (2,619.364) + 5,604 x 8.6% (481.944)
    // - 15,243 x 5.9% (899.34) = 2,201.97.
    QTest::newRow("NT before the political credit") << 7 << 50000.0 << QStringList{"5000:1000"} << 220.20 << 220.20
                                                      << 500.0;
    // Nunavut (its political credit is on the NU479): 2,097.80 - 658.68 = 1,439.12.
    QTest::newRow("NU on the whole tax") << 8 << 50000.0 << QStringList{"5000:1000"} << 143.91 << 143.91 << 0.0;
}

void ProvincialTaxTest::foreignTaxCredit()
{
    QFETCH(int, province);
    QFETCH(double, taxable);
    QFETCH(QStringList, countries);
    QFETCH(double, first);
    QFETCH(double, total);
    QFETCH(double, political);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    r.setIncome(taxable);
    if (political > 0) QVERIFY(r.form->setFloat(province == 12 ? "63554" : "political_contributions", political));
    std::vector<std::unique_ptr<TaxData_T2209_2036>> forms;
    for (const QString& country : countries) {
        forms.push_back(std::make_unique<TaxData_T2209_2036>());
        forms.back()->setFloat("provincial_foreign_income", country.section(':', 0, 0).toDouble());
        forms.back()->setFloat("provincial_foreign_tax", country.section(':', 1, 1).toDouble());
        forms.back()->setFloat("provincial_net_income", taxable);
        r.foreign.push_back(forms.back().get());
    }
    r.calculate();
    QCOMPARE(forms.front()->getFloat("provincial_credit"), first);
    QCOMPARE(r.form->getFloat("provincial_foreign_tax_credit"), total);
}

void ProvincialTaxTest::refundableCredits_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("form479");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<int>("age");
    QTest::addColumn<double>("spouseNetIncome");   // negative: no spouse
    QTest::addColumn<QStringList>("entries");      // "field=value" on the 479
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expected");
    const QStringList none;

    // Ontario political contribution credit (refundable, ON479): 75% to 427,
    // 50% to 1,423, 33.33% above, at most 1,423; paid in full with no tax.
    // 427 x 75% = 320.25
    QTest::newRow("ON political 427") << 9 << FormType::ON479 << 50000.0 << 41 << -1.0
        << QStringList{"63110=427"} << "political_contribution_tax_credit" << 320.25;
    // 320.25 + (1,423 - 427) x 50% (498.00) = 818.25
    QTest::newRow("ON political 1,423") << 9 << FormType::ON479 << 50000.0 << 41 << -1.0
        << QStringList{"63110=1423"} << "political_contribution_tax_credit" << 818.25;
    // 818.25 + 577 x 33.33% (192.3141) = 1,010.5641
    QTest::newRow("ON political 2,000") << 9 << FormType::ON479 << 50000.0 << 41 << -1.0
        << QStringList{"63110=2000"} << "political_contribution_tax_credit" << 1010.56;
    // 818.25 + 1,877 x 33.33% = 1,443.85, held to the 1,423 maximum
    QTest::newRow("ON political 3,300") << 9 << FormType::ON479 << 50000.0 << 41 << -1.0
        << QStringList{"63110=3300"} << "47900" << 1423.0;
    QTest::newRow("ON political without tax") << 9 << FormType::ON479 << 8000.0 << 41 << -1.0
        << QStringList{"63110=400"} << "47900" << 300.0;

    // Newfoundland and Labrador physical activity credit: 8.7% of the fees, at most 2,000.
    QTest::newRow("NL activity 900") << 5 << FormType::NL479 << 50000.0 << 41 << -1.0
        << QStringList{"physical_activity_expenses=900"} << "47900" << 78.30;
    QTest::newRow("NL activity 2,000") << 5 << FormType::NL479 << 50000.0 << 41 << -1.0
        << QStringList{"physical_activity_expenses=2000"} << "physical_activity_tax_credit" << 174.0;
    QTest::newRow("NL activity over 2,000") << 5 << FormType::NL479 << 50000.0 << 41 << -1.0
        << QStringList{"physical_activity_expenses=2500"} << "62000" << 2000.0;
    // 2,500 - 300 assistance = 2,200, capped at 2,000, less 500 the spouse claims.
    QTest::newRow("NL activity shared") << 5 << FormType::NL479 << 50000.0 << 41 << -1.0
        << QStringList{"physical_activity_expenses=2500", "physical_activity_assistance=300",
                       "physical_activity_claimed_by_others=500"} << "physical_activity_tax_credit" << 130.50;
    QTest::newRow("NL no activity") << 5 << FormType::NL479 << 50000.0 << 41 << -1.0 << none << "47900" << 0.0;

    // Northwest Territories basic credit for self: 2.6% to 12,000; 312 +
    // 1.25% to 48,000; 762 + 1% to 66,000; 942 from there.
    QTest::newRow("NT 12,000") << 7 << FormType::NT479 << 12000.0 << 41 << -1.0 << none << "62460" << 312.0;
    QTest::newRow("NT 12,001") << 7 << FormType::NT479 << 12001.0 << 41 << -1.0 << none << "62460" << 312.01;
    QTest::newRow("NT 48,000") << 7 << FormType::NT479 << 48000.0 << 41 << -1.0 << none << "62460" << 762.0;
    QTest::newRow("NT 48,001") << 7 << FormType::NT479 << 48001.0 << 41 << -1.0 << none << "62460" << 762.01;
    QTest::newRow("NT 65,999") << 7 << FormType::NT479 << 65999.0 << 41 << -1.0 << none << "62460" << 941.99;
    QTest::newRow("NT 66,000") << 7 << FormType::NT479 << 66000.0 << 41 << -1.0 << none << "47900" << 942.0;
    // Treaty-exempt income leaves the adjusted net income: 15,000 - 3,000.
    QTest::newRow("NT treaty income") << 7 << FormType::NT479 << 15000.0 << 41 << -1.0
        << QStringList{"62450=3000"} << "62460" << 312.0;
    // Supplement: 350 less the basic credit (10,000 x 2.6% = 260).
    QTest::newRow("NT supplement single") << 7 << FormType::NT479 << 10000.0 << 41 << -1.0 << none
        << "cost_of_living_supplement" << 90.0;
    QTest::newRow("NT supplement total") << 7 << FormType::NT479 << 10000.0 << 41 << -1.0 << none << "47900" << 350.0;
    QTest::newRow("NT no supplement under 18") << 7 << FormType::NT479 << 10000.0 << 17 << -1.0
        << none << "47900" << 260.0;
    // A couple: 700 less both basic credits (260 + 100), claimed once.
    QTest::newRow("NT supplement couple") << 7 << FormType::NT479 << 10000.0 << 41 << 5000.0
        << QStringList{"claim_supplement=1", "spouse_basic_credit=100"} << "cost_of_living_supplement" << 340.0;
    QTest::newRow("NT supplement spouse claims") << 7 << FormType::NT479 << 10000.0 << 41 << 5000.0
        << QStringList{"spouse_basic_credit=100"} << "cost_of_living_supplement" << 0.0;

    // Nunavut: 2% of adjusted net income to 1,500; a single parent's
    // supplement 2% over 60,000 to 255.12.
    QTest::newRow("NU 59,618") << 8 << FormType::NU479 << 59618.0 << 41 << -1.0 << none << "47900" << 1192.36;
    QTest::newRow("NU 74,999") << 8 << FormType::NU479 << 74999.0 << 41 << -1.0
        << none << "cost_of_living_tax_credit" << 1499.98;
    QTest::newRow("NU 75,000") << 8 << FormType::NU479 << 75000.0 << 41 << -1.0
        << none << "cost_of_living_tax_credit" << 1500.0;
    QTest::newRow("NU not single parent") << 8 << FormType::NU479 << 70000.0 << 41 << -1.0 << none << "63940" << 0.0;
    QTest::newRow("NU single parent 60,000") << 8 << FormType::NU479 << 60000.0 << 41 << -1.0
        << QStringList{"single_parent=1"} << "63940" << 0.0;
    QTest::newRow("NU single parent 70,000") << 8 << FormType::NU479 << 70000.0 << 41 << -1.0
        << QStringList{"single_parent=1"} << "63990" << 1600.0;   // 70,000 x 2% + 10,000 x 2%
    QTest::newRow("NU single parent 80,000") << 8 << FormType::NU479 << 80000.0 << 41 << -1.0
        << QStringList{"single_parent=1"} << "63940" << 255.12;
    QTest::newRow("NU treaty income") << 8 << FormType::NU479 << 60000.0 << 41 << -1.0
        << QStringList{"62450=5000"} << "cost_of_living_tax_credit" << 1100.0;
    // Nunavut's political contribution credit (NU479, as the territories'
    // scale: 100% of the first 100, 50% of the next 800, at most 500), held
    // to the Nunavut tax less the cost of living credit. At 50,000 the tax is
    // 46,740 x 4% (1,869.60) + 3,260 x 7% (228.20) - 16,467 x 4% (658.68) =
    // 1,439.12, and the cost of living credit 1,000.
    QTest::newRow("NU political 50") << 8 << FormType::NU479 << 50000.0 << 41 << -1.0
        << QStringList{"political_contributions=50"} << "political_contribution_tax_credit" << 50.0;
    QTest::newRow("NU political 500") << 8 << FormType::NU479 << 50000.0 << 41 << -1.0
        << QStringList{"political_contributions=500"} << "47900" << 1300.0;
    QTest::newRow("NU political held to tax") << 8 << FormType::NU479 << 50000.0 << 41 << -1.0
        << QStringList{"political_contributions=2000"} << "political_contribution_tax_credit" << 439.12;
    // At 20,000 the tax (800 - 658.68 = 141.32) is less than the cost of
    // living credit (400): no political credit.
    QTest::newRow("NU political without tax") << 8 << FormType::NU479 << 20000.0 << 41 << -1.0
        << QStringList{"political_contributions=300"} << "47900" << 400.0;
}

void ProvincialTaxTest::refundableCredits()
{
    QFETCH(int, province);
    QFETCH(int, form479);
    QFETCH(double, netIncome);
    QFETCH(int, age);
    QFETCH(double, spouseNetIncome);
    QFETCH(QStringList, entries);
    QFETCH(QString, line);
    QFETCH(double, expected);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    CTaxData_Form* form = r.manager().NewFormData(form479, true);
    QVERIFY(form);
    r.setIncome(netIncome);
    r.t1.setDate("birth_date", QDate(2021 - age, 6, 1));
    if (spouseNetIncome >= 0) {
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", spouseNetIncome);
    }
    for (const QString& entry : entries) {
        const QStringList parts = entry.split('=');
        const QByteArray name = parts.value(0).toUtf8();
        if (form->field(CString(name))->GetType() == CField::Bool)
            QVERIFY(form->setBool(name.constData(), parts.value(1) == "1"));
        else
            QVERIFY(form->setFloat(name.constData(), parts.value(1).toDouble()));
    }
    r.calculate();
    const QByteArray name = line.toUtf8();
    QCOMPARE(form->getFloat(name.constData()), expected);
    // The 479's total is the return's line 47900.
    QCOMPARE(r.t1.getFloat("47900"), form->getFloat("47900"));
    QVERIFY(r.manager().FreeFormData(form, true));
}

void ProvincialTaxTest::otherProvinceLeavesTheReturnAlone()
{
    // An Ontario library offered a British Columbia return computes nothing.
    ProvinceReturn r(9);
    QVERIFY(r.ready());
    r.t1.setInt("province", 2);
    r.setIncome(50000);
    r.t1.setFloat("42800", 123.45);
    r.calculate();
    QCOMPARE(r.t1.getFloat("42800"), 123.45);
    QCOMPARE(r.form->getFloat("tax_on_taxable_income"), 0.0);

    // Its own return gets line 42800: at 50,000, 2,279.67 + 4,858 x 9.15%
    // (444.51) = 2,724.18 - 549.44 = 2,174.74; no surtax, no reduction, no
    // LIFT without earnings; premium 450 + 2,000 x 25% = 950, capped at 600.
    r.t1.setInt("province", 9);
    r.calculate();
    QCOMPARE(r.t1.getFloat("42800"), 2774.74);
    QCOMPARE(r.t1.getFloat("provincial_credits"), 549.44);
}

void ProvincialTaxTest::spouseTransferThroughTheExchange()
{
    // A 70-year-old Ontario spouse with a 1,504 pension amount and the full
    // 5,312 age amount may transfer 6,816, less what the spouse's income
    // over the 10,880 basic amount needs: at 20,000 that is 9,120, more
    // than 6,816, so nothing; at 12,000 it is 1,120, and 5,696 transfers.
    ProvinceReturn spouse(9), own(9);
    QVERIFY(spouse.ready() && own.ready());
    CTaxData_Form* s2 = own.manager().NewFormData(FormType::ONS2, true);
    QVERIFY(s2);
    spouse.t1.setDate("birth_date", QDate(1951, 3, 1));
    spouse.t1.setFloat("31400", 2000);
    for (const auto& [income, transferred] : {std::pair<double, double>{20000, 0}, {12000, 5696}}) {
        spouse.setIncome(income);
        spouse.calculate();
        own.manager().ExchangeCoupledInfoForProvTax_MainlyS2(&spouse.manager());
        QCOMPARE(s2->getFloat("amount_transferred"), transferred);
    }
    own.setIncome(60000);
    own.t1.setInt("marital_status", MARITAL_MARRIED);
    own.t1.setFloat("spouse_net_income", 12000);
    own.calculate();
    QCOMPARE(own.form->getFloat("58640"), 5696.0);
    QVERIFY(own.manager().FreeFormData(s2, true));
}

void ProvincialTaxTest::saskatchewanTransferThroughTheExchange()
{
    // A 70-year-old Saskatchewan spouse with 12,000 of income, the lower of
    // the couple, claims their child (6,155), the senior supplementary
    // amount (1,305) and the full age amount (4,943); the 16,225 basic
    // amount covers the 12,000, so all 12,403 transfer on the SK(S2).
    ProvinceReturn spouse(12), own(12);
    QVERIFY(spouse.ready() && own.ready());
    CTaxData_Form* s2 = own.manager().NewFormData(FormType::SKS2, true);
    QVERIFY(s2);
    spouse.t1.setDate("birth_date", QDate(1951, 3, 1));
    spouse.t1.setInt("marital_status", MARITAL_MARRIED);
    spouse.t1.setFloat("spouse_net_income", 60000);
    spouse.t1.setFloat("spouse_taxable_income", 60000);
    spouse.t1.setInt("dependants_children_0_to_18", 1);
    spouse.setIncome(12000);
    spouse.calculate();
    QCOMPARE(spouse.form->getFloat("58210"), 6155.0);
    own.manager().ExchangeCoupledInfoForProvTax_MainlyS2(&spouse.manager());
    QCOMPARE(s2->getFloat("spouse_dependent_children_amount"), 6155.0);
    QCOMPARE(s2->getFloat("spouse_senior_supplementary_amount"), 1305.0);
    QCOMPARE(s2->getFloat("amount_transferred"), 12403.0);
    QVERIFY(own.manager().FreeFormData(s2, true));
}

void ProvincialTaxTest::tuitionTransferThroughTheExchange()
{
    // A Newfoundland and Labrador student spouse with 12,000 of income needs
    // 2,464 of this year's 4,000 (12,000 - 9,536) and designates the rest,
    // 1,536, on their S11. Their tax is nil with it, so all of it moves.
    ProvinceReturn spouse(5), own(5);
    QVERIFY(spouse.ready() && own.ready());
    CTaxData_Form* s11 = spouse.manager().NewFormData(FormType::NLS11, true);
    CTaxData_Form* s2 = own.manager().NewFormData(FormType::NLS2, true);
    QVERIFY(s11 && s2);
    spouse.setIncome(12000);
    spouse.t1.setFloat("t2202_tuition_fees", 4000);
    s11->setFloat("transfer_amount", 5000);
    spouse.calculate();
    QCOMPARE(spouse.form->getFloat("58560"), 2464.0);
    own.manager().ExchangeCoupledInfoForProvTax_MainlyS2(&spouse.manager());
    QCOMPARE(s2->getFloat("spouse_tuition_designated"), 1536.0);
    QCOMPARE(s2->getFloat("spouse_credits_used"), 0.0);
    QCOMPARE(s2->getFloat("amount_transferred"), 1536.0);
    QVERIFY(own.manager().FreeFormData(s2, true));
    QVERIFY(spouse.manager().FreeFormData(s11, true));
}

void ProvincialTaxTest::novaScotiaReductionFromNineteen()
{
    // Nova Scotia at 16,000 (tax left 397.22): 250 at 19; nothing at 18 for
    // one alone without a child.
    for (auto [age, reduction] : {std::pair{19, 250.0}, std::pair{18, 0.0}}) {
        ProvinceReturn r(6);
        QVERIFY(r.ready());
        r.setIncome(16000);
        r.t1.setDate("birth_date", QDate(2021 - age, 6, 1));
        r.calculate();
        QCOMPARE(r.form->getFloat("low_income_tax_reduction"), reduction);
    }
}

void ProvincialTaxTest::familyReductionClaimedOnceBetweenEqualSpouses()
{
    // Prince Edward Island spouses with 14,000 each: 700 - 5% x (28,000 -
    // 19,000) = 250, within either's tax (1,372 - 1,029 = 343). Equal net
    // incomes: the smaller social insurance number claims it, once.
    ProvinceReturn first(10), second(10);
    QVERIFY(first.ready() && second.ready());
    for (auto [person, sin, spouseSin] : {std::tuple{&first, "046454286", "130692544"},
                                          std::tuple{&second, "130692544", "046454286"}}) {
        person->setIncome(14000);
        person->t1.setInt("marital_status", MARITAL_MARRIED);
        person->t1.setFloat("spouse_net_income", 14000);
        person->t1.setString("sin", sin);
        person->t1.setString("spouse_sin", spouseSin);
        person->calculate();
    }
    QCOMPARE(first.form->getFloat("low_income_tax_reduction"), 250.0);
    QCOMPARE(second.form->getFloat("low_income_tax_reduction"), 0.0);
}

// The family low-income reduction the higher-income spouse claims and the
// part their tax leaves, which the other spouse's 428 takes.
void ProvincialTaxTest::lowIncomeReductionToTheSpouse_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("claimantIncome");
    QTest::addColumn<double>("otherIncome");
    QTest::addColumn<double>("unused");     // on the claimant's 428
    QTest::addColumn<double>("taken");      // by the other spouse
    QTest::addColumn<double>("otherTax");   // the other spouse's line 42800

    // New Brunswick, 16,000 and 15,000: 1,370 - 3% x (31,000 - 17,840) =
    // 975.20; the claimant's tax (1,504 - 993.02 = 510.98) leaves 464.22; the
    // other's tax, 1,410 - 993.02 = 416.98, takes all it can.
    QTest::newRow("NB") << 4 << 16000.0 << 15000.0 << 464.22 << 416.98 << 0.0;
    // Newfoundland and Labrador, 17,000 and 16,000: 1,338 - 16% x (33,000 -
    // 34,866, nil) = 1,338; the claimant's tax (1,479 - 829.63 = 649.37)
    // leaves 688.63; the other's, 1,392 - 829.63 = 562.37, is wiped out.
    QTest::newRow("NL") << 5 << 17000.0 << 16000.0 << 688.63 << 562.37 << 0.0;
    // Prince Edward Island, 14,000 and 13,000: 350 + 350 = 700 - 5% x
    // (27,000 - 19,000) = 300; the claimant's tax (1,372 - 1,029 = 343) takes
    // it all: nothing moves, the other keeps their tax (1,274 - 1,029).
    QTest::newRow("PE nothing left") << 10 << 14000.0 << 13000.0 << 0.0 << 0.0 << 245.0;
}

void ProvincialTaxTest::lowIncomeReductionToTheSpouse()
{
    QFETCH(int, province);
    QFETCH(double, claimantIncome);
    QFETCH(double, otherIncome);
    QFETCH(double, unused);
    QFETCH(double, taken);
    QFETCH(double, otherTax);
    ProvinceReturn claimant(province), other(province);
    QVERIFY(claimant.ready() && other.ready());
    for (auto [person, own, spouse] : {std::tuple{&claimant, claimantIncome, otherIncome},
                                       std::tuple{&other, otherIncome, claimantIncome}}) {
        person->setIncome(own);
        person->t1.setInt("marital_status", MARITAL_MARRIED);
        person->t1.setFloat("spouse_net_income", spouse);
        person->calculate();
    }
    QCOMPARE(claimant.form->getFloat("low_income_tax_reduction_unused"), unused);
    QCOMPARE(other.form->getFloat("low_income_tax_reduction"), 0.0);
    other.manager().ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(&claimant.manager());
    QCOMPARE(other.form->getFloat("low_income_tax_reduction_from_spouse"), unused);
    QCOMPARE(claimant.form->getFloat("low_income_tax_reduction_from_spouse"), 0.0);
    other.calculate();
    claimant.calculate();
    QCOMPARE(other.form->getFloat("low_income_tax_reduction"), taken);
    QCOMPARE(other.form->getFloat("42800"), otherTax);
    QCOMPARE(claimant.form->getFloat("low_income_tax_reduction_unused"), unused);
}

// The S11's fees for 2021 are the T2202 slips' (as on Schedule 11), where
// the province still credits them; a figure left on the S11 from before is
// replaced. At 20,000 of income the tax needs all 1,000 of them.
void ProvincialTaxTest::tuitionFromTheSlips_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("formS11");
    QTest::addColumn<double>("fees");            // eligible_tuition_fees and line 58560
    const std::tuple<const char*, int, int, bool> rows[] = {
        {"BC", 2, FormType::BCS11, true},  {"MB", 3, FormType::MBS11, true},  {"NB", 4, FormType::NBS11, true},
        {"NL", 5, FormType::NLS11, true},  {"NS", 6, FormType::NSS11, true},  {"NT", 7, FormType::NTS11, true},
        {"NU", 8, FormType::NUS11, true},  {"PE", 10, FormType::PES11, true}, {"AB ended 2020", 1, FormType::ABS11, false},
        {"ON ended 2017", 9, FormType::ONS11, false}, {"SK ended 2017", 12, FormType::SKS11, false},
        {"YT ended 2017", 13, FormType::YTS11, false},
    };
    for (const auto& [name, province, formS11, credited] : rows)
        QTest::newRow(name) << province << formS11 << (credited ? 1000.0 : 0.0);
}

void ProvincialTaxTest::tuitionFromTheSlips()
{
    QFETCH(int, province);
    QFETCH(int, formS11);
    QFETCH(double, fees);
    ProvinceReturn r(province);
    QVERIFY(r.ready());
    CTaxData_Form* s11 = r.manager().NewFormData(formS11, true);
    QVERIFY(s11);
    r.setIncome(20000);
    r.t1.setFloat("t2202_tuition_fees", 1000);
    s11->setFloat("eligible_tuition_fees", 5000);   // typed in an older version
    r.calculate();
    QCOMPARE(s11->getFloat("eligible_tuition_fees"), fees);
    QCOMPARE(r.form->getFloat("58560"), fees);
    QVERIFY(r.manager().FreeFormData(s11, true));
}

// ON428 lines 60969 and 60970 counted from the return, the dependants
// claimed only by the spouse with the higher net income. At 40,000: Ontario
// tax 2,020.00 - 549.44 = 1,470.56; 2 x (251 + 464 n) less it. With 8,800
// of the spouse's disability amount transferred on ON(S2): credits 19,680 x
// 5.05% = 993.84, tax 1,026.16, and the reduction takes all of it.
void ProvincialTaxTest::ontarioReductionCountsDependants_data()
{
    QTest::addColumn<double>("spouseNetIncome");   // -1: no spouse
    QTest::addColumn<int>("children");
    QTest::addColumn<int>("infirm");
    QTest::addColumn<double>("spouseDisability");
    QTest::addColumn<int>("line60969");
    QTest::addColumn<int>("line60970");
    QTest::addColumn<double>("reduction");

    QTest::newRow("alone, no dependant") << -1.0 << 0 << 0 << 0.0 << 0 << 0 << 0.0;
    QTest::newRow("single parent of two") << -1.0 << 2 << 0 << 0.0 << 2 << 0 << 887.44;
    QTest::newRow("a child and an impaired adult") << -1.0 << 1 << 1 << 0.0 << 1 << 1 << 887.44;
    QTest::newRow("higher-income spouse claims") << 30000.0 << 2 << 0 << 0.0 << 2 << 0 << 887.44;
    QTest::newRow("lower-income spouse does not") << 60000.0 << 2 << 1 << 0.0 << 0 << 0 << 0.0;
    QTest::newRow("spouse's disability transferred") << 30000.0 << 2 << 0 << 8800.0 << 2 << 1 << 1026.16;
}

void ProvincialTaxTest::ontarioReductionCountsDependants()
{
    QFETCH(double, spouseNetIncome);
    QFETCH(int, children);
    QFETCH(int, infirm);
    QFETCH(double, spouseDisability);
    QFETCH(int, line60969);
    QFETCH(int, line60970);
    QFETCH(double, reduction);
    ProvinceReturn r(9);
    QVERIFY(r.ready());
    CTaxData_Form* s2 = r.manager().NewFormData(FormType::ONS2, true);
    QVERIFY(s2);
    r.setIncome(40000);
    if (spouseNetIncome >= 0) {
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", spouseNetIncome);
    }
    r.t1.setInt("dependants_children_0_to_18", children);
    r.t1.setInt("dependants_infirm", infirm);
    s2->setFloat("spouse_disability_amount", spouseDisability);
    r.form->setInt("60969", 7);     // a count typed in an older version is replaced
    r.calculate();
    QCOMPARE(r.form->getInt("60969"), line60969);
    QCOMPARE(r.form->getInt("60970"), line60970);
    QCOMPARE(r.form->getFloat("tax_reduction"), reduction);
    QVERIFY(r.manager().FreeFormData(s2, true));
}

// Schedule MB428-A at 20,000 of net income (line 11: 1,800): line 1 2,065;
// line 6, the spouse's disability amount on MB(S2), 2,752; line 8, each
// disabled dependant 18 or older, 2,752, claimed by the spouse with the
// higher net income only.
void ProvincialTaxTest::manitobaFamilyBenefitDisability_data()
{
    QTest::addColumn<double>("spouseNetIncome");   // -1: no spouse
    QTest::addColumn<double>("spouseDisability");
    QTest::addColumn<int>("infirmAdults");
    QTest::addColumn<double>("line60710");
    QTest::addColumn<int>("line60740");
    QTest::addColumn<double>("benefit");

    QTest::newRow("alone") << -1.0 << 0.0 << 0 << 0.0 << 0 << 265.0;
    QTest::newRow("a disabled adult son") << -1.0 << 0.0 << 1 << 0.0 << 1 << 3017.0;
    QTest::newRow("two disabled adults") << -1.0 << 0.0 << 2 << 0.0 << 2 << 5769.0;
    // The spouse's own net income of 25,000 is over the spouse amount: no line 2.
    QTest::newRow("spouse's disability") << 25000.0 << 6180.0 << 0 << 2752.0 << 0 << 3017.0;
    QTest::newRow("lower-income spouse counts no dependant") << 25000.0 << 0.0 << 1 << 0.0 << 0 << 265.0;
    QTest::newRow("higher-income spouse counts them") << 15000.0 << 0.0 << 1 << 0.0 << 1 << 3017.0;
}

void ProvincialTaxTest::manitobaFamilyBenefitDisability()
{
    QFETCH(double, spouseNetIncome);
    QFETCH(double, spouseDisability);
    QFETCH(int, infirmAdults);
    QFETCH(double, line60710);
    QFETCH(int, line60740);
    QFETCH(double, benefit);
    ProvinceReturn r(3);
    QVERIFY(r.ready());
    CTaxData_Form* s2 = r.manager().NewFormData(FormType::MBS2, true);
    QVERIFY(s2);
    r.setIncome(20000);
    if (spouseNetIncome >= 0) {
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", spouseNetIncome);
    }
    r.t1.setInt("dependants_infirm_18_or_older", infirmAdults);
    s2->setFloat("spouse_disability_amount", spouseDisability);
    r.calculate();
    QCOMPARE(r.form->getFloat("60710"), line60710);
    QCOMPARE(r.form->getInt("60740"), line60740);
    QCOMPARE(r.form->getFloat("61470"), benefit);
    QVERIFY(r.manager().FreeFormData(s2, true));
}

// MB479 personal tax credit: 195 for self and for a spouse, 113 for each
// age and disability claim, 62 a disabled adult dependant, 26 a child, less
// 1% of family net income; one claim a family, by the spouse with the
// higher net income; none under 16, nor under 19 alone without a child.
void ProvincialTaxTest::manitobaPersonalTaxCredit_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("spouseNetIncome");   // -1: no spouse
    QTest::addColumn<int>("children");
    QTest::addColumn<int>("infirmAdults");
    QTest::addColumn<double>("spousePart");        // line 60900
    QTest::addColumn<double>("credit");

    QTest::newRow("alone at 15,000") << 40 << 15000.0 << -1.0 << 0 << 0 << 0.0 << 45.0;
    QTest::newRow("alone at 19,500, nil") << 40 << 19500.0 << -1.0 << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("senior at 15,000") << 70 << 15000.0 << -1.0 << 0 << 0 << 0.0 << 158.0;
    QTest::newRow("parent of two, a disabled adult") << 40 << 15000.0 << -1.0 << 2 << 1 << 0.0 << 159.0;
    QTest::newRow("couple, higher income claims") << 40 << 15000.0 << 5000.0 << 1 << 0 << 195.0 << 216.0;
    QTest::newRow("couple, lower income does not") << 40 << 5000.0 << 15000.0 << 1 << 0 << 0.0 << 0.0;
    QTest::newRow("17 alone") << 17 << 5000.0 << -1.0 << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("17 with a child") << 17 << 5000.0 << -1.0 << 1 << 0 << 0.0 << 171.0;
    QTest::newRow("15 with a child") << 15 << 5000.0 << -1.0 << 1 << 0 << 0.0 << 0.0;
}

void ProvincialTaxTest::manitobaPersonalTaxCredit()
{
    QFETCH(int, age);
    QFETCH(double, netIncome);
    QFETCH(double, spouseNetIncome);
    QFETCH(int, children);
    QFETCH(int, infirmAdults);
    QFETCH(double, spousePart);
    QFETCH(double, credit);
    ProvinceReturn r(3);
    QVERIFY(r.ready());
    CTaxData_Form* form479 = r.manager().NewFormData(FormType::MB479, true);
    QVERIFY(form479);
    r.t1.setDate("birth_date", QDate(2021 - age, 6, 1));
    r.setIncome(netIncome);
    if (spouseNetIncome >= 0) {
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", spouseNetIncome);
    }
    r.t1.setInt("dependants_children_0_to_18", children);
    r.t1.setInt("dependants_infirm_18_or_older", infirmAdults);
    r.calculate();
    QCOMPARE(form479->getFloat("family_income"), netIncome + std::max(0.0, spouseNetIncome));
    QCOMPARE(form479->getFloat("60900"), spousePart);
    QCOMPARE(form479->getFloat("personal_tax_credit"), credit);
    QCOMPARE(r.t1.getFloat("47900"), credit);
    QVERIFY(r.manager().FreeFormData(form479, true));
}

// NU428 line 65: 500 for the volunteer firefighters' amount claimed on
// line 31220, never more than the Nunavut tax left. At 30,000: 1,200.00 -
// 658.68 = 541.32; at 20,000: 800.00 - 658.68 = 141.32.
void ProvincialTaxTest::nunavutVolunteerFirefighters_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("line31220");
    QTest::addColumn<double>("credit");
    QTest::addColumn<double>("tax");

    QTest::newRow("claimed") << 30000.0 << 3000.0 << 500.0 << 41.32;
    QTest::newRow("held to the tax") << 20000.0 << 3000.0 << 141.32 << 0.0;
    QTest::newRow("not claimed") << 30000.0 << 0.0 << 0.0 << 541.32;
}

void ProvincialTaxTest::nunavutVolunteerFirefighters()
{
    QFETCH(double, income);
    QFETCH(double, line31220);
    QFETCH(double, credit);
    QFETCH(double, tax);
    ProvinceReturn r(8);
    QVERIFY(r.ready());
    r.setIncome(income);
    r.t1.setFloat("31220", line31220);
    r.calculate();
    QCOMPARE(r.form->getFloat("volunteer_firefighters_tax_credit"), credit);
    QCOMPARE(r.form->getFloat("42800"), tax);
}

// PE428 line 58365: each child's fees up to 500, for no more children than
// the return's under 18 (the largest claims first).
void ProvincialTaxTest::princeEdwardIslandChildrensWellness_data()
{
    QTest::addColumn<int>("childrenUnder18");
    QTest::addColumn<QList<double>>("fees");
    QTest::addColumn<double>("amount");

    QTest::newRow("two children") << 2 << QList<double>{650, 300} << 800.0;
    QTest::newRow("one child in the return") << 1 << QList<double>{300, 650} << 500.0;
    QTest::newRow("no child under 18") << 0 << QList<double>{400} << 0.0;
    QTest::newRow("blank and negative rows") << 3 << QList<double>{0, -50, 120.5} << 120.5;
}

void ProvincialTaxTest::princeEdwardIslandChildrensWellness()
{
    QFETCH(int, childrenUnder18);
    QFETCH(QList<double>, fees);
    QFETCH(double, amount);
    ProvinceReturn r(10);
    QVERIFY(r.ready());
    r.setIncome(30000);
    r.t1.setInt("dependants_children_under_18", childrenUnder18);
    for (int i = 0; i < fees.size(); ++i)
        QVERIFY(r.form->setFloat(TableForm::rowField("childrens_wellness.#.fees", i + 1).c_str(), fees[i]));
    r.calculate();
    QCOMPARE(r.form->getFloat("58365"), amount);
    // 10,500 + the amount, at 9.8%.
    QCOMPARE(r.form->getFloat("61500"), roundToCents((10500 + amount) * 0.098));
}

// Every count and credit above is worked out again from the return alone:
// a second calculation leaves the same figures.
void ProvincialTaxTest::recalculatingChangesNothing()
{
    for (int province : {3, 8, 9, 10}) {
        ProvinceReturn r(province);
        QVERIFY(r.ready());
        r.setIncome(30000);
        r.t1.setInt("marital_status", MARITAL_MARRIED);
        r.t1.setFloat("spouse_net_income", 4000);
        r.t1.setInt("dependants_children_0_to_18", 2);
        r.t1.setInt("dependants_children_under_18", 2);
        r.t1.setInt("dependants_infirm", 1);
        r.t1.setInt("dependants_infirm_18_or_older", 1);
        r.t1.setFloat("31220", 3000);
        r.calculate();
        QList<QVariant> first;
        for (const CField* f : r.form->fields().all()) first << f->GetVariant();
        const double refundable = r.t1.getFloat("47900");
        r.calculate();
        QList<QVariant> second;
        for (const CField* f : r.form->fields().all()) second << f->GetVariant();
        QCOMPARE(second, first);
        QCOMPARE(r.t1.getFloat("47900"), refundable);
    }
}

QTEST_GUILESS_MAIN(ProvincialTaxTest)
#include "tst_provincialtax.moc"
