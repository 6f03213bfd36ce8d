// What a return answers about itself: names, status texts, file names,
// contribution months, captions and filing status.

#include <QComboBox>
#include <QtTest>

#include "familytaxdata.h"
#include "formtypes.h"
#include "modeltestsupport.h"

namespace {

struct Couple
{
    explicit Couple(bool coupled) : family(MULTIPROV_MODE_NEW)
    {
        a = addT1(*family.taxpayer(), MARITAL_MARRIED);
        a->setString("first_name", "Ann");
        a->setString("last_name", "Lee");
        if (coupled) {
            b = addT1(*family.spouse(), MARITAL_MARRIED);
            b->setString("first_name", "Bo");
            b->setString("last_name", "Chan");
        }
    }
    CFamilyTaxData family;
    TaxData_T1New* a = nullptr;
    TaxData_T1New* b = nullptr;
};

} // namespace

class ReturnQueriesTest : public QObject
{
    Q_OBJECT
private slots:
    void statusLine_data();
    void statusLine();
    void familyStatusAndResults();
    void shortResultNeverShowsMinusZero_data();
    void shortResultNeverShowsMinusZero();
    void firstAndMiddleName_data();
    void firstAndMiddleName();
    void fileNames();
    void contributionMonths_data();
    void contributionMonths();
    void captions_data();
    void captions();
    void filingStatusOfTheT1_data();
    void filingStatusOfTheT1();
    void filingStatusOfOtherForms();
    void reportOfReturnsNotFiled();
    void personChooser();
};

void ReturnQueriesTest::statusLine_data()
{
    QTest::addColumn<double>("owing");
    QTest::addColumn<double>("refund");
    QTest::addColumn<QString>("text");
    QTest::newRow("balance due")
        << 120.5 << 0.0 << "[Total Income]=1000.00 [Net Income]=900.00 [Taxable Income]=800.00 [Balance Due]=120.50";
    QTest::newRow("half a cent owing shows the refund")
        << 0.005 << 33.0 << "[Total Income]=1000.00 [Net Income]=900.00 [Taxable Income]=800.00 [Refund]=33.00";
    QTest::newRow("nothing either way")
        << 0.0 << -0.001 << "[Total Income]=1000.00 [Net Income]=900.00 [Taxable Income]=800.00 [Refund]=0.00";
}

void ReturnQueriesTest::statusLine()
{
    QFETCH(double, owing);
    QFETCH(double, refund);
    QFETCH(QString, text);
    Couple c(false);
    c.a->setFloat("15000", 1000);
    c.a->setFloat("23600", 900);
    c.a->setFloat("26000", 800);
    c.a->setFloat("48500", owing);
    c.a->setFloat("48400", refund);
    QCOMPARE(c.family.GetReturnStatusString(0).toQString(), text);
    QCOMPARE(c.family.GetFamilyReturnStatusString().toQString(), text);
}

void ReturnQueriesTest::familyStatusAndResults()
{
    Couple c(true);
    c.a->setFloat("48500", 120);
    c.b->setFloat("48400", 200);
    QCOMPARE(c.family.GetFamilyReturnStatusString().toQString(),
             QStringLiteral("[Total Income]=0.00 [Net Income]=0.00 [Taxable Income]=0.00 [Refund]=80.00"));
    CString principal, spouse, family;
    c.family.getFamilyResult(principal, spouse, family);
    QCOMPARE(principal, CString("Ann [Bal. Due: 120.00]"));
    QCOMPARE(spouse, CString("Bo [Refund: 200.00]"));
    QCOMPARE(family, CString("Family [Refund: 80.00]"));
    CString name1, name2;
    c.family.getFamilyFullName(name1, name2);
    QCOMPARE(name1, CString("Ann Lee"));
    QCOMPARE(name2, CString("Bo Chan"));

    Couple single(false);
    single.family.getFamilyResult(principal, spouse, family);
    QVERIFY(spouse.IsEmpty());
    QVERIFY(family.IsEmpty());
}

void ReturnQueriesTest::shortResultNeverShowsMinusZero_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "Ann [Refund: 0.00]";
    QTest::newRow("negative zero") << -0.0 << "Ann [Refund: 0.00]";
    QTest::newRow("a fraction of a cent due") << 0.004 << "Ann [Bal. Due: 0.00]";
    QTest::newRow("refund") << -45.678 << "Ann [Refund: 45.68]";
}

void ReturnQueriesTest::shortResultNeverShowsMinusZero()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    CString out;
    CFamilyTaxData::getShortResult("Ann", amount, out);
    QCOMPARE(out.toQString(), text);
}

void ReturnQueriesTest::firstAndMiddleName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::newRow("two words") << "Ann Marie" << "Ann" << "Marie";
    QTest::newRow("trailing blank") << "Ann " << "Ann" << "";
    QTest::newRow("three words: split at the last blank") << "Mary Ann Jo" << "Mary Ann" << "Jo";
    QTest::newRow("one word") << "Ann" << "Ann" << "";
}

void ReturnQueriesTest::firstAndMiddleName()
{
    QFETCH(QString, typed);
    QFETCH(QString, first);
    QFETCH(QString, middle);
    Couple c(false);
    c.a->setString("first_name", CString(typed));
    CString f, m;
    c.family.taxpayer()->GetFirstName(f, m);
    QCOMPARE(f.toQString(), first);
    QCOMPARE(m.toQString(), middle);
}

void ReturnQueriesTest::fileNames()
{
    Couple c(true);
    QCOMPARE(c.family.GetReturnFileNameWithoutSuffix(), CString("Ann_Lee_Bo_Chan"));
    c.a->setString("last_name", "");
    QCOMPARE(c.family.taxpayer()->GetNetfileNameWithoutSuffix(), CString("Ann_unknown"));
    c.a->setString("first_name", "Jo/Ann?");
    QCOMPARE(c.family.taxpayer()->GetNetfileNameWithoutSuffix(), CString("Jo_Ann__unknown"));
    // A 300-character name: each person's part cut to whole characters
    // within 100 bytes, so the coupled return's file name and every work
    // file name stay within what a file system takes.
    const QString longName = QString::fromUtf8("Éloïse-").repeated(43).left(300);
    c.a->setString("first_name", CString(longName));
    c.b->setString("last_name", CString(longName));
    const QByteArray own = c.family.taxpayer()->GetNetfileNameWithoutSuffix().bytes();
    QVERIFY(own.size() <= 100 && own.size() >= 97);
    QCOMPARE(QString::fromUtf8(own).toUtf8(), own);
    QVERIFY(QString::fromUtf8(own).startsWith(QString::fromUtf8("Éloïse-Éloïse-")));
    QVERIFY(c.family.GetReturnFileNameWithoutSuffix().bytes().size() + int(qstrlen("_2021_t1135.xml")) <= 255);
}

void ReturnQueriesTest::contributionMonths_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("monthsOff");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("cpp");
    QTest::addColumn<int>("qpp");
    QTest::newRow("turns 18 in March") << QDate(2003, 3, 10) << 0 << QDate() << 9 << 9;
    QTest::newRow("turns 18 in December") << QDate(2003, 12, 1) << 0 << QDate() << 0 << 0;
    QTest::newRow("turns 70 in May") << QDate(1951, 5, 2) << 0 << QDate() << 5 << 12;
    QTest::newRow("71: none under CPP") << QDate(1950, 5, 2) << 0 << QDate() << 0 << 12;
    QTest::newRow("17: none") << QDate(2004, 1, 1) << 0 << QDate() << 0 << 0;
    QTest::newRow("pension from August") << QDate(1960, 1, 1) << 0 << QDate(2021, 7, 31) << 7 << 7;
    QTest::newRow("months off") << QDate(1960, 1, 1) << 3 << QDate() << 9 << 9;
    QTest::newRow("more months off than the year") << QDate(1960, 1, 1) << 14 << QDate() << 0 << 0;
}

void ReturnQueriesTest::contributionMonths()
{
    QFETCH(QDate, birth);
    QFETCH(int, monthsOff);
    QFETCH(QDate, end);
    QFETCH(int, cpp);
    QFETCH(int, qpp);
    Couple c(false);
    c.a->setDate("birth_date", birth);
    c.a->setDate("cpp_end_date", end);
    QCOMPARE(c.family.taxpayer()->GetCPPMonths(0, monthsOff), cpp);
    QCOMPARE(c.family.taxpayer()->GetQPPMonths(0, monthsOff), qpp);
}

void ReturnQueriesTest::captions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("sharedId");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("caption");
    QTest::newRow("single-instance form") << 9 << 0 << "" << "Schedule 9";
    QTest::newRow("shared single-instance form") << 9 << 150 << "" << "S-Schedule 9";
    QTest::newRow("shared statement without a name") << 125 << 150 << "" << "S-T2125";
    QTest::newRow("statement with a name") << 125 << 0 << "Ann's bakery" << "T2125 - Ann's bakery (100)";
}

void ReturnQueriesTest::captions()
{
    QFETCH(int, type);
    QFETCH(int, sharedId);
    QFETCH(QString, display);
    QFETCH(QString, caption);
    // A statement named by the user shows that name.
    struct Named : public CTaxData_Form
    {
        Named(int type, const QString& name) : CTaxData_Form(FROM_FORM, type), m_name(name) {}
        CString GetDisplayName() const override { return CString(m_name); }
        QString m_name;
    } object(type, display);
    STRUCT_FORMDATA_ITEM_2004 item;
    item.formType = type;
    item.uniqueId = 100;
    item.sharedId = sharedId;
    item.object = &object;
    CString out;
    CFamilyTaxData::formDisplayName(true, &item, out);
    QCOMPARE(out.toQString(), caption);
    CString unmarked;
    CFamilyTaxData::formDisplayName(false, &item, unmarked);
    QVERIFY(!unmarked.toQString().startsWith("S-"));
}

void ReturnQueriesTest::filingStatusOfTheT1_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("refile");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("filed") << 0 << false << 1 << 1 << "C-1";
    QTest::newRow("amendment filed") << 0 << true << 1 << 3 << "C-1";
    QTest::newRow("failed") << 0 << false << -1 << -1 << "C-1";
    QTest::newRow("failed amendment stays pending") << 0 << true << -1 << 2 << "C-1";
    QTest::newRow("filed, then a later failure") << 1 << false << -1 << 1 << "";
    QTest::newRow("amended, then another result") << 3 << true << 7 << 3 << "";
    QTest::newRow("other result") << 0 << false << 5 << 5 << "";
}

void ReturnQueriesTest::filingStatusOfTheT1()
{
    QFETCH(int, before);
    QFETCH(bool, refile);
    QFETCH(int, status);
    QFETCH(int, after);
    QFETCH(QString, confirmation);
    Couple c(false);
    c.a->setInt("filing_status", before);
    c.a->setBool("refile", refile);
    c.family.updateFilingStatus(1, status, "C-1");
    QCOMPARE(c.a->getInt("filing_status"), after);
    QCOMPARE(c.a->getString("filing_confirmation").toQString(), confirmation);
    QCOMPARE(c.a->getString("filing_time").IsEmpty(), confirmation.isEmpty());
}

void ReturnQueriesTest::filingStatusOfOtherForms()
{
    Couple c(false);
    IndividualTaxData* person = c.family.taxpayer();
    CTaxData_Form* t1135 = person->GetFormData(FormType::T1135, true);
    person->updateFilingStatus(101, 1, "T-1");
    QCOMPARE(t1135->getInt("filing_status"), 1);
    QCOMPARE(t1135->getString("filing_confirmation"), CString("T-1"));
    // A statement already filed stays filed when a later sending fails.
    person->updateFilingStatus(101, -1, "");
    QCOMPARE(t1135->getInt("filing_status"), 1);
    t1135->setInt("filing_status", 0);
    t1135->setBool("is_amended", true);
    person->updateFilingStatus(101, -1, "");
    QCOMPARE(t1135->getInt("filing_status"), 2);

    CTaxData_Form* t1013 = person->GetFormData(FormType::T1013, true);
    person->updateFilingStatus(117, -5, "refused");
    QCOMPARE(t1013->getString("filing_error"), CString("refused"));
    person->updateFilingStatus(117, 1, "A-9");
    QCOMPARE(t1013->getString("filing_error"), CString());
    person->updateFilingStatus(117, -5, "late error");
    QCOMPARE(t1013->getInt("filing_status"), 1);

    CTaxData_Form* pad = person->GetFormData(FormType::T185, true);
    person->updateFilingStatus(181, 1, "P-3");
    QVERIFY(pad->getString("note").toQString().startsWith("You sent a PAD at "));
    QVERIFY(pad->getString("note").toQString().endsWith(", confirmation number [P-3]."));
    QCOMPARE(pad->getDate("date"), QDate::currentDate());

    // Two T1135s: nothing is recorded.
    person->NewFormDataItem(101, -1, true, 0, false);
    person->updateFilingStatus(101, 1, "T-2");
    QCOMPARE(t1135->getString("filing_confirmation"), CString("T-1"));
}

void ReturnQueriesTest::reportOfReturnsNotFiled()
{
    Couple c(true);
    c.a->setInt("filing_status", 2);
    c.b->setInt("filing_status", 1);
    QString out;
    c.family.getReport(0, out);
    QCOMPARE(out, QStringLiteral("Ann Lee: (amended)  "));
    c.b->setInt("filing_status", 0);
    out.clear();
    c.family.getReport(0, out);
    QCOMPARE(out, QStringLiteral("Ann Lee: (amended)  Bo Chan: (not filed/unknown)  "));
}

void ReturnQueriesTest::personChooser()
{
    Couple c(true);
    QComboBox box;
    c.family.fillComboBox(&box, true);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemText(0), QStringLiteral("Ann Lee"));
    QCOMPARE(box.itemData(1).toInt(), -1);
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(c.family.getCurIndv(), -1);
    c.b->setString("first_name", "");
    c.b->setString("last_name", "");
    c.family.fillComboBox(&box, false);
    QCOMPARE(box.itemText(1), QStringLiteral("(spouse/common-law)"));
    QCOMPARE(c.family.getCurIndv(), -2);

    Couple single(false);
    single.a->setString("first_name", "");
    single.a->setString("last_name", "");
    single.family.fillComboBox(&box, false);
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.itemText(0), QStringLiteral("(self)"));
}

QTEST_MAIN(ReturnQueriesTest)
#include "tst_returnqueries.moc"
