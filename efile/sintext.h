#pragma once
// A social insurance number as the agency takes it.

#include "cstring.h"

// The number without the blanks and dashes that only format it
// ("046 454 286", "046-454-286"); any other character stays, so that a
// wrong number is not made to look right.
CString sinDigits(const CString& sin);
