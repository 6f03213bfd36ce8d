// Calculation step 2 of a person's return.

#include "individualtaxdata.h"

int IndividualTaxData::calculateStep2(bool)
{
    return 0;
}
