#pragma once
// The work file of a filing: the electronic return or the T1135 statement
// written into the run folder for the agency client to send, named after the
// person and removed once the filing is over. A work file that cannot be
// made or written whole stops the filing before anything is sent, and the
// user is told just that.

#include <cstdio>

#include <QString>

class CFamilyTaxData;

namespace WorkFile {

// The run folder, then the current person's file name and `suffix`
// ("_2021.ws", "_2021_t1135.xml").
QString path(const CFamilyTaxData& family, const char* suffix);
// Opens `path` for writing, readable by the user alone; null when it
// cannot be, with the system's reason in `reason`.
FILE* create(const QString& path, QString& reason);
// Closes `file`; true when every byte written reached the file.
bool finish(FILE* file);

// What the user is told when the work file cannot be created.
QString notCreatedText(const QString& path, const QString& reason);
// ... when it was created but not written whole.
QString notWrittenText(const QString& path);

} // namespace WorkFile
