#pragma once
// A fake HTTPS server of ours on 127.0.0.1 for the online services' tests.
// It runs on a thread of its own (so a client may block the test's thread),
// routes each request by its path, records every request it receives and
// answers from a script given beforehand. Later services add their paths to
// the script; nothing here knows any one service.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

class QThread;
class FakeHttpsWorker;

struct FakeReply
{
    enum Action {
        Answer,  // send the status and body, then close
        Drop,    // close the connection without a word
        Reset,   // reset the connection (TCP RST) without a word
        Silent,  // keep the connection open and never answer
        Raw,     // send `body` as the whole reply, headers included, then close
    };
    Action action = Answer;
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";

    static FakeReply json(const QByteArray& body, int status = 200)
    {
        FakeReply r;
        r.status = status;
        r.body = body;
        return r;
    }
    static FakeReply text(const QByteArray& body, int status = 200)
    {
        FakeReply r = json(body, status);
        r.contentType = "text/plain; charset=utf-8";
        return r;
    }
    static FakeReply drop() { FakeReply r; r.action = Drop; return r; }
    static FakeReply reset() { FakeReply r; r.action = Reset; return r; }
    static FakeReply silent() { FakeReply r; r.action = Silent; return r; }
    static FakeReply raw(const QByteArray& bytes) { FakeReply r; r.action = Raw; r.body = bytes; return r; }
};

// One part of a multipart form body.
struct FormPart
{
    QString name;
    QString fileName; // empty for a plain field
    QByteArray body;
};

struct RecordedRequest
{
    QByteArray method;
    QByteArray path;  // without the query
    QByteArray query; // after '?', empty when none
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    QByteArray body;

    QByteArray header(const QByteArray& name) const;
    // The body as HTML form fields, decoded, in the order sent.
    QList<QPair<QString, QString>> formFields() const;
    // The body as a multipart form, in the order sent; empty when the body
    // is not one or its boundary never closes.
    QList<FormPart> formParts() const;
};

class FakeHttpsServer
{
public:
    // The server presents this certificate and key (PEM files).
    FakeHttpsServer(const QString& certificateFile, const QString& keyFile);
    ~FakeHttpsServer();
    FakeHttpsServer(const FakeHttpsServer&) = delete;
    FakeHttpsServer& operator=(const FakeHttpsServer&) = delete;

    // Listens on a free port of 127.0.0.1; false when it cannot.
    bool start();
    quint16 port() const { return m_port; }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // Presents another certificate from the next connection on.
    bool useCertificate(const QString& certificateFile, const QString& keyFile);

    // Queues a reply for the path. Replies are used in order; the last one
    // left for a path answers every later request. A path with nothing
    // scripted answers 404.
    void script(const QByteArray& path, const FakeReply& reply);
    void clearScript();
    // Requests to `path` take their replies from the queue of the key the
    // router names (a service that answers by what the body asks for).
    // The router runs on the server's thread and must not call the server.
    using Router = std::function<QByteArray(const RecordedRequest&)>;
    void route(const QByteArray& path, Router router);

    // What came in, in order of arrival; all paths when `path` is empty.
    QList<RecordedRequest> requests(const QByteArray& path = QByteArray()) const;
    int count(const QByteArray& path = QByteArray()) const { return requests(path).size(); }
    void clearRequests();

private:
    friend class FakeHttpsWorker;
    FakeReply replyFor(const RecordedRequest& request);

    mutable QMutex m_mutex;
    QByteArray m_certificate;
    QByteArray m_key;
    QHash<QByteArray, QList<FakeReply>> m_script;
    QHash<QByteArray, Router> m_routers;
    QList<RecordedRequest> m_requests;
    QThread* m_thread = nullptr;
    FakeHttpsWorker* m_worker = nullptr;
    quint16 m_port = 0;
};
