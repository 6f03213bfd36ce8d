#include "returnprinter.h"

#include <list>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "dlgpenvaultafterprint.h"
#include "dlgprintoption_info.h"
#include "privatefiles.h"
#include "dlgvalidationmsgs.h"
#include "familytaxdata.h"
#include "javavmenv.h"
#include "messages.h"
#include "penvaultservice.h"
#include "prompt.h"
#include "t1appconfig.h"
#include "utils.h"

namespace {

// The wait cursor for as long as the scope lasts.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

void freeItems(std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) delete item;
    items.clear();
}

QString jobErrorText(int code)
{
    switch (code) {
    case -117:
        return QStringLiteral("The output PDF file is now opened by another application, e.g. Acrobat Reader. Please "
                              "close the PDF file and try generate PDF file again.\nor anti-virus software blocks pdf "
                              "file generation.");
    case -116:
        return QStringLiteral("Quillmere cannot generate .pdf file, check if output folder pathname contains "
                              "non-English characters.");
    default:
        return QStringLiteral("Print error happend");
    }
}

} // namespace

const ReturnPrinter* ReturnPrinter::s_settingsOwner = nullptr;

ReturnPrinter::ReturnPrinter(CFamilyTaxData* family, CT1AppConfig* config, unsigned char edition, QWidget* editor)
    : m_family(family), m_config(config), m_edition(edition), m_editor(editor)
{
    m_saver = [this](const QString& path) { return m_family->saveToFile(CString(path)); };
    claimSettings();
}

void ReturnPrinter::claimSettings()
{
    DlgPrintOption_Info::s_clientLetterSetting = &m_config->m_PrntClientLetter;
    CT1AppConfig* c = m_config;
    s_settingsOwner = this;
    JavaVMEnv::setSettingsSource([c]() {
        JavaVMEnv::Settings s;
        s.classPath = c->m_JAVACLASSPATH.toQString();
        s.pdfPath = c->m_PDFPATH.toQString();
        s.xmlPath = c->m_XMLPATH.toQString();
        s.jvmPath = c->m_JVMPATH.toQString();
        s.retPdfPath = c->m_RetPdfPath.toQString();
        s.printHeader = c->m_PrintHeader;
        return s;
    });
}

ReturnPrinter::~ReturnPrinter()
{
    // The host and the dialog must not keep reading a configuration that may go with us.
    if (DlgPrintOption_Info::s_clientLetterSetting == &m_config->m_PrntClientLetter)
        DlgPrintOption_Info::s_clientLetterSetting = nullptr;
    if (s_settingsOwner == this) {
        JavaVMEnv::setSettingsSource(nullptr);
        s_settingsOwner = nullptr;
    }
}

void ReturnPrinter::setReturnFile(const QString& folder, const QString& fileName)
{
    m_folder = folder;
    m_fileName = fileName;
}

QString ReturnPrinter::title() const { return gMsgGetTitle(m_edition); }

int ReturnPrinter::ValidateTaxReturn(unsigned char mode, bool reportPass, bool askFirst)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> list1, list2;
    CString name1, name2;
    const bool coupled = m_family->IsCoupledReturn();
    int count = 0;
    if (!coupled) {
        count = m_family->ValidateTaxReturn(mode, list1, name1, false, false);
    } else {
        const bool currentIsSpouse = m_family->getCurIndv() != CFamilyTaxData::kTaxpayer;
        count = m_family->ValidateTaxReturn(mode, list1, name1, currentIsSpouse, true);
        count += m_family->ValidateTaxReturn(mode, list2, name2, !currentIsSpouse, false);
    }

    if (count < 1) {
        if (reportPass
            && gMsgQuestion(m_edition,
                            QStringLiteral("This tax return passes validation check, there are no errors found.\n\n"
                                           "Do you want to view the warning message?"),
                            m_editor) == Prompt::Yes) {
            double amount = 0;
            if (IndividualTaxData* current = m_family->getCurIndvTaxData()) current->getFedAmountClaimed(2, amount);
            m_family->AnyMsgBeforeNetfile(2, amount != 0);
        }
        freeItems(list1);
        freeItems(list2);
        return 0;
    }

    if (!askFirst
        || gMsgQuestion(m_edition,
                        QStringLiteral("This return contains validation errors. Do you want to view the validation "
                                       "errors?"),
                        m_editor) == Prompt::Yes) {
        DlgValidationMsgs dialog(m_editor);
        dialog.loadValErrors(name1.toQString(), list1, coupled, name2.toQString(), list2);
        dialog.resize(750, 650);
        dialog.exec();
    }
    freeItems(list1);
    freeItems(list2);
    return count;
}

void ReturnPrinter::OnFileCreatePdfFile(bool)
{
    claimSettings();
    if (ValidateTaxReturn(m_edition, false, true) > 0
        && gMsgQuestion(m_edition,
                        QStringLiteral("Do you still want to generate the printable file? Click 'Yes' button to "
                                       "continue print."),
                        m_editor) != Prompt::Yes)
        return;

    DlgPrintOption_Info options(m_config->m_MODEDEBUG, m_editor);
    if (options.exec() != QDialog::Accepted) return;

    if (DlgPrintOption_Info::m_iPrintOption == 1) {
        if (m_config->m_CanCreateNetfile) {
            CreatePDF(1, 0, 0, 0, nullptr);
        } else if (gMsgQuestion(m_edition,
                                QStringLiteral("Since T1 Condensed Print is under CRA certification, a personal copy "
                                               "will be created instead."),
                                m_editor) == Prompt::Yes) {
            CreatePDF(0, 0, 0, 0, nullptr);
        }
        return;
    }

    int formType = 0, formId = 0;
    if (DlgPrintOption_Info::m_iPrintCurForm && m_selection.kind == 0) {
        formType = m_selection.type;
        formId = m_selection.id;
    }
    // The print command asks for no path, so its after-print step runs.
    CreatePDF(0, formType, formId, DlgPrintOption_Info::printFlags(), nullptr);
}

int ReturnPrinter::CreatePDF(int mode, int formType, int formId, int flags, CString* pdfPath)
{
    claimSettings();
    JavaVMEnv* jvm = JavaVMEnv::getInstance();
    int rc = 0;
    {
        WaitCursor wait;
        rc = jvm->Init();
    }
    if (rc != 0) {
        gMsgInformation(m_edition, QStringLiteral("Print environment error, error code is %1.").arg(rc), m_editor);
        return rc;
    }
    if (m_folder.isEmpty() || m_fileName.isEmpty()) {
        gMsgInformation(m_edition,
                        QStringLiteral("Please save tax return to a tax return file first by menu Start | Save or "
                                       "Start | Save As."),
                        m_editor);
        return kNotSaved;
    }
    const QString returnPath = QDir(m_folder).filePath(m_fileName);
    // A failed save must not print the file's older content.
    if (!m_saver(returnPath)) {
        gMsgInformation(m_edition,
                        QStringLiteral("The tax return could not be saved to %1, so nothing was printed.")
                            .arg(QDir::toNativeSeparators(returnPath)),
                        m_editor);
        return kSaveFailed;
    }

    QString folder = m_config->m_RetPdfPath.toQString();
    if (m_config->m_PdfPathSameAsRet) folder = QFileInfo(returnPath).absolutePath();
    if (!makeFolderExists(folder)) {
        Prompt::message(Prompt::Kind::Information, QStringLiteral("Quillmere 2020"),
                        QStringLiteral("Quillmere cannot open or create the file folder for printable tax form (.pdf) "
                                       "file."),
                        Prompt::Ok, Prompt::Ok, m_editor);
        return kNoFolder;
    }

    QString written;
    {
        WaitCursor wait;
        const bool spouse = m_family->getCurIndv() != CFamilyTaxData::kTaxpayer;
        rc = jvm->doJob(returnPath, spouse, mode, mode == 0 ? formId : 0, flags, folder.toUtf8().constData(), written);
    }
    if (rc != 0) {
        Prompt::information(title(), QStringLiteral("%1, error code is %2.").arg(jobErrorText(rc)).arg(rc), m_editor);
        return rc;
    }
    const QFileInfo pdf(written);
    if (written.isEmpty() || !pdf.isFile() || pdf.size() < 1) {
        gMsgInformation(m_edition,
                        QStringLiteral("PDF file is created with zero content, usually it means anti-virus software "
                                       "blocks file generation."),
                        m_editor);
        return kEmptyPdf;
    }
    // The report maker replaces an earlier PDF of that name in place, which
    // keeps that file's mode.
    keepPrivate(written);
    if (pdfPath) {
        *pdfPath = CString(QDir::toNativeSeparators(written));
        return 0;
    }
    afterPrint(formType, written);
    return 0;
}

void ReturnPrinter::OnCreateJavaXML()
{
    WaitCursor wait;
    IndividualTaxData::WriteJavaXMLFile(m_config->m_JAVAPROJPATH, m_config->m_XMLPATH, m_config->m_BFORM_XMLPATH);
    IndividualTaxData::WriteJavaSlipFile(m_config->m_JAVAPROJPATH, m_config->m_BFORM_XMLPATH);
    IndividualTaxData::WriteJavaNoteFile(m_config->m_JAVAPROJPATH);
}

void ReturnPrinter::afterPrint(int formType, const QString& pdf)
{
    IndividualTaxData* person = m_family->getCurIndvTaxData();
    CString email, sin, name;
    if (person) {
        person->getFedStringClaimed(15, email);
        if (email.IsEmpty()) person->getFedStringClaimed(16, email);
        person->getFedStringClaimed(1, sin);
        person->getFedStringClaimed(11, name);
    }
    DlgPenvaultAfterPrint dialog(1, QUrl::fromLocalFile(pdf).toString(), email.toQString(), m_editor);
    dialog.setWindowTitle(QStringLiteral("Generate Printable Return File"));
    if (dialog.exec() == QDialog::Accepted)
        _SubmitDocDelivery(ENUMTYPE_FORM(formType), dialog.recipient(), sin, name, CString(pdf));
}

void ReturnPrinter::_SubmitDocDelivery(ENUMTYPE_FORM type, const QString& recipient, const CString& federalString1,
                                       const CString& federalString11, const CString& pdfPath)
{
    if (PenvaultService* service = PenvaultService::installed()) {
        service->submitDocDelivery(type, recipient, federalString1, federalString11, pdfPath, m_editor);
        return;
    }
    gMsgInformation(m_edition, QStringLiteral("E-Delivery is not available in this version; the PDF was not sent."),
                    m_editor);
}
