// The JSON reply reader: any bytes, parsed twice in a row (the second parse
// may keep the first object), then its getters.

#include <cstddef>
#include <cstdint>

#include "jsonutil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const int half = bytes.indexOf('\n');
    JsonUtil json;
    json.parseString(QString::fromUtf8(half < 0 ? bytes : bytes.left(half)));
    if (half >= 0) json.parseString(QString::fromUtf8(bytes.mid(half + 1)));
    int number = 0;
    QString text;
    for (const char* name : {"points", "status", "accessToken", "id", "message", ""}) {
        json.getIntParam(QString::fromLatin1(name), number);
        json.getStrParam(QString::fromLatin1(name), text);
    }
    return 0;
}
