#pragma once
// How each information slip is laid out on its pages: the slip's boxes by
// their printed numbers, in the slip's order, with the agency's 2021 labels.
// A slip's layout is its title page row, then the part every slip shares
// (who issued it, the user's description), then its own boxes.

#include "pagelayout.h"

// The title row of a slip, and its boxes after the shared part.
struct SlipLayout
{
    LayoutTable title;
    LayoutTable boxes;
};

// Splits a slip's rows (its Page row first) around the shared part.
template <int N>
constexpr SlipLayout slipLayout(const LayoutRow (&rows)[N])
{
    static_assert(N >= 2, "a slip's layout is its page row and at least one box");
    return SlipLayout{LayoutTable{rows, 1}, LayoutTable{rows + 1, N - 1}};
}

// The fields every slip has: the payer and the user's own description.
extern const LayoutTable kSlipCommonLayout;

extern const SlipLayout kT4Layout;
extern const SlipLayout kT4ALayout;
extern const SlipLayout kT4APLayout;
extern const SlipLayout kT4RSPLayout;
extern const SlipLayout kT4ELayout;
extern const SlipLayout kT4AOASLayout;
extern const SlipLayout kT4RIFLayout;
extern const SlipLayout kT5Layout;
extern const SlipLayout kT3Layout;
extern const SlipLayout kT5003Layout;
extern const SlipLayout kT5007Layout;
extern const SlipLayout kT5013SlipLayout;
extern const SlipLayout kT4PSLayout;
extern const SlipLayout kT4ARCALayout;
extern const SlipLayout kT5006Layout;
extern const SlipLayout kRC62Layout;
extern const SlipLayout kRC210Layout;
extern const SlipLayout kMBShelterLayout;
extern const SlipLayout kPRPPLayout;
extern const SlipLayout kT1204Layout;
extern const SlipLayout kNR4Layout;
extern const SlipLayout kT2202Layout;
