#include "dlgtddprogresswait.h"
#include "ui_dlgtddprogresswait.h"

#include <QCloseEvent>
#include <QFile>
#include <QShowEvent>
#include <cstdio>

#include "tddhttpserver.h"
#include "tddprotocol.h"
#include "tddworkers.h"

namespace {
constexpr int kTickMs = 1000;
constexpr int kEndWaitMs = 3000;

// What the user reads when a download ends other than with its data: what
// happened and what to do. Empty for the other codes.
QString endingText(int code, int detail)
{
    switch (code) {
    case kTddUnreachable:
        return QStringLiteral("Cannot reach the CRA server. Check the Internet connection and try again; nothing was "
                              "downloaded or changed.");
    case kTddPortTaken:
        return QStringLiteral("The port %1 needed for the CRA sign-in is used by another program. Close that program "
                              "and try again.")
            .arg(detail);
    case kTddNoBrowser: return QStringLiteral("The web browser could not be opened for the CRA sign-in.");
    case kTddNotReady: return QStringLiteral("Your tax data is not ready at the CRA yet. Please try again later.");
    case kTddNothingToDeliver: return DlgTDDProgressWait::noRecordText();
    case kTddStillEnding:
        return QStringLiteral("The previous download is still ending. Please wait a moment and try again.");
    default: return QString();
    }
}
} // namespace

QString DlgTDDProgressWait::noRecordText()
{
    return QStringLiteral("No record is found at the CRA system, please try later!");
}

DlgTDDProgressWait::DlgTDDProgressWait(short forWhich, const std::list<std::string>& sins, TddHttpServer* server,
                                       QWidget* parent)
    : QDialog(parent), m_ui(new Ui::DlgTDDProgressWait), m_forWhich(forWhich), m_sins(sins), m_server(server),
      m_port(TddHttpServer::callbackPort(0))
{
    m_ui->setupUi(this);
    setWindowTitle(forWhich == 1 ? tr("Auto-Fill Return Progress") : tr("Express NOA Progress"));
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &DlgTDDProgressWait::timerTimeout);
    m_timer.start();
}

DlgTDDProgressWait::~DlgTDDProgressWait()
{
    detach();
}

int DlgTDDProgressWait::PostMessage(int code, int detail)
{
    postProgress(code, detail);
    return 0;
}

void DlgTDDProgressWait::postProgress(int code, int detail)
{
    m_code = code;
    switch (code) {
    case 10: m_statusText = tr("Start to token request ..."); break;
    case 20:
        m_statusText = tr("You are about to be redirected to CRA secure server to authorize Auto-Fill/Express-NOA ...");
        break;
    case 50: m_statusText = tr("Start to receive data ..."); break;
    case 99:
        m_statusText = tr("%1 record(s) saved into tax data locally (%2).").arg(qMax(0, detail - 1000)).arg(detail);
        break;
    case 1000:
        m_statusText = detail == 100 ? tr("initial web service handshake failed, code = %1").arg(detail)
                                     : tr("some error occured, code = %1").arg(detail);
        break;
    case kTddTokenRefused:
        m_statusText = tr("The CRA did not accept the sign-in. Sign in again in the web browser, or click Cancel.");
        break;
    default:
        if (!endingText(code, detail).isEmpty())
            m_statusText = endingText(code, detail);
        else if ((code > 100 && code < 1000) || code > 1000)
            m_statusText = tr("some unpected error occured, code = %1 - %2.").arg(code).arg(detail);
        break;
    }
    m_ui->lblStatus->setText(m_statusText);
}

void DlgTDDProgressWait::setRecordCount(int count)
{
    m_recordCount = count;
}

void DlgTDDProgressWait::addNoticeMessage(const QString& sin, const QString& message)
{
    m_noticeMessages[sin.toStdString()] = message.toStdString();
}

void DlgTDDProgressWait::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_ui->progressBar->setRange(0, 100);
    m_ui->progressBar->setValue(qBound(0, m_code, 100));
    m_ui->progressBar->setTextVisible(true);
    m_ui->progressBar->setFormat(tr("Loading..."));
    m_ui->progressBar->setAlignment(Qt::AlignCenter);
    // Once per dialog: a second show starts nothing more.
    if (m_started || !m_server)
        return;
    m_started = true;
    m_server->setProgressDlg(this, m_sins);
    TddWebService& service = m_server->webService();
    service.setForWhich("2021", m_forWhich);

    if (!m_taxDataFile.isEmpty()) {
        // A saved reply: parsed here, without the agency or the browser.
        QFile file(m_taxDataFile);
        const std::string content = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
        FILE* log = std::fopen(QFile::encodeName(service.stepLogPath()).constData(), "a");
        const int round = service.roundPauseMs(), parse = service.parsePauseMs();
        service.setPacingMs(round, 0); // no pause on the GUI thread
        m_recordCount = m_forWhich == 1 ? service.parseTDDTaxData(log, content) : service.parseNOATaxData(log, content);
        service.setPacingMs(round, parse);
        if (log)
            std::fclose(log);
        m_endingMessage = noRecordText();
        return;
    }
    // Listening before the browser is asked to open the sign-in page: a
    // browser already signed in may call back at once.
    if (!m_server->isRunning() && !m_server->startAndListen(m_port)) {
        postProgress(kTddPortTaken, m_port);
        return;
    }
    auto* worker = new ThreadTDDGetWebAuth(service);
    m_webAuthWorker = worker;
    worker->start();
}

void DlgTDDProgressWait::timerTimeout()
{
    if (m_code == m_shownCode)
        return;
    m_shownCode = m_code;
    if (m_code <= 98) {
        m_ui->progressBar->setValue(qMax(0, m_code));
        m_ui->lblStatus->setText(m_statusText);
        if (m_code == 20 && m_server && !m_server->isRunning())
            m_server->startAndListen(m_port);
        return;
    }
    if (m_code == 99) {
        m_code = 100;
        m_ui->lblStatus->setText(m_statusText);
        return;
    }
    m_timer.stop();
    if (m_server)
        m_server->stop();
    if (m_code == 100) {
        m_endingMessage = noRecordText(); // read only when nothing was stored
    } else if (endingText(m_code, 0).isEmpty()) {
        m_statusText = tr("Error happened in auto-fill, please try again later.");
        m_ui->lblStatus->setText(m_statusText);
        m_endingMessage = m_statusText;
    } else {
        m_ui->lblStatus->setText(m_statusText);
        m_endingMessage = m_statusText;
    }
    // A timer, not a sleep: the GUI thread keeps running meanwhile.
    QTimer::singleShot(kEndWaitMs, this, [this] { close(); });
}

void DlgTDDProgressWait::closeEvent(QCloseEvent* event)
{
    detach();
    QDialog::closeEvent(event);
}

void DlgTDDProgressWait::done(int result)
{
    detach();
    QDialog::done(result);
}

void DlgTDDProgressWait::detach()
{
    m_timer.stop();
    if (m_server) {
        m_server->stop();
        m_server->setProgressDlg(nullptr);
    }
}
