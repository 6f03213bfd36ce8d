#pragma once
// Chooses one form type to add to the current person's return: from the
// list of the forms the return's provinces allow, narrowed by a filter that
// stays for the whole run, or with a quick-add button.

#include <list>

#include <QDialog>
#include <QString>

#include "enumtypes.h"

namespace Ui {
class AddTaxFormDlg;
}

class AddTaxFormDlg : public QDialog
{
    Q_OBJECT
public:
    AddTaxFormDlg(std::list<unsigned int>& provinces, QWidget* parent);
    ~AddTaxFormDlg() override;

    // The quick-add type when one was pressed, else the listed type chosen (0 for none).
    ENUMTYPE_FORM getSelectedForm() const;
    void refreshFormList();

    static QString s_strFilter;

private slots:
    void on_edtFilter_textChanged(const QString& text);
    void on_btnClear_clicked();
    void on_btnAddT2125_clicked();
    void on_btnAddT2042_clicked();
    void on_btnAddCommission_clicked();
    void on_btnAddT776_clicked();
    void on_btnAddT2209_clicked();
    void on_btnAddSch7_clicked();
    void on_btnAddSch11_clicked();
    void on_btnAddSch5_clicked();
    void on_btnAddSch9_clicked();

private:
    void _addQuickFormType(ENUMTYPE_FORM type);

    std::list<unsigned int>& m_provinces;
    bool m_quickAdd = false;
    ENUMTYPE_FORM m_quickType = 0;
    Ui::AddTaxFormDlg* ui;
};
