// Calculation step 0 of a person's return: the forms the return needs, the
// provincial library's view of the return, and the filing forms' identity.

#include "individualtaxdata.h"
#include "formtypes.h"
#include "preparersettings.h"
#include "schedules.h"
#include "t1.h"

namespace {

// The preparer values that the filing forms show. The EFILE password stays
// in the preparer's settings: these forms are saved in every client's
// return file, so a password found on one (from an older file) is wiped.
void copyPreparer(CTaxData_Form* form, const PreparerSettings& preparer)
{
    form->setString("preparer_name", preparer.BusinessName);
    if (!preparer.BusinessEFileNum.IsEmpty()) form->setString("efile_number", preparer.BusinessEFileNum);
    form->setString("efile_password", CString());
    form->setString("rep_id", preparer.RepID);
}

} // namespace

int IndividualTaxData::calculateStep0(bool fromInterview, int changedType, bool)
{
    const int added = _autoAddSomeForms();
    TaxData_T1New* form = t1();
    m_provMgr.setTaxFormInfo(form, dynamic_cast<TaxData_Sch5*>(GetFormData(FormType::Schedule5, false)));
    m_provMgr.ExchangeDataBeforeCalc(fromInterview, changedType, form);
    if (!form) return added;

    // The coupled exchange of step 1 fills these again.
    for (const char* name : {"spousal_plan_income_adjustment", "spousal_plan_pension_under_65",
                             "spousal_plan_pension_65_or_over"})
        form->setFloat(name, 0.0);

    const PreparerSettings& preparer = preparerSettings();
    if (CTaxData_Form* t183 = GetFormData(FormType::T183, false)) {
        t183->setBool("online_mail", form->getInt("online_mail") != 0);
        t183->setString("email", form->getString("email"));
        copyPreparer(t183, preparer);
    }
    if (CTaxData_Form* t185 = GetFormData(FormType::T185, false)) copyPreparer(t185, preparer);

    if (CTaxData_Form* t1013 = GetFormData(FormType::T1013, false)) {
        t1013->setString("rep_id", preparer.RepID + "H");
        t1013->setString("first_name", form->getString("first_name"));
        t1013->setString("last_name", form->getString("last_name"));
        t1013->setString("sin", form->getString("sin"));
        t1013->setString("phone", form->getString("home_phone"));
        CString name;
        form->ConstructFullName(name);
        t1013->setString("taxpayer_name", name);
        t1013->Calculate();
    }

    const CTaxData_Form* t1dd = GetFormData(FormType::T1DD1, false);
    form->setString("deposit_institution", t1dd ? t1dd->getString("institution_number") : CString());
    form->setString("deposit_branch", t1dd ? t1dd->getString("branch_number") : CString());
    form->setString("deposit_account", t1dd ? t1dd->getString("account_number") : CString());
    return added;
}

int IndividualTaxData::_autoAddSomeForms()
{
    int added = 0;
    for (ENUMTYPE_FORM type : {3, 11, 13}) {
        if (!HasForm(type)) continue;
        const ENUMTYPE_FORM related = m_provMgr.FindRelatedForm1(type);
        if (related != 0 && !HasForm(related) && NewFormDataItem(related, GetNextUniqueID(), true, 0, true)) ++added;
    }
    const TaxData_T1New* form = t1();
    if (form && !HasForm(FormType::Schedule14) && form->isEligibleForSch14() && !form->HasSpouse()
        && !form->IsImmigrant() && !form->IsEmmigrant()
        && NewFormDataItem(FormType::Schedule14, GetNextUniqueID(), true, 0, true))
        ++added;
    return added;
}
