#include "dlgoptimizereturn.h"

#include <QSignalBlocker>

#include "familytaxdata.h"
#include "federalforms.h"
#include "formtypes.h"
#include "shareamountdata.h"
#include "slidervalue.h"
#include "tabwndapp.h"
#include "ui_dlgoptimizereturn.h"

namespace {

constexpr int kFullName = 17;

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

QString fullName(const IndividualTaxData* person)
{
    CString name;
    if (person) person->getFedStringClaimed(kFullName, name);
    return name.toQString();
}

QString statusOf(const IndividualTaxData* person)
{
    return person ? person->GetReturnStatusString(0).toQString() : QString();
}

TaxData_T1032_New* t1032Of(IndividualTaxData* person, bool create)
{
    return person ? dynamic_cast<TaxData_T1032_New*>(person->GetFormData(FormType::T1032, create)) : nullptr;
}

CTaxData_Form* schedule9Of(IndividualTaxData* person)
{
    return person ? person->GetFormData(FormType::Schedule9, true) : nullptr;
}

} // namespace

DlgOptimizeReturn::DlgOptimizeReturn(CFamilyTaxData* family, DataShareAmtDlg* shares, QWidget* parent)
    : QDialog(parent), m_family(family), m_shares(shares), ui(new Ui::DlgOptimizeReturn)
{
    ui->setupUi(this);
    m_maxPension = m_shares->fld_Pension_1->GetValue();
    m_totalDonations = m_shares->fld_Donation_1->GetValue() + m_shares->fld_Donation_2->GetValue()
        + m_shares->fld_Donation_3->GetValue();
    TaxData_T1032_New* own = t1032Of(m_family->taxpayer(), true);
    TaxData_T1032_New* other = t1032Of(m_family->spouse(), true);
    if (own && other) m_pensionSplit = m_bestSplit = own->getFloat("split_amount");
    if (schedule9Of(m_family->taxpayer()) && schedule9Of(m_family->spouse()))
        m_donation1 = m_startDonation =
            m_shares->fld_Donation_1->GetValue() + m_shares->fld_Donation_3->GetValue() * 0.5;

    setWindowTitle(QStringLiteral("Optimize Tax Return"));
    connect(ui->sldPensionSplit, &QSlider::valueChanged, this, &DlgOptimizeReturn::onSliderPensionChanged);
    connect(ui->sldDonation, &QSlider::valueChanged, this, &DlgOptimizeReturn::onSliderDonationChanged);
    connect(ui->btnReCalc, &QPushButton::clicked, this, &DlgOptimizeReturn::on_btnReCalc);
}

DlgOptimizeReturn::~DlgOptimizeReturn()
{
    delete ui;
}

void DlgOptimizeReturn::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    const QString name1 = fullName(m_family->taxpayer());
    const QString name2 = fullName(m_family->spouse());
    for (QLabel* label : {ui->lblName1, ui->lblFullName1, ui->lblBestFullName1}) label->setText(name1);
    for (QLabel* label : {ui->lblName2, ui->lblFullName2, ui->lblBestFullName2}) label->setText(name2);
    {
        // Setting the ranges must not run the sliders' recalculation.
        const QSignalBlocker pension(ui->sldPensionSplit);
        const QSignalBlocker donation(ui->sldDonation);
        ui->lblMaxPension->setText(amount(m_maxPension));
        ui->sldPensionSplit->setRange(0, sliderValue(m_maxPension));
        ui->lblMaxDonation->setText(amount(m_totalDonations));
        ui->sldDonation->setRange(0, sliderValue(m_totalDonations));
    }
    updateResult();
    ui->lblBestResultTitle->setText(QStringLiteral("Best Result: pension split = [%1]").arg(m_bestSplit, 0, 'f', 2));
    ui->lblBestResult1->setText(statusOf(m_family->taxpayer()));
    ui->lblBestResult2->setText(statusOf(m_family->spouse()));
    ui->lblFamilyBest->setText(m_family->GetFamilyReturnStatusString().toQString());
}

void DlgOptimizeReturn::updateResult()
{
    // A slider that moves here runs its slot, which recalculates the copy at
    // the whole-dollar value and comes back through here: the copy always
    // holds what the sliders show, and the texts below end in that state.
    ui->sldPensionSplit->setValue(sliderValue(m_pensionSplit));
    ui->sldDonation->setValue(sliderValue(m_donation1));
    ui->edtPension->setText(amount(m_pensionSplit));
    ui->edtDonation1->setText(amount(m_donation1));
    ui->edtDonation2->setText(amount(m_totalDonations - m_donation1));
    ui->lblResult1->setText(statusOf(m_family->taxpayer()));
    ui->lblResult2->setText(statusOf(m_family->spouse()));
    ui->lblFamilyResult->setText(m_family->GetFamilyReturnStatusString().toQString());
}

void DlgOptimizeReturn::ReCalculate()
{
    CTaxData_Form* own9 = schedule9Of(m_family->taxpayer());
    CTaxData_Form* other9 = schedule9Of(m_family->spouse());
    if (own9 && other9) {
        own9->setFloat("shared_donations", m_donation1 - m_shares->fld_Donation_1->GetValue());
        other9->setFloat("shared_donations",
                         m_totalDonations - m_donation1 - m_shares->fld_Donation_2->GetValue());
        m_family->Calculate(FROM_FORM, own9);
    }
    TaxData_T1032_New* own = t1032Of(m_family->taxpayer(), false);
    TaxData_T1032_New* other = t1032Of(m_family->spouse(), false);
    if (own && other) {
        own->setFloat("split_amount", m_pensionSplit);
        other->setFloat("split_amount", m_pensionSplit);
        m_family->Calculate(FROM_FORM, own);
    }
}

void DlgOptimizeReturn::onSliderPensionChanged(int value)
{
    MyWaitCursor wait;
    m_pensionSplit = value;
    ReCalculate();
    updateResult();
}

void DlgOptimizeReturn::onSliderDonationChanged(int value)
{
    MyWaitCursor wait;
    m_donation1 = value;
    ReCalculate();
    updateResult();
}

void DlgOptimizeReturn::on_btnReCalc()
{
    MyWaitCursor wait;
    m_donation1 = m_startDonation;
    m_pensionSplit = m_bestSplit;
    ReCalculate();
    updateResult();
}

void DlgOptimizeReturn::on_btnOptimize_clicked()
{
    accept();
}

void DlgOptimizeReturn::on_btnClose_clicked()
{
    reject();
}
