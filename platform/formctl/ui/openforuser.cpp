#include "openforuser.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "prompt.h"

QString fileNotOpenedText(const QString& path)
{
    return QStringLiteral("The file was written, but no program on this computer opened it:\n\n%1\n\n"
                          "Open it from that folder with a program of your choice.")
        .arg(QDir::toNativeSeparators(path));
}

bool openFileForUser(const QString& path, QObject* parent)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return true;
    Prompt::information(QStringLiteral("File not opened"), fileNotOpenedText(path), parent);
    return false;
}
