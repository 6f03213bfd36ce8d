#include "agencyreplytext.h"

#include <initializer_list>
#include <tinyxml.h>

CString withPlainApostrophes(const CString& text)
{
    QByteArray bytes = text.bytes();
    bytes.replace("\xE2\x80\x99", "'");
    return CString(bytes);
}

CString elementText(const TiXmlElement* element)
{
    const char* text = element ? element->GetText() : nullptr;
    return CString(text ? text : "");
}

const TiXmlElement* firstMessageLine(MyTiXmlHandle parent)
{
    return parent.FirstChildElement("t1rsp:EnglishMessage").FirstChildElement("t1rsp:MessageText").ToElement();
}

const TiXmlElement* nextMessageLine(const TiXmlElement* line)
{
    return MyTiXmlHandle(line).NextSiblingElement("MessageText").ToElement();
}

void putMessageLines(CString& message, const TiXmlElement* first, bool plainApostrophes)
{
    if (!first) return;
    message.Empty();
    for (const TiXmlElement* line = first; line; line = nextMessageLine(line)) {
        const CString text = elementText(line);
        message += plainApostrophes ? withPlainApostrophes(text) : text;
        message += "\r\n";
    }
}

void readProcessingError(MyTiXmlHandle error, CString& message, CString& codes)
{
    putMessageLines(message, firstMessageLine(error), true);
    MyTiXmlHandle description = error.FirstChildElement("t1rsp:ErrorCodeDescription");
    if (const TiXmlElement* code = description.FirstChildElement("t1rsp:ErrorCode").ToElement()) {
        const CString text = elementText(code);
        codes += text;
        message += "Error code: (" + text + ")\r\n";
    }
    const TiXmlElement* line = firstMessageLine(description);
    if (line) message += "Error Message:\r\n";
    for (bool first = true; line; line = nextMessageLine(line), first = false) {
        if (!first) message += "\r\n";
        message += withPlainApostrophes(elementText(line));
    }
}

bool readRefusal(MyTiXmlHandle fileResponse, CString& message, CString& codes)
{
    for (const char* lines : {"t1rsp:Rejection", "t1rsp:SystemError"}) {
        if (MyTiXmlHandle found = fileResponse.FirstChildElement(lines); !found.isNull()) {
            putMessageLines(message, firstMessageLine(found), true);
            return true;
        }
    }
    if (MyTiXmlHandle error = fileResponse.FirstChildElement("t1rsp:ProcessingError"); !error.isNull()) {
        readProcessingError(error, message, codes);
        return true;
    }
    return false;
}

void writeResult(FILE* file, const CString& text)
{
    if (file && !text.IsEmpty()) std::fwrite(text.c_str(), 1, size_t(text.GetLength()), file);
}
