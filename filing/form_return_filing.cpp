// Filing the current person's T1 return electronically: the checks, the
// sign-up page and the questions, the electronic return written to a work
// file, the transmission dialog, and what the return and the history keep of
// the outcome. Defined here rather than in the editor, for it reaches the
// transmission dialog and the agency clients above the editor.

#include <list>

#include <QFile>

#include "basicevent.h"
#include "cnetfileresultdlg.h"
#include "editorhost.h"
#include "familytaxdata.h"
#include "form_return.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "ppgsignupemail.h"
#include "tabwndapp.h"
#include "wizardbase.h"
#include "workfile.h"

namespace {

// The filing road of the edition: 1 EFILE in the preparers' edition, 2 NETFILE.
int filingMode()
{
    return TabWndApp::s_appPurpose == 1 ? 1 : 2;
}

// The first message in an information box; true when there was one.
bool informFirst(const std::list<CString>& messages, QWidget* parent)
{
    if (messages.empty()) return false;
    TabWndApp::gAppInformation(messages.front().toQString(), parent);
    return true;
}

QString electronicReturnNotMadeText(int code)
{
    return QStringLiteral("The electronic return could not be made (error code %1), so nothing was sent to CRA. "
                          "Please contact Quillmere software support.")
        .arg(code);
}

} // namespace

// The filing is recorded in the return; the return file must keep it. A
// return never saved goes through Save As at once, for otherwise the record
// of an accepted filing lives only in this window.
void Form_Return::keepFiledReturn()
{
    if (!hasFileToSave()) {
        TabWndApp::gAppInformation(
            QStringLiteral("CRA accepted the return, but the return has never been saved to a file. Choose where to "
                           "save it now, so that the record of this filing is kept."),
            this);
        if (!m_host || !m_host->saveReturnAs(this))
            TabWndApp::gAppInformation(QStringLiteral("The return was not saved: the record of this filing is kept "
                                                      "only in this window. Save the return before you close it."),
                                       this);
        return;
    }
    CString savedPath;
    if (saveReturnFile(savedPath, true) == 1) TabWndApp::gAppInformation(saveFailedText(savedPath.toQString()), this);
}

bool Form_Return::isEligibleForReFile()
{
    std::list<CString> messages;
    m_data->IsEligibleForReFile(2, messages);
    return !informFirst(messages, this);
}

void Form_Return::OnFileCreateElectronFile()
{
    TabWndApp* app = TabWndApp::getMainApp();
    int refile = 0;
    m_data->getFedAmountClaimed(2, refile);
    refreshCurTabDataFromDoc();

    std::list<CString> messages;
    if (refile) {
        m_data->IsEligibleForReFile(TabWndApp::s_appPurpose, messages);
        if (informFirst(messages, this)) return;
    }
    m_data->IsEligibleForElectronicFile(TabWndApp::s_appPurpose, messages);
    if (informFirst(messages, this)) return;
    if (ValidateTaxReturn(TabWndApp::s_appPurpose, false, false) > 0) return;
    if (refile) {
        m_data->DoSurveyBeforeReFile(messages);
        if (informFirst(messages, this)) return;
    }

    CString sin, fullName;
    m_data->getFedStringClaimed(1, sin);
    m_data->getFedStringClaimed(17, fullName);
    const QString workFile = WorkFile::path(*m_data, "_2021.ws");

    if (!refile) {
        int registered = 0;
        m_data->getFedAmountClaimed(10, registered);
        if (registered == 0) {
            DataPpgSignupEmail answers;
            WizardBase wizard(this, QStringLiteral("Online Email Promotion"));
            wizard.addPage(new PpgSignupEmail_tab1(&answers, &wizard));
            wizard.initUI(600, 500);
            if (wizard.exec() != QDialog::Accepted) return;
            if (answers.fld_signup->GetValue() == 0) {
                TabWndApp::gAppInformation(
                    QStringLiteral(
                        "Please enter your email on page 1 of T1, Identification area, then do NetFile again."),
                    this);
                return;
            }
        }
        if (TabWndApp::gAppQuestion(
                QStringLiteral("<h3>NetFile accepts the current year (%1) and up to four prior-year returns. If you "
                               "intend to file more than one of these returns today or within next two days, click "
                               "'Yes' button on every return you file.<h3><br><br>In order to accurately assess tax "
                               "returns, please file your return in order, oldest return first.<br><br>Click 'No' "
                               "button if you only file this year's return.")
                    .arg(QStringLiteral("2021")),
                this))
            m_data->setFedAmount(3, 1, 0.0);
    }

    if (!app->config().m_NoWarningMsg && !m_data->AnyMsgBeforeNetfile(2, refile != 0)) return;
    if (refile
        && !CYesNoContinueDlg::warnYesNoMsg(
            this, TabWndApp::s_appTitle,
            QStringLiteral("Please note that this is an Amended Return for Re-File purpose.")))
        return;

    if (IndividualTaxData* person = m_data->getCurIndvTaxData()) person->setStoredValue(1);
    // Nothing is recorded and nothing is sent unless the whole electronic
    // return is in the work file.
    QString reason;
    FILE* out = WorkFile::create(workFile, reason);
    if (!out) {
        TabWndApp::gAppInformation(WorkFile::notCreatedText(workFile, reason), this);
        return;
    }
    const int made = m_data->CreateElectronicFile(nullptr, out, static_cast<unsigned char>(filingMode()));
    const bool written = WorkFile::finish(out);
    if (made != 0 || !written) {
        QFile::remove(workFile);
        TabWndApp::gAppInformation(made != 0 ? electronicReturnNotMadeText(made) : WorkFile::notWrittenText(workFile),
                                   this);
        return;
    }

    QSqlDatabase& db = app->database().getDBHandle();
    const int user = CBasicEvent::findUserIDAndUpdateUser(db, sin, fullName, CString(""), CString(""));
    const CString status = m_data->GetReturnStatusString(0);
    CBasicEvent::saveUniqueEvent(db, user, CBasicEvent::EVENT_FILING_MADE, status, false, true, true);

    bool filed = false;
    CString filingText, resultMessage;
    {
        CNetfileResultDlg dialog(filingMode(), m_data, refile, this);
        dialog.SetStringInfo(CString(workFile), status, fullName);
        dialog.exec();
        filed = dialog.isFiled();
        filingText = dialog.filingText();
        resultMessage = dialog.resultMessage();
    }
    QFile::remove(workFile);

    if (!filed) {
        m_data->updateFilingStatus(FormType::T1, -1, filingText);
    } else {
        m_data->updateFilingStatus(FormType::T1, 1, filingText);
        keepFiledReturn();
        CBasicEvent::saveUniqueEvent(db, user, CBasicEvent::EVENT_FILING_FILED, resultMessage, false, true, true);
    }
    refreshCurTabDataFromDoc();
}
