#pragma once
// One person's downloaded tax data, as far as the auto-fill of a return
// reads it: the summary, the tuition carry-forwards and the slips. Values are
// the texts the agency sent; the getters read them as numbers.

#include "cstring.h"

class TaxSlip;

struct _SummaryStruct
{
    static constexpr int kRepayments = 10;
    struct Repayment
    {
        CString year;
        CString amount;
    };

    CString InstalmentAmount;
    Repayment hbpRequiredRepayments[kRepayments];
    int hbpRequiredRepaymentCount = 0;
    Repayment llpRequiredRepayments[kRepayments];
    int llpRequiredRepaymentCount = 0;
    CString DeductionLimitAmount;       // of the RRSP
    CString UnusedContributionAmount;   // of the RRSP

    // The first row of that year among those in use, as a number; 0.0 without one.
    double getHBPRequiredRepaymentForYear(const char* year) const;
    double getLLPRequiredRepaymentForYear(const char* year) const;
    // Appends a row; false when the table is full.
    bool addHBPRequiredRepayment(const CString& year, const CString& amount);
    bool addLLPRequiredRepayment(const CString& year, const CString& amount);
};

struct StructCarryOver
{
    static constexpr int kTuitionRows = 20;
    struct TuitionRow
    {
        CString taxYear;
        CString carryForwardAvailableAmount;
    };

    int fedTuitionCount = 0;
    int provTuitionCount = 0;
    TuitionRow fedTuition[kTuitionRows];
    TuitionRow provTuition[kTuitionRows];

    double getFedTuitionForTaxYear(const char* year) const;
    double getProvTuitionForTaxYear(const char* year) const;
    bool addFedTuition(const CString& year, const CString& amount);
    bool addProvTuition(const CString& year, const CString& amount);
};

class TDDTaxDataOnePerson
{
public:
    static constexpr int kSlips = 256;

    explicit TDDTaxDataOnePerson(int taxYear = 0) : m_taxYear(taxYear) {}
    virtual ~TDDTaxDataOnePerson();
    TDDTaxDataOnePerson(const TDDTaxDataOnePerson&) = delete;
    TDDTaxDataOnePerson& operator=(const TDDTaxDataOnePerson&) = delete;

    int taxYear() const { return m_taxYear; }
    // Takes the slip; beyond the table's capacity it is dropped (and deleted), false.
    bool addSlip(TaxSlip* slip);
    int slipCount() const { return m_slipCount; }
    TaxSlip* slip(int index) const { return index >= 0 && index < m_slipCount ? m_slips[index] : nullptr; }

    CString sin;
    _SummaryStruct summary;
    StructCarryOver carryOver;

private:
    int m_taxYear;
    int m_slipCount = 0;
    TaxSlip* m_slips[kSlips] = {};
};
