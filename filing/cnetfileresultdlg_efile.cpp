// The EFILE road of the transmission dialog: a preparer's transmission, the
// result codes read, and the filing record sent in every outcome.

#include "cnetfileresultdlg.h"

#include <QLineEdit>

#include "agencyclient.h"
#include "eolclient.h"
#include "familytaxdata.h"
#include "filingoutcome.h"
#include "form_return.h"
#include "tabwndapp.h"
#include "ui_cnetfileresultdlg.h"
#include "utils.h"

namespace {

// The notice of a verification indicator, appended to the shown and kept
// message (never to the success log). Leading zeros count as the number.
QString verificationNotice(const CString& indicator)
{
    if (indicator.IsEmpty()) return QString();
    bool ok = false;
    const int value = indicator.toQString().trimmed().toInt(&ok, 10);
    if (!ok) return QString();
    if (value == 24)
        return QStringLiteral("\n\n(E) 24 - The CRA may perform a verification of this taxpayer's return. If so, the "
                              "processing may be delayed and supporting documentation may be requested. Please do not "
                              "submit any documentation unless you are asked to do so.");
    if (value == 2139)
        return QStringLiteral("\n\n(E) 2139 - The CRA is performing pre-assessment verification on this return. "
                              "Supporting documentation may or may not be requested. Please do not submit any "
                              "documentation unless you are asked to do so.");
    return QString();
}

} // namespace

void CNetfileResultDlg::sendEFile(const CString& efilerNumber, const CString&)
{
    AgencyValues values;
    if (allowTestId()) {
        m_testCaseId = ui->edtTestcase->text();
        if (!m_testCaseId.isEmpty()) putEscaped(values, "testid", CString(m_testCaseId));
    }
    m_family->getEfileDataInfo(values, 1);
    const CString dcn = efilerNumber + CString(values["dcn"].c_str());

    StructEOLSoapResult result;
    int rc = 0;
    {
        MyWaitCursor wait;
        rc = EOLSOAP_request(values, m_workFile.c_str(), &result);
    }
    const QString title = QStringLiteral("Efile Filing Result");
    const CString now = GetCurTime(0);
    const CString resultFile = FilingOutcome::logPath(1);

    if (rc == kNoReplyAfterSending) {
        FilingOutcome::show(this, title, QStringLiteral("EFile Filing Not Confirmed"), FilingOutcome::mayHaveReached(),
                            QStringLiteral("Check filing result file"), resultFile);
        m_filingText = CString(FilingOutcome::notConfirmed());
        return;
    }
    if (rc != 0) {
        FilingOutcome::show(
            this, title, QStringLiteral("EFile Filing Failed"),
            FilingOutcome::failureDetails(FilingOutcome::noConnection(), rc),
            QStringLiteral("Check filing result file"), resultFile);
        return;
    }
    TabWndApp* app = TabWndApp::getMainApp();
    if (isEfileAcceptedCode(result.resultCode, true)) {
        app->writeSuccFilingLog(m_name, m_statusLine, result.transmissionNumber, result.message);
        const bool numbered = !result.transmissionNumber.toQString().trimmed().isEmpty();
        const QString header =
            numbered ? QStringLiteral("Efile is submitted successfully. Result code is [%1]. The confirmation number "
                                      "is [%2].\n%3")
                           .arg(result.resultCode.toQString(), result.transmissionNumber.toQString(), now.toQString())
                     : QStringLiteral("Efile is submitted successfully, but CRA sent no confirmation number. Result "
                                      "code is [%1].\n%2")
                           .arg(result.resultCode.toQString(), now.toQString());
        const QString message = result.message.toQString() + verificationNotice(result.cvIndicator);
        const int record = m_editor ? m_editor->sendFilingRecord(1, true, result.transmissionNumber, message) : 0;
        const QString details =
            numbered ? message : FilingOutcome::noConfirmationNumber() + QStringLiteral("\n\n") + message;
        FilingOutcome::show(this, title, header, details, QStringLiteral("Check filing log file (%1)").arg(record),
                            FilingOutcome::logPath(0));
        m_filingText = result.transmissionNumber;
        m_resultMessage = CString(message);
        m_filed = true;
        return;
    }

    m_filed = false;
    QString header;
    if (isEfileReviewCode(result.resultCode)) {
        header =
            QStringLiteral("Efile submission for [%1] failed. Document Control Number is [%2].\nEFile result code "
                           "is [%3], Error clue codes are [%4]. ")
                .arg(m_name.toQString(), dcn.toQString(), result.resultCode.toQString(), result.errorCodes.toQString())
            + now.toQString();
        m_filingText = CString(
            QStringLiteral("code=%1, clue=%2").arg(result.resultCode.toQString(), result.errorCodes.toQString()));
    } else {
        header = QStringLiteral("Efile submission for [%1] failed. Document Control Number is [%2].\nEFile result code "
                                "is [%3]. ")
                     .arg(m_name.toQString(), dcn.toQString(), result.resultCode.toQString())
                 + now.toQString();
        m_filingText = CString(QStringLiteral("code=%1").arg(result.resultCode.toQString()));
    }
    const int record = m_editor ? m_editor->sendFilingRecord(1, false, m_filingText.toQString(), header) : 0;
    FilingOutcome::show(this, title, header, result.message.toQString(),
                        QStringLiteral("Check filing log file (%1)").arg(record), resultFile);
}
