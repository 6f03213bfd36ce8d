#pragma once
// After an accepted NETFILE transmission: links to the agency's online
// services, chosen by whether an e-mail address was given and by the balance.

#include "ppgwizardpage.h"

namespace Ui {
class PpgAfterNetfile_tab1;
}

class PpgAfterNetfile_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    // balance: negative is a refund.
    PpgAfterNetfile_tab1(bool hasEmail, double balance, QWidget* parent);
    ~PpgAfterNetfile_tab1() override;

    // Shows the lines that apply and makes their links.
    void AssociateFormData() override;
    bool validatePage() override { return true; }

private:
    Q_DISABLE_COPY(PpgAfterNetfile_tab1)
    bool m_hasEmail;
    double m_balance;
    Ui::PpgAfterNetfile_tab1* ui;
};
