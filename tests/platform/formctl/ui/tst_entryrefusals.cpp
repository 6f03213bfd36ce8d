// What the return's pages refuse as it is typed, with a message on the field:
// amount texts under the C and the French-Canadian locales (the second run
// of this test sets fr_CA.UTF-8), negative amounts on the lines that cannot
// hold one, and impossible dates on page 1 of the T1.

#include <clocale>
#include <list>
#include <memory>

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include "basetaxpage.h"
#include "slips.h"
#include "statements.h"
#include "styledwidgets.h"
#include "t1.h"
#include "taxformpage.h"

namespace {

// The pages of one item, shown in a window, and the field editors on them.
class ItemPages
{
public:
    explicit ItemPages(CTaxData_Form* item)
    {
        makeTaxFormPages(item, m_pages, &m_host);
        for (BaseTaxPage* p : m_pages) p->syncData();
        m_host.resize(900, 900);
        m_host.show();
        QApplication::setActiveWindow(&m_host);
    }
    TaxFormPage* pageOf(const QString& field) const
    {
        for (BaseTaxPage* p : m_pages) {
            auto* page = static_cast<TaxFormPage*>(p);
            if (page->editorOf(field)) {
                for (BaseTaxPage* other : m_pages) other->setVisible(other == p);
                return page;
            }
        }
        return nullptr;
    }
    // Types `text` into the field's editor and leaves it with Tab.
    void type(const QString& field, const QString& text)
    {
        TaxFormPage* page = pageOf(field);
        QVERIFY2(page, qPrintable(field));
        auto* edit = qobject_cast<QLineEdit*>(page->editorOf(field));
        QVERIFY2(edit, qPrintable(field));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    QString refusal(const QString& field) const
    {
        TaxFormPage* page = pageOf(field);
        return page ? page->refusalShown(field) : QStringLiteral("no such field");
    }

private:
    QWidget m_host;
    std::list<BaseTaxPage*> m_pages;
};

} // namespace

class EntryRefusalsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void amountTexts_data();
    void amountTexts();
    void negativeAmounts_data();
    void negativeAmounts();
    void statementLossesTaken();
    void birthAndDeathDates_data();
    void birthAndDeathDates();
};

void EntryRefusalsTest::initTestCase()
{
    installTaxFormPages();
    // The French-Canadian run must really run under that locale, or it
    // would prove nothing about it.
    if (qgetenv("QUILLMERE_EXPECT_LOCALE") == "fr_CA") {
        QCOMPARE(QLocale::system().decimalPoint(), QLatin1Char(','));
        QVERIFY(QByteArray(std::setlocale(LC_NUMERIC, nullptr)).startsWith("fr_CA"));
    } else {
        QCOMPARE(QLocale::system().decimalPoint(), QLatin1Char('.'));
    }
}

void EntryRefusalsTest::amountTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("amount");
    QTest::newRow("decimal comma, two digits") << "150,75" << true << 150.75;
    QTest::newRow("comma grouping thousands") << "1,234" << true << 1234.0;
    QTest::newRow("blank grouping, decimal comma, one digit") << "1 234,5" << true << 1234.5;
    QTest::newRow("no-break blank grouping") << QStringLiteral("1\u00A0234,56") << true << 1234.56;
    QTest::newRow("decimal point") << "150.75" << true << 150.75;
    QTest::newRow("comma before four digits") << "1,2345" << false << 0.0;
    QTest::newRow("commas between single digits") << "12,3,4" << false << 0.0;
    QTest::newRow("letters") << "150,7a" << false << 0.0;
}

void EntryRefusalsTest::amountTexts()
{
    QFETCH(QString, typed);
    QFETCH(bool, read);
    QFETCH(double, amount);
    double got = -7.0;
    QCOMPARE(readTypedAmount(typed, &got), read);
    QCOMPARE(got, read ? amount : -7.0);

    // The same text typed on the T1's line 13000, which held 500.
    TaxData_T1New t1;
    t1.setFloat("13000", 500.0);
    ItemPages pages(&t1);
    pages.type(QStringLiteral("13000"), typed);
    QCOMPARE(t1.getFloat("13000"), read ? amount : 500.0);
    QCOMPARE(pages.refusal(QStringLiteral("13000")), read ? QString() : unreadableAmountText(typed));
}

void EntryRefusalsTest::negativeAmounts_data()
{
    QTest::addColumn<int>("slipType");   // 0: the T1
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message"); // empty: the line takes the negative amount
    for (const char* line : {"20800", "22000", "23200", "31900", "47600", "13000", "40900"})
        QTest::newRow(line) << 0 << line
                            << QStringLiteral("Line %1 of T1 cannot be negative.").arg(QLatin1String(line));
    QTest::newRow("T4 box 14") << 1 << "14" << "Box 14 of T4 cannot be negative.";
    QTest::newRow("T5013 box 104, a business loss") << 13 << "104" << QString();
}

void EntryRefusalsTest::negativeAmounts()
{
    QFETCH(int, slipType);
    QFETCH(QString, line);
    QFETCH(QString, message);
    std::unique_ptr<CTaxData_Form> item;
    if (slipType == 0) item = std::make_unique<TaxData_T1New>();
    else if (slipType == 1) item = std::make_unique<CSlipData_T4>();
    else item = std::make_unique<TaxData_Slip_T5013>();
    const QByteArray name = line.toUtf8();
    item->setFloat(name.constData(), 25.0);
    ItemPages pages(item.get());
    pages.type(line, QStringLiteral("-1"));
    QCOMPARE(item->getFloat(name.constData()), message.isEmpty() ? -1.0 : 25.0);
    QCOMPARE(pages.refusal(line), message);
    // A value that came from elsewhere is dropped by the same rule.
    item->setFloat(name.constData(), -1.0);
    std::list<CString> dropped;
    item->dropRefusedValues(&dropped);
    QCOMPARE(item->getFloat(name.constData()), message.isEmpty() ? -1.0 : 0.0);
    QCOMPARE(dropped.size(), size_t(message.isEmpty() ? 0 : 1));
}

// The T5013 statement's income (loss) columns take a loss, as the slip's
// boxes do; an amount column that cannot be negative still refuses one.
void EntryRefusalsTest::statementLossesTaken()
{
    CTaxData_T5013 statement;
    statement.setFloat("partnerships.1.104", -1200.0);
    statement.setFloat("partnerships.1.010", -300.0);
    statement.setFloat("partnerships.1.005", -50.0);   // the partner's share (%)
    std::list<CString> dropped;
    statement.dropRefusedValues(&dropped);
    QCOMPARE(statement.getFloat("partnerships.1.104"), -1200.0);
    QCOMPARE(statement.getFloat("partnerships.1.010"), -300.0);
    QCOMPARE(statement.getFloat("partnerships.1.005"), 0.0);
    QCOMPARE(dropped.size(), size_t(1));
}

void EntryRefusalsTest::birthAndDeathDates_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QString>("message");
    const QString birth =
        QStringLiteral("The date of birth on page 1 of T1 must be between 1900-01-01 and 2021-12-31.");
    const QString death =
        QStringLiteral("The date of death on page 1 of T1 must be in 2021 and not before the date of birth.");
    const QDate start(1980, 5, 5);
    QTest::newRow("born 1899-12-31") << "birth_date" << "1899/12/31" << start << birth;
    QTest::newRow("born 1800") << "birth_date" << "1800/01/01" << start << birth;
    QTest::newRow("born 1900-01-01") << "birth_date" << "1900/01/01" << QDate(1900, 1, 1) << QString();
    QTest::newRow("born 2021-12-31") << "birth_date" << "2021/12/31" << QDate(2021, 12, 31) << QString();
    QTest::newRow("born 2022-01-01") << "birth_date" << "2022/01/01" << start << birth;
    QTest::newRow("born 9999-12-31") << "birth_date" << "9999/12/31" << start << birth;
    QTest::newRow("spouse born 2022") << "spouse_birth_date" << "2022/03/01" << QDate()
                                     << "Your spouse's date of birth on page 1 of T1 must be between 1900-01-01 and "
                                        "2021-12-31.";
    QTest::newRow("died 2021-06-01") << "date_of_death" << "2021/06/01" << QDate(2021, 6, 1) << QString();
    QTest::newRow("died 2020-12-31") << "date_of_death" << "2020/12/31" << QDate() << death;
    QTest::newRow("died 2022-01-01") << "date_of_death" << "2022/01/01" << QDate() << death;
    QTest::newRow("no date of death") << "date_of_death" << "" << QDate() << QString();
}

void EntryRefusalsTest::birthAndDeathDates()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QDate, stored);
    QFETCH(QString, message);
    TaxData_T1New t1;
    t1.setDate("birth_date", QDate(1980, 5, 5));
    ItemPages pages(&t1);
    pages.type(field, typed);
    QCOMPARE(t1.getDate(field.toUtf8().constData()), stored);
    QCOMPARE(pages.refusal(field), message);
}

QTEST_MAIN(EntryRefusalsTest)
#include "tst_entryrefusals.moc"
