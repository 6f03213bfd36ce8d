// A T4's pensionable and insurable earnings as people type the slip: boxes
// 24 and 26 left blank stand for box 14 up to the year's maxima, so the
// return comes out as with the boxes filled; an entered 0 stays 0; the
// exempt marks of box 28 give nothing; several slips each go by their own.

#include <cmath>
#include <memory>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "amounts.h"
#include "familytaxdata.h"
#include "scenario.h"
#include "slips.h"
#include "t1.h"

namespace {

using Boxes = QJsonObject;

// One person's return in `province` holding the T4 slips given, calculated
// as the program calculates a new return.
std::unique_ptr<CFamilyTaxData> returnWith(int province, const QJsonArray& slips)
{
    const QJsonObject t1{{"first_name", "Dana"},   {"last_name", "Ferreira"}, {"sin", "046454286"},
                         {"birth_date", "1985-04-12"}, {"marital_status", 5}};
    const QJsonObject root{{"province", province}, {"taxpayer", QJsonObject{{"t1", t1}, {"slips", slips}}}};
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(QJsonDocument(root).toJson(), &error);
    if (!family) qWarning("%s", qPrintable(error));
    else family->Calculate(FROM_WHOLE_RETURN, nullptr);
    return family;
}

QJsonObject t4(int employedIn, const Boxes& boxes, const QJsonObject& marks = {})
{
    QJsonObject fields = marks;
    fields.insert("province_of_employment", employedIn);
    fields.insert("payer_name", "Harbourview Logistics");
    return QJsonObject{{"type", 1}, {"boxes", boxes}, {"fields", fields}};
}

double line(CFamilyTaxData& family, const char* name)
{
    return family.taxpayer()->t1()->getFloat(name);
}

// Refund as a positive amount, balance owing as a negative one.
double result(CFamilyTaxData& family)
{
    return line(family, "48400") - line(family, "48500");
}

// Boxes and marks typed on a slip object.
void fill(CSlipData_T4& slip, const Boxes& boxes)
{
    for (auto it = boxes.constBegin(); it != boxes.constEnd(); ++it) {
        const CString name(it.key());
        if (slip.field(name)->GetType() == CField::Bool)
            slip.setBool(name, it.value().toInt() != 0);
        else
            slip.setFloat(name, it.value().toDouble());
    }
}

const char* const kCppEiLines[] = {"30800", "22215", "31200", "44800", "45000"};

} // namespace

class T4EarningsTest : public QObject
{
    Q_OBJECT
private slots:
    void blankBoxesGiveTheFilledResult_data();
    void blankBoxesGiveTheFilledResult();
    void enteredZeroRefundsTheContributions();
    void exemptMarksGiveNoCreditAndNoOverpayment();
    void box26BelowBox14IsUsedAsTyped();
    void twoSlipsEachByItsOwnRule();
    void theRuleSlipBySlip_data();
    void theRuleSlipBySlip();
    void carriedWithoutAmountsTheBoxesAreBlankAgain();
    void warningsBeforeFiling_data();
    void warningsBeforeFiling();
};

// The issue's slip: box 14 60,000.00, box 22 9,000.00, box 16 3,166.45 and
// box 18 889.54; boxes 24 and 26 blank, then typed as box 14 up to the maxima.
void T4EarningsTest::blankBoxesGiveTheFilledResult_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("employedIn");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<double>("filled24");
    QTest::addColumn<double>("filled26");
    QTest::addColumn<double>("expected");   // the filled slip's result worked by hand; NAN: not asserted
    const Boxes issue{{"14", 60000}, {"16", 3166.45}, {"18", 889.54}, {"22", 9000}};
    // Ontario, worked by hand (the balance the filled slip was reported
    // with): CPP required (60,000 - 3,500) x 5.45% = 3,079.25, so 87.20
    // overpaid (line 44800); base 56,500 x 4.95% = 2,796.75 (30800), enhanced
    // 282.50 (22215); EI 889.54. Net income 59,717.50; federal tax 7,353 +
    // 10,697.50 x 20.5% = 9,545.99 less (13,808 + 2,796.75 + 889.54 + 1,257)
    // x 15% = 2,812.69: 6,733.30. Ontario tax 2,279.671 + 14,575.50 x 9.15% =
    // 3,613.33 less (10,880 + 2,796.75 + 889.54) x 5.05% = 735.60: 2,877.73
    // (no surtax, reduction or LIFT credit) plus the Health Premium 600:
    // 3,477.73. Owing 6,733.30 + 3,477.73 - 9,000 - 87.20 = 1,123.83.
    QTest::newRow("Ontario, the slip as typed") << 9 << 9 << issue << 56300.0 << 60000.0 << -1123.83;
    QTest::newRow("British Columbia") << 2 << 2 << issue << 56300.0 << 60000.0 << double(NAN);
    QTest::newRow("Alberta") << 1 << 1 << issue << 56300.0 << 60000.0 << double(NAN);
    QTest::newRow("Manitoba") << 3 << 3 << issue << 56300.0 << 60000.0 << double(NAN);
    QTest::newRow("earner above both maxima, Ontario")
        << 9 << 9 << Boxes{{"14", 85000}, {"16", 3166.45}, {"18", 889.54}, {"22", 16000}} << 56300.0 << 61600.0
        << double(NAN);
    QTest::newRow("earner above both maxima, Alberta")
        << 1 << 1 << Boxes{{"14", 85000}, {"16", 3166.45}, {"18", 889.54}, {"22", 16000}} << 56300.0 << 61600.0
        << double(NAN);
    // QPP (box 17) on Quebec employment, the return of an Ontario resident.
    QTest::newRow("Quebec employment with QPP, Ontario resident")
        << 9 << 11 << Boxes{{"14", 50000}, {"17", 2743.50}, {"18", 590.00}, {"22", 7000}} << 50000.0 << 50000.0
        << double(NAN);
}

void T4EarningsTest::blankBoxesGiveTheFilledResult()
{
    QFETCH(int, province);
    QFETCH(int, employedIn);
    QFETCH(Boxes, boxes);
    QFETCH(double, filled24);
    QFETCH(double, filled26);
    QFETCH(double, expected);
    Boxes filled = boxes;
    filled.insert("24", filled24);
    filled.insert("26", filled26);
    const auto blank = returnWith(province, {t4(employedIn, boxes)});
    const auto typed = returnWith(province, {t4(employedIn, filled,
                                                {{"ei_insurable_earnings_entered", true},
                                                 {"pensionable_earnings_entered", true}})});
    QVERIFY(blank && typed);
    for (const char* name : kCppEiLines) QCOMPARE(line(*blank, name), line(*typed, name));
    QCOMPARE(line(*blank, "42800"), line(*typed, "42800"));
    QCOMPARE(result(*blank), result(*typed));
    // The blank slip takes its contributions and premiums as required, not as
    // overpaid.
    QVERIFY(line(*blank, "30800") + line(*blank, "31200") >= 1.0);
    if (!std::isnan(expected)) QCOMPARE(result(*typed), expected);
    // The slip still shows what was typed.
    const CTaxData_Form* slip = blank->taxpayer()->slips().front()->object;
    QCOMPARE(slip->getFloat("26"), 0.0);
    QVERIFY(!slip->getBool("pensionable_earnings_entered"));
}

// Box 26 entered as 0 with contributions deducted: nothing was required, so
// Schedule 8 refunds them all as an overpayment (line 44800).
void T4EarningsTest::enteredZeroRefundsTheContributions()
{
    const auto family = returnWith(9, {t4(9, {{"14", 60000}, {"16", 3166.45}, {"22", 9000}, {"26", 0}},
                                          {{"pensionable_earnings_entered", true}})});
    QVERIFY(family);
    QCOMPARE(line(*family, "44800"), 3166.45);
    QCOMPARE(line(*family, "30800"), 0.0);
    QCOMPARE(line(*family, "22215"), 0.0);
}

// Box 28 marked exempt from CPP and EI: neither a credit nor an overpayment.
void T4EarningsTest::exemptMarksGiveNoCreditAndNoOverpayment()
{
    const auto family = returnWith(9, {t4(9, {{"14", 60000}, {"22", 9000}},
                                          {{"cpp_qpp_exempt", true}, {"ei_exempt", true}})});
    QVERIFY(family);
    for (const char* name : kCppEiLines) QCOMPARE(line(*family, name), 0.0);
}

// Box 26 typed below box 14 counts as typed: 40,000 less the 3,500
// exemption at 5.45% is 1,989.25 required, all of it deducted.
void T4EarningsTest::box26BelowBox14IsUsedAsTyped()
{
    const auto family = returnWith(9, {t4(9, {{"14", 60000}, {"16", 1989.25}, {"22", 9000}, {"26", 40000}})});
    QVERIFY(family);
    QCOMPARE(family->taxpayer()->getF50339(0), 40000.0);
    QCOMPARE(line(*family, "44800"), 0.0);
    QCOMPARE(line(*family, "30800"), 1806.75);   // 36,500 x 4.95%
    QCOMPARE(line(*family, "22215"), 182.50);    // 36,500 x 0.5%
}

// One slip blank, one filled: each by its own rule.
void T4EarningsTest::twoSlipsEachByItsOwnRule()
{
    const auto family = returnWith(
        9, {t4(9, {{"14", 30000}, {"16", 1444.25}, {"18", 474.00}, {"22", 3000}}),
            t4(9, {{"14", 50000}, {"16", 2125.50}, {"18", 632.00}, {"22", 6000}, {"24", 40000}, {"26", 42500}})});
    QVERIFY(family);
    QCOMPARE(family->taxpayer()->getF50339(0), 72500.0);   // 30,000 + 42,500
    const CTaxData_Form* t2204 = family->taxpayer()->GetFormData(23, false);
    QVERIFY(t2204);
    QCOMPARE(t2204->getFloat("insurable_earnings"), 70000.0);   // 30,000 + 40,000
}

void T4EarningsTest::theRuleSlipBySlip_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<double>("pensionable");
    QTest::addColumn<double>("insurable");
    QTest::newRow("blank boxes below the maxima") << Boxes{{"14", 30000}} << 30000.0 << 30000.0;
    QTest::newRow("blank boxes above the maxima") << Boxes{{"14", 90000}} << 61600.0 << 56300.0;
    QTest::newRow("boxes typed") << Boxes{{"14", 90000}, {"24", 12000}, {"26", 13000}} << 13000.0 << 12000.0;
    QTest::newRow("boxes entered as 0")
        << Boxes{{"14", 30000}, {"ei_insurable_earnings_entered", 1}, {"pensionable_earnings_entered", 1}} << 0.0
        << 0.0;
    QTest::newRow("exempt from CPP, box 26 typed")
        << Boxes{{"14", 30000}, {"26", 30000}, {"cpp_qpp_exempt", 1}} << 0.0 << 30000.0;
    QTest::newRow("exempt from EI") << Boxes{{"14", 30000}, {"ei_exempt", 1}} << 30000.0 << 0.0;
    QTest::newRow("a loss in box 14 gives nothing") << Boxes{{"14", -500}} << 0.0 << 0.0;
    QTest::newRow("no box 14") << Boxes{} << 0.0 << 0.0;
}

void T4EarningsTest::theRuleSlipBySlip()
{
    QFETCH(Boxes, boxes);
    QFETCH(double, pensionable);
    QFETCH(double, insurable);
    CSlipData_T4 slip;
    fill(slip, boxes);
    QCOMPARE(t4PensionableEarnings(slip), pensionable);
    QCOMPARE(t4InsurableEarnings(slip), insurable);
}

// Last year's slip carried to this year without its amounts: boxes 24 and
// 26 are blank again, not entered as 0 (which would refund every dollar of
// CPP and EI); carried with its amounts, they stay entered.
void T4EarningsTest::carriedWithoutAmountsTheBoxesAreBlankAgain()
{
    for (bool withData : {false, true}) {
        CSlipData_T4 slip;
        fill(slip, {{"14", 60000}, {"24", 56300}, {"26", 60000}, {"ei_insurable_earnings_entered", 1},
                    {"pensionable_earnings_entered", 1}});
        slip.CarryToNewYear(withData);
        QCOMPARE(t4PensionableEarningsEntered(slip), withData);
        QCOMPARE(t4InsurableEarningsEntered(slip), withData);
        slip.setFloat("14", 30000);
        QCOMPARE(t4PensionableEarnings(slip), withData ? 60000.0 : 30000.0);
        QCOMPARE(t4InsurableEarnings(slip), withData ? 56300.0 : 30000.0);
    }
}

// The slip's own warnings before filing: one for each blank box whose
// contributions or premiums were deducted, none once the box is typed.
void T4EarningsTest::warningsBeforeFiling_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QStringList>("warnings");
    const QString box26 = QStringLiteral(
        "Box 26 (CPP/QPP pensionable earnings) of the T4 slip from Harbourview Logistics is blank: the return uses box "
        "14 (employment income), up to the 2021 maximum of $61,600.00, as pensionable earnings. Please confirm that "
        "box 26 of the slip is blank.");
    const QString box24 = QStringLiteral(
        "Box 24 (EI insurable earnings) of the T4 slip from Harbourview Logistics is blank: the return uses box 14 "
        "(employment income), up to the 2021 maximum of $56,300.00, as insurable earnings. Please confirm that box "
        "24 of the slip is blank.");
    const Boxes slip{{"14", 60000}, {"16", 3166.45}, {"18", 889.54}};
    QTest::newRow("both boxes blank") << slip << QStringList{box26, box24};
    Boxes qpp{{"14", 60000}, {"17", 3427.20}};
    QTest::newRow("QPP, box 26 blank") << qpp << QStringList{box26};
    Boxes filled = slip;
    filled.insert("24", 56300);
    filled.insert("26", 60000);
    QTest::newRow("both boxes typed") << filled << QStringList{};
    Boxes zeros = slip;
    zeros.insert("ei_insurable_earnings_entered", 1);
    zeros.insert("pensionable_earnings_entered", 1);
    QTest::newRow("both boxes entered as 0") << zeros << QStringList{};
    QTest::newRow("nothing deducted") << Boxes{{"14", 60000}} << QStringList{};
    Boxes exempt = slip;
    exempt.insert("cpp_qpp_exempt", 1);
    exempt.insert("ei_exempt", 1);
    QTest::newRow("exempt (box 28)") << exempt << QStringList{};
}

void T4EarningsTest::warningsBeforeFiling()
{
    QFETCH(Boxes, boxes);
    QFETCH(QStringList, warnings);
    CSlipData_T4 slip;
    slip.setString("payer_name", "  Harbourview Logistics ");
    fill(slip, boxes);
    std::list<CString> messages;
    slip.AnyMsgBeforeNetfile(2, messages);
    QStringList texts;
    for (const CString& text : messages) texts << text.toQString();
    QCOMPARE(texts, warnings);
}

QTEST_GUILESS_MAIN(T4EarningsTest)
#include "tst_t4earnings.moc"
