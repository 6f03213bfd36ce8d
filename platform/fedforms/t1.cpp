#include "t1.h"

#include <cmath>

#include <QRegularExpression>

#include "federal2021.h"
#include "formtypes.h"
#include "t1_layouts.h"
#include "utils.h"

namespace {

const FieldSpec kT1IdentityFields[] = {
    QM_STR("first_name"),
    QM_STR("initial"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_DATE("birth_date"),
    QM_INT_INIT("marital_status", "-1"),
    QM_INT("language"),                 // 0 English, 1 French
    QM_STR("email"),
    QM_STR("home_phone"),
    QM_STR("mailing_care_of"),
    QM_STR("mailing_address"),
    QM_STR("mailing_po_box"),
    QM_STR("mailing_rr"),
    QM_STR("mailing_city"),
    QM_STR("mailing_province"),         // two-letter code
    QM_STR("mailing_postal_code"),
    QM_STR("mailing_country"),
    QM_INT("province"),                 // province of residence on December 31
    QM_STR("province_text"),
    QM_INT("province_of_self_employment"),
    QM_DATE("date_of_entry"),
    QM_DATE("date_of_departure"),
    QM_DATE("date_of_death"),
    QM_DATE("date_of_marital_change"),
    QM_DATE("cpp_end_date"),            // the day pension-plan contributions stopped (a pension started, say)
    QM_BOOL("is_bankrupt"),
    QM_DATE("date_of_bankruptcy"),
    QM_STR("spouse_first_name"),
    QM_STR("spouse_last_name"),
    QM_STR("spouse_sin"),
    QM_DATE("spouse_birth_date"),
    QM_DATE("spouse_date_of_entry"),    // the spouse's date of entry into Canada
    QM_SIGNED("spouse_net_income"),        // the spouse's line 23600
    QM_SIGNED("spouse_uccb"),              // the spouse's line 11700
    QM_SIGNED("spouse_uccb_repayment"),    // the spouse's line 21300
    QM_SIGNED("spouse_rdsp_income"),       // the spouse's line 12500
    QM_SIGNED("spouse_rdsp_repayment"),    // the spouse's RDSP income repayment (part of their line 23200)
    QM_SIGNED("spouse_taxable_income"),    // the spouse's line 26000
    QM_SIGNED("spouse_total_income"),      // the spouse's line 15000
    QM_SIGNED("spouse_split_income"),      // the spouse's split income (their T1206)
    QM_SIGNED("spouse_social_benefits_repayment"),  // the spouse's line 23500
    QM_SIGNED("spouse_working_income"),    // the spouse's employment income (lines 10100 and 10400)
    // Amounts from spousal or common-law partner plans (T2205), filled by the
    // coupled exchange: the income adjustment, and the pension amounts by age.
    QM_CALC("spousal_plan_income_adjustment"),
    QM_CALC("spousal_plan_pension_under_65"),
    QM_CALC("spousal_plan_pension_65_or_over"),
    // The spouse cannot receive the benefits the return estimates (a
    // non-resident spouse, say); read when the spouse's return is not in this file.
    QM_BOOL("spouse_benefit_ineligible"),
    QM_BOOL("spouse_self_employed"),
    QM_BOOL("spouse_claim_off"),        // the spouse amount is not claimed
    QM_ANSWER("elections_canada_citizen"),
    QM_ANSWER("elections_canada_consent"),
    QM_ANSWER("foreign_property_over_100k"),
    QM_BOOL("sch14_marker"),
    QM_BOOL("refile"),                  // an amended return (ReFILE)
    QM_BOOL("multi_year_filing"),       // several years filed together
    QM_INT("filing_status"),
    QM_STR("filing_confirmation"),
    QM_STR("filing_time"),
    QM_INT("status_value"),
    QM_STR("preparer_name"),
    QM_STR("preparer_efile_number"),
    QM_STR("preparer_discounter_code"),
    QM_STR("preparer_phone"),
    QM_STR("preparer_address"),
    QM_STR("preparer_city"),            // "City, PR A1A 1A1"
    // The new-return interview's general answers (0 no, 1 yes).
    QM_INT("q_employment"),
    QM_INT("q_self_employed"),
    QM_INT("q_investment"),
    QM_INT("q_pension"),
    QM_INT("q_rrsp"),
    // Amounts carried forward from earlier years (the 2020 notice of
    // assessment), as last year's interview gives them.
    QM_AMT("carryforward_rrsp_unused_contributions"),
    QM_AMT("carryforward_rrsp_deduction_limit"),
    QM_AMT("carryforward_hbp_balance"),
    QM_AMT("carryforward_llp_balance"),
    QM_AMT("carryforward_unused_tuition_federal"),
    QM_AMT("carryforward_unused_tuition_provincial"),
    QM_AMT("carryforward_t1212_deferred"),
    QM_AMT("carryforward_net_capital_losses"),
    QM_AMT("carryforward_capital_gains_deduction_used"),
    QM_AMT("carryforward_non_capital_losses"),
    QM_AMT("carryforward_cnil"),
    // Moving expenses left over on last year's T1-M (the import writes them).
    QM_AMT("carryforward_moving_expenses"),
    // The medical expenses behind lines 33099 and 33199, as the medical
    // interview gives them; the patient by CWizData_MedExp::Patient.
    QM_ROWS("medical_expenses.#.patient", CField::Int, 30),
    QM_ROWS("medical_expenses.#.description", CField::String, 30),
    QM_ROWS("medical_expenses.#.date", CField::Date, 30),
    QM_AMT_ROWS("medical_expenses.#.amount", 30),
    // A couple's joint interest and capital gains given to this spouse (or
    // taken away) by the optimiser, beside what the person's own slips show.
    QM_SIGNED("shared_interest"),
    QM_SIGNED("shared_capital_gains"),
    // What-if amounts of the tax-planning copy, added to lines 13000 and
    // 23200 beside what the user typed there.
    QM_SIGNED("planned_income"),
    QM_SIGNED("planned_deduction"),
    // Filled by the provincial library: its non-refundable credits.
    QM_CALC("provincial_credits"),
    QM_INT("online_mail"),              // 1: registers for the agency's online mail with the email address
    QM_BOOL("restricted_farm_loss"),    // farming is not the chief source of income: the loss is restricted

    // ---- Filled by the calculation from the slips and the other forms.
    QM_CALC_INT("cpp_form_kind"),   // 0 none, 1 Schedule 8, 2 RC381
    // The slips hold income exempt under the Indian Act (Form T90).
    QM_CALC_INT("indian_act_exempt_income"),
    // The direct deposit request's account (Form T1DD(1)).
    FieldSpec{"deposit_institution", CField::String, nullptr, 0, CField::Calculated},
    FieldSpec{"deposit_branch", CField::String, nullptr, 0, CField::Calculated},
    FieldSpec{"deposit_account", CField::String, nullptr, 0, CField::Calculated},
    // Dependants: infirm and 18 or older, children under 19, all infirm.
    QM_CALC_INT("dependants_infirm_18_or_older"),
    QM_CALC_INT("dependants_children_0_to_18"),
    QM_CALC_INT("dependants_children_under_18"),
    QM_CALC_INT("dependants_infirm"),
    // The months of full-time and part-time enrolment on the T2202 slips
    // (boxes 25 and 24), which the provinces that kept an education amount
    // count on their S11.
    QM_CALC("t2202_months_part_time"),
    QM_CALC("t2202_months_full_time"),
    QM_CALC("t2202_tuition_fees"),
    // Employee CPP/QPP contributions, EI and PPIP premiums and the earnings
    // they were paid on, from the T4 slips (pensionable earnings: box 26,
    // else box 14; insurable earnings: box 24, else box 14).
    QM_CALC("cpp_contributions_paid"),      // box 16
    QM_CALC("qpp_contributions_paid"),      // box 17
    QM_CALC("cpp_pensionable_earnings"),    // slips of employment outside Quebec, or with CPP contributions
    QM_CALC("qpp_pensionable_earnings"),    // slips of Quebec employment without CPP contributions
    QM_CALC("ei_premiums_paid"),            // box 18
    QM_CALC("ei_insurable_earnings"),
    QM_CALC("ppip_premiums_paid"),          // box 55
    QM_CALC("ppip_insurable_earnings"),     // box 56
    QM_CALC("uccb_repaid"),                 // RC62 box 11: the UCCB repayment of line 21300
    QM_CALC("farming_total"),               // net farming income (loss) before the restricted farm loss
    FieldSpec{"partnership_income_description", CField::String, nullptr, 0, CField::Calculated},   // of line 12200
    // Slip amounts beside the lines a user may also type (step 2 adds them).
    QM_CALC("10400_slips"),
    QM_CALC("13000_slips"),
    QM_CALC("13010_slips"),
    QM_CALC("21699_slips"),
    QM_CALC("23200_slips"),
    QM_CALC("23210_slips"),

    // ---- What checking and filing the return read (answers: QM_ANSWER).
    QM_STR("netfile_access_code"),      // the agency's NETFILE access code
    QM_ANSWER("filed_before"),          // the person has filed a return before
    QM_ANSWER("info_changed"),          // question 4: identification changed since the last return
    QM_ANSWER("name_changed"),
    QM_ANSWER("home_same_as_mailing"),
    QM_ANSWER("foreign_address"),       // the home address is outside Canada
    QM_ANSWER("non_canadian_mailing"),  // the mailing address is outside Canada
    QM_INT("current_province"),         // the province of residence today, ENUMTYPE_PROVINCE
    QM_DATE("date_of_move"),            // the day of the move to that province
    QM_DATE("autofill_request_date"),   // the last auto-fill of this return
    QM_ANSWER("land_residence"),        // resides on self-government or treaty land
    QM_ANSWER("first_nation"),
    QM_STR("first_nation_code"),
    QM_ANSWER("tlicho"),                // a Tlicho citizen
    QM_ANSWER("deline"),                // a Deline citizen
    QM_STR("yukon_settlement_number"),  // the Yukon First Nation settlement
    QM_ANSWER("deceased_beneficiary_election"),
    QM_ANSWER("post_bankrupt"),         // a return for the months after a bankruptcy
    QM_SIGNED("post_bankrupt_net_income"),
    QM_SIGNED("post_bankrupt_adjusted_net_income"),
    QM_ANSWER("fiscal_period_revocation"),
    // Supporting amounts, by the agency's field codes.
    QM_AMT("5354"),                     // limited-partnership losses of other years
    QM_AMT("5365"),
    // Self-employment income counted in working income (Canada workers
    // benefit, refundable medical expense supplement) that lines 13500 to
    // 14300 do not show: a partnership's, say.
    QM_CALC("55320"),
    QM_AMT("67650"),                    // tax-shelter amounts of T5004
    QM_AMT("67820"),                    // minimum-tax adjustments behind lines 22100 and 23200 ...
    QM_AMT("67830"),                    // ... line 12600
    QM_AMT("67840"),                    // ... lines 12200, 22100, 23200
    QM_AMT("67860"),                    // ... lines 22100, 22400, 23200
    QM_AMT("67890"),
    QM_AMT("68080"),                    // CNIL: investment expenses
    QM_AMT("68100"),                    // CNIL: investment income
    QM_AMT("68110"),
    QM_AMT("68150"),                    // T3 box 21 capital gains behind CNIL
    QM_ANSWER("tax_beneficiary_of_deceased"),
    QM_AMT("52080"),                    // the beneficiary amount
    QM_AMT("min_hbp_repayment"),        // last year's notice of assessment
    QM_AMT("min_llp_repayment"),
    // The HBP and LLP repayments not made that the person includes in
    // income: parts of line 12900. The HBP's is the required repayment less
    // the one Schedule 7 designates.
    QM_CALC("12900_hbp"),
    QM_AMT("12900_llp"),
    QM_ANSWER("fishing_t4_slip"),       // a T4 slip of fishing employment is in the return
    // Amounts and indicators of the agency's test returns.
    QM_AMT("test_55220"),
    QM_INT("test_55220_indicator"),
    QM_INT("test_55320_indicator"),
    QM_INT("test_55300_indicator"),
    QM_AMT("test_49000"),
    QM_INT("test_49000_indicator"),
};

} // namespace

TaxData_T1New::TaxData_T1New()
    : TableForm(FROM_FORM, FormType::T1, {fieldTable(kT1IdentityFields), kT1LineFields},
                {kT1Step1Layout, kT1Step2Layout, kT1Step3Layout, kT1Step4Layout, kT1Step5Layout, kT1Step6Layout,
                 kT1OtherLayout})
{
}

void TaxData_T1New::CarryToNewYear(bool withData)
{
    TableForm::CarryToNewYear(withData);
    // Last year's filing belongs to last year's return, whatever else carries.
    for (const char* name : {"refile", "multi_year_filing", "filing_status", "filing_confirmation", "filing_time",
                             "status_value"})
        if (CField* f = field(name)) f->Reset();
}

namespace {

// A Canadian postal code written "A1A 1A1" (one blank, or none).
bool isPostalCode(CString text)
{
    text.Trim();
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z][0-9][A-Za-z] ?[0-9][A-Za-z][0-9]$"));
    return pattern.match(QString::fromUtf8(text.c_str())).hasMatch();
}

bool isBlank(CString text)
{
    text.Trim();
    return text.IsEmpty();
}

} // namespace

const char* const TaxData_T1New::kBirthDateText = "The date of birth must be between 1900-01-01 and 2021-12-31.";

bool TaxData_T1New::isPossibleBirthDate(const QDate& date)
{
    return date >= QDate(1900, 1, 1) && date <= QDate(kTaxYear, 12, 31);
}

bool TaxData_T1New::AcceptsValue(const CField& field, const QVariant& value, CString* why) const
{
    if (field.GetType() != CField::Date) return TableForm::AcceptsValue(field, value, why);
    const QDate date = value.toDate();
    if (!date.isValid()) return true;   // no date given: Validate asks for the ones needed
    const CString& name = field.GetName();
    const char* refusal = nullptr;
    if (name == "birth_date") {
        const QDate death = getDate("date_of_death");
        if (!isPossibleBirthDate(date))
            refusal = "The date of birth on page 1 of T1 must be between 1900-01-01 and 2021-12-31.";
        else if (death.isValid() && death < date)
            refusal = "The date of birth on page 1 of T1 cannot be after the date of death.";
    } else if (name == "spouse_birth_date") {
        if (!isPossibleBirthDate(date))
            refusal = "Your spouse's date of birth on page 1 of T1 must be between 1900-01-01 and 2021-12-31.";
    } else if (name == "date_of_death") {
        const QDate birth = getDate("birth_date");
        if (date.year() != kTaxYear || (birth.isValid() && date < birth))
            refusal = "The date of death on page 1 of T1 must be in 2021 and not before the date of birth.";
    }
    if (!refusal) return true;
    if (why) *why = refusal;
    return false;
}

int TaxData_T1New::Validate(unsigned char, std::list<CString>& messages)
{
    const size_t before = messages.size();
    const CString sin = sinDigits(getString("sin"));
    if (sin.IsEmpty() || !CheckSIN(sin.c_str()))
        messages.push_back("Please enter a valid social insurance number on page 1 of T1.");
    if (isBlank(getString("first_name"))) messages.push_back("Please enter the first name on page 1 of T1.");
    if (isBlank(getString("last_name"))) messages.push_back("Please enter the last name on page 1 of T1.");
    if (!getDate("birth_date").isValid()) messages.push_back("Please enter the date of birth on page 1 of T1.");
    if (getInt("province") == PROV_NONE)
        messages.push_back("Please select the province or territory of residence on December 31, 2021 on page 1 of T1.");
    if (getInt("marital_status") == MARITAL_NONE)
        messages.push_back("Please select the marital status on December 31, 2021 on page 1 of T1.");
    if (getInt("non_canadian_mailing") != 0) {
        if (isBlank(getString("mailing_address")) && isBlank(getString("mailing_po_box"))
            && isBlank(getString("mailing_rr")))
            messages.push_back("Please enter the street address of the mailing address on page 1 of T1.");
        if (isBlank(getString("mailing_city")))
            messages.push_back("Please enter the city of the mailing address on page 1 of T1.");
        if (isBlank(getString("mailing_province")))
            messages.push_back("Please enter the province of the mailing address on page 1 of T1.");
        if (!isPostalCode(getString("mailing_postal_code")))
            messages.push_back("Please enter the postal code of the mailing address as A1A 1A1 on page 1 of T1.");
    }
    return messages.size() != before ? 1 : 0;
}

int TaxData_T1New::GetAge() const
{
    const QDate birth = getDate("birth_date");
    if (!birth.isValid() || birth.year() > kTaxYear) return 0;
    return kTaxYear - birth.year();
}

int TaxData_T1New::GetBirthMonth() const
{
    const QDate birth = getDate("birth_date");
    return birth.isValid() ? birth.month() : 0;
}

bool TaxData_T1New::HasSpouse() const
{
    const int status = getInt("marital_status");
    return status == MARITAL_MARRIED || status == MARITAL_COMMON_LAW;
}

bool TaxData_T1New::IsWidowedInTaxYear() const
{
    return getInt("marital_status") == MARITAL_WIDOWED && getDate("date_of_marital_change").year() == kTaxYear;
}

bool TaxData_T1New::CanClaimSpouse() const
{
    return HasSpouse() && !getBool("spouse_claim_off");
}

bool TaxData_T1New::isEligibleForSch14() const
{
    const int province = getInt("province");
    const bool paidThere = province == PROV_AB || province == PROV_SK || province == PROV_MB || province == PROV_ON;
    return paidThere && (GetAge() >= 18 || HasSpouse());
}

bool TaxData_T1New::IsNonRefTaxCreditAllUsed() const
{
    // Schedule 1: the credits (line 35000) against the tax on taxable income (line 40400).
    return getFloat("35000") <= getFloat("40400") + CFloatField::kTolerance;
}

void TaxData_T1New::ConstructFullName(CString& out) const
{
    CString first = getString("first_name"), last = getString("last_name");
    first.Trim();
    last.Trim();
    out = first;
    if (!first.IsEmpty() && !last.IsEmpty()) out += " ";
    out += last;
}

void TaxData_T1New::SyncWithSpouseMailingAddr(const TaxData_T1New* from)
{
    if (!from || from == this) return;
    for (const char* name : {"mailing_care_of", "mailing_address", "mailing_po_box", "mailing_rr", "mailing_city",
                             "mailing_province", "mailing_postal_code", "mailing_country", "home_phone"})
        setString(name, from->getString(name));
}

int TaxData_T1New::GetSpouseAge() const
{
    const QDate birth = getDate("spouse_birth_date");
    if (!birth.isValid() || birth.year() > kTaxYear) return 0;
    return kTaxYear - birth.year();
}

bool TaxData_T1New::IsImmigrant() const
{
    return getDate("date_of_entry").year() == kTaxYear;
}

bool TaxData_T1New::IsEmmigrant() const
{
    return getDate("date_of_departure").year() == kTaxYear;
}

bool TaxData_T1New::IsDeceasedForEfileReporting() const
{
    return getDate("date_of_death").year() == kTaxYear;
}

double TaxData_T1New::getSelfEmploymentIncomeWithoutLoss() const
{
    double sum = 0.0;
    for (const char* line : {"13500", "13700", "13900", "14100", "14300"})
        sum += qMax(0.0, getFloat(line));
    return sum;
}

int TaxData_T1New::GetIncomeThresholds(std::list<double>& thresholds) const
{
    for (int i = 0; i < Federal2021::kBrackets.count; ++i) thresholds.push_back(Federal2021::kBrackets.thresholds[i]);
    return Federal2021::kBrackets.count;
}

CString TaxData_T1New::GetFullAddressWithoutPostcode(int separator) const
{
    CString out;
    for (const char* name : {"mailing_care_of", "mailing_address", "mailing_po_box", "mailing_rr", "mailing_city",
                             "mailing_province"}) {
        CString part = getString(name);
        part.Trim();
        if (part.IsEmpty()) continue;
        if (!out.IsEmpty()) out += char(separator);
        out += part;
    }
    return out;
}

bool TaxData_T1New::canClaimT1032() const
{
    // The election is also made for the year the spouse died.
    return HasSpouse() || IsWidowedInTaxYear();
}

void TaxData_T1New::clearSpouseInfo()
{
    for (const char* name : {"spouse_net_income", "spouse_uccb", "spouse_uccb_repayment", "spouse_rdsp_income",
                             "spouse_rdsp_repayment", "spouse_taxable_income", "spouse_total_income",
                             "spouse_split_income", "spouse_social_benefits_repayment", "spouse_working_income"})
        setFloat(name, 0.0);
    setBool("spouse_self_employed", false);
}

void TaxData_T1New::CalculateLine213ByWorkSheet()
{
    setFloat("21300", 0.0);
    setFloat("21300", qMax(0.0, getFloat("uccb_repaid")));
}

bool TaxData_T1New::IsBankrupt() const
{
    return getBool("is_bankrupt");
}

bool TaxData_T1New::IsPostBankrupt() const
{
    return getInt("post_bankrupt") == 0;
}

bool TaxData_T1New::IsDeceased() const
{
    return getDate("date_of_death").year() == kTaxYear;
}

bool TaxData_T1New::HasSelfEmploymentIncome() const
{
    return getSelfEmploymentIncomeWithoutLoss() >= CFloatField::kTolerance;
}

bool TaxData_T1New::HasSelfEmploymentIncome2(int) const
{
    // A business, professional, commission, farming or fishing line in use,
    // a loss included.
    for (const char* line : {"13499", "13500", "13699", "13700", "13899", "13900", "14099", "14100", "14299", "14300"})
        if (std::fabs(getFloat(line)) >= CFloatField::kTolerance) return true;
    return false;
}

int TaxData_T1New::GetBankruptMonthsInTaxYear() const
{
    const QDate date = getDate("date_of_bankruptcy");
    if (!getBool("is_bankrupt") || !date.isValid() || date.year() != kTaxYear) return 0;
    // The months the return covers: those begun before the day of bankruptcy.
    return date.month() - 1 + (date.day() > 1 ? 1 : 0);
}

int TaxData_T1New::GetBankruptDaysInTaxYear() const
{
    const QDate date = getDate("date_of_bankruptcy");
    if (!getBool("is_bankrupt") || !date.isValid() || date.year() != kTaxYear) return 0;
    return date.dayOfYear() - 1;
}
