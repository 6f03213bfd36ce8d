// Filing the current person's T1135 statement: the form must be in the
// return and pass its own check; its XML goes into a work file that the form
// filing dialog sends. Defined here rather than in the editor, for it
// reaches the form filing dialog above the editor.

#include <QFile>

#include "cformfilingdlg.h"
#include "familytaxdata.h"
#include "form_return.h"
#include "formtypes.h"
#include "tabwndapp.h"
#include "workfile.h"

int Form_Return::OnFileT1135()
{
    refreshCurTabDataFromDoc();
    if (!m_data->HasForm(FormType::T1135)) {
        TabWndApp::gAppInformation(QStringLiteral("Please add form T1135 into tax return first!"), this);
        return 111;
    }
    if (ValidateTaxForm(TabWndApp::s_appPurpose, FormType::T1135, false, false) > 0) return 118;

    CString sin, first, last;
    m_data->getFedStringClaimed(1, sin);
    m_data->getFedStringClaimed(11, first);
    m_data->getFedStringClaimed(12, last);
    const CString name = first + " " + last;
    const QString workFile = WorkFile::path(*m_data, "_2021_t1135.xml");

    QString reason;
    FILE* out = WorkFile::create(workFile, reason);
    if (!out) {
        TabWndApp::gAppInformation(WorkFile::notCreatedText(workFile, reason), this);
        return 104;
    }
    const int built = m_data->getT1135XMLContent(out);
    const bool written = WorkFile::finish(out);

    if (built != 0) {
        // The half-written file goes before the user is told.
        QFile::remove(workFile);
        TabWndApp::gAppInformation(QStringLiteral("%1 message creation failed, error code=[%2].")
                                       .arg(QStringLiteral("T1135 Filing"))
                                       .arg(built),
                                   this);
        return 111;
    }
    if (!written) {
        QFile::remove(workFile);
        TabWndApp::gAppInformation(WorkFile::notWrittenText(workFile), this);
        return 104;
    }
    {
        CFormFilingDlg dialog(CString(), CString(), FormType::T1135, m_data, this);
        dialog.SetStringInfo(name, sin, CString(workFile));
        dialog.exec();
    }
    refreshCurTabDataFromDoc();
    QFile::remove(workFile);
    return 0;
}
