// The selected-financial-data records: one element per statement, after the
// return lines.

#include <cstdio>
#include <vector>

#include "formtypes.h"
#include "individualtaxdata.h"
#include "netfileparam.h"
#include "statements.h"
#include "t1.h"

namespace {

struct Record
{
    CTaxData_Form* form;
    int slot;   // the T5013 section's slot; -1 for a whole statement
};

bool isExpectedClass(int type, const CTaxData_Form* form)
{
    switch (type) {
    case FormType::T2125Commission:
    case FormType::T2125: return dynamic_cast<const TaxData_T2125_New*>(form);
    case FormType::T776: return dynamic_cast<const CTaxData_T776*>(form);
    case FormType::T2121: return dynamic_cast<const CTaxData_T2121*>(form);
    case FormType::T2042: return dynamic_cast<const CTaxData_T2042*>(form);
    case FormType::T1163: return dynamic_cast<const CTaxData_T1163*>(form);
    case FormType::T777S: return dynamic_cast<const TaxData_T777Covid19*>(form);
    case FormType::T777: return dynamic_cast<const TaxData_T777New*>(form);
    case FormType::TL2: return dynamic_cast<const TaxData_TL2_New*>(form);
    case FormType::T2091IND:
    case FormType::T1255: return dynamic_cast<const TaxData_T2091*>(form);
    default: return false;
    }
}

void addFormsOfType(const IndividualTaxData& person, int type, std::vector<Record>& out)
{
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms())
        if (item->formType == type && isExpectedClass(type, item->object)) out.push_back({item->object, -1});
}

// The records other than T2091, in the order they are written.
std::vector<Record> recordsExceptT2091(const IndividualTaxData& person)
{
    std::vector<Record> records;
    for (int type : {FormType::T2125Commission, FormType::T2125, FormType::T776, FormType::T2121, FormType::T2042,
                     FormType::T1163})
        addFormsOfType(person, type, records);
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
        if (item->formType != FormType::T5013) continue;
        if (auto* t5013 = dynamic_cast<CTaxData_T5013*>(item->object))
            for (int slot = 0; slot < CTaxData_T5013::kSections; ++slot)
                if (t5013->IsThisSFD(slot)) records.push_back({t5013, slot});
    }
    const TaxData_T1New* t1 = person.t1();
    if (t1 && t1->getFloat("22900") >= 0.009)
        for (int type : {FormType::T777S, FormType::T777, FormType::TL2}) addFormsOfType(person, type, records);
    return records;
}

// The designations (T2091), written after the other records in list order.
std::vector<Record> designationRecords(const IndividualTaxData& person)
{
    std::vector<Record> records;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms())
        if ((item->formType == FormType::T1255 || item->formType == FormType::T2091IND)
            && isExpectedClass(item->formType, item->object))
            records.push_back({item->object, -1});
    return records;
}

void writeRecord(const Record& record, unsigned char mode, NetfileGenObjParamStru& param)
{
    if (param.file) std::fputs("<sfd:SelectedFinancialData>\n", param.file);
    param.withinRecord = true;
    if (record.slot >= 0)
        static_cast<CTaxData_T5013*>(record.form)->ConvertToNetfile(mode, record.slot, param);
    else
        record.form->WriteFreeData(mode, param);
    param.withinRecord = false;
    if (param.file) std::fputs("</sfd:SelectedFinancialData>\n", param.file);
}

} // namespace

int IndividualTaxData::privateWriteNetFileSFD_ExceptT2091(unsigned char mode, NetfileGenObjParamStru& record)
{
    // The count states the records that follow: a statement the rules below
    // do not write (a T777 without employment expenses) is not counted, and
    // the designations written after these records are.
    const std::vector<Record> records = recordsExceptT2091(*this);
    const int count = int(records.size() + designationRecords(*this).size());
    if (count < 1) return 0;
    if (record.file)
        std::fprintf(record.file, "<t1:SelectedFinancialDataRecordCount>%02d</t1:SelectedFinancialDataRecordCount>\n",
                     count);
    for (const Record& r : records) writeRecord(r, mode, record);
    return int(records.size());
}

int IndividualTaxData::privateWriteNetFileSFD_T2091(unsigned char mode, NetfileGenObjParamStru& record)
{
    const std::vector<Record> records = designationRecords(*this);
    for (const Record& r : records) writeRecord(r, mode, record);
    return int(records.size());
}
