// The browser's callback request: any bytes. A token read is a non-empty
// run within its bound, and the answer always states its body's length.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "tddcallback.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray request(reinterpret_cast<const char*>(data), int(size));
    const TddCallbackRequest read = parseTddCallbackRequest(request);
    if (read.tokenRead && (read.token.empty() || read.token.size() > size_t(kMaxCallbackTokenChars)))
        __builtin_trap();
    if (!read.tokenRead && !read.token.empty())
        __builtin_trap();
    const QByteArray page(read.token.data(), int(read.token.size()));
    const QByteArray reply = tddCallbackReply(read.tokenRead, read.logout, page);
    const int split = reply.indexOf("\n\n");
    if (split < 0 || !reply.left(split).endsWith("Content-Length: " + QByteArray::number(reply.size() - split - 2)))
        __builtin_trap();
    return 0;
}
