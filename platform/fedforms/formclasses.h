#pragma once
// The form-class library: the forms that carry filing, consent and
// authorisation data, and a few federal calculation forms shared with it.

#include <cstdio>
#include <map>
#include <string>

#include "tableform.h"

// RC71, Statement of Discounting Transaction (form type 53).
class CTaxData_RC71 : public TableForm { public: CTaxData_RC71(); };
// T1ADJ, T1 Adjustment Request (form type 116).
// It asks to change a return already filed, so it never carries into a new year.
class CTaxData_T1ADJ : public TableForm
{
public:
    CTaxData_T1ADJ();
    bool IsCarriedToNewYear(unsigned char, ENUMTYPE_PROVINCE) const override { return false; }
};
// T2205, Calculating Amounts From a Spousal or Common-law Partner RRSP, RRIF
// or SPP to Include in Income (form type 124).
class CTaxData_T2205 : public TableForm
{
public:
    CTaxData_T2205();

    // The part of the amount received that the contributor includes: the
    // spousal contributions of 2019 to 2021, at most the amount (for a RRIF,
    // at most its excess over the year's minimum); the rest is the
    // annuitant's. The tax deducted is shared in the same proportion.
    // Answers 0.
    int Calculate01();
};
// RC59, Business Consent for Offline Access (form type 184).
class TaxData_RC59_e : public TableForm { public: TaxData_RC59_e(); };
// RC59X, Cancel Business Consent or Delegated Authority (form type 185).
class TaxData_RC59X_e : public TableForm { public: TaxData_RC59X_e(); };
// T1044, Non-Profit Organization (NPO) Information Return (form type 186).
class TaxData_T1044 : public TableForm { public: TaxData_T1044(); };
// T183, Information Return for Electronic Filing of an Individual's Income
// Tax and Benefit Return (form type 96).
class TaxData_T183New : public TableForm
{
public:
    TaxData_T183New();
    // The return control number (the document control number of the agency's requests).
    CString getDCN() const { return getString("return_control_number"); }
};
// T185: the pre-authorised debit agreement sent with a return (form type 181).
class TaxData_T185 : public TableForm { public: TaxData_T185(); };
// T657, Calculation of Capital Gains Deduction for 2021 (form type 40).
class TaxData_T657New : public TableForm
{
public:
    TaxData_T657New();
    // The capital gains deduction (line 25400): the least of the annual
    // gains limit, the cumulative gains limit and the lifetime limit left. Answers 0.
    int Calculate01();
};
// T746, Calculating Your Deduction for Refund of Unused RRSP, PRPP, and SPP
// Contributions (form type 105).
class TaxData_T746New : public TableForm { public: TaxData_T746New(); };
// T936, Calculation of Cumulative Net Investment Loss (CNIL) to
// December 31, 2021 (form type 32).
class TaxData_T936New : public TableForm { public: TaxData_T936New(); };
// T1013, Authorizing or Cancelling a Representative (form type 117).
class TaxData_T1013New : public TableForm { public: TaxData_T1013New(); };
// T1135, Foreign Income Verification Statement (form type 101).
class TaxData_T1135New : public TableForm
{
public:
    static constexpr int kPropertyRows = 20;
    TaxData_T1135New();
    // What its filing needs: the reporter's names and S.I.N., the tax
    // year, and the properties by the reporting method chosen. 1 when a
    // message was added, else 0.
    int Validate(unsigned char flag, std::list<CString>& messages) override;

    // The statement's identification (part 2), its properties by the
    // reporting method chosen, and its certification (part 3), written to
    // `out`. `templates` holds the two parts' texts under "t1135part2" and
    // "t1135part3"; the parts' values are put into it as well. 0 on
    // success, -1 without a part's text, else the template processor's
    // result; nothing is written after a failure.
    int getT1135XMLContent(FILE* out, std::map<std::string, std::string>& templates);

private:
    void putIdentificationValues(std::map<std::string, std::string>& values) const;
    void putCertificationValues(std::map<std::string, std::string>& values) const;
    void writePropertyData(CString& out) const;
};
// T1172, Additional Tax on Accumulated Income Payments from RESPs (form type 17).
class TaxData_T1172New : public TableForm { public: TaxData_T1172New(); };
// T2038(IND), Investment Tax Credit (Individuals) (form type 20).
class TaxData_T2038New : public TableForm { public: TaxData_T2038New(); };
