// The queries of a person's return by number, its status line and file name,
// and its validation.

#include <cmath>

#include "amounts.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "federalforms.h"
#include "messages.h"
#include "schedules.h"
#include "summaryforms.h"
#include "t1.h"
#include "utils.h"

namespace {

// The T1 lines behind the federal amount numbers.
const char* amountField(int number)
{
    switch (number) {
    case 150: return "15000";
    case 236: return "23600";
    case 260: return "26000";
    case 367: return "30500";
    case 484: return "48400";
    case 485: return "48500";
    default: return nullptr;
    }
}

const char* stringField(int number)
{
    switch (number) {
    case 1: return "sin";
    case 11: return "first_name";
    case 12: return "last_name";
    // The T1 keeps one e-mail address: 15 answers it and 16 stays empty
    // (printing falls back on 16 only when 15 is empty).
    case 15: return "email";
    case 19: return "home_phone";
    default: return nullptr;
    }
}

} // namespace

bool IndividualTaxData::getFedAmountClaimed(int number, double& value) const
{
    const TaxData_T1New* form = t1();
    if (!form) {
        if (const TaxData_T1159* nonResident = t1159()) return nonResident->getFedAmountClaimed(number, value);
        return false;
    }
    if (number == 483) {
        // Above 0 a balance due, else the refund negated.
        const double owing = form->getFloat("48500");
        value = owing >= kPresent ? owing : -form->getFloat("48400");
        return true;
    }
    const char* field = amountField(number);
    if (!field) return false;
    value = form->getFloat(field);
    return number == 367 ? value >= kPresent : true;
}

bool IndividualTaxData::getFedAmountClaimed(int number, int& value) const
{
    // The T1's marks that the filing front end reads: 2 the ReFILE mark,
    // 10 the registration for the agency's online mail.
    if (number == 2 || number == 10) {
        const TaxData_T1New* form = t1();
        if (!form) return false;
        value = number == 2 ? (form->getBool("refile") ? 1 : 0) : form->getInt("online_mail");
        return true;
    }
    double amount = 0.0;
    const bool known = getFedAmountClaimed(number, amount);
    value = int(amount);
    return known;
}

bool IndividualTaxData::getFedStringClaimed(int number, CString& value) const
{
    const TaxData_T1New* form = t1();
    if (!form) {
        if (const TaxData_T1159* nonResident = t1159()) return nonResident->getFedStringClaimed(number, value);
        return false;
    }
    if (number == 17) {
        form->ConstructFullName(value);
        return true;
    }
    if (number == 16) {
        value.Empty();
        return true;
    }
    const char* field = stringField(number);
    if (!field) return false;
    value = form->getString(field);
    return true;
}

bool IndividualTaxData::setFedAmount(int number, int flag, double value)
{
    switch (number) {
    case 3:
        if (TaxData_T1New* form = t1()) return form->setBool("multi_year_filing", flag != 0);
        return false;
    case 10321:
        if (CTaxData_Form* t1032 = GetFormData(FormType::T1032, false))
            return t1032->setBool("is_transferor", flag != 0);
        return false;
    case 10322:
        if (CTaxData_Form* t1032 = GetFormData(FormType::T1032, false)) return t1032->setFloat("split_amount", value);
        return false;
    default:
        return false;
    }
}

bool IndividualTaxData::setFedString(int number, const CString& value)
{
    switch (number) {
    case 10002:
        if (CTaxData_Form* t183 = GetFormData(FormType::T183, false)) return t183->setString("esignature", value);
        return false;
    case 10005:
        if (CTaxData_Form* rc71 = GetFormData(FormType::RC71, false)) return rc71->setString("esignature", value);
        return false;
    default:
        return false;
    }
}

CString IndividualTaxData::GetReturnStatusString(int) const
{
    if (m_mainProvince == PROV_T1159) return CString();
    if (!t1()) return "No tax return is opened.";
    double income = 0, net = 0, taxable = 0, owing = 0, refund = 0;
    getFedAmountClaimed(150, income);
    getFedAmountClaimed(236, net);
    getFedAmountClaimed(260, taxable);
    getFedAmountClaimed(485, owing);
    getFedAmountClaimed(484, refund);
    CString out;
    if (owing >= kPresent)
        out.Format("[Total Income]=%.2f [Net Income]=%.2f [Taxable Income]=%.2f [Balance Due]=%.2f", shownAmount(income),
                   shownAmount(net), shownAmount(taxable), shownAmount(owing));
    else
        out.Format("[Total Income]=%.2f [Net Income]=%.2f [Taxable Income]=%.2f [Refund]=%.2f", shownAmount(income),
                   shownAmount(net), shownAmount(taxable), shownAmount(refund));
    return out;
}

CString IndividualTaxData::GetNetfileNameWithoutSuffix() const
{
    CString first, last;
    if (m_mainProvince == PROV_T1159) {
        getFedStringClaimed(11, first);
        getFedStringClaimed(12, last);
    } else {
        getFedStringClaimed(11, first);
        getFedStringClaimed(12, last);
        if (last.IsEmpty()) last = "unknown";
    }
    CString name = first + "_" + last;
    makeValidFilename(name);
    // A long name must never make a work file the system refuses.
    cutFilenameToBytes(name, kNameFilenameBytes);
    return name;
}

namespace {
IndividualTaxData::ValidationEngine s_validationEngine = nullptr;
}

void IndividualTaxData::installValidationEngine(ValidationEngine engine)
{
    s_validationEngine = engine;
}

IndividualTaxData::ValidationEngine IndividualTaxData::validationEngine()
{
    return s_validationEngine;
}

bool IndividualTaxData::mainFormCountMessage(CString& message) const
{
    const bool t1159Return = m_mainProvince == PROV_T1159;
    const int type = t1159Return ? FormType::T1159 : FormType::T1;
    const int count = GetCountOfForm(type);
    if (count == 1) return false;
    const QString name = t1159Return ? QStringLiteral("T1159") : QStringLiteral("T1");
    message = count == 0 ? QStringLiteral("The return has no form %1: add it, the return cannot be printed or filed "
                                          "without it.")
                               .arg(name)
                         : QStringLiteral("The return holds %1 forms %2: remove all but one, a return has exactly "
                                          "one.")
                               .arg(count)
                               .arg(name);
    return true;
}

int IndividualTaxData::Validate(unsigned char flag, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    if (s_validationEngine) return s_validationEngine(*this, flag, items);
    for (STRUCT_SLIPDATA_ITEM_2004* slip : m_slips) {
        std::list<CString> messages;
        slip->object->Validate(flag, messages);
        if (messages.empty()) continue;
        auto* entry = new _STRUCT_FORM_VALIDATE_INFO;
        entry->kind = _STRUCT_FORM_VALIDATE_INFO::Slip;
        entry->type = slip->slipType;
        entry->messages = std::move(messages);
        items.push_back(entry);
    }
    for (STRUCT_FORMDATA_ITEM_2004* form : m_forms) {
        std::list<CString> messages;
        form->object->Validate(flag, messages);
        if (messages.empty()) continue;
        auto* entry = new _STRUCT_FORM_VALIDATE_INFO;
        entry->kind = _STRUCT_FORM_VALIDATE_INFO::Form;
        entry->type = form->formType;
        entry->messages = std::move(messages);
        items.push_back(entry);
    }
    std::list<CString> returnMessages;
    CString countMessage;
    if (mainFormCountMessage(countMessage)) returnMessages.push_back(countMessage);
    m_provMgr.Validate(returnMessages, t1(), dynamic_cast<TaxData_Sch2*>(GetFormData(FormType::Schedule2, false)),
                       dynamic_cast<TaxData_Sch5*>(GetFormData(FormType::Schedule5, false)),
                       dynamic_cast<TaxData_Sch9*>(GetFormData(FormType::Schedule9, false)),
                       dynamic_cast<TaxData_Sch11*>(GetFormData(FormType::Schedule11, false)),
                       dynamic_cast<TaxData_T691New*>(GetFormData(FormType::T691, false)),
                       dynamic_cast<TaxData_T1206New*>(GetFormData(FormType::T1206, false)));
    if (!returnMessages.empty()) {
        auto* entry = new _STRUCT_FORM_VALIDATE_INFO;
        entry->kind = _STRUCT_FORM_VALIDATE_INFO::Return;
        entry->messages = std::move(returnMessages);
        items.push_back(entry);
    }
    return int(items.size());
}

void IndividualTaxData::SyncDepInfo(int formType, DependantInfoStruct*)
{
    if (formType != FormType::SK428) return;
    if (CProvincialTaxManager* m = m_provMgr.getProvMgr(PROV_SK, false)) m->SyncDepInfo(FormType::SK428, m_dependants);
}

void IndividualTaxData::SyncDepSelAcrossMultiProvinces(int value, int province)
{
    if (CProvincialTaxManager* m = m_provMgr.getProvMgr(province, false)) m->SyncDepSelAcrossMultiProvinces(value, t1());
}
