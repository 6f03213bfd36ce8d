#include "dlgtaxplanning.h"

#include <algorithm>
#include <cmath>

#include "familytaxdata.h"
#include "formtypes.h"
#include "slidervalue.h"
#include "styledwidgets.h"
#include "t1.h"
#include "tabwndapp.h"
#include "taxdataform.h"
#include "ui_dlgtaxplanning.h"
#include "utils.h"

namespace {

constexpr int kFullName = 17;

QString wholeDollars(double amount)
{
    return QString::number(amount, 'f', 0);
}

QString fullName(const IndividualTaxData* person)
{
    CString name;
    if (person) person->getFedStringClaimed(kFullName, name);
    return name.toQString();
}

} // namespace

DlgTaxPlanning::DlgTaxPlanning(CFamilyTaxData* family, QWidget* parent)
    : QDialog(parent), ui(new Ui::DlgTaxPlanning), m_family(family)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Tax Planning"));
    for (int i = 0; i < kRows; ++i)
        connect(row(i).maximum, &QLineEdit::editingFinished, this, &DlgTaxPlanning::onLineEditFinished);
    connect(ui->sldRRSP, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderRRSPChanged);
    connect(ui->sldDonation, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderDonationChanged);
    connect(ui->sldIncome, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderIncomeChanged);
    connect(ui->sldDeduction, &QSlider::valueChanged, this, &DlgTaxPlanning::onSliderDeductionChanged);
    InitSomeValues();
    onLineEditFinished();
}

DlgTaxPlanning::~DlgTaxPlanning()
{
    // A focused box still reports editing finished as the widgets go.
    for (int i = 0; i < kRows; ++i) disconnect(row(i).maximum, nullptr, this, nullptr);
    delete ui;
}

DlgTaxPlanning::RowWidgets DlgTaxPlanning::row(int which) const
{
    switch (which) {
    case RRSP: return {ui->sldRRSP, ui->edtRRSPMax, ui->lblCurRRSP};
    case Donation: return {ui->sldDonation, ui->edtDonationMax, ui->lblCurDonation};
    case Income: return {ui->sldIncome, ui->edtIncomeMax, ui->lblCurIncome};
    default: return {ui->sldDeduction, ui->edtDeductionMax, ui->lblCurDeduction};
    }
}

void DlgTaxPlanning::resultLines(QString lines[3]) const
{
    const IndividualTaxData* person = m_family->getCurIndvTaxData();
    lines[0] = QStringLiteral("%1 - %2").arg(m_name, person ? person->GetReturnStatusString(0).toQString() : QString());
    lines[1].clear();
    lines[2].clear();
    if (!m_coupled) return;
    const IndividualTaxData* other = m_family->getNonCurIndvTaxData();
    lines[1] = QStringLiteral("%1 - %2").arg(m_otherName, other ? other->GetReturnStatusString(0).toQString() : QString());
    lines[2] = QStringLiteral("%1 - %2").arg(QStringLiteral("Family Result"),
                                             m_family->GetFamilyReturnStatusString().toQString());
}

void DlgTaxPlanning::InitSomeValues()
{
    m_coupled = m_family->IsCoupledReturn();
    IndividualTaxData* person = m_family->getCurIndvTaxData();
    m_name = fullName(person);
    m_otherName = m_coupled ? fullName(m_family->getNonCurIndvTaxData()) : QString();

    if (person) {
        // Read only: planning never makes a form in the return it starts from.
        // The row starts at the deduction the return claims: Schedule 7's, or
        // the one typed on the T1 when there is no schedule (the schedule
        // that calc makes must carry it on). Transfers are deducted beyond
        // the limit, so the maximum is never below the claim: opening the
        // dialog must not lower the deduction.
        const TaxData_T1New* t1 = person->t1();
        m_amount[RRSP] = t1 ? t1->rrspDeduction() : 0.0;
        const CTaxData_Form* sch7 = person->GetFormData(FormType::Schedule7, false);
        m_max[RRSP] = std::max(sch7 ? sch7->getFloat("rrsp_deduction_limit") : 0.0, m_amount[RRSP]);
        if (sch7 || m_max[RRSP] > 0) ui->edtRRSPMax->setText(wholeDollars(m_max[RRSP]));
        if (CTaxData_Form* sch9 = person->GetFormData(FormType::Schedule9, false)) {
            m_max[Donation] = m_amount[Donation] = sch9->getFloat("total_eligible_donations");
            ui->edtDonationMax->setText(wholeDollars(m_max[Donation]));
        }
    }

    QString lines[3];
    resultLines(lines);
    ui->lblResult1_2->setText(lines[0]);
    ui->lblResult2_2->setText(lines[1]);
    ui->lblResult3_2->setText(lines[2]);
    showCurResult();
}

void DlgTaxPlanning::onLineEditFinished()
{
    for (int i = 0; i < kRows; ++i) {
        const RowWidgets w = row(i);
        // What is no amount (letters, a decimal comma) reads as 0, and no
        // maximum is below 0.
        double typed = 0.0;
        if (!readTypedAmount(w.maximum->text(), &typed)) typed = 0.0;
        m_max[i] = std::max(0.0, typed);
        w.maximum->setText(wholeDollars(m_max[i]));
        m_amount[i] = std::min(m_amount[i], m_max[i]);
        // A value the new range clips runs the row's slot, which recalculates.
        w.slider->setRange(0, sliderValue(m_max[i]));
        w.slider->setValue(sliderValue(m_amount[i]));
    }
}

void DlgTaxPlanning::onSliderChanged(int which, int value)
{
    m_amount[which] = value;
    row(which).current->setText(QString::number(value));
    calc();
}

void DlgTaxPlanning::onSliderRRSPChanged(int value) { onSliderChanged(RRSP, value); }
void DlgTaxPlanning::onSliderDonationChanged(int value) { onSliderChanged(Donation, value); }
void DlgTaxPlanning::onSliderIncomeChanged(int value) { onSliderChanged(Income, value); }
void DlgTaxPlanning::onSliderDeductionChanged(int value) { onSliderChanged(Deduction, value); }

void DlgTaxPlanning::calc()
{
    MyWaitCursor wait;
    IndividualTaxData* person = m_family->getCurIndvTaxData();
    if (!person) return;

    if (CTaxData_Form* sch7 = person->GetFormData(FormType::Schedule7, true)) {
        sch7->setFloat("rrsp_deduction_limit", m_max[RRSP]);
        sch7->setFloat("planned_deduction", m_amount[RRSP]);
        sch7->setBool("deduction_planned", true);
        m_family->Calculate(FROM_FORM, sch7);
    }

    // A donation back at 0 must reach a schedule the copy has, or the result
    // would keep the last donation above 0; none is made for it, though.
    const bool donates = m_amount[Donation] > 0;
    if (CTaxData_Form* sch9 = person->GetFormData(FormType::Schedule9, donates)) {
        sch9->setFloat("planned_donations", m_amount[Donation]);
        sch9->setBool("donations_planned", true);
        sch9->setFloat("shared_donations", 0.0);
        m_family->Calculate(FROM_FORM, sch9);
    }

    if (CTaxData_Form* t1 = person->GetFormData(FormType::T1, false)) {
        t1->setFloat("planned_income", m_amount[Income]);
        t1->setFloat("planned_deduction", m_amount[Deduction]);
        m_family->Calculate(FROM_FORM, t1);
    }
    showCurResult();
}

void DlgTaxPlanning::showCurResult()
{
    QString lines[3];
    resultLines(lines);
    ui->lblResult1_1->setText(lines[0]);
    ui->lblResult2_1->setText(lines[1]);
    ui->lblResult3_1->setText(lines[2]);
}
