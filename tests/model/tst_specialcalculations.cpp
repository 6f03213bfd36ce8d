// The special calculations of a person's return.

#include <QtTest>

#include "dependantinfo.h"
#include "federalforms.h"
#include "modeltestsupport.h"
#include "preparersettings.h"
#include "summaryforms.h"

namespace {

// A named value of a form, slip or T1; ints and bools given as numbers.
struct Value
{
    QString name;
    double value;
};
using Values = QList<Value>;

void apply(CTaxData_Form* form, const Values& values)
{
    for (const Value& v : values) {
        const CString name(v.name);
        CField* f = form->field(name);
        Q_ASSERT_X(f, "apply", qPrintable(v.name));
        switch (f->GetType()) {
        case CField::Int: form->setInt(name, int(v.value)); break;
        case CField::Bool: form->setBool(name, v.value != 0); break;
        default: form->setFloat(name, v.value); break;
        }
    }
}

// A form of the return with its values.
struct FormSpec
{
    int type;
    Values values;
};
using Forms = QList<FormSpec>;

struct Person
{
    explicit Person(int province = PROV_ON, int maritalStatus = MARITAL_SINGLE, int age = 40)
        : person(MULTIPROV_MODE_NEW, &dependants)
    {
        dependants.AllocData(DependantInfoStruct::kEntries);
        person.setMainProvince(province);
        t1 = addT1(person, maritalStatus);
        t1->setDate("birth_date", QDate(TaxData_T1New::kTaxYear - age, 3, 1));
    }
    CTaxData_Form* add(int type, const Values& values = {})
    {
        CTaxData_Form* form = person.NewFormDataItem(type, -1, true, 0, false)->object;
        apply(form, values);
        return form;
    }
    void add(const Forms& forms)
    {
        for (const FormSpec& f : forms) add(f.type, f.values);
    }
    CTaxData_Form* slip(int type, const Values& values)
    {
        CTaxData_Form* s = person.NewSlipData(type, -1, 0)->object;
        apply(s, values);
        return s;
    }
    void child(int age)
    {
        for (int i = 0; i < dependants.count(); ++i) {
            DependantEntry* e = dependants.entry(i);
            if (e->isUsed()) continue;
            e->setFirstName("Kid");
            e->relationship = DEP_REL_CHILD;
            e->birthDate = QDate(TaxData_T1New::kTaxYear - age, 9, 1);
            return;
        }
    }

    DependantInfoStruct dependants;
    IndividualTaxData person;
    TaxData_T1New* t1 = nullptr;
};

bool near(double a, double b)
{
    return qAbs(a - b) < kAmountThatCounts;
}

} // namespace

Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Forms)

class SpecialCalculationsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { preparerSettings() = PreparerSettings(); }
    void pensionPlanSums_data();
    void pensionPlanSums();
    void schedule6ByProvince_data();
    void schedule6ByProvince();
    void schedule6Variant2_data();
    void schedule6Variant2();
    void coupleSchedule6CountsSelfEmployment_data();
    void coupleSchedule6CountsSelfEmployment();
    void selfEmploymentForLine5532_data();
    void selfEmploymentForLine5532();
    void line5532LessTheReturnsLines_data();
    void line5532LessTheReturnsLines();
    void earnedIncomeForChildCare();
    void foreignTaxCredits_data();
    void foreignTaxCredits();
    void businessIncomeByProvince();
    void pensionSplitting_data();
    void pensionSplitting();
    void pensionSplittingIdentity();
    void minimumTaxMarkers_data();
    void minimumTaxMarkers();
    void preparerDetails();
    void incomeThresholds();
};

// ---------------------------------------------------------------- pension-plan sums

void SpecialCalculationsTest::pensionPlanSums_data()
{
    QTest::addColumn<QList<Values>>("slips");
    QTest::addColumn<double>("elected");   // CPT20 elected earnings; 0 without a CPT20
    QTest::addColumn<double>("cap");
    QTest::addColumn<double>("f5548");
    QTest::addColumn<double>("f50339");

    QTest::newRow("pensionable 70,000 outside Quebec: 61,600")
        << QList<Values>{{{"14", 70000}, {"16", 3166.45}, {"26", 70000}}} << 0.0 << 61600.0 << 0.0 << 61600.0;
    QTest::newRow("Quebec without CPP: to F5548 at its cap")
        << QList<Values>{{{"province_of_employment", 11}, {"17", 3776}, {"26", 70000}}} << 0.0 << 61600.0
        << 61600.0 << 0.0;
    QTest::newRow("Quebec without CPP: a lower cap")
        << QList<Values>{{{"province_of_employment", 11}, {"17", 1000}, {"26", 45000}}} << 0.0 << 30000.0
        << 30000.0 << 0.0;
    QTest::newRow("Quebec paying CPP and no QPP: F50339, no cap")
        << QList<Values>{{{"province_of_employment", 11}, {"16", 3166}, {"26", 70000}}} << 0.0 << 61600.0 << 0.0
        << 70000.0;
    QTest::newRow("Quebec paying both: neither")
        << QList<Values>{{{"province_of_employment", 11}, {"16", 100}, {"17", 100}, {"26", 5000}}} << 0.0
        << 61600.0 << 0.0 << 0.0;
    QTest::newRow("exempt with a CPT20 election: employment income")
        << QList<Values>{{{"14", 12000}, {"cpp_qpp_exempt", 1}}} << 12000.0 << 61600.0 << 0.0 << 12000.0;
    QTest::newRow("exempt without an election: nothing")
        << QList<Values>{{{"14", 12000}, {"26", 12000}, {"cpp_qpp_exempt", 1}}} << 0.0 << 61600.0 << 0.0 << 0.0;
    QTest::newRow("Quebec exempt with an election")
        << QList<Values>{{{"province_of_employment", 11}, {"14", 9000}, {"cpp_qpp_exempt", 1}}} << 9000.0
        << 61600.0 << 9000.0 << 0.0;
    QTest::newRow("each slip capped on its own")
        << QList<Values>{{{"26", 40000}}, {{"26", 40000}}, {{"26", 70000}}} << 0.0 << 61600.0 << 0.0 << 141600.0;
}

void SpecialCalculationsTest::pensionPlanSums()
{
    QFETCH(QList<Values>, slips);
    QFETCH(double, elected);
    QFETCH(double, cap);
    QFETCH(double, f5548);
    QFETCH(double, f50339);
    Person p;
    for (const Values& s : slips) p.slip(1, s);
    if (elected > 0) p.add(57, {{"employers.1.pensionable_earnings", elected}});
    QCOMPARE(p.person.getF5548(cap), f5548);
    QCOMPARE(p.person.getF50339(0), f50339);
}

// ---------------------------------------------------------------- Schedule 6 pre-tests

void SpecialCalculationsTest::schedule6ByProvince_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("age");
    QTest::addColumn<Values>("t1");
    QTest::addColumn<Forms>("forms");
    QTest::addColumn<bool>("withChild");
    QTest::addColumn<bool>("expected");

    const int single = MARITAL_SINGLE, married = MARITAL_MARRIED;
    QTest::newRow("Alberta single at the minimum") << 1 << single << 30
        << Values{{"10100", 2760}, {"23600", 10000}} << Forms{} << false << true;
    QTest::newRow("Alberta single below the minimum") << 1 << single << 30
        << Values{{"10100", 2759.99}, {"23600", 10000}} << Forms{} << false << false;
    QTest::newRow("Alberta single at the ceiling") << 1 << single << 30
        << Values{{"10100", 5000}, {"23600", 17733}} << Forms{} << false << true;
    QTest::newRow("Alberta single above the ceiling") << 1 << single << 30
        << Values{{"10100", 5000}, {"23600", 17734}} << Forms{} << false << false;
    QTest::newRow("Alberta disabled single: its own minimum") << 1 << single << 30
        << Values{{"10100", 910}, {"23600", 20817}, {"disability_amount_eligible", 1}} << Forms{} << false << true;
    QTest::newRow("British Columbia with a child: its ceiling") << 2 << single << 30
        << Values{{"10100", 5000}, {"23600", 26235}} << Forms{} << true << true;
    QTest::newRow("British Columbia with a child: above it") << 2 << single << 30
        << Values{{"10100", 5000}, {"23600", 26236}} << Forms{} << true << false;
    QTest::newRow("Nunavut single below 6,000") << 8 << single << 30
        << Values{{"10100", 5999}, {"23600", 6000}} << Forms{} << false << false;
    QTest::newRow("Ontario: self-employment is working income") << 9 << single << 30
        << Values{{"23600", 3000}} << Forms{{125, {{"13500", 3000}}}} << false << true;
    QTest::newRow("Ontario: the UCCB is taken out of net income") << 9 << single << 30
        << Values{{"10100", 9000}, {"23600", 17000}, {"11700", 500}} << Forms{} << false << true;
    QTest::newRow("Ontario married: working income not tested") << 9 << married << 30
        << Values{{"23600", 20000}, {"spouse_net_income", 5700}} << Forms{} << false << true;
    QTest::newRow("Ontario married: the spouse's income counts") << 9 << married << 30
        << Values{{"10100", 9000}, {"23600", 20000}, {"spouse_net_income", 5701}} << Forms{} << false << false;
    QTest::newRow("Ontario married and disabled: the disabled ceiling") << 9 << married << 30
        << Values{{"23600", 20000}, {"spouse_net_income", 8783}, {"disability_amount_eligible", 1}} << Forms{}
        << false << true;
    QTest::newRow("Ontario widowed: no spouse income") << 9 << int(MARITAL_WIDOWED) << 30
        << Values{{"23600", 25700}, {"spouse_net_income", 9000}} << Forms{} << false << true;
    QTest::newRow("aged 18: never") << 9 << single << 18
        << Values{{"10100", 9000}, {"23600", 9000}} << Forms{} << false << false;
    QTest::newRow("non-resident: never") << 14 << single << 30
        << Values{{"10100", 9000}, {"23600", 9000}} << Forms{} << false << false;
}

void SpecialCalculationsTest::schedule6ByProvince()
{
    QFETCH(int, province);
    QFETCH(int, status);
    QFETCH(int, age);
    QFETCH(Values, t1);
    QFETCH(Forms, forms);
    QFETCH(bool, withChild);
    QFETCH(bool, expected);
    Person p(province, status, age);
    apply(p.t1, t1);
    p.add(forms);
    if (withChild) p.child(4);
    QCOMPARE(p.person.MaySchedule6Needed(), expected);
    // An immigrant of the year never does.
    p.t1->setDate("date_of_entry", QDate(2021, 5, 1));
    QVERIFY(!p.person.MaySchedule6Needed());
}

void SpecialCalculationsTest::schedule6Variant2_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("age");
    QTest::addColumn<Values>("t1");
    QTest::addColumn<bool>("withChild");
    QTest::addColumn<bool>("expected");

    const int single = MARITAL_SINGLE, married = MARITAL_MARRIED;
    QTest::newRow("Ontario at exactly the minimum: no") << 9 << single << 30
        << Values{{"10100", 3000}, {"23600", 3000}} << false << false;
    QTest::newRow("Ontario a cent above the minimum") << 9 << single << 30
        << Values{{"10100", 3000.01}, {"23600", 3000.01}} << false << true;
    QTest::newRow("Ontario single at exactly the ceiling: no") << 9 << single << 30
        << Values{{"10100", 20000}, {"23600", 32244}} << false << false;
    QTest::newRow("Ontario single a cent below the ceiling") << 9 << single << 30
        << Values{{"10100", 20000}, {"23600", 32243.99}} << false << true;
    QTest::newRow("Ontario disabled single") << 9 << single << 30
        << Values{{"10100", 20000}, {"23600", 37000}, {"disability_amount_eligible", 1}} << false << true;
    QTest::newRow("Ontario with a child: the family ceiling") << 9 << single << 30
        << Values{{"10100", 20000}, {"23600", 42000}} << true << true;
    QTest::newRow("Ontario couple: the spouse's income added") << 9 << married << 30
        << Values{{"10100", 10000}, {"23600", 30000}, {"spouse_net_income", 12300}} << false << false;
    QTest::newRow("Alberta single ceiling") << 1 << single << 30
        << Values{{"10100", 20000}, {"23600", 32300}} << false << true;
    QTest::newRow("Alberta disabled family ceiling") << 1 << married << 30
        << Values{{"10100", 20000}, {"23600", 40000}, {"spouse_net_income", 7700}, {"disability_amount_eligible", 1}}
        << false << true;
    QTest::newRow("Nunavut at its minimum: no") << 8 << single << 30
        << Values{{"10100", 6000}, {"23600", 6000}} << false << false;
    QTest::newRow("Nunavut below its ceiling") << 8 << single << 30
        << Values{{"10100", 10000}, {"23600", 57549}} << false << true;
    QTest::newRow("Quebec couple without children: below 3,600") << 11 << married << 30
        << Values{{"10100", 3500}, {"23600", 3500}} << false << false;
    QTest::newRow("Quebec single with a child: at the ceiling") << 11 << single << 30
        << Values{{"10100", 10000}, {"23600", 16974.03}} << true << false;
    QTest::newRow("Quebec single with a child: below it") << 11 << single << 30
        << Values{{"10100", 10000}, {"23600", 16974.02}} << true << true;
    QTest::newRow("self-employment losses left out") << 9 << single << 30
        << Values{{"10100", 2000}, {"13500", 1500}, {"13700", -4000}, {"23600", 0}} << false << true;
    QTest::newRow("aged 18: never") << 9 << single << 18 << Values{{"10100", 9000}, {"23600", 9000}} << false
                                    << false;
}

void SpecialCalculationsTest::schedule6Variant2()
{
    QFETCH(int, province);
    QFETCH(int, status);
    QFETCH(int, age);
    QFETCH(Values, t1);
    QFETCH(bool, withChild);
    QFETCH(bool, expected);
    Person p(province, status, age);
    apply(p.t1, t1);
    if (withChild) p.child(10);
    QCOMPARE(p.person.MaySchedule6Needed_v2(), expected);
}

void SpecialCalculationsTest::coupleSchedule6CountsSelfEmployment_data()
{
    QTest::addColumn<double>("business");
    QTest::addColumn<bool>("asked");
    QTest::newRow("at the couple's floor") << 1150.0 << true;
    QTest::newRow("below it") << 1149.0 << false;
}

void SpecialCalculationsTest::coupleSchedule6CountsSelfEmployment()
{
    QFETCH(double, business);
    QFETCH(bool, asked);
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_ON);
    addT1(*family.taxpayer(), MARITAL_MARRIED)->setFloat("23600", 20000);
    addT1(*family.spouse(), MARITAL_MARRIED)->setFloat("23600", 5000);
    family.spouse()->NewFormDataItem(125, -1, true, 0, false)->object->setFloat("13500", business);
    QCOMPARE(family.MaySchedule6Needed(), asked);
}

// ---------------------------------------------------------------- self-employment and earned income

void SpecialCalculationsTest::selfEmploymentForLine5532_data()
{
    QTest::addColumn<Forms>("forms");
    QTest::addColumn<double>("expected");
    QTest::newRow("business") << Forms{{125, {{"13500", 8000}}}} << 8000.0;
    QTest::newRow("professional, by the statement's switch")
        << Forms{{125, {{"is_professional", 1}, {"13700", 6000}, {"13500", 999}}}} << 6000.0;
    QTest::newRow("commission") << Forms{{131, {{"13900", 3000}}}} << 3000.0;
    QTest::newRow("a fishing loss adds nothing") << Forms{{51, {{"9946", -2000}}}, {125, {{"13500", 500}}}}
                                                 << 500.0;
    QTest::newRow("farming statements") << Forms{{21, {{"9946", 4000}}}, {15, {{"9946", 1000}}}} << 5000.0;
    QTest::newRow("partnerships: rental and losses left out")
        << Forms{{38,
                  {{"partnerships.1.kind", 1}, {"partnerships.1.9946", 2000}, {"partnerships.2.kind", 0},
                   {"partnerships.2.9946", 3000}, {"partnerships.3.kind", 5}, {"partnerships.3.9946", -500}}}}
        << 2000.0;
    QTest::newRow("rental is not self-employment") << Forms{{12, {{"net_income", 5000}}}} << 0.0;
}

void SpecialCalculationsTest::selfEmploymentForLine5532()
{
    QFETCH(Forms, forms);
    QFETCH(double, expected);
    Person p;
    p.add(forms);
    QCOMPARE(p.person.CalculatedSelfEmpIncomeForF5532(), expected);
}

void SpecialCalculationsTest::line5532LessTheReturnsLines_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("expected");
    QTest::newRow("less the lines shown") << 10000.0 << 8000.0;
    QTest::newRow("never below 0") << 1000.0 << 0.0;
}

void SpecialCalculationsTest::line5532LessTheReturnsLines()
{
    QFETCH(double, amount);
    QFETCH(double, expected);
    Person p;
    apply(p.t1, {{"13500", 3000}, {"14100", -1000}, {"14300", 0.005}});
    QCOMPARE(p.person.CalcF5532ForSch6OrRefMedSupp(amount), expected);
}

void SpecialCalculationsTest::earnedIncomeForChildCare()
{
    Person p;
    apply(p.t1, {{"10100", 20000}, {"10400", 1000}, {"13010", 500}, {"12200", -300}, {"13500", -100}});
    p.add(12, {{"net_income", 2000}});
    p.add(125, {{"13500", -100}});
    QCOMPARE(p.person.CalculatedEarnedIncomeForT778(), 23500.0);
    QCOMPARE(p.person.CalculateF5530ForT778(), 0.0);   // no T778
    p.add(13, {{"other_earned_income", 400}});
    // Earned income less the T1 lines it repeats, plus what only the T778 knows.
    QCOMPARE(p.person.CalculateF5530ForT778(), 23500.0 - 21500.0 + 400.0);
    p.add(13);
    QCOMPARE(p.person.CalculateF5530ForT778(), 0.0);   // two T778s
}

// ---------------------------------------------------------------- T2209

void SpecialCalculationsTest::foreignTaxCredits_data()
{
    QTest::addColumn<QList<Values>>("countries");
    QTest::addColumn<double>("deduction");       // tax above 15%, deducted
    QTest::addColumn<double>("credit");          // line 40500
    QTest::addColumn<double>("incomeTotal");     // rounded
    QTest::addColumn<double>("provincialTax");   // of the first country

    // Net income 50,000 and basic federal tax 10,000 (42900 + 40425 + 40427).
    QTest::newRow("tax within 15%: all of it credited")
        << QList<Values>{{{"foreign_non_business_income", 1000}, {"foreign_non_business_tax_paid", 150}}} << 0.0
        << 150.0 << 1000.0 << 0.0;
    QTest::newRow("tax above 15%: the excess is deducted")
        << QList<Values>{{{"foreign_non_business_income", 1000}, {"foreign_non_business_tax_paid", 250}}} << 100.0
        << 150.0 << 1000.0 << 0.0;
    QTest::newRow("a small foreign income")
        << QList<Values>{{{"foreign_non_business_income", 400}, {"foreign_non_business_tax_paid", 60}}} << 0.0
        << 60.0 << 400.0 << 0.0;
    QTest::newRow("two countries; the income total rounded")
        << QList<Values>{{{"foreign_non_business_income", 1000.4}, {"foreign_non_business_tax_paid", 100}},
                         {{"foreign_non_business_income", 500.3}, {"foreign_non_business_tax_paid", 30}}}
        << 0.0 << 130.0 << 1501.0 << 0.0;
    QTest::newRow("its own net income: the Canadian tax on the income is the lower")
        << QList<Values>{{{"foreign_non_business_income", 1000}, {"foreign_non_business_tax_paid", 150},
                          {"net_income_override", 1}, {"net_income", 100000}}}
        << 0.0 << 100.0 << 1000.0 << 50.0;
}

void SpecialCalculationsTest::foreignTaxCredits()
{
    QFETCH(QList<Values>, countries);
    QFETCH(double, deduction);
    QFETCH(double, credit);
    QFETCH(double, incomeTotal);
    QFETCH(double, provincialTax);
    Person p;
    apply(p.t1, {{"23600", 52000}, {"25300", 2000}, {"42900", 8500}, {"40425", 1000}, {"40427", 500}});
    CTaxData_Form* t691 = p.add(31);
    for (const Values& c : countries) p.add(35, c);

    QCOMPARE(p.person.CalculateT2209Adjust15Percent(), 0);
    QVERIFY(near(p.t1->getFloat("foreign_tax_deduction"), deduction));
    QCOMPARE(p.person.CalculateT2209FedPart(), 0);
    QVERIFY(near(p.t1->getFloat("40500"), credit));
    QCOMPARE(p.t1->getFloat("ftc_net_foreign_non_business_income"), incomeTotal);
    QVERIFY(near(t691->getFloat("special_foreign_tax_credit"), credit));
    std::list<TaxData_T2209_2036*> list;
    p.person.PrepareT2209List(list);
    QCOMPARE(int(list.size()), countries.size());
    QCOMPARE(list.front()->getFloat("basic_federal_tax"), 10000.0);

    QCOMPARE(p.person.CalculateT2209FromFedToProv(), 0);
    QVERIFY(near(list.front()->getFloat("provincial_foreign_tax"), provincialTax));
    QCOMPARE(list.front()->getFloat("provincial_foreign_income"),
             list.front()->getFloat("foreign_non_business_income"));
}

// ---------------------------------------------------------------- T2203

void SpecialCalculationsTest::businessIncomeByProvince()
{
    Person p(PROV_ON);
    apply(p.t1, {{"23600", 60000}, {"26000", 54000}, {"12200", 1000}, {"13500", 20000}, {"14100", 5000}});
    auto* t2203 = dynamic_cast<TaxData_T2203*>(p.add(156));
    CTaxData_Form* bc = p.add(125, {{"9946", 18000}});
    bc->setString("business_postal_code", "V6B 1A1");
    p.add(21, {{"9946", 5000}})->setString("business_postal_code", "M5V 2T6");
    p.add(125, {{"9946", 2000}});   // no postal code: at home

    QCOMPARE(p.person._calculateT2203BusiIncome(), 0);
    QVERIFY(t2203->isProvActiveByBusiInc(PROV_BC));
    QVERIFY(!t2203->isProvActiveByBusiInc(PROV_AB));
    QCOMPARE(t2203->getFloat("net_income"), 60000.0);
    QCOMPARE(t2203->getFloat("total_business_income"), 26000.0);
    // Business income and taxable income of a province's rows.
    auto of = [t2203](int province) {
        QPair<double, double> sums{0, 0};
        for (int row = 1; row <= TaxData_T2203::kJurisdictions; ++row) {
            if (t2203->getInt(TableForm::rowField("provinces.#.province", row)) != province) continue;
            sums.first += t2203->getFloat(TableForm::rowField("provinces.#.business_income", row));
            sums.second += t2203->getFloat(TableForm::rowField("provinces.#.taxable_income", row));
        }
        return sums;
    };
    QCOMPARE(of(PROV_BC).first, 18000.0);
    QCOMPARE(of(PROV_ON).first, 1000.0 + 5000.0 + 2000.0);
    QVERIFY(near(of(PROV_BC).second, 54000.0 * 18000.0 / 60000.0));
    QVERIFY(near(of(PROV_ON).second, 54000.0 - 16200.0));

    // A second run starts the business income afresh.
    p.person._calculateT2203BusiIncome();
    QCOMPARE(of(PROV_BC).first, 18000.0);
    QCOMPARE(of(PROV_ON).first, 8000.0);
}

// ---------------------------------------------------------------- T1032

void SpecialCalculationsTest::pensionSplitting_data()
{
    QTest::addColumn<bool>("pensioner");
    QTest::addColumn<Values>("form");
    QTest::addColumn<double>("line11500");
    QTest::addColumn<QList<double>>("expected");   // 11600, 21000, pension amount, tax adjustment, qualifying

    QTest::newRow("pensioner splits 10,000 of 30,000")
        << true << Values{{"split_amount", 10000}, {"68040", 6000}} << 30000.0
        << QList<double>{0, 10000, 2000, -2000, 0};
    QTest::newRow("pensioner asks more than half: held to half")
        << true << Values{{"split_amount", 20000}} << 30000.0 << QList<double>{0, 15000, 2000, 0, 0};
    QTest::newRow("pensioner splits by percentage")
        << true << Values{{"percent_split", 40}} << 30000.0 << QList<double>{0, 12000, 2000, 0, 0};
    QTest::newRow("pensioner keeps 1,500: its amount") << true << Values{{"split_amount", 1500}} << 3000.0
                                                      << QList<double>{0, 1500, 1500, 0, 0};
    QTest::newRow("transferee receives")
        << false
        << Values{{"eligible_pension_11500", 24000}, {"eligible_pension_12900", 6000}, {"split_amount", 10000},
                  {"68040", 6000}}
        << 0.0 << QList<double>{10000, 0, 2000, 2000, 8000};
    QTest::newRow("transferee of a small split") << false << Values{{"eligible_pension_11500", 3000},
                                                                     {"split_amount", 1200}}
                                                 << 0.0 << QList<double>{1200, 0, 1200, 0, 1200};
}

void SpecialCalculationsTest::pensionSplitting()
{
    QFETCH(bool, pensioner);
    QFETCH(Values, form);
    QFETCH(double, line11500);
    QFETCH(QList<double>, expected);
    Person p(PROV_ON, MARITAL_MARRIED, 66);
    p.t1->setFloat("11500", line11500);
    CTaxData_Form* t1032 = p.add(118, form);
    t1032->setBool("is_transferor", pensioner);

    p.person._calculateT1032_step1();
    p.person._calculateT1032_step2();
    const QList<double> got{p.t1->getFloat("11600"), p.t1->getFloat("21000"),
                            p.t1->getFloat("pension_amount_after_split"),
                            p.t1->getFloat("split_pension_tax_adjustment"),
                            p.t1->getFloat("split_pension_qualifying")};
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(near(got[i], expected[i]), qPrintable(QString("%1: %2").arg(i).arg(got[i])));

    // Without the election every one of them is 0.
    p.person.RemoveFormData(t1032, true);
    p.person._calculateT1032_step1();
    p.person._calculateT1032_step2();
    for (const char* name : {"11600", "21000", "pension_amount_after_split", "split_pension_tax_adjustment",
                             "split_pension_qualifying"})
        QCOMPARE(p.t1->getFloat(name), 0.0);
}

void SpecialCalculationsTest::pensionSplittingIdentity()
{
    Person p(PROV_ON, MARITAL_MARRIED, 70);
    apply(p.t1, {{"11500", 20000}});
    p.t1->setString("first_name", "Ann");
    p.t1->setString("last_name", "Lee");
    p.t1->setString("spouse_first_name", "Bo");
    p.t1->setDate("spouse_birth_date", QDate(1960, 1, 1));
    CTaxData_Form* t1032 = p.add(118);
    t1032->setBool("is_transferor", true);
    p.person._calculateT1032_step1();
    QCOMPARE(t1032->getString("transferor_first_name"), CString("Ann"));
    QCOMPARE(t1032->getInt("transferor_age"), 70);
    QCOMPARE(t1032->getString("transferee_first_name"), CString("Bo"));
    QCOMPARE(t1032->getInt("transferee_age"), 61);

    // Without a spouse, and not widowed in the year, the other section is emptied.
    p.t1->setInt("marital_status", MARITAL_SINGLE);
    p.person._calculateT1032_step1();
    QVERIFY(t1032->getString("transferee_first_name").IsEmpty());
    QCOMPARE(t1032->getInt("transferee_age"), 0);
}

// ---------------------------------------------------------------- markers, preparer, thresholds

void SpecialCalculationsTest::minimumTaxMarkers_data()
{
    QTest::addColumn<bool>("withT691");
    QTest::addColumn<Values>("t1");
    QTest::addColumn<QList<double>>("expected");   // capital gains, loss, ratio markers

    QTest::newRow("capital gains, no T691: the T1's marker") << false << Values{{"12700", 500}}
                                                             << QList<double>{1, 0, 0};
    QTest::newRow("rental loss, no T691") << false << Values{{"12600", -400}} << QList<double>{0, 1, 0};
    QTest::newRow("capital gains with a T691") << true << Values{{"12700", 500}} << QList<double>{1, 0, 0};
    QTest::newRow("capital gains deduction with a T691") << true << Values{{"25400", 9000}}
                                                         << QList<double>{1, 0, 1};
    QTest::newRow("nothing") << true << Values{{"12600", 400}} << QList<double>{0, 0, 0};
}

void SpecialCalculationsTest::minimumTaxMarkers()
{
    QFETCH(bool, withT691);
    QFETCH(Values, t1);
    QFETCH(QList<double>, expected);
    Person p;
    apply(p.t1, t1);
    CTaxData_Form* t691 = withT691 ? p.add(31) : nullptr;
    p.person.CalculateAdjustment();
    const QList<double> got = t691
        ? QList<double>{t691->getFloat("capital_gains_marker"), t691->getFloat("loss_marker"),
                        t691->getFloat("ratio_marker")}
        : QList<double>{p.t1->getFloat("amt_capital_gains_marker"), p.t1->getFloat("amt_loss_marker"), 0.0};
    QCOMPARE(got, expected);
    if (t691) QCOMPARE(p.t1->getFloat("amt_capital_gains_marker"), 0.0);
}

void SpecialCalculationsTest::preparerDetails()
{
    PreparerSettings& preparer = preparerSettings();
    preparer.BusinessName = "Ledger & Co";
    preparer.BusinessAddr = "12 Main St";
    preparer.BusinessCity = "Regina";
    preparer.BusinessProv = "SK";
    preparer.BusinessPostcode = "S4P 3Y2";
    preparer.BusinessPhone = "306-555-0101";
    preparer.BusinessEFileNum = "X1234";
    Person p;
    p.person.CopyTaxPreparerInfo();
    QCOMPARE(p.t1->getString("preparer_name"), CString("Ledger & Co"));
    QCOMPARE(p.t1->getString("preparer_address"), CString("12 Main St"));
    QCOMPARE(p.t1->getString("preparer_city"), CString("Regina, SK S4P 3Y2"));
    QCOMPARE(p.t1->getString("preparer_phone"), CString("306-555-0101"));
    QCOMPARE(p.t1->getString("preparer_efile_number"), CString("X1234"));

    IndividualTaxData nonResident(MULTIPROV_MODE_NEW, nullptr);
    CTaxData_Form* t1159 = nonResident.NewFormDataItem(161, -1, true, 0, false)->object;
    nonResident.CopyT1013Pref2();
    QCOMPARE(t1159->getString("preparer_name"), CString("Ledger & Co"));
    QCOMPARE(t1159->getString("preparer_phone"), CString("306-555-0101"));
}

void SpecialCalculationsTest::incomeThresholds()
{
    Person p(PROV_ON);
    std::list<double> provincial;
    const int provincialCount = p.person.provMgr().GetIncomeThresholds(provincial);
    QVERIFY(provincialCount > 0);
    std::list<double> all;
    QCOMPARE(p.person.GetIncomeThresholds(all), 4 + provincialCount);
    std::list<double> expected{49020, 98040, 151978, 216511};
    expected.insert(expected.end(), provincial.begin(), provincial.end());
    QCOMPARE(all, expected);
}

QTEST_GUILESS_MAIN(SpecialCalculationsTest)
#include "tst_specialcalculations.moc"
