// Whether the agency's electronic filing takes a return at all, whether an
// amendment (ReFILE) may change it, and the marking of a return for ReFILE.

#include <QString>

#include "fieldnumbers.h"
#include "filingsettings.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "prompt.h"
#include "refilecompare.h"
#include "summaryforms.h"
#include "t1.h"
#include "utils.h"

// Which value each refusal names by role only:
// - the non-Canadian mailing address and the revoked fiscal-period election:
//   the T1's answers "non_canadian_mailing" and "fiscal_period_revocation"
//   given as Yes (0);
// - the T1's amounts for RC267, RC268 and RC269: what those forms (types
//   136, 137, 138) hold, their deduction or the contributions the user
//   reports on them; a form whose deduction the RRSP room cuts to 0 still
//   counts a plan by its contributions.

namespace {

constexpr int kAnswerYes = 0;

bool holdsPlanAmount(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    std::list<STRUCT_FORMDATA_ITEM_2004*> items;
    person.GetFormDataList(type, items);
    double deductions = 0.0, contributions = 0.0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : items) {
        deductions += fieldNumber(item->object, "deduction");
        contributions += fieldNumber(item->object, "contributions");
    }
    return present(deductions) || present(contributions);
}

} // namespace

int IndividualTaxData::IsEligibleForElectronicFile(unsigned char mode, std::list<CString>& messages)
{
    const bool efile = mode == 1, netfile = mode == 2;
    auto add = [&](const char* text) { messages.push_back(CString(text)); };
    const TaxData_T1New* form = t1();

    const char* const unsupported =
        "Quillmere cannot generate NETFILE/EFILE for your province. It will be supported in the future.";
    if (!IsProvinceSupported(m_mainProvince)) add(unsupported);
    if (m_mainProvince >= 14) add(unsupported);

    // As the agency reads it: a number typed " 081 ..." is refused as "081...".
    const QString sin = form ? sinDigits(form->getString("sin")).toQString() : QString();
    if (efile && sin.startsWith(QLatin1Char('0')))
        add("Tax return which has SIN number starting with 0 is not eligible for EFILE.");
    if (netfile && (sin.startsWith(QLatin1String("09"), Qt::CaseInsensitive)
                    || sin.startsWith(QLatin1String("08"), Qt::CaseInsensitive)))
        add("Tax return which has SIN number starting with 09 or 08 is not eligible for Netfile.");

    if (form) {
        if (netfile && form->getInt("non_canadian_mailing") == kAnswerYes)
            add("Return with non-Canadian mail address is not eligible for NetFile.");
        if (form->IsEmmigrant())
            add("This tax return is not eligible for NETFILE/EFILE, because tax payer is an emigrant.");
        if (netfile && form->IsDeceased())
            add("This tax return is not eligible to for NETFILE/EFILE, because the tax payer is deceased.");
        if (netfile && (form->IsBankrupt() || form->IsPostBankrupt()))
            add("This tax return is not eligible for NetFile/EFile, because the tax payer is in bankruptcy.");
        if (efile && form->IsBankrupt() && form->getInt("fiscal_period_revocation") == kAnswerYes)
            add("This tax return is not eligible for EFILE because you chose to revoke the previously filed "
                "election to keep a fiscal period that does not end on a Dec. 31 fiscal period.");
        if (efile && form->IsPostBankrupt())
            add("This tax return is not eligible for NetFile/EFile, because the tax payer is in bankruptcy.");
    }

    if (netfile) {
        int plans = 0;
        for (ENUMTYPE_FORM type : {136, 137, 138})
            if (holdsPlanAmount(*this, type)) ++plans;
        if (plans >= 2)
            add("This return is not eligible for Netfile, because there are combination of RC267/RC268/RC269 in "
                "tax return.");
    }

    if (HasForm(FormType::T1DD1)) {
        // In test mode the agency's test returns go without the T1DD: the
        // user is told, and the return is not refused.
        if (filingSettings().TestMode)
            Prompt::information(QStringLiteral("Quillmere 2020"), QStringLiteral("Netfile will skip T1DD form."));
        else
            add("Form T1DD can only be submitted by paper return; or you can change direct deposit information with "
                "CRA first by contacting CRA office, then remove form T1DD before creating the NETFILE.");
    }

    if (GetCountOfForm(FormType::T2209T2036) >= 4)
        add("This return is not eligible for Netfile or Efile, because it contains more than 3 T2209 forms.");
    if (GetCountOfSFDForms() >= 13)
        add("The tax return is not eligible for NETFILE/EFILE, because tax return has more than 12 self-business "
            "and/or work expenses forms.");

    for (const STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
        if (item->formType == FormType::T1273)
            add("Quillmere doesn't support NETFILE or EFILE for tax return with CAIS form T1273.");
        else if (item->formType == FormType::T1163 && form
                 && fieldNumber(item->object, "farm_province") != form->getMainTaxProvince())
            add("This tax return is not eligible for NETFILE, since the province of main farmstead in form T1163 "
                "is not same as the province of residence on Dec. 31.");
    }

    return m_provMgr.IsEligibleForElectronicFile();
}

int IndividualTaxData::IsEligibleForReFile(unsigned char, std::list<CString>& messages)
{
    if (const TaxData_T1New* form = t1()) {
        if (form->IsBankrupt() || form->IsPostBankrupt())
            messages.push_back("Re-File cannot change a return with regard to bankruptcy.");
        else if (form->getDate("date_of_entry").isValid() || form->getDate("date_of_departure").isValid())
            messages.push_back("Re-File is not allowed for tax return of an immigrant or emmigrant in the tax year.");
    }
    return int(messages.size());
}

int IndividualTaxData::DoSurveyBeforeReFile(std::list<CString>&)
{
    return 0;
}

int IndividualTaxData::prepareForReFile()
{
    // The summary is looked up before its copy is made: a return without a
    // summary (or without its T1) is left exactly as it was.
    auto* summary = dynamic_cast<TaxData_T1KSNew*>(GetFormData(FormType::Summary, false));
    TaxData_T1New* form = t1();
    if (!summary || !form) return -1;
    auto* copy = dynamic_cast<TaxData_T1KSNew*>(GetFormData(FormType::SummaryReFile, true));
    if (!copy) return -1;
    *copy = *summary;
    form->setBool("refile", true);
    updateFilingStatus(FormType::T1, 2, CString());
    return 0;
}

void IndividualTaxData::UnsetReFile()
{
    if (TaxData_T1New* form = t1()) form->setBool("refile", false);
}

bool foundFieldNumberInReFileCompareMap(const std::map<int, _ReFileFieldCompareStru>& compared,
                                        const int* fieldNumbers, int count)
{
    if (!fieldNumbers) return false;
    for (int i = 0; i < count; ++i)
        if (compared.count(fieldNumbers[i])) return true;
    return false;
}
