#pragma once
// The main form of a section 216 return (T1159), and the program's own
// summary of a return with its benefit estimates.

#include "tableform.h"

// T1159, Income Tax Return for Electing Under Section 216: the only return
// form of a non-resident's section 216 return (province 15).
class TaxData_T1159 : public TableForm
{
public:
    TaxData_T1159();

    // The return's amounts by the T1's numbering: 150 total income, 236 net
    // income, 260 taxable income, 483 the result (above 0 a balance due, else
    // the refund negated), 484 refund, 485 balance due. False for other numbers.
    bool getFedAmountClaimed(int number, double& value) const;
    // 1 social insurance number, 11 first name, 12 last name, 17 full name
    // ("First Last"). False for other numbers.
    bool getFedStringClaimed(int number, CString& value) const;

    // The return from its rental figures (which the T776 statements give)
    // and its entries: total, net and taxable income, federal tax on the
    // 2021 brackets with no personal credits (none are allowed on a section
    // 216 return), the 48% surtax for non-residents, the tax withheld on the
    // NR4 slips, and the refund or balance owing. `flag` is the return's
    // calculation flag; the 2021 form does not depend on it. Answers 0.
    int Calculate01(int flag);
};

// The return summary, per person: the key amounts of the return and the
// benefit estimates. Type 93 is the summary, 159 its copy kept when an
// amended return is filed (ReFILE), 165 last year's summary.
class TaxData_T1KSNew : public TableForm
{
public:
    explicit TaxData_T1KSNew(int type);

    // Copies every value of `other`; the object's own type is kept, so a
    // summary can be copied into its ReFILE copy.
    TaxData_T1KSNew& operator=(const TaxData_T1KSNew& other);

    // Clears what the summary takes from the T1 (identity and key lines).
    void resetT1Part();
    // The figures the summary derives from its own: the benefit year, the
    // family income and the estimates per payment. Answers 0.
    int Calculate01();
};
