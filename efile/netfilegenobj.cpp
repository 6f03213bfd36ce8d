#include "netfilegenobj.h"

#include "formtables.h"
#include "formtypes.h"
#include "taxdataform.h"

const int s_relatedflds_InfrmDepOver18[kJurisdictionCodes] = {0, 5620, 0, 5686, 5931, 5615, 5617,
                                                              5676, 5677, 0, 5616, 0, 5619, 0};
const int s_relatedflds_CaregiverAmt[kJurisdictionCodes] = {0, 5627, 0, 5687, 5932, 5622, 5624,
                                                            5678, 5679, 0, 5623, 0, 5626, 0};
const int s_relatedflds_DTCDependant[kJurisdictionCodes] = {318, 5641, 5642, 5689, 5934, 5636, 5638,
                                                            5682, 5683, 5639, 5637, 0, 5640, 5944};
const int s_relatedflds_TuitionTransfer[kJurisdictionCodes] = {324, 5779, 5780, 5690, 0, 5774, 5776,
                                                               5796, 5797, 0, 5775, 0, 0, 5945};

bool CNetfileGenObj::doWork(STRUCT_FORMDATA_ITEM_2004* item, void* param)
{
    ++m_count;
    auto* record = static_cast<NetfileGenObjParamStru*>(param);
    const int type = item->formType;
    if (type == FormType::T2124 || type == FormType::T2032 || type == FormType::T2124Commission
        || type == FormType::T1273 || IsSFDForm(type))
        return true;
    // A form of another jurisdiction than the return's tax province (one a
    // change of province left behind) is worked out by no library: its
    // lines would be stale, and the return is filed as made in its province.
    const int jurisdiction = getFormProv(type);
    if (item->object && jurisdiction != 0 && jurisdiction != item->object->getMainTaxProvince()) return true;
    if (item->object) item->object->WriteFreeData(record->mode, *record);
    if (type == FormType::T2209T2036) ++record->t2209Index;
    return true;
}

bool CheckIfEntryInMap(const std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>& map, const int* codes, int count)
{
    for (int i = 0; i < count; ++i)
        if (map.count(codes[i])) return true;
    return false;
}
