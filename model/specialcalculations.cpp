// The calculations of one figure or one form of a person's return that the
// calculation steps, the coupled exchange, the optimiser and the pre-filing
// checks call: foreign tax credits, self-employment and earned income, the
// pension-plan sums, business income by province, the pension-splitting
// election, the Canada workers benefit pre-tests, the minimum-tax markers and
// the preparer's details.

#include <cmath>

#include "amounts.h"
#include "dependantinfo.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "preparersettings.h"
#include "slips.h"
#include "statements.h"
#include "summaryforms.h"
#include "t1.h"
#include "utils.h"

namespace {



double line(const CTaxData_Form* form, const char* name)
{
    return form ? form->getFloat(name) : 0.0;
}

const char* const kSelfEmploymentLines[] = {"13500", "13700", "13900", "14100", "14300"};

// The net income of a T2125 as the return takes it: business or professional
// by the statement's own switch, commission for the commission type.
double t2125NetIncome(int type, const CTaxData_Form& form)
{
    if (type == FormType::T2125Commission) return form.getFloat("13900");
    return form.getFloat(form.getBool("is_professional") ? "13700" : "13500");
}

// The net income (loss) of a self-employment or rental statement; false for
// other forms.
bool statementNetIncome(const STRUCT_FORMDATA_ITEM_2004& item, double& income)
{
    switch (item.formType) {
    case 12: income = item.object->getFloat("net_income"); return true;
    case 15:
    case 21:
    case 51: income = item.object->getFloat("9946"); return true;
    case 125:
    case 131: income = t2125NetIncome(item.formType, *item.object); return true;
    default: return false;
    }
}

// Adjusted net income for the Canada workers benefit: net income with the
// UCCB and RDSP income taken out and their repayments put back.
double cwbAdjustedNetIncome(const TaxData_T1New& t1)
{
    return t1.getFloat("23600") + t1.getFloat("21300") + t1.getFloat("rdsp_repayment") - t1.getFloat("11700")
        - t1.getFloat("12500");
}

double cwbSpouseAdjustedNetIncome(const TaxData_T1New& t1)
{
    return t1.getFloat("spouse_net_income") + t1.getFloat("spouse_uccb_repayment")
        + t1.getFloat("spouse_rdsp_repayment") - t1.getFloat("spouse_uccb") - t1.getFloat("spouse_rdsp_income");
}

// The single form of the type, or none.
const CTaxData_Form* singleForm(const IndividualTaxData& person, ENUMTYPE_FORM type)
{
    const CTaxData_Form* found = nullptr;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
        if (item->formType != type) continue;
        if (found) return nullptr;
        found = item->object;
    }
    return found;
}

// Sets a marker of the minimum tax unless it is already set.
void mark(CTaxData_Form* form, const char* name)
{
    if (form && form->getFloat(name) < kPresent) form->setFloat(name, 1.0);
}

} // namespace

// Minimum working income and income ceilings of the Canada workers benefit
// pre-test, by main province: disabled without and with dependants, then
// not disabled without and with dependants (minimum, minimum, ceiling, ceiling).
const double IndividualTaxData::s_S6BoundaryIncome[14][8] = {
    {0, 0, 0, 0, 0, 0, 0, 0},                              // 0
    {910, 910, 20817, 28183, 2760, 2760, 17733, 25100},    // 1 Alberta
    {2295, 2295, 21294, 29264, 4750, 4750, 18265, 26235},  // 2 British Columbia
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 3 Manitoba
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 4 New Brunswick
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 5 Newfoundland and Labrador
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 6 Nova Scotia
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 7 Northwest Territories
    {4800, 4800, 36433, 41933, 6000, 6000, 34500, 40000},  // 8 Nunavut
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 9 Ontario
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 10 Prince Edward Island
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 11 Quebec
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 12 Saskatchewan
    {1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700},  // 13 Yukon
};

// ---------------------------------------------------------------- self-employment and earned income

double IndividualTaxData::CalculatedSelfEmpIncomeForF5532() const
{
    double sum = 0.0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (!item->object) continue;
        double income = 0.0;
        if (item->formType == FormType::T5013) {
            if (const auto* t5013 = dynamic_cast<const CTaxData_T5013*>(item->object))
                sum += t5013->GetTotalNonLossNetIncome();
        } else if (item->formType != FormType::T776 && statementNetIncome(*item, income) && income >= kPresent) {
            sum += income;
        }
    }
    return sum;
}

double IndividualTaxData::CalcF5532ForSch6OrRefMedSupp(double amount) const
{
    const TaxData_T1New* form = t1();
    double shown = 0.0;
    for (const char* name : kSelfEmploymentLines)
        if (present(line(form, name))) shown += line(form, name);
    return qMax(0.0, amount - shown);
}

namespace {
// The T1 lines of earned income for child care expenses: employment, other
// employment, CPP/QPP disability benefits and taxable scholarships.
const char* const kT778EarnedLines[] = {"10100", "10400", "11410", "13010"};
}

double IndividualTaxData::CalculatedEarnedIncomeForT778() const
{
    const TaxData_T1New* form = t1();
    if (!form) return 0.0;
    double sum = 0.0;
    for (const char* name : kT778EarnedLines) sum += form->getFloat(name);
    // Active partnership income counts only when it is income.
    if (form->getFloat("12200") >= kPresent) sum += form->getFloat("12200");
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        double income = 0.0;
        if (item->object && statementNetIncome(*item, income) && income >= kPresent) sum += income;
    }
    return sum;
}

double IndividualTaxData::CalculateF5530ForT778() const
{
    const TaxData_T1New* form = t1();
    if (!form || GetCountOfForm(FormType::T778) != 1) return 0.0;
    const CTaxData_Form* t778 = singleForm(*this, 13);
    double shown = form->getSelfEmploymentIncomeWithoutLoss();
    for (const char* name : kT778EarnedLines) shown += form->getFloat(name);
    return CalculatedEarnedIncomeForT778() - shown + line(t778, "other_earned_income");
}

// ---------------------------------------------------------------- pension-plan sums

double IndividualTaxData::getF5548(double cap) const
{
    const auto* cpt20 = dynamic_cast<const TaxData_CPT20_New*>(singleForm(*this, 57));
    const bool elected = cpt20 && cpt20->electedAmount() >= kPresent;
    double sum = 0.0;
    for (const STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
        if (item->slipType != 1 || !item->object) continue;
        const CTaxData_Form& slip = *item->object;
        if (slip.getInt("province_of_employment") != PROV_QC || slip.getFloat("16") >= kPresent) continue;
        double earnings = 0.0;
        if (!slip.getBool("cpp_qpp_exempt"))
            earnings = t4PensionableEarnings(slip);
        else if (elected)
            earnings = slip.getFloat("14");
        sum += qMin(earnings, cap);
    }
    return sum;
}

double IndividualTaxData::getF50339(double) const
{
    const auto* cpt20 = dynamic_cast<const TaxData_CPT20_New*>(singleForm(*this, 57));
    const bool elected = cpt20 && cpt20->hadElectedF399IncomeToPayCPP();
    double sum = 0.0;
    for (const STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
        if (item->slipType != 1 || !item->object) continue;
        const CTaxData_Form& slip = *item->object;
        if (slip.getInt("province_of_employment") == PROV_QC) {
            // Quebec employment that paid CPP and not QPP.
            if (slip.getFloat("16") >= kPresent && slip.getFloat("17") < kPresent) sum += t4PensionableEarnings(slip);
            continue;
        }
        double earnings = 0.0;
        if (!slip.getBool("cpp_qpp_exempt"))
            earnings = t4PensionableEarnings(slip);
        else if (elected)
            earnings = slip.getFloat("14");
        sum += qMin(earnings, Federal2021::kCppYmpe);
    }
    return sum;
}

// ---------------------------------------------------------------- foreign tax credits

void IndividualTaxData::PrepareT2209List(std::list<TaxData_T2209_2036*>& list) const
{
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms)
        if (item->formType == FormType::T2209T2036)
            if (auto* form = dynamic_cast<TaxData_T2209_2036*>(item->object)) list.push_back(form);
}

int IndividualTaxData::CalculateT2209Adjust15Percent()
{
    TaxData_T1New* form = t1();
    if (!form) return 0;
    form->setFloat("foreign_tax_deduction", 0.0);
    std::list<TaxData_T2209_2036*> countries;
    PrepareT2209List(countries);
    for (TaxData_T2209_2036* country : countries) {
        country->Adjust15Percent();
        form->setFloat("foreign_tax_deduction",
                       form->getFloat("foreign_tax_deduction") + country->getFloat("excess_over_15_percent"));
    }
    return 0;
}

int IndividualTaxData::CalculateT2209FedPart()
{
    TaxData_T1New* form = t1();
    if (!form) return 0;
    CTaxData_Form* t691 = GetFormData(FormType::T691, false);
    const CTaxData_Form* t1206 = GetFormData(FormType::T1206, false);
    std::list<TaxData_T2209_2036*> countries;
    PrepareT2209List(countries);

    // The net income of the foreign tax credit: net income with the split
    // income, less the deductions of step 4 of the return.
    double netIncome = form->getFloat("23600") + line(t1206, "68360");
    for (const char* name : {"24400", "24900", "25000", "25100", "25200", "25300", "25400", "25500", "25600"})
        netIncome -= form->getFloat(name);
    // Basic federal tax before the dividend tax credit and the minimum tax
    // carryover, as the form wants it; the business credit also bears the
    // surtax on income earned outside Canada.
    const double basicTax = qMax(0.0, form->getFloat("42900") + form->getFloat("40425") + form->getFloat("40427"));
    const double taxBase = qMax(0.0, basicTax + form->getFloat("federal_surtax_outside_canada"));

    double credit = 0.0, nonBusinessTax = 0.0, nonBusinessIncome = 0.0, businessTax = 0.0, businessIncome = 0.0;
    for (TaxData_T2209_2036* country : countries) {
        if (country->getInt("net_income_override") == 0) country->setFloat("net_income", netIncome);
        country->setFloat("basic_federal_tax", basicTax);
        country->setFloat("federal_tax_base", taxBase);
        country->Calculate01();
        credit += country->getFloat("federal_credit");
        nonBusinessTax += country->getFloat("foreign_non_business_tax_paid");
        nonBusinessIncome += country->getFloat("foreign_non_business_income");
        businessTax += country->getFloat("foreign_business_tax_paid");
        businessIncome += country->getFloat("foreign_business_income");
    }
    form->setFloat("40500", credit);
    form->setFloat("ftc_non_business_tax_paid", nonBusinessTax);
    form->setFloat("ftc_net_foreign_non_business_income", std::round(nonBusinessIncome));
    form->setFloat("ftc_business_tax_paid", businessTax);
    form->setFloat("ftc_net_foreign_business_income", std::round(businessIncome));
    if (t691) {
        t691->setFloat("special_foreign_tax_credit", credit);
        t691->setFloat("foreign_tax_paid", nonBusinessTax);
        t691->setFloat("foreign_non_business_income", nonBusinessIncome);
    }
    return 0;
}

int IndividualTaxData::CalculateT2209FromFedToProv()
{
    const CTaxData_Form* t691 = GetFormData(FormType::T691, false);
    const bool minimumTax = t691 && present(t691->getFloat("minimum_tax"));
    std::list<TaxData_T2209_2036*> countries;
    PrepareT2209List(countries);
    for (TaxData_T2209_2036* country : countries) {
        // The province credits the non-business tax the federal credit left.
        const double paid =
            country->getFloat("foreign_non_business_tax_paid") - country->getFloat("excess_over_15_percent");
        country->setFloat("provincial_foreign_income", country->getFloat("foreign_non_business_income"));
        country->setFloat("provincial_foreign_tax", qMax(0.0, paid - country->getFloat("non_business_credit")));
        country->setFloat("provincial_net_income", country->getFloat("net_income"));
        if (minimumTax) country->setFloat("provincial_tax_base", t691->getFloat("minimum_tax"));
    }
    return 0;
}

// ---------------------------------------------------------------- T2203

int IndividualTaxData::_calculateT2203BusiIncome()
{
    TaxData_T1New* form = t1();
    auto* t2203 = dynamic_cast<TaxData_T2203*>(GetFormData(FormType::T2203, false));
    if (!form || !t2203) return 0;
    t2203->setMainTaxProvince(m_mainProvince);
    t2203->setFloat("net_income", form->getFloat("23600") + line(GetFormData(FormType::T1206, false), "68360"));
    t2203->setFloat("taxable_income", form->getFloat("26000"));
    t2203->resetBusiIncFromAllProvs();
    // Limited partnership income has no statement: it stays in the province
    // of residence.
    const double partnership = present(form->getFloat("12200")) ? form->getFloat("12200") : 0.0;
    t2203->addBusiInc(m_mainProvince, partnership);
    double total = partnership;
    for (const char* name : kSelfEmploymentLines) total += form->getFloat(name);
    t2203->setFloat("total_business_income", total);
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType != FormType::T2042 && item->formType != FormType::T2121
            && item->formType != FormType::T2125)
            continue;
        if (!item->object) continue;
        const CString postcode = item->object->getString("business_postal_code").Left(3);
        int province = CPostCodeInfo::ProvFromPostCode(postcode.c_str());
        // A statement without a usable postal code is taken to be at home.
        if (province == PROV_NONE) province = m_mainProvince;
        t2203->addBusiInc(province, item->object->getFloat("9946"));
    }
    t2203->Calculate01();
    return 0;
}

void IndividualTaxData::syncMultiProvFromT2203()
{
    if (GetCountOfForm(FormType::T2203) >= 2) IsMultipleForm(156);
}

// ---------------------------------------------------------------- T1032

void IndividualTaxData::_calculateT1032_step1()
{
    TaxData_T1New* form = t1();
    auto* t1032 = dynamic_cast<TaxData_T1032_New*>(GetFormData(FormType::T1032, false));
    if (!form) return;
    if (!t1032) {
        for (const char* name : {"11600", "21000", "split_pension_qualifying", "split_pension_tax_adjustment"})
            form->setFloat(name, 0.0);
        return;
    }
    const bool transferee = t1032->role() == TaxData_T1032_New::ROLE_TRANSFEREE;
    const char* own = transferee ? "transferee_" : "transferor_";
    const char* spouse = transferee ? "transferor_" : "transferee_";
    auto set = [&](const char* section, const char* name, const CString& value) {
        t1032->setString(CString(section) + name, value);
    };
    set(own, "last_name", form->getString("last_name"));
    set(own, "first_name", form->getString("first_name"));
    set(own, "sin", form->getString("sin"));
    set(own, "address", form->GetFullAddressWithoutPostcode(',') + " " + form->getString("mailing_postal_code"));
    set(own, "phone", form->getString("home_phone"));
    t1032->setInt(CString(own) + "age", form->GetAge());
    if (form->HasSpouse() || form->IsWidowedInTaxYear()) {
        set(spouse, "last_name", form->getString("spouse_last_name"));
        set(spouse, "first_name", form->getString("spouse_first_name"));
        set(spouse, "sin", form->getString("spouse_sin"));
        t1032->setInt(CString(spouse) + "age", form->GetSpouseAge());
    } else {
        for (const char* name : {"last_name", "first_name", "sin", "address", "phone"}) set(spouse, name, CString());
        t1032->setInt(CString(spouse) + "age", 0);
    }
    // The pensioner's form takes the pension; the other spouse's gets it
    // through the coupled exchange.
    if (!transferee) t1032->setFloat("eligible_pension_11500", form->getFloat("11500"));
    t1032->CalculateMaxSplitInc();
    const double split = t1032->getFloat("split_amount");
    if (transferee) {
        form->setFloat("11600", split);
        form->setFloat("21000", 0.0);
    } else {
        form->setFloat("21000", split);
        form->setFloat("11600", 0.0);
        form->setFloat("split_pension_qualifying", 0.0);
    }
}

void IndividualTaxData::_calculateT1032_step2()
{
    TaxData_T1New* form = t1();
    auto* t1032 = dynamic_cast<TaxData_T1032_New*>(GetFormData(FormType::T1032, false));
    if (!form) return;
    if (!t1032) {
        for (const char* name :
             {"pension_amount_after_split", "split_pension_tax_adjustment", "split_pension_qualifying"})
            form->setFloat(name, 0.0);
        return;
    }
    t1032->CalculatePensionInc();
    t1032->CalculateIncomeTax();
    const bool transferee = t1032->role() == TaxData_T1032_New::ROLE_TRANSFEREE;
    form->setFloat("pension_amount_after_split", qMin(t1032->getFloat("pension_amount"), Federal2021::kPensionIncomeAmountMax));
    const double movedTax = t1032->getFloat("68050");
    form->setFloat("split_pension_tax_adjustment", transferee ? movedTax : -movedTax);
    if (transferee) form->setFloat("split_pension_qualifying", t1032->getF5344());
}

// ---------------------------------------------------------------- Canada workers benefit pre-tests

bool IndividualTaxData::hasS6Dependants() const
{
    return m_dependants && m_dependants->GetDepNumberBetweenAges(0, 18) > 0;
}

bool IndividualTaxData::IsDisabled() const
{
    const TaxData_T1New* form = t1();
    return form && form->getBool("disability_amount_eligible");
}

bool IndividualTaxData::claimedSpouseRelatedAmount() const
{
    const TaxData_T1New* form = t1();
    return form && present(form->getFloat("30300"));
}

bool IndividualTaxData::MaySchedule6Needed()
{
    const TaxData_T1New* form = t1();
    if (!form || form->GetAge() < 19 || form->IsImmigrant()) return false;
    if (m_mainProvince < 0 || m_mainProvince > 13) return false;
    const int status = form->getInt("marital_status");
    double adjusted = cwbAdjustedNetIncome(*form);
    if (status == MARITAL_MARRIED || status == MARITAL_COMMON_LAW) adjusted += cwbSpouseAdjustedNetIncome(*form);

    const double* row = s_S6BoundaryIncome[m_mainProvince];
    const int column = IsDisabled() ? 0 : 4;
    if (status >= MARITAL_MARRIED && status <= MARITAL_WIDOWED) return adjusted <= row[column + 3];

    const double working = form->getFloat("10100") + form->getFloat("10400") + CalculatedSelfEmpIncomeForF5532();
    const int dependants = hasS6Dependants() ? 1 : 0;
    if (working < row[column + dependants]) return false;
    return adjusted <= row[column + 2 + dependants];
}

bool IndividualTaxData::MaySchedule6Needed_v2() const
{
    const TaxData_T1New* form = t1();
    if (!form || form->GetAge() < 19 || form->IsImmigrant()) return false;
    const bool spouse = form->HasSpouse();
    double working = form->getFloat("10100") + form->getFloat("10400") + form->getFloat("13010")
        + form->getSelfEmploymentIncomeWithoutLoss();
    double adjusted = cwbAdjustedNetIncome(*form);
    if (spouse) {
        working += form->getFloat("spouse_net_income");
        adjusted += cwbSpouseAdjustedNetIncome(*form);
    }
    const bool children = m_dependants && m_dependants->GetDepChildrenNumberForLine305() > 0;
    const bool family = spouse || children;
    const bool disabled = IsDisabled();

    // The 2021 benefit: the working income it starts from and the adjusted
    // net income at which it is gone.
    double minimum = 0.0, ceiling = 0.0;
    switch (m_mainProvince) {
    case PROV_AB:
        minimum = disabled ? 910.0 : 2760.0;
        ceiling = family ? (disabled ? 47720.0 : 42920.0) : (disabled ? 37117.0 : 32317.0);
        break;
    case PROV_NU:
        minimum = disabled ? 4800.0 : 6000.0;
        ceiling = disabled ? 64217.0 : 57550.0;
        break;
    case PROV_QC:
        minimum = spouse && !children ? 3600.0 : 2400.0;
        if (children)
            ceiling = spouse ? 23718.79 : 16974.03;
        else
            ceiling = spouse ? 31434.05 : 20332.99;
        break;
    default:
        minimum = disabled ? 1150.0 : 3000.0;
        ceiling = family ? (disabled ? 46997.0 : 42197.0) : (disabled ? 37044.0 : 32244.0);
        break;
    }
    return working - minimum >= kPresent && ceiling - adjusted >= kPresent;
}

// ---------------------------------------------------------------- minimum tax markers

void IndividualTaxData::CalculateAdjustment()
{
    TaxData_T1New* form = t1();
    if (!form) return;
    CTaxData_Form* t691 = GetFormData(FormType::T691, false);
    if (present(form->getFloat("12700")))
        t691 ? mark(t691, "capital_gains_marker") : mark(form, "amt_capital_gains_marker");
    if (form->getFloat("12600") <= -kPresent) t691 ? mark(t691, "loss_marker") : mark(form, "amt_loss_marker");
    // A capital gains deduction beyond the net capital losses applied.
    if (t691 && form->getFloat("25400") - form->getFloat("25300") >= kPresent) {
        mark(t691, "ratio_marker");
        mark(t691, "capital_gains_marker");
    }
}

// ---------------------------------------------------------------- the preparer

void IndividualTaxData::CopyTaxPreparerInfo()
{
    const PreparerSettings& preparer = preparerSettings();
    if (TaxData_T1New* form = t1()) {
        form->setString("preparer_phone", preparer.BusinessPhone);
        form->setString("preparer_name", preparer.BusinessName);
        form->setString("preparer_address", preparer.BusinessAddr);
        form->setString("preparer_city",
                        preparer.BusinessCity + ", " + preparer.BusinessProv + " " + preparer.BusinessPostcode);
        form->setString("preparer_efile_number", preparer.BusinessEFileNum);
    }
    if (TaxData_T1159* nonResident = t1159()) {
        nonResident->setString("preparer_name", preparer.BusinessName);
        nonResident->setString("preparer_phone", preparer.BusinessPhone);
    }
}

void IndividualTaxData::CopyT1013Pref1()
{
    CopyTaxPreparerInfo();
}

void IndividualTaxData::CopyT1013Pref2()
{
    CopyTaxPreparerInfo();
}

// ---------------------------------------------------------------- optimiser

TaxData_T1KSNew* IndividualTaxData::GetSingleReturnOptimize(std::list<double>&)
{
    return dynamic_cast<TaxData_T1KSNew*>(GetFormData(FormType::Summary, false));
}

int IndividualTaxData::GetIncomeThresholds(std::list<double>& thresholds)
{
    int added = 0;
    if (const TaxData_T1New* form = t1()) added += form->GetIncomeThresholds(thresholds);
    return added + m_provMgr.GetIncomeThresholds(thresholds);
}
