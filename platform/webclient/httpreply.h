#pragma once
// Reading one HTTP/1.1 reply as it arrives: the status line, the headers and
// a body framed by Content-Length, by chunks, or by the end of the
// connection.

#include <QByteArray>

class HttpReply
{
public:
    // Adds bytes received.
    void append(const QByteArray& bytes) { m_raw += bytes; }
    // True once the whole reply is in. `connectionClosed`: the server has
    // closed, which ends a body framed by nothing else.
    bool isComplete(bool connectionClosed);
    // Valid once complete.
    int status() const { return m_status; }
    const QByteArray& body() const { return m_body; }

private:
    bool parseHead();
    bool decodeChunks();

    QByteArray m_raw;
    int m_headLength = -1; // headers and the blank line, once seen
    int m_status = 0;
    qint64 m_contentLength = -1;
    bool m_chunked = false;
    QByteArray m_body;
};
