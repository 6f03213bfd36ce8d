// The main window as a keyboard user and a newcomer meet it: the usual
// shortcuts reach their commands, no Alt key names two controls of one
// window, and a command with nothing to act on says what it needs.

#include <memory>

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "apptestmain.h"
#include "editortestsupport.h"
#include "folderview.h"
#include "prompt.h"
#include "viewintroduction.h"

using namespace EditorTest;

namespace {

using Window = std::unique_ptr<MainWindow>;

QAction* action(MainWindow* w, const QString& name) { return w->findChild<QAction*>(name); }

// "key: control, control" for every Alt key that two visible controls of
// the window claim.
QStringList sharedMnemonics(QWidget* window)
{
    QMultiMap<QString, QString> owners;
    auto claim = [&owners](const QString& text, const QString& owner) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) owners.insert(key.toString(), owner + QLatin1Char('"') + text + QLatin1Char('"'));
    };
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(window)) claim(b->text(), b->metaObject()->className());
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->isVisibleTo(window) && l->buddy()) claim(l->text(), QStringLiteral("QLabel"));
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        if (g->isVisibleTo(window)) claim(g->title(), QStringLiteral("QGroupBox"));
    for (QTabBar* t : window->findChildren<QTabBar*>())
        if (t->isVisibleTo(window))
            for (int i = 0; i < t->count(); ++i) claim(t->tabText(i), QStringLiteral("tab"));
    for (QMenuBar* m : window->findChildren<QMenuBar*>())
        for (QAction* a : m->actions()) claim(a->text(), QStringLiteral("menu"));
    QStringList shared;
    for (const QString& key : owners.uniqueKeys())
        if (owners.count(key) > 1) shared << key + QStringLiteral(": ") + QStringList(owners.values(key)).join(", ");
    return shared;
}

// Closes each modal dialog that comes up, after noting the Alt keys two of
// its controls share.
class DialogInspector : public QObject
{
public:
    DialogInspector()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                const QString name = QString::fromLatin1(dialog->metaObject()->className());
                m_seen << name;
                for (const QString& s : sharedMnemonics(dialog)) m_shared << name + QStringLiteral(" ") + s;
                dialog->reject();
            }
        });
        m_timer.start(5);
    }
    QStringList seen() const { return m_seen; }
    QStringList shared() const { return m_shared; }

private:
    QTimer m_timer;
    QStringList m_seen;
    QStringList m_shared;
};

// The commands that do their work with no return open: they start, open or
// make one, or act on the program's settings, lists and information boxes.
const QStringList kWorkWithoutReturn = {
    "actionNew",           "actionOpen_File",      "actionImport_Prior_Year_s_Return",
    "actionCouple_Returns_2to1", "actionPreference", "actionAuto_Fill_AFR",
    "actionExpress_NOA",   "actionQuit",           "actionWelcome",
    "actionBackground_Color", "actionSmall",       "actionLarge",
    "actionMedium",        "actionFind_Returns_Not_Filed_Online", "actionFind_Industry_Code",
    "actionAbout_Corvane", "actionUpdate_Quillmere", "actionAdd_T5008_slip",
    "actionGenerate_Print_Files", "actionInternetFiling",
};

} // namespace

class MainWindowKeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
        installTaxFormPages();
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        TabWndApp::getMainApp()->config().m_RetPath = m_dir->path();
        TabWndApp::getMainApp()->config().m_SaveBackup = 0;
    }
    void cleanup() { m_dir.reset(); }

    void shortcuts_data();
    void shortcuts();
    void noSharedMnemonics_data();
    void noSharedMnemonics();
    void commandsWithNoReturn_data();
    void commandsWithNoReturn();
    void openSelectedWithNothingSelected();

private:
    QString returnFile(const QString& scenario, const QString& name)
    {
        return scenarioFileIn(m_dir->path(), scenario, name);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void MainWindowKeyboardTest::shortcuts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QKeySequence>("common");
    QTest::newRow("new") << "actionNew" << int(QKeySequence::New) << QKeySequence("Ctrl+N");
    QTest::newRow("open") << "actionOpen_File" << int(QKeySequence::Open) << QKeySequence("Ctrl+O");
    QTest::newRow("save") << "actionSave_Return" << int(QKeySequence::Save) << QKeySequence("Ctrl+S");
    QTest::newRow("print") << "actionGenerate_Print_pdf_Files" << int(QKeySequence::Print) << QKeySequence("Ctrl+P");
    QTest::newRow("close") << "actionClose_Return" << int(QKeySequence::Close) << QKeySequence("Ctrl+W");
    QTest::newRow("quit") << "actionQuit" << int(QKeySequence::Quit) << QKeySequence("Ctrl+Q");
}

// Each standard key, pressed on the window with a return open, triggers its
// action (the command itself is tested with its action elsewhere).
void MainWindowKeyboardTest::shortcuts()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QKeySequence, common);
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    QVERIFY(openInEditor(w.get(), returnFile("employee_t4_on", "keys.r21")));
    QAction* a = action(w.get(), name);
    // The desktop's key, or the common one where its theme names none.
    const QKeySequence sequence = QKeySequence::keyBindings(QKeySequence::StandardKey(key)).value(0, common);
    QVERIFY2(a->shortcuts().contains(sequence), qPrintable(sequence.toString()));
    // Only the key's route is looked at here: the command stays unrun.
    QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
    QSignalSpy triggered(a, &QAction::triggered);
    QTest::keySequence(w.get(), sequence);
    QCOMPARE(triggered.count(), 1);
}

void MainWindowKeyboardTest::noSharedMnemonics_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("start page") << "";
    QTest::newRow("single return") << "employee_t4_on";
    QTest::newRow("coupled return") << "retired_couple_pension_split_on";
}

// The window, and every dialog its commands open over a return, give each
// Alt key to one control at the most.
void MainWindowKeyboardTest::noSharedMnemonics()
{
    QFETCH(QString, scenario);
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    if (!scenario.isEmpty()) QVERIFY(openInEditor(w.get(), returnFile(scenario, "mnemonics.r21")));
    QCOMPARE(sharedMnemonics(w.get()), QStringList());
    if (scenario.isEmpty()) return;

    DialogInspector dialogs;
    for (const char* name : {"actionAdd_a_Tax_Form", "actionArrange_Order_of_Tax_Forms", "actionChange_Tax_Province",
                             "actionTax_Planning", "actionOptimize", "actionDe_Couple_Return_1to2", "actionPreference",
                             "actionNew"}) {
        if (action(w.get(), name)->isEnabled()) action(w.get(), name)->trigger();
        QTest::qWait(10);
    }
    QVERIFY(!dialogs.seen().isEmpty());
    QCOMPARE(dialogs.shared(), QStringList());
}

void MainWindowKeyboardTest::commandsWithNoReturn_data()
{
    QTest::addColumn<QString>("name");
    std::unique_ptr<MainWindow> w(MainWindow::getInstance(nullptr));
    for (QAction* a : w->findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (!name.startsWith(QLatin1String("action")) || kWorkWithoutReturn.contains(name)) continue;
        QTest::newRow(qPrintable(name)) << name;
    }
}

// With no return open, a command that needs one is disabled or says so in
// the status bar; none does nothing without a word.
void MainWindowKeyboardTest::commandsWithNoReturn()
{
    QFETCH(QString, name);
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    DialogInspector dialogs;
    QAction* a = action(w.get(), name);
    QVERIFY(a);
    if (!a->isEnabled()) return;
    w->statusBar()->clearMessage();
    a->trigger();
    QTest::qWait(10);
    QCOMPARE(w->statusBar()->currentMessage(), MainWindow::needReturnText());
    QVERIFY2(prompts.asked().isEmpty(), qPrintable(prompts.texts().join(" | ")));
    QCOMPARE(dialogs.seen(), QStringList());
}

void MainWindowKeyboardTest::openSelectedWithNothingSelected()
{
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    auto* open = w->startPage()->findChild<QAbstractButton*>(QStringLiteral("openButton"));
    QVERIFY(open);
    w->startPage()->findChild<QTableView*>()->clearSelection();
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(w->statusBar()->currentMessage(), MainWindow::needSelectionText());
    QVERIFY(!shownEditor(w.get()));
    QVERIFY(prompts.asked().isEmpty());
}

QUILLMERE_APP_TEST_MAIN(MainWindowKeyboardTest)
#include "tst_mainwindow_keyboard.moc"
