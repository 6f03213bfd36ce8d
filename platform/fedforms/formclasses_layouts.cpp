#include "formclasses_layouts.h"

namespace {

// Form types the pages offer to go to.
constexpr int kFormT936 = 32;

// The editor's events the pages' buttons post.
constexpr int kGoToForm = 1235;
constexpr int kT183RequestSignature = 1831;
constexpr int kT183SignatureStatus = 1832;
constexpr int kRC71RequestSignature = 1871;
constexpr int kRC71SignatureStatus = 1872;
constexpr int kCopyPreparer = 5000;

// ---- RC71

constexpr LayoutRow kRC71Rows[] = {
    QL_PAGE("RC71"),
    QL_SECTION("Part 1 – Discounter information"),
    QL_ACTION("Copy the preparer's information", kCopyPreparer, 0),
    QL_LINE("discounter_name", nullptr, "Name of discounter"),
    QL_LINE("discounter_code", nullptr, "Discounter registration number"),
    QL_LINE("discounter_address", nullptr, "Address"),
    QL_LINE("discounter_phone", nullptr, "Telephone number"),
    QL_SECTION("Part 2 – Client information"),
    QL_LINE("client_first_name", nullptr, "First name"),
    QL_LINE("client_last_name", nullptr, "Last name"),
    QL_LINE("client_sin", nullptr, "Social insurance number"),
    QL_LINE("client_address", nullptr, "Address"),
    QL_LINE("client_phone", nullptr, "Telephone number"),
    QL_SECTION("Part 3 – Discounting transaction"),
    QL_LINE("transaction_date", nullptr, "Date of the transaction"),
    QL_LINE("expected_refund", nullptr, "Amount of the expected refund"),
    QL_LINE("amount_paid", nullptr, "Amount paid to the client"),
    QL_LINE("discount", nullptr, "Discount (expected refund minus the amount paid)"),
    QL_LINE("max_discount", nullptr, "Maximum discount allowed"),
    QL_SECTION("Signature"),
    QL_ACTION("Request the client's electronic signature", kRC71RequestSignature, 0),
    QL_ACTION("Electronic signature status", kRC71SignatureStatus, 0),
    // The full name is composed from the first and last names shown above.
    QL_HIDDEN("client_name"),
    // The e-signature service records these; the status button shows them.
    QL_HIDDEN("is_signed"),
    QL_HIDDEN("esignature"),
};

// ---- T1ADJ

constexpr LayoutRow kT1ADJRows[] = {
    QL_PAGE("T1ADJ"),
    QL_SECTION("Area A – Identification"),
    QL_LINE("tax_year", nullptr, "Tax year you want to change"),
    QL_LINE("taxpayer_name", nullptr, "Last name, first name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("phone", nullptr, "Telephone number"),
    QL_LINE("efile_number", nullptr, "EFILE number"),
    QL_SECTION("Area B – Details of requested changes"),
    QL_TABLE("adjustments", "Changes"),
    QL_COLUMN("adjustments.#.line", "Line number"),
    QL_COLUMN("adjustments.#.description", "Name of line"),
    QL_COLUMN("adjustments.#.previous_amount", "Previous amount"),
    QL_COLUMN("adjustments.#.change", "Amount of change (decrease as a negative)"),
    QL_COLUMN("adjustments.#.revised_amount", "Revised amount"),
    QL_LINE("explanation", nullptr, "Explanation of the changes"),
    QL_SECTION("Area C – Signature"),
    QL_LINE("date", nullptr, "Date"),
};

// ---- T2205

constexpr LayoutRow kT2205Rows[] = {
    QL_PAGE("T2205"),
    QL_SECTION("Area I – Identification"),
    QL_LINE("is_contributor", nullptr, "I am the contributor (I made the spousal or common-law partner contributions)"),
    QL_LINE("annuitant_name", nullptr, "Name of the annuitant"),
    QL_LINE("annuitant_sin", nullptr, "Annuitant's social insurance number"),
    QL_LINE("contributor_name", nullptr, "Name of the contributor"),
    QL_LINE("contributor_sin", nullptr, "Contributor's social insurance number"),
    QL_SECTION("Area II – Amounts received"),
    QL_CHOICE("plan_kind", nullptr, "Type of plan", "0=RRSP|1=RRIF|2=SPP"),
    QL_LINE("withdrawal", nullptr, "Amount received from the plan in 2021"),
    QL_LINE("rrif_minimum", nullptr, "Minimum amount for 2021 (RRIF only)"),
    QL_LINE("tax_deducted", nullptr, "Income tax deducted"),
    QL_SECTION("Area III – Contributions to spousal or common-law partner plans"),
    QL_LINE("contributions_2019", nullptr, "Contributions made in 2019"),
    QL_LINE("contributions_2020", nullptr, "Contributions made in 2020"),
    QL_LINE("contributions_2021", nullptr, "Contributions made in 2021"),
    QL_SECTION("Area IV – Amounts to include in income"),
    QL_LINE("contributor_income", nullptr, "Amount the contributor includes in income"),
    QL_LINE("contributor_tax_deducted", nullptr, "Income tax deducted the contributor claims"),
    QL_LINE("annuitant_income", nullptr, "Amount the annuitant includes in income"),
    QL_LINE("annuitant_tax_deducted", nullptr, "Income tax deducted the annuitant claims"),
};

// ---- RC59

constexpr LayoutRow kRC59Rows[] = {
    QL_PAGE("RC59"),
    QL_SECTION("Part 1 – Business information"),
    QL_LINE("business_name", nullptr, "Business name"),
    QL_LINE("business_number", nullptr, "Business number (BN)"),
    QL_SECTION("Part 2 – Program accounts"),
    QL_LINE("all_program_accounts", nullptr, "All program accounts"),
    QL_TABLE("program_accounts", "Program accounts"),
    QL_COLUMN("program_accounts.#.identifier", "Program identifier and reference number"),
    QL_SECTION("Part 3 – Representative information"),
    QL_LINE("representative_name", nullptr, "Name of the individual"),
    QL_LINE("representative_firm", nullptr, "Name of the firm"),
    QL_LINE("representative_business_number", nullptr, "Business number of the firm"),
    QL_LINE("representative_address", nullptr, "Address"),
    QL_LINE("representative_phone", nullptr, "Telephone number"),
    QL_SECTION("Part 4 – Authorization"),
    QL_CHOICE("access_level", nullptr, "Level of authorization",
              "0=Level 1 – Disclose information|1=Level 2 – Disclose and update information"),
    QL_LINE("expiry_date", nullptr, "Expiry date"),
    QL_SECTION("Part 5 – Certification"),
    QL_LINE("authorizing_name", nullptr, "Name of authorized person"),
    QL_LINE("authorizing_title", nullptr, "Title"),
    QL_LINE("authorizing_phone", nullptr, "Telephone number"),
    QL_LINE("date", nullptr, "Date"),
};

// ---- RC59X

constexpr LayoutRow kRC59XRows[] = {
    QL_PAGE("RC59X"),
    QL_SECTION("Part 1 – Business information"),
    QL_LINE("business_name", nullptr, "Business name"),
    QL_LINE("business_number", nullptr, "Business number (BN)"),
    QL_SECTION("Part 2 – Cancel authorization or consent"),
    QL_LINE("cancel_all", nullptr, "Cancel all authorizations and consents"),
    QL_LINE("program_account", nullptr, "Program account"),
    QL_LINE("representative_name", nullptr, "Name of the individual"),
    QL_LINE("representative_firm", nullptr, "Name of the firm"),
    QL_LINE("representative_business_number", nullptr, "Business number of the firm"),
    QL_SECTION("Part 3 – Certification"),
    QL_LINE("authorizing_name", nullptr, "Name of authorized person"),
    QL_LINE("authorizing_title", nullptr, "Title"),
    QL_LINE("authorizing_phone", nullptr, "Telephone number"),
    QL_LINE("date", nullptr, "Date"),
};

// ---- T1044

constexpr LayoutRow kT1044Rows[] = {
    QL_PAGE("Identification"),
    QL_SECTION("Part 1 – Identification"),
    QL_LINE("npo_name", nullptr, "Name of organization"),
    QL_LINE("business_number", nullptr, "Business number (BN)"),
    QL_LINE("trust_account_number", nullptr, "Trust account number"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("province", nullptr, "Province or territory"),
    QL_LINE("postal_code", nullptr, "Postal code"),
    QL_LINE("fiscal_period_start", nullptr, "Fiscal period from"),
    QL_LINE("fiscal_period_end", nullptr, "Fiscal period to"),
    QL_LINE("is_first_return", nullptr, "This is the first return the organization files"),
    QL_LINE("is_final_return", nullptr, "This is the final return the organization files"),
    QL_LINE("npo_kind", nullptr, "Type of non-profit organization (code)"),
    QL_LINE("activities", nullptr, "Description of the organization's activities"),

    QL_PAGE("Financial information"),
    QL_SECTION("Part 2 – Receipts"),
    QL_LINE("membership_fees", nullptr, "Membership dues, fees, and assessments"),
    QL_LINE("gifts", nullptr, "Gifts"),
    QL_LINE("government_grants", nullptr, "Federal, provincial, and municipal grants and payments"),
    QL_LINE("investment_income", nullptr, "Interest, taxable dividends, rentals, and royalties received"),
    QL_LINE("sales_revenue", nullptr, "Proceeds from sales"),
    QL_LINE("rental_income", nullptr, "Rental income"),
    QL_LINE("other_receipts", nullptr, "Other receipts"),
    QL_LINE("total_receipts", nullptr, "Total receipts"),
    QL_SECTION("Part 3 – Expenditures"),
    QL_LINE("salaries", nullptr, "Salaries, wages, and benefits"),
    QL_LINE("remuneration_members", nullptr, "Payments to members, officers, or directors"),
    QL_LINE("other_expenses", nullptr, "Other expenditures"),
    QL_LINE("total_expenses", nullptr, "Total expenditures"),
    QL_SECTION("Part 4 – Assets and liabilities"),
    QL_LINE("total_assets", nullptr, "Total assets"),
    QL_LINE("total_liabilities", nullptr, "Total liabilities"),
    QL_LINE("amounts_receivable_members", nullptr, "Amounts receivable from members, officers, or directors"),
    QL_SECTION("Contact and certification"),
    QL_LINE("contact_name", nullptr, "Name of the contact person"),
    QL_LINE("contact_phone", nullptr, "Telephone number"),
    QL_LINE("certifier_name", nullptr, "Name of authorized officer"),
    QL_LINE("certifier_title", nullptr, "Position or office"),
    QL_LINE("date", nullptr, "Date"),
};

// ---- T183

constexpr LayoutRow kT183Rows[] = {
    QL_PAGE("Parts A and B"),
    QL_SECTION("Part A – Identification and address as shown on your tax return"),
    QL_LINE("first_name", nullptr, "First name"),
    QL_LINE("last_name", nullptr, "Last name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("address", nullptr, "Mailing address"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("province", nullptr, "Province or territory"),
    QL_LINE("postal_code", nullptr, "Postal code"),
    QL_LINE("phone", nullptr, "Telephone number"),
    QL_SECTION("Get your CRA mail electronically delivered in My Account (optional)"),
    QL_LINE("online_mail", nullptr, "Register me to receive email notifications from the CRA"),
    QL_LINE("email", nullptr, "Email address"),
    QL_SECTION("Part B – Declaration of amounts from your Income Tax and Benefit Return"),
    QL_LINE("15000", "15000", "Total income"),
    QL_LINE("23600", "23600", "Net income"),
    QL_LINE("26000", "26000", "Taxable income"),
    QL_LINE("48400", "48400", "Refund"),
    QL_LINE("48500", "48500", "Balance owing"),
    QL_CHOICE("has_direct_deposit", nullptr, "Your return includes a direct deposit request", "0=No|1=Yes"),

    QL_PAGE("Parts C to F"),
    QL_SECTION("Part C – Electronic filer identification"),
    QL_ACTION("Copy the preparer's information", kCopyPreparer, 0),
    QL_LINE("preparer_name", nullptr, "Name of person or firm"),
    QL_LINE("efile_number", nullptr, "Electronic filer number"),
    QL_LINE("rep_id", nullptr, "RepID"),
    QL_LINE("return_control_number", nullptr, "Document control number"),
    QL_SECTION("Part D – Consent for the CRA to communicate with your electronic filer (optional)"),
    // The values are those of the preparer's settings: 0 the preparer, 1 the taxpayer.
    QL_CHOICE("pre_assessment", nullptr, "Pre-assessment review: the CRA contacts",
              "-1=Not chosen|0=My electronic filer|1=Me"),
    QL_CHOICE("post_assessment", nullptr, "Post-assessment review: the CRA contacts",
              "-1=Not chosen|0=My electronic filer|1=Me"),
    QL_SECTION("Part E – Authorization for online access by your electronic filer (optional)"),
    QL_LINE("is_representative_authorized", nullptr,
            "I authorize my electronic filer to access my tax information online"),
    QL_LINE("authorization_expiry_date", nullptr, "Expiry date of the authorization"),
    QL_LINE("online_notice_of_assessment", nullptr,
            "I authorize my electronic filer to receive my notice of assessment online"),
    QL_SECTION("Part F – Declaration and signature"),
    QL_LINE("date", nullptr, "Date signed"),
    QL_ACTION("Request the taxpayer's electronic signature", kT183RequestSignature, 0),
    QL_ACTION("Electronic signature status", kT183SignatureStatus, 0),
    // The preparer's password never shows on a page or in print.
    QL_HIDDEN("efile_password"),
    // The e-signature service records these; the status button shows them.
    QL_HIDDEN("is_esigned"),
    QL_HIDDEN("esignature"),
    QL_HIDDEN("signed_time"),
};

// ---- T185

constexpr LayoutRow kT185Rows[] = {
    QL_PAGE("T185"),
    QL_SECTION("Identification"),
    QL_LINE("first_name", nullptr, "First name"),
    QL_LINE("last_name", nullptr, "Last name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("province", nullptr, "Province or territory"),
    QL_LINE("postal_code", nullptr, "Postal code"),
    QL_LINE("phone", nullptr, "Telephone number"),
    QL_SECTION("Bank account"),
    QL_LINE("branch_number", nullptr, "Branch number"),
    QL_LINE("institution_number", nullptr, "Institution number"),
    QL_LINE("account_number", nullptr, "Account number"),
    QL_LINE("account_holder", nullptr, "Name of the account holder"),
    QL_SECTION("Payment"),
    QL_CHOICE("amount_choice", nullptr, "Amount to withdraw",
              "0=The balance owing on my return|1=The amount below"),
    QL_LINE("balance_owing", "48500", "Balance owing"),
    QL_LINE("payment_amount", nullptr, "Amount of the payment"),
    QL_LINE("payment_date", nullptr, "Date of the withdrawal"),
    QL_SECTION("Electronic filer"),
    QL_ACTION("Copy the preparer's information", kCopyPreparer, 0),
    QL_LINE("preparer_name", nullptr, "Name of the electronic filer"),
    QL_LINE("efile_number", nullptr, "EFILE number"),
    QL_LINE("rep_id", nullptr, "RepID"),
    QL_LINE("date", nullptr, "Date of the agreement"),
    // The preparer's password never shows on a page or in print.
    QL_HIDDEN("efile_password"),
    // What sending the agreement recorded.
    QL_HIDDEN("signed_time"),
    QL_HIDDEN("filing_confirmation"),
    QL_HIDDEN("note"),
};

// ---- T657

constexpr LayoutRow kT657Rows[] = {
    QL_PAGE("Parts 1 and 2 – Gains limits"),
    QL_SECTION("Part 1 – Calculating your annual gains limit for 2021"),
    QL_LINE("qsbc_gains", nullptr, "Taxable capital gains on qualified small business corporation shares"),
    QL_LINE("qffp_gains", nullptr, "Taxable capital gains on qualified farm or fishing property"),
    QL_LINE("reserves", nullptr, "Reserves from Form T2017 brought into income for those properties"),
    QL_LINE("net_taxable_capital_gains", nullptr, "2021 eligible taxable capital gains"),
    QL_LINE("net_capital_losses_applied", "25300", "Net capital losses of other years deducted in 2021"),
    QL_LINE("allowable_business_investment_losses", "21700", "Allowable business investment losses"),
    QL_LINE("annual_gains_limit", nullptr, "Annual gains limit for 2021"),
    QL_SECTION("Part 2 – Calculating your cumulative gains limit at the end of 2021"),
    QL_LINE("prior_deductions", nullptr, "Capital gains deductions claimed in previous years"),
    QL_LINE("prior_abil", nullptr, "Allowable business investment losses of previous years"),
    QL_LINE("prior_net_capital_losses", nullptr, "Net capital losses of other years deducted in previous years"),
    QL_LINE("cnil", nullptr, "Cumulative net investment loss (CNIL) at the end of 2021 (Form T936)"),
    QL_ACTION("Go to Form T936", kGoToForm, kFormT936),
    QL_LINE("cumulative_gains_limit", nullptr, "Cumulative gains limit at the end of 2021"),

    QL_PAGE("Part 3 – Capital gains deduction"),
    QL_SECTION("Part 3 – Calculating your capital gains deduction for 2021"),
    QL_LINE("lifetime_limit_qffp", nullptr, "Unused lifetime limit for qualified farm or fishing property"),
    QL_LINE("lifetime_limit_qsbc", nullptr, "Unused lifetime limit for qualified small business corporation shares"),
    QL_LINE("deduction_limit", nullptr, "Capital gains deduction available"),
    QL_LINE("claim_reduced", nullptr, "I claim less than the capital gains deduction available"),
    QL_LINE("claim_amount", nullptr, "Amount I claim"),
    QL_LINE("deduction", "25400", "Capital gains deduction"),
};

// ---- T746

constexpr LayoutRow kT746Rows[] = {
    QL_PAGE("T746"),
    QL_LINE("refund_of_undeducted", nullptr, "Refund of unused contributions received in 2021"),
    QL_LINE("undeducted_start", nullptr, "Unused contributions at the end of 2020"),
    QL_LINE("contributions", nullptr, "Contributions made in 2021"),
    QL_LINE("contributions_deducted", nullptr, "Contributions deducted for 2021"),
    QL_LINE("undeducted_available", nullptr, "Unused contributions available"),
    QL_LINE("deduction", "23200", "Deduction for the refund of unused contributions"),
};

// ---- T936

constexpr LayoutRow kT936Rows[] = {
    QL_PAGE("T936"),
    QL_SECTION("Part 1 – Investment expenses"),
    QL_LINE("investment_expenses", nullptr, "Investment expenses claimed in 2021"),
    QL_LINE("68080", "68080", "Other investment expenses"),
    QL_LINE("investment_expenses_prior", nullptr, "Investment expenses claimed in previous years"),
    QL_SECTION("Part 2 – Investment income"),
    QL_LINE("investment_income", nullptr, "Investment income reported in 2021"),
    QL_LINE("68100", "68100", "Net rental income"),
    QL_LINE("68110", "68110", "Income from limited partnerships"),
    QL_LINE("68140", "68140", "Capital gains from T3 slips (Schedule 3, line 17600)"),
    QL_LINE("68150", "68150", "Other investment income"),
    QL_LINE("investment_income_prior", nullptr, "Investment income reported in previous years"),
    QL_SECTION("Part 3 – Cumulative net investment loss"),
    QL_LINE("cnil_prior", nullptr, "CNIL at December 31, 2020"),
    QL_LINE("cnil", nullptr, "CNIL at December 31, 2021"),
};

// ---- T1013

constexpr LayoutRow kT1013Rows[] = {
    QL_PAGE("T1013"),
    QL_SECTION("Part 1 – Individual information"),
    QL_LINE("first_name", nullptr, "First name"),
    QL_LINE("last_name", nullptr, "Last name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("phone", nullptr, "Telephone number"),
    QL_SECTION("Part 2 – Representative information"),
    QL_LINE("representative_name", nullptr, "Name of individual"),
    QL_LINE("rep_id", nullptr, "RepID"),
    QL_LINE("group_id", nullptr, "GroupID"),
    QL_LINE("business_number", nullptr, "Business number (BN)"),
    QL_SECTION("Part 3 – Authorization"),
    QL_CHOICE("access_level", nullptr, "Level of authorization",
              "1=Level 1 – View information|2=Level 2 – View and change information"),
    QL_LINE("all_years", nullptr, "All tax years"),
    QL_LINE("from_year", nullptr, "From tax year"),
    QL_LINE("to_year", nullptr, "To tax year"),
    QL_LINE("expiry_date", nullptr, "Expiry date"),
    QL_SECTION("Part 4 – Cancel one or more authorizations"),
    QL_LINE("cancel_all", nullptr, "Cancel all existing authorizations"),
    QL_LINE("cancel_this", nullptr, "Cancel the authorization of the representative named above"),
    QL_SECTION("Part 5 – Signature"),
    QL_LINE("date", nullptr, "Date"),
    // The full name is composed from the first and last names shown above.
    QL_HIDDEN("taxpayer_name"),
    // What filing the authorization recorded.
    QL_HIDDEN("filing_status"),
    QL_HIDDEN("filing_time"),
    QL_HIDDEN("filing_confirmation"),
    QL_HIDDEN("filing_error"),
};

// ---- T1135

constexpr LayoutRow kT1135Rows[] = {
    QL_PAGE("Identification"),
    QL_SECTION("Identification"),
    QL_CHOICE("reporter_kind", nullptr, "Reporting entity", "0=Individual|1=Corporation|2=Trust|3=Partnership"),
    QL_LINE("first_name", nullptr, "First name"),
    QL_LINE("last_name", nullptr, "Last name"),
    QL_LINE("sin", nullptr, "Social insurance number"),
    QL_LINE("account_number", nullptr, "Business number or trust account number"),
    QL_LINE("address", nullptr, "Address"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("province", nullptr, "Province or territory"),
    QL_LINE("postal_code", nullptr, "Postal code"),
    QL_LINE("country", nullptr, "Country code"),
    QL_CHOICE("self_employment_code", nullptr, "Is the individual self-employed?", "1=Yes|2=No"),
    QL_LINE("functional_currency", nullptr, "Functional currency code (blank for Canadian dollars)"),
    QL_LINE("tax_year_start", nullptr, "Tax year from"),
    QL_LINE("tax_year_end", nullptr, "Tax year to"),
    QL_LINE("is_amended", nullptr, "This is an amended form"),
    QL_CHOICE("method", nullptr, "Reporting method",
              "0=Part A – Simplified reporting method|1=Part B – Detailed reporting method"),

    QL_PAGE("Part A – Simplified"),
    QL_SECTION("Part A – Simplified reporting method: types of property held"),
    QL_LINE("simplified_funds", nullptr, "Funds held outside Canada"),
    QL_LINE("simplified_shares", nullptr, "Shares of non-resident corporations (other than foreign affiliates)"),
    QL_LINE("simplified_debts", nullptr, "Indebtedness owed by non-resident"),
    QL_LINE("simplified_trusts", nullptr, "Interests in non-resident trusts"),
    QL_LINE("simplified_real_property", nullptr,
            "Real property outside Canada (other than personal use and real estate used in an active business)"),
    QL_LINE("simplified_other", nullptr, "Other property outside Canada"),
    QL_LINE("simplified_dealer", nullptr,
            "Property held in an account with a Canadian registered securities dealer or a Canadian trust company"),
    QL_TABLE("simplified_countries", "Countries"),
    QL_COLUMN("simplified_countries.#.country", "Country code"),
    QL_LINE("simplified_income", nullptr, "Income from all specified foreign property"),
    QL_LINE("simplified_gain", nullptr, "Gain (loss) from the disposition of all specified foreign property"),

    QL_PAGE("Part B – Categories 1 to 3"),
    QL_SECTION("Part B – Detailed reporting method"),
    QL_TABLE("funds", "1. Funds held outside Canada"),
    QL_COLUMN("funds.#.description", "Name of bank or other entity holding the funds"),
    QL_COLUMN("funds.#.country", "Country code"),
    QL_COLUMN("funds.#.max_cost", "Maximum funds held during the year"),
    QL_COLUMN("funds.#.cost_year_end", "Funds held at year end"),
    QL_COLUMN("funds.#.income", "Income"),
    QL_COLUMN("funds.#.gain", "Gain (loss) on disposition"),
    QL_TABLE("shares", "2. Shares of non-resident corporations (other than foreign affiliates)"),
    QL_COLUMN("shares.#.description", "Name of corporation"),
    QL_COLUMN("shares.#.country", "Country code"),
    QL_COLUMN("shares.#.max_cost", "Maximum cost amount during the year"),
    QL_COLUMN("shares.#.cost_year_end", "Cost amount at year end"),
    QL_COLUMN("shares.#.income", "Income (loss)"),
    QL_COLUMN("shares.#.gain", "Gain (loss) on disposition"),
    QL_TABLE("debts", "3. Indebtedness owed by non-resident"),
    QL_COLUMN("debts.#.description", "Description of indebtedness"),
    QL_COLUMN("debts.#.country", "Country code"),
    QL_COLUMN("debts.#.max_cost", "Maximum cost amount during the year"),
    QL_COLUMN("debts.#.cost_year_end", "Cost amount at year end"),
    QL_COLUMN("debts.#.income", "Income (loss)"),
    QL_COLUMN("debts.#.gain", "Gain (loss) on disposition"),

    QL_PAGE("Part B – Categories 4 to 7"),
    QL_TABLE("trusts", "4. Interests in non-resident trusts"),
    QL_COLUMN("trusts.#.description", "Name of trust"),
    QL_COLUMN("trusts.#.country", "Country code"),
    QL_COLUMN("trusts.#.max_cost", "Maximum cost amount during the year"),
    QL_COLUMN("trusts.#.cost_year_end", "Cost amount at year end"),
    QL_COLUMN("trusts.#.income", "Income received"),
    QL_COLUMN("trusts.#.capital_received", "Capital received"),
    QL_COLUMN("trusts.#.gain", "Gain (loss) on disposition"),
    QL_TABLE("real_property", "5. Real property outside Canada"),
    QL_COLUMN("real_property.#.description", "Description of property"),
    QL_COLUMN("real_property.#.country", "Country code"),
    QL_COLUMN("real_property.#.max_cost", "Maximum cost amount during the year"),
    QL_COLUMN("real_property.#.cost_year_end", "Cost amount at year end"),
    QL_COLUMN("real_property.#.income", "Income (loss)"),
    QL_COLUMN("real_property.#.gain", "Gain (loss) on disposition"),
    QL_TABLE("other_property", "6. Other property outside Canada"),
    QL_COLUMN("other_property.#.description", "Description of property"),
    QL_COLUMN("other_property.#.country", "Country code"),
    QL_COLUMN("other_property.#.max_cost", "Maximum cost amount during the year"),
    QL_COLUMN("other_property.#.cost_year_end", "Cost amount at year end"),
    QL_COLUMN("other_property.#.income", "Income (loss)"),
    QL_COLUMN("other_property.#.gain", "Gain (loss) on disposition"),
    QL_TABLE("dealer_accounts",
             "7. Property held in an account with a Canadian registered securities dealer or a Canadian trust company"),
    QL_COLUMN("dealer_accounts.#.description", "Name of registered security dealer or Canadian trust company"),
    QL_COLUMN("dealer_accounts.#.country", "Country code"),
    QL_COLUMN("dealer_accounts.#.max_cost", "Maximum fair market value during the year"),
    QL_COLUMN("dealer_accounts.#.cost_year_end", "Fair market value at year end"),
    QL_COLUMN("dealer_accounts.#.income", "Income (loss)"),
    QL_COLUMN("dealer_accounts.#.gain", "Gain (loss) on disposition"),

    QL_PAGE("Certification"),
    QL_SECTION("Certification"),
    QL_LINE("certifier_position", nullptr, "Position or title"),
    QL_LINE("certifier_phone", nullptr, "Telephone number"),
    QL_LINE("certification_date", nullptr, "Date"),
    QL_SECTION("Preparer, when not the reporting entity"),
    QL_LINE("preparer_name", nullptr, "Name of the preparer"),
    QL_LINE("preparer_address", nullptr, "Address"),
    QL_LINE("preparer_postal_code", nullptr, "Postal or zip code"),
    QL_LINE("preparer_phone", nullptr, "Telephone number"),
    // What filing the statement recorded.
    QL_HIDDEN("filing_status"),
    QL_HIDDEN("filing_time"),
    QL_HIDDEN("filing_confirmation"),
};

// ---- T1172

constexpr LayoutRow kT1172Rows[] = {
    QL_PAGE("T1172"),
    QL_LINE("68270", "68270", "Accumulated income payments included in your income"),
    QL_LINE("68280", "68280",
            "Accumulated income payments from a plan of your spouse or common-law partner included in your income"),
    QL_LINE("rrsp_contributions_designated", nullptr,
            "RRSP or SPP contributions you deducted for these payments"),
    QL_LINE("payments_subject_to_tax", nullptr, "Accumulated income payments subject to tax"),
    QL_LINE("additional_tax", "41800", "Additional tax on accumulated income payments"),
};

// ---- T2038(IND)

constexpr LayoutRow kT2038Rows[] = {
    QL_PAGE("Credits earned"),
    QL_SECTION("Part A – Qualified property"),
    QL_LINE("qualified_property_cost", nullptr, "Capital cost of qualified property"),
    QL_LINE("qualified_property_credit", nullptr, "Investment tax credit on qualified property"),
    QL_SECTION("Part B – Apprenticeship job creation tax credit"),
    QL_TABLE("apprentices", "Eligible apprentices"),
    QL_COLUMN("apprentices.#.name", "Name of apprentice"),
    QL_COLUMN("apprentices.#.sin", "Social insurance number"),
    QL_COLUMN("apprentices.#.salary", "Eligible salary and wages"),
    QL_COLUMN("apprentices.#.credit", "Credit"),
    QL_LINE("apprenticeship_credit", nullptr, "Apprenticeship job creation tax credit"),
    QL_SECTION("Part C – Flow-through mining expenditures"),
    QL_LINE("mining_expenditures", nullptr, "Flow-through mining expenditures"),
    QL_LINE("mining_credit", nullptr, "Investment tax credit on flow-through mining expenditures"),
    QL_SECTION("Part D – Scientific research and experimental development"),
    QL_LINE("sred_expenditures", nullptr, "Qualified SR&ED expenditures"),
    QL_LINE("sred_credit", nullptr, "Investment tax credit on SR&ED expenditures"),

    QL_PAGE("Claim and carryback"),
    QL_SECTION("Investment tax credit claimed"),
    QL_LINE("credit_carryforward_prior", nullptr, "Unused investment tax credits from previous years"),
    QL_LINE("credit_available", nullptr, "Total investment tax credit available"),
    QL_LINE("credit_claimed", "41200", "Investment tax credit claimed"),
    QL_SECTION("Request for carryback"),
    QL_LINE("credit_carryback_2018", nullptr, "Credit to carry back to 2018"),
    QL_LINE("credit_carryback_2019", nullptr, "Credit to carry back to 2019"),
    QL_LINE("credit_carryback_2020", nullptr, "Credit to carry back to 2020"),
    QL_SECTION("Refund and carryforward"),
    QL_LINE("credit_refundable", "45400", "Refundable investment tax credit"),
    QL_LINE("credit_carryforward_next", nullptr, "Unused investment tax credit to carry forward"),
};

} // namespace

const LayoutTable kRC71Layout = layoutTable(kRC71Rows);
const LayoutTable kT1ADJLayout = layoutTable(kT1ADJRows);
const LayoutTable kT2205Layout = layoutTable(kT2205Rows);
const LayoutTable kRC59Layout = layoutTable(kRC59Rows);
const LayoutTable kRC59XLayout = layoutTable(kRC59XRows);
const LayoutTable kT1044Layout = layoutTable(kT1044Rows);
const LayoutTable kT183Layout = layoutTable(kT183Rows);
const LayoutTable kT185Layout = layoutTable(kT185Rows);
const LayoutTable kT657Layout = layoutTable(kT657Rows);
const LayoutTable kT746Layout = layoutTable(kT746Rows);
const LayoutTable kT936Layout = layoutTable(kT936Rows);
const LayoutTable kT1013Layout = layoutTable(kT1013Rows);
const LayoutTable kT1135Layout = layoutTable(kT1135Rows);
const LayoutTable kT1172Layout = layoutTable(kT1172Rows);
const LayoutTable kT2038Layout = layoutTable(kT2038Rows);
