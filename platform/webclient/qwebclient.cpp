#include "qwebclient.h"

#include <QEventLoop>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

#include "httpreply.h"

namespace {

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

} // namespace

QWebClient::QWebClient(const QString& url, bool flag)
    : m_url(url), m_flag(flag)
{
}

void QWebClient::addQueryItem(const QString& name, const QString& value)
{
    m_fields.append(qMakePair(name, value));
}

void QWebClient::setExtraCertificateFile(const QString& path)
{
    s_extraCertificateFile = path;
}

QString QWebClient::extraCertificateFile()
{
    return s_extraCertificateFile;
}

bool QWebClient::post(QString& reply, const char* credentials)
{
    reply.clear();
    m_status = 0;
    m_error.clear();

    const QUrl url(m_url);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        m_error = QStringLiteral("not an https address: %1").arg(m_url);
        return false;
    }

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!s_extraCertificateFile.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(s_extraCertificateFile, QSsl::Pem);
        if (extra.isEmpty()) {
            m_error = QStringLiteral("certificate file %1 cannot be read").arg(s_extraCertificateFile);
            return false;
        }
        // Naming authorities replaces the system's unless they are named
        // too. The system's are read once: reading them takes a while.
        static const QList<QSslCertificate> system = QSslConfiguration::systemCaCertificates();
        tls.setCaCertificates(system + extra);
    }

    const QByteArray body = formBody(m_fields);
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (url.hasQuery()) target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray hostHeader = url.port() > 0 ? url.host().toLatin1() + ':' + QByteArray::number(url.port())
                                                 : url.host().toLatin1();
    QByteArray request = "POST " + target + " HTTP/1.1\r\n";
    request += "Host: " + hostHeader + "\r\n";
    request += "Content-Type: application/x-www-form-urlencoded\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (credentials) request += "Authorization: Basic " + QByteArray(credentials) + "\r\n";
    request += "Accept: */*\r\nConnection: close\r\n\r\n";
    request += body;

    // A socket of our own rather than Qt's HTTP stack: that one sends a POST
    // again when the server drops the connection, and a service must never
    // receive one request twice.
    QSslSocket socket;
    socket.setSslConfiguration(tls);
    HttpReply answer;
    bool complete = false;
    bool timedOut = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&socket, &QSslSocket::encrypted, &loop, [&] { socket.write(request); });
    QObject::connect(&socket, &QSslSocket::readyRead, &loop, [&] {
        answer.append(socket.readAll());
        if (answer.isComplete(false)) {
            complete = true;
            loop.quit();
        }
    });
    QObject::connect(&socket, &QSslSocket::disconnected, &loop, [&] {
        answer.append(socket.readAll());
        complete = answer.isComplete(true);
        loop.quit();
    });
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &loop,
                     [&](QAbstractSocket::SocketError error) {
                         // The server closing after its reply is the normal end.
                         if (error == QAbstractSocket::RemoteHostClosedError) return;
                         m_error = socket.errorString();
                         loop.quit();
                     });
    timer.start(m_timeoutMs);
    socket.connectToHostEncrypted(url.host(), quint16(url.port(443)));
    // The user cannot start a second exchange while this one runs.
    if (!complete && m_error.isEmpty()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    socket.abort();

    if (!complete) {
        if (m_error.isEmpty()) m_error = timedOut ? QStringLiteral("no reply in time") : QStringLiteral("incomplete reply");
        return false;
    }
    m_status = answer.status();
    reply = QString::fromUtf8(answer.body());
    return true;
}
