#include "programservices.h"

#include "barcodedata.h"
#include "returnvalidation.h"

void installProgramServices()
{
    installReturnValidation();
    installBarcodeData();
}
