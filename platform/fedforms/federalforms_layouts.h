#pragma once
// The page layouts of the federal forms other than the T1, its schedules and
// the statements: one table for each form, in the order of the printed 2021 form.

#include "pagelayout.h"

extern const LayoutTable kT778Layout;
extern const LayoutTable kT929Layout;
extern const LayoutTable kT1212Layout;
extern const LayoutTable kT2204Layout;
extern const LayoutTable kGST370Layout;
extern const LayoutTable kT1206Layout;
extern const LayoutTable kT626Layout;
extern const LayoutTable kT691Layout;
extern const LayoutTable kT2209Layout;
extern const LayoutTable kT2017Layout;
extern const LayoutTable kT1ALayout;
extern const LayoutTable kT2222Layout;
extern const LayoutTable kT1DDLayout;
extern const LayoutTable kT5004Layout;
extern const LayoutTable kCPT20Layout;
extern const LayoutTable kT1219Layout;
extern const LayoutTable kT1153Layout;
extern const LayoutTable kT1MLayout;
extern const LayoutTable kT1223Layout;
extern const LayoutTable kT1229Layout;
extern const LayoutTable kT1170Layout;
extern const LayoutTable kT1032Layout;
// RC267, RC268 and RC269 share their fields; each keeps its own title.
extern const LayoutTable kRC267Layout;
extern const LayoutTable kRC268Layout;
extern const LayoutTable kRC269Layout;
extern const LayoutTable kRC359Layout;
extern const LayoutTable kRC381Layout;
extern const LayoutTable kRC383Layout;
extern const LayoutTable kT2203Layout;
extern const LayoutTable kT90Layout;
// T224 and T225 share their fields; each keeps its own title.
extern const LayoutTable kT224Layout;
extern const LayoutTable kT225Layout;
