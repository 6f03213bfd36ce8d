#include "tddhttpserver.h"

#include <QFile>
#include <QTcpSocket>
#include <exception>
#include <stdexcept>

#include "qserversocket.h"
#include "utils.h"
#include "tddcallback.h"
#include "tddworkers.h"
#include "templateprocessor.h"

int TddHttpServer::callbackPort(unsigned char appPurpose)
{
    return appPurpose == 2 ? 46248 : 46249;
}

TddHttpServer* TddHttpServer::getInstance(QSqlDatabase& db, QObject* dlg, const std::list<std::string>& sins)
{
    // Lives until the program ends; reachable, so no leak is reported.
    static TddHttpServer* instance = new TddHttpServer(db);
    instance->setProgressDlg(dlg, sins);
    return instance;
}

TddHttpServer::TddHttpServer(QSqlDatabase& db, QObject* parent) : QObject(parent), m_webService(db) {}

TddHttpServer::~TddHttpServer()
{
    stop();
    // A worker still running uses our web service: wait for it (it deletes
    // itself once finished).
    if (m_dataWorker)
        m_dataWorker->wait();
}

void TddHttpServer::setProgressDlg(QObject* dlg, const std::list<std::string>& sins)
{
    m_dialog = dlg;
    m_webService.setProgressDialog(dlg, sins);
}

ThreadTDDGetData* TddHttpServer::dataWorker() const
{
    return m_dataWorker.data();
}

void TddHttpServer::log(const char* line) const
{
    // Written as the application object writes its log lines ("Log: ", the
    // time, the text), which this library without widgets cannot call.
    if (m_logPath.isEmpty())
        return;
    QFile file(m_logPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(QByteArray("Log: ") + getCurTimeStr().bytes() + ' ' + line + '\n');
}

bool TddHttpServer::startAndListen(int port)
{
    if (m_socket) {
        m_socket->close();
        delete m_socket;
        m_socket = nullptr;
    }
    auto* socket = new QServerSocket(quint16(port), this);
    if (!socket->isListening()) {
        delete socket;
        return false;
    }
    m_socket = socket;
    connect(m_socket, &QServerSocket::dataReceived, this, &TddHttpServer::dataReceived);
    log("http server up");
    return true;
}

void TddHttpServer::stop()
{
    if (!m_socket)
        return;
    log("http server down");
    m_socket->close();
    delete m_socket;
    m_socket = nullptr;
}

void TddHttpServer::dataReceived(QTcpSocket* socket, QByteArray request)
{
    try {
        m_webService.postProgressMessage(25);
        const TddCallbackRequest read = parseTddCallbackRequest(request);
        bool tokenOk = false;
        if (read.tokenPath) {
            m_webService.postProgressMessage(30);
            tokenOk = read.tokenRead && m_webService.webReturnSetTokenA(read.token.c_str()) == 0;
        }
        QByteArray page;
        if (tokenOk) {
            m_webService.postProgressMessage(40);
            CString expanded;
            TemplateValues values;
            values["crajsurl"] = m_logoutScriptUrl.c_str();
            if (processTemplatePartInString(expanded, ":/tdd/tdd/tdd_logouthtml.xmt", values, 0) != 0)
                throw std::runtime_error("page template");
            page = QByteArray(expanded.c_str());
        }
        socket->write(tddCallbackReply(tokenOk, read.logout, page));
        socket->flush();
        // Only while a download is attached, and one worker at a time.
        if (tokenOk && m_dialog && m_webService.enterInQuery()) {
            auto* worker = new ThreadTDDGetData(m_webService);
            m_dataWorker = worker;
            worker->start();
        }
    } catch (const std::exception&) {
        log("svr accept exception");
        m_webService.postProgressMessage(1000, 0);
    }
}
