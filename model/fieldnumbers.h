#pragma once
// A field read as a number whatever its kind (an answer, a mark or an
// amount), for the checks that name a value by its role; a form or field
// that is not there reads 0.

#include <cmath>

#include "amounts.h"
#include "fields.h"
#include "taxdataform.h"

inline double fieldNumber(const CTaxData_Form* form, const char* name)
{
    const CField* f = form ? form->field(name) : nullptr;
    if (!f) return 0.0;
    switch (f->GetType()) {
    case CField::Float: return static_cast<const CFloatField*>(f)->GetValue();
    case CField::Int: return static_cast<const CIntField*>(f)->GetValue();
    case CField::Bool: return static_cast<const CBoolField*>(f)->GetValue() ? 1.0 : 0.0;
    default: return 0.0;
    }
}

// A exceeds B when A - B is 0.009 or more.
inline bool exceedsBy(double a, double b)
{
    return a - b >= kPresent;
}
