#include "mainwindow.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMetaObject>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "familytaxdata.h"
#include "form_return.h"
#include "preferencedlg.h"
#include "tabwndapp.h"
#include "ui_mainwindow.h"
#include "viewintroduction.h"

MainWindow* MainWindow::s_instance = nullptr;

namespace {

constexpr int kDefaultFont = 12;
// How long a command's hint stays in the status bar.
constexpr int kHintMilliseconds = 8000;

} // namespace

MainWindow* MainWindow::getInstance(QWidget* parent)
{
    if (!s_instance) s_instance = new MainWindow(TabWndApp::getMainApp(), parent);
    return s_instance;
}

MainWindow::MainWindow(TabWndApp* app, QWidget* parent)
    : QMainWindow(parent), m_app(app), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    ui->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setupToolBar();
    setupShortcuts();

    if (m_app->config().m_EnableGenPrint) {
        m_printFilesAction = new QAction(QStringLiteral("Generate Print Files"), this);
        m_printFilesAction->setObjectName(QStringLiteral("actionGenerate_Print_Files"));
        ui->menuHelp->addAction(m_printFilesAction);
        connect(m_printFilesAction, &QAction::triggered, this, &MainWindow::actionGeneratePrintFiles);
    }

    m_startPage = new ViewIntroduction(m_app, this, ui->stackedWidget);
    ui->stackedWidget->addWidget(m_startPage);
    ui->stackedWidget->setCurrentWidget(m_startPage);

    for (int i = 0; i < 3; ++i) {
        m_statusLabels[i] = new QLabel(QString(), this);
        // The result line carries the taxpayer's name as typed.
        m_statusLabels[i]->setTextFormat(Qt::PlainText);
        m_statusLabels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(m_statusLabels[i], i == 2 ? 2 : 1);
    }

    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::actionNewReturn);
    connect(ui->actionOpen_File, &QAction::triggered, this, &MainWindow::actionOpenReturn);
    connect(ui->actionSave_Return, &QAction::triggered, this, &MainWindow::actionSaveReturn);
    connect(ui->actionClose_Return, &QAction::triggered, this, &MainWindow::actionCloseReturn);
    connect(ui->actionQuit, &QAction::triggered, this, &MainWindow::actionQuit);
    connect(ui->actionWelcome, &QAction::triggered, this, &MainWindow::actionShowWelcome);

    readFontSize();
    applyEdition();
    syncWndTitleAndStatus();
}

MainWindow::~MainWindow()
{
    if (s_instance == this) s_instance = nullptr;
    ui->stackedWidget->close();
    delete m_startPage;
    delete ui;
}

void MainWindow::setupToolBar()
{
    struct Entry
    {
        QAction* action; // null for a separator
        const char* icon;
        const char* iconText;
    };
    const bool efile = TabWndApp::s_appPurpose == 1;
    const Entry entries[] = {
        {ui->actionNew, ":/res/images/icon_blank.ico", "&New"},
        {ui->actionOpen_File, ":/res/images/icon_book.ico", "&Open"},
        {ui->actionImport_Prior_Year_s_Return, ":/res/images/import_120157.ico", "&Import"},
        {ui->actionSave_Return, ":/res/images/icon_disk.ico", "&Save"},
        {ui->actionClose_Return, ":/res/images/icon_close.ico", "&Close"},
        {ui->actionMaximize_View, ":/res/images/icon_view.ico", "&Toggle"},
        // Each button its own mnemonic: Alt+O and Alt+P would otherwise
        // name two buttons each and trigger neither.
        {ui->actionOptimize, ":/res/images/bulb.png", "Optimi&ze"},
        {nullptr, nullptr, nullptr},
        {ui->actionAdd_a_Tax_Form, ":/res/images/icon_table.ico", "+&Form"},
        {ui->actionValidate_Return, ":/res/images/icon_validate.ico", "&Validate"},
        {ui->actionInternetFiling, ":/res/images/icon_atom.ico", efile ? "EFile Return" : "NetFile Return"},
        {ui->actionGenerate_Print_pdf_Files, ":/res/images/icon_printer.ico", "Generate &Print"},
        {nullptr, nullptr, nullptr},
        {ui->actionPreference, ":/res/images/icon_setting.ico", "Pr&eference"},
    };
    for (const Entry& e : entries) {
        if (!e.action) {
            ui->toolBar->addSeparator();
            continue;
        }
        e.action->setIcon(QIcon(QString::fromLatin1(e.icon)));
        e.action->setIconText(QString::fromLatin1(e.iconText));
        ui->toolBar->addAction(e.action);
    }
}

// The desktop's usual keys for the usual commands. A desktop whose theme
// names no key for one (some have none for Quit) gets the common one.
void MainWindow::setupShortcuts()
{
    const struct
    {
        QAction* action;
        QKeySequence::StandardKey key;
        QKeySequence common;
    } keys[] = {
        {ui->actionNew, QKeySequence::New, QKeySequence(Qt::CTRL + Qt::Key_N)},
        {ui->actionOpen_File, QKeySequence::Open, QKeySequence(Qt::CTRL + Qt::Key_O)},
        {ui->actionSave_Return, QKeySequence::Save, QKeySequence(Qt::CTRL + Qt::Key_S)},
        {ui->actionGenerate_Print_pdf_Files, QKeySequence::Print, QKeySequence(Qt::CTRL + Qt::Key_P)},
        {ui->actionClose_Return, QKeySequence::Close, QKeySequence(Qt::CTRL + Qt::Key_W)},
        {ui->actionQuit, QKeySequence::Quit, QKeySequence(Qt::CTRL + Qt::Key_Q)},
    };
    for (const auto& k : keys) {
        const QList<QKeySequence> bound = QKeySequence::keyBindings(k.key);
        k.action->setShortcuts(bound.isEmpty() ? QList<QKeySequence>{k.common} : bound);
    }
}

const QString& MainWindow::needReturnText()
{
    static const QString text = QStringLiteral("Open a return first.");
    return text;
}

const QString& MainWindow::needSelectionText()
{
    static const QString text = QStringLiteral("Select a return in the list first.");
    return text;
}

void MainWindow::showCommandHint(const QString& text)
{
    statusBar()->showMessage(text, kHintMilliseconds);
}

void MainWindow::readFontSize()
{
    bool ok = false;
    const int size = m_app->config().m_FontSize.toQString().trimmed().toInt(&ok);
    m_fontSize = ok && size >= kSmallestFont && size <= kLargestFont ? size : kDefaultFont;
}

void MainWindow::applyEdition()
{
    if (TabWndApp::s_appPurpose == 1) {
        ui->actionInternetFiling->setText(QStringLiteral("EFile to CRA"));
    } else {
        ui->menuFiling_Print->removeAction(ui->actionSubmit_E_Auth_former_T1013);
        ui->menuFiling_Print->removeAction(ui->actionSubmit_PAD_Pre_authorized_Debit);
    }
}

QWidget* MainWindow::shownEditorPage() const
{
    QWidget* page = ui->stackedWidget->currentWidget();
    if (!page || page == m_startPage || page == ui->page || page == ui->page_2) return nullptr;
    return page;
}

void MainWindow::syncWndTitleAndStatus()
{
    const QString base = QStringLiteral("%1 (Special)").arg(TabWndApp::s_appTitle);
    QWidget* editor = shownEditorPage();
    const bool editorShown = editor != nullptr;
    if (editorShown) {
        // The editor's page title names its return; the editor refreshes
        // the status line itself when it shows a return.
        setWindowTitle(QStringLiteral("%1 - %2").arg(base, editor->windowTitle()));
        if (Form_Return* returnEditor = qobject_cast<Form_Return*>(editor)) {
            QString status;
            returnEditor->refreshReturnStatus(status);
        }
    } else {
        setWindowTitle(QStringLiteral("%1 - Welcome").arg(base));
        m_statusLabels[2]->clear();
    }

    QAction* const needEditor[] = {
        ui->actionSave_Return,       ui->actionClose_Return,         ui->actionDe_Couple_Return_1to2,
        ui->actionSet_Return_for_ReFile, ui->actionAdd_T3_slip,      ui->actionAdd_T4_slip,
        ui->actionShare_Form_to_Spouse, ui->actionAdd_a_Tax_Form,    ui->actionArrange_Order_of_Tax_Forms,
        ui->actionTax_Planning,      ui->actionOptimize,             ui->actionValidate_Return,
        ui->actionGenerate_Print_pdf_Files, ui->actionSubmit_T1135,  ui->actionSend_Return_File_to_Corvane,
        ui->actionInternetFiling,
    };
    for (QAction* a : needEditor) a->setEnabled(editorShown);

    // The forms that go by themselves are filed from their own commands, not
    // from these entries.
    QAction* const neverEnabled[] = {
        ui->actionSubmit_E_Auth_former_T1013,
        ui->actionSubmit_PAD_Pre_authorized_Debit,
        ui->actionSend_T183_for_E_Signature,
        ui->actionSend_E_Auth_for_E_Signature,
    };
    for (QAction* a : neverEnabled) a->setEnabled(false);
}

void MainWindow::showReturnResultInStatus(const CString& text)
{
    m_statusLabels[2]->setText(text.toQString());
}

void MainWindow::setupContextMenu(int kind, QMenu* menu)
{
    QList<QAction*> actions;
    switch (kind) {
    case 0:
        actions = {ui->actionAdd_T3_slip,      ui->actionAdd_T4_slip,      ui->actionAdd_T4A_slip,
                   ui->actionAdd_T4A_P_slip,   ui->actionAdd_T4A_OAS_slip, ui->actionAdd_T4A_RCA_slip,
                   ui->actionAdd_T4E_slip,     ui->actionAdd_T4PS_slip,    ui->actionAdd_T4RIF_slip,
                   ui->actionAdd_T4RSP_slip,   ui->actionAdd_T5_slip,      ui->actionAdd_T5003_slip,
                   ui->actionAdd_T5006_slip,   ui->actionAdd_T5007,        ui->actionAdd_T5008_slip,
                   ui->actionAdd_T5013_slip,   ui->actionAdd_RC62_slip,    ui->actionAdd_RC210_slip,
                   ui->actionAdd_NR4_slip,     ui->actionAdd_PRPP_slip,    ui->actionAdd_T1204_slip,
                   ui->actionAdd_T2202_slip,   ui->actionAdd_Manitoba_shelter_benefit_slip};
        break;
    case 1:
        actions = {ui->actionRemove_Selected_Slip, ui->actionShare_slip_with_spouse,
                   ui->actionUn_share_slip_with_spouse};
        break;
    case 10: actions = {ui->actionAdd_a_Tax_Form}; break;
    case 11:
        actions = {ui->actionRemove_Selected_Form_Schedule, ui->actionShare_Form_to_Spouse,
                   ui->actionUn_share_form_with_spouse};
        break;
    case 20: actions = {ui->actionAdd_a_tax_note}; break;
    case 21: actions = {ui->actionRemove_Selected_Slip}; break;
    default: break;
    }
    menu->addActions(actions);
}

CFamilyTaxData* MainWindow::_getCurFamilyData()
{
    Form_Return* editor = shownEditor();
    return editor ? editor->familyData() : nullptr;
}

QWidget* MainWindow::firstChangedReturn() const
{
    // An editor answers isChanged() for its return; other pages do not.
    for (int i = 0; i < ui->stackedWidget->count(); ++i) {
        QWidget* page = ui->stackedWidget->widget(i);
        // A new, imported or coupled return exists nowhere but here.
        if (Form_Return* editor = qobject_cast<Form_Return*>(page); editor && !editor->hasFileToSave()) return page;
        if (page->metaObject()->indexOfMethod("isChanged()") < 0) continue;
        bool changed = false;
        QMetaObject::invokeMethod(page, "isChanged", Qt::DirectConnection, Q_RETURN_ARG(bool, changed));
        if (changed) return page;
    }
    return nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window's close button and the end of the session move no focus,
    // so an amount still being typed is not in the return yet: the page
    // shown is stored first, as before every command, and then counts.
    if (Form_Return* editor = shownEditor()) editor->saveCurFormDataToDoc();
    if (firstChangedReturn()) {
        event->ignore();
        TabWndApp::gAppInformation(QStringLiteral("Close all opened return file first, then you can exit the "
                                                  "program.\n\nClick 'Close' icon on the top to close return file."),
                                   nullptr);
        return;
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_app->checkLatestVersion();
    // Start-up's news (a damaged database set aside) once the window stands.
    const QString notice = m_app->takeStartNotice();
    if (!notice.isEmpty())
        QTimer::singleShot(0, this, [this, notice] { TabWndApp::gAppInformation(notice, this); });
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
}

void MainWindow::actionShowWelcome()
{
    ui->stackedWidget->setCurrentWidget(m_startPage);
    syncWndTitleAndStatus();
}

void MainWindow::actionQuit()
{
    // Through the window's close, so that a return with unsaved changes
    // keeps the program running instead of being dropped without a word.
    if (close()) QCoreApplication::quit();
}

void MainWindow::on_actionPreference_triggered()
{
    PreferenceDlg dlg(this);
    dlg.exec();
}
