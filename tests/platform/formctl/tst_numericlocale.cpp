// Run under fr_CA.UTF-8 (see CMakeLists.txt): the C library would read
// "1234.56" as 1234 there, silently dropping the cents of every amount.

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <QtTest>
#include <tinyxml.h>

#include "numericlocale.h"
#include "utils.h"

class NumericLocaleTest : public QObject
{
    Q_OBJECT
private slots:
    void amountsReadAndPrintInTheCLocale();
};

void NumericLocaleTest::amountsReadAndPrintInTheCLocale()
{
    // QCoreApplication has applied the environment's locale: make sure the
    // fault is really present, or this test would prove nothing.
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY2(numeric && QByteArray(numeric).startsWith("fr_CA"), numeric);
    QCOMPARE(std::strtod("1234.56", nullptr), 1234.0);
    // Our own conversion never depended on the C library's locale.
    QCOMPARE(myStringToDouble("1234.56"), 1234.56);

    useCNumericLocale();

    QCOMPARE(std::strtod("1234.56", nullptr), 1234.56);
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.2f", 1234.56);
    QCOMPARE(QByteArray(printed), QByteArray("1234.56"));

    TiXmlDocument doc;
    doc.Parse("<Slip><Box number=\"14\" amount=\"60000.75\"/></Slip>");
    QVERIFY(!doc.Error());
    double amount = 0;
    QCOMPARE(doc.RootElement()->FirstChildElement("Box")->QueryDoubleAttribute("amount", &amount), int(TIXML_SUCCESS));
    QCOMPARE(amount, 60000.75);
    // Text and the rest of the locale stay the user's.
    QVERIFY(QByteArray(std::setlocale(LC_CTYPE, nullptr)).startsWith("fr_CA"));
}

QTEST_GUILESS_MAIN(NumericLocaleTest)
#include "tst_numericlocale.moc"
