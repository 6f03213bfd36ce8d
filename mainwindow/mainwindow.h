#pragma once
// The program's one window: eight menus, a tool bar, a status bar and a stack
// of pages, the start page first and then one editor per open return (at
// most two). It keeps the title and the action states in step with the page
// shown and refuses to end the program while a return has unsaved changes.

#include <QMainWindow>
#include <QString>

#include "cstring.h"
#include "editorhost.h"

class CFamilyTaxData;
class Form_Return;
class QFileInfo;
class QLabel;
class QMenu;
class TabWndApp;
class ViewIntroduction;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow, public EditorHost
{
    Q_OBJECT

public:
    // Makes the window on the first call; later calls return it.
    static MainWindow* getInstance(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Title, status text and action states for the page shown.
    void syncWndTitleAndStatus();
    // The current return's result, shown in the third status label.
    void showReturnResultInStatus(const CString& text) override;
    // Adds the actions of one kind of tree item to its context menu.
    void setupContextMenu(int kind, QMenu* menu) override;
    // Save As of the editor's return; true when the file was written.
    bool saveReturnAs(Form_Return* editor) override;
    // The return of the editor shown; null on the start page.
    CFamilyTaxData* _getCurFamilyData();

    // Point size handed to each new editor. Start-up accepts a stored size
    // only in this range, so the size steps stay inside it too.
    int fontSize() const { return m_fontSize; }
    static constexpr int kSmallestFont = 6;
    static constexpr int kLargestFont = 20;
    ViewIntroduction* startPage() const { return m_startPage; }

    // An enabled command with nothing to act on says in the status bar what
    // it needs, instead of doing nothing without a word.
    static const QString& needReturnText();
    static const QString& needSelectionText();
    void showCommandHint(const QString& text);

    // Opening, creating and closing returns.
    bool canOpenMoreReturn();
    int _presentAReturn(int openMode, QFileInfo* file, CFamilyTaxData* data);
    void openReturnFile(QString& path);
    // One editor per file: the editor that has `path` open, or null.
    Form_Return* editorOf(const QString& path) const;
    // Brings the editor of `path` to the front; false when none has it open.
    bool showOpenReturn(const QString& path);
    // Saving under the name of a file another editor has open is refused.
    static QString openElsewhereText(const QString& path);
    int doSaveReturn(Form_Return* editor, bool askNewName);
    bool chooseFileSaveName(CFamilyTaxData* data, QString& path);

public slots:
    void actionNewReturn();
    void actionOpenReturn();
    void actionSaveReturn();
    void actionCloseReturn();
    void actionShowReturn();
    void actionShowWelcome();
    void actionQuit();
    void actionGeneratePrintFiles();

    void on_actionImport_Prior_Year_s_Return_triggered();
    void on_actionCouple_Returns_2to1_triggered();
    void on_actionSave_Return_As_triggered();
    void on_actionPreference_triggered();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_actionSet_Return_for_ReFile_triggered();
    void on_actionUn_set_Return_for_ReFile_triggered();
    void on_actionAuto_Fill_AFR_triggered();
    void on_actionExpress_NOA_triggered();
    void on_actionChange_Tax_Province_triggered();
    void on_actionDe_Couple_Return_1to2_triggered();

    void on_actionRemove_Selected_Slip_triggered();
    void on_actionShare_slip_with_spouse_triggered();
    void on_actionUn_share_slip_with_spouse_triggered();
    void on_actionAdd_PRPP_slip_triggered();
    void on_actionAdd_RC62_slip_triggered();
    void on_actionAdd_RC210_slip_triggered();
    void on_actionAdd_Manitoba_shelter_benefit_slip_triggered();
    void on_actionAdd_T3_slip_triggered();
    void on_actionAdd_T4_slip_triggered();
    void on_actionAdd_T4A_slip_triggered();
    void on_actionAdd_T4A_OAS_slip_triggered();
    void on_actionAdd_T4A_P_slip_triggered();
    void on_actionAdd_T4A_RCA_slip_triggered();
    void on_actionAdd_T4E_slip_triggered();
    void on_actionAdd_T4PS_slip_triggered();
    void on_actionAdd_T4RIF_slip_triggered();
    void on_actionAdd_T4RSP_slip_triggered();
    void on_actionAdd_T5_slip_triggered();
    void on_actionAdd_T1204_slip_triggered();
    void on_actionAdd_T2202_slip_triggered();
    void on_actionAdd_T5003_slip_triggered();
    void on_actionAdd_T5006_slip_triggered();
    void on_actionAdd_T5007_triggered();
    void on_actionAdd_T5008_slip_triggered();
    void on_actionAdd_T5013_slip_triggered();
    void on_actionAdd_NR4_slip_triggered();
    void on_actionAdd_a_tax_note_triggered();

    void on_actionRemove_Selected_Form_Schedule_triggered();
    void on_actionAdd_a_Tax_Form_triggered();
    void on_actionArrange_Order_of_Tax_Forms_triggered();
    void on_actionShare_Form_to_Spouse_triggered();
    void on_actionUn_share_form_with_spouse_triggered();

    void on_actionBackground_Color_triggered();
    void on_actionSmall_triggered();
    void on_actionMedium_triggered();
    void on_actionLarge_triggered();
    void on_actionMaximize_View_triggered();

    void on_actionTax_Planning_triggered();
    void on_actionOptimize_triggered();

    void on_actionValidate_Return_triggered();
    void on_actionInternetFiling_triggered();
    void on_actionFind_Returns_Not_Filed_Online_triggered();
    void on_actionGenerate_Print_pdf_Files_triggered();
    void on_actionSubmit_E_Auth_former_T1013_triggered();
    void on_actionSubmit_PAD_Pre_authorized_Debit_triggered();
    void on_actionFile_T1135_Online_triggered();
    void on_actionSubmit_T1135_triggered();
    void on_actionSend_T183_for_E_Signature_triggered();
    void on_actionSend_E_Auth_for_E_Signature_triggered();

    void on_actionFind_Industry_Code_triggered();
    void on_actionSend_Return_File_to_Corvane_triggered();
    void on_actionAbout_Corvane_triggered();
    void on_actionUpdate_Quillmere_triggered();

private:
    MainWindow(TabWndApp* app, QWidget* parent);
    Q_DISABLE_COPY(MainWindow)

    void setupToolBar();
    void setupShortcuts();
    void readFontSize();
    void applyEdition();
    // The shown page when it is a return editor rather than the start page.
    QWidget* shownEditorPage() const;
    Form_Return* shownEditor() const;
    // The shown editor, or none and the status bar saying a return is needed.
    Form_Return* commandEditor();
    void onShownEditor(void (Form_Return::*command)());
    void addSlip(int type);
    void stepFontSize(int step);
    // The page stored, then the form sent for signing.
    void submitForSignature(int formType);
    // The shown editor, its page stored and the run folder made, or none.
    Form_Return* editorReadyToFile();
    // The edition's name in the about and update boxes.
    static QString editionText();
    // The returns of the list that are not all filed, into `path`.
    bool writeNotFiledReport(const QString& path);
    // The first open return with unsaved changes (a return never saved
    // counts as one), or null.
    QWidget* firstChangedReturn() const;
    void _doTDDorAFR(bool autoFill);

    static MainWindow* s_instance;

    TabWndApp* m_app;
    Ui::MainWindow* ui;
    int m_fontSize = 12;
    ViewIntroduction* m_startPage = nullptr;
    int m_openReturns = 0;
    QLabel* m_statusLabels[3] = {};
    QAction* m_printFilesAction = nullptr;
};
