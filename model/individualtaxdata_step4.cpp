// Calculation step 4 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep4(bool)
{
    return 0;
}
