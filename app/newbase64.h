#pragma once
// Base64 with the two letter ranges exchanged (a-z are 0-25, A-Z 26-51),
// used for texts stored encoded in the history table. No '=' padding: the
// digits that carry only padding bits are 'a'. One line feed follows the
// 72nd digit.

// Encodes `length` bytes into `out` and ends it with a NUL. `*outLength` is
// the size of `out` on entry (at least 4 * (length / 3) + 9) and the
// characters written, NUL included, on return. 0, or -1 (nothing written)
// when `out` is too small.
int newbase64_encode(const unsigned char* in, unsigned long length, unsigned char* out, unsigned long* outLength);

// Decodes, skipping anything that is not a digit and dropping an incomplete
// last group; no NUL is appended. `*outLength` is the size of `out` on entry
// and the bytes written on return. -1 when `out` fills up before the end: the
// bytes that fitted stay written and `*outLength` is unchanged.
int newbase64_decode(const unsigned char* in, unsigned long length, unsigned char* out, unsigned long* outLength);
