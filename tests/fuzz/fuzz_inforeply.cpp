// The information page's reply: any bytes; a copied word never exceeds the
// bound.

#include <cstddef>
#include <cstdint>

#include "inforeply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CString text("unchanged");
    const int code = readInfoReply(QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)), text);
    const bool copied = code >= 199 && code <= 201;
    if (copied && text.toQString().size() > kInfoMaxWordLength) __builtin_trap();
    if (!copied && text.Compare("unchanged") != 0) __builtin_trap();
    return 0;
}
