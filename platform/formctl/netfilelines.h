#pragma once
// Writing one return line of the electronic return (or only its map entry,
// for the barcode): the line's exact bytes, the value conversions, and the
// rule that a field code is sent once.

#include "netfileparam.h"

class QString;

namespace netfile {

// Half away from zero: (v + 0.5) truncated, or (v - 0.5) for v <= -0.009.
long long roundedAmount(double v);
// Cents dropped after a nudge of one millionth away from zero.
long long truncatedAmount(double v);
// |v| <= 0.99999999: the lines that send such an amount as 1.
bool isSmall(double v);

// True when `code` is already a key of the map.
bool inMap(const NetfileGenObjParamStru& param, int code);

// Each writes the line (when the record has a file) and adds its map entry,
// and answers true; a code already in the map writes nothing and answers
// false, except inside a selected-financial-data record, whose statement
// sends every one of its lines.
// Type 1, the rounded amount; the map keeps v.
bool writeRoundedAmount(NetfileGenObjParamStru& param, int code, double v);
// Type 1, the truncated amount; the map keeps v.
bool writeTruncatedAmount(NetfileGenObjParamStru& param, int code, double v);
// Type 1, the literal 1 (map value 1.0).
bool writeAmountOne(NetfileGenObjParamStru& param, int code);
// Type 1 of a whole number already converted (map value `whole`).
bool writeWholeAmount(NetfileGenObjParamStru& param, int code, long long whole);
// Type 3, an integer code or count.
bool writeInteger(NetfileGenObjParamStru& param, int code, int value);
// Type 2, dollars and cents.
bool writeCents(NetfileGenObjParamStru& param, int code, double v);
// Type 4, text (escaped in the file, raw in the map).
bool writeText(NetfileGenObjParamStru& param, int code, const QString& text);

} // namespace netfile
