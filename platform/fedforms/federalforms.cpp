#include "federalforms.h"

#include "federalforms_layouts.h"

#include <cmath>

#include "federal2021.h"
#include "formtypes.h"

namespace {

// ---- T778

constexpr int kChildren = 10;
constexpr int kChildCarePayments = 20;

const FieldSpec kT778Fields[] = {
    // Part A – Total child care expenses.
    QM_ROWS("children.#.name", CField::String, kChildren),
    QM_ROWS("children.#.birth_date", CField::Date, kChildren),
    QM_ROWS("children.#.is_disabled", CField::Bool, kChildren),     // eligible for the disability amount
    QM_ROWS("children.#.is_infirm", CField::Bool, kChildren),       // older child dependent because of an impairment
    QM_ROWS("payments.#.child", CField::String, kChildCarePayments),
    QM_ROWS("payments.#.payee_name", CField::String, kChildCarePayments),
    QM_ROWS("payments.#.payee_sin", CField::String, kChildCarePayments),   // when the payee is an individual
    QM_AMT_ROWS("payments.#.amount", kChildCarePayments),
    QM_ROWS("payments.#.weeks", CField::Int, kChildCarePayments),   // weeks at a boarding school or overnight camp
    QM_CALC("total_expenses"),
    QM_BOOL("is_higher_net_income"),    // you have the higher net income of the couple
    QM_BOOL("spouse_income_not_applicable"),  // no spouse or common-law partner to compare with
    QM_STR("spouse_name"),
    QM_STR("spouse_sin"),
    QM_CALC("spouse_net_income"),
    // Part B – Basic limit.
    QM_CALC("children_disabled_count"),
    QM_CALC("children_under_7_count"),
    QM_CALC("children_7_to_16_count"),
    QM_CALC("basic_limit"),
    QM_CALC("earned_income"),
    QM_CALC("earned_income_limit"),     // two-thirds of earned income
    QM_AMT("claimed_by_others"),        // amounts claimed by other persons for the same children
    QM_AMT("other_earned_income"),      // earned income the return's lines do not show (training allowances, say)
    QM_CALC("part_b_claim"),
    // Part C – Spouse with the higher net income.
    QM_INT("spouse_student_full_time_weeks"),
    QM_INT("spouse_student_part_time_months"),
    QM_INT("spouse_infirm_weeks"),      // not capable of caring for children
    QM_INT("spouse_confined_weeks"),    // confined to a bed, wheelchair or hospital
    QM_INT("spouse_prison_weeks"),
    QM_BOOL("is_living_apart"),         // separated at the end of the year and for 90 days from then
    QM_CALC("part_c_limit"),
    QM_CALC("part_c_claim"),
    // Part D – You attended school.
    QM_INT("student_full_time_weeks"),
    QM_INT("student_part_time_months"),
    QM_CALC("part_d_limit"),
    QM_CALC("part_d_claim"),
    QM_CALC("deduction"),               // child care expenses deduction
};

// ---- T929

constexpr int kDisabilitySupports = 20;

const FieldSpec kT929Fields[] = {
    QM_ROWS("expenses.#.description", CField::String, kDisabilitySupports),
    QM_ROWS("expenses.#.payee", CField::String, kDisabilitySupports),
    QM_AMT_ROWS("expenses.#.amount", kDisabilitySupports),
    QM_CALC("total_expenses"),
    QM_AMT("reimbursements"),           // reimbursements and assistance not included in income
    QM_CALC("net_expenses"),
    QM_CALC("earned_income"),
    QM_BOOL("attended_school"),
    QM_INT("student_weeks"),
    QM_SIGNED("other_income"),             // net income other than earned income, for students
    QM_CALC("student_limit"),
    QM_CALC("deduction"),               // disability supports deduction
};

// ---- T1212

constexpr int kDeferredSecurities = 10;

const FieldSpec kT1212Fields[] = {
    QM_AMT("balance_start"),            // deferred benefits at the end of the previous year
    QM_ROWS("securities.#.description", CField::String, kDeferredSecurities),
    QM_AMT_ROWS("securities.#.deferred_benefit", kDeferredSecurities),
    QM_ROWS("securities.#.disposed_date", CField::Date, kDeferredSecurities),
    QM_AMT_ROWS("securities.#.benefit_included", kDeferredSecurities),
    QM_AMT("65210"),                    // deferred benefits to include in income this year
    QM_CALC("balance_end"),
    QM_BOOL("special_relief_election"),
    QM_AMT("special_relief_tax"),
};

// ---- T2204

const FieldSpec kT2204Fields[] = {
    QM_CALC("insurable_earnings"),      // outside Quebec
    QM_CALC("premiums_deducted"),
    QM_CALC("premiums_payable"),
    QM_CALC("overpayment"),
    QM_CALC("insurable_earnings_quebec"),
    QM_CALC("premiums_deducted_quebec"),
    QM_CALC("premiums_payable_quebec"),
    QM_CALC("overpayment_quebec"),
    QM_CALC("total_overpayment"),
};

// ---- GST370

const FieldSpec kGST370Fields[] = {
    QM_STR("employer_name"),            // or the partnership's name
    QM_BOOL("is_partner"),
    QM_STR("partnership_business_number"),
    QM_BOOL("employer_is_registrant"),
    QM_AMT("expenses_5"),               // eligible expenses other than CCA, on which 5% GST was paid
    QM_AMT("expenses_13"),              // on which 13% HST was paid
    QM_AMT("expenses_15"),              // on which 15% HST was paid
    QM_AMT("cca_5"),                    // eligible capital cost allowance, by the same rates
    QM_AMT("cca_13"),
    QM_AMT("cca_15"),
    QM_AMT("dues_5"),                   // union, professional or similar dues
    QM_AMT("dues_13"),
    QM_AMT("dues_15"),
    QM_CALC("rebate_5"),
    QM_CALC("rebate_13"),
    QM_CALC("rebate_15"),
    QM_CALC("rebate_cca_part"),         // reduces the undepreciated capital cost
    QM_CALC("rebate_other_part"),       // income of the year the rebate is received
    QM_CALC("rebate"),
};

// ---- T1206

const FieldSpec kT1206Fields[] = {
    QM_AMT("68330"),                    // taxable amount of eligible dividends
    QM_AMT("68340"),                    // taxable amount of other than eligible dividends
    QM_AMT("partnership_split_income"),
    QM_AMT("trust_split_income"),
    QM_AMT("split_capital_gains"),      // taxable capital gains included in split income
    QM_AMT("other_split_income"),
    QM_CALC("68360"),                   // split income, deducted on line 23200
    QM_CALC("federal_tax"),
    QM_CALC("dividend_tax_credit"),
    QM_CALC("foreign_tax_credit"),
    QM_CALC("disability_credit"),
    QM_CALC("net_federal_tax"),         // federal tax on split income
};

// ---- T626

const FieldSpec kT626Fields[] = {
    QM_STR("employer_name"),
    QM_STR("country"),
    QM_INT("days_abroad"),
    QM_AMT("qualifying_income"),
    QM_CALC("net_income"),
    QM_CALC("basic_federal_tax"),
    QM_CALC("credit"),
};

// ---- T691

const FieldSpec kT691Fields[] = {
    QM_CALC("taxable_income"),
    QM_AMT("67820"),                    // carrying charges and interest included in the adjustments
    QM_AMT("67830"),                    // rental and leasing property deductions
    QM_AMT("67840"),                    // limited partnership and tax shelter losses
    QM_AMT("67860"),                    // resource deductions
    QM_SIGNED("67890"),                    // other adjustments
    QM_CALC("capital_gains_adjustment"),
    QM_CALC("stock_option_adjustment"),
    QM_CALC("home_relocation_loan_adjustment"),
    QM_CALC("loss_adjustment"),
    QM_CALC("adjusted_taxable_income"),
    QM_CALC("exemption"),
    QM_CALC("amt_base"),
    QM_CALC("gross_minimum_tax"),
    QM_CALC("minimum_tax_credits"),
    QM_CALC("special_foreign_tax_credit"),
    QM_CALC("foreign_non_business_income"),
    QM_CALC("foreign_tax_paid"),
    QM_CALC("minimum_tax"),
    QM_CALC("regular_tax"),
    QM_CALC("additional_tax"),
    QM_AMT("carryover_prior"),          // minimum tax carried over from earlier years
    QM_CALC("carryover_applied"),
    QM_CALC("capital_gains_marker"),
    QM_CALC("loss_marker"),
    QM_CALC("ratio_marker"),
};

// ---- T2209 and T2036

const FieldSpec kT2209Fields[] = {
    QM_STR("country"),
    QM_AMT("foreign_non_business_income"),
    QM_AMT("foreign_non_business_tax_paid"),
    QM_CALC("excess_over_15_percent"),  // tax above 15% of the income: deducted, not credited
    QM_INT("net_income_override"),      // non-zero: the net income below is the user's
    QM_SIGNED("net_income"),
    QM_CALC("deductions"),
    QM_CALC("basic_federal_tax"),
    QM_CALC("federal_tax_base"),
    QM_CALC("non_business_credit"),
    QM_AMT("foreign_business_income"),
    QM_AMT("foreign_business_tax_paid"),
    QM_AMT("business_credit_carryforward"),   // unused business-income tax credits of earlier years
    QM_CALC("business_credit"),
    QM_CALC("federal_credit"),
    QM_CALC("provincial_foreign_income"),
    QM_CALC("provincial_foreign_tax"),
    QM_CALC("provincial_net_income"),
    QM_CALC("provincial_tax_base"),
    QM_CALC("provincial_credit"),
};

// ---- T2017

constexpr int kReserves = 20;

const FieldSpec kT2017Fields[] = {
    QM_ROWS("reserves.#.description", CField::String, kReserves),
    QM_ROWS("reserves.#.kind", CField::Int, kReserves),        // 0 small business shares, 1 farm or fishing property, 2 other
    QM_ROWS("reserves.#.year", CField::Int, kReserves),        // year of disposition
    QM_AMT_ROWS("reserves.#.proceeds", kReserves),
    QM_AMT_ROWS("reserves.#.gain", kReserves),
    QM_AMT_ROWS("reserves.#.reserve_last_year", kReserves),
    QM_AMT_ROWS("reserves.#.reserve_this_year", kReserves),
    QM_AMT("66843"),
    QM_AMT("66844"),
    QM_AMT("66850"),
    QM_AMT("66883"),
    QM_AMT("66905"),
    QM_CALC("reserves_last_year_total"),
    QM_CALC("reserves_this_year_total"),
};

// ---- T1A

const FieldSpec kT1AFields[] = {
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),
    QM_STR("postal_code"),
    // Income and losses of the year, by the line of the return.
    QM_AMT("employment_income"),
    QM_AMT("income_12100"),
    QM_AMT("loss_12100"),
    QM_AMT("income_12200"),
    QM_AMT("loss_12200"),
    QM_AMT("income_12600"),
    QM_AMT("loss_12600"),
    QM_AMT("income_12700"),
    QM_AMT("loss_12700"),
    QM_AMT("income_13500"),
    QM_AMT("loss_13500"),
    QM_AMT("income_13700"),
    QM_AMT("loss_13700"),
    QM_AMT("income_13900"),
    QM_AMT("loss_13900"),
    QM_AMT("income_14100"),
    QM_AMT("loss_14100"),
    QM_AMT("income_14300"),
    QM_AMT("loss_14300"),
    QM_AMT("other_income"),
    QM_AMT("deductions"),
    QM_AMT("allowable_business_investment_loss"),
    QM_AMT("net_capital_losses_applied"),
    QM_CALC("non_capital_loss"),
    QM_CALC("farm_loss"),
    QM_AMT("restricted_farm_loss"),
    QM_AMT("listed_personal_property_loss"),
    QM_CALC("net_capital_loss"),
    // Amounts carried back to the three previous years.
    QM_AMT("non_capital_carryback_2018"),
    QM_AMT("non_capital_carryback_2019"),
    QM_AMT("non_capital_carryback_2020"),
    QM_AMT("net_capital_carryback_2018"),
    QM_AMT("net_capital_carryback_2019"),
    QM_AMT("net_capital_carryback_2020"),
    QM_AMT("farm_carryback_2018"),
    QM_AMT("farm_carryback_2019"),
    QM_AMT("farm_carryback_2020"),
    QM_AMT("restricted_farm_carryback_2018"),
    QM_AMT("restricted_farm_carryback_2019"),
    QM_AMT("restricted_farm_carryback_2020"),
    QM_AMT("listed_property_carryback_2018"),
    QM_AMT("listed_property_carryback_2019"),
    QM_AMT("listed_property_carryback_2020"),
    QM_CALC("non_capital_balance"),
    QM_CALC("net_capital_balance"),
    QM_CALC("farm_balance"),
};

// ---- T2222

constexpr int kNorthernTrips = 10;

const FieldSpec kT2222Fields[] = {
    // Part A – residency deduction, for the northern zone and the intermediate zone.
    QM_INT("zone_a_days"),
    QM_INT("zone_a_additional_days"),   // days with the additional residency amount
    QM_INT("zone_b_days"),
    QM_INT("zone_b_additional_days"),
    QM_AMT("board_lodging_benefits"),   // non-taxable board and lodging benefits
    QM_CALC("net_income"),
    QM_CALC("residency_deduction"),
    // Part B – travel deduction.
    QM_ROWS("trips.#.traveller", CField::String, kNorthernTrips),
    QM_ROWS("trips.#.date", CField::Date, kNorthernTrips),
    QM_ROWS("trips.#.is_medical", CField::Bool, kNorthernTrips),
    QM_ROWS("trips.#.use_standard_amount", CField::Bool, kNorthernTrips),  // the flat amount instead of the costs
    QM_AMT_ROWS("trips.#.cost", kNorthernTrips),
    QM_AMT_ROWS("trips.#.lowest_airfare", kNorthernTrips),
    QM_AMT_ROWS("trips.#.employer_benefit", kNorthernTrips),  // travel benefit received from the employer
    QM_CALC_ROWS("trips.#.claim", kNorthernTrips),
    QM_CALC("travel_deduction"),
    QM_CALC("total_deduction"),
};

// ---- T1DD

const FieldSpec kT1DDFields[] = {
    QM_STR("first_name"),
    QM_STR("last_name"),
    QM_STR("sin"),
    QM_STR("address"),
    QM_STR("phone"),
    QM_STR("institution_number"),
    QM_STR("branch_number"),
    QM_STR("account_number"),
};

// ---- T5004

constexpr int kTaxShelters = 10;

const FieldSpec kT5004Fields[] = {
    QM_STR("taxpayer_name"),
    QM_ROWS("shelters.#.tax_shelter_id", CField::String, kTaxShelters),
    QM_ROWS("shelters.#.name", CField::String, kTaxShelters),
    QM_ROWS("shelters.#.line", CField::Int, kTaxShelters),     // line of the return where it is claimed
    QM_AMT_ROWS("shelters.#.amount", kTaxShelters),
    QM_CALC("67650"),                   // total loss or deduction claimed
};

// ---- CPT20

constexpr int kElectionEmployers = 5;

const FieldSpec kCPT20Fields[] = {
    QM_DATE("election_date"),           // first day the election applies
    QM_DATE("revocation_date"),
    QM_ROWS("employers.#.name", CField::String, kElectionEmployers),
    QM_ROWS("employers.#.account_number", CField::String, kElectionEmployers),
    QM_AMT_ROWS("employers.#.pensionable_earnings", kElectionEmployers),
    QM_CALC("elected_earnings"),
    // The T4 slips, as part 2 of the form lists them: the pensionable
    // earnings (box 26, else box 14) and the contributions (boxes 16 and 17).
    FieldSpec{"t4_slips.#.slip_number", CField::Int, nullptr, TaxData_CPT20_New::kT4Slips, CField::Calculated},
    QM_CALC_ROWS("t4_slips.#.pensionable_earnings", TaxData_CPT20_New::kT4Slips),
    QM_CALC_ROWS("t4_slips.#.cpp_contributions", TaxData_CPT20_New::kT4Slips),
    QM_CALC_ROWS("t4_slips.#.qpp_contributions", TaxData_CPT20_New::kT4Slips),
};

// ---- T1219

const FieldSpec kT1219Fields[] = {
    QM_INT("province"),
    QM_CALC("adjusted_taxable_income"),
    QM_CALC("provincial_minimum_tax"),
    QM_CALC("provincial_regular_tax"),
    QM_AMT("carryover_prior"),
    QM_CALC("carryover_applied"),
    QM_CALC("additional_tax"),
};

// ---- T1153

const FieldSpec kT1153Fields[] = {
    QM_STR("taxpayer_name"),
    QM_STR("sin"),
    QM_DATE("birth_date"),
    QM_STR("address"),
    QM_STR("city"),
    QM_STR("province"),
    QM_STR("postal_code"),
    QM_STR("preparer_name"),
    QM_STR("discounter_code"),
    QM_STR("preparer_address"),
    QM_STR("efile_number"),
    QM_STR("preparer_city"),
    QM_STR("preparer_province"),
    QM_STR("preparer_postal_code"),
    QM_STR("preparer_phone"),
};

// ---- T1-M

const FieldSpec kT1MFields[] = {
    QM_INT("reason"),                   // 0 employment, 1 self-employment, 2 full-time studies
    QM_DATE("move_date"),
    QM_STR("old_address"),
    QM_STR("old_city"),
    QM_STR("old_province"),
    QM_STR("old_postal_code"),
    QM_STR("new_address"),
    QM_STR("new_city"),
    QM_STR("new_province"),
    QM_STR("new_postal_code"),
    QM_STR("new_employer_name"),        // or the business or school at the new location
    QM_STR("new_work_address"),
    QM_DATE("new_work_start"),
    QM_AMT("distance_old_home"),        // kilometres from the old home to the new work location
    QM_AMT("distance_new_home"),        // kilometres from the new home to the new work location
    // Moving expenses.
    QM_AMT("transportation_storage"),
    QM_INT("travel_method"),            // 0 simplified, 1 detailed
    QM_AMT("travel_km"),
    QM_AMT("travel_vehicle_costs"),     // detailed method
    QM_INT("travel_meal_days"),
    QM_INT("travel_people"),
    QM_AMT("travel_meals"),             // detailed method
    QM_AMT("travel_lodging"),
    QM_CALC("travel_expenses"),
    QM_AMT("temporary_living"),         // up to 15 days near either home
    QM_AMT("lease_cancellation"),
    QM_AMT("incidental_costs"),         // changing addresses, utilities and the like
    QM_AMT("vacant_home_costs"),        // maintaining the vacant old home
    QM_AMT("selling_costs"),            // selling the old home
    QM_AMT("purchase_costs"),           // legal fees and taxes for the new home
    QM_CALC("total_expenses"),
    QM_AMT("reimbursements"),
    QM_CALC("net_expenses"),
    QM_AMT("carried_forward_prior"),    // moving expenses carried forward from the previous year
    QM_AMT("eligible_income"),          // income earned at the new location
    QM_CALC("deduction"),               // moving expenses deduction
    QM_CALC("carried_forward_to_next_year"),
};

// ---- T1223

const FieldSpec kT1223Fields[] = {
    QM_STR("employer_name"),
    QM_STR("employer_address"),
    QM_STR("certifier_name"),
    QM_STR("certifier_title"),
    QM_DATE("certification_date"),
    QM_BOOL("is_clergy"),               // member of the clergy or of a religious order, or a minister
    QM_BOOL("is_in_charge"),            // in charge of, or ministering to, a congregation
    QM_BOOL("residence_provided"),
    QM_AMT("fair_rental_value"),        // of the residence provided, including utilities
    QM_AMT("housing_allowance"),        // included in employment income
    QM_AMT("rent_paid"),
    QM_AMT("utilities_paid"),
    QM_AMT("remuneration"),
    QM_CALC("remuneration_limit"),
    QM_CALC("deduction"),               // clergy residence deduction
};

// ---- T1229

constexpr int kResourceRows = 10;

const FieldSpec kT1229Fields[] = {
    QM_ROWS("resources.#.name", CField::String, kResourceRows),
    QM_ROWS("resources.#.tax_shelter_id", CField::String, kResourceRows),
    QM_AMT_ROWS("resources.#.exploration", kResourceRows),     // Canadian exploration expenses
    QM_AMT_ROWS("resources.#.development", kResourceRows),     // Canadian development expenses
    QM_AMT_ROWS("resources.#.oil_gas_property", kResourceRows),
    QM_AMT_ROWS("resources.#.foreign", kResourceRows),         // foreign resource expenses
    QM_AMT_ROWS("resources.#.depletion", kResourceRows),
    QM_AMT_ROWS("resources.#.itc_expenditures", kResourceRows), // flow-through mining expenditures
    QM_AMT("exploration_pool_start"),
    QM_AMT("development_pool_start"),
    QM_AMT("oil_gas_pool_start"),
    QM_AMT("foreign_pool_start"),
    QM_CALC("exploration_claim"),
    QM_CALC("development_claim"),
    QM_CALC("oil_gas_claim"),
    QM_CALC("foreign_claim"),
    QM_CALC("depletion_claim"),
    QM_CALC("total_deduction"),
};

// ---- T1170

constexpr int kGifts = 10;

const FieldSpec kT1170Fields[] = {
    QM_ROWS("gifts.#.description", CField::String, kGifts),
    QM_ROWS("gifts.#.kind", CField::Int, kGifts),        // 0 listed securities, 1 ecologically sensitive land, 2 other
    QM_ROWS("gifts.#.date", CField::Date, kGifts),
    QM_AMT_ROWS("gifts.#.proceeds", kGifts),  // fair market value
    QM_AMT_ROWS("gifts.#.adjusted_cost_base", kGifts),
    QM_AMT_ROWS("gifts.#.outlays", kGifts),
    QM_AMT_ROWS("gifts.#.advantage", kGifts),
    QM_CALC_ROWS("gifts.#.gain", kGifts),
    QM_CALC_ROWS("gifts.#.eligible_gain", kGifts),           // the part with a zero inclusion rate
    QM_CALC("total_gain"),
    QM_CALC("total_eligible_gain"),
};

// ---- T1032

const FieldSpec kT1032Fields[] = {
    QM_BOOL("is_transferor"),           // this person is the pensioner who splits
    QM_BOOL("is_elected"),
    QM_STR("transferor_first_name"),
    QM_STR("transferor_last_name"),
    QM_STR("transferor_sin"),
    QM_STR("transferor_address"),
    QM_STR("transferor_phone"),
    QM_INT("transferor_age"),
    QM_STR("transferee_first_name"),
    QM_STR("transferee_last_name"),
    QM_STR("transferee_sin"),
    QM_STR("transferee_address"),
    QM_STR("transferee_phone"),
    QM_INT("transferee_age"),
    // The pensioner's eligible pension income.
    QM_AMT("eligible_pension_11500"),   // from line 11500
    QM_AMT("eligible_pension_12900"),   // annuity and RRIF payments of line 12900
    QM_AMT("68026"),                    // eligible amounts of line 13000
    QM_AMT("eligible_pension_foreign"), // foreign pension amounts that are not eligible
    QM_CALC("eligible_pension"),
    QM_CALC("max_split"),               // half of the eligible pension income
    QM_AMT("split_amount"),
    QM_AMT("percent_split"),
    QM_AMT("68040"),                    // income tax deducted from the eligible pension income
    QM_CALC("68050"),                   // the part of that tax transferred with the split amount
    QM_CALC("pension_amount"),          // pension income amount for the credit
};

// ---- RC267, RC268 and RC269

const FieldSpec kForeignPlanFields[] = {
    QM_STR("plan_name"),
    QM_STR("employer_name"),
    QM_STR("country"),
    QM_BOOL("was_resident_before"),     // resident of Canada before the employment began
    QM_DATE("employment_start"),
    QM_AMT("contributions"),            // contributions made to the plan in the year
    QM_AMT("foreign_compensation"),     // compensation for the services rendered
    QM_CALC("pension_adjustment"),
    QM_CALC("deduction_limit"),
    QM_CALC("deduction"),
};

// ---- RC359

const FieldSpec kRC359Fields[] = {
    QM_STR("employer_name"),
    QM_AMT("excess_amount"),            // excess employees profit-sharing plan amount
    QM_CALC("federal_tax"),
    QM_CALC("provincial_tax"),
    QM_CALC("total_tax"),
    QM_CALC("deduction"),
};

// ---- RC381

const FieldSpec kRC381Fields[] = {
    QM_CALC("cpp_pensionable_earnings"),
    QM_CALC("qpp_pensionable_earnings"),
    QM_CALC("cpp_contributions_deducted"),
    QM_CALC("qpp_contributions_deducted"),
    QM_CALC("self_employment_earnings"),
    QM_BOOL("is_elected"),              // elects to pay contributions on other earnings
    QM_INT("election_status"),
    QM_AMT("elected_amount"),
    QM_INT("contribution_months"),
    QM_CALC("contributions_required"),
    QM_CALC("base_contributions"),
    QM_CALC("enhanced_contributions"),
    QM_CALC("under_deduction"),
    QM_CALC("overpayment"),
};

// ---- RC383

constexpr int kExemptEmployers = 5;

const FieldSpec kRC383Fields[] = {
    QM_ROWS("employers.#.name", CField::String, kExemptEmployers),
    QM_AMT_ROWS("employers.#.exempt_income", kExemptEmployers),
    QM_ROWS("employers.#.is_elected", CField::Bool, kExemptEmployers),
    QM_AMT("58750"),                    // exempt employment income elected for contributions
    QM_AMT("58810"),                    // exempt self-employment income elected for contributions
    QM_CALC("contributions"),
};

// ---- T2203

constexpr int kJurisdictions = TaxData_T2203::kJurisdictions;

const FieldSpec kT2203Fields[] = {
    QM_ROWS("provinces.#.province", CField::Int, kJurisdictions),     // 0 outside Canada
    QM_AMT_ROWS("provinces.#.gross_revenue", kJurisdictions),
    QM_AMT_ROWS("provinces.#.salaries_wages", kJurisdictions),
    QM_AMT_ROWS("provinces.#.business_income", kJurisdictions),
    QM_CALC_ROWS("provinces.#.percent", kJurisdictions),
    QM_CALC_ROWS("provinces.#.taxable_income", kJurisdictions),
    QM_CALC_ROWS("provinces.#.tax", kJurisdictions),
    QM_CALC("net_income"),
    QM_CALC("total_business_income"),
    QM_CALC("taxable_income"),
    QM_CALC("basic_federal_tax"),
    QM_CALC("total_provincial_tax"),
};

// ---- T90

const FieldSpec kT90Fields[] = {
    QM_AMT("10000"),
    QM_AMT("10026"),
    QM_AMT("exempt_pension_income"),
    QM_AMT("exempt_ei_benefits"),
    QM_AMT("exempt_investment_income"),
    QM_AMT("exempt_business_income"),
    QM_AMT("exempt_other_income"),
    QM_STR("exempt_other_description"),
    QM_CALC("total_exempt_income"),
    // What the slips report: their exempt-income marker, the exempt
    // employment income (T4 box 71) and the other exempt amounts (boxes 68,
    // 69 and 88).
    QM_INT("indian_act_exempt"),
    QM_CALC("slip_exempt_employment"),
    QM_CALC("slip_exempt_other"),
};

// ---- T224 and T225

const FieldSpec kAgeFormFields[] = {
    QM_INT("age"),
    QM_CALC("income"),
    QM_CALC("amount"),
};

bool holdsAmount(double value)
{
    return std::fabs(value) >= CFloatField::kTolerance;
}

// The amounts of a T2203 jurisdiction row.
const char* const kT2203RowAmounts[] = {"provinces.#.gross_revenue", "provinces.#.salaries_wages",
                                        "provinces.#.business_income"};

} // namespace

TaxData_T778New::TaxData_T778New() : TableForm(FROM_FORM, FormType::T778, {fieldTable(kT778Fields)}, {kT778Layout}) {}
TaxData_T929New::TaxData_T929New() : TableForm(FROM_FORM, FormType::T929, {fieldTable(kT929Fields)}, {kT929Layout}) {}
TaxData_T1212New::TaxData_T1212New() : TableForm(FROM_FORM, FormType::T1212, {fieldTable(kT1212Fields)}, {kT1212Layout}) {}
TaxData_T2204_New::TaxData_T2204_New() : TableForm(FROM_FORM, FormType::T2204, {fieldTable(kT2204Fields)}, {kT2204Layout}) {}
CTaxData_GST370::CTaxData_GST370() : TableForm(FROM_FORM, FormType::GST370, {fieldTable(kGST370Fields)}, {kGST370Layout}) {}
TaxData_T1206New::TaxData_T1206New() : TableForm(FROM_FORM, FormType::T1206, {fieldTable(kT1206Fields)}, {kT1206Layout}) {}
TaxData_T626_New::TaxData_T626_New() : TableForm(FROM_FORM, FormType::T626, {fieldTable(kT626Fields)}, {kT626Layout}) {}
TaxData_T691New::TaxData_T691New() : TableForm(FROM_FORM, FormType::T691, {fieldTable(kT691Fields)}, {kT691Layout}) {}
TaxData_T2209_2036::TaxData_T2209_2036() : TableForm(FROM_FORM, FormType::T2209T2036, {fieldTable(kT2209Fields)}, {kT2209Layout}) {}

void TaxData_T2209_2036::Adjust15Percent()
{
    const double income = qMax(0.0, getFloat("foreign_non_business_income"));
    const double paid = getFloat("foreign_non_business_tax_paid");
    setFloat("excess_over_15_percent", qMax(0.0, paid - Federal2021::kForeignPropertyTaxLimit * income));
}

int TaxData_T2209_2036::Calculate01()
{
    const double net = getFloat("net_income");
    // The share of the Canadian tax that the foreign income bears.
    auto share = [net](double foreignIncome) {
        if (net < CFloatField::kTolerance || foreignIncome < CFloatField::kTolerance) return 0.0;
        return qMin(1.0, foreignIncome / net);
    };
    const double basicTax = qMax(0.0, getFloat("basic_federal_tax"));
    const double nonBusinessTax =
        qMax(0.0, getFloat("foreign_non_business_tax_paid") - getFloat("excess_over_15_percent"));
    const double nonBusiness = qMin(nonBusinessTax, share(getFloat("foreign_non_business_income")) * basicTax);
    setFloat("non_business_credit", nonBusiness);

    // The business credit is also held to the tax the non-business credit left.
    const double taxBase = qMax(0.0, getFloat("federal_tax_base"));
    const double businessTax =
        qMax(0.0, getFloat("foreign_business_tax_paid") + getFloat("business_credit_carryforward"));
    const double business = qMax(0.0, qMin(qMin(businessTax, share(getFloat("foreign_business_income")) * taxBase),
                                           taxBase - nonBusiness));
    setFloat("business_credit", business);
    setFloat("federal_credit", nonBusiness + business);
    return 0;
}
TaxData_T2017New::TaxData_T2017New() : TableForm(FROM_FORM, FormType::T2017, {fieldTable(kT2017Fields)}, {kT2017Layout}) {}
TaxData_T1ANew::TaxData_T1ANew() : TableForm(FROM_FORM, FormType::T1A, {fieldTable(kT1AFields)}, {kT1ALayout}) {}
CTaxData_T2222::CTaxData_T2222() : TableForm(FROM_FORM, FormType::T2222, {fieldTable(kT2222Fields)}, {kT2222Layout}) {}
CTaxData_T1DD::CTaxData_T1DD() : TableForm(FROM_FORM, FormType::T1DD1, {fieldTable(kT1DDFields)}, {kT1DDLayout}) {}
CTaxData_T5004::CTaxData_T5004() : TableForm(FROM_FORM, FormType::T5004, {fieldTable(kT5004Fields)}, {kT5004Layout}) {}
TaxData_CPT20_New::TaxData_CPT20_New() : TableForm(FROM_FORM, FormType::CPT20, {fieldTable(kCPT20Fields)}, {kCPT20Layout}) {}

double TaxData_CPT20_New::electedAmount() const
{
    double rows = 0.0;
    for (int row = 1; row <= kElectionEmployers; ++row)
        rows += getFloat(rowField("employers.#.pensionable_earnings", row));
    return holdsAmount(rows) ? rows : getFloat("elected_earnings");
}

void TaxData_CPT20_New::clearT4Slips()
{
    for (int row = 1; row <= kT4Slips; ++row) {
        setInt(rowField("t4_slips.#.slip_number", row), 0);
        for (const char* column : {"t4_slips.#.pensionable_earnings", "t4_slips.#.cpp_contributions",
                                   "t4_slips.#.qpp_contributions"})
            setFloat(rowField(column, row), 0.0);
    }
}

bool TaxData_CPT20_New::hadElectedF399IncomeToPayCPP() const
{
    return electedAmount() >= CFloatField::kTolerance;
}

bool TaxData_CPT20_New::hadElectedIncomeToPayCPP() const
{
    const QDate elected = getDate("election_date");
    return hadElectedF399IncomeToPayCPP() || (elected.isValid() && elected.year() <= 2021);
}
CTaxData_T1219::CTaxData_T1219() : TableForm(FROM_FORM, FormType::T1219, {fieldTable(kT1219Fields)}, {kT1219Layout}) {}
CTaxData_T1153::CTaxData_T1153() : TableForm(FROM_FORM, FormType::T1153, {fieldTable(kT1153Fields)}, {kT1153Layout}) {}
TaxData_T1MNew::TaxData_T1MNew() : TableForm(FROM_FORM, FormType::T1M, {fieldTable(kT1MFields)}, {kT1MLayout}) {}
CTaxData_T1223::CTaxData_T1223() : TableForm(FROM_FORM, FormType::T1223, {fieldTable(kT1223Fields)}, {kT1223Layout}) {}
CTaxData_T1229::CTaxData_T1229() : TableForm(FROM_FORM, FormType::T1229, {fieldTable(kT1229Fields)}, {kT1229Layout}) {}
CTaxData_T1170::CTaxData_T1170() : TableForm(FROM_FORM, FormType::T1170, {fieldTable(kT1170Fields)}, {kT1170Layout}) {}
TaxData_T1032_New::TaxData_T1032_New() : TableForm(FROM_FORM, FormType::T1032, {fieldTable(kT1032Fields)}, {kT1032Layout}) {}

void TaxData_T1032_New::CalculateMaxSplitInc()
{
    const double eligible = qMax(0.0, getFloat("eligible_pension_11500") + getFloat("eligible_pension_12900")
                                          + getFloat("68026") - getFloat("eligible_pension_foreign"));
    setFloat("eligible_pension", eligible);
    const double most = eligible * Federal2021::kPensionSplitMaxShare;
    setFloat("max_split", most);
    double split = getFloat("split_amount");
    if (split < CFloatField::kTolerance && getFloat("percent_split") >= CFloatField::kTolerance)
        split = eligible * getFloat("percent_split") / 100.0;
    setFloat("split_amount", qBound(0.0, split, most));
}

void TaxData_T1032_New::CalculatePensionInc()
{
    const double split = getFloat("split_amount");
    setFloat("pension_amount", role() == ROLE_PENSIONER ? qMax(0.0, getFloat("eligible_pension") - split) : split);
}

void TaxData_T1032_New::CalculateIncomeTax()
{
    const double eligible = getFloat("eligible_pension");
    setFloat("68050", eligible >= CFloatField::kTolerance ? getFloat("68040") * getFloat("split_amount") / eligible
                                                          : 0.0);
}

double TaxData_T1032_New::getF5344() const
{
    const double eligible = getFloat("eligible_pension");
    if (eligible < CFloatField::kTolerance) return 0.0;
    return getFloat("split_amount") * qMax(0.0, getFloat("eligible_pension_11500")) / eligible;
}
TaxData_RC267New::TaxData_RC267New() : TableForm(FROM_FORM, FormType::RC267, {fieldTable(kForeignPlanFields)}, {kRC267Layout}) {}
TaxData_RC268New::TaxData_RC268New() : TableForm(FROM_FORM, FormType::RC268, {fieldTable(kForeignPlanFields)}, {kRC268Layout}) {}
TaxData_RC269::TaxData_RC269() : TableForm(FROM_FORM, FormType::RC269, {fieldTable(kForeignPlanFields)}, {kRC269Layout}) {}
TaxData_RC359::TaxData_RC359() : TableForm(FROM_FORM, FormType::RC359, {fieldTable(kRC359Fields)}, {kRC359Layout}) {}
TaxData_RC381::TaxData_RC381() : TableForm(FROM_FORM, FormType::RC381, {fieldTable(kRC381Fields)}, {kRC381Layout}) {}
TaxData_RC383::TaxData_RC383() : TableForm(FROM_FORM, FormType::RC383, {fieldTable(kRC383Fields)}, {kRC383Layout}) {}

TaxData_T2203::TaxData_T2203() : TableForm(FROM_FORM, FormType::T2203, {fieldTable(kT2203Fields)}, {kT2203Layout}) {}

bool TaxData_T2203::isProvActiveByBusiInc(int province) const
{
    for (int row = 1; row <= kJurisdictions; ++row)
        if (getInt(rowField("provinces.#.province", row)) == province
            && holdsAmount(getFloat(rowField("provinces.#.business_income", row))))
            return true;
    return false;
}

int TaxData_T2203::rowOf(int province) const
{
    for (int row = 1; row <= kJurisdictions; ++row) {
        if (getInt(rowField("provinces.#.province", row)) != province) continue;
        // A row of province 0 is free until it holds an amount.
        if (province != 0) return row;
        for (const char* column : kT2203RowAmounts)
            if (holdsAmount(getFloat(rowField(column, row)))) return row;
    }
    return 0;
}

void TaxData_T2203::resetBusiIncFromAllProvs()
{
    for (int row = 1; row <= kJurisdictions; ++row) setFloat(rowField("provinces.#.business_income", row), 0.0);
}

void TaxData_T2203::addBusiInc(int province, double income)
{
    int row = rowOf(province);
    if (row == 0) {
        // The first row naming no jurisdiction and holding nothing.
        for (int r = 1; r <= kJurisdictions && row == 0; ++r) {
            if (getInt(rowField("provinces.#.province", r)) != 0) continue;
            bool empty = true;
            for (const char* column : kT2203RowAmounts)
                if (holdsAmount(getFloat(rowField(column, r)))) empty = false;
            if (empty) row = r;
        }
        if (row == 0) return;   // every row taken
        setInt(rowField("provinces.#.province", row), province);
    }
    const CString name = rowField("provinces.#.business_income", row);
    setFloat(name, getFloat(name) + income);
}

int TaxData_T2203::Calculate01()
{
    const int home = getMainTaxProvince();
    if (rowOf(home) == 0) addBusiInc(home, 0.0);
    const double net = getFloat("net_income");
    const double taxable = getFloat("taxable_income");
    double percentOthers = 0.0, taxableOthers = 0.0;
    for (int row = 1; row <= kJurisdictions; ++row) {
        const int province = getInt(rowField("provinces.#.province", row));
        if (province == home) continue;
        double share = 0.0;
        if (net >= CFloatField::kTolerance)
            share = qBound(0.0, getFloat(rowField("provinces.#.business_income", row)) / net, 1.0);
        setFloat(rowField("provinces.#.percent", row), share * 100.0);
        setFloat(rowField("provinces.#.taxable_income", row), taxable * share);
        percentOthers += share * 100.0;
        taxableOthers += taxable * share;
    }
    const int homeRow = rowOf(home);
    if (homeRow != 0) {
        setFloat(rowField("provinces.#.percent", homeRow), qMax(0.0, 100.0 - percentOthers));
        setFloat(rowField("provinces.#.taxable_income", homeRow), qMax(0.0, taxable - taxableOthers));
    }
    return 0;
}

void TaxData_T2203::initAmounts()
{
    for (int row = 1; row <= kJurisdictions; ++row) setFloat(rowField("provinces.#.tax", row), 0.0);
    setFloat("total_provincial_tax", 0.0);
}

TaxData_T90::TaxData_T90() : TableForm(FROM_FORM, FormType::T90, {fieldTable(kT90Fields)}, {kT90Layout}) {}
TaxData_T224::TaxData_T224() : TableForm(FROM_FORM, FormType::T224, {fieldTable(kAgeFormFields)}, {kT224Layout}) {}
TaxData_T225::TaxData_T225() : TableForm(FROM_FORM, FormType::T225, {fieldTable(kAgeFormFields)}, {kT225Layout}) {}
