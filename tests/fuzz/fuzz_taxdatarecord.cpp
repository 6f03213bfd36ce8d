// A tax-data reply: any bytes. Each person's item the gate lets through is
// read into a record and rendered as its page.

#include <cstddef>
#include <cstdint>
#include <string>
#include <tinyxml.h>

#include "autofill/tddtaxdata.h"
#include "mytixmlhandle.h"
#include "xmlguard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) return 0;

    // The root itself (a stored record) and each item under it (a reply).
    const TiXmlElement* root = document.RootElement();
    for (const TiXmlElement* item = root; item;
         item = item == root ? xmlFirstChildByLocalName(root, "IndividualIncomeTaxDataItem")
                             : item->NextSiblingElement()) {
        TDDTaxDataOnePerson record(2021);
        if (record.parseXMLData(item) != 0) continue;
        CString html;
        record.toHtml(html, record.sin, "2021-07-01T10:00:00");
        if (record.slipCount() > TDDTaxDataOnePerson::kSlips) __builtin_trap();
    }
    return 0;
}
