// The family calculation: the seven steps over the taxpayer and the spouse,
// twice, with what each spouse needs of the other carried between them.

#include "calculationobserver.h"
#include "federalforms.h"
#include "familytaxdata.h"
#include "formclasses.h"
#include "formtypes.h"
#include "schedules.h"
#include "t1.h"
#include "taxdataform.h"

namespace {

using Step = IndividualTaxData::EnumCalculateStep;

void copyAmount(TaxData_T1New* to, const char* toField, const TaxData_T1New* from, const char* fromField)
{
    to->setFloat(toField, from ? from->getFloat(fromField) : 0.0);
}

CString fullName(const TaxData_T1New* t1)
{
    return t1->getString("first_name") + " " + t1->getString("last_name");
}

// Step 0: who the spouse is.
void exchangeIdentity(TaxData_T1New* to, const TaxData_T1New* from)
{
    to->setString("spouse_first_name", from->getString("first_name"));
    to->setString("spouse_last_name", from->getString("last_name"));
    to->setString("spouse_sin", from->getString("sin"));
    to->setDate("spouse_birth_date", from->getDate("birth_date"));
    to->setDate("spouse_date_of_entry", from->getDate("date_of_entry"));
}

// Step 0: the pension-splitting election is one election: the pensioner's
// details go to the other spouse's copy, whose role is the opposite one.
void exchangeT1032(TaxData_T1032_New* own, TaxData_T1032_New* other)
{
    TaxData_T1032_New* pensioner = own->role() == TaxData_T1032_New::ROLE_PENSIONER ? own : other;
    TaxData_T1032_New* transferee = pensioner == own ? other : own;
    transferee->setBool("is_transferor", false);
    pensioner->setBool("is_transferor", true);
    for (const CField* f : pensioner->fields().all()) {
        if (f->GetName() == "is_transferor" || f->IsCalculated()) continue;
        if (CField* mine = transferee->field(f->GetName())) mine->CopyFrom(*f);
    }
}

// Step 1: the spouse's amounts that the credits and benefits need.
void exchangeSpouseAmounts(TaxData_T1New* to, const TaxData_T1New* from, const IndividualTaxData* fromPerson)
{
    copyAmount(to, "spouse_uccb", from, "11700");
    copyAmount(to, "spouse_uccb_repayment", from, "21300");
    copyAmount(to, "spouse_rdsp_income", from, "12500");
    copyAmount(to, "spouse_rdsp_repayment", from, "rdsp_repayment");
    to->setBool("spouse_self_employed", fromPerson->HaveSelfBusiness());
    to->setFloat("spousal_plan_income_adjustment", 0.0);
}

// Step 1: income from a spousal plan is the contributor's, within three years.
void exchangeT2205(IndividualTaxData* owner, TaxData_T1New* ownT1, TaxData_T1New* otherT1)
{
    CTaxData_Form* t2205 = owner->GetFormData(FormType::T2205, false);
    if (!t2205) return;
    t2205->setString("contributor_name", fullName(otherT1));
    const double moved = t2205->getFloat("contributor_income");
    otherT1->setFloat("spousal_plan_income_adjustment", otherT1->getFloat("spousal_plan_income_adjustment") + moved);
    ownT1->setFloat("spousal_plan_income_adjustment", ownT1->getFloat("spousal_plan_income_adjustment") - moved);
    // Income from a RRIF is pension income of the one who reports it.
    if (t2205->getInt("plan_kind") == 1) {
        const char* line = otherT1->GetAge() < 65 ? "spousal_plan_pension_under_65" : "spousal_plan_pension_65_or_over";
        otherT1->setFloat(line, otherT1->getFloat(line) + moved);
    }
}

// Step 2: the spouse's income figures.
void exchangeIncome(TaxData_T1New* to, const TaxData_T1New* from, IndividualTaxData* fromPerson)
{
    copyAmount(to, "spouse_net_income", from, "23600");
    copyAmount(to, "spouse_taxable_income", from, "26000");
    copyAmount(to, "spouse_total_income", from, "15000");
    const CTaxData_Form* t1206 = fromPerson->GetFormData(FormType::T1206, false);
    to->setFloat("spouse_split_income", t1206 ? t1206->getFloat("68360") : 0.0);
    copyAmount(to, "spouse_social_benefits_repayment", from, "23500");
    to->setFloat("spouse_working_income", from->getFloat("10100") + from->getFloat("10400"));
}

// Step 2: child care is claimed by the lower income; the other's income sets its limit.
void exchangeT778(CTaxData_Form* own, CTaxData_Form* other, const TaxData_T1New* ownT1, const TaxData_T1New* otherT1)
{
    if (!own->getBool("is_higher_net_income") && other->getBool("is_higher_net_income"))
        own->setFloat("spouse_net_income", otherT1->getFloat("23600"));
    else if (own->getBool("is_higher_net_income"))
        other->setFloat("spouse_net_income", ownT1->getFloat("23600"));
}

// Step 3: what Schedule 2 may take over from the spouse. The giver is only
// read; it is non-const because the form lookup can also create.
void exchangeSchedule2(IndividualTaxData* receiver, IndividualTaxData* giver)
{
    CTaxData_Form* sch2 = receiver->GetFormData(FormType::Schedule2, false);
    const TaxData_T1New* from = giver->t1();
    const TaxData_T1New* to = receiver->t1();
    if (!sch2 || !from || !to) return;
    double age = from->getFloat("30100"), caregiver = from->getFloat("30500");
    if (to->shouldProrateAsImmigrant() && !from->shouldProrateAsImmigrant()) {
        const IndividualTaxData::DaysFigures days = receiver->daysFigures();
        const double share = days.daysInYear > 0 ? double(days.daysInCanada) / days.daysInYear : 1.0;
        age *= share;
        caregiver *= share;
    }
    sch2->setFloat("35200", age);
    sch2->setFloat("35300", caregiver);
    sch2->setFloat("35500", from->getFloat("31400"));
    sch2->setFloat("35700", from->getFloat("31600"));
    sch2->setFloat("spouse_taxable_income", from->getFloat("26000"));
    // The credits the spouse needs first, before anything is left to transfer.
    double used = 0;
    for (const char* line : {"30000", "30300", "30400", "30425", "30450", "30500", "30800", "31000", "31200",
                             "31217", "31260", "32300"})
        used += from->getFloat(line);
    sch2->setFloat("spouse_credits_used", used);
    const CTaxData_Form* sch11 = giver->GetFormData(FormType::Schedule11, false);
    sch2->setFloat("36000", sch11 ? sch11->getFloat("32700") : 0.0);
}

// Step 4: the Canada workers benefit counts the couple's income.
void exchangeSchedule6(IndividualTaxData* receiver, IndividualTaxData* giver)
{
    CTaxData_Form* own = receiver->GetFormData(FormType::Schedule6, false);
    if (!own) return;
    CTaxData_Form* other = giver->GetFormData(FormType::Schedule6, false);
    if (other) {
        // The other's own figures into this form's spouse column.
        for (const CField* f : other->fields().all()) {
            if (f->GetName().Left(7) == "spouse_") continue;
            if (CField* mine = own->field(CString("spouse_") + f->GetName())) mine->CopyFrom(*f);
        }
        own->setInt("spouse_without_schedule6", 0);
    } else {
        own->setInt("spouse_without_schedule6", 1);
    }
    const TaxData_T1New* t1 = giver->t1();
    own->setFloat("spouse_employment_income", t1 ? t1->getFloat("10100") + t1->getFloat("10400") : 0.0);
    own->setFloat("spouse_self_employment_income", giver->CalculatedSelfEmpIncomeForF5532());
}

CalculationObserver* g_observer = nullptr;

int runStep(IndividualTaxData* person, bool fromInterview, int changedType, Step step, bool isSpouse)
{
    if (g_observer) g_observer->stepRun(*person, step, fromInterview, changedType, isSpouse);
    return person->Calculate(fromInterview, changedType, step, isSpouse);
}

void updateSummary(IndividualTaxData* person, bool isCurrent, IndividualTaxData* other)
{
    if (g_observer) g_observer->summaryUpdated(*person, isCurrent);
    person->UpdateT1KS(isCurrent, other);
}

} // namespace

void setCalculationObserver(CalculationObserver* observer) { g_observer = observer; }
CalculationObserver* calculationObserver() { return g_observer; }

int CFamilyTaxData::Calculate(int kind, CTaxData_Form* changed)
{
    IndividualTaxData* principal = m_persons[0];
    const int changedType = changed ? changed->getType() : 0;
    if (principal->getMainProvince() == PROV_T1159) {
        runStep(principal, false, kind, IndividualTaxData::STEP_0, false);
        return 0;
    }
    const bool coupled = IsCoupledReturn();
    IndividualTaxData* own = (m_current == kSpouse) ? m_persons[1] : m_persons[0];
    IndividualTaxData* other = (own == m_persons[0]) ? m_persons[1] : m_persons[0];

    // An edit of a shared item reaches the spouse's copy first.
    if (coupled && changed) {
        if (changed->getItemKind() == FROM_SLIP) {
            const int shared = own->GetSharedSlipID(changed);
            if (shared >= 1) {
                if (CTaxData_Form* copy = other->GetSlipData(changed->getType(), shared, false))
                    copy->CopyFromShared(changed);
                else
                    own->SetSharedSlip(changed, 0);
            }
        } else if (changed->getItemKind() == FROM_FORM) {
            const int shared = own->GetSharedFormID(changed);
            if (shared >= 1) {
                if (CTaxData_Form* copy = other->GetFormData(changed->getType(), shared))
                    copy->CopyFromShared(changed);
                else
                    own->SetSharedForm(changed, 0);
            }
        }
    }

    const bool fromInterview = changed && changed->getItemKind() == FROM_WIZARD;
    const bool currentIsSpouse = m_current == kSpouse;
    int total = 0;
    for (int pass = 2; pass >= 1; --pass) {
        if (coupled) {
            for (int s = IndividualTaxData::STEP_0; s <= IndividualTaxData::STEP_6; ++s) {
                const auto step = static_cast<Step>(s);
                total += runStep(own, fromInterview, changedType, step, currentIsSpouse);
                total += runStep(other, false, 0, step, !currentIsSpouse);
                if (g_observer) g_observer->exchanged(step);
                ExchangeCoupledTaxData(step);
            }
            updateSummary(own, true, other);
            updateSummary(other, false, own);
        } else {
            for (int s = IndividualTaxData::STEP_0; s <= IndividualTaxData::STEP_6; ++s)
                total += runStep(principal, fromInterview, changedType, static_cast<Step>(s), false);
            updateSummary(principal, true, nullptr);
        }
    }
    return total;
}

void CFamilyTaxData::ExchangeCoupledTaxData(IndividualTaxData::EnumCalculateStep step)
{
    if (!IsCoupledReturn()) return;
    IndividualTaxData* own = (m_current == kSpouse) ? m_persons[1] : m_persons[0];
    IndividualTaxData* other = (own == m_persons[0]) ? m_persons[1] : m_persons[0];
    TaxData_T1New* ownT1 = own->t1();
    TaxData_T1New* otherT1 = other->t1();
    if (!ownT1 || !otherT1) return;

    switch (step) {
    case IndividualTaxData::STEP_0: {
        exchangeIdentity(ownT1, otherT1);
        exchangeIdentity(otherT1, ownT1);
        auto* ownT1032 = dynamic_cast<TaxData_T1032_New*>(own->GetFormData(FormType::T1032, false));
        auto* otherT1032 = dynamic_cast<TaxData_T1032_New*>(other->GetFormData(FormType::T1032, false));
        if (ownT1032 && otherT1032) exchangeT1032(ownT1032, otherT1032);
        break;
    }
    case IndividualTaxData::STEP_1:
        exchangeSpouseAmounts(ownT1, otherT1, other);
        exchangeSpouseAmounts(otherT1, ownT1, own);
        exchangeT2205(own, ownT1, otherT1);
        exchangeT2205(other, otherT1, ownT1);
        break;
    case IndividualTaxData::STEP_2: {
        exchangeIncome(ownT1, otherT1, other);
        exchangeIncome(otherT1, ownT1, own);
        CTaxData_Form* ownT778 = own->GetFormData(FormType::T778, false);
        CTaxData_Form* otherT778 = other->GetFormData(FormType::T778, false);
        if (ownT778 && otherT778) exchangeT778(ownT778, otherT778, ownT1, otherT1);
        other->provMgr().ExchangeCoupledInfoAfterCalcTaxableIncome(&own->provMgr());
        break;
    }
    case IndividualTaxData::STEP_3:
        exchangeSchedule2(own, other);
        exchangeSchedule2(other, own);
        break;
    case IndividualTaxData::STEP_4:
        other->provMgr().ExchangeCoupledInfoForProvTax_MainlyS2(&own->provMgr());
        own->provMgr().ExchangeCoupledInfoForProvTax_MainlyS2(&other->provMgr());
        exchangeSchedule6(own, other);
        exchangeSchedule6(other, own);
        break;
    case IndividualTaxData::STEP_5:
        other->provMgr().ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(&own->provMgr());
        break;
    default:
        break;
    }
}
