#include "formclasses.h"

#include "formclasses_layouts.h"
#include "formtypes.h"

namespace {

// ---- RC71

const FieldSpec kRC71Fields[] = {
    QM_STR("discounter_name"),
    QM_STR("discounter_code"),          // discounter registration number
    QM_STR("discounter_address"),
    QM_STR("discounter_phone"),
    QM_STR("client_name"),
    QM_STR("client_first_name"),
    QM_STR("client_last_name"),
    QM_STR("client_sin"),
    QM_STR("client_address"),
    QM_STR("client_phone"),
    QM_DATE("transaction_date"),
    QM_CALC("expected_refund"),         // the refund the return claims
    QM_AMT("amount_paid"),              // amount paid to the client
    QM_CALC("discount"),                // expected refund minus the amount paid
    QM_CALC("max_discount"),            // the most the discounter may keep
    QM_BOOL("is_signed"),
    QM_STR("esignature"),               // identifier of the electronic signature request
};

// ---- T1ADJ

constexpr int kAdjustments = 15;

const FieldSpec kT1ADJFields[] = {
    QM_STR("efile_number"),
    QM_STR("tax_year"),
    QM_STR("taxpayer_name"),            // surname, given name
    QM_STR("sin"),
    QM_STR("address"),
    QM_STR("phone"),
    QM_DATE("date"),
    QM_ROWS("adjustments.#.line", CField::String, kAdjustments),    // line number of the return or schedule
    QM_ROWS("adjustments.#.description", CField::String, kAdjustments),
    QM_AMT_ROWS("adjustments.#.previous_amount", kAdjustments),
    QM_SIGNED_ROWS("adjustments.#.change", kAdjustments),   // increase, or a decrease when negative
    QM_CALC_ROWS("adjustments.#.revised_amount", kAdjustments),
    QM_STR("explanation"),
};

// ---- T2205

const FieldSpec kT2205Fields[] = {
    QM_BOOL("is_contributor"),          // this person made the spousal contributions
    QM_STR("annuitant_name"),
    QM_STR("annuitant_sin"),
    QM_STR("contributor_name"),
    QM_STR("contributor_sin"),
    QM_INT("plan_kind"),                // 0 RRSP, 1 RRIF, 2 SPP
    QM_AMT("withdrawal"),               // amount received from the plan in the year
    QM_AMT("rrif_minimum"),             // minimum amount of a RRIF for the year
    QM_AMT("contributions_2019"),       // spousal contributions of the three years
    QM_AMT("contributions_2020"),
    QM_AMT("contributions_2021"),
    QM_AMT("tax_deducted"),
    QM_CALC("contributor_income"),      // amount the contributor includes in income
    QM_CALC("annuitant_income"),        // amount the annuitant includes in income
    QM_CALC("contributor_tax_deducted"),
    QM_CALC("annuitant_tax_deducted"),
};

// ---- RC59

constexpr int kProgramAccounts = 5;

const FieldSpec kRC59Fields[] = {
    QM_STR("business_name"),
    QM_STR("business_number"),
    QM_BOOL("all_program_accounts"),
    QM_ROWS("program_accounts.#.identifier", CField::String, kProgramAccounts),   // RT, RP, RC, RZ ... with the reference number
    QM_STR("representative_name"),
    QM_STR("representative_firm"),
    QM_STR("representative_business_number"),
    QM_STR("representative_address"),
    QM_STR("representative_phone"),
    QM_INT("access_level"),             // 0 disclose information, 1 disclose and update
    QM_DATE("expiry_date"),
    QM_STR("authorizing_name"),
    QM_STR("authorizing_title"),
    QM_STR("authorizing_phone"),
    QM_DATE("date"),
};

// ---- RC59X

const FieldSpec kRC59XFields[] = {
    QM_STR("business_name"),
    QM_STR("business_number"),
    QM_BOOL("cancel_all"),              // cancel every authorization and consent
    QM_STR("program_account"),
    QM_STR("representative_name"),
    QM_STR("representative_firm"),
    QM_STR("representative_business_number"),
    QM_STR("authorizing_name"),
    QM_STR("authorizing_title"),
    QM_STR("authorizing_phone"),
    QM_DATE("date"),
};

// ---- T1044

const FieldSpec kT1044Fields[] = {
    QM_STR("npo_name"),
    QM_STR("business_number"),
    QM_STR("trust_account_number"),
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),
    QM_STR("postal_code"),
    QM_DATE("fiscal_period_start"),
    QM_DATE("fiscal_period_end"),
    QM_BOOL("is_first_return"),
    QM_BOOL("is_final_return"),
    QM_INT("npo_kind"),                 // the kind of organization, by the form's codes
    QM_STR("activities"),               // description of the organization's activities
    QM_AMT("membership_fees"),
    QM_AMT("gifts"),
    QM_AMT("government_grants"),
    QM_AMT("investment_income"),
    QM_AMT("sales_revenue"),
    QM_AMT("rental_income"),
    QM_AMT("other_receipts"),
    QM_CALC("total_receipts"),
    QM_AMT("salaries"),
    QM_AMT("remuneration_members"),     // paid to members, officers or directors
    QM_AMT("other_expenses"),
    QM_CALC("total_expenses"),
    QM_AMT("total_assets"),
    QM_AMT("total_liabilities"),
    QM_AMT("amounts_receivable_members"),
    QM_STR("contact_name"),
    QM_STR("contact_phone"),
    QM_STR("certifier_name"),
    QM_STR("certifier_title"),
    QM_DATE("date"),
};

// ---- T183

const FieldSpec kT183Fields[] = {
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),
    QM_STR("postal_code"),
    QM_STR("phone"),
    QM_STR("email"),                    // for the agency's online mail
    QM_BOOL("online_mail"),             // registers for online mail with that address
    QM_CALC("15000"),                   // total income
    QM_CALC("23600"),                   // net income
    QM_CALC("26000"),                   // taxable income
    QM_CALC("48400"),                   // refund
    QM_CALC("48500"),                   // balance owing
    QM_INT("has_direct_deposit"),       // 1 when the return holds a direct deposit request
    QM_STR("preparer_name"),
    QM_STR("efile_number"),
    QM_STR("efile_password"),
    QM_STR("rep_id"),                   // the preparer's representative identifier
    QM_STR("return_control_number"),
    QM_INT("pre_assessment"),           // whom to contact for a pre-assessment review
    QM_INT("post_assessment"),          // whom to contact for a post-assessment review
    QM_BOOL("is_representative_authorized"),   // the preparer may represent the person online
    QM_DATE("authorization_expiry_date"),
    QM_BOOL("online_notice_of_assessment"),    // the preparer retrieves the notice of assessment
    QM_BOOL("is_esigned"),
    QM_STR("esignature"),               // identifier of the electronic signature request
    QM_DATE("date"),                    // date signed
    QM_STR("signed_time"),              // "hh:mm:ss"
};

// ---- T185

const FieldSpec kT185Fields[] = {
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),
    QM_STR("postal_code"),
    QM_STR("phone"),
    QM_STR("institution_number"),
    QM_STR("branch_number"),
    QM_STR("account_number"),
    QM_STR("account_holder"),
    QM_INT("amount_choice"),            // 0 the balance owing of the return, 1 the amount below
    QM_CALC("balance_owing"),
    QM_AMT("payment_amount"),
    QM_DATE("payment_date"),
    QM_STR("preparer_name"),
    QM_STR("efile_number"),
    QM_STR("efile_password"),
    QM_STR("rep_id"),                   // the preparer's representative identifier
    QM_DATE("date"),                    // date of the agreement
    QM_STR("signed_time"),
    QM_STR("filing_confirmation"),
    QM_STR("note"),
};

// ---- T657

const FieldSpec kT657Fields[] = {
    QM_CALC("qsbc_gains"),              // taxable capital gains on qualified small business corporation shares
    QM_CALC("qffp_gains"),              // taxable capital gains on qualified farm or fishing property
    QM_CALC("reserves"),                // reserves of those properties brought into income
    QM_CALC("net_taxable_capital_gains"),
    QM_CALC("net_capital_losses_applied"),
    QM_CALC("allowable_business_investment_losses"),
    QM_AMT("prior_deductions"),         // capital gains deductions claimed in earlier years
    QM_AMT("prior_abil"),               // allowable business investment losses of earlier years
    QM_AMT("prior_net_capital_losses"), // net capital losses applied in earlier years
    QM_CALC("cnil"),                    // cumulative net investment loss at the end of the year
    QM_CALC("annual_gains_limit"),
    QM_CALC("cumulative_gains_limit"),
    QM_CALC("lifetime_limit_qsbc"),
    QM_CALC("lifetime_limit_qffp"),
    QM_CALC("deduction_limit"),
    QM_BOOL("claim_reduced"),           // claim less than the limit
    QM_AMT("claim_amount"),
    QM_CALC("deduction"),               // capital gains deduction
};

// ---- T746

const FieldSpec kT746Fields[] = {
    QM_CALC("refund_of_undeducted"),    // refund of undeducted contributions received
    QM_AMT("undeducted_start"),         // undeducted contributions at the end of the previous year
    QM_AMT("contributions"),            // contributions made in the year
    QM_AMT("contributions_deducted"),
    QM_CALC("undeducted_available"),
    QM_CALC("deduction"),
};

// ---- T936

const FieldSpec kT936Fields[] = {
    // Investment expenses and income of the year and of earlier years.
    QM_CALC("investment_expenses"),
    QM_AMT("68080"),
    QM_AMT("investment_expenses_prior"),
    QM_CALC("investment_income"),
    QM_AMT("68100"),
    QM_AMT("68110"),
    QM_CALC("68140"),                   // capital gains of the T3 slips (Schedule 3, line 17600)
    QM_AMT("68150"),
    QM_AMT("investment_income_prior"),
    QM_CALC("cnil_prior"),
    QM_CALC("cnil"),                    // cumulative net investment loss at the end of the year
};

// ---- T1013

const FieldSpec kT1013Fields[] = {
    QM_STR("taxpayer_name"),
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("phone"),
    QM_STR("representative_name"),
    QM_STR("rep_id"),                   // representative identifier
    QM_STR("group_id"),
    QM_STR("business_number"),
    QM_INT("access_level"),             // 1 or 2
    QM_BOOL("all_years"),
    QM_INT("from_year"),
    QM_INT("to_year"),
    QM_DATE("expiry_date"),
    QM_BOOL("cancel_all"),              // cancel every representative's authorization
    QM_BOOL("cancel_this"),             // cancel this representative's authorization
    QM_DATE("date"),                    // date signed
    QM_INT("filing_status"),
    QM_STR("filing_time"),
    QM_STR("filing_confirmation"),
    QM_STR("filing_error"),
};

// ---- T1135

constexpr int kForeignProperties = TaxData_T1135New::kPropertyRows;

const FieldSpec kT1135Fields[] = {
    QM_INT("reporter_kind"),            // 0 individual, 1 corporation, 2 trust, 3 partnership
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("account_number"),           // business or trust account number of other reporters
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),
    QM_STR("postal_code"),
    FieldSpec{"country", CField::String, "CAN"},
    QM_DATE("tax_year_start"),
    QM_DATE("tax_year_end"),
    QM_BOOL("is_amended"),
    QM_INT("method"),                   // 0 simplified (Part A), 1 detailed (Part B)
    // Part A – Simplified reporting method.
    QM_BOOL("simplified_funds"),
    QM_BOOL("simplified_shares"),
    QM_BOOL("simplified_debts"),
    QM_BOOL("simplified_trusts"),
    QM_BOOL("simplified_real_property"),
    QM_BOOL("simplified_other"),
    QM_BOOL("simplified_dealer"),
    QM_ROWS("simplified_countries.#.country", CField::String, kForeignProperties),
    QM_AMT("simplified_income"),
    QM_SIGNED("simplified_gain"),
    // Part B – Detailed reporting method, by category.
    QM_ROWS("funds.#.description", CField::String, kForeignProperties),       // name of the bank or other entity
    QM_ROWS("funds.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("funds.#.max_cost", kForeignProperties),
    QM_AMT_ROWS("funds.#.cost_year_end", kForeignProperties),
    QM_AMT_ROWS("funds.#.income", kForeignProperties),
    QM_SIGNED_ROWS("funds.#.gain", kForeignProperties),
    QM_ROWS("shares.#.description", CField::String, kForeignProperties),      // name of the corporation
    QM_ROWS("shares.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("shares.#.max_cost", kForeignProperties),
    QM_AMT_ROWS("shares.#.cost_year_end", kForeignProperties),
    QM_AMT_ROWS("shares.#.income", kForeignProperties),
    QM_SIGNED_ROWS("shares.#.gain", kForeignProperties),
    QM_ROWS("debts.#.description", CField::String, kForeignProperties),       // indebtedness owed by non-residents
    QM_ROWS("debts.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("debts.#.max_cost", kForeignProperties),
    QM_AMT_ROWS("debts.#.cost_year_end", kForeignProperties),
    QM_AMT_ROWS("debts.#.income", kForeignProperties),
    QM_SIGNED_ROWS("debts.#.gain", kForeignProperties),
    QM_ROWS("trusts.#.description", CField::String, kForeignProperties),      // name of the trust
    QM_ROWS("trusts.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("trusts.#.max_cost", kForeignProperties),
    QM_AMT_ROWS("trusts.#.cost_year_end", kForeignProperties),
    QM_AMT_ROWS("trusts.#.income", kForeignProperties),
    QM_AMT_ROWS("trusts.#.capital_received", kForeignProperties),
    QM_SIGNED_ROWS("trusts.#.gain", kForeignProperties),
    QM_ROWS("real_property.#.description", CField::String, kForeignProperties),
    QM_ROWS("real_property.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("real_property.#.max_cost", kForeignProperties),
    QM_AMT_ROWS("real_property.#.cost_year_end", kForeignProperties),
    QM_AMT_ROWS("real_property.#.income", kForeignProperties),
    QM_SIGNED_ROWS("real_property.#.gain", kForeignProperties),
    QM_ROWS("other_property.#.description", CField::String, kForeignProperties),
    QM_ROWS("other_property.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("other_property.#.max_cost", kForeignProperties),
    QM_AMT_ROWS("other_property.#.cost_year_end", kForeignProperties),
    QM_AMT_ROWS("other_property.#.income", kForeignProperties),
    QM_SIGNED_ROWS("other_property.#.gain", kForeignProperties),
    QM_ROWS("dealer_accounts.#.description", CField::String, kForeignProperties),  // name of the dealer or trust company
    QM_ROWS("dealer_accounts.#.country", CField::String, kForeignProperties),
    QM_AMT_ROWS("dealer_accounts.#.max_cost", kForeignProperties),      // highest fair market value
    QM_AMT_ROWS("dealer_accounts.#.cost_year_end", kForeignProperties), // fair market value at year end
    QM_AMT_ROWS("dealer_accounts.#.income", kForeignProperties),
    QM_SIGNED_ROWS("dealer_accounts.#.gain", kForeignProperties),
    // What the agency's statement carries besides the properties.
    QM_STR("functional_currency"),      // the functional currency code; blank for Canadian dollars
    QM_INT_INIT("self_employment_code", "2"),   // an individual reporter: 1 self-employed, 2 not
    QM_STR("certifier_position"),
    QM_STR("certifier_phone"),
    QM_DATE("certification_date"),
    QM_STR("preparer_name"),            // who prepared the statement, when not the reporter
    QM_STR("preparer_address"),
    QM_STR("preparer_postal_code"),
    QM_STR("preparer_phone"),
    QM_INT("filing_status"),
    QM_STR("filing_time"),
    QM_STR("filing_confirmation"),
};

// ---- T1172

const FieldSpec kT1172Fields[] = {
    QM_AMT("68270"),                    // accumulated income payments included in income
    QM_AMT("68280"),                    // accumulated income payments of a spouse's plan included in income
    QM_AMT("rrsp_contributions_designated"),  // RRSP or SPP contributions deducted for these payments
    QM_CALC("payments_subject_to_tax"),
    QM_CALC("additional_tax"),
};

// ---- T2038

constexpr int kApprentices = 5;

const FieldSpec kT2038Fields[] = {
    QM_AMT("qualified_property_cost"),
    QM_CALC("qualified_property_credit"),
    QM_ROWS("apprentices.#.name", CField::String, kApprentices),
    QM_ROWS("apprentices.#.sin", CField::String, kApprentices),
    QM_AMT_ROWS("apprentices.#.salary", kApprentices),
    QM_CALC_ROWS("apprentices.#.credit", kApprentices),
    QM_CALC("apprenticeship_credit"),
    QM_AMT("mining_expenditures"),      // flow-through mining expenditures
    QM_CALC("mining_credit"),
    QM_AMT("sred_expenditures"),        // scientific research and experimental development
    QM_CALC("sred_credit"),
    QM_AMT("credit_carryforward_prior"),
    QM_CALC("credit_available"),
    QM_CALC("credit_claimed"),
    QM_AMT("credit_carryback_2018"),
    QM_AMT("credit_carryback_2019"),
    QM_AMT("credit_carryback_2020"),
    QM_CALC("credit_refundable"),
    QM_CALC("credit_carryforward_next"),
};

} // namespace

CTaxData_RC71::CTaxData_RC71() : TableForm(FROM_FORM, FormType::RC71, {fieldTable(kRC71Fields)}, {kRC71Layout}) {}
CTaxData_T1ADJ::CTaxData_T1ADJ() : TableForm(FROM_FORM, FormType::T1ADJ, {fieldTable(kT1ADJFields)}, {kT1ADJLayout}) {}
CTaxData_T2205::CTaxData_T2205() : TableForm(FROM_FORM, FormType::T2205, {fieldTable(kT2205Fields)}, {kT2205Layout}) {}

int CTaxData_T2205::Calculate01()
{
    constexpr int kRrif = 1;
    const double received = qMax(0.0, getFloat("withdrawal"));
    const double attributable =
        getInt("plan_kind") == kRrif ? qMax(0.0, received - getFloat("rrif_minimum")) : received;
    const double contributions =
        qMax(0.0, getFloat("contributions_2019") + getFloat("contributions_2020") + getFloat("contributions_2021"));
    const double contributor = qMin(attributable, contributions);
    setFloat("contributor_income", contributor);
    setFloat("annuitant_income", received - contributor);
    const double tax = getFloat("tax_deducted");
    const double contributorTax = received > 0.0 ? tax * contributor / received : 0.0;
    setFloat("contributor_tax_deducted", contributorTax);
    setFloat("annuitant_tax_deducted", tax - contributorTax);
    return 0;
}
TaxData_RC59_e::TaxData_RC59_e() : TableForm(FROM_FORM, FormType::RC59, {fieldTable(kRC59Fields)}, {kRC59Layout}) {}
TaxData_RC59X_e::TaxData_RC59X_e() : TableForm(FROM_FORM, FormType::RC59X, {fieldTable(kRC59XFields)}, {kRC59XLayout}) {}
TaxData_T1044::TaxData_T1044() : TableForm(FROM_FORM, FormType::T1044, {fieldTable(kT1044Fields)}, {kT1044Layout}) {}
TaxData_T183New::TaxData_T183New() : TableForm(FROM_FORM, FormType::T183, {fieldTable(kT183Fields)}, {kT183Layout}) {}
TaxData_T185::TaxData_T185() : TableForm(FROM_FORM, FormType::T185, {fieldTable(kT185Fields)}, {kT185Layout}) {}
TaxData_T657New::TaxData_T657New() : TableForm(FROM_FORM, FormType::T657, {fieldTable(kT657Fields)}, {kT657Layout}) {}
TaxData_T746New::TaxData_T746New() : TableForm(FROM_FORM, FormType::T746, {fieldTable(kT746Fields)}, {kT746Layout}) {}
TaxData_T936New::TaxData_T936New() : TableForm(FROM_FORM, FormType::T936, {fieldTable(kT936Fields)}, {kT936Layout}) {}
TaxData_T1013New::TaxData_T1013New() : TableForm(FROM_FORM, FormType::T1013, {fieldTable(kT1013Fields)}, {kT1013Layout}) {}
TaxData_T1135New::TaxData_T1135New() : TableForm(FROM_FORM, FormType::T1135, {fieldTable(kT1135Fields)}, {kT1135Layout}) {}
TaxData_T1172New::TaxData_T1172New() : TableForm(FROM_FORM, FormType::T1172, {fieldTable(kT1172Fields)}, {kT1172Layout}) {}
TaxData_T2038New::TaxData_T2038New() : TableForm(FROM_FORM, FormType::T2038IND, {fieldTable(kT2038Fields)}, {kT2038Layout}) {}
