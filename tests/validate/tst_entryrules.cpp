// Validation of what the pages refuse as it is typed, for returns that got
// such values elsewhere (an older file, an import): negative amounts on the
// lines that cannot hold one, and impossible dates of birth and death.

#include <QtTest>

#include "formtables.h"
#include "formtypes.h"
#include "validatetestsupport.h"

namespace {

constexpr unsigned char kNetfile = 2;

// The messages of the item of `kind` and `type`.
QStringList itemMessages(IndividualTaxData& person, int kind, int type)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    person.Validate(kNetfile, items);
    QStringList out;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        if (item->kind == kind && item->type == type)
            for (const CString& text : item->messages) out << text.toQString();
        delete item;
    }
    return out;
}

} // namespace

class EntryRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void negativeAmounts_data();
    void negativeAmounts();
    void repeatedEntryNamesItsRow();
    void birthAndDeathDates_data();
    void birthAndDeathDates();
};

void EntryRulesTest::negativeAmounts_data()
{
    QTest::addColumn<int>("slipType");   // 0: the T1
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("message");   // empty: none expected
    for (const char* line : {"20800", "22000", "23200", "31900", "47600"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 at -1").arg(QLatin1String(line))))
            << 0 << line << -1.0 << QStringLiteral("Line %1 of T1 cannot be negative.").arg(QLatin1String(line));
        QTest::newRow(qPrintable(QStringLiteral("%1 at -50,000").arg(QLatin1String(line))))
            << 0 << line << -50000.0 << QStringLiteral("Line %1 of T1 cannot be negative.").arg(QLatin1String(line));
        QTest::newRow(qPrintable(QStringLiteral("%1 at 1").arg(QLatin1String(line)))) << 0 << line << 1.0 << QString();
    }
    QTest::newRow("a rounding left-over") << 0 << "23200" << -0.004 << QString();
    QTest::newRow("T4 box 14") << int(SlipType::T4) << "14" << -1.0 << "Box 14 of T4 cannot be negative.";
    QTest::newRow("T5013 box 104, a business loss") << int(SlipType::T5013) << "104" << -1.0 << QString();
}

void EntryRulesTest::negativeAmounts()
{
    QFETCH(int, slipType);
    QFETCH(QString, line);
    QFETCH(double, amount);
    QFETCH(QString, message);
    ValidationFixture f;
    CTaxData_Form* item = slipType ? f.slip(slipType) : f.t1;
    QVERIFY(item);
    if (slipType) f.set(item, "payer_name", "Maple Logistics Inc.");
    f.set(item, line.toUtf8().constData(), amount);
    QVERIFY(f.unknownFields.isEmpty());
    const QStringList messages = itemMessages(f.person, slipType ? _STRUCT_FORM_VALIDATE_INFO::Slip
                                                                 : _STRUCT_FORM_VALIDATE_INFO::Form,
                                              slipType ? slipType : 1);
    if (message.isEmpty()) {
        for (const QString& m : messages) QVERIFY2(!m.contains(QLatin1String("negative")), qPrintable(m));
    } else {
        QCOMPARE(messages.count(message), 1);
    }
}

void EntryRulesTest::repeatedEntryNamesItsRow()
{
    ValidationFixture f;
    CTaxData_Form* sch9 = f.add(FormType::Schedule9);
    QVERIFY(sch9);
    f.set(sch9, "donations.2.amount", -25.0);
    QVERIFY(f.unknownFields.isEmpty());
    const QString expected = QStringLiteral("\"Eligible amount of gift\", row 2 of %1 cannot be negative.")
                                 .arg(QString::fromUtf8(formInfo(FormType::Schedule9)->shortName));
    QVERIFY(itemMessages(f.person, _STRUCT_FORM_VALIDATE_INFO::Form, FormType::Schedule9).contains(expected));
}

void EntryRulesTest::birthAndDeathDates_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("death");
    QTest::addColumn<QStringList>("messages");
    const QString birth =
        QStringLiteral("The date of birth on page 1 of T1 must be between 1900-01-01 and 2021-12-31.");
    const QString death =
        QStringLiteral("The date of death on page 1 of T1 must be in 2021 and not before the date of birth.");
    QTest::newRow("born 1899-12-31") << QDate(1899, 12, 31) << QDate() << QStringList{birth};
    QTest::newRow("born 1800-01-01") << QDate(1800, 1, 1) << QDate() << QStringList{birth};
    QTest::newRow("born 1900-01-01") << QDate(1900, 1, 1) << QDate() << QStringList();
    QTest::newRow("born 2021-12-31") << QDate(2021, 12, 31) << QDate() << QStringList();
    QTest::newRow("born 2022-01-01") << QDate(2022, 1, 1) << QDate() << QStringList{birth};
    QTest::newRow("born 9999-12-31") << QDate(9999, 12, 31) << QDate() << QStringList{birth};
    QTest::newRow("died in 2021") << QDate(1940, 3, 1) << QDate(2021, 8, 9) << QStringList();
    QTest::newRow("died in 2020") << QDate(1940, 3, 1) << QDate(2020, 12, 31) << QStringList{death};
    QTest::newRow("died before birth")
        << QDate(2021, 9, 1) << QDate(2021, 8, 9)
        << QStringList{QStringLiteral("The date of birth on page 1 of T1 cannot be after the date of death."), death};
}

void EntryRulesTest::birthAndDeathDates()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, death);
    QFETCH(QStringList, messages);
    ValidationFixture f;
    f.t1->setDate("birth_date", birth);
    f.t1->setDate("date_of_death", death);
    QStringList dated;
    for (const QString& m : itemMessages(f.person, _STRUCT_FORM_VALIDATE_INFO::Form, 1))
        if (m.contains(QLatin1String("date of"))) dated << m;
    QCOMPARE(dated, messages);
}

QTEST_GUILESS_MAIN(EntryRulesTest)
#include "tst_entryrules.moc"
