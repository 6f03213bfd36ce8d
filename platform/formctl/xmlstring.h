#pragma once
// The one place where text becomes XML character data. Every writer of the
// electronic return goes through here, so that a name holding "&" or "<"
// can never break the file, and nothing is escaped twice.

#include <QString>

#include "cstring.h"

// The first `maxChars` characters of `text` (all of it when maxChars < 0).
// A character is never cut in two: a UTF-16 surrogate pair stays whole.
QString xmlCutChars(const QString& text, int maxChars);
// `text` with &, <, >, " and ' replaced by their entities, and the
// characters XML cannot carry at all (control characters) left out.
CString xmlEscaped(const QString& text);
// Cut first, then escaped: escaping first could cut an entity ("&am") in two.
CString xmlEscapedCut(const QString& text, int maxChars);

// Appends <tag>escaped text</tag>; the raw text is cut to `maxChars`
// characters first when maxChars >= 0.
void writeXMLString(CString& out, const char* tag, const QString& text, int maxChars = -1);
// Appends <tag> and </tag>, for elements that hold other elements.
void writeXMLStringOpen(CString& out, const char* tag);
void writeXMLStringClose(CString& out, const char* tag);
