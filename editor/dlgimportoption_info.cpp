#include "dlgimportoption_info.h"

#include "priorimport.h"
#include "ui_dlgimportoption_info.h"

DlgImportOption_Info::DlgImportOption_Info(STRUCT_IMPORT_LASTYEAR_PARAM* options, QWidget* parent)
    : QDialog(parent), m_options(options), ui(new Ui::DlgImportOption_Info)
{
    ui->setupUi(this);
    ui->fld_KeepNotes->setChecked(options->keepNotes != 0);
    ui->fld_bIncludeSFD->setChecked(options->includeSFD != 0);
    ui->fld_KeepForms->setChecked(options->keepForms != 0);
    ui->fld_iCopyData_1->setChecked(options->copyData != 0);
    ui->fld_iCopyData_0->setChecked(options->copyData == 0);
    ui->fld_bMakeCoupled->setChecked(options->makeCoupled != 0);
}

DlgImportOption_Info::~DlgImportOption_Info()
{
    delete ui;
}

void DlgImportOption_Info::on_btnImport_clicked()
{
    m_options->keepForms = ui->fld_KeepForms->isChecked() ? 1 : 0;
    m_options->keepNotes = ui->fld_KeepNotes->isChecked() ? 1 : 0;
    m_options->includeSFD = ui->fld_bIncludeSFD->isChecked() ? 1 : 0;
    m_options->copyData = ui->fld_iCopyData_1->isChecked() ? 1 : 0;
    m_options->makeCoupled = ui->fld_bMakeCoupled->isChecked() ? 1 : 0;
    accept();
}

void DlgImportOption_Info::on_btnCancel_clicked()
{
    reject();
}
