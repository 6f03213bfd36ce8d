#include "xmlstring.h"

QString xmlCutChars(const QString& text, int maxChars)
{
    if (maxChars < 0) return text;
    int units = 0;
    for (int chars = 0; chars < maxChars && units < text.size(); ++chars)
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return text.left(units);
}

CString xmlEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\'': out += QLatin1String("&apos;"); break;
        default: out += c;
        }
    }
    return CString(out);
}

CString xmlEscapedCut(const QString& text, int maxChars)
{
    return xmlEscaped(xmlCutChars(text, maxChars));
}

void writeXMLString(CString& out, const char* tag, const QString& text, int maxChars)
{
    writeXMLStringOpen(out, tag);
    out += xmlEscapedCut(text, maxChars);
    writeXMLStringClose(out, tag);
}

void writeXMLStringOpen(CString& out, const char* tag)
{
    out += "<";
    out += tag;
    out += ">";
}

void writeXMLStringClose(CString& out, const char* tag)
{
    out += "</";
    out += tag;
    out += ">";
}
