#pragma once
// The pages of the federal schedules: each schedule's lines in its printed
// order, beside the field tables of schedules.cpp.

#include "pagelayout.h"

extern const LayoutTable kSch1OldLayout;
extern const LayoutTable kSch2Layout;
extern const LayoutTable kSch3Layout;
extern const LayoutTable kSch4Layout;
extern const LayoutTable kSch5Layout;
extern const LayoutTable kSch6Layout;
extern const LayoutTable kSch7Layout;
extern const LayoutTable kSch8Layout;
extern const LayoutTable kSch8_14Layout;
extern const LayoutTable kSch9Layout;
extern const LayoutTable kSch11Layout;
extern const LayoutTable kSch12Layout;
extern const LayoutTable kSch13Layout;
extern const LayoutTable kSch14Layout;
extern const LayoutTable kSch1ALayout;
extern const LayoutTable kSchABLayout;
extern const LayoutTable kSchCLayout;
