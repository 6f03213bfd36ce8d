#include "provincemanager.h"

#include <algorithm>

#include <QtGlobal>

#include "federalforms.h"
#include "fields.h"
#include "formtables.h"
#include "formtypes.h"
#include "provincecalc.h"
#include "provinceforms.h"
#include "provincelayouts.h"
#include "utils.h"
#include "provincetables.h"
#include "schedules.h"
#include "t1.h"

namespace {

// Amounts the program exchanges by an id that is not a 428 line number.
struct AmountId
{
    int id;
    const char* field;
};

constexpr AmountId kAmountIds[] = {
    // Unused provincial tuition and education amounts carried forward from
    // the 2020 notice of assessment (interview and prior-year import).
    {11001, "unused_tuition_carried_forward"},
    // What the spouse's S2 needs of this return (the coupled exchange).
    {11002, "taxable_income"},
    {11003, "credits_before_transfers"},
    // The family low-income reduction the spouses pass between them.
    {11005, "low_income_tax_reduction_unused"},
    {11006, "low_income_tax_reduction_from_spouse"},
};

// Amounts of the province's S11 the spouse's S2 reads.
constexpr AmountId kS11AmountIds[] = {
    {11004, "transferred"},
};

double amountOf(const CTaxData_Form* form, const char* field)
{
    return form ? form->getFloat(field) : 0.0;
}

// The person's own entries of a form (not the lines the calculation fills),
// amounts as they are and ticks as 1.
void readEntries(const CTaxData_Form& form, const FieldTable& table,
                 std::vector<std::pair<const char*, double>>& entries)
{
    entries.clear();
    for (int i = 0; i < table.count; ++i) {
        const FieldSpec& spec = table.rows[i];
        if (spec.repeat > 0 || (spec.attributes & CField::Calculated)) continue;
        switch (spec.type) {
        case CField::Float: entries.emplace_back(spec.name, form.getFloat(spec.name)); break;
        case CField::Int: entries.emplace_back(spec.name, form.getInt(spec.name)); break;
        case CField::Bool: entries.emplace_back(spec.name, form.getBool(spec.name) ? 1.0 : 0.0); break;
        default: break;
        }
    }
}

// The amounts the person entered in the rows of a form's tables, by the
// column's name.
void readRowEntries(const CTaxData_Form& form, const FieldTable& table,
                    std::vector<std::pair<const char*, std::vector<double>>>& entries)
{
    entries.clear();
    for (int i = 0; i < table.count; ++i) {
        const FieldSpec& spec = table.rows[i];
        if (spec.repeat <= 0 || spec.type != CField::Float || (spec.attributes & CField::Calculated)) continue;
        std::vector<double> rows;
        for (int row = 1; row <= spec.repeat; ++row)
            rows.push_back(form.getFloat(TableForm::rowField(spec.name, row).c_str()));
        entries.emplace_back(spec.name, std::move(rows));
    }
}

} // namespace

CProvinceTaxManager::CProvinceTaxManager()
    : m_params(thisProvince())
{
}

CProvinceTaxManager::~CProvinceTaxManager()
{
    FreeWizardData();
}

ENUMTYPE_PROVINCE CProvinceTaxManager::GetManagerProvince() const
{
    return m_params.province;
}

void CProvinceTaxManager::SetTaxReturnDefaultValues(TaxData_T1New* t1, TaxData_Sch5* sch5)
{
    m_defaultsT1 = t1;
    m_defaultsSch5 = sch5;
}

void CProvinceTaxManager::SyncDepInfo(int formType, DependantInfoStruct* dependants)
{
    m_depSyncFormType = formType;
    if (dependants) m_dependants = dependants;
}

void CProvinceTaxManager::SyncDepSelAcrossMultiProvinces(int value, TaxData_T1New* t1)
{
    m_depSelection = value;
    m_depSelectionT1 = t1;
}

CTaxData_Form* CProvinceTaxManager::NewFormData(ENUMTYPE_FORM type, bool /*forEditing*/)
{
    // Another province's forms and the federal ones are never ours, even
    // where the type is one of ours in number: the report maker asks every
    // library for every type and takes the first object it gets.
    if (type <= 0 || getFormProv(type) != m_params.province) return nullptr;

    const ProvinceLayouts& layouts = provinceLayouts(m_params.province);
    CTaxData_Form* form = nullptr;
    if (type == m_params.form428)
        form = new TaxData_Prov428(type, m_params.own428, layouts.own428, m_params.formS11, m_params.formS2);
    else if (m_params.form479 != 0 && type == m_params.form479)
        form = new TaxData_Prov479(type, m_params.own479, layouts.form479);
    else if (type == m_params.formS2)
        form = new TaxData_ProvS2(type, m_params.ownS2, layouts.ownS2);
    else if (type == m_params.formS11)
        form = new TaxData_ProvS11(type);
    if (!form) return nullptr;

    // Entries of forms deleted since are of no more use.
    m_forms.erase(std::remove_if(m_forms.begin(), m_forms.end(),
                                 [](const QPointer<CTaxData_Form>& f) { return f.isNull(); }),
                  m_forms.end());
    m_forms.emplace_back(form);
    return form;
}

bool CProvinceTaxManager::FreeFormData(CTaxData_Form* form, bool /*inList*/)
{
    if (!form) return false;
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        if (it->data() != form) continue;
        m_forms.erase(it);
        delete form;
        return true;
    }
    return false;
}

int CProvinceTaxManager::ActivateForm(ENUMTYPE_FORM /*type*/, unsigned int* /*pageId*/,
                                      std::list<BaseTaxPage*>& /*pages*/)
{
    return 0;
}

ENUMTYPE_FORM CProvinceTaxManager::FindRelatedForm1(ENUMTYPE_FORM type)
{
    // Child care (T778) has no provincial companion form: Ontario's CARE
    // credit is a line of the ON479, which carries other credits as well and
    // must not go when the T778 is removed.
    switch (type) {
    // Federal forms whose provincial companion must accompany them.
    case FormType::Schedule2: return m_params.formS2;
    case FormType::Schedule11: return m_params.formS11;
    default: return 0;
    }
}

CTaxData_Form* CProvinceTaxManager::NewWizardData()
{
    auto* interview = new TaxData_ProvInterview(m_params.ownInterview, provinceLayouts(m_params.province).ownInterview);
    m_interviews.emplace_back(interview);
    return interview;
}

bool CProvinceTaxManager::FreeWizardData()
{
    for (QPointer<CTaxData_Form>& interview : m_interviews)
        delete interview.data();
    m_interviews.clear();
    return true;
}

int CProvinceTaxManager::ActivateWizard(unsigned int* /*pageId*/)
{
    return 0;
}

void CProvinceTaxManager::ReadDataFromWizards() {}

void CProvinceTaxManager::WriteDataToWizards() {}

void CProvinceTaxManager::CalcLoggingCredit(TaxData_T1New* /*t1*/) {}

void CProvinceTaxManager::CalcProvCredit(TaxData_T1New* t1, TaxData_T2203* /*t2203*/, TaxData_Sch5* /*sch5*/,
                                         std::list<TaxData_T2209_2036*>& /*t2209*/)
{
    if (!isMainProvince(t1)) return;
    CTaxData_Form* form428 = current428();
    ProvinceCalc calc(m_params);
    calc.taxableIncome = t1->getFloat("26000");
    calc.netIncome = t1->getFloat("23600");
    calc.age = t1->GetAge();
    calc.claimsSpouse = t1->CanClaimSpouse();
    calc.hasSpouse = t1->HasSpouse();
    calc.spouseAge = calc.hasSpouse ? t1->GetSpouseAge() : 0;
    // A family's credits count the spouse's net income, claimed or not.
    calc.spouseNetIncome = calc.hasSpouse ? t1->getFloat("spouse_net_income") : 0.0;
    calc.firstOfCouple = isFirstOfCouple(t1);
    calc.children = t1->getInt("dependants_children_0_to_18");
    calc.infirmDependantsAdult = t1->getInt("dependants_infirm_18_or_older");
    calc.adjustedNetDeductions = t1->getFloat("24400") + t1->getFloat("25000");
    calc.tax = amountOf(form428, "42800");     // some 479 credits are held to the tax
    // The 428's own claims, which some 479 credits follow.
    calc.dependantAmount = amountOf(form428, "58160");
    calc.disabilityAmount = amountOf(form428, "58440");
    calc.disabilityTransferAmount = amountOf(form428, "58480");
    calc.spouseDisabilityTransferred = spouseDisabilityMovesHere(calc.hasSpouse);
    CTaxData_Form* form479 = m_params.form479 ? currentForm(m_params.form479) : nullptr;
    if (form479) readEntries(*form479, m_params.own479, calc.entries479);
    calc.calculateRefundable();
    if (form479) {
        for (const auto& line : calc.own479) form479->setFloat(line.first, line.second);
        form479->setFloat("47900", calc.refundable);
    }
    t1->setFloat("47900", calc.refundable);
    t1->setFloat("provincial_credits", amountOf(form428, "61500"));
}

void CProvinceTaxManager::ExchangeDataBeforeCalc(bool /*coupled*/, int /*step*/, TaxData_T1New* /*t1*/) {}

// Both spouses' returns compare the same two numbers the other way round.
bool CProvinceTaxManager::isFirstOfCouple(const TaxData_T1New* t1)
{
    const QByteArray ownSin = sinDigits(t1->getString("sin")).bytes();
    const QByteArray spouseSin = sinDigits(t1->getString("spouse_sin")).bytes();
    return spouseSin.isEmpty() || ownSin <= spouseSin;
}

bool CProvinceTaxManager::spouseDisabilityMovesHere(bool hasSpouse) const
{
    return hasSpouse && amountOf(currentForm(m_params.formS2), "spouse_disability_amount") > 0.0;
}

bool CProvinceTaxManager::isMainProvince(const TaxData_T1New* t1) const
{
    return t1 && t1->getInt("province") == m_params.province;
}

void CProvinceTaxManager::calculate428(TaxData_T1New* t1, TaxData_Sch9* sch9,
                                       const std::list<TaxData_T2209_2036*>& t2209)
{
    CTaxData_Form* form = current428();
    if (!isMainProvince(t1) || !form) return;

    ProvinceCalc calc(m_params);
    calc.taxableIncome = t1->getFloat("26000");
    calc.netIncome = t1->getFloat("23600");
    calc.employmentIncome = t1->getFloat("10100") + t1->getFloat("10400") + t1->getFloat("10400_slips");
    calc.age = t1->GetAge();
    calc.hasSpouse = t1->HasSpouse();
    // A spouse lived apart from, with an eligible dependant claimed instead.
    calc.claimsSpouse = t1->CanClaimSpouse() && !(m_sch5 && m_sch5->claimsDependantInsteadOfSpouse(calc.hasSpouse));
    calc.spouseAge = calc.hasSpouse ? t1->GetSpouseAge() : 0;
    calc.spouseNetIncome = calc.hasSpouse ? t1->getFloat("spouse_net_income") : 0.0;
    calc.spouseTaxableIncome = calc.hasSpouse ? t1->getFloat("spouse_taxable_income") : 0.0;
    calc.firstOfCouple = isFirstOfCouple(t1);
    // The dependant as Schedule 5 holds them: line 30400 also carries the
    // federal caregiver top-up, reduction and proration.
    calc.claimsDependant = m_sch5 && m_sch5->claimsEligibleDependant(calc.hasSpouse);
    calc.dependantNetIncome = calc.claimsDependant ? m_sch5->eligibleDependantNetIncome() : 0.0;
    calc.cppEmployment = t1->getFloat("30800");
    calc.cppSelfEmployed = t1->getFloat("31000");
    calc.eiEmployment = t1->getFloat("31200");
    calc.eiSelfEmployed = t1->getFloat("31217");
    calc.pensionIncomeAmount = t1->getFloat("31400");
    calc.disabilitySelf = t1->getFloat("31600") > 0.0;
    calc.disabilityTransfer = t1->getFloat("31800") > 0.0;
    calc.studentLoanInterest = t1->getFloat("31900");
    // The same gross expenses as the federal lines, against the province's
    // own thresholds.
    calc.medicalExpenses = t1->getFloat("33099");
    for (const TaxData_T1New::DependantMedical& other : t1->otherDependantsMedicalExpenses())
        calc.otherDependantsMedical.emplace_back(other.expenses, other.netIncome);
    calc.donations = amountOf(sch9, "34000") + amountOf(sch9, "34200");
    calc.eligibleDividends = std::max(0.0, t1->getFloat("12000") - t1->getFloat("12010"));
    calc.otherDividends = t1->getFloat("12010");
    calc.lowIncomeReductionFromSpouse = calc.hasSpouse ? form->getFloat("low_income_tax_reduction_from_spouse") : 0.0;
    // The dependants are counted from the return, never typed: the 428s
    // count them on their own lines (Ontario's 60969 and 60970, Manitoba's
    // MB428-A) where the form asks for no choice of the filer's.
    CTaxData_Form* s2 = currentForm(m_params.formS2);
    calc.spouseDisabilityTransferred = spouseDisabilityMovesHere(calc.hasSpouse);
    calc.children = t1->getInt("dependants_children_0_to_18");
    calc.childrenUnder18 = t1->getInt("dependants_children_under_18");
    // ON428 line 60970: the infirm dependants, and a spouse whose disability
    // amount moves here on the ON(S2).
    calc.impairedDependants = t1->getInt("dependants_infirm") + (calc.spouseDisabilityTransferred ? 1 : 0);
    calc.infirmDependantsAdult = t1->getInt("dependants_infirm_18_or_older");
    calc.volunteerFirefighter = t1->getFloat("31220") > 0.0;
    calc.spouseTransfer = calc.claimsSpouse || t1->HasSpouse() ? amountOf(s2, "amount_transferred") : 0.0;
    CTaxData_Form* s11 = currentForm(m_params.formS11);
    calc.tuitionCarriedIn = form->getFloat("unused_tuition_carried_forward");
    // This year's fees from the T2202 slips, as on Schedule 11, where the
    // province still credits them.
    calc.tuitionCurrent = m_params.credits->tuitionFees ? t1->getFloat("t2202_tuition_fees") : 0.0;
    calc.tuitionTransferAsked = amountOf(s11, "transfer_amount");
    // The months the S11 gives, else those of the return's T2202 slips.
    const bool monthsEntered =
        s11 && (s11->getInt("education_months_full_time") > 0 || s11->getInt("education_months_part_time") > 0);
    calc.educationMonthsFullTime =
        monthsEntered ? s11->getInt("education_months_full_time") : t1->getFloat("t2202_months_full_time");
    calc.educationMonthsPartTime =
        monthsEntered ? s11->getInt("education_months_part_time") : t1->getFloat("t2202_months_part_time");
    // The T2036 figures step 5 put on each country's T2209.
    for (const TaxData_T2209_2036* country : t2209) {
        if (!country) continue;
        calc.foreignIncomes.push_back({country->getFloat("provincial_foreign_income"),
                                       country->getFloat("provincial_foreign_tax"),
                                       country->getFloat("provincial_net_income")});
    }
    readEntries(*form, m_params.own428, calc.entries428);
    readRowEntries(*form, m_params.own428, calc.rowEntries428);
    calc.calculate();
    auto credit = calc.foreignCredits.begin();
    for (TaxData_T2209_2036* country : t2209) {
        if (!country || credit == calc.foreignCredits.end()) continue;
        country->setFloat("provincial_credit", *credit++);
        country->setFloat("provincial_tax_base", calc.taxOtherwisePayable);
    }

    const std::pair<const char*, double> lines[] = {
        {"taxable_income", calc.taxableIncome},
        {"tax_on_taxable_income", calc.taxOnTaxableIncome},
        {"58040", calc.basicPersonal},
        {"58080", calc.ageAmount},
        {"58120", calc.spouseAmount},
        {"58160", calc.dependantAmount},
        {"58240", calc.cppEmployment},
        {"58280", calc.cppSelfEmployed},
        {"58300", calc.eiEmployment},
        {"58305", calc.eiSelfEmployed},
        {"58360", calc.pensionAmount},
        {"58440", calc.disabilityAmount},
        {"58480", calc.disabilityTransferAmount},
        {"58520", calc.studentLoanInterest},
        {"58560", calc.tuitionUsed},
        {"58640", calc.spouseTransfer},
        {"58689", calc.medicalAllowable},
        {"58729", calc.otherMedical},
        {"58769", roundToCents(calc.medicalAllowable + calc.otherMedical)},
        {"58800", calc.totalAmounts},
        {"58840", calc.creditsAtLowestRate},
        {"58969", calc.donationCredit},
        {"61500", calc.nonRefundable},
        {"credits_before_transfers", calc.creditsBeforeTransfers},
        {"61520", calc.dividendCredit},
        {"provincial_foreign_tax_credit", calc.foreignTaxCredit},
        {"42800", calc.tax},
    };
    for (const auto& line : lines) form->setFloat(line.first, line.second);
    for (const auto& line : calc.own428) form->setFloat(line.first, line.second);
    for (const auto& count : calc.ownCounts428) form->setInt(count.first, count.second);
    t1->setFloat("42800", calc.tax);
    if (s11) {
        const std::pair<const char*, double> s11Lines[] = {
            {"unused_from_prior_years", calc.tuitionCarriedIn},
            {"eligible_tuition_fees", calc.tuitionCurrent},
            {"education_amount", calc.educationAmount},
            {"current_year_amount", calc.tuitionCurrent + calc.educationAmount},
            {"total_available", calc.tuitionCarriedIn + calc.tuitionCurrent + calc.educationAmount},
            {"used_this_year", calc.tuitionUsed},
            {"transferred", calc.tuitionTransferred},
            {"carried_forward", calc.tuitionCarriedOut},
        };
        for (const auto& line : s11Lines) s11->setFloat(line.first, roundToCents(line.second));
    }
}

void CProvinceTaxManager::calculateS2()
{
    CTaxData_Form* s2 = currentForm(m_params.formS2);
    if (!s2) return;
    // Saskatchewan's S2 also takes the spouse's amount for dependent
    // children and senior supplementary amount; other S2s have no such lines.
    const double total = s2->getFloat("spouse_age_amount") + s2->getFloat("spouse_pension_income_amount")
        + s2->getFloat("spouse_disability_amount") + s2->getFloat("spouse_tuition_designated")
        + s2->getFloat("spouse_dependent_children_amount") + s2->getFloat("spouse_senior_supplementary_amount");
    s2->setFloat("total_transferable", roundToCents(total));
    s2->setFloat("amount_transferred", roundToCents(std::max(0.0, total - s2->getFloat("spouse_credits_used"))));
}

void CProvinceTaxManager::CalcProvTax_BeforeExchData(TaxData_T1New* t1, TaxData_Sch2* /*sch2*/,
                                                     CTaxData_Schedule_3* /*sch3*/, TaxData_Sch4* /*sch4*/,
                                                     TaxData_Sch5* /*sch5*/, TaxData_Sch9* sch9,
                                                     TaxData_Sch11* /*sch11*/, TaxData_T1206New* /*t1206*/,
                                                     std::list<TaxData_T2209_2036*>& t2209,
                                                     TaxData_T691New* /*t691*/, CTaxData_T1219* /*t1219*/)
{
    // The spouse's exchange reads this 428's taxable income and basic credits.
    calculate428(t1, sch9, t2209);
}

void CProvinceTaxManager::CalcProvTax_AfterExchData(TaxData_T1New* t1, TaxData_T2203* /*t2203*/,
                                                    TaxData_Sch2* /*sch2*/, CTaxData_Schedule_3* /*sch3*/,
                                                    TaxData_Sch9* sch9, TaxData_T1206New* /*t1206*/,
                                                    std::list<TaxData_T2209_2036*>& t2209,
                                                    TaxData_T691New* /*t691*/, CTaxData_T1219* /*t1219*/,
                                                    TaxData_T2017New* /*t2017*/)
{
    if (!isMainProvince(t1)) return;
    calculateS2();
    calculate428(t1, sch9, t2209);
}

int CProvinceTaxManager::beforeCalcFormData(int /*kind*/, CTaxData_Form* /*form*/)
{
    return 0;
}

int CProvinceTaxManager::afterCalcFormData(int /*kind*/, CTaxData_Form* /*form*/)
{
    return 0;
}

void CProvinceTaxManager::CalcBenefit(bool /*coupled*/, TaxData_T1New* /*t1*/, TaxData_T1KSNew* /*summary*/) {}

// After step 2: the spouse's taxable income, which the S2 measures the
// spouse's own needs against, from this return's T1 (the federal exchange
// has just brought it there).
void CProvinceTaxManager::ExchangeCoupledInfoAfterCalcTaxableIncome(CProvincialTaxManager* spouse)
{
    CTaxData_Form* s2 = currentForm(m_params.formS2);
    if (!spouse || !s2 || !m_t1) return;
    s2->setFloat("spouse_taxable_income", m_t1->getFloat("spouse_taxable_income"));
}

// After step 4: the amounts the spouse may transfer (age, pension income,
// disability: lines 58080, 58360 and 58440 of the spouse's 428, in
// Saskatchewan lines 58210 and 58220, and the tuition the spouse designates
// on their S11), the
// spouse's taxable income and the part of it the spouse's own basic credits
// do not cover, into this return's S2. Read through the spouse's manager,
// which may be another library's.
void CProvinceTaxManager::ExchangeCoupledInfoForProvTax_MainlyS2(CProvincialTaxManager* spouse)
{
    CTaxData_Form* s2 = currentForm(m_params.formS2);
    if (!spouse || !s2) return;
    double age = 0.0, pension = 0.0, disability = 0.0, taxable = 0.0, basic = 0.0, tuitionUsed = 0.0,
           tuitionDesignated = 0.0;
    if (!spouse->getProvAmountClaimed(58080, age)) return;
    spouse->getProvAmountClaimed(58360, pension);
    spouse->getProvAmountClaimed(58440, disability);
    spouse->getProvAmountClaimed(11002, taxable);
    spouse->getProvAmountClaimed(11003, basic);
    // The tuition the spouse claims for themselves comes first; what they
    // designate on their S11 (this year's, within the limit) moves.
    spouse->getProvAmountClaimed(58560, tuitionUsed);
    spouse->getProvAmountClaimed(11004, tuitionDesignated);
    s2->setFloat("spouse_tuition_designated", tuitionDesignated);
    double children = 0.0, senior = 0.0;
    spouse->getProvAmountClaimed(58210, children);
    spouse->getProvAmountClaimed(58220, senior);
    s2->setFloat("spouse_dependent_children_amount", children);
    s2->setFloat("spouse_senior_supplementary_amount", senior);
    s2->setFloat("spouse_age_amount", age);
    s2->setFloat("spouse_pension_income_amount", pension);
    s2->setFloat("spouse_disability_amount", disability);
    s2->setFloat("spouse_taxable_income", taxable);
    s2->setFloat("spouse_credits_used", roundToCents(std::max(0.0, taxable - basic - tuitionUsed)));
    calculateS2();
}

// Of a couple the spouse with the higher net income claims a family's
// low-income reduction (the family ones count the spouse's net income,
// which step 2 already brings); in New Brunswick, Newfoundland and Labrador
// and Prince Edward Island the part that spouse's tax leaves unused goes to
// the other's 428. Both ways at once: the program calls this for one of the
// two. Spouses of different provinces pass nothing.
void CProvinceTaxManager::ExchangeCoupledInfoForProvTax_MainlyUnusedLowIncCredit_MXOption(
    CProvincialTaxManager* spouse)
{
    CTaxData_Form* form = current428();
    if (!form || !form->field(CString("low_income_tax_reduction_from_spouse"))) return;
    double theirs = 0.0;
    if (spouse && spouse->GetManagerProvince() == m_params.province) {
        spouse->getProvAmountClaimed(11005, theirs);
        spouse->setProvAmountClaimed(11006, form->getFloat("low_income_tax_reduction_unused"));
    }
    form->setFloat("low_income_tax_reduction_from_spouse", theirs);
}

int CProvinceTaxManager::IsEligibleForElectronicFile()
{
    return 0;
}

CTaxData_Form* CProvinceTaxManager::current428() const
{
    return currentForm(m_params.form428);
}

CTaxData_Form* CProvinceTaxManager::currentForm(int type) const
{
    if (type <= 0) return nullptr;
    for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it)
        if (!it->isNull() && (*it)->getType() == type) return it->data();
    return nullptr;
}

CField* CProvinceTaxManager::amountField(int id) const
{
    CTaxData_Form* form = current428();
    if (!form) return nullptr;
    for (const AmountId& entry : kAmountIds)
        if (entry.id == id) return form->field(CString(entry.field));
    for (const AmountId& entry : kS11AmountIds) {
        if (entry.id != id) continue;
        CTaxData_Form* s11 = currentForm(m_params.formS11);
        return s11 ? s11->field(CString(entry.field)) : nullptr;
    }
    // Otherwise a line number of the agency (five digits).
    if (id < 10000 || id > 99999) return nullptr;
    return form->field(CString(QByteArray::number(id)));
}

bool CProvinceTaxManager::getProvAmountClaimed(int id, double& value)
{
    const CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Float: value = static_cast<const CFloatField*>(f)->GetValue(); return true;
    case CField::Int: value = static_cast<const CIntField*>(f)->GetValue(); return true;
    default: return false;
    }
}

bool CProvinceTaxManager::getProvAmountClaimed(int id, int& value)
{
    const CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Int: value = static_cast<const CIntField*>(f)->GetValue(); return true;
    case CField::Bool: value = static_cast<const CBoolField*>(f)->GetValue() ? 1 : 0; return true;
    default: return false;
    }
}

bool CProvinceTaxManager::getProvAmountClaimed(int id, CString& value)
{
    const CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Float:
        // Amounts as text always carry their cents.
        value = CString(QByteArray::number(static_cast<const CFloatField*>(f)->GetValue(), 'f', 2));
        return true;
    case CField::String: value = static_cast<const CStringField*>(f)->GetValue(); return true;
    default: value = CString(f->GetVariant().toString()); return true;
    }
}

bool CProvinceTaxManager::setProvAmountClaimed(int id, double value)
{
    CField* f = amountField(id);
    if (!f) return false;
    switch (f->GetType()) {
    case CField::Float: static_cast<CFloatField*>(f)->SetValue(value); return true;
    case CField::Int: static_cast<CIntField*>(f)->SetValue(qRound(value)); return true;
    default: return false;
    }
}

void CProvinceTaxManager::Validate(std::list<CString>& messages, TaxData_T1New* t1, TaxData_Sch2* /*sch2*/,
                                   TaxData_Sch5* /*sch5*/, TaxData_Sch9* /*sch9*/, TaxData_Sch11* /*sch11*/,
                                   TaxData_T691New* /*t691*/, TaxData_T1206New* /*t1206*/)
{
    const CTaxData_Form* form = current428();
    if (!isMainProvince(t1) || !form) return;
    const QByteArray code(m_params.code);
    // The one count a 428 lets the filer type (Saskatchewan's dependent children).
    if (form->field(CString("58209")) && form->getInt("58209") < 0)
        messages.push_back(CString(code + "428: line 58209 cannot be a negative number."));
    if (form->getFloat("unused_tuition_carried_forward") < 0.0)
        messages.push_back(CString(code + "428: the unused tuition and education amounts carried forward cannot be "
                                          "negative."));
}

void CProvinceTaxManager::ValidateWithCoupled(std::list<CString>& /*messages*/, CProvincialTaxManager* /*spouse*/) {}

void CProvinceTaxManager::AnyMsgBeforeNetfile(TaxData_T1New* /*t1*/, TaxData_Sch11* /*sch11*/,
                                              std::list<CString>& /*warnings*/)
{
}

void CProvinceTaxManager::UpdateT1KST2203(TaxData_T1KSNew* /*summary*/, TaxData_T2203* /*t2203*/,
                                          TaxData_Sch5* /*sch5*/, TaxData_Sch9* /*sch9*/)
{
}

int CProvinceTaxManager::GetIncomeThresholds(std::list<double>& thresholds)
{
    for (int i = 0; i < m_params.brackets.count; ++i)
        thresholds.push_back(m_params.brackets.thresholds[i]);
    return m_params.brackets.count;
}

bool CProvinceTaxManager::IsNonRefTaxCreditAllUsed()
{
    const CTaxData_Form* form = current428();
    if (!form) return true;
    return form->getFloat("61500") <= form->getFloat("tax_on_taxable_income") + CFloatField::kTolerance;
}

// The library's one entry point; the program owns and deletes the manager.
extern "C" Q_DECL_EXPORT CProvincialTaxManager* GetTaxManager()
{
    return new CProvinceTaxManager;
}
