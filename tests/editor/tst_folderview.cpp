// The editor's tree of items, with a host of the test's own: which records
// each branch lists, that a resync reuses items from the top, the slip
// labels, what is selected and shown, and the context menus.

#include <memory>

#include <QMenu>
#include <QtTest>

#include "editorhost.h"
#include "familytaxdata.h"
#include "folderview.h"
#include "formtables.h"
#include "scenario.h"
#include "taxdataform.h"

namespace {

class RecordingHost : public EditorHost
{
public:
    void showReturnResultInStatus(const CString& text) override { statuses << text.toQString(); }
    void setupContextMenu(int kind, QMenu* menu) override
    {
        kinds << kind;
        menu->addAction(QStringLiteral("kind %1").arg(kind));
    }
    QStringList statuses;
    QList<int> kinds;
};

// A slip object whose description the test chooses.
class DescribedSlip : public CTaxData_Form
{
public:
    DescribedSlip(int type, const CString& description) : CTaxData_Form(FROM_SLIP, type), m_description(description) {}
    CString GetDisplayName() const override { return m_description; }

private:
    CString m_description;
};

struct Family
{
    std::unique_ptr<CFamilyTaxData> data;
    ~Family()
    {
        if (data) data->FreeData();
    }
};

std::unique_ptr<CFamilyTaxData> buildScenario(const QString& name)
{
    QFile file(QStringLiteral(SCENARIO_DIR "/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    QString error;
    auto family = Scenario::build(file.readAll(), &error);
    if (!family) qWarning() << error;
    return family;
}

QStringList childTexts(QTreeWidgetItem* root)
{
    QStringList out;
    for (int i = 0; i < root->childCount(); ++i) out << root->child(i)->text(0);
    return out;
}

QList<QTreeWidgetItem*> childItems(QTreeWidgetItem* root)
{
    QList<QTreeWidgetItem*> out;
    for (int i = 0; i < root->childCount(); ++i) out << root->child(i);
    return out;
}

// The labels the forms branch should show: every listed form but the hidden ones.
QStringList expectedFormLabels(CFamilyTaxData& family)
{
    QStringList out;
    for (const STRUCT_FORMDATA_ITEM_2004* item : family.getCurIndvTaxData()->forms()) {
        if (item->formType == 93 || item->formType == 96 || item->formType == 159 || item->formType == 165) continue;
        CString label;
        CFamilyTaxData::formDisplayName(family.IsCoupledReturn(), item, label);
        out << label.toQString();
    }
    return out;
}

} // namespace

class FolderViewTest : public QObject
{
    Q_OBJECT
private slots:
    void populateListsTheCurrentPerson();
    void hiddenFormTypesAreSkipped();
    void resyncAfterMiddleRemovalReusesItems();
    void slipLabels_data();
    void slipLabels();
    void selectionAndShowItem();
    void contextMenus_data();
    void contextMenus();
    void removeSelectedTakesOnlyChildren();
};

void FolderViewTest::populateListsTheCurrentPerson()
{
    Family f{buildScenario(QStringLiteral("employee_t4_on"))};
    QVERIFY(f.data);
    FolderView tree;
    tree.populate(f.data.get());
    QStringList roots;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) roots << tree.topLevelItem(i)->text(0);
    QCOMPARE(roots, QStringList({"Start", "Tax Slips", "Express Wizard", "Tax Notes", "Tax Forms", "Result"}));
    QCOMPARE(tree.slipsRoot()->toolTip(0), QStringLiteral("Right click to add more tax slips"));
    QCOMPARE(childTexts(tree.formsRoot()), expectedFormLabels(*f.data));
    QCOMPARE(tree.slipsRoot()->childCount(), int(f.data->taxpayer()->slips().size()));
    QCOMPARE(tree.wizardRoot()->childCount(), int(f.data->taxpayer()->wizards().size()));
    QVERIFY(tree.formsRoot()->isExpanded());
}

void FolderViewTest::hiddenFormTypesAreSkipped()
{
    Family f{buildScenario(QStringLiteral("employee_t4_on"))};
    QVERIFY(f.data);
    for (int type : {93, 96, 159, 165}) f.data->NewFormDataItem(type, -1, true, 0, false);
    // Only hidden types left: the branch is empty.
    IndividualTaxData* person = f.data->taxpayer();
    std::list<CTaxData_Form*> visible;
    for (auto* item : person->forms())
        if (item->formType != 93 && item->formType != 96 && item->formType != 159 && item->formType != 165)
            visible.push_back(item->object);
    QVERIFY(!visible.empty());
    FolderView tree;
    tree.populate(f.data.get());
    QCOMPARE(tree.formsRoot()->childCount(), int(visible.size()));
    for (CTaxData_Form* form : visible) f.data->RemoveFormData(form, true);
    tree.SyncFromFormData();
    QCOMPARE(tree.formsRoot()->childCount(), 0);
    tree.ShowItem(FROM_FORM, 0);
    QVERIFY(!tree.currentItem());
}

void FolderViewTest::resyncAfterMiddleRemovalReusesItems()
{
    Family f{buildScenario(QStringLiteral("retired_couple_pension_split_on"))};
    QVERIFY(f.data);
    FolderView tree;
    tree.populate(f.data.get());
    const QList<QTreeWidgetItem*> before = childItems(tree.formsRoot());
    QVERIFY2(before.size() >= 3, "the scenario needs three forms in the tree");
    auto* middle = static_cast<TreeItemForm*>(before[1])->getData_FormInfo();
    f.data->RemoveFormData(middle->object, true);
    tree.SyncFromFormData();
    // The first items are the same objects, now showing the records from
    // the removed one down; only the last item went.
    const QList<QTreeWidgetItem*> after = childItems(tree.formsRoot());
    QCOMPARE(after, before.mid(0, before.size() - 1));
    QCOMPARE(childTexts(tree.formsRoot()), expectedFormLabels(*f.data));
    std::list<STRUCT_FORMDATA_ITEM_2004*> listed;
    for (auto* item : f.data->taxpayer()->forms())
        if (item->formType != 93 && item->formType != 96 && item->formType != 159 && item->formType != 165)
            listed.push_back(item);
    int i = 0;
    for (auto* record : listed) QCOMPARE(static_cast<TreeItemForm*>(after[i++])->getData_FormInfo(), record);
}

void FolderViewTest::slipLabels_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("sharedId");
    QTest::addColumn<bool>("autoFilled");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("plain") << false << 0 << false << "Acme" << "" << " - Acme";
    QTest::newRow("shared in a couple") << true << 105 << false << "Acme" << "S-" << " - Acme";
    QTest::newRow("shared, no longer coupled") << false << 105 << false << "Acme" << "" << " - Acme";
    QTest::newRow("coupled, not shared") << true << 0 << false << "Acme" << "" << " - Acme";
    QTest::newRow("no description") << false << 0 << false << "" << "" << "";
    QTest::newRow("auto-filled") << false << 0 << true << "Acme" << "" << " - Acme by Auto-Fill";
    QTest::newRow("auto-filled, no description") << false << 0 << true << "" << "" << " -  by Auto-Fill";
}

void FolderViewTest::slipLabels()
{
    QFETCH(bool, coupled);
    QFETCH(int, sharedId);
    QFETCH(bool, autoFilled);
    QFETCH(QString, description);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    DescribedSlip slip(1, CString(description));
    slip.setAutoFilled(autoFilled);
    STRUCT_SLIPDATA_ITEM_2004 record;
    record.slipType = 1;
    record.uniqueId = 101;
    record.sharedId = sharedId;
    record.object = &slip;
    CString out;
    slipDisplayName(coupled, &record, out);
    QCOMPARE(out.toQString(), prefix + QString::fromUtf8(slipInfo(1)->name) + suffix);
}

void FolderViewTest::selectionAndShowItem()
{
    Family f{buildScenario(QStringLiteral("employee_t4_on"))};
    QVERIFY(f.data);
    f.data->NewNoteData(-1);
    FolderView tree;
    tree.populate(f.data.get());
    QVERIFY(tree.formsRoot()->childCount() >= 2);
    int kind = 0, type = 0, id = 0;
    tree.getSelectedData(kind, type, id);
    QCOMPARE(kind, -1);

    auto* second = static_cast<TreeItemForm*>(tree.formsRoot()->child(1));
    tree.ShowItem(FROM_FORM, second->getData_FormInfo()->uniqueId);
    QCOMPARE(tree.getSelected(), second);
    tree.getSelectedData(kind, type, id);
    QCOMPARE(kind, int(FROM_FORM));
    QCOMPARE(type, second->getData_FormInfo()->formType);
    QCOMPARE(id, second->getData_FormInfo()->uniqueId);

    const auto* slip = f.data->taxpayer()->slips().front();
    tree.ShowItem(FROM_SLIP, slip->uniqueId);
    tree.getSelectedData(kind, type, id);
    QCOMPARE(kind, int(FROM_SLIP));
    QCOMPARE(type, slip->slipType);
    QCOMPARE(id, slip->uniqueId);

    const auto* note = f.data->taxpayer()->notes().front();
    tree.ShowItem(FROM_NOTE, note->noteId);
    tree.getSelectedData(kind, type, id);
    QCOMPARE(kind, int(FROM_NOTE));
    QCOMPARE(id, note->noteId);

    // No such item, or a kind the tree does not search: the first form.
    for (int k : {int(FROM_FORM), int(FROM_WIZARD)}) {
        tree.ShowItem(k, 99999);
        QCOMPARE(tree.getSelected(), tree.formsRoot()->child(0));
    }
    tree.setCurrentItem(tree.resultRoot());
    tree.getSelectedData(kind, type, id);
    QCOMPARE(kind, -1);
}

void FolderViewTest::contextMenus_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("kind");
    QTest::newRow("slips root") << "slips" << "Slips menu" << 0;
    QTest::newRow("a slip") << "slip" << "Slip menu" << 1;
    QTest::newRow("forms root") << "forms" << "Forms menu" << 10;
    QTest::newRow("a form") << "form" << "Form menu" << 11;
    QTest::newRow("notes root") << "notes" << "Note menu" << 20;
    QTest::newRow("a note") << "note" << "Note menu" << 21;
    QTest::newRow("start root") << "start" << "" << -1;
    QTest::newRow("nothing selected") << "" << "" << -1;
}

void FolderViewTest::contextMenus()
{
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(int, kind);
    Family f{buildScenario(QStringLiteral("employee_t4_on"))};
    QVERIFY(f.data);
    f.data->NewNoteData(-1);
    RecordingHost host;
    FolderView tree;
    tree.setHost(&host);
    tree.populate(f.data.get());
    const QHash<QString, QTreeWidgetItem*> items = {
        {"slips", tree.slipsRoot()}, {"slip", tree.slipsRoot()->child(0)}, {"forms", tree.formsRoot()},
        {"form", tree.formsRoot()->child(0)}, {"notes", tree.notesRoot()}, {"note", tree.notesRoot()->child(0)},
        {"start", tree.startRoot()}};
    if (!item.isEmpty()) tree.setCurrentItem(items.value(item));
    std::unique_ptr<QMenu> menu = tree.makeContextMenu();
    if (kind < 0) {
        QVERIFY(!menu);
        QVERIFY(host.kinds.isEmpty());
        return;
    }
    QVERIFY(menu);
    QCOMPARE(menu->title(), title);
    QCOMPARE(host.kinds, QList<int>({kind}));
    QCOMPARE(menu->actions().size(), 1);
}

void FolderViewTest::removeSelectedTakesOnlyChildren()
{
    Family f{buildScenario(QStringLiteral("employee_t4_on"))};
    QVERIFY(f.data);
    FolderView tree;
    tree.populate(f.data.get());
    QVERIFY(!tree.removeSelected());
    tree.setCurrentItem(tree.formsRoot());
    QVERIFY(!tree.removeSelected());
    const int forms = tree.formsRoot()->childCount();
    const int listed = int(f.data->taxpayer()->forms().size());
    tree.setCurrentItem(tree.formsRoot()->child(0));
    QVERIFY(tree.removeSelected());
    QCOMPARE(tree.formsRoot()->childCount(), forms - 1);
    QCOMPARE(int(f.data->taxpayer()->forms().size()), listed);
}

QTEST_MAIN(FolderViewTest)
#include "tst_folderview.moc"
