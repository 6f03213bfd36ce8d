#pragma once
// The one page class behind every form, slip, note and interview item: it
// draws one page of the item's layout (number, label, value per line) and
// binds each widget to the field its row names.

#include <QHash>
#include <QPointer>
#include <QString>
#include <list>
#include <vector>

#include "basetaxpage.h"
#include "pagelayout.h"

class CField;
class QGridLayout;
class QPushButton;

class TaxFormPage : public BaseTaxPage
{
    Q_OBJECT
public:
    // One page of a layout: its title and its rows, Page rows left out.
    struct PageRows
    {
        QString title;
        std::vector<LayoutRow> rows;
    };
    // A layout cut into its pages, at its Page rows; Hidden rows left out.
    static std::vector<PageRows> pagesOf(const PageLayout& layout);

    // `host` receives the events of the page's buttons (the editor).
    TaxFormPage(CTaxData_Form* form, const PageRows& page, QObject* host, QWidget* parent = nullptr);
    ~TaxFormPage() override;

    // Shows the object's values; emits nothing.
    void syncData() override;
    // Stores what the focused widget holds into its field, without asking for
    // a calculation (the editor calculates after saving).
    void saveToData() override;

    // The widget of a field ("donations.2.amount" for a table cell), or null.
    QWidget* editorOf(const QString& fieldName) const;
    // The button posting event `number`, or null.
    QPushButton* actionButton(int number) const;
    // The rows a table shows now.
    int tableRowsShown(const QString& group) const;
    // The message the field shows for a value it refused, empty for none.
    QString refusalShown(const QString& fieldName) const;

private:
    enum class Kind { Amount, Text, Lines, Number, Check, Date, Choice };
    struct Binding
    {
        CField* field = nullptr;
        Kind kind = Kind::Text;
        int table = -1;   // index into m_tables, -1 outside a table
    };
    struct TableGrid
    {
        QString group;
        std::vector<LayoutRow> columns;
        QGridLayout* grid = nullptr;
        int maxRows = 0;
        int shown = 0;
        QWidget* lastCell = nullptr;   // the last cell Tab reaches, for a new row to follow
        bool stacked = false;          // too many columns: entries one under the other
    };

    void addRow(QGridLayout* grid, int& row, const LayoutRow& r);
    void addTable(QGridLayout* grid, int& row, const LayoutRow& table, std::vector<LayoutRow> columns);
    void growTable(int index);
    int rowsInUse(const TableGrid& t) const;
    QWidget* makeEditor(CField* field, const LayoutRow& row, int table);
    void showValue(QWidget* w, const Binding& b);
    // Writes the widget's value into its field; true when the field changed.
    bool commit(QWidget* w, bool emitCalc);
    // Shows the field's value again with `why` on the field.
    void refuse(QWidget* w, const Binding& b, const QString& why);
    void clearRefusal(QWidget* w);
    void onEdited();

    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<QObject> m_host;
    QHash<QWidget*, Binding> m_bindings;
    QHash<QString, QWidget*> m_byField;
    QHash<int, QPushButton*> m_actions;
    std::vector<TableGrid> m_tables;
    bool m_syncing = false;
};

// Makes the pages of `form`'s layout, each with `parent` as parent and host.
void makeTaxFormPages(CTaxData_Form* form, std::list<BaseTaxPage*>& pages, QWidget* parent);
// Lets every form object make its pages from its layout: the program and the
// editor's tests call it once.
void installTaxFormPages();
