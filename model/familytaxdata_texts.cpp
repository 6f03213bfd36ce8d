// What the family return shows: status lines, results, names and captions.

#include <cmath>

#include <QString>

#include "amounts.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "t1.h"
#include "taxdataform.h"

namespace {


double amount(const IndividualTaxData* person, int number)
{
    double value = 0;
    person->getFedAmountClaimed(number, value);
    return value;
}

} // namespace

CString CFamilyTaxData::GetFamilyReturnStatusString() const
{
    if (!IsCoupledReturn()) return m_persons[0]->GetReturnStatusString(0);
    if (!m_persons[0]->t1() || !m_persons[1]->t1()) return "No tax return is opened.";
    double income = 0, net = 0, taxable = 0, result = 0;
    for (const IndividualTaxData* p : {m_persons[0], m_persons[1]}) {
        income += amount(p, 150);
        net += amount(p, 236);
        taxable += amount(p, 260);
        result += amount(p, 483);
    }
    CString out;
    if (result >= 0)
        out.Format("[Total Income]=%.2f [Net Income]=%.2f [Taxable Income]=%.2f [Balance Due]=%.2f", shownAmount(income),
                   shownAmount(net), shownAmount(taxable), shownAmount(result));
    else
        out.Format("[Total Income]=%.2f [Net Income]=%.2f [Taxable Income]=%.2f [Refund]=%.2f", shownAmount(income),
                   shownAmount(net), shownAmount(taxable), shownAmount(-result));
    return out;
}

void CFamilyTaxData::getShortResult(const CString& name, double value, CString& out)
{
    if (value > 0)
        out.Format("%s [Bal. Due: %.2f]", name.c_str(), shownAmount(value));
    else
        out.Format("%s [Refund: %.2f]", name.c_str(), shownAmount(-value));
}

void CFamilyTaxData::getFamilyResult(CString& principal, CString& spouse, CString& family) const
{
    CString name;
    m_persons[0]->getFedStringClaimed(11, name);
    const double mine = amount(m_persons[0], 483);
    getShortResult(name, mine, principal);
    spouse.Empty();
    family.Empty();
    if (!IsCoupledReturn()) return;
    CString spouseName;
    m_persons[1]->getFedStringClaimed(11, spouseName);
    const double theirs = amount(m_persons[1], 483);
    getShortResult(spouseName, theirs, spouse);
    getShortResult("Family", mine + theirs, family);
}

void CFamilyTaxData::getFamilyFullName(CString& principal, CString& spouse) const
{
    principal.Empty();
    spouse.Empty();
    m_persons[0]->getFedStringClaimed(17, principal);
    if (IsCoupledReturn()) m_persons[1]->getFedStringClaimed(17, spouse);
}

void CFamilyTaxData::getReport(int, QString& out) const
{
    auto report = [&](const IndividualTaxData* person) {
        const TaxData_T1New* t1 = person->t1();
        if (!t1) return;
        const int status = t1->getInt("filing_status");
        if (status == 1 || status == 3) return;
        CString name;
        t1->ConstructFullName(name);
        out += name.toQString();
        out += status == 2 ? QStringLiteral(": (amended)") : QStringLiteral(": (not filed/unknown)");
        out += QStringLiteral("  ");
    };
    report(m_persons[0]);
    if (IsCoupledReturn()) report(m_persons[1]);
}

void CFamilyTaxData::formDisplayName(bool markShared, const STRUCT_FORMDATA_ITEM_2004* item, CString& out)
{
    if (!item) return;
    if (markShared && item->sharedId > 0) out += "S-";
    const FormInfo* info = formInfo(item->formType);
    const CString shortName = info ? CString(info->shortName) : CString();
    if (!IsMultipleForm(item->formType)) {
        out += shortName;
        return;
    }
    const CString display = item->object ? item->object->GetDisplayName() : CString();
    if (display.IsEmpty() || display == shortName) {
        out += shortName;
        return;
    }
    CString caption;
    caption.Format("%s - %s (%d)", shortName.c_str(), display.c_str(), item->uniqueId);
    out += caption;
}

CString CFamilyTaxData::GetReturnFileNameWithoutSuffix() const
{
    CString name = m_persons[0]->GetReturnFileNameWithoutSuffix();
    if (IsCoupledReturn()) name += CString("_") + m_persons[1]->GetReturnFileNameWithoutSuffix();
    return name;
}

void CFamilyTaxData::updateFilingStatus(ENUMTYPE_FORM type, int status, const CString& text)
{
    if (IndividualTaxData* p = getCurIndvTaxData()) p->updateFilingStatus(type, status, text);
}

bool CFamilyTaxData::ChangeProvince(ENUMTYPE_PROVINCE oldProvince, ENUMTYPE_PROVINCE newProvince, bool both)
{
    if (!HasProvincialLibrary(newProvince)) return false;
    if (both && IsCoupledReturn()) {
        m_persons[0]->ChangeProvince(oldProvince, newProvince);
        m_persons[1]->ChangeProvince(oldProvince, newProvince);
        return true;
    }
    IndividualTaxData* p = getCurIndvTaxData();
    return p && p->ChangeProvince(oldProvince, newProvince);
}
