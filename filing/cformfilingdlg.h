#pragma once
// Submits one agency form apart from the T1 return: the T1135 statement
// (101), the T1013 authorisation (117) or the pre-authorised debit agreement
// (181). The caller has written the request file; OK sends it, shows the
// result, records the form's filing status in the return and closes. Enter
// presses Cancel, so nothing is sent by a stray key.

#include <map>
#include <string>

#include <QDialog>

#include "cstring.h"
#include "enumtypes.h"
#include "formtypes.h"

class CFamilyTaxData;
class Form_Return;

namespace Ui {
class CFormFilingDlg;
}

class CFormFilingDlg : public QDialog
{
    Q_OBJECT

public:
    using RequestValues = std::map<std::string, std::string>;
    // The pre-authorised debit agreement is the form of type 181 throughout:
    // the send path, the form table and the note the return keeps.
    static constexpr ENUMTYPE_FORM kPadForm = FormType::T185;

    CFormFilingDlg(const CString& efilerNumber, const CString& efilerPassword, ENUMTYPE_FORM form,
                   CFamilyTaxData* family, Form_Return* editor);
    ~CFormFilingDlg() override;

    void SetStringInfo(const CString& name, const CString& sin, const CString& requestFile);
    void SetLabel3(const CString& text);

    // One submission, then the dialog closes whatever the outcome.
    void accept() override;
    // T1013 and PAD; 0.
    int fileT1013orT185(RequestValues& values);
    // The request's result, or the terms step's non-zero result.
    int fileT1135(RequestValues& values);

    bool isFiled() const { return m_filed; }
    const QByteArray& formName() const { return m_formName; }

private:
    Q_DISABLE_COPY(CFormFilingDlg)
    Form_Return* m_editor;
    QByteArray m_formName;
    ENUMTYPE_FORM m_form;
    CString m_efilerNumber;
    CString m_efilerPassword;
    CFamilyTaxData* m_family;
    bool m_filed = false;
    CString m_sin;
    CString m_name;
    CString m_requestFile;
    Ui::CFormFilingDlg* ui;
};
