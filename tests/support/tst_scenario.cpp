// Scenarios: a JSON description built into a family return as the program
// builds a new one, every fault named with its place, and the command that
// saves a scenario as a return file.

#include <memory>

#include <QtTest>

#include "familytaxdata.h"
#include "scenario.h"
#include "t1.h"

namespace {

constexpr int kT4 = 1;
constexpr int kSch9 = 9;
constexpr int kT776 = 12;
constexpr int kON428 = 24;
constexpr int kT1032 = 118;

// A single Ontario return: `t1` goes inside the T1 after its identity,
// `rest` after the T1.
QByteArray single(const char* t1, const char* rest = "")
{
    return QByteArray(
               R"({"province": 9, "taxpayer": {"t1": {"first_name": "Ann", "last_name": "Lee", "marital_status": 5)")
        + t1 + "}" + rest + "}}";
}

// A coupled Ontario return; `spouse` goes inside the spouse after its T1.
QByteArray coupled(const char* taxpayer, const char* spouse)
{
    return QByteArray(R"({"province": 9,
        "taxpayer": {"t1": {"first_name": "Ann", "last_name": "Lee", "sin": "046454286",
                            "birth_date": "1960-05-01", "marital_status": 0})")
        + taxpayer + R"(},
        "spouse": {"t1": {"first_name": "Bo", "last_name": "Lee", "sin": "130692544",
                          "birth_date": "1958-02-03", "marital_status": 0})"
        + spouse + "}}";
}

std::unique_ptr<CFamilyTaxData> built(const QByteArray& json)
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    if (!family) qWarning("%s", qPrintable(error));
    return family;
}

CTaxData_Form* onlySlip(IndividualTaxData* person, int type)
{
    std::list<STRUCT_SLIPDATA_ITEM_2004*> slips;
    person->GetSlipDataList(type, slips);
    return slips.size() == 1 ? slips.front()->object : nullptr;
}

QString text(const CTaxData_Form* form, const char* name)
{
    return form->getString(name).toQString();
}

} // namespace

class ScenarioTest : public QObject
{
    Q_OBJECT
private slots:
    void singleReturn();
    void coupledReturn_data();
    void coupledReturn();
    void sharedElectionListedOnce();
    void repeatedEntriesAndMultipleForms();
    void dependants();
    void validationValuesReachTheReturn();
    void badScenario_data();
    void badScenario();
    void commandWritesAReturnFile();
    void commandRejectsABadScenario();
};

void ScenarioTest::singleReturn()
{
    const QByteArray json = R"({"province": 9,
        "taxpayer": {
            "t1": {"first_name": "Ann", "last_name": "Lee", "sin": "046454286", "birth_date": "1960-05-01",
                   "marital_status": 5, "lines": {"10400": 250.5, "47600": 1200},
                   "fields": {"date_of_entry": "2021-03-15", "is_bankrupt": true, "email": "ann@example.ca"}},
            "slips": [{"type": 1, "boxes": {"14": 60000, "16": 3166.45, "22": 9000},
                       "fields": {"province_of_employment": 9, "payer_name": "Acme"}}],
            "forms": [{"type": 9, "fields": {"donations_carried_forward": 75}}]},
        "expected": {"taxpayer": {"10100": 60000, "43700": 9000}}})";
    QString error;
    const Scenario scenario = Scenario::parse(json, &error);
    QVERIFY2(!scenario.isNull(), qPrintable(error));
    QVERIFY(!scenario.isCoupled());
    const QMap<QString, double> expected{{"10100", 60000}, {"43700", 9000}};
    QCOMPARE(scenario.expected(Scenario::Taxpayer), expected);
    QVERIFY(scenario.expected(Scenario::Spouse).isEmpty());

    const std::unique_ptr<CFamilyTaxData> family = scenario.build(&error);
    QVERIFY2(family, qPrintable(error));
    QVERIFY(!family->IsCoupledReturn());
    IndividualTaxData* person = family->taxpayer();
    QCOMPARE(person->getMainProvince(), 9);
    // Made by the Ontario library, so the library was loaded.
    QVERIFY(person->HasForm(kON428));

    const TaxData_T1New* t1 = person->t1();
    QVERIFY(t1);
    QCOMPARE(text(t1, "first_name"), QStringLiteral("Ann"));
    QCOMPARE(text(t1, "last_name"), QStringLiteral("Lee"));
    QCOMPARE(text(t1, "sin"), QStringLiteral("046454286"));
    QCOMPARE(t1->getDate("birth_date"), QDate(1960, 5, 1));
    QCOMPARE(t1->getInt("marital_status"), int(MARITAL_SINGLE));
    QCOMPARE(t1->getInt("province"), 9);
    QCOMPARE(t1->getFloat("10400"), 250.5);
    QCOMPARE(t1->getFloat("47600"), 1200.0);
    QCOMPARE(t1->getDate("date_of_entry"), QDate(2021, 3, 15));
    QVERIFY(t1->getBool("is_bankrupt"));
    QCOMPARE(text(t1, "email"), QStringLiteral("ann@example.ca"));

    QCOMPARE(person->GetCountOfSlip(kT4), 1);
    const CTaxData_Form* t4 = onlySlip(person, kT4);
    QCOMPARE(t4->getFloat("14"), 60000.0);
    QCOMPARE(t4->getFloat("16"), 3166.45);
    QCOMPARE(t4->getFloat("22"), 9000.0);
    QCOMPARE(t4->getInt("province_of_employment"), 9);
    QCOMPARE(text(t4, "payer_name"), QStringLiteral("Acme"));

    QCOMPARE(person->GetCountOfForm(kSch9), 1);
    QCOMPARE(person->GetFormData(kSch9, false)->getFloat("donations_carried_forward"), 75.0);
    QCOMPARE(family->spouse()->GetCountOfForm(0), 0);
}

void ScenarioTest::coupledReturn_data()
{
    QTest::addColumn<int>("taxpayerStatus");
    QTest::addColumn<int>("spouseStatus");
    QTest::addColumn<int>("coupledStatus");
    QTest::addColumn<int>("spouseProvince");   // 0: the taxpayer's

    QTest::newRow("married, one province") << int(MARITAL_MARRIED) << int(MARITAL_MARRIED) << int(MARITAL_MARRIED) << 0;
    QTest::newRow("common-law taxpayer decides")
        << int(MARITAL_COMMON_LAW) << int(MARITAL_SINGLE) << int(MARITAL_COMMON_LAW) << 0;
    QTest::newRow("common-law spouse decides")
        << int(MARITAL_SINGLE) << int(MARITAL_COMMON_LAW) << int(MARITAL_COMMON_LAW) << 0;
    QTest::newRow("neither: married") << int(MARITAL_SINGLE) << int(MARITAL_DIVORCED) << int(MARITAL_MARRIED) << 0;
    QTest::newRow("spouse in Alberta") << int(MARITAL_MARRIED) << int(MARITAL_MARRIED) << int(MARITAL_MARRIED) << 1;
}

void ScenarioTest::coupledReturn()
{
    QFETCH(int, taxpayerStatus);
    QFETCH(int, spouseStatus);
    QFETCH(int, coupledStatus);
    QFETCH(int, spouseProvince);

    const QString json =
        QStringLiteral(R"({"province": 9,
        "taxpayer": {"t1": {"first_name": "Ann", "last_name": "Lee", "sin": "046454286",
                            "birth_date": "1960-05-01", "marital_status": %1, "lines": {"10400": 100}},
                     "slips": [{"type": 1, "boxes": {"14": 50000}}]},
        "spouse": {%3"t1": {"first_name": "Bo", "last_name": "Lee", "sin": "130692544",
                          "birth_date": "1958-02-03", "marital_status": %2, "lines": {"10400": 200}},
                   "slips": [{"type": 1, "boxes": {"14": 30000}}, {"type": 1, "boxes": {"14": 5000}}]},
        "expected": {"spouse": {"10100": 35000}}})")
            .arg(taxpayerStatus)
            .arg(spouseStatus)
            .arg(spouseProvince ? QStringLiteral(R"("province": %1, )").arg(spouseProvince) : QString());
    QString error;
    const Scenario scenario = Scenario::parse(json.toUtf8(), &error);
    QVERIFY2(!scenario.isNull(), qPrintable(error));
    QVERIFY(scenario.isCoupled());
    QCOMPARE(scenario.expected(Scenario::Spouse), (QMap<QString, double>{{"10100", 35000}}));
    const std::unique_ptr<CFamilyTaxData> family = scenario.build(&error);
    QVERIFY2(family, qPrintable(error));

    QVERIFY(family->IsCoupledReturn());
    IndividualTaxData* persons[] = {family->taxpayer(), family->spouse()};
    for (IndividualTaxData* person : persons) {
        QVERIFY(person->IsCoupledReturn());
        QVERIFY(person->t1());
        QVERIFY(person->t1()->isCoupledReturn());
        QCOMPARE(person->t1()->getInt("marital_status"), coupledStatus);
    }
    const TaxData_T1New* mine = persons[0]->t1();
    const TaxData_T1New* theirs = persons[1]->t1();
    QCOMPARE(text(mine, "first_name"), QStringLiteral("Ann"));
    QCOMPARE(text(theirs, "first_name"), QStringLiteral("Bo"));
    QCOMPARE(text(theirs, "sin"), QStringLiteral("130692544"));
    QCOMPARE(mine->getFloat("10400"), 100.0);
    QCOMPARE(theirs->getFloat("10400"), 200.0);
    QCOMPARE(persons[0]->GetCountOfSlip(kT4), 1);
    QCOMPARE(persons[1]->GetCountOfSlip(kT4), 2);
    QCOMPARE(onlySlip(persons[0], kT4)->getFloat("14"), 50000.0);

    // The spouse's identity as the new-return page gives it to a person with a spouse.
    if (taxpayerStatus == MARITAL_MARRIED || taxpayerStatus == MARITAL_COMMON_LAW) {
        QCOMPARE(text(mine, "spouse_first_name"), QStringLiteral("Bo"));
        QCOMPARE(text(mine, "spouse_sin"), QStringLiteral("130692544"));
        QCOMPARE(mine->getDate("spouse_birth_date"), QDate(1958, 2, 3));
    }
    if (spouseStatus == MARITAL_MARRIED || spouseStatus == MARITAL_COMMON_LAW)
        QCOMPARE(text(theirs, "spouse_first_name"), QStringLiteral("Ann"));

    const int province = spouseProvince ? spouseProvince : 9;
    QCOMPARE(persons[0]->getMainProvince(), 9);
    QCOMPARE(persons[1]->getMainProvince(), province);
    QCOMPARE(theirs->getInt("province"), province);
}

void ScenarioTest::sharedElectionListedOnce()
{
    // Listed under the spouse, the pensioner: the couple's election is filed by both.
    const std::unique_ptr<CFamilyTaxData> family =
        built(coupled("", R"(, "forms": [{"type": 118, "fields": {"is_transferor": true, "is_elected": true,
                                                   "split_amount": 8000, "68040": 1500}}])"));
    QVERIFY(family);
    IndividualTaxData* persons[] = {family->taxpayer(), family->spouse()};
    for (IndividualTaxData* person : persons) {
        QCOMPARE(person->GetCountOfForm(kT1032), 1);
        const CTaxData_Form* election = person->GetFormData(kT1032, false);
        QVERIFY(election->getBool("is_elected"));
        QCOMPARE(election->getFloat("68040"), 1500.0);
    }
    // One election: the same split in both copies (the calculation keeps it
    // within half of the pensioner's eligible pension).
    QCOMPARE(persons[0]->GetFormData(kT1032, false)->getFloat("split_amount"),
             persons[1]->GetFormData(kT1032, false)->getFloat("split_amount"));
    QVERIFY(persons[1]->GetFormData(kT1032, false)->getBool("is_transferor"));
    QVERIFY(!persons[0]->GetFormData(kT1032, false)->getBool("is_transferor"));

    // Without a spouse it is the one person's.
    const std::unique_ptr<CFamilyTaxData> alone =
        built(single("", R"(, "forms": [{"type": 118, "fields": {"split_amount": 10}}])"));
    QVERIFY(alone);
    QCOMPARE(alone->taxpayer()->GetCountOfForm(kT1032), 1);
    QCOMPARE(alone->spouse()->GetCountOfForm(kT1032), 0);
}

void ScenarioTest::repeatedEntriesAndMultipleForms()
{
    const std::unique_ptr<CFamilyTaxData> family = built(single(
        R"(, "fields": {"medical_expenses": [{"description": "Glasses", "date": "2021-06-01", "amount": 400},
                                             {"description": "Dentist", "amount": 1250.75, "patient": 1}]})",
        R"(, "forms": [{"type": 9, "fields": {"donations": [{"name": "Food Bank", "amount": 100},
                                                             {"name": "Shelter", "amount": 250, "date": "2021-12-01"}]}},
                       {"type": 12, "fields": {"8230": 10, "properties": [{"address": "1 Main St", "units": 2}]}},
                       {"type": 12, "fields": {"8230": 20}}])"));
    QVERIFY(family);
    IndividualTaxData* person = family->taxpayer();
    const TaxData_T1New* t1 = person->t1();
    QCOMPARE(text(t1, "medical_expenses.1.description"), QStringLiteral("Glasses"));
    QCOMPARE(t1->getDate("medical_expenses.1.date"), QDate(2021, 6, 1));
    QCOMPARE(t1->getFloat("medical_expenses.1.amount"), 400.0);
    QCOMPARE(text(t1, "medical_expenses.2.description"), QStringLiteral("Dentist"));
    QCOMPARE(t1->getFloat("medical_expenses.2.amount"), 1250.75);
    QCOMPARE(t1->getInt("medical_expenses.2.patient"), 1);
    QVERIFY(t1->field("medical_expenses.3.amount")->IsDefault());

    const CTaxData_Form* sch9 = person->GetFormData(kSch9, false);
    QVERIFY(sch9);
    QCOMPARE(text(sch9, "donations.1.name"), QStringLiteral("Food Bank"));
    QCOMPARE(sch9->getFloat("donations.1.amount"), 100.0);
    QCOMPARE(text(sch9, "donations.2.name"), QStringLiteral("Shelter"));
    QCOMPARE(sch9->getFloat("donations.2.amount"), 250.0);
    QCOMPARE(sch9->getDate("donations.2.date"), QDate(2021, 12, 1));

    std::list<STRUCT_FORMDATA_ITEM_2004*> rentals;
    person->GetFormDataList(kT776, rentals);
    QCOMPARE(int(rentals.size()), 2);
    QCOMPARE(rentals.front()->object->getFloat("8230"), 10.0);
    QCOMPARE(text(rentals.front()->object, "properties.1.address"), QStringLiteral("1 Main St"));
    QCOMPARE(rentals.front()->object->getInt("properties.1.units"), 2);
    QCOMPARE(rentals.back()->object->getFloat("8230"), 20.0);
}

void ScenarioTest::dependants()
{
    const std::unique_ptr<CFamilyTaxData> family = built(coupled(
        R"(, "dependants": [{"first_name": "Kim", "last_name": "Lee", "birth_date": "2015-06-01", "relationship": 1,
                             "sin": "123456782", "months_lived_with": 12},
                            {"first_name": "May", "last_name": "Lee", "birth_date": "1935-01-20", "relationship": 3,
                             "net_income": 14000.5, "infirm": true, "address": "2 Elm St"}])",
        ""));
    QVERIFY(family);
    const DependantInfoStruct& record = family->dependants();
    QCOMPARE(record.count(), int(DependantInfoStruct::kEntries));
    const DependantEntry* kim = record.entry(0);
    QCOMPARE(QString::fromUtf8(kim->firstName), QStringLiteral("Kim"));
    QCOMPARE(QString::fromUtf8(kim->lastName), QStringLiteral("Lee"));
    QCOMPARE(kim->birthDate, QDate(2015, 6, 1));
    QCOMPARE(kim->relationship, int(DEP_REL_CHILD));
    QCOMPARE(kim->sin.toQString(), QStringLiteral("123456782"));
    QCOMPARE(kim->monthsLivedWith, 12.0);
    QCOMPARE(kim->infirm, 0);
    const DependantEntry* may = record.entry(1);
    QCOMPARE(QString::fromUtf8(may->firstName), QStringLiteral("May"));
    QCOMPARE(may->relationship, int(DEP_REL_PARENT));
    QCOMPARE(may->netIncome, 14000.5);
    QCOMPARE(may->infirm, 1);
    QCOMPARE(may->address.toQString(), QStringLiteral("2 Elm St"));
    QVERIFY(!record.entry(2)->isUsed());
    // Both spouses' returns work from the family's one record.
    QCOMPARE(family->taxpayer()->dependants(), &family->dependants());
    QCOMPARE(family->spouse()->dependants(), &family->dependants());
}

void ScenarioTest::validationValuesReachTheReturn()
{
    const std::unique_ptr<CFamilyTaxData> family = built(single(
        R"(, "fields": {"netfile_access_code": "AB12CD34", "filed_before": 0, "elections_canada_citizen": 1,
                        "date_of_move": "2021-06-01", "first_nation_code": "123"},
             "lines": {"67820": 15.5, "52080": 3})",
        R"(, "forms": [{"type": 119, "fields": {"38105": 0, "claim_basic": true}},
                       {"type": 15, "fields": {"farm_province": 9}}])"));
    QVERIFY(family);
    const TaxData_T1New* t1 = family->taxpayer()->t1();
    QVERIFY(t1);
    QCOMPARE(text(t1, "netfile_access_code"), QString("AB12CD34"));
    QCOMPARE(t1->getInt("filed_before"), 0);
    QCOMPARE(t1->getInt("elections_canada_citizen"), 1);
    QCOMPARE(t1->getInt("elections_canada_consent"), 2);   // untouched: not answered
    QCOMPARE(t1->getDate("date_of_move"), QDate(2021, 6, 1));
    QCOMPARE(t1->getFloat("67820"), 15.5);
    QCOMPARE(t1->getFloat("52080"), 3.0);
    const CTaxData_Form* sch6 = family->taxpayer()->GetFormData(119, false);
    QVERIFY(sch6);
    QCOMPARE(sch6->getInt("38105"), 0);
    QVERIFY(sch6->getBool("claim_basic"));
    QCOMPARE(family->taxpayer()->GetFormData(15, false)->getInt("farm_province"), 9);
}

void ScenarioTest::badScenario_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");   // the whole message; for malformed JSON its start

    QTest::newRow("malformed JSON") << QByteArray(R"({"province": 9, "taxpayer": )")
                                    << "scenario: malformed JSON at offset";
    QTest::newRow("not an object") << QByteArray("[1]") << "scenario: not a JSON object with a return";
    QTest::newRow("unknown top key") << QByteArray(R"({"province": 9, "taxpayers": {}})")
                                     << "scenario: unknown key \"taxpayers\"";
    QTest::newRow("unknown province") << QByteArray(R"({"province": 20, "taxpayer": {}})")
                                      << "province: unknown province 20";
    QTest::newRow("section 216 province") << single("").replace("\"province\": 9", "\"province\": 15")
                                          << "province: province 15 (Non-resident (section 216, T1159)) has no T1";
    QTest::newRow("missing T1") << QByteArray(R"({"province": 9, "taxpayer": {"slips": []}})")
                                << "taxpayer: \"t1\" is missing";
    QTest::newRow("missing marital status")
        << QByteArray(R"({"province": 9, "taxpayer": {"t1": {"first_name": "Ann"}}})")
        << "taxpayer.t1: \"marital_status\" is missing";
    QTest::newRow("unknown marital status") << single("").replace("\"marital_status\": 5", "\"marital_status\": 6")
                                            << "taxpayer.t1.marital_status: unknown marital status 6";
    QTest::newRow("bad birth date") << single(R"(, "birth_date": "1960-02-30")")
                                    << "taxpayer.t1.birth_date: takes a date \"YYYY-MM-DD\", not \"1960-02-30\"";
    QTest::newRow("unknown key in the T1")
        << single(R"(, "line": {"10400": 1})") << "taxpayer.t1: unknown key \"line\"";
    QTest::newRow("unknown T1 line") << single(R"(, "lines": {"99999": 1})")
                                     << "taxpayer.t1.lines: unknown line \"99999\" on the T1";
    QTest::newRow("calculated line given") << single(R"(, "lines": {"15000": 60000})")
                                           << "taxpayer.t1.lines: line \"15000\" on the T1 is calculated, not an input";
    QTest::newRow("name under lines") << single(R"(, "lines": {"email": "a"})")
                                      << "taxpayer.t1.lines: \"email\" is not a line number: give it under fields";
    QTest::newRow("line under fields") << single(R"(, "fields": {"10400": 1})")
                                       << "taxpayer.t1.fields: \"10400\" is a line number: give it under lines";
    QTest::newRow("identity under fields")
        << single(R"(, "fields": {"sin": "046454286"})") << "taxpayer.t1.fields: \"sin\" is given in t1 itself";
    QTest::newRow("province under fields")
        << single(R"(, "fields": {"province": 1})") << "taxpayer.t1.fields: \"province\" is the person's \"province\"";
    QTest::newRow("amount given as text") << single(R"(, "lines": {"10400": "250"})")
                                          << "taxpayer.t1.lines: line \"10400\" on the T1 takes a number, not \"250\"";
    QTest::newRow("flag given as number")
        << single(R"(, "fields": {"is_bankrupt": 1})")
        << "taxpayer.t1.fields: field \"is_bankrupt\" on the T1 takes true or false, not 1";
    QTest::newRow("date in another form") << single(R"(, "fields": {"date_of_entry": "2021/03/15"})")
                                          << "taxpayer.t1.fields: field \"date_of_entry\" on the T1 takes a date "
                                             "\"YYYY-MM-DD\", not \"2021/03/15\"";
    QTest::newRow("fraction for a whole number")
        << single("", R"(, "slips": [{"type": 1, "fields": {"province_of_employment": 9.5}}])")
        << "taxpayer.slips[0].fields: field \"province_of_employment\" on slip type 1 (T4) takes a whole number, not "
           "9.5";
    QTest::newRow("unknown slip type") << single("", R"(, "slips": [{"type": 26}])")
                                       << "taxpayer.slips[0].type: unknown slip type 26";
    QTest::newRow("unknown box") << single("", R"(, "slips": [{"type": 1, "boxes": {"14": 1, "99": 5}}])")
                                 << "taxpayer.slips[0].boxes: unknown box \"99\" on slip type 1 (T4)";
    QTest::newRow("box under fields") << single("", R"(, "slips": [{"type": 1, "fields": {"14": 1}}])")
                                      << "taxpayer.slips[0].fields: \"14\" is a box number: give it under boxes";
    QTest::newRow("unknown answer on the T1") << single(R"(, "fields": {"filed_befor": 0})")
                                              << "taxpayer.t1.fields: unknown field \"filed_befor\" on the T1";
    QTest::newRow("unknown slip field") << single("", R"(, "slips": [{"type": 8, "fields": {"employer": "X"}}])")
                                        << "taxpayer.slips[0].fields: unknown field \"employer\" on slip type 8 (T5)";
    QTest::newRow("unknown form type") << single("", R"(, "forms": [{"type": 193}])")
                                       << "taxpayer.forms[0].type: unknown form type 193";
    QTest::newRow("retired form type") << single("", R"(, "forms": [{"type": 2}])")
                                       << "taxpayer.forms[0].type: form type 2 (Schedule 1) is not in use";
    QTest::newRow("T1 among the forms") << single("", R"(, "forms": [{"type": 1}])")
                                        << "taxpayer.forms[0].type: the T1 is given as \"t1\"";
    QTest::newRow("single form listed twice") << single("", R"(, "forms": [{"type": 9}, {"type": 9}])")
                                              << "taxpayer.forms[1].type: form type 9 (Schedule 9) is listed twice; "
                                                 "a return holds one";
    QTest::newRow("calculated form line") << single("", R"(, "forms": [{"type": 9, "fields": {"34900": 10}}])")
                                          << "taxpayer.forms[0].fields: field \"34900\" on form type 9 (Schedule 9) "
                                             "is calculated, not an input";
    QTest::newRow("too many rows") << single(
        "",
        QByteArray(R"(, "forms": [{"type": 9, "fields": {"donations": [)")
            .append(QByteArray(R"({"amount": 1},)").repeated(20))
            .append(R"({"amount": 1}]}}])")
            .constData()) << "taxpayer.forms[0].fields.donations: 21 rows given; form type 9 (Schedule 9) holds 20";
    QTest::newRow("unknown column") << single("", R"(, "forms": [{"type": 9, "fields": {"donations": [{"amt": 1}]}}])")
                                    << "taxpayer.forms[0].fields.donations[0]: unknown column \"amt\" of \"donations\" "
                                       "on form type 9 (Schedule 9)";
    QTest::newRow("array for a single field") << single(R"(, "fields": {"email": ["a"]})")
                                              << "taxpayer.t1.fields.email: unknown repeated entry \"email\" on the T1";
    QTest::newRow("shared election listed twice")
        << coupled(R"(, "forms": [{"type": 118}])", R"(, "forms": [{"type": 118}])")
        << "spouse.forms[0].type: form type 118 (T1032) is the couple's: list it once";
    QTest::newRow("dependants of the spouse")
        << coupled("", R"(, "dependants": [])") << "spouse: unknown key \"dependants\"";
    QTest::newRow("unknown dependant key") << single("", R"(, "dependants": [{"first_name": "Kim", "age": 6}])")
                                           << "taxpayer.dependants[0]: unknown key \"age\"";
    QTest::newRow("too many dependants") << single("",
                                                   QByteArray(R"(, "dependants": [)")
                                                       .append(QByteArray(R"({"first_name": "Kim"},)").repeated(12))
                                                       .append(R"({"first_name": "Kim"}])")
                                                       .constData())
                                         << "taxpayer.dependants: 13 dependants given; the return holds 12";
    QTest::newRow("expected of a missing spouse")
        << QByteArray(R"({"province": 9, "taxpayer": {"t1": {"marital_status": 5}}, "expected": {"spouse": {}}})")
        << "expected.spouse: the scenario has no spouse";
    QTest::newRow("expected amount as text") << QByteArray(
        R"({"province": 9, "taxpayer": {"t1": {"marital_status": 5}}, "expected": {"taxpayer": {"15000": "1"}}})")
                                             << "expected.taxpayer: line \"15000\" takes a number, not \"1\"";
}

void ScenarioTest::badScenario()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString message;
    const std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &message);
    QVERIFY(!family);
    QVERIFY2(message.startsWith(error), qPrintable(message));
    if (!error.startsWith(QLatin1String("scenario: malformed"))) QCOMPARE(message, error);
}

void ScenarioTest::commandWritesAReturnFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString in = dir.filePath(QStringLiteral("couple.json"));
    const QString out = dir.filePath(QStringLiteral("couple.r21"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(coupled(R"(, "slips": [{"type": 1, "boxes": {"14": 60000, "22": 9000}}])",
                       R"(, "forms": [{"type": 9, "fields": {"donations": [{"name": "Food Bank", "amount": 300}]}}])"));
    file.close();

    QProcess tool;
    tool.start(QStringLiteral(SCENARIO2R21), {in, out});
    QVERIFY(tool.waitForFinished(60000));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             tool.readAllStandardError().constData());

    int result = -100;
    const std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(out), result));
    QVERIFY(family);
    QCOMPARE(result, 0);
    QVERIFY(family->IsCoupledReturn());
    QCOMPARE(text(family->taxpayer()->t1(), "first_name"), QStringLiteral("Ann"));
    QCOMPARE(text(family->spouse()->t1(), "first_name"), QStringLiteral("Bo"));
    const CTaxData_Form* t4 = onlySlip(family->taxpayer(), kT4);
    QVERIFY(t4);
    QCOMPARE(t4->getFloat("14"), 60000.0);
    QCOMPARE(t4->getFloat("22"), 9000.0);
    const CTaxData_Form* sch9 = family->spouse()->GetFormData(kSch9, false);
    QVERIFY(sch9);
    QCOMPARE(text(sch9, "donations.1.name"), QStringLiteral("Food Bank"));
    QCOMPARE(sch9->getFloat("donations.1.amount"), 300.0);
}

void ScenarioTest::commandRejectsABadScenario()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString in = dir.filePath(QStringLiteral("bad.json"));
    const QString out = dir.filePath(QStringLiteral("bad.r21"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(single("", R"(, "slips": [{"type": 1, "boxes": {"99": 5}}])"));
    file.close();

    QProcess tool;
    tool.start(QStringLiteral(SCENARIO2R21), {in, out});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY(tool.exitCode() != 0);
    const QString stderrText = QString::fromUtf8(tool.readAllStandardError());
    QVERIFY2(stderrText.contains(QStringLiteral("taxpayer.slips[0].boxes: unknown box \"99\" on slip type 1 (T4)")),
             qPrintable(stderrText));
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(ScenarioTest)
#include "tst_scenario.moc"
