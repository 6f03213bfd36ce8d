#include "newreturnanswers.h"

namespace {
constexpr unsigned kStringAttribute = 0x10000;
}

PPgDataNewReturnBasic::PPgDataNewReturnBasic()
{
    auto text = [this](const char* name) {
        auto* f = m_fields.add<CStringField>(name);
        f->SetAttributes(kStringAttribute);
        return f;
    };
    fld_FirstName = text("fld_FirstName");
    fld_LastName = text("fld_LastName");
    fld_sin = text("fld_sin");
    fld_dob = m_fields.add<CDateField>("fld_dob");
    fld_TaxPronv = m_fields.add<CIntField>("fld_TaxPronv", 0);
    fld_MaritalStatus = m_fields.add<CIntField>("fld_MaritalStatus", -1);
    fld_FirstNameSpouse = text("fld_FirstNameSpouse");
    fld_LastNameSpouse = text("fld_LastNameSpouse");
    fld_Coupled = m_fields.add<CBoolField>("fld_Coupled");
    fld_SpouseNonResident = m_fields.add<CBoolField>("fld_SpouseNonResident");
    fld_sinSpouse = text("fld_sinSpouse");
    fld_dobSpouse = m_fields.add<CDateField>("fld_dobSpouse");
    fld_TaxPronvSpouse = m_fields.add<CIntField>("fld_TaxPronvSpouse", 0);
    fld_bSch3 = m_fields.add<CBoolField>("fld_bSch3");
    fld_bSch4 = m_fields.add<CBoolField>("fld_bSch4");
    fld_bSch6 = m_fields.add<CBoolField>("fld_bSch6");
    fld_bSch7 = m_fields.add<CBoolField>("fld_bSch7");
    fld_bSch11 = m_fields.add<CBoolField>("fld_bSch11");
    fld_bT776 = m_fields.add<CBoolField>("fld_bT776");
}

bool PPgDataNewReturnBasic::shouldAskSpouseInfo() const
{
    return unsigned(fld_MaritalStatus->GetValue()) < 2;
}
