#pragma once
// The answers of the return's interviews, one class per interview kind, and
// the user's notes. The calculation moves the answers into the forms and
// back (kinds 1 to 5; kind 6 belongs to the provincial library).

#include "tableform.h"

// 1: the new-return interview's general answers.
class TaxData_Wizard_General : public TableForm { public: TaxData_Wizard_General(); };

// 2: last year's carry-forward amounts.
class TaxData_LastYearAmounts : public TableForm { public: TaxData_LastYearAmounts(); };

// 3: the family's dependants.
class CWizData_Dependant : public TableForm
{
public:
    static constexpr int kDependants = 12;
    CWizData_Dependant();
};

// 4: medical expenses of the person, the spouse and the dependants.
class CWizData_MedExp : public TableForm
{
public:
    // Whose expense a row is: the person, the spouse, or dependant n at
    // PATIENT_DEPENDANT + n - 1 (n from 1).
    enum Patient : int {
        PATIENT_SELF = 0,
        PATIENT_SPOUSE = 1,
        PATIENT_DEPENDANT = 2,
    };
    static constexpr int kExpenses = 30;
    CWizData_MedExp();
};

// 5: RRSP contributions.
class TaxData_RRSPContrib : public TableForm
{
public:
    // When a contribution was made.
    enum Period : int {
        PERIOD_2021 = 0,        // March 2 to December 31, 2021
        PERIOD_EARLY_2022 = 1,  // January 1 to March 1, 2022
    };
    static constexpr int kContributions = 20;
    TaxData_RRSPContrib();

    // The receipts typed on the page, summed by when they were paid into
    // the two amounts Schedule 7 takes.
    void sumReceipts();
};

// A note the user keeps with the return.
class TaxData_TaxNote : public TableForm { public: TaxData_TaxNote(); };
