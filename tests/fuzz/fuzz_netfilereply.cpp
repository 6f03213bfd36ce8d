// The NETFILE and form-filing return reply reader, both kinds: any bytes.
// The message goes to a real file, as the result file would take it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "netfileclient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FILE* sink = std::fopen("/dev/null", "w");
    const std::string reply(reinterpret_cast<const char*>(data), size);
    for (int kind : {kNetfileReplyKind, kT1135ReplyKind}) {
        StructNetfileSoapResult result;
        const int rc = parseNetfileSoapResponseResult(sink, kind, reply, &result);
        if (rc != 0 && rc != 1) __builtin_trap();
        if (rc == 1 && (result.accepted || result.resultCode != "response error")) __builtin_trap();
    }
    return 0;
}
