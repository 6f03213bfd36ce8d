#pragma once
// Reorders one person's forms as the tree lists them. The summary, its
// refiling copy and the form of type 165 are not listed and keep their places.

#include <vector>

#include <QDialog>

class IndividualTaxData;
struct STRUCT_FORMDATA_ITEM_2004;

namespace Ui {
class DlgChangeFormOrder;
}

class DlgChangeFormOrder : public QDialog
{
    Q_OBJECT
public:
    DlgChangeFormOrder(IndividualTaxData* person, QWidget* parent);
    ~DlgChangeFormOrder() override;

private slots:
    void on_btnUp_clicked();
    void on_btnDown_clicked();
    // Writes the listed order back into the person's form list.
    void on_buttonBox_accepted();

private:
    void swapRows(int from, int to);
    // The selected row, or -1.
    int selectedRow() const;

    IndividualTaxData* m_person;
    std::vector<STRUCT_FORMDATA_ITEM_2004*> m_order;
    Ui::DlgChangeFormOrder* ui;
};
