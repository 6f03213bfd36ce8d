#include "ruleinputs.h"

#include <atomic>
#include <set>

#include "fields.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "statements.h"
#include "t1.h"
#include "taxdataform.h"

namespace {
std::atomic<int> s_missingReads{0};
}

double fieldValue(const CTaxData_Form* form, const char* name)
{
    if (!form) return 0.0;
    const CField* f = form->field(name);
    if (!f) {
        ++s_missingReads;
        return 0.0;
    }
    switch (f->GetType()) {
    case CField::Float: return static_cast<const CFloatField*>(f)->GetValue();
    case CField::Int: return static_cast<const CIntField*>(f)->GetValue();
    case CField::Bool: return static_cast<const CBoolField*>(f)->GetValue() ? 1.0 : 0.0;
    default:
        ++s_missingReads;
        return 0.0;
    }
}

int missingFieldReads()
{
    return s_missingReads;
}

RuleInputs::RuleInputs(IndividualTaxData& p, unsigned char m, std::list<CString>& out)
    : person(p), mode(m), messages(out)
{
    if (person.GetCountOfForm(FormType::T1) == 1)
        t1 = dynamic_cast<TaxData_T1New*>(person.GetFormData(FormType::T1, false));
    bankrupt = t1 && t1->IsBankrupt();
    // The totals of the calculation's own walk over the slips, made afresh
    // without adding any form to the return.
    std::set<ENUMTYPE_FORM> needed;
    person.CollectSlipTotals(totals, needed);
}

CTaxData_Form* RuleInputs::form(int type) const
{
    return person.GetCountOfForm(type) == 1 ? person.GetFormData(type, false) : nullptr;
}

int RuleInputs::count(int type) const
{
    return person.GetCountOfForm(type);
}

int RuleInputs::slipCount(int type) const
{
    return person.GetCountOfSlip(type);
}

double RuleInputs::t1Value(const char* name) const
{
    return fieldValue(t1, name);
}

double RuleInputs::t1Sum(std::initializer_list<const char*> names) const
{
    double sum = 0.0;
    for (const char* name : names) sum += t1Value(name);
    return sum;
}

bool RuleInputs::t1AllZero(std::initializer_list<const char*> names) const
{
    for (const char* name : names)
        if (nonZero(t1Value(name))) return false;
    return true;
}

bool RuleInputs::hasRentalIncome() const
{
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
        if (item->formType == 12) return true;
        if (item->formType == 38)
            if (const auto* t5013 = dynamic_cast<const CTaxData_T5013*>(item->object))
                if (t5013->HaveRentalIncome() >= 1) return true;
    }
    return false;
}

double RuleInputs::studyMonthsFullTime() const
{
    double months = 0.0;
    for (const STRUCT_SLIPDATA_ITEM_2004* slip : person.slips())
        if (slip->slipType == SlipType::T2202) months += fieldValue(slip->object, "25");
    return months;
}

double RuleInputs::studyMonthsPartTime() const
{
    double months = 0.0;
    for (const STRUCT_SLIPDATA_ITEM_2004* slip : person.slips())
        if (slip->slipType == SlipType::T2202) months += fieldValue(slip->object, "24");
    return months;
}

void RuleInputs::add(const char* format, const char* argument)
{
    CString text;
    text.Format(format, argument);
    messages.push_back(text);
}

void RuleInputs::add(const char* format, const char* first, const char* second)
{
    CString text;
    text.Format(format, first, second);
    messages.push_back(text);
}
