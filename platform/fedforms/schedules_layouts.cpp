#include "schedules_layouts.h"

// Form types the schedules send the user to.
namespace {

constexpr int kFormT2017 = 37;
constexpr int kFormT2091 = 147;
constexpr int kFormCPT20 = 57;

constexpr const char* kMonths =
    "0=None|1=January|2=February|3=March|4=April|5=May|6=June|7=July|8=August|9=September|10=October|"
    "11=November|12=December";

// ---- Schedule 1 before 2019
const LayoutRow kSch1OldRows[] = {
    QL_PAGE("Schedule 1 (before 2019)"),
    QL_SECTION("Step 1 – Federal non-refundable tax credits"),
    QL_LINE("30000", "30000", "Basic personal amount"),
    QL_LINE("30100", "30100", "Age amount"),
    QL_LINE("30300", "30300", "Spouse or common-law partner amount"),
    QL_LINE("30400", "30400", "Amount for an eligible dependant"),
    QL_LINE("30800", "30800", "CPP or QPP contributions through employment"),
    QL_LINE("31200", "31200", "Employment insurance premiums through employment"),
    QL_LINE("31260", "31260", "Canada employment amount"),
    QL_LINE("31400", "31400", "Pension income amount"),
    QL_LINE("32300", "32300", "Your tuition, education, and textbook amounts"),
    QL_LINE("32600", "32600", "Amounts transferred from your spouse or common-law partner"),
    QL_LINE("33200", "33200", "Allowable amount of medical expenses"),
    QL_LINE("33500", "33500", "Add lines 30000 to 33200"),
    QL_LINE("33800", "33800", "Multiply the amount on line 33500 by 15%"),
    QL_LINE("34900", "34900", "Donations and gifts"),
    QL_LINE("35000", "35000", "Total federal non-refundable tax credits"),
    QL_SECTION("Step 2 – Federal tax on taxable income"),
    QL_LINE("40400", "40400", "Federal tax on taxable income"),
    QL_SECTION("Step 3 – Net federal tax"),
    QL_LINE("40424", "40424", "Federal tax on split income"),
    QL_LINE("40425", "40425", "Federal dividend tax credit"),
    QL_LINE("40427", "40427", "Minimum tax carryover"),
    QL_LINE("42900", "42900", "Basic federal tax"),
    QL_LINE("40500", "40500", "Federal foreign tax credit"),
    QL_LINE("40600", "40600", "Federal tax"),
    QL_LINE("41000", "41000", "Federal political contribution tax credit"),
    QL_LINE("41700", "41700", "Federal tax minus credits"),
    QL_LINE("42000", "42000", "Net federal tax"),
};

// ---- Schedule 2
const LayoutRow kSch2Rows[] = {
    QL_PAGE("Schedule 2"),
    QL_SECTION("Amounts transferred from your spouse or common-law partner"),
    QL_LINE("35200", "35200", "Age amount (line 30100 of your spouse's or common-law partner's return)"),
    QL_LINE("35300", "35300", "Canada caregiver amount for infirm children under 18 years of age"),
    QL_LINE("35500", "35500", "Pension income amount"),
    QL_LINE("35700", "35700", "Disability amount"),
    QL_LINE("36000", "36000", "Tuition amount designated to you"),
    QL_LINE("transferable_total", nullptr, "Add lines 35200 to 36000"),
    QL_SECTION("Spouse's or common-law partner's adjusted taxable income"),
    QL_LINE("spouse_taxable_income", nullptr, "Spouse's or common-law partner's taxable income (line 26000 of their return)"),
    QL_LINE("spouse_credits_used", nullptr, "Spouse's or common-law partner's non-refundable tax credits used first"),
    QL_LINE("35100", "35100", "Spouse's or common-law partner's adjusted taxable income"),
    QL_LINE("32600", "32600", "Amounts transferred from your spouse or common-law partner"),
};

// ---- Schedule 3
#define SCH3_COLUMNS(group, what)                                                             \
    QL_COLUMN(group ".#.year_of_acquisition", "Year of acquisition"),                        \
        QL_COLUMN(group ".#.proceeds", "Proceeds of disposition"),                           \
        QL_COLUMN(group ".#.adjusted_cost_base", "Adjusted cost base"),                      \
        QL_COLUMN(group ".#.outlays", "Outlays and expenses (from dispositions)"),            \
        QL_COLUMN(group ".#.gain", what)

const LayoutRow kSch3Rows[] = {
    QL_PAGE("Sections 1 to 3"),
    QL_SECTION("1. Qualified small business corporation shares"),
    QL_TABLE("qsbc_shares", "Qualified small business corporation shares"),
    QL_COUNT_COLUMN("qsbc_shares.#.number", "Number of shares"),
    QL_COLUMN("qsbc_shares.#.description", "Name of corporation and class of shares"),
    SCH3_COLUMNS("qsbc_shares", "Gain (or loss)"),
    QL_LINE("10699", "10699", "Total proceeds"),
    QL_LINE("10700", "10700", "Gain (or loss)"),
    QL_SECTION("2. Qualified farm property and qualified fishing property"),
    QL_TABLE("farm_fishing", "Qualified farm property and qualified fishing property"),
    QL_COLUMN("farm_fishing.#.description", "Address or legal description"),
    QL_COLUMN("farm_fishing.#.province", "Province"),
    SCH3_COLUMNS("farm_fishing", "Gain (or loss)"),
    QL_LINE("10999", "10999", "Total proceeds"),
    QL_LINE("11000", "11000", "Gain (or loss)"),
    QL_TABLE("farm_fishing_foreclosures", "Mortgage foreclosures and conditional sales repossessions"),
    QL_COLUMN("farm_fishing_foreclosures.#.description", "Address or legal description"),
    QL_COLUMN("farm_fishing_foreclosures.#.province", "Province"),
    SCH3_COLUMNS("farm_fishing_foreclosures", "Gain (or loss)"),
    QL_LINE("12399", "12399", "Total proceeds"),
    QL_LINE("12400", "12400", "Gain (or loss)"),
    QL_SECTION("3. Publicly traded shares, mutual fund units, deferral of eligible small business corporation "
               "shares, and other shares"),
    QL_TABLE("shares", "Publicly traded shares, mutual fund units, and other shares"),
    QL_COUNT_COLUMN("shares.#.number", "Number of shares or units"),
    QL_COLUMN("shares.#.description", "Name of fund, corporation, and class of shares"),
    SCH3_COLUMNS("shares", "Gain (or loss)"),
    QL_LINE("13199", "13199", "Total proceeds"),
    QL_LINE("13200", "13200", "Gain (or loss)"),
    QL_LINE("16100", "16100", "Capital gains deferral from eligible small business corporation shares"),

    QL_PAGE("Sections 4 to 8"),
    QL_SECTION("4. Real estate, depreciable property, and other properties"),
    QL_TABLE("real_estate", "Real estate, depreciable property, and other properties"),
    QL_COLUMN("real_estate.#.description", "Address or legal description"),
    QL_COLUMN("real_estate.#.province", "Province"),
    SCH3_COLUMNS("real_estate", "Gain (or loss)"),
    QL_LINE("principal_residence_gain", nullptr,
            "Gain on the disposition of a principal residence (Form T2091(IND) or T1255)"),
    QL_LINE("13599", "13599", "Total proceeds"),
    QL_LINE("13800", "13800", "Gain (or loss)"),
    QL_SECTION("5. Bonds, debentures, promissory notes, and other similar properties"),
    QL_TABLE("bonds", "Bonds, debentures, promissory notes, and other similar properties"),
    QL_COLUMN("bonds.#.face_value", "Face value"),
    QL_COLUMN("bonds.#.maturity_date", "Maturity date"),
    QL_COLUMN("bonds.#.description", "Name of issuer"),
    SCH3_COLUMNS("bonds", "Gain (or loss)"),
    QL_LINE("15199", "15199", "Total proceeds"),
    QL_LINE("15300", "15300", "Gain (or loss)"),
    QL_SECTION("6. Other mortgage foreclosures and conditional sales repossessions"),
    QL_TABLE("other_foreclosures", "Other mortgage foreclosures and conditional sales repossessions"),
    QL_COLUMN("other_foreclosures.#.description", "Address or legal description"),
    QL_COLUMN("other_foreclosures.#.province", "Province"),
    SCH3_COLUMNS("other_foreclosures", "Gain (or loss)"),
    QL_LINE("15499", "15499", "Total proceeds"),
    QL_LINE("15500", "15500", "Gain (or loss)"),
    QL_SECTION("7. Personal-use property (full description)"),
    QL_TABLE("personal_use", "Personal-use property"),
    QL_COLUMN("personal_use.#.description", "Full description"),
    SCH3_COLUMNS("personal_use", "Gain only"),
    QL_LINE("15800", "15800", "Gain only"),
    QL_SECTION("8. Listed personal property (LPP)"),
    QL_TABLE("listed_personal", "Listed personal property"),
    QL_COLUMN("listed_personal.#.description", "Full description"),
    SCH3_COLUMNS("listed_personal", "Gain (or loss)"),
    QL_LINE("unapplied_lpp_losses", nullptr, "Unapplied LPP losses from other years"),
    QL_LINE("15900", "15900", "Net gain only"),

    QL_PAGE("Principal residence and totals"),
    QL_SECTION("Principal residence"),
    QL_CHOICE("17900", "17900", "Principal residence designation (tick the box that applies)",
              "0=No designation this year|1=Box 1 – principal residence for every year owned (Section 1 of "
              "Form T2091(IND) only)|2=Box 2 – complete Sections 1 and 2 of Form T2091(IND)|3=Box 3 – complete "
              "Sections 1 and 2 of Form T2091(IND)"),
    QL_TABLE("principal_residence", "Principal residence dispositions"),
    QL_COLUMN("principal_residence.#.description", "Address"),
    QL_COLUMN("principal_residence.#.year_of_acquisition", "Year of acquisition"),
    QL_COLUMN("principal_residence.#.proceeds", "Proceeds of disposition"),
    QL_ACTION("Go to Form T2091(IND)", 1235, kFormT2091),
    QL_SECTION("Information slips and totals"),
    QL_LINE("17400", "17400", "Capital gains (or losses) from information slips (T5, T5013, and T4PS)"),
    QL_LINE("17600", "17600", "Capital gains (or losses) from T3 information slips"),
    QL_LINE("17800", "17800", "Capital loss from a reduction in your business investment loss"),
    QL_LINE("19100", "19100", "Total of all gains (or losses) before reserves"),
    QL_LINE("19200", "19200", "Reserves from Form T2017"),
    QL_ACTION("Go to Form T2017", 1235, kFormT2017),
    QL_LINE("19700", "19700", "Total capital gains (or losses)"),
    QL_LINE("19900", "19900", "Taxable capital gains (or net capital loss) in 2021"),
    QL_LINE("12700", "12700", "Taxable capital gains (line 12700 of your return)"),
    // Kept by the slips' auto-fill and the entry mode, not by the user.
    QL_HIDDEN("shares.#.auto_filled"),
    QL_HIDDEN("shares_count"),
    QL_HIDDEN("shares_entry_mode"),
};
#undef SCH3_COLUMNS

// ---- Schedule 4
const LayoutRow kSch4Rows[] = {
    QL_PAGE("Schedule 4"),
    QL_SECTION("Part I – Taxable amount of dividends (eligible and other than eligible) from taxable Canadian "
               "corporations"),
    QL_TABLE("dividends", "Specify"),
    QL_COLUMN("dividends.#.payer", "Payer"),
    QL_COLUMN("dividends.#.eligible_amount", "Taxable amount of eligible dividends"),
    QL_COLUMN("dividends.#.other_amount", "Taxable amount of dividends other than eligible dividends"),
    QL_LINE("12010", "12010", "Taxable amount of dividends other than eligible dividends"),
    QL_LINE("12000", "12000", "Taxable amount of dividends (eligible and other than eligible)"),
    QL_SECTION("Part II – Interest and other investment income"),
    QL_TABLE("interest", "Specify"),
    QL_COLUMN("interest.#.payer", "Payer"),
    QL_COLUMN("interest.#.amount", "Amount"),
    QL_COLUMN("interest.#.foreign", "Foreign income"),
    QL_LINE("12100", "12100", "Interest and other investment income"),
    QL_SECTION("Part III – Carrying charges, interest expenses, and other expenses"),
    QL_TABLE("carrying_charges", "Specify"),
    QL_COLUMN("carrying_charges.#.description", "Description"),
    QL_COLUMN("carrying_charges.#.amount", "Amount"),
    QL_LINE("22100", "22100", "Carrying charges, interest expenses, and other expenses"),

    QL_PAGE("From your slips"),
    QL_SECTION("Interest from T5 slips"),
    QL_TABLE("t5_interest", "Interest by payer"),
    QL_COLUMN("t5_interest.#.payer", "Payer"),
    QL_COLUMN("t5_interest.#.amount", "Amount"),
    QL_LINE("t5_interest_other_payers", nullptr, "Interest from other payers"),
    QL_SECTION("Taxable dividends from T5 slips"),
    QL_TABLE("t5_dividends", "Taxable dividends by payer"),
    QL_COLUMN("t5_dividends.#.payer", "Payer"),
    QL_COLUMN("t5_dividends.#.amount", "Amount"),
    QL_LINE("t5_dividends_other_payers", nullptr, "Taxable dividends from other payers"),
    QL_SECTION("Totals of all slips"),
    QL_LINE("slip_eligible_dividends", nullptr, "Taxable amount of eligible dividends"),
    QL_LINE("slip_other_dividends", nullptr, "Taxable amount of dividends other than eligible dividends"),
    QL_LINE("slip_interest", nullptr, "Interest and other investment income"),
    QL_LINE("slip_carrying_charges", nullptr, "Carrying charges, interest expenses, and other expenses"),
};

// ---- Schedule 5
const LayoutRow kSch5Rows[] = {
    QL_PAGE("Spouse and eligible dependant"),
    QL_SECTION("Spouse or common-law partner amount (line 30300)"),
    QL_SPOUSE_LINE("spouse_claim_on", nullptr, "Claim the spouse or common-law partner amount"),
    QL_SPOUSE_LINE("spouse_infirm", nullptr,
            "Your spouse or common-law partner was dependent on you because of an impairment in physical or "
            "mental functions"),
    QL_SPOUSE_LINE("spouse_base_amount", nullptr, "Base amount"),
    QL_SPOUSE_LINE("spouse_net_income", nullptr, "Your spouse's or common-law partner's net income (line 23600 of their return)"),
    QL_LINE("30300", "30300", "Spouse or common-law partner amount"),
    QL_SECTION("Amount for an eligible dependant (line 30400)"),
    QL_LINE("eligible_dependant_condition", nullptr,
            "You lived apart from your spouse or common-law partner, or you had none, and the dependant lived with "
            "you"),
    QL_LINE("eligible_dependant_first_name", nullptr, "First name of dependant"),
    QL_LINE("eligible_dependant_last_name", nullptr, "Last name of dependant"),
    QL_LINE("eligible_dependant_relationship", nullptr, "Relationship to you"),
    QL_LINE("eligible_dependant_birth_date", nullptr, "Date of birth"),
    QL_LINE("55295", "55295", "Dependant's social insurance number"),
    QL_LINE("eligible_dependant_address", nullptr, "Address"),
    QL_LINE("eligible_dependant_infirm", nullptr,
            "The dependant was dependent on you because of an impairment in physical or mental functions"),
    QL_LINE("eligible_dependant_base_amount", nullptr, "Base amount"),
    QL_LINE("eligible_dependant_net_income", nullptr, "Dependant's net income (line 23600 of their return)"),
    QL_LINE("30400", "30400", "Amount for an eligible dependant"),
    QL_SECTION("Canada caregiver amount for spouse or common-law partner, or eligible dependant age 18 or older"),
    QL_LINE("30425", "30425", "Canada caregiver amount for spouse or common-law partner, or eligible dependant"),

    QL_PAGE("Canada caregiver amounts"),
    QL_SECTION("Canada caregiver amount for other infirm dependants age 18 or older (line 30450)"),
    QL_TABLE("caregiver_dependants", "Infirm dependants age 18 or older"),
    QL_COLUMN("caregiver_dependants.#.first_name", "First name"),
    QL_COLUMN("caregiver_dependants.#.last_name", "Last name"),
    QL_COLUMN("caregiver_dependants.#.relationship", "Relationship to you"),
    QL_COLUMN("caregiver_dependants.#.birth_date", "Date of birth"),
    QL_COLUMN("caregiver_dependants.#.address", "Address"),
    QL_COLUMN("caregiver_dependants.#.net_income", "Dependant's net income (line 23600)"),
    QL_COLUMN("caregiver_dependants.#.amount", "Amount"),
    QL_LINE("30450", "30450", "Canada caregiver amount for other infirm dependants age 18 or older"),
    QL_SECTION("Canada caregiver amount for infirm children under 18 years of age (line 30500)"),
    QL_TABLE("infirm_children", "Infirm children under 18"),
    QL_COLUMN("infirm_children.#.first_name", "First name"),
    QL_COLUMN("infirm_children.#.last_name", "Last name"),
    QL_COLUMN("infirm_children.#.birth_date", "Date of birth"),
    QL_LINE("30499", "30499", "Number of children for whom you are claiming this amount"),
    QL_LINE("30500", "30500", "Canada caregiver amount for infirm children under 18 years of age"),
};

// ---- Schedule 6
const LayoutRow kSch6Rows[] = {
    QL_PAGE("Step 1 – Eligibility"),
    QL_LINE("no_spouse", nullptr, "You did not have an eligible spouse on December 31, 2021"),
    QL_LINE("has_eligible_dependant", nullptr, "You had an eligible dependant on December 31, 2021"),
    QL_LINE("eligible_dependant_first_name", nullptr, "Eligible dependant's first name"),
    QL_LINE("eligible_dependant_last_name", nullptr, "Eligible dependant's last name"),
    QL_LINE("eligible_dependant_relationship", nullptr, "Relationship to you"),
    QL_LINE("eligible_dependant_birth_date", nullptr, "Date of birth"),
    QL_LINE("disability_supplement", nullptr, "You are eligible for the disability tax credit"),
    QL_LINE("spouse_disability_supplement", nullptr,
            "Your eligible spouse is eligible for the disability tax credit"),
    QL_CHOICE("38105", "38105",
              "Include tax-exempt income in the calculation of working income and adjusted net income",
              "0=Yes|1=No"),

    QL_PAGE("Working income and adjusted family net income"),
    // Column 1 is yours, column 2 your eligible spouse's; the line numbers
    // are printed in column 1 only.
    QL_SECTION("Part A – Family working income"),
    QL_LINE("employment_income", nullptr, "Employment income (lines 10100 and 10400 of the return) – you"),
    QL_LINE("38106", "38106",
            "Taxable scholarships, fellowships, bursaries, and artists' project grants (line 13010) – you"),
    QL_LINE("self_employment_income", nullptr, "Total self-employment income (excluding losses) – you"),
    QL_LINE("38107", "38107", "Tax-exempt working income earned on a reserve – you"),
    QL_LINE("38108", "38108", "Working income – you"),
    QL_LINE("spouse_employment_income", nullptr,
            "Employment income (lines 10100 and 10400 of the return) – your eligible spouse"),
    QL_LINE("spouse_38106", nullptr,
            "Taxable scholarships, fellowships, bursaries, and artists' project grants – your eligible spouse"),
    QL_LINE("spouse_self_employment_income", nullptr,
            "Total self-employment income (excluding losses) – your eligible spouse"),
    QL_LINE("spouse_38107", nullptr, "Tax-exempt working income earned on a reserve – your eligible spouse"),
    QL_LINE("spouse_38108", nullptr, "Working income – your eligible spouse"),
    QL_LINE("family_working_income", nullptr, "Family working income"),
    QL_SECTION("Part B – Adjusted family net income"),
    QL_LINE("net_income", nullptr, "Net income (line 23600 of the return) – you"),
    QL_LINE("38109", "38109", "Tax-exempt income – you"),
    QL_LINE("uccb_rdsp_repayments", nullptr, "UCCB and RDSP income repayments (lines 21300 and 23200) – you"),
    QL_LINE("uccb_rdsp_income", nullptr, "UCCB and RDSP income (lines 11700 and 12500) – you"),
    QL_LINE("38110", "38110", "Adjusted net income – you"),
    QL_LINE("spouse_net_income", nullptr, "Net income (line 23600 of the return) – your eligible spouse"),
    QL_LINE("spouse_38109", nullptr, "Tax-exempt income – your eligible spouse"),
    QL_LINE("spouse_uccb_rdsp_repayments", nullptr,
            "UCCB and RDSP income repayments (lines 21300 and 23200) – your eligible spouse"),
    QL_LINE("spouse_uccb_rdsp_income", nullptr,
            "UCCB and RDSP income (lines 11700 and 12500) – your eligible spouse"),
    QL_LINE("spouse_38110", nullptr, "Adjusted net income – your eligible spouse"),
    QL_LINE("adjusted_family_net_income", nullptr, "Adjusted family net income"),

    QL_PAGE("Canada workers benefit"),
    QL_SECTION("Basic CWB"),
    QL_LINE("claim_basic", nullptr, "Claim the basic Canada workers benefit"),
    QL_LINE("basic_cwb", nullptr, "Basic CWB"),
    QL_SECTION("CWB disability supplement"),
    QL_LINE("claim_disability_supplement", nullptr, "Claim the CWB disability supplement"),
    QL_LINE("disability_supplement_amount", nullptr, "CWB disability supplement"),
    QL_LINE("45300", "45300", "Canada workers benefit"),
    // Set by the return when the spouse's return holds no Schedule 6.
    QL_HIDDEN("spouse_without_schedule6"),
    // Older returns' box, now answered at line 38105.
    QL_HIDDEN("include_exempt_income"),
};

// ---- Schedule 7
const LayoutRow kSch7Rows[] = {
    QL_PAGE("Contributions"),
    QL_SECTION("RRSP, PRPP and SPP contribution receipts"),
    QL_TABLE("contributions", "Contributions"),
    QL_COLUMN("contributions.#.issuer", "Name of issuer"),
    QL_COLUMN("contributions.#.receipt_number", "Receipt number"),
    QL_COLUMN("contributions.#.spousal", "Spouse's or common-law partner's plan"),
    QL_COLUMN("contributions.#.amount_2021", "Paid from March 2 to December 31, 2021"),
    QL_COLUMN("contributions.#.amount_2022", "Paid from January 1 to March 1, 2022"),
    QL_SECTION("Part A – Contributions"),
    QL_LINE("line_1", "1", "Unused RRSP, PRPP, and SPP contributions from your 2020 notice of assessment"),
    QL_LINE("interview_2021", nullptr, "Of line 2: the receipts on the RRSP interview"),
    QL_LINE("interview_2022", nullptr, "Of line 3: the receipts on the RRSP interview"),
    QL_LINE("line_2", "2", "Total contributions made from March 2, 2021, to December 31, 2021"),
    QL_LINE("line_3", "3", "Total contributions made from January 1, 2022, to March 1, 2022"),
    QL_LINE("24500", "24500", "Line 2 plus line 3"),
    QL_LINE("line_5", "5", "Total RRSP, PRPP, and SPP contributions"),

    QL_PAGE("Deduction"),
    QL_SECTION("Part B – Repayments under the HBP and the LLP"),
    QL_LINE("24600", "24600", "Repayment under the Home Buyers' Plan (HBP)"),
    QL_LINE("26200", "26200", "Repayment under the Lifelong Learning Plan (LLP)"),
    QL_LINE("line_8", "8", "Total repayments"),
    QL_SECTION("Part C – RRSP and PRPP deduction"),
    QL_LINE("rrsp_deduction_limit", nullptr, "2021 RRSP deduction limit from your 2020 notice of assessment"),
    QL_LINE("20810", "20810", "PRPP employer contributions"),
    QL_LINE("transfers", "24640", "Transfers"),
    QL_LINE("deduction_requested", nullptr, "RRSP and PRPP contributions you are deducting for 2021"),
    QL_LINE("20800", "20800", "RRSP deduction"),
    QL_SECTION("Part D – Unused RRSP, PRPP and SPP contributions available to carry forward"),
    QL_LINE("unused_contributions_carried_forward", nullptr, "Unused contributions available to carry forward"),
    QL_LINE("unused_deduction_room", nullptr, "Deduction limit left unused (for Forms RC267, RC268 and RC269)"),
    QL_SECTION("Part E – Withdrawals under the HBP and the LLP"),
    QL_LINE("hbp_withdrawal", nullptr, "Home Buyers' Plan (HBP) withdrawal"),
    QL_LINE("llp_withdrawal", nullptr, "Lifelong Learning Plan (LLP) withdrawal"),
    QL_LINE("llp_student_is_spouse", nullptr, "The LLP student is your spouse or common-law partner"),
    QL_SECTION("Part F – Income from an amateur athlete trust"),
    QL_LINE("amateur_athlete_trust_income", nullptr, "Amateur athlete trust income included for the deduction limit"),
    // Rows the downloaded receipts fill, marked so a refill replaces them.
    QL_HIDDEN("contributions.#.auto_filled"),
    QL_HIDDEN("planned_deduction"),
    QL_HIDDEN("deduction_planned"),
};

// ---- Schedule 8 before 2014
const LayoutRow kSch8Rows[] = {
    QL_PAGE("Schedule 8 (before 2014)"),
    QL_LINE("pensionable_earnings", nullptr, "Pensionable earnings"),
    QL_LINE("self_employment_earnings", nullptr, "Self-employment earnings"),
    QL_LINE("contributions_through_employment", nullptr, "CPP contributions through employment"),
    QL_LINE("contributions_payable", "42100", "CPP contributions payable on self-employment earnings"),
    QL_LINE("deduction", "22200", "Deduction for CPP contributions on self-employment earnings"),
    QL_LINE("credit", "31000", "CPP contributions on self-employment earnings"),
};

// ---- Schedule 8 (2021)
const LayoutRow kSch8_14Rows[] = {
    QL_PAGE("Schedule 8"),
    QL_SECTION("Part 1 – Election to stop contributing or revocation of a prior election"),
    QL_CHOICE("50372", "50372", "Month you elected to stop paying CPP contributions", kMonths),
    QL_CHOICE("50374", "50374", "Month you revoked your election", kMonths),
    QL_LINE("pensionable_months", nullptr, "Number of months for which CPP contributions are required"),
    QL_SECTION("Part 2 – Total CPP pensionable earnings and contributions"),
    QL_LINE("50339", "50339", "Total CPP pensionable earnings (box 26 of all T4 slips)"),
    QL_LINE("50340", "50340", "Total CPP contributions on employment income (box 16 of all T4 slips)"),
    QL_LINE("self_employment_earnings", nullptr, "Net self-employment income"),
    QL_LINE("50373", "50373", "Employment income for which you elected to pay CPP contributions (Form CPT20)"),
    QL_ACTION("Go to Form CPT20", 1235, kFormCPT20),
    QL_SECTION("Parts 3 to 5 – Contributions"),
    QL_LINE("contributions_required", nullptr, "CPP contributions required on employment income"),
    QL_LINE("contributions_payable", nullptr, "CPP contributions payable on self-employment and other earnings"),
    QL_LINE("overpayment", nullptr, "CPP overpayment"),
    QL_SECTION("Amounts for your return"),
    QL_LINE("30800", "30800", "Base CPP or QPP contributions through employment"),
    QL_LINE("22215", "22215", "Deduction for enhanced CPP or QPP contributions on employment income"),
    QL_LINE("31000", "31000", "Base CPP or QPP contributions on self-employment income and other earnings"),
    QL_LINE("22200", "22200", "Deduction for CPP or QPP contributions on self-employment income and other earnings"),
    QL_LINE("42100", "42100", "CPP contributions payable on self-employment income and other earnings"),
};

// ---- Schedule 9
const LayoutRow kSch9Rows[] = {
    QL_PAGE("Schedule 9"),
    QL_SECTION("Donations and gifts"),
    QL_TABLE("donations", "Official receipts"),
    QL_COLUMN("donations.#.name", "Name of qualified donee"),
    QL_COLUMN("donations.#.registration_number", "Registration number"),
    QL_COLUMN("donations.#.date", "Date of gift"),
    QL_COLUMN("donations.#.amount", "Eligible amount of gift"),
    QL_COLUMN("donations.#.cultural_or_ecological", "Cultural or ecological gift"),
    QL_LINE("donations_self", nullptr, "Your donations from the interview"),
    QL_LINE("donations_spouse", nullptr, "Your spouse's or common-law partner's donations from the interview"),
    QL_LINE("shared_donations", nullptr, "Donations of your spouse or common-law partner claimed by you"),
    QL_LINE("donations_slips", nullptr, "Donations shown on T4 slips (box 46) and T4A slips (box 046)"),
    QL_LINE("donations_carried_forward", nullptr, "Unclaimed donations from the previous five years"),
    QL_LINE("total_eligible_donations", nullptr, "Total eligible amount of charitable donations"),
    QL_SECTION("Claim"),
    QL_LINE("donation_limit", nullptr, "Net income from line 23600 of your return × 75%"),
    QL_LINE("34000", "34000", "Allowable charitable donations and government gifts"),
    QL_LINE("33700", "33700", "Gifts of capital property: the capital gain you designate (Schedule 3)"),
    QL_LINE("33900", "33900", "Gifts of certified cultural or ecological property: the capital gain"),
    QL_LINE("34200", "34200", "Eligible amount of cultural and ecological gifts"),
    QL_LINE("34900", "34900", "Donations and gifts"),
    QL_HIDDEN("planned_donations"),
    QL_HIDDEN("donations_planned"),
};

// ---- Schedule 11
const LayoutRow kSch11Rows[] = {
    QL_PAGE("Schedule 11"),
    QL_SECTION("Calculating your tuition, education, and textbook amounts, and Canada training credit"),
    QL_LINE("unused_tuition_carryforward", nullptr,
            "Unused federal tuition, education, and textbook amounts from your 2020 notice of assessment or "
            "reassessment"),
    QL_LINE("32000", "32000", "Eligible tuition fees paid to Canadian educational institutions for 2021"),
    QL_LINE("ctc_eligible_fees", nullptr, "Eligible tuition fees for the Canada training credit"),
    QL_LINE("ctc_limit", nullptr, "Your Canada training credit limit for 2021 from your 2020 notice of assessment"),
    QL_LINE("45350", "45350", "Your Canada training credit"),
    QL_LINE("total_available_tuition", nullptr, "Total available tuition, education, and textbook amounts"),
    QL_LINE("taxable_income", "26000", "Your taxable income"),
    QL_LINE("credits_before_tuition", nullptr, "Non-refundable tax credits claimed before this amount"),
    QL_LINE("unused_tuition_claimed", nullptr, "Unused tuition, education, and textbook amounts claimed for 2021"),
    QL_LINE("current_tuition_claimed", nullptr, "2021 tuition amount claimed for 2021"),
    QL_LINE("32300", "32300", "Total tuition, education, and textbook amounts claimed for 2021"),
    QL_SECTION("Transfer and carryforward of unused amount"),
    QL_LINE("32700", "32700", "Federal amount transferred to a designated individual"),
    QL_LINE("transferred_to", nullptr, "Name of the designated individual (spouse, parent, or grandparent)"),
    QL_LINE("tuition_carried_forward", nullptr, "Total unused federal amount available to carry forward"),
};

// ---- Home accessibility expenses
const LayoutRow kSch12Rows[] = {
    QL_PAGE("Home accessibility expenses"),
    QL_SECTION("Qualifying individual and eligible dwelling"),
    QL_LINE("qualifying_individual_name", nullptr, "Name of the qualifying individual"),
    QL_LINE("is_qualifying_individual", nullptr,
            "65 years of age or older at the end of 2021, or eligible for the disability tax credit"),
    QL_LINE("eligible_dwelling_address", nullptr, "Address of the eligible dwelling"),
    QL_SECTION("Qualifying expenditures"),
    QL_TABLE("expenses", "Expenditures"),
    QL_COLUMN("expenses.#.description", "Description of the renovation"),
    QL_COLUMN("expenses.#.supplier", "Name of supplier"),
    QL_COLUMN("expenses.#.supplier_gst_number", "Supplier's GST/HST number"),
    QL_COLUMN("expenses.#.date", "Date of payment"),
    QL_COLUMN("expenses.#.amount", "Amount"),
    QL_LINE("total_expenses", nullptr, "Total expenditures"),
    QL_LINE("claimed_by_others", nullptr, "Part of these expenditures claimed by another person"),
    QL_LINE("31285", "31285", "Home accessibility expenses"),
};

// ---- Schedule 13
const LayoutRow kSch13Rows[] = {
    QL_PAGE("Schedule 13"),
    QL_LINE("agreement_date", nullptr,
            "Date of your agreement with the Canada Employment Insurance Commission"),
    QL_LINE("resident_of_quebec", nullptr, "You were a resident of Quebec on December 31, 2021"),
    QL_LINE("self_employment_earnings", nullptr, "Net self-employment income"),
    QL_LINE("54493", "54493", "Employment income on which you paid PPIP premiums"),
    QL_LINE("54494", "54494", "Tax-exempt employment income on which you paid PPIP premiums"),
    QL_LINE("53550", "53550", "Self-employment earnings for special benefits"),
    QL_LINE("insurable_earnings", nullptr, "Insurable earnings (up to the maximum insurable earnings)"),
    QL_LINE("31217", "31217", "Employment insurance premiums on self-employment and other eligible earnings"),
    QL_LINE("42120", "42120", "Employment insurance premiums payable on self-employment and other eligible earnings"),
};

// ---- Schedule 14
const LayoutRow kSch14Rows[] = {
    QL_PAGE("Schedule 14"),
    QL_SECTION("Supplement for residents of small and rural communities"),
    QL_LINE("rural_supplement", nullptr,
            "You resided outside a census metropolitan area (CMA) on December 31, 2021"),
};

// ---- Schedule 1-A
const LayoutRow kSch1ARows[] = {
    QL_PAGE("Schedule 1-A (Family Tax Cut)"),
    QL_LINE("spouse_sin", nullptr, "Spouse's or common-law partner's social insurance number"),
    QL_LINE("taxable_income", nullptr, "Your taxable income"),
    QL_LINE("spouse_taxable_income", nullptr, "Your spouse's or common-law partner's taxable income"),
    QL_LINE("adjusted_taxable_income", nullptr, "Your adjusted taxable income"),
    QL_LINE("spouse_adjusted_taxable_income", nullptr, "Your spouse's or common-law partner's adjusted taxable income"),
    QL_LINE("notional_tax", nullptr, "Notional tax"),
    QL_LINE("42300", "42300", "Family tax cut"),
};

// ---- Schedules A and B
const LayoutRow kSchABRows[] = {
    QL_PAGE("Schedule A – Statement of World Income"),
    QL_LINE("canadian_net_income", "23600", "Net income from sources in Canada"),
    QL_SECTION("Net income from sources outside Canada"),
    QL_LINE("foreign_employment_income", nullptr, "Employment income"),
    QL_LINE("foreign_pension_income", nullptr, "Pension income"),
    QL_LINE("foreign_business_income", nullptr, "Business income"),
    QL_LINE("foreign_investment_income", nullptr, "Investment income"),
    QL_LINE("foreign_capital_gains", nullptr, "Taxable capital gains"),
    QL_LINE("other_foreign_income", nullptr, "Other income"),
    QL_LINE("other_foreign_income_description", nullptr, "Specify"),
    QL_LINE("foreign_deductions", nullptr, "Deductions"),
    QL_LINE("foreign_net_income", nullptr, "Net income from sources outside Canada"),
    QL_LINE("net_world_income", nullptr, "Net world income"),
    QL_PAGE("Schedule B – Allowable Amount of Non-Refundable Tax Credits"),
    QL_LINE("canadian_income_percentage", nullptr, "Net income from sources in Canada as a percentage of net world income"),
    QL_LINE("credits_always_allowed", nullptr, "Credits allowed whatever the percentage"),
    QL_LINE("credits_allowed_at_90_percent", nullptr, "Credits allowed when the percentage is 90% or more"),
    QL_LINE("allowable_credits", "35000", "Allowable amount of non-refundable tax credits"),
};

// ---- Schedule C
const LayoutRow kSchCRows[] = {
    QL_PAGE("Schedule C"),
    QL_SECTION("Part 1 – Eligible section 217 income"),
    QL_TABLE("section217_income", "Kinds of income"),
    QL_COLUMN("section217_income.#.amount", "Amount of income"),
    QL_COLUMN("section217_income.#.tax_rate", "Non-resident tax rate (%)"),
    QL_COLUMN("section217_income.#.tax", "Non-resident tax"),
    QL_LINE("total_section217_income", nullptr, "Total section 217 income"),
    QL_LINE("total_non_resident_tax", nullptr, "Total non-resident tax"),
    QL_LINE("section217_deductions", nullptr, "Deductions that apply to section 217 income"),
    QL_LINE("net_section217_income", nullptr, "Net section 217 income"),
    QL_SECTION("Part 2 – Section 217 tax adjustment"),
    QL_LINE("taxable_income_with_section217", nullptr, "Taxable income including section 217 income"),
    QL_LINE("tax_on_taxable_income", nullptr, "Federal tax on that taxable income"),
    QL_LINE("allowable_credits", nullptr, "Allowable non-refundable tax credits"),
    QL_LINE("41450", "41450", "Section 217 tax adjustment"),
};

} // namespace

const LayoutTable kSch1OldLayout = layoutTable(kSch1OldRows);
const LayoutTable kSch2Layout = layoutTable(kSch2Rows);
const LayoutTable kSch3Layout = layoutTable(kSch3Rows);
const LayoutTable kSch4Layout = layoutTable(kSch4Rows);
const LayoutTable kSch5Layout = layoutTable(kSch5Rows);
const LayoutTable kSch6Layout = layoutTable(kSch6Rows);
const LayoutTable kSch7Layout = layoutTable(kSch7Rows);
const LayoutTable kSch8Layout = layoutTable(kSch8Rows);
const LayoutTable kSch8_14Layout = layoutTable(kSch8_14Rows);
const LayoutTable kSch9Layout = layoutTable(kSch9Rows);
const LayoutTable kSch11Layout = layoutTable(kSch11Rows);
const LayoutTable kSch12Layout = layoutTable(kSch12Rows);
const LayoutTable kSch13Layout = layoutTable(kSch13Rows);
const LayoutTable kSch14Layout = layoutTable(kSch14Rows);
const LayoutTable kSch1ALayout = layoutTable(kSch1ARows);
const LayoutTable kSchABLayout = layoutTable(kSchABRows);
const LayoutTable kSchCLayout = layoutTable(kSchCRows);
