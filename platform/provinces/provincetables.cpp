#include "provincetables.h"

#include <iterator>

#ifndef QM_PROVINCE
#error "QM_PROVINCE must name the province the library is built for"
#endif

namespace {

// ---- Alberta ---------------------------------------------------------------

constexpr FieldSpec kAb428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58330"),                   // adoption expenses
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
    QM_AMT("investor_tax_credit"),      // unused Alberta investor tax credit
    QM_AMT("stock_savings_plan_tax_credit"),
};

// Not indexed after 2019.
constexpr double kAbThresholds[] = {131220, 157464, 209952, 314928};
constexpr double kAbRates[] = {0.10, 0.12, 0.13, 0.14, 0.15};

// ---- British Columbia ------------------------------------------------------

constexpr FieldSpec kBc428[] = {
    QM_CALC("58175"),                   // British Columbia caregiver amount
    QM_CALC("58315"),                   // volunteer firefighters' amount
    QM_CALC("58316"),                   // search and rescue volunteers' amount
    QM_CALC("58330"),                   // adoption expenses
    QM_AMT("58600"),                    // tuition amounts transferred from a child or grandchild
    QM_CALC("tax_reduction"),
    QM_AMT("60400"),                    // political contributions made in the year
    QM_CALC("political_contribution_tax_credit"),
    QM_AMT("60450"),                    // employee share ownership plan tax credit (ESOP 20)
    QM_AMT("60470"),                    // employee venture capital tax credit (EVCC 30)
    QM_AMT("mining_flow_through_share_tax_credit"),
    QM_AMT("logging_tax_credit"),
};

constexpr FieldSpec kBc479[] = {
    QM_CALC("adjusted_family_net_income"),
    QM_CALC("60330"),                   // basic sales tax credit
    QM_CALC("60350"),                   // additional sales tax credit for the spouse
    QM_CALC("sales_tax_credit"),
    QM_BOOL("60890"),                   // spouses lived apart for medical reasons
    QM_AMT("60480"),                    // home renovation expenses (seniors and persons with disabilities)
    QM_CALC("home_renovation_tax_credit"),
    QM_AMT("60490"),                    // venture capital tax credit (SBVC 10)
    QM_AMT("training_tax_credit"),
    QM_AMT("mining_exploration_tax_credit"),
    QM_CALC("47900"),
};

constexpr double kBcThresholds[] = {42184, 84369, 96866, 117623, 159483, 222420};
constexpr double kBcRates[] = {0.0506, 0.077, 0.105, 0.1229, 0.147, 0.168, 0.205};

// ---- Manitoba --------------------------------------------------------------

constexpr FieldSpec kMb428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58315"),                   // volunteer firefighters' amount
    QM_CALC("58316"),                   // search and rescue volunteers' amount
    QM_CALC("58330"),                   // adoption expenses
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_CALC("family_tax_benefit"),
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
};

constexpr FieldSpec kMb479[] = {
    QM_CALC("family_income"),
    QM_STR("60890"),                    // the spouse's address when living apart for medical reasons
    QM_CALC("60900"),                   // personal tax credit for the spouse
    QM_CALC("personal_tax_credit"),
    QM_CALC("education_property_tax_credit"),
    QM_CALC("seniors_school_tax_rebate"),
    QM_AMT("primary_caregiver_tax_credit"),
    QM_AMT("fertility_treatment_expenses"),
    QM_CALC("fertility_treatment_tax_credit"),
    QM_AMT("green_energy_equipment_tax_credit"),
    QM_CALC("47900"),
};

constexpr double kMbThresholds[] = {33723, 72885};
constexpr double kMbRates[] = {0.108, 0.1275, 0.174};

// ---- New Brunswick ---------------------------------------------------------

constexpr FieldSpec kNb428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_CALC("low_income_tax_reduction"),
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
};

constexpr FieldSpec kNb479[] = {
    QM_AMT("seniors_home_renovation_expenses"),
    QM_CALC("seniors_home_renovation_tax_credit"),
    QM_AMT("small_business_investor_tax_credit"),
    QM_CALC("47900"),
};

// The 2021 thresholds stayed at their 2020 values.
constexpr double kNbThresholds[] = {43835, 87671, 142534, 162383};
constexpr double kNbRates[] = {0.0968, 0.1482, 0.1652, 0.1784, 0.203};

// ---- Newfoundland and Labrador ---------------------------------------------

constexpr FieldSpec kNl428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58330"),                   // adoption expenses
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_CALC("low_income_tax_reduction"),
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
};

constexpr FieldSpec kNl479[] = {
    QM_AMT("physical_activity_expenses"),
    QM_CALC("physical_activity_tax_credit"),
    QM_CALC("income_supplement"),
    QM_CALC("seniors_benefit"),
    QM_AMT("venture_capital_tax_credit"),
    QM_CALC("47900"),
};

constexpr double kNlThresholds[] = {38081, 76161, 135973, 190363};
constexpr double kNlRates[] = {0.087, 0.145, 0.158, 0.173, 0.183};

// ---- Nova Scotia -----------------------------------------------------------

constexpr FieldSpec kNs428[] = {
    // The supplements raise the basic, age, spouse and eligible dependant
    // amounts for taxable income under $75,000.
    QM_CALC("basic_personal_amount_supplement"),
    QM_CALC("age_amount_supplement"),
    QM_CALC("spouse_amount_supplement"),
    QM_CALC("eligible_dependant_amount_supplement"),
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_CALC("age_tax_credit"),
    QM_CALC("low_income_tax_reduction"),
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
    QM_AMT("equity_tax_credit"),
};

constexpr FieldSpec kNs479[] = {
    QM_BOOL("volunteer_firefighter_or_search_and_rescue"),
    QM_CALC("volunteer_firefighters_tax_credit"),
    QM_CALC("47900"),
};

// Not indexed.
constexpr double kNsThresholds[] = {29590, 59180, 93000, 150000};
constexpr double kNsRates[] = {0.0879, 0.1495, 0.1667, 0.175, 0.21};

// ---- Northwest Territories -------------------------------------------------

constexpr FieldSpec kNt428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58330"),                   // adoption expenses
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
};

constexpr FieldSpec kNt479[] = {
    QM_CALC("adjusted_net_income"),
    QM_AMT("62450"),                    // treaty-exempt foreign income claimed on line 25600
    QM_CALC("62460"),                   // cost of living tax credit: basic credit for self
    QM_BOOL("claim_supplement"),        // this person claims the family's supplement
    QM_AMT("spouse_basic_credit"),      // the spouse's basic credit for self
    QM_CALC("cost_of_living_supplement"),
    QM_CALC("47900"),
};

constexpr double kNtThresholds[] = {44396, 88796, 144362};
constexpr double kNtRates[] = {0.059, 0.086, 0.122, 0.1405};

// ---- Nunavut ---------------------------------------------------------------

constexpr FieldSpec kNu428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
};

constexpr FieldSpec kNu479[] = {
    QM_CALC("adjusted_net_income"),
    QM_CALC("cost_of_living_tax_credit"),
    QM_BOOL("volunteer_firefighter"),
    QM_CALC("volunteer_firefighters_tax_credit"),
    QM_CALC("47900"),
};

constexpr double kNuThresholds[] = {46740, 93480, 151978};
constexpr double kNuRates[] = {0.04, 0.07, 0.09, 0.115};

// ---- Ontario ---------------------------------------------------------------

constexpr FieldSpec kOn428[] = {
    QM_CALC("58185"),                   // Ontario caregiver amount
    QM_CALC("58330"),                   // adoption expenses
    QM_CALC("surtax"),
    QM_INT("60969"),                    // number of dependent children (tax reduction)
    QM_INT("60970"),                    // number of dependants with an impairment (tax reduction)
    QM_CALC("tax_reduction"),
    QM_CALC("62140"),                   // low-income individuals and families tax (LIFT) credit
    QM_AMT("62150"),                    // qualifying donations to a community food program (farmers)
    QM_CALC("health_premium"),
};

constexpr FieldSpec kOn479[] = {
    QM_CALC("63050"),                   // childcare access and relief from expenses (CARE) tax credit
    QM_AMT("63100"),                    // eligible seniors' public transit expenses
    QM_CALC("seniors_public_transit_tax_credit"),
    QM_AMT("seniors_home_safety_expenses"),
    QM_CALC("seniors_home_safety_tax_credit"),
    QM_AMT("jobs_training_expenses"),
    QM_CALC("jobs_training_tax_credit"),
    QM_AMT("63110"),                    // Ontario political contributions made in the year
    QM_CALC("political_contribution_tax_credit"),
    QM_AMT("flow_through_share_tax_credit"),
    QM_CALC("47900"),
};

constexpr FieldSpec kOnInterview[] = {
    // Ontario trillium benefit (Form ON-BEN).
    QM_BOOL("apply_for_trillium_benefit"),
    QM_BOOL("apply_for_senior_homeowners_grant"),
    QM_BOOL("trillium_single_payment"),
    QM_AMT("long_term_care_home_paid"),
    QM_BOOL("lived_in_student_residence"),
    QM_AMT("reserve_home_energy_costs"),
    QM_BOOL("lived_in_northern_ontario"),
};

constexpr double kOnThresholds[] = {45142, 90287, 150000, 220000};
constexpr double kOnRates[] = {0.0505, 0.0915, 0.1116, 0.1216, 0.1316};

// ---- Prince Edward Island --------------------------------------------------

constexpr FieldSpec kPe428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_CALC("58400"),                   // caregiver amount
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_CALC("surtax"),
    QM_CALC("low_income_tax_reduction"),
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
};

// Not indexed.
constexpr double kPeThresholds[] = {31984, 63969};
constexpr double kPeRates[] = {0.098, 0.138, 0.167};

// ---- Saskatchewan (its 428 is form 81) -------------------------------------

constexpr int kSkChildRows = 12;

constexpr FieldSpec kSk428[] = {
    QM_CALC("58200"),                   // amount for infirm dependants age 18 or older
    QM_INT("58209"),                    // number of dependent children
    QM_CALC("58210"),                   // amount for dependent children
    QM_CALC("58220"),                   // senior supplementary amount
    QM_CALC("58315"),                   // volunteer firefighters' amount
    QM_CALC("58316"),                   // search and rescue volunteers' amount
    QM_AMT("58357"),                    // first-time homebuyers' amount
    QM_CALC("58400"),                   // caregiver amount
    QM_CALC("farm_small_business_capital_gains_tax_credit"),
    QM_AMT("63554"),                    // Saskatchewan political contributions made in the year
    QM_CALC("political_contribution_tax_credit"),
    QM_AMT("63640"),                    // graduate tuition tax credit (Form RC360)
    // Details of the dependent children, filled from the family's dependants.
    QM_ROWS("dependent_children.#.name", CField::String, kSkChildRows),
    QM_ROWS("dependent_children.#.birth_date", CField::Date, kSkChildRows),
};

constexpr FieldSpec kSkS2[] = {
    QM_CALC("spouse_dependent_children_amount"),
    QM_CALC("spouse_senior_supplementary_amount"),
};

constexpr FieldSpec kSk479[] = {
    QM_CALC("47900"),
};

constexpr double kSkThresholds[] = {45677, 130506};
constexpr double kSkRates[] = {0.105, 0.125, 0.145};

// ---- Yukon -----------------------------------------------------------------

constexpr FieldSpec kYt428[] = {
    QM_CALC("58315"),                   // volunteer firefighters' amount
    QM_CALC("58316"),                   // search and rescue volunteers' amount
    QM_CALC("58330"),                   // adoption expenses
    QM_AMT("58600"),                    // tuition and education amounts transferred from a child
    QM_CALC("first_nations_income_tax_credit"),
    QM_AMT("political_contributions"),
    QM_CALC("political_contribution_tax_credit"),
    QM_AMT("small_business_investment_tax_credit"),
};

constexpr FieldSpec kYt479[] = {
    QM_AMT("childrens_fitness_expenses"),
    QM_CALC("childrens_fitness_tax_credit"),
    QM_AMT("research_and_development_tax_credit"),
    QM_CALC("47900"),
};

constexpr double kYtThresholds[] = {49020, 98040, 151978, 500000};
constexpr double kYtRates[] = {0.064, 0.09, 0.109, 0.128, 0.15};

constexpr FieldTable kNone{nullptr, 0};

template <int T, int R>
constexpr bool bracketsFit(const double (&)[T], const double (&)[R])
{
    return R == T + 1;
}

#define BRACKETS(thresholds, rates) thresholds, rates, int(std::size(thresholds))

static_assert(bracketsFit(kAbThresholds, kAbRates) && bracketsFit(kBcThresholds, kBcRates)
                  && bracketsFit(kMbThresholds, kMbRates) && bracketsFit(kNbThresholds, kNbRates)
                  && bracketsFit(kNlThresholds, kNlRates) && bracketsFit(kNsThresholds, kNsRates)
                  && bracketsFit(kNtThresholds, kNtRates) && bracketsFit(kNuThresholds, kNuRates)
                  && bracketsFit(kOnThresholds, kOnRates) && bracketsFit(kPeThresholds, kPeRates)
                  && bracketsFit(kSkThresholds, kSkRates) && bracketsFit(kYtThresholds, kYtRates),
              "one rate more than thresholds");

// Form numbers as in the form-control library's form table.
constexpr ProvinceParams kProvinces[] = {
    //          428  479   S2  S11  own 428 lines        own 479 lines        own S2 lines       own interview answers
    { 1, "AB",  45,   0,  47,  48, fieldTable(kAb428), kNone,             kNone,             kNone,
      BRACKETS(kAbThresholds, kAbRates)},
    { 2, "BC",  41,  42,  43,  44, fieldTable(kBc428), fieldTable(kBc479), kNone,             kNone,
      BRACKETS(kBcThresholds, kBcRates)},
    { 3, "MB",  86,  87,  90,  91, fieldTable(kMb428), fieldTable(kMb479), kNone,             kNone,
      BRACKETS(kMbThresholds, kMbRates)},
    { 4, "NB",  98,  99,  94,  95, fieldTable(kNb428), fieldTable(kNb479), kNone,             kNone,
      BRACKETS(kNbThresholds, kNbRates)},
    { 5, "NL",  62,  63,  64,  65, fieldTable(kNl428), fieldTable(kNl479), kNone,             kNone,
      BRACKETS(kNlThresholds, kNlRates)},
    { 6, "NS",  70,  71,  72,  73, fieldTable(kNs428), fieldTable(kNs479), kNone,             kNone,
      BRACKETS(kNsThresholds, kNsRates)},
    { 7, "NT",  66,  67,  68,  69, fieldTable(kNt428), fieldTable(kNt479), kNone,             kNone,
      BRACKETS(kNtThresholds, kNtRates)},
    { 8, "NU",  74,  75,  76,  77, fieldTable(kNu428), fieldTable(kNu479), kNone,             kNone,
      BRACKETS(kNuThresholds, kNuRates)},
    { 9, "ON",  24,  25,  26,  27, fieldTable(kOn428), fieldTable(kOn479), kNone,             fieldTable(kOnInterview),
      BRACKETS(kOnThresholds, kOnRates)},
    {10, "PE",  78,   0,  79,  80, fieldTable(kPe428), kNone,             kNone,             kNone,
      BRACKETS(kPeThresholds, kPeRates)},
    {12, "SK",  81,  84,  82,  83, fieldTable(kSk428), fieldTable(kSk479), fieldTable(kSkS2), kNone,
      BRACKETS(kSkThresholds, kSkRates)},
    {13, "YT", 108, 112, 110, 111, fieldTable(kYt428), fieldTable(kYt479), kNone,             kNone,
      BRACKETS(kYtThresholds, kYtRates)},
};

#undef BRACKETS

constexpr int rowOf(int province)
{
    for (int i = 0; i < int(std::size(kProvinces)); ++i)
        if (kProvinces[i].province == province) return i;
    return -1;
}

static_assert(rowOf(QM_PROVINCE) >= 0, "QM_PROVINCE has no parameter table (Quebec has no library)");

} // namespace

const ProvinceParams& thisProvince()
{
    return kProvinces[rowOf(QM_PROVINCE)];
}
