#pragma once
// What a ReFILE comparison keeps of one field: its number and the amounts
// as filed and as they stand now.

#include <map>

struct _ReFileFieldCompareStru
{
    int fieldNumber = 0;
    double filedAmount = 0.0;
    double currentAmount = 0.0;
};

// True when any of the first `count` field numbers is a key of the map,
// looked up in array order; false for a count below 1 or no array.
bool foundFieldNumberInReFileCompareMap(const std::map<int, _ReFileFieldCompareStru>& compared,
                                        const int* fieldNumbers, int count);
