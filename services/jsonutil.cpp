#include "jsonutil.h"

#include <QJsonDocument>

int JsonUtil::parseString(const QString& text)
{
    if (text.size() > kMaxReplyLength) return m_status = kFailed;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (document.isNull()) return m_status = kFailed;
    if (document.isObject()) m_object = document.object();
    return m_status = kOk;
}

int JsonUtil::getIntParam(const QString& name, int& value)
{
    const auto member = m_object.constFind(name);
    if (member == m_object.constEnd()) return m_status = kFailed;
    value = member->toInt();
    return m_status = kOk;
}

int JsonUtil::getStrParam(const QString& name, QString& value)
{
    const auto member = m_object.constFind(name);
    if (member == m_object.constEnd()) return m_status = kFailed;
    value = member->toString();
    return m_status = kOk;
}
