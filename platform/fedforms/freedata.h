#pragma once
// How a form's fields become lines of the electronic return: a field named
// by an agency line or field code is sent, whole dollars for an amount
// (type 1) when it rounds to something other than 0, an integer for a count,
// a code or an answer (type 3). Each form type lists the codes it leaves to
// the return-level rules and the few the agency takes in cents or as text.

#include <map>
#include <set>

class CField;
class CTaxData_Form;
struct NetfileGenObjParamStru;

struct FreeDataRules
{
    std::set<int> notSent;   // written by the return-level rules, or not at all
    std::set<int> cents;     // type 2
    std::set<int> text;      // type 4; other text fields are not sent
    // A claimed line that also sends a mark (amount 1) under a second code:
    // the federal code of a claim that each jurisdiction repeats.
    std::map<int, int> marks;
};

// The rules of a form type (empty rules for most types).
const FreeDataRules& freeDataRules(int formType);
// The agency code a field name stands for: the name's digits, or 0 when the
// name is not a code (it holds anything but digits, or starts with 0).
int freeDataCode(const char* name);
// Writes one field as the line `code` under `rules`; true when a line was
// written. An answer (0 yes, 1 no, 2 unanswered) goes as 1 yes or 2 no.
bool writeFreeDataField(CField* field, int code, const FreeDataRules& rules, NetfileGenObjParamStru& param);
// Every coded field of a form, in the order of its tables; answers the number of lines.
int writeCodedFields(CTaxData_Form& form, NetfileGenObjParamStru& param);
