#include "federalforms_layouts.h"

// Form types the pages offer to go to.
namespace {
constexpr int kFormSchedule3 = 4;
constexpr int kFormT1219 = 89;

constexpr int kGoToForm = 1235;
constexpr int kCopyPreparer = 5000;

// ---- T778

constexpr LayoutRow kT778Rows[] = {
    QL_PAGE("Part A – Child care expenses"),
    QL_SECTION("Part A – Total child care expenses"),
    QL_TABLE("children", "Eligible children"),
    QL_COLUMN("children.#.name", "Child's name"),
    QL_COLUMN("children.#.birth_date", "Date of birth"),
    QL_COLUMN("children.#.is_disabled", "Disability amount can be claimed"),
    QL_COLUMN("children.#.is_infirm", "Dependent because of an impairment"),
    QL_TABLE("payments", "Child care expenses paid"),
    QL_COLUMN("payments.#.child", "Child's name"),
    QL_COLUMN("payments.#.payee_name", "Name of the child care organization or individual"),
    QL_COLUMN("payments.#.payee_sin", "Individual's social insurance number"),
    QL_COLUMN("payments.#.amount", "Amount paid"),
    QL_COLUMN("payments.#.weeks", "Number of weeks (boarding school or overnight camp)"),
    QL_LINE("total_expenses", nullptr, "Total child care expenses"),
    QL_SECTION("Information about your spouse or common-law partner"),
    QL_LINE("spouse_name", nullptr, "Name of your spouse or common-law partner"),
    QL_LINE("spouse_sin", nullptr, "Social insurance number of your spouse or common-law partner"),
    QL_LINE("spouse_income_not_applicable", nullptr, "I did not have a spouse or common-law partner"),
    QL_LINE("is_higher_net_income", nullptr, "I have the higher net income"),
    QL_LINE("spouse_net_income", nullptr, "Net income of your spouse or common-law partner"),

    QL_PAGE("Part B – Basic limit"),
    QL_SECTION("Part B – Basic limit for child care expenses"),
    QL_LINE("children_disabled_count", nullptr,
            "Number of eligible children for whom the disability amount can be claimed"),
    QL_LINE("children_under_7_count", nullptr, "Number of eligible children born in 2015 or later"),
    QL_LINE("children_7_to_16_count", nullptr, "Number of eligible children born in 2005 to 2014"),
    QL_LINE("basic_limit", nullptr, "Basic limit for child care expenses"),
    QL_LINE("claimed_by_others", nullptr, "Amounts claimed for the same children by other persons"),
    QL_LINE("earned_income", nullptr, "Earned income"),
    QL_LINE("other_earned_income", nullptr, "Other earned income not shown on your return"),
    QL_LINE("earned_income_limit", nullptr, "Two-thirds of your earned income"),
    QL_LINE("part_b_claim", nullptr, "Amount you can deduct (the least of the amounts above)"),

    QL_PAGE("Parts C and D"),
    QL_SECTION("Part C – Are you the person with the higher net income?"),
    QL_LINE("spouse_student_full_time_weeks", nullptr,
            "Weeks your spouse attended school full time"),
    QL_LINE("spouse_student_part_time_months", nullptr,
            "Months your spouse attended school part time"),
    QL_LINE("spouse_infirm_weeks", nullptr,
            "Weeks your spouse was not capable of caring for children"),
    QL_LINE("spouse_confined_weeks", nullptr,
            "Weeks your spouse was confined to a bed or wheelchair, or was a patient in a hospital"),
    QL_LINE("spouse_prison_weeks", nullptr, "Weeks your spouse was in prison or a similar institution"),
    QL_LINE("is_living_apart", nullptr,
            "You and your spouse were living separate and apart at the end of 2021 and for 90 days beginning in 2021"),
    QL_LINE("part_c_limit", nullptr, "Limit for the weeks and months above"),
    QL_LINE("part_c_claim", nullptr, "Amount you can deduct"),
    QL_SECTION("Part D – Did you attend school?"),
    QL_LINE("student_full_time_weeks", nullptr, "Weeks you attended school full time"),
    QL_LINE("student_part_time_months", nullptr, "Months you attended school part time"),
    QL_LINE("part_d_limit", nullptr, "Limit for the weeks and months above"),
    QL_LINE("part_d_claim", nullptr, "Amount you can deduct"),
    QL_LINE("deduction", "21400", "Child care expenses deduction"),
};

// ---- T929

constexpr LayoutRow kT929Rows[] = {
    QL_PAGE("T929"),
    QL_SECTION("Disability supports expenses"),
    QL_TABLE("expenses", "Expenses you paid in 2021"),
    QL_COLUMN("expenses.#.description", "Type of expense"),
    QL_COLUMN("expenses.#.payee", "Name of the payee"),
    QL_COLUMN("expenses.#.amount", "Amount paid"),
    QL_LINE("total_expenses", nullptr, "Total expenses"),
    QL_LINE("reimbursements", nullptr,
            "Reimbursements and other assistance you received and did not include in income"),
    QL_LINE("net_expenses", nullptr, "Net expenses"),
    QL_LINE("earned_income", nullptr, "Earned income"),
    QL_SECTION("If you attended school"),
    QL_LINE("attended_school", nullptr, "You attended a designated educational institution or a secondary school"),
    QL_LINE("student_weeks", nullptr, "Number of weeks you attended school"),
    QL_LINE("other_income", nullptr, "Net income other than earned income"),
    QL_LINE("student_limit", nullptr, "Limit for students"),
    QL_LINE("deduction", "21500", "Disability supports deduction"),
};

// ---- T1212

constexpr LayoutRow kT1212Rows[] = {
    QL_PAGE("T1212"),
    QL_SECTION("Deferred security options benefits"),
    QL_LINE("balance_start", nullptr, "Balance of deferred security option benefits at the end of 2020"),
    QL_TABLE("securities", "Securities"),
    QL_COLUMN("securities.#.description", "Description of the securities"),
    QL_COLUMN("securities.#.deferred_benefit", "Deferred benefit"),
    QL_COLUMN("securities.#.disposed_date", "Date of disposition"),
    QL_COLUMN("securities.#.benefit_included", "Benefit included in income in 2021"),
    QL_LINE("65210", "65210", "Deferred security option benefits to include in income for 2021"),
    QL_LINE("balance_end", nullptr, "Balance of deferred security option benefits at the end of 2021"),
    QL_SECTION("Special relief"),
    QL_LINE("special_relief_election", nullptr, "You made the election for special relief"),
    QL_LINE("special_relief_tax", nullptr, "Special relief tax"),
};

// ---- T2204

constexpr LayoutRow kT2204Rows[] = {
    QL_PAGE("T2204"),
    QL_SECTION("Residents of provinces or territories other than Quebec"),
    QL_LINE("insurable_earnings", nullptr, "Total insurable earnings"),
    QL_LINE("premiums_deducted", nullptr, "Total employee EI premiums deducted"),
    QL_LINE("premiums_payable", nullptr, "Employee EI premiums payable"),
    QL_LINE("overpayment", nullptr, "Employee EI overpayment"),
    QL_SECTION("Residents of Quebec"),
    QL_LINE("insurable_earnings_quebec", nullptr, "Total insurable earnings"),
    QL_LINE("premiums_deducted_quebec", nullptr, "Total employee EI premiums deducted"),
    QL_LINE("premiums_payable_quebec", nullptr, "Employee EI premiums payable"),
    QL_LINE("overpayment_quebec", nullptr, "Employee EI overpayment"),
    QL_LINE("total_overpayment", "45000", "Employee EI overpayment"),
};

// ---- GST370

constexpr LayoutRow kGST370Rows[] = {
    QL_PAGE("GST370"),
    QL_SECTION("Part A – Identification"),
    QL_LINE("employer_name", nullptr, "Name of employer or partnership"),
    QL_LINE("is_partner", nullptr, "You are a member of a partnership"),
    QL_LINE("partnership_business_number", nullptr, "Business number of the partnership"),
    QL_LINE("employer_is_registrant", nullptr, "Your employer or partnership is a GST/HST registrant"),
    QL_SECTION("Part C – Calculation of rebate: eligible expenses other than CCA"),
    QL_LINE("expenses_5", nullptr, "Expenses on which you paid 5% GST"),
    QL_LINE("expenses_13", nullptr, "Expenses on which you paid 13% HST"),
    QL_LINE("expenses_15", nullptr, "Expenses on which you paid 15% HST"),
    QL_SECTION("Eligible capital cost allowance (CCA)"),
    QL_LINE("cca_5", nullptr, "CCA on property on which you paid 5% GST"),
    QL_LINE("cca_13", nullptr, "CCA on property on which you paid 13% HST"),
    QL_LINE("cca_15", nullptr, "CCA on property on which you paid 15% HST"),
    QL_SECTION("Union, professional, or similar dues"),
    QL_LINE("dues_5", nullptr, "Dues on which you paid 5% GST"),
    QL_LINE("dues_13", nullptr, "Dues on which you paid 13% HST"),
    QL_LINE("dues_15", nullptr, "Dues on which you paid 15% HST"),
    QL_SECTION("Rebate"),
    QL_LINE("rebate_5", nullptr, "Rebate on expenses at 5%"),
    QL_LINE("rebate_13", nullptr, "Rebate on expenses at 13%"),
    QL_LINE("rebate_15", nullptr, "Rebate on expenses at 15%"),
    QL_LINE("rebate_cca_part", nullptr, "Part of the rebate that relates to CCA"),
    QL_LINE("rebate_other_part", nullptr, "Part of the rebate that relates to other expenses"),
    QL_LINE("rebate", "45700", "Employee and partner GST/HST rebate"),
};

// ---- T1206

constexpr LayoutRow kT1206Rows[] = {
    QL_PAGE("T1206"),
    QL_SECTION("Part 1 – Split income"),
    QL_LINE("68330", "68330", "Taxable amount of eligible dividends"),
    QL_LINE("68340", "68340", "Taxable amount of dividends other than eligible dividends"),
    QL_LINE("partnership_split_income", nullptr, "Income from a partnership"),
    QL_LINE("trust_split_income", nullptr, "Income from a trust"),
    QL_LINE("split_capital_gains", nullptr, "Taxable capital gains included in split income"),
    QL_LINE("other_split_income", nullptr, "Other split income"),
    QL_LINE("68360", "68360", "Split income (enter this amount on line 23200 of your return)"),
    QL_SECTION("Part 2 – Federal tax on split income"),
    QL_LINE("federal_tax", nullptr, "Split income × 33%"),
    QL_LINE("dividend_tax_credit", nullptr, "Federal dividend tax credit on the dividends included in split income"),
    QL_LINE("foreign_tax_credit", nullptr, "Federal foreign tax credit on split income"),
    QL_LINE("disability_credit", nullptr, "Disability amount for the split income"),
    QL_LINE("net_federal_tax", "40424", "Federal tax on split income"),
};

// ---- T626

constexpr LayoutRow kT626Rows[] = {
    QL_PAGE("T626"),
    QL_SECTION("Employment outside Canada"),
    QL_LINE("employer_name", nullptr, "Name of the employer"),
    QL_LINE("country", nullptr, "Country where the work was done"),
    QL_LINE("days_abroad", nullptr, "Number of days in the qualifying period"),
    QL_LINE("qualifying_income", nullptr, "Qualifying foreign employment income"),
    QL_SECTION("Credit"),
    QL_LINE("net_income", nullptr, "Net income"),
    QL_LINE("basic_federal_tax", nullptr, "Basic federal tax"),
    QL_LINE("credit", "42600", "Overseas employment tax credit"),
};

// ---- T691

constexpr LayoutRow kT691Rows[] = {
    QL_PAGE("Adjusted taxable income"),
    QL_SECTION("Part 1 – Adjusted taxable income"),
    QL_LINE("taxable_income", "26000", "Taxable income"),
    QL_LINE("67820", "67820", "Carrying charges and interest expenses"),
    QL_LINE("67830", "67830", "Deductions for rental and leasing property"),
    QL_LINE("67840", "67840", "Losses from limited partnerships and tax shelters"),
    QL_LINE("67860", "67860", "Resource deductions"),
    QL_LINE("67890", "67890", "Other adjustments"),
    QL_LINE("capital_gains_adjustment", nullptr, "Capital gains adjustment"),
    QL_LINE("stock_option_adjustment", nullptr, "Security options deductions adjustment"),
    QL_LINE("home_relocation_loan_adjustment", nullptr, "Home relocation loan deduction"),
    QL_LINE("loss_adjustment", nullptr, "Non-capital and net capital losses of other years"),
    QL_LINE("adjusted_taxable_income", nullptr, "Adjusted taxable income"),
    QL_LINE("exemption", nullptr, "Basic exemption"),
    QL_LINE("amt_base", nullptr, "Amount subject to minimum tax"),

    QL_PAGE("Minimum tax"),
    QL_SECTION("Part 2 – Federal minimum tax"),
    QL_LINE("gross_minimum_tax", nullptr, "Gross federal minimum tax (15%)"),
    QL_LINE("minimum_tax_credits", nullptr, "Non-refundable tax credits allowed"),
    QL_LINE("foreign_non_business_income", nullptr, "Foreign non-business income"),
    QL_LINE("foreign_tax_paid", nullptr, "Foreign non-business tax paid"),
    QL_LINE("special_foreign_tax_credit", nullptr, "Special foreign tax credit"),
    QL_LINE("minimum_tax", nullptr, "Net federal minimum tax"),
    QL_LINE("regular_tax", nullptr, "Regular federal tax"),
    QL_LINE("additional_tax", nullptr, "Additional taxes payable"),
    QL_SECTION("Part 3 – Minimum tax carryover"),
    QL_LINE("carryover_prior", nullptr, "Minimum tax carryover from 2014 to 2020"),
    QL_LINE("carryover_applied", "40427", "Minimum tax carryover applied"),
    QL_ACTION("Go to the T1219 (provincial minimum tax)", kGoToForm, kFormT1219),
    QL_HIDDEN("capital_gains_marker"),
    QL_HIDDEN("loss_marker"),
    QL_HIDDEN("ratio_marker"),
};

// ---- T2209 and T2036

constexpr LayoutRow kT2209Rows[] = {
    QL_PAGE("T2209 Federal"),
    QL_LINE("country", nullptr, "Name of the foreign country"),
    QL_SECTION("Part 1 – Federal foreign tax credit on non-business income"),
    QL_LINE("foreign_non_business_income", "43300", "Net foreign non-business income"),
    QL_LINE("foreign_non_business_tax_paid", "43100", "Non-business income tax paid to a foreign country"),
    QL_LINE("excess_over_15_percent", nullptr, "Tax paid above 15% of the income (deductible, not credited)"),
    QL_CHOICE("net_income_override", nullptr, "Net income used",
              "0=Net income of the return|1=The net income entered below"),
    QL_LINE("net_income", nullptr, "Net income"),
    QL_LINE("deductions", nullptr, "Deductions from net income"),
    QL_LINE("basic_federal_tax", "42900", "Basic federal tax"),
    QL_LINE("non_business_credit", nullptr, "Federal foreign tax credit on non-business income"),
    QL_SECTION("Part 2 – Federal foreign tax credit on business income"),
    QL_LINE("foreign_business_income", nullptr, "Net foreign business income"),
    QL_LINE("foreign_business_tax_paid", nullptr, "Business income tax paid to a foreign country"),
    QL_LINE("business_credit_carryforward", nullptr, "Unused foreign tax credits of other years"),
    QL_LINE("federal_tax_base", nullptr, "Basic federal tax less the non-business credit"),
    QL_LINE("business_credit", nullptr, "Federal foreign tax credit on business income"),
    QL_LINE("federal_credit", "40500", "Federal foreign tax credit"),

    QL_PAGE("T2036 Provincial"),
    QL_SECTION("T2036 – Provincial or territorial foreign tax credit"),
    QL_LINE("provincial_foreign_income", nullptr, "Net foreign non-business income"),
    QL_LINE("provincial_foreign_tax", nullptr, "Non-business income tax paid less the federal credit"),
    QL_LINE("provincial_net_income", nullptr, "Net income"),
    QL_LINE("provincial_tax_base", nullptr, "Provincial or territorial tax otherwise payable"),
    QL_LINE("provincial_credit", nullptr, "Provincial or territorial foreign tax credit"),
};

// ---- T2017

constexpr LayoutRow kT2017Rows[] = {
    QL_PAGE("T2017"),
    QL_SECTION("Reserves on dispositions of capital property"),
    QL_TABLE("reserves", "Properties"),
    QL_COLUMN("reserves.#.description", "Description of property"),
    QL_COLUMN("reserves.#.kind", "Kind (0 small business shares, 1 farm or fishing property, 2 other)"),
    QL_COLUMN("reserves.#.year", "Year of disposition"),
    QL_COLUMN("reserves.#.proceeds", "Proceeds of disposition"),
    QL_COLUMN("reserves.#.gain", "Capital gain"),
    QL_COLUMN("reserves.#.reserve_last_year", "Reserve at the end of last year"),
    QL_COLUMN("reserves.#.reserve_this_year", "Reserve for this year"),
    QL_SECTION("Summary of reserves"),
    QL_LINE("66843", "66843", "Qualified small business corporation shares"),
    QL_LINE("66844", "66844", "Qualified farm or fishing property"),
    QL_LINE("66850", "66850", "Other capital property"),
    QL_LINE("66883", "66883", "Gifts of non-qualifying securities"),
    QL_LINE("66905", "66905", "Other reserves"),
    QL_LINE("reserves_last_year_total", nullptr, "Total reserves of last year brought into income"),
    QL_LINE("reserves_this_year_total", nullptr, "Total reserves claimed for this year"),
    QL_ACTION("Go to Schedule 3", kGoToForm, kFormSchedule3),
};

// ---- T1A

constexpr LayoutRow kT1ARows[] = {
    QL_PAGE("Identification"),
    QL_SECTION("Identification"),
    QL_LINE("first_name", nullptr, "First name"),
    QL_LINE("last_name", nullptr, "Last name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("province", nullptr, "Province or territory"),
    QL_LINE("postal_code", nullptr, "Postal code"),

    QL_PAGE("Part 1 – Losses"),
    QL_SECTION("Non-capital loss for carryback"),
    QL_LINE("employment_income", nullptr, "Employment income"),
    QL_LINE("income_12100", "12100", "Investment income"),
    QL_LINE("loss_12100", nullptr, "Investment loss"),
    QL_LINE("income_12200", "12200", "Partnership income"),
    QL_LINE("loss_12200", nullptr, "Partnership loss"),
    QL_LINE("income_12600", "12600", "Rental income"),
    QL_LINE("loss_12600", nullptr, "Rental loss"),
    QL_LINE("income_12700", "12700", "Taxable capital gains"),
    QL_LINE("loss_12700", nullptr, "Capital loss"),
    QL_LINE("income_13500", "13500", "Business income"),
    QL_LINE("loss_13500", nullptr, "Business loss"),
    QL_LINE("income_13700", "13700", "Professional income"),
    QL_LINE("loss_13700", nullptr, "Professional loss"),
    QL_LINE("income_13900", "13900", "Commission income"),
    QL_LINE("loss_13900", nullptr, "Commission loss"),
    QL_LINE("income_14100", "14100", "Farming income"),
    QL_LINE("loss_14100", nullptr, "Farming loss"),
    QL_LINE("income_14300", "14300", "Fishing income"),
    QL_LINE("loss_14300", nullptr, "Fishing loss"),
    QL_LINE("other_income", nullptr, "Other income"),
    QL_LINE("deductions", nullptr, "Deductions"),
    QL_LINE("allowable_business_investment_loss", nullptr, "Allowable business investment loss"),
    QL_LINE("net_capital_losses_applied", nullptr, "Net capital losses of other years applied"),
    QL_LINE("non_capital_loss", nullptr, "Non-capital loss for the year"),
    QL_LINE("farm_loss", nullptr, "Farming or fishing loss"),
    QL_LINE("restricted_farm_loss", nullptr, "Restricted farm loss"),
    QL_LINE("listed_personal_property_loss", nullptr, "Listed personal property loss"),
    QL_LINE("net_capital_loss", nullptr, "Net capital loss for the year"),

    QL_PAGE("Part 2 – Carryback"),
    QL_SECTION("Non-capital loss to apply"),
    QL_LINE("non_capital_carryback_2018", nullptr, "To 2018"),
    QL_LINE("non_capital_carryback_2019", nullptr, "To 2019"),
    QL_LINE("non_capital_carryback_2020", nullptr, "To 2020"),
    QL_LINE("non_capital_balance", nullptr, "Balance of non-capital loss available for carryforward"),
    QL_SECTION("Net capital loss to apply"),
    QL_LINE("net_capital_carryback_2018", nullptr, "To 2018"),
    QL_LINE("net_capital_carryback_2019", nullptr, "To 2019"),
    QL_LINE("net_capital_carryback_2020", nullptr, "To 2020"),
    QL_LINE("net_capital_balance", nullptr, "Balance of net capital loss available for carryforward"),
    QL_SECTION("Farming or fishing loss to apply"),
    QL_LINE("farm_carryback_2018", nullptr, "To 2018"),
    QL_LINE("farm_carryback_2019", nullptr, "To 2019"),
    QL_LINE("farm_carryback_2020", nullptr, "To 2020"),
    QL_LINE("farm_balance", nullptr, "Balance of farming or fishing loss available for carryforward"),
    QL_SECTION("Restricted farm loss to apply"),
    QL_LINE("restricted_farm_carryback_2018", nullptr, "To 2018"),
    QL_LINE("restricted_farm_carryback_2019", nullptr, "To 2019"),
    QL_LINE("restricted_farm_carryback_2020", nullptr, "To 2020"),
    QL_SECTION("Listed personal property loss to apply"),
    QL_LINE("listed_property_carryback_2018", nullptr, "To 2018"),
    QL_LINE("listed_property_carryback_2019", nullptr, "To 2019"),
    QL_LINE("listed_property_carryback_2020", nullptr, "To 2020"),
};

// ---- T2222

constexpr LayoutRow kT2222Rows[] = {
    QL_PAGE("Step 2 – Residency deduction"),
    QL_SECTION("Zone A – Residents of prescribed northern zones"),
    QL_LINE("zone_a_days", nullptr, "Basic residency amount: number of days you lived in a prescribed northern zone in 2021"),
    QL_LINE("zone_a_additional_days", nullptr,
            "Additional residency amount: number of days you qualify for the additional residency amount in 2021"),
    QL_SECTION("Zone B – Residents of prescribed intermediate zones"),
    QL_LINE("zone_b_days", nullptr,
            "Basic residency amount: number of days you lived in a prescribed intermediate zone in 2021"),
    QL_LINE("zone_b_additional_days", nullptr,
            "Additional residency amount: number of days you qualify for the additional residency amount in 2021"),
    QL_SECTION("Residency deduction"),
    QL_LINE("board_lodging_benefits", nullptr,
            "Non-taxable benefits for board and lodging at a special work site"),
    QL_LINE("net_income", "23600", "Net income"),
    QL_LINE("residency_deduction", nullptr, "Residency deduction"),

    QL_PAGE("Step 3 – Travel deduction"),
    QL_SECTION("Step 3 – Calculate your travel deduction"),
    QL_TABLE("trips", "Trips"),
    QL_COLUMN("trips.#.traveller", "Name of the person who took the trip"),
    QL_COLUMN("trips.#.date", "Date of trip"),
    QL_COLUMN("trips.#.is_medical", "Trip to get medical services"),
    QL_COLUMN("trips.#.use_standard_amount", "Standard travel amount instead of the trip's costs"),
    QL_COLUMN("trips.#.cost", "Total travel expenses for the trip"),
    QL_COLUMN("trips.#.lowest_airfare", "Lowest return airfare"),
    QL_COLUMN("trips.#.employer_benefit", "Travel benefits received from your employer for the trip"),
    QL_COLUMN("trips.#.claim", "Amount you can claim"),
    QL_LINE("travel_deduction", nullptr, "Travel deduction"),
    QL_LINE("total_deduction", "25500", "Northern residents deductions"),
};

// ---- T1DD

constexpr LayoutRow kT1DDRows[] = {
    QL_PAGE("T1DD(1)"),
    QL_SECTION("Identification"),
    QL_LINE("first_name", nullptr, "First name"),
    QL_LINE("last_name", nullptr, "Last name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("phone", nullptr, "Telephone number"),
    QL_SECTION("Account information"),
    QL_LINE("branch_number", nullptr, "Branch number"),
    QL_LINE("institution_number", nullptr, "Institution number"),
    QL_LINE("account_number", nullptr, "Account number"),
};

// ---- T5004

constexpr LayoutRow kT5004Rows[] = {
    QL_PAGE("T5004"),
    QL_LINE("taxpayer_name", nullptr, "Name of taxpayer"),
    QL_TABLE("shelters", "Tax shelters"),
    QL_COLUMN("shelters.#.tax_shelter_id", "Tax shelter identification number"),
    QL_COLUMN("shelters.#.name", "Name of the tax shelter"),
    QL_COLUMN("shelters.#.line", "Line number of the return"),
    QL_COLUMN("shelters.#.amount", "Amount of loss or deduction claimed"),
    QL_LINE("67650", "67650", "Total loss or deduction claimed"),
};

// ---- CPT20

constexpr LayoutRow kCPT20Rows[] = {
    QL_PAGE("CPT20"),
    QL_SECTION("Part 1 – Election"),
    QL_LINE("election_date", nullptr, "Date the election begins"),
    QL_LINE("revocation_date", nullptr, "Date the election is revoked"),
    QL_TABLE("employers", "Employers"),
    QL_COLUMN("employers.#.name", "Employer's name"),
    QL_COLUMN("employers.#.account_number", "Employer's payroll account number"),
    QL_COLUMN("employers.#.pensionable_earnings", "Pensionable earnings"),
    QL_LINE("elected_earnings", nullptr, "Employment earnings you elect to contribute on"),
    QL_SECTION("Part 2 – T4 slips"),
    QL_TABLE("t4_slips", "T4 slips"),
    QL_COLUMN("t4_slips.#.slip_number", "Slip"),
    QL_COLUMN("t4_slips.#.pensionable_earnings", "Pensionable earnings (box 26 or 14)"),
    QL_COLUMN("t4_slips.#.cpp_contributions", "CPP contributions (box 16)"),
    QL_COLUMN("t4_slips.#.qpp_contributions", "QPP contributions (box 17)"),
};

// ---- T1219

constexpr LayoutRow kT1219Rows[] = {
    QL_PAGE("T1219"),
    QL_PROVINCES("province", nullptr, "Province or territory of residence on December 31, 2021"),
    QL_SECTION("Provincial or territorial minimum tax"),
    QL_LINE("adjusted_taxable_income", nullptr, "Adjusted taxable income"),
    QL_LINE("provincial_minimum_tax", nullptr, "Provincial or territorial minimum tax"),
    QL_LINE("provincial_regular_tax", nullptr, "Provincial or territorial tax otherwise payable"),
    QL_LINE("additional_tax", nullptr, "Additional provincial or territorial tax payable"),
    QL_SECTION("Minimum tax carryover"),
    QL_LINE("carryover_prior", nullptr, "Provincial or territorial minimum tax carryover from earlier years"),
    QL_LINE("carryover_applied", nullptr, "Provincial or territorial minimum tax carryover applied"),
};

// ---- T1153

constexpr LayoutRow kT1153Rows[] = {
    QL_PAGE("T1153"),
    QL_SECTION("Taxpayer"),
    QL_LINE("taxpayer_name", nullptr, "Name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("birth_date", nullptr, "Date of birth"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("province", nullptr, "Province or territory"),
    QL_LINE("postal_code", nullptr, "Postal code"),
    QL_SECTION("Preparer or discounter"),
    QL_ACTION("Copy the preparer's information", kCopyPreparer, 0),
    QL_LINE("preparer_name", nullptr, "Name of preparer or discounter"),
    QL_LINE("discounter_code", nullptr, "Discounter code"),
    QL_LINE("efile_number", nullptr, "EFILE number"),
    QL_LINE("preparer_address", nullptr, "Address"),
    QL_LINE("preparer_city", nullptr, "City"),
    QL_LINE("preparer_province", nullptr, "Province or territory"),
    QL_LINE("preparer_postal_code", nullptr, "Postal code"),
    QL_LINE("preparer_phone", nullptr, "Telephone number"),
};

// ---- T1-M

constexpr LayoutRow kT1MRows[] = {
    QL_PAGE("Parts 2 and 3 – The move"),
    QL_SECTION("Part 2 – Calculation of distance in kilometres"),
    QL_LINE("distance_old_home", "1",
            "Distance in kilometres between your old home and your new work location or educational institution"),
    QL_LINE("distance_new_home", "2",
            "Distance in kilometres between your new home and your new work location or educational institution"),
    QL_SECTION("Part 3 – Details of the move"),
    QL_LINE("move_date", nullptr, "Date of move"),
    QL_LINE("new_work_start", nullptr,
            "Date you started to work, run a business or study full time at a new location"),
    QL_CHOICE("reason", nullptr, "Main reason for the move",
              "0=To work|1=To run a business|2=To study full time"),
    QL_SECTION("Address of your old home"),
    QL_LINE("old_address", nullptr, "Street address"),
    QL_LINE("old_city", nullptr, "City"),
    QL_LINE("old_province", nullptr, "Province or territory"),
    QL_LINE("old_postal_code", nullptr, "Postal code"),
    QL_SECTION("Address of your new home"),
    QL_LINE("new_address", nullptr, "Street address"),
    QL_LINE("new_city", nullptr, "City"),
    QL_LINE("new_province", nullptr, "Province or territory"),
    QL_LINE("new_postal_code", nullptr, "Postal code"),
    QL_SECTION("Information about your employer, business, or educational institution after the move"),
    QL_LINE("new_employer_name", nullptr, "Name"),
    QL_LINE("new_work_address", nullptr, "Address"),

    QL_PAGE("Part 4 – Allowable moving expenses"),
    QL_SECTION("Part 4 – Allowable moving expenses"),
    QL_LINE("transportation_storage", "4", "Transportation and storage costs for household items"),
    QL_SECTION("Travel expenses (from old home to new home)"),
    QL_CHOICE("travel_method", nullptr, "Method for vehicle and meal expenses",
              "0=Simplified method|1=Detailed method"),
    QL_LINE("travel_people", nullptr, "Number of household members in the move"),
    QL_LINE("travel_km", nullptr, "Number of kilometres"),
    QL_LINE("travel_vehicle_costs", nullptr, "Vehicle expenses (detailed method)"),
    QL_LINE("travel_meal_days", nullptr, "Number of days"),
    QL_LINE("travel_meals", nullptr, "Meals (detailed method)"),
    QL_LINE("travel_lodging", nullptr, "Accommodation"),
    QL_LINE("travel_expenses", "5", "Travel expenses"),
    QL_SECTION("Other moving expenses"),
    QL_LINE("temporary_living", nullptr, "Temporary living expenses near the new or old home (maximum 15 days)"),
    QL_LINE("lease_cancellation", nullptr, "Cost of cancelling the lease for your old home"),
    QL_LINE("incidental_costs", nullptr, "Incidental costs related to the move (changing addresses, utilities)"),
    QL_LINE("vacant_home_costs", nullptr, "Cost of maintaining your old home when vacant (maximum $5,000)"),
    QL_LINE("selling_costs", nullptr, "Cost of selling your old home"),
    QL_LINE("purchase_costs", nullptr, "Cost of buying the new home (legal fees and land transfer taxes)"),
    QL_LINE("total_expenses", nullptr, "Total moving expenses"),
    QL_LINE("reimbursements", nullptr, "Reimbursements and allowances not included in income"),
    QL_LINE("net_expenses", nullptr, "Net moving expenses"),
    QL_SECTION("Allowable amount"),
    QL_LINE("carried_forward_prior", nullptr, "Moving expenses carried forward from 2020"),
    QL_LINE("eligible_income", nullptr, "Net eligible income earned at the new location"),
    QL_LINE("deduction", "21900", "Allowable moving expenses deduction"),
    QL_LINE("carried_forward_to_next_year", nullptr, "Moving expenses to carry forward to 2022"),
};

// ---- T1223

constexpr LayoutRow kT1223Rows[] = {
    QL_PAGE("Part A – Employer's certification"),
    QL_SECTION("Part A – Employer's certification"),
    QL_LINE("employer_name", nullptr, "Name of employer"),
    QL_LINE("employer_address", nullptr, "Address of employer"),
    QL_LINE("is_clergy", nullptr,
            "The employee is a member of the clergy or of a religious order, or a regular minister of a religious denomination"),
    QL_LINE("is_in_charge", nullptr,
            "The employee is in charge of, or ministering to, a diocese, parish or congregation"),
    QL_LINE("certifier_name", nullptr, "Name of the authorized person"),
    QL_LINE("certifier_title", nullptr, "Position or title"),
    QL_LINE("certification_date", nullptr, "Date"),

    QL_PAGE("Part B – Deduction"),
    QL_SECTION("Residence provided by the employer"),
    QL_LINE("residence_provided", nullptr, "Your employer provided your residence"),
    QL_LINE("fair_rental_value", nullptr, "Fair rental value of the residence, including utilities"),
    QL_SECTION("Residence you rented or owned"),
    QL_LINE("housing_allowance", nullptr, "Housing allowance included in employment income"),
    QL_LINE("rent_paid", nullptr, "Rent paid"),
    QL_LINE("utilities_paid", nullptr, "Utilities paid"),
    QL_LINE("remuneration", nullptr, "Remuneration from your office or employment"),
    QL_LINE("remuneration_limit", nullptr, "One-third of your remuneration (or 10%, if greater)"),
    QL_LINE("deduction", "23100", "Clergy residence deduction"),
};

// ---- T1229

constexpr LayoutRow kT1229Rows[] = {
    QL_PAGE("Part I – Resource expenses"),
    QL_TABLE("resources", "Resource expenses and deductions"),
    QL_COLUMN("resources.#.name", "Name of the partnership or operator"),
    QL_COLUMN("resources.#.tax_shelter_id", "Tax shelter identification number"),
    QL_COLUMN("resources.#.exploration", "Canadian exploration expenses"),
    QL_COLUMN("resources.#.development", "Canadian development expenses"),
    QL_COLUMN("resources.#.oil_gas_property", "Canadian oil and gas property expenses"),
    QL_COLUMN("resources.#.foreign", "Foreign exploration and development expenses"),
    QL_COLUMN("resources.#.depletion", "Depletion allowance"),
    QL_COLUMN("resources.#.itc_expenditures", "Expenditures eligible for the investment tax credit"),

    QL_PAGE("Part II – Deductions"),
    QL_SECTION("Balances at the end of 2020"),
    QL_LINE("exploration_pool_start", nullptr, "Cumulative Canadian exploration expenses"),
    QL_LINE("development_pool_start", nullptr, "Cumulative Canadian development expenses"),
    QL_LINE("oil_gas_pool_start", nullptr, "Cumulative Canadian oil and gas property expenses"),
    QL_LINE("foreign_pool_start", nullptr, "Foreign exploration and development expenses"),
    QL_SECTION("Deductions claimed"),
    QL_LINE("exploration_claim", nullptr, "Canadian exploration expenses"),
    QL_LINE("development_claim", nullptr, "Canadian development expenses"),
    QL_LINE("oil_gas_claim", nullptr, "Canadian oil and gas property expenses"),
    QL_LINE("foreign_claim", nullptr, "Foreign exploration and development expenses"),
    QL_LINE("depletion_claim", nullptr, "Depletion allowance"),
    QL_LINE("total_deduction", "22400", "Exploration and development expenses"),
};

// ---- T1170

constexpr LayoutRow kT1170Rows[] = {
    QL_PAGE("T1170"),
    QL_TABLE("gifts", "Gifts of capital property"),
    QL_COLUMN("gifts.#.description", "Description of the property"),
    QL_COLUMN("gifts.#.kind", "Kind (0 listed securities, 1 ecologically sensitive land, 2 other)"),
    QL_COLUMN("gifts.#.date", "Date of donation"),
    QL_COLUMN("gifts.#.proceeds", "Proceeds of disposition (fair market value)"),
    QL_COLUMN("gifts.#.adjusted_cost_base", "Adjusted cost base"),
    QL_COLUMN("gifts.#.outlays", "Outlays and expenses"),
    QL_COLUMN("gifts.#.advantage", "Amount of the advantage"),
    QL_COLUMN("gifts.#.gain", "Capital gain"),
    QL_COLUMN("gifts.#.eligible_gain", "Capital gain eligible for the zero inclusion rate"),
    QL_LINE("total_gain", nullptr, "Total capital gains"),
    QL_LINE("total_eligible_gain", nullptr, "Total capital gains eligible for the zero inclusion rate"),
    QL_ACTION("Go to Schedule 3", kGoToForm, kFormSchedule3),
};

// ---- T1032

constexpr LayoutRow kT1032Rows[] = {
    QL_PAGE("Identification"),
    QL_SECTION("Information about the transferring spouse or common-law partner"),
    QL_LINE("transferor_first_name", nullptr, "First name"),
    QL_LINE("transferor_last_name", nullptr, "Last name"),
    QL_LINE("transferor_sin", nullptr, "Social insurance number"),
    QL_LINE("transferor_address", nullptr, "Address"),
    QL_LINE("transferor_phone", nullptr, "Telephone number"),
    QL_LINE("transferor_age", nullptr, "Age on December 31, 2021"),
    QL_SECTION("Information about the receiving spouse or common-law partner"),
    QL_LINE("transferee_first_name", nullptr, "First name"),
    QL_LINE("transferee_last_name", nullptr, "Last name"),
    QL_LINE("transferee_sin", nullptr, "Social insurance number"),
    QL_LINE("transferee_address", nullptr, "Address"),
    QL_LINE("transferee_phone", nullptr, "Telephone number"),
    QL_LINE("transferee_age", nullptr, "Age on December 31, 2021"),
    QL_SECTION("Joint election"),
    QL_LINE("is_transferor", nullptr, "I am the transferring spouse or common-law partner"),
    QL_LINE("is_elected", nullptr, "We jointly elect to split the eligible pension income for 2021"),

    QL_PAGE("Split-pension amount"),
    QL_SECTION("Step 1 – Calculate the eligible pension income"),
    QL_LINE("eligible_pension_11500", "11500", "Eligible pension income included on line 11500"),
    QL_LINE("eligible_pension_12900", "12900", "Annuity and RRIF payments included on line 12900"),
    QL_LINE("68026", "68026", "Eligible amounts included on line 13000"),
    QL_LINE("eligible_pension_foreign", nullptr, "Foreign pension amounts that are not eligible"),
    QL_LINE("eligible_pension", nullptr, "Eligible pension income"),
    QL_SECTION("Step 2 – Calculate the maximum split-pension amount"),
    QL_LINE("max_split", nullptr, "Maximum split-pension amount (50% of the eligible pension income)"),
    QL_SECTION("Step 3 – Calculate the elected split-pension amount"),
    QL_LINE("percent_split", nullptr, "Percentage of the eligible pension income to split"),
    QL_LINE("split_amount", "22", "Elected split-pension amount"),
    QL_SECTION("Step 4 – Determine the adjustment to pension income amount"),
    QL_LINE("pension_amount", nullptr, "Pension income amount"),
    QL_SECTION("Step 5 – Allocate the income tax deducted at source"),
    QL_LINE("68040", "68040", "Income tax deducted from the eligible pension income"),
    QL_LINE("68050", "68050", "Income tax deducted that relates to the elected split-pension amount"),
};

// ---- RC267, RC268 and RC269: the same lines under their own titles.

#define QL_FOREIGN_PLAN_ROWS(title)                                                              \
    QL_PAGE(title),                                                                              \
    QL_SECTION("Plan and employment"),                                                           \
    QL_LINE("plan_name", nullptr, "Name of the plan"),                                           \
    QL_LINE("employer_name", nullptr, "Name of the employer"),                                   \
    QL_LINE("country", nullptr, "Country"),                                                      \
    QL_LINE("was_resident_before", nullptr, "You were a resident of Canada before the employment began"), \
    QL_LINE("employment_start", nullptr, "Date the employment began"),                          \
    QL_SECTION("Contributions"),                                                                 \
    QL_LINE("contributions", nullptr, "Contributions made to the plan in 2021"),                \
    QL_LINE("foreign_compensation", nullptr, "Compensation for the services rendered"),         \
    QL_LINE("pension_adjustment", nullptr, "Pension adjustment"),                                \
    QL_LINE("deduction_limit", nullptr, "Deduction limit"),                                      \
    QL_LINE("deduction", "20700", "Deduction for contributions")

constexpr LayoutRow kRC267Rows[] = {QL_FOREIGN_PLAN_ROWS("RC267")};
constexpr LayoutRow kRC268Rows[] = {QL_FOREIGN_PLAN_ROWS("RC268")};
constexpr LayoutRow kRC269Rows[] = {QL_FOREIGN_PLAN_ROWS("RC269")};

#undef QL_FOREIGN_PLAN_ROWS

// ---- RC359

constexpr LayoutRow kRC359Rows[] = {
    QL_PAGE("RC359"),
    QL_LINE("employer_name", nullptr, "Name of employer"),
    QL_LINE("excess_amount", nullptr, "Excess employees profit-sharing plan amount"),
    QL_LINE("federal_tax", nullptr, "Federal tax on excess EPSP amounts"),
    QL_LINE("provincial_tax", nullptr, "Provincial or territorial tax on excess EPSP amounts"),
    QL_LINE("total_tax", nullptr, "Total tax on excess EPSP amounts"),
    QL_LINE("deduction", "22900", "Deduction for the excess EPSP amount"),
};

// ---- RC381

constexpr LayoutRow kRC381Rows[] = {
    QL_PAGE("RC381"),
    QL_SECTION("Part 1 – Pensionable earnings and contributions"),
    QL_LINE("cpp_pensionable_earnings", nullptr, "CPP pensionable earnings"),
    QL_LINE("qpp_pensionable_earnings", nullptr, "QPP pensionable earnings"),
    QL_LINE("cpp_contributions_deducted", nullptr, "CPP contributions deducted"),
    QL_LINE("qpp_contributions_deducted", nullptr, "QPP contributions deducted"),
    QL_LINE("self_employment_earnings", nullptr, "Self-employment earnings"),
    QL_SECTION("Election"),
    QL_LINE("is_elected", nullptr, "You elect to pay additional CPP contributions"),
    QL_LINE("election_status", nullptr, "Election status"),
    QL_LINE("elected_amount", nullptr, "Earnings you elect to contribute on"),
    QL_LINE("contribution_months", nullptr, "Number of months contributions are required"),
    QL_SECTION("Part 2 – Contributions and overpayment"),
    QL_LINE("contributions_required", nullptr, "Contributions required"),
    QL_LINE("base_contributions", nullptr, "Base contributions"),
    QL_LINE("enhanced_contributions", nullptr, "First additional contributions"),
    QL_LINE("under_deduction", nullptr, "Contributions payable"),
    QL_LINE("overpayment", "44800", "CPP overpayment"),
};

// ---- RC383

constexpr LayoutRow kRC383Rows[] = {
    QL_PAGE("RC383"),
    QL_SECTION("Tax-exempt employment income"),
    QL_TABLE("employers", "Employers"),
    QL_COLUMN("employers.#.name", "Employer's name"),
    QL_COLUMN("employers.#.exempt_income", "Tax-exempt employment income"),
    QL_COLUMN("employers.#.is_elected", "Elect to contribute"),
    QL_LINE("58750", "58750", "Exempt employment income you elect to contribute on"),
    QL_SECTION("Tax-exempt self-employment income"),
    QL_LINE("58810", "58810", "Exempt self-employment income you elect to contribute on"),
    QL_LINE("contributions", nullptr, "CPP contributions payable"),
};

// ---- T2203

constexpr LayoutRow kT2203Rows[] = {
    QL_PAGE("T2203"),
    QL_SECTION("Part 1 – Allocation of income to jurisdictions"),
    QL_TABLE("provinces", "Jurisdictions"),
    QL_CHOICE_COLUMN("provinces.#.province", "Jurisdiction (none: outside Canada)", "@provinces"),
    QL_COLUMN("provinces.#.gross_revenue", "Gross revenue"),
    QL_COLUMN("provinces.#.salaries_wages", "Salaries and wages"),
    QL_COLUMN("provinces.#.business_income", "Business income allocated"),
    QL_COLUMN("provinces.#.percent", "Percentage"),
    QL_COLUMN("provinces.#.taxable_income", "Taxable income allocated"),
    QL_COLUMN("provinces.#.tax", "Provincial or territorial tax"),
    QL_LINE("net_income", "23600", "Net income"),
    QL_LINE("total_business_income", nullptr, "Total business income allocated"),
    QL_LINE("taxable_income", "26000", "Taxable income"),
    QL_LINE("basic_federal_tax", nullptr, "Basic federal tax"),
    QL_LINE("total_provincial_tax", "42800", "Total provincial and territorial tax"),
};

// ---- T90

constexpr LayoutRow kT90Rows[] = {
    QL_PAGE("T90"),
    QL_SECTION("Income exempt from tax under the Indian Act"),
    QL_LINE("10000", "10000", "Exempt employment income"),
    QL_LINE("10026", "10026", "Exempt employment income reported on T4 slips"),
    QL_LINE("exempt_pension_income", nullptr, "Exempt pension income"),
    QL_LINE("exempt_ei_benefits", nullptr, "Exempt employment insurance benefits"),
    QL_LINE("exempt_investment_income", nullptr, "Exempt investment income"),
    QL_LINE("exempt_business_income", nullptr, "Exempt self-employment income"),
    QL_LINE("exempt_other_income", nullptr, "Other exempt income"),
    QL_LINE("exempt_other_description", nullptr, "Description of other exempt income"),
    QL_LINE("total_exempt_income", nullptr, "Total exempt income"),
    QL_SECTION("Amounts from your slips"),
    QL_CHOICE("indian_act_exempt", nullptr, "Slips report income exempt under the Indian Act", "0=No|1=Yes"),
    QL_LINE("slip_exempt_employment", nullptr, "Exempt employment income (T4 box 71)"),
    QL_LINE("slip_exempt_other", nullptr, "Other exempt income (T4 boxes 68, 69 and 88)"),
};

// ---- T224 and T225

constexpr LayoutRow kT224Rows[] = {
    QL_PAGE("T224"),
    QL_LINE("age", nullptr, "Age at the end of the year"),
    QL_LINE("income", nullptr, "Income"),
    QL_LINE("amount", nullptr, "Amount"),
};

constexpr LayoutRow kT225Rows[] = {
    QL_PAGE("T225"),
    QL_LINE("age", nullptr, "Age at the end of the year"),
    QL_LINE("income", nullptr, "Income"),
    QL_LINE("amount", nullptr, "Amount"),
};

} // namespace

const LayoutTable kT778Layout = layoutTable(kT778Rows);
const LayoutTable kT929Layout = layoutTable(kT929Rows);
const LayoutTable kT1212Layout = layoutTable(kT1212Rows);
const LayoutTable kT2204Layout = layoutTable(kT2204Rows);
const LayoutTable kGST370Layout = layoutTable(kGST370Rows);
const LayoutTable kT1206Layout = layoutTable(kT1206Rows);
const LayoutTable kT626Layout = layoutTable(kT626Rows);
const LayoutTable kT691Layout = layoutTable(kT691Rows);
const LayoutTable kT2209Layout = layoutTable(kT2209Rows);
const LayoutTable kT2017Layout = layoutTable(kT2017Rows);
const LayoutTable kT1ALayout = layoutTable(kT1ARows);
const LayoutTable kT2222Layout = layoutTable(kT2222Rows);
const LayoutTable kT1DDLayout = layoutTable(kT1DDRows);
const LayoutTable kT5004Layout = layoutTable(kT5004Rows);
const LayoutTable kCPT20Layout = layoutTable(kCPT20Rows);
const LayoutTable kT1219Layout = layoutTable(kT1219Rows);
const LayoutTable kT1153Layout = layoutTable(kT1153Rows);
const LayoutTable kT1MLayout = layoutTable(kT1MRows);
const LayoutTable kT1223Layout = layoutTable(kT1223Rows);
const LayoutTable kT1229Layout = layoutTable(kT1229Rows);
const LayoutTable kT1170Layout = layoutTable(kT1170Rows);
const LayoutTable kT1032Layout = layoutTable(kT1032Rows);
const LayoutTable kRC267Layout = layoutTable(kRC267Rows);
const LayoutTable kRC268Layout = layoutTable(kRC268Rows);
const LayoutTable kRC269Layout = layoutTable(kRC269Rows);
const LayoutTable kRC359Layout = layoutTable(kRC359Rows);
const LayoutTable kRC381Layout = layoutTable(kRC381Rows);
const LayoutTable kRC383Layout = layoutTable(kRC383Rows);
const LayoutTable kT2203Layout = layoutTable(kT2203Rows);
const LayoutTable kT90Layout = layoutTable(kT90Rows);
const LayoutTable kT224Layout = layoutTable(kT224Rows);
const LayoutTable kT225Layout = layoutTable(kT225Rows);
