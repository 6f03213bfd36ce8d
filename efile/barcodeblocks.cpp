// The statements' barcode blocks: the fixed statement record, the
// statement's own lines in barcode kind, encoded, then "-EOD".

#include <cstdio>
#include <vector>

#include "barcodedata.h"

#include "barcoderecords.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "memoryblock.h"
#include "mydatastream.h"
#include "netfilelines.h"
#include "netfileparam.h"
#include "statements.h"
#include "t1.h"
#include "utils.h"

namespace {

CString format2(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return CString(text);
}

CString dateText(const QDate& date) { return date.isValid() ? GetDateStr(date, 1) : CString("00000000"); }

// share x factor, nudged one millionth and truncated, as "%0<width>lld".
CString scaledShare(double share, double factor, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", width, netfile::truncatedAmount(share * factor));
    return CString(text);
}

struct Identity
{
    const char* name = "business_name";
    const char* address = "business_address";
    const char* postal = "business_postal_code";
    const char* parties = "partners.#.";   // other parties' columns: name, address, percent
};

// Items 4 to 17 and 22 to 33 from a statement's identity fields; `row`
// (1..4) picks a T5013 section's columns instead.
void fillIdentity(SFDBarcodeFixedData& r, const TableForm& form, const Identity& id, bool paddedCode)
{
    r.item04.SetAllCharsTo(' ');
    const CString code = QByteArray::number(form.getInt("industry_code"));
    if (paddedCode)
        r.item06.SetValueRightPadding(code, '0');
    else
        r.item06.SetValue(code);
    r.item07.SetValueLeftPadding(sinDigits(form.getString("owner_sin")), '0');
    r.item08.SetValueRightPadding(form.getString(id.name), ' ');
    r.item09.SetValueRightPadding(form.getString(id.address), ' ');
    r.item10.SetValueRightPadding(GetRawPostcode(form.getString(id.postal)), ' ');
    r.item11.SetValue(dateText(form.getDate("fiscal_period_start")));
    r.item12.SetValue(dateText(form.getDate("fiscal_period_end")));
    r.item13.SetValueRightPadding(form.getString("partnership_business_number"), '0');
    const double share = form.getFloat("partnership_percent");
    r.item14.SetValue(share > 99.99 ? CString("0000") : scaledShare(share, 100.0, 4));
    r.item15.SetValueRightPadding(form.getString("tax_shelter_id"), ' ');
    r.item16.SetValue(form.getBool("is_final_year") ? "1" : "2");
    r.item17.SetValueRightPadding(form.getString("business_number"), ' ');
    FixedBarcodeItem* parties[3][4] = {{&r.item22, &r.item23, &r.item24, &r.item25},
                                       {&r.item26, &r.item27, &r.item28, &r.item29},
                                       {&r.item30, &r.item31, &r.item32, &r.item33}};
    const QByteArray prefix(id.parties);
    for (int p = 0; p < 3; ++p) {
        const CString name = TableForm::rowField((prefix + "name").constData(), p + 1);
        const CString address = TableForm::rowField((prefix + "address").constData(), p + 1);
        const CString percent = TableForm::rowField((prefix + "percent").constData(), p + 1);
        parties[p][0]->SetValueRightPadding(form.getString(name), ' ');
        parties[p][1]->SetValueRightPadding(form.getString(address), ' ');
        parties[p][2]->SetAllCharsTo('0');
        // Zeroed only when the share cannot fit its six digits.
        const double otherShare = form.getFloat(percent);
        parties[p][3]->SetValue(otherShare > 99.9999 ? CString("000000") : scaledShare(otherShare, 10000.0, 6));
    }
}

// The statement's own lines in barcode kind, encoded, then the end mark.
void appendLines(CTaxData_Form& form, CMemoryBlock& block, int t5013Slot = -1)
{
    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;
    param.mode = 2;
    param.outputKind = 2;
    param.lineCount = &count;
    param.fields = &fields;
    if (t5013Slot >= 0)
        static_cast<CTaxData_T5013&>(form).ConvertToNetfile(2, t5013Slot, param);
    else
        form.WriteFreeData(2, param);
    IndividualTaxData::ConvertFreeDataMapToMemoryBlock(fields, block);
    block.Append("-EOD");
}

void startRecord(SFDBarcodeFixedData& r, int sequence, const char* formCode, const char* kind)
{
    r.item02.SetValue(format2(sequence));
    r.item03.SetValue(formCode);
    r.item05.SetValue(kind);
}

void output(const SFDBarcodeFixedData& r, CTaxData_Form& form, CMemoryBlock& block)
{
    r.OutputToMemoryBlock(block);
    appendLines(form, block);
}

// A T5013 section's form code, by the meaning of its income kind; null for none.
const char* t5013FormCode(int kind)
{
    switch (kind) {
    case CTaxData_T5013::KIND_RENTAL: return "01";
    case CTaxData_T5013::KIND_BUSINESS: return "02";
    case CTaxData_T5013::KIND_PROFESSIONAL: return "03";
    case CTaxData_T5013::KIND_COMMISSION: return "02";
    case CTaxData_T5013::KIND_FISHING: return "04";
    case CTaxData_T5013::KIND_FARMING: return "05";
    default: return nullptr;
    }
}

} // namespace

void IndividualTaxData::GenerateT776Barcode(CTaxData_T776* form, CMemoryBlock& block, int sequence)
{
    SFDBarcodeFixedData r;
    startRecord(r, sequence, "01", "0");
    Identity id;
    id.parties = "co_owners.#.";
    fillIdentity(r, *form, id, false);
    output(r, *form, block);
}

void IndividualTaxData::GenerateT2042Barcode(CTaxData_T2042* form, CMemoryBlock& block, int sequence)
{
    SFDBarcodeFixedData r;
    startRecord(r, sequence, "05", form->getInt("accounting_method") == 1 ? "1" : "2");
    fillIdentity(r, *form, Identity(), true);
    r.item15.SetAllCharsTo(' ');
    output(r, *form, block);
}

void IndividualTaxData::GenerateT2121Barcode(CTaxData_T2121* form, CMemoryBlock& block, int sequence)
{
    SFDBarcodeFixedData r;
    startRecord(r, sequence, "04", form->getInt("accounting_method") == 1 ? "1" : "2");
    fillIdentity(r, *form, Identity(), true);
    r.item09.SetAllCharsTo(' ');
    r.item10.SetAllCharsTo(' ');
    output(r, *form, block);
}

void IndividualTaxData::GenerateT2125Barcode(ENUMTYPE_FORM type, TaxData_T2125_New* form, CMemoryBlock& block,
                                             int sequence)
{
    SFDBarcodeFixedData r;
    const bool professional = type == FormType::T2125 && form->getBool("is_professional");
    startRecord(r, sequence, professional ? "03" : "02", "1");
    fillIdentity(r, *form, Identity(), true);
    // The web presence: the number of sites, two addresses, the income share.
    const int sites = form->getInt("website_count");
    if (sites > 0.5) r.item18.SetValueRightPadding(CString(QByteArray::number(sites)), ' ');
    r.item19.SetValueRightPadding(form->getString("websites.1.url"), ' ');
    r.item20.SetValueRightPadding(form->getString("websites.2.url"), ' ');
    const double percent = form->getFloat("internet_income_percent");
    if (percent > 0.5) r.item21.SetValueLeftPadding(CString(QByteArray::number(qint64(percent))), ' ');
    output(r, *form, block);
}

void IndividualTaxData::setDefaultFixDataForNonBusiSFD01(SFDBarcodeFixedData& r)
{
    r.item04.SetAllCharsTo(' ');
    r.item05.SetValue("0");
    r.item06.SetAllCharsTo('0');
    const TaxData_T1New* form = t1();
    r.item07.SetValueLeftPadding(form ? sinDigits(form->getString("sin")) : CString(), '0');
    for (FixedBarcodeItem* item : {&r.item08, &r.item09, &r.item10, &r.item15, &r.item17, &r.item22, &r.item23,
                                   &r.item26, &r.item27, &r.item30, &r.item31})
        item->SetAllCharsTo(' ');
    r.item11.SetValue("00000000");
    r.item12.SetValue("00000000");
    for (FixedBarcodeItem* item : {&r.item13, &r.item24, &r.item28, &r.item32}) item->SetAllCharsTo('0');
    r.item14.SetValue("0000");
    r.item16.SetValue("0");
    for (FixedBarcodeItem* item : {&r.item25, &r.item29, &r.item33}) item->SetValue("000000");
}

void IndividualTaxData::GenerateT777Barcode(TaxData_T777New* form, CMemoryBlock& block, int sequence)
{
    SFDBarcodeFixedData r;
    setDefaultFixDataForNonBusiSFD01(r);
    r.item02.SetValue(format2(sequence));
    r.item03.SetValue("07");
    output(r, *form, block);
}

void IndividualTaxData::GenerateTL2Barcode(TaxData_TL2_New* form, CMemoryBlock& block, int sequence)
{
    SFDBarcodeFixedData r;
    setDefaultFixDataForNonBusiSFD01(r);
    r.item02.SetValue(format2(sequence));
    r.item03.SetValue("08");
    output(r, *form, block);
}

void IndividualTaxData::GenerateT2091Barcode(TaxData_T2091* form, CMemoryBlock& block, int sequence)
{
    SFDBarcodeFixedData r;
    setDefaultFixDataForNonBusiSFD01(r);
    r.item02.SetValue(format2(sequence));
    r.item03.SetValue(form->getType() == FormType::T1255 ? "12" : "11");
    output(r, *form, block);
}

namespace {

// The blocks of a T5013's sections in use, numbered on from `sequence`.
std::vector<CMemoryBlock> t5013Blocks(CTaxData_T5013& form, const CString& personSin, int& sequence)
{
    std::vector<CMemoryBlock> blocks;
    for (int slot = 0; slot < CTaxData_T5013::kSections; ++slot) {
        if (!form.IsThisSFD(slot)) continue;
        const int section = slot + 1;
        auto column = [section](const char* pattern) { return TableForm::rowField(pattern, section); };
        const char* code = t5013FormCode(form.getInt(column("partnerships.#.kind")));
        if (!code) continue;
        SFDBarcodeFixedData r;
        startRecord(r, ++sequence, code, "2");
        r.item04.SetAllCharsTo(' ');
        r.item06.SetValueRightPadding(CString(QByteArray::number(form.getInt(column("partnerships.#.industry_code")))),
                                      '0');
        r.item07.SetValueLeftPadding(personSin, '0');
        r.item08.SetValueRightPadding(form.getString(column("partnerships.#.name")), ' ');
        r.item09.SetAllCharsTo(' ');
        r.item10.SetValueRightPadding(GetRawPostcode(form.getString(column("partnerships.#.business_postal_code"))),
                                      ' ');
        r.item11.SetValue(dateText(form.getDate(column("partnerships.#.fiscal_period_start"))));
        r.item12.SetValue(dateText(form.getDate(column("partnerships.#.fiscal_period_end"))));
        r.item13.SetValueRightPadding(form.getString(column("partnerships.#.001")), '0');
        const double share = form.getFloat(column("partnerships.#.005"));
        r.item14.SetValue(share > 99.99 ? CString("0000") : scaledShare(share, 100.0, 4));
        r.item15.SetValueRightPadding(form.getString(column("partnerships.#.tax_shelter_id")), ' ');
        r.item16.SetValue("2");
        r.item17.SetAllCharsTo(' ');
        // The slip names no other parties: blank lines, numbers of zeros.
        for (FixedBarcodeItem* item : {&r.item22, &r.item23, &r.item26, &r.item27, &r.item30, &r.item31})
            item->SetAllCharsTo(' ');
        for (FixedBarcodeItem* item : {&r.item24, &r.item25, &r.item28, &r.item29, &r.item32, &r.item33})
            item->SetAllCharsTo('0');
        CMemoryBlock block;
        r.OutputToMemoryBlock(block);
        appendLines(form, block, slot);
        blocks.push_back(block);
    }
    return blocks;
}

CString personSin(const IndividualTaxData& person)
{
    return person.t1() ? sinDigits(person.t1()->getString("sin")) : CString();
}

// Every statement block of the return, in group order.
std::vector<CMemoryBlock> statementBlocks(IndividualTaxData& person)
{
    std::vector<CMemoryBlock> blocks;
    int sequence = 0;
    auto each = [&person](int type, auto&& write) {
        for (STRUCT_FORMDATA_ITEM_2004* item : person.forms())
            if (item->formType == type) write(item);
    };
    auto add = [&](auto* form, auto&& generate) {
        if (!form) return;   // not of its group's class: no block
        CMemoryBlock block;
        generate(form, block, ++sequence);
        blocks.push_back(block);
    };
    each(FormType::T776, [&](STRUCT_FORMDATA_ITEM_2004* i) {
        add(dynamic_cast<CTaxData_T776*>(i->object),
            [&](CTaxData_T776* f, CMemoryBlock& b, int n) { person.GenerateT776Barcode(f, b, n); });
    });
    each(FormType::T2042, [&](STRUCT_FORMDATA_ITEM_2004* i) {
        add(dynamic_cast<CTaxData_T2042*>(i->object),
            [&](CTaxData_T2042* f, CMemoryBlock& b, int n) { person.GenerateT2042Barcode(f, b, n); });
    });
    each(FormType::T2121, [&](STRUCT_FORMDATA_ITEM_2004* i) {
        add(dynamic_cast<CTaxData_T2121*>(i->object),
            [&](CTaxData_T2121* f, CMemoryBlock& b, int n) { person.GenerateT2121Barcode(f, b, n); });
    });
    for (int type : {int(FormType::T2125), int(FormType::T2125Commission)})
        each(type, [&](STRUCT_FORMDATA_ITEM_2004* i) {
            add(dynamic_cast<TaxData_T2125_New*>(i->object), [&](TaxData_T2125_New* f, CMemoryBlock& b, int n) {
                person.GenerateT2125Barcode(type, f, b, n);
            });
        });
    each(FormType::T5013, [&](STRUCT_FORMDATA_ITEM_2004* i) {
        if (auto* t5013 = dynamic_cast<CTaxData_T5013*>(i->object))
            for (CMemoryBlock& block : t5013Blocks(*t5013, personSin(person), sequence)) blocks.push_back(block);
    });
    each(FormType::T777, [&](STRUCT_FORMDATA_ITEM_2004* i) {
        add(dynamic_cast<TaxData_T777New*>(i->object),
            [&](TaxData_T777New* f, CMemoryBlock& b, int n) { person.GenerateT777Barcode(f, b, n); });
    });
    each(FormType::TL2, [&](STRUCT_FORMDATA_ITEM_2004* i) {
        add(dynamic_cast<TaxData_TL2_New*>(i->object),
            [&](TaxData_TL2_New* f, CMemoryBlock& b, int n) { person.GenerateTL2Barcode(f, b, n); });
    });
    for (STRUCT_FORMDATA_ITEM_2004* i : person.forms())
        if (i->formType == FormType::T1255 || i->formType == FormType::T2091IND)
            add(dynamic_cast<TaxData_T2091*>(i->object),
                [&](TaxData_T2091* f, CMemoryBlock& b, int n) { person.GenerateT2091Barcode(f, b, n); });
    return blocks;
}

// The person's barcode section. The number stored is the number of blocks
// that follow, built first: a count that differed from them would shift
// every later byte of the return file.
int writeBarcodeSection(IndividualTaxData& person, MyDataStream& stream)
{
    if (!person.IsGeneralBarcodeEligible()) {
        stream << qint32(0);
        return 0;
    }
    CMemoryBlock t1Block;
    person.GenerateT1Barcode(t1Block);
    t1Block.WriteToT1BarcodeArchive(stream);
    const int counted = person.GetCountOfBarcodeSFDForms();
    const std::vector<CMemoryBlock> blocks =
        (counted == 1 || counted == 2) ? statementBlocks(person) : std::vector<CMemoryBlock>();
    stream << qint32(blocks.size());
    for (const CMemoryBlock& block : blocks) block.WriteToT1BarcodeArchive(stream);
    return 0;
}

} // namespace

void IndividualTaxData::GenerateT5013Barcode(CTaxData_T5013* form, MyDataStream& stream, int& sequence)
{
    for (const CMemoryBlock& block : t5013Blocks(*form, personSin(*this), sequence))
        block.WriteToT1BarcodeArchive(stream);
}

void installBarcodeData()
{
    IndividualTaxData::installBarcodeWriter(&writeBarcodeSection);
}
