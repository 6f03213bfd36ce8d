// The 2021 federal rules, row by row at their thresholds and a dollar either
// side. Each expected value is worked from the agency's rule in the comment.

#include <QtTest>

#include "federal2021.h"

using namespace Federal2021;

class Federal2021Test : public QObject
{
    Q_OBJECT
private slots:
    void taxOnTaxableIncome_data();
    void taxOnTaxableIncome();
    void basicPersonalAmount_data();
    void basicPersonalAmount();
    void ageAmount_data();
    void ageAmount();
    void partYearAmounts_data();
    void partYearAmounts();
    void spouseAndCaregiverAmounts_data();
    void spouseAndCaregiverAmounts();
    void limitedAmounts_data();
    void limitedAmounts();
    void disabilityAmount_data();
    void disabilityAmount();
    void cppEmployee_data();
    void cppEmployee();
    void cppSelfEmployment_data();
    void cppSelfEmployment();
    void eiOverpayment_data();
    void eiOverpayment();
    void dividends_data();
    void dividends();
    void donationCredit_data();
    void donationCredit();
    void oasRecovery_data();
    void oasRecovery();
    void canadaWorkersBenefit_data();
    void canadaWorkersBenefit();
    void medicalExpenseSupplement_data();
    void medicalExpenseSupplement();
};

void Federal2021Test::taxOnTaxableIncome_data()
{
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("tax");
    QTest::newRow("nothing") << 0.0 << 0.0;
    QTest::newRow("a loss") << -500.0 << 0.0;
    QTest::newRow("49,019") << 49019.0 << 7352.85;        // 49,019 x 15%
    QTest::newRow("49,020") << 49020.0 << 7353.00;        // 49,020 x 15%
    QTest::newRow("49,021") << 49021.0 << 7353.21;        // 7,353 + 1 x 20.5% = 7,353.205, half a cent up
    QTest::newRow("98,039") << 98039.0 << 17401.90;       // 7,353 + 49,019 x 20.5% = 17,401.895
    QTest::newRow("98,040") << 98040.0 << 17402.10;       // 7,353 + 49,020 x 20.5% = 7,353 + 10,049.10
    QTest::newRow("98,041") << 98041.0 << 17402.36;       // 17,402.10 + 1 x 26%
    QTest::newRow("151,977") << 151977.0 << 31425.72;     // 17,402.10 + 53,937 x 26% = 17,402.10 + 14,023.62
    QTest::newRow("151,978") << 151978.0 << 31425.98;     // 17,402.10 + 53,938 x 26% = 17,402.10 + 14,023.88
    QTest::newRow("151,979") << 151979.0 << 31426.27;     // 31,425.98 + 1 x 29%
    QTest::newRow("216,510") << 216510.0 << 50140.26;     // 31,425.98 + 64,532 x 29% = 31,425.98 + 18,714.28
    QTest::newRow("216,511") << 216511.0 << 50140.55;     // 31,425.98 + 64,533 x 29% = 31,425.98 + 18,714.57
    QTest::newRow("216,512") << 216512.0 << 50140.88;     // 50,140.55 + 1 x 33%
    QTest::newRow("300,000") << 300000.0 << 77691.92;     // 50,140.55 + 83,489 x 33% = 50,140.55 + 27,551.37
}

void Federal2021Test::taxOnTaxableIncome()
{
    QFETCH(double, taxable);
    QFETCH(double, tax);
    QCOMPARE(Federal2021::taxOnTaxableIncome(taxable), tax);
}

void Federal2021Test::basicPersonalAmount_data()
{
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("amount");
    QTest::newRow("low income") << 30000.0 << 13808.0;
    QTest::newRow("151,977") << 151977.0 << 13808.0;
    QTest::newRow("151,978") << 151978.0 << 13808.0;
    QTest::newRow("151,979") << 151979.0 << 13807.98;     // 13,808 - 1,387 x 1 / 64,533 = 13,807.9785
    QTest::newRow("161,798") << 161798.0 << 13596.94;     // 13,808 - 1,387 x 9,820 / 64,533 = 13,808 - 211.06
    QTest::newRow("midpoint") << 184244.5 << 13114.50;    // 13,808 - 1,387 x 32,266.5 / 64,533 = 13,808 - 693.50
    QTest::newRow("216,510") << 216510.0 << 12421.02;     // 13,808 - 1,387 x 64,532 / 64,533 = 12,421 + 0.0215
    QTest::newRow("216,511") << 216511.0 << 12421.0;
    QTest::newRow("216,512") << 216512.0 << 12421.0;
}

void Federal2021Test::basicPersonalAmount()
{
    QFETCH(double, netIncome);
    QFETCH(double, amount);
    QCOMPARE(Federal2021::basicPersonalAmount(netIncome), amount);
}

void Federal2021Test::ageAmount_data()
{
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("amount");
    QTest::newRow("38,892") << 38892.0 << 7713.0;
    QTest::newRow("38,893") << 38893.0 << 7713.0;
    QTest::newRow("38,894") << 38894.0 << 7712.85;        // 7,713 - 1 x 15%
    QTest::newRow("60,000") << 60000.0 << 4546.95;        // 7,713 - 21,107 x 15% = 7,713 - 3,166.05
    QTest::newRow("90,312") << 90312.0 << 0.15;           // 7,713 - 51,419 x 15% = 7,713 - 7,712.85
    QTest::newRow("90,313") << 90313.0 << 0.0;            // 7,713 - 51,420 x 15% = 0
    QTest::newRow("90,314") << 90314.0 << 0.0;            // would be -0.15
}

void Federal2021Test::ageAmount()
{
    QFETCH(double, netIncome);
    QFETCH(double, amount);
    QCOMPARE(Federal2021::ageAmount(netIncome), amount);
    // A full year through the general form gives the same amount.
    QCOMPARE(CalculateAgeAmount(true, netIncome, 365, 365), amount);
}

void Federal2021Test::partYearAmounts_data()
{
    QTest::addColumn<bool>("eligible");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("daysInYear");
    QTest::addColumn<double>("maxAmount");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("amount");
    QTest::newRow("under 65") << false << 20000.0 << 365 << 365 << 7713.0 << 38893.0 << 0.0;
    // The agency's worked newcomer example (2020 figures): A = 7,637 x 276/366
    // = 5,759.05; B = 38,508 x 276/366 = 29,038.82; (30,000 - B) x 15% = 144.18;
    // A - 144.18.
    QTest::newRow("agency example") << true << 30000.0 << 276 << 366 << 7637.0 << 38508.0 << 5614.87;
    // A = 7,713 x 183/365 = 3,867.07; B = 38,893 x 183/365 = 19,499.78;
    // (25,000 - B) x 15% = 825.03; A - 825.03.
    QTest::newRow("half a year, reduced") << true << 25000.0 << 183 << 365 << 7713.0 << 38893.0 << 3042.04;
    // A = 7,713 x 100/365 = 2,113.15; B = 10,655.62 is above the income.
    QTest::newRow("100 days, below threshold") << true << 10000.0 << 100 << 365 << 7713.0 << 38893.0 << 2113.15;
    QTest::newRow("no days in Canada") << true << 10000.0 << 0 << 365 << 7713.0 << 38893.0 << 0.0;
}

void Federal2021Test::partYearAmounts()
{
    QFETCH(bool, eligible);
    QFETCH(double, netIncome);
    QFETCH(int, days);
    QFETCH(int, daysInYear);
    QFETCH(double, maxAmount);
    QFETCH(double, threshold);
    QFETCH(double, amount);
    QCOMPARE(CalculateAgeAmount(eligible, netIncome, days, daysInYear, maxAmount, threshold, 0.15), amount);
}

void Federal2021Test::spouseAndCaregiverAmounts_data()
{
    // line: 30300 spouse amount, 30450 or 30425 caregiver amount
    QTest::addColumn<int>("line");
    QTest::addColumn<double>("bpaOrClaimed");
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<bool>("infirm");
    QTest::addColumn<double>("amount");
    QTest::newRow("spouse without income") << 30300 << 13808.0 << 0.0 << false << 13808.0;
    QTest::newRow("spouse with 5,000") << 30300 << 13808.0 << 5000.0 << false << 8808.0;      // 13,808 - 5,000
    QTest::newRow("spouse at the claimant's BPA") << 30300 << 13808.0 << 13808.0 << false << 0.0;
    QTest::newRow("spouse above the BPA") << 30300 << 13808.0 << 20000.0 << false << 0.0;
    QTest::newRow("infirm spouse") << 30300 << 13808.0 << 5000.0 << true << 11103.0;          // 13,808 + 2,295 - 5,000
    QTest::newRow("high-income claimant") << 30300 << 12421.0 << 1000.0 << false << 11421.0;  // claimant's BPA 12,421 - 1,000
    QTest::newRow("dependant under 17,256") << 30450 << 0.0 << 10000.0 << false << 7348.0;
    QTest::newRow("dependant at 17,256") << 30450 << 0.0 << 17256.0 << false << 7348.0;
    QTest::newRow("dependant at 17,257") << 30450 << 0.0 << 17257.0 << false << 7347.0;       // 7,348 - 1
    QTest::newRow("dependant at 24,604") << 30450 << 0.0 << 24604.0 << false << 0.0;          // 7,348 - 7,348
    QTest::newRow("dependant at 30,000") << 30450 << 0.0 << 30000.0 << false << 0.0;
    // Infirm spouse with 10,000: line 30300 took 13,808 + 2,295 - 10,000 = 6,103;
    // line 30425 is 7,348 - 6,103.
    QTest::newRow("spouse caregiver top-up") << 30425 << 6103.0 << 10000.0 << true << 1245.0;
    // Spouse with 20,000: line 30300 is 0; 7,348 - (20,000 - 17,256) = 4,604.
    QTest::newRow("spouse caregiver alone") << 30425 << 0.0 << 20000.0 << true << 4604.0;
    QTest::newRow("spouse line took it all") << 30425 << 9000.0 << 5000.0 << true << 0.0;
}

void Federal2021Test::spouseAndCaregiverAmounts()
{
    QFETCH(int, line);
    QFETCH(double, bpaOrClaimed);
    QFETCH(double, netIncome);
    QFETCH(bool, infirm);
    QFETCH(double, amount);
    switch (line) {
    case 30300:
        QCOMPARE(spouseAmount(bpaOrClaimed, netIncome, infirm), amount);
        break;
    case 30450:
        QCOMPARE(caregiverAmountForInfirmDependant(netIncome), amount);
        break;
    default:
        QCOMPARE(caregiverAmountForSpouseOrDependant(netIncome, bpaOrClaimed), amount);
        break;
    }
}

// Amounts that are a figure limited by a 2021 maximum (or a threshold).
enum LimitedAmount {
    PensionIncome, CanadaEmployment, Adoption, DigitalNews, HomeAccessibility,
    MedicalThreshold, AllowableMedical, TuitionTransfer, CreditValue, TaxableGain, ProratedBpa
};
Q_DECLARE_METATYPE(LimitedAmount)

void Federal2021Test::limitedAmounts_data()
{
    QTest::addColumn<LimitedAmount>("kind");
    QTest::addColumn<double>("input");
    QTest::addColumn<double>("other");
    QTest::addColumn<double>("amount");
    QTest::newRow("pension under 2,000") << PensionIncome << 1500.0 << 0.0 << 1500.0;
    QTest::newRow("pension at 2,000") << PensionIncome << 2000.0 << 0.0 << 2000.0;
    QTest::newRow("pension over 2,000") << PensionIncome << 5000.0 << 0.0 << 2000.0;
    QTest::newRow("employment under 1,257") << CanadaEmployment << 1000.0 << 0.0 << 1000.0;
    QTest::newRow("employment over 1,257") << CanadaEmployment << 50000.0 << 0.0 << 1257.0;
    QTest::newRow("adoption under 16,729") << Adoption << 12000.0 << 0.0 << 12000.0;
    QTest::newRow("adoption over 16,729") << Adoption << 20000.0 << 0.0 << 16729.0;
    QTest::newRow("news under 500") << DigitalNews << 120.0 << 0.0 << 120.0;
    QTest::newRow("news over 500") << DigitalNews << 800.0 << 0.0 << 500.0;
    QTest::newRow("accessibility over 10,000") << HomeAccessibility << 14000.0 << 0.0 << 10000.0;
    QTest::newRow("medical 3% of 50,000") << MedicalThreshold << 50000.0 << 0.0 << 1500.0;     // 50,000 x 3%
    QTest::newRow("medical 3% reaches 2,421") << MedicalThreshold << 80700.0 << 0.0 << 2421.0; // 80,700 x 3%
    QTest::newRow("medical capped at 2,421") << MedicalThreshold << 100000.0 << 0.0 << 2421.0;
    QTest::newRow("expenses over 3%") << AllowableMedical << 3000.0 << 50000.0 << 1500.0;      // 3,000 - 1,500
    QTest::newRow("expenses under 3%") << AllowableMedical << 1000.0 << 50000.0 << 0.0;
    QTest::newRow("expenses over 2,421") << AllowableMedical << 5000.0 << 150000.0 << 2579.0;  // 5,000 - 2,421
    QTest::newRow("tuition all unused") << TuitionTransfer << 3000.0 << 0.0 << 3000.0;
    QTest::newRow("tuition over 5,000") << TuitionTransfer << 8000.0 << 0.0 << 5000.0;
    QTest::newRow("tuition partly used") << TuitionTransfer << 8000.0 << 1200.0 << 3800.0;    // 5,000 - 1,200
    QTest::newRow("tuition all used") << TuitionTransfer << 4000.0 << 4000.0 << 0.0;
    QTest::newRow("credit value") << CreditValue << 21521.0 << 0.0 << 3228.15;                // 21,521 x 15%
    QTest::newRow("half a gain") << TaxableGain << 10001.0 << 0.0 << 5000.50;                 // 10,001 x 50%
    // The agency's emigrant example (2020 BPA): 13,229 x 240 / 366.
    QTest::newRow("BPA for 240 days") << ProratedBpa << 13229.0 << 240.0 << 8674.75;
}

void Federal2021Test::limitedAmounts()
{
    QFETCH(LimitedAmount, kind);
    QFETCH(double, input);
    QFETCH(double, other);
    QFETCH(double, amount);
    double actual = -1.0;
    switch (kind) {
    case PensionIncome: actual = pensionIncomeAmount(input); break;
    case CanadaEmployment: actual = canadaEmploymentAmount(input); break;
    case Adoption: actual = adoptionExpensesAmount(input); break;
    case DigitalNews: actual = digitalNewsAmount(input); break;
    case HomeAccessibility: actual = homeAccessibilityAmount(input); break;
    case MedicalThreshold: actual = medicalExpenseThreshold(input); break;
    case AllowableMedical: actual = allowableMedicalExpenses(input, other); break;
    case TuitionTransfer: actual = tuitionTransferable(input, other); break;
    case CreditValue: actual = creditValue(input); break;
    case TaxableGain: actual = taxableCapitalGain(input); break;
    case ProratedBpa: actual = prorateByDays(input, int(other), 366); break;
    }
    QCOMPARE(actual, amount);
}

void Federal2021Test::disabilityAmount_data()
{
    QTest::addColumn<bool>("under18");
    QTest::addColumn<double>("care");
    QTest::addColumn<double>("amount");
    QTest::newRow("adult") << false << 5000.0 << 8662.0;
    QTest::newRow("child, no care") << true << 0.0 << 13715.0;          // 8,662 + 5,053
    QTest::newRow("child, care at 2,959") << true << 2959.0 << 13715.0;
    QTest::newRow("child, care 2,960") << true << 2960.0 << 13714.0;    // 8,662 + 5,053 - 1
    QTest::newRow("child, care 3,959") << true << 3959.0 << 12715.0;    // 8,662 + 5,053 - 1,000
    QTest::newRow("child, care 8,012") << true << 8012.0 << 8662.0;     // 5,053 - (8,012 - 2,959) = 0
    QTest::newRow("child, care 10,000") << true << 10000.0 << 8662.0;
}

void Federal2021Test::disabilityAmount()
{
    QFETCH(bool, under18);
    QFETCH(double, care);
    QFETCH(double, amount);
    QCOMPARE(Federal2021::disabilityAmount(under18, care), amount);
}

void Federal2021Test::cppEmployee_data()
{
    QTest::addColumn<double>("earnings");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("paid");
    QTest::addColumn<double>("required");
    QTest::addColumn<double>("overpayment");
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("enhanced");
    // (61,600 - 3,500) x 5.45% = 3,166.45; base 58,100 x 4.95% = 2,875.95,
    // enhanced 58,100 x 0.5% = 290.50.
    QTest::newRow("at the YMPE") << 61600.0 << 12 << 3166.45 << 3166.45 << 0.0 << 2875.95 << 290.50;
    QTest::newRow("above the YMPE") << 80000.0 << 12 << 3166.45 << 3166.45 << 0.0 << 2875.95 << 290.50;
    // Two employers each deducted the maximum: 6,332.90 - 3,166.45 refunded;
    // the split is of what was paid.
    QTest::newRow("two employers") << 123200.0 << 12 << 6332.90 << 3166.45 << 3166.45 << 5751.90 << 581.00;
    // (30,000 - 3,500) x 5.45% = 1,444.25; base 26,500 x 4.95% = 1,311.75.
    QTest::newRow("30,000") << 30000.0 << 12 << 1444.25 << 1444.25 << 0.0 << 1311.75 << 132.50;
    // Under the exemption nothing is required and all that was deducted comes back.
    QTest::newRow("under the exemption") << 3000.0 << 12 << 20.00 << 0.0 << 20.00 << 18.17 << 1.83;
    // Six months: (min(40,000, 30,800) - 1,750) x 5.45% = 29,050 x 5.45% = 1,583.225.
    QTest::newRow("six months") << 40000.0 << 6 << 2000.00 << 1583.23 << 416.77 << 1816.51 << 183.49;
}

void Federal2021Test::cppEmployee()
{
    QFETCH(double, earnings);
    QFETCH(int, months);
    QFETCH(double, paid);
    QFETCH(double, required);
    QFETCH(double, overpayment);
    QFETCH(double, base);
    QFETCH(double, enhanced);
    QCOMPARE(cppRequiredContributions(earnings, months), required);
    QCOMPARE(cppOverpayment(earnings, paid, months), overpayment);
    const CppSplit split = cppBaseAndEnhanced(paid);
    QCOMPARE(split.base, base);
    QCOMPARE(split.enhanced, enhanced);
}

void Federal2021Test::cppSelfEmployment_data()
{
    QTest::addColumn<double>("earnings");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("contributions");
    QTest::addColumn<double>("credit");
    QTest::addColumn<double>("deduction");
    // (61,600 - 3,500) x 10.9% = 6,332.90; base 58,100 x 9.9% = 5,751.90,
    // half of it 2,875.95 credited; enhanced 581.00 + 2,875.95 deducted.
    QTest::newRow("at the YMPE") << 61600.0 << 12 << 6332.90 << 2875.95 << 3456.95;
    QTest::newRow("above the YMPE") << 90000.0 << 12 << 6332.90 << 2875.95 << 3456.95;
    // 26,500 x 10.9% = 2,888.50; base 26,500 x 9.9% = 2,623.50 -> 1,311.75;
    // enhanced 265.00 + 1,311.75.
    QTest::newRow("30,000") << 30000.0 << 12 << 2888.50 << 1311.75 << 1576.75;
    QTest::newRow("under the exemption") << 3000.0 << 12 << 0.0 << 0.0 << 0.0;
    QTest::newRow("a loss") << -4000.0 << 12 << 0.0 << 0.0 << 0.0;
    // Six months: exemption 1,750; (19,750 - 1,750) x 10.9% = 1,962.00;
    // base 18,000 x 9.9% = 1,782.00 -> 891.00; enhanced 180.00 + 891.00.
    QTest::newRow("six months") << 19750.0 << 6 << 1962.00 << 891.00 << 1071.00;
}

void Federal2021Test::cppSelfEmployment()
{
    QFETCH(double, earnings);
    QFETCH(int, months);
    QFETCH(double, contributions);
    QFETCH(double, credit);
    QFETCH(double, deduction);
    const CppSelfEmployment result = cppOnSelfEmployment(earnings, months);
    QCOMPARE(result.contributions, contributions);
    QCOMPARE(result.credit, credit);
    QCOMPARE(result.deduction, deduction);
}

void Federal2021Test::eiOverpayment_data()
{
    QTest::addColumn<double>("insurable");
    QTest::addColumn<double>("paid");
    QTest::addColumn<bool>("quebec");
    QTest::addColumn<double>("required");
    QTest::addColumn<double>("overpayment");
    QTest::newRow("maximum paid") << 56300.0 << 889.54 << false << 889.54 << 0.0;   // 56,300 x 1.58%
    QTest::newRow("above the maximum earnings") << 60000.0 << 889.54 << false << 889.54 << 0.0;
    QTest::newRow("two employers") << 70000.0 << 1000.00 << false << 889.54 << 110.46;  // 1,000 - 889.54
    QTest::newRow("a dollar over") << 56300.0 << 890.54 << false << 889.54 << 0.0;      // 1.00 is not more than $1
    QTest::newRow("a dollar and a cent over") << 56300.0 << 890.55 << false << 889.54 << 1.01;
    QTest::newRow("2,000 or less: all back") << 2000.0 << 31.60 << false << 31.60 << 31.60;
    QTest::newRow("1,500: all back") << 1500.0 << 23.70 << false << 23.70 << 23.70;
    // 2,010 x 1.58% = 31.758 -> 31.76 deducted; premiums less the 10 over 2,000.
    QTest::newRow("just over 2,000") << 2010.0 << 31.76 << false << 31.76 << 21.76;
    QTest::newRow("well over 2,000") << 2100.0 << 33.18 << false << 33.18 << 0.0;       // 2,100 x 1.58%
    QTest::newRow("Quebec maximum") << 56300.0 << 664.34 << true << 664.34 << 0.0;      // 56,300 x 1.18%
    QTest::newRow("Quebec overpaid") << 56300.0 << 700.00 << true << 664.34 << 35.66;   // 700 - 664.34
}

void Federal2021Test::eiOverpayment()
{
    QFETCH(double, insurable);
    QFETCH(double, paid);
    QFETCH(bool, quebec);
    QFETCH(double, required);
    QFETCH(double, overpayment);
    QCOMPARE(eiRequiredPremiums(insurable, quebec), required);
    QCOMPARE(Federal2021::eiOverpayment(insurable, paid, quebec), overpayment);
}

void Federal2021Test::dividends_data()
{
    QTest::addColumn<double>("eligible");
    QTest::addColumn<double>("other");
    QTest::addColumn<double>("taxableEligible");
    QTest::addColumn<double>("taxableOther");
    QTest::addColumn<double>("credit");
    // 1,000 x 1.38; 1,380 x 15.0198% = 207.273
    QTest::newRow("eligible") << 1000.0 << 0.0 << 1380.0 << 0.0 << 207.27;
    // 1,000 x 1.15; 1,150 x 9.0301% = 103.846
    QTest::newRow("other") << 0.0 << 1000.0 << 0.0 << 1150.0 << 103.85;
    // 207.273 + 103.846 = 311.119
    QTest::newRow("both") << 1000.0 << 1000.0 << 1380.0 << 1150.0 << 311.12;
    // 2,500 x 1.38 = 3,450 x 15.0198% = 518.1831; 400 x 1.15 = 460 x 9.0301% = 41.53846
    QTest::newRow("mixed") << 2500.0 << 400.0 << 3450.0 << 460.0 << 559.72;
}

void Federal2021Test::dividends()
{
    QFETCH(double, eligible);
    QFETCH(double, other);
    QFETCH(double, taxableEligible);
    QFETCH(double, taxableOther);
    QFETCH(double, credit);
    QCOMPARE(eligibleDividendTaxableAmount(eligible), taxableEligible);
    QCOMPARE(otherDividendTaxableAmount(other), taxableOther);
    QCOMPARE(dividendTaxCredit(taxableEligible, taxableOther), credit);
}

void Federal2021Test::donationCredit_data()
{
    QTest::addColumn<double>("donations");
    QTest::addColumn<double>("taxable");
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("credit");
    QTest::newRow("none") << 0.0 << 50000.0 << 50000.0 << 0.0;
    QTest::newRow("under 200") << 100.0 << 50000.0 << 50000.0 << 15.0;           // 100 x 15%
    QTest::newRow("200") << 200.0 << 50000.0 << 50000.0 << 30.0;                 // 200 x 15%
    QTest::newRow("1,200 middle income") << 1200.0 << 50000.0 << 50000.0 << 320.0;   // 30 + 1,000 x 29%
    QTest::newRow("taxable at 216,511") << 1200.0 << 216511.0 << 216511.0 << 320.0;   // nothing over 216,511
    // 30 + 1 x 33% + 999 x 29% = 30 + 0.33 + 289.71
    QTest::newRow("taxable at 216,512") << 1200.0 << 216512.0 << 216512.0 << 320.04;
    // 30 + 500 x 33% + 500 x 29% = 30 + 165 + 145
    QTest::newRow("taxable 500 over") << 1200.0 << 217011.0 << 217011.0 << 340.0;
    QTest::newRow("taxable far over") << 1200.0 << 300000.0 << 300000.0 << 360.0;     // 30 + 1,000 x 33%
    // The 33% part follows taxable income, not net income: 30 + 100 x 33% + 900 x 29%
    QTest::newRow("taxable 100 over, net far over") << 1200.0 << 216611.0 << 300000.0 << 324.0;
    // Claim limited to 8,000 x 75% = 6,000: 30 + 5,800 x 29% = 30 + 1,682
    QTest::newRow("75% of net income") << 10000.0 << 8000.0 << 8000.0 << 1712.0;
}

void Federal2021Test::donationCredit()
{
    QFETCH(double, donations);
    QFETCH(double, taxable);
    QFETCH(double, net);
    QFETCH(double, credit);
    QCOMPARE(Federal2021::donationCredit(donations, taxable, net), credit);
}

void Federal2021Test::oasRecovery_data()
{
    QTest::addColumn<double>("netIncome");
    QTest::addColumn<double>("oas");
    QTest::addColumn<double>("recovery");
    QTest::newRow("79,844") << 79844.0 << 7400.0 << 0.0;
    QTest::newRow("79,845") << 79845.0 << 7400.0 << 0.0;
    QTest::newRow("79,846") << 79846.0 << 7400.0 << 0.15;                // 1 x 15%
    QTest::newRow("100,000") << 100000.0 << 7400.0 << 3023.25;           // 20,155 x 15%
    // 49,333.33 x 15% = 7,400 exactly at 129,178.33; above it all is recovered.
    QTest::newRow("fully recovered") << 150000.0 << 7400.0 << 7400.0;    // 70,155 x 15% = 10,523.25 > 7,400
    QTest::newRow("no OAS received") << 150000.0 << 0.0 << 0.0;
}

void Federal2021Test::oasRecovery()
{
    QFETCH(double, netIncome);
    QFETCH(double, oas);
    QFETCH(double, recovery);
    QCOMPARE(Federal2021::oasRecovery(netIncome, oas), recovery);
}

void Federal2021Test::canadaWorkersBenefit_data()
{
    QTest::addColumn<bool>("disability");
    QTest::addColumn<bool>("family");
    QTest::addColumn<bool>("spouseAlso");
    QTest::addColumn<double>("working");
    QTest::addColumn<double>("adjustedNet");
    QTest::addColumn<double>("benefit");
    QTest::newRow("basic: 3,000 earned") << false << false << false << 3000.0 << 3000.0 << 0.0;
    QTest::newRow("basic: 3,001 earned") << false << false << false << 3001.0 << 3001.0 << 0.27;        // 1 x 27%
    QTest::newRow("basic: 5,000 earned") << false << false << false << 5000.0 << 5000.0 << 540.0;       // 2,000 x 27%
    QTest::newRow("basic: maximum") << false << false << false << 10000.0 << 10000.0 << 1395.0;         // 7,000 x 27% = 1,890 > 1,395
    QTest::newRow("basic: at 22,944") << false << false << false << 22944.0 << 22944.0 << 1395.0;
    QTest::newRow("basic: at 22,945") << false << false << false << 22945.0 << 22945.0 << 1394.85;      // 1,395 - 1 x 15%
    QTest::newRow("basic: 25,000 net") << false << false << false << 5000.0 << 25000.0 << 231.60;       // 540 - 2,056 x 15%
    QTest::newRow("basic: at 32,244") << false << false << false << 32244.0 << 32244.0 << 0.0;          // 1,395 - 9,300 x 15%
    QTest::newRow("basic: at 32,245") << false << false << false << 32245.0 << 32245.0 << 0.0;
    QTest::newRow("family: maximum") << false << true << false << 15000.0 << 26177.0 << 2403.0;        // 12,000 x 27% > 2,403
    QTest::newRow("family: at 26,178") << false << true << false << 15000.0 << 26178.0 << 2402.85;     // 2,403 - 0.15
    QTest::newRow("family: at 42,197") << false << true << false << 30000.0 << 42197.0 << 0.0;         // 2,403 - 16,020 x 15%
    QTest::newRow("supplement: 1,150 earned") << true << false << false << 1150.0 << 1150.0 << 0.0;
    QTest::newRow("supplement: 1,151 earned") << true << false << false << 1151.0 << 1151.0 << 0.27;   // 1 x 27%
    QTest::newRow("supplement: maximum") << true << false << false << 5000.0 << 5000.0 << 720.0;       // 3,850 x 27% > 720
    QTest::newRow("supplement: at 32,244") << true << false << false << 32244.0 << 32244.0 << 720.0;
    QTest::newRow("supplement: at 32,245") << true << false << false << 32245.0 << 32245.0 << 719.85;  // 720 - 0.15
    QTest::newRow("supplement: at 37,044") << true << false << false << 37044.0 << 37044.0 << 0.0;     // 720 - 4,800 x 15%
    QTest::newRow("supplement family: at 42,197") << true << true << false << 20000.0 << 42197.0 << 720.0;
    QTest::newRow("supplement family: at 46,997") << true << true << false << 20000.0 << 46997.0 << 0.0;  // 720 - 4,800 x 15%
    QTest::newRow("supplement both: at 46,997") << true << true << true << 20000.0 << 46997.0 << 360.0;   // 720 - 4,800 x 7.5%
    QTest::newRow("supplement both: at 51,797") << true << true << true << 20000.0 << 51797.0 << 0.0;     // 720 - 9,600 x 7.5%
}

void Federal2021Test::canadaWorkersBenefit()
{
    QFETCH(bool, disability);
    QFETCH(bool, family);
    QFETCH(bool, spouseAlso);
    QFETCH(double, working);
    QFETCH(double, adjustedNet);
    QFETCH(double, benefit);
    if (disability)
        QCOMPARE(cwbDisabilitySupplement(working, adjustedNet, family, spouseAlso), benefit);
    else
        QCOMPARE(cwbBasic(working, adjustedNet, family), benefit);
}

void Federal2021Test::medicalExpenseSupplement_data()
{
    QTest::addColumn<double>("expenses");
    QTest::addColumn<double>("working");
    QTest::addColumn<double>("familyNet");
    QTest::addColumn<double>("supplement");
    QTest::newRow("too little work") << 4000.0 << 3750.0 << 20000.0 << 0.0;
    QTest::newRow("just enough work") << 4000.0 << 3751.0 << 20000.0 << 1000.0;          // 4,000 x 25%
    QTest::newRow("at 28,446") << 4000.0 << 10000.0 << 28446.0 << 1000.0;
    QTest::newRow("at 30,000") << 4000.0 << 10000.0 << 30000.0 << 922.30;              // 1,000 - 1,554 x 5%
    QTest::newRow("maximum") << 10000.0 << 10000.0 << 28446.0 << 1285.0;               // 2,500 > 1,285
    QTest::newRow("maximum at 28,447") << 10000.0 << 10000.0 << 28447.0 << 1284.95;    // 1,285 - 1 x 5%
    QTest::newRow("maximum at 54,146") << 10000.0 << 30000.0 << 54146.0 << 0.0;        // 1,285 - 25,700 x 5%
}

void Federal2021Test::medicalExpenseSupplement()
{
    QFETCH(double, expenses);
    QFETCH(double, working);
    QFETCH(double, familyNet);
    QFETCH(double, supplement);
    QCOMPARE(Federal2021::medicalExpenseSupplement(expenses, working, familyNet), supplement);
}

QTEST_APPLESS_MAIN(Federal2021Test)
#include "tst_federal2021.moc"
