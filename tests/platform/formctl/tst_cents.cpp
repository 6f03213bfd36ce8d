// The one rule for cents that the federal, provincial and summary
// calculations share: half a cent and up rounds away from zero, also where
// binary arithmetic carries the half cent a hair short of it.

#include <QtTest>

#include "cents.h"

class CentsTest : public QObject
{
    Q_OBJECT
private slots:
    void roundsToCents_data();
    void roundsToCents();
};

void CentsTest::roundsToCents_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("expected");

    QTest::newRow("whole cents stay") << 1921.89 << 1921.89;
    QTest::newRow("half a cent up") << 0.005 << 0.01;
    QTest::newRow("under half a cent down") << 0.0049 << 0.0;
    QTest::newRow("over half a cent up") << 0.0051 << 0.01;
    // Stored as 1.00499999999999989...: the form shows 1.01.
    QTest::newRow("1.005 stored short") << 1.005 << 1.01;
    QTest::newRow("2.675 stored short") << 2.675 << 2.68;
    // A bracket product: 28,000.50 x 29% is 8,120.145 on paper, 8,120.14499999... in binary.
    QTest::newRow("bracket product") << 28000.5 * 0.29 << 8120.15;
    // 2,015.8085 (39,917 x 5.05%): not a half cent, plain rounding.
    QTest::newRow("rate product") << 39917 * 0.0505 << 2015.81;
    QTest::newRow("large amount") << 1234567.125 << 1234567.13;
    QTest::newRow("negative half a cent") << -0.005 << -0.01;
    QTest::newRow("negative stored short") << -2.675 << -2.68;
    QTest::newRow("negative under half a cent") << -0.0049 << 0.0;
    QTest::newRow("negative bracket product") << -(28000.5 * 0.29) << -8120.15;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void CentsTest::roundsToCents()
{
    QFETCH(double, amount);
    QFETCH(double, expected);
    const double rounded = roundToCents(amount);
    // Exactly the cent the form shows, not merely near it.
    QVERIFY2(std::fabs(rounded - expected) < 1e-9,
             qPrintable(QStringLiteral("%1 gave %2, expected %3").arg(amount, 0, 'f', 10).arg(rounded, 0, 'f', 10)
                            .arg(expected, 0, 'f', 2)));
}

QTEST_GUILESS_MAIN(CentsTest)
#include "tst_cents.moc"
