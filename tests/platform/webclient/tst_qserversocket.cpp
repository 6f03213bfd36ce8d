// The local listening port over real loopback: loopback addresses only, a
// request gathered across writes and reported once, an oversized request
// dropped unreported, and the slot's answer delivered before the close.

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "qserversocket.h"

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class TstQServerSocket : public QObject
{
    Q_OBJECT

private slots:
    void listensOnLoopbackOnly();
    void requestsAreGatheredAndAnswered_data();
    void requestsAreGatheredAndAnswered();
    void oversizedRequestIsDropped();
    void closedPortRefusesConnections();
    void idleConnectionIsDropped();
};

void TstQServerSocket::listensOnLoopbackOnly()
{
    QServerSocket server(freePort());
    QVERIFY(server.isListening());
    const QList<QHostAddress> addresses = server.listeningAddresses();
    QVERIFY(addresses.contains(QHostAddress(QHostAddress::LocalHost)));
    for (const QHostAddress& address : addresses)
        QVERIFY2(address.isLoopback(), qPrintable(address.toString()));
}

void TstQServerSocket::requestsAreGatheredAndAnswered_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QByteArray>("reported");
    const QByteArray request = "GET /taxdata?t=abc HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    QTest::newRow("one write") << QList<QByteArray>{request} << request;
    QTest::newRow("split in the request line") << QList<QByteArray>{request.left(9), request.mid(9)} << request;
    QTest::newRow("split in the blank line") << QList<QByteArray>{request.chopped(1), request.right(1)} << request;
    QTest::newRow("LF line ends") << QList<QByteArray>{"GET /logout HTTP/1.0\n\n"} << QByteArray("GET /logout HTTP/1.0\n\n");
    QTest::newRow("body after the headers is not reported")
        << QList<QByteArray>{request + "trailing"} << request;
}

void TstQServerSocket::requestsAreGatheredAndAnswered()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QByteArray, reported);
    const quint16 port = freePort();
    QServerSocket server(port);
    QList<QByteArray> requests;
    connect(&server, &QServerSocket::dataReceived, this, [&](QTcpSocket* socket, const QByteArray& request) {
        requests << request;
        socket->write("answer");
        socket->flush();
    });

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(client.waitForConnected(5000));
    for (const QByteArray& piece : pieces) {
        client.write(piece);
        client.flush();
        QTest::qWait(50); // lets the server see each piece on its own
    }
    QTRY_COMPARE(requests.size(), 1);
    QCOMPARE(requests.first(), reported);
    QTRY_COMPARE(client.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(client.readAll(), QByteArray("answer"));
    QCOMPARE(requests.size(), 1);
}

void TstQServerSocket::oversizedRequestIsDropped()
{
    const quint16 port = freePort();
    QServerSocket server(port);
    int reports = 0;
    connect(&server, &QServerSocket::dataReceived, this, [&] { ++reports; });

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(client.waitForConnected(5000));
    client.write("GET /taxdata?t=" + QByteArray(QServerSocket::kMaxRequestBytes, 'a') + " HTTP/1.1\r\n\r\n");
    client.flush();
    QTRY_COMPARE(client.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(reports, 0);
}

void TstQServerSocket::closedPortRefusesConnections()
{
    const quint16 port = freePort();
    QServerSocket server(port);
    server.close();
    QVERIFY(!server.isListening());
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!client.waitForConnected(2000));
}

void TstQServerSocket::idleConnectionIsDropped()
{
    const quint16 port = freePort();
    QServerSocket server(port);
    server.setIdleTimeoutMs(200);
    int reports = 0;
    connect(&server, &QServerSocket::dataReceived, this, [&] { ++reports; });
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(client.waitForConnected(5000));
    client.write("GET /taxdata?t=abc HTTP/1.1\r\n"); // never ends its headers
    client.flush();
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 5000);
    QCOMPARE(reports, 0);
}

QTEST_GUILESS_MAIN(TstQServerSocket)
#include "tst_qserversocket.moc"
