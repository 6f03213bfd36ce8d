#pragma once
// What every form's free-format writer is handed when the electronic return
// or the barcode data are written.

#include <cstdio>
#include <map>
#include <string>

struct STRUCT_NETFILE_TIA_FIELD_TYPE
{
    int type = 0;          // 1 whole-dollar amount, 2 amount with cents, 3 integer code, 4 text
    double amount = 0.0;   // types 1 and 2
    int code = 0;          // type 3
    std::string text;      // type 4
};

struct NetfileGenObjParamStru
{
    unsigned char mode = 0;         // 1 EFILE, 2 NETFILE (bit 1 also suppresses field 49000)
    unsigned char outputKind = 0;   // 0 XML file, 2 barcode
    FILE* file = nullptr;           // receives the lines; null in barcode kind
    int* lineCount = nullptr;       // bumped for every entry added to the map
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE>* fields = nullptr;  // field code -> value
    int t2209Index = 0;             // advanced after each T2209 has written its lines
    // Set while a selected-financial-data record is written: a statement
    // sends all of its lines even when another statement sent the same code.
    bool withinRecord = false;
};
