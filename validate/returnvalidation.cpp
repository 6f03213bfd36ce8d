#include "returnvalidation.h"

#include "entryrules.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "returnrules.h"
#include "ruleinputs.h"
#include "t1.h"
#include "taxdataform.h"

namespace {

// Appends the item when it has something to say, else drops it.
void keepIfAny(_STRUCT_FORM_VALIDATE_INFO* item, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    if (item->messages.empty())
        delete item;
    else
        items.push_back(item);
}

_STRUCT_FORM_VALIDATE_INFO* newItem(int kind, int type)
{
    auto* item = new _STRUCT_FORM_VALIDATE_INFO;
    item->kind = kind;
    item->type = type;
    return item;
}

} // namespace

int ValidateReturn(IndividualTaxData& person, unsigned char mode, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    // A return without its one main form has nothing the rules could read,
    // and must never pass.
    CString countMessage;
    const bool mainFormMissing = person.mainFormCountMessage(countMessage);
    // A non-resident's T1159 return has no T1 to check: only its own count.
    if (person.getMainProvince() == PROV_T1159) {
        if (mainFormMissing) {
            _STRUCT_FORM_VALIDATE_INFO* item = newItem(_STRUCT_FORM_VALIDATE_INFO::Return, 0);
            item->messages.push_back(countMessage);
            items.push_back(item);
        }
        return int(items.size());
    }

    const TaxData_T1New* t1 =
        person.GetCountOfForm(FormType::T1) == 1
            ? dynamic_cast<const TaxData_T1New*>(person.GetFormData(FormType::T1, false))
            : nullptr;
    const bool bankrupt = t1 && t1->IsBankrupt();

    for (STRUCT_SLIPDATA_ITEM_2004* slip : person.slips()) {
        _STRUCT_FORM_VALIDATE_INFO* item = newItem(_STRUCT_FORM_VALIDATE_INFO::Slip, slip->slipType);
        if (!slip->object || !slip->object->Validate(mode, item->messages)) item->messages.clear();
        if (slip->object) appendRefusedValues(*slip->object, item->messages);
        keepIfAny(item, items);
    }
    for (STRUCT_FORMDATA_ITEM_2004* form : person.forms()) {
        // A return before bankruptcy files no financial statements but the
        // principal residence designation (T2091).
        if (bankrupt && IsSFDForm(form->formType) && form->formType != 160 && form->formType != 147) continue;
        _STRUCT_FORM_VALIDATE_INFO* item = newItem(_STRUCT_FORM_VALIDATE_INFO::Form, form->formType);
        if (!form->object || !form->object->Validate(mode, item->messages)) item->messages.clear();
        if (form->object) appendRefusedValues(*form->object, item->messages);
        keepIfAny(item, items);
    }

    _STRUCT_FORM_VALIDATE_INFO* returnItem = newItem(_STRUCT_FORM_VALIDATE_INFO::Return, 0);
    if (mainFormMissing) returnItem->messages.push_back(countMessage);
    {
        RuleInputs in(person, mode, returnItem->messages);
        applyReturnRules(in);
    }
    appendProvinceMismatch(person, returnItem->messages);
    keepIfAny(returnItem, items);
    return int(items.size());
}

void installReturnValidation()
{
    IndividualTaxData::installValidationEngine(&ValidateReturn);
}
