// The editor's planning commands: both work on a copy of the open return, so
// only an accepted pension split ever reaches the return itself.

#include <memory>

#include "dlgoptimizereturn.h"
#include "dlgtaxplanning.h"
#include "familytaxdata.h"
#include "federalforms.h"
#include "form_return.h"
#include "formtypes.h"
#include "shareamountdata.h"
#include "shareamtdlg_tab1.h"
#include "tabwndapp.h"
#include "wizardbase.h"

namespace {

// A copy of the return that frees its data when it goes.
struct ReturnCopy
{
    explicit ReturnCopy(const CFamilyTaxData& from) : data(new CFamilyTaxData(from.mode())) { *data = from; }
    ~ReturnCopy()
    {
        data->FreeData();
        delete data;
    }
    ReturnCopy(const ReturnCopy&) = delete;
    ReturnCopy& operator=(const ReturnCopy&) = delete;
    CFamilyTaxData* data;
};

TaxData_T1032_New* t1032Of(IndividualTaxData* person)
{
    return person ? dynamic_cast<TaxData_T1032_New*>(person->GetFormData(FormType::T1032, false)) : nullptr;
}

} // namespace

void Form_Return::taxPlanning()
{
    ReturnCopy copy(*m_data);
    DlgTaxPlanning dialog(copy.data, this);
    dialog.exec();
}

void Form_Return::optimizeReturn()
{
    if (!m_data->IsCoupledReturn()) {
        TabWndApp::gAppInformation(QStringLiteral("Right now, optimize function is only targeted coupled tax return "
                                                  "for married/common-law tax returns."),
                                   this);
        return;
    }
    IndividualTaxData* taxpayer = m_data->taxpayer();
    IndividualTaxData* spouse = m_data->spouse();

    DataShareAmtDlg shares;
    const bool hadSchedules = taxpayer->GetFormData(FormType::Schedule9, false)
        && spouse->GetFormData(FormType::Schedule9, false);
    shares.fld_Donation_1_Claimed->SetValue(
        taxpayer->GetFormData(FormType::Schedule9, true)->getFloat("total_eligible_donations"));
    shares.fld_Donation_2_Claimed->SetValue(
        spouse->GetFormData(FormType::Schedule9, true)->getFloat("total_eligible_donations"));
    if (!hadSchedules) syncFolderView(true, false);

    TaxData_T1032_New* own = t1032Of(taxpayer);
    TaxData_T1032_New* other = t1032Of(spouse);
    const bool ownPensioner = own && own->role() == TaxData_T1032_New::ROLE_PENSIONER;
    const bool otherPensioner = other && other->role() == TaxData_T1032_New::ROLE_PENSIONER;
    if (own && other && !ownPensioner && !otherPensioner) {
        TabWndApp::gAppInformation(QStringLiteral("Please answer who is the pension transferer in form T1032 first."),
                                   this);
        return;
    }
    if (TaxData_T1032_New* pensioner = ownPensioner ? own : otherPensioner ? other : nullptr) {
        for (CFloatField* field : {shares.fld_Pension_1_Claimed, shares.fld_Pension_2_Claimed})
            field->SetValue(pensioner->getFloat("split_amount"));
        // The slider's range later: the election never splits more than this.
        for (CFloatField* field : {shares.fld_Pension_1, shares.fld_Pension_2})
            field->SetValue(pensioner->getFloat("max_split"));
    }

    auto* page = new ShareAmtDlg_tab1(&shares, m_data, nullptr);
    WizardBase wizard(this, QStringLiteral("Identify Shareable Amounts"));
    wizard.addPage(page);
    wizard.initUI(860, 500);
    wizard.setButtonText(QWizard::FinishButton, QStringLiteral("Optimize"));
    if (!wizard.exec()) return;

    double bestSplit = 0;
    {
        ReturnCopy copy(*m_data);
        copy.data->DoCoupledReturnOptimize(&shares);
        DlgOptimizeReturn dialog(copy.data, &shares, this);
        if (!dialog.exec()) return;
        bestSplit = dialog.bestPensionSplit();
    }

    // The dialog showed a split on copies it made itself: the return takes it
    // only where both spouses elect on their own T1032.
    if (!own || !other) {
        TabWndApp::gAppInformation(QStringLiteral("The pension split was not set: form T1032 must be in both "
                                                  "spouses' returns."),
                                   this);
        return;
    }
    MyWaitCursor wait;
    for (TaxData_T1032_New* form : {own, other}) {
        form->setBool("is_elected", true);
        form->setFloat("split_amount", bestSplit);
    }
    onSignalCalc(nullptr, nullptr);
}
