// Steps 0, 1 and 6 of a person's calculation: the forms made and removed,
// the slips and statements into the T1's lines, and the filing forms'
// preparer details.

#include <QtTest>

#include "federalforms.h"
#include "formclasses.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "preparersettings.h"
#include "schedules.h"
#include "summaryforms.h"

namespace {

// A field of a form or slip and its value; ints and bools are given as numbers.
struct Box
{
    QString name;
    double value;
};
using Boxes = QList<Box>;

// An object to add: a slip (slip > 0) or a form (form > 0) with its values.
struct Item
{
    int slip = 0;
    int form = 0;
    Boxes boxes;
};
using Items = QList<Item>;

Item slip(int type, const Boxes& boxes) { return Item{type, 0, boxes}; }
Item form(int type, const Boxes& boxes) { return Item{0, type, boxes}; }

// A T1 line or other T1 field and the amount expected in it.
using Lines = QList<Box>;

void setValues(CTaxData_Form* object, const Boxes& boxes)
{
    for (const Box& box : boxes) {
        const CString name(box.name);
        CField* f = object->field(name);
        if (!f) qFatal("no field %s", qPrintable(box.name));
        switch (f->GetType()) {
        case CField::Int: object->setInt(name, int(box.value)); break;
        case CField::Bool: object->setBool(name, box.value != 0); break;
        default: object->setFloat(name, box.value); break;
        }
    }
}

CTaxData_Form* addItem(IndividualTaxData& person, const Item& item)
{
    CTaxData_Form* object = item.slip ? person.NewSlipData(item.slip, -1, 0)->object
                                      : person.NewFormDataItem(item.form, -1, true, 0, true)->object;
    setValues(object, item.boxes);
    return object;
}

void setAge(TaxData_T1New* t1, int age)
{
    t1->setDate("birth_date", QDate(TaxData_T1New::kTaxYear - age, 3, 1));
}

// Runs steps `first` to `last`; answers the sum of their results.
int runSteps(IndividualTaxData& person, int first, int last, bool fromInterview = false)
{
    int total = 0;
    for (int step = first; step <= last; ++step)
        total += person.Calculate(fromInterview, 0, static_cast<IndividualTaxData::EnumCalculateStep>(step), false);
    return total;
}

void compareLines(const CTaxData_Form* object, const Lines& expected)
{
    for (const Box& line : expected) {
        QVERIFY2(object->field(CString(line.name)), qPrintable(line.name));
        const double actual = object->getFloat(CString(line.name));
        QVERIFY2(qAbs(actual - line.value) < kAmountThatCounts,
                 qPrintable(QStringLiteral("%1: %2, expected %3").arg(line.name).arg(actual, 0, 'f', 2).arg(line.value, 0, 'f', 2)));
    }
}

QList<int> formTypes(const IndividualTaxData& person)
{
    QList<int> types;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) types << item->formType;
    return types;
}

} // namespace

Q_DECLARE_METATYPE(Items)
Q_DECLARE_METATYPE(Boxes)

class CalcSteps016Test : public QObject
{
    Q_OBJECT
private slots:
    void init() { preparerSettings() = PreparerSettings(); }

    void aStepAboveSixDoesNothing();
    void preparerDetailsWithoutThePassword_data();
    void preparerDetailsWithoutThePassword();
    void directDepositAccount_data();
    void directDepositAccount();
    void rrspReceiptOnTheInterviewReachesLine20800();
    void slipsIntoTheT1_data();
    void slipsIntoTheT1();
    void repaymentsNotMadeAreRrspIncome();
    void linesAUserMayTypeKeepTheEntry();
    void schedule4PayerRows_data();
    void schedule4PayerRows();
    void cpt20TakesTheFirstSixT4Slips();
    void statementsIntoTheT1_data();
    void statementsIntoTheT1();
    void restrictedFarmLoss_data();
    void restrictedFarmLoss();
    void capitalGains_data();
    void capitalGains();
    void cppFormKind_data();
    void cppFormKind();
    void schedule14_data();
    void schedule14();
    void spouseAmountsCleared_data();
    void spouseAmountsCleared();
    void spousalPlanAttribution_data();
    void spousalPlanAttribution();
    void section216Return();
    void recalculatingChangesNothing();
};

void CalcSteps016Test::aStepAboveSixDoesNothing()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    addItem(person, slip(1, {{"province_of_employment", 9}, {"14", 40000}, {"16", 2000}}));
    const QList<int> before = formTypes(person);
    QCOMPARE(person.Calculate(false, 0, static_cast<IndividualTaxData::EnumCalculateStep>(7), false), 0);
    QCOMPARE(formTypes(person), before);
    QCOMPARE(t1->getFloat("10100"), 0.0);
}

void CalcSteps016Test::preparerDetailsWithoutThePassword_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<QString>("efileNumber");
    QTest::addColumn<QString>("expectedNumber");   // an empty setting keeps the form's own
    QTest::newRow("T183") << 96 << "Q1234" << "Q1234";
    QTest::newRow("T185") << 181 << "Q1234" << "Q1234";
    QTest::newRow("T183, no EFILE number set") << 96 << "" << "K0000";
    QTest::newRow("T185, no EFILE number set") << 181 << "" << "K0000";
}

void CalcSteps016Test::preparerDetailsWithoutThePassword()
{
    QFETCH(int, formType);
    QFETCH(QString, efileNumber);
    QFETCH(QString, expectedNumber);
    PreparerSettings& preparer = preparerSettings();
    preparer.BusinessName = "Tax Shop";
    preparer.BusinessEFileNum = CString(efileNumber);
    preparer.EFilePassword = "s3cret-Pw";
    preparer.RepID = "AB12CDE";
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    CTaxData_Form* filing = person.NewFormDataItem(formType, -1, true, 0, true)->object;
    filing->setString("efile_number", "K0000");
    // A password an older version saved in the return.
    filing->setString("efile_password", "old-Pw");

    QCOMPARE(runSteps(person, 0, 0), 0);
    QCOMPARE(filing->getString("preparer_name"), CString("Tax Shop"));
    QCOMPARE(filing->getString("efile_number"), CString(expectedNumber));
    QCOMPARE(filing->getString("rep_id"), CString("AB12CDE"));
    for (const CField* f : filing->fields().all()) {
        if (f->GetType() != CField::String) continue;
        const QString value = f->GetVariant().toString();
        QVERIFY2(!value.contains("Pw"), qPrintable(f->GetName() + CString(" holds a password")));
    }
}

void CalcSteps016Test::directDepositAccount_data()
{
    QTest::addColumn<bool>("withT1DD");
    QTest::addColumn<QStringList>("expected");   // institution, branch, account
    QTest::newRow("with a direct deposit request") << true << QStringList{"004", "12345", "9876543"};
    QTest::newRow("without one the account is cleared") << false << QStringList{"", "", ""};
}

void CalcSteps016Test::directDepositAccount()
{
    QFETCH(bool, withT1DD);
    QFETCH(QStringList, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setString("deposit_account", "stale");
    if (withT1DD) {
        CTaxData_Form* t1dd = person.NewFormDataItem(52, -1, true, 0, true)->object;
        t1dd->setString("institution_number", "004");
        t1dd->setString("branch_number", "12345");
        t1dd->setString("account_number", "9876543");
    }
    runSteps(person, 0, 0);
    QCOMPARE((QStringList{t1->getString("deposit_institution"), t1->getString("deposit_branch"),
                          t1->getString("deposit_account")}),
             expected);
}

void CalcSteps016Test::slipsIntoTheT1_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<Items>("items");
    QTest::addColumn<Lines>("expected");

    QTest::newRow("T4 employment")
        << 40
        << Items{slip(1, {{"province_of_employment", 9}, {"14", 52000}, {"16", 2875.50}, {"18", 821.60},
                          {"20", 2500}, {"22", 8000}, {"24", 52000}, {"26", 52000}, {"44", 600}, {"52", 4000}})}
        << Lines{{"10100", 52000}, {"20600", 4000}, {"20700", 2500}, {"21200", 600}, {"43700_slips", 8000},
                 {"cpp_contributions_paid", 2875.50}, {"cpp_pensionable_earnings", 52000},
                 {"ei_premiums_paid", 821.60}, {"ei_insurable_earnings", 52000}};
    // 30,000 + 12,000.55; tax 4,000 + 1,500.
    QTest::newRow("two T4 slips add up")
        << 40
        << Items{slip(1, {{"province_of_employment", 9}, {"14", 30000}, {"22", 4000}}),
                 slip(1, {{"province_of_employment", 2}, {"14", 12000.55}, {"22", 1500}})}
        << Lines{{"10100", 42000.55}, {"43700_slips", 5500}};
    // Tax: 500 (OAS) + 1,200 (T4A).
    QTest::newRow("pensioner: T4A, OAS and CPP")
        << 70
        << Items{slip(2, {{"016", 12000}, {"022", 1200}}), slip(6, {{"18", 7400}, {"22", 500}}),
                 slip(3, {{"20", 9000}, {"16", 2000}})}
        << Lines{{"11500", 12000}, {"11300", 7400}, {"11400", 9000}, {"11410", 2000}, {"43700_slips", 1700},
                 {"pension_ineligible_under65", 0}};
    QTest::newRow("annuities of a person under 65 do not count for the pension amount")
        << 60 << Items{slip(2, {{"016", 10000}, {"024", 3000}})}
        << Lines{{"11500", 13000}, {"pension_ineligible_under65", 3000}};
    // An RRSP annuity at 70 counts for the pension amount.
    QTest::newRow("T4RSP on line 12900")
        << 70 << Items{slip(4, {{"16", 4000}, {"22", 5000}, {"30", 500}})}
        << Lines{{"12900", 9000}, {"pension_eligible_12900", 4000}, {"43700_slips", 500}};
    // 1,200 interest; dividends 1,380 eligible + 115 other.
    QTest::newRow("T5 through Schedule 4")
        << 40 << Items{slip(8, {{"13", 1200}, {"25", 1380}, {"11", 115}})}
        << Lines{{"12100", 1200}, {"12000", 1495}, {"12010", 115}};
    QTest::newRow("a T5 held half counts half")
        << 40 << Items{slip(8, {{"13", 1000}, {"share_percent", 50}})} << Lines{{"12100", 500}};
    // 3,000 at 50%.
    QTest::newRow("T3 capital gains through Schedule 3")
        << 40 << Items{slip(9, {{"21", 3000}})} << Lines{{"12700", 1500}};
    // T4A: 12,000 - 10,000.
    QTest::newRow("death benefits above 10,000")
        << 40 << Items{slip(2, {{"106", 12000}})} << Lines{{"13000_slips", 2000}};
    // The T4A's 8,000 leaves 2,000 of the exemption: the T3's 4,000 - 2,000.
    QTest::newRow("trust death benefits over what the T4A left")
        << 40 << Items{slip(2, {{"106", 8000}}), slip(9, {{"35", 4000}})} << Lines{{"13000_slips", 2000}};
    QTest::newRow("death benefits of exactly 10,000")
        << 40 << Items{slip(2, {{"106", 6000}}), slip(9, {{"35", 4000}})} << Lines{{"13000_slips", 0}};
    // Other income 1,500 + lump sum 2,000; CRB 3,000; repaid 1,000.
    QTest::newRow("T4A other income and COVID benefits")
        << 40 << Items{slip(2, {{"028", 1500}, {"018", 2000}, {"202", 3000}, {"201", 1000}})}
        << Lines{{"13000_slips", 6500}, {"23210_slips", 1000}};
    // Two scholarships of kind 0 of 300 each: 600 - 500.
    QTest::newRow("scholarships above the 500 exemption")
        << 20 << Items{slip(2, {{"105", 300}}), slip(2, {{"105", 300}})} << Lines{{"13010_slips", 100}};
    QTest::newRow("EI benefits")
        << 40 << Items{slip(5, {{"14", 6000}, {"22", 600}})} << Lines{{"11900", 6000}, {"43700_slips", 600}};
    // T5013 with a 25 percent share: 8,000 business income, 2,000 rental.
    QTest::newRow("partnership slip at 25 percent")
        << 40 << Items{slip(13, {{"partner_share_percent", 25}, {"116", 32000}, {"110", 8000}})}
        << Lines{{"13500", 8000}, {"12600", 2000}};
    // 6,000 at half; half of it is allowable.
    QTest::newRow("partnership business investment loss")
        << 40 << Items{slip(13, {{"partner_share_percent", 50}, {"137", 6000}})}
        << Lines{{"21699_slips", 3000}, {"21700", 1500}};
}

void CalcSteps016Test::repaymentsNotMadeAreRrspIncome()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    setAge(t1, 40);
    // The HBP repayment required less the one designated on Schedule 7.
    t1->setFloat("min_hbp_repayment", 1000);
    person.GetFormData(FormType::Schedule7, true)->setFloat("24600", 300);
    t1->setFloat("12900_llp", 300);
    addItem(person, slip(4, {{"16", 1000}}));
    runSteps(person, 0, 1);
    compareLines(t1, Lines{{"12900_hbp", 700}, {"12900", 2000}});
    // Designating more than is required leaves nothing to include.
    person.GetFormData(FormType::Schedule7, false)->setFloat("24600", 1200);
    runSteps(person, 0, 1);
    compareLines(t1, Lines{{"12900_hbp", 0}, {"12900", 1300}});
}

// A receipt typed on the RRSP interview page reaches Schedule 7 and line
// 20800; calculating again changes nothing.
void CalcSteps016Test::rrspReceiptOnTheInterviewReachesLine20800()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    setAge(t1, 40);
    t1->setFloat("carryforward_rrsp_deduction_limit", 10000);
    CTaxData_Form* wizard = person.GetWizData(5, true);
    wizard->setString("contributions.1.issuer", "Lakeshore Bank");
    wizard->setFloat("contributions.1.amount", 2000);
    for (int pass = 0; pass < 3; ++pass) {
        for (int step = 0; step <= 2; ++step)
            person.Calculate(pass == 0, 5, static_cast<IndividualTaxData::EnumCalculateStep>(step), false);
        compareLines(t1, Lines{{"20800", 2000}});
        compareLines(person.GetFormData(FormType::Schedule7, false), Lines{{"line_2", 2000}, {"24500", 2000}});
    }
}

void CalcSteps016Test::slipsIntoTheT1()
{
    QFETCH(int, age);
    QFETCH(Items, items);
    QFETCH(Lines, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    setAge(t1, age);
    for (const Item& item : items) addItem(person, item);
    runSteps(person, 0, 1);
    compareLines(t1, expected);
}

void CalcSteps016Test::linesAUserMayTypeKeepTheEntry()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setFloat("13000", 400);
    t1->setFloat("10400", 250);
    addItem(person, slip(2, {{"028", 1500}, {"107", 900}}));
    runSteps(person, 0, 1);
    compareLines(t1, {{"13000", 400}, {"13000_slips", 1500}, {"10400", 250}, {"10400_slips", 900}});
}

void CalcSteps016Test::schedule4PayerRows_data()
{
    QTest::addColumn<QString>("box");          // the T5 box each slip fills
    QTest::addColumn<int>("slips");            // slip k holds k x 100
    QTest::addColumn<QString>("rowPattern");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("overflow");
    QTest::addColumn<double>("expectedOverflow");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("expectedLine");
    // Rows 100 to 1,000; the eleventh slip's 1,100 overflows; 100 + ... + 1,100 = 6,600.
    QTest::newRow("eleven slips with interest")
        << "13" << 11 << "t5_interest.#.amount" << 10 << "t5_interest_other_payers" << 1100.0 << "12100" << 6600.0;
    QTest::newRow("ten slips with interest fit")
        << "13" << 10 << "t5_interest.#.amount" << 10 << "t5_interest_other_payers" << 0.0 << "12100" << 5500.0;
    // Rows 100 to 400; 500 + 600 overflow; 100 + ... + 600 = 2,100.
    QTest::newRow("six slips with eligible dividends")
        << "25" << 6 << "t5_dividends.#.amount" << 4 << "t5_dividends_other_payers" << 1100.0 << "12000" << 2100.0;
}

void CalcSteps016Test::schedule4PayerRows()
{
    QFETCH(QString, box);
    QFETCH(int, slips);
    QFETCH(QString, rowPattern);
    QFETCH(int, rows);
    QFETCH(QString, overflow);
    QFETCH(double, expectedOverflow);
    QFETCH(QString, line);
    QFETCH(double, expectedLine);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    for (int k = 1; k <= slips; ++k) {
        CTaxData_Form* t5 = addItem(person, slip(8, {{box, 100.0 * k}}));
        t5->setString("payer_name", CString(QStringLiteral("Bank %1").arg(k)));
    }
    runSteps(person, 0, 1);
    const CTaxData_Form* sch4 = person.GetFormData(FormType::Schedule4, false);
    QVERIFY(sch4);
    const QByteArray pattern = rowPattern.toLatin1();
    const QByteArray payers = rowPattern.left(rowPattern.indexOf('#')).toLatin1() + "#.payer";
    for (int row = 1; row <= rows; ++row) {
        QCOMPARE(sch4->getFloat(TableForm::rowField(pattern.constData(), row)), row <= slips ? 100.0 * row : 0.0);
        QCOMPARE(sch4->getString(TableForm::rowField(payers.constData(), row)),
                 row <= slips ? CString(QStringLiteral("Bank %1").arg(row)) : CString());
    }
    QCOMPARE(sch4->getFloat(CString(overflow)), expectedOverflow);
    QCOMPARE(t1->getFloat(CString(line)), expectedLine);
}

void CalcSteps016Test::cpt20TakesTheFirstSixT4Slips()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    addT1(person);
    CTaxData_Form* cpt20 = person.NewFormDataItem(57, -1, true, 0, true)->object;
    // Slip k earns k x 1,000 and contributes k x 10; the second has no box 26.
    for (int k = 1; k <= 7; ++k) {
        Boxes boxes{{"province_of_employment", 9}, {"14", 1000.0 * k}, {"16", 10.0 * k}};
        if (k != 2) boxes << Box{"26", 900.0 * k};
        addItem(person, slip(1, boxes));
    }
    runSteps(person, 0, 1);
    for (int row = 1; row <= TaxData_CPT20_New::kT4Slips; ++row) {
        QCOMPARE(cpt20->getInt(TableForm::rowField("t4_slips.#.slip_number", row)), row);
        // Box 26, or box 14 when it is blank.
        QCOMPARE(cpt20->getFloat(TableForm::rowField("t4_slips.#.pensionable_earnings", row)),
                 row == 2 ? 2000.0 : 900.0 * row);
        QCOMPARE(cpt20->getFloat(TableForm::rowField("t4_slips.#.cpp_contributions", row)), 10.0 * row);
    }
}

void CalcSteps016Test::statementsIntoTheT1_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<Lines>("expected");

    // Vehicle: (3,000 + 1,000) x 6,000 / 10,000 = 2,400; CCA 10,000 x 30% =
    // 3,000; expenses 2,000 + 2,400 + 3,000 = 7,400; 50,000 - 7,400.
    QTest::newRow("business statement")
        << Items{form(125, {{"line_3A", 50000}, {"8810", 2000}, {"vehicle_fuel", 3000}, {"vehicle_insurance", 1000},
                            {"vehicle_km_total", 10000}, {"vehicle_km_business", 6000}, {"cca.1.ucc_start", 10000},
                            {"cca.1.rate", 30}})}
        << Lines{{"13499", 50000}, {"13500", 42600}, {"13700", 0}};
    // Half-year rule: 8,000 added, base 4,000, CCA 20% = 800; 80,000 - 800 = 79,200 at 50%.
    QTest::newRow("professional statement, a partner at half")
        << Items{form(125, {{"is_professional", 1}, {"line_3B", 80000}, {"partnership_percent", 50},
                            {"cca.1.additions", 8000}, {"cca.1.rate", 20}})}
        << Lines{{"13699", 80000}, {"13700", 39600}, {"13500", 0}};
    // Home 3,000 claimed only up to the 1,000 of income; 2,000 carried on.
    QTest::newRow("commission statement, home expenses limited")
        << Items{form(131, {{"line_3A", 20000}, {"9270", 19000}, {"home_heat", 3000}})}
        << Lines{{"13899", 20000}, {"13900", 0}};
    // Rents 24,000 - 9,000 = 15,000; CCA 200,000 x 4% = 8,000.
    QTest::newRow("rental statement")
        << Items{form(12, {{"properties.1.gross_rents", 24000}, {"8710", 6000}, {"9180", 3000},
                           {"cca.1.ucc_start", 200000}, {"cca.1.rate", 4}})}
        << Lines{{"12599", 24000}, {"12600", 7000}};
    // 10,000 - 9,000 leaves 1,000: the 8,000 of allowance is cut to it.
    QTest::newRow("rental allowance cannot make a loss")
        << Items{form(12, {{"properties.1.gross_rents", 10000}, {"8710", 9000}, {"cca.1.ucc_start", 200000},
                           {"cca.1.rate", 4}})}
        << Lines{{"12600", 0}};
    QTest::newRow("fishing statement")
        << Items{form(51, {{"8121", 30000}, {"9224", 5000}})} << Lines{{"14299", 30000}, {"14300", 25000}};
    // 10,000 less 1,000 of allowance.
    QTest::newRow("partnership form")
        << Items{form(38, {{"partnerships.1.kind", 1}, {"partnerships.1.116", 10000}, {"partnerships.1.040", 1000}})}
        << Lines{{"13500", 9000}};
    // A T4A's fees and a statement add up: 5,000 + (12,000 - 2,000).
    QTest::newRow("slip fees beside a business statement")
        << Items{slip(2, {{"048", 5000}}), form(125, {{"line_3A", 12000}, {"8810", 2000}})}
        << Lines{{"13500", 15000}};
}

void CalcSteps016Test::statementsIntoTheT1()
{
    QFETCH(Items, items);
    QFETCH(Lines, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setString("first_name", "Ann");
    t1->setString("last_name", "Lee");
    for (const Item& item : items) addItem(person, item);
    runSteps(person, 0, 1);
    compareLines(t1, expected);
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms())
        if (item->object->field("owner_name")) QCOMPARE(item->object->getString("owner_name"), CString("Ann Lee"));
}

void CalcSteps016Test::restrictedFarmLoss_data()
{
    QTest::addColumn<double>("expenses");      // of a farming statement without income
    QTest::addColumn<bool>("restricted");
    QTest::addColumn<double>("line14100");
    QTest::addColumn<bool>("flagKept");
    QTest::newRow("restricted, at the most") << 32500.0 << true << -17500.0 << true;
    QTest::newRow("restricted, beyond the most") << 40000.0 << true << -17500.0 << true;
    // -(2,500 + 7,500 x 0.5).
    QTest::newRow("restricted, in the half part") << 10000.0 << true << -6250.0 << true;
    QTest::newRow("restricted, within the first 2,500") << 2000.0 << true << -2000.0 << false;
    QTest::newRow("not restricted") << 10000.0 << false << -10000.0 << false;
}

void CalcSteps016Test::restrictedFarmLoss()
{
    QFETCH(double, expenses);
    QFETCH(bool, restricted);
    QFETCH(double, line14100);
    QFETCH(bool, flagKept);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    t1->setBool("restricted_farm_loss", restricted);
    addItem(person, form(21, {{"9790", expenses}}));
    runSteps(person, 0, 1);
    QCOMPARE(t1->getFloat("farming_total"), -expenses);
    QCOMPARE(t1->getFloat("14100"), line14100);
    QCOMPARE(t1->getBool("restricted_farm_loss"), flagKept);
}

void CalcSteps016Test::capitalGains_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<Lines>("sch3");
    QTest::addColumn<double>("line12700");
    // 10,000 - 6,000 - 100.
    QTest::newRow("shares")
        << Items{form(4, {{"shares.1.proceeds", 10000}, {"shares.1.adjusted_cost_base", 6000},
                          {"shares.1.outlays", 100}})}
        << Lines{{"13199", 10000}, {"13200", 3900}, {"19100", 3900}, {"19900", 1950}} << 1950.0;
    // Half of 3,900.25 is 1,950.125: line 19900 is a line of the form, rounded
    // to the cent as it is filled (half a cent up), and line 12700 carries
    // that cent amount, not a fraction of a cent.
    QTest::newRow("odd cent of gain")
        << Items{form(4, {{"shares.1.proceeds", 10000.25}, {"shares.1.adjusted_cost_base", 6000},
                          {"shares.1.outlays", 100}})}
        << Lines{{"13200", 3900.25}, {"19700", 3900.25}, {"19900", 1950.13}} << 1950.13;
    // Both under 1,000: each counts as 1,000, no gain.
    QTest::newRow("personal-use property under 1,000")
        << Items{form(4, {{"personal_use.1.proceeds", 800}, {"personal_use.1.adjusted_cost_base", 500}})}
        << Lines{{"15800", 0}} << 0.0;
    // 3,000 gain less a 2,000 loss.
    QTest::newRow("listed personal property losses offset its gains")
        << Items{form(4, {{"listed_personal.1.proceeds", 5000}, {"listed_personal.1.adjusted_cost_base", 2000},
                          {"listed_personal.2.proceeds", 1000}, {"listed_personal.2.adjusted_cost_base", 3000}})}
        << Lines{{"15900", 1000}} << 500.0;
    QTest::newRow("a net loss gives no taxable gain")
        << Items{form(4, {{"shares.1.proceeds", 1000}, {"shares.1.adjusted_cost_base", 5000}})}
        << Lines{{"19900", -2000}} << 0.0;
    // Gain 200,000; exempt (1 + 4) / 10 of it: 100,000 left, half taxable.
    QTest::newRow("principal residence partly designated makes Schedule 3")
        << Items{form(147, {{"properties.1.proceeds", 500000}, {"properties.1.adjusted_cost_base", 300000},
                            {"properties.1.years_owned", 10}, {"properties.1.years_designated", 4}})}
        << Lines{{"principal_residence_gain", 100000}, {"13800", 100000}} << 50000.0;
    // Last year's reserve 4,000 in, this year's 1,000 out; a T5's 600 of capital gains dividends.
    QTest::newRow("reserves and slips")
        << Items{form(4, {}), form(37, {{"reserves.1.reserve_last_year", 4000}, {"reserves.1.reserve_this_year", 1000}}),
                 slip(8, {{"18", 600}})}
        << Lines{{"19200", 3000}, {"17400", 600}, {"19700", 3600}} << 1800.0;
}

void CalcSteps016Test::capitalGains()
{
    QFETCH(Items, items);
    QFETCH(Lines, sch3);
    QFETCH(double, line12700);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    for (const Item& item : items) addItem(person, item);
    runSteps(person, 0, 1);
    const CTaxData_Form* schedule = person.GetFormData(FormType::Schedule3, false);
    QVERIFY(schedule);
    compareLines(schedule, sch3);
    QCOMPARE(t1->getFloat("12700"), line12700);
}

void CalcSteps016Test::cppFormKind_data()
{
    QTest::addColumn<Boxes>("t4");
    QTest::addColumn<int>("formAlready");     // made before the calculation; 0 none
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("step1Result");
    QTest::addColumn<int>("step6Result");
    QTest::addColumn<QList<int>>("kept");     // of Schedule 8 (150) and RC381 (148)
    QTest::newRow("employment outside Quebec needs Schedule 8")
        << Boxes{{"province_of_employment", 9}, {"14", 40000}, {"16", 2000}, {"26", 40000}} << 0 << 1 << 1 << 0
        << QList<int>{150};
    QTest::newRow("Quebec employment without CPP needs RC381")
        << Boxes{{"province_of_employment", 11}, {"14", 40000}, {"17", 2300}, {"26", 40000}} << 0 << 2 << 1 << 0
        << QList<int>{148};
    QTest::newRow("an RC381 left from before goes")
        << Boxes{{"province_of_employment", 9}, {"14", 40000}, {"16", 2000}, {"26", 40000}} << 148 << 1 << 1 << 1
        << QList<int>{150};
    QTest::newRow("a Schedule 8 already there is not counted")
        << Boxes{{"province_of_employment", 9}, {"14", 40000}, {"16", 2000}, {"26", 40000}} << 150 << 1 << 0 << 0
        << QList<int>{150};
    QTest::newRow("no contributions, no form") << Boxes{{"province_of_employment", 9}, {"14", 1000},
                                                        {"cpp_qpp_exempt", 1}}
                                               << 0 << 0 << 0 << 0 << QList<int>{};
}

void CalcSteps016Test::cppFormKind()
{
    QFETCH(Boxes, t4);
    QFETCH(int, formAlready);
    QFETCH(int, kind);
    QFETCH(int, step1Result);
    QFETCH(int, step6Result);
    QFETCH(QList<int>, kept);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    if (formAlready) person.NewFormDataItem(formAlready, -1, true, 0, true);
    addItem(person, slip(1, t4));
    QCOMPARE(runSteps(person, 0, 0), 0);
    QCOMPARE(runSteps(person, 1, 1), step1Result);
    QCOMPARE(t1->getInt("cpp_form_kind"), kind);
    QCOMPARE(runSteps(person, 2, 6), step6Result);
    QList<int> present;
    for (int type : {150, 148})
        if (person.HasForm(type)) present << type;
    QCOMPARE(present, kept);
    // A second pass adds and removes nothing more.
    QCOMPARE(runSteps(person, 0, 6), 0);
}

void CalcSteps016Test::schedule14_data()
{
    QTest::addColumn<int>("mainProvince");
    QTest::addColumn<int>("marital");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("kept");
    QTest::newRow("Ontario single") << int(PROV_ON) << int(MARITAL_SINGLE) << 1 << 0 << true;
    QTest::newRow("with a spouse") << int(PROV_ON) << int(MARITAL_MARRIED) << 0 << 0 << false;
    QTest::newRow("never kept for province 4") << int(PROV_NB) << int(MARITAL_SINGLE) << 1 << 1 << false;
}

void CalcSteps016Test::schedule14()
{
    QFETCH(int, mainProvince);
    QFETCH(int, marital);
    QFETCH(int, added);
    QFETCH(int, removed);
    QFETCH(bool, kept);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.setMainProvince(mainProvince);
    TaxData_T1New* t1 = addT1(person, marital);
    t1->setInt("province", PROV_ON);
    setAge(t1, 30);
    QCOMPARE(runSteps(person, 0, 0), added);
    QCOMPARE(runSteps(person, 1, 5), 0);
    QCOMPARE(runSteps(person, 6, 6), removed);
    QCOMPARE(person.HasForm(FormType::Schedule14), kept);
}

void CalcSteps016Test::spouseAmountsCleared_data()
{
    QTest::addColumn<int>("marital");
    QTest::addColumn<QString>("deathDate");     // of the spouse, as the marital change
    QTest::addColumn<double>("spouseNetIncome");
    QTest::newRow("single: cleared") << int(MARITAL_SINGLE) << "" << 0.0;
    QTest::newRow("married: kept") << int(MARITAL_MARRIED) << "" << 5000.0;
    // The pension-splitting election is still open in the year of death.
    QTest::newRow("widowed in the year: kept") << int(MARITAL_WIDOWED) << "2021-06-30" << 5000.0;
    QTest::newRow("widowed before: cleared") << int(MARITAL_WIDOWED) << "2019-06-30" << 0.0;
}

void CalcSteps016Test::spouseAmountsCleared()
{
    QFETCH(int, marital);
    QFETCH(QString, deathDate);
    QFETCH(double, spouseNetIncome);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person, marital);
    t1->setDate("date_of_marital_change", QDate::fromString(deathDate, Qt::ISODate));
    t1->setFloat("spouse_net_income", 5000);
    t1->setString("spouse_first_name", "Bo");
    runSteps(person, 0, 1);
    QCOMPARE(t1->getFloat("spouse_net_income"), spouseNetIncome);
    QCOMPARE(t1->getString("spouse_first_name"), CString("Bo"));
}

void CalcSteps016Test::spousalPlanAttribution_data()
{
    QTest::addColumn<Boxes>("t2205");
    QTest::addColumn<Lines>("expected");
    // Contributions 1,000 + 2,000 of the 10,000; tax 1,000 shared 3 : 7.
    QTest::newRow("RRSP withdrawal")
        << Boxes{{"withdrawal", 10000}, {"contributions_2020", 1000}, {"contributions_2021", 2000},
                 {"tax_deducted", 1000}}
        << Lines{{"contributor_income", 3000}, {"annuitant_income", 7000}, {"contributor_tax_deducted", 300},
                 {"annuitant_tax_deducted", 700}};
    // Only the 4,000 above the minimum, though 8,000 was contributed.
    QTest::newRow("RRIF above its minimum")
        << Boxes{{"plan_kind", 1}, {"withdrawal", 10000}, {"rrif_minimum", 6000}, {"contributions_2019", 8000}}
        << Lines{{"contributor_income", 4000}, {"annuitant_income", 6000}};
    QTest::newRow("no contributions in the three years")
        << Boxes{{"withdrawal", 5000}} << Lines{{"contributor_income", 0}, {"annuitant_income", 5000}};
}

void CalcSteps016Test::spousalPlanAttribution()
{
    QFETCH(Boxes, t2205);
    QFETCH(Lines, expected);
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person, MARITAL_MARRIED);
    t1->setString("first_name", "Ann");
    t1->setString("last_name", "Lee");
    CTaxData_Form* election = addItem(person, form(124, t2205));
    runSteps(person, 0, 1);
    compareLines(election, expected);
    QCOMPARE(election->getString("annuitant_name"), CString("Ann Lee"));
}

void CalcSteps016Test::section216Return()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.setMainProvince(PROV_T1159);
    CTaxData_Form* t1159 = person.NewFormDataItem(161, -1, true, 0, true)->object;
    t1159->setString("first_name", "Ann");
    t1159->setString("last_name", "Lee");
    t1159->setFloat("nr4_slips.1.tax_withheld", 5000);
    CTaxData_Form* rental = addItem(person, form(12, {{"properties.1.gross_rents", 20000}, {"8710", 5000}}));
    CTaxData_Form* business = addItem(person, form(125, {{"line_3A", 9000}}));
    for (int step = 0; step <= 6; ++step) QCOMPARE(runSteps(person, step, step), 0);
    // Net rent 15,000 taxed at 15% = 2,250, surtax 48% = 1,080; 5,000 - 3,330 refunded.
    compareLines(t1159, {{"12599", 20000}, {"12600", 15000}, {"26000", 15000}, {"42900", 2250},
                         {"non_resident_surtax", 1080}, {"43500", 3330}, {"43700", 5000}, {"48400", 1670},
                         {"48500", 0}});
    QCOMPARE(business->getFloat("13500"), 0.0);
    QCOMPARE(rental->getString("owner_name"), CString("Ann Lee"));
}

void CalcSteps016Test::recalculatingChangesNothing()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    TaxData_T1New* t1 = addT1(person);
    setAge(t1, 50);
    t1->setBool("restricted_farm_loss", true);
    addItem(person, slip(1, {{"province_of_employment", 9}, {"14", 52000}, {"16", 2875.5}, {"26", 52000}}));
    for (int k = 1; k <= 12; ++k) addItem(person, slip(8, {{"13", 10.0 * k}, {"25", 5.0 * k}}));
    addItem(person, slip(9, {{"21", 3000}, {"35", 12000}}));
    addItem(person, form(12, {{"properties.1.gross_rents", 10000}, {"8710", 9000}, {"cca.1.ucc_start", 1000},
                              {"cca.1.rate", 4}}));
    addItem(person, form(21, {{"9790", 20000}}));
    addItem(person, form(125, {{"line_3A", 20000}, {"home_heat", 3000}, {"home_carryforward_prior", 500}}));
    runSteps(person, 0, 6);
    IndividualTaxData first(MULTIPROV_MODE_NEW, nullptr);
    first = person;
    runSteps(person, 0, 6);
    QVERIFY(person == first);
    runSteps(person, 0, 1);
    QVERIFY(person == first);
}

QTEST_MAIN(CalcSteps016Test)
#include "tst_calcsteps016.moc"
