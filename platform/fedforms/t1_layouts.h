#pragma once
// How the T1 is laid out: one tab per step of the 2021 return.

#include "pagelayout.h"

extern const LayoutTable kT1Step1Layout;   // identification and other information
extern const LayoutTable kT1Step2Layout;   // total income
extern const LayoutTable kT1Step3Layout;   // net income
extern const LayoutTable kT1Step4Layout;   // taxable income
extern const LayoutTable kT1Step5Layout;   // federal tax
extern const LayoutTable kT1Step6Layout;   // refund or balance owing, and what never shows
extern const LayoutTable kT1OtherLayout;   // what filing and checking ask beyond the steps
