// The T1135 statement checked on its own, apart from the return: its filing
// goes to the agency by itself.

#include "formclasses.h"
#include "formtypes.h"
#include "individualtaxdata.h"

int IndividualTaxData::ValidateT1135(unsigned char mode, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    auto* statement = dynamic_cast<TaxData_T1135New*>(GetFormData(FormType::T1135, false));
    if (!statement) return 0;
    auto* item = new _STRUCT_FORM_VALIDATE_INFO;
    item->kind = _STRUCT_FORM_VALIDATE_INFO::Form;
    item->type = FormType::T1135;
    const int result = statement->Validate(mode, item->messages);
    if (item->messages.empty())
        delete item;
    else
        items.push_back(item);
    return result;
}
