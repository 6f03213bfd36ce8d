#pragma once
// A small local listening port for the browser's callback after the user
// signs in. It listens on the loopback addresses only (127.0.0.1, and ::1
// where the machine has IPv6), never on other interfaces, gathers each
// request up to the end of its headers under a size bound, and reports it
// once. After the report the connection is closed once the answer written
// in the slot has gone out.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>

class QTcpServer;
class QTcpSocket;

class QServerSocket : public QObject
{
    Q_OBJECT

public:
    // The most a request's line and headers may hold; a longer request is
    // dropped unreported (a browser's callback is far shorter).
    static constexpr int kMaxRequestBytes = 8192;

    // Starts listening at once; isListening() tells whether it could.
    QServerSocket(quint16 port, QObject* parent = nullptr);
    ~QServerSocket() override;

    bool isListening() const;
    // The addresses actually listened on.
    QList<QHostAddress> listeningAddresses() const;
    void close();
    // A connection that has not sent a whole request by then is dropped, so
    // an idle client cannot hold it open; tests shorten it.
    void setIdleTimeoutMs(int ms) { m_idleTimeoutMs = ms; }

signals:
    // One call per request; the slot answers by writing to `socket`.
    void dataReceived(QTcpSocket* socket, QByteArray request);

private:
    void acceptPending(QTcpServer* server);
    void readFrom(QTcpSocket* socket);

    QList<QTcpServer*> m_servers;
    int m_idleTimeoutMs = 10000;
};
