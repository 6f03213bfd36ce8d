// A notice reply: any bytes. The account number's masking must keep the
// reply's other text, and a notice item the gate lets through is read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <tinyxml.h>

#include "noataxdata.h"
#include "xmlguard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string reply(reinterpret_cast<const char*>(data), size);
    const std::string before = reply;
    if (NOATaxDataOnePerson::maskAccountNumber(reply, "xxxxx4286")) {
        // Only the element's content changed: what precedes it is kept.
        const std::size_t at = reply.find("xxxxx4286");
        if (at == std::string::npos) __builtin_trap();
    } else if (reply != before) {
        __builtin_trap();   // unchanged when nothing was masked
    }

    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) return 0;
    NOATaxDataOnePerson notice("noa", "html", 2021);
    notice.parseXMLData(document.RootElement());
    NOATaxDataOnePerson::maskedSIN(notice.identifier());
    return 0;
}
