#pragma once
// A S.I.N. as the agency and our store know it: its nine digits, whether it
// was typed grouped ("046 454 286", "046-454-286") or not.

#include <QString>

inline QString sinDigits(const QString& typed)
{
    QString digits;
    for (const QChar c : typed)
        if (c.isDigit()) digits += c;
    return digits;
}
