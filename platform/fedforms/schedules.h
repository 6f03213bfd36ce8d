#pragma once
// The federal schedules of the return, each a field table by the agency's
// 2021 line numbers.

#include "tableform.h"

// Schedule 1 of the years before 2019 (federal tax); the return now holds it
// as step 5. Kept so that old files still read.
class TaxData_Sch1_Old : public TableForm
{
public:
    TaxData_Sch1_Old();
};

// Schedule 2, Federal Amounts Transferred From Your Spouse or Common-Law Partner.
class TaxData_Sch2 : public TableForm
{
public:
    TaxData_Sch2();
};

// Schedule 3, Capital Gains (or Losses) in 2021.
class CTaxData_Schedule_3 : public TableForm
{
public:
    // Rows of the share dispositions (section 3, where T5008 slips go).
    static constexpr int kShareRows = 60;

    CTaxData_Schedule_3();
};

// Schedule 4, Statement of Investment Income.
class TaxData_Sch4 : public TableForm
{
public:
    TaxData_Sch4();
};

// Schedule 5, Amounts for Spouse or Common-Law Partner and Dependants.
class TaxData_Sch5 : public TableForm
{
public:
    TaxData_Sch5();
};

// Schedule 6, Canada Workers Benefit.
class TaxData_Sch6 : public TableForm
{
public:
    TaxData_Sch6();
};

// Schedule 7, RRSP, PRPP and SPP Unused Contributions, Transfers, and HBP or LLP Activities.
class TaxData_Sch7 : public TableForm
{
public:
    TaxData_Sch7();
};

// Schedule 8 of the years before 2014; replaced by TaxData_Sch8_14.
class TaxData_Sch8 : public TableForm
{
public:
    TaxData_Sch8();
};

// Schedule 8, CPP Contributions on Self-Employment and Other Earnings.
class TaxData_Sch8_14 : public TableForm
{
public:
    TaxData_Sch8_14();
};

// Schedule 9, Donations and Gifts.
class TaxData_Sch9 : public TableForm
{
public:
    TaxData_Sch9();
};

// Schedule 11, Federal Tuition, Education, and Textbook Amounts and Canada Training Credit.
class TaxData_Sch11 : public TableForm
{
public:
    TaxData_Sch11();
};

// Home accessibility expenses (line 31285): the expenses behind the claim.
class TaxData_Sch12_2016 : public TableForm
{
public:
    TaxData_Sch12_2016();
};

// Schedule 13, Employment Insurance Premiums on Self-Employment and Other Eligible Earnings.
class TaxData_Sch13 : public TableForm
{
public:
    TaxData_Sch13();
};

// Schedule 14, Climate Action Incentive: for 2021 only the supplement for
// residents of small and rural communities.
class TaxData_Sch14 : public TableForm
{
public:
    TaxData_Sch14();
};

// Schedule 1-A, Family Tax Cut (ended with 2015).
class TaxData_Sch1A : public TableForm
{
public:
    TaxData_Sch1A();
};

// Schedules A and B of the non-resident return: Statement of World Income,
// and Allowable Amount of Non-Refundable Tax Credits.
class TaxData_SchA_B : public TableForm
{
public:
    TaxData_SchA_B();
};

// Schedule C, Electing Under Section 217 of the Income Tax Act.
class TaxData_SchC : public TableForm
{
public:
    TaxData_SchC();
};
