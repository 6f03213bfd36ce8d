// The interview pages and the note: questions in the order the interview
// asks them, amounts with the return's line they go to.

#include "wizards_layouts.h"

namespace {

#define QL_YES_NO(field, label) QL_CHOICE(field, nullptr, label, "1=Yes|0=No")

// The dependants record's relationship codes.
constexpr const char* kRelationships =
    "1=Child|2=Grandchild|3=Parent|4=Grandparent|5=Brother or sister|6=Aunt or uncle|7=Niece or nephew|8=Other";

const LayoutRow kGeneral[] = {
    QL_PAGE("General"),
    QL_SECTION("About you"),
    QL_CHOICE("marital_status", nullptr, "Your marital status on December 31, 2021",
              "0=Married|1=Living common-law|2=Widowed|3=Divorced|4=Separated|5=Single"),
    QL_PROVINCES("province", nullptr, "Province or territory of residence on December 31, 2021"),
    QL_SECTION("Your income in 2021"),
    QL_YES_NO("q_employment", "Did you have employment income?"),
    QL_YES_NO("q_self_employed", "Were you self-employed?"),
    QL_YES_NO("q_investment", "Did you have interest, dividends or other investment income?"),
    QL_YES_NO("q_pension", "Did you receive pension income?"),
    QL_YES_NO("q_rrsp", "Did you contribute to an RRSP or PRPP?"),
    QL_SECTION("Amounts for your return"),
    QL_LINE("other_employment_income", "10400", "Other employment income"),
    QL_LINE("instalments_paid", "47600", "Tax paid by instalments"),
    QL_LINE("political_contributions", "40900", "Total federal political contributions"),
    QL_LINE("donations_self", nullptr, "Your donations and gifts (Schedule 9)"),
    QL_LINE("donations_spouse", nullptr, "Your spouse's or common-law partner's donations claimed on your return"),
};

const LayoutRow kLastYear[] = {
    QL_PAGE("Last year's amounts"),
    QL_SECTION("From your 2020 notice of assessment"),
    QL_LINE("rrsp_deduction_limit", nullptr, "2021 RRSP deduction limit"),
    QL_LINE("rrsp_unused_contributions", nullptr, "Unused RRSP/PRPP contributions from previous years"),
    QL_LINE("hbp_balance", nullptr, "Home Buyers' Plan (HBP) balance to repay"),
    QL_LINE("llp_balance", nullptr, "Lifelong Learning Plan (LLP) balance to repay"),
    QL_LINE("unused_tuition_federal", nullptr, "Unused federal tuition, education, and textbook amounts"),
    QL_LINE("11001", nullptr, "Unused provincial or territorial tuition and education amounts"),
    QL_LINE("t1212_deferred", nullptr, "Deferred amounts of earlier years (Form T1212)"),
    QL_LINE("net_capital_losses", nullptr, "Net capital losses of other years"),
    QL_LINE("capital_gains_deduction_used", nullptr, "Capital gains deduction claimed in earlier years"),
    QL_LINE("non_capital_losses", nullptr, "Non-capital losses of other years"),
    QL_LINE("cnil", nullptr, "Cumulative net investment loss (CNIL)"),
};

const LayoutRow kDependants[] = {
    QL_PAGE("Dependants"),
    QL_TABLE("dependants", "Your dependants"),
    QL_COLUMN("dependants.#.first_name", "First name"),
    QL_COLUMN("dependants.#.last_name", "Last name"),
    QL_COLUMN("dependants.#.birth_date", "Date of birth"),
    QL_CHOICE_COLUMN("dependants.#.relationship", "Relationship",
                     kRelationships),
    QL_COLUMN("dependants.#.net_income", "Net income"),
    QL_CHOICE_COLUMN("dependants.#.infirm", "Infirm", "0=No|1=Yes"),
    QL_COLUMN("dependants.#.sin", "SIN"),
    QL_COLUMN("dependants.#.address", "Address"),
    QL_COUNT_COLUMN("dependants.#.months", "Months lived with you"),
};

const LayoutRow kMedExp[] = {
    QL_PAGE("Medical expenses"),
    QL_SECTION("Patients"),
    QL_LINE("first_name", nullptr, "Your first name"),
    QL_LINE("last_name", nullptr, "Your last name"),
    QL_LINE("birth_date", nullptr, "Your date of birth"),
    QL_LINE("spouse_first_name", nullptr, "Spouse's or common-law partner's first name"),
    QL_LINE("spouse_last_name", nullptr, "Spouse's or common-law partner's last name"),
    QL_LINE("spouse_birth_date", nullptr, "Spouse's or common-law partner's date of birth"),
    QL_LINE("dependant_first_name", nullptr, "Dependant's first name"),
    QL_LINE("dependant_last_name", nullptr, "Dependant's last name"),
    QL_LINE("dependant_birth_date", nullptr, "Dependant's date of birth"),
    QL_CHOICE("dependant_relationship", nullptr, "Dependant's relationship to you",
              kRelationships),
    QL_TABLE("expenses", "Medical expenses"),
    QL_CHOICE_COLUMN("expenses.#.patient", "Patient", "0=You|1=Spouse or partner|2=Dependant 1|3=Dependant 2|4=Dependant 3|5=Dependant 4|6=Dependant 5|"
                     "7=Dependant 6|8=Dependant 7|9=Dependant 8|10=Dependant 9|11=Dependant 10|12=Dependant 11|"
                     "13=Dependant 12"),
    QL_COLUMN("expenses.#.description", "Description"),
    QL_COLUMN("expenses.#.date", "Date"),
    QL_COLUMN("expenses.#.amount", "Amount"),
};

const LayoutRow kRRSPContrib[] = {
    QL_PAGE("RRSP contributions"),
    QL_TABLE("contributions", "Your RRSP and PRPP contribution receipts"),
    QL_COLUMN("contributions.#.issuer", "Issuer"),
    QL_COLUMN("contributions.#.amount", "Amount"),
    QL_CHOICE_COLUMN("contributions.#.period", "Paid",
                     "0=March 2 to December 31, 2021|1=January 1 to March 1, 2022"),
    QL_COLUMN("contributions.#.spousal", "Spousal plan"),
    QL_SECTION("For Schedule 7"),
    QL_LINE("contributions_2021", nullptr, "Contributions made from March 2 to December 31, 2021"),
    QL_LINE("contributions_2022", nullptr, "Contributions made from January 1 to March 1, 2022"),
    QL_LINE("hbp_repayment", nullptr, "Contributions designated as a repayment under the HBP"),
    QL_LINE("llp_repayment", nullptr, "Contributions designated as a repayment under the LLP"),
    QL_LINE("transfers", nullptr, "Transfers of eligible amounts"),
    QL_LINE("deduction_claimed", nullptr, "RRSP deduction you want to claim for 2021"),
    QL_ACTION("Go to Schedule 7", 1235, 7),
};

const LayoutRow kTaxNote[] = {
    QL_PAGE("Note"),
    QL_LINE("title", nullptr, "Title"),
    QL_LINE("date", nullptr, "Date"),
    QL_TEXT("text", "Note"),
};

#undef QL_YES_NO

} // namespace

const LayoutTable kGeneralLayout = layoutTable(kGeneral);
const LayoutTable kLastYearLayout = layoutTable(kLastYear);
const LayoutTable kDependantLayout = layoutTable(kDependants);
const LayoutTable kMedExpLayout = layoutTable(kMedExp);
const LayoutTable kRRSPContribLayout = layoutTable(kRRSPContrib);
const LayoutTable kTaxNoteLayout = layoutTable(kTaxNote);
