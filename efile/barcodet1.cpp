// The paper return's T1 barcode block: the fixed T1 record, then the return
// lines in barcode kind, encoded.

#include <cmath>
#include <cstdio>

#include "barcoderecords.h"
#include "filingsettings.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "memoryblock.h"
#include "netfilelines.h"
#include "netfileparam.h"
#include "statements.h"
#include "t1.h"
#include "telephone.h"
#include "utils.h"

namespace {

CString printf9(long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%09lld", value);
    return CString(text);
}

// Below -0.5 half away from zero, below a dollar 1, otherwise rounded.
long long bankruptcyRounding(double x)
{
    if (x < -0.5 && (-0.5 - x) >= 0.009) return static_cast<long long>(x - 0.5);
    if (x < 1.0 && (1.0 - x) >= 0.009) return 1;
    return static_cast<long long>(x + 0.5);
}

CString provinceCode(int province)
{
    if (province < 0 || province > MAX_PROVINCE) return CString();
    return CString(Global_Provs_Info[province].code);
}

CString trimmedString(const TaxData_T1New* t1, const char* name)
{
    CString text = t1->getString(name);
    text.Trim();
    return text;
}

// An answer (0 yes, 1 no) as "1" or "2" in `item`; other values leave it.
void setAnswer(FixedBarcodeItem& item, int answer)
{
    if (answer == 0) item.SetValue("1");
    if (answer == 1) item.SetValue("2");
}

// The mailing address line: the street, the PO box, then "RR" and the route.
CString addressLine(const TaxData_T1New* t1)
{
    QString line = t1->getString("mailing_address").toQString();
    const QString second = t1->getString("mailing_po_box").toQString();
    const QString third = t1->getString("mailing_rr").toQString();
    auto join = [&line](const QString& part) {
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        if (!line.isEmpty()) line += QLatin1Char(' ');
        line += part;
    };
    if (!second.isEmpty()) join(second);
    if (!third.isEmpty()) join(QStringLiteral("RR ") + third);
    return CString(line);
}

// The mailing province's code when it is a province or territory.
CString mailingProvince(const TaxData_T1New* t1)
{
    const QString code = trimmedString(t1, "mailing_province").toQString();
    for (int p = 1; p <= 13; ++p)
        if (!code.isEmpty() && code.compare(QLatin1String(Global_Provs_Info[p].code), Qt::CaseInsensitive) == 0)
            return CString(Global_Provs_Info[p].code);
    return CString("  ");
}

void fillJurisdiction(T1ReturnBarcodeFixedData& r, const TaxData_T1New* t1, int mainProvince)
{
    r.item39.SetValue("0");
    r.item40.SetValue("0");
    r.item41.SetValue("0");
    r.item42.SetAllCharsTo('0');
    const int land = t1->getInt("land_residence");
    if (mainProvince == PROV_YT) {
        const int nation = int(myStringToDouble(t1->getString("first_nation_code")));
        if (nation < 1) {
            r.item42.SetAllCharsTo('0');
            if (land == 1) r.item39.SetValue("2");
        } else {
            r.item39.SetValue("1");
            r.item42.SetValueLeftPadding(trimmedString(t1, "first_nation_code"), '0');
            setAnswer(r.item43, t1->getInt("first_nation"));
        }
        return;
    }
    switch (mainProvince) {
    case PROV_BC:
        setAnswer(r.item39, land);
        if (land == 0) setAnswer(r.item43, t1->getInt("first_nation"));
        break;
    case PROV_NL:
        setAnswer(r.item39, land);
        break;
    case PROV_NT:
        setAnswer(r.item40, t1->getInt("tlicho"));
        setAnswer(r.item41, t1->getInt("deline"));
        if (t1->getInt("deline") == 0) setAnswer(r.item43, t1->getInt("first_nation"));
        break;
    default:
        break;
    }
}

} // namespace

bool IndividualTaxData::IsGeneralBarcodeEligible() const
{
    const TaxData_T1New* form = t1();
    if (!form) return false;
    const CString sin = sinDigits(form->getString("sin"));
    if (sin.IsEmpty()) return false;
    if (sin.toQString().compare(QLatin1String("000000000"), Qt::CaseInsensitive) == 0) return false;
    if (!CheckSIN(sin.c_str())) return false;
    if (sin.bytes().startsWith('0')) return false;
    return !form->IsEmmigrant() && !form->IsImmigrant();
}

int IndividualTaxData::GetCountOfBarcodeSFDForms() const
{
    const TaxData_T1New* form = t1();
    if (!form || form->IsBankrupt()) return 0;
    int count = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType == FormType::T1163 || item->formType == FormType::T1273) continue;
        if (item->formType == FormType::T5013) {
            if (auto* t5013 = dynamic_cast<const CTaxData_T5013*>(item->object))
                count += t5013->GetCountOfBarcodeSFDForms();
        } else if (IsSFDForm(item->formType)) {
            ++count;
        }
    }
    count -= GetCountOfForm(FormType::T777S);
    return count < 0 ? 0 : count;
}

void IndividualTaxData::FillT1BarcodeFixedData(T1ReturnBarcodeFixedData& r)
{
    TaxData_T1New* form = t1();
    if (!form) return;
    r.item03.SetAllCharsTo('0');
    r.item04.SetValueLeftPadding(sinDigits(form->getString("sin")), '0');
    r.item05.SetValue(GetDateStr(form->getDate("birth_date"), 1));
    r.item06.SetValue(provinceCode(m_mainProvince));
    r.item07.SetValue(_isNonResidentReturn() ? "  " : "MJ");
    r.item08.SetValue(CString(QByteArray::number(form->getInt("marital_status") + 1)));

    // The spouse: the blanks of the spouse's S.I.N. are formatting only.
    if (HasForm(FormType::T1032) || form->CanClaimSpouse()) {
        if (auto* sin = dynamic_cast<CStringField*>(form->field("spouse_sin"))) {
            CString bare = sin->GetValue();
            bare.Remove(' ');
            sin->SetValue(bare);
        }
        r.item09.SetValueLeftPadding(sinDigits(form->getString("spouse_sin")), '0');
        r.item10.SetValueRightPadding(form->getString("spouse_first_name"), ' ');
    } else {
        r.item09.SetAllCharsTo('0');
        r.item10.SetAllCharsTo(' ');
    }
    r.item11.SetValueRightPadding(form->getString("first_name"), ' ');
    r.item12.SetValueRightPadding(form->getString("last_name"), ' ');
    r.item13.SetAllCharsTo(' ');
    r.item14.SetValueRightPadding(addressLine(form), ' ');
    r.item15.SetValueRightPadding(form->getString("mailing_city"), ' ');
    r.item16.SetValue(form->getInt("non_canadian_mailing") != 0 ? mailingProvince(form) : CString("  "));
    r.item17.SetValueRightPadding(GetRawPostcode(form->getString("mailing_postal_code")), ' ');
    r.item18.SetValueRightPadding(trimmedString(form, "email"), ' ');
    const QDate moved = form->getDate("date_of_move");
    if (moved.isValid()) r.item19.SetValue(GetDateStr(moved, 1));
    const int same = form->getInt("home_same_as_mailing");
    r.item20.SetValue(same == 0 ? "1" : same == 1 ? "2" : "0");
    const CString phone = telephoneDigits(form->getString("home_phone"));
    if (phone.IsEmpty())
        r.item21.SetAllCharsTo('0');
    else
        r.item21.SetValue(phone);
    r.item22.SetValue(CString(QByteArray::number(form->getInt("language") + 1)));
    if (form->CanClaimSpouse()) {
        r.item23.SetValueLeftPadding(printf9(static_cast<long long>(form->getFloat("spouse_net_income"))), '0');
        r.item24.SetValueLeftPadding(printf9(static_cast<long long>(form->getFloat("spouse_uccb"))), '0');
        r.item25.SetValueLeftPadding(printf9(static_cast<long long>(form->getFloat("spouse_uccb_repayment"))), '0');
    } else {
        for (FixedBarcodeItem* item : {&r.item23, &r.item24, &r.item25}) item->SetAllCharsTo('0');
    }
    const QDate death = form->getDate("date_of_death");
    if (death.isValid()) {
        r.item26.SetValue("1");
        r.item27.SetValue(GetDateStr(death, 1));
    }
    if (form->IsBankrupt()) {
        r.item28.SetValue("1");
        r.item29.SetValueLeftPadding(printf9(bankruptcyRounding(form->getFloat("post_bankrupt_net_income"))), '0');
        // The jurisdiction-3 amount: the post-bankruptcy adjusted net income.
        if (m_mainProvince == PROV_MB)
            r.item30.SetValueLeftPadding(
                printf9(bankruptcyRounding(form->getFloat("post_bankrupt_adjusted_net_income"))), '0');
    }
    char count[8];
    std::snprintf(count, sizeof count, "%02d", GetCountOfSFDForms());
    r.item31.SetValue(count);
    r.item34.SetAllCharsTo(' ');
    r.item36.SetValue(form->CanClaimSpouse() && form->getBool("spouse_self_employed") ? "1" : "0");
    const int citizen = form->getInt("elections_canada_citizen");
    r.item37.SetValue(citizen == 0 ? "1" : citizen == 1 ? "2" : "0");
    const int consent = form->getInt("elections_canada_consent");
    if (consent == 0 || consent == 1)
        r.item38.SetValue(consent == 0 ? "01" : "02");
    else
        r.item38.SetAllCharsTo('0');
    fillJurisdiction(r, form, form->getMainTaxProvince());
    // The province of residence now (the T1's current province), set and
    // not the main tax province; the year-end province is the main tax
    // province itself and would never differ.
    const int residence = form->getInt("current_province");
    r.item44.SetValue(residence != 0 && residence != form->getMainTaxProvince() ? provinceCode(residence)
                                                                               : CString("  "));
    // The further indicator the calculation sets: income exempt under the Indian Act.
    if (form->getInt("indian_act_exempt_income") != 0) r.item45.SetValue("1");
}

void IndividualTaxData::ConvertFreeDataMapToMemoryBlock(std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>& fields,
                                                        CMemoryBlock& block)
{
    bool first = true;
    for (const auto& entry : fields) {
        if (!first) block.Append("-");
        first = false;
        const int code = entry.first;
        const STRUCT_NETFILE_TIA_FIELD_TYPE& value = entry.second;
        QByteArray text = QByteArray::number(code);
        switch (value.type) {
        case 1:
        case 2: {
            const double scaled = std::fabs(value.amount) * (value.type == 2 ? 100.0 : 1.0);
            if (value.amount < 0) text += '&';
            text += QByteArray::number(netfile::truncatedAmount(scaled));
            break;
        }
        case 3: text += QByteArray::number(value.code); break;
        case 4: text += QByteArray::fromStdString(value.text); break;
        default: continue;   // only its separator
        }
        block.Append(text.constData(), text.size());
    }
}

void IndividualTaxData::GenerateT1Barcode(CMemoryBlock& block)
{
    T1ReturnBarcodeFixedData record(filingSettings().NetfileSoftwareCode, CString());
    FillT1BarcodeFixedData(record);
    record.OutputToMemoryBlock(block);
    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;
    param.mode = 2;
    param.outputKind = 2;
    param.lineCount = &count;
    param.fields = &fields;
    WriteNetfileFreeFormatData(2, param);
    ConvertFreeDataMapToMemoryBlock(fields, block);
    block.Append("-EOD");
}
