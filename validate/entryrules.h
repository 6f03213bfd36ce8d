#pragma once
// Checks of what a return holds that need no calculation: values its items'
// own entry rules refuse (the same rules the pages apply as a value is
// typed), and a T1 that names another province than the one the tax is
// worked out for.

#include <list>

#include "cstring.h"

class CTaxData_Form;
class IndividualTaxData;

// One message per value of `item` that its AcceptsValue refuses: a negative
// amount on a line that cannot hold one, an impossible date.
void appendRefusedValues(const CTaxData_Form& item, std::list<CString>& messages);

// A message naming both when the T1's province of residence is not the
// return's tax province: the tax would be one province's and the filing
// another's.
void appendProvinceMismatch(const IndividualTaxData& person, std::list<CString>& messages);
