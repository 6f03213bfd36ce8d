#pragma once
// Reader of one JSON reply of an online service: parses the reply and looks
// up integer and text members of its top-level object. Every operation
// answers 0 on success and 99 on failure, and keeps that as the status.

#include <QJsonObject>
#include <QString>

class JsonUtil
{
public:
    JsonUtil() = default;

    // Replies longer than 1024 characters are refused. A JSON document that
    // is not an object (an array) parses but leaves the kept object as it was.
    int parseString(const QString& text);
    // The member's value into `value` (an integer, 0 when it is not a
    // number); `value` is untouched when the member is missing.
    int getIntParam(const QString& name, int& value);
    int getStrParam(const QString& name, QString& value);

    int status() const { return m_status; }

    static constexpr int kOk = 0;
    static constexpr int kFailed = 99;
    static constexpr int kMaxReplyLength = 1024;

private:
    QJsonObject m_object;
    int m_status = kOk;
};
