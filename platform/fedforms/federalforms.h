#pragma once
// The federal forms of a return other than the T1, its schedules and the
// self-employment statements: deductions, credits, special taxes, elections
// and the forms that carry filing data.

#include "tableform.h"

// T778, Child Care Expenses Deduction for 2021 (form type 13).
class TaxData_T778New : public TableForm { public: TaxData_T778New(); };
// T929, Disability Supports Deduction (form type 14).
class TaxData_T929New : public TableForm { public: TaxData_T929New(); };
// T1212, Statement of Deferred Security Options Benefits (form type 18).
class TaxData_T1212New : public TableForm { public: TaxData_T1212New(); };
// T2204, Employee Overpayment of 2021 Employment Insurance Premiums (form type 23).
class TaxData_T2204_New : public TableForm { public: TaxData_T2204_New(); };
// GST370, Employee and Partner GST/HST Rebate Application (form type 28).
class CTaxData_GST370 : public TableForm { public: CTaxData_GST370(); };
// T1206, Tax on Split Income (form type 29).
class TaxData_T1206New : public TableForm { public: TaxData_T1206New(); };
// T626, Overseas Employment Tax Credit (form type 30).
class TaxData_T626_New : public TableForm { public: TaxData_T626_New(); };
// T691, Alternative Minimum Tax (form type 31).
class TaxData_T691New : public TableForm { public: TaxData_T691New(); };
// T2209, Federal Foreign Tax Credits, with T2036, Provincial or Territorial
// Foreign Tax Credit, for one country (form type 35).
class TaxData_T2209_2036 : public TableForm { public: TaxData_T2209_2036(); };
// T2017, Summary of Reserves on Dispositions of Capital Property (form type 37).
class TaxData_T2017New : public TableForm { public: TaxData_T2017New(); };
// T1A, Request for Loss Carryback (form type 39).
class TaxData_T1ANew : public TableForm { public: TaxData_T1ANew(); };
// T2222, Northern Residents Deductions – 2021 (form type 49).
class CTaxData_T2222 : public TableForm { public: CTaxData_T2222(); };
// T1DD(1), Direct Deposit Request – Individuals (form type 52).
class CTaxData_T1DD : public TableForm { public: CTaxData_T1DD(); };
// T5004, Claim for Tax Shelter Loss or Deduction (form type 55).
class CTaxData_T5004 : public TableForm { public: CTaxData_T5004(); };
// CPT20, Election to Pay Canada Pension Plan Contributions (form type 57).
class TaxData_CPT20_New : public TableForm { public: TaxData_CPT20_New(); };
// T1219, Provincial or Territorial Alternative Minimum Tax (form type 89).
class CTaxData_T1219 : public TableForm { public: CTaxData_T1219(); };
// T1153: the preparer's and discounter's details of a return (form type 97).
class CTaxData_T1153 : public TableForm { public: CTaxData_T1153(); };
// T1-M, Moving Expenses Deduction (form type 102).
class TaxData_T1MNew : public TableForm { public: TaxData_T1MNew(); };
// T1223, Clergy Residence Deduction (form type 103).
class CTaxData_T1223 : public TableForm { public: CTaxData_T1223(); };
// T1229, Statement of Resource Expenses and Depletion Allowance (form type 107).
class CTaxData_T1229 : public TableForm { public: CTaxData_T1229(); };
// T1170, Capital Gains on Gifts of Certain Capital Property (form type 113).
class CTaxData_T1170 : public TableForm { public: CTaxData_T1170(); };
// T1032, Joint Election to Split Pension Income (form type 118).
class TaxData_T1032_New : public TableForm { public: TaxData_T1032_New(); };
// RC267, Employee Contributions to a United States Retirement Plan –
// Temporary Assignments (form type 136).
class TaxData_RC267New : public TableForm { public: TaxData_RC267New(); };
// RC268, Employee Contributions to a United States Retirement Plan –
// Cross-Border Commuters (form type 137).
class TaxData_RC268New : public TableForm { public: TaxData_RC268New(); };
// RC269, Employee Contributions to a Foreign Pension Plan or Social Security
// Arrangement – Non-United States Plans or Arrangements (form type 138).
class TaxData_RC269 : public TableForm { public: TaxData_RC269(); };
// RC359, Tax on Excess Employees Profit-Sharing Plan Amounts (form type 145).
class TaxData_RC359 : public TableForm { public: TaxData_RC359(); };
// RC381, Inter-provincial Calculation for CPP and QPP Contributions and
// Overpayments for 2021 (form type 148).
class TaxData_RC381 : public TableForm { public: TaxData_RC381(); };
// RC383, Tax-Exempt Earned Income and Contributions for the Canada Pension
// Plan (form type 149).
class TaxData_RC383 : public TableForm { public: TaxData_RC383(); };

// T2203, Provincial and Territorial Taxes for 2021 – Multiple Jurisdictions
// (form type 156).
class TaxData_T2203 : public TableForm
{
public:
    // One row per jurisdiction with business income: the 13 provinces and
    // territories, and income from outside Canada.
    static constexpr int kJurisdictions = 14;

    TaxData_T2203();

    // A row of that province holds business income of 0.009 or more either way.
    bool isProvActiveByBusiInc(int province) const;
};

// T90, Income Exempt from Tax under the Indian Act (form type 171).
class TaxData_T90 : public TableForm { public: TaxData_T90(); };
// T224 (form type 173) and T225 (form type 174): figures calculated after the
// provincial tax, with the person's age.
class TaxData_T224 : public TableForm { public: TaxData_T224(); };
class TaxData_T225 : public TableForm { public: TaxData_T225(); };
