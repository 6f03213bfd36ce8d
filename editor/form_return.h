#pragma once
// The editor of one open return: the person chooser and the tree of the
// person's items on the left, the pages of the selected item on the right,
// the result lines under the tree. Every edit recalculates the whole return
// and brings pages, tree and status up to date. It owns the return and a
// snapshot of it as last saved, which tells whether anything changed.

#include <list>

#include <QString>
#include <QWidget>

#include "cstring.h"
#include "enumtypes.h"

class ActionShowReturn;
class BaseTaxPage;
class CFamilyTaxData;
class CField;
class CTaxData_Form;
class EditorHost;
class FolderView;
class QFileInfo;
class QItemSelection;
class QLabel;
class QTabWidget;
class QComboBox;
class ReturnPrinter;

namespace Ui {
class Form_Return;
}

class Form_Return : public QWidget
{
    Q_OBJECT

public:
    // `data` passes to the editor; `file` is null for a return never saved.
    Form_Return(QFileInfo* file, CFamilyTaxData* data, EditorHost* host, QWidget* parent, int index, int openMode,
                int fontSize);
    ~Form_Return() override;

    // ---- the return file
    void setFilepath(QFileInfo* file);
    QString getTitle() const;
    bool hasFileToSave() const;
    void getFilepath(QString& path) const;
    // 0 when the file was written whole; 1 when it was not (the file on disk
    // is then as it was) or the return has no file yet, 2 when the file was
    // written but its backup was not.
    int saveReturnFile(CString& path, bool backup);
    int saveReturnFile(bool backup);
    // What the user is told when the return file could not be written.
    static QString saveFailedText(const QString& path);
    // The question asked before removing a slip or form that holds amounts.
    static QString removeHoldingAmountsText(const QString& itemName);
    // Why an add command stops: the person's list of `what` holds all a
    // return file keeps.
    static QString listFullText(const char* what, int most);
    // What the user is told when the return file was written but its backup was not.
    static QString backupFailedText(const QString& path);
    // The close prompts; true when the editor may close.
    bool onCloseReturn(CString& path);
    Q_INVOKABLE bool isChanged() const;

    // ---- showing items
    int showTaxForm(int, CTaxData_Form* form);
    int showHtml(const QString& title, const QString& url);
    // Stores the shown page's edits into the return and recalculates.
    void saveCurFormDataToDoc();
    // Every open page shows the return's data again.
    void refreshCurTabDataFromDoc();
    // forms/slips: resync that branch fully, else relabel it.
    void syncFolderView(bool forms, bool slips);
    void refreshReturnStatus(QString& status);
    void forwardTaxFormThere(ENUMTYPE_FORM type);
    bool getFedStringClaimed(int number, CString& value) const;

    // ---- printing and validation (the commands of the Filing/Print menu)
    int ValidateTaxReturn(unsigned char mode, bool reportPass, bool askFirst);
    void OnFileCreatePdfFile(bool);
    int CreatePDF(int mode, int formType, int formId, int flags, CString* pdfPath);
    void OnCreateJavaXML();
    // ---- electronic filing of the current person (filing/, which links
    // the transmission dialogs and the agency clients above the editor)
    // The whole road of a T1 return from the checks to the recorded outcome;
    // the caller has made the run folder first.
    void OnFileCreateElectronFile();
    // Files the T1135 statement: 0 the filing dialog was shown, 104 no work
    // file (not made, or not written whole), 111 no T1135 or no statement,
    // 118 the form has errors.
    int OnFileT1135();
    // The first ReFILE refusal in a box; true when there is none.
    bool isEligibleForReFile();
    // Checks one form on its own (only the T1135 has such a check) and shows
    // what it found, after asking when `ask`; the number of result items.
    int ValidateTaxForm(unsigned char mode, ENUMTYPE_FORM type, bool showPass, bool ask);

    // ---- commands that change what the return holds (the main window
    // calls each after saveCurFormDataToDoc)
    void addTaxForm();
    void addTaxSlip(ENUMTYPE_SLIP type);
    void addTaxNote();
    void shareSelectedForm();
    void unshareSelectedForm();
    void shareSelectedSlip();
    void unshareSelectedSlip();
    void removeSelected();
    void changeFormsOrder();
    void taxReturnChangeProvince();
    void deCoupleReturn();

    // ---- planning and optimising (form_return_planning.cpp)
    // What-if sliders on a copy of the return; the return never changes.
    void taxPlanning();
    // A coupled return's shareable amounts, the optimiser on a copy, and the
    // best pension split into both T1032s when the user accepts it.
    void optimizeReturn();

    // ---- e-signature and e-delivery (form_return_esign.cpp), through the
    // service the program installs at start
    // Prints the form, asks for the taxpayer's e-mail and requests signing.
    void OnSubmitPenvaultForm(ENUMTYPE_FORM type);
    // The status of the form's signing request; a signing time goes into the T183.
    void OnGetPenvaultFormTime(ENUMTYPE_FORM type);
    void _SubmitDocDelivery(ENUMTYPE_FORM form, const QString& toEmail, const CString& sin, const CString& name,
                            const CString& pdfPath);
    void _SubmitPenvaultFormType(ENUMTYPE_FORM form, bool withPagePosition, const QString& toEmail,
                                 const CString& sin, const CString& name, const CString& pdfPath);
    // 0, -1 (no account), -99 (a too-long reply) or -100 (the post failed).
    int sendFilingRecord(int form, bool accepted, const QString& confirmation, const QString& message);

    // ---- the left pane and the look
    void saveLeftPaneSize();
    void setLeftpaneWidth(int width);
    bool toggleViewMode();
    void changeFontSize(int size);
    void setFolderViewBKColor(const QString& colour, int size);
    void refreshViewForColorFontSize();

    // ---- what the main window and other subsystems reach
    CFamilyTaxData* familyData() const { return m_data; }
    CTaxData_Form* currentForm() const { return m_curForm; }
    const std::list<BaseTaxPage*>& pages() const { return m_pages; }
    ActionShowReturn* action() const { return m_action; }
    int index() const { return m_index; }
    int openMode() const { return m_openMode; }
    int fontSize() const { return m_fontSize; }
    FolderView* folderView() const;
    QComboBox* personChooser() const;
    QTabWidget* formTabs() const;
    QLabel* resultLine(int line) const;
    QLabel* formDescription() const;
    // The folder of the help pages beside the program.
    static QString helpFolder();

public slots:
    // Marking and unmarking a return for ReFILE is not offered here.
    void UnsetReFile() {}
    void OnPrepareReFile(bool) {}
    void onFolderViewSelChange(const QItemSelection& selected, const QItemSelection& deselected);
    void on_comboBox_currentIndexChanged(int index);
    void onSignalCalc(CTaxData_Form* form, CField* field);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void destroyFormTabs();
    int _updateLogEntry();
    void refreshPages();
    // Stores the tree's selection as the current side's view state.
    void rememberSelection();
    // False when a calculation removed the object from the current person's lists.
    bool isListed(const CTaxData_Form* form) const;
    // The object of the selected tree item when it is of `kind`, else none.
    CTaxData_Form* selectedObject(int kind) const;
    // Pages whose item a command removed go; the others show the data again.
    void afterReturnChanged();
    // Resyncs the Tax Forms branch and keeps the form shown selected.
    void resyncForms();
    // Moves the current person (both spouses with `both`) to `province`, then
    // recalculates and brings the tree in step; false, with a message and
    // nothing changed, for a jurisdiction the program has no library for.
    bool moveToProvince(ENUMTYPE_PROVINCE province, bool both);
    // True when the edit was the T1's (or the general interview's) province
    // of residence, which moves the return and has been handled here.
    bool residenceBoxEdited(CTaxData_Form* form, CField* field);
    // Selects the tree item of the form, slip or note shown, its pages left
    // as they are; false when no listed item is shown. The item's branch
    // must be in step with the return: its records are read.
    bool selectShownItem();
    // After an accepted filing: the return file saved, through Save As for a
    // return never saved; the user is told when it is not (filing/).
    void keepFiledReturn();

    QString m_actionName;
    Ui::Form_Return* ui;
    CTaxData_Form* m_curForm = nullptr;
    bool m_busy = false;
    int m_fontSize;
    ActionShowReturn* m_action = nullptr;
    int m_index;
    EditorHost* m_host;
    CFamilyTaxData* m_data;
    CFamilyTaxData* m_snapshot = nullptr;
    std::list<BaseTaxPage*> m_pages;
    int m_openMode;
    CString m_folder;
    CString m_fileName;
    // Made at the first print or validation; it reads the editor's file and
    // selection each time, so it follows Save As and the tree.
    ReturnPrinter* printer();
    ReturnPrinter* m_printer = nullptr;
};
