#include "entryrules.h"

#include <QString>

#include "formtables.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "taxdataform.h"

namespace {

QString provinceName(int province)
{
    const ProvInfo* info = provInfo(province);
    return info ? QString::fromUtf8(info->displayText) : QStringLiteral("none");
}

} // namespace

void appendRefusedValues(const CTaxData_Form& item, std::list<CString>& messages)
{
    for (const CField* f : item.fields().all()) {
        CString why;
        if (!f->IsCalculated() && !item.AcceptsValue(*f, f->GetVariant(), &why)) messages.push_back(why);
    }
}

void appendProvinceMismatch(const IndividualTaxData& person, std::list<CString>& messages)
{
    const TaxData_T1New* t1 = person.t1();
    if (!t1) return;
    const int named = t1->getInt("province");
    const int taxed = person.getMainProvince();
    // An unchosen province has a message of its own on page 1.
    if (named == PROV_NONE || named == taxed) return;
    messages.push_back(CString(
        QStringLiteral("The province of residence on page 1 of T1 (%1) is not the return's tax province (%2). "
                       "Use Start | Change Tax Province to move the return to the province of residence.")
            .arg(provinceName(named), provinceName(taxed))));
}
