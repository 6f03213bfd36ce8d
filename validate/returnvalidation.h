#pragma once
// One person's return validated: each slip's and form's own checks, then the
// return-level rules with the provincial ones among them.

#include <list>

#include "returnitems.h"

class IndividualTaxData;

// Appends one item per slip and per form with messages, then the return
// item when it has any; answers the list's size afterwards. A non-resident's
// T1159 return is not checked here: the list stays as it was.
int ValidateReturn(IndividualTaxData& person, unsigned char mode, std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);

// Puts ValidateReturn behind IndividualTaxData::Validate (and so behind
// CFamilyTaxData::ValidateTaxReturn). The program and every test call it at
// start-up.
void installReturnValidation();
