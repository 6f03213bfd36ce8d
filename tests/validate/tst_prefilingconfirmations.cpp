// The points a person confirms before filing: each one asked alone, exactly
// as the user sees it, and the first "stop" ending the questions.

#include <QtTest>

#include "formtypes.h"
#include "prompt.h"
#include "tableform.h"
#include "validatetestsupport.h"

namespace {

const QString kTitle = QStringLiteral("Quillmere Warning Message");
const char* const kT1204 =
    "Can you confirm that T2125 is completed properly to report government contract income from T1204 tax slip?";

const QString kChanged = QStringLiteral(
    "According to the answer to question 4 on page 1 of T1, tax payer's name, address, phone number or direct deposit "
    "information have changed.");
const QString kChangedNetfile = QStringLiteral(
    "You cannot change your name or direct deposit information using NETFILE. Your name or direct deposit information "
    "will not be transmitted with your return. Please visit the CRA Web site or contact CRA by phone at 1-800-959-8281 "
    "prior to using NETFILE.\n\nYou cannot change your address or phone number using NETFILE. Your address will not be "
    "transmitted with your return. To change your address and phone number, please visit the CRA Web site or contact "
    "CRA by phone at 1-800-714-7257 prior to using NETFILE.");
const QString kChangedEfile = QStringLiteral(
    "Please make sure that tax payer's new address, and/or direct deposit information are updated in form T183 and "
    "T1DD.");
const QStringList kAccessCode{
    QStringLiteral("NetFile Access Code"),
    QStringLiteral("Your unique Access code can be found on your Notice of Assessment (NOA) for a previous tax year. "
                   "This eight-character Access code is made up of numbers and letters."),
    QStringLiteral("Are you sure you want to file your tax return without entering your Access code? If you do not "
                   "enter your Access code, you will not be able to use information from your 2021 tax return when "
                   "confirming your identity with the CRA."),
    QStringLiteral("You can enter NetFile Access Code on page 1 of T1, under tax payer's name.")};
const QStringList kDirectDeposit{
    kTitle,
    QStringLiteral("Direct Deposit enrolment is available to be transmitted by EFile. Taxpayers will still be able to "
                   "register through the following methods;"),
    QStringLiteral("My Account online, My CRA mobile application, by phone, select financial institution, or by "
                   "completing and mailing a direct deposit enrolment form from the following link. If the Direct "
                   "Deposit form is printed from the link, the form needs to be signed, and a void cheque should be "
                   "attached."),
    QStringLiteral("https://www.canada.ca/en/revenue-agency/services/forms-publications/forms/t1dd1.html")};
const QStringList kForeignProperty{
    kTitle,
    QStringLiteral("You answered 'Yes' to the question 'Did you own or hold specified foreign property where the total "
                   "cost amount of all such property, at any time in the year, was more than CAN$100,000?' Therefore, "
                   "you are required to file form T1135, Foreign Income Verification Statement, if you have not "
                   "already done so."),
    QStringLiteral("There are substantial penalties for not completing and filing Form T1135 by the due date. If you "
                   "have provided incomplete information, omitted information, or have not filed form T1135 in prior "
                   "years, the Canada Revenue Agency (CRA) encourages you to come forward and correct your tax "
                   "affairs through the Voluntary Disclosures Program (VDP)."),
    QStringLiteral("For more information, see Form T1135.")};

// A slip or form whose own pre-filing check always warns.
class Warns : public TableForm
{
public:
    Warns(int type, const char* text) : TableForm(FROM_FORM, type, FieldTable{nullptr, 0}), m_text(text) {}
    void AnyMsgBeforeNetfile(unsigned char, std::list<CString>& messages) override { messages.push_back(m_text); }

private:
    const char* m_text;
};

void addWarningSlip(ValidationFixture& f, const char* text)
{
    auto* item = new STRUCT_SLIPDATA_ITEM_2004;
    item->slipType = SlipType::T5;
    item->uniqueId = f.person.GetNextUniqueID();
    item->object = new Warns(SlipType::T5, text);
    const_cast<std::list<STRUCT_SLIPDATA_ITEM_2004*>&>(f.person.slips()).push_back(item);
}

void addWarningForm(ValidationFixture& f, const char* text)
{
    auto* item = new STRUCT_FORMDATA_ITEM_2004;
    item->formType = FormType::T2125;
    item->uniqueId = f.person.GetNextUniqueID();
    item->object = new Warns(FormType::T2125, text);
    f.person.forms().push_back(item);
}

// A return that raises no point in either mode (EFILE: with its T1DD).
void quiet(ValidationFixture& f, int mode)
{
    f.set(f.t1, "netfile_access_code", "AB12CD34");
    f.setT1("info_changed", 1);
    f.setT1("foreign_property_over_100k", 1);
    f.setT1("15000", 50000);
    f.setT1("23600", 50000);
    if (mode == 1) f.add(FormType::T1DD1);
}

void marry(ValidationFixture& f)
{
    f.setT1("marital_status", MARITAL_MARRIED);
    f.add(FormType::Schedule2);
}

struct Expected
{
    QString text;
    int width = 0, height = 0;
};

using Setup = void (*)(ValidationFixture&);

} // namespace

Q_DECLARE_METATYPE(Setup)

class PreFilingConfirmationsTest : public QObject
{
    Q_OBJECT
private slots:
    void eachPointAlone_data();
    void eachPointAlone();
    void quietReturnAsksNothing_data();
    void quietReturnAsksNothing();
    void decliningTheFirstSlipWarningStopsEverything();
};

void PreFilingConfirmationsTest::eachPointAlone_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("laterPoint");   // a T1204 slip adds the last point
    const QSize none(0, 0);
    for (int mode : {1, 2}) {
        const char* m = mode == 1 ? "EFILE" : "NETFILE";
        QTest::addRow("%s 2: a slip's own warning", m)
            << mode << Setup([](ValidationFixture& f) { addWarningSlip(f, "slip warns"); }) << "slip warns" << none << true;
        QTest::addRow("%s 3: identification changed", m)
            << mode << Setup([](ValidationFixture& f) { f.setT1("info_changed", 0); })
            << kChanged + '\n' + (mode == 1 ? kChangedEfile : kChangedNetfile) << none << true;
        QTest::addRow("%s 5: foreign property", m)
            << mode << Setup([](ValidationFixture& f) { f.setT1("foreign_property_over_100k", 0); })
            << kForeignProperty.join('\n') << QSize(700, 500) << true;
        QTest::addRow("%s 18: a form's own warning", m)
            << mode << Setup([](ValidationFixture& f) { addWarningForm(f, "form warns"); }) << "form warns" << none << true;
        QTest::addRow("%s 24: T1204 slip", m)
            << mode << Setup([](ValidationFixture& f) { f.slip(SlipType::T1204); }) << kT1204 << none << false;
    }
    QTest::newRow("2: T4 with CPP contributions, box 26 blank") << 2 << Setup([](ValidationFixture& f) {
        CTaxData_Form* t4 = f.slip(SlipType::T4);
        f.set(t4, "14", 60000);
        f.set(t4, "16", 3166.45);
    }) << "Box 26 (CPP/QPP pensionable earnings) of the T4 slip is blank: the return uses box 14 (employment "
          "income), up to the 2021 maximum of $61,600.00, as pensionable earnings. Please confirm that box 26 of the "
          "slip is blank." << none << true;
    QTest::newRow("2: T4 with EI premiums, box 24 blank") << 1 << Setup([](ValidationFixture& f) {
        CTaxData_Form* t4 = f.slip(SlipType::T4);
        f.set(t4, "14", 60000);
        f.set(t4, "18", 889.54);
        f.set(t4, "payer_name", "Harbourview Logistics");
    }) << "Box 24 (EI insurable earnings) of the T4 slip from Harbourview Logistics is blank: the return uses box 14 "
          "(employment income), up to the 2021 maximum of $56,300.00, as insurable earnings. Please confirm that box "
          "24 of the slip is blank." << none << true;
    QTest::newRow("NETFILE 4: blank access code")
        << 2 << Setup([](ValidationFixture& f) { f.set(f.t1, "netfile_access_code", "  "); })
        << kAccessCode.join('\n') << QSize(600, 400) << true;
    QTest::newRow("EFILE 4: no T1DD") << 1 << Setup([](ValidationFixture& f) {
        f.person.RemoveFormData(f.person.GetFormData(FormType::T1DD1, false), true);
    }) << kDirectDeposit.join('\n') << QSize(700, 400) << true;
    QTest::newRow("6: 65 without OAS") << 2 << Setup([](ValidationFixture& f) {
        f.t1->setDate("birth_date", QDate(1950, 1, 1));
    }) << "Please confirm that you did not receive the old age security (OAS) pension." << none << true;
    QTest::newRow("7: young child, no UCCB") << 2 << Setup([](ValidationFixture& f) {
        f.dependants.AllocData(1);
        f.dependants.entry(0)->birthDate = QDate(2018, 1, 1);
        f.setT1("21300", 10);
    }) << "Press 'OK' button to confirm you and your spouse (if applicable), didn't receive Universal Child Care "
          "Benefit (UCCB) in the tax year."
       << none << true;
    QTest::newRow("8: young child, no UCCB repayment") << 2 << Setup([](ValidationFixture& f) {
        f.dependants.AllocData(1);
        f.dependants.entry(0)->birthDate = QDate(2018, 1, 1);
        f.setT1("11700", 10);
    }) << "Press 'OK' button to confirm you and your spouse(if applicable), didn't have any repayment for Universal "
          "Child Care Benefit (UCCB) in the tax year."
       << none << true;
    QTest::newRow("9: rental loss") << 2 << Setup([](ValidationFixture& f) { f.setT1("12600", -100); })
                                    << "You reported an amount at field 12200/12600 in T1. If you have any limited "
                                       "partnership loss carry forward amount as supporting field 5354, please enter "
                                       "it in box 31 of T5013 slip; or supporting fields in form T776 or form T5013."
                                    << none << true;
    QTest::newRow("10: farm loss past 2500") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("farming_total", -2500.01);
    }) << "Please confirm you don't want to claim restricted farm loss (section 31) on page 2 of form T1." << none
       << true;
    QTest::newRow("11: restriction that changes nothing") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("restricted_farm_loss", 1);
        f.setT1("farming_total", -1000);
        f.setT1("14100", -1000);
    }) << "You made a claim of restricted farm loss (section 31) on page 2 of form T1. However it doesn't make "
          "difference if you don't claim it."
       << none << true;
    QTest::newRow("12: no income") << 2 << Setup([](ValidationFixture& f) { f.setT1("15000", 0); })
                                   << "Please confirm that you reported no income in tax return." << none << true;
    QTest::newRow("13: spouse's taxable income zero") << 2 << Setup([](ValidationFixture& f) {
        marry(f);
        f.setT1("spouse_net_income", 1000);
    }) << "Please confirm spouse's taxable income is zero. Click spouse's income field on page 1 of T1, there are "
          "both spouse's net income and taxable income fields."
       << none << true;
    QTest::newRow("13: spouse without income") << 2 << Setup([](ValidationFixture& f) { marry(f); })
                                               << "Please confirm that there is no income reported from your spouse or "
                                                  "common-law partner. Spouse net-income should be entered on page 1 "
                                                  "of form T1."
                                               << none << true;
    QTest::newRow("14: RPP without pension adjustment") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("20700", 100);
    }) << "Please confirm you have claimed RPP deduction at field 20700 of T1, however there is no pension adjustment "
          "amount at field 206. It comes from box 52 of T4 slip."
       << none << true;
    QTest::newRow("15: split pension with a T4A(P)") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("21000", 100);
        f.slip(SlipType::T4AP);
    }) << "Please confirm Old Age Security Pension from T4A(OAS) slip and CPP/QPP benefits from T4A(P) slip are not "
          "included in field 11500, 12900 of T1 and Field 68020 of T1032."
       << none << true;
    QTest::newRow("16: capital losses unused") << 2 << Setup([](ValidationFixture& f) {
        f.add(FormType::T936);
        f.setT1("carryforward_net_capital_losses", 100);
    }) << "You might be able to claim capital loss at line 25300 on page 3 of T1, since you have accumulated capital "
          "loss in form T936, and you have capital gain in this year."
       << none << true;
    QTest::newRow("17: spouse without Schedule 2") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("marital_status", MARITAL_MARRIED);
        f.setT1("spouse_claim_off", 1);
    }) << "You don't have Schedule 2 Amounts Transferred From Your Spouse in tax return. You might want to include it "
          "to optimize your tax return result."
       << none << true;
    QTest::newRow("19: Schedule 6 may be needed") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("10100", 12000);
        f.setT1("15000", 12000);
        f.setT1("23600", 12000);
    }) << "According to your work income, you may qualify CWB (Canada Workers Benefit) by adding schedule 6 into "
          "return; otherwise confirm schedule 6 is not needed."
       << none << true;
    QTest::newRow("20: Schedule 7 without repayments") << 2 << Setup([](ValidationFixture& f) {
        f.add(FormType::Schedule7);
    }) << "Please confirm that there is no requirement for HBP or LLP repayment. If you withdrew RRSP for HBP or LLP "
          "in prior year, you need to check and verify."
       << none << true;
    QTest::newRow("21: minimum tax amounts without T691") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("67840", 100);
    }) << "Alternative minimum tax may apply since supporting field 6782, 6783, 6784 and 6786 are being claimed in "
          "the tax return. Please add form T691 to calculate minimum tax."
       << none << true;
    QTest::newRow("23: CPT20 without an election") << 2 << Setup([](ValidationFixture& f) {
        f.add(FormType::CPT20);
    }) << "Please remove form CPT20 if you don't elect any income to make CPP contribution at line 11 or 12 on page 1 "
          "of the form."
       << none << true;
    QTest::newRow("24: T4 box 85") << 2 << Setup([](ValidationFixture& f) { f.set(f.slip(SlipType::T4), "85", 10); })
                                   << "Please confirm that medical expense is claimed for box 85 of T4 slip." << none
                                   << true;
    QTest::newRow("24: T4A box 135") << 2 << Setup([](ValidationFixture& f) {
        f.set(f.slip(SlipType::T4A), "135", 10);
    }) << "Please confirm that medical expense is claimed for box 135 of T4A slip." << none << true;
}

void PreFilingConfirmationsTest::eachPointAlone()
{
    QFETCH(int, mode);
    QFETCH(Setup, setup);
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QFETCH(bool, laterPoint);
    for (bool accept : {true, false}) {
        ValidationFixture f;
        quiet(f, mode);
        setup(f);
        if (laterPoint) f.slip(SlipType::T1204);
        QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
        Prompt::Scripted prompts;
        if (accept) prompts.press(Prompt::Ok).press(Prompt::Ok);
        QCOMPARE(f.person.AnyMsgBeforeNetfile(mode, false), accept);
        QStringList expected{text};
        if (accept && laterPoint) expected << kT1204;
        QCOMPARE(prompts.texts(), expected);
        const Prompt::Request& first = prompts.asked().front();
        QCOMPARE(first.title, kTitle);
        QCOMPARE(first.kind, Prompt::Kind::Warning);
        QCOMPARE(QSize(first.width, first.height), size);
    }
}

void PreFilingConfirmationsTest::quietReturnAsksNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Setup>("setup");
    const Setup nothing = [](ValidationFixture&) {};
    QTest::newRow("EFILE") << 1 << nothing;
    QTest::newRow("NETFILE") << 2 << nothing;
    QTest::newRow("farm loss of exactly 2500") << 2 << Setup([](ValidationFixture& f) {
        f.setT1("farming_total", -2500.0);
    });
    QTest::newRow("spouse with net and taxable income") << 2 << Setup([](ValidationFixture& f) {
        marry(f);
        f.setT1("spouse_net_income", 1000);
        f.setT1("spouse_taxable_income", 1000);
    });
    QTest::newRow("T4 with boxes 24 and 26 typed") << 2 << Setup([](ValidationFixture& f) {
        CTaxData_Form* t4 = f.slip(SlipType::T4);
        for (const auto& box : {std::make_pair("14", 60000.0), {"16", 3166.45}, {"18", 889.54}, {"24", 56300.0},
                                {"26", 60000.0}})
            f.set(t4, box.first, box.second);
    });
    QTest::newRow("T4 with boxes 24 and 26 entered as 0") << 1 << Setup([](ValidationFixture& f) {
        CTaxData_Form* t4 = f.slip(SlipType::T4);
        f.set(t4, "14", 60000);
        f.set(t4, "16", 3166.45);
        f.set(t4, "18", 889.54);
        t4->setBool("pensionable_earnings_entered", true);
        t4->setBool("ei_insurable_earnings_entered", true);
    });
    QTest::newRow("Schedule 7 with a required repayment") << 2 << Setup([](ValidationFixture& f) {
        f.add(FormType::Schedule7);
        f.setT1("min_hbp_repayment", 1000);
    });
    QTest::newRow("two CPT20s: no unique one") << 2 << Setup([](ValidationFixture& f) {
        f.add(FormType::CPT20);
        f.add(FormType::CPT20);
    });
}

void PreFilingConfirmationsTest::quietReturnAsksNothing()
{
    QFETCH(int, mode);
    QFETCH(Setup, setup);
    ValidationFixture f;
    quiet(f, mode);
    setup(f);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
    const int forms = f.person.GetCountOfForm(0);
    Prompt::Scripted prompts;
    QVERIFY(f.person.AnyMsgBeforeNetfile(mode, false));
    QCOMPARE(prompts.texts(), QStringList());
    QCOMPARE(f.person.GetCountOfForm(0), forms);   // the slip totals make no form
}

void PreFilingConfirmationsTest::decliningTheFirstSlipWarningStopsEverything()
{
    ValidationFixture f;
    quiet(f, 2);
    addWarningSlip(f, "first");
    addWarningSlip(f, "second");
    f.setT1("info_changed", 0);
    addWarningForm(f, "form");
    f.slip(SlipType::T1204);
    Prompt::Scripted prompts;
    prompts.cancel();
    QVERIFY(!f.person.AnyMsgBeforeNetfile(2, false));
    QCOMPARE(prompts.texts(), QStringList{"first"});
    QCOMPARE(prompts.unanswered(), 0);
}

QTEST_MAIN(PreFilingConfirmationsTest)
#include "tst_prefilingconfirmations.moc"
