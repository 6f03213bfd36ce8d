#pragma once
// The information slips of a return, one class per slip type. Each holds
// the boxes of its 2021 slip by their printed numbers, the payer's name, a
// description of the user's own, and what the calculation needs beside.

#include "tableform.h"

// 1: T4 Statement of Remuneration Paid.
class CSlipData_T4 : public TableForm
{
public:
    CSlipData_T4();

    // Income exempt under the Indian Act: the slip is marked so, or one of
    // the other-information codes for exempt income holds an amount.
    bool containIndianItem() const;

    // Boxes 24 and 26 keep a mark of entry: a blank box shows blank.
    const char* entryMarkOf(const CString& field) const override;
    // Carried without its amounts, the slip's boxes are blank again: their
    // marks of entry go with them.
    void CarryToNewYear(bool withData) override;

    // Box 24 or 26 left blank on a slip that deducted premiums or
    // contributions: the user confirms that box 14 stands in for it.
    void AnyMsgBeforeNetfile(unsigned char mode, std::list<CString>& messages) override;
};

// What a T4 counts as pensionable (box 26) and insurable (box 24) earnings,
// the one rule every form that reads them goes by. The agency's forms read
// box 26 and box 24 "or, if blank, box 14": a box entered (0 included) is
// taken as entered; a blank one gives box 14 up to the year's maximum; the
// exempt marks of box 28 give 0. QPP (box 17) slips go by the same rule.
bool t4PensionableEarningsEntered(const CTaxData_Form& t4);
bool t4InsurableEarningsEntered(const CTaxData_Form& t4);
double t4PensionableEarnings(const CTaxData_Form& t4);
double t4InsurableEarnings(const CTaxData_Form& t4);

// 2: T4A Statement of Pension, Retirement, Annuity, and Other Income.
class TaxData_Slip_T4A : public TableForm
{
public:
    // How the scholarships of code 105 are taxed ("scholarship_kind").
    enum ScholarshipKind : int {
        SCHOLARSHIP_BASIC_EXEMPTION = 0,   // the $500 exemption applies (to the return's total)
        SCHOLARSHIP_FULL_EXEMPTION = 1,    // fully exempt (a qualifying student)
        SCHOLARSHIP_TAXABLE = 2,           // fully taxable; so is any other value
    };

    TaxData_Slip_T4A();
};

// 3: T4A(P) Statement of Canada Pension Plan Benefits.
class CSlipData_T4AP : public TableForm { public: CSlipData_T4AP(); };

// 4: T4RSP Statement of RRSP Income.
class TaxData_Slip_T4RSP : public TableForm { public: TaxData_Slip_T4RSP(); };

// 5: T4E Statement of Employment Insurance and Other Benefits.
class TaxData_Slip_T4E : public TableForm { public: TaxData_Slip_T4E(); };

// 6: T4A(OAS) Statement of Old Age Security.
class CSlipData_T4AOAS : public TableForm { public: CSlipData_T4AOAS(); };

// 7: T4RIF Statement of Income From a Registered Retirement Income Fund.
class TaxData_Slip_T4RIF : public TableForm { public: TaxData_Slip_T4RIF(); };

// 8: T5 Statement of Investment Income.
class TaxData_Slip_T5 : public TableForm
{
public:
    TaxData_Slip_T5();
    // The recipient's share is below 100 percent: the slip is held jointly.
    bool HasSharedComponent() const override;
    const char* sharePercentField() const override { return "share_percent"; }
};

// 9: T3 Statement of Trust Income Allocations and Designations.
class TaxData_Slip_T3 : public TableForm
{
public:
    TaxData_Slip_T3();
    bool HasSharedComponent() const override;
    const char* sharePercentField() const override { return "share_percent"; }
};

// 10: T5003 Statement of Tax Shelter Information.
class CSlipData_T5003 : public TableForm { public: CSlipData_T5003(); };

// 11: T5007 Statement of Benefits.
class CSlipData_T5007 : public TableForm { public: CSlipData_T5007(); };

// 13: T5013 Statement of Partnership Income.
class TaxData_Slip_T5013 : public TableForm
{
public:
    TaxData_Slip_T5013();
    // The partner's share is below 100 percent.
    bool HasSharedComponent() const override;
    const char* sharePercentField() const override { return "partner_share_percent"; }
};

// 14: T4PS Statement of Employee Profit-Sharing Plan Allocations and Payments.
class TaxData_Slip_T4PS : public TableForm { public: TaxData_Slip_T4PS(); };

// 15: T4A-RCA Statement of Distributions From a Retirement Compensation Arrangement.
class TaxData_Slip_T4ARCA : public TableForm { public: TaxData_Slip_T4ARCA(); };

// 16: T5006 Statement of Registered Labour-Sponsored Venture Capital Corporation Class A Shares.
class TaxData_Slip_T5006 : public TableForm { public: TaxData_Slip_T5006(); };

// 17: RC62 Universal Child Care Benefit Statement.
class TaxData_Slip_RC62 : public TableForm { public: TaxData_Slip_RC62(); };

// 18: RC210 Canada Workers Benefit Advance Payments Statement.
class CSlipData_RC210 : public TableForm { public: CSlipData_RC210(); };

// 21: Manitoba shelter benefit (Rent Assist) statement.
class TaxData_Slip_MBShelterAssist : public TableForm { public: TaxData_Slip_MBShelterAssist(); };

// 22: Pooled registered pension plan contribution receipt.
class TaxData_Slip_PRPP : public TableForm { public: TaxData_Slip_PRPP(); };

// 23: T1204 Government Service Contract Payments.
class TaxData_Slip_T1204 : public TableForm { public: TaxData_Slip_T1204(); };

// 24: NR4 Statement of Amounts Paid or Credited to Non-Residents of Canada.
class TaxData_Slip_NR4 : public TableForm { public: TaxData_Slip_NR4(); };

// 25: T2202 Tuition and Enrolment Certificate.
class TaxData_Slip_T2202 : public TableForm
{
public:
    // Session lines of the certificate.
    static constexpr int kSessions = 4;

    TaxData_Slip_T2202();
};
