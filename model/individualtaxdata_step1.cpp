// Calculation step 1 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep1(bool, int, bool)
{
    return 0;
}

void IndividualTaxData::_calculateForT1159Purpose() {}
