#pragma once
// The e-signature and e-delivery service as our tests see it, on a
// FakeHttpsServer: canned answers on the service's paths, and a check of
// every request it received (the credentials, the items and their order,
// the signature item recomputed here from the items themselves).

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include "fakehttpsserver.h"

class FakePenvault
{
public:
    static const QByteArray kUploadPath;  // uploads for delivery or signing
    static const QByteArray kLoginPath;
    static const QByteArray kFilingPath;
    static QByteArray statusPath(const QString& requestId);

    // The account the fake knows, and the key it signs with.
    FakePenvault(FakeHttpsServer& server, const QString& email, const QString& password, const QByteArray& key);

    // A reply naming the new request.
    void answerUpload(int requestId, const QString& message);
    void answerLogin(const QByteArray& token);
    // A status reply; an empty `completedAt` leaves the time out.
    void answerStatus(const QString& requestId, int srId, const QString& status, const QString& completedAt);

    // One upload as received: the file part and the fields in order.
    struct Form
    {
        QString fileField, fileName;
        QByteArray file;
        QList<QPair<QString, QString>> fields;
        QString value(const QString& name) const;
        QStringList names() const;
    };
    static Form readForm(const RecordedRequest& request);

    // What is wrong with a request, empty when the service would take it.
    QString faultOfUpload(const RecordedRequest& request) const;
    QString faultOfLogin(const RecordedRequest& request) const;
    QString faultOfStatus(const RecordedRequest& request, const QByteArray& token) const;
    QString faultOfFiling(const RecordedRequest& request) const;

private:
    QString faultOfBasic(const RecordedRequest& request) const;
    QString faultOfSignature(const Form& form) const;

    FakeHttpsServer& m_server;
    QString m_email, m_password;
    QByteArray m_key;
};
