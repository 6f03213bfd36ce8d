#pragma once
// The one page of the Change Tax Province wizard: the new province and, for
// a coupled return, whether both spouses move.

#include "ppgwizardpage.h"
#include "wsbasedata.h"

class DataDlgChangeProv : public CWSBaseData
{
public:
    DataDlgChangeProv();

    CIntField* fld_NewTaxProv;
    // 0 both returns, 1 the current return only.
    CIntField* fld_ChgBoth;
};

namespace Ui {
class DlgChangeProv_tab1;
}

class DlgChangeProv_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    DlgChangeProv_tab1(DataDlgChangeProv* data, QWidget* parent);
    ~DlgChangeProv_tab1() override;

    void AssociateFormData() override;
    // Only with a province chosen.
    bool validatePage() override;

private:
    DataDlgChangeProv* m_answers;
    Ui::DlgChangeProv_tab1* ui;
};
