#include "addtaxformdlg.h"

#include "formtypes.h"
#include "tabwndapp.h"
#include "ui_addtaxformdlg.h"

QString AddTaxFormDlg::s_strFilter;

AddTaxFormDlg::AddTaxFormDlg(std::list<unsigned int>& provinces, QWidget* parent)
    : QDialog(parent), m_provinces(provinces), ui(new Ui::AddTaxFormDlg)
{
    ui->setupUi(this);
    // The filter is set before the slots listen, so the list is filled once.
    const QSignalBlocker blocker(ui->edtFilter);
    ui->edtFilter->setText(s_strFilter);
    refreshFormList();
}

AddTaxFormDlg::~AddTaxFormDlg()
{
    delete ui;
}

void AddTaxFormDlg::refreshFormList()
{
    ui->cmbTaxForms->clear();
    ui->cmbTaxForms->LoadTaxForms(static_cast<unsigned char>(TabWndApp::s_appPurpose), m_provinces, s_strFilter);
}

ENUMTYPE_FORM AddTaxFormDlg::getSelectedForm() const
{
    if (m_quickAdd) return m_quickType;
    return ui->cmbTaxForms->currentData().toInt();
}

void AddTaxFormDlg::on_edtFilter_textChanged(const QString& text)
{
    s_strFilter = text;
    refreshFormList();
}

void AddTaxFormDlg::on_btnClear_clicked()
{
    s_strFilter.clear();
    ui->edtFilter->clear();
}

void AddTaxFormDlg::_addQuickFormType(ENUMTYPE_FORM type)
{
    m_quickAdd = true;
    m_quickType = type;
    accept();
}

void AddTaxFormDlg::on_btnAddT2125_clicked() { _addQuickFormType(FormType::T2125); }
void AddTaxFormDlg::on_btnAddT2042_clicked() { _addQuickFormType(FormType::T2042); }
void AddTaxFormDlg::on_btnAddCommission_clicked() { _addQuickFormType(FormType::T2125Commission); }
void AddTaxFormDlg::on_btnAddT776_clicked() { _addQuickFormType(FormType::T776); }
void AddTaxFormDlg::on_btnAddT2209_clicked() { _addQuickFormType(FormType::T2209T2036); }
void AddTaxFormDlg::on_btnAddSch7_clicked() { _addQuickFormType(FormType::Schedule7); }
void AddTaxFormDlg::on_btnAddSch11_clicked() { _addQuickFormType(FormType::Schedule11); }
void AddTaxFormDlg::on_btnAddSch5_clicked() { _addQuickFormType(FormType::Schedule5); }
void AddTaxFormDlg::on_btnAddSch9_clicked() { _addQuickFormType(FormType::Schedule9); }
