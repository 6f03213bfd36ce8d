#include "xmlguard.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <tinyxml.h>

bool xmlReplyIsSafe(const char* data, std::size_t size)
{
    if (!data || size == 0 || size > kMaxServiceReplyBytes) return false;
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
    document.Parse(reply.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    return !document.Error() && document.RootElement() != nullptr;
}
