#include "cnetfileresultdlg.h"

#include <QDir>
#include <QPushButton>

#include "agencyclient.h"
#include "cents.h"
#include "familytaxdata.h"
#include "filingoutcome.h"
#include "form_return.h"
#include "netfileclient.h"
#include "netfileterms.h"
#include "ppgafternetfile.h"
#include "tabwndapp.h"
#include "ui_cnetfileresultdlg.h"
#include "wizardbase.h"

CNetfileResultDlg::CNetfileResultDlg(int mode, CFamilyTaxData* family, int refile, Form_Return* editor)
    : QDialog(editor), m_editor(editor), m_mode(mode), ui(new Ui::CNetfileResultDlg), m_family(family), m_refile(refile)
{
    ui->setupUi(this);
    // The line names the person as the return has it: never read as markup.
    ui->lblMsg1->setTextFormat(Qt::PlainText);
    setWindowTitle(mode == 1 ? QStringLiteral("EFile Tax Return to CRA") : QStringLiteral("NetFile Tax Return to CRA"));
}

CNetfileResultDlg::~CNetfileResultDlg()
{
    delete ui;
}

void CNetfileResultDlg::SetStringInfo(const CString& workFile, const CString& statusLine, const CString& name)
{
    m_workFile = CString(QDir::toNativeSeparators(workFile.toQString()));
    m_statusLine = statusLine;
    m_name = name;
}

bool CNetfileResultDlg::allowTestId()
{
    return TabWndApp::getMainApp()->config().isTestMode();
}

void CNetfileResultDlg::showEvent(QShowEvent* event)
{
    ui->edtTestcase->setVisible(allowTestId());
    QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    if (m_mode == 1) {
        ui->lblResult->setText(QStringLiteral("EFile (by Tax Professional)"));
        ok->setText(QStringLiteral("EFile Return"));
        ui->lblMsg1->setText(QStringLiteral("This T1 EFile filing is only for %1").arg(m_name.toQString()));
    } else {
        ui->lblResult->setText(QStringLiteral("NetFile (for youself, family member or friend's tax return)"));
        ok->setText(QStringLiteral("NetFile Return"));
        ui->lblMsg1->setText(QStringLiteral("This T1 NetFile filing is only for %1").arg(m_name.toQString()));
    }
    ui->lblResult_2->setText(m_statusLine.toQString());
    QDialog::showEvent(event);
}

void CNetfileResultDlg::on_buttonBox_clicked(QAbstractButton* button)
{
    const QDialogButtonBox::StandardButton which = ui->buttonBox->standardButton(button);
    if (which == QDialogButtonBox::Cancel) {
        done(0);
    } else if (which == QDialogButtonBox::Ok) {
        onSendInternetFile();
        done(0);
    }
}

void CNetfileResultDlg::onSendInternetFile()
{
    if (m_mode == 1) {
        const CT1AppConfig& config = TabWndApp::getMainApp()->config();
        if (config.m_BusinessEFileNum.IsEmpty() || config.m_BusinessEFilePassword.IsEmpty()) {
            TabWndApp::gAppInformation(
                QStringLiteral(
                    "Please enter EFiler ID and password into EFiler configuration from menu Start | Preference."),
                this);
            return;
        }
        // A second OK reaching us from a nested event loop starts nothing.
        if (!m_sendLock.tryLock(0)) return;
        sendEFile(config.m_BusinessEFileNum, config.m_BusinessEFilePassword);
        m_sendLock.unlock();
        return;
    }
    if (!m_sendLock.tryLock(0)) return;
    sendNetFile();
    m_sendLock.unlock();
}

void CNetfileResultDlg::sendNetFile()
{
    int agreement = 0;
    if (NetfileSOAP_request1(agreement, m_refile != 0, this) != 0) return;

    AgencyValues values;
    StructNetfileSoapResult result;
    int rc = 0;
    {
        MyWaitCursor wait;
        int testId = 0;
        if (allowTestId()) {
            m_testCaseId = ui->edtTestcase->text();
            if (!m_testCaseId.isEmpty()) testId = m_testCaseId.toInt(nullptr, 10);
        }
        m_family->getNetfileDataInfo(values, agreement, m_email, m_balance, testId);
        rc = NetfileSOAP_request2(values, m_workFile.c_str(), &result);
    }
    const QString title = QStringLiteral("Netfile Filing Result");
    const CString resultFile = FilingOutcome::logPath(1);

    if (rc == kNoReplyAfterSending) {
        FilingOutcome::show(this, title, QStringLiteral("NetFile Filing Not Confirmed"), FilingOutcome::mayHaveReached(),
                            QStringLiteral("Check filing result file"), resultFile);
        m_filingText = CString(FilingOutcome::notConfirmed());
        return;
    }
    if (rc != 0) {
        QString details;
        if (rc == -20)
            details = FilingOutcome::failureDetails(FilingOutcome::noConnection(), -20);
        else if (rc == -10)
            details = FilingOutcome::failureDetails(QStringLiteral("compose NetFile failed"), -10);
        else
            details = QStringLiteral(
                "An unexpected error happened inside software. Please contact Quillmere software support.");
        FilingOutcome::show(this, title, QStringLiteral("NetFile Filing Failed"), details,
                            QStringLiteral("Check filing result file"), resultFile);
        return;
    }
    if (!result.accepted) {
        FilingOutcome::show(this, title,
                            QStringLiteral("Netfile submission is NOT successful!\nResult code is [%1]")
                                .arg(result.resultCode.toQString()),
                            result.message.toQString(), QStringLiteral("Check filing result file"), resultFile);
        m_filingText.Empty();
        m_filed = false;
        return;
    }

    TabWndApp::getMainApp()->writeSuccFilingLog(m_name, m_statusLine, result.confirmationCode, result.message);
    // Accepted all the same; the user must know there is no number to keep.
    const bool numbered = !result.confirmationCode.toQString().trimmed().isEmpty();
    const QString header =
        numbered ? QStringLiteral("Netfile is submitted successfully. The confirmation code is [%1].\nResult code is "
                                  "[%2]\nTime: %3")
                       .arg(result.confirmationCode.toQString(), result.resultCode.toQString(), FilingOutcome::now())
                 : QStringLiteral("Netfile is submitted successfully, but CRA sent no confirmation code.\nResult code "
                                  "is [%1]\nTime: %2")
                       .arg(result.resultCode.toQString(), FilingOutcome::now());
    QString details = result.message.toQString();
    if (!numbered) details = FilingOutcome::noConfirmationNumber() + QStringLiteral("\n\n") + details;
    FilingOutcome::show(this, title, header, details, QStringLiteral("Check filing log file"),
                        FilingOutcome::logPath(0));
    m_filingText = result.confirmationCode;
    m_resultMessage = result.message;
    m_filed = true;

    // In cents, so a rounding left-over never tips a balance of one cent.
    const double balance = roundToCents(m_balance);
    if (!m_email.IsEmpty() || balance > 0.01 || balance < -0.01) {
        WizardBase wizard(this, QStringLiteral("CRA Online Service"));
        wizard.addPage(new PpgAfterNetfile_tab1(!m_email.IsEmpty(), balance, &wizard));
        wizard.initUI(700, 500);
        wizard.exec();
    }
}
