#pragma once
// Small builders shared by the model's tests.

#include "familytaxdata.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "taxdataform.h"

// A person with a T1 (and nothing else) for the given province.
inline TaxData_T1New* addT1(IndividualTaxData& person, int maritalStatus = MARITAL_SINGLE)
{
    STRUCT_FORMDATA_ITEM_2004* item = person.NewFormDataItem(1, -1, true, 0, false);
    auto* t1 = item ? dynamic_cast<TaxData_T1New*>(item->object) : nullptr;
    if (t1) t1->setInt("marital_status", maritalStatus);
    return t1;
}

// Sets every field of an object to a value other than its starting one;
// `salt` makes two calls give different values.
inline void fillEveryField(CTaxData_Form& form, int salt = 0)
{
    int n = 1 + salt;
    for (CField* f : form.fields().all()) {
        switch (f->GetType()) {
        case CField::String:
            static_cast<CStringField*>(f)->SetValue(CString("v") + f->GetName() + CString(QByteArray::number(n)));
            break;
        case CField::Int: {
            auto* i = static_cast<CIntField*>(f);
            i->Reset();
            i->SetValue(i->GetValue() + n);
            break;
        }
        case CField::Bool: {
            auto* b = static_cast<CBoolField*>(f);
            b->Reset();
            b->SetValue(!b->GetValue());
            break;
        }
        case CField::Date:
            static_cast<CDateField*>(f)->SetValue(QDate(2021, 1, 1).addDays(n % 365));
            break;
        case CField::Float: {
            auto* d = static_cast<CFloatField*>(f);
            d->Reset();
            d->SetValue(d->GetValue() + n + 0.25);
            break;
        }
        }
        ++n;
    }
}
