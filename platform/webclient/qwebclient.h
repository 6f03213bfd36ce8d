#pragma once
// One HTTPS exchange with an online service, run synchronously on the
// calling (GUI) thread. The server's certificate is always verified: against
// the system's certificate authorities plus, when one is named, the
// authorities of one extra certificate file (set by the deployment data;
// empty in a release). Verification is never turned off.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QWebClient
{
public:
    // `flag` is reserved for the notice relay; false everywhere else.
    QWebClient(const QString& url, bool flag);
    bool flag() const { return m_flag; }

    // Adds one form field; fields are sent in the order added.
    void addQueryItem(const QString& name, const QString& value);

    // Posts the fields as an HTML form. `credentials`, when not null, is the
    // Base64 text of "email:password", sent as HTTP Basic authorization.
    // True when a complete reply came back, whatever its status; the body
    // (UTF-8) is in `reply`. False for no connection, a TLS failure or the
    // time-out; `reply` is then empty.
    bool post(QString& reply, const char* credentials);

    // The HTTP status of the last reply, 0 when none came back.
    int statusCode() const { return m_status; }
    bool isSuccessStatus() const { return m_status >= 200 && m_status < 300; }
    // Why the last post failed, for the logs.
    const QString& errorText() const { return m_error; }

    // How long one exchange may take; tests shorten it.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    static constexpr int kDefaultTimeoutMs = 60000;

    // The extra certificate file whose authorities are trusted besides the
    // system's; empty for none.
    static void setExtraCertificateFile(const QString& path);
    static QString extraCertificateFile();

private:
    QString m_url;
    bool m_flag;
    QList<QPair<QString, QString>> m_fields;
    int m_status = 0;
    QString m_error;
    int m_timeoutMs = kDefaultTimeoutMs;
};
