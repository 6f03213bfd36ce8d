#pragma once
// One person's downloaded tax data: identification, the summary, the client
// part, the carry-over amounts and the slips. Values are the texts the agency
// sent; the getters read them as numbers. Every repeated element goes into a
// table of fixed capacity; rows beyond it are dropped without a word.

#include <atomic>
#include <map>
#include <string>

#include "cstring.h"

class TaxSlip;
class TiXmlElement;

// One row of the RRSP contribution history.
struct StructRRSPHistory
{
    CString TaxYear;
    CString UndeductedContributionsAmount;
    CString CurrentYearContributionsAmount;
    CString TotalAvailableContributionsAmount;
    CString RepaymentToHBPorLLPAmount;
    CString ContributionsDeductedAmount;
    CString TotalUnclaimedRRSPContributionsAmount;

    // True when the six amounts (not the year) all read as zero.
    bool isEmpty() const;
};

struct _SummaryStruct
{
    static constexpr int kUnfiledYears = 100;
    static constexpr int kRRSPHistory = 100;
    static constexpr int kRepayments = 10;
    struct Repayment
    {
        CString year;
        CString amount;
    };

    CString PostalCodeOnFile;
    CString InstalmentAmount;
    CString CanadaTrainingCreditLimitAmount;
    CString EIElectionForSelfEmployment;
    int unfiledYearCount = 0;
    CString unfiledYears[kUnfiledYears];
    int rrspHistoryCount = 0;
    StructRRSPHistory rrspHistory[kRRSPHistory];

    Repayment hbpRequiredRepayments[kRepayments];
    int hbpRequiredRepaymentCount = 0;
    CString HBPOutstandingBalanceAmount;
    CString HBPRequiredRepaymentRemainingAmount;
    CString HBPRepaymentToDateAmount;
    CString HBPUpdateDate;

    Repayment llpRequiredRepayments[kRepayments];
    int llpRequiredRepaymentCount = 0;
    CString LLPRepayableBalanceAmount;
    CString LLPRequiredRepaymentRemainingAmount;
    CString LLPRepaymentToDateAmount;
    CString LLPUpdateDate;

    CString RRSPUpdateDate;
    CString DeductionLimitAmount;       // of the RRSP
    CString UnusedContributionAmount;   // of the RRSP

    bool GSTHSTReturn = false;
    bool ManageOnlineMail = false;
    bool ReturnedMail = false;
    bool ForeignPropertyDeclared = false;

    // The first row of that year among those in use, as a number; 0.0 without one.
    double getHBPRequiredRepaymentForYear(const char* year) const;
    double getLLPRequiredRepaymentForYear(const char* year) const;
    // Appends a row; false when the table is full.
    bool addHBPRequiredRepayment(const CString& year, const CString& amount);
    bool addLLPRequiredRepayment(const CString& year, const CString& amount);
};

// The client part: kept with the record, neither shown nor applied.
struct StructClientInfo
{
    static constexpr int kSetOffs = 40;
    static constexpr int kReassessments = 20;
    static constexpr int kReassessmentYears = 20;
    static constexpr int kUnfiledYears = 20;
    struct Reassessment
    {
        CString taxYear;
        CString date;
    };

    bool NonResidentSourceDeduction = false;
    bool Bankrupt = false;
    bool CanadaWorkersBenefit = false;
    bool RefundExamination = false;
    CString EmigrationDate;
    CString ImmigrationDate;
    CString DisabilityAmountEligibilityCode;
    CString RefundSetoffCode;
    int setOffCount = 0;
    CString setOffProgramCodes[kSetOffs];
    CString setOffProgramNumbers[kSetOffs];
    CString setOffProgramAmounts[kSetOffs];
    CString setOffProgramPhones[kSetOffs];
    int reassessmentCount = 0;
    Reassessment reassessments[kReassessments];
    bool ReassessmentInProgress = false;
    int reassessmentTaxYearCount = 0;
    CString reassessmentTaxYears[kReassessmentYears];
    int unfiledYearCount = 0;
    CString unfiledYears[kUnfiledYears];
};

struct StructCarryOver
{
    static constexpr int kLossRows = 100;
    static constexpr int kTuitionRows = 20;
    struct NonCapitalLossRow
    {
        CString TaxYear;
        CString CurrentYearNonCapitalLossAmount;
        CString PriorYearNonCapitalLossAmount;
        CString SubsequentYearNonCapitalLossAmount;
    };
    struct CapitalGainLossRow
    {
        CString TaxYear;
        CString InclusionRate;
        CString TaxableCapitalGainAmount;
        CString UnappliedNetLossAmount;
        CString PriorYearNetLossAmount;
        CString SubsequentYearNetLossAmount;
    };
    struct CapitalGainDeductionRow
    {
        CString TaxYear;
        CString CapitalGainDeductionAmount;
        CString NetCapitalGainLossAmount;
        CString NetFarmPropertyDispositionAmount;
        CString NetSmallBusinessShareDispositionAmount;
    };
    struct TuitionRow
    {
        CString taxYear;
        CString carryForwardAvailableAmount;
    };

    int nonCapitalLossCount = 0;
    NonCapitalLossRow nonCapitalLosses[kLossRows];
    int capitalGainLossCount = 0;
    CapitalGainLossRow capitalGainLosses[kLossRows];
    int capitalGainDeductionCount = 0;
    CapitalGainDeductionRow capitalGainDeductions[kLossRows];
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

    // Fills the record from one person's element (matched by local names);
    // -1 with nothing read when it has no IndividualTaxpayerIdentifier, else 0.
    // A record is parsed once.
    int parseXMLData(const TiXmlElement* item);
    // Appends a slip object for each known child of `slips`; the slip count.
    int parseXMLDataForSlips(const TiXmlElement* slips);
    // Replaces `html` with the record's page (a body without a head); 0.
    int toHtml(CString& html, const char* sin, const char* updateTime) const;

    int taxYear() const { return m_taxYear; }
    // Takes the slip; beyond the table's capacity it is dropped (and deleted), false.
    bool addSlip(TaxSlip* slip);
    int slipCount() const { return m_slipCount; }
    TaxSlip* slip(int index) const { return index >= 0 && index < m_slipCount ? m_slips[index] : nullptr; }

    // The set-off code table: program code to telephone. Loaded once per
    // run, on first use, safely when two threads ask first.
    static void InitSetOffCodeMap();
    static CString GetPhoneForSetOffCode(const char* code);
    // Where the table is read from; set before its first use (tests name a
    // fixture).
    static CString m_strSetOffCodeFilePath;
    static std::atomic<bool> m_bLoadSetOffCodeMap;

    CString sin;
    _SummaryStruct summary;
    StructClientInfo clientInfo;
    StructCarryOver carryOver;

private:
    void parseSummary(const TiXmlElement* summaryElement);
    void parseClient(const TiXmlElement* client);
    void parseCarryOver(const TiXmlElement* carryOver);

    static std::map<std::string, std::string> m_SetOffCodeMap;

    int m_taxYear;
    int m_slipCount = 0;
    TaxSlip* m_slips[kSlips] = {};
};
