// Last year's return file (".r20"): any bytes, read by the same reader the
// Import Prior Year's Return command uses, then carried into this year's
// return with the import's default options and calculated.

#include "priorimport.h"
#include "returnfile.h"
#include "returnfilefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = ReturnFileFuzz::write(data, size, "fuzz.r20");
    int result = ReturnFile::kCannotOpen;
    ReturnFileFuzz::Family family(CFamilyTaxData::serializeFromFile(CString(path), result));
    if (!family) __builtin_trap();
    if (result != ReturnFile::kOk) return 0;
    STRUCT_IMPORT_LASTYEAR_PARAM options;
    options.keepNotes = 1;
    options.includeSFD = options.keepForms = options.copyData = options.makeCoupled = options.maritalChoice = 0;
    family->Build2003DataTo2004(&options);
    family->Calculate(-1, nullptr);
    return 0;
}
