// The values of the filing requests: the NETFILE filer's identity and names,
// the EFILE preparer's credentials with the T183 and RC71 answers, each text
// escaped once, and the family's forwarding of them and of the T1135
// statement to the current person.

#include <QtTest>

#include "familytaxdata.h"
#include "filingsettings.h"
#include "formclasses.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "validatetestsupport.h"

namespace {

using Values = std::map<std::string, std::string>;

Values valuesFrom(const QStringList& pairs)
{
    Values values;
    for (const QString& pair : pairs)
        values[pair.section('=', 0, 0).toStdString()] = pair.section('=', 1).toStdString();
    return values;
}

// The map as "key=value" lines, in key order, for a readable comparison.
QStringList lines(const Values& values)
{
    QStringList out;
    for (const auto& entry : values)
        out << QString::fromStdString(entry.first) + '=' + QString::fromStdString(entry.second);
    return out;
}

// The keys every NETFILE request of the fixture's person carries.
QStringList netfileBase(const char* firstTime)
{
    return {"sin=046454286", "bod=1980-05-05", "agreement=1", QStringLiteral("firsttime=") + firstTime};
}

// A T183 with a return control number and the two contact choices, unsigned.
CTaxData_Form* addT183(ValidationFixture& f)
{
    CTaxData_Form* t183 = f.add(FormType::T183);
    f.set(t183, "return_control_number", "RC&77");
    f.set(t183, "pre_assessment", 0);
    f.set(t183, "post_assessment", 1);
    return t183;
}

using Setup = void (*)(ValidationFixture&);

void noForms(ValidationFixture&) {}
void unsignedT183(ValidationFixture& f) { addT183(f); }
void signedT183(ValidationFixture& f)
{
    CTaxData_Form* t183 = addT183(f);
    f.set(t183, "is_esigned", 1);
    t183->setDate("date", QDate(2022, 3, 10));
    f.set(t183, "signed_time", "14:05:09");
    f.set(t183, "online_notice_of_assessment", 1);
}
void representative(ValidationFixture& f)
{
    CTaxData_Form* t183 = addT183(f);
    f.set(t183, "is_representative_authorized", 1);
    t183->setDate("authorization_expiry_date", QDate(2023, 12, 31));
}
void representativeWithoutExpiry(ValidationFixture& f)
{
    f.set(addT183(f), "is_representative_authorized", 1);
}
void withRC71(ValidationFixture& f)
{
    addT183(f);
    f.set(f.add(FormType::RC71), "discounter_code", "D<9>");
}
void filedBefore(ValidationFixture& f) { f.set(f.t1, "filed_before", 0); }

// The keys of addT183's form, unsigned, outside the signature block.
const QStringList kT183Keys = {"dcn=RC&amp;77", "ENOAFlag=0", "precntctcode=2", "postcntctcode=3"};

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestFilingRequest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { filingSettings() = FilingSettings(); }
    void netfileValues_data();
    void netfileValues();
    void netfileSendsTheSinDigits_data();
    void netfileSendsTheSinDigits();
    void netfileHandsBackEmailAndAmount();
    void efileValues_data();
    void efileValues();
    void familyForwardsToTheCurrentPerson();
};

void TestFilingRequest::init()
{
    FilingSettings& s = filingSettings();
    s = FilingSettings();
    s.EfilerId = "E1234";
    s.EfilerPassword = "p<&>w";
}

void TestFilingRequest::netfileValues_data()
{
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<int>("filedBefore");   // the T1's answer: 0 yes, 1 no, 2 unanswered
    QTest::addColumn<QString>("accessCode");
    QTest::addColumn<int>("testCase");
    QTest::addColumn<QStringList>("callerMade");
    QTest::addColumn<QStringList>("expected");

    const QString lee = QStringLiteral("Lee");
    const QStringList none;
    auto firstTimer = [](QStringList names) { return netfileBase("1") + names; };
    QTest::newRow("two words split at the blank")
        << "Mary Ann" << lee << 1 << "" << 0 << none
        << firstTimer({"givenname=Mary", "secondname=Ann", "familyname=Lee"});
    QTest::newRow("three words split at the last blank")
        << "Mary Ann Jo" << lee << 1 << "" << 0 << none
        << firstTimer({"givenname=Mary Ann", "secondname=Jo", "familyname=Lee"});
    QTest::newRow("one word sends X") << "Mary" << lee << 1 << "" << 0 << none
                                      << firstTimer({"givenname=Mary", "secondname=X", "familyname=Lee"});
    QTest::newRow("leading blank stays whole") << " Mary" << lee << 1 << "" << 0 << none
                                               << firstTimer({"givenname= Mary", "secondname=X", "familyname=Lee"});
    QTest::newRow("trailing blank stays whole") << "Mary " << lee << 1 << "" << 0 << none
                                                << firstTimer({"givenname=Mary ", "secondname=X", "familyname=Lee"});
    QTest::newRow("no first name") << "" << lee << 1 << "" << 0 << none
                                   << firstTimer({"givenname=X", "secondname=X", "familyname=Lee"});
    QTest::newRow("unanswered is a first-time filer")
        << "Mary" << lee << 2 << "AB12CD34" << 0 << none
        << firstTimer({"givenname=Mary", "secondname=X", "familyname=Lee"});
    QTest::newRow("names escaped once")
        << "Zoë & Jo" << "O'Brien & Fils" << 1 << "" << 0 << none
        << firstTimer({"givenname=Zoë &amp;", "secondname=Jo", "familyname=O&apos;Brien &amp; Fils"});
    QTest::newRow("returning filer with access code")
        << "Mary Ann" << lee << 0 << " A<1>&2 " << 0 << none << netfileBase("0") + QStringList{"accesscode=A&lt;1&gt;&amp;2"};
    QTest::newRow("returning filer with blank code")
        << "Mary Ann" << lee << 0 << "   " << 0 << none << netfileBase("0");
    QTest::newRow("test case 3") << "Mary" << lee << 0 << "" << 3 << none
                                 << netfileBase("0") + QStringList{"testcaseID=3"};
    QTest::newRow("caller's entries overwritten, others kept")
        << "Mary" << lee << 0 << "" << 0 << QStringList{"sin=000", "firsttime=9", "testcaseID=5", "ipaddr=10.0.0.1"}
        << netfileBase("0") + QStringList{"testcaseID=5", "ipaddr=10.0.0.1"};
}

void TestFilingRequest::netfileValues()
{
    QFETCH(QString, firstName);
    QFETCH(QString, lastName);
    QFETCH(int, filedBefore);
    QFETCH(QString, accessCode);
    QFETCH(int, testCase);
    QFETCH(QStringList, callerMade);
    QFETCH(QStringList, expected);
    ValidationFixture f;
    f.set(f.t1, "first_name", firstName.toUtf8().constData());
    f.set(f.t1, "last_name", lastName.toUtf8().constData());
    f.set(f.t1, "filed_before", filedBefore);
    f.set(f.t1, "netfile_access_code", accessCode.toUtf8().constData());
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));

    Values values = valuesFrom(callerMade);
    CString email;
    double amount = 0;
    f.person.getNetfileDataInfo(values, 1, email, amount, testCase);
    QCOMPARE(lines(values), lines(valuesFrom(expected)));
}

void TestFilingRequest::netfileSendsTheSinDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("plain") << "046454286";
    QTest::newRow("blanks") << "046 454 286";
    QTest::newRow("dashes") << "046-454-286";
}

// Blanks and dashes only format the number the agency takes as nine digits.
void TestFilingRequest::netfileSendsTheSinDigits()
{
    QFETCH(QString, typed);
    ValidationFixture f;
    f.set(f.t1, "sin", typed.toUtf8().constData());
    Values values;
    CString email;
    double amount = 0;
    f.person.getNetfileDataInfo(values, 1, email, amount, 0);
    QCOMPARE(QString::fromStdString(values["sin"]), QStringLiteral("046454286"));
}

void TestFilingRequest::netfileHandsBackEmailAndAmount()
{
    ValidationFixture f;
    f.set(f.t1, "email", "ann.lee@example.ca");
    f.setT1("48400", 812.5);
    Values values;
    CString email = "stale";
    double amount = 1;
    f.person.getNetfileDataInfo(values, 0, email, amount, 0);
    QCOMPARE(email.toQString(), QStringLiteral("ann.lee@example.ca"));
    QCOMPARE(amount, -812.5);   // a refund, as the T1's line 483 answer tells it
    QCOMPARE(values.at("agreement"), std::string("0"));
}

void TestFilingRequest::efileValues_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<QStringList>("callerMade");
    QTest::addColumn<QStringList>("expected");

    // The password p<&>w arrives escaped once in every row.
    const QStringList base = {"efilerID=E1234", "efpasd=p&lt;&amp;&gt;w", "firsttime=1"};
    const QStringList none;
    const QStringList signatureNeeded = {"esigned_needed= "};
    QTest::newRow("no T183: no dcn, no T183 keys") << Setup(noForms) << 1 << false << none << base;
    QTest::newRow("T1, T183 unsigned") << Setup(unsignedT183) << 1 << false << none
                                       << base + kT183Keys + signatureNeeded;
    QTest::newRow("T1, T183 signed")
        << Setup(signedT183) << 1 << false << none
        << base + QStringList{"dcn=RC&amp;77", "ENOAFlag=1", "precntctcode=2", "postcntctcode=3"} + signatureNeeded
               + QStringList{"esigned=1", "esigndate=2022-03-10", "esigntime=14:05:09"};
    QTest::newRow("stand-alone form: no signature block")
        << Setup(signedT183) << int(FormType::T1135) << false << none
        << base + QStringList{"dcn=RC&amp;77", "ENOAFlag=1", "precntctcode=2", "postcntctcode=3"};
    QTest::newRow("representative with expiry")
        << Setup(representative) << 1 << false << none
        << base + kT183Keys + signatureNeeded
               + QStringList{"preparerRepresent=1", "preparerRepresentExpDate=2023-12-31"};
    QTest::newRow("representative, expiry invalid") << Setup(representativeWithoutExpiry) << 1 << false << none
                                                    << base + kT183Keys + signatureNeeded
                                                           + QStringList{"preparerRepresent=1"};
    QTest::newRow("with RC71") << Setup(withRC71) << 1 << false << none
                               << base + kT183Keys + signatureNeeded
                                      + QStringList{"rc71_exist=", "rc71sign=0", "discounterRegNum=D&lt;9&gt;"};
    QTest::newRow("filed before") << Setup(filedBefore) << 1 << false << none
                                  << QStringList{"efilerID=E1234", "efpasd=p&lt;&amp;&gt;w", "firsttime=0"};
    QTest::newRow("test mode, testid 7") << Setup(noForms) << 1 << true << QStringList{"testid=7"}
                                         << base + QStringList{"testid=7", "testcaseID=7"};
    QTest::newRow("test mode, testid x") << Setup(noForms) << 1 << true << QStringList{"testid=x"}
                                         << base + QStringList{"testid=x"};
    QTest::newRow("test mode, testid 0") << Setup(noForms) << 1 << true << QStringList{"testid=0"}
                                         << base + QStringList{"testid=0"};
    QTest::newRow("outside test mode, testid 7") << Setup(noForms) << 1 << false << QStringList{"testid=7"}
                                                 << base + QStringList{"testid=7"};
    QTest::newRow("caller's entries overwritten")
        << Setup(unsignedT183) << 1 << false << QStringList{"dcn=old", "efilerID=old", "esigned_needed=x"}
        << base + kT183Keys + signatureNeeded;
}

void TestFilingRequest::efileValues()
{
    QFETCH(Setup, setup);
    QFETCH(int, form);
    QFETCH(bool, testMode);
    QFETCH(QStringList, callerMade);
    QFETCH(QStringList, expected);
    ValidationFixture f;
    setup(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(", ")));
    filingSettings().TestMode = testMode;
    Values values = valuesFrom(callerMade);
    f.person.getEfileDataInfo(values, form);
    QCOMPARE(lines(values), lines(valuesFrom(expected)));
}

void TestFilingRequest::familyForwardsToTheCurrentPerson()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    addT1(*family.taxpayer(), MARITAL_MARRIED)->setString("first_name", "Ann");
    TaxData_T1New* spouse = addT1(*family.spouse(), MARITAL_MARRIED);
    spouse->setString("first_name", "Bo");
    spouse->setInt("filed_before", 0);
    family.setCurIndv(CFamilyTaxData::kSpouse);

    Values values;
    CString email;
    double amount = 0;
    family.getNetfileDataInfo(values, 1, email, amount, 0);
    QCOMPARE(values.at("firsttime"), std::string("0"));   // the spouse's answer, not the taxpayer's
    QVERIFY(!values.count("givenname"));

    family.setCurIndv(CFamilyTaxData::kTaxpayer);
    values.clear();
    family.getNetfileDataInfo(values, 1, email, amount, 0);
    QCOMPARE(values.at("givenname"), std::string("Ann"));

    family.taxpayer()->NewFormDataItem(FormType::T183, -1, true, 0, false);
    values.clear();
    family.getEfileDataInfo(values, 1);
    QVERIFY(values.count("dcn"));
    family.setCurIndv(CFamilyTaxData::kSpouse);
    values.clear();
    family.getEfileDataInfo(values, 1);
    QVERIFY(!values.count("dcn"));

    // The statement too: the spouse holds no T1135, the taxpayer does.
    family.taxpayer()->NewFormDataItem(FormType::T1135, -1, true, 0, false);
    QCOMPARE(family.getT1135XMLContent(nullptr), -100);
    family.setCurIndv(CFamilyTaxData::kTaxpayer);
    QCOMPARE(family.getT1135XMLContent(nullptr), -2);   // found, and the missing file refused
}

QTEST_GUILESS_MAIN(TestFilingRequest)
#include "tst_filingrequest.moc"
