#include "autofill/htmllines.h"

#include <cstring>

CString htmlEscaped(const char* text)
{
    CString out;
    for (const char* p = text ? text : ""; *p; ++p) {
        switch (*p) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += *p;
        }
    }
    return out;
}

void toHtmlNewLine(CString& html)
{
    html += "<br>\n";
}

int toHtmlOneLineItem(CString& html, const char* value, const char* label, const char* skip)
{
    if (!value || !*value) return 0;
    if (skip && CString(value).CompareNoCase(skip) == 0) return 0;
    html += label;
    html += ": ";
    html += htmlEscaped(value);
    html += "<br>\n";
    return 1;
}
