#include "qserversocket.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {
const char* const kBufferProperty = "qmRequest";
const char* const kReportedProperty = "qmReported";

// The end of the headers (a blank line, with or without CR), or -1.
int endOfHeaders(const QByteArray& data)
{
    const int crlf = data.indexOf("\r\n\r\n");
    const int lf = data.indexOf("\n\n");
    if (crlf < 0 && lf < 0)
        return -1;
    if (crlf < 0)
        return lf + 2;
    if (lf < 0)
        return crlf + 4;
    return qMin(crlf + 4, lf + 2);
}
} // namespace

QServerSocket::QServerSocket(quint16 port, QObject* parent) : QObject(parent)
{
    for (const QHostAddress& address : {QHostAddress(QHostAddress::LocalHost), QHostAddress(QHostAddress::LocalHostIPv6)}) {
        auto* server = new QTcpServer(this);
        server->setMaxPendingConnections(8);
        if (!server->listen(address, port)) {
            // ::1 missing on a machine without IPv6 is no error; 127.0.0.1
            // failing leaves the socket not listening.
            delete server;
            continue;
        }
        connect(server, &QTcpServer::newConnection, this, [this, server] { acceptPending(server); });
        m_servers.append(server);
    }
    // Without 127.0.0.1 the browser could not reach us the usual way.
    bool haveIpv4 = false;
    for (QTcpServer* server : m_servers)
        haveIpv4 = haveIpv4 || server->serverAddress() == QHostAddress(QHostAddress::LocalHost);
    if (!haveIpv4)
        close();
}

QServerSocket::~QServerSocket()
{
    close();
}

bool QServerSocket::isListening() const
{
    return !m_servers.isEmpty();
}

QList<QHostAddress> QServerSocket::listeningAddresses() const
{
    QList<QHostAddress> addresses;
    for (QTcpServer* server : m_servers)
        addresses.append(server->serverAddress());
    return addresses;
}

void QServerSocket::close()
{
    for (QTcpServer* server : m_servers) {
        server->close();
        delete server;
    }
    m_servers.clear();
}

void QServerSocket::acceptPending(QTcpServer* server)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        // The connection belongs to this object, not to the listener, so
        // closing the listener mid-request leaves no dangling socket.
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(m_idleTimeoutMs, socket, [socket] {
            if (!socket->property(kReportedProperty).toBool()) {
                socket->abort();
                socket->deleteLater();
            }
        });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void QServerSocket::readFrom(QTcpSocket* socket)
{
    if (socket->property(kReportedProperty).toBool()) {
        socket->readAll(); // one report per connection
        return;
    }
    QByteArray data = socket->property(kBufferProperty).toByteArray();
    data += socket->read(kMaxRequestBytes + 1 - data.size());
    const int end = endOfHeaders(data);
    if (end < 0 || end > kMaxRequestBytes) {
        if (data.size() > kMaxRequestBytes) {
            socket->abort();
            socket->deleteLater();
        } else {
            socket->setProperty(kBufferProperty, data);
        }
        return;
    }
    socket->setProperty(kReportedProperty, true);
    socket->setProperty(kBufferProperty, QByteArray());
    emit dataReceived(socket, data.left(end));
    socket->disconnectFromHost(); // after what the slot wrote has gone out
}
