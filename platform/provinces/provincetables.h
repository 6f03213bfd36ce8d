#pragma once
// What sets one province's library apart from the others: its number, its
// form types, the lines of its own forms and its 2021 tax brackets. Every
// library is built from the same sources; QM_PROVINCE picks its row.

#include "tableform.h"

struct ProvinceParams
{
    int province;             // ENUMTYPE_PROVINCE
    const char* code;         // the agency's two-letter code
    int form428;              // the provincial tax form (SK428 is form 81)
    int form479;              // the provincial credits form; 0 where the province has none
    int formS2;               // amounts transferred from the spouse (companion of Schedule 2)
    int formS11;              // tuition and education amounts (companion of Schedule 11)
    FieldTable own428;        // the province's own lines of its 428, after the shared ones
    FieldTable own479;        // every line of its 479
    FieldTable ownS2;         // its own lines of its XX(S2), after the shared ones
    FieldTable ownInterview;  // its own interview answers, after the shared ones
    const double* thresholds; // 2021 bracket thresholds, ascending
    const double* rates;      // 2021 bracket rates, one more than the thresholds
    int bracketThresholds;    // how many thresholds
};

// The province this library serves.
const ProvinceParams& thisProvince();
