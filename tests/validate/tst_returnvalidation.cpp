// The validation of a person's return as a whole: its steps, the items it
// makes and their order, the forms' own checks, and what it must never do
// (change the return, fail without a T1, check a non-resident's T1159).

#include <QtTest>

#include "formtypes.h"
#include "filingsettings.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "scenario.h"
#include "tableform.h"
#include "validatetestsupport.h"

namespace {

const char* const kT1170NoSch3 =
    "Please add form federal Schedule 3 to your tax return when you have form T1170 in tax return already.";
const char* const kSch2NoSpouse =
    "Please remove Schedule 2 because tax payer is not married or living with common-law partner or widowed in tax "
    "year. You may need to claim a marital status change on page 1 of T1.";
const char* const kT3Zero =
    "There is a T3 slip which has sharing percentage set to 0. Please correct the sharing percentage or remove the T3 "
    "slip.";
const char* const kT1204 = "Tax form T2125 is needed because tax slip T1204 is entered into tax return.";
const char* const kE1 = "EFILER ID is missing or invalid in preference settings by menu Start | Preference.";

// A statement whose own check always speaks: shows whether it was asked.
class TalkingStatement : public TableForm
{
public:
    explicit TalkingStatement(int type) : TableForm(FROM_FORM, type, FieldTable{nullptr, 0}) {}
    int Validate(unsigned char, std::list<CString>& messages) override
    {
        messages.push_back("statement asked");
        return 1;
    }
};

int ontarioMandatoryForm()
{
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (Global_Forms_Info[type].province == PROV_ON && (Global_Forms_Info[type].flags & FF_Mandatory)) return type;
    return 0;
}

} // namespace

class ReturnValidationTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        filingSettings() = FilingSettings();
        filingSettings().EfilerId = "ABCDE";
        filingSettings().EfilerPassword = "1234567";
    }
    void nonResidentReturnIsNotChecked();
    void cleanReturnLeavesTheListAsItWas();
    void returnWithoutOrWithTwoT1s_data();
    void returnWithoutOrWithTwoT1s();
    void bankruptReturnSkipsStatements_data();
    void bankruptReturnSkipsStatements();
    void mainFormCounted_data();
    void mainFormCounted();
    void messagesComeInTheRulesOrder();
    void newEfilerNumberSeenByTheNextValidation();
    void t1IdentificationChecks_data();
    void t1IdentificationChecks();
    void slipWithoutPayer_data();
    void slipWithoutPayer();
    void calculatedCoupleSplittingHalfThePension();
    void calculatedT3CapitalGainsPassTheT936Checks();
    void calculatedEligibleDependantBesideASpouse_data();
    void calculatedEligibleDependantBesideASpouse();
};

void ReturnValidationTest::nonResidentReturnIsNotChecked()
{
    ValidationFixture f(PROV_T1159);
    f.person.RemoveFormData(f.t1, true);
    f.add(FormType::T1159);
    f.add(113);   // would trip a rule anywhere else
    std::list<_STRUCT_FORM_VALIDATE_INFO*> fresh;
    QCOMPARE(f.person.Validate(1, fresh), 0);
    QVERIFY(fresh.empty());
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items{nullptr};   // the list's size, unchanged
    QCOMPARE(f.person.Validate(1, items), 1);
    QCOMPARE(int(items.size()), 1);
    QVERIFY(items.front() == nullptr);
}

void ReturnValidationTest::mainFormCounted_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("t1s");
    QTest::addColumn<int>("t1159s");
    QTest::addColumn<QString>("message");
    const QString none = "The return has no form %1: add it, the return cannot be printed or filed without it.";
    const QString many = "The return holds %1 forms %2: remove all but one, a return has exactly one.";
    QTest::newRow("no T1") << 9 << 0 << 0 << none.arg("T1");
    QTest::newRow("two T1") << 9 << 2 << 0 << many.arg(2).arg("T1");
    QTest::newRow("a T1159 in place of the T1") << 9 << 0 << 1 << none.arg("T1");
    QTest::newRow("T1159 return without its form") << int(PROV_T1159) << 1 << 0 << none.arg("T1159");
    QTest::newRow("T1159 return with three") << int(PROV_T1159) << 0 << 3 << many.arg(3).arg("T1159");
}

// A return without its one main form never passes, whichever validation
// runs: the rule engine or the items' own checks alone.
void ReturnValidationTest::mainFormCounted()
{
    QFETCH(int, province);
    QFETCH(int, t1s);
    QFETCH(int, t1159s);
    QFETCH(QString, message);
    ValidationFixture f(province);
    f.person.RemoveFormData(f.t1, true);
    for (int i = 0; i < t1s; ++i) f.add(FormType::T1);
    for (int i = 0; i < t1159s; ++i) f.add(FormType::T1159);
    for (bool engine : {true, false}) {
        const auto installed = IndividualTaxData::validationEngine();
        if (!engine) IndividualTaxData::installValidationEngine(nullptr);
        std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
        f.person.Validate(2, items);
        IndividualTaxData::installValidationEngine(installed);
        QStringList returnLevel;
        for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
            if (item->kind == _STRUCT_FORM_VALIDATE_INFO::Return)
                for (const CString& text : item->messages) returnLevel << text.toQString();
            delete item;
        }
        QVERIFY2(returnLevel.contains(message), qPrintable(returnLevel.join('\n')));
    }
}

void ReturnValidationTest::cleanReturnLeavesTheListAsItWas()
{
    ValidationFixture f;
    CTaxData_Form* t4 = f.slip(1);
    f.set(t4, "payer_name", "Acme");
    f.set(t4, "14", 50000.0);
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items{nullptr, nullptr};
    QCOMPARE(f.person.Validate(2, items), 2);
    QCOMPARE(int(items.size()), 2);
    QVERIFY(items.front() == nullptr && items.back() == nullptr);
}

void ReturnValidationTest::returnWithoutOrWithTwoT1s_data()
{
    QTest::addColumn<int>("t1s");
    QTest::newRow("no T1") << 0;
    QTest::newRow("two T1s") << 2;
}

void ReturnValidationTest::returnWithoutOrWithTwoT1s()
{
    QFETCH(int, t1s);
    ValidationFixture f;
    if (t1s == 0)
        f.person.RemoveFormData(f.t1, true);
    else
        f.add(1);
    f.t1 = nullptr;
    // Every kind of form and slip, so that every rule runs without its T1.
    for (int type = 2; type <= MAX_FORM_TYPE; ++type)
        if (type != 1 && !IsFormExpired(type, 0)) f.person.NewFormDataItem(type, -1, true, 0, false);
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type) f.slip(type);
    // Each rule reads the T1 as absent: its amounts as zero.
    const QString t929 = "Form T929 can be included in the tax return only when disability amount is claimed on field "
                         "316 of Schedule 1.";
    for (quint8 mode : {1, 2}) QVERIFY(returnMessages(f.person, mode).contains(t929));
}

void ReturnValidationTest::bankruptReturnSkipsStatements_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("bankrupt");
    QTest::addColumn<bool>("asked");
    QTest::newRow("business statement, bankrupt") << 125 << true << false;
    QTest::newRow("employment expenses, bankrupt") << 59 << true << false;
    QTest::newRow("business statement, not bankrupt") << 125 << false << true;
    QTest::newRow("T2091, bankrupt") << 147 << true << true;
    QTest::newRow("T2091 (deceased), bankrupt") << 160 << true << true;
}

void ReturnValidationTest::bankruptReturnSkipsStatements()
{
    QFETCH(int, type);
    QFETCH(bool, bankrupt);
    QFETCH(bool, asked);
    QVERIFY(type == 147 || type == 160 || IsSFDForm(type));
    ValidationFixture f;
    f.setT1("is_bankrupt", bankrupt ? 1 : 0);
    auto* item = new STRUCT_FORMDATA_ITEM_2004;
    item->formType = type;
    item->uniqueId = f.person.GetNextUniqueID();
    item->object = new TalkingStatement(type);
    f.person.forms().push_back(item);
    QCOMPARE(allMessages(f.person, 2).contains("statement asked"), asked);
}

void ReturnValidationTest::messagesComeInTheRulesOrder()
{
    ValidationFixture f;
    const int on428 = ontarioMandatoryForm();
    QVERIFY(on428 > 0);
    f.add(on428)->setFloat("unused_tuition_carried_forward", -5);   // the Ontario library's own complaint
    f.set(f.slip(23), "payer_name", "Ministry");                    // rule 101
    f.add(113);                                                      // rule 30
    f.add(3);                                                        // rule 14
    f.set(f.slip(9), "share_percent", 0.0);                          // rule 1
    filingSettings().EfilerId = "";                                  // rule 5
    IndividualTaxData before(MULTIPROV_MODE_NEW, &f.dependants);
    before = f.person;
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    f.person.Validate(1, items);
    QVERIFY(f.person == before);   // no form added, none changed
    QVERIFY(!items.empty());
    const _STRUCT_FORM_VALIDATE_INFO* last = items.back();
    QCOMPARE(last->kind, int(_STRUCT_FORM_VALIDATE_INFO::Return));
    QCOMPARE(last->type, 0);
    QStringList got;
    for (const CString& text : last->messages) got << text.toQString();
    qDeleteAll(items);
    QCOMPARE(got.size(), 7);
    QCOMPARE(got[0], QString(kT3Zero));
    QCOMPARE(got[1], QString("Add form T183 - Information Return of Electronic Filing, to the tax return."));
    QCOMPARE(got[2], QString(kE1));
    QCOMPARE(got[3], QString(kSch2NoSpouse));
    QVERIFY2(got[4].startsWith("ON428:"), qPrintable(got[4]));   // the provincial rules sit at rule 29's place
    QCOMPARE(got[5], QString(kT1170NoSch3));
    QCOMPARE(got[6], QString(kT1204));
}

void ReturnValidationTest::newEfilerNumberSeenByTheNextValidation()
{
    ValidationFixture f;
    f.add(96);
    filingSettings().EfilerId = "AB";
    QVERIFY(returnMessages(f.person, 1).contains(kE1));
    filingSettings().EfilerId = "AB123";
    QVERIFY(!returnMessages(f.person, 1).contains(kE1));
}

void ReturnValidationTest::t1IdentificationChecks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");   // dates as YYYY-MM-DD; answers and codes as numbers
    QTest::addColumn<QString>("message"); // empty: none
    const QString sin = "Please enter a valid social insurance number on page 1 of T1.";
    const QString postal = "Please enter the postal code of the mailing address as A1A 1A1 on page 1 of T1.";
    QTest::newRow("S.I.N. empty") << "sin" << "" << sin;
    QTest::newRow("S.I.N. failing its check") << "sin" << "046454287" << sin;
    QTest::newRow("S.I.N. as nine digits") << "sin" << "046454286" << QString();
    QTest::newRow("S.I.N. with blanks") << "sin" << "046 454 286" << QString();
    QTest::newRow("S.I.N. with hyphens") << "sin" << "046-454-286" << QString();
    QTest::newRow("S.I.N. with a blank in front") << "sin" << " 046454286" << QString();
    QTest::newRow("S.I.N. with hyphens failing its check") << "sin" << "046-454-287" << sin;
    QTest::newRow("S.I.N. with a letter") << "sin" << "046 454 28O" << sin;
    QTest::newRow("no first name") << "first_name" << "  " << "Please enter the first name on page 1 of T1.";
    QTest::newRow("no last name") << "last_name" << "" << "Please enter the last name on page 1 of T1.";
    QTest::newRow("no birth date") << "birth_date" << "" << "Please enter the date of birth on page 1 of T1.";
    QTest::newRow("no province") << "province" << "0"
                                 << "Please select the province or territory of residence on December 31, 2021 on page 1 of T1.";
    QTest::newRow("no marital status") << "marital_status" << "-1"
                                       << "Please select the marital status on December 31, 2021 on page 1 of T1.";
    QTest::newRow("no street") << "mailing_address" << ""
                               << "Please enter the street address of the mailing address on page 1 of T1.";
    QTest::newRow("a post office box for street") << "mailing_address" << "" << QString();
    QTest::newRow("no city") << "mailing_city" << "" << "Please enter the city of the mailing address on page 1 of T1.";
    QTest::newRow("no mailing province") << "mailing_province" << ""
                                         << "Please enter the province of the mailing address on page 1 of T1.";
    QTest::newRow("postal code without blank") << "mailing_postal_code" << "k1a0b1" << QString();
    QTest::newRow("postal code too short") << "mailing_postal_code" << "K1A 0B" << postal;
    QTest::newRow("postal code of digits") << "mailing_postal_code" << "123456" << postal;
    QTest::newRow("foreign mailing address") << "non_canadian_mailing" << "0" << QString();
}

void ReturnValidationTest::t1IdentificationChecks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    ValidationFixture f;
    CField* target = f.t1->field(CString(field));
    QVERIFY(target);
    if (target->GetType() == CField::Date)
        f.t1->setDate(CString(field), QDate::fromString(value, Qt::ISODate));
    else if (target->GetType() == CField::Int)
        f.t1->setInt(CString(field), value.toInt());
    else
        f.t1->setString(CString(field), CString(value));
    if (QByteArray(QTest::currentDataTag()) == "a post office box for street") f.set(f.t1, "mailing_po_box", "PO Box 5");
    if (field == "non_canadian_mailing") {
        // A foreign mailing address is not held to the Canadian form.
        f.set(f.t1, "mailing_postal_code", "SW1A 1AA");
        f.set(f.t1, "mailing_province", "");
    }
    std::list<CString> messages;
    const int said = f.t1->Validate(2, messages);
    QStringList got;
    for (const CString& text : messages) got << text.toQString();
    QCOMPARE(got, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(said, message.isEmpty() ? 0 : 1);
    // The T1's item carries them to the user.
    const QStringList all = allMessages(f.person, 2);
    QCOMPARE(all.contains(message), !message.isEmpty());
}

void ReturnValidationTest::slipWithoutPayer_data()
{
    QTest::addColumn<int>("slipType");
    QTest::addColumn<QString>("payer");
    QTest::addColumn<QString>("amountField");
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("said");
    QTest::newRow("T4 with income, no employer") << 1 << " " << "14" << 0.009 << true;
    QTest::newRow("T4 under a cent, no employer") << 1 << "" << "14" << 0.008 << false;
    QTest::newRow("T4 with its employer") << 1 << "Acme" << "14" << 100.0 << false;
    QTest::newRow("T5 refund, no payer") << 8 << "" << "13" << -3.0 << true;
    QTest::newRow("empty T3 at its full share") << 9 << "" << "" << 0.0 << false;
}

void ReturnValidationTest::slipWithoutPayer()
{
    QFETCH(int, slipType);
    QFETCH(QString, payer);
    QFETCH(QString, amountField);
    QFETCH(double, amount);
    QFETCH(bool, said);
    ValidationFixture f;
    CTaxData_Form* slip = f.slip(slipType);
    f.set(slip, "payer_name", payer.toUtf8().constData());
    if (!amountField.isEmpty()) f.set(slip, amountField.toUtf8().constData(), amount);
    QVERIFY(f.unknownFields.isEmpty());
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    f.person.Validate(2, items);
    // A negative amount counts as one; the box that cannot hold it says so too.
    std::list<CString> expected{CString("Please enter the payer's name of this slip.")};
    if (amount < 0) expected.push_back(CString(QStringLiteral("Box %1 of T5 cannot be negative.").arg(amountField)));
    bool found = false;
    for (const _STRUCT_FORM_VALIDATE_INFO* item : items)
        if (item->kind == _STRUCT_FORM_VALIDATE_INFO::Slip && item->type == slipType && item->messages == expected)
            found = true;
    qDeleteAll(items);
    QCOMPARE(found, said);
}

void ReturnValidationTest::calculatedCoupleSplittingHalfThePension()
{
    // A couple of 65 or older: the pensioner gives the spouse half of the
    // pension, the most the T1032 allows. Both keep the full pension amount.
    const QByteArray json = R"({
      "province": 9,
      "taxpayer": {
        "t1": {"first_name": "Ann", "last_name": "Kowalski", "sin": "046454286", "birth_date": "1952-03-14",
               "marital_status": 0},
        "slips": [{"type": 2, "boxes": {"016": 40000, "022": 6000}, "fields": {"payer_name": "Teachers Pension Plan"}}],
        "forms": [{"type": 118, "fields": {"is_transferor": true, "is_elected": true, "split_amount": 20000}}]
      },
      "spouse": {
        "t1": {"first_name": "Boris", "last_name": "Kowalski", "sin": "130692544", "birth_date": "1954-09-02",
               "marital_status": 0}
      }
    })";
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    QVERIFY2(family, qPrintable(error));
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    const TaxData_T1New* t1 = family->taxpayer()->t1();
    QVERIFY(t1);
    QCOMPARE(t1->getFloat("21000"), 20000.0);
    QCOMPARE(t1->getFloat("31400"), 2000.0);
    QCOMPARE(family->spouse()->t1()->getFloat("31400"), 2000.0);
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()})
        for (quint8 mode : {1, 2})
            QVERIFY2(!returnMessages(*person, mode).contains(
                         "Field 31400 in Schedule 1 is too much according to other entries in tax return."),
                     qPrintable(returnMessages(*person, mode).join(" | ")));
}

void ReturnValidationTest::calculatedT3CapitalGainsPassTheT936Checks()
{
    // Mutual-fund gains on a T3: the calculation makes Schedule 3 and the
    // T936, and the T936 must then hold the gains the checks compare.
    const QByteArray json = R"({
      "province": 9,
      "taxpayer": {
        "t1": {"first_name": "Ann", "last_name": "Kowalski", "sin": "046454286", "birth_date": "1970-03-14",
               "marital_status": 5},
        "slips": [{"type": 9, "boxes": {"21": 1800.40, "49": 120}, "fields": {"payer_name": "Maple Balanced Fund"}}]
      }
    })";
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    QVERIFY2(family, qPrintable(error));
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    IndividualTaxData* person = family->taxpayer();
    QCOMPARE(person->GetFormData(FormType::Schedule3, false)->getFloat("17600"), 1800.40);
    QCOMPARE(person->GetFormData(FormType::T936, false)->getFloat("68140"), 1800.40);
    for (quint8 mode : {1, 2}) {
        const QStringList said = returnMessages(*person, mode);
        QVERIFY2(!said.contains("Field 17600 of Schedule 3 requires a greater amount in field 68140 of Form T936."),
                 qPrintable(said.join(" | ")));
        QVERIFY2(!said.contains("Field 68140 of form T936 needs an amount in field 17600 of Schedule 3."),
                 qPrintable(said.join(" | ")));
    }
}

void ReturnValidationTest::calculatedEligibleDependantBesideASpouse_data()
{
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<bool>("conditionTicked");
    QTest::addColumn<bool>("said");
    QTest::newRow("married, box not ticked") << int(MARITAL_MARRIED) << false << true;
    QTest::newRow("married, box ticked") << int(MARITAL_MARRIED) << true << false;
    QTest::newRow("single parent") << int(MARITAL_SEPARATED) << false << false;
}

void ReturnValidationTest::calculatedEligibleDependantBesideASpouse()
{
    // The calculation grants no eligible dependant amount beside a spouse;
    // the named dependant must still be explained to the user.
    QFETCH(int, maritalStatus);
    QFETCH(bool, conditionTicked);
    QFETCH(bool, said);
    const QByteArray json = QStringLiteral(R"({
      "province": 9,
      "taxpayer": {
        "t1": {"first_name": "Rachel", "last_name": "Bennett", "sin": "046454286", "birth_date": "1983-05-27",
               "marital_status": %1},
        "dependants": [{"first_name": "Ethan", "last_name": "Bennett", "birth_date": "2012-08-14",
                        "relationship": 1, "months_lived_with": 12, "net_income": 0}],
        "forms": [{"type": 6, "fields": {"eligible_dependant_first_name": "Ethan",
                   "eligible_dependant_last_name": "Bennett", "eligible_dependant_relationship": "Son",
                   "eligible_dependant_birth_date": "2012-08-14", "eligible_dependant_condition": %2}}]
      }
    })").arg(maritalStatus).arg(conditionTicked ? "true" : "false").toUtf8();
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    QVERIFY2(family, qPrintable(error));
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    const QString text = "Tax payer's was married or living with common-law partner, to claim eligible dependant amount "
                         "on line 30400 on Schedule 5, either (1)Tax payer's marital status changed during the tax "
                         "year. Claim marital status change on page 1 of T1; or (2) Read the checkbox condition on "
                         "top of Schedule 5.";
    for (quint8 mode : {1, 2}) QCOMPARE(returnMessages(*family->taxpayer(), mode).contains(text), said);
}

QTEST_GUILESS_MAIN(ReturnValidationTest)
#include "tst_returnvalidation.moc"
