#include "httpreply.h"

#include <QList>

bool HttpReply::parseHead()
{
    if (m_headLength >= 0) return true;
    const int end = m_raw.indexOf("\r\n\r\n");
    if (end < 0) return false;
    const QList<QByteArray> lines = m_raw.left(end).split('\n');
    const QList<QByteArray> statusLine = lines.value(0).trimmed().split(' ');
    if (!statusLine.value(0).startsWith("HTTP/1.")) {
        m_status = 0;
    } else {
        // Three digits, as HTTP has them; anything else is no reply at all.
        bool ok = false;
        m_status = statusLine.value(1).toInt(&ok);
        if (!ok || statusLine.value(1).size() != 3 || m_status < 100) m_status = 0;
    }
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon <= 0) continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (name == "content-length") {
            bool ok = false;
            const qint64 length = value.toLongLong(&ok);
            m_contentLength = ok && length >= 0 ? length : -1;
        } else if (name == "transfer-encoding" && value.toLower().contains("chunked")) {
            m_chunked = true;
        }
    }
    m_headLength = end + 4;
    return true;
}

bool HttpReply::decodeChunks()
{
    QByteArray body;
    int at = m_headLength;
    for (;;) {
        const int lineEnd = m_raw.indexOf("\r\n", at);
        if (lineEnd < 0) return false;
        QByteArray sizeText = m_raw.mid(at, lineEnd - at);
        const int extension = sizeText.indexOf(';');
        if (extension >= 0) sizeText.truncate(extension);
        bool ok = false;
        const qint64 size = sizeText.trimmed().toLongLong(&ok, 16);
        if (!ok || size < 0) return false;
        at = lineEnd + 2;
        if (size == 0) break;
        // Compared so that no sum can overflow, whatever size was announced.
        if (size > qint64(m_raw.size()) - at - 2) return false;
        body += m_raw.mid(at, int(size));
        at += int(size) + 2;
    }
    m_body = body;
    return true;
}

bool HttpReply::isComplete(bool connectionClosed)
{
    if (!parseHead() || m_status == 0) return false;
    if (m_chunked) return decodeChunks();
    const QByteArray rest = m_raw.mid(m_headLength);
    if (m_contentLength >= 0) {
        if (rest.size() < m_contentLength) return false;
        m_body = rest.left(int(m_contentLength));
        return true;
    }
    // No framing: the body runs to the end of the connection.
    if (!connectionClosed) return false;
    m_body = rest;
    return true;
}
