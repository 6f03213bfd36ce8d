#include "dlgchangeformorder.h"

#include "familytaxdata.h"
#include "formtypes.h"
#include "ui_dlgchangeformorder.h"

namespace {

bool listed(const STRUCT_FORMDATA_ITEM_2004* item)
{
    return item->formType != FormType::Summary && item->formType != FormType::SummaryReFile
        && item->formType != FormType::SummaryLastYear;
}

} // namespace

DlgChangeFormOrder::DlgChangeFormOrder(IndividualTaxData* person, QWidget* parent)
    : QDialog(parent), m_person(person), ui(new Ui::DlgChangeFormOrder)
{
    ui->setupUi(this);
    for (STRUCT_FORMDATA_ITEM_2004* item : person->forms()) {
        if (!listed(item)) continue;
        m_order.push_back(item);
        CString name;
        CFamilyTaxData::formDisplayName(true, item, name);
        ui->listFormsWgt->addItem(name.toQString());
    }
}

DlgChangeFormOrder::~DlgChangeFormOrder()
{
    delete ui;
}

void DlgChangeFormOrder::swapRows(int from, int to)
{
    QListWidgetItem* row = ui->listFormsWgt->takeItem(from);
    ui->listFormsWgt->insertItem(to, row);
    ui->listFormsWgt->setCurrentRow(to);
    std::swap(m_order[size_t(from)], m_order[size_t(to)]);
}

int DlgChangeFormOrder::selectedRow() const
{
    // The list makes its first row current, unselected, as soon as it takes
    // the focus: only a row the user selected may move.
    const QList<QListWidgetItem*> selected = ui->listFormsWgt->selectedItems();
    return selected.isEmpty() ? -1 : ui->listFormsWgt->row(selected.first());
}

void DlgChangeFormOrder::on_btnUp_clicked()
{
    const int row = selectedRow();
    if (row > 0) swapRows(row, row - 1);
}

void DlgChangeFormOrder::on_btnDown_clicked()
{
    const int row = selectedRow();
    if (row >= 0 && row < int(m_order.size()) - 1) swapRows(row, row + 1);
}

void DlgChangeFormOrder::on_buttonBox_accepted()
{
    size_t k = 0;
    for (STRUCT_FORMDATA_ITEM_2004*& item : m_person->forms()) {
        if (k >= m_order.size()) break;
        if (listed(item)) item = m_order[k++];
    }
}
