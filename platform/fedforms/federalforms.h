#pragma once
// The federal forms of a return other than the T1, its schedules and the
// self-employment statements: deductions, credits, special taxes, elections
// and the forms that carry filing data.

#include "tableform.h"

// T778, Child Care Expenses Deduction for 2021 (form type 13).
class TaxData_T778New : public TableForm
{
public:
    TaxData_T778New();
    // The deduction (line 21400): the expenses within the basic limit for the
    // children and two-thirds of earned income; for the spouse with the
    // higher net income, within the weekly limits of Part C. Answers 0.
    int Calculate01();
};
// T929, Disability Supports Deduction (form type 14).
class TaxData_T929New : public TableForm
{
public:
    TaxData_T929New();
    // The deduction (line 21500): net expenses up to earned income. Answers 0.
    int Calculate01();
};
// T1212, Statement of Deferred Security Options Benefits (form type 18).
class TaxData_T1212New : public TableForm { public: TaxData_T1212New(); };
// T2204, Employee Overpayment of 2021 Employment Insurance Premiums (form type 23).
class TaxData_T2204_New : public TableForm
{
public:
    TaxData_T2204_New();
    // Premiums payable on the insurable earnings and the overpayment, inside
    // and outside Quebec. Answers 0.
    int Calculate01();
    // The premiums claimed as a credit (line 31200): those deducted less the overpayment.
    double premiumsClaimed() const;
};
// GST370, Employee and Partner GST/HST Rebate Application (form type 28).
class CTaxData_GST370 : public TableForm
{
public:
    CTaxData_GST370();
    // The rebate (line 45700): the GST or HST in the expenses, by rate. Answers 0.
    int Calculate01();
};
// T1206, Tax on Split Income (form type 29).
class TaxData_T1206New : public TableForm
{
public:
    TaxData_T1206New();
    // Split income (line 68360) and the federal tax on it: 33%, less the
    // dividend tax credit on its dividends and the other credits. Answers 0.
    int CalculateTOSI();
    int CalculateFederal() { return CalculateTOSI(); }
};
// T626, Overseas Employment Tax Credit (form type 30).
class TaxData_T626_New : public TableForm { public: TaxData_T626_New(); };
// T691, Alternative Minimum Tax (form type 31).
class TaxData_T691New : public TableForm
{
public:
    TaxData_T691New();
    // Adjusted taxable income, the minimum tax on it and the carryover of
    // earlier years' minimum tax that this year's regular tax absorbs.
    // `credits` are the non-refundable tax credits (line 35000) the minimum
    // tax allows.
    int CalculateToLine65andMinitaxCarryOverAndLine102(double taxableIncome, double taxableCapitalGains,
                                                       double credits, double regularTax);
    // The regular tax the minimum tax is compared with.
    int CalculateToLine95(double regularTax);
    // The tax that the minimum tax adds. Answers 0.
    int CalculateToEnd();
};
// T2209, Federal Foreign Tax Credits, with T2036, Provincial or Territorial
// Foreign Tax Credit, for one country (form type 35).
class TaxData_T2209_2036 : public TableForm
{
public:
    TaxData_T2209_2036();

    // The non-business tax paid above 15% of the foreign non-business income:
    // no credit is given for it, it is deducted from income instead.
    void Adjust15Percent();
    // The federal credits from the net income and the tax figures the
    // return gave the form; answers 0.
    int Calculate01();
};
// T2017, Summary of Reserves on Dispositions of Capital Property (form type 37).
class TaxData_T2017New : public TableForm { public: TaxData_T2017New(); };
// T1A, Request for Loss Carryback (form type 39).
class TaxData_T1ANew : public TableForm
{
public:
    TaxData_T1ANew();
    // The year's non-capital, farm and net capital losses and what remains
    // after the amounts carried back. Answers 0.
    int Calculate01();
};
// T2222, Northern Residents Deductions – 2021 (form type 49).
class CTaxData_T2222 : public TableForm
{
public:
    CTaxData_T2222();
    // The residency deduction (at most 20% of net income) and the travel
    // deduction (line 25500). Answers 0.
    int Calculate01();
};
// T1DD(1), Direct Deposit Request – Individuals (form type 52).
class CTaxData_T1DD : public TableForm { public: CTaxData_T1DD(); };
// T5004, Claim for Tax Shelter Loss or Deduction (form type 55).
class CTaxData_T5004 : public TableForm
{
public:
    CTaxData_T5004();
    // Line 67650: the losses and deductions claimed. Answers 0.
    int Calculate01();
};
// CPT20, Election to Pay Canada Pension Plan Contributions (form type 57).
class TaxData_CPT20_New : public TableForm
{
public:
    // Rows the T4 slips fill, one a slip in slip order.
    static constexpr int kT4Slips = 6;

    TaxData_CPT20_New();

    // Clears the rows of the T4 slips.
    void clearT4Slips();

    // The employment earnings elected on: the employers' rows, else the
    // elected earnings the form holds.
    double electedAmount() const;
    // Elected to contribute on employment earnings of the employers listed.
    bool hadElectedF399IncomeToPayCPP() const;
    // Any election in force for the year.
    bool hadElectedIncomeToPayCPP() const;
};
// T1219, Provincial or Territorial Alternative Minimum Tax (form type 89).
class CTaxData_T1219 : public TableForm { public: CTaxData_T1219(); };
// T1153: the preparer's and discounter's details of a return (form type 97).
class CTaxData_T1153 : public TableForm { public: CTaxData_T1153(); };
// T1-M, Moving Expenses Deduction (form type 102).
class TaxData_T1MNew : public TableForm
{
public:
    TaxData_T1MNew();
    // The deduction (line 21900): net expenses, with last year's carried
    // forward, up to the income earned at the new location. Answers 0.
    int Calculate01();
};
// T1223, Clergy Residence Deduction (form type 103).
class CTaxData_T1223 : public TableForm
{
public:
    CTaxData_T1223();
    // The deduction (line 23100). Answers 0.
    int Calculate01();
};
// T1229, Statement of Resource Expenses and Depletion Allowance (form type 107).
class CTaxData_T1229 : public TableForm
{
public:
    CTaxData_T1229();
    // The resource deductions claimed (line 22400). Answers 0.
    int Calculate01();
};
// T1170, Capital Gains on Gifts of Certain Capital Property (form type 113).
class CTaxData_T1170 : public TableForm { public: CTaxData_T1170(); };
// T1032, Joint Election to Split Pension Income (form type 118).
class TaxData_T1032_New : public TableForm
{
public:
    enum Role : int {
        ROLE_PENSIONER = 0,     // splits the pension ("is_transferor")
        ROLE_TRANSFEREE = 1,    // receives the split pension
    };

    TaxData_T1032_New();

    int role() const { return getBool("is_transferor") ? ROLE_PENSIONER : ROLE_TRANSFEREE; }
    // The pensioner's eligible pension income and the most that may be split
    // (half of it); the split amount is kept within that most.
    void CalculateMaxSplitInc();
    // This person's pension income amount after the split.
    void CalculatePensionInc();
    // The part of the tax deducted from the pension that moves with the split.
    void CalculateIncomeTax();
    // The part of the split amount that comes from line 11500 sources (life
    // annuity payments from a pension plan).
    double getF5344() const;
};
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
struct CppRelatedAmounts;
class TaxData_RC381 : public TableForm
{
public:
    TaxData_RC381();
    // The contributions required on the CPP and QPP earnings together, at
    // the CPP rate, and the overpayment. Answers 0.
    int Calculate01();
    void getCPPRelatedAmounts(CppRelatedAmounts& out) const;
    // The contributions still due (its under-deduction line).
    double getUnderDeduction() const { return getFloat("under_deduction"); }
};
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

    // Clears the business income of every jurisdiction.
    void resetBusiIncFromAllProvs();
    // Adds business income to the row of `province` (0 outside Canada),
    // taking a free row for a jurisdiction that has none yet.
    void addBusiInc(int province, double income);
    // Shares the taxable income among the jurisdictions by their business
    // income; the province of residence (the form's main province) keeps
    // what the others do not take. Answers 0.
    int Calculate01();
    // Clears the figures the provincial libraries fill for the summary.
    void initAmounts();

private:
    int rowOf(int province) const;
};

// T90, Income Exempt from Tax under the Indian Act (form type 171).
class TaxData_T90 : public TableForm { public: TaxData_T90(); };
// T224 (form type 173) and T225 (form type 174): figures calculated after the
// provincial tax, with the person's age.
class TaxData_T224 : public TableForm { public: TaxData_T224(); };
class TaxData_T225 : public TableForm { public: TaxData_T225(); };
