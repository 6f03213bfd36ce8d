#include "programservices.h"

#include "returnvalidation.h"

void installProgramServices()
{
    installReturnValidation();
}
