// One person's downloaded tax data: its getters, its parsing from the
// agency's reply (elements matched by local name, so any namespace prefix
// reads the same) and the set-off code table.

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <tinyxml.h>

#include "autofill/taxslip.h"
#include "autofill/tddtaxdata.h"
#include "mytixmlhandle.h"
#include "templateprocessor.h"
#include "utils.h"


namespace {

double amountOfYear(const _SummaryStruct::Repayment* rows, int count, const char* year)
{
    for (int i = 0; i < std::min(count, _SummaryStruct::kRepayments); ++i)
        if (rows[i].year == year) return downloadedAmount(rows[i].amount);
    return 0.0;
}

double tuitionOfYear(const StructCarryOver::TuitionRow* rows, int count, const char* year)
{
    for (int i = 0; i < std::min(count, StructCarryOver::kTuitionRows); ++i)
        if (rows[i].taxYear == year) return downloadedAmount(rows[i].carryForwardAvailableAmount);
    return 0.0;
}

template <typename Row, int N>
bool appendRow(Row (&rows)[N], int& count, const CString& year, const CString& amount)
{
    if (count >= N) return false;
    rows[count] = Row{year, amount};
    ++count;
    return true;
}

}   // namespace

double _SummaryStruct::getHBPRequiredRepaymentForYear(const char* year) const
{
    return amountOfYear(hbpRequiredRepayments, hbpRequiredRepaymentCount, year);
}

double _SummaryStruct::getLLPRequiredRepaymentForYear(const char* year) const
{
    return amountOfYear(llpRequiredRepayments, llpRequiredRepaymentCount, year);
}

bool _SummaryStruct::addHBPRequiredRepayment(const CString& year, const CString& amount)
{
    return appendRow(hbpRequiredRepayments, hbpRequiredRepaymentCount, year, amount);
}

bool _SummaryStruct::addLLPRequiredRepayment(const CString& year, const CString& amount)
{
    return appendRow(llpRequiredRepayments, llpRequiredRepaymentCount, year, amount);
}

double StructCarryOver::getFedTuitionForTaxYear(const char* year) const
{
    return tuitionOfYear(fedTuition, fedTuitionCount, year);
}

double StructCarryOver::getProvTuitionForTaxYear(const char* year) const
{
    return tuitionOfYear(provTuition, provTuitionCount, year);
}

bool StructCarryOver::addFedTuition(const CString& year, const CString& amount)
{
    return appendRow(fedTuition, fedTuitionCount, year, amount);
}

bool StructCarryOver::addProvTuition(const CString& year, const CString& amount)
{
    return appendRow(provTuition, provTuitionCount, year, amount);
}

TDDTaxDataOnePerson::~TDDTaxDataOnePerson()
{
    for (int i = 0; i < m_slipCount; ++i) delete m_slips[i];
}

bool TDDTaxDataOnePerson::addSlip(TaxSlip* slip)
{
    if (!slip) return false;
    if (m_slipCount >= kSlips) {
        delete slip;
        return false;
    }
    m_slips[m_slipCount++] = slip;
    return true;
}


bool StructRRSPHistory::isEmpty() const
{
    for (const CString* amount : {&UndeductedContributionsAmount, &CurrentYearContributionsAmount,
                                  &TotalAvailableContributionsAmount, &RepaymentToHBPorLLPAmount,
                                  &ContributionsDeductedAmount, &TotalUnclaimedRRSPContributionsAmount})
        if (std::atof(amount->c_str()) != 0.0) return false;
    return true;
}

// ---------------------------------------------------------------- parsing

namespace {

// The first child of that name and each sibling element after it, whatever
// its name, while `more()` allows.
template <typename More, typename Take>
void fromFirstChild(const TiXmlElement* parent, const char* name, More more, Take take)
{
    for (const TiXmlElement* e = xmlFirstChildByLocalName(parent, name); e && more(); e = e->NextSiblingElement())
        take(e);
}

// Every child element while `more()` allows.
template <typename More, typename Take>
void everyChild(const TiXmlElement* parent, More more, Take take)
{
    for (const TiXmlElement* e = parent ? parent->FirstChildElement() : nullptr; e && more();
         e = e->NextSiblingElement())
        take(e);
}

CString textOf(const TiXmlElement* element)
{
    const char* text = element ? element->GetText() : nullptr;
    return CString(text ? text : "");
}

// Appends the required repayments of a plan: (year attribute, text) pairs.
void readRepayments(const TiXmlElement* plan, const char* listName, _SummaryStruct::Repayment* rows, int& count)
{
    count = 0;
    const TiXmlElement* list = xmlFirstChildByLocalName(plan, listName);
    fromFirstChild(list, "RequiredRepayment", [&] { return count < _SummaryStruct::kRepayments; },
                   [&](const TiXmlElement* e) {
                       const char* year = e->Attribute("year");
                       rows[count].year = year ? year : "";
                       rows[count].amount = textOf(e);
                       ++count;
                   });
}

}   // namespace

int TDDTaxDataOnePerson::parseXMLData(const TiXmlElement* item)
{
    const TiXmlElement* identifier = xmlFirstChildByLocalName(item, "IndividualTaxpayerIdentifier");
    if (!identifier) return -1;
    sin = textOf(identifier);
    parseSummary(xmlFirstChildByLocalName(item, "Summary"));
    parseClient(xmlFirstChildByLocalName(item, "Client"));
    parseCarryOver(xmlFirstChildByLocalName(item, "CarryOver"));
    if (const TiXmlElement* slips = xmlFirstChildByLocalName(item, "Slips")) parseXMLDataForSlips(slips);
    return 0;
}

void TDDTaxDataOnePerson::parseSummary(const TiXmlElement* s)
{
    if (!s) return;
    _SummaryStruct& sum = summary;
    sum.PostalCodeOnFile = getElementSubEleStringText(s, "PostalCodeOnFile");
    sum.InstalmentAmount = getElementSubEleStringText(s, "InstalmentAmount");
    sum.CanadaTrainingCreditLimitAmount = getElementSubEleStringText(s, "CanadaTrainingCreditLimitAmount");
    sum.EIElectionForSelfEmployment =
        getElementSubEleStringText(s, "EmploymentInsuranceElectionForSelfEmploymentIndicator");

    sum.unfiledYearCount = 0;
    fromFirstChild(xmlFirstChildByLocalName(s, "UnfiledReturn"), "TaxYear",
                   [&] { return sum.unfiledYearCount < _SummaryStruct::kUnfiledYears; },
                   [&](const TiXmlElement* e) { sum.unfiledYears[sum.unfiledYearCount++] = textOf(e); });

    sum.rrspHistoryCount = 0;
    fromFirstChild(xmlFirstChildByLocalName(s, "RRSPContributionHistory"), "RRSPContribution",
                   [&] { return sum.rrspHistoryCount < _SummaryStruct::kRRSPHistory; },
                   [&](const TiXmlElement* e) {
                       StructRRSPHistory& row = sum.rrspHistory[sum.rrspHistoryCount++];
                       row.TaxYear = getElementSubEleStringText(e, "TaxYear");
                       row.UndeductedContributionsAmount = getElementSubEleStringText(e, "UndeductedContributionsAmount");
                       row.CurrentYearContributionsAmount =
                           getElementSubEleStringText(e, "CurrentYearContributionsAmount");
                       row.TotalAvailableContributionsAmount =
                           getElementSubEleStringText(e, "TotalAvailableContributionsAmount");
                       row.RepaymentToHBPorLLPAmount = getElementSubEleStringText(e, "RepaymentToHBPorLLPAmount");
                       row.ContributionsDeductedAmount = getElementSubEleStringText(e, "ContributionsDeductedAmount");
                       row.TotalUnclaimedRRSPContributionsAmount =
                           getElementSubEleStringText(e, "TotalUnclaimedRRSPContributionsAmount");
                   });

    sum.GSTHSTReturn = getElementSubEleStringAsBool(s, "GSTHSTReturnIndicator", false);
    sum.ManageOnlineMail = getElementSubEleStringAsBool(s, "ManageOnlineMailIndicator", false);
    sum.ReturnedMail = getElementSubEleStringAsBool(s, "ReturnedMailIndicator", false);
    sum.ForeignPropertyDeclared = getElementSubEleStringAsBool(s, "ForeignPropertyDeclaredIndicator", false);

    const TiXmlElement* hbp = xmlFirstChildByLocalName(s, "HomeBuyerPlan");
    sum.HBPOutstandingBalanceAmount = getElementSubEleStringText(hbp, "HomeBuyerPlanOutstandingBalanceAmount");
    sum.HBPRequiredRepaymentRemainingAmount =
        getElementSubEleStringText(hbp, "HomeBuyerPlanRequiredRepaymentRemainingAmount");
    sum.HBPRepaymentToDateAmount = getElementSubEleStringText(hbp, "HomeBuyerPlanRepaymentToDateAmount");
    sum.HBPUpdateDate = getElementSubEleStringText(hbp, "updateDate");
    readRepayments(hbp, "HomeBuyerPlanRequiredRepaymentAmount", sum.hbpRequiredRepayments,
                   sum.hbpRequiredRepaymentCount);

    const TiXmlElement* llp = xmlFirstChildByLocalName(s, "LifeLongLearningPlan");
    sum.LLPRepayableBalanceAmount = getElementSubEleStringText(llp, "LifeLongLearningPlanRepayableBalanceAmount");
    sum.LLPRequiredRepaymentRemainingAmount =
        getElementSubEleStringText(llp, "LifeLongLearningPlanRequiredRepaymentRemainingAmount");
    sum.LLPRepaymentToDateAmount = getElementSubEleStringText(llp, "LifeLongLearningPlanRepaymentToDateAmount");
    sum.LLPUpdateDate = getElementSubEleStringText(llp, "updateDate");
    readRepayments(llp, "LifeLongLearningPlanRequiredRepaymentAmount", sum.llpRequiredRepayments,
                   sum.llpRequiredRepaymentCount);

    if (const TiXmlElement* rrsp = xmlFirstChildByLocalName(s, "RegisteredRetirementSavingsPlan")) {
        const char* date = rrsp->Attribute("updateDate");
        sum.RRSPUpdateDate = date ? date : "";
        sum.DeductionLimitAmount = getElementSubEleStringText(rrsp, "DeductionLimitAmount");
        sum.UnusedContributionAmount = getElementSubEleStringText(rrsp, "UnusedContributionAmount");
    }
}

void TDDTaxDataOnePerson::parseClient(const TiXmlElement* c)
{
    if (!c) return;
    StructClientInfo& ci = clientInfo;
    ci.NonResidentSourceDeduction = getElementSubEleStringAsBool(c, "NonResidentSourceDeductionIndicator", false);
    ci.Bankrupt = getElementSubEleStringAsBool(c, "BankruptIndicator", false);
    ci.CanadaWorkersBenefit = getElementSubEleStringAsBool(c, "CanadaWorkersBenefitIndicator", false);
    ci.RefundExamination = getElementSubEleStringAsBool(c, "RefundExaminationIndicator", false);
    ci.EmigrationDate = getElementSubEleStringText(c, "EmigrationDate");
    ci.ImmigrationDate = getElementSubEleStringText(c, "ImmigrationDate");
    if (const TiXmlElement* disability = xmlFirstChildByLocalName(c, "DisabilityEligibilities"))
        ci.DisabilityAmountEligibilityCode = getElementSubEleStringText(disability, "DisabilityAmountEligibilityCode");

    everyChild(xmlFirstChildByLocalName(c, "Reassessments"),
               [&] { return ci.reassessmentCount < StructClientInfo::kReassessments; },
               [&](const TiXmlElement* e) {
                   ci.reassessments[ci.reassessmentCount].taxYear = getElementSubEleStringText(e, "TaxYear");
                   ci.reassessments[ci.reassessmentCount].date = getElementSubEleStringText(e, "ReassessmentDate");
                   ++ci.reassessmentCount;
               });

    ci.RefundSetoffCode = getElementSubEleStringText(c, "RefundSetoffCode");
    fromFirstChild(xmlFirstChildByLocalName(c, "RefundSetOffs"), "RefundSetoff",
                   [&] { return ci.setOffCount < StructClientInfo::kSetOffs; },
                   [&](const TiXmlElement* e) {
                       const int i = ci.setOffCount++;
                       ci.setOffProgramCodes[i] = getElementSubEleStringText(e, "RefundSetoffProgramCode");
                       ci.setOffProgramNumbers[i] = getElementSubEleStringText(e, "RefundSetoffProgramNumber");
                       ci.setOffProgramAmounts[i] = getElementSubEleStringText(e, "RefundSetoffProgramAmount");
                       ci.setOffProgramPhones[i] = GetPhoneForSetOffCode(ci.setOffProgramCodes[i]);
                   });

    if (const TiXmlElement* inProgress = xmlFirstChildByLocalName(c, "ReassessmentInProgress")) {
        ci.ReassessmentInProgress = getElementSubEleStringAsBool(inProgress, "ReassessmentInProgressIndicator", false);
        fromFirstChild(inProgress, "ReassessmentTaxYear",
                       [&] { return ci.reassessmentTaxYearCount < StructClientInfo::kReassessmentYears; },
                       [&](const TiXmlElement* e) { ci.reassessmentTaxYears[ci.reassessmentTaxYearCount++] = textOf(e); });
    }
    fromFirstChild(xmlFirstChildByLocalName(c, "UnfiledReturn"), "TaxYear",
                   [&] { return ci.unfiledYearCount < StructClientInfo::kUnfiledYears; },
                   [&](const TiXmlElement* e) { ci.unfiledYears[ci.unfiledYearCount++] = textOf(e); });
}

void TDDTaxDataOnePerson::parseCarryOver(const TiXmlElement* c)
{
    if (!c) return;
    StructCarryOver& co = carryOver;
    everyChild(xmlFirstChildByLocalName(c, "NonCapitalLosses"),
               [&] { return co.nonCapitalLossCount < StructCarryOver::kLossRows; },
               [&](const TiXmlElement* e) {
                   auto& row = co.nonCapitalLosses[co.nonCapitalLossCount++];
                   row.TaxYear = getElementSubEleStringText(e, "TaxYear");
                   row.CurrentYearNonCapitalLossAmount = getElementSubEleStringText(e, "CurrentYearNonCapitalLossAmount");
                   row.PriorYearNonCapitalLossAmount = getElementSubEleStringText(e, "PriorYearNonCapitalLossAmount");
                   row.SubsequentYearNonCapitalLossAmount =
                       getElementSubEleStringText(e, "SubsequentYearNonCapitalLossAmount");
               });
    everyChild(xmlFirstChildByLocalName(c, "CapitalGainLosses"),
               [&] { return co.capitalGainLossCount < StructCarryOver::kLossRows; },
               [&](const TiXmlElement* e) {
                   auto& row = co.capitalGainLosses[co.capitalGainLossCount++];
                   row.TaxYear = getElementSubEleStringText(e, "TaxYear");
                   row.InclusionRate = getElementSubEleStringText(e, "InclusionRate");
                   row.TaxableCapitalGainAmount = getElementSubEleStringText(e, "TaxableCapitalGainAmount");
                   row.UnappliedNetLossAmount = getElementSubEleStringText(e, "UnappliedNetLossAmount");
                   row.PriorYearNetLossAmount = getElementSubEleStringText(e, "PriorYearNetLossAmount");
                   row.SubsequentYearNetLossAmount = getElementSubEleStringText(e, "SubsequentYearNetLossAmount");
               });
    everyChild(xmlFirstChildByLocalName(c, "CapitalGainDeductions"),
               [&] { return co.capitalGainDeductionCount < StructCarryOver::kLossRows; },
               [&](const TiXmlElement* e) {
                   auto& row = co.capitalGainDeductions[co.capitalGainDeductionCount++];
                   row.TaxYear = getElementSubEleStringText(e, "TaxYear");
                   row.CapitalGainDeductionAmount = getElementSubEleStringText(e, "CapitalGainDeductionAmount");
                   row.NetCapitalGainLossAmount = getElementSubEleStringText(e, "NetCapitalGainLossAmount");
                   row.NetFarmPropertyDispositionAmount =
                       getElementSubEleStringText(e, "NetFarmPropertyDispositionAmount");
                   row.NetSmallBusinessShareDispositionAmount =
                       getElementSubEleStringText(e, "NetSmallBusinessShareDispositionAmount");
               });
    everyChild(xmlFirstChildByLocalName(c, "FederalTuitionEducationTextBookAmounts"),
               [&] { return co.fedTuitionCount < StructCarryOver::kTuitionRows; },
               [&](const TiXmlElement* e) {
                   co.addFedTuition(getElementSubEleStringText(e, "TaxYear"),
                                    getElementSubEleStringText(e, "CarryForwardAvailableAmount"));
               });
    everyChild(xmlFirstChildByLocalName(c, "ProvincialTuitionEducationTextBookAmounts"),
               [&] { return co.provTuitionCount < StructCarryOver::kTuitionRows; },
               [&](const TiXmlElement* e) {
                   co.addProvTuition(getElementSubEleStringText(e, "TaxYear"),
                                     getElementSubEleStringText(e, "CarryForwardAvailableAmount"));
               });
}

int TDDTaxDataOnePerson::parseXMLDataForSlips(const TiXmlElement* slips)
{
    for (const TiXmlElement* e = slips ? slips->FirstChildElement() : nullptr; e && m_slipCount < kSlips;
         e = e->NextSiblingElement()) {
        TaxSlip* slip = makeTaxSlipForTag(e->Value());
        if (!slip) continue;
        slip->parseXMLDataBasic(e);
        slip->parseXMLData(e);
        addSlip(slip);
    }
    return m_slipCount;
}

// ---------------------------------------------------------------- set-off code table

CString TDDTaxDataOnePerson::m_strSetOffCodeFilePath(":/tdd/tdd/cde-elements-20b.csv");
std::atomic<bool> TDDTaxDataOnePerson::m_bLoadSetOffCodeMap(false);
std::map<std::string, std::string> TDDTaxDataOnePerson::m_SetOffCodeMap;

namespace {

std::once_flag setOffMapOnce;

// The table pads its columns with blanks to a fixed width.
std::string trimmed(const std::string& field)
{
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

}   // namespace

void TDDTaxDataOnePerson::InitSetOffCodeMap()
{
    // Every thread that asks first waits for the one load; the map is only
    // read afterwards.
    std::call_once(setOffMapOnce, [] {
        QByteArray bytes;
        if (loadFileToString(m_strSetOffCodeFilePath.toQString(), bytes) == 0) {
            const auto rows = ParseCSV(bytes.toStdString());
            for (std::size_t i = 1; i < rows.size(); ++i)
                if (rows[i].size() >= 10)
                    m_SetOffCodeMap.emplace(trimmed(rows[i][2]), trimmed(rows[i][9]));
        }
        m_bLoadSetOffCodeMap = true;
    });
}

CString TDDTaxDataOnePerson::GetPhoneForSetOffCode(const char* code)
{
    InitSetOffCodeMap();
    const auto it = m_SetOffCodeMap.find(code ? code : "");
    return it == m_SetOffCodeMap.end() ? CString() : CString(it->second.c_str());
}
