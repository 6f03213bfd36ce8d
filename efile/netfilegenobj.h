#pragma once
// The visitor that lets every form of a return write its own return lines,
// and the tables and test of the return-level rules.

#include <map>

#include "netfileparam.h"
#include "returnitems.h"

class CNetfileGenObj : public CEnumTaxFormObj
{
public:
    // `param` is the run's NetfileGenObjParamStru. Statements are passed
    // over (they go as selected financial data), and so are the forms
    // of types 19, 22, 33 and 109 and the forms of another province than
    // the return's tax province; every form is visited.
    bool doWork(STRUCT_FORMDATA_ITEM_2004* item, void* param) override;
    bool begin(void*) override { return true; }
    bool end(void*) override { return true; }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

// True when any of the first `count` codes is a key of the map.
bool CheckIfEntryInMap(const std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>& map, const int* codes, int count);

// Codes by jurisdiction: index 0 the federal code, 1-13 the provinces and
// territories by ENUMTYPE_PROVINCE; 0 where the jurisdiction has none.
constexpr int kJurisdictionCodes = 14;
extern const int s_relatedflds_InfrmDepOver18[kJurisdictionCodes];
extern const int s_relatedflds_CaregiverAmt[kJurisdictionCodes];
extern const int s_relatedflds_DTCDependant[kJurisdictionCodes];
extern const int s_relatedflds_TuitionTransfer[kJurisdictionCodes];
