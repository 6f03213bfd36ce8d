// The main window's side of a return's life, as a user drives it: files
// saved, saved under a new name, backed up, and saves that fail; the limit
// of two returns; the start folders; import of last year's file; coupling
// two files; damaged, newer and protected files; and the way out.

#include <csignal>
#include <memory>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QMenu>
#include <QTableView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWizard>

#include "apptestmain.h"
#include "dlgcouplereturn_tab1.h"
#include "dlgimportoption_info.h"
#include "folderview.h"
#include "formtypes.h"
#include "editortestsupport.h"
#include "priorimport.h"
#include "returnfile.h"
#include "returnfilebuilder.h"
#include "prompt.h"
#include "t1.h"
#include "taxformpage.h"
#include "taxdataform.h"
#include "viewintroduction.h"

using namespace EditorTest;

namespace {

using Window = std::unique_ptr<MainWindow>;

QAction* action(MainWindow* w, const char* name)
{
    return w->findChild<QAction*>(QString::fromLatin1(name));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Runs `check` on the modal dialog once it is shown.
void whenModal(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, [check] { check(QApplication::activeModalWidget()); });
}

// Each person block starts with the version and the tax year.
const QByteArray kThisYearHeader = QByteArray::fromHex("00010215000007e5");

// Turns a saved return into last year's file.
bool makeLastYear(const QString& from, const QString& to)
{
    QByteArray bytes = bytesOf(from);
    if (bytes.count(kThisYearHeader) != 2) return false;
    bytes.replace(kThisYearHeader, QByteArray::fromHex("00010215000007e4"));
    return writeBytes(to, bytes);
}

std::function<void(QJsonObject&)> withPerson(int maritalStatus, const QString& first, const QString& sin)
{
    return [=](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        t1.insert("marital_status", maritalStatus);
        t1.insert("first_name", first);
        t1.insert("sin", sin);
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
    };
}

// The start page's row listing `path`, or an invalid index.
QModelIndex rowOf(const QTableView* table, const QString& path)
{
    for (int r = 0; r < table->model()->rowCount(); ++r)
        if (table->model()->index(r, 2).data().toString() == path) return table->model()->index(r, 0);
    return QModelIndex();
}

// Lowers the largest file this process may write for its lifetime.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lower = m_saved;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

class MainWindowReturnsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(TabWndApp::getMainApp()->initApp(), 0); }
    void init();
    void cleanup();
    void saveAsKeepsTheNewName();
    void backupHoldsWhatWasSaved();
    void failedSave_data();
    void failedSave();
    void limitOfTwo_data();
    void limitOfTwo();
    void openStartFolders();
    void importStartFolder();
    void importWithDefaults();
    void importCancelled();
    void couple_data();
    void couple();
    void coupleRefused_data();
    void coupleRefused();
    void foreignFileRefused_data();
    void foreignFileRefused();
    void partlyReadFileOpensUntitled();
    void oversizedFileRefused();
    void sameFileGivesOneEditor_data();
    void sameFileGivesOneEditor();
    void saveAsOverAnOpenReturnRefused();
    void removeOfAnOpenReturnRefused();
    void listFollowsSavesAndCloses();
    void wrongPasswordPresentsNothing();
    void exitWithNeverSavedReturnIsRefused();
    void windowsMenuAndClosing();
    void closingKeepsWhatIsTyped_data();
    void closingKeepsWhatIsTyped();
    void startPageOpens_data();
    void startPageOpens();
    void startPageNewAndImport_data();
    void startPageNewAndImport();

private:
    // Lists `path` alone on the start page, shows the window and selects
    // its row, as a user finds it; the row's index in the table, or an
    // invalid one.
    QModelIndex listAndSelect(const QString& path, bool select);
    QString scenarioFile(const QString& scenario, const QString& name,
                         const std::function<void(QJsonObject&)>& edit = {})
    {
        return scenarioFileIn(m_dir->path(), scenario, name, edit);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    Window m_window;
};

void MainWindowReturnsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TabWndApp* app = TabWndApp::getMainApp();
    app->m_LastOpenPath.Empty();
    app->m_LastImportPath.Empty();
    app->config().m_RetPath = m_dir->path();
    app->config().m_SaveBackup = 0;
    m_window.reset(MainWindow::getInstance(nullptr));
}

void MainWindowReturnsTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void MainWindowReturnsTest::saveAsKeepsTheNewName()
{
    QString path = scenarioFile("employee_t4_on", "first.r21");
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    const QString renamed = m_dir->filePath("renamed.r21");
    prompts.type(renamed);
    action(m_window.get(), "actionSave_Return_As")->trigger();
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().kind, Prompt::Kind::SaveFile);
    QCOMPARE(editor->getTitle(), QDir::toNativeSeparators(renamed));
    QVERIFY(m_window->windowTitle().endsWith(QDir::toNativeSeparators(renamed)));

    // The next save goes to the new name without asking.
    editor->familyData()->taxpayer()->t1()->setString("first_name", "Ada");
    QVERIFY(editor->isChanged());
    action(m_window.get(), "actionSave_Return")->trigger();
    QCOMPARE(prompts.asked().size(), 1);
    QVERIFY(!editor->isChanged());
    const auto reread = readCalculated(renamed);
    QVERIFY(reread);
    QCOMPARE(reread->taxpayer()->t1()->getString("first_name"), CString("Ada"));
    const auto original = readCalculated(path);
    QVERIFY(original);
    QVERIFY(original->taxpayer()->t1()->getString("first_name") != CString("Ada"));

    // Close and reopen: the same return.
    action(m_window.get(), "actionClose_Return")->trigger();
    QVERIFY(!shownEditor(m_window.get()));
    QString again = renamed;
    m_window->openReturnFile(again);
    QVERIFY(shownEditor(m_window.get()));
    QVERIFY(*shownEditor(m_window.get())->familyData() == *reread);
}

void MainWindowReturnsTest::backupHoldsWhatWasSaved()
{
    TabWndApp::getMainApp()->config().m_SaveBackup = 1;
    QString path = scenarioFile("employee_t4_on", "kept.r21");
    const QString backup = m_dir->filePath("kept_backup.r21");
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    editor->familyData()->taxpayer()->t1()->setString("first_name", "Ada");
    action(m_window.get(), "actionSave_Return")->trigger();
    QVERIFY(QFile::exists(backup));
    QCOMPARE(bytesOf(backup), bytesOf(path));

    // A file saved for the first time has nothing to back up.
    const QString fresh = m_dir->filePath("fresh.r21");
    prompts.type(fresh);
    action(m_window.get(), "actionSave_Return_As")->trigger();
    QVERIFY(QFile::exists(fresh));
    QVERIFY(!QFile::exists(m_dir->filePath("fresh_backup.r21")));
}

void MainWindowReturnsTest::failedSave_data()
{
    QTest::addColumn<bool>("cutShort");
    QTest::newRow("a save cut short by a file-size limit") << true;
    QTest::newRow("a folder replaced by a file") << false;
}

void MainWindowReturnsTest::failedSave()
{
    QFETCH(bool, cutShort);
    QVERIFY(QDir(m_dir->path()).mkdir("returns"));
    QString path = scenarioFile("employee_t4_on", "returns/held.r21");
    const QByteArray before = bytesOf(path);
    QVERIFY(!before.isEmpty());
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    editor->familyData()->taxpayer()->t1()->setString("first_name", "Ada");

    std::unique_ptr<FileSizeLimit> limit;
    if (cutShort) {
        limit = std::make_unique<FileSizeLimit>(rlim_t(before.size() / 2));
    } else {
        QVERIFY(QDir(m_dir->filePath("returns")).removeRecursively());
        QVERIFY(writeBytes(m_dir->filePath("returns"), "not a folder"));
    }
    action(m_window.get(), "actionSave_Return")->trigger();
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("File save failed"));
    QCOMPARE(prompts.texts(), QStringList(Form_Return::saveFailedText(path)));
    QVERIFY(prompts.texts().first().contains(QDir::toNativeSeparators(path)));
    QVERIFY(editor->isChanged());
    QCOMPARE(shownEditor(m_window.get()), editor);

    // Close, "Yes" to save: the save fails again and the editor stays.
    prompts.clear();
    prompts.press(Prompt::Yes);
    action(m_window.get(), "actionClose_Return")->trigger();
    QCOMPARE(prompts.texts().size(), 2);
    QCOMPARE(prompts.texts().last(), Form_Return::saveFailedText(path));
    QCOMPARE(shownEditor(m_window.get()), editor);
    QVERIFY(editor->isChanged());
    limit.reset();
    if (cutShort) QCOMPARE(bytesOf(path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).filter("held").size(), 0);

    // Let the window go without asking.
    prompts.clear();
    prompts.press(Prompt::No);
    action(m_window.get(), "actionClose_Return")->trigger();
    QVERIFY(!shownEditor(m_window.get()));
}

void MainWindowReturnsTest::limitOfTwo_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("open") << "actionOpen_File";
    QTest::newRow("new") << "actionNew";
    QTest::newRow("import") << "actionImport_Prior_Year_s_Return";
    QTest::newRow("couple") << "actionCouple_Returns_2to1";
}

void MainWindowReturnsTest::limitOfTwo()
{
    QFETCH(QString, command);
    QString path = scenarioFile("employee_t4_on", "one.r21");
    QString other = scenarioFile("employee_t4_on", "two.r21");
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    m_window->openReturnFile(other);
    QCOMPARE(openEditors(m_window.get()).size(), 2);
    QVERIFY(prompts.asked().isEmpty());
    action(m_window.get(), qPrintable(command))->trigger();
    QCOMPARE(prompts.texts(), QStringList("Maximum number of returns are opened already. Please click 'Close' button "
                                          "on top to close a return first!"));
    QCOMPARE(openEditors(m_window.get()).size(), 2);
}

void MainWindowReturnsTest::openStartFolders()
{
    QVERIFY(QDir(m_dir->path()).mkdir("elsewhere"));
    QString path = scenarioFile("employee_t4_on", "elsewhere/far.r21");
    Prompt::Scripted prompts;
    prompts.type(path);
    action(m_window.get(), "actionOpen_File")->trigger();
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().initial, m_dir->path());
    QCOMPARE(prompts.asked().first().title, QStringLiteral("Open Return File"));
    QVERIFY(shownEditor(m_window.get()));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("File read successfully"));

    prompts.clear();
    prompts.cancel();
    action(m_window.get(), "actionOpen_File")->trigger();
    QCOMPARE(prompts.asked().first().initial, QDir::toNativeSeparators(QFileInfo(path).canonicalPath()));
    QCOMPARE(openEditors(m_window.get()).size(), 1);
}

void MainWindowReturnsTest::importStartFolder()
{
    // A return folder of the year: last year's beside it when it exists.
    QVERIFY(QDir(m_dir->path()).mkpath("Returns2021"));
    TabWndApp::getMainApp()->config().m_RetPath = m_dir->filePath("Returns2021");
    Prompt::Scripted prompts;
    prompts.cancel();
    action(m_window.get(), "actionImport_Prior_Year_s_Return")->trigger();
    QCOMPARE(prompts.asked().first().initial, m_dir->filePath("Returns2021"));
    QVERIFY(QDir(m_dir->path()).mkpath("Returns2020"));
    prompts.clear();
    prompts.cancel();
    action(m_window.get(), "actionImport_Prior_Year_s_Return")->trigger();
    QCOMPARE(prompts.asked().first().initial, m_dir->filePath("Returns2020"));
    QCOMPARE(prompts.asked().first().title, QStringLiteral("Import Return File"));
}

void MainWindowReturnsTest::importWithDefaults()
{
    const QString saved = scenarioFile("employee_t4_on", "saved.r21");
    {
        int result = -9;
        std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(saved), result));
        QVERIFY(family);
        family->NewNoteData(-1);
        QVERIFY(family->saveToFile(CString(saved)));
        family->FreeData();
    }
    const QString lastYear = m_dir->filePath("last.r20");
    QVERIFY(makeLastYear(saved, lastYear));
    int result = -9;
    std::unique_ptr<CFamilyTaxData> expected(CFamilyTaxData::serializeFromFile(CString(lastYear), result));
    QCOMPARE(result, 0);
    STRUCT_IMPORT_LASTYEAR_PARAM defaults;
    expected->Build2003DataTo2004(&defaults);
    expected->Calculate(-1, nullptr);
    QCOMPARE(int(expected->taxpayer()->notes().size()), 1);

    Prompt::Scripted prompts;
    prompts.type(lastYear);
    bool shown = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<DlgImportOption_Info*>(modal);
        QVERIFY(dialog);
        shown = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("DlgImportOption_Info"));
        QVERIFY(dialog->findChild<QCheckBox*>("fld_KeepNotes")->isChecked());
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnImport"), Qt::LeftButton);
    });
    action(m_window.get(), "actionImport_Prior_Year_s_Return")->trigger();
    QVERIFY(shown);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    QVERIFY(!editor->hasFileToSave());
    QCOMPARE(editor->getTitle(), QStringLiteral("Untitled (unsaved)"));
    QVERIFY(*editor->familyData() == *expected);
    QCOMPARE(TabWndApp::getMainApp()->m_LastImportPath.toQString(),
             QDir::toNativeSeparators(QFileInfo(lastYear).canonicalPath()));
    expected->FreeData();
}

void MainWindowReturnsTest::importCancelled()
{
    const QString lastYear = m_dir->filePath("last.r20");
    QVERIFY(makeLastYear(scenarioFile("employee_t4_on", "saved.r21"), lastYear));
    Prompt::Scripted prompts;
    prompts.type(lastYear);
    bool shown = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<DlgImportOption_Info*>(modal);
        QVERIFY(dialog);
        shown = true;
        QTest::mouseClick(dialog->findChild<QCheckBox*>("fld_KeepForms"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QCheckBox*>("fld_bMakeCoupled"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    action(m_window.get(), "actionImport_Prior_Year_s_Return")->trigger();
    QVERIFY(shown);
    QVERIFY(openEditors(m_window.get()).isEmpty());

    // A file that is not last year's: the reader's result, nothing shown.
    prompts.clear();
    QString garbage = m_dir->filePath("garbage.r20");
    QVERIFY(writeBytes(garbage, "not a return"));
    prompts.type(garbage);
    action(m_window.get(), "actionImport_Prior_Year_s_Return")->trigger();
    QVERIFY(prompts.texts().last().startsWith("Import prior year's return file failed, error = "));
    QVERIFY(openEditors(m_window.get()).isEmpty());
}

void MainWindowReturnsTest::couple_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("both");
    QTest::newRow("single and common-law") << int(MARITAL_SINGLE) << int(MARITAL_COMMON_LAW) << int(MARITAL_COMMON_LAW);
    QTest::newRow("single and divorced") << int(MARITAL_SINGLE) << int(MARITAL_DIVORCED) << int(MARITAL_MARRIED);
}

void MainWindowReturnsTest::couple()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, both);
    const QString file1 = scenarioFile("employee_t4_on", "a.r21", withPerson(first, "Maya", "046454286"));
    const QString file2 = scenarioFile("employee_t4_on", "b.r21", withPerson(second, "Bo", "130692544"));
    const QByteArray before1 = bytesOf(file1), before2 = bytesOf(file2);
    Prompt::Scripted prompts;
    bool shown = false;
    whenModal([&](QWidget* modal) {
        auto* wizard = qobject_cast<QWizard*>(modal);
        QVERIFY(wizard);
        shown = true;
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Couple Two Returns Together"));
        auto* page = wizard->findChild<DlgCoupleReturn_tab1*>();
        QVERIFY(page);
        QTest::keyClicks(page->findChild<QLineEdit*>("fld_Filename1"), file1);
        QTest::keyClicks(page->findChild<QLineEdit*>("fld_Filename2"), file2);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
    action(m_window.get(), "actionCouple_Returns_2to1")->trigger();
    QVERIFY(shown);
    QCOMPARE(prompts.texts(), QStringList());
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    QVERIFY(!editor->hasFileToSave());
    CFamilyTaxData* data = editor->familyData();
    QVERIFY(data->IsCoupledReturn());
    QCOMPARE(data->taxpayer()->t1()->getString("first_name"), CString("Maya"));
    QCOMPARE(data->spouse()->t1()->getString("first_name"), CString("Bo"));
    QCOMPARE(data->taxpayer()->t1()->getInt("marital_status"), both);
    QCOMPARE(data->spouse()->t1()->getInt("marital_status"), both);
    QCOMPARE(editor->personChooser()->count(), 2);
    QCOMPARE(bytesOf(file1), before1);
    QCOMPARE(bytesOf(file2), before2);
}

void MainWindowReturnsTest::coupleRefused_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("pageStays");
    QTest::newRow("the same file twice") << "same" << "Please choose two different return files for coupling" << true;
    QTest::newRow("a missing path") << "missing" << "Please make sure both return files exist in the given file path"
                                    << true;
    QTest::newRow("a folder") << "folder" << "Please make sure both return files exist in the given file path" << true;
    QTest::newRow("a coupled file") << "coupled" << "holds a coupled return already, Couple return failed." << false;
}

void MainWindowReturnsTest::coupleRefused()
{
    QFETCH(QString, second);
    QFETCH(QString, message);
    QFETCH(bool, pageStays);
    const QString file1 = scenarioFile("employee_t4_on", "a.r21");
    QString file2;
    if (second == "same") file2 = file1;
    if (second == "missing") file2 = m_dir->filePath("nowhere.r21");
    if (second == "folder") file2 = m_dir->path();
    if (second == "coupled") file2 = scenarioFile("retired_couple_pension_split_on", "couple.r21");
    Prompt::Scripted prompts;
    bool stayed = false;
    whenModal([&](QWidget* modal) {
        auto* wizard = qobject_cast<QWizard*>(modal);
        QVERIFY(wizard);
        auto* page = wizard->findChild<DlgCoupleReturn_tab1*>();
        QTest::keyClicks(page->findChild<QLineEdit*>("fld_Filename1"), file1);
        QTest::keyClicks(page->findChild<QLineEdit*>("fld_Filename2"), file2);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        stayed = wizard->isVisible();
        if (stayed) wizard->reject();
    });
    action(m_window.get(), "actionCouple_Returns_2to1")->trigger();
    QCOMPARE(stayed, pageStays);
    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY2(prompts.texts().first().contains(message), qPrintable(prompts.texts().first()));
    QVERIFY(openEditors(m_window.get()).isEmpty());
}

void MainWindowReturnsTest::foreignFileRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("readerSays");
    const QString damaged = QString::fromLatin1(ReturnFile::kDamagedText);
    QTest::newRow("a text file renamed .r21") << "text" << QStringList{damaged};
    QTest::newRow("an empty file") << "empty" << QStringList{damaged};
    QTest::newRow("a later version's return") << "later" << QStringList{QString::fromLatin1(ReturnFile::kTooNewText)};
    QTest::newRow("a province no return has") << "province" << QStringList{damaged};
}

// Nothing of the principal could be read: refused, and nothing presented
// that a save could put over the file or that validation could pass.
void MainWindowReturnsTest::foreignFileRefused()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, readerSays);
    QString path = scenarioFile("employee_t4_on", "foreign.r21");
    QByteArray bytes = bytesOf(path);
    QVERIFY(bytes.startsWith(kThisYearHeader));
    if (kind == "text") bytes = "Dear Ann,\nthe receipts are in the blue folder.\n";
    if (kind == "empty") bytes.clear();
    if (kind == "later") bytes.replace(0, 4, QByteArray::fromHex("00010216"));   // the first version refused
    if (kind == "province") {
        RawPerson taxpayer = ontarioTaxpayer();
        taxpayer.province = 77;
        bytes = rawFile(taxpayer);
    }
    QVERIFY(writeBytes(path, bytes));
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    QVERIFY(openEditors(m_window.get()).isEmpty());
    QCOMPARE(prompts.texts(), readerSays + QStringList(QStringLiteral("Open return file failed!\n")
                                                       + QLatin1String(ReturnFile::kNotAReturnText)));
    QCOMPARE(m_window->windowTitle(), TabWndApp::s_appTitle + " (Special) - Welcome");
    QCOMPARE(bytesOf(path), bytes);
}

// A file read in part, past the principal's block, still shows what was
// read, untitled, so no save can put it over the original.
void MainWindowReturnsTest::partlyReadFileOpensUntitled()
{
    QString path = scenarioFile("employee_t4_on", "cut.r21");
    const QByteArray whole = bytesOf(path);
    const QByteArray bytes = whole.left(whole.size() - 12);   // into the view settings
    QVERIFY(writeBytes(path, bytes));
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    QVERIFY(!editor->hasFileToSave());
    QCOMPARE(editor->familyData()->taxpayer()->GetCountOfForm(FormType::T1), 1);
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("File open failed"));
    QVERIFY(prompts.texts().contains(
        "There are some problem in reading return file, some info may be lost.\nThis is the most recovered!"));
    prompts.clear();
    prompts.cancel();
    action(m_window.get(), "actionSave_Return")->trigger();
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().kind, Prompt::Kind::SaveFile);
    QCOMPARE(bytesOf(path), bytes);
}

// Far more forms than any return holds: refused as damaged at the count,
// before a form is made; the largest real return still opens.
void MainWindowReturnsTest::oversizedFileRefused()
{
    RawPerson taxpayer = ontarioTaxpayer();
    for (int i = 0; i < 19000; ++i) taxpayer.forms << RawItem{FormType::T2125, 200 + i, 0, emptyObject()};
    const QByteArray bytes = rawFile(taxpayer);
    QVERIFY(bytes.size() > 370000 && bytes.size() < 400000);
    QString path = m_dir->filePath("crafted.r21");
    QVERIFY(writeBytes(path, bytes));
    Prompt::Scripted prompts;
    m_window->openReturnFile(path);
    QVERIFY(openEditors(m_window.get()).isEmpty());
    QCOMPARE(prompts.texts(), QStringList({QString::fromLatin1(ReturnFile::kDamagedText),
                                           QStringLiteral("Open return file failed!\n")
                                               + QLatin1String(ReturnFile::kNotAReturnText)}));

    // The prior-year import reads through the same reader.
    prompts.clear();
    const QString lastYear = m_dir->filePath("crafted.r20");
    QVERIFY(writeBytes(lastYear, bytes));
    prompts.type(lastYear);
    action(m_window.get(), "actionImport_Prior_Year_s_Return")->trigger();
    QCOMPARE(prompts.texts().mid(1), QStringList({QString::fromLatin1(ReturnFile::kDamagedText),
                                                  QStringLiteral("Import prior year's return file failed, error = -1.")}));
    QVERIFY(openEditors(m_window.get()).isEmpty());

    prompts.clear();
    QString largest = scenarioFile("retired_couple_pension_split_on", "largest.r21");
    m_window->openReturnFile(largest);
    QVERIFY(prompts.asked().isEmpty());
    QCOMPARE(openEditors(m_window.get()).size(), 1);
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("File read successfully"));
    // Room to spare: the largest return is far below each bound.
    const CFamilyTaxData* data = shownEditor(m_window.get())->familyData();
    for (const IndividualTaxData* person : {data->taxpayer(), data->spouse()}) {
        QVERIFY(int(person->forms().size()) * 4 < ReturnFile::kMaxForms);
        QVERIFY(int(person->slips().size()) * 100 < ReturnFile::kMaxSlips);
    }
}

void MainWindowReturnsTest::sameFileGivesOneEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("opened again") << "open";
    QTest::newRow("opened again by another spelling") << "spelling";
    QTest::newRow("double-click on the start page") << "list";
    QTest::newRow("double-click with two returns open") << "list-full";
    QTest::newRow("Open Return again") << "command";
}

void MainWindowReturnsTest::sameFileGivesOneEditor()
{
    QFETCH(QString, how);
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QString path = scenarioFile("employee_t4_on", "once.r21");
    Prompt::Scripted prompts;
    const QModelIndex row = listAndSelect(path, false);
    QVERIFY(row.isValid());
    m_window->openReturnFile(path);
    Form_Return* first = shownEditor(m_window.get());
    QVERIFY(first);
    first->familyData()->taxpayer()->t1()->setString("first_name", "Typed");
    if (how == "list-full") {
        QString other = scenarioFile("donations_on", "other.r21");
        m_window->openReturnFile(other);
    }
    action(m_window.get(), "actionWelcome")->trigger();
    if (how == "open") m_window->openReturnFile(path);
    if (how == "spelling") {
        QString spelled = m_dir->path() + "/sub/../once.r21";
        m_window->openReturnFile(spelled);
    }
    if (how == "command") {
        prompts.type(path);
        action(m_window.get(), "actionOpen_File")->trigger();
    }
    if (how.startsWith("list")) {
        auto* table = m_window->startPage()->findChild<QTableView*>("tableView");
        const QModelIndex listed = rowOf(table, path);
        QVERIFY(listed.isValid());
        const QPoint at = table->visualRect(listed).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    }
    // Nothing asked or told but the file name chosen with Open Return.
    QCOMPARE(prompts.asked().size(), how == "command" ? 1 : 0);
    QCOMPARE(openEditors(m_window.get()).size(), how == "list-full" ? 2 : 1);
    QCOMPARE(shownEditor(m_window.get()), first);
    QCOMPARE(first->familyData()->taxpayer()->t1()->getString("first_name"), CString("Typed"));
    QVERIFY(m_window->windowTitle().endsWith(QDir::toNativeSeparators(path)));
}

// Save As under the name of a file another editor has open is refused:
// the other editor would later save over it.
void MainWindowReturnsTest::saveAsOverAnOpenReturnRefused()
{
    QString first = scenarioFile("employee_t4_on", "first.r21");
    QString second = scenarioFile("donations_on", "second.r21");
    const QByteArray before = bytesOf(first);
    Prompt::Scripted prompts;
    m_window->openReturnFile(first);
    m_window->openReturnFile(second);
    Form_Return* editor = shownEditor(m_window.get());
    prompts.type(first);
    action(m_window.get(), "actionSave_Return_As")->trigger();
    QCOMPARE(prompts.asked().size(), 2);
    QCOMPARE(prompts.asked().first().kind, Prompt::Kind::SaveFile);
    QCOMPARE(prompts.texts().last(), MainWindow::openElsewhereText(first));
    QCOMPARE(editor->getTitle(), QDir::toNativeSeparators(second));
    QCOMPARE(bytesOf(first), before);
}

void MainWindowReturnsTest::removeOfAnOpenReturnRefused()
{
    const QString path = scenarioFile("employee_t4_on", "open.r21");
    const QByteArray before = bytesOf(path);
    Prompt::Scripted prompts;
    QVERIFY(listAndSelect(path, false).isValid());
    QString opened = path;
    m_window->openReturnFile(opened);
    QVERIFY(shownEditor(m_window.get()));
    action(m_window.get(), "actionWelcome")->trigger();
    auto* table = m_window->startPage()->findChild<QTableView*>("tableView");
    QCOMPARE(table->model()->rowCount(), 1);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
    QTest::mouseClick(m_window->startPage()->findChild<QPushButton*>("delButton"), Qt::LeftButton);
    QCOMPARE(prompts.texts(), QStringList(ViewIntroduction::openReturnNotRemovedText(path)));
    QCOMPARE(prompts.titles(), QStringList("Remove Return"));
    QCOMPARE(bytesOf(path), before);
    QCOMPARE(table->model()->rowCount(), 1);
    QCOMPARE(openEditors(m_window.get()).size(), 1);

    // Closed, it may go: the question, then the file and its row are gone.
    openEditors(m_window.get()).first()->action()->trigger();
    action(m_window.get(), "actionClose_Return")->trigger();
    QVERIFY(openEditors(m_window.get()).isEmpty());
    prompts.clear();
    prompts.press(Prompt::Ok);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
    QTest::mouseClick(m_window->startPage()->findChild<QPushButton*>("delButton"), Qt::LeftButton);
    QCOMPARE(prompts.texts(), QStringList("Please confirm to remove this return file?"));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(table->model()->rowCount(), 0);
}

// The list follows the returns: a return saved for the first time, saved
// under another name and closed is listed at once, newest first.
void MainWindowReturnsTest::listFollowsSavesAndCloses()
{
    const QString file1 = scenarioFile("employee_t4_on", "a.r21");
    const QString file2 = scenarioFile("employee_t4_on", "b.r21", withPerson(MARITAL_SINGLE, "Bo", "130692544"));
    Prompt::Scripted prompts;
    QSqlQuery query(TabWndApp::getMainApp()->database().getDBHandle());
    QVERIFY(query.exec("delete from tb_retfile"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto* table = m_window->startPage()->findChild<QTableView*>("tableView");
    QCOMPARE(table->model()->rowCount(), 0);
    auto listed = [&] {
        QStringList paths;
        for (int r = 0; r < table->model()->rowCount(); ++r) paths << table->model()->index(r, 2).data().toString();
        return paths;
    };
    // A new return, made from two files, never saved: not listed.
    whenModal([&](QWidget* modal) {
        auto* wizard = qobject_cast<QWizard*>(modal);
        QVERIFY(wizard);
        auto* page = wizard->findChild<DlgCoupleReturn_tab1*>();
        page->findChild<QLineEdit*>("fld_Filename1")->setText(file1);
        page->findChild<QLineEdit*>("fld_Filename2")->setText(file2);
        wizard->button(QWizard::FinishButton)->click();
    });
    action(m_window.get(), "actionCouple_Returns_2to1")->trigger();
    QVERIFY(shownEditor(m_window.get()));
    QCOMPARE(listed(), QStringList());

    const QString saved = m_dir->filePath("couple.r21");
    prompts.type(saved);
    action(m_window.get(), "actionSave_Return")->trigger();
    QCOMPARE(listed(), QStringList(saved));
    // Both persons' names, as the list shows a coupled return.
    QVERIFY(table->model()->index(0, 0).data().toString().contains(" & "));

    const QString renamed = m_dir->filePath("renamed.r21");
    prompts.type(renamed);
    action(m_window.get(), "actionSave_Return_As")->trigger();
    // Saved within the same second, the two are listed in the order made.
    QCOMPARE(listed().size(), 2);
    QVERIFY(listed().contains(renamed) && listed().contains(saved));

    // The row of a closed return is there at once, with its latest save.
    QSqlQuery older(TabWndApp::getMainApp()->database().getDBHandle());
    QVERIFY(older.exec("update tb_retfile set open_time=datetime('now','localtime','-1 hour')"));
    action(m_window.get(), "actionClose_Return")->trigger();
    QVERIFY(openEditors(m_window.get()).isEmpty());
    QCOMPARE(listed().size(), 2);
    QVERIFY(listed().contains(renamed));
    Form_Return* reopened = nullptr;
    QString again = renamed;
    m_window->openReturnFile(again);
    reopened = shownEditor(m_window.get());
    QVERIFY(reopened);
    QCOMPARE(listed().first(), renamed);
}

void MainWindowReturnsTest::wrongPasswordPresentsNothing()
{
    const QString plain = scenarioFile("employee_t4_on", "plain.r21");
    int result = -9;
    std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(plain), result));
    QVERIFY(family);
    family->taxpayer()->setReadPassword("secret");
    QString path = m_dir->filePath("locked.r21");
    QVERIFY(family->saveToFile(CString(path)));
    family->FreeData();

    Prompt::Scripted prompts;
    prompts.type("guess");
    m_window->openReturnFile(path);
    QVERIFY(openEditors(m_window.get()).isEmpty());
    QCOMPARE(prompts.texts().last(), QStringLiteral("Open return file failed!"));

    prompts.clear();
    prompts.type("secret");
    m_window->openReturnFile(path);
    QCOMPARE(openEditors(m_window.get()).size(), 1);
}

void MainWindowReturnsTest::exitWithNeverSavedReturnIsRefused()
{
    const QString file1 = scenarioFile("employee_t4_on", "a.r21");
    const QString file2 = scenarioFile("employee_t4_on", "b.r21", withPerson(MARITAL_SINGLE, "Bo", "130692544"));
    Prompt::Scripted prompts;
    whenModal([&](QWidget* modal) {
        auto* wizard = qobject_cast<QWizard*>(modal);
        QVERIFY(wizard);
        auto* page = wizard->findChild<DlgCoupleReturn_tab1*>();
        page->findChild<QLineEdit*>("fld_Filename1")->setText(file1);
        page->findChild<QLineEdit*>("fld_Filename2")->setText(file2);
        wizard->button(QWizard::FinishButton)->click();
    });
    action(m_window.get(), "actionCouple_Returns_2to1")->trigger();
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    QVERIFY(!editor->isChanged());
    QVERIFY(!m_window->close());
    QCOMPARE(prompts.texts().last(), QStringLiteral("Close all opened return file first, then you can exit the "
                                                    "program.\n\nClick 'Close' icon on the top to close return file."));
    // Discarded on purpose, the window may close.
    prompts.press(Prompt::Yes);
    action(m_window.get(), "actionClose_Return")->trigger();
    QVERIFY(prompts.texts().last().startsWith("You haven't save this return file"));
    QVERIFY(openEditors(m_window.get()).isEmpty());
    QVERIFY(m_window->close());
}

// The Windows menu brings the start page or a return to the front, and the
// actions that need a return follow the page shown, not the open returns.
void MainWindowReturnsTest::windowsMenuAndClosing()
{
    QString first = scenarioFile("employee_t4_on", "first.r21");
    QString second = scenarioFile("donations_on", "second.r21");
    Prompt::Scripted prompts;
    m_window->openReturnFile(first);
    Form_Return* one = shownEditor(m_window.get());
    m_window->openReturnFile(second);
    Form_Return* two = shownEditor(m_window.get());
    QVERIFY(one && two && one != two);
    const QString base = TabWndApp::s_appTitle + " (Special)";
    const QStringList needReturn{"actionSave_Return", "actionClose_Return", "actionValidate_Return"};
    auto enabled = [&] {
        QStringList out;
        for (const QString& name : needReturn)
            if (action(m_window.get(), qPrintable(name))->isEnabled()) out << name;
        return out;
    };
    QMenu* windows = m_window->findChild<QMenu*>("menuWindows");
    QCOMPARE(windows->actions(), (QList<QAction*>{action(m_window.get(), "actionWelcome"), one->action(), two->action()}));

    action(m_window.get(), "actionWelcome")->trigger();
    QVERIFY(!shownEditor(m_window.get()));
    QCOMPARE(m_window->windowTitle(), base + " - Welcome");
    QCOMPARE(enabled(), QStringList());

    one->action()->trigger();
    QCOMPARE(shownEditor(m_window.get()), one);
    QCOMPARE(m_window->windowTitle(), base + " - " + QDir::toNativeSeparators(first));
    QCOMPARE(enabled(), needReturn);

    // Closing the first shows the one after it; closing the last, the start page.
    action(m_window.get(), "actionClose_Return")->trigger();
    QCOMPARE(shownEditor(m_window.get()), two);
    QCOMPARE(windows->actions(), (QList<QAction*>{action(m_window.get(), "actionWelcome"), two->action()}));
    action(m_window.get(), "actionClose_Return")->trigger();
    QCOMPARE(m_window->findChild<QStackedWidget*>("stackedWidget")->currentWidget(),
             static_cast<QWidget*>(m_window->startPage()));
    QCOMPARE(m_window->windowTitle(), base + " - Welcome");
    QCOMPARE(enabled(), QStringList());
    QCOMPARE(windows->actions(), QList<QAction*>{action(m_window.get(), "actionWelcome")});
    QVERIFY(prompts.asked().isEmpty());
}

void MainWindowReturnsTest::closingKeepsWhatIsTyped_data()
{
    QTest::addColumn<bool>("slipShown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("closes");
    QTest::newRow("an amount typed but not committed keeps the program open") << true << "41234" << false;
    QTest::newRow("nothing typed on the slip: the program may end") << true << "" << true;
    QTest::newRow("nothing typed on the T1 shown at opening: the program may end") << false << "" << true;
}

// The window's close button and the end of the session close the window
// without moving the focus, so the amount in the edit is not yet in the
// return when the window asks whether anything changed.
void MainWindowReturnsTest::closingKeepsWhatIsTyped()
{
    QFETCH(bool, slipShown);
    QFETCH(QString, typed);
    QFETCH(bool, closes);
    QString path = scenarioFile("employee_t4_on", "typed.r21");
    installTaxFormPages();
    m_window->show();
    m_window->activateWindow();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(m_window.get(), path);
    QVERIFY(editor);
    CTaxData_Form* slip = editor->familyData()->taxpayer()->slips().front()->object;
    const double before = slip->getFloat("14");
    if (slipShown) {
        FolderView* tree = editor->folderView();
        tree->setCurrentItem(tree->slipsRoot()->child(0));
        QCOMPARE(editor->currentForm(), slip);
    }
    if (!typed.isEmpty()) {
        QLineEdit* box = fieldEdit(editor, "14");
        QVERIFY(box);
        typeIntoField(editor, box, typed);
    }

    QCOMPARE(m_window->close(), closes);

    QCOMPARE(slip->getFloat("14"), typed.isEmpty() ? before : typed.toDouble());
    QCOMPARE(editor->isChanged(), !closes);
    QCOMPARE(prompts.texts(), closes ? QStringList()
                                     : QStringList("Close all opened return file first, then you can exit the program."
                                                   "\n\nClick 'Close' icon on the top to close return file."));
}

QModelIndex MainWindowReturnsTest::listAndSelect(const QString& path, bool select)
{
    TabWndApp* app = TabWndApp::getMainApp();
    // The returns opened by earlier tests are listed no more.
    QSqlQuery query(app->database().getDBHandle());
    if (!query.exec("delete from tb_retfile")) return QModelIndex();
    if (app->saveReturnEntry(CString("Listed Person"), CString(), CString(path)) <= 0) return QModelIndex();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get())) return QModelIndex();
    auto* table = m_window->startPage()->findChild<QTableView*>("tableView");
    const QModelIndex first = table->model()->index(0, 0);
    if (table->model()->rowCount() != 1 || table->model()->index(0, 2).data().toString() != path)
        return QModelIndex();
    table->setFocus();
    if (select) QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(first).center());
    return first;
}

void MainWindowReturnsTest::startPageOpens_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Return on the selected row") << "return" << true << true;
    QTest::newRow("the keypad's Enter does not open") << "enter" << true << false;
    QTest::newRow("double-click") << "double-click" << false << true;
    QTest::newRow("Open Selected Return") << "open" << true << true;
    QTest::newRow("Open Selected Return without a selection") << "open" << false << false;
}

void MainWindowReturnsTest::startPageOpens()
{
    QFETCH(QString, gesture);
    QFETCH(bool, select);
    QFETCH(bool, opens);
    const QString path = scenarioFile("employee_t4_on", "listed.r21");
    Prompt::Scripted prompts;
    const QModelIndex row = listAndSelect(path, select);
    QVERIFY(row.isValid());
    auto* table = m_window->startPage()->findChild<QTableView*>("tableView");
    if (gesture == "return") QTest::keyClick(table, Qt::Key_Return);
    if (gesture == "enter") QTest::keyClick(table, Qt::Key_Enter, Qt::KeypadModifier);
    if (gesture == "double-click") {
        const QPoint at = table->visualRect(row).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    }
    if (gesture == "open")
        QTest::mouseClick(m_window->startPage()->findChild<QPushButton*>("openButton"), Qt::LeftButton);

    QVERIFY(prompts.asked().isEmpty());
    Form_Return* editor = shownEditor(m_window.get());
    QCOMPARE(openEditors(m_window.get()).size(), opens ? 1 : 0);
    if (opens) QCOMPARE(editor->getTitle(), QDir::toNativeSeparators(path));

    // With two returns open the page asks the window, which refuses.
    if (opens && gesture != "open") {
        // The listed return closed, two others open.
        action(m_window.get(), "actionClose_Return")->trigger();
        QString other = scenarioFile("donations_on", "other.r21");
        QString third = scenarioFile("donations_on", "third.r21");
        m_window->openReturnFile(other);
        m_window->openReturnFile(third);
        QVERIFY(prompts.asked().isEmpty());
        action(m_window.get(), "actionWelcome")->trigger();
        // The list shows the two opened since, newest first: find the row.
        const QModelIndex listed = rowOf(table, path);
        QVERIFY(listed.isValid());
        QCOMPARE(table->model()->rowCount(), 3);
        table->setFocus();
        const QPoint at = table->visualRect(listed).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        if (gesture == "return") QTest::keyClick(table, Qt::Key_Return);
        else QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(prompts.texts(), QStringList("Maximum number of returns are opened already. Please click 'Close' "
                                              "button on top to close a return first!"));
        QCOMPARE(openEditors(m_window.get()).size(), 2);
    }
}

void MainWindowReturnsTest::startPageNewAndImport_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("asked");
    QTest::newRow("New Return ...: the interview") << "newButton" << "Create a new tax return";
    QTest::newRow("Import Prior Year's Return: last year's file") << "importButton" << "Import Return File";
}

void MainWindowReturnsTest::startPageNewAndImport()
{
    QFETCH(QString, button);
    QFETCH(QString, asked);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    Prompt::Scripted prompts;
    prompts.cancel();
    QString wizardTitle;
    whenModal([&](QWidget* modal) {
        if (auto* wizard = qobject_cast<QWizard*>(modal)) {
            wizardTitle = wizard->windowTitle();
            wizard->reject();
        }
    });
    QTest::mouseClick(m_window->startPage()->findChild<QPushButton*>(button), Qt::LeftButton);
    const QString seen = prompts.asked().isEmpty() ? wizardTitle : prompts.asked().first().title;
    QCOMPARE(seen, asked);
    QVERIFY(openEditors(m_window.get()).isEmpty());
}

QUILLMERE_APP_TEST_MAIN(MainWindowReturnsTest)
#include "tst_mainwindow_returns.moc"
