#include "numericlocale.h"

#include <clocale>

void useCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}
