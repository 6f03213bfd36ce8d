// Calculation step 6 of a person's return: the minimum tax markers and the
// forms the calculation leaves out.

#include "formtypes.h"
#include "individualtaxdata.h"
#include "t1.h"

namespace {

// Removes every form of the type, one at a time (removing one may take a
// related form with it); answers how many.
int removeForms(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    int removed = 0;
    for (;;) {
        CTaxData_Form* found = nullptr;
        for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms())
            if (item->formType == type && item->object) {
                found = item->object;
                break;
            }
        if (!found) return removed;
        person.RemoveFormData(found, true);
        ++removed;
    }
}

} // namespace

int IndividualTaxData::calculateStep6(bool)
{
    CalculateAdjustment();
    return _autoRemoveSomeForms();
}

int IndividualTaxData::_autoRemoveSomeForms()
{
    int removed = 0;
    if (m_mainProvince == PROV_NB) removed += removeForms(*this, FormType::Schedule14);
    if (const TaxData_T1New* form = t1()) {
        switch (form->getInt("cpp_form_kind")) {
        case 1: removed += removeForms(*this, FormType::RC381); break;
        case 2: removed += removeForms(*this, FormType::Schedule8); break;
        default: break;
        }
    }
    return removed;
}

int IndividualTaxData::_autoCreateSch8RC381(int kind)
{
    const ENUMTYPE_FORM type = kind == 1 ? FormType::Schedule8 : kind == 2 ? FormType::RC381 : 0;
    if (type == 0 || HasForm(type)) return 0;
    return NewFormDataItem(type, GetNextUniqueID(), true, 0, true) ? 1 : 0;
}
