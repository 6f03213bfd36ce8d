// The questions the return model asks of the form classes.

#include <QtTest>

#include "federalforms.h"
#include "slips.h"
#include "statements.h"
#include "summaryforms.h"
#include "t1.h"

class FedQueriesTest : public QObject
{
    Q_OBJECT
private slots:
    void ageAndBirthMonth_data();
    void ageAndBirthMonth();
    void spouseQuestions_data();
    void spouseQuestions();
    void climateActionIncentiveEligibility_data();
    void climateActionIncentiveEligibility();
    void fullNameAndMailingAddress();
    void creditsAllUsed();
    void partnershipIncomeKinds();
    void businessIncomeByProvince();
    void summaryCopyKeepsItsType();
    void nonResidentReturnByNumber();
    void indianActIncomeOnAT4();
    void sharedInvestmentSlips_data();
    void sharedInvestmentSlips();
};

void FedQueriesTest::ageAndBirthMonth_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("month");
    QTest::newRow("65 by December 31") << QDate(1956, 12, 31) << 65 << 12;
    QTest::newRow("born in the tax year") << QDate(2021, 1, 1) << 0 << 1;
    QTest::newRow("no birth date") << QDate() << 0 << 0;
    QTest::newRow("born after the year") << QDate(2022, 2, 1) << 0 << 2;
}

void FedQueriesTest::ageAndBirthMonth()
{
    QFETCH(QDate, birth);
    QFETCH(int, age);
    QFETCH(int, month);
    TaxData_T1New t1;
    t1.setDate("birth_date", birth);
    QCOMPARE(t1.GetAge(), age);
    QCOMPARE(t1.GetBirthMonth(), month);
    QCOMPARE(t1.IsAgeNotUnder65(), age >= 65);
}

void FedQueriesTest::spouseQuestions_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QDate>("changed");
    QTest::addColumn<bool>("hasSpouse");
    QTest::addColumn<bool>("widowedInYear");
    QTest::newRow("married") << int(MARITAL_MARRIED) << QDate() << true << false;
    QTest::newRow("common-law") << int(MARITAL_COMMON_LAW) << QDate() << true << false;
    QTest::newRow("widowed in 2021") << int(MARITAL_WIDOWED) << QDate(2021, 8, 1) << false << true;
    QTest::newRow("widowed before") << int(MARITAL_WIDOWED) << QDate(2019, 8, 1) << false << false;
    QTest::newRow("separated") << int(MARITAL_SEPARATED) << QDate(2021, 3, 1) << false << false;
    QTest::newRow("single") << int(MARITAL_SINGLE) << QDate() << false << false;
    QTest::newRow("not answered") << int(MARITAL_NONE) << QDate() << false << false;
}

void FedQueriesTest::spouseQuestions()
{
    QFETCH(int, status);
    QFETCH(QDate, changed);
    QFETCH(bool, hasSpouse);
    QFETCH(bool, widowedInYear);
    TaxData_T1New t1;
    QCOMPARE(t1.getInt("marital_status"), int(MARITAL_NONE));   // nothing chosen in a new T1
    t1.setInt("marital_status", status);
    t1.setDate("date_of_marital_change", changed);
    QCOMPARE(t1.HasSpouse(), hasSpouse);
    QCOMPARE(t1.IsWidowedInTaxYear(), widowedInYear);
    QCOMPARE(t1.CanClaimSpouse(), hasSpouse);
    t1.setBool("spouse_claim_off", true);
    QVERIFY(!t1.CanClaimSpouse());
}

void FedQueriesTest::climateActionIncentiveEligibility_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("birthYear");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("eligible");
    QTest::newRow("Ontario adult") << 9 << 1990 << int(MARITAL_SINGLE) << true;
    QTest::newRow("Alberta adult") << 1 << 1990 << int(MARITAL_SINGLE) << true;
    QTest::newRow("Saskatchewan adult") << 12 << 1990 << int(MARITAL_SINGLE) << true;
    QTest::newRow("Manitoba adult") << 3 << 1990 << int(MARITAL_SINGLE) << true;
    QTest::newRow("British Columbia: not paid there") << 2 << 1990 << int(MARITAL_SINGLE) << false;
    QTest::newRow("New Brunswick: not paid there") << 4 << 1990 << int(MARITAL_SINGLE) << false;
    QTest::newRow("Ontario, 17 and single") << 9 << 2004 << int(MARITAL_SINGLE) << false;
    QTest::newRow("Ontario, 17 with a spouse") << 9 << 2004 << int(MARITAL_COMMON_LAW) << true;
    QTest::newRow("Ontario, 18 at year end") << 9 << 2003 << int(MARITAL_SINGLE) << true;
}

void FedQueriesTest::climateActionIncentiveEligibility()
{
    QFETCH(int, province);
    QFETCH(int, birthYear);
    QFETCH(int, status);
    QFETCH(bool, eligible);
    TaxData_T1New t1;
    t1.setInt("province", province);
    t1.setDate("birth_date", QDate(birthYear, 6, 1));
    t1.setInt("marital_status", status);
    QCOMPARE(t1.isEligibleForSch14(), eligible);
}

void FedQueriesTest::fullNameAndMailingAddress()
{
    TaxData_T1New a, b;
    a.setString("first_name", "  Ann ");
    a.setString("last_name", "Lee ");
    CString name;
    a.ConstructFullName(name);
    QCOMPARE(name, CString("Ann Lee"));
    b.setString("first_name", "Bo");
    b.ConstructFullName(name);
    QCOMPARE(name, CString("Bo"));

    a.setString("mailing_address", "12 Main St");
    a.setString("mailing_city", "Ottawa");
    a.setString("mailing_postal_code", "K1A 0B1");
    b.setString("mailing_city", "Elsewhere");
    b.SyncWithSpouseMailingAddr(&a);
    QCOMPARE(b.getString("mailing_address"), CString("12 Main St"));
    QCOMPARE(b.getString("mailing_city"), CString("Ottawa"));
    QCOMPARE(b.getString("first_name"), CString("Bo"));   // only the address
}

void FedQueriesTest::creditsAllUsed()
{
    TaxData_T1New t1;
    t1.setFloat("35000", 2500);
    t1.setFloat("40400", 2499);
    QVERIFY(!t1.IsNonRefTaxCreditAllUsed());
    t1.setFloat("40400", 2500);
    QVERIFY(t1.IsNonRefTaxCreditAllUsed());
}

void FedQueriesTest::partnershipIncomeKinds()
{
    CTaxData_T5013 t5013;
    QCOMPARE(t5013.GetCountOfSFDForms(), 0);
    t5013.setInt("partnerships.1.kind", CTaxData_T5013::KIND_RENTAL);
    t5013.setFloat("partnerships.1.107", 1200);
    t5013.setInt("partnerships.2.kind", CTaxData_T5013::KIND_BUSINESS);
    t5013.setFloat("partnerships.2.104", -300);   // a loss is income of that kind too
    t5013.setInt("partnerships.3.kind", CTaxData_T5013::KIND_FARMING);
    QCOMPARE(t5013.HaveRentalIncome(), 1);
    QCOMPARE(t5013.HaveBusinessIncome(), 1);
    QCOMPARE(t5013.HaveFarmIncome(), 0);   // a kind without an amount
    QCOMPARE(t5013.HaveFishIncome(), 0);
    QCOMPARE(t5013.GetCountOfSFDForms(), 3);
}

void FedQueriesTest::businessIncomeByProvince()
{
    TaxData_T2203 t2203;
    t2203.setInt("provinces.1.province", 9);
    t2203.setFloat("provinces.1.business_income", 5000);
    t2203.setInt("provinces.2.province", 2);
    t2203.setFloat("provinces.2.business_income", 0.005);
    QVERIFY(t2203.isProvActiveByBusiInc(9));
    QVERIFY(!t2203.isProvActiveByBusiInc(2));
    QVERIFY(!t2203.isProvActiveByBusiInc(1));
}

void FedQueriesTest::summaryCopyKeepsItsType()
{
    TaxData_T1KSNew summary(93), refile(159);
    summary.setFloat("48400", 812.4);
    summary.setString("full_name", "Ann Lee");
    refile = summary;
    QCOMPARE(int(refile.getType()), 159);
    QCOMPARE(refile.getFloat("48400"), 812.4);
    QVERIFY(!refile.CopyFrom(&summary));   // a copy across types only through assignment
}

void FedQueriesTest::nonResidentReturnByNumber()
{
    TaxData_T1159 t1159;
    t1159.setString("first_name", "Jan");
    t1159.setString("last_name", "Berg");
    t1159.setFloat("48500", 300);
    double amount = 0;
    QVERIFY(t1159.getFedAmountClaimed(483, amount));
    QCOMPARE(amount, 300.0);
    CString text;
    QVERIFY(t1159.getFedStringClaimed(17, text));
    QCOMPARE(text, CString("Jan Berg"));
    QVERIFY(!t1159.getFedStringClaimed(99, text));
}

void FedQueriesTest::indianActIncomeOnAT4()
{
    CSlipData_T4 t4;
    QVERIFY(!t4.containIndianItem());
    t4.setFloat("85", 500);   // private health premiums: not exempt income
    QVERIFY(!t4.containIndianItem());
    t4.setFloat("71", 0.008);
    QVERIFY(!t4.containIndianItem());
    t4.setFloat("71", 42000);
    QVERIFY(t4.containIndianItem());
}

void FedQueriesTest::sharedInvestmentSlips_data()
{
    QTest::addColumn<double>("share");
    QTest::addColumn<bool>("shared");
    QTest::newRow("whole") << 100.0 << false;
    QTest::newRow("half") << 50.0 << true;
    QTest::newRow("just under") << 99.99 << true;
}

void FedQueriesTest::sharedInvestmentSlips()
{
    QFETCH(double, share);
    QFETCH(bool, shared);
    TaxData_Slip_T5 t5;
    TaxData_Slip_T3 t3;
    TaxData_Slip_T5013 t5013;
    QVERIFY(!t5.HasSharedComponent());
    t5.setFloat("share_percent", share);
    t3.setFloat("share_percent", share);
    t5013.setFloat("partner_share_percent", share);
    QCOMPARE(t5.HasSharedComponent(), shared);
    QCOMPARE(t3.HasSharedComponent(), shared);
    QCOMPARE(t5013.HasSharedComponent(), shared);
}

QTEST_APPLESS_MAIN(FedQueriesTest)
#include "tst_fedqueries.moc"
