#pragma once
// The statements of self-employment, rental and employment-expense activity
// and the principal-residence designations: the forms whose figures go to
// the agency as selected financial data.

#include "tableform.h"

// T776, Statement of Real Estate Rentals (form type 12).
class CTaxData_T776 : public TableForm
{
public:
    CTaxData_T776();

    // The statement from its lines: gross rents, expenses, the owner's
    // share, the capital cost allowance (never more than makes the net
    // income nil: rental allowance may not make or grow a loss), and the
    // amounts for lines 12599 and 12600. Answers 0.
    int Calculate01();
};

// T1163, Statement A – AgriStability and AgriInvest Programs Information and
// Statement of Farming Activities for Individuals (form type 15).
class CTaxData_T1163 : public TableForm
{
public:
    CTaxData_T1163();

    // Income, allowable and non-allowable expenses, the net income and the
    // amounts for lines 14099 and 14100. Answers 0.
    int Calculate01();
};

// T2042, Statement of Farming Activities (form type 21).
class CTaxData_T2042 : public TableForm
{
public:
    CTaxData_T2042();

    // Parts 3 to 5 and the amounts for lines 14099 and 14100. Answers 0.
    int Calculate01();
};

// T2121, Statement of Fishing Activities (form type 51).
class CTaxData_T2121 : public TableForm
{
public:
    CTaxData_T2121();

    // Income, expenses, the net income and the amounts for lines 14299 and
    // 14300. Answers 0.
    int Calculate01();
};

// T2125, Statement of Business or Professional Activities: form type 125
// (business or professional, by "is_professional") or 131 (commission).
class TaxData_T2125_New : public TableForm
{
public:
    explicit TaxData_T2125_New(int type);

    // Parts 3 to 5 and the amounts for the return's lines of its kind
    // (13499/13500 business, 13699/13700 professional, 13899/13900
    // commission); the other kinds' lines are cleared. Answers 0.
    int Calculate01();
};

// A partnership's T5013 amounts entered as a form (form type 38): up to four
// partnership sections, each of one kind of income.
class CTaxData_T5013 : public TableForm
{
public:
    static constexpr int kSections = 4;
    // "partnerships.#.kind"
    enum Kind : int {
        KIND_RENTAL = 0,
        KIND_BUSINESS = 1,
        KIND_PROFESSIONAL = 2,
        KIND_COMMISSION = 3,
        KIND_FISHING = 4,
        KIND_FARMING = 5,
    };

    CTaxData_T5013();

    // Each answers the number of sections of that kind holding an amount;
    // above 0 means yes.
    int HaveRentalIncome() const { return countSectionsOfKind(KIND_RENTAL); }
    int HaveBusinessIncome() const { return countSectionsOfKind(KIND_BUSINESS); }
    int HaveProfessionalIncome() const { return countSectionsOfKind(KIND_PROFESSIONAL); }
    int HaveCommissionIncome() const { return countSectionsOfKind(KIND_COMMISSION); }
    int HaveFishIncome() const { return countSectionsOfKind(KIND_FISHING); }
    int HaveFarmIncome() const { return countSectionsOfKind(KIND_FARMING); }
    // The number of partnership sections in use: each is one statement.
    int GetCountOfSFDForms() const;
    // Slot 0..3 is section 1..4: true when that section is in use, so it is
    // sent as a statement of its own.
    bool IsThisSFD(int slot) const;
    // Writes the statement lines of the section of `slot`; answers the
    // number of lines.
    int ConvertToNetfile(unsigned char mode, int slot, NetfileGenObjParamStru& param);
    // The paper return's barcode blocks: one per section in use, as above.
    int GetCountOfBarcodeSFDForms() const { return GetCountOfSFDForms(); }

    // A section (1..kSections) with any amount of 0.009 or more either way.
    bool sectionHasAmount(int section) const;
    // A section with any value other than its starting one.
    bool sectionInUse(int section) const;
    // The self-employment income of the partnerships: each section's net
    // income (loss) that is not a loss, rental sections left out.
    double GetTotalNonLossNetIncome() const;

    // Each section's net income (loss) (9946): its income box of its kind,
    // less its capital cost allowance, other deductions and
    // business-use-of-home expenses. Answers 0.
    int Calculate01();
    // The income box (net, and gross) of a kind, as the slip prints it.
    static const char* incomeColumn(int kind);
    static const char* grossColumn(int kind);

private:
    int countSectionsOfKind(int kind) const;
};

// T777, Statement of Employment Expenses (form type 59).
class TaxData_T777New : public TableForm
{
public:
    TaxData_T777New();
};

// TL2, Claim for Meals and Lodging Expenses (form type 92).
class TaxData_TL2_New : public TableForm
{
public:
    TaxData_TL2_New();
};

// Designation of a property as a principal residence: form type 147
// (T2091(IND), by the individual) or 160 (T1255, by the legal representative
// of a deceased individual).
class TaxData_T2091 : public TableForm
{
public:
    explicit TaxData_T2091(int type);

    // Each property's gain, less the principal residence exemption
    // ((1 + years designated) / years owned of the gain) and the 1994
    // election reduction; the total of the gains. Answers 0.
    int Calculate01();
};

// T777S, Statement of Employment Expenses for Working at Home Due to
// COVID-19 (form type 179).
class TaxData_T777Covid19 : public TableForm
{
public:
    TaxData_T777Covid19();
    // The expenses claimed (9368): the temporary flat rate of 2 a day, at
    // most 500, or the work space's share of the home expenses. Answers 0.
    int Calculate01();
};
