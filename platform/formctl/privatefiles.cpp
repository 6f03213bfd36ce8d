#include "privatefiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

// Any right beyond the owner's reading, writing (and, for a folder,
// entering) counts as wider.
bool narrowOne(const QFileInfo& info)
{
    if (info.isSymLink()) return false;
    const QFileDevice::Permissions wanted = info.isDir() ? kPrivateFolderMode : kPrivateFileMode;
    // Owner and user rights are the same bits on Unix; compare the owner's
    // and the others' alone.
    const QFileDevice::Permissions mask = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if ((info.permissions() & mask) == wanted) return false;
    return QFile::setPermissions(info.absoluteFilePath(), wanted | QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                              (info.isDir() ? QFileDevice::ExeUser
                                                                            : QFileDevice::Permissions()));
}

} // namespace

unsigned privateFileCreation()
{
    return unsigned(::umask(S_IRWXG | S_IRWXO));
}

bool keepPrivate(QFileDevice& file)
{
    return file.setPermissions(kPrivateFileMode | QFileDevice::ReadUser | QFileDevice::WriteUser);
}

bool keepPrivate(const QString& path)
{
    return QFileInfo(path).isFile() &&
           QFile::setPermissions(path, kPrivateFileMode | QFileDevice::ReadUser | QFileDevice::WriteUser);
}

int narrowToOwner(const QString& root)
{
    const QFileInfo top(root);
    if (!top.isDir() || top.isSymLink()) return 0;
    int narrowed = narrowOne(top) ? 1 : 0;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (narrowOne(it.fileInfo())) ++narrowed;
    }
    return narrowed;
}
