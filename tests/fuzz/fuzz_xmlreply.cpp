// The XML gate and readers: any bytes. What the gate lets through must parse
// to a tree no deeper than its bound, and every reader walks it safely.

#include <cstddef>
#include <cstdint>
#include <tinyxml.h>
#include <utility>
#include <vector>

#include "mytixmlhandle.h"
#include "xmlguard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) return 0;

    const MyTiXmlHandle root(&document);
    const MyTiXmlHandle body = root.FirstChildElement("Envelope").FirstChildElement("Body");
    getElementSubEleStringText(body.FirstChildElement().ToElement(), "ReturnCode");

    // Every element, without recursion: the readers on each, and the depth.
    std::vector<std::pair<const TiXmlElement*, int>> pending{{document.RootElement(), 1}};
    while (!pending.empty()) {
        const auto [element, depth] = pending.back();
        pending.pop_back();
        if (depth > kMaxXmlDepth) __builtin_trap(); // the gate let a too deep reply through
        const TiXmlElement* child = element->FirstChildElement();
        const char* name = child ? child->Value() : "x";
        getElementSubEleStringText(element, name);
        getElementSubEleStringAsInt(element, name, 0);
        getElementSubEleStringAsBool(element, name, false);
        getElementSubEleStringAttribute(element, name, "code");
        MyTiXmlHandle(element).FirstChildElement(name).NextSiblingElement(name).FirstChildElement("a");
        for (; child; child = child->NextSiblingElement()) pending.push_back({child, depth + 1});
    }
    return 0;
}
