// The interview data of a person's return and the forms it stands for: the
// answers of an interview the user has just edited go into the forms, and
// after the calculation every interview shows what the forms hold.

#include <cmath>

#include "amounts.h"
#include "dependantinfo.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "tableform.h"
#include "wizards.h"

namespace {

// The provincial library's code of its tuition amount carried forward.
constexpr int kProvincialTuitionCode = 11001;

enum WizardKind : int {
    WIZ_GENERAL = 1,
    WIZ_LAST_YEAR = 2,
    WIZ_DEPENDANTS = 3,
    WIZ_MEDICAL = 4,
    WIZ_RRSP = 5,
    WIZ_PROVINCIAL = 6,
};


CString row(const char* pattern, int n)
{
    return TableForm::rowField(pattern, n);
}

// The general interview's answers and the T1 field each stands for.
struct Pair { const char* wizard; const char* form; };
const Pair kGeneralInts[] = {
    {"q_employment", "q_employment"},
    {"q_self_employed", "q_self_employed"},
    {"q_investment", "q_investment"},
    {"q_pension", "q_pension"},
    {"q_rrsp", "q_rrsp"},
};
const Pair kGeneralAmounts[] = {
    {"other_employment_income", "10400"},
    {"instalments_paid", "47600"},
};
const Pair kGeneralTail[] = {{"marital_status", "marital_status"}, {"province", "province"}};

// Last year's amounts that only the T1 keeps.
const Pair kLastYearT1Only[] = {
    {"hbp_balance", "carryforward_hbp_balance"},
    {"llp_balance", "carryforward_llp_balance"},
    {"net_capital_losses", "carryforward_net_capital_losses"},
    {"capital_gains_deduction_used", "carryforward_capital_gains_deduction_used"},
    {"non_capital_losses", "carryforward_non_capital_losses"},
    {"cnil", "carryforward_cnil"},
};

// Last year's amounts that a schedule takes from the T1: interview field,
// T1 field, form type, the form's field.
struct Carried { const char* wizard; const char* t1; ENUMTYPE_FORM type; const char* form; };
const Carried kLastYearCarried[] = {
    {"rrsp_unused_contributions", "carryforward_rrsp_unused_contributions", 7, "line_1"},
    {"rrsp_deduction_limit", "carryforward_rrsp_deduction_limit", 7, "rrsp_deduction_limit"},
    {"unused_tuition_federal", "carryforward_unused_tuition_federal", 11, "unused_tuition_carryforward"},
    {"t1212_deferred", "carryforward_t1212_deferred", 18, "balance_start"},
};

// The RRSP interview's amounts and the Schedule 7 field each goes to.
const Pair kRRSPAmounts[] = {
    {"contributions_2021", "interview_2021"},
    {"contributions_2022", "interview_2022"},
    {"hbp_repayment", "24600"},
    {"llp_repayment", "26200"},
    {"transfers", "transfers"},
};
const Pair kRRSPDeduction = {"deduction_claimed", "deduction_requested"};

const char* const kMedicalColumns[] = {"patient", "description", "date", "amount"};

void copyField(const CTaxData_Form& from, const CString& fromName, CTaxData_Form& to, const CString& toName)
{
    const CField* source = from.field(fromName);
    CField* target = to.field(toName);
    if (source && target) target->CopyFrom(*source);
}

// The medical expense rows: "expenses" in the interview, "medical_expenses"
// on the T1, with the same columns.
void copyMedicalRows(const CTaxData_Form& from, const char* fromGroup, CTaxData_Form& to, const char* toGroup)
{
    for (int n = 1; n <= CWizData_MedExp::kExpenses; ++n)
        for (const char* column : kMedicalColumns)
            copyField(from, row((CString(fromGroup) + ".#." + column).c_str(), n), to,
                      row((CString(toGroup) + ".#." + column).c_str(), n));
}

} // namespace

void IndividualTaxData::ReadDataFromWizards(int kind)
{
    if (kind < WIZ_GENERAL || kind > WIZ_PROVINCIAL) return;
    if (kind == WIZ_PROVINCIAL) {
        m_provMgr.ReadDataFromWizards();
        return;
    }
    const CTaxData_Form* wizard = GetWizData(kind, false);
    if (!wizard) return;
    TaxData_T1New* form = t1();

    switch (kind) {
    case WIZ_DEPENDANTS:
        if (!m_dependants) return;
        for (int i = 0; i < CWizData_Dependant::kDependants; ++i) {
            // The record may hold fewer entries than the interview shows.
            DependantEntry* entry = m_dependants->entry(i);
            if (!entry) break;
            const int n = i + 1;
            entry->setFirstName(wizard->getString(row("dependants.#.first_name", n)).c_str());
            entry->setLastName(wizard->getString(row("dependants.#.last_name", n)).c_str());
            entry->birthDate = wizard->getDate(row("dependants.#.birth_date", n));
            entry->relationship = wizard->getInt(row("dependants.#.relationship", n));
            entry->netIncome = wizard->getFloat(row("dependants.#.net_income", n));
            entry->infirm = wizard->getInt(row("dependants.#.infirm", n));
            entry->sin = wizard->getString(row("dependants.#.sin", n));
            entry->address = wizard->getString(row("dependants.#.address", n));
            entry->monthsLivedWith = wizard->getFloat(row("dependants.#.months", n));
        }
        return;

    case WIZ_RRSP: {
        if (auto* rrsp = dynamic_cast<TaxData_RRSPContrib*>(GetWizData(kind, false))) rrsp->sumReceipts();
        if (!present(wizard->getFloat("contributions_2021")) && !present(wizard->getFloat("contributions_2022"))
            && !HasForm(FormType::Schedule7))
            return;
        CTaxData_Form* sch7 = GetFormData(FormType::Schedule7, true);
        if (!sch7) return;
        for (const Pair& p : kRRSPAmounts) sch7->setFloat(p.form, wizard->getFloat(p.wizard));
        if (present(wizard->getFloat(kRRSPDeduction.wizard)))
            sch7->setFloat(kRRSPDeduction.form, wizard->getFloat(kRRSPDeduction.wizard));
        return;
    }

    case WIZ_GENERAL: {
        if (!form) return;
        for (const Pair& p : kGeneralInts) form->setInt(p.form, wizard->getInt(p.wizard));
        for (const Pair& p : kGeneralAmounts) form->setFloat(p.form, wizard->getFloat(p.wizard));
        const double self = wizard->getFloat("donations_self"), spouse = wizard->getFloat("donations_spouse");
        if (present(self) || present(spouse) || HasForm(FormType::Schedule9)) {
            if (CTaxData_Form* sch9 = GetFormData(FormType::Schedule9, true)) {
                sch9->setFloat("donations_self", self);
                sch9->setFloat("donations_spouse", spouse);
            }
        }
        form->setFloat("40900", wizard->getFloat("political_contributions"));
        for (const Pair& p : kGeneralTail) form->setInt(p.form, wizard->getInt(p.wizard));
        return;
    }

    case WIZ_LAST_YEAR: {
        if (!form) return;
        for (const Pair& p : kLastYearT1Only) form->setFloat(p.form, wizard->getFloat(p.wizard));
        for (const Carried& c : kLastYearCarried) {
            form->setFloat(c.t1, wizard->getFloat(c.wizard));
            if (CTaxData_Form* taker = GetFormData(c.type, false)) taker->setFloat(c.form, form->getFloat(c.t1));
        }
        const double provincial = wizard->getFloat("11001");
        form->setFloat("carryforward_unused_tuition_provincial", provincial);
        m_provMgr.setProvAmountClaimed(kProvincialTuitionCode, provincial);
        return;
    }

    case WIZ_MEDICAL:
        if (!form || !m_dependants) return;
        copyMedicalRows(*wizard, "expenses", *form, "medical_expenses");
        return;

    default:
        return;
    }
}

void IndividualTaxData::WriteDataToWizards(bool)
{
    TaxData_T1New* form = t1();

    // Dependants: the entries the record holds, each into the interview's
    // entry of the same index.
    if (CTaxData_Form* wizard = GetWizData(WIZ_DEPENDANTS, false); wizard && m_dependants) {
        const int count = qMin(m_dependants->count(), int(CWizData_Dependant::kDependants));
        for (int i = 0; i < count; ++i) {
            const DependantEntry* entry = m_dependants->entry(i);
            const int n = i + 1;
            wizard->setString(row("dependants.#.first_name", n), entry->firstName);
            wizard->setString(row("dependants.#.last_name", n), entry->lastName);
            wizard->setDate(row("dependants.#.birth_date", n), entry->birthDate);
            wizard->setInt(row("dependants.#.relationship", n), entry->relationship);
            wizard->setFloat(row("dependants.#.net_income", n), entry->netIncome);
            wizard->setInt(row("dependants.#.infirm", n), entry->infirm);
            wizard->setString(row("dependants.#.sin", n), entry->sin);
            wizard->setString(row("dependants.#.address", n), entry->address);
            wizard->setFloat(row("dependants.#.months", n), entry->monthsLivedWith);
        }
    }

    // Medical expenses, with the names the interview shows beside them.
    if (CTaxData_Form* wizard = GetWizData(WIZ_MEDICAL, false)) {
        wizard->setString("first_name", GetFirstName());
        wizard->setString("last_name", GetLastName());
        wizard->setDate("birth_date", GetDOB());
        wizard->setString("spouse_first_name", GetSpouseFirstName());
        wizard->setString("spouse_last_name", GetSpouseLastName());
        wizard->setDate("spouse_birth_date", GetSpouseDOB());
        if (form) {
            copyMedicalRows(*form, "medical_expenses", *wizard, "expenses");
            // The spouse's expenses count only where the spouse may be claimed.
            if (!form->CanClaimSpouse())
                for (int n = 1; n <= CWizData_MedExp::kExpenses; ++n)
                    if (wizard->getInt(row("expenses.#.patient", n)) == CWizData_MedExp::PATIENT_SPOUSE)
                        wizard->setFloat(row("expenses.#.amount", n), 0.0);
        }
        if (const DependantEntry* first = m_dependants ? m_dependants->entry(0) : nullptr) {
            wizard->setString("dependant_first_name", first->firstName);
            wizard->setString("dependant_last_name", first->lastName);
            wizard->setDate("dependant_birth_date", first->birthDate);
            wizard->setInt("dependant_relationship", first->relationship);
        }
    }

    m_provMgr.WriteDataToWizards();

    if (CTaxData_Form* wizard = GetWizData(WIZ_GENERAL, false); wizard && form) {
        for (const Pair& p : kGeneralInts) wizard->setInt(p.wizard, form->getInt(p.form));
        for (const Pair& p : kGeneralAmounts) wizard->setFloat(p.wizard, form->getFloat(p.form));
        const CTaxData_Form* sch9 = GetFormData(FormType::Schedule9, false);
        wizard->setFloat("donations_self", sch9 ? sch9->getFloat("donations_self") : 0.0);
        wizard->setFloat("donations_spouse", sch9 ? sch9->getFloat("donations_spouse") : 0.0);
        wizard->setFloat("political_contributions", form->getFloat("40900"));
        for (const Pair& p : kGeneralTail) wizard->setInt(p.wizard, form->getInt(p.form));
    }

    if (CTaxData_Form* wizard = GetWizData(WIZ_LAST_YEAR, false); wizard && form) {
        for (const Pair& p : kLastYearT1Only) wizard->setFloat(p.wizard, form->getFloat(p.form));
        // A schedule that took an amount may have been edited since: its
        // value is the one in force.
        for (const Carried& c : kLastYearCarried) {
            if (const CTaxData_Form* taker = GetFormData(c.type, false)) form->setFloat(c.t1, taker->getFloat(c.form));
            wizard->setFloat(c.wizard, form->getFloat(c.t1));
        }
        double provincial = 0.0;
        if (m_provMgr.getProvAmountClaimed(kProvincialTuitionCode, provincial))
            form->setFloat("carryforward_unused_tuition_provincial", provincial);
        wizard->setFloat("11001", form->getFloat("carryforward_unused_tuition_provincial"));
    }

    if (CTaxData_Form* wizard = GetWizData(WIZ_RRSP, false)) {
        if (const CTaxData_Form* sch7 = GetFormData(FormType::Schedule7, false)) {
            for (const Pair& p : kRRSPAmounts) wizard->setFloat(p.wizard, sch7->getFloat(p.form));
            wizard->setFloat(kRRSPDeduction.wizard, sch7->getFloat(kRRSPDeduction.form));
        }
    }
}
