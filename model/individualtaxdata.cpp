#include "individualtaxdata.h"

#include <algorithm>

#include "dependantinfo.h"
#include "formtables.h"
#include "formtypes.h"
#include "itemfactory.h"
#include "t1.h"
#include "summaryforms.h"
#include "taxdataform.h"

bool CSetCoupledFlagObj::doWork(STRUCT_FORMDATA_ITEM_2004* item, void* param)
{
    ++m_count;
    if (item && item->object && param)
        item->object->setCoupledReturn(*static_cast<bool*>(param));
    return true;
}

IndividualTaxData::IndividualTaxData(ENUM_MultiProvsTaxMgrMode mode, DependantInfoStruct* dependants)
    : m_provMgr(mode, dependants), m_dependants(dependants)
{
}

IndividualTaxData::~IndividualTaxData()
{
    FreeData();
}

void IndividualTaxData::setDependants(DependantInfoStruct* dependants)
{
    m_dependants = dependants;
    m_provMgr.setDepInfo(dependants);
}

// ---------------------------------------------------------------- lookups

STRUCT_FORMDATA_ITEM_2004* IndividualTaxData::GetFormDataItem(ENUMTYPE_FORM type, bool create)
{
    STRUCT_FORMDATA_ITEM_2004* found = nullptr;
    int count = 0;
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType != type) continue;
        found = item;
        ++count;
    }
    if (count == 1) return found;
    if (count == 0 && create) return NewFormDataItem(type, GetNextUniqueID(), true, 0, true);
    return nullptr;
}

CTaxData_Form* IndividualTaxData::GetFormData(ENUMTYPE_FORM type, bool create)
{
    STRUCT_FORMDATA_ITEM_2004* item = GetFormDataItem(type, create);
    return item ? item->object : nullptr;
}

CTaxData_Form* IndividualTaxData::GetFormData(ENUMTYPE_FORM type, int id)
{
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms)
        if (item->formType == type && item->uniqueId == id) return item->object;
    return nullptr;
}

CTaxData_Form* IndividualTaxData::GetSlipData(ENUMTYPE_SLIP type, int id, bool create)
{
    for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips)
        if (item->slipType == type && item->uniqueId == id) return item->object;
    if (!create) return nullptr;
    STRUCT_SLIPDATA_ITEM_2004* item = NewSlipData(type, id, 0);
    return item ? item->object : nullptr;
}

CTaxData_Form* IndividualTaxData::GetNoteData(int id, bool create)
{
    for (STRUCT_NOTEDATA_ITEM_2004* item : m_notes)
        if (item->noteId == id) return item->object;
    if (!create) return nullptr;
    STRUCT_NOTEDATA_ITEM_2004* item = NewNoteData(id);
    return item ? item->object : nullptr;
}

CTaxData_Form* IndividualTaxData::GetWizData(ENUMTYPE_TAXWIZARD kind, bool create)
{
    for (STRUCT_WIZDATA_ITEM_2004* item : m_wizards)
        if (item->kind == kind) return item->object;
    if (!create) return nullptr;
    STRUCT_WIZDATA_ITEM_2004* item = NewWizData(kind);
    return item ? item->object : nullptr;
}

void IndividualTaxData::GetFormDataList(ENUMTYPE_FORM type, std::list<STRUCT_FORMDATA_ITEM_2004*>& out)
{
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms)
        if (item->formType == type) out.push_back(item);
}

void IndividualTaxData::GetSlipDataList(ENUMTYPE_SLIP type, std::list<STRUCT_SLIPDATA_ITEM_2004*>& out)
{
    for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips)
        if (item->slipType == type) out.push_back(item);
}

int IndividualTaxData::GetCountOfForm(ENUMTYPE_FORM type) const
{
    if (type == 0) return int(m_forms.size());
    return int(std::count_if(m_forms.begin(), m_forms.end(),
                             [type](const STRUCT_FORMDATA_ITEM_2004* i) { return i->formType == type; }));
}

int IndividualTaxData::GetCountOfSlip(ENUMTYPE_SLIP type) const
{
    return int(std::count_if(m_slips.begin(), m_slips.end(),
                             [type](const STRUCT_SLIPDATA_ITEM_2004* i) { return i->slipType == type; }));
}

STRUCT_FORMDATA_ITEM_2004* IndividualTaxData::findFormItem(const CTaxData_Form* form) const
{
    if (!form) return nullptr;
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms)
        if (item->object == form) return item;
    return nullptr;
}

STRUCT_SLIPDATA_ITEM_2004* IndividualTaxData::findSlipItem(const CTaxData_Form* slip) const
{
    if (!slip) return nullptr;
    for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips)
        if (item->object == slip) return item;
    return nullptr;
}

int IndividualTaxData::GetFormID(const CTaxData_Form* form) const
{
    const STRUCT_FORMDATA_ITEM_2004* item = findFormItem(form);
    return item ? item->uniqueId : 0;
}

int IndividualTaxData::GetSharedFormID(const CTaxData_Form* form) const
{
    const STRUCT_FORMDATA_ITEM_2004* item = findFormItem(form);
    return item ? item->sharedId : 0;
}

int IndividualTaxData::GetSlipID(const CTaxData_Form* slip) const
{
    const STRUCT_SLIPDATA_ITEM_2004* item = findSlipItem(slip);
    return item ? item->uniqueId : 0;
}

int IndividualTaxData::GetSharedSlipID(const CTaxData_Form* slip) const
{
    const STRUCT_SLIPDATA_ITEM_2004* item = findSlipItem(slip);
    return item ? item->sharedId : 0;
}

void IndividualTaxData::SetSharedForm(const CTaxData_Form* form, int sharedId)
{
    if (STRUCT_FORMDATA_ITEM_2004* item = findFormItem(form)) item->sharedId = sharedId;
}

void IndividualTaxData::SetSharedSlip(const CTaxData_Form* slip, int sharedId)
{
    if (STRUCT_SLIPDATA_ITEM_2004* item = findSlipItem(slip)) item->sharedId = sharedId;
}

bool IndividualTaxData::listsItem(const CTaxData_Form* form) const
{
    if (!form) return false;
    const auto holds = [form](const auto& items) {
        return std::any_of(items.begin(), items.end(), [form](const auto* item) { return item->object == form; });
    };
    return holds(m_forms) || holds(m_slips) || holds(m_notes) || holds(m_wizards);
}

bool IndividualTaxData::HasSharedComponent() const
{
    for (const STRUCT_SLIPDATA_ITEM_2004* item : m_slips)
        if (item->object && item->object->HasSharedComponent()) return true;
    return false;
}

// ---------------------------------------------------------------- makers

STRUCT_FORMDATA_ITEM_2004* IndividualTaxData::NewFormDataItem(ENUMTYPE_FORM type, int id, bool addToList, int sharedId,
                                                              bool initNew)
{
    CTaxData_Form* object = AllocFedFormData(type);
    if (!object) object = m_provMgr.NewFormData(type, addToList);
    if (!object) return nullptr;
    object->setCoupledReturn(m_coupled);
    if (const FormInfo* info = formInfo(type))
        if (info->flags & FF_Dependants) object->SetDependantInfo(m_dependants);

    auto* item = new STRUCT_FORMDATA_ITEM_2004;
    item->formType = type;
    item->uniqueId = id < 1 ? GetNextUniqueID() : id;
    item->sharedId = sharedId;
    item->object = object;
    if (addToList) m_forms.push_back(item);
    if (initNew) InitNewFormData(object);
    return item;
}

STRUCT_SLIPDATA_ITEM_2004* IndividualTaxData::NewSlipData(ENUMTYPE_SLIP type, int id, int sharedId)
{
    CTaxData_Form* object = AllocSlipData(type);
    if (!object) return nullptr;
    auto* item = new STRUCT_SLIPDATA_ITEM_2004;
    item->slipType = type;
    item->uniqueId = id < 1 ? GetNextUniqueID() : id;
    item->sharedId = sharedId;
    item->object = object;
    m_slips.push_back(item);
    return item;
}

STRUCT_NOTEDATA_ITEM_2004* IndividualTaxData::NewNoteData(int id)
{
    CTaxData_Form* object = AllocNoteData();
    if (!object) return nullptr;
    auto* item = new STRUCT_NOTEDATA_ITEM_2004;
    item->noteId = id;
    item->object = object;
    m_notes.push_back(item);
    return item;
}

STRUCT_WIZDATA_ITEM_2004* IndividualTaxData::NewWizData(ENUMTYPE_TAXWIZARD kind)
{
    CTaxData_Form* object = nullptr;
    if (kind >= 1 && kind <= 5)
        object = AllocWizData(kind);
    else if (kind == 6)
        object = m_provMgr.NewWizardData();
    if (!object) return nullptr;
    object->setCoupledReturn(m_coupled);
    auto* item = new STRUCT_WIZDATA_ITEM_2004;
    item->kind = kind;
    item->object = object;
    m_wizards.push_back(item);
    return item;
}

// ---------------------------------------------------------------- removers

void IndividualTaxData::freeFormObject(CTaxData_Form* object, bool inList)
{
    if (!object) return;
    // A provincial library's object must go back to the library that made it.
    if (!m_provMgr.FreeFormData(object, inList)) delete object;
}

void IndividualTaxData::RemoveFormData(CTaxData_Form* form, bool inList)
{
    if (!form) return;
    if (!inList) {
        freeFormObject(form, false);
        return;
    }
    STRUCT_FORMDATA_ITEM_2004* held = findFormItem(form);
    if (!held) return;   // not ours: freeing it could free another return's object
    const ENUMTYPE_FORM related = m_provMgr.FindRelatedForm1(held->formType);

    for (auto it = m_forms.begin(); it != m_forms.end();) {
        if ((*it)->object == form) {
            delete *it;
            it = m_forms.erase(it);
        } else {
            ++it;
        }
    }
    freeFormObject(form, true);

    if (related != 0 && GetCountOfForm(related) == 1)
        RemoveFormData(GetFormData(related, false), true);
}

void IndividualTaxData::RemoveSlipData(CTaxData_Form* slip)
{
    for (auto it = m_slips.begin(); it != m_slips.end(); ++it) {
        if ((*it)->object != slip) continue;
        delete (*it)->object;
        delete *it;
        m_slips.erase(it);
        return;
    }
}

void IndividualTaxData::RemoveNoteData(CTaxData_Form* note)
{
    for (auto it = m_notes.begin(); it != m_notes.end(); ++it) {
        if ((*it)->object != note) continue;
        delete (*it)->object;
        delete *it;
        m_notes.erase(it);
        return;
    }
}

void IndividualTaxData::freeWizardItems()
{
    bool provincial = false;
    for (STRUCT_WIZDATA_ITEM_2004* item : m_wizards) {
        if (item->kind == 6)
            provincial = true;   // the provincial library frees its own
        else
            delete item->object;
        delete item;
    }
    m_wizards.clear();
    if (provincial) m_provMgr.FreeWizardData();
}

void IndividualTaxData::FreeData()
{
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        freeFormObject(item->object, true);
        delete item;
    }
    m_forms.clear();
    for (STRUCT_NOTEDATA_ITEM_2004* item : m_notes) {
        delete item->object;
        delete item;
    }
    m_notes.clear();
    for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
        delete item->object;
        delete item;
    }
    m_slips.clear();
    freeWizardItems();
    m_provMgr.FreeData();
}

void IndividualTaxData::setMainProvince(ENUMTYPE_PROVINCE province)
{
    // The provincial interview data lives in the library about to be reloaded.
    bool provincialWizard = false;
    for (auto it = m_wizards.begin(); it != m_wizards.end();) {
        if ((*it)->kind == 6) {
            provincialWizard = true;
            delete *it;
            it = m_wizards.erase(it);
        } else {
            ++it;
        }
    }
    if (provincialWizard) m_provMgr.FreeWizardData();
    m_mainProvince = province;
    m_provMgr.setMainProvince(province);
    m_provMgr.getProvMgr(province, true);
}

// ---------------------------------------------------------------- copy and compare

IndividualTaxData& IndividualTaxData::operator=(const IndividualTaxData& other)
{
    if (&other == this) return *this;
    FreeData();
    m_fileVersion = other.m_fileVersion;
    m_nextUniqueId = other.m_nextUniqueId;
    setMainProvince(other.m_mainProvince);

    for (const STRUCT_FORMDATA_ITEM_2004* src : other.m_forms)
        if (STRUCT_FORMDATA_ITEM_2004* item = NewFormDataItem(src->formType, src->uniqueId, true, src->sharedId, true))
            item->object->CopyFrom(src->object);
    for (const STRUCT_SLIPDATA_ITEM_2004* src : other.m_slips)
        if (STRUCT_SLIPDATA_ITEM_2004* item = NewSlipData(src->slipType, src->uniqueId, src->sharedId))
            item->object->CopyFrom(src->object);
    for (const STRUCT_NOTEDATA_ITEM_2004* src : other.m_notes)
        if (STRUCT_NOTEDATA_ITEM_2004* item = NewNoteData(src->noteId))
            item->object->CopyFrom(src->object);
    for (const STRUCT_WIZDATA_ITEM_2004* src : other.m_wizards)
        if (STRUCT_WIZDATA_ITEM_2004* item = NewWizData(src->kind))
            item->object->CopyFrom(src->object);
    // The identifiers were taken as they are: the counter must stay ahead.
    m_nextUniqueId = other.m_nextUniqueId;
    return *this;
}

bool IndividualTaxData::softCopy(const IndividualTaxData& other)
{
    m_fileVersion = other.m_fileVersion;
    m_nextUniqueId = other.m_nextUniqueId;
    if (m_mainProvince != other.m_mainProvince || m_forms.size() != other.m_forms.size()
        || m_slips.size() != other.m_slips.size() || m_notes.size() != other.m_notes.size())
        return false;
    auto form = m_forms.begin();
    for (const STRUCT_FORMDATA_ITEM_2004* src : other.m_forms) {
        if ((*form)->formType != src->formType) return false;
        (*form)->object->CopyFrom(src->object);
        ++form;
    }
    auto slip = m_slips.begin();
    for (const STRUCT_SLIPDATA_ITEM_2004* src : other.m_slips) {
        if ((*slip)->slipType != src->slipType) return false;
        (*slip)->object->CopyFrom(src->object);
        ++slip;
    }
    auto note = m_notes.begin();
    for (const STRUCT_NOTEDATA_ITEM_2004* src : other.m_notes) {
        (*note)->object->CopyFrom(src->object);
        ++note;
    }
    return true;
}

bool IndividualTaxData::operator==(const IndividualTaxData& other) const
{
    if (m_forms.size() != other.m_forms.size() || m_slips.size() != other.m_slips.size()
        || m_notes.size() != other.m_notes.size())
        return false;
    for (const STRUCT_FORMDATA_ITEM_2004* theirs : other.m_forms) {
        const bool multiple = IsMultipleForm(theirs->formType);
        const bool matched = std::any_of(m_forms.begin(), m_forms.end(), [&](const STRUCT_FORMDATA_ITEM_2004* mine) {
            return mine->formType == theirs->formType && (!multiple || mine->uniqueId == theirs->uniqueId)
                && !mine->object->Differs(theirs->object);
        });
        if (!matched) return false;
    }
    for (const STRUCT_SLIPDATA_ITEM_2004* theirs : other.m_slips) {
        const bool matched = std::any_of(m_slips.begin(), m_slips.end(), [&](const STRUCT_SLIPDATA_ITEM_2004* mine) {
            return mine->slipType == theirs->slipType && mine->uniqueId == theirs->uniqueId
                && !mine->object->Differs(theirs->object);
        });
        if (!matched) return false;
    }
    for (const STRUCT_NOTEDATA_ITEM_2004* theirs : other.m_notes) {
        const bool matched = std::any_of(m_notes.begin(), m_notes.end(), [&](const STRUCT_NOTEDATA_ITEM_2004* mine) {
            return mine->noteId == theirs->noteId && !mine->object->Differs(theirs->object);
        });
        if (!matched) return false;
    }
    return true;
}

// ---------------------------------------------------------------- visitors

namespace {
template <typename Visitor, typename List>
bool walk(Visitor* visitor, List& list, void* param)
{
    if (!visitor) return false;
    visitor->begin(param);
    for (auto* item : list)
        if (!visitor->doWork(item, param)) break;
    return visitor->end(param);
}
}

bool IndividualTaxData::EnumTaxForms(CEnumTaxFormObj* visitor, void* param) { return walk(visitor, m_forms, param); }
bool IndividualTaxData::EnumTaxSlips(CEnumTaxSlipObj* visitor, void* param) { return walk(visitor, m_slips, param); }
bool IndividualTaxData::EnumTaxNotes(CEnumTaxNoteObj* visitor, void* param) { return walk(visitor, m_notes, param); }
bool IndividualTaxData::EnumTaxWizards(CEnumTaxWizardObj* visitor, void* param)
{
    return walk(visitor, m_wizards, param);
}

void IndividualTaxData::SetCoupledReturn(bool coupled)
{
    m_coupled = coupled;
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms)
        if (item->object) item->object->setCoupledReturn(coupled);
}

TaxData_T1New* IndividualTaxData::t1() const
{
    const STRUCT_FORMDATA_ITEM_2004* found = nullptr;
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType != FormType::T1) continue;
        if (found) return nullptr;
        found = item;
    }
    return found ? dynamic_cast<TaxData_T1New*>(found->object) : nullptr;
}

TaxData_T1159* IndividualTaxData::t1159() const
{
    const STRUCT_FORMDATA_ITEM_2004* found = nullptr;
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType != FormType::T1159) continue;
        if (found) return nullptr;
        found = item;
    }
    return found ? dynamic_cast<TaxData_T1159*>(found->object) : nullptr;
}
