// Calculation step 4 of a person's return: the amounts transferred from the
// spouse, donations, the non-refundable credits, net federal tax, the
// provincial tax before the coupled exchange, and the Canada workers
// benefit's figures.

#include "amounts.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formclasses.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "stephelpers.h"
#include "schedules.h"
#include "t1.h"

namespace {

} // namespace

int IndividualTaxData::calculateStep4(bool)
{
    TaxData_T1New* t1 = this->t1();
    if (!t1) return 0;
    const DaysFigures days = daysFigures();
    const int bankrupt = days.bankruptDays > 0 ? days.bankruptDays : days.daysInYear;

    // 1. Amounts transferred from the spouse; the part of the year before a
    //    bankruptcy takes its share.
    auto* sch2 = formOf<TaxData_Sch2>(*this, FormType::Schedule2);
    if (sch2) {
        const bool claimable = t1->canClaimSch2();
        sch2->setFloat("35200", TaxData_T1New::CalculateAgeAmount(
                                    t1->IsSpouseAgeNotUnder65() && claimable, t1->getSpouseNetIncForSpouseCredit(false),
                                    days.daysInYear, days.daysInYear, Federal2021::kAgeAmountMax,
                                    Federal2021::kAgeAmountThreshold, Federal2021::kAgeAmountReductionRate));
        sch2->Calculate01();
        const double transfer = claimable ? sch2->getFloat("32600") * bankrupt / days.daysInYear : 0.0;
        t1->setFloat("32600", Federal2021::roundToCents(transfer));
    } else {
        t1->setFloat("32600", 0.0);
    }

    // 2. Donations and gifts.
    auto* sch9 = formOf<TaxData_Sch9>(*this, FormType::Schedule9);
    if (sch9) sch9->Calculate01(t1->getFloat("23600"), t1->getFloat("26000"), t1->IsDeceasedForEfileReporting());
    t1->setFloat("34900", amountOf(sch9, "34900"));

    // 3. Pension income amount, the pension split, and the credits.
    t1->CalculateLine314ByWorkSheet();
    _calculateT1032_step2();
    t1->CalculateField350AndField410_414();

    // 4. Tax on taxable income and the dividend tax credit.
    t1->CalculateFedTax1stStep();
    t1->CalculateField404();

    // 5. Minimum tax: the regular tax it is measured against is the basic
    //    federal tax before the carryover.
    auto* t691 = formOf<TaxData_T691New>(*this, FormType::T691);
    const double regularTax = qMax(0.0, t1->getFloat("40400") - t1->getFloat("35000") - t1->getFloat("40425"));
    if (t691)
        t691->CalculateToLine65andMinitaxCarryOverAndLine102(t1->getFloat("26000"), t1->getFloat("12700"),
                                                             t1->getFloat("35000"), regularTax);
    t1->setFloat("40427", amountOf(t691, "carryover_applied"));

    // 6. Basic federal tax and the Quebec abatement.
    t1->CalculateField429AndNonResiSurTax();
    if (!(m_mainProvince == PROV_QC && t691 && present(t691->getFloat("minimum_tax"))))
        t1->CalculateLine440ByWorkSheet();

    // 7. Foreign tax credit, logging credit, federal tax.
    CalculateT2209FedPart();
    m_provMgr.CalcLoggingCredit(t1);
    t1->CalculateField406();

    // 8. Investment tax credit, the credits of lines 41000 to 41600, split
    //    income and the minimum tax's end.
    {
        std::list<STRUCT_FORMDATA_ITEM_2004*> items;
        GetFormDataList(FormType::T2038IND, items);
        for (STRUCT_FORMDATA_ITEM_2004* item : items)
            if (item->object) item->object->Calculate();
    }
    if (t691) t691->CalculateToLine95(regularTax);
    t1->CalculateField417();
    if (auto* t1206 = formOf<TaxData_T1206New>(*this, FormType::T1206)) {
        t1206->CalculateFederal();
        t1->setFloat("40424", t1206->getFloat("net_federal_tax"));
    }
    if (t691) t691->CalculateToEnd();

    // 9. Special taxes; net federal tax.
    if (CTaxData_Form* t1172 = GetFormData(FormType::T1172, false)) t1172->Calculate();
    t1->CalculateFedTax();

    // 10. Provincial tax, before the spouses' figures are exchanged.
    std::list<TaxData_T2209_2036*> foreign;
    PrepareT2209List(foreign);
    m_provMgr.CalcProvTax_BeforeExchData(t1, sch2, formOf<CTaxData_Schedule_3>(*this, FormType::Schedule3),
                                         formOf<TaxData_Sch4>(*this, FormType::Schedule4),
                                         formOf<TaxData_Sch5>(*this, FormType::Schedule5), sch9,
                                         formOf<TaxData_Sch11>(*this, FormType::Schedule11),
                                         formOf<TaxData_T1206New>(*this, FormType::T1206), foreign, t691,
                                         formOf<CTaxData_T1219>(*this, FormType::T1219));

    // 11. Self-employment income for the working income, and the part of it
    // the T1's self-employment lines do not show (sent as 55320).
    const double selfEmployment = CalculatedSelfEmpIncomeForF5532();
    t1->setFloat("55320", CalcF5532ForSch6OrRefMedSupp(selfEmployment));

    // 12. Canada workers benefit: the figures of the person and of the spouse.
    if (CTaxData_Form* sch6 = GetFormData(FormType::Schedule6, false)) {
        const bool spouse = t1->HasSpouse();
        sch6->setBool("no_spouse", !spouse);
        if (hasS6Dependants()) sch6->setBool("has_eligible_dependant", true);
        sch6->setBool("disability_supplement", t1->getBool("disability_amount_eligible"));
        sch6->setFloat("employment_income",
                       t1->getFloat("10100") + t1->getFloat("10400") + t1->getFloat("10400_slips"));
        sch6->setFloat("38106", t1->getFloat("13010"));
        sch6->setFloat("self_employment_income", selfEmployment);
        sch6->setFloat("net_income", t1->getFloat("23600"));
        sch6->setFloat("uccb_rdsp_repayments", t1->getFloat("21300") + t1->getFloat("rdsp_repayment"));
        sch6->setFloat("uccb_rdsp_income", t1->getFloat("11700") + t1->getFloat("12500"));
        sch6->setFloat("spouse_net_income", spouse ? t1->getFloat("spouse_net_income") : 0.0);
        sch6->setFloat("spouse_uccb_rdsp_repayments",
                       spouse ? t1->getFloat("spouse_uccb_repayment") + t1->getFloat("spouse_rdsp_repayment") : 0.0);
        sch6->setFloat("spouse_uccb_rdsp_income",
                       spouse ? t1->getFloat("spouse_uccb") + t1->getFloat("spouse_rdsp_income") : 0.0);
        // A spouse whose return is not in the file: the employment income
        // the T1 holds for them.
        if (spouse && !IsCoupledReturn())
            sch6->setFloat("spouse_employment_income", t1->getFloat("spouse_working_income"));
    }
    return 0;
}
