// The NETFILE terms reply reader: any bytes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "netfileclient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    StructNetfileSoapResult result;
    const int rc = parseNetfileTermSoapResponseResult(reply, &result);
    if (rc != 0 && rc != -1) __builtin_trap();
    return 0;
}
