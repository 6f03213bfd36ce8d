#include "provinceforms.h"

namespace {

// The lines every province's 2021 form 428 has. The agency numbers the
// lines of the credits part the same way in every province; lines numbered
// only within the form have different numbers from one province to the
// next, so they carry descriptive names here.
const FieldSpec kProv428Fields[] = {
    // Tax on taxable income
    QM_CALC("taxable_income"),              // line 26000 of the return
    QM_CALC("tax_on_taxable_income"),
    // Non-refundable tax credits
    QM_CALC("58040"),                       // basic personal amount
    QM_CALC("58080"),                       // age amount
    QM_CALC("58120"),                       // spouse or common-law partner amount
    QM_CALC("58160"),                       // amount for an eligible dependant
    QM_CALC("58240"),                       // CPP or QPP contributions (line 30800)
    QM_CALC("58280"),                       // CPP or QPP contributions (line 31000)
    QM_CALC("58300"),                       // employment insurance premiums (line 31200)
    QM_CALC("58305"),                       // employment insurance premiums (line 31217)
    QM_CALC("58360"),                       // pension income amount
    QM_CALC("58440"),                       // disability amount for self
    QM_CALC("58480"),                       // disability amount transferred from a dependant
    QM_CALC("58520"),                       // interest paid on student loans
    QM_CALC("58560"),                       // unused tuition and education amounts (from XX(S11))
    QM_CALC("58640"),                       // amounts transferred from the spouse (from XX(S2))
    QM_CALC("58689"),                       // medical expenses (line 33099)
    QM_CALC("58729"),                       // allowable medical expenses for other dependants
    QM_CALC("58769"),                       // allowable medical expenses
    QM_CALC("58800"),                       // total amount of the credits
    QM_CALC("58840"),                       // the total at the lowest rate
    QM_CALC("58969"),                       // donations and gifts
    QM_CALC("61500"),                       // non-refundable tax credits
    // The basic, spouse, dependant, CPP and EI amounts: what the person's
    // own tax needs before a spouse may take the transferable amounts.
    QM_CALC("credits_before_transfers"),
    // Tax
    QM_CALC("61510"),                       // tax on split income (T1206)
    QM_CALC("61520"),                       // dividend tax credit
    QM_CALC("61540"),                       // minimum tax carryover
    QM_CALC("additional_tax_for_minimum_tax"),
    QM_CALC("provincial_foreign_tax_credit"),
    QM_CALC("42800"),                       // provincial or territorial tax (line 42800 of the return)
    // Unused provincial tuition and education amounts from the 2020 notice
    // of assessment: kept here, where every return of the province has it.
    QM_AMT("unused_tuition_carried_forward"),
};

// The province's XX(S2). Its lines are numbered within the form only, and
// differently in each province.
const FieldSpec kProvS2Fields[] = {
    QM_CALC("spouse_age_amount"),               // from the spouse's 428 (line 58080)
    QM_CALC("spouse_pension_income_amount"),    // from the spouse's 428 (line 58360)
    QM_CALC("spouse_disability_amount"),        // from the spouse's 428 (line 58440)
    QM_CALC("spouse_tuition_designated"),       // designated by the spouse on their XX(S11)
    QM_CALC("total_transferable"),
    QM_CALC("spouse_taxable_income"),
    QM_CALC("spouse_credits_used"),             // what the spouse needs to reduce their tax to zero
    QM_CALC("amount_transferred"),              // to line 58640 of the 428
};

// The province's XX(S11).
const FieldSpec kProvS11Fields[] = {
    QM_CALC("unused_from_prior_years"),         // the 428's amount carried forward
    // 2021 fees from the T2202 slips, as on Schedule 11, where the province
    // still gives the credit.
    QM_CALC("eligible_tuition_fees"),
    QM_INT("education_months_part_time"),
    QM_INT("education_months_full_time"),
    QM_CALC("education_amount"),                // the months at the province's monthly amounts
    QM_CALC("current_year_amount"),
    QM_CALC("total_available"),
    QM_CALC("used_this_year"),                  // to line 58560 of the 428
    QM_AMT("transfer_amount"),                  // designated to the spouse, a parent or a grandparent
    QM_STR("transfer_to_name"),
    QM_CALC("transferred"),                     // the transfer within this year's unused amount and the limit
    QM_CALC("carried_forward"),
};

// Interview answers every province asks; the province adds its own.
const FieldSpec kProvInterviewFields[] = {
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("postal_code"),
    QM_INT("months_at_address"),
    QM_AMT("rent_paid"),
    QM_AMT("property_tax_paid"),
    QM_BOOL("separate_residences_for_medical_reasons"),
};

} // namespace

TaxData_Prov428::TaxData_Prov428(int type, const FieldTable& ownLines, const Prov428OwnLayout& ownLayout,
                                 int formS11, int formS2)
    : TableForm(FROM_FORM, type, {fieldTable(kProv428Fields), ownLines})
    , m_goTo(prov428GoTo(formS11, formS2))
{
    setPageLayout(prov428Layout(ownLayout, m_goTo));
}

// The 479s have no line in common.
TaxData_Prov479::TaxData_Prov479(int type, const FieldTable& lines, const LayoutTable& layout)
    : TableForm(FROM_FORM, type, lines)
{
    setPageLayout(prov479Layout(layout));
}

TaxData_ProvS2::TaxData_ProvS2(int type, const FieldTable& ownLines, const LayoutTable& ownLayout)
    : TableForm(FROM_FORM, type, {fieldTable(kProvS2Fields), ownLines})
{
    setPageLayout(provS2Layout(ownLayout));
}

TaxData_ProvS11::TaxData_ProvS11(int type)
    : TableForm(FROM_FORM, type, fieldTable(kProvS11Fields))
{
    setPageLayout(provS11Layout());
}

TaxData_ProvInterview::TaxData_ProvInterview(const FieldTable& ownAnswers, const LayoutTable& ownLayout)
    : TableForm(FROM_WIZARD, kKind, {fieldTable(kProvInterviewFields), ownAnswers})
{
    setPageLayout(provInterviewLayout(ownLayout));
}
