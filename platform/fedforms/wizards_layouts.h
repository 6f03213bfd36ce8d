#pragma once
// How the interview data and the note are laid out.

#include "pagelayout.h"

extern const LayoutTable kGeneralLayout;
extern const LayoutTable kLastYearLayout;
extern const LayoutTable kDependantLayout;
extern const LayoutTable kMedExpLayout;
extern const LayoutTable kRRSPContribLayout;
extern const LayoutTable kTaxNoteLayout;
