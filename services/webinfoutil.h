#pragma once
// Asks our information page for a one-word text chosen by two keywords.

#include "cstring.h"

class CWebInfoUtil
{
public:
    virtual ~CWebInfoUtil() = default;

    // Posts "kw1" and "kw2" and reads the reply as a decimal code, blanks and
    // one word. A code from 199 to 201 copies the word (cut at 255
    // characters) into `text`; any other code leaves `text` alone. The code,
    // or -1 when the reply holds none (no reply at all included), or -100
    // when the exchange threw.
    int getInfoByTwoKeyWords(const char* keyword1, const char* keyword2, CString& text);

    static constexpr int kNoCode = -1;
    static constexpr int kException = -100;
    static constexpr int kMaxWordLength = 255;

    // The reply's reading alone, for the call above and its fuzz target.
    static int readInfoReply(const QString& reply, CString& text);
};
