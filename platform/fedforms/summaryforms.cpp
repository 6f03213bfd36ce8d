#include "summaryforms.h"

#include <cmath>

#include "federal2021.h"
#include "formtypes.h"
#include "summaryforms_layouts.h"

namespace {

// The lines of the 2021 T1159 follow the T1's numbering.
const FieldSpec kT1159Fields[] = {
    // ---- identification
    QM_STR("first_name"),
    QM_STR("initial"),
    QM_STR("last_name"),
    QM_STR("sin"),                      // or the individual tax number
    QM_DATE("birth_date"),
    QM_STR("country_of_residence"),
    QM_STR("mailing_care_of"),
    QM_STR("mailing_address"),
    QM_STR("mailing_city"),
    QM_STR("mailing_province"),         // province, state or region
    QM_STR("mailing_postal_code"),
    QM_STR("mailing_country"),
    QM_STR("email"),
    QM_INT("language"),                 // 0 English, 1 French
    QM_STR("agent_name"),               // the agent who withheld the non-resident tax
    QM_STR("agent_nr_account_number"),
    QM_BOOL("nr6_filed"),               // the agent filed an NR6 undertaking for 2021
    QM_STR("preparer_name"),
    QM_STR("preparer_phone"),

    // ---- the NR4 slips for the rents
    QM_ROWS("nr4_slips.#.payer_name", CField::String, 10),
    QM_AMT_ROWS("nr4_slips.#.gross_rent", 10),
    QM_AMT_ROWS("nr4_slips.#.tax_withheld", 10),

    // ---- income
    QM_CALC("12599"),                   // gross rental income (T776)
    QM_CALC("12600"),                   // net rental income (T776)
    QM_CALC("cca_claimed"),             // capital cost allowance of all the T776 statements
    QM_AMT("partnership_rental_income"),
    QM_AMT("timber_royalties"),
    QM_CALC("15000"),                   // total income
    QM_AMT("23200"),                    // other deductions
    QM_CALC("23600"),                   // net income
    QM_AMT("25200"),                    // non-capital losses of other years
    QM_CALC("26000"),                   // taxable income

    // ---- tax
    QM_CALC("federal_tax_on_taxable_income"),
    QM_CALC("42900"),                   // basic federal tax
    QM_CALC("non_resident_surtax"),     // 48% of basic federal tax
    QM_CALC("42000"),                   // net federal tax
    QM_CALC("43500"),                   // total payable
    QM_CALC("43700"),                   // non-resident tax withheld (NR4 slips)
    QM_AMT("47600"),                    // tax paid by instalments
    QM_CALC("48200"),                   // total credits
    QM_CALC("48400"),                   // refund
    QM_CALC("48500"),                   // balance owing
};

const FieldSpec kT1KSFields[] = {
    // ---- identity
    QM_STR("full_name"),
    QM_STR("sin"),
    QM_DATE("birth_date"),
    QM_STR("address"),                  // without the postal code
    QM_STR("postal_code"),
    QM_INT_INIT("marital_status", "-1"),
    QM_INT("province"),                 // of residence on December 31
    QM_STR("spouse_full_name"),
    QM_STR("spouse_sin"),
    QM_DATE("spouse_birth_date"),
    QM_CALC("spouse_net_income"),

    // ---- the return's key lines
    QM_CALC("15000"),                   // total income
    QM_CALC("23600"),                   // net income
    QM_CALC("26000"),                   // taxable income
    QM_CALC("35000"),                   // total federal non-refundable tax credits
    QM_CALC("42000"),                   // net federal tax
    QM_CALC("42800"),                   // provincial or territorial tax
    QM_CALC("43700"),                   // total income tax deducted
    QM_CALC("48200"),                   // total credits
    QM_CALC("48400"),                   // refund
    QM_CALC("48500"),                   // balance owing
    QM_CALC("refund_or_balance"),       // above 0 a balance owing, below 0 a refund
    QM_CALC("rrsp_deduction_limit_next_year"),

    // ---- benefit estimates for the benefit year the return sets
    QM_STR("tax_year"),
    QM_STR("benefit_year"),
    QM_DATE("prepared_date"),
    QM_CALC("adjusted_net_income"),
    QM_CALC("spouse_adjusted_net_income"),
    QM_CALC("adjusted_family_net_income"),
    QM_CALC("ccb_estimate"),            // Canada child benefit, for the year
    QM_CALC("ccb_per_month"),
    QM_CALC("gst_hst_credit_estimate"), // GST/HST credit, for the year
    QM_CALC("gst_hst_credit_per_quarter"),
    QM_CALC("climate_action_incentive"),
    QM_CALC("climate_action_incentive_per_quarter"),
    QM_ROWS("provincial_benefits.#.name", CField::String, 6),
    FieldSpec{"provincial_benefits.#.amount", CField::Float, nullptr, 6, CField::Calculated},
    QM_CALC("provincial_benefits_total"),
    QM_CALC_INT("children_under_6"),
    QM_CALC_INT("children_6_to_17"),
    QM_CALC_INT("infirm_children_under_18"),
    // The estimates of a couple both eligible are made once, by the spouse
    // with the higher adjusted net income. In a return filed without the
    // spouse's, this person makes them when its income is the higher; the
    // switch turns that round.
    QM_BOOL("higher_income_spouse_claims"),
    QM_STR("shared_note"),              // text shared by both spouses' returns
};

} // namespace

TaxData_T1159::TaxData_T1159() : TableForm(FROM_FORM, FormType::T1159, {fieldTable(kT1159Fields)}, {kT1159Layout}) {}

int TaxData_T1159::Calculate01(int)
{
    // Surtax on the basic federal tax of a non-resident (T1159 line 43).
    using Federal2021::kNonResidentSurtaxRate;
    const double total = getFloat("12600") + getFloat("partnership_rental_income") + getFloat("timber_royalties");
    setFloat("15000", total);
    setFloat("23600", total - getFloat("23200"));
    const double taxable = qMax(0.0, getFloat("23600") - getFloat("25200"));
    setFloat("26000", taxable);
    const double tax = Federal2021::taxOnTaxableIncome(taxable);
    setFloat("federal_tax_on_taxable_income", tax);
    setFloat("42900", tax);
    const double surtax = Federal2021::roundToCents(tax * kNonResidentSurtaxRate);
    setFloat("non_resident_surtax", surtax);
    setFloat("42000", tax + surtax);
    setFloat("43500", tax + surtax);
    double withheld = 0.0;
    for (int row = 1; row <= 10; ++row) withheld += getFloat(rowField("nr4_slips.#.tax_withheld", row));
    setFloat("43700", withheld);
    const double credits = withheld + getFloat("47600");
    setFloat("48200", credits);
    const double owing = getFloat("43500") - credits;
    setFloat("48400", owing < 0.0 ? -owing : 0.0);
    setFloat("48500", owing > 0.0 ? owing : 0.0);
    return 0;
}

bool TaxData_T1159::getFedAmountClaimed(int number, double& value) const
{
    switch (number) {
    case 150: value = getFloat("15000"); return true;
    case 236: value = getFloat("23600"); return true;
    case 260: value = getFloat("26000"); return true;
    case 484: value = getFloat("48400"); return true;
    case 485: value = getFloat("48500"); return true;
    case 483: {
        const double due = getFloat("48500");
        // 0.0 - refund rather than -refund: no refund must read 0, not -0.
        value = due >= CFloatField::kTolerance ? due : 0.0 - getFloat("48400");
        return true;
    }
    default: return false;
    }
}

bool TaxData_T1159::getFedStringClaimed(int number, CString& value) const
{
    switch (number) {
    case 1: value = getString("sin"); return true;
    case 11: value = getString("first_name"); return true;
    case 12: value = getString("last_name"); return true;
    case 17: {
        CString first = getString("first_name"), last = getString("last_name");
        first.Trim();
        last.Trim();
        value = first;
        if (!first.IsEmpty() && !last.IsEmpty()) value += " ";
        value += last;
        return true;
    }
    default: return false;
    }
}

TaxData_T1KSNew::TaxData_T1KSNew(int type) : TableForm(FROM_FORM, type, {fieldTable(kT1KSFields)}, {kT1KSLayout}) {}

TaxData_T1KSNew& TaxData_T1KSNew::operator=(const TaxData_T1KSNew& other)
{
    // Field by field: the copy keeps its own type, unlike CopyFrom, which
    // refuses an object of another type.
    if (&other != this) m_fields.copyValuesFrom(other.m_fields);
    return *this;
}

namespace {

// What the summary takes from the T1.
const char* const kT1PartFields[] = {
    "full_name", "sin", "birth_date", "address", "postal_code", "marital_status", "province",
    "spouse_full_name", "spouse_sin", "spouse_birth_date", "spouse_net_income",
    "15000", "23600", "26000", "35000", "42000", "42800", "43700", "48200", "48400", "48500",
    "refund_or_balance", "rrsp_deduction_limit_next_year",
};

} // namespace

void TaxData_T1KSNew::resetT1Part()
{
    for (const char* name : kT1PartFields)
        if (CField* f = field(name)) f->Reset();
}

int TaxData_T1KSNew::Calculate01()
{
    // A 2021 return sets the benefits paid from July 2022 to June 2023.
    setString("benefit_year", "July 2022 to June 2023");
    setFloat("adjusted_family_net_income", getFloat("adjusted_net_income") + getFloat("spouse_adjusted_net_income"));
    setFloat("refund_or_balance", getFloat("48500") - getFloat("48400"));
    // The child benefit is paid monthly, the credits quarterly.
    setFloat("ccb_per_month", roundToCents(getFloat("ccb_estimate") / 12.0));
    setFloat("gst_hst_credit_per_quarter", roundToCents(getFloat("gst_hst_credit_estimate") / 4.0));
    setFloat("climate_action_incentive_per_quarter", roundToCents(getFloat("climate_action_incentive") / 4.0));
    double provincial = 0.0;
    for (int row = 1; row <= 6; ++row) provincial += getFloat(rowField("provincial_benefits.#.amount", row));
    setFloat("provincial_benefits_total", provincial);
    return 0;
}
