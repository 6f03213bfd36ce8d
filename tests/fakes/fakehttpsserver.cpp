#include "fakehttpsserver.h"

#include <QFile>
#include <QHostAddress>
#include <QMutexLocker>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QThread>
#include <QUrl>

#include <sys/socket.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray reasonOf(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

// Length of a complete request at the start of `buffer` (headers and body),
// or 0 while more is to come.
int completeLength(const QByteArray& buffer)
{
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0) return 0;
    int length = 0;
    for (const QByteArray& line : buffer.left(end).split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            length = line.mid(colon + 1).trimmed().toInt();
    }
    const int total = end + 4 + length;
    return buffer.size() >= total ? total : 0;
}

RecordedRequest parse(const QByteArray& raw)
{
    RecordedRequest r;
    const int end = raw.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = raw.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    r.method = first.value(0);
    const QByteArray target = first.value(1);
    const int question = target.indexOf('?');
    r.path = question < 0 ? target : target.left(question);
    r.query = question < 0 ? QByteArray() : target.mid(question + 1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0) r.headers.append({lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed()});
    }
    r.body = raw.mid(end + 4);
    return r;
}

} // namespace

QByteArray RecordedRequest::header(const QByteArray& name) const
{
    for (const auto& h : headers)
        if (h.first == name.toLower()) return h.second;
    return QByteArray();
}

QList<QPair<QString, QString>> RecordedRequest::formFields() const
{
    QList<QPair<QString, QString>> out;
    if (body.isEmpty()) return out;
    for (const QByteArray& pair : body.split('&')) {
        const int eq = pair.indexOf('=');
        QByteArray name = eq < 0 ? pair : pair.left(eq);
        QByteArray value = eq < 0 ? QByteArray() : pair.mid(eq + 1);
        name.replace('+', ' ');
        value.replace('+', ' ');
        out.append({QUrl::fromPercentEncoding(name), QUrl::fromPercentEncoding(value)});
    }
    return out;
}

namespace {
// The quoted value of `key` in a Content-Disposition line.
QString dispositionValue(const QByteArray& line, const QByteArray& key)
{
    const int start = line.indexOf(key + "=\"");
    if (start < 0) return QString();
    QByteArray value;
    for (int i = start + key.size() + 2; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        value += line[i];
    }
    return QString::fromUtf8(value);
}
} // namespace

QList<FormPart> RecordedRequest::formParts() const
{
    const QByteArray type = header("content-type");
    const int at = type.indexOf("boundary=");
    if (!type.startsWith("multipart/form-data") || at < 0) return {};
    const QByteArray delimiter = "--" + type.mid(at + 9).trimmed();
    QList<FormPart> out;
    int pos = body.indexOf(delimiter);
    while (pos >= 0) {
        pos += delimiter.size();
        if (body.mid(pos, 2) == "--") return out;
        const int headersEnd = body.indexOf("\r\n\r\n", pos);
        const int next = body.indexOf("\r\n" + delimiter, pos);
        if (headersEnd < 0 || next < 0 || headersEnd > next) return {};
        FormPart part;
        for (const QByteArray& line : body.mid(pos, headersEnd - pos).split('\n')) {
            if (!line.toLower().startsWith("content-disposition:")) continue;
            part.name = dispositionValue(line, "name");
            part.fileName = dispositionValue(line, "filename");
        }
        part.body = body.mid(headersEnd + 4, next - headersEnd - 4);
        out << part;
        pos = next + 2;
    }
    return {};
}

// The listening side, living on the server's thread.
class FakeHttpsWorker : public QTcpServer
{
public:
    explicit FakeHttpsWorker(FakeHttpsServer* owner) : m_owner(owner) {}

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        {
            QMutexLocker lock(&m_owner->m_mutex);
            socket->setLocalCertificate(QSslCertificate(m_owner->m_certificate, QSsl::Pem));
            socket->setPrivateKey(QSslKey(m_owner->m_key, QSsl::Ec, QSsl::Pem));
        }
        socket->setPeerVerifyMode(QSslSocket::VerifyNone); // clients show no certificate
        connect(socket, &QSslSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, qOverload<const QList<QSslError>&>(&QSslSocket::sslErrors), socket,
                [socket](const QList<QSslError>&) { socket->abort(); });
        socket->startServerEncryption();
    }

private:
    void onReadyRead(QSslSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int length = completeLength(buffer);
        if (length == 0) return;
        const RecordedRequest request = parse(buffer.left(length));
        m_buffers.remove(socket);
        const FakeReply reply = m_owner->replyFor(request);
        switch (reply.action) {
        case FakeReply::Drop:
            socket->abort();
            socket->deleteLater();
            return;
        case FakeReply::Reset: {
            // A zero linger time makes the close a reset rather than an end.
            const linger now = {1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
            socket->abort();
            socket->deleteLater();
            return;
        }
        case FakeReply::Silent:
            return;
        case FakeReply::Raw:
            socket->write(reply.body);
            socket->disconnectFromHost();
            return;
        case FakeReply::Answer:
            break;
        }
        QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonOf(reply.status) + "\r\n";
        out += "Content-Type: " + reply.contentType + "\r\n";
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
        out += "Connection: close\r\n\r\n";
        out += reply.body;
        socket->write(out);
        socket->disconnectFromHost();
    }

    FakeHttpsServer* m_owner;
    QHash<QSslSocket*, QByteArray> m_buffers;
};

FakeHttpsServer::FakeHttpsServer(const QString& certificateFile, const QString& keyFile)
    : m_certificate(readFile(certificateFile)), m_key(readFile(keyFile))
{
}

FakeHttpsServer::~FakeHttpsServer()
{
    if (!m_thread) return;
    QMetaObject::invokeMethod(m_worker, [this] { delete m_worker; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

bool FakeHttpsServer::start()
{
    if (m_certificate.isEmpty() || m_key.isEmpty()) return false;
    m_thread = new QThread;
    m_worker = new FakeHttpsWorker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start();
    bool listening = false;
    QMetaObject::invokeMethod(
        m_worker, [this, &listening] { listening = m_worker->listen(QHostAddress::LocalHost, 0); },
        Qt::BlockingQueuedConnection);
    if (listening) m_port = m_worker->serverPort();
    return listening;
}

bool FakeHttpsServer::useCertificate(const QString& certificateFile, const QString& keyFile)
{
    const QByteArray certificate = readFile(certificateFile);
    const QByteArray key = readFile(keyFile);
    if (certificate.isEmpty() || key.isEmpty()) return false;
    QMutexLocker lock(&m_mutex);
    m_certificate = certificate;
    m_key = key;
    return true;
}

void FakeHttpsServer::script(const QByteArray& path, const FakeReply& reply)
{
    QMutexLocker lock(&m_mutex);
    m_script[path].append(reply);
}

void FakeHttpsServer::clearScript()
{
    QMutexLocker lock(&m_mutex);
    m_script.clear();
}

QList<RecordedRequest> FakeHttpsServer::requests(const QByteArray& path) const
{
    QMutexLocker lock(&m_mutex);
    if (path.isEmpty()) return m_requests;
    QList<RecordedRequest> out;
    for (const RecordedRequest& r : m_requests)
        if (r.path == path) out.append(r);
    return out;
}

void FakeHttpsServer::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

void FakeHttpsServer::route(const QByteArray& path, Router router)
{
    QMutexLocker lock(&m_mutex);
    m_routers.insert(path, std::move(router));
}

FakeReply FakeHttpsServer::replyFor(const RecordedRequest& request)
{
    QMutexLocker lock(&m_mutex);
    m_requests.append(request);
    const auto router = m_routers.constFind(request.path);
    const QByteArray key = router == m_routers.constEnd() ? request.path : (*router)(request);
    QList<FakeReply>& queue = m_script[key];
    if (queue.isEmpty()) {
        m_script.remove(key);
        return FakeReply::text("no such page", 404);
    }
    return queue.size() > 1 ? queue.takeFirst() : queue.first();
}
