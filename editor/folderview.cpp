#include "folderview.h"

#include <QMenu>

#include "editorhost.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "taxdataform.h"

namespace {

constexpr int kSummary = 93;
constexpr int kT183 = 96;
constexpr int kSummaryRefile = 159;
constexpr int kNeverListed = 165;

// Forms the tree never lists: the summary is reached through the Result root.
bool isHiddenForm(int type)
{
    return type == kSummary || type == kT183 || type == kSummaryRefile || type == kNeverListed;
}

void removeChildrenFrom(QTreeWidgetItem* root, int first)
{
    for (int i = root->childCount() - 1; i >= first; --i) delete root->takeChild(i);
}

// Reuses the branch's items from the top, one per record, and drops the rest.
template <class Base, class Record, class Item>
class ReusingVisitor : public Base
{
public:
    ReusingVisitor(QTreeWidgetItem* root, bool coupled) : m_root(root), m_coupled(coupled) {}
    bool begin(void*) override
    {
        m_cursor = 0;
        return true;
    }
    bool end(void*) override
    {
        removeChildrenFrom(m_root, m_cursor);
        return true;
    }

protected:
    void place(Record* record, const CString& label)
    {
        Item* item = m_cursor < m_root->childCount() ? static_cast<Item*>(m_root->child(m_cursor)) : nullptr;
        if (!item) {
            item = new Item();
            m_root->addChild(item);
        }
        item->setText(0, label.toQString());
        item->setItemData(record);
        ++m_cursor;
        ++m_count;
    }
    QTreeWidgetItem* m_root;
    bool m_coupled;
    int m_cursor = 0;
    int m_count = 0;
};

class CPopFormObj : public ReusingVisitor<CEnumTaxFormObj, STRUCT_FORMDATA_ITEM_2004, TreeItemForm>
{
public:
    using ReusingVisitor::ReusingVisitor;
    bool doWork(STRUCT_FORMDATA_ITEM_2004* record, void*) override
    {
        if (isHiddenForm(record->formType)) return true;
        CString label;
        CFamilyTaxData::formDisplayName(m_coupled, record, label);
        place(record, label);
        return true;
    }
};

class CPopSlipObj : public ReusingVisitor<CEnumTaxSlipObj, STRUCT_SLIPDATA_ITEM_2004, TreeItem>
{
public:
    using ReusingVisitor::ReusingVisitor;
    bool doWork(STRUCT_SLIPDATA_ITEM_2004* record, void*) override
    {
        CString label;
        slipDisplayName(m_coupled, record, label);
        place(record, label);
        return true;
    }
};

CString noteLabel(const STRUCT_NOTEDATA_ITEM_2004* record)
{
    return record->object ? record->object->GetDisplayName() : CString();
}

class CPopNoteObj : public CEnumTaxNoteObj
{
public:
    explicit CPopNoteObj(QTreeWidgetItem* root) : m_root(root) {}
    bool doWork(STRUCT_NOTEDATA_ITEM_2004* record, void*) override
    {
        auto* item = new TreeItem(QStringList(noteLabel(record).toQString()));
        item->setItemData(record);
        m_root->addChild(item);
        return true;
    }

private:
    QTreeWidgetItem* m_root;
};

class CPopWizObj : public CEnumTaxWizardObj
{
public:
    explicit CPopWizObj(QTreeWidgetItem* root) : m_root(root) {}
    bool doWork(STRUCT_WIZDATA_ITEM_2004* record, void*) override
    {
        const TaxWizardInfo* info = taxWizardInfo(record->kind);
        auto* item = new TreeItem(QStringList(info ? QString::fromUtf8(info->name) : QString()));
        item->setItemData(record);
        m_root->addChild(item);
        return true;
    }

private:
    QTreeWidgetItem* m_root;
};

} // namespace

void slipDisplayName(bool coupled, STRUCT_SLIPDATA_ITEM_2004* item, CString& out)
{
    if (!item) return;
    CString description = item->object ? item->object->GetDisplayName() : CString();
    if (item->object && item->object->isAutoFilled()) description += " by Auto-Fill";
    if (coupled && item->sharedId > 0) out = "S-";
    const SlipInfo* info = slipInfo(item->slipType);
    if (info) out += info->name;
    if (!description.IsEmpty()) {
        out += " - ";
        out += description;
    }
}

FolderView::FolderView(QWidget* parent)
    : QTreeWidget(parent),
      m_start(new TreeItem()),
      m_slips(new TreeItem()),
      m_wizard(new TreeItem()),
      m_notes(new TreeItem()),
      m_forms(new TreeItem()),
      m_result(new TreeItem())
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &FolderView::ShowContextMenu);
}

bool FolderView::coupled() const
{
    return m_data && m_data->IsCoupledReturn();
}

void FolderView::populate(CFamilyTaxData* data)
{
    m_data = data;
    if (!data) return;
    m_start->setText(0, tr("Start"));
    addTopLevelItem(m_start);
    m_slips->setText(0, tr("Tax Slips"));
    m_slips->setToolTip(0, tr("Right click to add more tax slips"));
    addTopLevelItem(m_slips);
    m_wizard->setText(0, tr("Express Wizard"));
    addTopLevelItem(m_wizard);
    m_notes->setText(0, tr("Tax Notes"));
    addTopLevelItem(m_notes);
    SyncFromNoteData();
    m_forms->setText(0, tr("Tax Forms"));
    addTopLevelItem(m_forms);
    SyncFromReturnData();
    m_slips->setExpanded(true);
    m_wizard->setExpanded(true);
    m_notes->setExpanded(true);
    m_forms->setExpanded(true);
    m_result->setText(0, tr("Result"));
    addTopLevelItem(m_result);
}

void FolderView::SyncFromReturnData()
{
    SyncFromNoteData();
    SyncFromWizData();
    SyncFromFormData();
    SyncFromSlipData();
    SyncFromNoteData();
}

void FolderView::SyncFromFormData()
{
    IndividualTaxData* person = m_data ? m_data->getCurIndvTaxData() : nullptr;
    if (!person) return;
    CPopFormObj visitor(m_forms, coupled());
    person->EnumTaxForms(&visitor, this);
}

void FolderView::SyncFromSlipData()
{
    IndividualTaxData* person = m_data ? m_data->getCurIndvTaxData() : nullptr;
    if (!person) return;
    CPopSlipObj visitor(m_slips, coupled());
    person->EnumTaxSlips(&visitor, this);
}

void FolderView::SyncFromNoteData()
{
    IndividualTaxData* person = m_data ? m_data->getCurIndvTaxData() : nullptr;
    if (!person) return;
    clearNoteData();
    CPopNoteObj visitor(m_notes);
    person->EnumTaxNotes(&visitor, this);
}

void FolderView::SyncFromWizData()
{
    IndividualTaxData* person = m_data ? m_data->getCurIndvTaxData() : nullptr;
    if (!person) return;
    removeChildrenFrom(m_wizard, 0);
    CPopWizObj visitor(m_wizard);
    person->EnumTaxWizards(&visitor, this);
}

void FolderView::SyncFormsName()
{
    const bool both = coupled();
    for (int i = 0; i < m_forms->childCount(); ++i) {
        auto* item = static_cast<TreeItemForm*>(m_forms->child(i));
        CString label;
        CFamilyTaxData::formDisplayName(both, item->getData_FormInfo(), label);
        item->setText(0, label.toQString());
    }
}

void FolderView::SyncSlipsNotesName()
{
    const bool both = coupled();
    for (int i = 0; i < m_slips->childCount(); ++i) {
        auto* item = static_cast<TreeItem*>(m_slips->child(i));
        CString label;
        slipDisplayName(both, static_cast<STRUCT_SLIPDATA_ITEM_2004*>(item->getItemData()), label);
        item->setText(0, label.toQString());
    }
    for (int i = 0; i < m_notes->childCount(); ++i) {
        auto* item = static_cast<TreeItem*>(m_notes->child(i));
        auto* record = static_cast<STRUCT_NOTEDATA_ITEM_2004*>(item->getItemData());
        if (record) item->setText(0, noteLabel(record).toQString());
    }
}

void FolderView::clearFormData()
{
    removeChildrenFrom(m_forms, 0);
}

void FolderView::clearSlipData()
{
    removeChildrenFrom(m_slips, 0);
}

void FolderView::clearNoteData()
{
    removeChildrenFrom(m_notes, 0);
}

QTreeWidgetItem* FolderView::getSelected() const
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void FolderView::getSelectedData(int& kind, int& type, int& id) const
{
    kind = -1;
    type = 0;
    id = 0;
    auto* item = static_cast<TreeItem*>(getSelected());
    if (!item || !item->getItemData()) return;
    QTreeWidgetItem* root = item->parent();
    if (root == m_forms) {
        auto* record = static_cast<STRUCT_FORMDATA_ITEM_2004*>(item->getItemData());
        kind = FROM_FORM;
        type = record->formType;
        id = record->uniqueId;
    } else if (root == m_slips) {
        auto* record = static_cast<STRUCT_SLIPDATA_ITEM_2004*>(item->getItemData());
        kind = FROM_SLIP;
        type = record->slipType;
        id = record->uniqueId;
    } else if (root == m_notes) {
        kind = FROM_NOTE;
        id = static_cast<STRUCT_NOTEDATA_ITEM_2004*>(item->getItemData())->noteId;
    }
}

void FolderView::ShowItem(const ENUMTYPE_FROM& kind, int id)
{
    auto find = [&](QTreeWidgetItem* root, auto idOf) -> QTreeWidgetItem* {
        for (int i = 0; i < root->childCount(); ++i) {
            void* record = static_cast<TreeItem*>(root->child(i))->getItemData();
            if (record && idOf(record) == id) return root->child(i);
        }
        return nullptr;
    };
    QTreeWidgetItem* match = nullptr;
    if (kind == FROM_FORM)
        match = find(m_forms, [](void* r) { return static_cast<STRUCT_FORMDATA_ITEM_2004*>(r)->uniqueId; });
    else if (kind == FROM_SLIP)
        match = find(m_slips, [](void* r) { return static_cast<STRUCT_SLIPDATA_ITEM_2004*>(r)->uniqueId; });
    else if (kind == FROM_NOTE)
        match = find(m_notes, [](void* r) { return static_cast<STRUCT_NOTEDATA_ITEM_2004*>(r)->noteId; });
    if (!match) match = m_forms->child(0);
    if (match)
        setCurrentItem(match);
    else
        setCurrentItem(nullptr);
}

bool FolderView::removeSelected()
{
    QTreeWidgetItem* item = getSelected();
    if (!item) return false;
    QTreeWidgetItem* root = item->parent();
    if (root != m_forms && root != m_slips && root != m_notes) return false;
    delete root->takeChild(root->indexOfChild(item));
    return true;
}

std::unique_ptr<QMenu> FolderView::makeContextMenu()
{
    QTreeWidgetItem* item = getSelected();
    if (!item || !m_host) return nullptr;
    QString title;
    int kind = -1;
    QTreeWidgetItem* root = item->parent();
    if (item == m_slips) { title = QStringLiteral("Slips menu"); kind = 0; }
    else if (root == m_slips) { title = QStringLiteral("Slip menu"); kind = 1; }
    else if (item == m_forms) { title = QStringLiteral("Forms menu"); kind = 10; }
    else if (root == m_forms) { title = QStringLiteral("Form menu"); kind = 11; }
    else if (item == m_notes) { title = QStringLiteral("Note menu"); kind = 20; }
    else if (root == m_notes) { title = QStringLiteral("Note menu"); kind = 21; }
    if (kind < 0) return nullptr;
    auto menu = std::make_unique<QMenu>(title, this);
    menu->setTitle(title);
    m_host->setupContextMenu(kind, menu.get());
    return menu;
}

void FolderView::ShowContextMenu(const QPoint& point)
{
    std::unique_ptr<QMenu> menu = makeContextMenu();
    if (menu) menu->exec(mapToGlobal(point));
}
