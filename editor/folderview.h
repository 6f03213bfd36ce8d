#pragma once
// The editor's left-pane tree: six fixed roots under which the current
// person's slips, interview items, notes and forms are listed. A resync
// reuses the items it already has from the top, so that relabelling after
// every edit does not rebuild the tree.

#include <memory>

#include <QTreeWidget>

#include "cstring.h"
#include "enumtypes.h"

class CFamilyTaxData;
class EditorHost;
class QMenu;
struct STRUCT_FORMDATA_ITEM_2004;
struct STRUCT_SLIPDATA_ITEM_2004;

// A tree item pointing at the list record it shows (not owned).
class TreeItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    void* getItemData() const { return m_data; }
    void setItemData(void* data) { m_data = data; }

private:
    void* m_data = nullptr;
};

class TreeItemForm : public TreeItem
{
public:
    using TreeItem::TreeItem;
    STRUCT_FORMDATA_ITEM_2004* getData_FormInfo() const
    {
        return static_cast<STRUCT_FORMDATA_ITEM_2004*>(getItemData());
    }
    void setData_FormInfo(STRUCT_FORMDATA_ITEM_2004* item) { setItemData(item); }
};

class FolderView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderView(QWidget* parent = nullptr);

    // Where the context menus get their actions (not owned).
    void setHost(EditorHost* host) { m_host = host; }
    void populate(CFamilyTaxData* data);
    CFamilyTaxData* data() const { return m_data; }

    void SyncFromReturnData();
    void SyncFromFormData();
    void SyncFromSlipData();
    void SyncFromNoteData();
    void SyncFromWizData();
    void SyncFormsName();
    void SyncSlipsNotesName();
    void clearFormData();
    void clearSlipData();
    void clearNoteData();

    QTreeWidgetItem* getSelected() const;
    // Kind -1, type 0, id 0 unless a form (kind 0), slip (1) or note (3) is selected.
    void getSelectedData(int& kind, int& type, int& id) const;
    // Selects the item of that kind and identifier, else the first form, else nothing.
    void ShowItem(const ENUMTYPE_FROM& kind, int id);
    // Takes the selected form, slip or note out of its branch; the record
    // stays with its return, whose owner removes it.
    bool removeSelected();

    TreeItem* startRoot() const { return m_start; }
    TreeItem* slipsRoot() const { return m_slips; }
    TreeItem* wizardRoot() const { return m_wizard; }
    TreeItem* notesRoot() const { return m_notes; }
    TreeItem* formsRoot() const { return m_forms; }
    TreeItem* resultRoot() const { return m_result; }

    // The context menu of the selected item, filled by the host; null when
    // the selection has none.
    std::unique_ptr<QMenu> makeContextMenu();

public slots:
    void ShowContextMenu(const QPoint& point);

private:
    bool coupled() const;

    TreeItem* m_start;
    TreeItem* m_slips;
    TreeItem* m_wizard;
    TreeItem* m_notes;
    TreeItem* m_forms;
    TreeItem* m_result;
    CFamilyTaxData* m_data = nullptr;
    EditorHost* m_host = nullptr;
};

// A slip's label: "S-" when shared in a coupled return, the slip's name, and
// " - " with its description (" by Auto-Fill" added for auto-filled slips).
void slipDisplayName(bool coupled, STRUCT_SLIPDATA_ITEM_2004* item, CString& out);
