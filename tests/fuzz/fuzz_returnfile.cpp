// A return file (".r21"): any bytes, read by the reader the Open Return
// command uses. A file read whole is calculated, as the editor does before
// it shows one, and written back.

#include <QBuffer>

#include "mydatastream.h"
#include "returnfile.h"
#include "returnfilefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = ReturnFileFuzz::write(data, size, "fuzz.r21");
    int result = ReturnFile::kCannotOpen;
    ReturnFileFuzz::Family family(CFamilyTaxData::serializeFromFile(CString(path), result));
    if (!family) __builtin_trap();   // the file is there: a family always comes back
    if (result != ReturnFile::kOk) return 0;
    family->Calculate(-1, nullptr);
    QByteArray saved;
    QBuffer buffer(&saved);
    buffer.open(QIODevice::WriteOnly);
    MyDataStream out(&buffer);
    family->serialize(2, out);
    return 0;
}
