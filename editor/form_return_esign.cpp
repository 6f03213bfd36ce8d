// The e-signature and e-delivery entries of the editor. The service client
// is installed at start (PenvaultService); the editor only gathers the
// return's data, prints the form and refreshes what changed.

#include <QUrl>

#include "dlgpenvaultafterprint.h"
#include "familytaxdata.h"
#include "form_return.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "penvaultservice.h"
#include "returnitems.h"
#include "tabwndapp.h"

namespace {

QString formShortName(int type)
{
    const FormInfo* info = formInfo(type);
    return info ? QString::fromUtf8(info->shortName) : QString::number(type);
}

// Without an installed service nothing can be sent: say so rather than leave
// the user waiting for a request that never went out.
PenvaultService* serviceOrSay(QWidget* parent)
{
    PenvaultService* service = PenvaultService::installed();
    if (!service)
        TabWndApp::gAppInformation(QStringLiteral("The E-Signature and E-Delivery service is not available."),
                                   parent);
    return service;
}

} // namespace

void Form_Return::OnSubmitPenvaultForm(ENUMTYPE_FORM type)
{
    IndividualTaxData* person = m_data->getCurIndvTaxData();
    STRUCT_FORMDATA_ITEM_2004* item = person ? person->GetFormDataItem(type, false) : nullptr;
    if (!m_data->HasForm(type) || !item) {
        TabWndApp::gAppInformation(QStringLiteral("Form[%1] is not in the tax return.").arg(formShortName(type)),
                                   this);
        return;
    }
    saveCurFormDataToDoc();
    // With the path asked back the printer shows no after-print step: the
    // signing dialog below takes its place.
    CString pdf;
    if (CreatePDF(0, type, item->uniqueId, 0, &pdf) != 0 || pdf.IsEmpty()) return;

    CString email, sin, name;
    person->getFedStringClaimed(15, email);
    if (email.IsEmpty()) person->getFedStringClaimed(16, email);
    person->getFedStringClaimed(1, sin);
    person->getFedStringClaimed(17, name);
    DlgPenvaultAfterPrint dialog(0, QUrl::fromLocalFile(pdf.toQString()).toString(), email.toQString(), this);
    dialog.setWindowTitle(QStringLiteral("Generate Printable Return File"));
    if (dialog.exec() != QDialog::Accepted) return;
    _SubmitPenvaultFormType(type, true, dialog.recipient(), sin, name, pdf);
}

void Form_Return::OnGetPenvaultFormTime(ENUMTYPE_FORM type)
{
    PenvaultService* service = serviceOrSay(this);
    if (!service) return;
    if (service->getFormTime(m_data->getCurIndvTaxData(), type, this)) refreshCurTabDataFromDoc();
}

void Form_Return::_SubmitDocDelivery(ENUMTYPE_FORM form, const QString& toEmail, const CString& sin,
                                     const CString& name, const CString& pdfPath)
{
    if (PenvaultService* service = serviceOrSay(this))
        service->submitDocDelivery(form, toEmail, sin, name, pdfPath, this);
}

void Form_Return::_SubmitPenvaultFormType(ENUMTYPE_FORM form, bool withPagePosition, const QString& toEmail,
                                          const CString& sin, const CString& name, const CString& pdfPath)
{
    PenvaultService* service = serviceOrSay(this);
    if (!service) return;
    IndividualTaxData* person = m_data->getCurIndvTaxData();
    service->submitFormType(person, form, withPagePosition, toEmail, sin, name, pdfPath, this);
    refreshCurTabDataFromDoc();
}

int Form_Return::sendFilingRecord(int form, bool accepted, const QString& confirmation, const QString& message)
{
    PenvaultService* service = PenvaultService::installed();
    // Without the service there is nowhere to record: as when reporting is off.
    if (!service) return 0;
    return service->sendFilingRecord(m_data->getCurIndvTaxData(), form, accepted, confirmation, message);
}
