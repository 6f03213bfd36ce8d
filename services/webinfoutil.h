#pragma once
// Asks our information page for a one-word text chosen by two keywords.

#include "cstring.h"
#include "inforeply.h"

class CWebInfoUtil
{
public:
    virtual ~CWebInfoUtil() = default;

    // Posts "kw1" and "kw2" to the page and reads the reply (inforeply.h):
    // the code, with the word in `text` for 199 to 201; -1 when the reply
    // holds no code (no reply at all included); -100 when the exchange
    // threw.
    int getInfoByTwoKeyWords(const char* keyword1, const char* keyword2, CString& text);

    static constexpr int kNoCode = kInfoNoCode;
    static constexpr int kException = -100;
    static constexpr int kMaxWordLength = kInfoMaxWordLength;
};
