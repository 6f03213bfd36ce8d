#pragma once
// The return editor's print and validate commands: checks the return, asks
// for print options, saves the return and has the report maker in the JVM
// turn the saved file into a PDF; then offers to send the PDF on. Every
// question goes through the Prompt seam; the dialogs are the real ones.

#include <functional>

#include <QString>

#include "cstring.h"
#include "enumtypes.h"

class CFamilyTaxData;
class CT1AppConfig;
class QWidget;

class ReturnPrinter
{
public:
    // What the editor's tree has selected: kind 0 a form (then its type and
    // unique identifier), anything else a slip, note or nothing.
    struct Selection
    {
        int kind = -1;
        int type = 0;
        int id = 0;
    };
    // Saves the open return to the given path; true when it was written whole.
    using Saver = std::function<bool(const QString& path)>;

    ReturnPrinter(CFamilyTaxData* family, CT1AppConfig* config, unsigned char edition, QWidget* editor);
    virtual ~ReturnPrinter();

    void setReturnFile(const QString& folder, const QString& fileName);
    void setSelection(const Selection& selection) { m_selection = selection; }
    void setSaver(Saver saver) { m_saver = std::move(saver); }

    // The number of validation messages of the return, both persons' when coupled.
    int ValidateTaxReturn(unsigned char mode, bool reportPass, bool askFirst);
    // The print command.
    void OnFileCreatePdfFile(bool);
    // Makes the PDF; with pdfPath given, it receives the PDF's native path
    // and no after-print step runs. 0 on success, else the failure's code.
    int CreatePDF(int mode, int formType, int formId, int flags, CString* pdfPath);

    // The developer command "Generate Print Files": the report maker's
    // sources into the configured folders (nothing without JAVAPROJPATH).
    void OnCreateJavaXML();

    // Sends the printed PDF for delivery through the installed service; with
    // none, it says that nothing was sent.
    virtual void _SubmitDocDelivery(ENUMTYPE_FORM type, const QString& recipient, const CString& federalString1,
                                    const CString& federalString11, const CString& pdfPath);

    // Codes of CreatePDF's own failures (the JVM's are negative).
    enum : int { kNotSaved = 1, kSaveFailed = 2, kNoFolder = 3, kEmptyPdf = 4 };

private:
    // Points the JVM host and the options dialog at this printer's
    // configuration. Every print claims them: another editor's printer,
    // made later and closed since, leaves them reading nothing.
    void claimSettings();
    void afterPrint(int formType, const QString& pdf);
    QString title() const;

    CFamilyTaxData* m_family;
    CT1AppConfig* m_config;
    unsigned char m_edition;
    QWidget* m_editor;
    QString m_folder;
    QString m_fileName;
    Selection m_selection;
    Saver m_saver;

    // The printer whose configuration the JVM host reads (the last to claim it).
    static const ReturnPrinter* s_settingsOwner;
};
