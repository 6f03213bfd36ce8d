// Calculation steps 2 to 5 of a person's return: small returns as steps 0
// and 1 leave them (the T1's lines and the forms' slip-fed figures set
// directly), calculated twice as the family driver does, and the lines of
// the result checked to the cent. Each expected amount is worked by hand from
// the agency's 2021 rules in its row's comment.

#include <QtTest>

#include "dependantinfo.h"
#include "federalforms.h"
#include "formtypes.h"
#include "scenario.h"
#include "modeltestsupport.h"
#include "preparersettings.h"
#include "schedules.h"

namespace {

// A named value of a form, slip or T1; ints and bools given as numbers,
// texts as `text`.
struct Value
{
    QString name;
    double value;
    QString text = {};
};
using Values = QList<Value>;

void apply(CTaxData_Form* form, const Values& values)
{
    for (const Value& v : values) {
        const CString name(v.name);
        CField* f = form->field(name);
        QVERIFY2(f, qPrintable(v.name));
        switch (f->GetType()) {
        case CField::Int: form->setInt(name, int(v.value)); break;
        case CField::Bool: form->setBool(name, v.value != 0); break;
        case CField::String: form->setString(name, CString(v.text)); break;
        default: form->setFloat(name, v.value); break;
        }
    }
}

// A form or slip of the return with its values.
struct ItemSpec
{
    int type;
    Values values;
};
using Items = QList<ItemSpec>;

struct Person
{
    Person(int age, int maritalStatus) : person(MULTIPROV_MODE_NEW, &dependants)
    {
        dependants.AllocData(DependantInfoStruct::kEntries);
        person.setMainProvince(PROV_ON);
        t1 = addT1(person, maritalStatus);
        t1->setDate("birth_date", QDate(TaxData_T1New::kTaxYear - age, 3, 1));
    }
    void add(const Items& forms, const Items& slips)
    {
        for (const ItemSpec& f : forms) apply(person.NewFormDataItem(f.type, -1, true, 0, false)->object, f.values);
        for (const ItemSpec& s : slips) apply(person.NewSlipData(s.type, -1, 0)->object, s.values);
    }
    // Steps 2 to 5, as the driver runs them in one pass.
    void pass()
    {
        for (int step = IndividualTaxData::STEP_2; step <= IndividualTaxData::STEP_5; ++step)
            QCOMPARE(person.Calculate(false, 0, IndividualTaxData::EnumCalculateStep(step), false), 0);
    }
    QMap<QString, double> amounts() const;

    DependantInfoStruct dependants;
    IndividualTaxData person;
    TaxData_T1New* t1 = nullptr;
};

// Every amount of every form of a return.
QMap<QString, double> amountsOf(const IndividualTaxData& person)
{
    QMap<QString, double> all;
    int index = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
        ++index;
        for (const CField* f : item->object->fields().all())
            if (f->GetType() == CField::Float)
                all[QStringLiteral("%1/%2").arg(index).arg(QString(f->GetName().c_str()))] =
                    static_cast<const CFloatField*>(f)->GetValue();
    }
    return all;
}

QMap<QString, double> Person::amounts() const
{
    return amountsOf(person);
}

} // namespace

Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Items)

class CalcSteps2345Test : public QObject
{
    Q_OBJECT
private slots:
    void init() { preparerSettings() = PreparerSettings(); }
    void returns_data();
    void returns();
    void dependantInsteadOfASpouseLivedApart();
    void pensionSplit_data();
    void pensionSplit();
    void partYearResident();
    void withoutT1NothingHappens();
    void throughTheDriver_data();
    void throughTheDriver();
    void coupleClaimsOneWorkersBenefit();
};

// Schedule 8 (150), T2204 (23), Schedule 5 (6), Schedule 2 (3), Schedule 6
// (119), Schedule 9 (9), Schedule 11 (11), Schedule 7 (7); T4 slips (1).
void CalcSteps2345Test::returns_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("marital");
    QTest::addColumn<Values>("lines");      // the T1 as steps 0 and 1 leave it
    QTest::addColumn<Items>("forms");
    QTest::addColumn<Items>("slips");
    QTest::addColumn<Values>("expected");

    // CPP at its maximum: 61,600 - 3,500 = 58,100 x 5.45% = 3,166.45, no
    // overpayment; base 58,100 x 4.95% = 2,875.95, enhanced 290.50.
    // EI 56,300 x 1.58% = 889.54. Net income 65,000 - 290.50 = 64,709.50.
    // Tax 7,353 + 15,689.50 x 20.5% = 10,569.3475 -> 10,569.35. Credits
    // 13,808 + 2,875.95 + 889.54 + 1,257 = 18,830.49 x 15% = 2,824.57.
    // 42000 = 10,569.35 - 2,824.57 = 7,744.78; refund 9,000 - 7,744.78 = 1,255.22.
    QTest::newRow("employee at the CPP and EI maximums")
        << 40 << int(MARITAL_SINGLE) << Values{{"10100", 65000}, {"43700_slips", 9000}}
        << Items{{150, {{"50339", 61600}, {"50340", 3166.45}}},
                 {23, {{"insurable_earnings", 56300}, {"premiums_deducted", 889.54}}}}
        << Items{{1, {{"14", 65000}, {"16", 3166.45}, {"18", 889.54}, {"24", 56300}, {"26", 61600}}}}
        << Values{{"15000", 65000},   {"22215", 290.50}, {"23600", 64709.50}, {"26000", 64709.50},
                  {"line_73", 10569.35}, {"30000", 13808}, {"30800", 2875.95}, {"31200", 889.54},
                  {"31260", 1257},    {"33500", 18830.49}, {"35000", 2824.57}, {"42900", 7744.78},
                  {"42000", 7744.78}, {"44800", 0},      {"45000", 0},        {"43500", 7744.78},
                  {"48200", 9000},    {"48400", 1255.22}, {"48500", 0}};

    // Two employers: CPP 3,500 against 3,166.45 required -> 333.55 back;
    // EI 1,000 against 889.54 required -> 110.46 back, 889.54 credited.
    // Net income 70,000 - 290.50 = 69,709.50; tax 7,353 + 20,689.50 x 20.5%
    // = 11,594.3475 -> 11,594.35; credits 2,824.57 as above; 42000 8,769.78.
    // Credits 12,000 + 333.55 + 110.46 = 12,444.01; refund 3,674.23.
    QTest::newRow("CPP and EI overpayments")
        << 40 << int(MARITAL_SINGLE) << Values{{"10100", 70000}, {"43700_slips", 12000}}
        << Items{{150, {{"50339", 61600}, {"50340", 3500}}},
                 {23, {{"insurable_earnings", 70000}, {"premiums_deducted", 1000}}}}
        << Items{{1, {{"14", 35000}, {"16", 1750}, {"18", 500}, {"24", 35000}, {"26", 35000}}},
                 {1, {{"14", 35000}, {"16", 1750}, {"18", 500}, {"24", 35000}, {"26", 35000}}}}
        << Values{{"30800", 2875.95}, {"22215", 290.50}, {"44800", 333.55}, {"31200", 889.54},
                  {"45000", 110.46},  {"23600", 69709.50}, {"line_73", 11594.35}, {"42000", 8769.78},
                  {"48200", 12444.01}, {"48400", 3674.23}};

    // 46,500 of pensions at 70: age amount 7,713 - 15% x (46,500 - 38,893)
    // = 7,713 - 1,141.05 = 6,571.95; pension amount 2,000. Credits 13,808 +
    // 6,571.95 + 2,000 = 22,379.95 x 15% = 3,356.9925 -> 3,356.99. Tax 6,975;
    // 42000 = 3,618.01; refund 6,000 - 3,618.01 = 2,381.99.
    QTest::newRow("pensioner with OAS, CPP and a pension")
        << 70 << int(MARITAL_SINGLE) << Values{{"11300", 7500}, {"11400", 9000}, {"11500", 30000}, {"43700_slips", 6000}}
        << Items{} << Items{}
        << Values{{"15000", 46500}, {"23500", 0},      {"30100", 6571.95}, {"31400", 2000},
                  {"35000", 3356.99}, {"line_73", 6975}, {"42000", 3618.01}, {"48400", 2381.99}};

    // OAS recovery: (92,500 - 79,845) x 15% = 1,898.25. Net income
    // 90,601.75; tax 7,353 + 41,581.75 x 20.5% = 15,877.25875 -> 15,877.26.
    // The age amount is gone (7,713 - 15% x 51,708.75 < 0). Credits 13,808 +
    // 2,000 = 15,808 x 15% = 2,371.20; 42000 = 13,506.06; 43500 = 13,506.06 +
    // 1,898.25 = 15,404.31; refund 20,000 - 15,404.31 = 4,595.69.
    QTest::newRow("OAS recovery")
        << 72 << int(MARITAL_SINGLE) << Values{{"11300", 7500}, {"11500", 85000}, {"43700_slips", 20000}} << Items{}
        << Items{}
        << Values{{"23400", 92500},   {"23500", 1898.25}, {"23600", 90601.75}, {"30100", 0},
                  {"line_73", 15877.26}, {"35000", 2371.20}, {"42000", 13506.06}, {"42200", 1898.25},
                  {"43500", 15404.31}, {"48400", 4595.69}};

    // Dividends 27,600 eligible and 4,600 other (taxable), interest 10,000,
    // taxable capital gains 10,000: 52,200. RRSP 5,000 typed on the return and
    // carrying charges 1,000: 46,200. Tax 6,930; credits 13,808 x 15% =
    // 2,071.20; dividend credit 27,600 x 15.0198% + 4,600 x 9.0301% =
    // 4,145.4648 + 415.3846 = 4,560.85. 42000 = 6,930 - 2,071.20 - 4,560.85 = 297.95.
    QTest::newRow("investor with dividends, interest, gains and an RRSP")
        << 50 << int(MARITAL_SINGLE)
        << Values{{"12000", 32200}, {"12010", 4600}, {"12100", 10000}, {"12700", 10000}, {"20800", 5000},
                  {"22100", 1000}}
        << Items{} << Items{}
        << Values{{"15000", 52200}, {"23300", 6000}, {"26000", 46200}, {"40425", 4560.85},
                  {"42900", 297.95}, {"48500", 297.95}, {"48400", 0}};

    // Schedule 7 rather than line 20800: 2021 contributions 8,000 and early
    // 2022 ones 4,000 against a limit of 10,000: 10,000 deducted, 2,000 carried
    // forward. 60,000 - 10,000 = 50,000.
    QTest::newRow("RRSP deduction from Schedule 7")
        << 50 << int(MARITAL_SINGLE) << Values{{"12100", 60000}, {"20800", 700}}
        << Items{{7, {{"contributions.1.amount_2021", 8000}, {"contributions.2.amount_2022", 4000},
                      {"rrsp_deduction_limit", 10000}}}}
        << Items{}
        << Values{{"20800_sch7", 10000}, {"23300", 10000}, {"23600", 50000}};

    // Pension 50,000 at 60 (life annuity: eligible under 65). Medical 3,000
    // over 3% of 50,000 = 1,500. Donations 1,200: 200 x 15% + 1,000 x 29% =
    // 320. Credits 13,808 + 2,000 + 1,500 = 17,308 x 15% = 2,596.20 + 320 =
    // 2,916.20. Tax 7,353 + 980 x 20.5% = 7,553.90; 42000 = 4,637.70;
    // refund 5,000 - 4,637.70 = 362.30.
    QTest::newRow("donations and medical expenses")
        << 60 << int(MARITAL_SINGLE)
        << Values{{"11500", 50000}, {"43700_slips", 5000}, {"medical_expenses.1.amount", 3000}}
        << Items{{9, {{"donations.1.amount", 1200}}}} << Items{}
        << Values{{"31400", 2000},  {"33099", 3000},   {"33200", 1500}, {"34900", 320}, {"35000", 2916.20},
                  {"line_73", 7553.90}, {"42000", 4637.70}, {"48400", 362.30}};

    // Net income 100,000: the medical threshold is 2,421, not 3% (3,000).
    // 5,000 - 2,421 = 2,579.
    QTest::newRow("medical threshold at its 2,421 maximum")
        << 50 << int(MARITAL_SINGLE) << Values{{"12100", 100000}, {"medical_expenses.1.amount", 5000}} << Items{}
        << Items{} << Values{{"33200", 2579}};

    // Student, 40,000 of employment, disability amount 8,662. Tuition 6,000:
    // taxable income 40,000 less the credits before tuition 13,808 + 1,257 +
    // 8,662 = 23,727 leaves 16,273, so all 6,000 is claimed. Credits 23,727 +
    // 6,000 = 29,727 x 15% = 4,459.05; tax 6,000; 42000 = 1,540.95.
    QTest::newRow("tuition and the disability amount")
        << 22 << int(MARITAL_SINGLE) << Values{{"10100", 40000}, {"disability_amount_eligible", 1}}
        << Items{{11, {{"32000", 6000}}}} << Items{}
        << Values{{"31600", 8662}, {"32300", 6000}, {"35000", 4459.05}, {"42000", 1540.95}};

    // Spouse's net income 5,000: 13,808 - 5,000 = 8,808. Credits 13,808 +
    // 8,808 + 1,257 = 23,873 x 15% = 3,580.95; 42000 = 7,553.90 - 3,580.95 = 3,972.95.
    QTest::newRow("spouse amount")
        << 45 << int(MARITAL_MARRIED) << Values{{"10100", 50000}, {"spouse_net_income", 5000}}
        << Items{{6, {}}} << Items{} << Values{{"30300", 8808}, {"35000", 3580.95}, {"42000", 3972.95}};

    // Single parent, child without income: 13,808. Credits 13,808 x 2 +
    // 1,257 = 28,873 x 15% = 4,330.95; tax 6,750; 42000 = 2,419.05.
    QTest::newRow("eligible dependant")
        << 35 << int(MARITAL_SINGLE) << Values{{"10100", 45000}}
        << Items{{6, {{"eligible_dependant_first_name", 0, "Kid"}}}} << Items{} << Values{{"30400", 13808}, {"30300", 0}, {"42000", 2419.05}};

    // The spouse's disability amount 8,662 transferred whole: their taxable
    // income 10,000 is below their own credits 13,808. Credits 13,808 +
    // 1,257 + 8,662 = 23,727 x 15% = 3,559.05; 42000 = 7,553.90 - 3,559.05 = 3,994.85.
    QTest::newRow("amounts transferred from the spouse")
        << 45 << int(MARITAL_MARRIED) << Values{{"10100", 50000}, {"spouse_net_income", 10000}}
        << Items{{3, {{"35700", 8662}, {"spouse_taxable_income", 10000}, {"spouse_credits_used", 13808}}}}
        << Items{} << Values{{"32600", 8662}, {"35000", 3559.05}, {"42000", 3994.85}};

    // The spouse keeps what their income needs: taxable income 20,000 less
    // their credits 13,808 = 6,192, so 8,662 - 6,192 = 2,470 is transferred.
    QTest::newRow("part of the spouse's amounts transferred")
        << 45 << int(MARITAL_MARRIED) << Values{{"10100", 50000}, {"spouse_net_income", 20000}}
        << Items{{3, {{"35700", 8662}, {"spouse_taxable_income", 20000}, {"spouse_credits_used", 13808}}}}
        << Items{} << Values{{"32600", 2470}};

    // Net income 180,000: 13,808 - 1,387 x 28,022 / 64,533 = 13,808 -
    // 602.2735 = 13,205.73. Tax 31,425.98 + 28,022 x 29% = 39,552.36; credits
    // 13,205.73 + 1,257 = 14,462.73 x 15% = 2,169.41; 42000 = 37,382.95.
    QTest::newRow("basic personal amount in its reduction band")
        << 45 << int(MARITAL_SINGLE) << Values{{"10100", 180000}} << Items{} << Items{}
        << Values{{"30000", 13205.73}, {"line_73", 39552.36}, {"35000", 2169.41}, {"42000", 37382.95}};

    // Self-employed, 40,000: CPP (40,000 - 3,500) x 10.9% = 3,978.50; base
    // 36,500 x 9.9% = 3,613.50, credit half 1,806.75, deduction 365 +
    // 1,806.75 = 2,171.75. Net income 37,828.25; tax 5,674.2375 -> 5,674.24;
    // credits 13,808 + 1,806.75 = 15,614.75 x 15% = 2,342.21; 42000 =
    // 3,332.03; 43500 = 3,332.03 + 3,978.50 = 7,310.53 owing.
    QTest::newRow("self-employed CPP")
        << 40 << int(MARITAL_SINGLE) << Values{{"13500", 40000}} << Items{{150, {}}} << Items{}
        << Values{{"42100", 3978.50}, {"31000", 1806.75}, {"22200", 2171.75}, {"23600", 37828.25},
                  {"line_73", 5674.24}, {"35000", 2342.21}, {"42000", 3332.03}, {"43500", 7310.53},
                  {"48500", 7310.53}};

    // Canada workers benefit: (10,000 - 3,000) x 27% = 1,890, at most 1,395;
    // net income under 22,944. Tax 1,500 is under the credits 15,065 x 15%.
    // Refund 500 + 1,395 = 1,895.
    QTest::newRow("Canada workers benefit at its maximum")
        << 30 << int(MARITAL_SINGLE) << Values{{"10100", 10000}, {"43700_slips", 500}} << Items{{119, {}}} << Items{}
        << Values{{"45300", 1395}, {"42000", 0}, {"48400", 1895}};

    // 25,000: 1,395 - 15% x (25,000 - 22,944) = 1,395 - 308.40 = 1,086.60.
    // Tax 3,750 - 2,259.75 = 1,490.25; refund 2,000 + 1,086.60 - 1,490.25 = 1,596.35.
    QTest::newRow("Canada workers benefit reduced")
        << 30 << int(MARITAL_SINGLE) << Values{{"10100", 25000}, {"43700_slips", 2000}} << Items{{119, {}}} << Items{}
        << Values{{"45300", 1086.60}, {"42000", 1490.25}, {"48400", 1596.35}};

    // Working income from a partnership beyond what line 13500 shows: the
    // part the T1's self-employment lines do not show is kept for 55320.
    QTest::newRow("partnership income beyond the self-employment lines")
        << 30 << int(MARITAL_SINGLE) << Values{{"10100", 9000}, {"13500", 1200}}
        << Items{{119, {}}, {38, {{"partnerships.1.kind", 1}, {"partnerships.1.9946", 3000}}}} << Items{}
        << Values{{"55320", 1800}};
    QTest::newRow("self-employment all on the lines: nothing for 55320")
        << 30 << int(MARITAL_SINGLE) << Values{{"10100", 9000}, {"13500", 3000}}
        << Items{{119, {}}, {38, {{"partnerships.1.kind", 1}, {"partnerships.1.9946", 3000}}}} << Items{}
        << Values{{"55320", 0}};

    // Under 19 and alone: no benefit.
    QTest::newRow("Canada workers benefit at 18")
        << 18 << int(MARITAL_SINGLE) << Values{{"10100", 10000}} << Items{{119, {}}} << Items{}
        << Values{{"45300", 0}};
}

void CalcSteps2345Test::returns()
{
    QFETCH(int, age);
    QFETCH(int, marital);
    QFETCH(Values, lines);
    QFETCH(Items, forms);
    QFETCH(Items, slips);
    QFETCH(Values, expected);

    Person p(age, marital);
    apply(p.t1, lines);
    p.add(forms, slips);
    p.pass();
    p.pass();
    for (const Value& v : expected)
        QVERIFY2(qAbs(p.t1->getFloat(CString(v.name)) - v.value) < kAmountThatCounts,
                 qPrintable(QStringLiteral("%1: %2, expected %3").arg(v.name).arg(p.t1->getFloat(CString(v.name)), 0, 'f', 2).arg(v.value, 0, 'f', 2)));
    // A further pass changes nothing.
    const QMap<QString, double> before = p.amounts();
    p.pass();
    QCOMPARE(p.amounts(), before);
}

// Married, but living apart from the spouse with a child: the box at the
// top of Schedule 5 ticked, the child is claimed instead of the spouse,
// federally (13,808, no spouse amount) and on the ON428 (9,238 at its
// maximum for a child without income, no spouse amount).
void CalcSteps2345Test::dependantInsteadOfASpouseLivedApart()
{
    const QByteArray json = R"({
      "province": 9,
      "taxpayer": {
        "t1": {"first_name": "Rachel", "last_name": "Bennett", "sin": "046454286", "birth_date": "1983-05-27",
               "marital_status": 0},
        "slips": [{"type": 1, "boxes": {"14": 45000}, "fields": {"payer_name": "Westend Hardware"}}],
        "forms": [{"type": 6, "fields": {"eligible_dependant_first_name": "Ethan", "eligible_dependant_last_name": "Bennett",
                   "eligible_dependant_birth_date": "2012-08-14", "eligible_dependant_condition": true}}]
      }
    })";
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    QVERIFY2(family, qPrintable(error));
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    IndividualTaxData* person = family->taxpayer();
    const TaxData_T1New* t1 = person->t1();
    QCOMPARE(t1->getFloat("30300"), 0.0);
    QCOMPARE(t1->getFloat("30400"), 13808.0);
    CTaxData_Form* on428 = person->GetFormData(FormType::ON428, false);
    QVERIFY(on428);
    QCOMPARE(on428->getFloat("58040"), 10880.0);
    QCOMPARE(on428->getFloat("58120"), 0.0);
    QCOMPARE(on428->getFloat("58160"), 9238.0);
}

// The pensioner splits 10,000 of a 40,000 pension with the spouse; 6,000
// of tax was deducted from it, a quarter of which moves with the split.
void CalcSteps2345Test::pensionSplit_data()
{
    QTest::addColumn<bool>("pensioner");
    QTest::addColumn<Values>("lines");
    QTest::addColumn<Values>("expected");

    // 40,000 - 10,000 = 30,000; age amount 7,713; pension amount on 30,000:
    // 2,000. Credits 13,808 + 7,713 + 2,000 = 23,521 x 15% = 3,528.15; tax
    // 4,500; 42000 971.85. Tax deducted 6,000 - 1,500 = 4,500; refund 3,528.15.
    QTest::newRow("pensioner") << true << Values{{"11500", 40000}, {"21000", 10000}, {"43700_slips", 6000}}
                               << Values{{"23600", 30000}, {"31400", 2000}, {"42000", 971.85},
                                         {"split_pension_tax_adjustment", -1500}, {"48400", 3528.15}};
    // 10,000 received at 66: pension amount 2,000; tax 1,500 under the
    // credits 3,528.15. The 1,500 of tax deducted comes with it: refund 1,500.
    QTest::newRow("transferee") << false << Values{{"11600", 10000}}
                                << Values{{"23600", 10000}, {"31400", 2000}, {"42000", 0},
                                          {"split_pension_tax_adjustment", 1500}, {"48400", 1500}};
}

void CalcSteps2345Test::pensionSplit()
{
    QFETCH(bool, pensioner);
    QFETCH(Values, lines);
    QFETCH(Values, expected);

    Person p(pensioner ? 67 : 66, MARITAL_MARRIED);
    apply(p.t1, lines);
    // As step 1 leaves the election.
    p.add(Items{{118, {{"is_transferor", double(pensioner)}, {"eligible_pension_11500", 40000},
                       {"eligible_pension", 40000}, {"split_amount", 10000}, {"68040", 6000}}}},
          Items{});
    p.pass();
    p.pass();
    for (const Value& v : expected) QCOMPARE(p.t1->getFloat(CString(v.name)), v.value);
}

// Arrived July 1: 184 of 365 days. The basic personal amount 13,808 x 184
// / 365 = 6,960.75; the Canada employment amount is not prorated. Credits
// 6,960.75 + 1,257 = 8,217.75 x 15% = 1,232.66; tax 4,500; 42000 = 3,267.34.
// The workers benefit needs the whole year in Canada.
void CalcSteps2345Test::partYearResident()
{
    Person p(40, MARITAL_SINGLE);
    p.t1->setDate("date_of_entry", QDate(2021, 7, 1));
    apply(p.t1, {{"10100", 30000}});
    p.add(Items{{119, {}}}, Items{});
    p.pass();
    p.pass();
    QCOMPARE(p.t1->getInt("days_in_canada"), 184);
    QCOMPARE(p.t1->getInt("days_in_year"), 365);
    QCOMPARE(p.t1->getFloat("30000"), 6960.75);
    QCOMPARE(p.t1->getFloat("31260"), 1257.0);
    QCOMPARE(p.t1->getFloat("42000"), 3267.34);
    QCOMPARE(p.t1->getFloat("45300"), 0.0);
}

void CalcSteps2345Test::withoutT1NothingHappens()
{
    DependantInfoStruct dependants;
    IndividualTaxData person(MULTIPROV_MODE_NEW, &dependants);
    person.setMainProvince(PROV_ON);
    CTaxData_Form* sch9 = person.NewFormDataItem(9, -1, true, 0, false)->object;
    sch9->setFloat("donations.1.amount", 500);
    for (int step = IndividualTaxData::STEP_2; step <= IndividualTaxData::STEP_5; ++step)
        QCOMPARE(person.Calculate(false, 0, IndividualTaxData::EnumCalculateStep(step), false), 0);
    QCOMPARE(sch9->getFloat("34900"), 0.0);
}

// Returns from their slips alone, through every step of the family driver:
// the slips' amounts reach the lines steps 2 to 5 read.
void CalcSteps2345Test::throughTheDriver_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<Items>("slips");
    QTest::addColumn<Values>("expected");

    // The first return above: refund 1,255.22.
    QTest::newRow("employee from a T4")
        << 40
        << Items{{1, {{"14", 65000}, {"16", 3166.45}, {"18", 889.54}, {"22", 9000}, {"24", 56300}, {"26", 61600},
                      {"ei_insurable_earnings_entered", 1}, {"pensionable_earnings_entered", 1}}}}
        << Values{{"10100", 65000}, {"30800", 2875.95}, {"31200", 889.54}, {"42000", 7744.78}, {"48400", 1255.22}};
    // The pensioner above: refund 2,381.99.
    QTest::newRow("pensioner from T4A(OAS), T4A(P) and T4A")
        << 70 << Items{{6, {{"18", 7500}}}, {3, {{"20", 9000}}}, {2, {{"016", 30000}, {"022", 6000}}}}
        << Values{{"11300", 7500}, {"11400", 9000}, {"11500", 30000}, {"30100", 6571.95}, {"42000", 3618.01},
                  {"48400", 2381.99}};
    // Taxable dividends 27,600 + 4,600 and interest 20,000: 52,200. Tax
    // 7,353 + 3,180 x 20.5% = 8,004.90; less 2,071.20 and the dividend credit
    // 4,560.85: 1,372.85 owing.
    QTest::newRow("investor from a T5")
        << 50 << Items{{8, {{"24", 20000}, {"25", 27600}, {"10", 4000}, {"11", 4600}, {"13", 20000}}}}
        << Values{{"12000", 32200}, {"12010", 4600}, {"15000", 52200}, {"40425", 4560.85}, {"42000", 1372.85},
                  {"48500", 1372.85}};
}

void CalcSteps2345Test::throughTheDriver()
{
    QFETCH(int, age);
    QFETCH(Items, slips);
    QFETCH(Values, expected);
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    IndividualTaxData* person = family.taxpayer();
    person->setMainProvince(PROV_ON);
    TaxData_T1New* t1 = addT1(*person);
    t1->setDate("birth_date", QDate(TaxData_T1New::kTaxYear - age, 3, 1));
    for (const ItemSpec& slip : slips) apply(person->NewSlipData(slip.type, -1, 0)->object, slip.values);
    family.Calculate(-1, nullptr);
    // Calculating the calculated return again changes no amount.
    const QMap<QString, double> first = amountsOf(*person);
    family.Calculate(-1, nullptr);
    QCOMPARE(amountsOf(*person), first);
    for (const Value& v : expected)
        QVERIFY2(qAbs(t1->getFloat(CString(v.name)) - v.value) < kAmountThatCounts,
                 qPrintable(QStringLiteral("%1: %2, expected %3").arg(v.name).arg(t1->getFloat(CString(v.name)), 0, 'f', 2).arg(v.value, 0, 'f', 2)));
}

// Both spouses file a Schedule 6: 20,000 and 10,000 of working income,
// family 30,000 x 27% = 8,100, at most 2,403; adjusted family net income
// 30,000 less the lower earner's 10,000 = 20,000, under 26,177. Only the
// higher earner claims it.
void CalcSteps2345Test::coupleClaimsOneWorkersBenefit()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    TaxData_T1New* t1s[2] = {};
    IndividualTaxData* persons[2] = {family.taxpayer(), family.spouse()};
    const double employment[2] = {10000, 20000};
    for (int i = 0; i < 2; ++i) {
        persons[i]->setMainProvince(PROV_ON);
        persons[i]->SetCoupledReturn(true);
        t1s[i] = addT1(*persons[i], MARITAL_MARRIED);
        t1s[i]->setDate("birth_date", QDate(1985, 3, 1));
        persons[i]->NewFormDataItem(119, -1, true, 0, false);
        apply(persons[i]->NewSlipData(1, -1, 0)->object, {{"14", employment[i]}});
    }
    family.Calculate(-1, nullptr);
    QCOMPARE(t1s[0]->getFloat("45300"), 0.0);
    QCOMPARE(t1s[1]->getFloat("45300"), 2403.0);
    QCOMPARE(persons[1]->GetFormData(FormType::Schedule6, false)->getFloat("adjusted_family_net_income"), 20000.0);
}

QTEST_MAIN(CalcSteps2345Test)
#include "tst_calcsteps2345.moc"
