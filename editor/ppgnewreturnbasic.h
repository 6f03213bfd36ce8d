#pragma once
// The three pages of the new-return interview over one answers holder: the
// taxpayer, the spouse (married and common-law taxpayers only) and the
// schedules to start with.

#include "ppgwizardpage.h"

class CFamilyTaxData;
class PPgDataNewReturnBasic;
class QWidget;

namespace Ui {
class PpgNewReturnBasic_tab1;
class PpgNewReturnBasic_Spouse;
class PpgNewReturnBasic_FormOption;
} // namespace Ui

class PpgNewReturnBasic_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    PpgNewReturnBasic_tab1(PPgDataNewReturnBasic* data, QWidget* parent);
    ~PpgNewReturnBasic_tab1() override;

    void AssociateFormData() override;
    bool validatePage() override;
    // The spouse page for married and common-law taxpayers, else the schedules.
    int nextId() const override;

private:
    PPgDataNewReturnBasic* m_answers;
    Ui::PpgNewReturnBasic_tab1* ui;
};

class PpgNewReturnBasic_Spouse : public PpgWizardPage
{
    Q_OBJECT
public:
    PpgNewReturnBasic_Spouse(PPgDataNewReturnBasic* data, QWidget* parent);
    ~PpgNewReturnBasic_Spouse() override;

    void AssociateFormData() override;
    // Starts the spouse in the taxpayer's province, or with none chosen
    // when the taxpayer is a non-resident.
    void initializePage() override;
    // Names, and a province unless the spouse is a non-resident.
    bool validatePage() override;
    static QString provinceMissingText();

private slots:
    // A non-resident spouse files no return here: no coupled return.
    void onNonResidentToggled(bool nonResident);

private:
    PPgDataNewReturnBasic* m_answers;
    Ui::PpgNewReturnBasic_Spouse* ui;
};

class PpgNewReturnBasic_FormOption : public PpgWizardPage
{
    Q_OBJECT
public:
    PpgNewReturnBasic_FormOption(PPgDataNewReturnBasic* data, QWidget* parent);
    ~PpgNewReturnBasic_FormOption() override;

    // Its check boxes write their fields on every change.
    bool validatePage() override { return true; }
    int nextId() const override { return -1; }

private:
    Ui::PpgNewReturnBasic_FormOption* ui;
};

// Runs the "Create a new tax return" interview; the new return, calculated,
// or none when the user cancelled. The caller owns the return.
CFamilyTaxData* runNewReturnInterview(QWidget* parent);
