// The main window's commands as a user reaches them from the menus: the
// editor's commands forwarded to the return shown, the add-slip actions, the
// view settings, T1135 filing, the report of returns not filed online and
// the information boxes. Every question is answered through the seam and
// every modal dialog is closed as a user would close it.

#include <memory>

#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QCheckBox>
#include <QTableView>
#include <QTextBrowser>
#include <QTextEdit>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTimer>

#include "apptestmain.h"
#include "deploymentdata.h"
#include "dlgfilingterm.h"
#include "dlgsendfileforhelp.h"
#include "dlgtddmain.h"
#include "fakehttpsserver.h"
#include "editortestsupport.h"
#include "folderview.h"
#include "openforuser.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "prompt.h"
#include "returnfileentriesmodel.h"
#include "sqlitedbmanager.h"
#include "t1.h"
#include "testauthority.h"
#include "taxformpage.h"
#include "viewintroduction.h"

using namespace EditorTest;

namespace {

using Window = std::unique_ptr<MainWindow>;

QAction* action(MainWindow* w, const QString& name) { return w->findChild<QAction*>(name); }

// Runs a command's slot even when its action is disabled, as a stray
// shortcut or a later state change could.
void runSlot(MainWindow* w, const QString& name)
{
    const QByteArray slot = QStringLiteral("on_%1_triggered").arg(name).toLatin1();
    QVERIFY2(QMetaObject::invokeMethod(w, slot.constData()), slot.constData());
}

// Types into a box of the first slip, without pressing Return.
QLineEdit* typeIntoFirstSlip(Form_Return* editor, const QString& box, const QString& text)
{
    FolderView* tree = editor->folderView();
    tree->setCurrentItem(tree->slipsRoot()->child(0));
    QLineEdit* edit = fieldEdit(editor, box);
    if (!edit) return nullptr;
    typeIntoField(editor, edit, text);
    return edit;
}

// Closes every modal dialog that comes up, as Cancel would, and names them.
class DialogCloser : public QObject
{
public:
    DialogCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_seen << QString::fromLatin1(dialog->metaObject()->className()) + QLatin1Char(':') + dialog->windowTitle();
                dialog->reject();
            }
        });
        m_timer.start(5);
    }
    const QStringList& seen() const { return m_seen; }

private:
    QTimer m_timer;
    QStringList m_seen;
};

// A plain file stands where the run folder was, so nothing can be made
// there, until restore() or the end of the scope puts the folder back.
class RunFolderBlocked
{
public:
    RunFolderBlocked()
        : m_run(TabWndApp::getMainApp()->runFolder().toQString()), m_away(m_run + QStringLiteral(".away"))
    {
        m_moved = QDir().rename(m_run, m_away);
        QFile blocker(m_run);
        m_blocked = m_moved && blocker.open(QIODevice::WriteOnly);
    }
    ~RunFolderBlocked() { restore(); }
    bool isBlocked() const { return m_blocked; }
    const QString& path() const { return m_run; }
    // True once the folder is back in its place.
    bool restore()
    {
        if (!m_moved) return QFileInfo(m_run).isDir();
        QFile::remove(m_run);
        m_moved = !QDir().rename(m_away, m_run);
        return !m_moved;
    }

private:
    QString m_run;
    QString m_away;
    bool m_moved = false;
    bool m_blocked = false;
};

// Takes the place of the desktop's handler for local files.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// Writes the scenario's return with the persons' filing statuses.
bool writeReturn(const QString& scenario, const QString& path, int taxpayerStatus, int spouseStatus = -1)
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(scenarioJson(scenario), &error);
    if (!family) return false;
    family->taxpayer()->t1()->setInt("filing_status", taxpayerStatus);
    if (spouseStatus >= 0 && family->spouse()) family->spouse()->t1()->setInt("filing_status", spouseStatus);
    const bool saved = family->saveToFile(CString(path));
    family->FreeData();
    return saved;
}

const QString kCouple = QStringLiteral("retired_couple_pension_split_on");

// Lists the returns in the order given, newest first, whatever second each
// was saved in.
bool listReturns(const QList<QPair<QString, QString>>& namesAndPaths)
{
    TabWndApp* app = TabWndApp::getMainApp();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("listing"));
        ok = app->openExtraDBHandle(db);
        for (int i = 0; ok && i < namesAndPaths.size(); ++i) {
            ok = app->saveReturnEntry(CString(namesAndPaths[i].first), CString(), CString(namesAndPaths[i].second)) >= 0;
            QSqlQuery query(db);
            query.prepare(QStringLiteral("update tb_retfile set open_time=:time where filepath=:path"));
            query.bindValue(QStringLiteral(":time"), QStringLiteral("2022-01-%1 10:00:00").arg(20 - i));
            query.bindValue(QStringLiteral(":path"), namesAndPaths[i].second);
            ok = ok && query.exec();
        }
        app->closeExtraDBHandle(db);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("listing"));
    app->loadReturnEntriesIntoModel(QString());
    return ok;
}

} // namespace

class MainWindowCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
        installTaxFormPages();
        QString error;
        QVERIFY2(TestAuthority::make(m_certs.path(), "support", m_authority, &error), qPrintable(error));
        m_server.reset(new FakeHttpsServer(m_authority.serverCertificate, m_authority.serverKey));
        QVERIFY(m_server->start());
        CDeploymentData::setCertificateFile(m_authority.caCertificate);
    }
    void cleanupTestCase()
    {
        CDeploymentData::setCertificateFile(QString());
        m_server.reset();
    }
    void init();
    void cleanup();

    void forwardingOnStartPage_data();
    void forwardingOnStartPage();
    void forwardingStoresTypedAmountFirst_data();
    void forwardingStoresTypedAmountFirst();
    void removeSlipBeingTyped_data();
    void removeSlipBeingTyped();
    void removeEmptySlipAsksNothing();
    void addSlip_data();
    void addSlip();
    void addSlipOnStartPage();
    void fontSteps();
    void fontBounds_data();
    void fontBounds();
    void colour();
    void maximizeViewAlternates();
    void t1135_data();
    void t1135();
    void t1135RunFolderIsAFile();
    void notFiledReport();
    void notFiledReportOfEmptyList();
    void notFiledReportFollowsTheFilter();
    void notFiledReportCannotBeCreated();
    void notFiledReportNotOpened();
    void linkBoxes_data();
    void linkBoxes();
    void supportUpload();
    void supportUploadFails_data();
    void supportUploadFails();
    void supportUploadOfUnsavedReturn_data();
    void supportUploadOfUnsavedReturn();
    void sendFileDialogAddress_data();
    void sendFileDialogAddress();
    void sendFileDialogCancel();
    void filingTermAgreeRule();
    void filingTermHeaders_data();
    void filingTermHeaders();
    void taxDataCommands_data();
    void taxDataCommands();
    void printFilesWithNoReturn_data();
    void printFilesWithNoReturn();

private:
    // Fills the support dialog when it shows and presses Ok.
    void answerSupportDialog(const QString& email, const QString& message);
    QTemporaryDir m_certs;
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;

    QString returnFile(const QString& scenario, const QString& name, int status = 0, int spouseStatus = -1);
    // Runs the report and returns its text with the folder written as "DIR".
    QString runReport(MainWindow* w);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void MainWindowCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TabWndApp* app = TabWndApp::getMainApp();
    CT1AppConfig& config = app->config();
    config.m_RetPath = m_dir->path();
    config.m_SaveBackup = 0;
    config.m_FontSize = "12";
    config.m_BKColor = "#d0f1ff";
    // Each test starts from an empty list of recent returns.
    const ReturnFileEntriesModel* list = app->loadReturnEntriesIntoModel(QString());
    QList<int> ids;
    for (int i = 0; i < list->count(); ++i) ids << list->getElementData(i)->getId();
    for (int id : ids) app->database().removeHistoryItemByIDFromDB(id);
    app->loadReturnEntriesIntoModel(QString());
}

void MainWindowCommandsTest::cleanup()
{
    m_dir.reset();
}

QString MainWindowCommandsTest::returnFile(const QString& scenario, const QString& name, int status, int spouseStatus)
{
    const QString path = m_dir->filePath(name);
    if (!writeReturn(scenario, path, status, spouseStatus)) qWarning() << "cannot write" << path;
    return path;
}

// ------------------------------------------------------------ forwarding

namespace {
const QStringList kForwarding{
    "actionRemove_Selected_Slip",       "actionRemove_Selected_Form_Schedule", "actionShare_slip_with_spouse",
    "actionUn_share_slip_with_spouse",  "actionShare_Form_to_Spouse",          "actionUn_share_form_with_spouse",
    "actionAdd_a_tax_note",             "actionAdd_a_Tax_Form",                "actionArrange_Order_of_Tax_Forms",
    "actionChange_Tax_Province",        "actionDe_Couple_Return_1to2",         "actionTax_Planning",
    "actionOptimize",                   "actionSubmit_E_Auth_former_T1013",    "actionSubmit_PAD_Pre_authorized_Debit",
    "actionMaximize_View",              "actionFile_T1135_Online",             "actionSend_Return_File_to_Corvane",
};
} // namespace

void MainWindowCommandsTest::forwardingOnStartPage_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : kForwarding) QTest::newRow(qPrintable(name)) << name;
}

void MainWindowCommandsTest::forwardingOnStartPage()
{
    QFETCH(QString, name);
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    DialogCloser dialogs;
    const QString text = action(w.get(), name)->text();
    runSlot(w.get(), name);
    QTest::qWait(20);
    QVERIFY2(prompts.asked().isEmpty(), qPrintable(prompts.titles().join(" | ")));
    QVERIFY2(dialogs.seen().isEmpty(), qPrintable(dialogs.seen().join(" | ")));
    QVERIFY(!shownEditor(w.get()));
    QCOMPARE(action(w.get(), name)->text(), text);
    QCOMPARE(TabWndApp::getMainApp()->returnEntries().count(), 0);
    // Not a silent nothing: the status bar says what the command needs.
    QCOMPARE(w->statusBar()->currentMessage(), MainWindow::needReturnText());
}

void MainWindowCommandsTest::forwardingStoresTypedAmountFirst_data()
{
    // What shows the command did its work: the dialog it opens (its class or
    // title), the question it asks, or the action's new text; empty for a
    // command that only stores the page. Adding a note is seen in the tree.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("newText");
    QTest::newRow("add note") << "actionAdd_a_tax_note" << "" << "" << "";
    QTest::newRow("add form") << "actionAdd_a_Tax_Form" << "AddTaxFormDlg" << "" << "";
    QTest::newRow("forms order") << "actionArrange_Order_of_Tax_Forms" << "DlgChangeFormOrder" << "" << "";
    QTest::newRow("province") << "actionChange_Tax_Province" << "Change Tax Province" << "" << "";
    QTest::newRow("de-couple") << "actionDe_Couple_Return_1to2" << "DlgDeCoupleReturn" << "" << "";
    QTest::newRow("planning") << "actionTax_Planning" << "DlgTaxPlanning" << "" << "";
    QTest::newRow("optimise") << "actionOptimize" << "Identify Shareable Amounts" << "" << "";
    QTest::newRow("e-auth") << "actionSubmit_E_Auth_former_T1013" << "" << "" << "";
    QTest::newRow("PAD") << "actionSubmit_PAD_Pre_authorized_Debit" << "" << "" << "";
    QTest::newRow("maximize") << "actionMaximize_View" << "" << "" << "Restore View";
    QTest::newRow("T1135") << "actionFile_T1135_Online" << "" << "Please add form T1135 into tax return first!" << "";
}

void MainWindowCommandsTest::removeSlipBeingTyped_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("removed");
    QTest::newRow("yes") << int(Prompt::Yes) << true;
    QTest::newRow("no") << int(Prompt::No) << false;
}

// Removing the slip being typed into asks first, since it holds amounts; the
// answer decides, and what was typed counts either way.
void MainWindowCommandsTest::removeSlipBeingTyped()
{
    QFETCH(int, answer);
    QFETCH(bool, removed);
    QString path = returnFile(kCouple, "couple.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    const auto& slips = editor->familyData()->taxpayer()->slips();
    const size_t before = slips.size();
    CTaxData_Form* first = slips.front()->object;
    const STRUCT_SLIPDATA_ITEM_2004* second = *std::next(slips.begin());
    const QString name = first->GetDisplayName().toQString();
    QVERIFY(typeIntoFirstSlip(editor, "016", "41234"));
    prompts.press(answer);
    action(w.get(), "actionRemove_Selected_Slip")->trigger();
    QCOMPARE(prompts.texts(), QStringList{Form_Return::removeHoldingAmountsText(name)});
    QCOMPARE(slips.size(), removed ? before - 1 : before);
    if (removed)
        QCOMPARE(slips.front(), second);
    else
        QCOMPARE(first->getFloat("016"), 41234.0);
}

// A slip added and left empty goes without a question.
void MainWindowCommandsTest::removeEmptySlipAsksNothing()
{
    QString path = returnFile("employee_t4_on", "empty.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    const auto& slips = editor->familyData()->taxpayer()->slips();
    const size_t before = slips.size();
    action(w.get(), "actionAdd_T5_slip")->trigger();
    QCOMPARE(slips.size(), before + 1);
    action(w.get(), "actionRemove_Selected_Slip")->trigger();
    QCOMPARE(slips.size(), before);
    QVERIFY2(prompts.asked().isEmpty(), qPrintable(prompts.texts().join(" | ")));
}

void MainWindowCommandsTest::forwardingStoresTypedAmountFirst()
{
    QFETCH(QString, name);
    QFETCH(QString, dialog);
    QFETCH(QString, question);
    QFETCH(QString, newText);
    QString path = returnFile(kCouple, "couple.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QVERIFY(editor->familyData()->IsCoupledReturn());
    CTaxData_Form* slip = editor->familyData()->taxpayer()->slips().front()->object;
    QVERIFY(typeIntoFirstSlip(editor, "016", "41234"));
    QCOMPARE(slip->getFloat("016"), 40000.0);

    const int notes = editor->folderView()->notesRoot()->childCount();
    DialogCloser dialogs;
    action(w.get(), name)->trigger();
    QTest::qWait(20);

    QCOMPARE(slip->getFloat("016"), 41234.0);
    if (dialog.isEmpty())
        QVERIFY2(dialogs.seen().isEmpty(), qPrintable(dialogs.seen().join(" | ")));
    else
        QVERIFY2(dialogs.seen().size() == 1 && dialogs.seen().first().contains(dialog),
                 qPrintable(dialogs.seen().join(" | ")));
    QCOMPARE(editor->folderView()->notesRoot()->childCount(), notes + (name == "actionAdd_a_tax_note" ? 1 : 0));
    if (question.isEmpty())
        QVERIFY2(prompts.asked().isEmpty(), qPrintable(prompts.texts().join(" | ")));
    else
        QVERIFY2(prompts.texts().join('\n').contains(question), qPrintable(prompts.texts().join(" | ")));
    if (!newText.isEmpty()) QCOMPARE(action(w.get(), name)->text(), newText);
}

// ------------------------------------------------------------ add-slip actions

void MainWindowCommandsTest::addSlip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    const QList<QPair<const char*, int>> rows{
        {"actionAdd_T4_slip", 1},       {"actionAdd_T4A_slip", 2},      {"actionAdd_T4A_P_slip", 3},
        {"actionAdd_T4RSP_slip", 4},    {"actionAdd_T4E_slip", 5},      {"actionAdd_T4A_OAS_slip", 6},
        {"actionAdd_T4RIF_slip", 7},    {"actionAdd_T5_slip", 8},       {"actionAdd_T3_slip", 9},
        {"actionAdd_T5003_slip", 10},   {"actionAdd_T5007", 11},        {"actionAdd_T5013_slip", 13},
        {"actionAdd_T4PS_slip", 14},    {"actionAdd_T4A_RCA_slip", 15}, {"actionAdd_T5006_slip", 16},
        {"actionAdd_RC62_slip", 17},    {"actionAdd_RC210_slip", 18},   {"actionAdd_Manitoba_shelter_benefit_slip", 21},
        {"actionAdd_PRPP_slip", 22},    {"actionAdd_T1204_slip", 23},   {"actionAdd_NR4_slip", 24},
        {"actionAdd_T2202_slip", 25},
    };
    for (const auto& row : rows) QTest::newRow(row.first) << QString::fromLatin1(row.first) << row.second;
}

void MainWindowCommandsTest::addSlip()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QString path = returnFile("employee_t4_on", "slips.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    const auto& slips = editor->familyData()->taxpayer()->slips();
    const auto countOf = [&slips](int t) {
        return std::count_if(slips.begin(), slips.end(), [t](const STRUCT_SLIPDATA_ITEM_2004* s) { return s->slipType == t; });
    };
    const auto before = countOf(type);
    const size_t total = slips.size();

    action(w.get(), name)->trigger();

    QCOMPARE(countOf(type), before + 1);
    QCOMPARE(slips.size(), total + 1);
    const STRUCT_SLIPDATA_ITEM_2004* added = nullptr;
    for (const STRUCT_SLIPDATA_ITEM_2004* s : slips)
        if (s->slipType == type) added = s;
    QVERIFY(added);
    QCOMPARE(editor->currentForm(), added->object);
    QVERIFY(editor->isChanged());
    QCOMPARE(prompts.unanswered(), 0);
}

void MainWindowCommandsTest::addSlipOnStartPage()
{
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    QVERIFY(!action(w.get(), "actionAdd_T3_slip")->isEnabled());
    QVERIFY(!action(w.get(), "actionAdd_T4_slip")->isEnabled());
    for (QAction* a : w->findChildren<QAction*>()) {
        if (!a->objectName().startsWith("actionAdd_") || a->objectName() == "actionAdd_T5008_slip") continue;
        if (!a->objectName().contains("slip") && a->objectName() != "actionAdd_T5007") continue;
        a->trigger();
    }
    QVERIFY2(prompts.asked().isEmpty(), qPrintable(prompts.titles().join(" | ")));
    QVERIFY(!shownEditor(w.get()));

    // The T5008 box comes anywhere: on the start page and over a return.
    action(w.get(), "actionAdd_T5008_slip")->trigger();
    QString path = returnFile("employee_t4_on", "t5008.r21");
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    const size_t slips = editor->familyData()->taxpayer()->slips().size();
    action(w.get(), "actionAdd_T5008_slip")->trigger();
    QCOMPARE(editor->familyData()->taxpayer()->slips().size(), slips);
    QCOMPARE(prompts.titles(), QStringList({"T5008 Tax Slip Information", "T5008 Tax Slip Information"}));
    QCOMPARE(prompts.asked().at(1).text,
             QStringLiteral("T5008 tax slip is NOT used directly in tax return.\nCapital gain is calculated from "
                            "Schedule 3, you need to enter T5008 data into schedule 3.\nRead the following FAQ link:"));
    QCOMPARE(prompts.asked().at(1).link, CDeploymentData::makerT5008HelpUrl());
}

// ------------------------------------------------------------ view settings

void MainWindowCommandsTest::fontSteps()
{
    QString first = returnFile("employee_t4_on", "first.r21");
    QString second = returnFile("employee_t4_on", "second.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    w->openReturnFile(first);
    Form_Return* other = shownEditor(w.get());
    w->openReturnFile(second);
    Form_Return* shown = shownEditor(w.get());
    QVERIFY(other && shown && other != shown);
    QCOMPARE(shown->fontSize(), 12);

    for (int i = 0; i < 3; ++i) action(w.get(), "actionLarge")->trigger();

    QCOMPARE(shown->fontSize(), 18);
    QCOMPARE(TabWndApp::getMainApp()->config().m_FontSize.toQString(), QStringLiteral("18"));
    QVERIFY(shown->folderView()->styleSheet().contains("font-size:18pt"));
    QCOMPARE(other->fontSize(), 12);
    QCOMPARE(w->fontSize(), 18);
    QVERIFY(prompts.asked().isEmpty());
}

void MainWindowCommandsTest::fontBounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("bound");
    QTest::newRow("larger stops at 20") << "actionLarge" << 6 << 20;
    QTest::newRow("smaller stops at 6") << "actionSmall" << 5 << 6;
}

void MainWindowCommandsTest::fontBounds()
{
    QFETCH(QString, name);
    QFETCH(int, steps);
    QFETCH(int, bound);
    QString path = returnFile("employee_t4_on", "bounds.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    for (int i = 0; i < steps; ++i) action(w.get(), name)->trigger();
    QCOMPARE(editor->fontSize(), bound);
    QCOMPARE(TabWndApp::getMainApp()->config().m_FontSize.toQString(), QString::number(bound));
}

void MainWindowCommandsTest::colour()
{
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    CT1AppConfig& config = TabWndApp::getMainApp()->config();

    // Cancelled: nothing changes.
    prompts.cancel();
    action(w.get(), "actionBackground_Color")->trigger();
    QCOMPARE(config.m_BKColor.toQString(), QStringLiteral("#d0f1ff"));

    // Chosen on the start page: stored, and the next editor opened uses it.
    prompts.answer(Prompt::Answer::chosenColor(QColor(0x12, 0xab, 0xef)));
    action(w.get(), "actionBackground_Color")->trigger();
    QCOMPARE(config.m_BKColor.toQString(), QStringLiteral("#12abef"));
    QCOMPARE(prompts.asked().size(), 2);
    QCOMPARE(prompts.asked().at(1).kind, Prompt::Kind::Color);
    QCOMPARE(prompts.asked().at(1).color, QColor("#d0f1ff"));

    QString path = returnFile("employee_t4_on", "colour.r21");
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QVERIFY2(editor->folderView()->styleSheet().contains("#12abef"), qPrintable(editor->folderView()->styleSheet()));

    // Chosen over an editor: that editor stores its page and redraws.
    CTaxData_Form* slip = editor->familyData()->taxpayer()->slips().front()->object;
    QVERIFY(typeIntoFirstSlip(editor, "14", "65000"));
    prompts.answer(Prompt::Answer::chosenColor(QColor("#fedcba")));
    action(w.get(), "actionBackground_Color")->trigger();
    QCOMPARE(slip->getFloat("14"), 65000.0);
    QVERIFY(editor->folderView()->styleSheet().contains("#fedcba"));
}

void MainWindowCommandsTest::maximizeViewAlternates()
{
    QString path = returnFile("employee_t4_on", "view.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    w->openReturnFile(path);
    QVERIFY(shownEditor(w.get()));
    QAction* maximize = action(w.get(), "actionMaximize_View");
    maximize->trigger();
    QCOMPARE(maximize->text(), QStringLiteral("Restore View"));
    maximize->trigger();
    QCOMPARE(maximize->text(), QStringLiteral("Maximize View"));
    maximize->trigger();
    QCOMPARE(maximize->text(), QStringLiteral("Restore View"));
}

// ------------------------------------------------------------ T1135 filing

void MainWindowCommandsTest::t1135_data()
{
    QTest::addColumn<bool>("withForm");
    QTest::addColumn<QString>("message");
    QTest::newRow("no T1135") << false << "Please add form T1135 into tax return first!";
}

// With a T1135 the filing dialog opens: its roads are tested with the fake
// agency (tst_mainwindow_filing).
void MainWindowCommandsTest::t1135()
{
    QFETCH(bool, withForm);
    QFETCH(QString, message);
    QString path = returnFile("employee_t4_on", "t1135.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    if (withForm) QVERIFY(editor->familyData()->taxpayer()->GetFormData(FormType::T1135, true));
    action(w.get(), "actionFile_T1135_Online")->trigger();
    QCOMPARE(prompts.asked().size(), 1);
    QVERIFY2(prompts.asked().first().text.contains(message), qPrintable(prompts.asked().first().text));
    QVERIFY(!prompts.asked().first().text.contains("success", Qt::CaseInsensitive));
}

void MainWindowCommandsTest::t1135RunFolderIsAFile()
{
    QString path = returnFile("employee_t4_on", "t1135.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QVERIFY(editor->familyData()->taxpayer()->GetFormData(FormType::T1135, true));

    RunFolderBlocked blocked;
    QVERIFY(blocked.isBlocked());
    action(w.get(), "actionFile_T1135_Online")->trigger();
    QVERIFY(blocked.restore());

    QCOMPARE(prompts.texts(),
             QStringList{"NetFile/EFile cannot be created, please check firewall and anti-virus software settings."});
    QCOMPARE(prompts.asked().first().parent, nullptr);
}

// ------------------------------------------------------------ the not-filed report

QString MainWindowCommandsTest::runReport(MainWindow* w)
{
    UrlRecorder desktop;
    const QDir run(TabWndApp::getMainApp()->runFolder().toQString());
    const QStringList before = run.entryList({"filing*.txt"}, QDir::Files);
    action(w, "actionFind_Returns_Not_Filed_Online")->trigger();
    QStringList made = run.entryList({"filing*.txt"}, QDir::Files);
    for (const QString& name : before) made.removeAll(name);
    if (made.size() != 1 || desktop.opened.size() != 1) return QStringLiteral("no single report: %1").arg(made.join(','));
    const QString path = run.filePath(made.first());
    if (desktop.opened.first() != QUrl::fromLocalFile(path) || !path.startsWith('/'))
        return QStringLiteral("opened %1").arg(desktop.opened.first().toString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("unreadable");
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    QFile::remove(path);
    return text.replace(m_dir->path(), QStringLiteral("DIR"));
}

// No program on the desktop takes the report: the user is told its full
// path, in a message whose text can be copied.
void MainWindowCommandsTest::notFiledReportNotOpened()
{
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    // A handler with no such method: the desktop answers that nothing opened.
    QObject refuses;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &refuses, "noSuchMethod");
    const QDir run(TabWndApp::getMainApp()->runFolder().toQString());
    const QStringList before = run.entryList({"filing*.txt"}, QDir::Files);
    action(w.get(), "actionFind_Returns_Not_Filed_Online")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QStringList made = run.entryList({"filing*.txt"}, QDir::Files);
    for (const QString& name : before) made.removeAll(name);
    QCOMPARE(made.size(), 1);
    const QString path = run.filePath(made.first());
    QCOMPARE(prompts.texts(), QStringList{fileNotOpenedText(path)});
    QVERIFY(prompts.texts().first().contains(QDir::toNativeSeparators(path)));
    QFile::remove(path);
}

void MainWindowCommandsTest::notFiledReport()
{
    const struct {
        const char* name;
        const char* scenario;
        int status, spouseStatus;
    } rows[] = {
        {"filed.r21", "employee_t4_on", 1, -1},
        {"amended.r21", "employee_t4_on", 2, -1},
        {"notfiled.r21", "employee_t4_on", 0, -1},
        {"couple.r21", "retired_couple_pension_split_on", 1, 0},
        {"amendfiled.r21", "employee_t4_on", 3, -1},
        {"deleted.r21", "employee_t4_on", 0, -1},
    };
    QList<QPair<QString, QString>> listed;
    for (const auto& row : rows)
        listed << qMakePair(QString(row.name), returnFile(row.scenario, row.name, row.status, row.spouseStatus));
    QVERIFY(listReturns(listed));
    QVERIFY(QFile::remove(m_dir->filePath("deleted.r21")));
    Window w = activeMainWindow();
    Prompt::Scripted prompts;

    const QString report = runReport(w.get());

    QFile golden(QStringLiteral(GOLDEN_DIR "/notfiled.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(report, QString::fromUtf8(golden.readAll()));
    QVERIFY(prompts.asked().isEmpty());
}

void MainWindowCommandsTest::notFiledReportOfEmptyList()
{
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    QCOMPARE(runReport(w.get()), QStringLiteral("Summary: Total files scaned: 0;  Not-filed files: 0\n\n"));
}

void MainWindowCommandsTest::notFiledReportFollowsTheFilter()
{
    TabWndApp* app = TabWndApp::getMainApp();
    QList<QPair<QString, QString>> listed;
    for (const char* name : {"alpha", "beta", "gamma"})
        listed << qMakePair(QString(name), returnFile("employee_t4_on", QString(name) + ".r21"));
    QVERIFY(listReturns(listed));
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    w->startPage()->show();
    QTest::keyClicks(w->startPage()->findChild<QLineEdit*>("edtFilter"), "bet");
    QCOMPARE(app->returnEntries().count(), 1);

    const QString report = runReport(w.get());

    QVERIFY2(report.startsWith("0000 DIR/beta.r21\n===> "), qPrintable(report));
    QVERIFY(!report.contains("alpha") && !report.contains("gamma"));
    QVERIFY2(report.endsWith("Summary: Total files scaned: 1;  Not-filed files: 1\n\n"), qPrintable(report));
}

void MainWindowCommandsTest::notFiledReportCannotBeCreated()
{
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    UrlRecorder desktop;
    RunFolderBlocked blocked;
    QVERIFY(blocked.isBlocked());
    action(w.get(), "actionFind_Returns_Not_Filed_Online")->trigger();
    QVERIFY(blocked.restore());

    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY2(prompts.texts().first().startsWith("cannot create report file " + blocked.path() + "/filing"),
             qPrintable(prompts.texts().first()));
    QVERIFY(desktop.opened.isEmpty());
}

// ------------------------------------------------------------ boxes with a link

void MainWindowCommandsTest::linkBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("link");
    QTest::newRow("about") << "actionAbout_Corvane" << "About Quillmere 2021 for NetFile"
                           << "This software is released on 2022-03-02" << CDeploymentData::makerProductSiteUrl();
    QTest::newRow("update") << "actionUpdate_Quillmere" << "Update Quillmere 2021 for NetFile"
                            << "You can download Quillmere 2021 for NetFile from the following link"
                            << CDeploymentData::makerDownloadPageUrl(true);
    QTest::newRow("industry code") << "actionFind_Industry_Code" << "Find Industry Code"
                                   << "Industry code is a 6-digit code.\nFind a industry code from the following web link:"
                                   << CDeploymentData::industryCodeLookupUrl();
}

void MainWindowCommandsTest::linkBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, link);
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    action(w.get(), name)->trigger();
    QCOMPARE(prompts.titles(), QStringList{title});
    QVERIFY2(prompts.asked().first().text.contains(text), qPrintable(prompts.asked().first().text));
    QCOMPARE(prompts.asked().first().link, link);
    QCOMPARE(prompts.asked().first().parent, w.get());
}

// ------------------------------------------------------------ the support upload

namespace {
const QByteArray kUploadPath = "/php/fileupload2.php";

void clickOk(QDialog* dialog)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}
} // namespace

void MainWindowCommandsTest::answerSupportDialog(const QString& email, const QString& message)
{
    QTimer::singleShot(0, [email, message] {
        auto* dialog = qobject_cast<DlgSendFileForHelp*>(QApplication::activeModalWidget());
        if (!dialog) return;
        QTest::keyClicks(dialog->findChild<QLineEdit*>("edtEmail"), email);
        dialog->findChild<QTextEdit*>("edtMsg")->setPlainText(message);
        clickOk(dialog);
    });
}

void MainWindowCommandsTest::supportUpload()
{
    m_server->clearScript();
    m_server->clearRequests();
    m_server->script(kUploadPath, FakeReply::text("ok"));
    TabWndApp::getMainApp()->config().m_QuillmereWebServer = CString(m_server->host());
    QString path = returnFile("employee_t4_on", "help me.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    w->openReturnFile(path);
    QVERIFY(shownEditor(w.get()));
    const QString message = QString(250, QLatin1Char('m')) + QStringLiteral("\nline two");

    const QString before = QDateTime::currentDateTime().toString("MMddHHmm-");
    answerSupportDialog("Ada@Example.com", message);
    action(w.get(), "actionSend_Return_File_to_Corvane")->trigger();
    const QString after = QDateTime::currentDateTime().toString("MMddHHmm-");

    QCOMPARE(prompts.texts(), QStringList{"file is sent successfully, we will contact you at Ada@Example.com"});
    const QList<RecordedRequest> received = m_server->requests(kUploadPath);
    QCOMPARE(received.size(), 1);
    const QList<FormPart> parts = received.first().formParts();
    QCOMPARE(parts.size(), 4);
    QCOMPARE(parts[0].name, QStringLiteral("file"));
    QVERIFY2(parts[0].fileName == before + "help me.r21" || parts[0].fileName == after + "help me.r21",
             qPrintable(parts[0].fileName));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(parts[0].body, file.readAll());
    QCOMPARE(parts[1].name, QStringLiteral("email"));
    QCOMPARE(parts[1].body, QByteArray("Ada@Example.com"));
    QCOMPARE(parts[2].name, QStringLiteral("msg"));
    QCOMPARE(QString::fromUtf8(parts[2].body), TabWndApp::s_appTitle + " special\n" + message);
    QCOMPARE(parts[3].name, QStringLiteral("path"));
    QCOMPARE(QFileInfo(QString::fromUtf8(parts[3].body)), QFileInfo(path));
}

void MainWindowCommandsTest::supportUploadFails_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("HTTP 500") << 0;
    QTest::newRow("connection dropped") << 1;
}

void MainWindowCommandsTest::supportUploadFails()
{
    QFETCH(int, how);
    m_server->clearScript();
    m_server->clearRequests();
    m_server->script(kUploadPath, how == 0 ? FakeReply::text("error", 500) : FakeReply::drop());
    TabWndApp::getMainApp()->config().m_QuillmereWebServer = CString(m_server->host());
    QString path = returnFile("employee_t4_on", "fails.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    w->openReturnFile(path);
    answerSupportDialog("ada@example.com", "help");
    action(w.get(), "actionSend_Return_File_to_Corvane")->trigger();
    QCOMPARE(m_server->count(kUploadPath), 1);
    QCOMPARE(prompts.texts(), QStringList{"file is NOT sent, please contact us for solution."});
}

void MainWindowCommandsTest::supportUploadOfUnsavedReturn_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("never saved") << false;
    QTest::newRow("edited since it was saved") << true;
}

void MainWindowCommandsTest::supportUploadOfUnsavedReturn()
{
    QFETCH(bool, fromFile);
    m_server->clearRequests();
    TabWndApp::getMainApp()->config().m_QuillmereWebServer = CString(m_server->host());
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    if (fromFile) {
        QString path = returnFile("employee_t4_on", "edited.r21");
        w->openReturnFile(path);
        QVERIFY(shownEditor(w.get()));
        shownEditor(w.get())->familyData()->taxpayer()->GetFormData(FormType::T1, false)->setString("email", "changed@example.ca");
    } else {
        QString error;
        std::unique_ptr<CFamilyTaxData> family = Scenario::build(scenarioJson("employee_t4_on"), &error);
        QVERIFY2(family, qPrintable(error));
        w->_presentAReturn(-1, nullptr, family.release());
        QVERIFY(shownEditor(w.get()));
    }
    DialogCloser dialogs;
    action(w.get(), "actionSend_Return_File_to_Corvane")->trigger();
    QTest::qWait(20);
    QCOMPARE(prompts.texts(), QStringList{"Please save return to a file first."});
    QVERIFY(dialogs.seen().isEmpty());
    QCOMPARE(m_server->count(), 0);
}

void MainWindowCommandsTest::sendFileDialogAddress_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two letters") << "ada@example.ca" << true;
    QTest::newRow("four letters, upper case") << "ADA.B@MAIL.EXAMPLE.INFO" << true;
    QTest::newRow("one letter") << "ada@example.c" << false;
    QTest::newRow("five letters") << "ada@example.email" << false;
    QTest::newRow("no @") << "ada.example.com" << false;
    QTest::newRow("empty") << "" << false;
}

void MainWindowCommandsTest::sendFileDialogAddress()
{
    QFETCH(QString, email);
    QFETCH(bool, accepted);
    Prompt::Scripted prompts;
    DlgSendFileForHelp dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.findChild<QLabel*>("label")->text(),
             QStringLiteral("Your email address: (identify you to quillmere support team)"));
    QCOMPARE(dialog.findChild<QLabel*>("label_2")->text(), QStringLiteral("Short Message (less than 200 characters)"));
    const QString message = QString(300, QLatin1Char('x'));
    QTimer::singleShot(0, [&] {
        QTest::keyClicks(dialog.findChild<QLineEdit*>("edtEmail"), email);
        dialog.findChild<QTextEdit*>("edtMsg")->setPlainText(message);
        clickOk(&dialog);
        // Refused: the dialog stays open for a better address.
        if (dialog.isVisible()) dialog.reject();
    });
    QCOMPARE(dialog.exec(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dialog.email(), accepted ? email : QString());
    QCOMPARE(dialog.message(), accepted ? message : QString());
    QCOMPARE(prompts.texts(), accepted ? QStringList() : QStringList{"please enter a valid email address."});
}

void MainWindowCommandsTest::sendFileDialogCancel()
{
    Prompt::Scripted prompts;
    DlgSendFileForHelp dialog(nullptr);
    QTimer::singleShot(0, [&] {
        QTest::keyClicks(dialog.findChild<QLineEdit*>("edtEmail"), "bad");
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(prompts.asked().isEmpty());
    QVERIFY(dialog.email().isEmpty());
}

// ------------------------------------------------------------ terms and the tax-data records

namespace {
QAbstractButton* termButton(DlgFilingTerm* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>("buttonBox")->button(which);
}
} // namespace

void MainWindowCommandsTest::filingTermAgreeRule()
{
    DlgFilingTerm dialog(0, nullptr);
    QCOMPARE(dialog.size(), QSize(660, 417));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("PpgAT1Filing_Term"));
    QCOMPARE(dialog.findChild<QLabel*>("lblAgree")->text(), QStringLiteral("I agree with the terms and conditions"));
    int okPresses = 0;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(termButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        okPresses += dialog.isVisible() ? 1 : 0;
        dialog.findChild<QCheckBox*>("fld_bAgree")->setChecked(true);
        QTest::mouseClick(termButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(okPresses, 1);

    // Cancel closes whether or not the box is ticked.
    QTimer::singleShot(0, [&] { QTest::mouseClick(termButton(&dialog, QDialogButtonBox::Cancel), Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

void MainWindowCommandsTest::filingTermHeaders_data()
{
    QTest::addColumn<QString>("header1");
    QTest::addColumn<QString>("header2");
    QTest::addColumn<QString>("shown1");
    QTest::addColumn<QString>("shown2");
    const QString first = "Terms and Condition";
    const QString second = "Please read the following terms and conditions, you will need to agree to proceed.";
    QTest::newRow("both: only the first") << "One" << "Two" << "One" << second;
    QTest::newRow("second only") << "" << "Two" << first << "Two";
    QTest::newRow("neither") << "" << "" << first << second;
}

void MainWindowCommandsTest::filingTermHeaders()
{
    QFETCH(QString, header1);
    QFETCH(QString, header2);
    QFETCH(QString, shown1);
    QFETCH(QString, shown2);
    DlgFilingTerm dialog(0, nullptr);
    dialog.setHeader(header1, header2);
    QCOMPARE(dialog.findChild<QLabel*>("lblHeader1")->text(), shown1);
    QCOMPARE(dialog.findChild<QLabel*>("lblHeader2")->text(), shown2);
}

void MainWindowCommandsTest::taxDataCommands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("withReturn");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<int>("forWhich");
    QTest::newRow("NOA, edition 2, notice agreed") << "actionExpress_NOA" << 2 << true << true << true << 2;
    QTest::newRow("NOA, edition 2, notice cancelled") << "actionExpress_NOA" << 2 << false << false << true << 2;
    QTest::newRow("NOA, edition 1: no notice") << "actionExpress_NOA" << 1 << true << false << false << 2;
    QTest::newRow("auto-fill: no notice") << "actionAuto_Fill_AFR" << 2 << true << false << false << 1;
    QTest::newRow("auto-fill on the start page") << "actionAuto_Fill_AFR" << 2 << false << false << false << 1;
}

void MainWindowCommandsTest::taxDataCommands()
{
    QFETCH(QString, name);
    QFETCH(int, edition);
    QFETCH(bool, withReturn);
    QFETCH(bool, agree);
    QFETCH(bool, notice);
    QFETCH(int, forWhich);

    // One stored record of each kind, for a person of another return.
    QSqlDatabase& db = TabWndApp::getMainApp()->database().getDBHandle();
    QSqlQuery query(db);
    QVERIFY(query.exec("delete from tb_taxdata") && query.exec("delete from tb_taxnoa"));
    QVERIFY(query.exec("insert or replace into tb_taxpayers (id, sin) values (901, '046454286')"));
    QVERIFY(query.exec("insert into tb_taxdata (uid, create_time, taxyear) values (901, '2022-03-01 09:00:00', 2021)"));
    QVERIFY(query.exec("insert into tb_taxnoa (uid, create_time, taxyear) values (901, '2022-04-02 10:00:00', 2021)"));

    const unsigned char savedEdition = TabWndApp::s_appPurpose;
    TabWndApp::s_appPurpose = static_cast<unsigned char>(edition);
    QString path = returnFile("employee_t4_on", "tdd.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    QString expectedSin;
    if (withReturn) {
        w->openReturnFile(path);
        QVERIFY(shownEditor(w.get()));
        expectedSin = shownEditor(w.get())->familyData()->taxpayer()->t1()->getString("sin").toQString();
        QVERIFY(!expectedSin.isEmpty());
    }

    QStringList shown;
    QString records, noticeText;
    Form_Return* gotEditor = reinterpret_cast<Form_Return*>(1);
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* term = qobject_cast<DlgFilingTerm*>(modal)) {
            shown << term->windowTitle() + "|" + term->findChild<QLabel*>("lblHeader1")->text() + "|"
                    + term->findChild<QLabel*>("lblHeader2")->text() + "|" + term->findChild<QLabel*>("lblAgree")->text();
            noticeText = term->findChild<QTextBrowser*>("fld_term")->toPlainText();
            if (agree) {
                // OK does nothing until the box is ticked.
                QTest::mouseClick(termButton(term, QDialogButtonBox::Ok), Qt::LeftButton);
                if (!term->isVisible()) shown << "closed unticked";
                term->findChild<QCheckBox*>("fld_bAgree")->setChecked(true);
                QTest::mouseClick(termButton(term, QDialogButtonBox::Ok), Qt::LeftButton);
            } else {
                QTest::mouseClick(termButton(term, QDialogButtonBox::Cancel), Qt::LeftButton);
            }
        } else if (auto* list = qobject_cast<DlgTDDMain*>(modal)) {
            shown << list->windowTitle() + "|" + QString::number(list->forWhich()) + "|" + list->sin().toQString();
            gotEditor = list->editor();
            QAbstractItemModel* model = list->findChild<QTableView*>("tableView")->model();
            for (int r = 0; r < model->rowCount(); ++r)
                records += model->index(r, 0).data().toString() + " " + model->index(r, 1).data().toString() + " "
                    + model->index(r, 2).data().toString() + ";";
            QTest::mouseClick(list->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        }
    });
    poll.start(5);
    action(w.get(), name)->trigger();
    poll.stop();
    TabWndApp::s_appPurpose = savedEdition;

    QStringList expected;
    if (notice)
        expected << "Express NOA Notice|Electronic NOA Notice|Please read the following terms and conditions, you will "
                    "need to agree to proceed.|I have read the NOA notice message";
    expected << QStringLiteral("%1|%2|%3")
                    .arg(forWhich == 1 ? "Auto Fill Tax Data" : "Express Notice of Assessment")
                    .arg(forWhich)
                    .arg(expectedSin);
    QCOMPARE(shown, expected);
    if (notice) QVERIFY2(noticeText.contains("Express Notice of Assessment"), qPrintable(noticeText));
    QCOMPARE(gotEditor, withReturn ? shownEditor(w.get()) : nullptr);
    QCOMPARE(records, forWhich == 1 ? QStringLiteral("046454286 2022-03-01 09:00:00 2021;")
                                    : QStringLiteral("046454286 2022-04-02 10:00:00 2021;"));
    QVERIFY(prompts.asked().isEmpty());
}

// ------------------------------------------------------------ the report maker's sources

void MainWindowCommandsTest::printFilesWithNoReturn_data()
{
    QTest::addColumn<bool>("folderSet");
    QTest::newRow("folder set: written") << true;
    QTest::newRow("folder empty: nothing") << false;
}

void MainWindowCommandsTest::printFilesWithNoReturn()
{
    QFETCH(bool, folderSet);
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    const CString savedJava = config.m_JAVAPROJPATH, savedXml = config.m_XMLPATH, savedBform = config.m_BFORM_XMLPATH;
    const bool savedEnable = config.m_EnableGenPrint;
    QTemporaryDir out;
    QVERIFY(QDir(out.path()).mkpath("java") && QDir(out.path()).mkpath("xml") && QDir(out.path()).mkpath("bform"));
    config.m_EnableGenPrint = true;
    config.m_JAVAPROJPATH = folderSet ? CString(out.filePath("java")) : CString();
    config.m_XMLPATH = CString(out.filePath("xml"));
    config.m_BFORM_XMLPATH = CString(out.filePath("bform"));
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    QVERIFY(!shownEditor(w.get()));
    action(w.get(), "actionGenerate_Print_Files")->trigger();
    config.m_JAVAPROJPATH = savedJava;
    config.m_XMLPATH = savedXml;
    config.m_BFORM_XMLPATH = savedBform;
    config.m_EnableGenPrint = savedEnable;

    QStringList written;
    QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) written << it.next();
    QCOMPARE(!written.isEmpty(), folderSet);
}

QUILLMERE_APP_TEST_MAIN(MainWindowCommandsTest)
#include "tst_mainwindow_commands.moc"
