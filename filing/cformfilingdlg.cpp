#include "cformfilingdlg.h"

#include <QPushButton>

#include "agencyclient.h"
#include "familytaxdata.h"
#include "filingoutcome.h"
#include "form_return.h"
#include "formtables.h"
#include "formtypes.h"
#include "netfileclient.h"
#include "netfileterms.h"
#include "prompt.h"
#include "t1135client.h"
#include "tabwndapp.h"
#include "ui_cformfilingdlg.h"

CFormFilingDlg::CFormFilingDlg(const CString& efilerNumber, const CString& efilerPassword, ENUMTYPE_FORM form,
                               CFamilyTaxData* family, Form_Return* editor)
    : QDialog(editor), m_editor(editor), m_form(form), m_efilerNumber(efilerNumber), m_efilerPassword(efilerPassword),
      m_family(family), ui(new Ui::CFormFilingDlg)
{
    ui->setupUi(this);
    QString title;
    if (form == kPadForm) {
        title = QStringLiteral("Submit PAD");
        m_formName = "T183-PAD";
    } else if (form == FormType::T1135) {
        title = QStringLiteral("Submit T1135");
        m_formName = "T1135";
    } else {
        title = form == FormType::T1013 ? QStringLiteral("Submit E-Auth") : QStringLiteral("EFile Online");
        if (form > 0 && form <= MAX_FORM_TYPE && Global_Forms_Info[form].longName)
            m_formName = Global_Forms_Info[form].longName;
    }
    setWindowTitle(title);
    QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel);
    ok->setText(title);
    // Enter presses Cancel wherever the focus is: OK must never be the
    // default, not even the auto-default of a focused button.
    ok->setAutoDefault(false);
    cancel->setDefault(true);
}

CFormFilingDlg::~CFormFilingDlg()
{
    delete ui;
}

void CFormFilingDlg::SetStringInfo(const CString& name, const CString& sin, const CString& requestFile)
{
    m_name = name;
    m_sin = sin;
    m_requestFile = requestFile;
    if (m_form == kPadForm)
        ui->lbl1->setText(QStringLiteral("Submit Pre-Authorized Debit Agreement"));
    else if (m_form == FormType::T1135)
        ui->lbl1->setText(QStringLiteral("Submit T1135 to CRA"));
    else if (m_form == FormType::T1013)
        ui->lbl1->setText(QStringLiteral("Submit E-Authorization (T1013) to Represent a Tax Payer"));
    // The name and the number are the return's data inside the label's markup.
    ui->lbl2->setText(QStringLiteral(" This filing is for <b>%1 (%2)</b>")
                          .arg(name.toQString().toHtmlEscaped(), sin.toQString().toHtmlEscaped()));
}

void CFormFilingDlg::SetLabel3(const CString& text)
{
    ui->lbl3->setText(text.toQString());
}

void CFormFilingDlg::accept()
{
    RequestValues values;
    putEscaped(values, "efilerid", m_efilerNumber);
    putEscaped(values, "password", m_efilerPassword);
    if (m_form == FormType::T1013 || m_form == kPadForm)
        fileT1013orT185(values);
    else
        fileT1135(values);
    QDialog::accept();
}

int CFormFilingDlg::fileT1135(RequestValues& values)
{
    int testId = 0;
    if (TabWndApp::getMainApp()->config().isTestMode()) {
        const QString entered = Prompt::getText(QStringLiteral("test ID"), QStringLiteral("Enter testcase ID:"), false,
                                                QString(), nullptr, this);
        putEscaped(values, "testid", CString(entered));
        testId = entered.toInt(nullptr, 10);
    }
    int agreement = 0;
    if (const int terms = NetfileSOAP_request1(agreement, false, this)) return terms;
    CString email;
    double balance = 0.0;
    m_family->getNetfileDataInfo(values, agreement, email, balance, testId);

    StructT1135SoapResult result;
    int rc = 0;
    {
        MyWaitCursor wait;
        rc = T1135SOAP_request(values, m_requestFile.c_str(), &result);
    }
    const QString title = QStringLiteral("T1135 Web Service Result");
    const QString time = FilingOutcome::now();
    if (rc != 0) {
        TabWndApp::gAppInformation(QStringLiteral("Error filing T1135, return code = %1.").arg(rc), this);
        return rc;
    }
    // An empty confirmation is no filing, whatever the reply's flag says.
    m_filed = !result.confirmationCode.IsEmpty();
    {
        MyWaitCursor wait;
        if (m_editor)
            m_editor->sendFilingRecord(m_form, m_filed, result.confirmationCode.toQString(),
                                       result.message.toQString());
    }
    if (!m_filed) {
        const QString header = QStringLiteral("%1 submission failed. \nThe error codes are [%2].\nTime: %3")
                                   .arg(m_name.toQString(), result.resultCode.toQString(), time);
        m_family->updateFilingStatus(m_form, -1, CString(header));
        FilingOutcome::show(this, title, header, result.message.toQString(), QString(), FilingOutcome::logPath(1));
        return 0;
    }
    m_family->updateFilingStatus(m_form, 1, result.confirmationCode);
    const QString header = QStringLiteral("%1 is submitted successfully. Time: %2").arg(QStringLiteral("T1135"), time);
    TabWndApp::getMainApp()->writeSuccFilingLog(m_name, CString(header), result.confirmationCode, result.message);
    FilingOutcome::show(this, title, header, result.message.toQString(), QString(), FilingOutcome::logPath(0));
    return 0;
}
