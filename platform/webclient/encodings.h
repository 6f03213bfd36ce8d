#pragma once
// The published encodings the online services use: Base64 (RFC 4648, with
// padding, no line breaks) and the percent-encoding of URLs (RFC 3986).

#include <string>

// Room `Base64encode` needs for `length` bytes, the closing NUL included.
int Base64encode_len(int length);
// Encodes `length` bytes of `in` into `out` (at least Base64encode_len
// bytes) and ends it with a NUL; returns the characters written, the NUL
// included.
int Base64encode(char* out, const char* in, int length);

// Every byte but the unreserved letters, digits, "-", ".", "_" and "~"
// becomes "%XX" (upper-case hex).
std::string urlEncode(const std::string& text);
// Each "%XX" becomes its byte; a "%" not followed by two hex digits stays as
// it is, and so does "+" (this is not form decoding).
std::string urlDecode(const std::string& text);
