#pragma once
// What the return-level rules read: the person's return, its unique forms,
// its T1 and the slip totals, with the return's tolerance for amounts.

#include <list>

#include "cstring.h"
#include "slippreparation.h"

class CTaxData_Form;
class IndividualTaxData;
class TaxData_T1New;

// An amount is non-zero from 0.009 on; A exceeds B when A - B is 0.009 or more.
constexpr double kAmountTolerance = 0.009;
inline bool nonZero(double amount) { return amount >= kAmountTolerance || amount <= -kAmountTolerance; }
inline bool exceeds(double a, double b) { return a - b >= kAmountTolerance; }

// A field's value as a number whatever its kind (an answer, a mark or an
// amount). A name the form lacks reads 0 and is counted, so that a test can
// prove every rule reads fields that exist.
double fieldValue(const CTaxData_Form* form, const char* name);
int missingFieldReads();

struct RuleInputs
{
    RuleInputs(IndividualTaxData& person, unsigned char mode, std::list<CString>& messages);

    IndividualTaxData& person;
    unsigned char mode;
    std::list<CString>& messages;
    TaxData_T1New* t1 = nullptr;     // the unique T1, else null
    bool bankrupt = false;
    STRU_SLIPDATA_CALCULATION totals;

    bool efile() const { return mode & 1; }
    // The form of the type when the return holds exactly one, else null.
    CTaxData_Form* form(int type) const;
    int count(int type) const;
    int slipCount(int type) const;
    // A T1 amount; 0 without a unique T1.
    double t1Value(const char* name) const;
    // The sum of several T1 amounts.
    double t1Sum(std::initializer_list<const char*> names) const;
    bool t1AllZero(std::initializer_list<const char*> names) const;
    // The HBP and LLP parts of line 12900: repayments not made, included in income.
    double hbpPart() const { return t1Value("12900_hbp"); }
    double llpPart() const { return t1Value("12900_llp"); }
    // A T776, or a T5013 form reporting rental income.
    bool hasRentalIncome() const;
    // Schedule 11's months of full-time and part-time study, from the
    // T2202 slips it takes them from.
    double studyMonthsFullTime() const;
    double studyMonthsPartTime() const;

    void add(const char* text) { messages.push_back(CString(text)); }
    void add(const char* format, const char* argument);
    void add(const char* format, const char* first, const char* second);
};
