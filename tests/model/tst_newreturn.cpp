// New returns: the forms every return holds, the starting values of new
// forms, and the repairs after a return is read.

#include <QtTest>

#include "edition.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "newreturnanswers.h"
#include "preparersettings.h"
#include "summaryforms.h"

namespace {

int mandatoryProvincialForm(int province)
{
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (Global_Forms_Info[type].province == province && (Global_Forms_Info[type].flags & FF_Mandatory)) return type;
    return 0;
}

void answer(PPgDataNewReturnBasic& page, int province, int status)
{
    page.fld_FirstName->SetValue("Ann");
    page.fld_LastName->SetValue("Lee");
    page.fld_sin->SetValue("046454286");
    page.fld_dob->SetValue(QDate(1960, 5, 1));
    page.fld_TaxPronv->SetValue(province);
    page.fld_MaritalStatus->SetValue(status);
    page.fld_FirstNameSpouse->SetValue("Bo");
    page.fld_LastNameSpouse->SetValue("Lee");
    page.fld_sinSpouse->SetValue("130692544");
    page.fld_dobSpouse->SetValue(QDate(1962, 2, 3));
}

} // namespace

class NewReturnTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { setCurrentEdition(2); preparerSettings() = PreparerSettings(); }
    void newReturnForAProvince_data();
    void newReturnForAProvince();
    void newT1159ReturnHoldsOnlyItsForm();
    void startingSchedulesFromTheInterview();
    void newCoupledReturn();
    void startingValuesOfNewForms_data();
    void startingValuesOfNewForms();
    void startingValuesNeedASingleT1();
    void refileCopyMadeAfterReading();
    void provinceChangeKeepsTheOldFormsAndAddsTheNew();
    void provinceChangeOfOneOrBothSpouses_data();
    void provinceChangeOfOneOrBothSpouses();
};

void NewReturnTest::newReturnForAProvince_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("t183");
    QTest::addColumn<int>("added");   // forms the calculation adds: Schedule 14 where it is paid
    QTest::newRow("NETFILE, Ontario") << 2 << 9 << false << 1;
    QTest::newRow("EFILE, Ontario") << 1 << 9 << true << 1;
    QTest::newRow("NETFILE, British Columbia") << 2 << 2 << false << 0;
    QTest::newRow("EFILE, Yukon") << 1 << 13 << true << 0;
}

void NewReturnTest::newReturnForAProvince()
{
    QFETCH(int, edition);
    QFETCH(int, province);
    QFETCH(bool, t183);
    QFETCH(int, added);
    setCurrentEdition(edition);
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    PPgDataNewReturnBasic page;
    answer(page, province, MARITAL_SINGLE);
    // A new return ends with its whole calculation, which answers the forms it added.
    QCOMPARE(family.NewData(&page), added);
    QCOMPARE(family.taxpayer()->GetCountOfForm(FormType::Schedule14), added);
    IndividualTaxData* person = family.taxpayer();
    QCOMPARE(person->getMainProvince(), province);
    for (int type : {93, 1, 156}) QVERIFY2(person->GetCountOfForm(type) == 1, qPrintable(QString::number(type)));
    QCOMPARE(person->GetCountOfForm(mandatoryProvincialForm(province)), 1);
    QCOMPARE(person->GetCountOfForm(FormType::T183), t183 ? 1 : 0);
    for (int kind = 1; kind <= 6; ++kind) QVERIFY(person->GetWizData(kind, false));
    const TaxData_T1New* t1 = person->t1();
    QCOMPARE(t1->getString("first_name"), CString("Ann"));
    QCOMPARE(t1->getString("sin"), CString("046454286"));
    QCOMPARE(t1->getDate("birth_date"), QDate(1960, 5, 1));
    QCOMPARE(t1->getString("province_text"), CString(Global_Provs_Info[province].displayText));
    QCOMPARE(t1->getInt("marital_status"), int(MARITAL_SINGLE));
    QVERIFY(t1->getString("spouse_first_name").IsEmpty());   // single: the spouse's answers are not taken
    QCOMPARE(family.dependants().count(), 12);
    QVERIFY(!family.IsCoupledReturn());
}

void NewReturnTest::newT1159ReturnHoldsOnlyItsForm()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    PPgDataNewReturnBasic page;
    answer(page, 15, MARITAL_SINGLE);
    family.NewData(&page);
    IndividualTaxData* person = family.taxpayer();
    QCOMPARE(person->GetCountOfForm(0), 1);
    QCOMPARE(person->GetCountOfForm(FormType::T1159), 1);
    QVERIFY(person->wizards().empty());
    QCOMPARE(person->GetFormData(FormType::T1159, false)->getString("last_name"), CString("Lee"));
    CString name;
    QVERIFY(person->getFedStringClaimed(17, name));
    QCOMPARE(name, CString("Ann Lee"));
    QCOMPARE(person->GetReturnStatusString(0), CString());
}

void NewReturnTest::startingSchedulesFromTheInterview()
{
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    PPgDataNewReturnBasic page;
    answer(page, 9, MARITAL_MARRIED);
    page.fld_bSch7->SetValue(true);
    page.fld_bT776->SetValue(true);
    page.fld_bSch11->SetValue(true);
    page.fld_bSch6->SetValue(true);
    page.fld_bSch3->SetValue(true);   // not read
    family.NewData(&page);
    IndividualTaxData* person = family.taxpayer();
    for (int type : {7, 12, 11, 3, 119}) QVERIFY2(person->GetCountOfForm(type) == 1, qPrintable(QString::number(type)));
    // The province's companions of Schedules 2 and 11.
    QCOMPARE(person->GetCountOfForm(FormType::ONS2), 1);
    QCOMPARE(person->GetCountOfForm(FormType::ONS11), 1);
    QCOMPARE(person->t1()->getString("spouse_first_name"), CString("Bo"));
    QCOMPARE(person->t1()->getDate("spouse_birth_date"), QDate(1962, 2, 3));
    // Married: Schedule 5 with its spouse claim on.
    QVERIFY(person->GetFormData(FormType::Schedule5, false)->getBool("spouse_claim_on"));
    QCOMPARE(person->GetFormData(FormType::T776, false)->getString("owner_name"), CString("Ann Lee"));
}

void NewReturnTest::newCoupledReturn()
{
    CFamilyTaxData mine(MULTIPROV_MODE_NEW), theirs(MULTIPROV_MODE_NEW);
    PPgDataNewReturnBasic page;
    answer(page, 9, MARITAL_COMMON_LAW);
    mine.NewData(&page);
    answer(page, 9, MARITAL_SINGLE);
    page.fld_FirstName->SetValue("Bo");
    theirs.NewData(&page);
    mine.CoupleTaxReturn(&theirs);
    QVERIFY(mine.IsCoupledReturn());
    QCOMPARE(mine.spouse()->t1()->getString("first_name"), CString("Bo"));
    QCOMPARE(mine.spouse()->t1()->getInt("marital_status"), int(MARITAL_COMMON_LAW));
    QCOMPARE(mine.spouse()->GetCountOfForm(FormType::Summary), 1);
}

void NewReturnTest::startingValuesOfNewForms_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("T776 owner") << 12 << "owner_name" << QVariant("Ann Lee");
    QTest::newRow("T776 S.I.N.") << 12 << "owner_sin" << QVariant("046454286");
    QTest::newRow("T2125 owner") << 125 << "owner_name" << QVariant("Ann Lee");
    QTest::newRow("T2125 commission owner") << 131 << "owner_name" << QVariant("Ann Lee");
    QTest::newRow("T2121 owner") << 51 << "owner_name" << QVariant("Ann Lee");
    QTest::newRow("T1163 last name") << 15 << "last_name" << QVariant("Lee");
    QTest::newRow("TL2 S.I.N.") << 92 << "sin" << QVariant("046454286");
    QTest::newRow("RC71 address") << 53 << "discounter_address" << QVariant("1 Bay St, Toronto, ON, M5J 2T3");
    QTest::newRow("RC71 discounter") << 53 << "discounter_code" << QVariant("D123");
    QTest::newRow("T183 preparer") << 96 << "preparer_name" << QVariant("Lee Tax Services");
    QTest::newRow("T183 EFILE number") << 96 << "efile_number" << QVariant("Z9876");
    QTest::newRow("T183 pre-assessment") << 96 << "pre_assessment" << QVariant(1);
    QTest::newRow("T1153 city") << 97 << "preparer_city" << QVariant("Toronto");
    QTest::newRow("T1135 country") << 101 << "country" << QVariant("CAN");
    QTest::newRow("T1135 first day") << 101 << "tax_year_start" << QVariant(QDate(2021, 1, 1));
    QTest::newRow("T1013 date") << 117 << "date" << QVariant(QDate::currentDate());
    QTest::newRow("Schedule 6 without a spouse") << 119 << "no_spouse" << QVariant(true);
    QTest::newRow("T1ADJ date") << 116 << "date" << QVariant(QDate::currentDate());
}

void NewReturnTest::startingValuesOfNewForms()
{
    QFETCH(int, type);
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    PreparerSettings& preparer = preparerSettings();
    preparer.BusinessName = "Lee Tax Services";
    preparer.BusinessAddr = "1 Bay St";
    preparer.BusinessCity = "Toronto";
    preparer.BusinessProv = "ON";
    preparer.BusinessPostcode = "M5J 2T3";
    preparer.BusinessEFileNum = "Z9876";
    preparer.DiscounterCode = "D123";
    preparer.PreAssessment = 1;
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    person.setMainProvince(PROV_ON);
    TaxData_T1New* t1 = addT1(person);
    t1->setString("first_name", "Ann");
    t1->setString("last_name", "Lee");
    t1->setString("sin", "046454286");
    CTaxData_Form* form = person.NewFormDataItem(type, -1, true, 0, true)->object;
    QCOMPARE(form->field(CString(field))->GetVariant(), value);
}

void NewReturnTest::startingValuesNeedASingleT1()
{
    IndividualTaxData person(MULTIPROV_MODE_NEW, nullptr);
    CTaxData_Form* rental = person.NewFormDataItem(12, -1, true, 0, true)->object;
    QVERIFY(rental->getString("owner_name").IsEmpty());
}

void NewReturnTest::refileCopyMadeAfterReading()
{
    IndividualTaxData person(MULTIPROV_MODE_FILE, nullptr);
    person.setMainProvince(PROV_ON);
    TaxData_T1New* t1 = addT1(person);
    t1->setBool("refile", true);
    person.GetFormData(FormType::Summary, true)->setFloat("48400", 640);
    person.DoSthAfterReading(2);
    QCOMPARE(person.GetCountOfForm(FormType::SummaryReFile), 1);
    QCOMPARE(person.GetFormData(FormType::SummaryReFile, false)->getFloat("48400"), 640.0);
    QCOMPARE(int(person.GetFormData(FormType::SummaryReFile, false)->getType()), 159);
}

void NewReturnTest::provinceChangeKeepsTheOldFormsAndAddsTheNew()
{
    CFamilyTaxData family(MULTIPROV_MODE_FILE);
    PPgDataNewReturnBasic page;
    answer(page, 9, MARITAL_SINGLE);
    family.NewData(&page);
    const int on428 = mandatoryProvincialForm(9), bc428 = mandatoryProvincialForm(2);
    family.ChangeProvince(9, 2, false);
    IndividualTaxData* person = family.taxpayer();
    QCOMPARE(person->getMainProvince(), 2);
    QCOMPARE(person->GetCountOfForm(on428), 1);
    QCOMPARE(person->GetCountOfForm(bc428), 1);
    std::list<unsigned int> active;
    family.GetActiveProvinces(active);
    QCOMPARE(active, std::list<unsigned int>({2, 9}));
    // British Columbia's library now answers for the return.
    QCOMPARE(person->FindExtraFormToBeAdded(3), 43);
}

void NewReturnTest::provinceChangeOfOneOrBothSpouses_data()
{
    QTest::addColumn<bool>("both");
    QTest::addColumn<int>("spouseProvince");
    QTest::newRow("both move") << true << 2;
    QTest::newRow("only the one shown moves") << false << 9;
}

void NewReturnTest::provinceChangeOfOneOrBothSpouses()
{
    QFETCH(bool, both);
    QFETCH(int, spouseProvince);
    CFamilyTaxData mine(MULTIPROV_MODE_NEW), theirs(MULTIPROV_MODE_NEW);
    PPgDataNewReturnBasic page;
    answer(page, 9, MARITAL_MARRIED);
    mine.NewData(&page);
    page.fld_FirstName->SetValue("Bo");
    theirs.NewData(&page);
    mine.CoupleTaxReturn(&theirs);
    QVERIFY(mine.IsCoupledReturn());
    mine.setCurIndv(0);
    mine.ChangeProvince(9, 2, both);
    QCOMPARE(mine.taxpayer()->getMainProvince(), 2);
    QCOMPARE(mine.spouse()->getMainProvince(), spouseProvince);
    QCOMPARE(mine.spouse()->GetCountOfForm(mandatoryProvincialForm(2)), both ? 1 : 0);
}

QTEST_GUILESS_MAIN(NewReturnTest)
#include "tst_newreturn.moc"
