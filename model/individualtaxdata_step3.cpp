// Calculation step 3 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep3(bool)
{
    return 0;
}
