#pragma once
// Opens a file the program wrote for the user (a report, a PDF) with the
// desktop's program for it. When the desktop has none, the user is told the
// file's full path in a message whose text can be selected and copied, so a
// file that was written is never lost from sight.

#include <QString>

class QObject;

// True when the desktop took the file.
bool openFileForUser(const QString& path, QObject* parent = nullptr);

// The message shown when no program took the file.
QString fileNotOpenedText(const QString& path);
