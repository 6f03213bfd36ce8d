// The Filing/Print menu's validation and print commands and the developer's
// "Generate Print Files": each stores the shown page's edits (which also
// recalculates) and hands the command to the editor shown.

#include "form_return.h"
#include "mainwindow.h"
#include "returnprinter.h"
#include "tabwndapp.h"
#include "utils.h"

void MainWindow::on_actionValidate_Return_triggered()
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    editor->ValidateTaxReturn(TabWndApp::s_appPurpose, true, false);
}

void MainWindow::on_actionGenerate_Print_pdf_Files_triggered()
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    if (!makeFolderExists(m_app->config().m_RetPdfPath.toQString())) {
        TabWndApp::gAppInformation(
            QStringLiteral("Quillmere cannot open or create the file folder for printable tax form (.pdf) file."),
            this);
        return;
    }
    editor->OnFileCreatePdfFile(true);
}

// The report maker's sources need no open return.
void MainWindow::actionGeneratePrintFiles()
{
    if (Form_Return* editor = shownEditor()) {
        editor->OnCreateJavaXML();
        return;
    }
    ReturnPrinter(nullptr, &m_app->config(), TabWndApp::s_appPurpose, this).OnCreateJavaXML();
}
