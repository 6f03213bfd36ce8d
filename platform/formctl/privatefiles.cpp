#include "privatefiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

// The owner's rights in Qt's terms: on Unix "user" and "owner" name the
// same bits, and Qt sets a bit when either flag asks for it.
QFileDevice::Permissions ownerOnly(QFileDevice::Permissions owner)
{
    QFileDevice::Permissions both = owner;
    if (owner & QFileDevice::ReadOwner) both |= QFileDevice::ReadUser;
    if (owner & QFileDevice::WriteOwner) both |= QFileDevice::WriteUser;
    if (owner & QFileDevice::ExeOwner) both |= QFileDevice::ExeUser;
    return both;
}

// A folder or file that others may read, write or enter is made 0700 or
// 0600; the owner's own narrower rights (a read-only file) are left alone.
bool narrowOne(const QString& path)
{
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) == 0) return false;
    return ::chmod(native.constData(), S_ISDIR(st.st_mode) ? S_IRWXU : (S_IRUSR | S_IWUSR)) == 0;
}

} // namespace

unsigned privateFileCreation()
{
    return unsigned(::umask(S_IRWXG | S_IRWXO));
}

bool keepPrivate(QFileDevice& file)
{
    return file.setPermissions(ownerOnly(kPrivateFileMode));
}

bool keepPrivate(const QString& path)
{
    return QFileInfo(path).isFile() && QFile::setPermissions(path, ownerOnly(kPrivateFileMode));
}

int narrowToOwner(const QString& root)
{
    const QFileInfo top(root);
    if (!top.isDir() || top.isSymLink()) return 0;
    int narrowed = narrowOne(root) ? 1 : 0;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        if (narrowOne(it.next())) ++narrowed;
    return narrowed;
}
