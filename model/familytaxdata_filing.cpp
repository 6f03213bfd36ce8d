// The family's checks before filing: the couple's checks, and the current
// person's eligibility, ReFILE and T1135 checks.

#include "familytaxdata.h"

int CFamilyTaxData::ValidateWithCoupled(unsigned char mode, std::list<CString>& messages, bool spouseSide)
{
    IndividualTaxData* taxpayerReturn = m_persons[0];
    IndividualTaxData* spouseReturn = m_persons[1];
    if (!taxpayerReturn || !spouseReturn || !spouseReturn->t1()) return 0;
    return spouseSide ? spouseReturn->ValidateWithCoupled(mode, messages, taxpayerReturn)
                      : taxpayerReturn->ValidateWithCoupled(mode, messages, spouseReturn);
}

int CFamilyTaxData::IsEligibleForElectronicFile(unsigned char mode, std::list<CString>& messages)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->IsEligibleForElectronicFile(mode, messages) : 0;
}

int CFamilyTaxData::IsEligibleForReFile(unsigned char mode, std::list<CString>& messages)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->IsEligibleForReFile(mode, messages) : int(messages.size());
}

int CFamilyTaxData::DoSurveyBeforeReFile(std::list<CString>& messages)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->DoSurveyBeforeReFile(messages) : 0;
}

int CFamilyTaxData::prepareForReFile()
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->prepareForReFile() : -1;
}

void CFamilyTaxData::UnsetReFile()
{
    if (IndividualTaxData* p = getCurIndvTaxData()) p->UnsetReFile();
}

int CFamilyTaxData::ValidateT1135(unsigned char mode, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    IndividualTaxData* p = getCurIndvTaxData();
    return p ? p->ValidateT1135(mode, items) : 0;
}
