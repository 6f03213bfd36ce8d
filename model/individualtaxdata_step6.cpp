// Calculation step 6 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep6(bool)
{
    return 0;
}

int IndividualTaxData::_autoRemoveSomeForms() { return 0; }
int IndividualTaxData::_autoCreateSch8RC381(int) { return 0; }
