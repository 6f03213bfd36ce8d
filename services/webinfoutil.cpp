#include "webinfoutil.h"

#include "deploymentdata.h"
#include "qwebclient.h"

int CWebInfoUtil::readInfoReply(const QString& reply, CString& text)
{
    // "%d %s" without a fixed buffer: leading blanks, an optionally signed
    // decimal code, blanks, then the word up to the next blank.
    int at = 0;
    const int size = reply.size();
    while (at < size && reply[at].isSpace()) ++at;
    const int codeStart = at;
    if (at < size && (reply[at] == QLatin1Char('-') || reply[at] == QLatin1Char('+'))) ++at;
    while (at < size && reply[at] >= QLatin1Char('0') && reply[at] <= QLatin1Char('9')) ++at;
    bool ok = false;
    const int code = reply.mid(codeStart, at - codeStart).toInt(&ok);
    if (!ok) return kNoCode; // no digits, or a number too large for a code
    while (at < size && reply[at].isSpace()) ++at;
    const int wordStart = at;
    while (at < size && !reply[at].isSpace()) ++at;
    if (code >= 199 && code <= 201) text = CString(reply.mid(wordStart, qMin(at - wordStart, kMaxWordLength)));
    return code;
}

int CWebInfoUtil::getInfoByTwoKeyWords(const char* keyword1, const char* keyword2, CString& text)
{
    try {
        QWebClient client(QStringLiteral("https://%1/phpproj/pfweb/info/quillmereinfo.php")
                              .arg(CDeploymentData::makerWebHost().toQString()),
                          false);
        client.addQueryItem(QStringLiteral("kw1"), QString::fromUtf8(keyword1 ? keyword1 : ""));
        client.addQueryItem(QStringLiteral("kw2"), QString::fromUtf8(keyword2 ? keyword2 : ""));
        QString reply;
        // A failed exchange leaves the reply empty, which holds no code.
        client.post(reply, nullptr);
        return readInfoReply(reply, text);
    } catch (...) {
        return kException;
    }
}
