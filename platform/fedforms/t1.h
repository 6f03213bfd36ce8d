#pragma once
// The T1 return: the person's identity and the lines of the T1 and of its
// Schedule 1, by the agency's line numbers.

#include <list>

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

class TaxData_T1New : public TableForm
{
public:
    static constexpr int kTaxYear = 2021;

    TaxData_T1New();

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
};
