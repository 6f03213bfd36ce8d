// One slip element: any bytes. Every slip class reads the element the gate
// lets through and renders its lines.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <tinyxml.h>

#include "autofill/taxslip.h"
#include "xmlguard.h"

namespace {

const char* const kSlipTags[] = {"T4Slip", "T4ASlip", "T4ESlip", "RC62Slip", "T5Slip", "T3Slip", "T4AOASSlip",
                                 "T4RSPSlip", "T4APSlip", "T2202Slip", "T5007Slip", "T5008Slip", "T5013Slip",
                                 "T4RIFSlip", "RC210Slip", "RRSPContributionReceiptSlip", "ManitobaRentAssistSlip",
                                 "PRPPSlip", "T1204Slip"};

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) return 0;
    const TiXmlElement* element = document.RootElement();

    std::unique_ptr<TaxSlip> byTag(makeTaxSlipForTag(element->Value()));
    for (const char* tag : kSlipTags) {
        std::unique_ptr<TaxSlip> slip(makeTaxSlipForTag(tag));
        if (!slip) __builtin_trap();   // every class has its tag
        slip->parseXMLDataBasic(element);
        slip->parseXMLData(element);
        CString html;
        slip->toHtmlBasic(html, 1);
        slip->toHtml(html, 1);
        slip->toHtmlDefault(html);
        slip->getNumberedBoxValue("14");
    }
    return 0;
}
