#pragma once
// Reading one HTTP/1.1 reply as it arrives: the status line, the headers and
// a body framed by Content-Length, by chunks, or by the end of the
// connection. Each piece is read once, as it comes: the time taken grows
// with the reply's size, not with its square.

#include <QByteArray>

class HttpReply
{
public:
    // Adds bytes received and reads as far as they go.
    void append(const QByteArray& bytes);
    // True once the whole reply is in. `connectionClosed`: the server has
    // closed, which ends a body framed by nothing else.
    bool isComplete(bool connectionClosed) const;
    // Valid once complete.
    int status() const { return m_status; }
    const QByteArray& body() const { return m_body; }

private:
    enum class Stage {
        Head,       // waiting for the blank line after the headers
        Body,       // a body framed by its length or by the end of the connection
        ChunkSize,  // waiting for a chunk's size line
        ChunkData,  // inside a chunk
        ChunkEnd,   // the line end after a chunk's data
        Done,       // the whole reply is in
        Broken,     // not a reply this reader can finish; later bytes are dropped
    };

    void advance();
    bool readHead();
    bool readChunkSize();

    QByteArray m_pending;   // received and not yet read
    int m_at = 0;           // how much of m_pending has been read
    int m_searched = 0;     // how much of m_pending was searched for the line end awaited
    Stage m_stage = Stage::Head;
    int m_status = 0;
    qint64 m_contentLength = -1;
    bool m_chunked = false;
    qint64 m_chunkLeft = 0;
    QByteArray m_body;
};
