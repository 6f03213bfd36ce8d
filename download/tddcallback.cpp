#include "tddcallback.h"

#include <cctype>

namespace {
bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A run of non-blank characters from `pos`; empty when there is none.
QByteArray readRun(const QByteArray& text, int& pos)
{
    const int start = pos;
    while (pos < text.size() && !isBlank(text.at(pos)) && text.at(pos) != '\0')
        ++pos;
    return text.mid(start, pos - start);
}
} // namespace

bool readCallbackToken(const QByteArray& request, const char* path, std::string& token)
{
    token.clear();
    const QByteArray prefix = QByteArray("GET ") + path + "?t=";
    if (!request.startsWith(prefix))
        return false;
    int pos = prefix.size();
    const QByteArray tokenText = readRun(request, pos);
    if (tokenText.isEmpty() || tokenText.size() > kMaxCallbackTokenChars)
        return false;
    const int blanks = pos;
    while (pos < request.size() && isBlank(request.at(pos)))
        ++pos;
    if (pos == blanks || !request.mid(pos).startsWith("HTTP/"))
        return false;
    pos += 5;
    const QByteArray version = readRun(request, pos);
    if (version.isEmpty() || version.size() > kMaxCallbackVersionChars)
        return false;
    // The "t" item's value: other query items may follow it.
    const int other = tokenText.indexOf('&');
    token = (other < 0 ? tokenText : tokenText.left(other)).toStdString();
    return !token.empty();
}

TddCallbackRequest parseTddCallbackRequest(const QByteArray& request)
{
    TddCallbackRequest result;
    // The token comes from the request line alone: a path named again
    // further on (a header such as a Referer holding "/expnoa") whose
    // pattern does not match that line keeps the token already read.
    auto readPath = [&](const char* path) {
        result.tokenPath = true;
        std::string token;
        if (readCallbackToken(request, path, token)) {
            result.tokenRead = true;
            result.token = token;
        }
    };
    // A path at the very start is no request line's target.
    if (request.indexOf("/taxdata") > 0)
        readPath("/taxdata");
    if (request.contains("/TAXDATA"))
        readPath("/TAXDATA");
    else if (request.contains("/expnoa"))
        readPath("/expnoa");
    else if (request.contains("/logout"))
        result.logout = true;
    return result;
}

QByteArray tddCallbackReply(bool tokenOk, bool logout, const QByteArray& page)
{
    QByteArray reply = "HTTP/1.0 200 OK\n";
    QByteArray body;
    if (tokenOk) {
        reply += "Content-Type: text/html\n";
        body = page;
    } else {
        reply += "Content-Type: text/plain\n";
        body = logout ? "You have logged out of CRA secure session!" : "Hello from Quillmere 2021";
    }
    reply += "Content-Length: " + QByteArray::number(body.size()) + "\n\n";
    reply += body;
    return reply;
}
