#include "qwebclient.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QMutex>
#include <QMutexLocker>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

#include "httpreply.h"

namespace {

// Set by the start-up (or a test) while worker threads may be posting.
QMutex s_certificateMutex;
QString s_extraCertificateFile;

QByteArray formBody(const QList<QPair<QString, QString>>& fields)
{
    QByteArray body;
    for (const auto& field : fields) {
        if (!body.isEmpty()) body += '&';
        // Percent-encodes '+' too, which a form decoder would read as a blank.
        body += QUrl::toPercentEncoding(field.first) + '=' + QUrl::toPercentEncoding(field.second);
    }
    return body;
}

// A header's quoted value: quotes and line breaks would end it early.
QByteArray quotedHeaderValue(const QString& text)
{
    QByteArray out = text.toUtf8();
    out.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', ' ').replace('\n', ' ');
    return '"' + out + '"';
}

// A boundary no file or field is likely to hold; the body is checked anyway.
QByteArray newBoundary()
{
    QByteArray random(24, Qt::Uninitialized);
    QRandomGenerator* generator = QRandomGenerator::system();
    for (char& c : random) c = char(generator->bounded(256));
    return "----QuillmereBoundary" + random.toHex();
}

} // namespace

QWebClient::QWebClient(const QString& url, bool flag)
    : m_url(url), m_flag(flag)
{
}

QWebClient::QWebClient(const QString& url, const QString& localPath, const QString& uploadName,
                       const QString& fieldName)
    : m_url(url), m_flag(false), m_uploadPath(localPath), m_uploadName(uploadName), m_uploadField(fieldName)
{
}

void QWebClient::addQueryItem(const QString& name, const QString& value)
{
    m_fields.append(qMakePair(name, value));
}

void QWebClient::addFileItem(const QString& name, const QString& fileName, const QByteArray& bytes)
{
    m_files.append(FileItem{name, fileName, bytes});
}

// A form, or a multipart form when a file goes with it: the files first,
// then the items, under a random boundary no part holds.
bool QWebClient::requestBody(QByteArray& contentType, QByteArray& body)
{
    QList<FileItem> files = m_files;
    if (!m_uploadField.isEmpty()) {
        QFile file(m_uploadPath);
        if (!file.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("cannot read the file to upload %1").arg(QFileInfo(m_uploadPath).fileName());
            return false;
        }
        files.prepend(FileItem{m_uploadField, m_uploadName, file.readAll()});
    }
    if (files.isEmpty()) {
        contentType = "application/x-www-form-urlencoded";
        body = formBody(m_fields);
        return true;
    }
    QByteArray boundary;
    bool clash = true;
    while (clash) {
        boundary = newBoundary();
        clash = false;
        for (const FileItem& file : files) clash = clash || file.bytes.contains(boundary);
        for (const auto& field : m_fields) clash = clash || field.second.toUtf8().contains(boundary);
    }
    contentType = "multipart/form-data; boundary=" + boundary;
    body.clear();
    for (const FileItem& file : files)
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=" + quotedHeaderValue(file.name)
            + "; filename=" + quotedHeaderValue(file.fileName) + "\r\nContent-Type: application/octet-stream\r\n\r\n"
            + file.bytes + "\r\n";
    for (const auto& field : m_fields)
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=" + quotedHeaderValue(field.first)
            + "\r\n\r\n" + field.second.toUtf8() + "\r\n";
    body += "--" + boundary + "--\r\n";
    return true;
}

void QWebClient::setExtraCertificateFile(const QString& path)
{
    QMutexLocker lock(&s_certificateMutex);
    s_extraCertificateFile = path;
}

QString QWebClient::extraCertificateFile()
{
    QMutexLocker lock(&s_certificateMutex);
    return s_extraCertificateFile;
}

bool QWebClient::post(QString& reply, const char* credentials)
{
    reply.clear();
    QByteArray contentType, request, body;
    if (!requestBody(contentType, request)) return false;
    const QByteArray authorization = credentials ? "Basic " + QByteArray(credentials) : QByteArray();
    if (!exchange(contentType, request, authorization, body)) return false;
    reply = QString::fromUtf8(body);
    return true;
}

bool QWebClient::post(QString& reply, const QString& token, const char* scheme)
{
    reply.clear();
    QByteArray contentType, request, body;
    if (!requestBody(contentType, request)) return false;
    const QByteArray authorization = QByteArray(scheme ? scheme : "Bearer") + ' ' + token.toUtf8();
    if (!exchange(contentType, request, authorization, body)) return false;
    reply = QString::fromUtf8(body);
    return true;
}

bool QWebClient::postSoapXML(const QString& xml, const char* contentType, std::string& reply)
{
    reply.clear();
    QByteArray body;
    if (!exchange(contentType ? QByteArray(contentType) : QByteArray("text/xml; charset=UTF-8"), xml.toUtf8(),
                  QByteArray(), body))
        return false;
    reply.assign(body.constData(), size_t(body.size()));
    return true;
}

bool QWebClient::exchange(const QByteArray& contentType, const QByteArray& body, const QByteArray& authorization,
                          QByteArray& replyBody)
{
    replyBody.clear();
    m_status = 0;
    m_error.clear();
    m_requestSent = false;

    const QUrl url(m_url);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        // The address without its query or user part: those may carry secrets.
        m_error = QStringLiteral("not an https address: %1").arg(url.toString(QUrl::RemoveQuery | QUrl::RemoveUserInfo));
        return false;
    }
    // Header injection: nothing the caller hands over may end a header line.
    if (contentType.contains('\n') || contentType.contains('\r') || authorization.contains('\n')
        || authorization.contains('\r')) {
        m_error = QStringLiteral("a header holds a line break");
        return false;
    }

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    const QString extraFile = extraCertificateFile();
    if (!extraFile.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(extraFile, QSsl::Pem);
        if (extra.isEmpty()) {
            m_error = QStringLiteral("certificate file %1 cannot be read").arg(extraFile);
            return false;
        }
        // Naming authorities replaces the system's unless they are named
        // too. The system's are read once: reading them takes a while.
        static const QList<QSslCertificate> system = QSslConfiguration::systemCaCertificates();
        tls.setCaCertificates(system + extra);
    }

    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (url.hasQuery()) target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray hostHeader = url.port() > 0 ? url.host().toLatin1() + ':' + QByteArray::number(url.port())
                                                 : url.host().toLatin1();
    QByteArray request = "POST " + target + " HTTP/1.1\r\n";
    request += "Host: " + hostHeader + "\r\n";
    request += "Content-Type: " + contentType + "\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (!authorization.isEmpty()) request += "Authorization: " + authorization + "\r\n";
    // SOAP 1.1 services expect the header even when empty.
    if (contentType.startsWith("text/xml")) request += "SOAPAction: \"\"\r\n";
    request += "Accept: */*\r\nConnection: close\r\n\r\n";
    request += body;

    // A socket of our own rather than Qt's HTTP stack: that one sends a POST
    // again when the server drops the connection, and a service must never
    // receive one request twice. The socket, timer and loop all live on the
    // calling thread, so a worker thread posts the same way the GUI does.
    QSslSocket socket;
    socket.setSslConfiguration(tls);
    HttpReply answer;
    qint64 received = 0;
    bool complete = false;
    bool timedOut = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    const auto take = [&] {
        const QByteArray bytes = socket.readAll();
        received += bytes.size();
        if (received > m_maxReplyBytes) {
            m_error = QStringLiteral("reply larger than %1 bytes").arg(m_maxReplyBytes);
            return false;
        }
        answer.append(bytes);
        return true;
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&socket, &QSslSocket::encrypted, &loop, [&] {
        socket.write(request);
        m_requestSent = true;
    });
    QObject::connect(&socket, &QSslSocket::readyRead, &loop, [&] {
        if (!take()) {
            loop.quit();
        } else if (answer.isComplete(false)) {
            complete = true;
            loop.quit();
        }
    });
    QObject::connect(&socket, &QSslSocket::disconnected, &loop, [&] {
        if (m_error.isEmpty() && take()) complete = answer.isComplete(true);
        loop.quit();
    });
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &loop,
                     [&](QAbstractSocket::SocketError error) {
                         // The server closing after its reply is the normal end.
                         if (error == QAbstractSocket::RemoteHostClosedError) return;
                         if (!complete && m_error.isEmpty()) m_error = socket.errorString();
                         loop.quit();
                     });
    timer.start(m_timeoutMs);
    socket.connectToHostEncrypted(url.host(), quint16(url.port(443)));
    // The user cannot start a second exchange while this one runs.
    if (!complete && m_error.isEmpty()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    QObject::disconnect(&socket, nullptr, &loop, nullptr);
    socket.abort();

    if (!complete) {
        if (m_error.isEmpty()) m_error = timedOut ? QStringLiteral("no reply in time") : QStringLiteral("incomplete reply");
        return false;
    }
    m_status = answer.status();
    replyBody = answer.body();
    return true;
}
