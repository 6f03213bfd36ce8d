#include <map>

#include "formtypes.h"
#include "freedata.h"

namespace {

// The T1's codes that the return as a whole writes: the self-employment and
// rental pairs, capital gains, the indicators, and the supporting amounts of
// the minimum-tax, tax-shelter and investment-loss rules.
FreeDataRules t1Rules()
{
    FreeDataRules r;
    r.notSent = {12599, 12600, 13499, 13500, 13699, 13700, 13899, 13900, 14099, 14100, 14299, 14300,
                 12700, 9915, 55220, 55290, 55300, 55320, 57730, 50339, 50340,
                 67650, 67820, 67830, 67840, 67860, 67890, 68080, 68100, 68110, 5365, 54950, 49000};
    // A disability amount or tuition transferred to the person: the
    // multiple-jurisdiction rule repeats these marks for each province.
    r.marks = {{31800, 318}, {32400, 324}};
    return r;
}

// A statement keeps the amounts it gives the return's lines; the return
// sends those lines itself, never inside the statement's record.
FreeDataRules statementRules()
{
    FreeDataRules r;
    r.notSent = {12599, 12600, 13499, 13500, 13699, 13700, 13899, 13900, 14099, 14100, 14299, 14300};
    return r;
}

} // namespace

const FreeDataRules& freeDataRules(int formType)
{
    static const std::map<int, FreeDataRules> rules = {
        {FormType::T1, t1Rules()},
        {FormType::T776, statementRules()},
        {FormType::T1163, statementRules()},
        {FormType::T2042, statementRules()},
        {FormType::T2121, statementRules()},
        {FormType::T2125, statementRules()},
        {FormType::T2125Commission, statementRules()},
    };
    static const FreeDataRules none;
    const auto it = rules.find(formType);
    return it == rules.end() ? none : it->second;
}
