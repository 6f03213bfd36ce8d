#pragma once
// What the two return-file targets share: the bytes written to a file of
// their own (the reader takes a path, as the program's commands do), no one
// to answer a question (a password asked is refused), the provincial
// library's folder, and the family read freed as the main window frees it.

#include <cstddef>
#include <cstdint>
#include <memory>

#include <QFile>
#include <QTemporaryDir>

#include "familytaxdata.h"
#include "prompt.h"
#include "utils.h"

namespace ReturnFileFuzz {

// The path the bytes were written to, in a folder kept for the whole run.
inline QString write(const uint8_t* data, size_t size, const char* name)
{
    static QTemporaryDir folder;
    static Prompt::CancelAll nobody;
    // Ontario's library, built beside the programs, is found as the
    // program finds its own.
    static const bool ready =
        (Prompt::setHandler(&nobody), setProgramLibraryFolder(QStringLiteral(PROVINCE_LIBRARY_DIR)), true);
    (void)ready;
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) __builtin_trap();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

struct Release
{
    void operator()(CFamilyTaxData* family) const
    {
        family->FreeData();
        delete family;
    }
};
using Family = std::unique_ptr<CFamilyTaxData, Release>;

} // namespace ReturnFileFuzz
