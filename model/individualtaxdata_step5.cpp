// Calculation step 5 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep5(bool)
{
    return 0;
}
