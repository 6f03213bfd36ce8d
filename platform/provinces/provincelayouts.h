#pragma once
// How the provincial forms and interview data are laid out on their pages.
// The lines every province shares are laid out once; each province's own
// lines are slotted in where its 2021 form prints them, so a 428 reads in
// the form's order (58040, 58080 ... the province's own amounts ... 61500).

#include "pagelayout.h"

// A province's own rows of its 428, by where they fall among the shared
// lines. An empty table: the province has none there.
struct Prov428OwnLayout
{
    LayoutTable familyAmounts;  // after line 58160: caregiver, infirm dependants, children (58175-58230)
    LayoutTable otherAmounts;   // after line 58305: volunteers, adoption, homebuyers (58310-58357)
    LayoutTable caregiver;      // after line 58360: PE's children's wellness (58365), the caregiver amount (58400)
    LayoutTable transfers;      // after line 58560: tuition transferred from a child (58600)
    // Part C, around the shared lines: after the minimum tax carryover, after
    // the additional tax for minimum tax purposes, after the foreign tax credit.
    LayoutTable surtax;
    LayoutTable reductions;
    LayoutTable credits;
    // After line 58640, before the medical expenses: Manitoba's family tax
    // benefit (61470).
    LayoutTable afterSpouseTransfer;
};

struct ProvinceLayouts
{
    int province;               // ENUMTYPE_PROVINCE
    Prov428OwnLayout own428;
    LayoutTable form479;        // every row of its 479, its page row first; empty where it has none
    LayoutTable ownS2;          // its own rows of its XX(S2), before the total
    LayoutTable ownInterview;   // its own interview questions, after the shared ones
};

// The province's own layouts; a province without own rows has empty tables.
const ProvinceLayouts& provinceLayouts(int province);

// The buttons of a 428 to the province's Schedule S11 and S2, which its
// lines 58560 and 58640 come from; each 428 keeps its own pair.
struct Prov428GoTo
{
    LayoutRow rows[2];
};
Prov428GoTo prov428GoTo(int formS11, int formS2);

// The parts every province shares, composed with the province's own.
PageLayout prov428Layout(const Prov428OwnLayout& own, const Prov428GoTo& goTo);
PageLayout prov479Layout(const LayoutTable& form479);
PageLayout provS2Layout(const LayoutTable& own);
PageLayout provS11Layout();
PageLayout provInterviewLayout(const LayoutTable& own);
