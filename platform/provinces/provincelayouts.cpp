#include "provincelayouts.h"

// The rows every province's forms share, in the order the 2021 forms print
// them; the province's own rows are slotted in between (provinceownlayouts.cpp).

namespace {

// Form 428, Part A and Part B up to the amounts for the family.
constexpr LayoutRow k428Head[] = {
    QL_PAGE("Part A - Tax on taxable income"),
    QL_LINE("taxable_income", "26000", "Taxable income (line 26000 of your return)"),
    QL_LINE("tax_on_taxable_income", nullptr, "Tax on taxable income"),
    QL_PAGE("Part B - Non-refundable tax credits"),
    QL_LINE("58040", "58040", "Basic personal amount"),
    QL_LINE("58080", "58080", "Age amount (if you were born in 1956 or earlier)"),
    QL_LINE("58120", "58120", "Spouse or common-law partner amount"),
    QL_LINE("58160", "58160", "Amount for an eligible dependant"),
};

constexpr LayoutRow k428Contributions[] = {
    QL_LINE("58240", "58240", "CPP or QPP contributions: amount from line 30800 of your return"),
    QL_LINE("58280", "58280", "CPP or QPP contributions: amount from line 31000 of your return"),
    QL_LINE("58300", "58300", "Employment insurance premiums: amount from line 31200 of your return"),
    QL_LINE("58305", "58305", "Employment insurance premiums: amount from line 31217 of your return"),
};

constexpr LayoutRow k428Pension[] = {
    QL_LINE("58360", "58360", "Pension income amount"),
};

constexpr LayoutRow k428Disability[] = {
    QL_LINE("58440", "58440", "Disability amount for self"),
    QL_LINE("58480", "58480", "Disability amount transferred from a dependant"),
    QL_LINE("58520", "58520", "Interest paid on your student loans (line 31900 of your return)"),
    QL_LINE("58560", "58560", "Your unused tuition and education amounts (Schedule S11)"),
};

constexpr LayoutRow k428Spouse[] = {
    QL_LINE("58640", "58640", "Amounts transferred from your spouse or common-law partner (Schedule S2)"),
};

// The credits, then Part C up to the province's own surtax.
constexpr LayoutRow k428Credits[] = {
    QL_SECTION("Medical expenses"),
    QL_LINE("58689", "58689", "Medical expenses"),
    QL_LINE("58729", "58729", "Allowable amount of medical expenses for other dependants"),
    QL_LINE("58769", "58769", "Total allowable medical expenses"),
    QL_SECTION("Credits"),
    QL_LINE("58800", "58800", "Total of the credit amounts"),
    QL_LINE("58840", "58840", "Credit amounts at the lowest tax rate"),
    QL_LINE("58969", "58969", "Donations and gifts"),
    QL_LINE("61500", "61500", "Non-refundable tax credits"),
    // The part of the credits the spouse's transfer is measured against.
    QL_HIDDEN("credits_before_transfers"),
    QL_PAGE("Part C - Tax"),
    QL_LINE("61510", "61510", "Tax on split income (complete Form T1206)"),
    QL_LINE("61520", "61520", "Dividend tax credit"),
    QL_LINE("61540", "61540", "Minimum tax carryover"),
};

constexpr LayoutRow k428MinimumTax[] = {
    QL_LINE("additional_tax_for_minimum_tax", nullptr, "Additional tax for minimum tax purposes (from Form T691)"),
};

constexpr LayoutRow k428ForeignCredit[] = {
    QL_LINE("provincial_foreign_tax_credit", nullptr, "Provincial or territorial foreign tax credit (from Form T2036)"),
};

constexpr LayoutRow k428Tail[] = {
    QL_LINE("42800", "42800", "Provincial or territorial tax (line 42800 of your return)"),
    QL_SECTION("Carried forward"),
    QL_LINE("unused_tuition_carried_forward", nullptr,
            "Unused tuition and education amounts from your 2020 notice of assessment"),
};

constexpr LayoutRow kS2Head[] = {
    QL_PAGE("Provincial amounts transferred from your spouse or common-law partner"),
    QL_LINE("spouse_age_amount", nullptr, "Age amount (line 58080 of your spouse's or common-law partner's form 428)"),
    QL_LINE("spouse_pension_income_amount", nullptr, "Pension income amount (line 58360 of their form 428)"),
    QL_LINE("spouse_disability_amount", nullptr, "Disability amount (line 58440 of their form 428)"),
    QL_LINE("spouse_tuition_designated", nullptr, "Tuition and education amounts designated to you (their Schedule S11)"),
};

constexpr LayoutRow kS2Tail[] = {
    QL_LINE("total_transferable", nullptr, "Total of the amounts transferable"),
    QL_LINE("spouse_taxable_income", nullptr, "Your spouse's or common-law partner's taxable income"),
    QL_LINE("spouse_credits_used", nullptr, "Amount your spouse or common-law partner needs to reduce their tax to zero"),
    QL_LINE("amount_transferred", nullptr, "Amounts transferred from your spouse or common-law partner (to line 58640)"),
};

constexpr LayoutRow kS11Rows[] = {
    QL_PAGE("Provincial tuition and education amounts"),
    QL_LINE("unused_from_prior_years", nullptr, "Unused tuition and education amounts from your 2020 notice of assessment"),
    QL_SECTION("2021 amounts"),
    QL_LINE("eligible_tuition_fees", nullptr, "Eligible tuition fees paid for 2021 (your T2202 slips)"),
    QL_LINE("education_months_part_time", nullptr, "Number of months in 2021 you were enrolled part-time"),
    QL_LINE("education_months_full_time", nullptr, "Number of months in 2021 you were enrolled full-time"),
    QL_LINE("education_amount", nullptr, "Education amount (where the province still gives it)"),
    QL_LINE("current_year_amount", nullptr, "Tuition and education amounts for 2021"),
    QL_LINE("total_available", nullptr, "Total available tuition and education amounts"),
    QL_LINE("used_this_year", nullptr, "Tuition and education amounts claimed for 2021 (to line 58560)"),
    QL_SECTION("Transfer and carryforward"),
    QL_LINE("transfer_amount", nullptr, "Amount transferred to a spouse or common-law partner, parent or grandparent"),
    QL_LINE("transfer_to_name", nullptr, "Name of the person you transfer to"),
    QL_LINE("transferred", nullptr, "Amount transferred (within this year's unused amount and the limit)"),
    QL_LINE("carried_forward", nullptr, "Unused provincial tuition and education amounts available for future years"),
};

constexpr LayoutRow kInterviewRows[] = {
    QL_PAGE("Provincial information"),
    QL_SECTION("Your home"),
    QL_LINE("address", nullptr, "Address of your principal residence"),
    QL_LINE("city", nullptr, "City"),
    QL_LINE("postal_code", nullptr, "Postal code"),
    QL_LINE("months_at_address", nullptr, "Number of months you lived there in 2021"),
    QL_LINE("rent_paid", nullptr, "Rent paid for 2021"),
    QL_LINE("property_tax_paid", nullptr, "Property tax paid for 2021"),
    QL_LINE("separate_residences_for_medical_reasons", nullptr,
            "You and your spouse or common-law partner lived apart for medical reasons"),
};

// The parts in order, without the empty ones.
PageLayout compose(std::initializer_list<LayoutTable> parts)
{
    PageLayout layout;
    for (const LayoutTable& part : parts)
        if (part.count > 0) layout.push_back(part);
    return layout;
}

} // namespace

Prov428GoTo prov428GoTo(int formS11, int formS2)
{
    return Prov428GoTo{{QL_ACTION("Go to Schedule S11 (tuition and education amounts)", 1235, formS11),
                        QL_ACTION("Go to Schedule S2 (amounts transferred from your spouse)", 1235, formS2)}};
}

PageLayout prov428Layout(const Prov428OwnLayout& own, const Prov428GoTo& goTo)
{
    return compose({layoutTable(k428Head), own.familyAmounts, layoutTable(k428Contributions), own.otherAmounts,
                    layoutTable(k428Pension), own.caregiver, layoutTable(k428Disability), LayoutTable{&goTo.rows[0], 1},
                    own.transfers, layoutTable(k428Spouse), LayoutTable{&goTo.rows[1], 1}, own.afterSpouseTransfer,
                    layoutTable(k428Credits),
                    own.surtax, layoutTable(k428MinimumTax), own.reductions, layoutTable(k428ForeignCredit),
                    own.credits, layoutTable(k428Tail)});
}

PageLayout prov479Layout(const LayoutTable& form479)
{
    return compose({form479});
}

PageLayout provS2Layout(const LayoutTable& own)
{
    return compose({layoutTable(kS2Head), own, layoutTable(kS2Tail)});
}

PageLayout provS11Layout()
{
    return compose({layoutTable(kS11Rows)});
}

PageLayout provInterviewLayout(const LayoutTable& own)
{
    return compose({layoutTable(kInterviewRows), own});
}
