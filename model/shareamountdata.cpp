#include "shareamountdata.h"

DataShareAmtDlg::DataShareAmtDlg()
{
    auto amount = [this](const char* name) { return m_fields.add<CFloatField>(name, 0.0); };
    fld_BankInterest_1_Claimed = amount("fld_BankInterest_1_Claimed");
    fld_BankInterest_1 = amount("fld_BankInterest_1");
    fld_BankInterest_2_Claimed = amount("fld_BankInterest_2_Claimed");
    fld_BankInterest_2 = amount("fld_BankInterest_2");
    fld_BankInterest_3 = amount("fld_BankInterest_3");
    fld_Donation_1_Claimed = amount("fld_Donation_1_Claimed");
    fld_Donation_1 = amount("fld_Donation_1");
    fld_Donation_2_Claimed = amount("fld_Donation_2_Claimed");
    fld_Donation_2 = amount("fld_Donation_2");
    fld_Donation_3 = amount("fld_Donation_3");
    fld_CapGain_1_Claimed = amount("fld_CapGain_1_Claimed");
    fld_CapGain_1 = amount("fld_CapGain_1");
    fld_CapGain_2_Claimed = amount("fld_CapGain_2_Claimed");
    fld_CapGain_2 = amount("fld_CapGain_2");
    fld_CapGain_3 = amount("fld_CapGain_3");
    fld_Pension_1_Claimed = amount("fld_Pension_1_Claimed");
    fld_Pension_1 = amount("fld_Pension_1");
    fld_Pension_2_Claimed = amount("fld_Pension_2_Claimed");
    fld_Pension_2 = amount("fld_Pension_2");
}

int DataShareAmtDlg::Calculate()
{
    if (fld_Donation_1->GetValue() > fld_Donation_1_Claimed->GetValue())
        fld_Donation_1->SetValue(fld_Donation_1_Claimed->GetValue());
    if (fld_Donation_2->GetValue() > fld_Donation_2_Claimed->GetValue())
        fld_Donation_2->SetValue(fld_Donation_2_Claimed->GetValue());
    return 0;
}
