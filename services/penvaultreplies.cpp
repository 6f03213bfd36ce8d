#include "penvaultreplies.h"

#include <QRegularExpression>

#include "jsonutil.h"

bool penvaultReplyText(const QString& reply, const char* key, QString& value)
{
    JsonUtil json;
    if (json.parseString(reply) != JsonUtil::kOk) return false;
    return json.getStrParam(QString::fromLatin1(key), value) == JsonUtil::kOk;
}

bool penvaultReplyInt(const QString& reply, const char* key, int& value)
{
    JsonUtil json;
    if (json.parseString(reply) != JsonUtil::kOk) return false;
    return json.getIntParam(QString::fromLatin1(key), value) == JsonUtil::kOk;
}

QDateTime readSigningTime(const QString& text)
{
    // Only what the service sends for a signed request may become the
    // signing time that later goes into the electronic return. Fractions of
    // a second may be finer than milliseconds (the reading keeps the
    // milliseconds); the stored time has whole seconds anyway.
    static const QRegularExpression utc(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}([.,]\\d{1,9})?(Z|\\+00:?00)$"));
    if (!utc.match(text).hasMatch()) return QDateTime();
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid()) return QDateTime();
    return time.toUTC();
}

PenvaultStatus readStatusReply(const QString& reply)
{
    PenvaultStatus out;
    int requestId = 0;
    if (!penvaultReplyInt(reply, "sr_id", requestId)) {
        out.text = QStringLiteral("Invalid result returned.") + reply;
        return out;
    }
    out.text = QStringLiteral("Status: ");
    QString status;
    const bool hasStatus = penvaultReplyText(reply, "status", status);
    if (hasStatus) out.text += status;
    if (!hasStatus || status != QLatin1String("completed")) {
        out.text += QStringLiteral(" Signature time is not available.");
        return out;
    }
    QString completedAt;
    if (!penvaultReplyText(reply, "completed_at_utc", completedAt)) {
        out.text += QStringLiteral(" No signed time is returned.");
        return out;
    }
    out.text += QStringLiteral(" Signed time: %1").arg(completedAt);
    out.signedAtUtc = readSigningTime(completedAt);
    return out;
}
