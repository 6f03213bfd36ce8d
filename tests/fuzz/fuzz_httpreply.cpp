// The HTTP reply reader of the web client: any bytes, arriving in two
// pieces; a reply read as complete has a status.

#include <cstddef>
#include <cstdint>

#include "httpreply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    HttpReply reply;
    reply.append(bytes.left(bytes.size() / 2));
    reply.isComplete(false);
    reply.append(bytes.mid(bytes.size() / 2));
    if (reply.isComplete(true) && reply.status() <= 0) __builtin_trap();
    return 0;
}
