#include "dlgprintoption_info.h"

#include "ui_dlgprintoption_info.h"

int DlgPrintOption_Info::m_iPrintOption = 0;
int DlgPrintOption_Info::m_iPrintCurForm = 0;
int DlgPrintOption_Info::m_iPrintClientLetter = -1;
int DlgPrintOption_Info::m_iPrintFullSIN = 0;
int DlgPrintOption_Info::m_iPrintReceipt = 0;
const int* DlgPrintOption_Info::s_clientLetterSetting = nullptr;

DlgPrintOption_Info::DlgPrintOption_Info(bool testMode, QWidget* parent)
    : QDialog(parent), ui(new Ui::DlgPrintOption_Info), m_testMode(testMode)
{
    ui->setupUi(this);
    ui->fld_PrintOption_0->setChecked(true);
    m_iPrintClientLetter = s_clientLetterSetting ? *s_clientLetterSetting : 0;
    ui->fld_ClientLetter->setChecked(m_iPrintClientLetter != 0);
}

DlgPrintOption_Info::~DlgPrintOption_Info() = default;

int DlgPrintOption_Info::printFlags()
{
    int flags = 0;
    if (m_iPrintClientLetter == 1) flags |= 32 | 4;
    if (m_iPrintReceipt) flags |= 8;
    if (m_iPrintFullSIN) flags |= 16;
    return flags;
}

void DlgPrintOption_Info::on_btnPrint_clicked()
{
    m_iPrintOption = ui->fld_PrintOption_1->isChecked() ? 1 : 0;
    m_iPrintCurForm = ui->fld_CurFormOnly->isChecked() ? 1 : 0;
    m_iPrintClientLetter = ui->fld_ClientLetter->isChecked() ? 1 : 0;
    m_iPrintFullSIN = ui->fld_FullSIN->isChecked() ? 1 : 0;
    m_iPrintReceipt = ui->fld_Invoice->isChecked() ? 1 : 0;
    accept();
}

void DlgPrintOption_Info::on_btnCancel_clicked() { reject(); }
