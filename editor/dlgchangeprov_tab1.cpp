#include "dlgchangeprov_tab1.h"

#include "ui_dlgchangeprov_tab1.h"

DataDlgChangeProv::DataDlgChangeProv()
{
    fld_NewTaxProv = m_fields.add<CIntField>("fld_NewTaxProv", 0);
    fld_ChgBoth = m_fields.add<CIntField>("fld_ChgBoth", 0);
}

DlgChangeProv_tab1::DlgChangeProv_tab1(DataDlgChangeProv* data, QWidget* parent)
    : PpgWizardPage(data, nullptr, parent), m_answers(data), ui(new Ui::DlgChangeProv_tab1)
{
    ui->setupUi(this);
}

DlgChangeProv_tab1::~DlgChangeProv_tab1()
{
    delete ui;
}

void DlgChangeProv_tab1::AssociateFormData()
{
    ui->fld_NewTaxProv->LoadProvsWithLibrary();
    ui->fld_ChgBoth->setId(ui->fld_ChgBoth_0, 0);
    ui->fld_ChgBoth->setId(ui->fld_ChgBoth_1, 1);
    PpgWizardPage::AssociateFormData();
}

bool DlgChangeProv_tab1::validatePage()
{
    PutDataToDoc();
    return m_answers->fld_NewTaxProv->GetValue() > 0;
}
