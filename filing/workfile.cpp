#include "workfile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "familytaxdata.h"
#include "tabwndapp.h"

namespace WorkFile {

QString path(const CFamilyTaxData& family, const char* suffix)
{
    return TabWndApp::getMainApp()->runFolder().toQString() + QLatin1Char('/')
           + family.GetNetfileNameWithoutSuffix().toQString() + QLatin1String(suffix);
}

FILE* create(const QString& path, QString& reason)
{
    const QByteArray native = QFile::encodeName(path);
    // The return inside carries the S.I.N. and the income: made the user's
    // alone (a file left from before is replaced after each filing).
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    FILE* file = fd >= 0 ? ::fdopen(fd, "w") : nullptr;
    if (!file) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0) ::close(fd);
    }
    return file;
}

bool finish(FILE* file)
{
    const bool written = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(file) == 0 && written;
}

QString notCreatedText(const QString& path, const QString& reason)
{
    return QStringLiteral("The work file %1 for this filing cannot be created (%2), so nothing was sent to CRA.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString notWrittenText(const QString& path)
{
    return QStringLiteral("The work file %1 for this filing could not be written whole, so nothing was sent to CRA. "
                          "Check that the disk has room, then file again.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace WorkFile
