// The T1135 checked on its own: what its filing needs, and the one form item
// the return's check makes of it (none when it has nothing to say).

#include <QtTest>

#include "familytaxdata.h"
#include "formclasses.h"
#include "formtypes.h"
#include "validatetestsupport.h"

namespace {

const char* const kNames = "Please enter the reporting individual's first and last name in form T1135.";
const char* const kSin = "Please enter a valid social insurance number in form T1135.";
const char* const kYear = "Please enter the tax year's start and end dates (the start before the end) in form T1135.";
const char* const kKinds =
    "Please tick at least one type of property under the simplified reporting method in form T1135.";
const char* const kCountries =
    "Please enter at least one country code under the simplified reporting method in form T1135.";

// A statement that passes: an individual, the calendar year, one kind of
// property in one country by the simplified method.
CTaxData_Form* completeStatement(ValidationFixture& f)
{
    CTaxData_Form* t1135 = f.add(FormType::T1135);
    f.set(t1135, "first_name", "Ann");
    f.set(t1135, "last_name", "Lee");
    f.set(t1135, "sin", "046454286");
    t1135->setDate("tax_year_start", QDate(2021, 1, 1));
    t1135->setDate("tax_year_end", QDate(2021, 12, 31));
    f.set(t1135, "method", 0);
    f.set(t1135, "simplified_shares", 1);
    f.set(t1135, "simplified_countries.1.country", "USA");
    return t1135;
}

using Setup = void (*)(ValidationFixture&, CTaxData_Form*);

} // namespace

Q_DECLARE_METATYPE(Setup)

class T1135CheckTest : public QObject
{
    Q_OBJECT
private slots:
    void statementChecks_data();
    void statementChecks();
    void returnWithoutStatement();
    void familyChecksTheCurrentPerson();
};

void T1135CheckTest::statementChecks_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("complete") << Setup([](ValidationFixture&, CTaxData_Form*) {}) << QStringList();
    QTest::newRow("no last name") << Setup([](ValidationFixture& f, CTaxData_Form* t) { f.set(t, "last_name", " "); })
                                  << QStringList{kNames};
    QTest::newRow("S.I.N. failing its check digit")
        << Setup([](ValidationFixture& f, CTaxData_Form* t) { f.set(t, "sin", "046454287"); }) << QStringList{kSin};
    QTest::newRow("no S.I.N.") << Setup([](ValidationFixture& f, CTaxData_Form* t) { f.set(t, "sin", ""); })
                               << QStringList{kSin};
    QTest::newRow("S.I.N. with blanks") << Setup([](ValidationFixture& f, CTaxData_Form* t) {
        f.set(t, "sin", "046 454 286");
    }) << QStringList();
    QTest::newRow("a corporation needs no names") << Setup([](ValidationFixture& f, CTaxData_Form* t) {
        f.set(t, "reporter_kind", 1);
        f.set(t, "first_name", "");
        f.set(t, "sin", "");
    }) << QStringList();
    QTest::newRow("no year end") << Setup([](ValidationFixture&, CTaxData_Form* t) {
        t->setDate("tax_year_end", QDate());
    }) << QStringList{kYear};
    QTest::newRow("year ends before it starts") << Setup([](ValidationFixture&, CTaxData_Form* t) {
        t->setDate("tax_year_end", QDate(2020, 12, 31));
    }) << QStringList{kYear};
    QTest::newRow("simplified: no kind, no country") << Setup([](ValidationFixture& f, CTaxData_Form* t) {
        f.set(t, "simplified_shares", 0);
        f.set(t, "simplified_countries.1.country", "");
    }) << QStringList{kKinds, kCountries};
    QTest::newRow("simplified: a country on a later row") << Setup([](ValidationFixture& f, CTaxData_Form* t) {
        f.set(t, "simplified_countries.1.country", "");
        f.set(t, "simplified_countries.20.country", "GBR");
    }) << QStringList();
    QTest::newRow("detailed: a row with an amount lacks both") << Setup([](ValidationFixture& f, CTaxData_Form* t) {
        f.set(t, "method", 1);
        f.set(t, "shares.3.income", 12.5);
    }) << QStringList{"Please enter the description of row 3 of shares of non-resident corporations in form T1135.",
                      "Please enter the country code of row 3 of shares of non-resident corporations in form T1135."};
    QTest::newRow("detailed: a complete row, and a row without amounts") << Setup([](ValidationFixture& f,
                                                                                     CTaxData_Form* t) {
        f.set(t, "method", 1);
        f.set(t, "funds.1.description", "Bank");
        f.set(t, "funds.1.country", "USA");
        f.set(t, "funds.1.max_cost", 150000.0);
        f.set(t, "funds.2.description", "notes only");
    }) << QStringList();
    QTest::newRow("detailed: a trust's capital received needs its country")
        << Setup([](ValidationFixture& f, CTaxData_Form* t) {
               f.set(t, "method", 1);
               f.set(t, "trusts.20.description", "Trust");
               f.set(t, "trusts.20.capital_received", 10.0);
           })
        << QStringList{"Please enter the country code of row 20 of interests in non-resident trusts in form T1135."};
}

void T1135CheckTest::statementChecks()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, expected);
    ValidationFixture f;
    setup(f, completeStatement(f));
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    QCOMPARE(f.person.ValidateT1135(2, items), expected.isEmpty() ? 0 : 1);
    QCOMPARE(int(items.size()), expected.isEmpty() ? 0 : 1);
    QStringList texts;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        QCOMPARE(item->kind, int(_STRUCT_FORM_VALIDATE_INFO::Form));
        QCOMPARE(item->type, int(FormType::T1135));
        for (const CString& m : item->messages) texts << m.toQString();
        delete item;
    }
    QCOMPARE(texts, expected);
}

void T1135CheckTest::returnWithoutStatement()
{
    ValidationFixture f;
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items{nullptr};
    QCOMPARE(f.person.ValidateT1135(2, items), 0);
    QCOMPARE(int(items.size()), 1);
}

void T1135CheckTest::familyChecksTheCurrentPerson()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    QCOMPARE(family.ValidateT1135(2, items), 0);
    family.taxpayer()->NewFormDataItem(FormType::T1135, -1, true, 0, false);
    QCOMPARE(family.ValidateT1135(2, items), 1);
    QCOMPARE(int(items.size()), 1);
    QVERIFY(items.front()->messages.size() >= 3);   // names, S.I.N. and year at least
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) delete item;
}

QTEST_MAIN(T1135CheckTest)
#include "tst_t1135check.moc"
