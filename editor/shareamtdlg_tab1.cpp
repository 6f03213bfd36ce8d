#include "shareamtdlg_tab1.h"

#include "familytaxdata.h"
#include "shareamountdata.h"
#include "ui_shareamtdlg_tab1.h"

namespace {
constexpr int kFullName = 17;
}

ShareAmtDlg_tab1::ShareAmtDlg_tab1(DataShareAmtDlg* holder, CFamilyTaxData* family, QWidget* parent)
    : PpgWizardPage(holder, nullptr, parent), m_family(family), ui(new Ui::ShareAmtDlg_tab1)
{
    ui->setupUi(this);
}

ShareAmtDlg_tab1::~ShareAmtDlg_tab1()
{
    delete ui;
}

void ShareAmtDlg_tab1::showEvent(QShowEvent* event)
{
    PpgWizardPage::showEvent(event);
    CString name;
    if (m_family && m_family->taxpayer() && m_family->taxpayer()->getFedStringClaimed(kFullName, name))
        ui->FullName1->setText(name.toQString());
    name.Empty();
    if (m_family && m_family->spouse() && m_family->spouse()->getFedStringClaimed(kFullName, name))
        ui->FullName2->setText(name.toQString());
}

bool ShareAmtDlg_tab1::validatePage()
{
    // What was typed last reaches the holder, capped as the holder caps it.
    PpgWizardPage::validatePage();
    if (data()) data()->Calculate();
    return true;
}
