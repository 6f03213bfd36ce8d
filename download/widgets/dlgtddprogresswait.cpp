#include "dlgtddprogresswait.h"
#include "ui_dlgtddprogresswait.h"

#include <QCloseEvent>
#include <QFile>
#include <QShowEvent>
#include <cstdio>

#include "tddhttpserver.h"
#include "tddworkers.h"

namespace {
constexpr int kTickMs = 1000;
constexpr int kEndWaitMs = 3000;
} // namespace

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
    default:
        if ((code > 100 && code < 1000) || code > 1000)
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
    if (m_code != 100) {
        m_statusText = tr("Error happened in auto-fill, please try again later.");
        m_ui->lblStatus->setText(m_statusText);
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
