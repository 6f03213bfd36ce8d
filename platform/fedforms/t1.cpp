#include "t1.h"

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
    QM_BOOL("is_bankrupt"),
    QM_DATE("date_of_bankruptcy"),
    QM_STR("spouse_first_name"),
    QM_STR("spouse_last_name"),
    QM_STR("spouse_sin"),
    QM_DATE("spouse_birth_date"),
    QM_AMT("spouse_net_income"),        // the spouse's line 23600
    QM_AMT("spouse_uccb"),              // the spouse's line 11700
    QM_AMT("spouse_uccb_repayment"),    // the spouse's line 21300
    QM_BOOL("spouse_self_employed"),
    QM_BOOL("spouse_claim_off"),        // the spouse amount is not claimed
    QM_BOOL("elections_canada_citizen"),
    QM_BOOL("elections_canada_consent"),
    QM_BOOL("foreign_property_over_100k"),
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
    // Filled by the provincial library: its non-refundable credits.
    QM_CALC("provincial_credits"),
};

} // namespace

TaxData_T1New::TaxData_T1New() : TableForm(FROM_FORM, 1, {fieldTable(kT1IdentityFields), kT1LineFields}) {}

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
