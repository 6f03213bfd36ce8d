#include "deductionlines.h"

#include <algorithm>

#include <QString>

#include "amounts.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "utils.h"

namespace {

constexpr ENUMTYPE_FORM kForeignPlanForms[] = {FormType::RC267, FormType::RC268, FormType::RC269};

// RRSP deduction room left for the foreign plans: Schedule 7 works it out;
// without it, the limit on the T1 less a deduction typed there.
double rrspRoomLeft(IndividualTaxData& person, const TaxData_T1New& t1)
{
    if (const CTaxData_Form* sch7 = person.GetFormData(FormType::Schedule7, false))
        return std::max(0.0, sch7->getFloat("unused_deduction_room"));
    return std::max(0.0, t1.getFloat("carryforward_rrsp_deduction_limit") - std::max(0.0, t1.getFloat("20800")));
}

} // namespace

void applyForeignPlanDeductions(IndividualTaxData& person, TaxData_T1New& t1)
{
    double room = rrspRoomLeft(person, t1);
    double total = 0.0;
    for (ENUMTYPE_FORM type : kForeignPlanForms) {
        std::list<STRUCT_FORMDATA_ITEM_2004*> items;
        person.GetFormDataList(type, items);
        for (STRUCT_FORMDATA_ITEM_2004* item : items) {
            CTaxData_Form* form = item->object;
            if (!form) continue;
            const double limit = roundToCents(room);
            const double deduction = roundToCents(std::min(std::max(0.0, form->getFloat("contributions")), limit));
            form->setFloat("deduction_limit", limit);
            form->setFloat("deduction", deduction);
            room = std::max(0.0, room - deduction);
            total += deduction;
        }
    }
    // Line 20700 holds the slips' contributions from step 1 plus what the
    // forms deducted the last time this step ran.
    const double slips = t1.getFloat("20700") - t1.getFloat("20700_foreign_plans");
    t1.setFloat("20700_foreign_plans", roundToCents(total));
    t1.setFloat("20700", roundToCents(slips + total));
}

void applyNetCapitalLosses(TaxData_T1New& t1)
{
    const double claimed = std::max(0.0, t1.getFloat("25300_claimed"));
    const double allowed = roundToCents(std::min(claimed, std::max(0.0, t1.getFloat("12700"))));
    t1.setFloat("25300", allowed);
    CString note;
    if (claimed - allowed >= kPresent)
        note = QStringLiteral("Your claim of $%1 is cut to $%2, your taxable capital gains of 2021 (line 12700): net "
                              "capital losses of other years are deducted only from taxable capital gains. What is "
                              "not deducted stays available for later years.")
                   .arg(displayAmount(claimed), displayAmount(allowed));
    t1.setString("25300_note", note);
}

void fillT778Spouse(const TaxData_T1New& t1, CTaxData_Form& t778)
{
    if (!t1.HasSpouse()) {
        t778.setFloat("spouse_net_income", 0.0);
        return;
    }
    CString name = t1.getString("spouse_first_name");
    name += ' ';
    name += t1.getString("spouse_last_name");
    name.Trim();
    if (!name.IsEmpty()) t778.setString("spouse_name", name);
    if (!t1.getString("spouse_sin").IsEmpty()) t778.setString("spouse_sin", t1.getString("spouse_sin"));
    t778.setFloat("spouse_net_income", t1.getFloat("spouse_net_income"));
}
