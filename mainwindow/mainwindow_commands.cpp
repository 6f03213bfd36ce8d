// The main window's commands other than opening, saving and closing returns.
// Those that work on the return shown do nothing while no editor is shown;
// the ones still empty come with their own commands.

#include "dlgfilingterm.h"
#include "dlgtddmain.h"
#include "form_return.h"
#include "formtypes.h"
#include "sqlitedbmanager.h"
#include "mainwindow.h"
#include "tabwndapp.h"

// The editor's own commands run on the return shown, its page's edits stored first.
void MainWindow::onShownEditor(void (Form_Return::*command)())
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    if (command) (editor->*command)();
    syncWndTitleAndStatus();
}

void MainWindow::addSlip(int type)
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    editor->addTaxSlip(type);
}

// Neither ReFile action changes anything in this version; without a return
// the enabled one still says what it needs.
void MainWindow::on_actionSet_Return_for_ReFile_triggered() {}
void MainWindow::on_actionUn_set_Return_for_ReFile_triggered() { commandEditor(); }

void MainWindow::on_actionAuto_Fill_AFR_triggered()
{
    _doTDDorAFR(true);
    syncWndTitleAndStatus();
}

void MainWindow::on_actionExpress_NOA_triggered() { _doTDDorAFR(false); }

void MainWindow::_doTDDorAFR(bool autoFill)
{
    if (!autoFill && (TabWndApp::s_appPurpose & 2)) {
        // Only informs: the command goes on whatever the answer.
        DlgFilingTerm notice(0, this);
        notice.setHeader(QStringLiteral("Electronic NOA Notice"), QStringLiteral("  "));
        notice.setMsg(QStringLiteral("I have read the NOA notice message"), QString(),
                      QStringLiteral("Express NOA Notice"), ":/tdd/tdd/noa_notice.txt");
        notice.exec();
    }
    Form_Return* editor = shownEditor();
    CString sin;
    if (editor) editor->getFedStringClaimed(1, sin);
    DlgTDDMain records(autoFill ? 1 : 2, m_app->database().getDBHandle(), sin, editor, this);
    records.exec();
}

void MainWindow::on_actionChange_Tax_Province_triggered() { onShownEditor(&Form_Return::taxReturnChangeProvince); }
void MainWindow::on_actionDe_Couple_Return_1to2_triggered() { onShownEditor(&Form_Return::deCoupleReturn); }

void MainWindow::on_actionRemove_Selected_Slip_triggered() { onShownEditor(&Form_Return::removeSelected); }
void MainWindow::on_actionShare_slip_with_spouse_triggered() { onShownEditor(&Form_Return::shareSelectedSlip); }
void MainWindow::on_actionUn_share_slip_with_spouse_triggered() { onShownEditor(&Form_Return::unshareSelectedSlip); }
void MainWindow::on_actionAdd_PRPP_slip_triggered() { addSlip(SlipType::PRPP); }
void MainWindow::on_actionAdd_RC62_slip_triggered() { addSlip(SlipType::RC62); }
void MainWindow::on_actionAdd_RC210_slip_triggered() { addSlip(SlipType::RC210); }
void MainWindow::on_actionAdd_Manitoba_shelter_benefit_slip_triggered() { addSlip(SlipType::MBShelter); }
void MainWindow::on_actionAdd_T3_slip_triggered() { addSlip(SlipType::T3); }
void MainWindow::on_actionAdd_T4_slip_triggered() { addSlip(SlipType::T4); }
void MainWindow::on_actionAdd_T4A_slip_triggered() { addSlip(SlipType::T4A); }
void MainWindow::on_actionAdd_T4A_OAS_slip_triggered() { addSlip(SlipType::T4AOAS); }
void MainWindow::on_actionAdd_T4A_P_slip_triggered() { addSlip(SlipType::T4AP); }
void MainWindow::on_actionAdd_T4A_RCA_slip_triggered() { addSlip(SlipType::T4ARCA); }
void MainWindow::on_actionAdd_T4E_slip_triggered() { addSlip(SlipType::T4E); }
void MainWindow::on_actionAdd_T4PS_slip_triggered() { addSlip(SlipType::T4PS); }
void MainWindow::on_actionAdd_T4RIF_slip_triggered() { addSlip(SlipType::T4RIF); }
void MainWindow::on_actionAdd_T4RSP_slip_triggered() { addSlip(SlipType::T4RSP); }
void MainWindow::on_actionAdd_T5_slip_triggered() { addSlip(SlipType::T5); }
void MainWindow::on_actionAdd_T1204_slip_triggered() { addSlip(SlipType::T1204); }
void MainWindow::on_actionAdd_T2202_slip_triggered() { addSlip(SlipType::T2202); }
void MainWindow::on_actionAdd_T5003_slip_triggered() { addSlip(SlipType::T5003); }
void MainWindow::on_actionAdd_T5006_slip_triggered() { addSlip(SlipType::T5006); }
void MainWindow::on_actionAdd_T5007_triggered() { addSlip(SlipType::T5007); }
void MainWindow::on_actionAdd_T5013_slip_triggered() { addSlip(SlipType::T5013); }
void MainWindow::on_actionAdd_NR4_slip_triggered() { addSlip(SlipType::NR4); }
void MainWindow::on_actionAdd_a_tax_note_triggered() { onShownEditor(&Form_Return::addTaxNote); }

void MainWindow::on_actionRemove_Selected_Form_Schedule_triggered() { onShownEditor(&Form_Return::removeSelected); }
void MainWindow::on_actionAdd_a_Tax_Form_triggered() { onShownEditor(&Form_Return::addTaxForm); }
void MainWindow::on_actionArrange_Order_of_Tax_Forms_triggered() { onShownEditor(&Form_Return::changeFormsOrder); }
void MainWindow::on_actionShare_Form_to_Spouse_triggered() { onShownEditor(&Form_Return::shareSelectedForm); }
void MainWindow::on_actionUn_share_form_with_spouse_triggered() { onShownEditor(&Form_Return::unshareSelectedForm); }


void MainWindow::on_actionTax_Planning_triggered()
{
    if (Form_Return* editor = commandEditor()) {
        editor->saveCurFormDataToDoc();
        editor->taxPlanning();
    }
}

void MainWindow::on_actionOptimize_triggered()
{
    if (Form_Return* editor = commandEditor()) {
        editor->saveCurFormDataToDoc();
        editor->optimizeReturn();
    }
}

// Both only store the page: the forms are filed with the return.
void MainWindow::on_actionSubmit_E_Auth_former_T1013_triggered() { onShownEditor(nullptr); }
void MainWindow::on_actionSubmit_PAD_Pre_authorized_Debit_triggered() { onShownEditor(nullptr); }
// This entry is in no menu: it only follows the editor-shown state.
void MainWindow::on_actionSubmit_T1135_triggered() {}
void MainWindow::on_actionSend_T183_for_E_Signature_triggered() { submitForSignature(FormType::T183); }
void MainWindow::on_actionSend_E_Auth_for_E_Signature_triggered() { submitForSignature(FormType::T1013); }

void MainWindow::submitForSignature(int formType)
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    editor->OnSubmitPenvaultForm(ENUMTYPE_FORM(formType));
}

