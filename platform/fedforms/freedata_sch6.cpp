#include <cmath>

#include "schedules.h"

bool TaxData_Sch6::isInNetfile() const
{
    return std::fabs(getFloat("45300")) >= 0.009;
}
