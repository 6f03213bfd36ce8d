// The T1013 reply reader on whatever the XML gate lets through: any bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <tinyxml.h>

#include "t1013client.h"
#include "xmlguard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) return 0;
    StructT1013SoapResult result;
    if (parseT1013SoapResponseResult(nullptr, CString(), document.RootElement(), &result) != 0) __builtin_trap();
    return 0;
}
