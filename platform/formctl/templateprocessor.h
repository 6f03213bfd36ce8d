#pragma once
// Compiled-in text templates with "$$(key)" placeholders.
//
// A plain key is required: without a value in the map nothing of the
// template is written and the call answers non-zero. A key written with a
// trailing "0" ("$$(email0)") is the optional form of "email": its line is
// written only when the map holds "email". When the same optional key stands
// twice (right after a block's opening tag and right after its closing tag)
// the whole block between is left out together. No placeholder text ever
// reaches the output. Values are put in as given: callers escape text.

#include <cstdio>
#include <map>
#include <string>

#include <QByteArray>
#include <QString>

#include "cstring.h"

using TemplateValues = std::map<std::string, std::string>;

// Expands the template at `resourcePath` (a ":/..." resource or a file) and
// writes it to `file`; 0 on success, -1 when the template cannot be read,
// -2 when `file` is null or the write fails.
int processTemplatePart(FILE* file, const char* resourcePath, const TemplateValues& values, int flags);
// The same, appending the expansion to `out`.
int processTemplatePartInString(CString& out, const char* resourcePath, const TemplateValues& values, int flags);
// Expands template text already in memory; 0 on success, `out` untouched otherwise.
int expandTemplateText(const QByteArray& text, const TemplateValues& values, QByteArray& out);

// Expands template text already in memory and writes it to `file`; the
// results of processTemplatePart.
int writeTemplateText(FILE* file, const QByteArray& text, const TemplateValues& values);

// Reads a whole file or resource; 0 on success.
int loadFileToString(const QString& path, QByteArray& bytes);
// Reads a whole UTF-8 file or resource; false when it cannot be read.
bool loadFileToQStr(const QString& path, QString& text);
