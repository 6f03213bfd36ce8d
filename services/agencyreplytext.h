#pragma once
// Reading the agency's replies into text: message lines, processing errors,
// apostrophes, and writing to a result file that may not be open.

#include <cstdio>

#include "cstring.h"
#include "mytixmlhandle.h"

class TiXmlElement;

// Right single quotation marks turned into apostrophes.
CString withPlainApostrophes(const CString& text);
// Text of an element, empty when null or textless.
CString elementText(const TiXmlElement* element);

// The first message line under `parent`: its English message's first text.
const TiXmlElement* firstMessageLine(MyTiXmlHandle parent);
// The message line after `line`: its next sibling holding a message text.
// A hyperlink or other element among the lines is not a line.
const TiXmlElement* nextMessageLine(const TiXmlElement* line);
// Each line from `first` on, followed by "\r\n". The message is emptied
// first only when there is a line.
void putMessageLines(CString& message, const TiXmlElement* first, bool plainApostrophes);
// A processing error: its lines; then its error code appended to `codes`
// and "Error code: (%s)\r\n" to the message; then "Error Message:\r\n" and
// the description's lines, "\r\n" between them.
void readProcessingError(MyTiXmlHandle error, CString& message, CString& codes);

// A refused return: the first of its rejection, system error and
// processing error decides the message (processing-error codes go to
// `codes`). False when the reply holds none of them.
bool readRefusal(MyTiXmlHandle fileResponse, CString& message, CString& codes);

// Writes the bytes as they are; nothing when the file is null.
void writeResult(FILE* file, const CString& text);
