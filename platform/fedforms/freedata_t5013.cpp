// A partnership section of the T5013 form goes to the agency as a statement
// of its own. The section's boxes are the slip's, not the agency's statement
// codes, so the codes each sends are named here.

#include "freedata.h"
#include "netfilelines.h"
#include "statements.h"

namespace {

// Gross income of the section's kind: farming statements report it on 9659,
// the others on 8299.
int grossCode(int kind) { return kind == CTaxData_T5013::KIND_FARMING ? 9659 : 8299; }

struct SectionLine
{
    const char* column;
    int code;
};

// After the gross income, in the statement's order.
const SectionLine kSectionLines[] = {
    {"partnerships.#.040", 9936},    // capital cost allowance
    {"partnerships.#.9943", 9943},   // other amounts deductible from the share
    {"partnerships.#.9945", 9945},   // business-use-of-home expenses
    {"partnerships.#.9946", 9946},   // net income (loss)
};

} // namespace

bool CTaxData_T5013::IsThisSFD(int slot) const
{
    return slot >= 0 && slot < kSections && sectionInUse(slot + 1);
}

int CTaxData_T5013::ConvertToNetfile(unsigned char, int slot, NetfileGenObjParamStru& param)
{
    if (!IsThisSFD(slot)) return 0;
    const int section = slot + 1;
    const int kind = getInt(rowField("partnerships.#.kind", section));
    const FreeDataRules& rules = freeDataRules(getType());
    int lines = 0;
    if (const char* gross = grossColumn(kind))
        if (writeFreeDataField(field(rowField(gross, section)), grossCode(kind), rules, param)) ++lines;
    for (const SectionLine& line : kSectionLines)
        if (writeFreeDataField(field(rowField(line.column, section)), line.code, rules, param)) ++lines;
    return lines;
}
