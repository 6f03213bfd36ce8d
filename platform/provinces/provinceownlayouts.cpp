#include "provincelayouts.h"

// Each province's own rows, in the order of its 2021 forms, province by
// province as in the parameter table (provincetables.cpp). The 428 rows are
// slotted among the shared lines (Prov428OwnLayout); a 479 is the province's
// own from its page row on.

namespace {

constexpr LayoutTable kNone{nullptr, 0};

// ---- Alberta ---------------------------------------------------------------

constexpr LayoutRow kAb428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kAb428Other[] = {
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kAb428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kAb428Credits[] = {
    QL_SECTION("Alberta credits"),
    QL_LINE("political_contributions", nullptr, "Alberta political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Alberta political contribution tax credit"),
    QL_LINE("investor_tax_credit", nullptr, "Alberta investor tax credit"),
    QL_LINE("stock_savings_plan_tax_credit", nullptr, "Alberta stock savings plan tax credit"),
};

// ---- British Columbia ------------------------------------------------------

constexpr LayoutRow kBc428Family[] = {
    QL_LINE("58175", "58175", "British Columbia caregiver amount"),
};
constexpr LayoutRow kBc428Other[] = {
    QL_LINE("58315", "58315", "Volunteer firefighters' amount"),
    QL_LINE("58316", "58316", "Search and rescue volunteers' amount"),
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kBc428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition amounts transferred from a child or grandchild"),
};
constexpr LayoutRow kBc428Reductions[] = {
    QL_LINE("tax_reduction", nullptr, "British Columbia tax reduction"),
};
constexpr LayoutRow kBc428Credits[] = {
    QL_SECTION("British Columbia credits"),
    QL_LINE("60400", "60400", "British Columbia political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "British Columbia political contribution tax credit"),
    QL_LINE("60450", "60450", "Employee share ownership plan tax credit (ESOP 20)"),
    QL_LINE("60470", "60470", "Employee venture capital tax credit (EVCC 30)"),
    QL_LINE("mining_flow_through_share_tax_credit", nullptr, "British Columbia mining flow-through share tax credit"),
    QL_LINE("logging_tax_credit", nullptr, "British Columbia logging tax credit"),
};
constexpr LayoutRow kBc479[] = {
    QL_PAGE("BC479 British Columbia Credits"),
    QL_SECTION("Sales tax credit"),
    QL_LINE("adjusted_family_net_income", nullptr, "Adjusted family net income"),
    QL_LINE("60330", "60330", "Basic sales tax credit"),
    QL_LINE("60350", "60350", "Additional sales tax credit for your spouse or common-law partner"),
    QL_LINE("sales_tax_credit", nullptr, "British Columbia sales tax credit"),
    QL_LINE("60890", "60890", "You and your spouse or common-law partner lived apart for medical reasons"),
    QL_SECTION("Other credits"),
    QL_LINE("60480", "60480", "Home renovation expenses (seniors and persons with disabilities)"),
    QL_LINE("home_renovation_tax_credit", nullptr, "Home renovation tax credit"),
    QL_LINE("60490", "60490", "Venture capital tax credit (SBVC 10)"),
    QL_LINE("training_tax_credit", nullptr, "Training tax credit"),
    QL_LINE("mining_exploration_tax_credit", nullptr, "Mining exploration tax credit"),
    QL_LINE("47900", "47900", "British Columbia credits (line 47900 of your return)"),
};

// ---- Manitoba --------------------------------------------------------------

constexpr LayoutRow kMb428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kMb428Other[] = {
    QL_LINE("58315", "58315", "Volunteer firefighters' amount"),
    QL_LINE("58316", "58316", "Search and rescue volunteers' amount"),
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kMb428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kMb428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kMb428FamilyBenefit[] = {
    QL_LINE("60710", "60710", "Family tax benefit: disability amount for your spouse or common-law partner (MB428-A line 6)"),
    QL_LINE("60740", "60740", "Family tax benefit: number of disabled dependants born in 2003 or earlier (MB428-A line 8)"),
    QL_LINE("61470", "61470", "Family tax benefit (line 12 of Schedule MB428-A)"),
};
constexpr LayoutRow kMb428Credits[] = {
    QL_SECTION("Manitoba credits"),
    QL_LINE("political_contributions", nullptr, "Manitoba political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Manitoba political contribution tax credit"),
};
constexpr LayoutRow kMb479[] = {
    QL_PAGE("MB479 Manitoba Credits"),
    QL_SECTION("Personal tax credit"),
    QL_LINE("family_income", nullptr, "Family net income"),
    QL_LINE("60890", "60890", "Address of your spouse or common-law partner, if you lived apart for medical reasons"),
    QL_LINE("60900", "60900", "Personal tax credit for your spouse or common-law partner"),
    QL_LINE("personal_tax_credit", nullptr, "Personal tax credit"),
    QL_SECTION("Property tax credits"),
    QL_LINE("education_property_tax_credit", nullptr, "Education property tax credit"),
    QL_LINE("seniors_school_tax_rebate", nullptr, "Seniors' school tax rebate"),
    QL_SECTION("Other credits"),
    QL_LINE("primary_caregiver_tax_credit", nullptr, "Primary caregiver tax credit"),
    QL_LINE("fertility_treatment_expenses", nullptr, "Eligible fertility treatment expenses"),
    QL_LINE("fertility_treatment_tax_credit", nullptr, "Fertility treatment tax credit"),
    QL_LINE("green_energy_equipment_tax_credit", nullptr, "Green energy equipment tax credit"),
    QL_LINE("47900", "47900", "Manitoba credits (line 47900 of your return)"),
};

// ---- New Brunswick ---------------------------------------------------------

constexpr LayoutRow kNb428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kNb428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kNb428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kNb428Reductions[] = {
    QL_LINE("low_income_tax_reduction_from_spouse", nullptr,
            "Unused low-income tax reduction from your spouse or common-law partner"),
    QL_LINE("low_income_tax_reduction", nullptr, "New Brunswick low-income tax reduction"),
    QL_LINE("low_income_tax_reduction_unused", nullptr,
            "Unused low-income tax reduction that your spouse or common-law partner can claim"),
};
constexpr LayoutRow kNb428Credits[] = {
    QL_SECTION("New Brunswick credits"),
    QL_LINE("political_contributions", nullptr, "New Brunswick political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "New Brunswick political contribution tax credit"),
};
constexpr LayoutRow kNb479[] = {
    QL_PAGE("NB479 New Brunswick Credits"),
    QL_LINE("seniors_home_renovation_expenses", nullptr, "Eligible seniors' home renovation expenses"),
    QL_LINE("seniors_home_renovation_tax_credit", nullptr, "Seniors' home renovation tax credit"),
    QL_LINE("small_business_investor_tax_credit", nullptr, "Small business investor tax credit"),
    QL_LINE("47900", "47900", "New Brunswick credits (line 47900 of your return)"),
};

// ---- Newfoundland and Labrador ---------------------------------------------

constexpr LayoutRow kNl428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kNl428Other[] = {
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kNl428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kNl428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kNl428Reductions[] = {
    QL_LINE("low_income_tax_reduction_from_spouse", nullptr,
            "Unused low-income tax reduction from your spouse or common-law partner"),
    QL_LINE("low_income_tax_reduction", nullptr, "Newfoundland and Labrador low-income tax reduction"),
    QL_LINE("low_income_tax_reduction_unused", nullptr,
            "Unused low-income tax reduction that your spouse or common-law partner can claim"),
};
constexpr LayoutRow kNl428Credits[] = {
    QL_SECTION("Newfoundland and Labrador credits"),
    QL_LINE("political_contributions", nullptr, "Newfoundland and Labrador political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Newfoundland and Labrador political contribution tax credit"),
};
constexpr LayoutRow kNl479[] = {
    QL_PAGE("NL479 Newfoundland and Labrador Credits"),
    QL_SECTION("Physical activity tax credit"),
    QL_LINE("physical_activity_expenses", nullptr, "Eligible physical activity expenses paid in 2021 for your family"),
    QL_LINE("physical_activity_assistance", nullptr, "Assistance received or receivable for those expenses"),
    QL_LINE("physical_activity_claimed_by_others", nullptr, "Expenses claimed by another member of your family"),
    QL_LINE("62000", "62000", "Physical activity expenses claimed"),
    QL_LINE("physical_activity_tax_credit", nullptr, "Physical activity tax credit"),
    QL_SECTION("Other credits"),
    QL_LINE("income_supplement", nullptr, "Newfoundland and Labrador income supplement"),
    QL_LINE("seniors_benefit", nullptr, "Newfoundland and Labrador seniors' benefit"),
    QL_LINE("venture_capital_tax_credit", nullptr, "Venture capital tax credit"),
    QL_LINE("47900", "47900", "Newfoundland and Labrador credits (line 47900 of your return)"),
};

// ---- Nova Scotia -----------------------------------------------------------

constexpr LayoutRow kNs428Family[] = {
    QL_SECTION("Supplements for taxable income under $75,000"),
    QL_LINE("basic_personal_amount_supplement", nullptr, "Basic personal amount supplement"),
    QL_LINE("age_amount_supplement", nullptr, "Age amount supplement"),
    QL_LINE("spouse_amount_supplement", nullptr, "Spouse or common-law partner amount supplement"),
    QL_LINE("eligible_dependant_amount_supplement", nullptr, "Amount for an eligible dependant supplement"),
    QL_SECTION("Other amounts"),
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kNs428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kNs428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kNs428Reductions[] = {
    QL_LINE("age_tax_credit", nullptr, "Nova Scotia age tax credit"),
    QL_LINE("low_income_tax_reduction", nullptr, "Nova Scotia low-income tax reduction"),
};
constexpr LayoutRow kNs428Credits[] = {
    QL_SECTION("Nova Scotia credits"),
    QL_LINE("political_contributions", nullptr, "Nova Scotia political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Nova Scotia political contribution tax credit"),
    QL_LINE("equity_tax_credit", nullptr, "Nova Scotia equity tax credit"),
};
constexpr LayoutRow kNs479[] = {
    QL_PAGE("NS479 Nova Scotia Credits"),
    QL_LINE("volunteer_firefighter_or_search_and_rescue", nullptr,
            "You were a volunteer firefighter or ground search and rescue volunteer"),
    QL_LINE("volunteer_firefighters_tax_credit", nullptr, "Volunteer firefighters and ground search and rescue tax credit"),
    QL_LINE("47900", "47900", "Nova Scotia credits (line 47900 of your return)"),
};

// ---- Northwest Territories -------------------------------------------------

constexpr LayoutRow kNt428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kNt428Other[] = {
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kNt428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kNt428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kNt428Credits[] = {
    QL_SECTION("Northwest Territories credits"),
    QL_LINE("political_contributions", nullptr, "Northwest Territories political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Northwest Territories political contribution tax credit"),
};
constexpr LayoutRow kNt479[] = {
    QL_PAGE("NT479 Northwest Territories Credits"),
    QL_SECTION("Cost of living tax credit"),
    QL_LINE("adjusted_net_income", nullptr, "Adjusted net income"),
    QL_LINE("62450", "62450", "Treaty-exempt foreign income claimed on line 25600 of your return"),
    QL_LINE("62460", "62460", "Basic credit for self"),
    QL_LINE("claim_supplement", nullptr, "You claim the cost of living supplement for your family"),
    QL_LINE("spouse_basic_credit", nullptr, "Basic credit for self of your spouse or common-law partner"),
    QL_LINE("cost_of_living_supplement", nullptr, "Cost of living supplement"),
    QL_LINE("47900", "47900", "Northwest Territories credits (line 47900 of your return)"),
};

// ---- Nunavut ---------------------------------------------------------------

constexpr LayoutRow kNu428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kNu428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kNu428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kNu428Credits[] = {
    QL_SECTION("Nunavut credits"),
    QL_LINE("volunteer_firefighters_tax_credit", nullptr,
            "Volunteer firefighters' tax credit (for the amount on line 31220 of your return)"),
};
constexpr LayoutRow kNu479[] = {
    QL_PAGE("NU479 Nunavut Credits"),
    QL_SECTION("Cost of living tax credit"),
    QL_LINE("adjusted_net_income", nullptr, "Adjusted net income"),
    QL_LINE("62450", "62450", "Treaty-exempt foreign income claimed on line 25600 of your return"),
    QL_LINE("cost_of_living_tax_credit", nullptr, "Cost of living tax credit"),
    QL_LINE("single_parent", nullptr, "You were a single parent at any time in 2021"),
    QL_LINE("63940", "63940", "Cost of living supplement for single parents"),
    QL_LINE("63990", "63990", "Total cost of living tax credit"),
    QL_SECTION("Political contribution tax credit"),
    QL_LINE("political_contributions", nullptr, "Nunavut political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Nunavut political contribution tax credit"),
    QL_LINE("47900", "47900", "Nunavut credits (line 47900 of your return)"),
};

// ---- Ontario ---------------------------------------------------------------

constexpr LayoutRow kOn428Family[] = {
    QL_LINE("58185", "58185", "Ontario caregiver amount"),
};
constexpr LayoutRow kOn428Other[] = {
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kOn428Surtax[] = {
    QL_LINE("surtax", nullptr, "Ontario surtax"),
};
constexpr LayoutRow kOn428Reductions[] = {
    QL_LINE("60969", "60969", "Tax reduction: number of your dependent children born in 2003 or later"),
    QL_LINE("60970", "60970", "Tax reduction: number of your dependants with a mental or physical impairment"),
    QL_LINE("tax_reduction", nullptr, "Ontario tax reduction"),
};
constexpr LayoutRow kOn428Credits[] = {
    QL_SECTION("Ontario credits"),
    QL_LINE("62140", "62140", "Low-income individuals and families tax (LIFT) credit"),
    QL_LINE("62150", "62150", "Community food program donation tax credit for farmers: qualifying donations"),
    QL_LINE("health_premium", nullptr, "Ontario health premium"),
};
constexpr LayoutRow kOn479[] = {
    QL_PAGE("ON479 Ontario Credits"),
    QL_LINE("63050", "63050", "Childcare access and relief from expenses (CARE) tax credit"),
    QL_SECTION("Seniors"),
    QL_LINE("63100", "63100", "Eligible seniors' public transit expenses"),
    QL_LINE("seniors_public_transit_tax_credit", nullptr, "Ontario seniors' public transit tax credit"),
    QL_LINE("seniors_home_safety_expenses", nullptr, "Eligible seniors' home safety expenses"),
    QL_LINE("seniors_home_safety_tax_credit", nullptr, "Ontario seniors' home safety tax credit"),
    QL_SECTION("Other credits"),
    QL_LINE("jobs_training_expenses", nullptr, "Eligible expenses for the Ontario jobs training tax credit"),
    QL_LINE("jobs_training_tax_credit", nullptr, "Ontario jobs training tax credit"),
    QL_LINE("63110", "63110", "Ontario political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Ontario political contribution tax credit"),
    QL_LINE("flow_through_share_tax_credit", nullptr, "Ontario focused flow-through share tax credit"),
    QL_LINE("47900", "47900", "Ontario credits (line 47900 of your return)"),
};
constexpr LayoutRow kOnInterview[] = {
    QL_SECTION("Ontario trillium benefit (Form ON-BEN)"),
    QL_LINE("apply_for_trillium_benefit", nullptr, "Apply for the Ontario energy and property tax credit"),
    QL_LINE("apply_for_senior_homeowners_grant", nullptr, "Apply for the Ontario senior homeowners' property tax grant"),
    QL_LINE("trillium_single_payment", nullptr, "Receive the Ontario trillium benefit in a single payment"),
    QL_LINE("long_term_care_home_paid", nullptr, "Amount paid for accommodation in a long-term care home"),
    QL_LINE("lived_in_student_residence", nullptr, "You lived in a designated Ontario university, college or private school residence"),
    QL_LINE("reserve_home_energy_costs", nullptr, "Home energy costs paid for your principal residence on a reserve"),
    QL_LINE("lived_in_northern_ontario", nullptr, "You lived in Northern Ontario (Northern Ontario energy credit)"),
};

// ---- Prince Edward Island --------------------------------------------------

constexpr LayoutRow kPe428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
};
constexpr LayoutRow kPe428Caregiver[] = {
    // Line 58365 follows the pension income amount.
    QL_TABLE("childrens_wellness", "Children's wellness: eligible fees paid in 2021 for each child under 18"),
    QL_COLUMN("childrens_wellness.#.name", "Child's name"),
    QL_COLUMN("childrens_wellness.#.fees", "Eligible fees (at most $500 a child)"),
    QL_LINE("58365", "58365", "Children's wellness amount"),
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kPe428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kPe428Surtax[] = {
    QL_LINE("surtax", nullptr, "Prince Edward Island surtax"),
};
constexpr LayoutRow kPe428Reductions[] = {
    QL_LINE("low_income_tax_reduction_from_spouse", nullptr,
            "Unused low-income tax reduction from your spouse or common-law partner"),
    QL_LINE("low_income_tax_reduction", nullptr, "Prince Edward Island low-income tax reduction"),
    QL_LINE("low_income_tax_reduction_unused", nullptr,
            "Unused low-income tax reduction that your spouse or common-law partner can claim"),
};
constexpr LayoutRow kPe428Credits[] = {
    QL_SECTION("Prince Edward Island credits"),
    QL_LINE("political_contributions", nullptr, "Prince Edward Island political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Prince Edward Island political contribution tax credit"),
};

// ---- Saskatchewan ----------------------------------------------------------

constexpr LayoutRow kSk428Family[] = {
    QL_LINE("58200", "58200", "Amount for infirm dependants age 18 or older"),
    QL_LINE("58209", "58209", "Number of dependent children"),
    QL_LINE("58210", "58210", "Amount for dependent children"),
    QL_TABLE("dependent_children", "Your dependent children"),
    QL_COLUMN("dependent_children.#.name", "Name"),
    QL_COLUMN("dependent_children.#.birth_date", "Date of birth"),
    QL_LINE("58220", "58220", "Senior supplementary amount"),
};
constexpr LayoutRow kSk428Other[] = {
    QL_LINE("58315", "58315", "Volunteer firefighters' amount"),
    QL_LINE("58316", "58316", "Search and rescue volunteers' amount"),
    QL_LINE("58357", "58357", "First-time homebuyers' amount"),
};
constexpr LayoutRow kSk428Caregiver[] = {
    QL_LINE("58400", "58400", "Caregiver amount"),
};
constexpr LayoutRow kSk428Reductions[] = {
    QL_LINE("farm_small_business_capital_gains_tax_credit", nullptr, "Farm and small business capital gains tax credit"),
};
constexpr LayoutRow kSk428Credits[] = {
    QL_SECTION("Saskatchewan credits"),
    QL_LINE("63554", "63554", "Saskatchewan political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Saskatchewan political contribution tax credit"),
    QL_LINE("63640", "63640", "Graduate tuition tax credit (Form RC360)"),
};
constexpr LayoutRow kSkS2[] = {
    QL_LINE("spouse_dependent_children_amount", nullptr, "Amount for dependent children (their SK428)"),
    QL_LINE("spouse_senior_supplementary_amount", nullptr, "Senior supplementary amount (their SK428)"),
};
constexpr LayoutRow kSk479[] = {
    QL_PAGE("SK479 Saskatchewan Credits"),
    QL_LINE("47900", "47900", "Saskatchewan credits (line 47900 of your return)"),
};

// ---- Yukon -----------------------------------------------------------------

constexpr LayoutRow kYt428Other[] = {
    QL_LINE("58315", "58315", "Volunteer firefighters' amount"),
    QL_LINE("58316", "58316", "Search and rescue volunteers' amount"),
    QL_LINE("58330", "58330", "Adoption expenses"),
};
constexpr LayoutRow kYt428Transfers[] = {
    QL_LINE("58600", "58600", "Tuition and education amounts transferred from a child"),
};
constexpr LayoutRow kYt428Reductions[] = {
    QL_LINE("first_nations_income_tax_credit", nullptr, "Yukon First Nations income tax credit"),
};
constexpr LayoutRow kYt428Credits[] = {
    QL_SECTION("Yukon credits"),
    QL_LINE("political_contributions", nullptr, "Yukon political contributions made in 2021"),
    QL_LINE("political_contribution_tax_credit", nullptr, "Yukon political contribution tax credit"),
    QL_LINE("small_business_investment_tax_credit", nullptr, "Small business investment tax credit"),
};
constexpr LayoutRow kYt479[] = {
    QL_PAGE("YT479 Yukon Credits"),
    QL_LINE("childrens_fitness_expenses", nullptr, "Children's fitness expenses"),
    QL_LINE("childrens_fitness_tax_credit", nullptr, "Children's fitness tax credit"),
    QL_LINE("research_and_development_tax_credit", nullptr, "Research and development tax credit"),
    QL_LINE("47900", "47900", "Yukon credits (line 47900 of your return)"),
};

#define ROWS(rows) layoutTable(rows)

const ProvinceLayouts kProvinceLayouts[] = {
    //        428: family amounts   other amounts     caregiver             transfers              surtax, reductions, credits, after line 58640
    { 1, {ROWS(kAb428Family), ROWS(kAb428Other), ROWS(kAb428Caregiver), kNone,                 kNone, kNone, ROWS(kAb428Credits), kNone},
      kNone,        kNone,       kNone},
    { 2, {ROWS(kBc428Family), ROWS(kBc428Other), kNone,                 ROWS(kBc428Transfers), kNone, ROWS(kBc428Reductions), ROWS(kBc428Credits), kNone},
      ROWS(kBc479), kNone,       kNone},
    { 3, {ROWS(kMb428Family), ROWS(kMb428Other), ROWS(kMb428Caregiver), ROWS(kMb428Transfers), kNone, kNone, ROWS(kMb428Credits),
          ROWS(kMb428FamilyBenefit)},
      ROWS(kMb479), kNone,       kNone},
    { 4, {ROWS(kNb428Family), kNone,             ROWS(kNb428Caregiver), ROWS(kNb428Transfers), kNone, ROWS(kNb428Reductions), ROWS(kNb428Credits), kNone},
      ROWS(kNb479), kNone,       kNone},
    { 5, {ROWS(kNl428Family), ROWS(kNl428Other), ROWS(kNl428Caregiver), ROWS(kNl428Transfers), kNone, ROWS(kNl428Reductions), ROWS(kNl428Credits), kNone},
      ROWS(kNl479), kNone,       kNone},
    { 6, {ROWS(kNs428Family), kNone,             ROWS(kNs428Caregiver), ROWS(kNs428Transfers), kNone, ROWS(kNs428Reductions), ROWS(kNs428Credits), kNone},
      ROWS(kNs479), kNone,       kNone},
    { 7, {ROWS(kNt428Family), ROWS(kNt428Other), ROWS(kNt428Caregiver), ROWS(kNt428Transfers), kNone, kNone, ROWS(kNt428Credits), kNone},
      ROWS(kNt479), kNone,       kNone},
    { 8, {ROWS(kNu428Family), kNone,             ROWS(kNu428Caregiver), ROWS(kNu428Transfers), kNone, kNone, ROWS(kNu428Credits), kNone},
      ROWS(kNu479), kNone,       kNone},
    { 9, {ROWS(kOn428Family), ROWS(kOn428Other), kNone,                 kNone,                 ROWS(kOn428Surtax), ROWS(kOn428Reductions), ROWS(kOn428Credits), kNone},
      ROWS(kOn479), kNone,       ROWS(kOnInterview)},
    {10, {ROWS(kPe428Family), kNone,             ROWS(kPe428Caregiver), ROWS(kPe428Transfers), ROWS(kPe428Surtax), ROWS(kPe428Reductions), ROWS(kPe428Credits), kNone},
      kNone,        kNone,       kNone},
    {12, {ROWS(kSk428Family), ROWS(kSk428Other), ROWS(kSk428Caregiver), kNone,                 kNone, ROWS(kSk428Reductions), ROWS(kSk428Credits), kNone},
      ROWS(kSk479), ROWS(kSkS2), kNone},
    {13, {kNone,              ROWS(kYt428Other), kNone,                 ROWS(kYt428Transfers), kNone, ROWS(kYt428Reductions), ROWS(kYt428Credits), kNone},
      ROWS(kYt479), kNone,       kNone},
};

#undef ROWS

// A province without a library of its own (Quebec) lays out only the shared rows.
const ProvinceLayouts kSharedOnly{0, {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}, kNone, kNone, kNone};

} // namespace

const ProvinceLayouts& provinceLayouts(int province)
{
    for (const ProvinceLayouts& layouts : kProvinceLayouts)
        if (layouts.province == province) return layouts;
    return kSharedOnly;
}
