#include "schedules.h"

#include "schedules_layouts.h"

#include <algorithm>
#include <cmath>

#include "federal2021.h"
#include "formtypes.h"

// A line a schedule prints only as a pointer to the return ("enter on line
// 32600 of your return") is named by that return line: it is the amount the
// schedule hands over. Lines the schedule numbers only within itself and whose
// number is not needed elsewhere go by a plain name.

namespace {

// ---- Schedule 1 before 2019: only its key amounts, as old files hold them.
const FieldSpec kSch1OldFields[] = {
    QM_AMT("30000"),    // basic personal amount
    QM_AMT("30100"),    // age amount
    QM_AMT("30300"),    // spouse or common-law partner amount
    QM_AMT("30400"),    // amount for an eligible dependant
    QM_AMT("30800"),    // CPP or QPP contributions through employment
    QM_AMT("31200"),    // employment insurance premiums
    QM_AMT("31260"),    // Canada employment amount
    QM_AMT("31400"),    // pension income amount
    QM_AMT("32300"),    // tuition amounts
    QM_AMT("32600"),    // amounts transferred from the spouse
    QM_AMT("33200"),    // allowable medical expenses
    QM_AMT("33500"),    // total of the amounts
    QM_AMT("33800"),    // line 33500 at 15%
    QM_AMT("34900"),    // donations and gifts
    QM_AMT("35000"),    // total federal non-refundable tax credits
    QM_AMT("40400"),    // federal tax
    QM_AMT("40424"),    // federal tax on split income
    QM_AMT("40425"),    // federal dividend tax credit
    QM_AMT("40427"),    // minimum tax carryover
    QM_AMT("42900"),    // basic federal tax
    QM_AMT("40500"),    // federal foreign tax credit
    QM_AMT("40600"),    // federal tax
    QM_AMT("41000"),    // federal political contribution tax credit
    QM_AMT("41700"),    // federal tax less credits
    QM_AMT("42000"),    // net federal tax
};

// ---- Schedule 2
const FieldSpec kSch2Fields[] = {
    QM_AMT("35200"),    // age amount, from the spouse's line 30100
    QM_AMT("35300"),    // Canada caregiver amount for infirm children under 18, from the spouse's line 30500
    QM_AMT("35500"),    // pension income amount, from the spouse's line 31400 (at most 2,000)
    QM_AMT("35700"),    // disability amount, from the spouse's line 31600
    QM_AMT("36000"),    // tuition amount the spouse designated to you (their Schedule 11)
    QM_CALC("transferable_total"),       // lines 35200 to 36000
    QM_SIGNED("spouse_taxable_income"),     // the spouse's line 26000, or their tax divided by 15%
    QM_SIGNED("spouse_credits_used"),       // the spouse's own credits ahead of these amounts
    QM_CALC("35100"),   // the spouse's adjusted taxable income
    QM_CALC("32600"),   // amounts transferred from the spouse
};

// ---- Schedule 3
constexpr int kShareRows = CTaxData_Schedule_3::kShareRows;

const FieldSpec kSch3Fields[] = {
    // 1. Qualified small business corporation shares
    QM_AMT_ROWS("qsbc_shares.#.number", 10),
    QM_ROWS("qsbc_shares.#.description", CField::String, 10),   // name of corporation and class of shares
    QM_ROWS("qsbc_shares.#.year_of_acquisition", CField::Int, 10),
    QM_AMT_ROWS("qsbc_shares.#.proceeds", 10),
    QM_AMT_ROWS("qsbc_shares.#.adjusted_cost_base", 10),
    QM_AMT_ROWS("qsbc_shares.#.outlays", 10),
    QM_CALC_ROWS("qsbc_shares.#.gain", 10),
    QM_CALC("10699"),   // total proceeds
    QM_CALC("10700"),   // gain (or loss)

    // 2. Qualified farm or fishing property
    QM_ROWS("farm_fishing.#.description", CField::String, 10),  // address or legal description
    QM_ROWS("farm_fishing.#.province", CField::String, 10),
    QM_ROWS("farm_fishing.#.year_of_acquisition", CField::Int, 10),
    QM_AMT_ROWS("farm_fishing.#.proceeds", 10),
    QM_AMT_ROWS("farm_fishing.#.adjusted_cost_base", 10),
    QM_AMT_ROWS("farm_fishing.#.outlays", 10),
    QM_CALC_ROWS("farm_fishing.#.gain", 10),
    QM_CALC("10999"),   // total proceeds
    QM_CALC("11000"),   // gain (or loss)
    //    mortgage foreclosures and conditional sales repossessions of that property
    QM_ROWS("farm_fishing_foreclosures.#.description", CField::String, 5),
    QM_ROWS("farm_fishing_foreclosures.#.province", CField::String, 5),
    QM_ROWS("farm_fishing_foreclosures.#.year_of_acquisition", CField::Int, 5),
    QM_AMT_ROWS("farm_fishing_foreclosures.#.proceeds", 5),
    QM_AMT_ROWS("farm_fishing_foreclosures.#.adjusted_cost_base", 5),
    QM_AMT_ROWS("farm_fishing_foreclosures.#.outlays", 5),
    QM_CALC_ROWS("farm_fishing_foreclosures.#.gain", 5),
    QM_CALC("12399"),   // total proceeds
    QM_CALC("12400"),   // gain (or loss)

    // 3. Publicly traded shares, mutual fund units, deferral of eligible small
    //    business corporation shares, and other shares. The auto-fill adds a
    //    row per downloaded T5008 slip and marks it.
    QM_AMT_ROWS("shares.#.number", kShareRows),
    QM_ROWS("shares.#.description", CField::String, kShareRows),   // name of fund or corporation and class of shares
    QM_ROWS("shares.#.year_of_acquisition", CField::Int, kShareRows),
    QM_AMT_ROWS("shares.#.proceeds", kShareRows),
    QM_AMT_ROWS("shares.#.adjusted_cost_base", kShareRows),
    QM_AMT_ROWS("shares.#.outlays", kShareRows),
    QM_CALC_ROWS("shares.#.gain", kShareRows),
    QM_ROWS("shares.#.auto_filled", CField::Bool, kShareRows),
    QM_INT("shares_count"),         // rows in use
    QM_INT("shares_entry_mode"),    // how the rows are entered; 0 one row per disposition
    QM_CALC("13199"),   // total proceeds
    QM_CALC("13200"),   // gain (or loss)

    // 4. Real estate, depreciable property, and other properties
    QM_ROWS("real_estate.#.description", CField::String, 10),   // address or legal description
    QM_ROWS("real_estate.#.province", CField::String, 10),
    QM_ROWS("real_estate.#.year_of_acquisition", CField::Int, 10),
    QM_AMT_ROWS("real_estate.#.proceeds", 10),
    QM_AMT_ROWS("real_estate.#.adjusted_cost_base", 10),
    QM_AMT_ROWS("real_estate.#.outlays", 10),
    QM_CALC_ROWS("real_estate.#.gain", 10),
    QM_CALC("13599"),   // total proceeds
    QM_CALC("13800"),   // gain (or loss)

    // 5. Bonds, debentures, promissory notes, and other similar properties
    QM_AMT_ROWS("bonds.#.face_value", 10),
    QM_ROWS("bonds.#.maturity_date", CField::Date, 10),
    QM_ROWS("bonds.#.description", CField::String, 10),         // name of issuer
    QM_ROWS("bonds.#.year_of_acquisition", CField::Int, 10),
    QM_AMT_ROWS("bonds.#.proceeds", 10),
    QM_AMT_ROWS("bonds.#.adjusted_cost_base", 10),
    QM_AMT_ROWS("bonds.#.outlays", 10),
    QM_CALC_ROWS("bonds.#.gain", 10),
    QM_CALC("15199"),   // total proceeds
    QM_CALC("15300"),   // gain (or loss)

    // 6. Other mortgage foreclosures and conditional sales repossessions
    QM_ROWS("other_foreclosures.#.description", CField::String, 5),
    QM_ROWS("other_foreclosures.#.province", CField::String, 5),
    QM_ROWS("other_foreclosures.#.year_of_acquisition", CField::Int, 5),
    QM_AMT_ROWS("other_foreclosures.#.proceeds", 5),
    QM_AMT_ROWS("other_foreclosures.#.adjusted_cost_base", 5),
    QM_AMT_ROWS("other_foreclosures.#.outlays", 5),
    QM_CALC_ROWS("other_foreclosures.#.gain", 5),
    QM_CALC("15499"),   // total proceeds
    QM_CALC("15500"),   // gain (or loss)

    // 7. Personal-use property: gains only
    QM_ROWS("personal_use.#.description", CField::String, 10),
    QM_ROWS("personal_use.#.year_of_acquisition", CField::Int, 10),
    QM_AMT_ROWS("personal_use.#.proceeds", 10),
    QM_AMT_ROWS("personal_use.#.adjusted_cost_base", 10),
    QM_AMT_ROWS("personal_use.#.outlays", 10),
    QM_CALC_ROWS("personal_use.#.gain", 10),
    QM_CALC("15800"),   // gain only

    // 8. Listed personal property: its losses only reduce its gains
    QM_ROWS("listed_personal.#.description", CField::String, 10),
    QM_ROWS("listed_personal.#.year_of_acquisition", CField::Int, 10),
    QM_AMT_ROWS("listed_personal.#.proceeds", 10),
    QM_AMT_ROWS("listed_personal.#.adjusted_cost_base", 10),
    QM_AMT_ROWS("listed_personal.#.outlays", 10),
    QM_CALC_ROWS("listed_personal.#.gain", 10),
    QM_AMT("unapplied_lpp_losses"),     // listed-personal-property losses of other years
    QM_CALC("15900"),   // net gain only
    // Gains on the disposition of a principal residence left after the
    // exemption (Form T2091(IND) or T1255); part of section 4.
    QM_CALC("principal_residence_gain"),

    // Principal residence designation
    QM_INT("17900"),    // the box ticked: 1, 2 or 3
    QM_ROWS("principal_residence.#.description", CField::String, CTaxData_Schedule_3::kPrincipalResidenceRows),   // address
    QM_ROWS("principal_residence.#.year_of_acquisition", CField::Int, CTaxData_Schedule_3::kPrincipalResidenceRows),
    QM_AMT_ROWS("principal_residence.#.proceeds", CTaxData_Schedule_3::kPrincipalResidenceRows),

    // Totals
    QM_AMT("16100"),    // capital gains deferral from eligible small business corporation shares
    QM_CALC("17400"),   // capital gains (or losses) from T5, T5013 and T4PS slips
    QM_CALC("17600"),   // capital gains (or losses) from T3 slips
    QM_AMT("17800"),    // capital loss from a reduction in business investment loss
    QM_CALC("19100"),   // total of all gains (or losses) before reserves
    QM_CALC("19200"),   // reserves from Form T2017
    QM_CALC("19700"),   // total capital gains (or losses)
    QM_CALC("19900"),   // taxable capital gains (or net capital loss): line 19700 at 50%
    QM_CALC("12700"),   // taxable capital gains carried to the return
};

// ---- Schedule 4
const FieldSpec kSch4Fields[] = {
    // Taxable amount of dividends from taxable Canadian corporations
    QM_ROWS("dividends.#.payer", CField::String, 20),
    QM_AMT_ROWS("dividends.#.eligible_amount", 20),   // taxable amount of eligible dividends
    QM_AMT_ROWS("dividends.#.other_amount", 20),      // taxable amount of other dividends
    QM_CALC("12010"),   // taxable amount of dividends other than eligible dividends
    QM_CALC("12000"),   // taxable amount of all dividends
    // Interest and other investment income
    QM_ROWS("interest.#.payer", CField::String, 20),
    QM_AMT_ROWS("interest.#.amount", 20),
    QM_ROWS("interest.#.foreign", CField::Bool, 20),
    QM_CALC("12100"),   // interest and other investment income
    // Carrying charges, interest expenses, and other expenses
    QM_ROWS("carrying_charges.#.description", CField::String, 20),
    QM_AMT_ROWS("carrying_charges.#.amount", 20),
    QM_CALC("22100"),   // carrying charges, interest expenses, and other expenses
    // What the slips give: the T5 payers (interest, taxable dividends) with
    // what does not fit the rows, and the totals of all slips.
    QM_ROWS("t5_interest.#.payer", CField::String, TaxData_Sch4::kT5InterestRows),
    QM_CALC_ROWS("t5_interest.#.amount", TaxData_Sch4::kT5InterestRows),
    QM_CALC("t5_interest_other_payers"),
    QM_ROWS("t5_dividends.#.payer", CField::String, TaxData_Sch4::kT5DividendRows),
    QM_CALC_ROWS("t5_dividends.#.amount", TaxData_Sch4::kT5DividendRows),
    QM_CALC("t5_dividends_other_payers"),
    QM_CALC("slip_eligible_dividends"),   // taxable amount of eligible dividends
    QM_CALC("slip_other_dividends"),      // taxable amount of other dividends
    QM_CALC("slip_interest"),             // interest and other investment income
    QM_CALC("slip_carrying_charges"),
};

// ---- Schedule 5
const FieldSpec kSch5Fields[] = {
    // Spouse or common-law partner amount (line 30300)
    QM_BOOL("spouse_claim_on"),          // the spouse amount is claimed
    QM_BOOL("spouse_infirm"),            // the spouse depends on you because of an impairment
    QM_CALC("spouse_net_income"),        // the spouse's line 23600
    QM_CALC("spouse_base_amount"),       // the amount the spouse's net income is taken from
    QM_CALC("30300"),

    // Amount for an eligible dependant (line 30400)
    QM_STR("eligible_dependant_first_name"),
    QM_STR("eligible_dependant_last_name"),
    QM_STR("eligible_dependant_relationship"),
    QM_DATE("eligible_dependant_birth_date"),
    QM_STR("eligible_dependant_address"),
    QM_BOOL("eligible_dependant_infirm"),
    QM_AMT("eligible_dependant_net_income"),
    QM_CALC("eligible_dependant_base_amount"),
    QM_CALC("30400"),

    // Canada caregiver amount for the spouse or an eligible dependant age 18 or older
    QM_CALC("30425"),

    // Canada caregiver amount for other infirm dependants age 18 or older
    QM_ROWS("caregiver_dependants.#.first_name", CField::String, 5),
    QM_ROWS("caregiver_dependants.#.last_name", CField::String, 5),
    QM_ROWS("caregiver_dependants.#.relationship", CField::String, 5),
    QM_ROWS("caregiver_dependants.#.birth_date", CField::Date, 5),
    QM_ROWS("caregiver_dependants.#.address", CField::String, 5),
    QM_AMT_ROWS("caregiver_dependants.#.net_income", 5),
    QM_CALC_ROWS("caregiver_dependants.#.amount", 5),
    QM_CALC("30450"),

    // Canada caregiver amount for infirm children under 18
    QM_ROWS("infirm_children.#.first_name", CField::String, 10),
    QM_ROWS("infirm_children.#.last_name", CField::String, 10),
    QM_ROWS("infirm_children.#.birth_date", CField::Date, 10),
    QM_CALC_INT("30499"),   // number of children claimed
    QM_CALC("30500"),
    QM_BOOL("eligible_dependant_condition"), // the box at the top: lived apart, or the condition read and met
    QM_STR("55295"), // the eligible dependant's S.I.N.
};

// ---- Schedule 6
const FieldSpec kSch6Fields[] = {
    // Step 1
    QM_BOOL("no_spouse"),                // no eligible spouse: the spouse column stays empty
    QM_BOOL("has_eligible_dependant"),
    QM_STR("eligible_dependant_first_name"),
    QM_STR("eligible_dependant_last_name"),
    QM_STR("eligible_dependant_relationship"),
    QM_DATE("eligible_dependant_birth_date"),
    QM_BOOL("disability_supplement"),    // you are eligible for the disability tax credit
    QM_BOOL("spouse_disability_supplement"),
    QM_BOOL("include_exempt_income"),    // tax-exempt income counted in parts A and B
    QM_INT("spouse_without_schedule6"),  // 1: the spouse's return holds no Schedule 6

    // Part A: working income, you and your spouse
    QM_CALC("employment_income"),        // lines 10100 and 10400
    QM_CALC("spouse_employment_income"),
    QM_CALC("38106"),                    // taxable scholarships and research grants (line 13010)
    QM_CALC("spouse_38106"),
    QM_CALC("self_employment_income"),
    QM_CALC("spouse_self_employment_income"),
    QM_AMT("38107"),                     // tax-exempt working income
    QM_SIGNED("spouse_38107"),
    QM_CALC("38108"),                    // working income
    QM_CALC("spouse_38108"),
    QM_CALC("family_working_income"),

    // Part B: adjusted family net income
    QM_CALC("net_income"),               // line 23600
    QM_CALC("spouse_net_income"),
    QM_AMT("38109"),                     // tax-exempt income
    QM_SIGNED("spouse_38109"),
    QM_CALC("uccb_rdsp_repayments"),     // lines 21300 and the RDSP income repayment
    QM_CALC("spouse_uccb_rdsp_repayments"),
    QM_CALC("uccb_rdsp_income"),         // lines 11700 and 12500
    QM_CALC("spouse_uccb_rdsp_income"),
    QM_CALC("38110"),                    // adjusted net income
    QM_CALC("spouse_38110"),
    QM_CALC("adjusted_family_net_income"),

    // Steps 2 and 3
    QM_CALC("basic_cwb"),
    QM_CALC("disability_supplement_amount"),
    QM_CALC("45300"),                    // Canada workers benefit
    QM_ANSWER("38105"),                  // tax-exempt income is counted in parts A and B
    QM_BOOL("claim_basic"),              // the basic Canada workers benefit is claimed
    QM_BOOL("claim_disability_supplement"),
};

// ---- Schedule 7
const FieldSpec kSch7Fields[] = {
    // RRSP, PRPP and SPP contribution receipts
    QM_ROWS("contributions.#.issuer", CField::String, 20),
    QM_ROWS("contributions.#.receipt_number", CField::String, 20),
    QM_ROWS("contributions.#.spousal", CField::Bool, 20),        // to the spouse's RRSP or SPP
    QM_AMT_ROWS("contributions.#.amount_2021", 20),   // paid March 2 to December 31, 2021
    QM_AMT_ROWS("contributions.#.amount_2022", 20),   // paid January 1 to March 1, 2022
    QM_ROWS("contributions.#.auto_filled", CField::Bool, 20),

    // Part A: contributions
    QM_AMT("line_1"),   // unused contributions available for 2021 (notice of assessment)
    // The receipts typed on the RRSP interview, summed there by period.
    QM_CALC("interview_2021"),
    QM_CALC("interview_2022"),
    QM_CALC("line_2"),  // contributions March 2 to December 31, 2021
    QM_CALC("line_3"),  // contributions January 1 to March 1, 2022
    QM_CALC("24500"),   // line 2 plus line 3
    QM_CALC("line_5"),  // total contributions
    // Part B: repayments under the HBP and the LLP
    QM_AMT("24600"),    // repayment under the HBP
    QM_AMT("26200"),    // repayment under the LLP
    QM_CALC("line_8"),
    // Part C: deduction
    QM_AMT("rrsp_deduction_limit"),      // 2021 deduction limit (notice of assessment)
    QM_CALC("20810"),                    // PRPP employer contributions
    QM_AMT("transfers"),                 // amounts transferred into the plans
    QM_AMT("deduction_requested"),       // what is to be deducted this year, when less than allowed
    QM_CALC("20800"),                    // RRSP deduction
    // A tax-planning deduction that replaces line 20800 while it is set (0 included).
    QM_SIGNED("planned_deduction"),
    QM_BOOL("deduction_planned"),
    // Part D: unused contributions carried forward
    QM_CALC("unused_contributions_carried_forward"),
    // The deduction limit this schedule leaves unused: room for the
    // contributions to foreign plans (RC267, RC268, RC269).
    QM_CALC("unused_deduction_room"),
    // Part E: withdrawals
    QM_AMT("hbp_withdrawal"),
    QM_AMT("llp_withdrawal"),
    QM_BOOL("llp_student_is_spouse"),
    // Part F: amateur athlete trust income used for the deduction limit
    QM_AMT("amateur_athlete_trust_income"),
};

// ---- Schedule 8 before 2014: only its key amounts, as old files hold them.
const FieldSpec kSch8Fields[] = {
    QM_AMT("pensionable_earnings"),
    QM_AMT("self_employment_earnings"),
    QM_AMT("contributions_through_employment"),
    QM_AMT("contributions_payable"),     // line 42100
    QM_AMT("deduction"),                 // line 22200
    QM_AMT("credit"),                    // line 31000
};

// ---- Schedule 8 (2021)
const FieldSpec kSch8_14Fields[] = {
    // Part 1: election to stop contributing, or its revocation
    QM_INT("50372"),    // month the election to stop contributing took effect
    QM_INT("50374"),    // month the election was revoked
    QM_INT_INIT("pensionable_months", "12"),   // months the contributions are required for
    // Contributions through employment
    QM_CALC("50339"),   // total CPP pensionable earnings (T4 box 26)
    QM_CALC("50340"),   // total CPP contributions (T4 box 16)
    // Self-employment and other earnings
    QM_CALC("self_employment_earnings"),       // net self-employment income
    QM_AMT("50373"),    // employment earnings not shown on a T4 slip (elected on CPT20)
    QM_CALC("contributions_required"),        // on the employment earnings
    QM_CALC("contributions_payable"),
    QM_CALC("overpayment"),
    // Carried to the return
    QM_CALC("30800"),   // base CPP contributions through employment
    QM_CALC("22200"),   // deduction for CPP contributions on self-employment and other earnings
    QM_CALC("22215"),   // deduction for enhanced CPP contributions on employment income
    QM_CALC("31000"),   // base CPP contributions on self-employment and other earnings
    QM_CALC("42100"),   // CPP contributions payable
};

// ---- Schedule 9
const FieldSpec kSch9Fields[] = {
    QM_ROWS("donations.#.name", CField::String, TaxData_Sch9::kDonationRows),   // qualified donee
    QM_ROWS("donations.#.registration_number", CField::String, TaxData_Sch9::kDonationRows),
    QM_ROWS("donations.#.date", CField::Date, TaxData_Sch9::kDonationRows),
    QM_AMT_ROWS("donations.#.amount", TaxData_Sch9::kDonationRows),   // eligible amount of the gift
    QM_ROWS("donations.#.cultural_or_ecological", CField::Bool, TaxData_Sch9::kDonationRows),
    // Totals of the gifts of you and of your spouse that the general
    // interview gives instead of receipts.
    QM_AMT("donations_self"),
    QM_AMT("donations_spouse"),
    QM_CALC("donations_slips"),           // gifts shown on T4 and T4A slips (box 46 and box 046)
    QM_CALC("total_eligible_donations"),
    QM_AMT("donations_carried_forward"),  // unclaimed gifts of the five years before
    QM_CALC("donation_limit"),            // 75% of net income
    QM_CALC("34000"),   // allowable charitable donations and government gifts
    QM_CALC("34200"),   // eligible amount of cultural and ecological gifts
    QM_CALC("34900"),   // donations and gifts credit
    QM_SIGNED("shared_donations"),         // a couple's joint gifts given to this spouse by the optimiser
    // A tax-planning total that replaces the eligible donations while it is set (0 included).
    QM_SIGNED("planned_donations"),
    QM_BOOL("donations_planned"),
    QM_AMT("33700"),   // gifts of capital property: the capital gain designated (Schedule 3)
    QM_AMT("33900"),   // gifts of certified cultural or ecological property: the gain
};

// ---- Schedule 11
const FieldSpec kSch11Fields[] = {
    // Tuition amount
    QM_AMT("unused_tuition_carryforward"),  // from the 2020 notice of assessment
    QM_CALC("32000"),                       // eligible tuition fees paid for 2021
    QM_CALC("total_available_tuition"),
    QM_CALC("taxable_income"),              // line 26000
    QM_CALC("credits_before_tuition"),      // the return's other credits used first
    QM_CALC("unused_tuition_claimed"),      // carried-forward amount claimed for 2021
    QM_CALC("current_tuition_claimed"),     // 2021 amount claimed for 2021
    QM_CALC("32300"),                       // tuition amount claimed
    QM_AMT("32700"),                        // amount transferred to a spouse, parent or grandparent
    QM_STR("transferred_to"),
    QM_CALC("tuition_carried_forward"),     // unused amount for future years
    // Canada training credit
    QM_AMT("ctc_limit"),                    // Canada training credit limit for 2021 (notice of assessment)
    QM_CALC("ctc_eligible_fees"),
    QM_CALC("45350"),                       // Canada training credit
};

// ---- Home accessibility expenses
const FieldSpec kSch12Fields[] = {
    QM_STR("qualifying_individual_name"),
    QM_STR("eligible_dwelling_address"),
    QM_BOOL("is_qualifying_individual"),    // 65 or older at the end of 2021, or eligible for the disability tax credit
    QM_ROWS("expenses.#.description", CField::String, 20),
    QM_ROWS("expenses.#.supplier", CField::String, 20),
    QM_ROWS("expenses.#.supplier_gst_number", CField::String, 20),
    QM_ROWS("expenses.#.date", CField::Date, 20),
    QM_AMT_ROWS("expenses.#.amount", 20),
    QM_CALC("total_expenses"),
    QM_AMT("claimed_by_others"),            // part of the same expenses claimed by another person
    QM_CALC("31285"),                       // at most 10,000
};

// ---- Schedule 13
const FieldSpec kSch13Fields[] = {
    QM_DATE("agreement_date"),              // the agreement with the Canada Employment Insurance Commission
    QM_CALC("self_employment_earnings"),
    QM_CALC("insurable_earnings"),          // at most the maximum insurable earnings
    QM_BOOL("resident_of_quebec"),          // the lower rate applies
    QM_CALC("31217"),                       // EI premiums on self-employment and other eligible earnings
    QM_CALC("42120"),                       // EI premiums payable
    QM_AMT("54493"),                        // employment income with PPIP premiums paid
    QM_AMT("54494"),                        // tax-exempt employment income with PPIP premiums paid
    QM_AMT("53550"),                        // self-employment earnings for special EI benefits
};

// ---- Schedule 14
const FieldSpec kSch14Fields[] = {
    QM_BOOL("rural_supplement"),            // resides outside a census metropolitan area
};

// ---- Schedule 1-A
const FieldSpec kSch1AFields[] = {
    QM_STR("spouse_sin"),
    QM_AMT("taxable_income"),
    QM_SIGNED("spouse_taxable_income"),
    QM_SIGNED("adjusted_taxable_income"),
    QM_SIGNED("spouse_adjusted_taxable_income"),
    QM_AMT("notional_tax"),
    QM_AMT("42300"),                        // family tax cut
};

// ---- Schedules A and B
const FieldSpec kSchABFields[] = {
    // A: Statement of World Income
    QM_CALC("canadian_net_income"),         // line 23600
    QM_AMT("foreign_employment_income"),
    QM_AMT("foreign_pension_income"),
    QM_AMT("foreign_business_income"),
    QM_AMT("foreign_investment_income"),
    QM_AMT("foreign_capital_gains"),
    QM_AMT("other_foreign_income"),
    QM_STR("other_foreign_income_description"),
    QM_AMT("foreign_deductions"),
    QM_CALC("foreign_net_income"),
    QM_CALC("net_world_income"),
    // B: Allowable Amount of Non-Refundable Tax Credits
    QM_CALC("canadian_income_percentage"),  // net income in Canada as a share of net world income
    QM_CALC("credits_always_allowed"),      // the credits allowed whatever the share
    QM_CALC("credits_allowed_at_90_percent"),
    QM_CALC("allowable_credits"),           // carried to line 35000
};

// ---- Schedule C
const FieldSpec kSchCFields[] = {
    // Part 1: eligible section 217 income, one row per kind of income as the
    // schedule lists them (old age security pension, CPP or QPP benefits,
    // other pensions, RRSP, PRPP and RRIF payments, death benefits, EI
    // benefits, retiring allowances, and the others).
    QM_AMT_ROWS("section217_income.#.amount", 14),
    QM_AMT_ROWS("section217_income.#.tax_rate", 14),   // non-resident tax rate, per cent
    QM_CALC_ROWS("section217_income.#.tax", 14),                   // non-resident tax withheld at that rate
    QM_CALC("total_section217_income"),
    QM_CALC("total_non_resident_tax"),
    QM_AMT("section217_deductions"),        // deductions of the return that apply only to that income
    QM_CALC("net_section217_income"),
    // Part 2: the tax adjustment
    QM_CALC("taxable_income_with_section217"),
    QM_CALC("tax_on_taxable_income"),
    QM_CALC("allowable_credits"),
    QM_CALC("41450"),                       // section 217 tax adjustment
};

#undef QM_CALC_INT
#undef QM_CALC_ROWS

} // namespace

TaxData_Sch1_Old::TaxData_Sch1_Old() : TableForm(FROM_FORM, FormType::Schedule1, {fieldTable(kSch1OldFields)}, {kSch1OldLayout}) {}
TaxData_Sch2::TaxData_Sch2() : TableForm(FROM_FORM, FormType::Schedule2, {fieldTable(kSch2Fields)}, {kSch2Layout}) {}
CTaxData_Schedule_3::CTaxData_Schedule_3() : TableForm(FROM_FORM, FormType::Schedule3, {fieldTable(kSch3Fields)}, {kSch3Layout}) {}

int CTaxData_Schedule_3::AllocateMoreEquityEntries(int rows)
{
    const int wanted = std::min(rows, kMaxShareRows);
    if (wanted > m_shareRows) {
        addRows(fieldTable(kSch3Fields), "shares.#.", m_shareRows + 1, wanted);
        m_shareRows = wanted;
    }
    return m_shareRows;
}

CField* CTaxData_Schedule_3::growField(const CString& name)
{
    static const QByteArray prefix("shares.");
    const QByteArray bytes = name.bytes();
    if (!bytes.startsWith(prefix)) return nullptr;
    const int dot = bytes.indexOf('.', prefix.size());
    bool number = false;
    const int row = bytes.mid(prefix.size(), dot - prefix.size()).toInt(&number);
    if (dot < 0 || !number || row <= m_shareRows || row > kMaxShareRows) return nullptr;
    AllocateMoreEquityEntries(row);
    return field(name);
}
TaxData_Sch4::TaxData_Sch4() : TableForm(FROM_FORM, FormType::Schedule4, {fieldTable(kSch4Fields)}, {kSch4Layout}) {}
TaxData_Sch5::TaxData_Sch5() : TableForm(FROM_FORM, FormType::Schedule5, {fieldTable(kSch5Fields)}, {kSch5Layout}) {}
TaxData_Sch6::TaxData_Sch6() : TableForm(FROM_FORM, FormType::Schedule6, {fieldTable(kSch6Fields)}, {kSch6Layout}) {}
TaxData_Sch7::TaxData_Sch7() : TableForm(FROM_FORM, FormType::Schedule7, {fieldTable(kSch7Fields)}, {kSch7Layout}) {}
TaxData_Sch8::TaxData_Sch8() : TableForm(FROM_FORM, FormType::Schedule8Before2014, {fieldTable(kSch8Fields)}, {kSch8Layout}) {}
TaxData_Sch8_14::TaxData_Sch8_14() : TableForm(FROM_FORM, FormType::Schedule8, {fieldTable(kSch8_14Fields)}, {kSch8_14Layout}) {}
double TaxData_Sch8_14::getEmpUnderDeduction() const
{
    return qMax(0.0, getFloat("contributions_required") - getFloat("50340"));
}

TaxData_Sch9::TaxData_Sch9() : TableForm(FROM_FORM, FormType::Schedule9, {fieldTable(kSch9Fields)}, {kSch9Layout}) {}
TaxData_Sch11::TaxData_Sch11() : TableForm(FROM_FORM, FormType::Schedule11, {fieldTable(kSch11Fields)}, {kSch11Layout}) {}
TaxData_Sch12_2016::TaxData_Sch12_2016() : TableForm(FROM_FORM, FormType::Schedule12, {fieldTable(kSch12Fields)}, {kSch12Layout}) {}
TaxData_Sch13::TaxData_Sch13() : TableForm(FROM_FORM, FormType::Schedule13, {fieldTable(kSch13Fields)}, {kSch13Layout}) {}
TaxData_Sch14::TaxData_Sch14() : TableForm(FROM_FORM, FormType::Schedule14, {fieldTable(kSch14Fields)}, {kSch14Layout}) {}
TaxData_Sch1A::TaxData_Sch1A() : TableForm(FROM_FORM, FormType::Schedule1A, {fieldTable(kSch1AFields)}, {kSch1ALayout}) {}
TaxData_SchA_B::TaxData_SchA_B() : TableForm(FROM_FORM, FormType::ScheduleAB, {fieldTable(kSchABFields)}, {kSchABLayout}) {}
TaxData_SchC::TaxData_SchC() : TableForm(FROM_FORM, FormType::ScheduleC, {fieldTable(kSchCFields)}, {kSchCLayout}) {}

// ---------------------------------------------------------------- calculations

namespace {

// Personal-use and listed personal property: cost and proceeds each count
// as at least the 2021 floor.
using Federal2021::kPersonalUseFloor;

struct Section
{
    const char* group;
    int rows;                    // 0: the schedule's share rows, which grow
    const char* proceedsTotal;   // null where the schedule prints none
    const char* gainTotal;
};

const Section kSch3Sections[] = {
    {"qsbc_shares", 10, "10699", "10700"},
    {"farm_fishing", 10, "10999", "11000"},
    {"farm_fishing_foreclosures", 5, "12399", "12400"},
    {"shares", 0, "13199", "13200"},
    {"real_estate", 10, "13599", "13800"},
    {"bonds", 10, "15199", "15300"},
    {"other_foreclosures", 5, "15499", "15500"},
};

CString column(const char* group, const char* name, int row)
{
    return TableForm::rowField((CString(group) + ".#." + name).c_str(), row);
}

// One row's gain; personal property with the $1,000 floor.
double rowGain(CTaxData_Form& f, const char* group, int row, bool personal)
{
    double proceeds = f.getFloat(column(group, "proceeds", row));
    double cost = f.getFloat(column(group, "adjusted_cost_base", row));
    const double outlays = f.getFloat(column(group, "outlays", row));
    const bool used = std::fabs(proceeds) >= CFloatField::kTolerance || std::fabs(cost) >= CFloatField::kTolerance;
    if (personal && used) {
        proceeds = qMax(proceeds, kPersonalUseFloor);
        cost = qMax(cost, kPersonalUseFloor);
    }
    const double gain = used ? proceeds - cost - outlays : 0.0;
    f.setFloat(column(group, "gain", row), gain);
    return gain;
}

} // namespace

int CTaxData_Schedule_3::principalResidenceRowsFilled() const
{
    int filled = 0;
    for (int row = 1; row <= kPrincipalResidenceRows; ++row) {
        const bool any = !getString(column("principal_residence", "description", row)).Trim().IsEmpty()
                         || getInt(column("principal_residence", "year_of_acquisition", row)) != 0
                         || std::fabs(getFloat(column("principal_residence", "proceeds", row))) >= 0.009;
        if (any) ++filled;
    }
    return filled;
}

void CTaxData_Schedule_3::CalculateBeforeLine193(double reserves)
{
    for (const Section& section : kSch3Sections) {
        double proceeds = 0.0, gain = 0.0;
        const int rows = section.rows > 0 ? section.rows : m_shareRows;
        for (int row = 1; row <= rows; ++row) {
            proceeds += getFloat(column(section.group, "proceeds", row));
            gain += rowGain(*this, section.group, row, false);
        }
        if (CString(section.gainTotal) == "13800") gain += getFloat("principal_residence_gain");
        setFloat(section.proceedsTotal, proceeds);
        setFloat(section.gainTotal, gain);
    }
    // Personal-use property: its losses are not deductible.
    double personal = 0.0;
    for (int row = 1; row <= 10; ++row) personal += qMax(0.0, rowGain(*this, "personal_use", row, true));
    setFloat("15800", personal);
    // Listed personal property: losses only reduce its own gains, of this
    // year and of other years.
    double listed = 0.0;
    for (int row = 1; row <= 10; ++row) listed += rowGain(*this, "listed_personal", row, true);
    setFloat("15900", qMax(0.0, listed - getFloat("unapplied_lpp_losses")));

    double total = getFloat("15800") + getFloat("15900") + getFloat("17400") + getFloat("17600") - getFloat("16100")
                   - getFloat("17800");
    for (const Section& section : kSch3Sections) total += getFloat(section.gainTotal);
    setFloat("19100", total);
    setFloat("19200", reserves);
}

void CTaxData_Schedule_3::CalculateToEnd()
{
    setFloat("19700", getFloat("19100") + getFloat("19200"));
    // The taxable half is rounded to the cent like every line the form fills.
    setFloat("19900", Federal2021::taxableCapitalGain(getFloat("19700")));
    setFloat("12700", qMax(0.0, getFloat("19900")));
}

double CTaxData_Schedule_3::getMortgageForClosureAndConditionSale() const
{
    return getFloat("12400") + getFloat("15500");
}

int TaxData_Sch4::Calculate01()
{
    double eligible = getFloat("slip_eligible_dividends"), other = getFloat("slip_other_dividends");
    double interest = getFloat("slip_interest"), charges = getFloat("slip_carrying_charges");
    for (int row = 1; row <= 20; ++row) {
        eligible += getFloat(rowField("dividends.#.eligible_amount", row));
        other += getFloat(rowField("dividends.#.other_amount", row));
        interest += getFloat(rowField("interest.#.amount", row));
        charges += getFloat(rowField("carrying_charges.#.amount", row));
    }
    setFloat("12010", other);
    setFloat("12000", eligible + other);
    setFloat("12100", interest);
    setFloat("22100", charges);
    return 0;
}

void TaxData_Sch4::resetSlipAmounts()
{
    for (int row = 1; row <= kT5InterestRows; ++row) {
        setString(rowField("t5_interest.#.payer", row), CString());
        setFloat(rowField("t5_interest.#.amount", row), 0.0);
    }
    for (int row = 1; row <= kT5DividendRows; ++row) {
        setString(rowField("t5_dividends.#.payer", row), CString());
        setFloat(rowField("t5_dividends.#.amount", row), 0.0);
    }
    for (const char* name : {"t5_interest_other_payers", "t5_dividends_other_payers", "slip_eligible_dividends",
                             "slip_other_dividends", "slip_interest", "slip_carrying_charges"})
        setFloat(name, 0.0);
}
