// Calculation step 0 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep0(bool, int, bool)
{
    return 0;
}

int IndividualTaxData::_autoAddSomeForms() { return 0; }
