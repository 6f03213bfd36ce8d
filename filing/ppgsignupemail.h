#pragma once
// The page that invites the taxpayer to sign up for the agency's online mail
// before a NETFILE transmission, and the holder of the answer.

#include "fields.h"
#include "ppgwizardpage.h"
#include "wsbasedata.h"

class DataPpgSignupEmail : public CWSBaseData
{
public:
    DataPpgSignupEmail();
    int Calculate() override { return 0; }

    // 0 yes (sign up), 1 no, -1 not answered.
    CIntField* fld_signup;
};

namespace Ui {
class PpgSignupEmail_tab1;
}

class PpgSignupEmail_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    PpgSignupEmail_tab1(DataPpgSignupEmail* data, QWidget* parent);
    ~PpgSignupEmail_tab1() override;

    void AssociateFormData() override;
    // Finish does nothing until one of the two answers is chosen.
    bool validatePage() override;

private:
    Q_DISABLE_COPY(PpgSignupEmail_tab1)
    DataPpgSignupEmail* m_answers;
    Ui::PpgSignupEmail_tab1* ui;
};
