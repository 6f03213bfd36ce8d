#pragma once
// Lines of step 2 that are worked out from what the return already holds
// instead of being typed: the foreign pension plan deductions, net capital
// losses of other years, and the child care form's spouse.

class CTaxData_Form;
class IndividualTaxData;
class TaxData_T1New;

// RC267, RC268 and RC269: each form deducts its contributions up to the RRSP
// deduction room the return leaves (the 2021 deduction limit less the RRSP
// and PRPP amounts that use it), the forms sharing that room in list order.
// The deductions are added to line 20700, which the slips filled in step 1.
void applyForeignPlanDeductions(IndividualTaxData& person, TaxData_T1New& t1);

// Line 25300: the net capital losses of other years claimed, at most the
// year's taxable capital gains (line 12700), with a note on the page when
// the claim is cut.
void applyNetCapitalLosses(TaxData_T1New& t1);

// The T778's spouse: the T1's spouse, whom a coupled return fills from the
// spouse's own return.
void fillT778Spouse(const TaxData_T1New& t1, CTaxData_Form& t778);
