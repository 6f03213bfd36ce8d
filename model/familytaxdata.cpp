#include "amounts.h"
#include "familytaxdata.h"

#include "coupledclaims.h"
#include "formtables.h"
#include "formtypes.h"
#include "messages.h"
#include "t1.h"
#include "taxdataform.h"

namespace {

const char* const kWarningTitle = "Quillmere Warning Message";

double t1Amount(const IndividualTaxData* person, const char* line)
{
    const TaxData_T1New* t1 = person ? person->t1() : nullptr;
    return t1 ? t1->getFloat(line) : 0.0;
}

double result483(const IndividualTaxData* person)
{
    double value = 0;
    person->getFedAmountClaimed(483, value);
    return value;
}

bool warn(const char* text)
{
    return CYesNoContinueDlg::warnYesNoMsg(nullptr, QString::fromLatin1(kWarningTitle), QString::fromUtf8(text));
}

} // namespace

CFamilyTaxData::CFamilyTaxData(ENUM_MultiProvsTaxMgrMode mode) : m_mode(mode)
{
    m_persons[0] = new IndividualTaxData(mode, &m_dependants);
    m_persons[1] = new IndividualTaxData(mode, &m_dependants);
    m_persons[1]->setSpouseReturn(true);
}

CFamilyTaxData::~CFamilyTaxData()
{
    FreeData();
    for (IndividualTaxData*& person : m_persons) {
        delete person;
        person = nullptr;
    }
}

void CFamilyTaxData::FreeData()
{
    m_dependants.FreeData();
    for (IndividualTaxData* person : m_persons)
        if (person) person->FreeData();
    m_current = kTaxpayer;
}

int CFamilyTaxData::setCurIndv(int index)
{
    if (index == kTaxpayer || index == kSpouse) m_current = index;
    return m_current;
}

IndividualTaxData* CFamilyTaxData::_getIndvTaxData(int index) const
{
    if (index == kTaxpayer) return m_persons[0];
    if (index == kSpouse) return m_persons[1];
    if (index >= 0 && index <= 11) return m_persons[index + 2];
    return nullptr;
}

IndividualTaxData* CFamilyTaxData::getNonCurIndvTaxData() const
{
    if (m_current == kTaxpayer) return m_persons[1];
    if (m_current == kSpouse) return m_persons[0];
    return nullptr;
}

bool CFamilyTaxData::IsCoupledReturn() const
{
    return m_persons[1] && m_persons[1]->GetCountOfForm(FormType::T1) > 0;
}

// ---------------------------------------------------------------- forwarders

int CFamilyTaxData::GetCountOfForm(ENUMTYPE_FORM type) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->GetCountOfForm(type) : 0;
}

bool CFamilyTaxData::HasForm(ENUMTYPE_FORM type) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p && p->HasForm(type);
}

CTaxData_Form* CFamilyTaxData::GetFormData(ENUMTYPE_FORM type, bool create)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->GetFormData(type, create) : nullptr;
}

STRUCT_FORMDATA_ITEM_2004* CFamilyTaxData::GetFormDataItem(ENUMTYPE_FORM type, bool create)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->GetFormDataItem(type, create) : nullptr;
}

STRUCT_SLIPDATA_ITEM_2004* CFamilyTaxData::NewSlipData(ENUMTYPE_SLIP type, int id, int sharedId)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->NewSlipData(type, id, sharedId) : nullptr;
}

STRUCT_NOTEDATA_ITEM_2004* CFamilyTaxData::NewNoteData(int id)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->NewNoteData(id) : nullptr;
}

void CFamilyTaxData::RemoveNoteData(CTaxData_Form* note)
{
    if (IndividualTaxData* p = getCurIndvTaxData()) p->RemoveNoteData(note);
}

void CFamilyTaxData::RemoveSlipData(CTaxData_Form* slip)
{
    if (IndividualTaxData* p = getCurIndvTaxData()) p->RemoveSlipData(slip);
}

void CFamilyTaxData::RemoveFormData(CTaxData_Form* form, bool inList)
{
    if (IndividualTaxData* p = getCurIndvTaxData()) p->RemoveFormData(form, inList);
}

ENUMTYPE_FORM CFamilyTaxData::FindExtraFormToBeAdded(ENUMTYPE_FORM type)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->FindExtraFormToBeAdded(type) : 0;
}

CString CFamilyTaxData::GetReturnStatusString(int flag) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->GetReturnStatusString(flag) : CString();
}

bool CFamilyTaxData::getFedStringClaimed(int number, CString& value) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p && p->getFedStringClaimed(number, value);
}

bool CFamilyTaxData::getFedAmountClaimed(int number, double& value) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p && p->getFedAmountClaimed(number, value);
}

bool CFamilyTaxData::getFedAmountClaimed(int number, int& value) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p && p->getFedAmountClaimed(number, value);
}

bool CFamilyTaxData::setFedString(int number, const CString& value)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p && p->setFedString(number, value);
}

CString CFamilyTaxData::GetNetfileNameWithoutSuffix() const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->GetNetfileNameWithoutSuffix() : CString();
}

void CFamilyTaxData::GetActiveProvinces(std::list<unsigned int>& provinces) const
{
    const IndividualTaxData* p = m_current == kSpouse ? m_persons[1] : m_persons[0];
    p->provMgr().GetActiveProvinces(provinces);
}

// ---------------------------------------------------------------- own rules

STRUCT_FORMDATA_ITEM_2004* CFamilyTaxData::NewFormDataItem(ENUMTYPE_FORM type, int id, bool addToList, int sharedId,
                                                           bool initNew)
{
    IndividualTaxData* p = getCurIndvTaxData();
    if (!p) return nullptr;
    STRUCT_FORMDATA_ITEM_2004* item = p->NewFormDataItem(type, id, addToList, sharedId, initNew);
    // The pension-splitting election is one form that both spouses file; a
    // spouse that holds one already keeps it alone, for a second copy of this
    // single form would leave the split out of the calculation.
    IndividualTaxData* other = getNonCurIndvTaxData();
    if (type == FormType::T1032 && IsCoupledReturn() && other && !other->HasForm(type)) {
        STRUCT_FORMDATA_ITEM_2004* copy = other->NewFormDataItem(type, id, addToList, sharedId, initNew);
        // Outside the list nobody would own the spouse's copy.
        if (copy && !addToList) {
            other->RemoveFormData(copy->object, false);
            delete copy;
        }
    }
    return item;
}

bool CFamilyTaxData::setFedAmount(int number, int flag, double value)
{
    IndividualTaxData* p = getCurIndvTaxData();
    if (!p) return false;
    const bool set = p->setFedAmount(number, flag, value);
    if ((number == 10321 || number == 10322) && IsCoupledReturn())
        if (IndividualTaxData* other = getNonCurIndvTaxData()) other->setFedAmount(number, flag, value);
    return set;
}

void CFamilyTaxData::DeCouple(bool keepSpouse)
{
    if (keepSpouse) {
        IndividualTaxData* former = m_persons[0];
        m_persons[0] = m_persons[1];
        m_persons[1] = new IndividualTaxData(MULTIPROV_MODE_FILE, &m_dependants);
        m_persons[0]->setSpouseReturn(false);
        m_persons[1]->setSpouseReturn(true);
        former->FreeData();
        delete former;
    } else {
        m_persons[1]->FreeData();
    }
    IndividualTaxData* kept = m_persons[0];
    for (STRUCT_FORMDATA_ITEM_2004* item : kept->forms()) item->sharedId = 0;
    for (STRUCT_SLIPDATA_ITEM_2004* item : kept->slips()) item->sharedId = 0;
    kept->SetCoupledReturn(false);
    setCurIndv(kTaxpayer);
}

void CFamilyTaxData::CoupleTaxReturn(CFamilyTaxData* other)
{
    if (!other || other == this) return;
    IndividualTaxData* spouseReturn = m_persons[1];
    spouseReturn->FreeData();
    *spouseReturn = *other->taxpayer();
    m_persons[0]->SetCoupledReturn(true);
    spouseReturn->SetCoupledReturn(true);

    TaxData_T1New* mine = m_persons[0]->t1();
    TaxData_T1New* theirs = spouseReturn->t1();
    if (!mine || !theirs) return;
    const int myStatus = mine->getInt("marital_status");
    const int theirStatus = theirs->getInt("marital_status");
    auto couple = [](int s) { return s == MARITAL_MARRIED || s == MARITAL_COMMON_LAW; };
    if (couple(myStatus)) {
        theirs->setInt("marital_status", myStatus);
    } else if (couple(theirStatus)) {
        mine->setInt("marital_status", theirStatus);
    } else {
        mine->setInt("marital_status", MARITAL_MARRIED);
        theirs->setInt("marital_status", MARITAL_MARRIED);
    }
}

int CFamilyTaxData::SyncMailingAddrToSpouseReturn()
{
    if (!IsCoupledReturn()) return 0;
    IndividualTaxData* current = getCurIndvTaxData();
    IndividualTaxData* other = getNonCurIndvTaxData();
    if (!current || !other) return 0;
    TaxData_T1New* from = current->t1();
    TaxData_T1New* to = other->t1();
    if (!from || !to) return 0;
    to->SyncWithSpouseMailingAddr(from);
    return 1;
}

void CFamilyTaxData::CopyTaxPreparerInfo()
{
    m_persons[0]->CopyTaxPreparerInfo();
    if (IsCoupledReturn()) m_persons[1]->CopyTaxPreparerInfo();
}

void CFamilyTaxData::GetFamilyReturnStatus(double& principal, double& spouse, double& total) const
{
    principal = spouse = total = 0;
    if (IsCoupledReturn()) {
        if (!m_persons[0]->t1() || !m_persons[1]->t1()) return;
        principal = result483(m_persons[0]);
        spouse = result483(m_persons[1]);
        total = principal + spouse;
        return;
    }
    if (!m_persons[0]->t1()) return;
    principal = total = result483(m_persons[0]);
}

int CFamilyTaxData::ValidateTaxReturn(unsigned char flag, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items,
                                      CString& fullName, bool spouse, bool)
{
    if (spouse && !IsCoupledReturn()) return 0;
    IndividualTaxData* person = spouse ? m_persons[1] : m_persons[0];
    fullName.Empty();
    person->getFedStringClaimed(17, fullName);
    person->Validate(flag, items);
    // What the couple claims across both returns is said once, with the
    // taxpayer's messages.
    if (!spouse && IsCoupledReturn()) {
        auto* coupled = new _STRUCT_FORM_VALIDATE_INFO;
        coupled->kind = _STRUCT_FORM_VALIDATE_INFO::Coupled;
        CoupledClaimMessages(*m_persons[0], *m_persons[1], coupled->messages);
        if (coupled->messages.empty())
            delete coupled;
        else
            items.push_back(coupled);
    }
    return int(items.size());
}

bool CFamilyTaxData::AnyMsgBeforeNetfile(unsigned char flag, bool b)
{
    const bool coupled = IsCoupledReturn();
    IndividualTaxData* taxpayerReturn = m_persons[0];
    const TaxData_T1New* t1 = taxpayerReturn->t1();
    auto claims30500 = [](const IndividualTaxData* p) {
        double amount = 0;
        return p->getFedAmountClaimed(367, amount);
    };
    const int status = t1 ? t1->getInt("marital_status") : MARITAL_NONE;
    const bool hasSpouse = status == MARITAL_MARRIED || status == MARITAL_COMMON_LAW;
    const char* const once = "As married or common-law, each child eligible for field 30500 can only be claimed by one person.";

    if (!coupled && taxpayerReturn->HasSharedComponent()
        && !warn("This single return file has shared tax slips or tax forms. Make sure other returns claim the rest "
                 "of the shared part."))
        return false;
    if (coupled && claims30500(m_persons[0]) && claims30500(m_persons[1]) && !warn(once)) return false;
    if (!coupled && hasSpouse && claims30500(taxpayerReturn) && !warn(once)) return false;
    if (!coupled && !hasSpouse && m_dependants.GetDepChildrenNumberBetweenAges_Infirm(0, 17, true) > 0
        && !claims30500(taxpayerReturn)
        && !warn("You may be eligible to claim Canada caregiver amount for infirm children under age 18 at field 30500."))
        return false;
    if (MaySchedule6Needed()
        && !warn("You may want to include Schedule 6 to calculate Canada Workers Benefit. Press 'OK' button to skip "
                 "Schedule 6."))
        return false;
    IndividualTaxData* current = getCurIndvTaxData();
    return current ? current->AnyMsgBeforeNetfile(flag, b) : true;
}

bool CFamilyTaxData::MaySchedule6Needed()
{
    IndividualTaxData* current = getCurIndvTaxData();
    if (current && current->HasForm(FormType::Schedule6)) return false;
    if (!IsCoupledReturn()) return m_persons[0]->MaySchedule6Needed();

    // Working income and the net income the benefit is measured on: without
    // the UCCB and RDSP income, their repayments put back.
    double working = 0, net = 0;
    for (const IndividualTaxData* p : {m_persons[0], m_persons[1]}) {
        working += t1Amount(p, "10100") + t1Amount(p, "10400") + p->CalculatedSelfEmpIncomeForF5532();
        net += t1Amount(p, "23600") + t1Amount(p, "21300") + t1Amount(p, "rdsp_repayment") - t1Amount(p, "11700")
            - t1Amount(p, "12500");
    }
    const int province = m_persons[0]->getMainProvince();
    // Non-resident and T1159 returns get no Canada workers benefit.
    if (province < 0 || province > 13) return false;
    // The couple's limits: those with dependants, of a disabled person.
    const double* limits = IndividualTaxData::s_S6BoundaryIncome[province];
    if (working < limits[1]) return false;
    if (net > limits[3]) return false;
    return true;
}

// ---------------------------------------------------------------- sharing

bool CFamilyTaxData::IsTaxFormSharedWithSpouse(CTaxData_Form* form) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return IsCoupledReturn() && p && p->GetSharedFormID(form) != 0;
}

bool CFamilyTaxData::IsTaxSlipSharedWithSpouse(CTaxData_Form* slip) const
{
    const IndividualTaxData* p = getCurIndvTaxData();
    return IsCoupledReturn() && p && p->GetSharedSlipID(slip) != 0;
}

void CFamilyTaxData::ShareTaxFormWithSpouse(CTaxData_Form* form, int otherId)
{
    IndividualTaxData* mine = getCurIndvTaxData();
    IndividualTaxData* other = getNonCurIndvTaxData();
    if (!mine || !other || !form) return;
    const int type = form->getType();
    STRUCT_FORMDATA_ITEM_2004* item = mine->findFormItem(form);
    if (!IsFormSharable(type) || !item || item->uniqueId < 1) return;

    STRUCT_FORMDATA_ITEM_2004* linked = nullptr;
    if (IsSFDForm(type)) {
        if (otherId != 0) {
            for (STRUCT_FORMDATA_ITEM_2004* candidate : other->forms())
                if (candidate->formType == type && candidate->uniqueId == otherId) linked = candidate;
        } else {
            linked = other->NewFormDataItem(type, other->GetNextUniqueID(), true, item->uniqueId, true);
            if (linked) {
                linked->object->CopyFrom(form);
                // The other spouse's own download did not make the copy.
                linked->object->setAutoFilled(false);
            }
        }
    } else {
        linked = other->GetFormDataItem(type, true);
    }
    if (!linked) return;
    linked->sharedId = item->uniqueId;
    item->sharedId = linked->uniqueId;
}

void CFamilyTaxData::ShareTaxSlipWithSpouse(CTaxData_Form* slip, int otherId)
{
    IndividualTaxData* mine = getCurIndvTaxData();
    IndividualTaxData* other = getNonCurIndvTaxData();
    if (!mine || !other || !slip) return;
    const int type = slip->getType();
    STRUCT_SLIPDATA_ITEM_2004* item = mine->findSlipItem(slip);
    if (!IsSlipSharable(type) || !item || item->uniqueId < 1) return;

    if (otherId == 0) {
        STRUCT_SLIPDATA_ITEM_2004* copy = linkCopyOfSlip(*item, *other);
        // A slip held alone is split half and half; one already shared with
        // someone gives the copy the rest. Either way the two shares make the
        // whole slip, and the family counts each dollar once.
        const char* share = copy ? slip->sharePercentField() : nullptr;
        if (share) {
            const double own = slip->getFloat(share);
            if (own >= 100.0 - kAmountThatCounts) slip->setFloat(share, 50.0);
            copy->object->setFloat(share, qBound(0.0, 100.0 - slip->getFloat(share), 100.0));
        }
        return;
    }
    STRUCT_SLIPDATA_ITEM_2004* linked = nullptr;
    for (STRUCT_SLIPDATA_ITEM_2004* candidate : other->slips())
        if (candidate->slipType == type && candidate->uniqueId == otherId) linked = candidate;
    if (!linked) return;
    linked->sharedId = item->uniqueId;
    item->sharedId = linked->uniqueId;
}

STRUCT_SLIPDATA_ITEM_2004* CFamilyTaxData::linkCopyOfSlip(STRUCT_SLIPDATA_ITEM_2004& item, IndividualTaxData& other)
{
    if (!item.object) return nullptr;
    STRUCT_SLIPDATA_ITEM_2004* copy = other.NewSlipData(item.slipType, other.GetNextUniqueID(), item.uniqueId);
    if (!copy) return nullptr;
    copy->object->CopyFrom(item.object);
    copy->object->setAutoFilled(false);
    copy->sharedId = item.uniqueId;
    item.sharedId = copy->uniqueId;
    return copy;
}

void CFamilyTaxData::UnShareTaxFormWithSpouse(CTaxData_Form* form)
{
    IndividualTaxData* mine = getCurIndvTaxData();
    IndividualTaxData* other = getNonCurIndvTaxData();
    if (!mine || !other) return;
    STRUCT_FORMDATA_ITEM_2004* item = mine->findFormItem(form);
    if (!item) return;
    for (STRUCT_FORMDATA_ITEM_2004* candidate : other->forms())
        if (candidate->formType == item->formType && candidate->uniqueId == item->sharedId) candidate->sharedId = 0;
    item->sharedId = 0;
}

void CFamilyTaxData::UnShareTaxSlipWithSpouse(CTaxData_Form* slip)
{
    IndividualTaxData* mine = getCurIndvTaxData();
    IndividualTaxData* other = getNonCurIndvTaxData();
    if (!mine || !other) return;
    STRUCT_SLIPDATA_ITEM_2004* item = mine->findSlipItem(slip);
    if (!item) return;
    for (STRUCT_SLIPDATA_ITEM_2004* candidate : other->slips())
        if (candidate->slipType == item->slipType && candidate->uniqueId == item->sharedId) candidate->sharedId = 0;
    item->sharedId = 0;
}

// ---------------------------------------------------------------- copy and compare

CFamilyTaxData& CFamilyTaxData::operator=(const CFamilyTaxData& other)
{
    if (&other == this) return *this;
    m_dependants = other.m_dependants;
    *m_persons[0] = *other.m_persons[0];
    *m_persons[1] = *other.m_persons[1];
    m_current = other.m_current;
    return *this;
}

bool CFamilyTaxData::softCopy(const CFamilyTaxData& other)
{
    const bool taxpayerCopied = m_persons[0]->softCopy(*other.m_persons[0]);
    const bool spouseCopied = m_persons[1]->softCopy(*other.m_persons[1]);
    m_current = other.m_current;
    return taxpayerCopied && spouseCopied;
}

bool CFamilyTaxData::operator==(const CFamilyTaxData& other) const
{
    return *m_persons[0] == *other.m_persons[0] && *m_persons[1] == *other.m_persons[1]
        && m_dependants == other.m_dependants;
}

bool CFamilyTaxData::operator!=(const CFamilyTaxData& other) const
{
    // A change to the dependants alone is a change too: the editor asks this
    // to know whether there is anything to save.
    return !(*this == other);
}
