// Turning a return read from last year's file into this year's return.

#include <vector>

#include "edition.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "formtypes.h"
#include "priorimport.h"
#include "t1.h"

namespace {

// Types whose last-year content has no counterpart this year.
bool droppedOnImport(int type)
{
    switch (type) {
    case 8: case 34: case 58: case 100: case 114: case 120: case 133: case 134: case 141: case 159:
        return true;
    default:
        return false;
    }
}

// The T1-M carry-forward is written only when it is a real amount under this.
constexpr double kT1MCarryLimit = 20000.0;

} // namespace

void IndividualTaxData::Build2003DataTo2004(STRUCT_IMPORT_LASTYEAR_PARAM* param)
{
    if (!param || (!HasForm(FormType::T1) && !HasForm(FormType::T1159))) return;

    CTaxData_Form* summary = makeFormExist(FormType::Summary);
    if (GetCountOfForm(FormType::SummaryLastYear) <= 1) {
        CTaxData_Form* lastYear = makeFormExist(FormType::SummaryLastYear);
        // Both are the same class under two types, so the values copy by name.
        if (summary && lastYear) lastYear->fields().copyValuesFrom(summary->fields());
    }

    const unsigned char edition = currentEdition();
    std::vector<CTaxData_Form*> removed;
    std::vector<STRUCT_FORMDATA_ITEM_2004*> added;
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        CTaxData_Form* form = item->object;
        if (!form) continue;
        const int type = form->getType();
        if (!param->keepForms && !form->IsCarriedToNewYear(edition, m_mainProvince)) {
            removed.push_back(form);
        } else if (droppedOnImport(type)) {
            removed.push_back(form);
        } else if (type == FormType::RC381) {
            // Replaced by a Schedule 8, unless the slips already made one.
            removed.push_back(form);
            if (HasForm(FormType::Schedule8) || !added.empty()) continue;
            if (STRUCT_FORMDATA_ITEM_2004* sch8 = NewFormDataItem(FormType::Schedule8, 0, false, 0, true)) added.push_back(sch8);
        } else if (item->formType != FormType::SummaryLastYear) {
            const bool withData = param->copyData || (IsSFDForm(type) && param->includeSFD);
            form->CarryToNewYear(withData);
            // Last year's file may hold a negative amount where no line takes one.
            form->dropRefusedValues(&m_leftOutAmounts);
        }
    }
    // Removing a form may take a related one with it; one already gone is skipped.
    for (CTaxData_Form* form : removed) RemoveFormData(form, true);
    for (STRUCT_FORMDATA_ITEM_2004* item : added) {
        item->formType = item->object->getType();
        item->sharedId = 0;
        m_forms.push_back(item);
    }

    if (m_carriedT1MAmount >= kAmountThatCounts && m_carriedT1MAmount <= kT1MCarryLimit - kAmountThatCounts)
        if (TaxData_T1New* form = t1()) form->setFloat("carryforward_moving_expenses", m_carriedT1MAmount);

    if (param->keepForms) {
        for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
            item->object->CarryToNewYear(param->copyData);
            item->object->dropRefusedValues(&m_leftOutAmounts);
        }
    } else {
        while (!m_slips.empty()) RemoveSlipData(m_slips.front()->object);
    }
    if (!param->keepNotes)
        while (!m_notes.empty()) RemoveNoteData(m_notes.front()->object);
}

void CFamilyTaxData::Build2003DataTo2004(STRUCT_IMPORT_LASTYEAR_PARAM* param)
{
    if (!param) return;
    IndividualTaxData* me = m_persons[0];
    IndividualTaxData* partner = m_persons[1];
    me->Build2003DataTo2004(param);
    if (!param->makeCoupled) {
        if (partner->HasForm(FormType::T1)) partner->Build2003DataTo2004(param);
        return;
    }

    // A taxpayer already married or common-law stays so; the option's choice
    // only decides for one who was not.
    int status = me->GetMaritalStatus();
    if (status != MARITAL_MARRIED && status != MARITAL_COMMON_LAW)
        status = param->maritalChoice == 1 ? MARITAL_MARRIED : MARITAL_COMMON_LAW;
    me->SetMaritalStatus(status);
    me->SetCoupledReturn(true);

    if (partner->HasForm(FormType::T1)) {
        partner->Build2003DataTo2004(param);
        partner->SetMaritalStatus(status);
    } else {
        partner->FreeData();
        partner->NewData(me->getMainProvince(), me->GetSpouseFirstName(), me->GetSpouseLastName(), me->GetSpouseSIN(),
                         me->GetSpouseDOB(), status, me->GetFirstName(), me->GetLastName(), me->GetSIN(),
                         me->GetDOB(), true);
    }
    partner->SetCoupledReturn(true);
}
