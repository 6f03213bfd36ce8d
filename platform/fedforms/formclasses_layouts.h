#pragma once
// The page layouts of the form-class library's forms: one table for each
// form, in the order of the printed 2021 form.

#include "pagelayout.h"

extern const LayoutTable kRC71Layout;
extern const LayoutTable kT1ADJLayout;
extern const LayoutTable kT2205Layout;
extern const LayoutTable kRC59Layout;
extern const LayoutTable kRC59XLayout;
extern const LayoutTable kT1044Layout;
extern const LayoutTable kT183Layout;
extern const LayoutTable kT185Layout;
extern const LayoutTable kT657Layout;
extern const LayoutTable kT746Layout;
extern const LayoutTable kT936Layout;
extern const LayoutTable kT1013Layout;
extern const LayoutTable kT1135Layout;
extern const LayoutTable kT1172Layout;
extern const LayoutTable kT2038Layout;
