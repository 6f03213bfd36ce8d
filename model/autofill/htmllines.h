#pragma once
// The lines of the downloaded data's HTML pages: a label, ": ", the value.
// Values come from the agency's replies and are escaped; labels are ours and
// go in as written.

#include "cstring.h"

// The text with '&', '<', '>' and '"' written as entities.
CString htmlEscaped(const char* text);
// Appends "<br>\n".
void toHtmlNewLine(CString& html);
// Appends "label: value<br>\n" and returns 1; appends nothing and returns 0
// when the value is empty or equals `skip` ignoring case.
int toHtmlOneLineItem(CString& html, const char* value, const char* label, const char* skip);
