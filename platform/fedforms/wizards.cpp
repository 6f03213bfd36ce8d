#include "wizards.h"

#include "cents.h"
#include "formtypes.h"
#include "wizards_layouts.h"

namespace {

const FieldSpec kGeneralFields[] = {
    // Yes/no answers (0 no, 1 yes) that decide which forms the return starts with.
    QM_INT("q_employment"),
    QM_INT("q_self_employed"),
    QM_INT("q_investment"),
    QM_INT("q_pension"),
    QM_INT("q_rrsp"),
    QM_AMT("other_employment_income"),       // T1 line 10400
    QM_AMT("instalments_paid"),              // T1 line 47600
    // Schedule 9: gifts of the person and of the spouse claimed on this return.
    QM_AMT("donations_self"),
    QM_AMT("donations_spouse"),
    QM_AMT("political_contributions"),       // T1 line 40900
    QM_INT_INIT("marital_status", "-1"),     // the T1's MaritalStatus codes
    QM_INT("province"),                      // province of residence on December 31
};

const FieldSpec kLastYearFields[] = {
    // Schedule 7.
    QM_AMT("rrsp_unused_contributions"),     // unused RRSP/PRPP contributions from earlier years
    QM_AMT("rrsp_deduction_limit"),          // the 2021 RRSP deduction limit
    QM_AMT("hbp_balance"),                   // Home Buyers' Plan balance still to repay
    QM_AMT("llp_balance"),                   // Lifelong Learning Plan balance still to repay
    QM_AMT("unused_tuition_federal"),        // Schedule 11, unused federal tuition, education and textbook amounts
    QM_AMT("11001"),                         // provincial tuition carried forward, the provincial library's code
    QM_AMT("t1212_deferred"),                // T1212 deferred amounts of earlier years
    QM_AMT("net_capital_losses"),            // net capital losses of other years
    QM_AMT("capital_gains_deduction_used"),  // capital gains deduction claimed in earlier years
    QM_AMT("non_capital_losses"),            // non-capital losses of other years
    QM_AMT("cnil"),                          // cumulative net investment loss
};

const FieldSpec kDependantFields[] = {
    QM_ROWS("dependants.#.first_name", CField::String, CWizData_Dependant::kDependants),
    QM_ROWS("dependants.#.last_name", CField::String, CWizData_Dependant::kDependants),
    QM_ROWS("dependants.#.birth_date", CField::Date, CWizData_Dependant::kDependants),
    QM_ROWS("dependants.#.relationship", CField::Int, CWizData_Dependant::kDependants),
    QM_AMT_ROWS("dependants.#.net_income", CWizData_Dependant::kDependants),
    QM_ROWS("dependants.#.infirm", CField::Int, CWizData_Dependant::kDependants),
    QM_ROWS("dependants.#.sin", CField::String, CWizData_Dependant::kDependants),
    QM_ROWS("dependants.#.address", CField::String, CWizData_Dependant::kDependants),
    QM_AMT_ROWS("dependants.#.months", CWizData_Dependant::kDependants),   // months lived with the person
};

const FieldSpec kMedExpFields[] = {
    // Shown beside the expenses; written back from the return.
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_DATE("birth_date"),
    QM_STR("spouse_first_name"),
    QM_STR("spouse_last_name"),
    QM_DATE("spouse_birth_date"),
    QM_STR("dependant_first_name"),
    QM_STR("dependant_last_name"),
    QM_DATE("dependant_birth_date"),
    QM_INT("dependant_relationship"),
    QM_ROWS("expenses.#.patient", CField::Int, CWizData_MedExp::kExpenses),    // CWizData_MedExp::Patient
    QM_ROWS("expenses.#.description", CField::String, CWizData_MedExp::kExpenses),
    QM_ROWS("expenses.#.date", CField::Date, CWizData_MedExp::kExpenses),
    QM_AMT_ROWS("expenses.#.amount", CWizData_MedExp::kExpenses),
};

const FieldSpec kRRSPContribFields[] = {
    QM_ROWS("contributions.#.issuer", CField::String, TaxData_RRSPContrib::kContributions),
    QM_AMT_ROWS("contributions.#.amount", TaxData_RRSPContrib::kContributions),
    QM_ROWS("contributions.#.period", CField::Int, TaxData_RRSPContrib::kContributions),   // TaxData_RRSPContrib::Period
    QM_ROWS("contributions.#.spousal", CField::Bool, TaxData_RRSPContrib::kContributions),
    // What Schedule 7 takes.
    QM_CALC("contributions_2021"),           // the rows of March 2 to December 31, 2021
    QM_CALC("contributions_2022"),           // the rows of January 1 to March 1, 2022
    QM_AMT("hbp_repayment"),                 // designated as a Home Buyers' Plan repayment
    QM_AMT("llp_repayment"),                 // designated as a Lifelong Learning Plan repayment
    QM_AMT("transfers"),                     // transfers of eligible amounts
    QM_AMT("deduction_claimed"),             // the RRSP deduction chosen for 2021
};

const FieldSpec kTaxNoteFields[] = {
    QM_STR("title"),
    QM_STR("text"),
    QM_DATE("date"),
};

} // namespace

TaxData_Wizard_General::TaxData_Wizard_General() : TableForm(FROM_WIZARD, InterviewKind::GeneralInformation, {fieldTable(kGeneralFields)}, {kGeneralLayout}) {}

TaxData_LastYearAmounts::TaxData_LastYearAmounts() : TableForm(FROM_WIZARD, InterviewKind::LastYearsCarryforwardAmounts, {fieldTable(kLastYearFields)}, {kLastYearLayout}) {}

CWizData_Dependant::CWizData_Dependant() : TableForm(FROM_WIZARD, InterviewKind::Dependants, {fieldTable(kDependantFields)}, {kDependantLayout}) {}

CWizData_MedExp::CWizData_MedExp() : TableForm(FROM_WIZARD, InterviewKind::MedicalExpenses, {fieldTable(kMedExpFields)}, {kMedExpLayout}) {}

TaxData_RRSPContrib::TaxData_RRSPContrib() : TableForm(FROM_WIZARD, InterviewKind::RRSPContributions, {fieldTable(kRRSPContribFields)}, {kRRSPContribLayout}) {}

TaxData_TaxNote::TaxData_TaxNote() : TableForm(FROM_NOTE, 1, {fieldTable(kTaxNoteFields)}, {kTaxNoteLayout}) {}

void TaxData_RRSPContrib::sumReceipts()
{
    double early2022 = 0.0, year2021 = 0.0;
    for (int row = 1; row <= kContributions; ++row) {
        const double amount = getFloat(rowField("contributions.#.amount", row));
        (getInt(rowField("contributions.#.period", row)) == PERIOD_EARLY_2022 ? early2022 : year2021) += amount;
    }
    setFloat("contributions_2021", roundToCents(year2021));
    setFloat("contributions_2022", roundToCents(early2022));
}
