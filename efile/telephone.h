#pragma once
// The home telephone number as the agency takes it: ten digits, area code
// first.

#include "cstring.h"

// The digits of `number`; a leading 1 before ten more digits is the
// long-distance or country code, not part of the area code, and is dropped.
CString telephoneDigits(const CString& number);
