// The return editor as a user drives it through the main window: an edit
// recalculates the whole return, a typed amount reaches the file, the person
// switch, the help pages, and the events the form pages post.

#include <algorithm>
#include <iterator>
#include <memory>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "apptestmain.h"
#include "editorhost.h"
#include "editortestsupport.h"
#include "folderview.h"
#include "formtables.h"
#include "preparersettings.h"
#include "prompt.h"
#include "t1.h"
#include "taxformevents.h"
#include "taxformpage.h"

using namespace EditorTest;

namespace {

using Window = std::unique_ptr<MainWindow>;

QStringList statusTexts(MainWindow* w)
{
    QStringList out;
    for (QLabel* l : w->statusBar()->findChildren<QLabel*>()) out << l->text();
    return out;
}

} // namespace

class FormReturnTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
        installTaxFormPages();
    }
    void init() { QVERIFY(m_dir.isValid()); }
    void editRecalculatesTheReturn_data();
    void editRecalculatesTheReturn();
    void typedAmountReachesTheFileOnSave();
    void editThatAddsAFormResyncsTheTree_data();
    void editThatAddsAFormResyncsTheTree();
    void personSwitchRestoresTheItem();
    void helpRoots_data();
    void helpRoots();
    void removedTabsForgetTheForm();
    void forwardEdit_data();
    void forwardEdit();
    void eSignatureEvents_data();
    void eSignatureEvents();
    void mailingAddressEvent_data();
    void mailingAddressEvent();
    void refreshEventShowsTheData();
    void copyPreparerEvent();
    void leftPaneWidthSetting_data();
    void opensOnTheReturnItHolds_data();
    void opensOnTheReturnItHolds();
    void leftPaneWidthSetting();
    void untitledSaveWritesNothing();
    void closeSavesAndTellsOfALostBackup();
    void outsideRemovalKeepsTheShownSlipSelected();

private:
    QString scenarioFile(const QString& scenario, const QString& name,
                         const std::function<void(QJsonObject&)>& edit = {})
    {
        return scenarioFileIn(m_dir.path(), scenario, name, edit);
    }
    QTemporaryDir m_dir;
};

void FormReturnTest::editRecalculatesTheReturn_data()
{
    QTest::addColumn<double>("amount");
    QTest::newRow("a raise") << 70000.0;
    QTest::newRow("a low income") << 15000.0;
}

void FormReturnTest::editRecalculatesTheReturn()
{
    QFETCH(double, amount);
    QString path = scenarioFile("employee_t4_on", "t4.r21");
    const auto expected = readCalculated(scenarioFile("employee_t4_on", "expected.r21", withSlipBox("14", amount)));
    QVERIFY(expected);

    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QCOMPARE(editor->formDescription()->text(), QStringLiteral("Return opened"));
    QCOMPARE(editor->currentForm(), editor->familyData()->taxpayer()->t1());
    const QString statusBefore = editor->familyData()->GetReturnStatusString(0).toQString();

    FolderView* tree = editor->folderView();
    tree->setCurrentItem(tree->slipsRoot()->child(0));
    QCOMPARE(editor->currentForm(), editor->familyData()->taxpayer()->slips().front()->object);
    QLineEdit* box14 = fieldEdit(editor, "14");
    QVERIFY(box14);
    typeIntoField(editor, box14, QString::number(amount, 'f', 2));
    QTest::keyClick(box14, Qt::Key_Return);

    const TaxData_T1New* t1 = editor->familyData()->taxpayer()->t1();
    const TaxData_T1New* want = expected->taxpayer()->t1();
    for (const char* line : {"10100", "15000", "26000"}) QCOMPARE(t1->getFloat(line), want->getFloat(line));
    QCOMPARE(t1->getFloat("10100"), amount);
    CString line1, line2, line3;
    expected->getFamilyResult(line1, line2, line3);
    QCOMPARE(editor->resultLine(1)->text(), line1.toQString());
    QCOMPARE(editor->resultLine(2)->text(), line2.toQString());
    QCOMPARE(editor->resultLine(3)->text(), line3.toQString());
    const QString status = expected->GetReturnStatusString(0).toQString();
    QVERIFY(status != statusBefore);
    QVERIFY2(statusTexts(w.get()).contains(status), qPrintable(statusTexts(w.get()).join(" | ")));
    QVERIFY(editor->isChanged());
    QCOMPARE(prompts.unanswered(), 0);
}

void FormReturnTest::typedAmountReachesTheFileOnSave()
{
    QString path = scenarioFile("employee_t4_on", "typed.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    FolderView* tree = editor->folderView();
    tree->setCurrentItem(tree->slipsRoot()->child(0));
    QLineEdit* box14 = fieldEdit(editor, "14");
    QVERIFY(box14);
    typeIntoField(editor, box14, "65000");
    QCOMPARE(QApplication::focusWidget(), box14);
    w->findChild<QAction*>("actionSave_Return")->trigger();

    QVERIFY(!editor->isChanged());
    const auto reread = readCalculated(path);
    QVERIFY(reread);
    QCOMPARE(reread->taxpayer()->slips().front()->object->getFloat("14"), 65000.0);
    QVERIFY(*reread == *editor->familyData());
    QVERIFY(statusTexts(w.get()).contains(QStringLiteral("File saved")) || w->statusBar()->currentMessage() == "File saved");

    // Saved and unchanged: Close asks nothing and brings back the start page.
    w->findChild<QAction*>("actionClose_Return")->trigger();
    QVERIFY(prompts.asked().isEmpty());
    QVERIFY(!shownEditor(w.get()));
    QVERIFY(!w->findChild<QAction*>("actionSave_Return")->isEnabled());
}

void FormReturnTest::editThatAddsAFormResyncsTheTree_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("addsForm");
    QTest::newRow("exempt income: the RC383 comes") << "71" << true;
    QTest::newRow("union dues: labels only") << "44" << false;
}

void FormReturnTest::editThatAddsAFormResyncsTheTree()
{
    QFETCH(QString, box);
    QFETCH(bool, addsForm);
    QString path = scenarioFile("employee_t4_on", "resync.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    FolderView* tree = editor->folderView();
    QList<QTreeWidgetItem*> before;
    for (int i = 0; i < tree->formsRoot()->childCount(); ++i) before << tree->formsRoot()->child(i);
    const int formsBefore = editor->familyData()->GetCountOfForm(0);

    tree->setCurrentItem(tree->slipsRoot()->child(0));
    QLineEdit* edit = fieldEdit(editor, box);
    QVERIFY(edit);
    typeIntoField(editor, edit, "5000");
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(editor->familyData()->GetCountOfForm(0) > formsBefore, addsForm);
    QStringList labels, listed;
    for (int i = 0; i < tree->formsRoot()->childCount(); ++i) labels << tree->formsRoot()->child(i)->text(0);
    for (const STRUCT_FORMDATA_ITEM_2004* item : editor->familyData()->taxpayer()->forms()) {
        if (item->formType == 93 || item->formType == 96 || item->formType == 159 || item->formType == 165) continue;
        CString label;
        CFamilyTaxData::formDisplayName(false, item, label);
        listed << label.toQString();
    }
    QCOMPARE(labels, listed);
    // The items there were are kept either way; only a new form adds one.
    for (int i = 0; i < before.size(); ++i) QCOMPARE(tree->formsRoot()->child(i), before[i]);
    QCOMPARE(tree->formsRoot()->childCount() > before.size(), addsForm);
    // The slip being edited is still the one shown.
    QCOMPARE(editor->currentForm(), editor->familyData()->taxpayer()->slips().front()->object);
}

void FormReturnTest::personSwitchRestoresTheItem()
{
    QString path = scenarioFile("retired_couple_pension_split_on", "couple.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    QComboBox* chooser = editor->personChooser();
    QCOMPARE(chooser->count(), 2);
    FolderView* tree = editor->folderView();

    auto selectForm = [&](int row) {
        auto* item = static_cast<TreeItemForm*>(tree->formsRoot()->child(row));
        tree->setCurrentItem(item);
        return item->getData_FormInfo();
    };
    QVERIFY(tree->formsRoot()->childCount() >= 3);
    STRUCT_FORMDATA_ITEM_2004* taxpayerItem = selectForm(2);
    QCOMPARE(editor->currentForm(), taxpayerItem->object);

    chooser->setCurrentIndex(1);
    QCOMPARE(data->getCurIndv(), int(CFamilyTaxData::kSpouse));
    // Nothing was selected for the spouse yet: the first form.
    QCOMPARE(tree->getSelected(), tree->formsRoot()->child(0));
    QCOMPARE(editor->currentForm(), static_cast<TreeItemForm*>(tree->formsRoot()->child(0))->getData_FormInfo()->object);
    QVERIFY(tree->formsRoot()->childCount() >= 2);
    STRUCT_FORMDATA_ITEM_2004* spouseItem = selectForm(1);
    QVERIFY(spouseItem->object != taxpayerItem->object);

    chooser->setCurrentIndex(0);
    QCOMPARE(data->getCurIndv(), int(CFamilyTaxData::kTaxpayer));
    QCOMPARE(editor->currentForm(), taxpayerItem->object);
    int kind = 0, type = 0, id = 0;
    tree->getSelectedData(kind, type, id);
    QCOMPARE(id, taxpayerItem->uniqueId);

    chooser->setCurrentIndex(1);
    QCOMPARE(editor->currentForm(), spouseItem->object);
    QVERIFY(statusTexts(w.get()).contains(data->GetReturnStatusString(0).toQString()));

    // The same person again changes nothing.
    const int tabs = editor->formTabs()->count();
    editor->on_comboBox_currentIndexChanged(1);
    QCOMPARE(editor->currentForm(), spouseItem->object);
    QCOMPARE(editor->formTabs()->count(), tabs);
    QCOMPARE(prompts.unanswered(), 0);
}

void FormReturnTest::helpRoots_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("page");
    QTest::newRow("start") << "Start" << "qlmr_start.html";
    QTest::newRow("slips") << "Tax Slips" << "qlmr_slip.html";
    QTest::newRow("wizard") << "Express Wizard" << "qlmr_wiz.html";
    QTest::newRow("forms") << "Tax Forms" << "qlmr_form.html";
    QTest::newRow("notes: nothing") << "Tax Notes" << "";
    QTest::newRow("result: the summary") << "Result" << "";
}

void FormReturnTest::helpRoots()
{
    QFETCH(QString, root);
    QFETCH(QString, page);
    QString path = scenarioFile("employee_t4_on", "help.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    CTaxData_Form* t1 = editor->currentForm();
    QVERIFY(t1);
    FolderView* tree = editor->folderView();
    tree->setCurrentItem(tree->findItems(root, Qt::MatchExactly).value(0));
    QVERIFY(tree->getSelected());

    if (root == "Tax Notes") {
        QCOMPARE(editor->currentForm(), t1);
        QVERIFY(editor->formTabs()->count() > 0);
        return;
    }
    if (root == "Result") {
        CTaxData_Form* summary = editor->familyData()->GetFormData(93, false);
        QVERIFY(summary);
        QCOMPARE(editor->currentForm(), summary);
        return;
    }
    QVERIFY(!editor->currentForm());
    QCOMPARE(editor->formTabs()->count(), 1);
    QCOMPARE(editor->formTabs()->tabText(0), QStringLiteral("Quick Help"));
    auto* browser = editor->formTabs()->widget(0)->findChild<QTextBrowser*>();
    QVERIFY(browser);
    const QString file = Form_Return::helpFolder() + "/" + page;
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QCOMPARE(browser->source(), QUrl::fromLocalFile(file));
    QVERIFY(!browser->toPlainText().trimmed().isEmpty());
}

void FormReturnTest::removedTabsForgetTheForm()
{
    QString path = scenarioFile("employee_t4_on", "removed.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QVERIFY(editor->currentForm());
    CString ignored;
    QVERIFY(editor->onCloseReturn(ignored));
    QVERIFY(!editor->currentForm());
    // A font change must not bring back the pages of an item that may be gone.
    editor->changeFontSize(editor->fontSize() + 2);
    QCOMPARE(editor->formTabs()->count(), 0);
    QVERIFY(prompts.asked().isEmpty());
}

void FormReturnTest::forwardEdit_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("heldFirst"); // the form is held, first in the tree (so selected at opening)
    QTest::newRow("yes") << int(Prompt::Yes) << false;
    QTest::newRow("no") << int(Prompt::No) << false;
    QTest::newRow("yes, held first") << int(Prompt::Yes) << true;
}

void FormReturnTest::forwardEdit()
{
    QFETCH(int, answer);
    QFETCH(bool, heldFirst);
    constexpr int kSchedule9 = 9;
    QString path = QDir(m_dir.path()).filePath("forward.r21");
    {
        std::unique_ptr<CFamilyTaxData> family = builtScenario("employee_t4_on");
        QVERIFY(family);
        if (heldFirst) {
            QVERIFY(family->taxpayer()->NewFormDataItem(kSchedule9, 0, true, 0, true));
            auto& forms = family->taxpayer()->forms();
            std::rotate(forms.begin(), std::prev(forms.end()), forms.end());
            QCOMPARE(forms.front()->formType, kSchedule9);
        }
        QVERIFY(family->saveToFile(CString(path)));
        family->FreeData();
    }
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QCOMPARE(editor->familyData()->HasForm(kSchedule9), heldFirst);
    // The editor opens on the T1, whatever the tree selected.
    QCOMPARE(editor->currentForm(), editor->familyData()->taxpayer()->t1());
    prompts.press(answer);
    EventForwardEdit event(kSchedule9);
    QVERIFY(QCoreApplication::sendEvent(editor, &event));
    QCOMPARE(prompts.texts(),
             QStringList(QStringLiteral("Do you want to go to form [%1]").arg(formInfo(kSchedule9)->shortName)));
    const bool yes = answer == Prompt::Yes;
    QCOMPARE(editor->familyData()->HasForm(kSchedule9), yes);
    if (yes) {
        QCOMPARE(editor->currentForm(), editor->familyData()->GetFormData(kSchedule9, false));
        int kind = 0, type = 0, id = 0;
        editor->folderView()->getSelectedData(kind, type, id);
        QCOMPARE(type, kSchedule9);
    }
}

void FormReturnTest::eSignatureEvents_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("formType");
    QTest::addColumn<bool>("formPresent");
    QTest::addColumn<QString>("message");
    QTest::newRow("T183 absent") << int(TaxFormEvent::T183Sign) << 96 << false << "Form[%1] is not in the tax return.";
    QTest::newRow("RC71 absent") << int(TaxFormEvent::RC71Sign) << 53 << false << "Form[%1] is not in the tax return.";
    // No service installed in this test: said, and nothing stored.
    QTest::newRow("T183 status") << int(TaxFormEvent::T183SignStatus) << 96 << true
                                 << "The E-Signature and E-Delivery service is not available.";
    QTest::newRow("RC71 status") << int(TaxFormEvent::RC71SignStatus) << 53 << true
                                 << "The E-Signature and E-Delivery service is not available.";
}

void FormReturnTest::eSignatureEvents()
{
    QFETCH(int, event);
    QFETCH(int, formType);
    QFETCH(bool, formPresent);
    QFETCH(QString, message);
    QString path = scenarioFile("employee_t4_on", "sign.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    if (formPresent) QVERIFY(data->GetFormDataItem(formType, true));
    QCOMPARE(data->HasForm(formType), formPresent);
    CFamilyTaxData before(data->mode());
    before = *data;
    QEvent e{QEvent::Type(event)};
    QVERIFY(QCoreApplication::sendEvent(editor, &e));
    QCOMPARE(prompts.texts(), QStringList(message.arg(formInfo(formType)->shortName)));
    QVERIFY(*data == before);
    before.FreeData();
}

void FormReturnTest::mailingAddressEvent_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("copied");
    QTest::newRow("coupled") << "retired_couple_pension_split_on" << true;
    QTest::newRow("single") << "employee_t4_on" << false;
}

void FormReturnTest::mailingAddressEvent()
{
    QFETCH(QString, scenario);
    QFETCH(bool, copied);
    QString path = scenarioFile(scenario, "mail.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    data->taxpayer()->t1()->setString("mailing_address", "12 Elm St");
    QEvent e{QEvent::Type(TaxFormEvent::CopyMailingAddress)};
    QVERIFY(QCoreApplication::sendEvent(editor, &e));
    QCOMPARE(prompts.texts(), copied ? QStringList("Mailing address is copied into spouse's return!") : QStringList());
    if (copied) QCOMPARE(data->spouse()->t1()->getString("mailing_address"), CString("12 Elm St"));
}

void FormReturnTest::refreshEventShowsTheData()
{
    QString path = scenarioFile("employee_t4_on", "refresh.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    QLineEdit* firstName = fieldEdit(editor, "first_name");
    QVERIFY(firstName);
    editor->familyData()->taxpayer()->t1()->setString("first_name", "Ngozi");
    QVERIFY(firstName->text() != "Ngozi");
    QEvent e{QEvent::Type(TaxFormEvent::Refresh)};
    QVERIFY(QCoreApplication::sendEvent(editor, &e));
    QCOMPARE(firstName->text(), QStringLiteral("Ngozi"));
}

void FormReturnTest::copyPreparerEvent()
{
    QString path = scenarioFile("retired_couple_pension_split_on", "preparer.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    const PreparerSettings saved = preparerSettings();
    preparerSettings().BusinessName = "Ledger and Sons";
    QEvent e{QEvent::Type(TaxFormEvent::CopyPreparer)};
    QVERIFY(QCoreApplication::sendEvent(editor, &e));
    preparerSettings() = saved;
    CFamilyTaxData* data = editor->familyData();
    QCOMPARE(data->taxpayer()->t1()->getString("preparer_name"), CString("Ledger and Sons"));
    QCOMPARE(data->spouse()->t1()->getString("preparer_name"), CString("Ledger and Sons"));
    if (QLineEdit* shownName = fieldEdit(editor, "preparer_name"))
        QCOMPARE(shownName->text(), QStringLiteral("Ledger and Sons"));
    QVERIFY(prompts.asked().isEmpty());
}

void FormReturnTest::leftPaneWidthSetting_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("left");
    QTest::newRow("in range") << "150" << 150;
    QTest::newRow("under 10") << "5" << 270;
    QTest::newRow("wider than the editor") << "99999" << 270;
    QTest::newRow("not a number") << "wide" << 270;
}

void FormReturnTest::leftPaneWidthSetting()
{
    QFETCH(QString, setting);
    QFETCH(int, left);
    TabWndApp::getMainApp()->config().m_LeftPaneSize = setting;
    QString path = scenarioFile("employee_t4_on", "pane.r21");
    Window w = activeMainWindow();
    w->resize(1200, 700);
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    auto* splitter = editor->findChild<QSplitter*>("splitter");
    QVERIFY(splitter->sizes().at(0) + splitter->sizes().at(1) > 270);
    QCOMPARE(splitter->sizes().at(0), left);
    // A save keeps the width in force as the setting.
    editor->saveLeftPaneSize();
    QCOMPARE(TabWndApp::getMainApp()->config().m_LeftPaneSize.toQString(), QString::number(left));
    TabWndApp::getMainApp()->config().m_LeftPaneSize = "270";
}

void FormReturnTest::opensOnTheReturnItHolds_data()
{
    QTest::addColumn<bool>("keepT1");
    QTest::addColumn<bool>("addT1159");
    QTest::addColumn<int>("shown");   // form type shown, 0 for none
    QTest::newRow("a T1") << true << false << 1;
    QTest::newRow("a T1159 and no T1") << false << true << 161;
    QTest::newRow("neither") << false << false << 0;
}

void FormReturnTest::opensOnTheReturnItHolds()
{
    QFETCH(bool, keepT1);
    QFETCH(bool, addT1159);
    QFETCH(int, shown);
    QFile file(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(file.readAll(), &error);
    QVERIFY2(family, qPrintable(error));
    if (!keepT1) family->RemoveFormData(family->taxpayer()->t1(), true);
    if (addT1159) QVERIFY(family->NewFormDataItem(161, -1, true, 0, true));

    struct : EditorHost {
        void showReturnResultInStatus(const CString&) override {}
        void setupContextMenu(int, QMenu*) override {}
    } host;
    Form_Return editor(nullptr, family.release(), &host, nullptr, 1, -1, 12);
    QCOMPARE(editor.formDescription()->text(), QStringLiteral("Return opened"));
    QCOMPARE(editor.getTitle(), QStringLiteral("Untitled (unsaved)"));
    QCOMPARE(editor.action()->text(), QStringLiteral("Return 1 - Untitled (unsaved)"));
    // The tree's selection names what is shown: the form commands act on it.
    auto* selected = static_cast<TreeItemForm*>(editor.folderView()->getSelected());
    if (shown == 0) {
        QVERIFY(!editor.currentForm());
        QCOMPARE(editor.formTabs()->count(), 0);
        QVERIFY(!selected);
        return;
    }
    QVERIFY(editor.currentForm());
    QCOMPARE(int(editor.currentForm()->getType()), shown);
    QVERIFY(editor.formTabs()->count() > 0);
    QVERIFY(selected);
    QCOMPARE(selected->getData_FormInfo()->object, editor.currentForm());
}

void FormReturnTest::untitledSaveWritesNothing()
{
    // A return never saved has no file: the filing road still asks it to save.
    std::unique_ptr<CFamilyTaxData> family = builtScenario("employee_t4_on");
    QVERIFY(family);
    struct : EditorHost {
        void showReturnResultInStatus(const CString&) override {}
        void setupContextMenu(int, QMenu*) override {}
    } host;
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    const int saveBackup = config.m_SaveBackup;
    config.m_SaveBackup = 1;
    // Where a backup of "no folder, no name" would land.
    const QString stray = QDir::rootPath() + QStringLiteral("_backup.");
    QFile::remove(stray);
    Form_Return editor(nullptr, family.release(), &host, nullptr, 1, -1, 12);
    CString path;
    const int result = editor.saveReturnFile(path, true);
    const bool strayWritten = QFile::exists(stray);
    QFile::remove(stray);
    config.m_SaveBackup = saveBackup;
    QCOMPARE(result, 1);
    QVERIFY(!strayWritten);
    QCOMPARE(editor.getTitle(), QStringLiteral("Untitled (unsaved)"));
}

void FormReturnTest::closeSavesAndTellsOfALostBackup()
{
    QString path = scenarioFile("employee_t4_on", "closing.r21");
    // A folder where the backup goes: the return is saved, its backup cannot be.
    QVERIFY(QDir(m_dir.path()).mkpath("closing_backup.r21"));
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    const int saveBackup = config.m_SaveBackup;
    config.m_SaveBackup = 1;
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    editor->familyData()->taxpayer()->t1()->setString("first_name", "Ngozi");
    QVERIFY(editor->isChanged());
    prompts.press(Prompt::Yes);
    w->findChild<QAction*>(QStringLiteral("actionClose_Return"))->trigger();
    config.m_SaveBackup = saveBackup;
    const QStringList texts = prompts.texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts.at(0).startsWith("Do you want to save changed data"));
    QVERIFY2(texts.at(1).contains("backup could not be written") && texts.at(1).contains("closing.r21"),
             qPrintable(texts.at(1)));
    // The return itself was saved, so the editor closed.
    QVERIFY(openEditors(w.get()).isEmpty());
    const auto reread = readCalculated(path);
    QVERIFY(reread);
    QCOMPARE(reread->taxpayer()->t1()->getString("first_name"), CString("Ngozi"));
}

void FormReturnTest::outsideRemovalKeepsTheShownSlipSelected()
{
    // The auto-fill removes slips, then asks the editor to resync its tree.
    QString path = scenarioFile("retired_couple_pension_split_on", "outside.r21");
    Window w = activeMainWindow();
    Prompt::Scripted prompts;
    Form_Return* editor = openInEditor(w.get(), path);
    QVERIFY(editor);
    FolderView* tree = editor->folderView();
    IndividualTaxData* taxpayer = editor->familyData()->taxpayer();
    QCOMPARE(tree->slipsRoot()->childCount(), 3);
    tree->setCurrentItem(tree->slipsRoot()->child(1));
    CTaxData_Form* shown = editor->currentForm();
    QCOMPARE(shown, (*std::next(taxpayer->slips().begin()))->object);

    editor->familyData()->RemoveSlipData(taxpayer->slips().front()->object);
    editor->syncFolderView(true, true);
    QCOMPARE(tree->slipsRoot()->childCount(), 2);
    QCOMPARE(editor->currentForm(), shown);
    auto* selected = static_cast<TreeItem*>(tree->getSelected());
    QVERIFY(selected);
    QCOMPARE(static_cast<STRUCT_SLIPDATA_ITEM_2004*>(selected->getItemData())->object, shown);
}

QUILLMERE_APP_TEST_MAIN(FormReturnTest)
#include "tst_form_return.moc"
