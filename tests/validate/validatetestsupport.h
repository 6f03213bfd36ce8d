#pragma once
// A person's return for the validation tests: a T1 whose identification is
// complete, forms and slips added by type, and fields set by name (a name the
// form lacks is recorded, so that a test never sets nothing unnoticed).

#include <list>

#include <QStringList>

#include "dependantinfo.h"
#include "fields.h"
#include "individualtaxdata.h"
#include "returnitems.h"
#include "t1.h"
#include "taxdataform.h"

struct ValidationFixture
{
    DependantInfoStruct dependants;
    IndividualTaxData person{MULTIPROV_MODE_NEW, &dependants};
    TaxData_T1New* t1 = nullptr;
    QStringList unknownFields;

    explicit ValidationFixture(int province = 9 /* Ontario */)
    {
        person.setMainProvince(province);
        t1 = dynamic_cast<TaxData_T1New*>(add(1));
        t1->setMainTaxProvince(province);   // as the calculation leaves it
        set(t1, "first_name", "Ann");
        set(t1, "last_name", "Lee");
        set(t1, "sin", "046454286");
        t1->setDate("birth_date", QDate(1980, 5, 5));
        set(t1, "province", province);
        set(t1, "marital_status", MARITAL_SINGLE);
        set(t1, "mailing_address", "12 Main St");
        set(t1, "mailing_city", "Ottawa");
        set(t1, "mailing_province", "ON");
        set(t1, "mailing_postal_code", "K1A 0B1");
    }

    CTaxData_Form* add(int formType)
    {
        STRUCT_FORMDATA_ITEM_2004* item = person.NewFormDataItem(formType, -1, true, 0, false);
        return item ? item->object : nullptr;
    }
    CTaxData_Form* slip(int slipType)
    {
        STRUCT_SLIPDATA_ITEM_2004* item = person.NewSlipData(slipType, -1, 0);
        return item ? item->object : nullptr;
    }
    // Sets a field of any kind from a number (answers, marks, counts, amounts).
    void set(CTaxData_Form* form, const char* name, double value)
    {
        CField* f = form ? form->field(name) : nullptr;
        if (!f) {
            unknownFields << QString::fromLatin1(name);
            return;
        }
        switch (f->GetType()) {
        case CField::Float: static_cast<CFloatField*>(f)->SetValue(value); break;
        case CField::Int: static_cast<CIntField*>(f)->SetValue(int(value)); break;
        case CField::Bool: static_cast<CBoolField*>(f)->SetValue(value != 0.0); break;
        default: unknownFields << QString::fromLatin1(name);
        }
    }
    void set(CTaxData_Form* form, const char* name, int value) { set(form, name, double(value)); }
    void set(CTaxData_Form* form, const char* name, const char* text)
    {
        if (!form || !form->setString(name, CString(text))) unknownFields << QString::fromLatin1(name);
    }
    void setT1(const char* name, double value) { set(t1, name, value); }
};

// Runs the validation and answers every message of the return-level item;
// the items are freed.
inline QStringList returnMessages(IndividualTaxData& person, unsigned char mode)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    person.Validate(mode, items);
    QStringList out;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        if (item->kind == _STRUCT_FORM_VALIDATE_INFO::Return)
            for (const CString& text : item->messages) out << text.toQString();
        delete item;
    }
    return out;
}

// Every message of every item, in list order.
inline QStringList allMessages(IndividualTaxData& person, unsigned char mode)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    person.Validate(mode, items);
    QStringList out;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        for (const CString& text : item->messages) out << text.toQString();
        delete item;
    }
    return out;
}
