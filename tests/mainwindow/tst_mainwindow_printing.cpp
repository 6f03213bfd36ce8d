// The Filing/Print menu's print and validation commands as a user reaches
// them: a return opened in the main window, the menu action triggered, the
// real dialogs answered; the PDF comes from the report maker in the real JVM
// and is read back with pdftotext.

#include <memory>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QDir>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QListWidget>
#include <QRegularExpression>

#include "apptestmain.h"
#include "dlgpenvaultafterprint.h"
#include "dlgprintoption_info.h"
#include "dlgvalidationmsgs.h"
#include "editortestsupport.h"
#include "modal.h"
#include "prompt.h"
#include "t1.h"

using namespace EditorTest;

namespace {

void click(QWidget* dialog, const QString& name)
{
    auto* button = dialog->findChild<QAbstractButton*>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void trigger(MainWindow* window, const char* name)
{
    QAction* action = window->findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    QVERIFY2(action->isEnabled(), name);
    action->trigger();
}

std::function<void(QJsonObject&)> withoutSin()
{
    return [](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        t1.insert("sin", QString());
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
    };
}

} // namespace

class MainWindowPrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(TabWndApp::getMainApp()->initApp(), 0); }
    void init();
    void cleanup();
    void printCommandSavesAndPrintsTheShownReturn();
    void printFolderThatCannotBeMade();
    void closingAnotherReturnKeepsThePrintSettings();
    void validateCleanReturn();
    void validateShowsTheMessages();

private:
    QString openScenario(const QString& scenario, const std::function<void(QJsonObject&)>& edit = {});
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowPrintingTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    saveAndPrintIn(m_dir->path());
    m_window.reset(MainWindow::getInstance(nullptr));
}

void MainWindowPrintingTest::cleanup()
{
    Modal::dropWaiting();
    m_window.reset();
    m_dir.reset();
}

QString MainWindowPrintingTest::openScenario(const QString& scenario, const std::function<void(QJsonObject&)>& edit)
{
    const auto complete = [edit](QJsonObject& root) {
        withMailingAddress(root);
        if (edit) edit(root);
    };
    QString path = scenarioFileIn(m_dir->path(), scenario, scenario + ".r21", complete);
    m_window->openReturnFile(path);
    return path;
}

void MainWindowPrintingTest::printCommandSavesAndPrintsTheShownReturn()
{
    Prompt::Scripted prompts;
    const QString path = openScenario("employee_t4_on");
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    // An edit not yet saved: printing saves first, so the PDF shows it.
    editor->familyData()->taxpayer()->t1()->setString("first_name", "Ada");
    QVERIFY(editor->isChanged());

    QString linked;
    Modal::when<DlgPrintOption_Info>([](DlgPrintOption_Info* d) { click(d, QStringLiteral("btnPrint")); });
    Modal::when<DlgPenvaultAfterPrint>([&linked](DlgPenvaultAfterPrint* d) {
        const QString link = d->findChild<QLabel*>("lblFileLink")->text();
        const int start = link.indexOf(QLatin1String("href=\"")) + 6;
        linked = QUrl(link.mid(start, link.indexOf('"', start) - start)).toLocalFile();
        QTest::mouseClick(d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Close),
                          Qt::LeftButton);
    });
    trigger(m_window.get(), "actionGenerate_Print_pdf_Files");
    QCOMPARE(Modal::dropWaiting(), 0);

    QVERIFY(!editor->isChanged());
    const auto saved = readCalculated(path);
    QVERIFY(saved);
    QCOMPARE(saved->taxpayer()->t1()->getString("first_name"), CString("Ada"));

    const QStringList pdfs = QDir(m_dir->filePath("printed")).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QCOMPARE(pdfs.size(), 1);
    QCOMPARE(QFileInfo(linked).fileName(), pdfs.first());
    const QString text = pdfText(m_dir->filePath("printed/" + pdfs.first()));
    QVERIFY2(text.contains(QLatin1String("Ada")), qPrintable(text.left(400)));
    QVERIFY(text.contains(QLatin1String("15000")));
    QVERIFY(text.contains(QLatin1String("26000")));
    QCOMPARE(prompts.unanswered(), 0);
}

void MainWindowPrintingTest::printFolderThatCannotBeMade()
{
    Prompt::Scripted prompts;
    openScenario("employee_t4_on");
    QVERIFY(shownEditor(m_window.get()));
    // A file where the folder should be.
    QFile blocker(m_dir->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TabWndApp::getMainApp()->config().m_RetPdfPath = m_dir->filePath("blocked/pdf");
    prompts.press(Prompt::Ok);
    trigger(m_window.get(), "actionGenerate_Print_pdf_Files");
    QCOMPARE(prompts.texts(),
             QStringList{"Quillmere cannot open or create the file folder for printable tax form (.pdf) file."});
    QVERIFY(!QFileInfo::exists(m_dir->filePath("blocked/pdf")));
}

void MainWindowPrintingTest::closingAnotherReturnKeepsThePrintSettings()
{
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    struct Restore
    {
        CT1AppConfig& config;
        const bool header = config.m_PrintHeader;
        const int letter = config.m_PrntClientLetter;
        ~Restore()
        {
            config.m_PrintHeader = header;
            config.m_PrntClientLetter = letter;
        }
    } restore{config};
    config.m_PrintHeader = false;
    config.m_PrntClientLetter = 1;

    Prompt::Scripted prompts;
    openScenario("employee_t4_on");
    Form_Return* first = shownEditor(m_window.get());
    QVERIFY(first);
    prompts.press(Prompt::No);
    trigger(m_window.get(), "actionValidate_Return");
    // A second return, validated too, then closed.
    QString second = scenarioFileIn(m_dir->path(), "employee_t4_on", "second.r21", withMailingAddress);
    m_window->openReturnFile(second);
    QVERIFY(shownEditor(m_window.get()) && shownEditor(m_window.get()) != first);
    prompts.press(Prompt::No);
    trigger(m_window.get(), "actionValidate_Return");
    trigger(m_window.get(), "actionClose_Return");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    first->action()->trigger();
    QCOMPARE(shownEditor(m_window.get()), first);

    bool letterOffered = false;
    Modal::when<DlgPrintOption_Info>([&letterOffered](DlgPrintOption_Info* d) {
        letterOffered = d->findChild<QCheckBox*>("fld_ClientLetter")->isChecked();
        click(d, QStringLiteral("btnPrint"));
    });
    Modal::when<DlgPenvaultAfterPrint>([](DlgPenvaultAfterPrint* d) {
        QTest::mouseClick(d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Close),
                          Qt::LeftButton);
    });
    trigger(m_window.get(), "actionGenerate_Print_pdf_Files");
    QCOMPARE(Modal::dropWaiting(), 0);
    QCOMPARE(prompts.unanswered(), 0);
    QVERIFY2(letterOffered, "the client letter setting");
    const QString text = pdfText(m_dir->filePath("printed/employee_t4_on.pdf"));
    QVERIFY(text.contains(QLatin1String("15000")));
    QVERIFY2(!text.contains(QLatin1String("Page 1 of")), "the header setting");
}

void MainWindowPrintingTest::validateCleanReturn()
{
    Prompt::Scripted prompts;
    openScenario("employee_t4_on");
    QVERIFY(shownEditor(m_window.get()));
    prompts.press(Prompt::No);
    // Should messages show after all, the dialog is closed so the test fails rather than waits.
    QStringList shown;
    Modal::when<DlgValidationMsgs>([&shown](DlgValidationMsgs* d) {
        for (QListWidget* list : d->findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        d->reject();
    });
    trigger(m_window.get(), "actionValidate_Return");
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join('\n')));
    QCOMPARE(prompts.asked().size(), 1);
    QVERIFY(prompts.texts().first().startsWith(
        QLatin1String("This tax return passes validation check, there are no errors found.")));
}

void MainWindowPrintingTest::validateShowsTheMessages()
{
    Prompt::Scripted prompts;
    openScenario("employee_t4_on", withoutSin());
    QVERIFY(shownEditor(m_window.get()));
    int tabs = -1;
    QStringList messages;
    Modal::when<DlgValidationMsgs>([&](DlgValidationMsgs* d) {
        auto* people = d->findChild<QTabWidget*>();
        tabs = people ? people->count() : -1;
        // Each message is listed after its number.
        static const QRegularExpression number(QStringLiteral("^[ \\d]\\d - "));
        for (QListWidget* list : d->findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->text().contains(number)) messages << list->item(i)->text().remove(number);
        d->reject();
    });
    trigger(m_window.get(), "actionValidate_Return");
    QCOMPARE(Modal::dropWaiting(), 0);
    QCOMPARE(tabs, 1);
    QVERIFY2(messages.contains(QStringLiteral("Please enter a valid social insurance number on page 1 of T1.")),
             qPrintable(messages.join('\n')));
    QCOMPARE(prompts.asked().size(), 0);
}

QUILLMERE_APP_TEST_MAIN(MainWindowPrintingTest)
#include "tst_mainwindow_printing.moc"
