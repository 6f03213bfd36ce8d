// The tax-data service's replies: any bytes, read as a stage or data
// result, as an auto-fill delivery and as a notice delivery. Every person's
// item and every single-notice reply cut from it must be XML again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <tinyxml.h>
#include <vector>

#include "tddreplyparse.h"

namespace {
void mustParse(const std::string& text)
{
    TiXmlDocument document;
    document.Parse(text.c_str());
    if (document.Error() || !document.RootElement())
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string reply(reinterpret_cast<const char*>(data), size);
    StructTDDSoapResult result;
    parseTDDTokenSoapResponseResult(reply, "GetTDDNetfileResponse", "TokenIdentifier", &result);

    std::vector<std::string> pieces;
    const int persons = readTddPersonItems(reply, pieces);
    if (persons >= 0 && size_t(persons) != pieces.size())
        __builtin_trap();
    for (const std::string& item : pieces)
        mustParse(item);

    const int notices = readNoticeReplies(reply, pieces);
    if (notices >= 0 && size_t(notices) != pieces.size())
        __builtin_trap();
    for (const std::string& notice : pieces)
        mustParse(notice);
    return 0;
}
