#pragma once
// The last step of filing one person's T1 return: shows whose return and its
// result, asks for a confirmation, transmits the electronic return by EFILE
// (mode 1) or NETFILE (any other mode), shows the agency's answer and keeps
// three results for the caller. The dialog always ends with result 0.

#include <QDialog>
#include <QMutex>
#include <QString>

#include "cstring.h"

class CFamilyTaxData;
class Form_Return;
class QAbstractButton;

namespace Ui {
class CNetfileResultDlg;
}

class CNetfileResultDlg : public QDialog
{
    Q_OBJECT

public:
    // refile: non-zero for an amended return (the ReFILE terms).
    CNetfileResultDlg(int mode, CFamilyTaxData* family, int refile, Form_Return* editor);
    ~CNetfileResultDlg() override;

    void SetStringInfo(const CString& workFile, const CString& statusLine, const CString& name);
    // In test mode the test-case field is shown and its text is sent.
    static bool allowTestId();

    // The outcome, read after exec(): filed only when the agency accepted
    // the return; the confirmation (or an EFILE rejection's codes); the
    // agency's message of an accepted return.
    bool isFiled() const { return m_filed; }
    const CString& filingText() const { return m_filingText; }
    const CString& resultMessage() const { return m_resultMessage; }

    void onSendInternetFile();
    void sendEFile(const CString& efilerNumber, const CString& efilerPassword);
    void sendNetFile();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_buttonBox_clicked(QAbstractButton* button);

private:
    Q_DISABLE_COPY(CNetfileResultDlg)
    Form_Return* m_editor;
    QMutex m_sendLock;
    int m_mode;
    Ui::CNetfileResultDlg* ui;
    CFamilyTaxData* m_family;
    int m_refile;
    CString m_workFile;
    CString m_name;
    CString m_statusLine;
    bool m_filed = false;
    CString m_filingText;
    CString m_resultMessage;
    QString m_testCaseId;
    CString m_email;
    double m_balance = 0.0;
};
