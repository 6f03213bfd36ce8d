#pragma once
// The auto-fill wizard's pages: the downloaded record, the notice of what
// auto-fill leaves out, and the options saying what may go into the return.

#include "cstring.h"
#include "ppgwizardpage.h"

class DataAFR;

namespace Ui {
class AFR_Data;
class AFR_Message;
class AFR_Option;
}

class AFR_Data : public PpgWizardPage
{
    Q_OBJECT

public:
    // `html` is the record's page; the caller keeps it alive with the page.
    AFR_Data(const CString& html, QWidget* parent);
    ~AFR_Data() override;

    void AssociateFormData() override {}
    bool validatePage() override { return true; }

private:
    Q_DISABLE_COPY(AFR_Data)
    const CString& m_html;
    Ui::AFR_Data* ui;
};

class AFR_Message : public PpgWizardPage
{
    Q_OBJECT

public:
    AFR_Message(DataAFR* options, QWidget* parent);
    ~AFR_Message() override;

    void AssociateFormData() override {}
    bool validatePage() override { return true; }

private:
    Q_DISABLE_COPY(AFR_Message)
    Ui::AFR_Message* ui;
};

class AFR_Option : public PpgWizardPage
{
    Q_OBJECT

public:
    // Chooses "apply everything" in `options` before the page shows it.
    AFR_Option(DataAFR* options, QWidget* parent);
    ~AFR_Option() override;

    void AssociateFormData() override;
    // Only a choice of the two radio buttons lets the wizard finish.
    bool validatePage() override;

private:
    Q_DISABLE_COPY(AFR_Option)
    DataAFR* m_options;
    Ui::AFR_Option* ui;
};
