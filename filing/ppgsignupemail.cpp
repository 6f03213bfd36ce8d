#include "ppgsignupemail.h"

#include "ui_ppgsignupemail_tab1.h"

DataPpgSignupEmail::DataPpgSignupEmail()
{
    fld_signup = m_fields.add<CIntField>("fld_signup", -1);
}

PpgSignupEmail_tab1::PpgSignupEmail_tab1(DataPpgSignupEmail* data, QWidget* parent)
    : PpgWizardPage(data, nullptr, parent), m_answers(data), ui(new Ui::PpgSignupEmail_tab1)
{
    ui->setupUi(this);
}

PpgSignupEmail_tab1::~PpgSignupEmail_tab1()
{
    delete ui;
}

void PpgSignupEmail_tab1::AssociateFormData()
{
    ui->fld_signup->setId(ui->fld_signup_0, 0);
    ui->fld_signup->setId(ui->fld_signup_1, 1);
    PpgWizardPage::AssociateFormData();
}

bool PpgSignupEmail_tab1::validatePage()
{
    PutDataToDoc();
    // -1 (not answered) compares above 1 as unsigned.
    return unsigned(m_answers->fld_signup->GetValue()) < 2u;
}
