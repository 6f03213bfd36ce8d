#include "returnrules.h"

#include <algorithm>
#include <cmath>

#include <QByteArray>
#include <QDate>

#include "dependantinfo.h"
#include "federal2021.h"
#include "federalforms.h"
#include "filingsettings.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "ruleinputs.h"
#include "schedules.h"
#include "t1.h"
#include "utils.h"

// Which 2021 line holds each value the rules name by its role only:
// - the T1's CPP/QPP choice: the calculated "cpp_form_kind" (1 Schedule 8, 2 RC381);
// - the T1 marks tax-exempt income: "indian_act_exempt_income" above 0 (slips
//   with income exempt under the Indian Act);
// - the further supporting amount for tax-exempt income (rule 50): "5365";
// - the further pension income line of rule 13: line 11600 (elected split
//   pension), with the RRIF income from a spousal plan that the contributor
//   reports (T2205), pension income on no line of its own; the further
//   calculated amount: the pension income that does not qualify under 65
//   (the pensioner's split is already taken off through the T1032: line
//   21000 holds that same split and is not taken off again);
// - the calculated integer indicator of rules 33 and 34: "cpp_form_kind";
// - the HBP and LLP parts of line 12900: the T1's "12900_hbp" and "12900_llp";
// - the beneficiary T3 flag of rule 7: a T3 slip with its beneficiary code (box 18);
// - the CPP/QPP retirement benefit from T4A(P) slips: line 11400;
// - the T1 marks a fishing form T2121 (rule 95): the return holds a T2121;
// - the marital-status-change box: a date of marital change in 2021;
// - Schedule 2's field 36100: its total of transferable amounts;
// - Schedule 5's top checkbox: "eligible_dependant_condition";
// - Schedule 5 claims an eligible dependant: it names one, or line 30400
//   holds an amount (the calculation grants no amount beside a spouse, so
//   the amount alone would never show the claim this rule is about);
// - Schedule 6's claim selections: "claim_basic" and "claim_disability_supplement";
// - Schedule 7's LLP repayment (line 24620): its "26200";
// - Schedule 11's months of study: the T2202 slips' boxes 24 and 25;
// - T691 fields 6782, 6783, 6784, 6786: its 67820, 67830, 67840, 67860;
// - T5004 field 6765: its 67650;
// - the T1032's pensioner role (value 0): "is_transferor"; its transferred
//   amount: "split_amount".

namespace {

const QDate kFirstDayOfYear(2021, 1, 1);

double v(const CTaxData_Form* form, const char* name)
{
    return fieldValue(form, name);
}

// Came to Canada during the year other than on its first day, or left.
bool arrivedOrLeft(const TaxData_T1New* t1)
{
    if (!t1) return false;
    return (t1->IsImmigrant() && t1->getDate("date_of_entry") != kFirstDayOfYear) || t1->IsEmmigrant();
}

bool arrivedDuringYear(const TaxData_T1New* t1)
{
    return t1 && t1->IsImmigrant() && t1->getDate("date_of_entry") != kFirstDayOfYear;
}

bool marksTaxExemptIncome(const RuleInputs& in)
{
    return in.t1Value("indian_act_exempt_income") > 0;
}

CString withoutBlanks(CString text)
{
    text.Remove(' ');
    return text;
}

// ---- Rules 1 to 3: the slips.
void slipRules(RuleInputs& in)
{
    bool t3Said = false, t5Said = false;
    for (const STRUCT_SLIPDATA_ITEM_2004* slip : in.person.slips()) {
        const CTaxData_Form* s = slip->object;
        if (slip->slipType == SlipType::T3 && !t3Said && !nonZero(v(s, "share_percent"))) {
            in.add("There is a T3 slip which has sharing percentage set to 0. Please correct the sharing percentage or "
                   "remove the T3 slip.");
            t3Said = true;
        } else if (slip->slipType == SlipType::T5 && !t5Said && !nonZero(v(s, "share_percent"))) {
            in.add("There is a T5 slip which has sharing percentage set to 0. Please correct the sharing percentage or "
                   "remove the T5 slip.");
            t5Said = true;
        } else if (slip->slipType == SlipType::T5013 && s) {
            CString partnership = s->getString("partnership_account_number");
            CString shelter = s->getString("tax_shelter_number");
            if (partnership.GetLength() < 9 && shelter.GetLength() < 6)
                in.add("Please complete partnership ID and/or tax shelter ID in T5013 slip.");
        }
    }
}

// ---- Rules 4 to 6: EFILE.
void efileRules(RuleInputs& in)
{
    if (!in.efile()) return;
    if (!in.form(FormType::T183)) in.add("Add form T183 - Information Return of Electronic Filing, to the tax return.");
    const FilingSettings& settings = filingSettings();
    CString id = settings.EfilerId, password = settings.EfilerPassword;
    if (id.Trim().GetLength() != 5)
        in.add("EFILER ID is missing or invalid in preference settings by menu Start | Preference.");
    if (password.Trim().GetLength() != 7)
        in.add("EFILER password is missing or invalid in preference settings by menu Start | Preference.");
}

// ---- Rules 7 to 13: beneficiary, CPP/QPP form, Schedule 5, children, pension.
void identityRules(RuleInputs& in)
{
    if (in.t1 && in.t1->getInt("tax_beneficiary_of_deceased") == 0) {
        bool beneficiaryT3 = false;
        for (const STRUCT_SLIPDATA_ITEM_2004* slip : in.person.slips())
            if (slip->slipType == SlipType::T3 && slip->object
                && !withoutBlanks(slip->object->getString("18")).IsEmpty())
                beneficiaryT3 = true;
        if (in.slipCount(SlipType::T3) == 0 || !beneficiaryT3)
            in.add("Tax beneficiary for deceased person requires a T3 slip in the return.");
        if (1.5 - in.t1Value("52080") >= kAmountTolerance)
            in.add("Tax beneficiary amount (Field 52080) must be more than $1.");
    }

    const int choice = int(in.t1Value("cpp_form_kind"));
    const bool sch8 = in.form(FormType::Schedule8) != nullptr, rc381 = in.form(FormType::RC381) != nullptr;
    if (choice == 2) {
        if (sch8) in.add("Schedule 8 is not needed, please remove it.");
        if (!rc381) in.add("Please add form RC381 to tax return to calculate CPP/QPP contribution.");
    } else if (choice == 1) {
        if (!sch8) in.add("Please add schedule 8 into tax return to calculate CPP contribution.");
        if (rc381) in.add("Please remove form RC381, it's not needed.");
    } else if (choice == 0) {
        if (sch8) in.add("Schedule 8 is not needed, please remove it.");
        if (rc381) in.add("Please remove form RC381, it's not needed.");
    }

    if (const CTaxData_Form* sch5 = in.form(FormType::Schedule5)) {
        const bool maritalChange = in.t1 && in.t1->getDate("date_of_marital_change").year() == 2021;
        const auto* schedule5 = dynamic_cast<const TaxData_Sch5*>(sch5);
        const bool namesDependant = schedule5 && schedule5->namesEligibleDependant();
        if ((namesDependant || nonZero(v(sch5, "30400"))) && !v(sch5, "eligible_dependant_condition") && in.t1
            && in.t1->HasSpouse() && !maritalChange)
            in.add("Tax payer's was married or living with common-law partner, to claim eligible dependant amount on "
                   "line 30400 on Schedule 5, either (1)Tax payer's marital status changed during the tax year. Claim "
                   "marital status change on page 1 of T1; or (2) Read the checkbox condition on top of Schedule 5.");
        // Compared as numbers, so that the same S.I.N. typed with other
        // blanks or dashes is still caught.
        const CString sin = sinDigits(sch5->getString("55295"));
        if (!sin.IsEmpty() && sin != CString("000000000") && in.t1) {
            const CString own = sinDigits(in.t1->getString("sin")), spouse = sinDigits(in.t1->getString("spouse_sin"));
            if (sin.CompareNoCase(own.c_str()) == 0 || sin.CompareNoCase(spouse.c_str()) == 0)
                in.add("S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's or the "
                       "spouse's S.I.N.");
        }
    }

    if (in.t1) {
        const DependantInfoStruct* dependants = in.person.dependants();
        const int children = dependants ? dependants->GetDepChildrenNumberBetweenAges(0, 17) : 0;
        if (int(in.t1Value("30499")) > children)
            in.add("According to dependant information, you entered more children for field 30500.");
    }

    double split = 0.0;
    if (const CTaxData_Form* t1032 = in.form(FormType::T1032))
        if (v(t1032, "is_transferor")) split = v(t1032, "split_amount");
    const double pensionBase = in.t1Value("11500") + in.t1Value("12900") + in.t1Value("11600")
                               + in.t1Value("spousal_plan_pension_under_65") + in.t1Value("spousal_plan_pension_65_or_over")
                               - split - in.t1Value("pension_ineligible_under65") - in.hbpPart() - in.llpPart();
    if (exceeds(in.t1Value("31400"), pensionBase))
        in.add("Field 31400 in Schedule 1 is too much according to other entries in tax return.");
}

// ---- Rules 14 to 28: Schedules 2, 8, 13 and 14, Quebec, training credit, T778.
void creditRules(RuleInputs& in)
{
    if (const CTaxData_Form* sch2 = in.form(FormType::Schedule2)) {
        if (in.t1 && !in.t1->canClaimSch2())
            in.add("Please remove Schedule 2 because tax payer is not married or living with common-law partner or "
                   "widowed in tax year. You may need to claim a marital status change on page 1 of T1.");
        if (exceeds(v(sch2, "transferable_total"), Federal2021::kSchedule2TransferCheckLimit))
            in.add("Field 36100 of Schedule 2 exceeds maximum amount allowed.");
    }
    if (const CTaxData_Form* sch8 = in.form(FormType::Schedule8))
        if ((v(sch8, "50372") >= kAmountTolerance || v(sch8, "50374") >= kAmountTolerance)
            && !nonZero(in.t1Value("11400")))
            in.add("Remove field 50372 or 50374 in schedule 8 since there is no CPP/QPP retirement benefit reported "
                   "in T4A(P) slip.");

    const CTaxData_Form* sch13 = in.form(FormType::Schedule13);
    const CTaxData_Form* t90 = in.form(FormType::T90);
    if (in.t1Value("31217") >= kAmountTolerance
        && (!sch13
            || (!nonZero(v(sch13, "54493")) && !nonZero(v(sch13, "54494")) && !(in.t1 && in.t1->HasSelfEmploymentIncome()))))
        in.add("Field 31217 requires an amount in Field 54493, or 54494 of Schedule 13 or a self-employment income.");
    if (sch13) {
        if (exceeds(v(sch13, "54493"), in.t1Value("10100")))
            in.add("Field 54493 of Schedule 13 cannot be greater than field 10100 of T1.");
        if (nonZero(v(sch13, "54494")) && (!t90 || exceeds(v(sch13, "54494"), v(t90, "10000"))))
            in.add("Field 54494 of Schedule 13 cannot be greater than field 10000 of form T90.");
        if (nonZero(v(sch13, "53550"))) {
            const CTaxData_Form* t2204 = in.form(FormType::T2204);
            if (!t2204 || 1.0 - v(t2204, "insurable_earnings") >= kAmountTolerance
                || !(in.t1 && in.t1->HasSelfEmploymentIncome2(0)))
                in.add("Field 53550 in Schedule 13 requires at least one self-employment form and a T4 tax slip "
                       "showing EI insurable earning.");
        }
    }
    if (nonZero(in.totals.t4PpipPremiums) && (!sch13 || !nonZero(v(sch13, "54493"))))
        in.add("PPIP amount in box 55 of T4 slip requires an amount in field 54493 of Schedule 13.");

    // A resident of Quebec may transfer up to 45% of the tax deducted on
    // slips from outside Quebec (line 43800).
    if (in.person.getMainProvince() == PROV_QC
        && exceeds(in.t1Value("43800"), 0.45 * in.totals.t4TaxDeductedOutsideQuebec))
        in.add("Line 438 on page 4 of T1 cannot exceed 45 percent of the income tax deducted on Non-Quebec T4 slips.");

    const auto* sch14 = dynamic_cast<const TaxData_Sch14*>(in.form(FormType::Schedule14));
    if (sch14 && sch14->isClaimed() && in.t1) {
        if (!in.t1->isEligibleForSch14())
            in.add("Schedule 14 cannot be claimed for the tax province, or if the tax payer deceased.");
        if (arrivedOrLeft(in.t1))
            in.add("Schedule 14 cannot be claimed if the tax payer is an immigrant or emmigrant in tax year.");
        if (in.t1->IsDeceased()) in.add("Schedule 14 cannot be claimed if the tax payer died in the tax year.");
    }

    if (in.t1 && nonZero(in.t1Value("45350"))) {
        const int age = in.t1->GetAge();
        if (age < 26 || age > 65)
            in.add("Canada traing credit (Field 45350) cannot be claimed if tax payer's age is not between 26 and 65.");
        if (arrivedOrLeft(in.t1))
            in.add("Canada traing credit (Field 45350) cannot be claimed by a new immigrant tax payer.");
    }

    if (const CTaxData_Form* t778 = in.form(FormType::T778)) {
        if (in.t1 && in.t1->HasSpouse() && !v(t778, "spouse_income_not_applicable")) {
            const double own = in.t1Value("23600"), spouse = in.t1Value("spouse_net_income");
            const bool ticked = v(t778, "is_higher_net_income") != 0.0;
            if ((ticked && exceeds(spouse, own)) || (!ticked && exceeds(own, spouse)))
                in.add("The chekbox selection for who has higher net income in form T778 is wrongfully selected.");
        }
    }
}

// ---- Rule 29: the provincial libraries' own rules.
void provincialRules(RuleInputs& in)
{
    in.person.provMgr().Validate(in.messages, in.t1, dynamic_cast<TaxData_Sch2*>(in.form(FormType::Schedule2)),
                                 dynamic_cast<TaxData_Sch5*>(in.form(FormType::Schedule5)),
                                 dynamic_cast<TaxData_Sch9*>(in.form(FormType::Schedule9)),
                                 dynamic_cast<TaxData_Sch11*>(in.form(FormType::Schedule11)),
                                 dynamic_cast<TaxData_T691New*>(in.form(FormType::T691)),
                                 dynamic_cast<TaxData_T1206New*>(in.form(FormType::T1206)));
}

// ---- Rules 30 to 50: capital gains, CPP forms, T1212, T936, T2091, T90.
void investmentRules(RuleInputs& in)
{
    const CTaxData_Form* sch3 = in.form(FormType::Schedule3);
    if (in.form(FormType::T1170) && !sch3)
        in.add("Please add form federal Schedule 3 to your tax return when you have form T1170 in tax return already.");
    if (const CTaxData_Form* sch9 = in.form(FormType::Schedule9)) {
        bool gains = false;
        if (sch3)
            for (const char* line : {"10700", "11000", "12400", "13200", "13800", "15300", "15500", "15900"})
                if (nonZero(v(sch3, line))) gains = true;
        if (nonZero(v(sch9, "33700")) && !gains)
            in.add("You entered an amount in line 33700 of Schedule 9, please enter the related entry in schedule 3.");
        if (nonZero(v(sch9, "33900")) && !gains)
            in.add("You entered an amount in line 33900 of Schedule 9, please enter the related fields in schedule 3.");
    }

    const int choice = int(in.t1Value("cpp_form_kind"));
    if (!in.bankrupt && nonZero(in.t1Sum({"12200", "13500", "13700", "13900", "14100", "14300"})) && choice > 0) {
        if (choice == 1 && !in.form(FormType::Schedule8))
            in.add("Schedule 8 should be included in the tax return if field 122, 135, 137, 139, 141 or 143 of T1 is "
                   "claimed.");
        if (choice == 2 && !in.form(FormType::RC381))
            in.add("Form RC381 is needed since field 12200, 13500, 13700, 13900, 14100 or 14300 of T1 is claimed.");
    }

    if (const CTaxData_Form* t1212 = in.form(FormType::T1212)) {
        if (exceeds(0.5 * v(t1212, "65210"), in.t1Value("24900")))
            in.add("50 percent of Line 4 in form T1212 can be claimed on Line 249 in section Taxable income of form T1.");
        if (nonZero(v(t1212, "65210")) && (!sch3 || (!nonZero(v(sch3, "13199")) && !nonZero(v(sch3, "13200")))))
            in.add("Field 65210 in form T1212 requires an entry at field 13200 of Schedule 3.");
    }

    const CTaxData_Form* t936 = in.form(FormType::T936);
    if (t936) {
        if (exceeds(in.t1Value("68080"), v(t936, "68080")))
            in.add("The supporting field 68080 is claimed for field 23200 of T1, or in form T5013, T1163, and T2042. "
                   "Please also enter the full amount of field 6808 in form T936.");
        if (exceeds(in.t1Value("68100"), v(t936, "68100")))
            in.add("The supporting field 68100 is claimed for line 13000, 25100 of form T1, or for box 26 of T3 tax "
                   "slip, or box 24, 28 of T4A tax slip, or in form T5013, T1163, and T2042. Please also enter the "
                   "full amount of field 68100 in form T936.");
        if (exceeds(in.t1Value("68110"), v(t936, "68110")))
            in.add("The supporting field 68110 is claimed for line 13000 of form T1, or for box 28 of T4A slip. Please "
                   "also enter the full amount of field 68110 in form T936.");
        if (v(t936, "68140") >= kAmountTolerance && !sch3)
            in.add("Field 68140 of form T936 needs an amount in field 17600 of Schedule 3.");
        if (v(t936, "68150") >= kAmountTolerance && exceeds(in.t1Value("68150"), v(t936, "68150")))
            in.add("The supporting field 68150 is claimed for box 21 of T3 tax slip. Please also enter the full amount "
                   "of field 68150 in form T936.");
    } else if (nonZero(in.t1Value("68100")) || nonZero(in.t1Value("68110"))) {
        in.add("Please include form T936 in the tax return since supporting field 68100/68110 is claimed for line "
               "13000 of T1.");
    }

    const int t2091s = in.count(FormType::T2091IND) + in.count(FormType::T1255);
    if (!sch3 && t2091s > 0)
        in.add("Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.");
    if (sch3) {
        if (v(sch3, "17600") >= kAmountTolerance && (!t936 || exceeds(v(sch3, "17600"), v(t936, "68140"))))
            in.add("Field 17600 of Schedule 3 requires a greater amount in field 68140 of Form T936.");
        // Line 17900 of the 2021 schedule: each of boxes 1, 2 and 3 is
        // ticked with Form T2091(IND) (types 147 and 160 alike) filed, one
        // per disposition listed in the schedule's table; without a box no
        // T2091 is expected. An untouched schedule must not ask for one.
        const int box = int(v(sch3, "17900"));
        if (box >= 1 && box <= 3) {
            const auto* schedule = dynamic_cast<const CTaxData_Schedule_3*>(sch3);
            const int listed = schedule ? schedule->principalResidenceRowsFilled() : 0;
            if (t2091s < std::max(1, listed)) {
                const QByteArray boxText = QByteArray::number(box);
                if (listed <= 1)
                    in.add("Box %s of field 17900 of Schedule 3 is ticked: add Form T2091(IND) to the tax return.",
                           boxText.constData());
                else
                    in.add("Schedule 3 lists %s principal residence dispositions at field 17900: add one Form "
                           "T2091(IND) for each one (the tax return holds %s).",
                           QByteArray::number(listed).constData(), QByteArray::number(t2091s).constData());
            }
        } else if (t2091s > 0) {
            in.add("Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.");
        }
    }

    // The T936's amount when it holds one, else the T1's supporting amount.
    auto cnil = [&](const char* field) {
        return t936 && nonZero(v(t936, field)) ? v(t936, field) : in.t1Value(field);
    };
    if (nonZero(cnil("68080")) && in.t1AllZero({"14100", "14300", "23200"}))
        in.add("Field 68080, in form T936 or reported as supporting field, requires an entry at field 14100, 14300 or "
               "23200 of form T1.");
    if (nonZero(cnil("68100")) && in.t1AllZero({"11400", "11500", "13000", "14100", "14300", "25100"}))
        in.add("Field 68100 in form T936 requires an entry of field 11400, 11500, 13000, 14100, 14300 or 25100 of "
               "form T1.");
    if (nonZero(cnil("68110")) && in.t1AllZero({"13000"}))
        in.add("Field 68110 in form T936 can be claimed only when there is an amount at field 13000 of T1.");
    if ((nonZero(v(t936, "68150")) || nonZero(in.t1Value("68150"))) && (!sch3 || !nonZero(v(sch3, "17600"))))
        in.add("Field 68150 in Chart A of form T936 can only be claimed if there is an entry at field 176 of "
               "Schedule 3.");

    if (!in.form(FormType::T90) && (marksTaxExemptIncome(in) || in.t1Value("5365") >= kAmountTolerance))
        in.add("Please add form [%s] into return to %s.", "T90", "report tax-exempted income");
}

// ---- Rules 51 to 56: Schedule 6.
void workersBenefitRules(RuleInputs& in)
{
    const CTaxData_Form* sch6 = in.form(FormType::Schedule6);
    if (!sch6) return;
    const bool basic = v(sch6, "claim_basic") != 0.0;
    if (in.t1 && in.t1->GetAge() < 19 && basic && v(sch6, "claim_disability_supplement") != 0.0)
        in.add("Schedule 6 can not be claimed because you were under age 19 in the tax year.");
    if (arrivedDuringYear(in.t1))
        in.add("Please remove Schedule 6 for CWB because the tax payer is an immigrant in tax year.");
    if (basic && in.form(FormType::Schedule11) && exceeds(in.studyMonthsFullTime(), 3.0))
        in.add("Remove Schedule 6 because Schedule 11 indicates that tax payer attended school full time for more "
               "than 3 months.");
    const int answer = int(v(sch6, "38105"));
    const bool exemptAmounts = nonZero(in.t1Value("10105")) || nonZero(v(sch6, "38107")) || nonZero(v(sch6, "38109"));
    if ((exemptAmounts || marksTaxExemptIncome(in)) && answer >= 2)
        in.add("Please answer, in field 38105 of Schedule 6, whether you want to include tax-exempt income into "
               "calculation.");
    const CTaxData_Form* t90 = in.form(FormType::T90);
    if (answer == 0 && !nonZero(in.t1Value("10105")) && (!t90 || (!nonZero(v(t90, "10000")) && !nonZero(v(t90, "10026"))))
        && !nonZero(v(sch6, "38107")) && !nonZero(v(sch6, "38109")))
        in.add("Field 38105 in schedule 6 requires at least an amount in field 10105/10000/10026/38107/38109.");
    if (in.t1 && in.t1->IsDeceased()) {
        const QDate death = in.t1->getDate("date_of_death");
        if (death.year() < 2021 || (death.year() == 2021 && death.month() < 7))
            in.add("Working Income Tax Benefit cannot be claimed because tax payer died before July 1st in the tax "
                   "year. Remove form Schedule 6.");
    }
}

// ---- Rules 57 to 62: RRSP, HBP and LLP.
void rrspRules(RuleInputs& in)
{
    const CTaxData_Form* sch7 = in.form(FormType::Schedule7);
    if (sch7) {
        // Line 24640, the transfers.
        const double designated = v(sch7, "transfers");
        if (designated >= kAmountTolerance
            && exceeds(designated, in.t1Value("11500") + in.t1Value("12900") + qMax(0.0, in.t1Value("13000"))))
            in.add("Field 24640 in Schedule 7 cannot be greater than the total of fields 11500, 12900 and 13000 of "
                   "T1.");
        double own2021 = 0, own2022 = 0, spousal2021 = 0, spousal2022 = 0;
        for (int row = 1; row <= 20; ++row) {
            const bool spousal = v(sch7, TableForm::rowField("contributions.#.spousal", row).c_str()) != 0.0;
            const double a = v(sch7, TableForm::rowField("contributions.#.amount_2021", row).c_str());
            const double b = v(sch7, TableForm::rowField("contributions.#.amount_2022", row).c_str());
            (spousal ? spousal2021 : own2021) += a;
            (spousal ? spousal2022 : own2022) += b;
        }
        const bool own = own2021 >= kAmountTolerance || own2022 >= kAmountTolerance;
        const bool spousal = spousal2021 >= kAmountTolerance || spousal2022 >= kAmountTolerance;
        if (in.t1 && in.t1->GetAge() >= 72 && own)
            in.add("Tax payer who aged over 71 in the tax year can NOT have a RRSP contribution.");
        if (in.t1 && !in.t1->HasSpouse() && spousal)
            in.add("You entered spouse RRSP amount, however, your marital status is not married or common-law.");
        if (in.t1 && in.t1->GetSpouseAge() >= 72 && spousal)
            in.add("Tax payer who aged over 71 in the tax year can NOT have a RRSP contribution.");
    }
    const double minHbp = in.t1Value("min_hbp_repayment"), minLlp = in.t1Value("min_llp_repayment");
    if (minHbp >= kAmountTolerance && exceeds(minHbp, in.hbpPart() + v(sch7, "24600")))
        in.add("RRSP HBP repayment doesn't meet the minimum requirement according to last year assessment.");
    if (minLlp >= kAmountTolerance && exceeds(minLlp, in.llpPart() + v(sch7, "26200")))
        in.add("RRSP LLP repayment doesn't meet the minimum requirement according to last year assessment.");
}

// ---- Rules 63 to 72: CPT20, RC383, T2017, bankruptcy.
void cppAndBankruptcyRules(RuleInputs& in)
{
    const auto* cpt20 = dynamic_cast<const TaxData_CPT20_New*>(in.form(FormType::CPT20));
    const int choice = int(in.t1Value("cpp_form_kind"));
    if (cpt20 && cpt20->hadElectedF399IncomeToPayCPP()) {
        bool remove = false;
        if (choice == 1) {
            // Schedule 8 records no election status of its own.
            if (const auto* sch8 = dynamic_cast<const TaxData_Sch8_14*>(in.form(FormType::Schedule8)))
                remove = sch8->getEmpUnderDeduction() < kAmountTolerance;
        } else if (choice == 2) {
            if (const auto* rc381 = dynamic_cast<const TaxData_RC381*>(in.form(FormType::RC381))) {
                const int status = int(v(rc381, "election_status"));
                if (v(rc381, "is_elected") != 0.0)
                    remove = status == 0 || status == 3 || (status == 1 && !nonZero(v(rc381, "elected_amount")));
                else
                    remove = rc381->getUnderDeduction() < kAmountTolerance;
            }
        }
        if (remove) in.add("Please remove %s.", "form CPT20");
    }

    if (const CTaxData_Form* rc383 = in.form(FormType::RC383)) {
        const double total = v(rc383, "58750") + v(rc383, "58810");
        const CTaxData_Form* t90 = in.form(FormType::T90);
        if (total >= kAmountTolerance && (!t90 || exceeds(total, v(t90, "10000"))))
            in.add("The total of Field 58750 and 58810 from RC383 cannot be greater than the field 10000 of form T90.");
    }

    const CTaxData_Form* sch3 = in.form(FormType::Schedule3);
    if (const CTaxData_Form* t2017 = in.form(FormType::T2017)) {
        if (exceeds(v(t2017, "66844"), v(t2017, "66843")) && (!sch3 || !nonZero(v(sch3, "11000"))))
            in.add("There should be an amount in %s.",
                   "field 11000 of schedule 3 since field 66844 is greater than field 66843");
        if (exceeds(v(t2017, "66850"), v(t2017, "66883"))) {
            if (!sch3 || !nonZero(v(sch3, "10700")))
                in.add("There should be an amount in %s.",
                       "field 10700 of schedule 3 since field 66850 is greater than field 66883 in form T2017");
            if (nonZero(v(t2017, "66883")) && !nonZero(v(t2017, "66905")))
                in.add("There should be an amount in %s.", "field 66905 of form T2017");
        }
    }

    const bool postBankrupt = in.t1 && in.t1->IsPostBankrupt();
    if ((in.bankrupt || postBankrupt) && in.t1) {
        const int months = in.t1->GetBankruptMonthsInTaxYear();
        if (in.form(FormType::Schedule11) && (in.studyMonthsFullTime() > months || in.studyMonthsPartTime() > months))
            in.add("Number of months in form Schedule 11 can NOT be more than the pre-bankrupt months in the tax "
                   "year.");
        if (const CTaxData_Form* t2222 = in.form(FormType::T2222)) {
            const int days = in.t1->GetBankruptDaysInTaxYear();
            bool over = false;
            for (const char* name : {"zone_a_days", "zone_a_additional_days", "zone_b_days", "zone_b_additional_days"})
                if (int(v(t2222, name)) > days) over = true;
            if (over) in.add("Number of days in form T2222 can NOT be greater than the pre-bankrupt days in the tax year.");
        }
    }
    if (in.bankrupt) {
        if (in.hbpPart() >= kAmountTolerance || in.llpPart() >= kAmountTolerance)
            in.add("Pre-bankrupt tax return cannot claim HBP repayment or LLP repayment amount at field 12900 on page 2 "
                   "of T1.");
        if (in.form(FormType::Schedule6))
            in.add("Pre-bankrupt tax return cannot claim Working Income Tax Benefit. Please remove tax form Schedule 6.");
        if (const CTaxData_Form* sch7 = in.form(FormType::Schedule7))
            if (v(sch7, "24600") >= kAmountTolerance || v(sch7, "26200") >= kAmountTolerance)
                in.add("Pre-bankrupt tax return cannot claim HBP repayment at field 24600 or LLP repayment at field "
                       "24620 in Schedule 7.");
    }
}

// ---- Rules 73 to 79: pension splitting and split income.
void splitRules(RuleInputs& in)
{
    if (const CTaxData_Form* t1032 = in.form(FormType::T1032)) {
        if (in.t1 && !in.t1->canClaimT1032())
            in.add("Please remove %s.",
                   "T1032 of Split Pension Income, or confirm a separation with spouse for less than 90 days in the "
                   "tax year on page 1 of T1");
        const CString spouseSin = in.t1 ? sinDigits(in.t1->getString("spouse_sin")) : CString();
        if (spouseSin.IsEmpty() || spouseSin == CString("000000000") || !CheckSIN(spouseSin.c_str()))
            in.add("Please enter spouse social insurance number on page 1 of T1 as required by form T1032.");
        if (v(t1032, "is_transferor") != 0.0) {
            if (!nonZero(v(t1032, "split_amount")) && exceeds(v(t1032, "68026"), in.t1Value("13000")))
                in.add("Field 68026 of form T1032 cannot be greater than field 13000 of T1.");
            if (exceeds(v(t1032, "68040") - v(t1032, "68050"), in.t1Value("43700")))
                in.add("Field 43700 of T1 cannot be less than Field 68040 minus Field 68050 of form T1032.");
        }
    }
    if (const CTaxData_Form* t1206 = in.form(FormType::T1206)) {
        if (nonZero(v(t1206, "68330")) && exceeds(v(t1206, "68330"), in.t1Value("12000")))
            in.add("Field 68330 in form T1206 can NOT be greater than field 12000 of T1.");
        if (nonZero(v(t1206, "68340")) && exceeds(v(t1206, "68340"), in.t1Value("12010")))
            in.add("Field 68340 in form T1206 can NOT be greater than field 12010 of T1.");
        if (exceeds(v(t1206, "68360"), in.t1Value("23200")))
            in.add("Field 68360 of form T1206 cannot be greater than field 23200 of T1.");
    }
}

// ---- Rules 80 to 93: minimum tax, RESP income, tax shelters.
void minimumTaxRules(RuleInputs& in)
{
    const CTaxData_Form* t691 = in.form(FormType::T691);
    const bool rental = in.hasRentalIncome();
    if (!t691) {
        if (nonZero(in.t1Value("67820")) && in.t1AllZero({"22100", "23200"}))
            in.add("Claiming supporting field 67820 requires an amount at field 22100 or 23200 of form T1.");
        if (nonZero(in.t1Value("67830")) && !rental)
            in.add("Claiming supporting field 67830 requires an amount at line 12600 of T1.");
        if (nonZero(in.t1Value("67840")) && in.t1AllZero({"12200", "22100", "23200"}))
            in.add("Claiming supporting field 67840 requires an amount at line 12200, 22100 or 23200 of T1.");
        if (nonZero(in.t1Value("67860")) && in.t1AllZero({"22100", "22400", "23200"}))
            in.add("Claiming supporting field 67860 requires an amount at line 22100, 22400 or 23200 of T1.");
    } else {
        if (nonZero(v(t691, "67820")) && in.t1AllZero({"22100", "23200"}))
            in.add("Field 67820 of form T691 requires an entry at field 22100 or 23200 of T1.");
        if (nonZero(v(t691, "67830")) && !rental)
            in.add("You cannot enter an amount at line 6783 in T691 while there is no amount claimed at line 126 in "
                   "T1.");
        if (nonZero(v(t691, "67840")) && in.t1AllZero({"12200", "22100", "23200"}))
            in.add("You cannot enter an amount at line 6784 in T691 while there is no amount claimed at line 122, 221 "
                   "or 232 in T1.");
        if (nonZero(v(t691, "67860")) && in.t1AllZero({"22100", "22400", "23200"}))
            in.add("You cannot enter an amount at line 6786 in T691 while there is no amount claimed at line 221, 224 "
                   "or 232 in T1.");
        if (exceeds(in.t1Value("67820"), v(t691, "67820")))
            in.add("Supporting field 67820 for field 22100 or 23200 of T1 is entered, however the full amount of field "
                   "6782 is NOT entered in Alternative Minimum Tax form T691.");
        if (exceeds(in.t1Value("67830"), v(t691, "67830")))
            in.add("Supporting field 67830 for field 12600 of T1 is entered, however the full amount of field 6783 is "
                   "NOT entered in Alternative Minimum Tax form T691.");
        if (exceeds(in.t1Value("67840"), v(t691, "67840")))
            in.add("Supporting field 67840 for field 12200, 22100 or 23200 of T1 is entered, however the full amount "
                   "of field 6784 is NOT entered in Alternative Minimum Tax form T691.");
        if (exceeds(in.t1Value("67860"), v(t691, "67860")))
            in.add("Supporting field 6786 for field 221, 224 or 232 is entered in T1 return, however the full amount "
                   "of field 6786 is NOT entered in Alternative Minimum Tax form T691.");
    }
    if (const CTaxData_Form* t1172 = in.form(FormType::T1172))
        if (exceeds(v(t1172, "68270") + v(t1172, "68280"), in.t1Value("13000")))
            in.add("Field 68270 and field 68280 in form T1172 cannot be greater than field 13000 of T1.");
    if (const CTaxData_Form* t5004 = in.form(FormType::T5004))
        if (exceeds(in.t1Value("67650"), v(t5004, "67650")))
            in.add("The supporting field 67650 is claimed for box 11 of T5003 slip, or for field 22400, 23200 of form "
                   "T1, or in form T5013, T776, T1163, T2042, T2124, T2121. Please also enter the full amount of field "
                   "6765 in form T5004.");
}

// ---- Rules 94 to 101: fishing, work expenses, farming, self-employment.
void selfEmploymentRules(RuleInputs& in)
{
    if (in.count(FormType::T2121) >= 1) {
        double withheld = 0.0;
        for (const STRUCT_FORMDATA_ITEM_2004* item : in.person.forms())
            if (item->formType == 51) withheld += v(item->object, "5345");
        if (in.totals.t4fTaxDeducted > 0 && !nonZero(withheld))
            in.add("You reported income tax deducted in T4F tax slip, however, you didn't enter box 14 of the T4F slip "
                   "as supporting field 5345 income with tax withheld at the bottom on page 1 of form T2121.");
    }
    if (in.t1 && in.t1->getInt("fishing_t4_slip") == 0 && in.count(FormType::T2121) == 0)
        in.add("You added fishing related T4 slip in tax return, you also need to add form T2121 to report the details "
               "of fishing activity.");
    if (in.form(FormType::T929) && !nonZero(in.t1Value("31600")))
        in.add("Form T929 can be included in the tax return only when disability amount is claimed on field 316 of "
               "Schedule 1.");
    if ((in.count(FormType::T777) > 0 || in.count(FormType::T777S) > 0 || in.count(FormType::TL2) > 0) && !nonZero(in.t1Value("22900")))
        in.add("Please remove form T777/T777S or TL2 from the tax return, because there is no work expense claimed on "
               "line 22900 of T1.");

    // One walk: each T1163's farm province, and the T2125 forms with
    // placement-agency income.
    const int home = in.t1 ? in.t1->getMainTaxProvince() : in.person.getMainProvince();
    int placement = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : in.person.forms()) {
        if (item->formType == 15 && int(v(item->object, "farm_province")) != home)
            in.add("The province of main farmstead is not same as residence province on Dec. 31.");
        if ((item->formType == 125 || item->formType == 131) && v(item->object, "has_placement_agency_income") != 0.0)
            ++placement;
    }
    if (placement > 0 && in.slipCount(SlipType::T4) == 0) in.add("There is no [%s] tax slip in the return.", "T4");
    if (placement == 0 && nonZero(in.totals.t4PlacementAgencyIncome))
        in.add("You claimed placement agency income in T4 slip; however, you didn't report the income in any "
               "self-employment business form.");
    if (in.count(FormType::T2125) == 0 && in.totals.t1204Slips >= 1)
        in.add("Tax form %s is needed because %s.", "T2125", "tax slip T1204 is entered into tax return");
}

} // namespace

void applyReturnRules(RuleInputs& in)
{
    slipRules(in);            // 1-3
    efileRules(in);           // 4-6
    identityRules(in);        // 7-13
    creditRules(in);          // 14-28
    provincialRules(in);      // 29
    investmentRules(in);      // 30-50
    workersBenefitRules(in);  // 51-56
    rrspRules(in);            // 57-62
    cppAndBankruptcyRules(in); // 63-72
    splitRules(in);           // 73-79
    minimumTaxRules(in);      // 80-93
    selfEmploymentRules(in);  // 94-101
}
