#include "xmlstring.h"

QString xmlCutChars(const QString& text, int maxChars)
{
    if (maxChars < 0) return text;
    int units = 0;
    for (int chars = 0; chars < maxChars && units < text.size(); ++chars)
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return text.left(units);
}

namespace {

// Characters no XML 1.0 document may hold, not even as an entity: the
// control characters but tab, line feed and carriage return, and the two
// non-characters U+FFFE and U+FFFF. A pasted one would make the file
// unreadable to the agency.
bool forbiddenInXml(QChar c)
{
    const ushort u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF;
}

} // namespace

CString xmlEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (forbiddenInXml(c)) continue;
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
