// Whether electronic filing takes a return, whether ReFILE may amend it, and
// the marking of a return for ReFILE with the integer items that read it.

#include <QtTest>

#include "familytaxdata.h"
#include "filingsettings.h"
#include "formtypes.h"
#include "prompt.h"
#include "refilecompare.h"
#include "scenario.h"
#include "summaryforms.h"
#include "tableform.h"
#include "validatetestsupport.h"

namespace {

const char* const kProvince =
    "Quillmere cannot generate NETFILE/EFILE for your province. It will be supported in the future.";
const char* const kSin0 = "Tax return which has SIN number starting with 0 is not eligible for EFILE.";
const char* const kSin0809 = "Tax return which has SIN number starting with 09 or 08 is not eligible for Netfile.";
const char* const kMailing = "Return with non-Canadian mail address is not eligible for NetFile.";
const char* const kEmigrant = "This tax return is not eligible for NETFILE/EFILE, because tax payer is an emigrant.";
const char* const kDeceased =
    "This tax return is not eligible to for NETFILE/EFILE, because the tax payer is deceased.";
const char* const kBankrupt =
    "This tax return is not eligible for NetFile/EFile, because the tax payer is in bankruptcy.";
const char* const kRevoke =
    "This tax return is not eligible for EFILE because you chose to revoke the previously filed election to keep a "
    "fiscal period that does not end on a Dec. 31 fiscal period.";
const char* const kPlans =
    "This return is not eligible for Netfile, because there are combination of RC267/RC268/RC269 in tax return.";
const char* const kT1DD =
    "Form T1DD can only be submitted by paper return; or you can change direct deposit information with CRA first by "
    "contacting CRA office, then remove form T1DD before creating the NETFILE.";
const char* const kT2209 = "This return is not eligible for Netfile or Efile, because it contains more than 3 T2209 forms.";
const char* const kSfd =
    "The tax return is not eligible for NETFILE/EFILE, because tax return has more than 12 self-business and/or work "
    "expenses forms.";
const char* const kT1273 = "Quillmere doesn't support NETFILE or EFILE for tax return with CAIS form T1273.";
const char* const kT1163 =
    "This tax return is not eligible for NETFILE, since the province of main farmstead in form T1163 is not same as "
    "the province of residence on Dec. 31.";
const char* const kReFileBankrupt = "Re-File cannot change a return with regard to bankruptcy.";
const char* const kReFileMoved = "Re-File is not allowed for tax return of an immigrant or emmigrant in the tax year.";

using Setup = void (*)(ValidationFixture&);

// A form the program no longer makes (an expired type), as a return read
// from an older file may still hold it.
void addExpiredForm(ValidationFixture& f, int type)
{
    auto* item = new STRUCT_FORMDATA_ITEM_2004;
    item->formType = type;
    item->uniqueId = f.person.GetNextUniqueID();
    item->object = new TableForm(FROM_FORM, type, FieldTable{nullptr, 0});
    f.person.forms().push_back(item);
}

void addForms(ValidationFixture& f, int type, int count)
{
    for (int i = 0; i < count; ++i) f.add(type);
}

QStringList texts(const std::list<CString>& messages)
{
    QStringList out;
    for (const CString& m : messages) out << m.toQString();
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class FilingEligibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { filingSettings() = FilingSettings(); }
    void electronicFiling_data();
    void electronicFiling();
    void sinRefusalsWhateverTheShape_data();
    void sinRefusalsWhateverTheShape();
    void t1ddInTestModeOnlyTellsTheUser();
    void calculatedReturn_data();
    void calculatedReturn();
    void reFile_data();
    void reFile();
    void prepareKeepsTheSummaryAndMarksTheT1();
    void prepareWithoutSummaryChangesNothing();
    void prepareLeavesAFiledReturnFiled();
    void familyForwardsToTheCurrentPerson();
    void compareMapLookup_data();
    void compareMapLookup();
};

void FilingEligibilityTest::electronicFiling_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("mode");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("expected");
    const Setup none = [](ValidationFixture&) {};
    for (int mode : {1, 2}) {
        const char* m = mode == 1 ? "EFILE" : "NETFILE";
        QTest::addRow("%s: nothing refused", m) << int(PROV_ON) << mode << none << QStringList();
        QTest::addRow("%s: non-resident, the jurisdiction twice", m)
            << int(PROV_NONRESIDENT) << mode << none << QStringList{kProvince, kProvince};
        QTest::addRow("%s: emigrant", m) << int(PROV_ON) << mode << Setup([](ValidationFixture& f) {
            f.t1->setDate("date_of_departure", QDate(2021, 7, 1));
        }) << QStringList{kEmigrant};
        QTest::addRow("%s: empty S.I.N.", m)
            << int(PROV_ON) << mode << Setup([](ValidationFixture& f) { f.set(f.t1, "sin", ""); }) << QStringList();
        QTest::addRow("%s: T1DD", m) << int(PROV_ON) << mode
                                     << Setup([](ValidationFixture& f) { f.add(FormType::T1DD1); })
                                     << QStringList{kT1DD};
        QTest::addRow("%s: three T2209s", m) << int(PROV_ON) << mode
                                             << Setup([](ValidationFixture& f) { addForms(f, 35, 3); })
                                             << QStringList();
        QTest::addRow("%s: four T2209s", m) << int(PROV_ON) << mode
                                            << Setup([](ValidationFixture& f) { addForms(f, 35, 4); })
                                            << QStringList{kT2209};
        QTest::addRow("%s: twelve financial statements", m)
            << int(PROV_ON) << mode << Setup([](ValidationFixture& f) { addForms(f, FormType::T777, 12); })
            << QStringList();
        QTest::addRow("%s: thirteen financial statements", m)
            << int(PROV_ON) << mode << Setup([](ValidationFixture& f) { addForms(f, FormType::T777, 13); })
            << QStringList{kSfd};
        QTest::addRow("%s: each T1273, and a T1163 farmed elsewhere", m)
            << int(PROV_ON) << mode << Setup([](ValidationFixture& f) {
                   addExpiredForm(f, FormType::T1273);
                   f.set(f.add(FormType::T1163), "farm_province", int(PROV_MB));
                   f.set(f.add(FormType::T1163), "farm_province", int(PROV_ON));
                   addExpiredForm(f, FormType::T1273);
               })
            << QStringList{kT1273, kT1163, kT1273};
    }
    QTest::newRow("NETFILE: S.I.N. 081") << int(PROV_ON) << 2
                                         << Setup([](ValidationFixture& f) { f.set(f.t1, "sin", "081234567"); })
                                         << QStringList{kSin0809};
    QTest::newRow("EFILE: S.I.N. 081") << int(PROV_ON) << 1
                                       << Setup([](ValidationFixture& f) { f.set(f.t1, "sin", "081234567"); })
                                       << QStringList{kSin0};
    QTest::newRow("NETFILE: S.I.N. 09") << int(PROV_ON) << 2
                                        << Setup([](ValidationFixture& f) { f.set(f.t1, "sin", "09"); })
                                        << QStringList{kSin0809};
    QTest::newRow("NETFILE: S.I.N. of one character 0") << int(PROV_ON) << 2
                                                        << Setup([](ValidationFixture& f) { f.set(f.t1, "sin", "0"); })
                                                        << QStringList();
    QTest::newRow("EFILE: S.I.N. of one character 0") << int(PROV_ON) << 1
                                                      << Setup([](ValidationFixture& f) { f.set(f.t1, "sin", "0"); })
                                                      << QStringList{kSin0};
    const Setup abroad = [](ValidationFixture& f) { f.setT1("non_canadian_mailing", 0); };
    QTest::newRow("NETFILE: mailing address abroad") << int(PROV_ON) << 2 << abroad << QStringList{kMailing};
    QTest::newRow("EFILE: mailing address abroad") << int(PROV_ON) << 1 << abroad << QStringList();
    const Setup died = [](ValidationFixture& f) { f.t1->setDate("date_of_death", QDate(2021, 3, 3)); };
    QTest::newRow("NETFILE: deceased") << int(PROV_ON) << 2 << died << QStringList{kDeceased};
    QTest::newRow("EFILE: deceased") << int(PROV_ON) << 1 << died << QStringList();
    const Setup bankrupt = [](ValidationFixture& f) { f.setT1("is_bankrupt", 1); };
    QTest::newRow("NETFILE: bankrupt") << int(PROV_ON) << 2 << bankrupt << QStringList{kBankrupt};
    QTest::newRow("EFILE: bankrupt") << int(PROV_ON) << 1 << bankrupt << QStringList();
    QTest::newRow("EFILE: bankrupt revoking the fiscal period") << int(PROV_ON) << 1 << Setup([](ValidationFixture& f) {
        f.setT1("is_bankrupt", 1);
        f.setT1("fiscal_period_revocation", 0);
    }) << QStringList{kRevoke};
    const Setup after = [](ValidationFixture& f) { f.setT1("post_bankrupt", 0); };
    QTest::newRow("NETFILE: after a bankruptcy") << int(PROV_ON) << 2 << after << QStringList{kBankrupt};
    QTest::newRow("EFILE: after a bankruptcy") << int(PROV_ON) << 1 << after << QStringList{kBankrupt};
    const Setup rc267and269 = [](ValidationFixture& f) {
        f.set(f.add(136), "deduction", 100);
        f.set(f.add(138), "deduction", 100);
    };
    QTest::newRow("NETFILE: RC267 with RC269") << int(PROV_ON) << 2 << rc267and269 << QStringList{kPlans};
    QTest::newRow("EFILE: RC267 with RC269") << int(PROV_ON) << 1 << rc267and269 << QStringList();
    QTest::newRow("NETFILE: RC269 alone") << int(PROV_ON) << 2
                                          << Setup([](ValidationFixture& f) { f.set(f.add(138), "deduction", 100); })
                                          << QStringList();
    QTest::newRow("NETFILE: everything piles up") << int(PROV_ON) << 2 << Setup([](ValidationFixture& f) {
        f.set(f.t1, "sin", "091234567");
        f.setT1("non_canadian_mailing", 0);
        f.t1->setDate("date_of_departure", QDate(2021, 7, 1));
        addExpiredForm(f, FormType::T1273);
    }) << QStringList{kSin0809, kMailing, kEmigrant, kT1273};
}

void FilingEligibilityTest::electronicFiling()
{
    QFETCH(int, province);
    QFETCH(int, mode);
    QFETCH(Setup, setup);
    QFETCH(QStringList, expected);
    ValidationFixture f(province);
    f.set(f.t1, "sin", "130692544");
    setup(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
    Prompt::Scripted prompts;
    std::list<CString> messages{CString("earlier")};
    f.person.IsEligibleForElectronicFile(mode, messages);
    QCOMPARE(texts(messages), QStringList{"earlier"} + expected);
    QCOMPARE(prompts.asked().size(), 0);
}

void FilingEligibilityTest::sinRefusalsWhateverTheShape_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected");
    for (const char* typed : {"081234567", " 081234567", "081 234 567", "081-234-567"}) {
        QTest::addRow("NETFILE: '%s'", typed) << QString(typed) << 2 << QStringList{kSin0809};
        QTest::addRow("EFILE: '%s'", typed) << QString(typed) << 1 << QStringList{kSin0};
    }
    for (const char* typed : {"046454286", "046 454 286", "046-454-286"}) {
        QTest::addRow("NETFILE: '%s'", typed) << QString(typed) << 2 << QStringList();
        QTest::addRow("EFILE: '%s'", typed) << QString(typed) << 1 << QStringList{kSin0};
    }
    QTest::newRow("NETFILE: ' 130 692 544'") << " 130 692 544" << 2 << QStringList();
    QTest::newRow("EFILE: ' 130 692 544'") << " 130 692 544" << 1 << QStringList();
}

// The agency reads the S.I.N.'s digits: a number typed with blanks or
// hyphens (or a blank in front) is refused exactly as its digits are.
void FilingEligibilityTest::sinRefusalsWhateverTheShape()
{
    QFETCH(QString, typed);
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    ValidationFixture f(PROV_ON);
    f.set(f.t1, "sin", typed.toUtf8().constData());
    std::list<CString> messages;
    f.person.IsEligibleForElectronicFile(mode, messages);
    QCOMPARE(texts(messages), expected);
}

void FilingEligibilityTest::t1ddInTestModeOnlyTellsTheUser()
{
    filingSettings().TestMode = true;
    for (int mode : {1, 2}) {
        ValidationFixture f;
        f.set(f.t1, "sin", "130692544");
        f.add(FormType::T1DD1);
        Prompt::Scripted prompts;
        prompts.press(Prompt::Ok);
        std::list<CString> messages;
        f.person.IsEligibleForElectronicFile(mode, messages);
        QVERIFY(messages.empty());
        QCOMPARE(prompts.titles(), QStringList{"Quillmere 2020"});
        QCOMPARE(prompts.texts(), QStringList{"Netfile will skip T1DD form."});
        QCOMPARE(prompts.asked().front().kind, Prompt::Kind::Information);
    }
}

// Forms as the user fills them, on a return calculated as the program
// calculates it (the fixture above sets by hand what a calculation would).
void FilingEligibilityTest::calculatedReturn_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("forms");   // each: type, then its fields
    QTest::addColumn<QStringList>("expected");
    const QString rc267 = QStringLiteral("{\"type\": 136, \"fields\": {\"contributions\": 1200}}");
    const QString rc268 = QStringLiteral("{\"type\": 137, \"fields\": {\"contributions\": 1200}}");
    const QString rc269 = QStringLiteral("{\"type\": 138, \"fields\": {\"contributions\": 1200}}");
    QTest::newRow("NETFILE: RC267 with RC269") << 2 << QStringList{rc267, rc269} << QStringList{kPlans};
    QTest::newRow("NETFILE: RC268 with RC269") << 2 << QStringList{rc268, rc269} << QStringList{kPlans};
    QTest::newRow("NETFILE: all three plans") << 2 << QStringList{rc267, rc268, rc269} << QStringList{kPlans};
    QTest::newRow("NETFILE: RC269 alone") << 2 << QStringList{rc269} << QStringList();
    QTest::newRow("EFILE: RC267 with RC268") << 1 << QStringList{rc267, rc268} << QStringList();
    QTest::newRow("T1163 farmed in the province of residence")
        << 2 << QStringList{QStringLiteral("{\"type\": 15, \"fields\": {\"farm_province\": 9}}")} << QStringList();
    QTest::newRow("T1163 farmed in another province")
        << 2 << QStringList{QStringLiteral("{\"type\": 15, \"fields\": {\"farm_province\": 3}}")}
        << QStringList{kT1163};
}

void FilingEligibilityTest::calculatedReturn()
{
    QFETCH(int, mode);
    QFETCH(QStringList, forms);
    QFETCH(QStringList, expected);
    const QString json = QStringLiteral(
        "{\"province\": 9, \"taxpayer\": {\"t1\": {\"first_name\": \"Ann\", \"last_name\": \"Lee\", "
        "\"sin\": \"130692544\", \"birth_date\": \"1980-05-05\", \"marital_status\": 5}, "
        "\"slips\": [{\"type\": 1, \"boxes\": {\"14\": 60000}, \"fields\": {\"province_of_employment\": 9}}], "
        "\"forms\": [%1]}}").arg(forms.join(QLatin1Char(',')));
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.toUtf8(), &error);
    QVERIFY2(family, qPrintable(error));
    Prompt::Scripted prompts;
    std::list<CString> messages;
    family->IsEligibleForElectronicFile(mode, messages);
    QCOMPARE(texts(messages), expected);
}

void FilingEligibilityTest::reFile_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing refused") << Setup([](ValidationFixture&) {}) << QStringList();
    QTest::newRow("bankrupt") << Setup([](ValidationFixture& f) { f.setT1("is_bankrupt", 1); })
                              << QStringList{kReFileBankrupt};
    QTest::newRow("after a bankruptcy") << Setup([](ValidationFixture& f) { f.setT1("post_bankrupt", 0); })
                                        << QStringList{kReFileBankrupt};
    QTest::newRow("immigrant") << Setup([](ValidationFixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 4, 1)); })
                               << QStringList{kReFileMoved};
    QTest::newRow("emigrant") << Setup([](ValidationFixture& f) {
        f.t1->setDate("date_of_departure", QDate(2021, 9, 1));
    }) << QStringList{kReFileMoved};
    QTest::newRow("bankrupt immigrant: one message") << Setup([](ValidationFixture& f) {
        f.setT1("is_bankrupt", 1);
        f.t1->setDate("date_of_entry", QDate(2021, 4, 1));
    }) << QStringList{kReFileBankrupt};
}

void FilingEligibilityTest::reFile()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, expected);
    ValidationFixture f;
    setup(f);
    std::list<CString> messages;
    QCOMPARE(f.person.IsEligibleForReFile(2, messages), expected.size());
    QCOMPARE(texts(messages), expected);
    QCOMPARE(f.person.DoSurveyBeforeReFile(messages), 0);
    QCOMPARE(texts(messages), expected);
}

void FilingEligibilityTest::prepareKeepsTheSummaryAndMarksTheT1()
{
    ValidationFixture f;
    f.setT1("online_mail", 1);
    CTaxData_Form* summary = f.add(FormType::Summary);
    int n = 1;
    for (CField* field : summary->fields().all())
        if (field->GetType() == CField::Float) static_cast<CFloatField*>(field)->SetValue(n++ * 1.5);
    QVERIFY(n > 2);

    int refile = -1, onlineMail = -1;
    QVERIFY(f.person.getFedAmountClaimed(2, refile));
    QCOMPARE(refile, 0);
    QCOMPARE(f.person.prepareForReFile(), 0);

    QCOMPARE(f.person.GetCountOfForm(FormType::SummaryReFile), 1);
    const CTaxData_Form* copy = f.person.GetFormData(FormType::SummaryReFile, false);
    for (const CField* field : summary->fields().all()) {
        const CField* copied = copy->field(field->GetName());
        QVERIFY2(copied && !copied->Differs(*field), field->GetName().c_str());
    }
    QVERIFY(f.person.getFedAmountClaimed(2, refile));
    QCOMPARE(refile, 1);
    QVERIFY(f.person.getFedAmountClaimed(10, onlineMail));
    QCOMPARE(onlineMail, 1);
    QCOMPARE(f.t1->getInt("filing_status"), 2);

    // The copy stays as filed when the summary changes and the mark is cleared.
    CField* first = nullptr;
    for (CField* field : summary->fields().all())
        if (!first && field->GetType() == CField::Float) first = field;
    static_cast<CFloatField*>(first)->SetValue(999.0);
    f.person.UnsetReFile();
    QVERIFY(f.person.getFedAmountClaimed(2, refile));
    QCOMPARE(refile, 0);
    QCOMPARE(f.person.GetCountOfForm(FormType::SummaryReFile), 1);
    QCOMPARE(copy->getFloat(first->GetName()), 1.5);

    f.setT1("online_mail", 0);
    QVERIFY(f.person.getFedAmountClaimed(10, onlineMail));
    QCOMPARE(onlineMail, 0);
}

void FilingEligibilityTest::prepareWithoutSummaryChangesNothing()
{
    ValidationFixture f;
    const int forms = f.person.GetCountOfForm(0);
    QCOMPARE(f.person.prepareForReFile(), -1);
    QCOMPARE(f.person.GetCountOfForm(FormType::SummaryReFile), 0);
    QCOMPARE(f.person.GetCountOfForm(0), forms);
    QVERIFY(!f.t1->getBool("refile"));
    QCOMPARE(f.t1->getInt("filing_status"), 0);
}

void FilingEligibilityTest::prepareLeavesAFiledReturnFiled()
{
    for (int filed : {1, 3}) {
        ValidationFixture f;
        f.add(FormType::Summary);
        f.setT1("filing_status", filed);
        QCOMPARE(f.person.prepareForReFile(), 0);
        QCOMPARE(f.t1->getInt("filing_status"), filed);
        QVERIFY(f.t1->getBool("refile"));
    }
}

void FilingEligibilityTest::familyForwardsToTheCurrentPerson()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(PROV_ON);
    auto* t1 = dynamic_cast<TaxData_T1New*>(family.taxpayer()->NewFormDataItem(1, -1, true, 0, false)->object);
    t1->setMainTaxProvince(PROV_ON);
    t1->setString("sin", "081234567");
    t1->setBool("is_bankrupt", true);
    std::list<CString> messages;
    family.IsEligibleForElectronicFile(2, messages);
    QCOMPARE(texts(messages), (QStringList{kSin0809, kBankrupt}));
    messages.clear();
    QCOMPARE(family.IsEligibleForReFile(2, messages), 1);
    QCOMPARE(family.DoSurveyBeforeReFile(messages), 0);
    QCOMPARE(family.prepareForReFile(), -1);
    family.taxpayer()->NewFormDataItem(FormType::Summary, -1, true, 0, false);
    QCOMPARE(family.prepareForReFile(), 0);
    int refile = 0;
    QVERIFY(family.getFedAmountClaimed(2, refile));
    QCOMPARE(refile, 1);
    family.UnsetReFile();
    QVERIFY(family.getFedAmountClaimed(2, refile));
    QCOMPARE(refile, 0);
}

void FilingEligibilityTest::compareMapLookup_data()
{
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("found");
    QTest::newRow("first is a key") << QList<int>{15000, 1} << 2 << true;
    QTest::newRow("last is a key") << QList<int>{1, 2, 26000} << 3 << true;
    QTest::newRow("the key lies past the count") << QList<int>{1, 26000} << 1 << false;
    QTest::newRow("none is a key") << QList<int>{1, 2} << 2 << false;
    QTest::newRow("count 0") << QList<int>{15000} << 0 << false;
    QTest::newRow("count below 0") << QList<int>{15000} << -1 << false;
}

void FilingEligibilityTest::compareMapLookup()
{
    QFETCH(QList<int>, fields);
    QFETCH(int, count);
    QFETCH(bool, found);
    std::map<int, _ReFileFieldCompareStru> compared;
    compared[15000] = {15000, 1.0, 2.0};
    compared[26000] = {26000, 3.0, 3.0};
    const std::vector<int> numbers(fields.begin(), fields.end());
    QCOMPARE(foundFieldNumberInReFileCompareMap(compared, numbers.data(), count), found);
}

QTEST_MAIN(FilingEligibilityTest)
#include "tst_filingeligibility.moc"
