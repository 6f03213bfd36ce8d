#pragma once
// The amounts of a coupled return that the user marks as movable between
// the spouses before the optimiser runs (the "Identify Shareable Amounts"
// page binds to these fields).

#include "wsbasedata.h"

class DataShareAmtDlg : public CWSBaseData
{
public:
    DataShareAmtDlg();

    // A person's shareable donation cannot exceed what that person claims;
    // interest and capital gains are not capped. Answers 0.
    int Calculate() override;

    // _1 the taxpayer's, _2 the spouse's, _3 claimed by neither return.
    CFloatField* fld_BankInterest_1_Claimed;
    CFloatField* fld_BankInterest_1;
    CFloatField* fld_BankInterest_2_Claimed;
    CFloatField* fld_BankInterest_2;
    CFloatField* fld_BankInterest_3;
    CFloatField* fld_Donation_1_Claimed;
    CFloatField* fld_Donation_1;
    CFloatField* fld_Donation_2_Claimed;
    CFloatField* fld_Donation_2;
    CFloatField* fld_Donation_3;
    CFloatField* fld_CapGain_1_Claimed;
    CFloatField* fld_CapGain_1;
    CFloatField* fld_CapGain_2_Claimed;
    CFloatField* fld_CapGain_2;
    CFloatField* fld_CapGain_3;
    // The pensioner's T1032: the split now elected and the eligible income.
    CFloatField* fld_Pension_1_Claimed;
    CFloatField* fld_Pension_1;
    CFloatField* fld_Pension_2_Claimed;
    CFloatField* fld_Pension_2;
};
