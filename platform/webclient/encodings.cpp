#include "encodings.h"

#include <QByteArray>
#include <cstring>

int Base64encode_len(int length)
{
    return (length + 2) / 3 * 4 + 1;
}

int Base64encode(char* out, const char* in, int length)
{
    const QByteArray text = QByteArray::fromRawData(in, in ? length : 0).toBase64();
    std::memcpy(out, text.constData(), size_t(text.size()));
    out[text.size()] = '\0';
    return text.size() + 1;
}

std::string urlEncode(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const unsigned char c : text) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
                                || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

namespace {
int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::string urlDecode(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}
