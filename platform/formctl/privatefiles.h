#pragma once
// The program's files are its user's alone: they hold S.I.N.s, incomes and
// the filing passwords. Folders it makes are 0700 and files 0600, whatever
// the user's umask; a file replaced through QSaveFile keeps the old file's
// mode unless told otherwise, so writers say so.

#include <QFileDevice>
#include <QString>

constexpr QFileDevice::Permissions kPrivateFileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// From now on this process creates files 0600 and folders 0700 (the
// process's file mode mask); returns the mask it replaced.
unsigned privateFileCreation();

// An open file (a QSaveFile before its commit too) made 0600.
bool keepPrivate(QFileDevice& file);
// A file by its path made 0600; false when it is not there.
bool keepPrivate(const QString& path);

// Every folder under `root`, `root` itself included, that others may read,
// write or enter made 0700, and every such file 0600; symbolic links are
// not followed. The number of entries narrowed.
int narrowToOwner(const QString& root);
