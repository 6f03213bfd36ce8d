#include "ppgnewreturnbasic.h"

#include <QButtonGroup>
#include <QDate>
#include <QStringList>

#include "familytaxdata.h"
#include "formtables.h"
#include "newreturnanswers.h"
#include "t1.h"
#include "tabwndapp.h"
#include "ui_ppgnewreturnbasic_formoption.h"
#include "ui_ppgnewreturnbasic_spouse.h"
#include "ui_ppgnewreturnbasic_tab1.h"
#include "utils.h"
#include "wizardbase.h"

namespace {

enum { kTaxpayerPage, kSpousePage, kSchedulePage };

bool blank(const CStringField* field)
{
    return field->GetValue().toQString().trimmed().isEmpty();
}

// What a person page still needs before it is left, one line per answer,
// checked by the T1's own rules: a S.I.N. that was typed must pass the
// T1's check (an empty one may be given later), a birth date must be
// possible. An empty `noProvinceText` asks for no province. Empty when the
// page may be left.
QStringList missingAnswers(const CStringField* first, const CStringField* last, const CIntField* province,
                           const CStringField* sin, const CDateField* birth, const QString& noProvinceText)
{
    QStringList missing;
    if (blank(first)) missing << QStringLiteral("Please enter the first name.");
    if (blank(last)) missing << QStringLiteral("Please enter the last name.");
    const int chosen = province->GetValue();
    if (chosen == 0 && !noProvinceText.isEmpty())
        missing << noProvinceText;
    else if (IsProvinceSupported(chosen) && !HasProvincialLibrary(chosen))
        missing << QStringLiteral("This program cannot work out a return for %1. Please choose another province "
                                  "or territory.")
                       .arg(QString::fromUtf8(Global_Provs_Info[chosen].displayText));
    const CString digits = sinDigits(sin->GetTrimedString());
    const char* why = nullptr;
    if (!digits.IsEmpty() && !CheckSIN(digits.c_str(), &why))
        missing << QStringLiteral("Social Insurance Number \"%1\": %2 Correct it, or leave it empty to enter it later.")
                       .arg(sin->GetTrimedString().toQString(), QString::fromUtf8(why));
    if (!TaxData_T1New::isPossibleBirthDate(birth->GetValue()))
        missing << QString::fromUtf8(TaxData_T1New::kBirthDateText);
    return missing;
}

// Says what is missing on the page and keeps it; true when nothing is.
bool pageComplete(const QStringList& missing, QWidget* page)
{
    if (missing.isEmpty()) return true;
    TabWndApp::gAppInformation(missing.join(QLatin1Char('\n')), page);
    return false;
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
    return pageComplete(missingAnswers(m_answers->fld_FirstName, m_answers->fld_LastName, m_answers->fld_TaxPronv,
                                       m_answers->fld_sin, m_answers->fld_dob,
                                       QStringLiteral("Please choose the tax province (residence on Dec. 31 of the "
                                                      "tax year).")),
                        this);
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

QString PpgNewReturnBasic_Spouse::provinceMissingText()
{
    return QStringLiteral("Please choose the spouse's province or territory of residence, or tick \"Spouse is a "
                          "non-resident of Canada\".");
}

void PpgNewReturnBasic_Spouse::initializePage()
{
    const int taxpayerProvince = m_answers->fld_TaxPronv->GetValue();
    // The spouse's combo offers the provinces and territories only: a
    // non-resident code is no province to live in, and a coupled spouse given
    // one would be made a non-resident in silence.
    m_answers->fld_TaxPronvSpouse->SetValue(IsProvinceSupported(taxpayerProvince) ? taxpayerProvince : 0);
    PpgWizardPage::initializePage();
    ui->fld_TaxPronvSpouse->SetCurSelData(m_answers->fld_TaxPronvSpouse->GetValue());
    onNonResidentToggled(ui->fld_SpouseNonResident->isChecked());
}

bool PpgNewReturnBasic_Spouse::validatePage()
{
    PpgWizardPage::validatePage();
    // A spouse living outside Canada answers the province with the tick.
    const QString noProvince = m_answers->fld_SpouseNonResident->GetValue() ? QString() : provinceMissingText();
    return pageComplete(missingAnswers(m_answers->fld_FirstNameSpouse, m_answers->fld_LastNameSpouse,
                                       m_answers->fld_TaxPronvSpouse, m_answers->fld_sinSpouse,
                                       m_answers->fld_dobSpouse, noProvince),
                        this);
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
