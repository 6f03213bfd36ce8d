// The editor's print and validation commands: the printer works on the
// return shown, its file as last saved and the item selected in the tree.

#include "familytaxdata.h"
#include "folderview.h"
#include "form_return.h"
#include "returnprinter.h"
#include "t1appconfig.h"
#include "tabwndapp.h"

ReturnPrinter* Form_Return::printer()
{
    if (!m_printer) {
        // Without the application object (an editor made on its own) the
        // printer reads the settings' defaults.
        static CT1AppConfig defaults;
        TabWndApp* app = TabWndApp::getMainApp();
        m_printer = new ReturnPrinter(m_data, app ? &app->config() : &defaults, TabWndApp::s_appPurpose, this);
        // Printing saves first through the editor, so the snapshot, the
        // backup and the recent-returns list follow as for Save.
        m_printer->setSaver([this](const QString&) { return saveReturnFile(true) != 1; });
    }
    m_printer->setReturnFile(m_folder.toQString(), m_fileName.toQString());
    ReturnPrinter::Selection selection;
    folderView()->getSelectedData(selection.kind, selection.type, selection.id);
    m_printer->setSelection(selection);
    return m_printer;
}

int Form_Return::ValidateTaxReturn(unsigned char mode, bool reportPass, bool askFirst)
{
    return printer()->ValidateTaxReturn(mode, reportPass, askFirst);
}

void Form_Return::OnFileCreatePdfFile(bool flag)
{
    printer()->OnFileCreatePdfFile(flag);
}

int Form_Return::CreatePDF(int mode, int formType, int formId, int flags, CString* pdfPath)
{
    return printer()->CreatePDF(mode, formType, formId, flags, pdfPath);
}

void Form_Return::OnCreateJavaXML()
{
    printer()->OnCreateJavaXML();
}
