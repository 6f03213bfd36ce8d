#pragma once
// One HTTPS exchange with an online service, run synchronously on the
// calling thread: the GUI thread (a local event loop; the wait cursor is the
// caller's business) or a worker thread. The server's certificate and host
// name are always verified: against the system's certificate authorities
// plus, when one is named, the authorities of one extra certificate file
// (set by the deployment data; empty in a release). Verification is never
// turned off, and only "https://" addresses are accepted.
//
// Nothing here writes a log: request bodies, authorization headers and
// replies carry passwords, tokens and S.I.N.s. The error text names the
// failure only.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <string>

#include "replylimits.h"

class QWebClient
{
public:
    // `flag` is reserved for the notice relay; it relaxes nothing.
    QWebClient(const QString& url, bool flag);
    // A multipart form post: the file at `localPath` goes as `uploadName` in
    // the form field `fieldName`, after the fields added.
    QWebClient(const QString& url, const QString& localPath, const QString& uploadName, const QString& fieldName);
    bool flag() const { return m_flag; }

    // Adds one form field; fields are sent in the order added.
    void addQueryItem(const QString& name, const QString& value);
    // Adds a file sent ahead of the fields; with one, post() sends a
    // multipart form instead of an encoded one.
    void addFileItem(const QString& name, const QString& fileName, const QByteArray& bytes);

    // Posts the fields as an HTML form (multipart with the file, when one
    // was given; a file that cannot be read fails the post unsent). `credentials`, when not null, is the
    // Base64 text of "email:password", sent as HTTP Basic authorization.
    // True when a complete reply came back, whatever its status (a SOAP
    // fault comes with 500); the body (UTF-8) is in `reply`. False for no
    // connection, a TLS failure, the time limit or a reply above the size
    // bound; `reply` is then empty.
    bool post(QString& reply, const char* credentials);
    // The same with `token` sent under `scheme` ("Bearer").
    bool post(QString& reply, const QString& token, const char* scheme);
    // Posts `xml` (sent as UTF-8) with `contentType`; the reply's body bytes
    // go to `reply`. Success and failure as for post().
    bool postSoapXML(const QString& xml, const char* contentType, std::string& reply);

    // The HTTP status of the last reply, 0 when none came back.
    int statusCode() const { return m_status; }
    bool isSuccessStatus() const { return m_status >= 200 && m_status < 300; }
    // Why the last exchange failed, for the logs.
    const QString& errorText() const { return m_error; }
    // True once the last exchange's request went out on the connection:
    // when no reply followed, the service may still have received it.
    bool requestSent() const { return m_requestSent; }

    // How long one exchange may take; tests shorten it.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    static constexpr int kDefaultTimeoutMs = 60000;
    // The most a reply (headers and body) may hold; tests lower it.
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }
    static constexpr qint64 kDefaultMaxReplyBytes = qint64(kMaxServiceReplyBytes);

    // The extra certificate file whose authorities are trusted besides the
    // system's; empty for none. Safe to call while other threads post.
    static void setExtraCertificateFile(const QString& path);
    static QString extraCertificateFile();

private:
    // The request body and its content type: a plain form, or multipart
    // with the files. False when the file to upload cannot be read.
    bool requestBody(QByteArray& contentType, QByteArray& body);
    bool exchange(const QByteArray& contentType, const QByteArray& body, const QByteArray& authorization,
                  QByteArray& replyBody);

    QString m_url;
    bool m_flag;

    QList<QPair<QString, QString>> m_fields;
    QString m_uploadPath, m_uploadName, m_uploadField;
    struct FileItem { QString name, fileName; QByteArray bytes; };
    QList<FileItem> m_files;
    int m_status = 0;
    QString m_error;
    bool m_requestSent = false;
    int m_timeoutMs = kDefaultTimeoutMs;
    qint64 m_maxReplyBytes = kDefaultMaxReplyBytes;
};
