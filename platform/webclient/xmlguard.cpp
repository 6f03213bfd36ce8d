#include "xmlguard.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <tinyxml.h>

namespace {

// Servers behind a script often send a blank line before the declaration,
// which a conforming reader refuses; both readers start after it.
std::size_t leadingBlanks(const char* data, std::size_t size)
{
    std::size_t at = 0;
    while (at < size && (data[at] == ' ' || data[at] == '\t' || data[at] == '\r' || data[at] == '\n')) ++at;
    return at;
}

} // namespace

bool xmlReplyIsSafe(const char* data, std::size_t size)
{
    if (!data || size == 0 || size > kMaxServiceReplyBytes) return false;
    const std::size_t skip = leadingBlanks(data, size);
    data += skip;
    size -= skip;
    if (size == 0) return false;
    QXmlStreamReader reader(QByteArray::fromRawData(data, int(size)));
    reader.setNamespaceProcessing(false); // replies use prefixes they never declare
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxXmlDepth) return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            return false;
        default:
            break;
        }
    }
    return !reader.hasError();
}

bool parseXmlReply(const std::string& reply, TiXmlDocument& document)
{
    if (!xmlReplyIsSafe(reply.data(), reply.size())) return false;
    // TinyXML stops at a NUL; the gate above has read the bytes past it.
    if (reply.find('\0') != std::string::npos) return false;
    document.Clear();
    document.Parse(reply.c_str() + leadingBlanks(reply.data(), reply.size()), nullptr, TIXML_ENCODING_UNKNOWN);
    return !document.Error() && document.RootElement() != nullptr;
}
