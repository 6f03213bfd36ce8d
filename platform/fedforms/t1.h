#pragma once
// The T1 return: the person's identity and the lines of the T1 and of its
// Schedule 1, by the agency's line numbers.

#include <list>
#include <vector>

#include "tableform.h"

// Marital status on December 31 (the interview's codes).
enum MaritalStatus : int {
    MARITAL_NONE = -1,
    MARITAL_MARRIED = 0,
    MARITAL_COMMON_LAW = 1,
    MARITAL_WIDOWED = 2,
    MARITAL_DIVORCED = 3,
    MARITAL_SEPARATED = 4,
    MARITAL_SINGLE = 5,
};

// The T1's lines and amounts, defined with the line tables.
extern const FieldTable kT1LineFields;

struct STRUCT_TAX_STAIRS_JURISDICTION;

class TaxData_T1New : public TableForm
{
public:
    static constexpr int kTaxYear = 2021;

    TaxData_T1New();
    void CarryToNewYear(bool withData) override;
    // The identification the agency needs to accept the return.
    int Validate(unsigned char flag, std::list<CString>& messages) override;
    // Besides the amounts' signs: a birth date from 1900-01-01 to the end of
    // the tax year, and a date of death within the tax year, not before birth.
    bool AcceptsValue(const CField& field, const QVariant& value, CString* why) const override;
    static bool isPossibleBirthDate(const QDate& date);
    static const char* const kBirthDateText;

    static const STRUCT_TAX_STAIRS_JURISDICTION m_taxStairs;

    // Age at the end of the tax year; 0 without a birth date.
    int GetAge() const;
    // 1 to 12; 0 without a birth date.
    int GetBirthMonth() const;
    bool IsAgeNotUnder65() const { return GetAge() >= 65; }
    // Married or living common-law on December 31.
    bool HasSpouse() const;
    // Widowed, the spouse having died during the tax year.
    bool IsWidowedInTaxYear() const;
    // A spouse whose amount the person may claim.
    bool CanClaimSpouse() const;
    // Resident on December 31 of a province where the climate action incentive
    // is paid (Alberta, Saskatchewan, Manitoba, Ontario), and 18 or older or
    // with a spouse.
    bool isEligibleForSch14() const;
    // The federal non-refundable credits are all used against the tax.
    bool IsNonRefTaxCreditAllUsed() const;
    // "First Last", trimmed.
    void ConstructFullName(CString& out) const;
    // Takes the other spouse's mailing address.
    void SyncWithSpouseMailingAddr(const TaxData_T1New* from);

    // The spouse's age at the end of the tax year; 0 without a birth date.
    int GetSpouseAge() const;
    // Became a resident of Canada during the tax year (a date of entry in it).
    bool IsImmigrant() const;
    // Arrived or left during the year: credits are prorated by days in Canada.
    bool shouldProrateAsImmigrant() const { return IsImmigrant() || IsEmmigrant(); }
    // A return for the part of the year before a bankruptcy.
    bool IsBankrupt() const;
    // A return for the part of the year after a bankruptcy.
    bool IsPostBankrupt() const;
    // Died during the tax year.
    bool IsDeceased() const;
    // Net self-employment income above zero.
    bool HasSelfEmploymentIncome() const;
    // Any self-employment line in use, a loss included.
    bool HasSelfEmploymentIncome2(int) const;
    // Months of the tax year before the bankruptcy; 0 without one in the year.
    int GetBankruptMonthsInTaxYear() const;
    // Days of the tax year before the bankruptcy; 0 without one in the year.
    int GetBankruptDaysInTaxYear() const;
    // Left Canada during the tax year (a date of departure in it).
    bool IsEmmigrant() const;
    // Died during the tax year: the return is filed for a deceased person.
    bool IsDeceasedForEfileReporting() const;
    // The net self-employment incomes (business, professional, commission,
    // farming, fishing), each counted only when it is not a loss.
    double getSelfEmploymentIncomeWithoutLoss() const;
    // Appends the taxable incomes at which the federal rate changes;
    // answers how many were added.
    int GetIncomeThresholds(std::list<double>& thresholds) const;
    // The mailing address without its postal code, its parts joined by the
    // character `separator` (10: one part a line).
    CString GetFullAddressWithoutPostcode(int separator) const;

    // ---- the return's calculation (t1calc.cpp), in the order the steps call it.
    // `flag` is the per-return calculation flag (negative: none); the 2021
    // lines do not depend on it.

    // Line 15000 from the income lines, with the slip amounts that steps
    // before put beside the lines a user may type; `withSubtotals` also
    // recomputes line 14700.
    void CalculateTotalIncome(bool withSubtotals);
    // The RRSP deduction of line 20800: Schedule 7's when the return holds one.
    double rrspDeduction() const;
    // Lines 23300 and 23400 without the child care deduction (line 21400).
    void CalculateNetIncomeBeforeCCT();
    // Lines 23300, 23400, 23500 (OAS recovery) and 23600.
    void CalculateNetIncomeAfterCCT(int flag);
    // Lines 25000, 25700 and 26000.
    void CalculateTaxableIncome(int flag);
    // Line 30100 (and Schedule 2's spouse age amount): the age amount of a
    // person 65 or older, maximum and threshold prorated by days in Canada.
    static double CalculateAgeAmount(bool eligible, double netIncome, int daysInCanada, int daysInYear,
                                     double maxAmount, double threshold, double rate);
    // Line 30000, prorated by the days figures the return holds.
    void CalculateBasicPersonalAmount();
    // Line 31400 by the federal worksheet: the pension income amount on the
    // eligible pension income after a pension split (lines 11600 and 21000).
    void CalculateLine314ByWorkSheet();
    // The non-refundable credits (lines 30000 to 35000) and the tax credits
    // of lines 41000 and 41400.
    void CalculateField350AndField410_414();
    // Line 73: the tax on taxable income by the 2021 brackets.
    void CalculateFedTax1stStep();
    // Lines 40400 and 40425.
    void CalculateField404();
    // Line 42900 and the surtax on income earned outside Canada.
    void CalculateField429AndNonResiSurTax();
    // Line 44000: the refundable Quebec abatement (residents of Quebec).
    void CalculateLine440ByWorkSheet();
    // Line 40600.
    void CalculateField406();
    // Lines 41600 and 41700.
    void CalculateField417();
    // Line 42000.
    void CalculateFedTax();
    // Lines 42200 and 43500.
    void CalculateBeforeLine437(int flag);
    // The medical expenses of each other dependant (not the person, the
    // spouse or a child under 18), with that dependant's net income: every
    // jurisdiction measures them against its own threshold (line 33199).
    struct DependantMedical
    {
        double expenses = 0.0;
        double netIncome = 0.0;
    };
    std::vector<DependantMedical> otherDependantsMedicalExpenses() const;
    // Line 45200 from the working income and the spouse's net income.
    void CalculateMedicalExpenseSupplement(double workingIncome);
    // Lines 48200, 48400 and 48500.
    void CalculateBalance(int flag);

    // Net self-employment income on which CPP contributions are due (losses
    // of one business reduce the others); not below zero.
    double getSelfEmploymentIncomeForCPP() const;
    // The spouse's net income for the spouse amount; with `forSpouseAmount`
    // the income the spouse amount is reduced by.
    double getSpouseNetIncForSpouseCredit(bool forSpouseAmount) const;
    // Amounts may be transferred from a spouse: married or common-law on
    // December 31.
    bool canClaimSch2() const;
    // The pension-splitting election may be made: a spouse on December 31,
    // or one who died in the year.
    bool canClaimT1032() const;
    // Clears the spouse's amounts (not the spouse's identity) when no spouse
    // amount, transfer or election can be claimed.
    void clearSpouseInfo();
    // Line 21300: the UCCB repaid (RC62 box 11).
    void CalculateLine213ByWorkSheet();
    bool IsSpouseAgeNotUnder65() const { return GetSpouseAge() >= 65; }
    bool IsSpouseAgeNotUnder18() const { return GetSpouseAge() >= 18; }
    // The days figures the return holds (set by the calculation).
    int daysInYear() const;
    int daysInCanada() const;
    // A credit amount prorated by days in Canada for a newcomer or emigrant.
    double prorated(double amount) const;
};

// The federal tax brackets, for the figures that some schedules take from a
// taxable income.
struct STRUCT_TAX_STAIRS_JURISDICTION
{
    // Schedule 2: the spouse's taxable income, or, above the first bracket,
    // the spouse's tax on it divided by the 15% rate.
    double CalcAlgoForSpouseF260S2(double taxableIncome) const;
};
