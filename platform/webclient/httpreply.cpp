#include "httpreply.h"

#include <QList>

void HttpReply::append(const QByteArray& bytes)
{
    if (m_stage == Stage::Done || m_stage == Stage::Broken) return;
    m_pending += bytes;
    advance();
    // What has been read goes; the rest (a part of a line, as a rule) stays.
    if (m_at >= m_pending.size()) {
        m_pending.clear();
        m_at = 0;
        m_searched = 0;
    } else if (m_at > 0 && m_at >= m_pending.size() / 2) {
        m_pending.remove(0, m_at);
        m_searched = qMax(0, m_searched - m_at);
        m_at = 0;
    }
}

bool HttpReply::readHead()
{
    // The blank line may straddle two pieces: look again from three bytes back.
    const int end = m_pending.indexOf("\r\n\r\n", qMax(m_at, m_searched - 3));
    if (end < 0) {
        m_searched = m_pending.size();
        return false;
    }
    const QList<QByteArray> lines = m_pending.mid(m_at, end - m_at).split('\n');
    const QList<QByteArray> statusLine = lines.value(0).trimmed().split(' ');
    if (statusLine.value(0).startsWith("HTTP/1.")) {
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
    m_at = end + 4;
    if (m_status == 0)
        m_stage = Stage::Broken;
    else if (m_chunked)
        m_stage = Stage::ChunkSize;
    else if (m_contentLength == 0)
        m_stage = Stage::Done;
    else
        m_stage = Stage::Body;
    return true;
}

bool HttpReply::readChunkSize()
{
    // A size line split between pieces is not searched twice.
    const int lineEnd = m_pending.indexOf("\r\n", qMax(m_at, m_searched - 1));
    if (lineEnd < 0) {
        m_searched = m_pending.size();
        return false;
    }
    QByteArray sizeText = m_pending.mid(m_at, lineEnd - m_at);
    const int extension = sizeText.indexOf(';');
    if (extension >= 0) sizeText.truncate(extension);
    bool ok = false;
    const qint64 size = sizeText.trimmed().toLongLong(&ok, 16);
    m_at = lineEnd + 2;
    if (!ok || size < 0) {
        m_stage = Stage::Broken;
    } else if (size == 0) {
        // Trailers after the last chunk are not read.
        m_stage = Stage::Done;
    } else {
        m_chunkLeft = size;
        m_stage = Stage::ChunkData;
    }
    return true;
}

void HttpReply::advance()
{
    for (;;) {
        const int available = m_pending.size() - m_at;
        switch (m_stage) {
        case Stage::Head:
            if (!readHead()) return;
            break;
        case Stage::Body: {
            int take = available;
            if (m_contentLength >= 0) take = int(qMin(qint64(available), m_contentLength - m_body.size()));
            m_body.append(m_pending.constData() + m_at, take);
            m_at += available;   // bytes past the announced length are dropped
            if (m_contentLength >= 0 && m_body.size() >= m_contentLength) m_stage = Stage::Done;
            return;
        }
        case Stage::ChunkSize:
            if (!readChunkSize()) return;
            break;
        case Stage::ChunkData: {
            if (available == 0) return;
            const int take = int(qMin(qint64(available), m_chunkLeft));
            m_body.append(m_pending.constData() + m_at, take);
            m_at += take;
            m_chunkLeft -= take;
            if (m_chunkLeft == 0) m_stage = Stage::ChunkEnd;
            break;
        }
        case Stage::ChunkEnd:
            // The line end after the data, taken as it comes.
            if (available < 2) return;
            m_at += 2;
            m_stage = Stage::ChunkSize;
            break;
        case Stage::Done:
        case Stage::Broken:
            m_at = m_pending.size();
            return;
        }
    }
}

bool HttpReply::isComplete(bool connectionClosed) const
{
    if (m_stage == Stage::Done) return true;
    // No framing: the body runs to the end of the connection.
    return connectionClosed && m_stage == Stage::Body && m_contentLength < 0;
}
