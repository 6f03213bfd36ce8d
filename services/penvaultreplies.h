#pragma once
// Reading the e-signature service's JSON replies: a text or integer member,
// and the status of a signing request with its signing time. No network and
// no return data here, so the readings can be driven on their own.

#include <QDateTime>
#include <QString>

// The member's value; false when the reader refuses the reply or the member
// is missing.
bool penvaultReplyText(const QString& reply, const char* key, QString& value);
bool penvaultReplyInt(const QString& reply, const char* key, int& value);

// The UTC time of a whole ISO 8601 date-time marked as UTC ("Z" or
// "+00:00"); invalid for anything else.
QDateTime readSigningTime(const QString& text);

// The text shown for a status reply, and the signing time when the request
// is completed with a valid one.
struct PenvaultStatus
{
    QString text;
    QDateTime signedAtUtc;
};
PenvaultStatus readStatusReply(const QString& reply);
