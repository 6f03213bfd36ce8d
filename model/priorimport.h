#pragma once
// The options of turning last year's return into this year's, one byte each,
// in the order the import dialog stores them.

struct STRUCT_IMPORT_LASTYEAR_PARAM
{
    unsigned char keepNotes = 1;        // clear: every note is removed
    unsigned char includeSFD = 0;       // statements of business or property income keep their amounts
    unsigned char keepForms = 0;        // every form and slip stays; clear: refusing forms and all slips go
    unsigned char copyData = 0;         // every form and slip keeps its amounts
    unsigned char makeCoupled = 0;      // a single return becomes coupled
    unsigned char maritalChoice = 0;    // with makeCoupled: 1 married, else common-law
};
static_assert(sizeof(STRUCT_IMPORT_LASTYEAR_PARAM) == 6, "six one-byte options");
