// The return summary of a person: the key figures of the calculated return,
// the next year's RRSP deduction limit and the benefit estimates.

#include "amounts.h"
#include "benefitsummary.h"

#include <algorithm>
#include <cmath>

#include <QDate>

#include "dependantinfo.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "schedules.h"
#include "summaryforms.h"
#include "t1.h"

namespace {


// The July 2022 to June 2023 benefit figures.
using Federal2021::kCcbUnder6;
using Federal2021::kCcb6To17;
using Federal2021::kCcbFirstThreshold;
using Federal2021::kCcbSecondThreshold;
using Federal2021::kCcbFirstRates;
using Federal2021::kCcbSecondRates;
using Federal2021::kCdbPerChild;
using Federal2021::kCdbRateOneChild;
using Federal2021::kCdbRateMoreChildren;
using Federal2021::kGstAdult;
using Federal2021::kGstChild;
using Federal2021::kGstSingleSupplement;
using Federal2021::kGstSupplementStart;
using Federal2021::kGstSupplementRate;
using Federal2021::kGstReductionThreshold;
using Federal2021::kGstReductionRate;
using Federal2021::kRrspDollarLimit2022;
using Federal2021::kRrspRate;

// Adjusted net income for the benefits: net income without the universal
// child care benefit, its repayment put back.
double adjustedNetIncome(const TaxData_T1New* t1)
{
    if (!t1) return 0.0;
    return t1->getFloat("23600") + t1->getFloat("21300") - t1->getFloat("11700");
}

double spouseAdjustedNetIncome(const TaxData_T1New& t1)
{
    if (!t1.HasSpouse()) return 0.0;
    return t1.getFloat("spouse_net_income") + t1.getFloat("spouse_uccb_repayment") - t1.getFloat("spouse_uccb");
}

double rrspLimitNextYear(const TaxData_T1New& t1)
{
    double earned = -t1.getFloat("21200");
    for (const char* line : {"10100", "10400", "11410", "12600", "12800", "13500", "13700", "13900", "14100", "14300"})
        earned += t1.getFloat(line);
    return qMax(0.0, qMin(kRrspRate * qMax(0.0, earned), kRrspDollarLimit2022) - t1.getFloat("20600"));
}

void fillT1Part(TaxData_T1KSNew& summary, const TaxData_T1New& t1, int province)
{
    CString name;
    t1.ConstructFullName(name);
    summary.setString("full_name", name);
    summary.setString("sin", t1.getString("sin"));
    summary.setDate("birth_date", t1.getDate("birth_date"));
    summary.setString("address", t1.GetFullAddressWithoutPostcode('\n'));
    summary.setString("postal_code", t1.getString("mailing_postal_code"));
    summary.setInt("marital_status", t1.getInt("marital_status"));
    summary.setInt("province", province);
    CString spouse = t1.getString("spouse_first_name");
    spouse.Trim();
    CString spouseLast = t1.getString("spouse_last_name");
    spouseLast.Trim();
    if (!spouse.IsEmpty() && !spouseLast.IsEmpty()) spouse += " ";
    summary.setString("spouse_full_name", spouse + spouseLast);
    summary.setString("spouse_sin", t1.getString("spouse_sin"));
    summary.setDate("spouse_birth_date", t1.getDate("spouse_birth_date"));
    summary.setFloat("spouse_net_income", t1.getFloat("spouse_net_income"));
    for (const char* line : {"15000", "23600", "26000", "35000", "42000", "42800", "43700", "48200", "48400", "48500"})
        summary.setFloat(line, t1.getFloat(line));
    summary.setFloat("rrsp_deduction_limit_next_year", rrspLimitNextYear(t1));
}

} // namespace

double CalculateCCB2016(int, int under6, int age6to17, int disabled, double familyIncome)
{
    const int children = under6 + age6to17;
    if (children <= 0) return 0.0;
    const double maximum = kCcbUnder6 * under6 + kCcb6To17 * age6to17;
    double reduction = 0.0;
    if (familyIncome > kCcbFirstThreshold) {
        const int rate = std::min(children, 4) - 1;
        reduction = qBound(0.0, familyIncome - kCcbFirstThreshold, kCcbSecondThreshold - kCcbFirstThreshold)
            * kCcbFirstRates[rate];
        if (familyIncome > kCcbSecondThreshold)
            reduction += (familyIncome - kCcbSecondThreshold) * kCcbSecondRates[rate];
    }
    double benefit = qMax(0.0, maximum - reduction);
    if (disabled >= 1) {
        const double rate = disabled == 1 ? kCdbRateOneChild : kCdbRateMoreChildren;
        benefit += qMax(0.0, disabled * kCdbPerChild - qMax(0.0, familyIncome - kCcbSecondThreshold) * rate);
    }
    return benefit;
}

double CalculateGSTCredit(double income, bool hasSpouse, double spouseIncome, bool hasEligibleDependant, int children)
{
    children = qMax(0, children);
    double credit = kGstAdult;
    if (hasSpouse) {
        credit += kGstAdult + kGstChild * children;
    } else {
        if (hasEligibleDependant) credit += kGstAdult + kGstChild * children;
        // A single parent gets the whole supplement; others as income phases it in.
        if (hasEligibleDependant || children >= 1)
            credit += kGstSingleSupplement;
        else
            credit += qMin(kGstSingleSupplement, kGstSupplementRate * qMax(0.0, income - kGstSupplementStart));
    }
    credit -= kGstReductionRate * qMax(0.0, income + spouseIncome - kGstReductionThreshold);
    return qMax(0.0, credit);
}

bool IsEligibleForGSTCredit()
{
    return true;
}

bool IndividualTaxData::isBenefitEligible(const IndividualTaxData* person)
{
    const TaxData_T1New* form = person ? person->t1() : nullptr;
    if (!form || form->IsDeceasedForEfileReporting() || form->IsEmmigrant()) return false;
    if (form->HasSpouse()) return true;
    if (const DependantInfoStruct* dependants = person->dependants()) {
        if (dependants->GetDepChildrenNumberForLine305() + dependants->GetDepOtherThanChildrenNumberForLine305() > 0)
            return true;
    }
    // Nineteen by the time the benefit year ends: 17 at the end of the tax
    // year only when born in the first half of it.
    const int age = form->GetAge() + 2;
    return age > 19 || (age == 19 && form->GetBirthMonth() >= 1 && form->GetBirthMonth() <= 6);
}

void IndividualTaxData::CalculateOtherBenefits(bool computes, IndividualTaxData*)
{
    TaxData_T1New* form = t1();
    auto* summary = dynamic_cast<TaxData_T1KSNew*>(GetFormData(FormType::Summary, false));
    if (form && summary) m_provMgr.CalcBenefit(computes, form, summary);
}

void IndividualTaxData::UpdateT1KS(bool isCurrent, IndividualTaxData* other)
{
    auto* summary = dynamic_cast<TaxData_T1KSNew*>(GetFormData(FormType::Summary, false));
    if (!summary) return;
    if (isCurrent && other)
        if (CTaxData_Form* theirs = other->GetFormData(FormType::Summary, false))
            theirs->setString("shared_note", summary->getString("shared_note"));

    const TaxData_T1New* form = t1();
    if (form)
        fillT1Part(*summary, *form, m_mainProvince);
    else
        summary->resetT1Part();

    const bool hasSpouse = form && form->HasSpouse();
    const double own = adjustedNetIncome(form);
    // The spouse's own return, when in this file, is the spouse's figures
    // as they are now; otherwise the figures the T1 holds.
    const TaxData_T1New* otherT1 = other ? other->t1() : nullptr;
    const double spouse = !hasSpouse ? 0.0 : (otherT1 ? adjustedNetIncome(otherT1) : spouseAdjustedNetIncome(*form));
    summary->setFloat("adjusted_net_income", own);
    summary->setFloat("spouse_adjusted_net_income", spouse);
    summary->setFloat("ccb_estimate", 0.0);
    summary->setFloat("gst_hst_credit_estimate", 0.0);

    const bool eligible = isBenefitEligible(this);
    bool spouseEligible = false;
    if (hasSpouse) spouseEligible = other ? isBenefitEligible(other) : !form->getBool("spouse_benefit_ineligible");

    // A couple's estimates are made once: by the spouse with the higher
    // adjusted net income, by the taxpayer when both are the same.
    bool computes = eligible;
    if (eligible && hasSpouse && spouseEligible) {
        const double difference = own - spouse;
        const bool higher = difference >= kPresent || (std::fabs(difference) < kPresent && !m_spouseReturn);
        computes = (other || !summary->getBool("higher_income_spouse_claims")) ? higher : !higher;
    }

    const DependantInfoStruct* dependants = m_dependants;
    const int children305 = dependants ? dependants->GetDepChildrenNumberForLine305() : 0;
    const int others305 = dependants ? dependants->GetDepOtherThanChildrenNumberForLine305() : 0;
    const int children = children305 + (!hasSpouse && others305 > 0 ? 1 : 0);
    const int under6 = dependants ? dependants->GetDepChildrenNumberBetweenAges(0, 5) : 0;
    const int age6to17 = dependants ? dependants->GetDepChildrenNumberBetweenAges(6, 17) : 0;
    const int infirm = dependants ? dependants->GetInfirmDependentNumberUnderAge18() : 0;
    summary->setInt("children_under_6", under6);
    summary->setInt("children_6_to_17", age6to17);
    summary->setInt("infirm_children_under_18", infirm);

    if (computes) {
        // Without a spouse the first child is the eligible dependant.
        summary->setFloat("gst_hst_credit_estimate", hasSpouse ? CalculateGSTCredit(own, true, spouse, false, children)
                                                               : CalculateGSTCredit(own, false, 0.0, children > 0,
                                                                                    children - 1));
        summary->setFloat("ccb_estimate", CalculateCCB2016(m_mainProvince, under6, age6to17, infirm, own + spouse));
    }
    CalculateOtherBenefits(computes, other);

    summary->setString("tax_year", "2021");
    summary->setDate("prepared_date", QDate::currentDate());
    auto* sch5 = dynamic_cast<TaxData_Sch5*>(GetFormData(FormType::Schedule5, false));
    auto* sch9 = dynamic_cast<TaxData_Sch9*>(GetFormData(FormType::Schedule9, false));
    if (auto* t2203 = dynamic_cast<TaxData_T2203*>(GetFormData(FormType::T2203, false))) {
        t2203->initAmounts();
        m_provMgr.UpdateT1KST2203(summary, t2203, sch5, sch9);
    } else {
        m_provMgr.UpdateT1KST2203(summary, nullptr, sch5, sch9);
    }
    summary->Calculate01();
}
