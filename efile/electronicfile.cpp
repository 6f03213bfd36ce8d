// One person's return as the agency's electronic return XML: the header, the
// EFILE deceased and bankruptcy parts, the return lines, the
// selected-financial-data records and the closing part.

#include <map>

#include "efileresources.h"
#include "familytaxdata.h"
#include "individualtaxdata.h"
#include "netfileparam.h"
#include "t1.h"
#include "templateprocessor.h"
#include "utils.h"

namespace {

bool isEfile(unsigned char mode) { return mode & 0x1; }

int writeTemplate(FILE* out, const char* resource, const TemplateValues& values, int& lines)
{
    ensureEfileTemplates();
    CString text;
    if (const int rc = processTemplatePartInString(text, resource, values, 0)) return rc;
    lines += text.bytes().count('\n');
    if (out) std::fwrite(text.c_str(), 1, size_t(text.bytes().size()), out);
    return 0;
}

// A post-bankruptcy income as a whole number: below -0.5 half away from
// zero, below a dollar 1, otherwise rounded.
long long bankruptcyAmount(double v)
{
    if (v <= -0.5 - 0.009) return static_cast<long long>(v - 0.5);
    if (v <= 1.0 - 0.009) return 1;
    return static_cast<long long>(v + 0.5);
}

} // namespace

int IndividualTaxData::privateGenerateXmlFilePartForDeceased(FILE* out, unsigned char, int& lines)
{
    const TaxData_T1New* form = t1();
    if (!form) return -1;
    TemplateValues values;
    values["date"] = GetDateStr(form->getDate("date_of_death"), 2).c_str();
    if (form->getInt("deceased_beneficiary_election") == 0) values["taxbnfry"] = "1";
    return writeTemplate(out, ":/net/net/epartdec.xmt", values, lines);
}

int IndividualTaxData::privateGenerateXmlFilePartForBankruptcy(FILE* out, unsigned char, int& lines)
{
    const TaxData_T1New* form = t1();
    if (!form) return -1;
    TemplateValues values;
    values["netinc"] = std::to_string(bankruptcyAmount(form->getFloat("post_bankrupt_net_income")));
    values["adjnetinc"] = std::to_string(bankruptcyAmount(form->getFloat("post_bankrupt_adjusted_net_income")));
    return writeTemplate(out, ":/net/net/epartbnk.xmt", values, lines);
}

int IndividualTaxData::privateGenerateXmlFilePartEnd(FILE* out, unsigned char mode, int& lines)
{
    return writeTemplate(out, isEfile(mode) ? ":/net/net/epartend.xmt" : ":/net/net/npartend.xmt", TemplateValues(),
                         lines);
}

int IndividualTaxData::CreateElectronicFile(FILE*, FILE* out, unsigned char mode)
{
    TaxData_T1New* form = t1();
    if (!form) return -1;
    int lines = 0;
    if (out) {
        if (const int rc = privateGenerateXmlFilePart1(out, mode, lines)) return rc;
        if (isEfile(mode)) {
            if (form->IsDeceasedForEfileReporting()) privateGenerateXmlFilePartForDeceased(out, mode, lines);
            if (form->IsBankrupt()) privateGenerateXmlFilePartForBankruptcy(out, mode, lines);
        }
    }
    int lineCount = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru record;
    record.mode = mode;
    record.outputKind = 0;
    record.file = out;
    record.lineCount = &lineCount;
    record.fields = &fields;
    record.t2209Index = 0;
    WriteNetfileFreeFormatData(mode, record);
    if (!form->IsBankrupt()) privateWriteNetFileSFD_ExceptT2091(mode, record);
    privateWriteNetFileSFD_T2091(mode, record);
    if (out) return privateGenerateXmlFilePartEnd(out, mode, lines);
    return 0;
}

int CFamilyTaxData::CreateElectronicFile(FILE* unused, FILE* out, unsigned char mode)
{
    IndividualTaxData* person = getCurIndvTaxData();
    return person ? person->CreateElectronicFile(unused, out, mode) : -1;
}
