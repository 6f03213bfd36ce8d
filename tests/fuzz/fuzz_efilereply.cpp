// The EFILE reply reader, both kinds: any bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "eolclient.h"
#include "netfileclient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FILE* sink = std::fopen("/dev/null", "w");
    const std::string reply(reinterpret_cast<const char*>(data), size);
    for (int kind : {kNetfileReplyKind, kT1135ReplyKind}) {
        StructEOLSoapResult result;
        const int rc = parseEOLSoapResponseResult(sink, reply, kind, &result);
        if (rc != 0 && rc != 1 && rc != -2) __builtin_trap();
        isEfileAcceptedCode(&result, kind == kNetfileReplyKind);
        isEfileReviewCode(&result);
    }
    return 0;
}
