// The slip totals of a person's return and the forms its slips need.

#include <cmath>
#include <vector>

#include "amounts.h"
#include "federal2021.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "slippreparation.h"
#include "slips.h"
#include "t1.h"
#include "taxdataform.h"

namespace {

// Scholarships of kind 0 are exempt once for the return; death benefits once over the slips.
using Federal2021::kScholarshipExemption;
using Federal2021::kDeathBenefitExemption;


bool anyPresent(std::initializer_list<double> amounts)
{
    for (double a : amounts)
        if (present(a)) return true;
    return false;
}

void addT4(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    const double income = s.getFloat("14");
    const double cpp = s.getFloat("16");
    const double tax = s.getFloat("22");
    const bool quebec = s.getInt("province_of_employment") == PROV_QC;
    const bool withCpp = cpp >= kPresent;

    ++t.t4Slips;
    t.t4EmploymentIncome += income;
    if (quebec) {
        withCpp ? ++t.t4QppSlipsWithCpp : ++t.t4QppSlips;
        t.t4EmploymentIncomeQuebec += income;
        t.t4EiPremiumsQuebec += s.getFloat("18");
    } else {
        ++t.t4CppSlips;
        t.t4EmploymentIncomeOutsideQuebec += income;
        t.t4EiPremiums += s.getFloat("18");
        t.t4TaxDeductedOutsideQuebec += tax;
    }
    if (quebec && !withCpp)
        t.t4QppPensionableEarnings += t4PensionableEarnings(s);
    else
        t.t4CppPensionableEarnings += t4PensionableEarnings(s);
    if (s.getBool("cpp_qpp_exempt")) (quebec ? t.t4QppExempt : t.t4CppExempt) = true;

    t.t4CppContributions += cpp;
    t.t4QppContributions += s.getFloat("17");
    t.t4EiInsurableEarnings += t4InsurableEarnings(s);
    t.t4RppContributions += s.getFloat("20");
    t.t4TaxDeducted += tax;
    t.t4PpipPremiums += s.getFloat("55");
    t.t4PpipInsurableEarnings += s.getFloat("56");
    t.t4UnionDues += s.getFloat("44");
    t.t4Donations += s.getFloat("46");
    t.t4PensionAdjustment += s.getFloat("52");
    t.t4Commissions += s.getFloat("42");
    t.t4SecurityOptionsDeduction += s.getFloat("39") + s.getFloat("41");
    t.t4ForcesPoliceDeduction += s.getFloat("43");
    t.t4EmergencyVolunteerExempt += s.getFloat("87");
    t.t4PlacementAgencyIncome += s.getFloat("81");
    t.t4PrivateHealthPremiums += s.getFloat("85");
    t.t4IndianExemptEmployment += s.getFloat("71");
    t.t4IndianExemptOther += s.getFloat("68") + s.getFloat("69") + s.getFloat("88");
    if (s.getInt("marker") != 0) {
        t.t4fIncome += income;
        t.t4fTaxDeducted += tax;
    }
    if (const auto* t4 = dynamic_cast<const CSlipData_T4*>(&s))
        if (t4->containIndianItem()) t.indianActExempt = true;
}

void addT4A(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t, bool under65)
{
    if (under65 && s.getInt("marker") == 0) {
        t.t4aPensionUnder65 += s.getFloat("016");
        t.t4aAnnuitiesUnder65 += s.getFloat("024");
        t.t4aVariablePensionUnder65 += s.getFloat("133");
    } else {
        t.t4aPension += s.getFloat("016");
        t.t4aAnnuities += s.getFloat("024");
        t.t4aVariablePension += s.getFloat("133");
    }
    switch (s.getInt("scholarship_kind")) {
    case TaxData_Slip_T4A::SCHOLARSHIP_BASIC_EXEMPTION: t.t4aScholarshipsBasicExemption += s.getFloat("105"); break;
    case TaxData_Slip_T4A::SCHOLARSHIP_FULL_EXEMPTION: t.t4aScholarshipsExempt += s.getFloat("105"); break;
    default: t.t4aScholarshipsTaxable += s.getFloat("105"); break;
    }
    t.t4aLumpSum += s.getFloat("018");
    t.t4aSelfEmployedCommissions += s.getFloat("020");
    t.t4aTaxDeducted += s.getFloat("022");
    t.t4aOtherIncome += s.getFloat("028");
    t.t4aRppPastService += s.getFloat("032");
    t.t4aPensionAdjustment += s.getFloat("034");
    t.t4aRespAccumulatedIncome += s.getFloat("040");
    t.t4aRespEducationalAssistance += s.getFloat("042");
    t.t4aDonations += s.getFloat("046");
    t.t4aFeesForServices += s.getFloat("048");
    t.t4aResearchGrants += s.getFloat("104");
    t.t4aDeathBenefits += s.getFloat("106");
    t.t4aWageLossReplacement += s.getFloat("107");
    t.t4aGroupTermLife += s.getFloat("119");
    t.t4aVeteransBenefits += s.getFloat("127");
    t.t4aApprenticeshipGrants += s.getFloat("130");
    t.t4aRdsp += s.getFloat("131");
    t.t4aPrivateHealthPremiums += s.getFloat("135");
    for (const char* box : {"197", "198", "199", "200", "202", "203", "204", "211"})
        t.t4aCovidBenefits += s.getFloat(box);
    t.t4aCovidRepayment += s.getFloat("201");
    t.t4aPostdoctoral += s.getFloat("210");
}

void addT4AP(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    t.t4apTaxableBenefits += s.getFloat("20");
    t.t4apDisabilityBenefits += s.getFloat("16");
    t.t4apChildBenefits += s.getFloat("17");
    t.t4apDeathBenefit += s.getFloat("18");
    t.t4apTaxDeducted += s.getFloat("22");
}

void addT4RSP(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    (s.getInt("marker") != 0 ? t.t4rspAnnuityFromSpouseDeath : t.t4rspAnnuity) += s.getFloat("16");
    const double other = s.getFloat("28");
    (other < 0.0 ? t.t4rspDeductions : t.t4rspOtherIncome) += std::fabs(other);
    t.t4rspRefundOfPremiums += s.getFloat("18");
    t.t4rspExcessRefund += s.getFloat("20");
    t.t4rspWithdrawals += s.getFloat("22");
    t.t4rspLlpWithdrawals += s.getFloat("25");
    t.t4rspDeregistration += s.getFloat("26");
    t.t4rspHbpWithdrawals += s.getFloat("27");
    t.t4rspTaxDeducted += s.getFloat("30");
    t.t4rspDeemedOnDeath += s.getFloat("34");
    t.t4rspTaxPaidAmount += s.getFloat("40");
}

void addT4E(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    t.t4eBenefits += s.getFloat("14");
    t.t4eRegularBenefits += s.getFloat("15");
    t.t4eTaxExempt += s.getFloat("18");
    t.t4eTaxableTuition += s.getFloat("20");
    t.t4eTaxDeducted += s.getFloat("22");
    t.t4eQuebecTaxDeducted += s.getFloat("23");
    t.t4eOverpaymentRepaid += s.getFloat("26");
    t.t4eTotalRepayment += s.getFloat("30");
    t.t4eParentalBenefits += s.getFloat("36") + s.getFloat("37");
    const double rate = s.getFloat("7") / 100.0;
    if (rate >= kPresent / 100.0) t.t4eRepaymentRate = qMin(t.t4eRepaymentRate, rate);
    // Regular benefits are repaid at higher incomes only where the slip says 30%.
    if (s.getFloat("7") >= 30.0 - kPresent) t.t4eRegularBenefitsRepayable += s.getFloat("15");
}

void addT4AOAS(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    t.t4aoasGrossPension += s.getFloat("18");
    t.t4aoasOverpayment += s.getFloat("19");
    t.t4aoasTaxablePension += s.getFloat("20");
    t.t4aoasNetSupplements += s.getFloat("21");
    t.t4aoasTaxDeducted += s.getFloat("22");
}

void addT4RIF(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t, bool under65)
{
    if (under65 && s.getInt("marker") == 0) {
        t.t4rifTaxableUnder65 += s.getFloat("16");
        t.t4rifExcessUnder65 += s.getFloat("24");
    } else {
        t.t4rifTaxable += s.getFloat("16");
        t.t4rifExcess += s.getFloat("24");
    }
    const double other = s.getFloat("22");
    (other < 0.0 ? t.t4rifDeductions : t.t4rifOtherIncome) += std::fabs(other);
    t.t4rifDeemedOnDeath += s.getFloat("18");
    t.t4rifDeregistration += s.getFloat("20");
    t.t4rifTaxDeducted += s.getFloat("28");
    t.t4rifTaxPaidAmount += s.getFloat("40");
}

// A jointly held slip counts for the recipient's share only.
double shareOf(const CTaxData_Form& s, const char* field)
{
    return s.getFloat(field) / 100.0;
}

void addT5(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    const double share = shareOf(s, "share_percent");
    auto box = [&](const char* name) { return s.getFloat(name) * share; };
    t.t5ActualOtherDividends += box("10");
    t.t5TaxableOtherDividends += box("11");
    t.t5OtherDividendCredit += box("12");
    t.t5Interest += box("13");
    t.t5OtherIncome += box("14");
    t.t5ForeignIncome += box("15");
    t.t5ForeignTax += box("16");
    t.t5Royalties += box("17");
    t.t5CapitalGainsDividends += box("18");
    t.t5AccruedAnnuities += box("19");
    t.t5ActualEligibleDividends += box("24");
    t.t5TaxableEligibleDividends += box("25");
    t.t5EligibleDividendCredit += box("26");
}

void addT3(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    const double share = shareOf(s, "share_percent");
    auto box = [&](const char* name) { return s.getFloat(name) * share; };
    t.t3CapitalGains += box("21");
    t.t3LumpSumPension += box("22");
    t.t3ActualOtherDividends += box("23");
    t.t3ForeignBusinessIncome += box("24");
    t.t3ForeignNonBusinessIncome += box("25");
    t.t3OtherIncome += box("26");
    t.t3CapitalGainsEligibleForDeduction += box("30");
    t.t3PensionIncome += box("31");
    t.t3TaxableOtherDividends += box("32");
    t.t3ForeignBusinessTax += box("33");
    t.t3ForeignNonBusinessTax += box("34");
    t.t3DeathBenefits += box("35");
    t.t3SegregatedFundLosses += box("37");
    t.t3PartXII2Credit += box("38");
    t.t3OtherDividendCredit += box("39");
    t.t3InvestmentTaxCredit += box("41");
    t.t3ActualEligibleDividends += box("49");
    t.t3TaxableEligibleDividends += box("50");
    t.t3EligibleDividendCredit += box("51");
}

void addT5013(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    const double share = shareOf(s, "partner_share_percent");
    auto box = [&](const char* name) { return s.getFloat(name) * share; };
    t.t5013BusinessIncome += box("020");
    t.t5013CapitalGains += box("030");
    t.t5013CapitalCostAllowance += box("040");
    t.t5013LimitedFarmingIncome += box("101");
    t.t5013LimitedFishingIncome += box("103");
    t.t5013LimitedBusinessIncome += box("104");
    t.t5013LimitedRentalIncome += box("107");
    t.t5013RentalIncome += box("110");
    t.t5013ForeignRentalIncome += box("111");
    t.t5013OtherIncome += box("114");
    t.t5013NetBusinessIncome += box("116");
    t.t5013ForeignBusinessIncome += box("119");
    t.t5013ProfessionalIncome += box("120");
    t.t5013CommissionIncome += box("122");
    t.t5013FarmingIncome += box("124");
    t.t5013FishingIncome += box("126");
    t.t5013Interest += box("128");
    t.t5013ActualOtherDividends += box("129");
    t.t5013TaxableOtherDividends += box("130");
    t.t5013OtherDividendCredit += box("131");
    t.t5013ActualEligibleDividends += box("132");
    t.t5013TaxableEligibleDividends += box("133");
    t.t5013EligibleDividendCredit += box("134");
    t.t5013ForeignDividendsInterest += box("135");
    t.t5013BusinessInvestmentLoss += box("137");
    t.t5013OtherInvestmentIncome += box("146");
    t.t5013CarryingCharges += box("210");
}

void addT4PS(const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    t.t4psActualOtherDividends += s.getFloat("24");
    t.t4psTaxableOtherDividends += s.getFloat("25");
    t.t4psOtherDividendCredit += s.getFloat("26");
    t.t4psActualEligibleDividends += s.getFloat("30");
    t.t4psTaxableEligibleDividends += s.getFloat("31");
    t.t4psEligibleDividendCredit += s.getFloat("32");
    t.t4psCapitalGains += s.getFloat("34");
    t.t4psOtherEmploymentIncome += s.getFloat("35");
    t.t4psForfeited += s.getFloat("36");
    t.t4psForeignCapitalGains += s.getFloat("37");
    t.t4psForeignTax += s.getFloat("38");
    t.t4psForeignIncome += s.getFloat("40");
}

void addOther(int slipType, const CTaxData_Form& s, STRU_SLIPDATA_CALCULATION& t)
{
    switch (slipType) {
    case 10:
        t.t5003Box10 += s.getFloat("10");
        t.t5003Box11 += s.getFloat("11");
        t.t5003Box13 += s.getFloat("13");
        t.t5003Box14 += s.getFloat("14");
        break;
    case 11:
        t.t5007WorkersCompensation += s.getFloat("10");
        t.t5007SocialAssistance += s.getFloat("11");
        break;
    case 15:
        t.t4arcaRefund += s.getFloat("14");
        t.t4arcaDistributions += s.getFloat("16");
        t.t4arcaSplittable += s.getFloat("17");
        t.t4arcaTaxDeducted += s.getFloat("22");
        break;
    case 16:
        t.t5006Box10 += s.getFloat("10");
        t.t5006Box11 += s.getFloat("11");
        break;
    case 17:
        t.rc62Uccb += s.getFloat("10");
        t.rc62Repaid += s.getFloat("11");
        t.rc62PriorYears += s.getFloat("12");
        break;
    case 18: t.rc210AdvancePayments += s.getFloat("10"); break;
    case 21: t.mbShelterBenefit += s.getFloat("shelter_benefit"); break;
    case 22:
        t.prppEmployeeContributions +=
            s.getFloat("employee_contribution_current") + s.getFloat("employee_contribution_prior");
        t.prppEmployerContributions += s.getFloat("employer_contribution");
        t.prppExemptContributions +=
            s.getFloat("employee_contribution_current_exempt") + s.getFloat("employee_contribution_prior_exempt");
        break;
    case 23:
        ++t.t1204Slips;
        t.t1204ServicePayments += s.getFloat("82");
        t.t1204MixedPayments += s.getFloat("84");
        break;
    case 24:
        t.nr4GrossIncome += s.getFloat("16") + s.getFloat("26");
        t.nr4TaxWithheld += s.getFloat("17") + s.getFloat("27");
        break;
    case 25:
        t.t2202TuitionFees += s.getFloat("26");
        t.t2202MonthsPartTime += s.getFloat("24");
        t.t2202MonthsFullTime += s.getFloat("25");
        for (int row = 1; row <= TaxData_Slip_T2202::kSessions; ++row)
            t.t2202SessionFees += s.getFloat(TableForm::rowField("sessions.#.fees", row));
        break;
    default: break;
    }
}

// What the totals of all slips give beyond their sums.
void finish(STRU_SLIPDATA_CALCULATION& t)
{
    t.t4aTaxableScholarships =
        t.t4aScholarshipsTaxable + qMax(0.0, t.t4aScholarshipsBasicExemption - kScholarshipExemption);
    t.t4aTaxableDeathBenefits = qMax(0.0, t.t4aDeathBenefits - kDeathBenefitExemption);
    if (t.t4aTaxableDeathBenefits >= kPresent) t.t4aOtherIncome += t.t4aTaxableDeathBenefits;
}

// The forms the totals need, in the order they are made; a type may repeat.
std::vector<ENUMTYPE_FORM> formsNeeded(const STRU_SLIPDATA_CALCULATION& t)
{
    std::vector<ENUMTYPE_FORM> forms;
    auto need = [&forms](bool when, std::initializer_list<ENUMTYPE_FORM> types) {
        if (when) forms.insert(forms.end(), types);
    };
    need(anyPresent({t.t3CapitalGains, t.t3CapitalGainsEligibleForDeduction, t.t3SegregatedFundLosses}),
         {FormType::Schedule3, FormType::T936});
    need(anyPresent({t.t3TaxableOtherDividends, t.t3TaxableEligibleDividends, t.t3ForeignNonBusinessIncome}),
         {FormType::Schedule4});
    need(anyPresent({t.t3ForeignNonBusinessIncome, t.t3ForeignNonBusinessTax}), {FormType::T2209T2036});
    if (t.t4Slips > 0) {
        if (anyPresent({t.t4QppPensionableEarnings, t.t4QppContributions}))
            need(true, {FormType::RC381});
        else
            need(anyPresent({t.t4CppPensionableEarnings, t.t4CppContributions}), {FormType::Schedule8});
        need(anyPresent({t.t4EiPremiums, t.t4EiPremiumsQuebec, t.t4EiInsurableEarnings}), {FormType::T2204});
    }
    need(present(t.t4Donations), {FormType::Schedule9});
    need(anyPresent({t.t5ActualOtherDividends, t.t5TaxableOtherDividends, t.t5Interest, t.t5OtherIncome,
                     t.t5ForeignIncome, t.t5ActualEligibleDividends, t.t5TaxableEligibleDividends}),
         {FormType::Schedule4});
    need(present(t.t5CapitalGainsDividends), {FormType::Schedule3});
    need(anyPresent({t.t2202TuitionFees, t.t2202MonthsPartTime, t.t2202MonthsFullTime, t.t2202SessionFees}),
         {FormType::Schedule11});
    need(present(t.t5ForeignTax), {FormType::T2209T2036});
    need(anyPresent({t.t4rspLlpWithdrawals, t.t4rspHbpWithdrawals}), {FormType::Schedule7});
    need(present(t.t4aRespAccumulatedIncome), {FormType::T1172});
    need(present(t.t4aDonations), {FormType::Schedule9});
    need(present(t.t5013CapitalGains), {FormType::Schedule3});
    need(anyPresent({t.t5013Interest, t.t5013ActualOtherDividends, t.t5013TaxableOtherDividends,
                     t.t5013ActualEligibleDividends, t.t5013TaxableEligibleDividends,
                     t.t5013ForeignDividendsInterest, t.t5013OtherInvestmentIncome, t.t5013CarryingCharges}),
         {FormType::Schedule4});
    need(anyPresent({t.t4psActualOtherDividends, t.t4psTaxableOtherDividends, t.t4psActualEligibleDividends,
                     t.t4psTaxableEligibleDividends, t.t4psForeignIncome}),
         {FormType::Schedule4});
    need(present(t.t4psCapitalGains), {FormType::Schedule3});
    need(present(t.t4psForeignTax), {FormType::T2209T2036});
    need(t.indianActExempt, {FormType::T90});
    return forms;
}

} // namespace

void IndividualTaxData::CollectSlipTotals(STRU_SLIPDATA_CALCULATION& totals, std::set<ENUMTYPE_FORM>& needed) const
{
    if (m_slips.empty()) return;
    const TaxData_T1New* form = t1();
    const bool under65 = !(form && form->IsAgeNotUnder65());
    for (const STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
        if (!item->object) continue;
        const CTaxData_Form& slip = *item->object;
        switch (item->slipType) {
        case 1: addT4(slip, totals); break;
        case 2: addT4A(slip, totals, under65); break;
        case 3: addT4AP(slip, totals); break;
        case 4: addT4RSP(slip, totals); break;
        case 5: addT4E(slip, totals); break;
        case 6: addT4AOAS(slip, totals); break;
        case 7: addT4RIF(slip, totals, under65); break;
        case 8: addT5(slip, totals); break;
        case 9: addT3(slip, totals); break;
        case 13: addT5013(slip, totals); break;
        case 14: addT4PS(slip, totals); break;
        default: addOther(item->slipType, slip, totals); break;
        }
    }
    finish(totals);
    for (ENUMTYPE_FORM type : formsNeeded(totals)) needed.insert(type);
}

void IndividualTaxData::PrepareSlipsBeforeCalculate(STRU_SLIPDATA_CALCULATION& totals, std::set<ENUMTYPE_FORM>& needed)
{
    if (m_slips.empty()) return;
    for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips)
        if (item->object) item->object->BeforeReadSlip();
    CollectSlipTotals(totals, needed);
    // Two or more of a type: the return keeps what it has.
    for (ENUMTYPE_FORM type : formsNeeded(totals))
        if (GetCountOfForm(type) == 0) NewFormDataItem(type, GetNextUniqueID(), true, 0, true);
}

bool IndividualTaxData::slipsRequireForm(ENUMTYPE_FORM type)
{
    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> needed;
    CollectSlipTotals(totals, needed);
    return needed.count(type) > 0;
}
