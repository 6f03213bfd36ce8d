#pragma once
// How the T1159 return and the return summary are laid out.

#include "pagelayout.h"

extern const LayoutTable kT1159Layout;
extern const LayoutTable kT1KSLayout;
