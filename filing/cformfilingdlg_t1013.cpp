// The T1013 authorisation and the pre-authorised debit agreement of the
// form filing dialog: the service's own keys, the request sent, the outcome
// recorded on the form.

#include "cformfilingdlg.h"

#include <QStringList>

#include "agencyclient.h"
#include "deploymentdata.h"
#include "familytaxdata.h"
#include "filingoutcome.h"
#include "form_return.h"
#include "formtypes.h"
#include "messages.h"
#include "t1013client.h"
#include "tabwndapp.h"

int CFormFilingDlg::fileT1013orT185(RequestValues& values)
{
    if (m_form == FormType::T1013) {
        values["taxyear"] = "2021";
    } else if (m_form == kPadForm) {
        putEscaped(values, "softwarecode", TabWndApp::getMainApp()->config().m_EfileSoftwareCode + "P");
        values["revdate"] = "2022-03-02";
        putEscaped(values, "sin", m_sin);
    }
    StructT1013SoapResult result;
    int rc = 0;
    {
        MyWaitCursor wait;
        rc = T1013orT183PadSOAP_request(m_form == FormType::T1013, values, m_requestFile.c_str(), &result);
    }
    const QString formName = QString::fromUtf8(m_formName);
    const QString title = QStringLiteral("%1 Filing Result").arg(formName);
    if (rc != 0) {
        DlgMsgWithLink failed(this);
        failed.setWindowTitle(QStringLiteral("Online Filing Failed"));
        failed.setMsg1(QStringLiteral("%1 form submission failed. The error code is %2.").arg(formName).arg(rc));
        failed.exec();
        return 0;
    }

    QStringList codes;
    for (const CString& code : result.responseCodes)
        codes << code.toQString();
    const QString joined = codes.join(QLatin1Char(','));
    const bool confirmed = !result.confirmationNumber.IsEmpty();
    m_filed = m_form == FormType::T1013 ? confirmed && result.receivedFormsCount == 1 : confirmed;
    {
        MyWaitCursor wait;
        if (m_editor)
            m_editor->sendFilingRecord(m_form, m_filed, result.confirmationNumber.toQString(),
                                       result.message.toQString());
    }
    if (!m_filed) {
        m_family->updateFilingStatus(m_form, -1, CString(joined));
        const QString header =
            QStringLiteral("%1 submission failed. The error message is:\n%2\nThe error codes are [%3].")
                .arg(formName, result.message.toQString(), joined);
        if (m_form == FormType::T1013) {
            DlgMsgWithLink error(this);
            error.setWindowTitle(QStringLiteral("Online Filing Error Occured"));
            error.setMsg1(header);
            error.setMsg2(QStringLiteral("To find out what the error code means, follow the link below"));
            error.setLink(CDeploymentData::makerAgencyErrorCodesUrl());
            error.exec();
        } else {
            FilingOutcome::show(this, title, QStringLiteral("Online Filing Error Occured"), header,
                                QStringLiteral("Check filing result file"), FilingOutcome::logPath(1));
        }
        return 0;
    }
    m_family->updateFilingStatus(m_form, 1, result.confirmationNumber);
    const QString header = QStringLiteral("%1 is submitted successfully. Time: %2").arg(formName, FilingOutcome::now());
    QString details = header + QStringLiteral("\nThe confirmation number is ") + result.confirmationNumber.toQString();
    if (!joined.isEmpty()) details += QStringLiteral("\nFiling services return these codes: %1").arg(joined);
    TabWndApp::getMainApp()->writeSuccFilingLog(m_name, CString(header), result.confirmationNumber, result.message);
    FilingOutcome::show(this, title, header, details, QString(), FilingOutcome::logPath(0));
    return 0;
}
