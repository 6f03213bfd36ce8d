#pragma once
// The page on which the user marks the amounts of a coupled return that the
// optimiser may move between the spouses; its cells are bound to the
// holder's fields of the same names.

#include "ppgwizardpage.h"

class CFamilyTaxData;
class DataShareAmtDlg;

namespace Ui {
class ShareAmtDlg_tab1;
}

class ShareAmtDlg_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    ShareAmtDlg_tab1(DataShareAmtDlg* holder, CFamilyTaxData* family, QWidget* parent);
    ~ShareAmtDlg_tab1() override;

    bool validatePage() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CFamilyTaxData* m_family;
    Ui::ShareAmtDlg_tab1* ui;
};
