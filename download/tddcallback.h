#pragma once
// The browser's callback request after sign-in and the local server's
// answer to it, byte for byte. Pure functions: the listening and the
// handing of the token to the web service are the callback server's.

#include <QByteArray>
#include <string>

// Fields of a request line; longer ones are answered as a request without
// token.
constexpr int kMaxCallbackTokenChars = 255;
constexpr int kMaxCallbackVersionChars = 31;

struct TddCallbackRequest
{
    bool tokenPath = false; // a /taxdata, /TAXDATA or /expnoa request
    bool tokenRead = false; // its request line gave a token (as received)
    std::string token;
    bool logout = false;    // a /logout request without another token path
};

TddCallbackRequest parseTddCallbackRequest(const QByteArray& request);

// Reads "GET <path>?t=<token> HTTP/<version>" at the start of the request,
// each field a run of non-blank characters within its bound; the token is
// the "t" item's value, before any further query item.
bool readCallbackToken(const QByteArray& request, const char* path, std::string& token);

// The answer: the HTML page when the token was accepted, else the
// logged-out text or the greeting. LF line ends, Content-Length in bytes.
QByteArray tddCallbackReply(bool tokenOk, bool logout, const QByteArray& page);
