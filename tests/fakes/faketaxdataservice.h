#pragma once
// The agency's tax-data service played on the fake HTTPS server: the stage
// and data replies of scripted rounds on the auto-fill and notice paths
// (test mode), and the reading of what a request carried, its user-name
// token checked by recomputing the digest with the provider key.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "fakehttpsserver.h"

class FakeTaxDataService
{
public:
    static constexpr const char* kAutoFillPath = "/ebci/awsc/tdd/ws/2021/CertTestDeliveryService";
    static constexpr const char* kNoticePath = "/ebci/awsc/tdd/ws/2021/CertTestNOAService";

    FakeTaxDataService(FakeHttpsServer& server, const QByteArray& key, bool notice = false);

    // Replies queued in the order the requests will come.
    void stage(const QByteArray& returnCode, const QByteArray& tokenC);
    void data(const QByteArray& returnCode, const QByteArray& token, const QByteArray& delivery = QByteArray());
    void fault(const QByteArray& faultString);
    void reply(const FakeReply& reply);

    // A SOAP envelope around `body` as the agency writes it.
    static QByteArray envelope(const QByteArray& body);

    struct Request
    {
        QString user;
        QByteArray nonce;   // as sent (Base64)
        QString created;
        bool digestOk = false;
        QStringList sins;
        QString token;      // the data request's TokenIdentifier
        QString bodyTag;
    };
    // Every request to the service path, read.
    QList<Request> requests() const;

private:
    QByteArray path() const { return m_notice ? kNoticePath : kAutoFillPath; }

    FakeHttpsServer& m_server;
    QByteArray m_key;
    bool m_notice;
};
