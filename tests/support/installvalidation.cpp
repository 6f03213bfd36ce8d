// Linked into every test executable: the validation engine is installed
// before any test runs, as the program installs it at start-up.
#include "returnvalidation.h"

namespace {
const bool s_installed = (installReturnValidation(), true);
}
