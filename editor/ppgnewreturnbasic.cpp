#include "ppgnewreturnbasic.h"

#include <QButtonGroup>
#include <QDate>

#include "familytaxdata.h"
#include "newreturnanswers.h"
#include "tabwndapp.h"
#include "ui_ppgnewreturnbasic_formoption.h"
#include "ui_ppgnewreturnbasic_spouse.h"
#include "ui_ppgnewreturnbasic_tab1.h"
#include "wizardbase.h"

namespace {

enum { kTaxpayerPage, kSpousePage, kSchedulePage };

bool blank(const CStringField* field)
{
    return field->GetValue().toQString().trimmed().isEmpty();
}

} // namespace

// ------------------------------------------------------------ the taxpayer

PpgNewReturnBasic_tab1::PpgNewReturnBasic_tab1(PPgDataNewReturnBasic* data, QWidget* parent)
    : PpgWizardPage(data, nullptr, parent), m_answers(data), ui(new Ui::PpgNewReturnBasic_tab1)
{
    ui->setupUi(this);
}

PpgNewReturnBasic_tab1::~PpgNewReturnBasic_tab1()
{
    delete ui;
}

void PpgNewReturnBasic_tab1::AssociateFormData()
{
    QAbstractButton* radios[] = {ui->fld_MaritalStatus0, ui->fld_MaritalStatus1, ui->fld_MaritalStatus2,
                                 ui->fld_MaritalStatus3, ui->fld_MaritalStatus4, ui->fld_MaritalStatus5};
    for (int id = 0; id < 6; ++id) ui->fld_MaritalStatus->setId(radios[id], id);
    ui->fld_TaxPronv->LoadProvsWithNonResident();
    PpgWizardPage::AssociateFormData();
}

bool PpgNewReturnBasic_tab1::validatePage()
{
    PpgWizardPage::validatePage();
    return !blank(m_answers->fld_FirstName) && !blank(m_answers->fld_LastName)
        && m_answers->fld_TaxPronv->GetValue() != 0;
}

int PpgNewReturnBasic_tab1::nextId() const
{
    // The radio group writes its field on every click, so the choice is known here.
    return m_answers->shouldAskSpouseInfo() ? kSpousePage : kSchedulePage;
}

// ------------------------------------------------------------ the spouse

PpgNewReturnBasic_Spouse::PpgNewReturnBasic_Spouse(PPgDataNewReturnBasic* data, QWidget* parent)
    : PpgWizardPage(data, nullptr, parent), m_answers(data), ui(new Ui::PpgNewReturnBasic_Spouse)
{
    ui->setupUi(this);
}

PpgNewReturnBasic_Spouse::~PpgNewReturnBasic_Spouse()
{
    delete ui;
}

void PpgNewReturnBasic_Spouse::AssociateFormData()
{
    ui->fld_TaxPronvSpouse->LoadProvs();
    PpgWizardPage::AssociateFormData();
    // After the binding, so that the box's own answer is stored before the
    // page shows the holder again.
    connect(ui->fld_SpouseNonResident, &QCheckBox::stateChanged, this,
            [this](int state) { onNonResidentToggled(state == Qt::Checked); });
}

namespace {
// The spouse's combo offers the provinces and territories only: a
// non-resident code is no province to live in, and a coupled spouse given
// one would be made a non-resident in silence.
bool isProvince(int code)
{
    return code >= 1 && code <= 13;
}
} // namespace

QString PpgNewReturnBasic_Spouse::provinceMissingText()
{
    return QStringLiteral("Please choose the spouse's province or territory of residence, or tick \"Spouse is a "
                          "non-resident of Canada\".");
}

void PpgNewReturnBasic_Spouse::initializePage()
{
    const int taxpayerProvince = m_answers->fld_TaxPronv->GetValue();
    m_answers->fld_TaxPronvSpouse->SetValue(isProvince(taxpayerProvince) ? taxpayerProvince : 0);
    PpgWizardPage::initializePage();
    ui->fld_TaxPronvSpouse->SetCurSelData(m_answers->fld_TaxPronvSpouse->GetValue());
    onNonResidentToggled(ui->fld_SpouseNonResident->isChecked());
}

bool PpgNewReturnBasic_Spouse::validatePage()
{
    PpgWizardPage::validatePage();
    if (blank(m_answers->fld_FirstNameSpouse) || blank(m_answers->fld_LastNameSpouse)) return false;
    if (m_answers->fld_SpouseNonResident->GetValue() || isProvince(m_answers->fld_TaxPronvSpouse->GetValue()))
        return true;
    TabWndApp::gAppInformation(provinceMissingText(), this);
    return false;
}

void PpgNewReturnBasic_Spouse::onNonResidentToggled(bool nonResident)
{
    if (nonResident) ui->fld_Coupled->setChecked(false);
    ui->fld_Coupled->setEnabled(!nonResident);
}

// ------------------------------------------------------------ the schedules

PpgNewReturnBasic_FormOption::PpgNewReturnBasic_FormOption(PPgDataNewReturnBasic* data, QWidget* parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::PpgNewReturnBasic_FormOption)
{
    ui->setupUi(this);
}

PpgNewReturnBasic_FormOption::~PpgNewReturnBasic_FormOption()
{
    delete ui;
}

// ------------------------------------------------------------ the interview

CFamilyTaxData* runNewReturnInterview(QWidget* parent)
{
    PPgDataNewReturnBasic answers;
    answers.fld_dob->SetValue(QDate(1980, 1, 1));
    answers.fld_dobSpouse->SetValue(QDate(1980, 1, 1));
    WizardBase wizard(parent, QStringLiteral("Create a new tax return"));
    // The wizard owns its pages and frees them with itself.
    wizard.setPage(kTaxpayerPage, new PpgNewReturnBasic_tab1(&answers, &wizard));
    wizard.setPage(kSpousePage, new PpgNewReturnBasic_Spouse(&answers, &wizard));
    wizard.setPage(kSchedulePage, new PpgNewReturnBasic_FormOption(&answers, &wizard));
    wizard.initUI(700, 470);
    if (wizard.exec() != QDialog::Accepted) return nullptr;

    MyWaitCursor wait;
    auto* family = new CFamilyTaxData(ENUM_MultiProvsTaxMgrMode(1));
    family->NewData(&answers);
    family->Calculate(-1, nullptr);
    return family;
}
