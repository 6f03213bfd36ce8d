#include "inforeply.h"

int readInfoReply(const QString& reply, CString& text)
{
    int at = 0;
    const int size = reply.size();
    while (at < size && reply[at].isSpace()) ++at;
    const int codeStart = at;
    if (at < size && (reply[at] == QLatin1Char('-') || reply[at] == QLatin1Char('+'))) ++at;
    while (at < size && reply[at] >= QLatin1Char('0') && reply[at] <= QLatin1Char('9')) ++at;
    bool ok = false;
    const int code = reply.mid(codeStart, at - codeStart).toInt(&ok);
    if (!ok) return kInfoNoCode;
    while (at < size && reply[at].isSpace()) ++at;
    const int wordStart = at;
    while (at < size && !reply[at].isSpace()) ++at;
    if (code >= 199 && code <= 201) text = CString(reply.mid(wordStart, qMin(at - wordStart, kInfoMaxWordLength)));
    return code;
}
