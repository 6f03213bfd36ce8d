// The interview data carried into the forms and back.

#include <QtTest>

#include "dependantinfo.h"
#include "formtables.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "schedules.h"
#include "tableform.h"
#include "wizards.h"

namespace {

// A person with a T1 and the family's dependants record of twelve entries.
struct Person
{
    explicit Person(int maritalStatus = MARITAL_SINGLE, int entries = DependantInfoStruct::kEntries)
        : person(MULTIPROV_MODE_NEW, &dependants)
    {
        dependants.AllocData(entries);
        t1 = addT1(person, maritalStatus);
    }
    CTaxData_Form* wizard(int kind) { return person.GetWizData(kind, true); }

    DependantInfoStruct dependants;
    IndividualTaxData person;
    TaxData_T1New* t1 = nullptr;
};

// The form of `type` (the T1 for 1), made when asked to.
CTaxData_Form* formOf(Person& p, int type, bool make)
{
    return type == 1 ? p.t1 : p.person.GetFormData(type, make);
}

QVariant valueOf(const CTaxData_Form* form, const QString& name)
{
    const CField* f = form ? form->field(CString(name)) : nullptr;
    return f ? f->GetVariant() : QVariant();
}

bool setValue(CTaxData_Form* form, const QString& name, const QVariant& value)
{
    CField* f = form ? form->field(CString(name)) : nullptr;
    return f && f->SetVariant(value);
}

int provincialForm(int province, const char* suffix)
{
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (Global_Forms_Info[type].province == province
            && QByteArray(Global_Forms_Info[type].shortName).endsWith(suffix))
            return type;
    return 0;
}

} // namespace

class InterviewTransferTest : public QObject
{
    Q_OBJECT
private slots:
    void eachKindBothWays_data();
    void eachKindBothWays();
    void dependantsBothWays();
    void writeBackWalksOnlyTheRecordsEntries();
    void rrspReceiptsSummedByPeriod_data();
    void rrspReceiptsSummedByPeriod();
    void rrspInterviewWithoutContributions_data();
    void rrspInterviewWithoutContributions();
    void donationsMakeSchedule9_data();
    void donationsMakeSchedule9();
    void spouseMedicalExpensesOnlyWhenClaimable_data();
    void spouseMedicalExpensesOnlyWhenClaimable();
    void scheduleValueWinsOnWriteBack();
    void provincialTuitionGoesThroughTheLibrary();
    void otherKindsDoNothing();
};

void InterviewTransferTest::eachKindBothWays_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("wizardField");
    QTest::addColumn<int>("formType");
    QTest::addColumn<QString>("formField");
    QTest::addColumn<bool>("formFirst");      // the form is there before the interview is read
    QTest::addColumn<QVariant>("value");      // from the interview into the form
    QTest::addColumn<QVariant>("edited");     // from the form back into the interview

    QTest::newRow("general: an answer") << 1 << "q_pension" << 1 << "q_pension" << false << QVariant(1) << QVariant(0);
    QTest::newRow("general: other employment income")
        << 1 << "other_employment_income" << 1 << "10400" << false << QVariant(1200.5) << QVariant(800.0);
    QTest::newRow("general: instalments") << 1 << "instalments_paid" << 1 << "47600" << false << QVariant(3000.0)
                                          << QVariant(2500.0);
    QTest::newRow("general: spouse's gifts into Schedule 9")
        << 1 << "donations_spouse" << 9 << "donations_spouse" << false << QVariant(250.0) << QVariant(300.0);
    QTest::newRow("general: political contributions")
        << 1 << "political_contributions" << 1 << "40900" << false << QVariant(400.0) << QVariant(100.0);
    QTest::newRow("general: marital status") << 1 << "marital_status" << 1 << "marital_status" << false
                                             << QVariant(int(MARITAL_COMMON_LAW)) << QVariant(int(MARITAL_SINGLE));
    QTest::newRow("last year: RRSP deduction limit into Schedule 7")
        << 2 << "rrsp_deduction_limit" << 7 << "rrsp_deduction_limit" << true << QVariant(15000.0)
        << QVariant(16000.0);
    QTest::newRow("last year: unused RRSP contributions into Schedule 7")
        << 2 << "rrsp_unused_contributions" << 7 << "line_1" << true << QVariant(900.0) << QVariant(0.0);
    QTest::newRow("last year: federal tuition into Schedule 11")
        << 2 << "unused_tuition_federal" << 11 << "unused_tuition_carryforward" << true << QVariant(5400.0)
        << QVariant(4000.0);
    QTest::newRow("last year: deferred security options into T1212")
        << 2 << "t1212_deferred" << 18 << "balance_start" << true << QVariant(7000.0) << QVariant(6500.0);
    QTest::newRow("last year: net capital losses on the T1")
        << 2 << "net_capital_losses" << 1 << "carryforward_net_capital_losses" << false << QVariant(1800.0)
        << QVariant(1000.0);
    QTest::newRow("last year: RRSP limit without Schedule 7 stays on the T1")
        << 2 << "rrsp_deduction_limit" << 1 << "carryforward_rrsp_deduction_limit" << false << QVariant(15000.0)
        << QVariant(12000.0);
    QTest::newRow("medical: an expense") << 4 << "expenses.3.amount" << 1 << "medical_expenses.3.amount" << false
                                         << QVariant(640.0) << QVariant(700.0);
    QTest::newRow("medical: its description") << 4 << "expenses.30.description" << 1
                                              << "medical_expenses.30.description" << false
                                              << QVariant(QStringLiteral("glasses"))
                                              << QVariant(QStringLiteral("lenses"));
    QTest::newRow("RRSP: HBP repayment") << 5 << "hbp_repayment" << 7 << "24600" << true << QVariant(1000.0)
                                         << QVariant(1500.0);
    QTest::newRow("RRSP: deduction chosen") << 5 << "deduction_claimed" << 7 << "deduction_requested" << true
                                            << QVariant(3000.0) << QVariant(0.0);
}

void InterviewTransferTest::eachKindBothWays()
{
    QFETCH(int, kind);
    QFETCH(QString, wizardField);
    QFETCH(int, formType);
    QFETCH(QString, formField);
    QFETCH(bool, formFirst);
    QFETCH(QVariant, value);
    QFETCH(QVariant, edited);
    Person p;
    if (formFirst) QVERIFY(formOf(p, formType, true));
    CTaxData_Form* wizard = p.wizard(kind);
    QVERIFY(setValue(wizard, wizardField, value));

    p.person.ReadDataFromWizards(kind);
    CTaxData_Form* form = formOf(p, formType, false);
    QVERIFY(form);
    QCOMPARE(valueOf(form, formField), value);

    QVERIFY(setValue(form, formField, edited));
    p.person.WriteDataToWizards(false);
    QCOMPARE(valueOf(wizard, wizardField), edited);
}

void InterviewTransferTest::dependantsBothWays()
{
    Person p;
    CTaxData_Form* wizard = p.wizard(3);
    const QString longName(100, QLatin1Char('n'));
    wizard->setString("dependants.1.first_name", CString(longName));
    wizard->setString("dependants.1.last_name", "Lee");
    wizard->setDate("dependants.1.birth_date", QDate(2015, 8, 2));
    wizard->setInt("dependants.1.relationship", DEP_REL_CHILD);
    wizard->setInt("dependants.1.infirm", 1);
    wizard->setFloat("dependants.1.months", 12);
    wizard->setString("dependants.12.sin", "046454286");

    p.person.ReadDataFromWizards(3);
    const DependantEntry* first = p.dependants.entry(0);
    QCOMPARE(QString(first->firstName), longName.left(79));
    QCOMPARE(QString(first->lastName), QStringLiteral("Lee"));
    QCOMPARE(first->birthDate, QDate(2015, 8, 2));
    QCOMPARE(first->relationship, int(DEP_REL_CHILD));
    QCOMPARE(first->infirm, 1);
    QCOMPARE(first->monthsLivedWith, 12.0);
    QCOMPARE(p.dependants.entry(11)->sin, CString("046454286"));

    p.dependants.entry(1)->setLastName("Park");
    p.dependants.entry(1)->netIncome = 3100;
    p.person.WriteDataToWizards(false);
    QCOMPARE(wizard->getString("dependants.2.last_name"), CString("Park"));
    QCOMPARE(wizard->getFloat("dependants.2.net_income"), 3100.0);
    QCOMPARE(QString(wizard->getString("dependants.1.first_name")), longName.left(79));
}

void InterviewTransferTest::writeBackWalksOnlyTheRecordsEntries()
{
    Person p(MARITAL_SINGLE, 3);
    CTaxData_Form* wizard = p.wizard(3);
    for (int n = 1; n <= CWizData_Dependant::kDependants; ++n)
        wizard->setString(TableForm::rowField("dependants.#.first_name", n),
                          CString("kid") + CString(QByteArray::number(n)));

    p.person.ReadDataFromWizards(3);
    QCOMPARE(p.dependants.count(), 3);
    QCOMPARE(QString(p.dependants.entry(2)->firstName), QStringLiteral("kid3"));

    p.dependants.entry(2)->setFirstName("Mia");
    p.person.WriteDataToWizards(false);
    QCOMPARE(wizard->getString("dependants.3.first_name"), CString("Mia"));
    // Entries the record does not hold are left as the interview has them.
    QCOMPARE(wizard->getString("dependants.4.first_name"), CString("kid4"));
    QCOMPARE(wizard->getString("dependants.12.first_name"), CString("kid12"));
}

// The receipts typed on the interview page, summed by when they were paid,
// are what Schedule 7 takes; its own receipts are added to them, and the
// interview shows the sums back.
void InterviewTransferTest::rrspReceiptsSummedByPeriod_data()
{
    QTest::addColumn<QList<double>>("amounts");
    QTest::addColumn<QList<int>>("periods");
    QTest::addColumn<double>("onSchedule7");   // a receipt typed on Schedule 7 itself, 2021
    QTest::addColumn<double>("sum2021");
    QTest::addColumn<double>("sum2022");
    QTest::addColumn<bool>("schedule7");
    QTest::newRow("one receipt of 2021 makes Schedule 7")
        << QList<double>{2000} << QList<int>{0} << 0.0 << 2000.0 << 0.0 << true;
    QTest::newRow("receipts of both periods, rows with gaps")
        << QList<double>{2500, 0, 1000.10, 400.45} << QList<int>{0, 0, 1, 0} << 0.0 << 2900.45 << 1000.10 << true;
    QTest::newRow("a receipt on Schedule 7 too: both count once")
        << QList<double>{1500} << QList<int>{0} << 700.0 << 1500.0 << 0.0 << true;
    QTest::newRow("no receipts, no Schedule 7") << QList<double>{} << QList<int>{} << 0.0 << 0.0 << 0.0 << false;
}

void InterviewTransferTest::rrspReceiptsSummedByPeriod()
{
    QFETCH(QList<double>, amounts);
    QFETCH(QList<int>, periods);
    QFETCH(double, onSchedule7);
    QFETCH(double, sum2021);
    QFETCH(double, sum2022);
    QFETCH(bool, schedule7);
    Person p;
    CTaxData_Form* wizard = p.wizard(5);
    for (int i = 0; i < amounts.size(); ++i) {
        const int row = i + 1;
        wizard->setString(TableForm::rowField("contributions.#.issuer", row), "Lakeshore Bank");
        wizard->setFloat(TableForm::rowField("contributions.#.amount", row), amounts[i]);
        wizard->setInt(TableForm::rowField("contributions.#.period", row), periods[i]);
    }
    if (onSchedule7 > 0)
        p.person.GetFormData(FormType::Schedule7, true)->setFloat("contributions.1.amount_2021", onSchedule7);
    p.person.ReadDataFromWizards(5);
    // Done twice, nothing doubles.
    p.person.ReadDataFromWizards(5);
    auto* sch7 = dynamic_cast<TaxData_Sch7*>(p.person.GetFormData(FormType::Schedule7, false));
    QCOMPARE(sch7 != nullptr, schedule7);
    if (!sch7) return;
    QCOMPARE(sch7->getFloat("interview_2021"), sum2021);
    QCOMPARE(sch7->getFloat("interview_2022"), sum2022);
    sch7->Calculate01(0.0, 0.0);
    QCOMPARE(sch7->getFloat("line_2"), roundToCents(sum2021 + onSchedule7));
    QCOMPARE(sch7->getFloat("line_3"), sum2022);
    p.person.WriteDataToWizards(false);
    QCOMPARE(wizard->getFloat("contributions_2021"), sum2021);
    QCOMPARE(wizard->getFloat("contributions_2022"), sum2022);
}

void InterviewTransferTest::rrspInterviewWithoutContributions_data()
{
    QTest::addColumn<bool>("schedule7First");
    QTest::addColumn<bool>("schedule7After");
    QTest::newRow("no contributions, no Schedule 7: none made") << false << false;
    QTest::newRow("no contributions, Schedule 7 there: it takes the amounts") << true << true;
}

void InterviewTransferTest::rrspInterviewWithoutContributions()
{
    QFETCH(bool, schedule7First);
    QFETCH(bool, schedule7After);
    Person p;
    if (schedule7First) p.person.GetFormData(FormType::Schedule7, true);
    CTaxData_Form* wizard = p.wizard(5);
    wizard->setFloat("llp_repayment", 700);
    wizard->setFloat("contributions_2021", 0.005);   // below a cent: not a contribution
    p.person.ReadDataFromWizards(5);
    QCOMPARE(p.person.HasForm(FormType::Schedule7), schedule7After);
    if (schedule7After) QCOMPARE(p.person.GetFormData(FormType::Schedule7, false)->getFloat("26200"), 700.0);
}

void InterviewTransferTest::donationsMakeSchedule9_data()
{
    QTest::addColumn<double>("self");
    QTest::addColumn<bool>("schedule9First");
    QTest::addColumn<bool>("schedule9After");
    QTest::newRow("gifts of the person") << 150.0 << false << true;
    QTest::newRow("no gifts, no Schedule 9") << 0.0 << false << false;
    QTest::newRow("no gifts, Schedule 9 there: cleared") << 0.0 << true << true;
}

void InterviewTransferTest::donationsMakeSchedule9()
{
    QFETCH(double, self);
    QFETCH(bool, schedule9First);
    QFETCH(bool, schedule9After);
    Person p;
    if (schedule9First) p.person.GetFormData(FormType::Schedule9, true)->setFloat("donations_self", 80);
    p.wizard(1)->setFloat("donations_self", self);
    p.person.ReadDataFromWizards(1);
    QCOMPARE(p.person.HasForm(FormType::Schedule9), schedule9After);
    if (schedule9After) QCOMPARE(p.person.GetFormData(FormType::Schedule9, false)->getFloat("donations_self"), self);

    // Writing back without Schedule 9 clears the interview's gifts.
    if (CTaxData_Form* sch9 = p.person.GetFormData(FormType::Schedule9, false)) p.person.RemoveFormData(sch9, true);
    p.person.WriteDataToWizards(false);
    QCOMPARE(p.wizard(1)->getFloat("donations_self"), 0.0);
}

void InterviewTransferTest::spouseMedicalExpensesOnlyWhenClaimable_data()
{
    QTest::addColumn<int>("maritalStatus");
    QTest::addColumn<bool>("claimOff");
    QTest::addColumn<double>("spouseAmountShown");
    QTest::newRow("married: the spouse's expenses shown") << int(MARITAL_MARRIED) << false << 500.0;
    QTest::newRow("married, spouse amount not claimed: 0") << int(MARITAL_MARRIED) << true << 0.0;
    QTest::newRow("single: 0") << int(MARITAL_SINGLE) << false << 0.0;
}

void InterviewTransferTest::spouseMedicalExpensesOnlyWhenClaimable()
{
    QFETCH(int, maritalStatus);
    QFETCH(bool, claimOff);
    QFETCH(double, spouseAmountShown);
    Person p(maritalStatus);
    p.t1->setString("first_name", "Ann");
    p.t1->setString("spouse_first_name", "Bo");
    p.t1->setBool("spouse_claim_off", claimOff);
    p.t1->setInt("medical_expenses.1.patient", CWizData_MedExp::PATIENT_SELF);
    p.t1->setFloat("medical_expenses.1.amount", 300);
    p.t1->setInt("medical_expenses.2.patient", CWizData_MedExp::PATIENT_SPOUSE);
    p.t1->setFloat("medical_expenses.2.amount", 500);
    p.dependants.entry(0)->setFirstName("Mia");
    CTaxData_Form* wizard = p.wizard(4);
    p.person.WriteDataToWizards(false);
    QCOMPARE(wizard->getFloat("expenses.1.amount"), 300.0);
    QCOMPARE(wizard->getFloat("expenses.2.amount"), spouseAmountShown);
    QCOMPARE(wizard->getInt("expenses.2.patient"), int(CWizData_MedExp::PATIENT_SPOUSE));
    QCOMPARE(wizard->getString("first_name"), CString("Ann"));
    QCOMPARE(wizard->getString("spouse_first_name"), CString("Bo"));
    QCOMPARE(wizard->getString("dependant_first_name"), CString("Mia"));
}

void InterviewTransferTest::scheduleValueWinsOnWriteBack()
{
    Person p;
    CTaxData_Form* wizard = p.wizard(2);
    wizard->setFloat("unused_tuition_federal", 5000);
    p.person.ReadDataFromWizards(2);
    // Schedule 11 made afterwards takes nothing; once edited, its value is
    // the one the T1 and the interview keep.
    CTaxData_Form* sch11 = p.person.GetFormData(FormType::Schedule11, true);
    sch11->setFloat("unused_tuition_carryforward", 4200);
    p.person.WriteDataToWizards(false);
    QCOMPARE(p.t1->getFloat("carryforward_unused_tuition_federal"), 4200.0);
    QCOMPARE(wizard->getFloat("unused_tuition_federal"), 4200.0);
}

void InterviewTransferTest::provincialTuitionGoesThroughTheLibrary()
{
    Person p;
    p.person.setMainProvince(PROV_ON);
    const int on428 = provincialForm(PROV_ON, "428");
    QVERIFY(on428);
    QVERIFY(p.person.NewFormDataItem(on428, -1, true, 0, false));
    CTaxData_Form* wizard = p.wizard(2);
    wizard->setFloat("11001", 2600);
    p.person.ReadDataFromWizards(2);
    double amount = 0;
    QVERIFY(p.person.provMgr().getProvAmountClaimed(11001, amount));
    QCOMPARE(amount, 2600.0);
    QCOMPARE(p.t1->getFloat("carryforward_unused_tuition_provincial"), 2600.0);

    // The library's value is the one written back, and the T1 takes it too.
    QVERIFY(p.person.provMgr().setProvAmountClaimed(11001, 1900));
    p.person.WriteDataToWizards(false);
    QCOMPARE(wizard->getFloat("11001"), 1900.0);
    QCOMPARE(p.t1->getFloat("carryforward_unused_tuition_provincial"), 1900.0);
}

void InterviewTransferTest::otherKindsDoNothing()
{
    Person p;
    p.wizard(1)->setInt("q_rrsp", 1);
    for (int kind : {0, 7, -1}) p.person.ReadDataFromWizards(kind);
    QCOMPARE(p.t1->getInt("q_rrsp"), 0);
    QCOMPARE(p.person.GetCountOfForm(0), 1);
}

QTEST_GUILESS_MAIN(InterviewTransferTest)
#include "tst_interviewtransfer.moc"
