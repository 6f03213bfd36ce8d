// Linked into every test executable: the validation engine and the barcode
// writer are installed before any test runs, as the program installs them at
// start-up.
#include "barcodedata.h"
#include "returnvalidation.h"

namespace {
const bool s_installed = (installReturnValidation(), installBarcodeData(), true);
}
