#include "netfilelines.h"

#include <cinttypes>
#include <cmath>

#include <QString>

#include "xmlstring.h"

namespace netfile {

namespace {

long long awayFromZero(double v, double nudge)
{
    if (v <= -0.009) return static_cast<long long>(v - nudge);
    return static_cast<long long>(v + nudge);
}

bool mayWrite(const NetfileGenObjParamStru& param, int code)
{
    return param.withinRecord || !inMap(param, code);
}

void writeLine(NetfileGenObjParamStru& param, int code, const QByteArray& value)
{
    if (!param.file) return;
    std::fprintf(param.file, "<comm:ReturnLine>\n");
    std::fprintf(param.file, "<comm:FieldCode>%d</comm:FieldCode>\n<comm:FieldValue>%s</comm:FieldValue>\n", code,
                 value.constData());
    std::fprintf(param.file, "</comm:ReturnLine>\n");
}

void addEntry(NetfileGenObjParamStru& param, int code, STRUCT_NETFILE_TIA_FIELD_TYPE entry)
{
    if (param.fields) param.fields->emplace(code, std::move(entry));   // the first entry of a code stays
    if (param.lineCount) ++*param.lineCount;
}

STRUCT_NETFILE_TIA_FIELD_TYPE amountEntry(int type, double v)
{
    STRUCT_NETFILE_TIA_FIELD_TYPE entry;
    entry.type = type;
    entry.amount = v;
    return entry;
}

} // namespace

long long roundedAmount(double v) { return awayFromZero(v, 0.5); }
long long truncatedAmount(double v) { return awayFromZero(v, 0.000001); }
bool isSmall(double v) { return std::fabs(v) <= 0.99999999; }

bool inMap(const NetfileGenObjParamStru& param, int code)
{
    return param.fields && param.fields->count(code) > 0;
}

bool writeWholeAmount(NetfileGenObjParamStru& param, int code, long long whole)
{
    if (!mayWrite(param, code)) return false;
    writeLine(param, code, QByteArray::number(whole));
    addEntry(param, code, amountEntry(1, double(whole)));
    return true;
}

bool writeRoundedAmount(NetfileGenObjParamStru& param, int code, double v)
{
    if (!mayWrite(param, code)) return false;
    writeLine(param, code, QByteArray::number(roundedAmount(v)));
    addEntry(param, code, amountEntry(1, v));
    return true;
}

bool writeTruncatedAmount(NetfileGenObjParamStru& param, int code, double v)
{
    if (!mayWrite(param, code)) return false;
    writeLine(param, code, QByteArray::number(truncatedAmount(v)));
    addEntry(param, code, amountEntry(1, v));
    return true;
}

bool writeAmountOne(NetfileGenObjParamStru& param, int code)
{
    if (!mayWrite(param, code)) return false;
    writeLine(param, code, "1");
    addEntry(param, code, amountEntry(1, 1.0));
    return true;
}

bool writeInteger(NetfileGenObjParamStru& param, int code, int value)
{
    if (!mayWrite(param, code)) return false;
    writeLine(param, code, QByteArray::number(value));
    STRUCT_NETFILE_TIA_FIELD_TYPE entry;
    entry.type = 3;
    entry.code = value;
    addEntry(param, code, std::move(entry));
    return true;
}

bool writeCents(NetfileGenObjParamStru& param, int code, double v)
{
    if (!mayWrite(param, code)) return false;
    const long long cents = roundedAmount(v * 100.0);
    const long long whole = cents / 100;
    const long long part = std::llabs(cents % 100);
    QByteArray text = (cents < 0 && whole == 0) ? QByteArray("-0") : QByteArray::number(whole);
    text += '.';
    if (part < 10) text += '0';
    text += QByteArray::number(part);
    writeLine(param, code, text);
    addEntry(param, code, amountEntry(2, v));
    return true;
}

bool writeText(NetfileGenObjParamStru& param, int code, const QString& text)
{
    if (!mayWrite(param, code)) return false;
    writeLine(param, code, xmlEscaped(text).bytes());
    STRUCT_NETFILE_TIA_FIELD_TYPE entry;
    entry.type = 4;
    entry.text = text.toStdString();
    addEntry(param, code, std::move(entry));
    return true;
}

} // namespace netfile
