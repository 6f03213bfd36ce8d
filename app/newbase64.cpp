#include "newbase64.h"

#include <climits>

namespace {
const char kDigits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+/";

int digitValue(unsigned char c)
{
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}
} // namespace

int newbase64_encode(const unsigned char* in, unsigned long length, unsigned char* out, unsigned long* outLength)
{
    if (!out || !outLength || (!in && length > 0)) return -1;
    // The size needed would not fit an unsigned long.
    if (length / 3 > (ULONG_MAX - 9) / 4) return -1;
    if (*outLength < 4 * (length / 3) + 9) return -1;

    unsigned long written = 0;
    for (unsigned long i = 0; i < length; i += 3) {
        const unsigned long b0 = in[i];
        const unsigned long b1 = i + 1 < length ? in[i + 1] : 0;
        const unsigned long b2 = i + 2 < length ? in[i + 2] : 0;
        const unsigned long group = (b0 << 16) | (b1 << 8) | b2;
        out[written++] = kDigits[(group >> 18) & 63];
        out[written++] = kDigits[(group >> 12) & 63];
        out[written++] = kDigits[(group >> 6) & 63];
        out[written++] = kDigits[group & 63];
        if (written % 72 == 0) out[written++] = '\n';
    }
    out[written++] = '\0';
    *outLength = written;
    return 0;
}

int newbase64_decode(const unsigned char* in, unsigned long length, unsigned char* out, unsigned long* outLength)
{
    if (!outLength || (!in && length > 0)) return -1;
    if (length == 0) {
        *outLength = 0;
        return 0;
    }

    const unsigned long size = *outLength;
    unsigned long written = 0;
    unsigned long group = 0;
    int digits = 0;
    for (unsigned long i = 0; i < length; ++i) {
        const int value = digitValue(in[i]);
        if (value < 0) continue;
        group = (group << 6) | static_cast<unsigned long>(value);
        if (++digits < 4) continue;
        for (int shift = 16; shift >= 0; shift -= 8) {
            if (written == size || !out) return -1;
            out[written++] = static_cast<unsigned char>((group >> shift) & 0xFF);
        }
        group = 0;
        digits = 0;
    }
    *outLength = written;
    return 0;
}
