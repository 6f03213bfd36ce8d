#pragma once
// Small helpers the calculation steps share.

#include "individualtaxdata.h"
#include "taxdataform.h"

// The person's single form of the type as its class, or none.
template <typename T>
T* formOf(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    return dynamic_cast<T*>(person.GetFormData(type, false));
}

// An amount of a form the person may lack: 0 without the form.
inline double amountOf(const CTaxData_Form* form, const char* name)
{
    return form ? form->getFloat(name) : 0.0;
}
