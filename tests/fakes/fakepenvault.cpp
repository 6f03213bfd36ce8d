#include "fakepenvault.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>

const QByteArray FakePenvault::kUploadPath = "/api/signature-requests";
const QByteArray FakePenvault::kLoginPath = "/api/user/login";
const QByteArray FakePenvault::kFilingPath = "/api/filing";

QByteArray FakePenvault::statusPath(const QString& requestId)
{
    return kUploadPath + '/' + QUrl::toPercentEncoding(requestId);
}

FakePenvault::FakePenvault(FakeHttpsServer& server, const QString& email, const QString& password,
                           const QByteArray& key)
    : m_server(server), m_email(email), m_password(password), m_key(key)
{
}

void FakePenvault::answerUpload(int requestId, const QString& message)
{
    QJsonObject reply{{"sr_id", requestId}, {"message", message}};
    m_server.script(kUploadPath, FakeReply::json(QJsonDocument(reply).toJson(QJsonDocument::Compact)));
}

void FakePenvault::answerLogin(const QByteArray& token)
{
    QJsonObject reply{{"access_token", QString::fromLatin1(token)}};
    m_server.script(kLoginPath, FakeReply::json(QJsonDocument(reply).toJson(QJsonDocument::Compact)));
}

void FakePenvault::answerStatus(const QString& requestId, int srId, const QString& status, const QString& completedAt)
{
    QJsonObject reply{{"sr_id", srId}, {"status", status}};
    if (!completedAt.isEmpty()) reply.insert("completed_at_utc", completedAt);
    m_server.script(statusPath(requestId), FakeReply::json(QJsonDocument(reply).toJson(QJsonDocument::Compact)));
}

QString FakePenvault::Form::value(const QString& name) const
{
    for (const auto& field : fields)
        if (field.first == name) return field.second;
    return QString();
}

QStringList FakePenvault::Form::names() const
{
    QStringList out;
    for (const auto& field : fields) out << field.first;
    return out;
}

FakePenvault::Form FakePenvault::readForm(const RecordedRequest& request)
{
    Form form;
    const QByteArray type = request.header("content-type");
    const int at = type.indexOf("boundary=");
    if (!type.startsWith("multipart/form-data") || at < 0) {
        form.fields = request.formFields();
        return form;
    }
    const QByteArray delimiter = "--" + type.mid(at + 9).trimmed();
    int from = request.body.indexOf(delimiter);
    while (from >= 0) {
        from += delimiter.size();
        if (request.body.mid(from, 2) == "--") break;
        from += 2; // CRLF after the delimiter
        const int end = request.body.indexOf("\r\n" + delimiter, from);
        if (end < 0) break;
        const QByteArray part = request.body.mid(from, end - from);
        const int split = part.indexOf("\r\n\r\n");
        const QByteArray head = part.left(split);
        const QByteArray content = part.mid(split + 4);
        auto param = [&head](const QByteArray& key) {
            const int p = head.indexOf(key + "=\"");
            if (p < 0) return QString();
            const int s = p + key.size() + 2;
            return QString::fromUtf8(head.mid(s, head.indexOf('"', s) - s));
        };
        const QString name = param("name");
        if (head.contains("filename=\"")) {
            form.fileField = name;
            form.fileName = param("filename");
            form.file = content;
        } else {
            form.fields.append(qMakePair(name, QString::fromUtf8(content)));
        }
        from = end + 2;
    }
    return form;
}

QString FakePenvault::faultOfBasic(const RecordedRequest& request) const
{
    const QByteArray expected = "Basic " + (m_email + ':' + m_password).toUtf8().toBase64();
    return request.header("authorization") == expected ? QString() : QStringLiteral("401: wrong Basic credentials");
}

QString FakePenvault::faultOfSignature(const Form& form) const
{
    const QString text = "T1QM2021" + form.value("func") + "T1QM2021_" + form.value("form") + form.value("licdata") +
                         QString::fromLatin1(m_key);
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex();
    return form.value("msg1").toLatin1() == digest ? QString() : QStringLiteral("msg1 does not match");
}

QString FakePenvault::faultOfUpload(const RecordedRequest& request) const
{
    if (QString fault = faultOfBasic(request); !fault.isEmpty()) return fault;
    const Form form = readForm(request);
    if (form.fileField != QLatin1String("document_file") || form.file.isEmpty()) return "no document_file part";
    QStringList order{"email", "password", "licdata", "expires_in_days", "sw", "func", "form", "sender_note",
                      "msg1", "login_type"};
    if (form.names().contains("date_pos")) order.insert(4, "date_pos");
    if (form.names() != order) return "items out of order: " + form.names().join(',');
    return faultOfSignature(form);
}

QString FakePenvault::faultOfLogin(const RecordedRequest& request) const
{
    if (!request.header("authorization").isEmpty()) return "credentials sent with the login";
    const Form form = readForm(request);
    if (form.names() != QStringList{"email", "password"}) return "items out of order: " + form.names().join(',');
    if (form.value("email") != m_email || form.value("password") != m_password) return "401: wrong account";
    return QString();
}

QString FakePenvault::faultOfStatus(const RecordedRequest& request, const QByteArray& token) const
{
    if (request.header("authorization") != "Bearer " + token) return "401: wrong token";
    if (!readForm(request).fields.isEmpty()) return "items sent with the status query";
    return QString();
}

QString FakePenvault::faultOfFiling(const RecordedRequest& request) const
{
    if (QString fault = faultOfBasic(request); !fault.isEmpty()) return fault;
    const Form form = readForm(request);
    const QStringList order{"licdata",    "sw",      "func",         "form",   "msg1",
                            "taxpayer_name", "taxpayer_phone", "login_type", "filed_at", "tax_year_end",
                            "status",     "confirmation_code", "filing_message"};
    if (form.names() != order) return "items out of order: " + form.names().join(',');
    return faultOfSignature(form);
}
