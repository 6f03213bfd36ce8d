// The main window as a user first meets it: title, menus, tool bar, action
// states, the edition's differences, the font size and the way out.

#include <memory>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "apptestmain.h"
#include "mainwindow.h"
#include "messages.h"
#include "prompt.h"
#include "viewintroduction.h"

namespace {

using Window = std::unique_ptr<MainWindow>;

// The window as start-up makes it, with the settings in force now.
Window makeWindow()
{
    return Window(MainWindow::getInstance(nullptr));
}

QAction* action(MainWindow* w, const QString& name)
{
    return w->findChild<QAction*>(name);
}

QMenu* menu(MainWindow* w, const QString& name)
{
    return w->findChild<QMenu*>(name);
}

// "objectName=text" per action, "-" per separator.
QStringList entriesOf(const QList<QAction*>& actions, bool iconTexts = false)
{
    QStringList out;
    for (const QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-")
                                 : a->objectName() + QLatin1Char('=') + (iconTexts ? a->iconText() : a->text()));
    return out;
}

QStringList namesOf(const QList<QAction*>& actions)
{
    QStringList out;
    for (const QAction* a : actions) out << a->objectName();
    return out;
}

const QStringList kNeedEditor = {
    "actionSave_Return",     "actionClose_Return",           "actionDe_Couple_Return_1to2",
    "actionSet_Return_for_ReFile", "actionAdd_T3_slip",      "actionAdd_T4_slip",
    "actionShare_Form_to_Spouse", "actionAdd_a_Tax_Form",    "actionArrange_Order_of_Tax_Forms",
    "actionTax_Planning",    "actionOptimize",               "actionValidate_Return",
    "actionGenerate_Print_pdf_Files", "actionSubmit_T1135",  "actionSend_Return_File_to_Corvane",
    "actionInternetFiling"};
const QStringList kStandardKeys = {"actionNew", "actionOpen_File", "actionSave_Return",
                                   "actionGenerate_Print_pdf_Files", "actionClose_Return", "actionQuit"};
const QStringList kNeverEnabled = {"actionSubmit_E_Auth_former_T1013",
                                   "actionSubmit_PAD_Pre_authorized_Debit", "actionSend_T183_for_E_Signature",
                                   "actionSend_E_Auth_for_E_Signature"};

// A page standing in for a return editor: it names its return and says
// whether it holds unsaved changes, as an editor does.
class ReturnPage : public QWidget
{
    Q_OBJECT
public:
    explicit ReturnPage(const QString& title) { setWindowTitle(title); }
    Q_INVOKABLE bool isChanged() const { return changed; }
    bool changed = false;
};

} // namespace

class TstMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titleAndStates_data();
    void titleAndStates();
    void menus_data();
    void menus();
    void menuBarAndLooseActions();
    void toolBar();
    void edition_data();
    void edition();
    void enableGenPrint_data();
    void enableGenPrint();
    void fontSize_data();
    void fontSize();
    void contextMenus_data();
    void contextMenus();
    void statusLabels();
    void preferenceOpensTheDialog_data();
    void preferenceOpensTheDialog();
    void quit_data();
    void quit();

private:
    CT1AppConfig& config() { return TabWndApp::getMainApp()->config(); }
    QString baseTitle() const { return TabWndApp::s_appTitle + " (Special)"; }
};

void TstMainWindow::initTestCase()
{
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
}

void TstMainWindow::init()
{
    TabWndApp::s_appPurpose = 2;
    TabWndApp::s_appTitle = gMsgGetTitle(2);
    config().m_EnableGenPrint = false;
    config().m_FontSize = "12";
}

void TstMainWindow::cleanup()
{
    init();
}

void TstMainWindow::titleAndStates_data()
{
    QTest::addColumn<bool>("editorShown");
    QTest::newRow("start page right after start") << false;
    QTest::newRow("a return's editor shown") << true;
}

void TstMainWindow::titleAndStates()
{
    QFETCH(bool, editorShown);
    Window w = makeWindow();
    QCOMPARE(w->windowTitle(), baseTitle() + " - Welcome");
    QVERIFY(!w->_getCurFamilyData());

    auto* stack = w->findChild<QStackedWidget*>("stackedWidget");
    QVERIFY(stack);
    QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(w->startPage()));
    if (editorShown) {
        auto* page = new ReturnPage("Lee, Ann - 2021.r21");
        stack->addWidget(page);
        stack->setCurrentWidget(page);
        w->syncWndTitleAndStatus();
        QCOMPARE(w->windowTitle(), baseTitle() + " - Lee, Ann - 2021.r21");
    }

    const QList<QAction*> all = w->findChildren<QAction*>();
    QVERIFY(all.size() > 70);
    int checked = 0;
    for (const QAction* a : all) {
        if (a->isSeparator() || a->menu() || !a->objectName().startsWith("action")) continue;
        bool expected = true;
        if (kNeedEditor.contains(a->objectName())) expected = editorShown;
        if (kNeverEnabled.contains(a->objectName())) expected = false;
        QVERIFY2(a->isEnabled() == expected, qPrintable(a->objectName()));
        // Only the usual commands have the desktop's usual keys.
        QVERIFY2(a->shortcut().isEmpty() == !kStandardKeys.contains(a->objectName()),
                 qPrintable(a->objectName() + " shortcut " + a->shortcut().toString()));
        ++checked;
    }
    QCOMPARE(checked, 69);

    if (editorShown) {
        // The start page chosen from the Windows menu, with the return still open.
        action(w.get(), "actionWelcome")->trigger();
        QCOMPARE(w->windowTitle(), baseTitle() + " - Welcome");
        for (const QString& name : kNeedEditor) QVERIFY2(!action(w.get(), name)->isEnabled(), qPrintable(name));
    }
}

void TstMainWindow::menus_data()
{
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("Start") << "menuQuillmere" << "Start"
                           << QStringList{"actionNew=New Return",
                                          "actionOpen_File=Open Return",
                                          "actionImport_Prior_Year_s_Return=Import Prior Year's Return",
                                          "actionSave_Return=Save Return",
                                          "actionSave_Return_As=Save Return As",
                                          "actionClose_Return=Close Return",
                                          "-",
                                          "actionPreference=Preference",
                                          "-",
                                          "actionSet_Return_for_ReFile=Set Return for ReFile",
                                          "actionUn_set_Return_for_ReFile=Un-set Return for ReFile",
                                          "-",
                                          "actionAuto_Fill_AFR=Auto-Fill (AFR)",
                                          "actionExpress_NOA=Express NOA",
                                          "-",
                                          "actionChange_Tax_Province=Change Tax Province",
                                          "actionCouple_Returns_2to1=Couple Returns (2to1)",
                                          "actionDe_Couple_Return_1to2=De-Couple Return",
                                          "-",
                                          "actionQuit=Quit"};
    QTest::newRow("Slips/Notes") << "menuSlips" << "Slips/Notes"
                                 << QStringList{"actionRemove_Selected_Slip=Remove Selected Tax Slip/Note",
                                                "-",
                                                "actionShare_slip_with_spouse=Share slip with spouse",
                                                "actionUn_share_slip_with_spouse=Un-share slip with spouse",
                                                "-",
                                                "actionAdd_PRPP_slip=Add PRPP slip",
                                                "actionAdd_RC62_slip=Add RC62 slip",
                                                "actionAdd_RC210_slip=Add RC210 slip",
                                                "actionAdd_Manitoba_shelter_benefit_slip=Add Manitoba shelter benefit slip",
                                                "-",
                                                "actionAdd_T3_slip=Add T3 slip",
                                                "actionAdd_T4_slip=Add T4 slip",
                                                "actionAdd_T4A_slip=Add T4A slip",
                                                "actionAdd_T4A_OAS_slip=Add T4A(OAS) slip",
                                                "actionAdd_T4A_P_slip=Add T4A(P) slip",
                                                "actionAdd_T4A_RCA_slip=Add T4A-RCA slip",
                                                "actionAdd_T4E_slip=Add T4E slip",
                                                "actionAdd_T4PS_slip=Add T4PS slip",
                                                "actionAdd_T4RIF_slip=Add T4RIF slip",
                                                "actionAdd_T4RSP_slip=Add T4RSP slip",
                                                "actionAdd_T5_slip=Add T5 slip",
                                                "actionAdd_T1204_slip=Add T1204 slip",
                                                "actionAdd_T2202_slip=Add T2202 slip",
                                                "actionAdd_T5003_slip=Add T5003 slip",
                                                "actionAdd_T5006_slip=Add T5006 slip",
                                                "actionAdd_T5007=Add T5007",
                                                "actionAdd_T5008_slip=Add T5008 slip",
                                                "actionAdd_T5013_slip=Add T5013 slip",
                                                "actionAdd_NR4_slip=Add NR4 slip",
                                                "-",
                                                "actionAdd_a_tax_note=Add a tax note"};
    QTest::newRow("Forms") << "menuForms" << "Forms"
                           << QStringList{"actionRemove_Selected_Form_Schedule=Remove Selected Form/Schedule",
                                          "actionAdd_a_Tax_Form=Add a Tax Form ...",
                                          "actionArrange_Order_of_Tax_Forms=Arrange Order of Tax Forms ...",
                                          "-",
                                          "actionShare_Form_to_Spouse=Share form to spouse's return",
                                          "actionUn_share_form_with_spouse=Un-share form with spouse's return"};
    QTest::newRow("View") << "menuView" << "View"
                          << QStringList{"actionBackground_Color=Background Color ...", "actionSmall=Make Font Smaller",
                                         "actionLarge=Make Font Larger", "-", "actionMaximize_View=Maximize View"};
    QTest::newRow("Windows") << "menuWindows" << "Windows" << QStringList{"actionWelcome=Welcome"};
    QTest::newRow("Planning/Optimize") << "menuPlanning_Optimize" << "Planning/Optimize"
                                       << QStringList{"actionTax_Planning=Tax Planning", "actionOptimize=Optimize"};
    QTest::newRow("Filing/Print, NetFile edition")
        << "menuFiling_Print" << "Filing/Print"
        << QStringList{"actionValidate_Return=Validate Return",
                       "actionInternetFiling=NetFile to CRA",
                       "actionFind_Returns_Not_Filed_Online=Find Returns Not-Filed-Online",
                       "actionGenerate_Print_pdf_Files=Generate Print (.pdf) Files",
                       "-",
                       "actionFile_T1135_Online=File T1135 Online",
                       "-",
                       "actionSend_T183_for_E_Signature=Send T183 for E-Signature",
                       "actionSend_E_Auth_for_E_Signature=Send E-Auth for E-Signature"};
    QTest::newRow("Help") << "menuHelp" << "Help"
                          << QStringList{"actionFind_Industry_Code=Find Industry Code",
                                         "actionSend_Return_File_to_Corvane=Send Return File to Quillmere", "-",
                                         "actionAbout_Corvane=About Quillmere", "actionUpdate_Quillmere=Update Quillmere"};
}

void TstMainWindow::menus()
{
    QFETCH(QString, menuName);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    Window w = makeWindow();
    QMenu* m = menu(w.get(), menuName);
    QVERIFY(m);
    QCOMPARE(m->title(), title);
    QCOMPARE(entriesOf(m->actions()), entries);
}

void TstMainWindow::menuBarAndLooseActions()
{
    Window w = makeWindow();
    QStringList bar;
    for (const QAction* a : w->menuBar()->actions()) bar << a->menu()->objectName();
    QCOMPARE(bar, (QStringList{"menuQuillmere", "menuWindows", "menuView", "menuSlips", "menuForms",
                               "menuFiling_Print", "menuHelp", "menuPlanning_Optimize"}));

    QCOMPARE(action(w.get(), "actionMedium")->text(), QString("Medium Font"));
    QVERIFY(action(w.get(), "actionMedium")->isCheckable());
    QVERIFY(!action(w.get(), "actionSmall")->isCheckable());
    QVERIFY(!action(w.get(), "actionLarge")->isCheckable());
    QCOMPARE(action(w.get(), "actionSubmit_T1135")->text(), QString("File T1135 Online"));
    for (QMenu* m : w->findChildren<QMenu*>()) {
        QVERIFY(!m->actions().contains(action(w.get(), "actionMedium")));
        QVERIFY(!m->actions().contains(action(w.get(), "actionSubmit_T1135")));
    }
}

void TstMainWindow::toolBar()
{
    Window w = makeWindow();
    auto* bar = w->findChild<QToolBar*>("toolBar");
    QVERIFY(bar);
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(bar->windowTitle(), QString("toolBar"));
    QCOMPARE(entriesOf(bar->actions(), true),
             (QStringList{"actionNew=&New", "actionOpen_File=&Open", "actionImport_Prior_Year_s_Return=&Import",
                          "actionSave_Return=&Save", "actionClose_Return=&Close", "actionMaximize_View=&Toggle",
                          "actionOptimize=Optimi&ze", "-", "actionAdd_a_Tax_Form=+&Form",
                          "actionValidate_Return=&Validate", "actionInternetFiling=NetFile Return",
                          "actionGenerate_Print_pdf_Files=Generate &Print", "-", "actionPreference=Pr&eference"}));
    for (const QAction* a : bar->actions())
        if (!a->isSeparator()) QVERIFY2(!a->icon().pixmap(32).isNull(), qPrintable(a->objectName() + " has no icon"));
}

void TstMainWindow::edition_data()
{
    QTest::addColumn<int>("purpose");
    QTest::addColumn<QString>("filingText");
    QTest::addColumn<QString>("filingIconText");
    QTest::addColumn<bool>("keepsEAuthAndPad");
    QTest::newRow("EFile edition") << 1 << "EFile to CRA" << "EFile Return" << true;
    QTest::newRow("NetFile edition") << 2 << "NetFile to CRA" << "NetFile Return" << false;
}

void TstMainWindow::edition()
{
    QFETCH(int, purpose);
    QFETCH(QString, filingText);
    QFETCH(QString, filingIconText);
    QFETCH(bool, keepsEAuthAndPad);
    TabWndApp::s_appPurpose = static_cast<unsigned char>(purpose);
    Window w = makeWindow();
    QAction* filing = action(w.get(), "actionInternetFiling");
    QCOMPARE(filing->text(), filingText);
    QCOMPARE(filing->iconText(), filingIconText);
    QVERIFY(!filing->isEnabled());
    const QList<QAction*> inMenu = menu(w.get(), "menuFiling_Print")->actions();
    QCOMPARE(inMenu.contains(action(w.get(), "actionSubmit_E_Auth_former_T1013")), keepsEAuthAndPad);
    QCOMPARE(inMenu.contains(action(w.get(), "actionSubmit_PAD_Pre_authorized_Debit")), keepsEAuthAndPad);
    if (keepsEAuthAndPad) {
        const QStringList names = namesOf(inMenu);
        QCOMPARE(names.indexOf("actionSubmit_E_Auth_former_T1013"), 5);
        QCOMPARE(names.indexOf("actionSubmit_PAD_Pre_authorized_Debit"), 6);
    }
}

void TstMainWindow::enableGenPrint_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("not set") << false;
    QTest::newRow("set") << true;
}

void TstMainWindow::enableGenPrint()
{
    QFETCH(bool, enabled);
    config().m_EnableGenPrint = enabled;
    Window w = makeWindow();
    const QList<QAction*> help = menu(w.get(), "menuHelp")->actions();
    QCOMPARE(help.size(), enabled ? 6 : 5);
    QCOMPARE(help.last()->text(), QString(enabled ? "Generate Print Files" : "Update Quillmere"));
    if (enabled) QVERIFY(help.last()->isEnabled());
}

void TstMainWindow::fontSize_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("size");
    QTest::newRow("5 is too small") << "5" << 12;
    QTest::newRow("6 is the smallest") << "6" << 6;
    QTest::newRow("20 is the largest") << "20" << 20;
    QTest::newRow("21 is too large") << "21" << 12;
    QTest::newRow("not a number") << "abc" << 12;
    QTest::newRow("empty") << "" << 12;
}

void TstMainWindow::fontSize()
{
    QFETCH(QString, setting);
    QFETCH(int, size);
    config().m_FontSize = setting;
    Window w = makeWindow();
    QCOMPARE(w->fontSize(), size);
}

void TstMainWindow::contextMenus_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("added");
    QTest::newRow("0 the Tax Slips root")
        << 0
        << QStringList{"actionAdd_T3_slip",     "actionAdd_T4_slip",      "actionAdd_T4A_slip",
                       "actionAdd_T4A_P_slip",  "actionAdd_T4A_OAS_slip", "actionAdd_T4A_RCA_slip",
                       "actionAdd_T4E_slip",    "actionAdd_T4PS_slip",    "actionAdd_T4RIF_slip",
                       "actionAdd_T4RSP_slip",  "actionAdd_T5_slip",      "actionAdd_T5003_slip",
                       "actionAdd_T5006_slip",  "actionAdd_T5007",        "actionAdd_T5008_slip",
                       "actionAdd_T5013_slip",  "actionAdd_RC62_slip",    "actionAdd_RC210_slip",
                       "actionAdd_NR4_slip",    "actionAdd_PRPP_slip",    "actionAdd_T1204_slip",
                       "actionAdd_T2202_slip",  "actionAdd_Manitoba_shelter_benefit_slip"};
    QTest::newRow("1 a slip") << 1
                              << QStringList{"actionRemove_Selected_Slip", "actionShare_slip_with_spouse",
                                             "actionUn_share_slip_with_spouse"};
    QTest::newRow("10 the Tax Forms root") << 10 << QStringList{"actionAdd_a_Tax_Form"};
    QTest::newRow("11 a form") << 11
                               << QStringList{"actionRemove_Selected_Form_Schedule", "actionShare_Form_to_Spouse",
                                              "actionUn_share_form_with_spouse"};
    QTest::newRow("20 the Tax Notes root") << 20 << QStringList{"actionAdd_a_tax_note"};
    QTest::newRow("21 a note") << 21 << QStringList{"actionRemove_Selected_Slip"};
    QTest::newRow("2 adds nothing") << 2 << QStringList{};
    QTest::newRow("-1 adds nothing") << -1 << QStringList{};
}

void TstMainWindow::contextMenus()
{
    QFETCH(int, kind);
    QFETCH(QStringList, added);
    Window w = makeWindow();
    QMenu m;
    QAction* own = m.addAction("Expand");
    own->setObjectName("tree's own");
    w->setupContextMenu(kind, &m);
    QCOMPARE(namesOf(m.actions()), QStringList{"tree's own"} + added);
}

void TstMainWindow::statusLabels()
{
    Window w = makeWindow();
    QList<QLabel*> labels;
    for (QLabel* l : w->statusBar()->findChildren<QLabel*>())
        if (l->frameStyle() == (QFrame::Panel | QFrame::Sunken)) labels << l;
    QCOMPARE(labels.size(), 3);
    w->showReturnResultInStatus(CString("Refund: 1,234.56"));
    QCOMPARE(labels[2]->text(), QString("Refund: 1,234.56"));
    // Back on the start page the result of a return is no longer shown.
    w->syncWndTitleAndStatus();
    QCOMPARE(labels[2]->text(), QString());
    for (const QLabel* l : labels) QVERIFY(l->text().isEmpty());
}

void TstMainWindow::preferenceOpensTheDialog_data()
{
    QTest::addColumn<bool>("fromStartPage");
    QTest::newRow("Preference in the Start menu") << false;
    QTest::newRow("Preference ... on the start page") << true;
}

void TstMainWindow::preferenceOpensTheDialog()
{
    QFETCH(bool, fromStartPage);
    Window w = makeWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QString opened;
    QTimer::singleShot(0, w.get(), [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        opened = modal->metaObject()->className() + QStringLiteral(" ") + modal->windowTitle();
        QTest::mouseClick(modal->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    if (fromStartPage)
        QTest::mouseClick(w->startPage()->findChild<QPushButton*>("prefButton"), Qt::LeftButton);
    else
        action(w.get(), "actionPreference")->trigger();
    QCOMPARE(opened, QString("PreferenceDlg Preference"));
    QVERIFY(!QApplication::activeModalWidget());
}

void TstMainWindow::quit_data()
{
    QTest::addColumn<bool>("unsavedReturn");
    QTest::newRow("nothing unsaved: the run ends") << false;
    QTest::newRow("an unsaved return keeps the program running until it is saved") << true;
}

void TstMainWindow::quit()
{
    QFETCH(bool, unsavedReturn);
    Prompt::Scripted prompts;
    Window w = makeWindow();
    auto* stack = w->findChild<QStackedWidget*>("stackedWidget");
    auto* saved = new ReturnPage("Saved return");
    auto* unsaved = new ReturnPage("Edited return");
    unsaved->changed = unsavedReturn;
    stack->addWidget(saved);
    stack->addWidget(unsaved);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    bool stillRunningAfterQuit = false;
    bool safetyStop = false;
    QTimer::singleShot(0, w.get(), [&] { action(w.get(), "actionQuit")->trigger(); });
    QTimer::singleShot(300, w.get(), [&] {
        stillRunningAfterQuit = true;
        unsaved->changed = false; // the user saved it
        action(w.get(), "actionQuit")->trigger();
    });
    QTimer::singleShot(5000, w.get(), [&] {
        safetyStop = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();

    QVERIFY(!safetyStop);
    QCOMPARE(stillRunningAfterQuit, unsavedReturn);
    QVERIFY(!w->isVisible());
    if (unsavedReturn) {
        QCOMPARE(prompts.texts(),
                 QStringList{"Close all opened return file first, then you can exit the program.\n\n"
                             "Click 'Close' icon on the top to close return file."});
    } else {
        QVERIFY(prompts.asked().isEmpty());
    }
}

QUILLMERE_APP_TEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
