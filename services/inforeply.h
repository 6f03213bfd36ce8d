#pragma once
// Reading the information page's reply: "<code> <word>".

#include <QString>

#include "cstring.h"

// Reads the reply as "%d %s" without a fixed buffer: leading blanks, an
// optionally signed decimal code, blanks, then the word up to the next
// blank. A code from 199 to 201 copies the word (cut at 255 characters,
// empty when there is none) into `text`; any other code leaves `text` alone.
// Returns the code, or -1 when the reply holds none (a number too large for
// an int is none).
int readInfoReply(const QString& reply, CString& text);

constexpr int kInfoNoCode = -1;
constexpr int kInfoMaxWordLength = 255;
