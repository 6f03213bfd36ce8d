#pragma once
// The local server the agency's sign-in page sends the browser back to,
// with token A in the query. It owns the program's one tax-data web
// service, listens only while a download waits for the browser, answers
// every request with a short page, and starts the data worker for an
// accepted token while no worker is busy.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <list>
#include <string>

#include "cstring.h"
#include "tddwebservice.h"

class QServerSocket;
class QSqlDatabase;
class QTcpSocket;
class ThreadTDDGetData;

class TddHttpServer : public QObject
{
    Q_OBJECT

public:
    // The NETFILE edition (application purpose 2) listens on 46248, the
    // EFILE edition on 46249.
    static int callbackPort(unsigned char appPurpose);

    // The program's one server, made on first use; every call attaches the
    // dialog (and its S.I.N.s) to the server and its web service.
    static TddHttpServer* getInstance(QSqlDatabase& db, QObject* dlg, const std::list<std::string>& sins = {});

    explicit TddHttpServer(QSqlDatabase& db, QObject* parent = nullptr);
    ~TddHttpServer() override;

    void setProgressDlg(QObject* dlg, const std::list<std::string>& sins = {});
    // The second download log, and the agency's logout script for the page.
    void setLogPath(const QString& path) { m_logPath = path; }
    void setLogoutScriptUrl(const CString& url) { m_logoutScriptUrl = url; }

    bool startAndListen(int port);
    void stop();
    bool isRunning() const { return m_socket != nullptr; }

    TddWebService& webService() { return m_webService; }
    // The data worker while it runs; null otherwise.
    ThreadTDDGetData* dataWorker() const;

public slots:
    void dataReceived(QTcpSocket* socket, QByteArray request);

private:
    void log(const char* line) const;

    TddWebService m_webService;
    QString m_logPath;
    CString m_logoutScriptUrl;
    QServerSocket* m_socket = nullptr;
    QPointer<QObject> m_dialog;
    QPointer<ThreadTDDGetData> m_dataWorker;
};
