// The editor's commands that change what a return holds, driven through the
// main window's actions on a coupled return opened from its file, every
// message answered through the prompt seam: adding forms, slips and notes,
// sharing, removing, reordering, changing province and de-coupling.

#include <memory>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWizard>

#include "addtaxformdlg.h"
#include "apptestmain.h"
#include "editortestsupport.h"
#include "folderview.h"
#include "formtables.h"
#include "formtypes.h"
#include "itemfactory.h"
#include "returnfile.h"
#include "prompt.h"
#include "t1.h"
#include "taxdataform.h"
#include "taxformpage.h"

using namespace EditorTest;

namespace {

const char* const kCoupled = "retired_couple_pension_split_on";
const char* const kSingle = "employee_t4_on";

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `step` on the modal dialog once it is shown; closes it after.
void whenModal(std::function<void(QDialog*)> step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        step(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

void pressOk(QDialog* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
    QVERIFY(box);
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

int countOf(const IndividualTaxData* person, int type)
{
    int n = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person->forms()) n += item->formType == type;
    return n;
}

QStringList labels(QTreeWidgetItem* root)
{
    QStringList out;
    for (int i = 0; i < root->childCount(); ++i) out << root->child(i)->text(0);
    return out;
}

// Selects the nth tree item under `root` whose record matches.
template <typename Record> bool select(FolderView* tree, QTreeWidgetItem* root, std::function<bool(Record*)> match)
{
    for (int i = 0; i < root->childCount(); ++i) {
        auto* item = static_cast<TreeItem*>(root->child(i));
        if (match(static_cast<Record*>(item->getItemData()))) {
            tree->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

bool selectForm(Form_Return* editor, int type)
{
    return select<STRUCT_FORMDATA_ITEM_2004>(editor->folderView(), editor->folderView()->formsRoot(),
                                             [type](STRUCT_FORMDATA_ITEM_2004* r) { return r->formType == type; });
}

bool selectSlip(Form_Return* editor, int type)
{
    return select<STRUCT_SLIPDATA_ITEM_2004>(editor->folderView(), editor->folderView()->slipsRoot(),
                                             [type](STRUCT_SLIPDATA_ITEM_2004* r) { return r->slipType == type; });
}

STRUCT_SLIPDATA_ITEM_2004* slipOf(const IndividualTaxData* person, int type)
{
    for (STRUCT_SLIPDATA_ITEM_2004* item : person->slips())
        if (item->slipType == type) return item;
    return nullptr;
}

STRUCT_FORMDATA_ITEM_2004* formOf(const IndividualTaxData* person, int type)
{
    for (STRUCT_FORMDATA_ITEM_2004* item : person->forms())
        if (item->formType == type) return item;
    return nullptr;
}

} // namespace

class FormReturnCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(TabWndApp::getMainApp()->initApp(), 0); }
    void init();
    void cleanup();
    void addForm_data();
    void addForm();
    void addFormFilter();
    void addFormListsOnlyFormsAReturnHolds();
    void addStopsAtWhatAReturnFileKeeps_data();
    void addStopsAtWhatAReturnFileKeeps();
    void sharing_data();
    void sharing();
    void remove_data();
    void remove();
    void formOrder_data();
    void formOrder();
    void changeProvince_data();
    void changeProvince();
    void provinceChangeKeepsTheShownFormSelected();
    void changeProvinceOffersOnlyJurisdictionsWithALibrary();
    void t1ProvinceBoxMovesTheReturn_data();
    void t1ProvinceBoxMovesTheReturn();
    void deCouple_data();
    void deCouple();

private:
    Form_Return* open(const char* scenario);
    void trigger(const char* name) { m_window->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    // Adds a form through the dialog's quick-add button.
    void quickAdd(const char* button)
    {
        whenModal([button](QDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        });
        trigger("actionAdd_a_Tax_Form");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    QString m_path;
};

void FormReturnCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TabWndApp::getMainApp()->config().m_RetPath = m_dir->path();
    m_window.reset(MainWindow::getInstance(nullptr));
    AddTaxFormDlg::s_strFilter.clear();
}

void FormReturnCommandsTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

Form_Return* FormReturnCommandsTest::open(const char* scenario)
{
    m_path = scenarioFileIn(m_dir->path(), QString::fromLatin1(scenario), QStringLiteral("%1.r21").arg(scenario));
    return openInEditor(m_window.get(), m_path);
}

// ------------------------------------------------------------ adding forms

void FormReturnCommandsTest::addForm_data()
{
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<QString>("button"); // a quick-add button, or empty to choose `type` in the list
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("added");       // forms of that type the current person gains
    QTest::addColumn<QString>("message");

    const QString exists = QStringLiteral("This tax form already exists in the tax return.");
    QTest::newRow("second T1 refused") << false << "" << int(FormType::T1) << 0 << exists;
    QTest::newRow("T2125 from the list") << false << "" << int(FormType::T2125) << 1 << "";
    QTest::newRow("T1032 where the spouse has one") << true << "" << int(FormType::T1032) << 1 << "";
    QTest::newRow("T2209/T2036") << false << "btnAddT2209" << int(FormType::T2209T2036) << 1 << "";
    QTest::newRow("commission") << false << "btnAddCommission" << int(FormType::T2125Commission) << 1 << "";
    QTest::newRow("Schedule 7") << false << "btnAddSch7" << int(FormType::Schedule7) << 1 << "";
    QTest::newRow("T2125") << false << "btnAddT2125" << int(FormType::T2125) << 1 << "";
    QTest::newRow("T776") << false << "btnAddT776" << int(FormType::T776) << 1 << "";
    QTest::newRow("T2042") << false << "btnAddT2042" << int(FormType::T2042) << 1 << "";
    QTest::newRow("Schedule 11") << false << "btnAddSch11" << int(FormType::Schedule11) << 1 << "";
    QTest::newRow("Schedule 5, held already") << false << "btnAddSch5" << int(FormType::Schedule5) << 0 << exists;
    QTest::newRow("Schedule 9") << false << "btnAddSch9" << int(FormType::Schedule9) << 1 << "";
}

void FormReturnCommandsTest::addForm()
{
    QFETCH(bool, spouse);
    QFETCH(QString, button);
    QFETCH(int, type);
    QFETCH(int, added);
    QFETCH(QString, message);
    Prompt::Scripted prompts;
    Form_Return* editor = open(kCoupled);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    QVERIFY(data->IsCoupledReturn());
    if (spouse) editor->personChooser()->setCurrentIndex(editor->personChooser()->findData(CFamilyTaxData::kSpouse));
    QCOMPARE(data->getCurIndv(), spouse ? CFamilyTaxData::kSpouse : CFamilyTaxData::kTaxpayer);
    IndividualTaxData* person = data->getCurIndvTaxData();
    IndividualTaxData* other = data->getNonCurIndvTaxData();
    if (type == FormType::T1032) {
        // Only the other spouse holds the election.
        QVERIFY(selectForm(editor, type));
        // The election holds its amount: its removal is confirmed first.
        const QString name = formOf(person, type)->object->GetDisplayName().toQString();
        prompts.press(Prompt::Yes);
        trigger("actionRemove_Selected_Form_Schedule");
        QCOMPARE(prompts.texts(), QStringList{Form_Return::removeHoldingAmountsText(name)});
        QCOMPARE(countOf(person, type), 0);
        QCOMPARE(countOf(other, type), 1);
        prompts.clear();
    }
    // A single form the person lacks is added only when the row says so.
    if (added == 1 && !IsMultipleForm(type)) QCOMPARE(countOf(person, type), 0);
    const int before = countOf(person, type), otherBefore = countOf(other, type);

    for (int round = 0; round < (type == FormType::T2125 ? 2 : 1); ++round) {
        whenModal([&](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Add a Tax Form"));
            if (!button.isEmpty()) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
                // A quick-add button closes the dialog at once.
                QVERIFY(!dialog->isVisible());
                return;
            }
            auto* list = dialog->findChild<QComboBox*>("cmbTaxForms");
            QVERIFY(list->findData(type) >= 0);
            list->setCurrentIndex(list->findData(type));
            pressOk(dialog);
        });
        trigger("actionAdd_a_Tax_Form");
    }
    const int rounds = type == FormType::T2125 ? 2 : 1;
    QCOMPARE(countOf(person, type), before + added * rounds);
    QCOMPARE(prompts.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(labels(editor->folderView()->formsRoot()).size(), editor->folderView()->formsRoot()->childCount());
    QVERIFY(labels(editor->folderView()->formsRoot()).join('|').contains(QString::fromUtf8(formInfo(type)->shortName)));
    // The pension election is one form per spouse, never two.
    if (type == FormType::T1032) QCOMPARE(countOf(other, type), qMax(otherBefore, 1));
    else QCOMPARE(countOf(other, type), otherBefore);
}

void FormReturnCommandsTest::addFormFilter()
{
    Prompt::Scripted prompts;
    Form_Return* editor = open(kCoupled);
    QVERIFY(editor);
    int whole = 0, filtered = 0;
    whenModal([&](QDialog* dialog) {
        auto* list = dialog->findChild<QComboBox*>("cmbTaxForms");
        whole = list->count();
        QTest::keyClicks(dialog->findChild<QLineEdit*>("edtFilter"), "t21");
        filtered = list->count();
        for (int i = 0; i < list->count(); ++i) QVERIFY(list->itemText(i).contains("T21", Qt::CaseInsensitive));
    });
    trigger("actionAdd_a_Tax_Form");
    QVERIFY(filtered > 0 && filtered < whole);

    // The next opening shows the same filter and list; Clear shows the whole list.
    whenModal([&](QDialog* dialog) {
        auto* list = dialog->findChild<QComboBox*>("cmbTaxForms");
        auto* filter = dialog->findChild<QLineEdit*>("edtFilter");
        QCOMPARE(filter->text(), QStringLiteral("t21"));
        QCOMPARE(list->count(), filtered);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnClear"), Qt::LeftButton);
        QCOMPARE(filter->text(), QString());
        QCOMPARE(list->count(), whole);
    });
    trigger("actionAdd_a_Tax_Form");
    QCOMPARE(AddTaxFormDlg::s_strFilter, QString());
    QCOMPARE(prompts.texts(), QStringList());
}

// Every federal form the list offers can be made, so choosing one never
// ends in "Add form failed!"; the T1134, filed apart from the return, is
// not offered.
void FormReturnCommandsTest::addFormListsOnlyFormsAReturnHolds()
{
    Prompt::Scripted prompts;
    Form_Return* editor = open(kSingle);
    QVERIFY(editor);
    QList<int> offered;
    whenModal([&](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnClear"), Qt::LeftButton);
        auto* list = dialog->findChild<QComboBox*>("cmbTaxForms");
        for (int i = 0; i < list->count(); ++i) offered << list->itemData(i).toInt();
        dialog->reject();
    });
    trigger("actionAdd_a_Tax_Form");
    QVERIFY(offered.size() > 50);
    QVERIFY(!offered.contains(FormType::T1134));
    for (int type : offered) {
        if (formInfo(type)->province != 0) continue;
        std::unique_ptr<CTaxData_Form> made(AllocFedFormData(type));
        QVERIFY2(made, formInfo(type)->shortName);
    }
    QCOMPARE(prompts.texts(), QStringList());
}

void FormReturnCommandsTest::addStopsAtWhatAReturnFileKeeps_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("command");
    QTest::newRow("forms") << "forms" << "actionAdd_a_Tax_Form";
    QTest::newRow("slips") << "slips" << "actionAdd_T4_slip";
    QTest::newRow("notes") << "notes" << "actionAdd_a_tax_note";
}

// A person's list filled to what the return file keeps: the add command
// says so and adds nothing, so no save makes a file that reads as damaged.
void FormReturnCommandsTest::addStopsAtWhatAReturnFileKeeps()
{
    QFETCH(QString, list);
    QFETCH(QString, command);
    Prompt::Scripted prompts;
    Form_Return* editor = open(kSingle);
    QVERIFY(editor);
    IndividualTaxData* person = editor->familyData()->taxpayer();
    auto size = [&] {
        return list == "forms" ? person->forms().size() : list == "slips" ? person->slips().size()
                                                                           : person->notes().size();
    };
    const int most = list == "forms" ? ReturnFile::kMaxForms
                     : list == "slips" ? ReturnFile::kMaxSlips
                                       : ReturnFile::kMaxNotes;
    while (int(size()) < most) {
        if (list == "forms") QVERIFY(person->NewFormDataItem(FormType::T2125, -1, true, 0, false));
        if (list == "slips") QVERIFY(person->NewSlipData(1, -1, 0));
        if (list == "notes") QVERIFY(person->NewNoteData(-1));
    }
    if (list == "forms")
        whenModal([&](QDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnAddT2125"), Qt::LeftButton);
        });
    trigger(qPrintable(command));
    QCOMPARE(prompts.texts(), QStringList(Form_Return::listFullText(qPrintable(list), most)));
    QCOMPARE(int(size()), most);
}

// ------------------------------------------------------------ sharing

void FormReturnCommandsTest::sharing_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("slip");       // a slip, else a form
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("steps"); // share / unshare, each through its action
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("sharedAfter");

    const QString couple = QStringLiteral("Sharing tax form/slip can only be done in a coupled return file.");
    const QString shared =
        QStringLiteral("Tax form/slip is shared to spouse's return, make sure shared tax forms are claimed properly.");
    const QString noForm = QStringLiteral("This tax form cannot be shared.");
    const QString noSlip = QStringLiteral("This tax slip cannot be shared.");
    QTest::newRow("form in a single return") << kSingle << false << int(FormType::T2125) << QStringList{"share"}
                                             << QStringList{couple} << false;
    QTest::newRow("slip in a single return") << kSingle << true << int(SlipType::T5) << QStringList{"share"}
                                             << QStringList{couple} << false;
    QTest::newRow("form that cannot be shared") << kCoupled << false << int(FormType::T1) << QStringList{"share"}
                                                << QStringList{noForm} << false;
    QTest::newRow("slip that cannot be shared") << kCoupled << true << int(SlipType::T4A) << QStringList{"share"}
                                                << QStringList{noSlip} << false;
    QTest::newRow("form shared, then again") << kCoupled << false << int(FormType::T2125)
                                             << QStringList{"share", "share"} << QStringList{shared, noForm} << true;
    QTest::newRow("slip shared, then again") << kCoupled << true << int(SlipType::T5)
                                             << QStringList{"share", "share"} << QStringList{shared, noSlip} << true;
    QTest::newRow("form un-shared") << kCoupled << false << int(FormType::T2125) << QStringList{"share", "unshare"}
                                    << QStringList{shared, "Tax form is unshared from spouse's return."} << false;
    QTest::newRow("slip un-shared") << kCoupled << true << int(SlipType::T5) << QStringList{"share", "unshare"}
                                    << QStringList{shared, "Tax slip is unshared from spouse's return."} << false;
    QTest::newRow("un-sharing what is not shared") << kCoupled << false << int(FormType::T2125)
                                                   << QStringList{"unshare"} << QStringList() << false;
}

void FormReturnCommandsTest::sharing()
{
    QFETCH(QString, scenario);
    QFETCH(bool, slip);
    QFETCH(int, type);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, texts);
    QFETCH(bool, sharedAfter);
    Prompt::Scripted prompts;
    Form_Return* editor = open(qPrintable(scenario));
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    IndividualTaxData* taxpayer = data->taxpayer();
    if (slip && !slipOf(taxpayer, type)) {
        trigger(type == SlipType::T5 ? "actionAdd_T5_slip" : "actionAdd_T4A_slip");
        // The new slip is selected and shown.
        QVERIFY(slipOf(taxpayer, type));
        QCOMPARE(editor->currentForm(), slipOf(taxpayer, type)->object);
    }
    if (!slip && type == FormType::T2125) quickAdd("btnAddT2125");
    QVERIFY(slip ? selectSlip(editor, type) : selectForm(editor, type));
    const int spouseSlips = int(data->spouse()->slips().size());
    const int spouseForms = int(data->spouse()->forms().size());

    for (const QString& step : steps) {
        QVERIFY(slip ? selectSlip(editor, type) : selectForm(editor, type));
        if (slip)
            trigger(step == "share" ? "actionShare_slip_with_spouse" : "actionUn_share_slip_with_spouse");
        else
            trigger(step == "share" ? "actionShare_Form_to_Spouse" : "actionUn_share_form_with_spouse");
    }
    QCOMPARE(prompts.texts(), texts);

    const bool everShared = texts.value(0).startsWith("Tax form/slip is shared");
    if (slip) {
        STRUCT_SLIPDATA_ITEM_2004* mine = slipOf(taxpayer, type);
        QVERIFY(mine);
        QCOMPARE(mine->sharedId > 0, sharedAfter);
        // Sharing makes the spouse's copy once; un-sharing keeps it, unlinked.
        QCOMPARE(int(data->spouse()->slips().size()), spouseSlips + (everShared ? 1 : 0));
        if (everShared) QCOMPARE(slipOf(data->spouse(), type)->sharedId > 0, sharedAfter);
        // A slip held alone is split half and half between the two returns.
        if (everShared) {
            QCOMPARE(mine->object->getFloat("share_percent"), 50.0);
            QCOMPARE(slipOf(data->spouse(), type)->object->getFloat("share_percent"), 50.0);
        }
        QCOMPARE(labels(editor->folderView()->slipsRoot()).filter(QRegularExpression("^S-")).size(),
                 sharedAfter ? 1 : 0);
    } else {
        STRUCT_FORMDATA_ITEM_2004* mine = formOf(taxpayer, type);
        QVERIFY(mine);
        QCOMPARE(mine->sharedId > 0, sharedAfter);
        QCOMPARE(int(data->spouse()->forms().size()) >= spouseForms + (everShared ? 1 : 0), true);
        if (everShared) QCOMPARE(formOf(data->spouse(), type)->sharedId > 0, sharedAfter);
        QCOMPARE(labels(editor->folderView()->formsRoot()).filter(QRegularExpression("^S-")).size(),
                 sharedAfter ? 1 : 0);
    }
}

// ------------------------------------------------------------ removing

void FormReturnCommandsTest::remove_data()
{
    QTest::addColumn<QString>("item");   // what is selected: T1, T2125, shared T5, note
    QTest::addColumn<int>("answer");     // the answer to the un-share question, 0 when none is asked
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("removed");

    const QString slipQuestion = QStringLiteral("The tax slip is shared with spouse's tax return. Do you want to "
                                                "un-share it and continue removing the tax slip?");
    QTest::newRow("T1 refused") << "T1" << 0
                                << QStringList{"This tax form can NOT be removed, because it's mandatory or necessary "
                                               "for other tax slips/forms."}
                                << false;
    QTest::newRow("shown T2125") << "T2125" << 0 << QStringList() << true;
    QTest::newRow("shown Schedule 11, its provincial form with it") << "Schedule 11" << 0 << QStringList() << true;
    QTest::newRow("shared slip, No") << "shared T5" << int(Prompt::No) << QStringList{slipQuestion} << false;
    QTest::newRow("shared slip, Yes") << "shared T5" << int(Prompt::Yes) << QStringList{slipQuestion} << true;
    QTest::newRow("note") << "note" << 0 << QStringList() << true;
}

void FormReturnCommandsTest::remove()
{
    QFETCH(QString, item);
    QFETCH(int, answer);
    QFETCH(QStringList, texts);
    QFETCH(bool, removed);
    Prompt::Scripted prompts;
    Form_Return* editor = open(kCoupled);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    IndividualTaxData* taxpayer = data->taxpayer();
    FolderView* tree = editor->folderView();
    const char* action = "actionRemove_Selected_Form_Schedule";
    std::function<int()> count;
    if (item == "T1") {
        QVERIFY(selectForm(editor, FormType::T1));
        count = [&] { return countOf(taxpayer, FormType::T1); };
    } else if (item == "T2125") {
        quickAdd("btnAddT2125");
        QVERIFY(selectForm(editor, FormType::T2125));
        // The form is shown while it is removed.
        QCOMPARE(editor->currentForm(), formOf(taxpayer, FormType::T2125)->object);
        count = [&] { return countOf(taxpayer, FormType::T2125); };
    } else if (item == "Schedule 11") {
        // Its provincial companion comes after it and goes with it.
        quickAdd("btnAddSch11");
        QCOMPARE(countOf(taxpayer, FormType::ONS11), 1);
        QVERIFY(selectForm(editor, FormType::Schedule11));
        QCOMPARE(editor->currentForm(), formOf(taxpayer, FormType::Schedule11)->object);
        count = [&] { return countOf(taxpayer, FormType::Schedule11) + countOf(taxpayer, FormType::ONS11); };
    } else if (item == "shared T5") {
        trigger("actionAdd_T5_slip");
        QVERIFY(selectSlip(editor, SlipType::T5));
        trigger("actionShare_slip_with_spouse");
        prompts.clear();
        QVERIFY(selectSlip(editor, SlipType::T5));
        action = "actionRemove_Selected_Slip";
        count = [&] { return slipOf(taxpayer, SlipType::T5) ? 1 : 0; };
    } else {
        trigger("actionAdd_a_tax_note");
        QCOMPARE(tree->notesRoot()->childCount(), 1);
        QCOMPARE(tree->currentItem(), tree->notesRoot()->child(0));
        action = "actionRemove_Selected_Slip";
        count = [&] { return int(taxpayer->notes().size()); };
    }
    const int before = count();
    QCOMPARE(before, item == "Schedule 11" ? 2 : 1);
    if (answer) prompts.press(answer);
    trigger(action);
    QCOMPARE(prompts.texts(), texts);
    QCOMPARE(prompts.pending(), 0);
    QCOMPARE(count(), removed ? 0 : before);
    if (item == "shared T5") {
        // The spouse keeps the copy; it is un-shared only when the slip went.
        STRUCT_SLIPDATA_ITEM_2004* theirs = slipOf(data->spouse(), SlipType::T5);
        QVERIFY(theirs);
        QCOMPARE(theirs->sharedId > 0, !removed);
        if (!removed) QVERIFY(slipOf(taxpayer, SlipType::T5)->sharedId > 0);
        QCOMPARE(tree->slipsRoot()->childCount(), int(taxpayer->slips().size()));
    }
    if (item == "T2125" || item == "Schedule 11" || item == "note") {
        // The item shown went: nothing is shown, and nothing is selected
        // that a click could not show.
        QVERIFY(editor->pages().empty());
        QVERIFY(!editor->currentForm());
        QVERIFY(!tree->getSelected());
    }
    QCOMPARE(tree->formsRoot()->childCount() > 0, true);
}

// ------------------------------------------------------------ form order

void FormReturnCommandsTest::formOrder_data()
{
    QTest::addColumn<int>("row");           // the row selected first, -1 none
    QTest::addColumn<QStringList>("moves"); // Up / Down
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QList<int>>("order");  // the listed forms' new order, by their first positions

    QTest::newRow("second row up") << 1 << QStringList{"Up"} << true << QList<int>{1, 0};
    QTest::newRow("first row down twice") << 0 << QStringList{"Down", "Down"} << true << QList<int>{1, 2, 0};
    QTest::newRow("up on the first row") << 0 << QStringList{"Up"} << true << QList<int>{};
    QTest::newRow("down on the last row") << 99 << QStringList{"Down"} << true << QList<int>{};
    QTest::newRow("no selection") << -1 << QStringList{"Up", "Down"} << true << QList<int>{};
    QTest::newRow("cancel") << 1 << QStringList{"Up"} << false << QList<int>{};
}

void FormReturnCommandsTest::formOrder()
{
    QFETCH(int, row);
    QFETCH(QStringList, moves);
    QFETCH(bool, accept);
    QFETCH(QList<int>, order);
    Prompt::Scripted prompts;
    // Shown and active as a user has it: the dialog then opens with the focus
    // in its list, which makes the first row current without selecting it.
    m_window->show();
    m_window->activateWindow();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    Form_Return* editor = open(kCoupled);
    QVERIFY(editor);
    IndividualTaxData* taxpayer = editor->familyData()->taxpayer();
    // A summary copy for refiling, so that two of the forms never listed are held.
    QVERIFY(taxpayer->NewFormDataItem(FormType::SummaryReFile, 0, true, 0, true));
    const std::vector<STRUCT_FORMDATA_ITEM_2004*> before(taxpayer->forms().begin(), taxpayer->forms().end());
    auto unlisted = [](const STRUCT_FORMDATA_ITEM_2004* item) {
        return item->formType == FormType::Summary || item->formType == FormType::SummaryReFile
            || item->formType == FormType::SummaryLastYear;
    };
    std::vector<STRUCT_FORMDATA_ITEM_2004*> listed;
    for (STRUCT_FORMDATA_ITEM_2004* item : before)
        if (!unlisted(item)) listed.push_back(item);
    QVERIFY(listed.size() >= 3);
    // The form the user looks at is the one the dialog moves.
    STRUCT_FORMDATA_ITEM_2004* shown = listed[size_t(qBound(0, row, int(listed.size()) - 1))];
    QVERIFY(select<STRUCT_FORMDATA_ITEM_2004>(editor->folderView(), editor->folderView()->formsRoot(),
                                              [shown](STRUCT_FORMDATA_ITEM_2004* r) { return r == shown; }));
    QCOMPARE(editor->currentForm(), shown->object);

    whenModal([&](QDialog* dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto* list = dialog->findChild<QListWidget*>("listFormsWgt");
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->count(), int(listed.size()));
        if (row >= 0) list->setCurrentRow(qMin(row, list->count() - 1));
        for (const QString& move : moves)
            QTest::mouseClick(dialog->findChild<QPushButton*>("btn" + move), Qt::LeftButton);
        if (accept) pressOk(dialog);
    });
    trigger("actionArrange_Order_of_Tax_Forms");

    std::vector<STRUCT_FORMDATA_ITEM_2004*> expected = listed;
    for (int i = 0; i < order.size(); ++i) expected[size_t(i)] = listed[size_t(order[i])];
    const std::vector<STRUCT_FORMDATA_ITEM_2004*> after(taxpayer->forms().begin(), taxpayer->forms().end());
    QCOMPARE(after.size(), before.size());
    size_t k = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        // The forms never listed keep their places.
        if (unlisted(before[i])) QCOMPARE(after[i], before[i]);
        else QCOMPARE(after[i], expected[k++]);
    }
    // The tree follows the list.
    QStringList names;
    for (STRUCT_FORMDATA_ITEM_2004* item : after) {
        CString name;
        CFamilyTaxData::formDisplayName(true, item, name);
        names << name.toQString();
    }
    for (int i = 0; i < editor->folderView()->formsRoot()->childCount(); ++i)
        QVERIFY(names.contains(editor->folderView()->formsRoot()->child(i)->text(0)));
    // The selection stays on the form shown, wherever it moved: the form
    // commands act on the selection.
    QCOMPARE(editor->currentForm(), shown->object);
    auto* selected = static_cast<TreeItemForm*>(editor->folderView()->getSelected());
    QVERIFY(selected);
    QCOMPARE(selected->getData_FormInfo(), shown);
    QCOMPARE(prompts.texts(), QStringList());
}

// ------------------------------------------------------------ province

void FormReturnCommandsTest::changeProvince_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("choice"); // radio id, -1 to cancel the wizard
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("taxpayerAfter");
    QTest::addColumn<int>("spouseAfter");

    const QString changed = QStringLiteral(
        "Tax return file is changed to the new province, you need to save file the confirm the changes.");
    QTest::newRow("same province") << 9 << 0 << QStringList{"Tax return province is not changed!"} << 9 << 9;
    QTest::newRow("Yes (change both)") << 5 << 0 << QStringList{changed} << 5 << 5;
    QTest::newRow("No (change current only)") << 5 << 1 << QStringList{changed} << 5 << 9;
    QTest::newRow("cancel") << 5 << -1 << QStringList() << 9 << 9;
}

void FormReturnCommandsTest::changeProvince()
{
    QFETCH(int, province);
    QFETCH(int, choice);
    QFETCH(QStringList, texts);
    QFETCH(int, taxpayerAfter);
    QFETCH(int, spouseAfter);
    Prompt::Scripted prompts;
    Form_Return* editor = open(kCoupled);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    QCOMPARE(data->taxpayer()->getMainProvince(), 9);
    QCOMPARE(data->spouse()->getMainProvince(), 9);
    bool keptWithoutProvince = false;
    whenModal([&](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        QVERIFY(wizard);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Change Tax Province"));
        // No province chosen: the page stays.
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        keptWithoutProvince = wizard->isVisible();
        auto* combo = wizard->currentPage()->findChild<QComboBox*>("fld_NewTaxProv");
        combo->setFocus();
        combo->setCurrentIndex(combo->findData(province));
        if (choice < 0) return;
        auto* radio = wizard->currentPage()->findChild<QRadioButton*>(QStringLiteral("fld_ChgBoth_%1").arg(choice));
        radio->setFocus();
        QTest::keyClick(radio, Qt::Key_Space);
        QVERIFY(radio->isChecked());
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
    trigger("actionChange_Tax_Province");
    QVERIFY(keptWithoutProvince);
    QCOMPARE(prompts.texts(), texts);
    QCOMPARE(data->taxpayer()->getMainProvince(), taxpayerAfter);
    QCOMPARE(data->spouse()->getMainProvince(), spouseAfter);
    QCOMPARE(editor->folderView()->formsRoot()->childCount(), int(data->taxpayer()->forms().size()) - 1);
}

void FormReturnCommandsTest::changeProvinceOffersOnlyJurisdictionsWithALibrary()
{
    Prompt::Scripted prompts;
    Form_Return* editor = open(kSingle);
    QVERIFY(editor);
    QList<int> offered;
    whenModal([&](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        QVERIFY(wizard);
        auto* combo = wizard->currentPage()->findChild<QComboBox*>("fld_NewTaxProv");
        for (int i = 0; i < combo->count(); ++i) offered << combo->itemData(i).toInt();
        wizard->reject();
    });
    trigger("actionChange_Tax_Province");
    // No Quebec (11), no non-resident choices: the program works no return out for them.
    QCOMPARE(offered, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13}));
    QCOMPARE(prompts.texts(), QStringList());
    QCOMPARE(editor->familyData()->taxpayer()->getMainProvince(), 9);
}

void FormReturnCommandsTest::t1ProvinceBoxMovesTheReturn_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("after");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("British Columbia") << 2 << 2 << QStringList();
    QTest::newRow("Quebec") << 11 << 9
                            << QStringList{"This program cannot work out a return for Quebec: the tax province "
                                           "stays Ontario."};
    QTest::newRow("the blank choice") << 0 << 9
                                      << QStringList{"A return needs its province or territory of residence: the "
                                                     "tax province stays Ontario."};
}

void FormReturnCommandsTest::t1ProvinceBoxMovesTheReturn()
{
    QFETCH(int, chosen);
    QFETCH(int, after);
    QFETCH(QStringList, texts);
    Prompt::Scripted prompts;
    // The T1's pages as the program draws them, for this test only.
    installTaxFormPages();
    struct NoPages { ~NoPages() { CTaxData_Form::setPageMaker(nullptr); } } noPagesAfter;
    Form_Return* editor = open(kSingle);
    QVERIFY(editor);
    IndividualTaxData* taxpayer = editor->familyData()->taxpayer();
    QVERIFY(selectForm(editor, FormType::T1));
    QComboBox* box = nullptr;
    for (BaseTaxPage* page : editor->pages())
        if (auto* p = qobject_cast<TaxFormPage*>(page))
            if (auto* combo = qobject_cast<QComboBox*>(p->editorOf(QStringLiteral("province")))) box = combo;
    QVERIFY(box);
    box->setCurrentIndex(box->findData(chosen));
    emit box->activated(box->currentIndex());   // the user's pick from the list
    QCOMPARE(prompts.texts(), texts);
    QCOMPARE(taxpayer->getMainProvince(), after);
    QCOMPARE(taxpayer->t1()->getInt("province"), after);
    QCOMPARE(box->currentData().toInt(), after);
    // The province in force has its 428 (BC428 is form 41, ON428 form 24).
    const int provincial = after == 2 ? 41 : 24;
    QVERIFY(formOf(taxpayer, provincial));
    QVERIFY(taxpayer->t1()->getFloat("42800") > 0.0);
}

void FormReturnCommandsTest::provinceChangeKeepsTheShownFormSelected()
{
    Prompt::Scripted prompts;
    // A non-resident's return holds Schedule A/B, which the move to a
    // province removes from above the form shown.
    m_path = scenarioFileIn(m_dir->path(), kSingle, "nonresident.r21",
                            [](QJsonObject& root) { root.insert("province", 14); });
    Form_Return* editor = openInEditor(m_window.get(), m_path);
    QVERIFY(editor);
    quickAdd("btnAddT2125");
    quickAdd("btnAddT776");
    IndividualTaxData* taxpayer = editor->familyData()->taxpayer();
    QVERIFY(formOf(taxpayer, FormType::ScheduleAB));
    QVERIFY(selectForm(editor, FormType::T2125));
    CTaxData_Form* shown = editor->currentForm();
    QCOMPARE(shown, formOf(taxpayer, FormType::T2125)->object);
    whenModal([](QDialog* dialog) {
        auto* wizard = qobject_cast<QWizard*>(dialog);
        QVERIFY(wizard);
        auto* combo = wizard->currentPage()->findChild<QComboBox*>("fld_NewTaxProv");
        combo->setCurrentIndex(combo->findData(9));
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
    trigger("actionChange_Tax_Province");
    QCOMPARE(taxpayer->getMainProvince(), 9);
    QVERIFY(!formOf(taxpayer, FormType::ScheduleAB));
    QCOMPARE(editor->currentForm(), shown);
    auto* selected = static_cast<TreeItemForm*>(editor->folderView()->getSelected());
    QVERIFY(selected);
    QCOMPARE(selected->getData_FormInfo()->object, shown);
    QCOMPARE(selected->text(0), QStringLiteral("T2125"));
}

// ------------------------------------------------------------ de-coupling

void FormReturnCommandsTest::deCouple_data()
{
    QTest::addColumn<int>("keep"); // combo row, -1 to cancel
    QTest::newRow("keep the taxpayer") << 0;
    QTest::newRow("keep the spouse") << 1;
    QTest::newRow("cancel") << -1;
}

void FormReturnCommandsTest::deCouple()
{
    QFETCH(int, keep);
    Prompt::Scripted prompts;
    Form_Return* editor = open(kCoupled);
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    // A shared slip on each side, and the spouse's person shown.
    trigger("actionAdd_T5_slip");
    QVERIFY(selectSlip(editor, SlipType::T5));
    trigger("actionShare_slip_with_spouse");
    editor->personChooser()->setCurrentIndex(editor->personChooser()->findData(CFamilyTaxData::kSpouse));
    QCOMPARE(data->getCurIndv(), CFamilyTaxData::kSpouse);
    const QByteArray onDisk = bytesOf(m_path);
    const CString keptName = (keep == 1 ? data->spouse() : data->taxpayer())->t1()->getString("first_name");
    const int keptSlips = int((keep == 1 ? data->spouse() : data->taxpayer())->slips().size());

    QStringList names;
    whenModal([&](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("De-Couple Tax Return"));
        auto* combo = dialog->findChild<QComboBox*>("comboBox");
        for (int i = 0; i < combo->count(); ++i) names << combo->itemText(i);
        QCOMPARE(combo->currentIndex(), 0);
        if (keep < 0) return;
        combo->setCurrentIndex(keep);
        pressOk(dialog);
    });
    trigger("actionDe_Couple_Return_1to2");
    QCOMPARE(names.size(), 2);
    QVERIFY(names.at(0).contains("Ann"));
    QVERIFY(names.at(1).contains("Boris"));
    QCOMPARE(bytesOf(m_path), onDisk);
    if (keep < 0) {
        QVERIFY(data->IsCoupledReturn());
        QVERIFY(editor->hasFileToSave());
        return;
    }
    QVERIFY(!data->IsCoupledReturn());
    QCOMPARE(data->getCurIndv(), CFamilyTaxData::kTaxpayer);
    QCOMPARE(data->taxpayer()->t1()->getString("first_name"), keptName);
    QCOMPARE(int(data->taxpayer()->slips().size()), keptSlips);
    QVERIFY(!data->spouse()->t1());
    QCOMPARE(editor->getTitle(), QStringLiteral("Untitled (unsaved)"));
    QVERIFY(m_window->windowTitle().contains("Untitled (unsaved)"));
    QCOMPARE(editor->personChooser()->count(), 1);
    QCOMPARE(editor->currentForm(), data->taxpayer()->t1());
    for (const STRUCT_FORMDATA_ITEM_2004* item : data->taxpayer()->forms()) QCOMPARE(item->sharedId, 0);
    for (const STRUCT_SLIPDATA_ITEM_2004* item : data->taxpayer()->slips()) QCOMPARE(item->sharedId, 0);
    QCOMPARE(editor->folderView()->slipsRoot()->childCount(), keptSlips);
    QCOMPARE(labels(editor->folderView()->slipsRoot()).filter(QRegularExpression("^S-")), QStringList());
}

QUILLMERE_APP_TEST_MAIN(FormReturnCommandsTest)
#include "tst_form_return_commands.moc"
