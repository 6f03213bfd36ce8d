// The downloaded slips: the box maps, reading a slip's element and the
// choice of the class by the element's name.

#include <cstring>
#include <tinyxml.h>

#include "autofill/taxslip.h"
#include "formtables.h"
#include "mytixmlhandle.h"
#include "utils.h"

namespace {

using LabelTable = std::map<std::string, const char*>;

const LabelTable kT4Labels = {
    {"14", "Box 14 - Employment income"}, {"16", "Box 16 - CPP Contribution"},
    {"17", "Box 17 - QPP Contribution"}, {"18", "Box 18 - EI Premium Amount"},
    {"20", "Box 20 - RPP Contribution"}, {"22", "Box 22 - Income Tax Deducted"},
    {"24", "Box 24 - EI Insurable Earning"}, {"26", "Box 26 - CPP/QPP Pensionable Earning"},
    {"30", "Box 30 - Housing, board and lodging"}, {"42", "Box 42 - Employment Commissions"},
    {"44", "Box 44 - Union Due"}, {"46", "Box 46 - Charitable Donation"},
    {"52", "Box 52 - Pension Adjustment"}, {"55", "Box 55 - Quebec PPIP premium"},
    {"56", "Box 56 - Quebec PPIP insurable earning"}, {"57", "Box 57 - Period 1/2 income"},
    {"58", "Box 58 - Period 3/4 income"}, {"59", "Box 59 - Period 5/6 income"},
    {"60", "Box 60 - Period 7 income"}, {"66", "Box 66 - Eligible retiring allowance"},
    {"67", "Box 67 - Non-eligible retiring allowance"},
    {"71", "Box 71 - Indian Exempt Income Employment Amount"},
    {"87", "Box 87 - Volunteer firefighter exempt Amount"}, {"88", "Box 88 - Indian self-employment"},
};

const LabelTable kT4ALabels = {
    {"16", "Box 16 - Pension Superannuation Payment"}, {"18", "Box 18 - Lumpsum Payment"},
    {"20", "Box 20 - Self-employment commission"}, {"22", "Box 22 - Income Tax Deducted"},
    {"24", "Box 24 - Annuity Income Amount"}, {"28", "Box 28 - Other Income"},
    {"30", "Box 30 - Patronage allocations"},
    {"32", "Box 32 - Registered pension plan contribution (past service)"},
    {"34", "Box 34 - Pension adjustment"}, {"37", "Box 37 - Advanced life deferred annuity purchase"},
    {"40", "Box 40 - RESP accumulated income payments"},
    {"42", "Box 42 - RESP educational assisstance payments"}, {"46", "Box 46 - Charitable Donation Amount"},
    {"48", "Box 48 - Fees for services"}, {"104", "Box 104 - Research grants"},
    {"105", "Box 105 - Scholarships, bursaries"}, {"106", "Box 106 - Death benefits"},
    {"107", "Box 107 - Payments from a wage-loss replacement plan"},
    {"109", "Box 109 - Periodic payments from unregistered plan"}, {"118", "Box 118 - Medical premium benefits"},
    {"119", "Box 119 - Premium paid to group life insurance plan"},
    {"124", "Box 124 - Board and lodging at special work sites"},
    {"125", "Box 125 - Disability benefits paid out of a pension plan"},
    {"128", "Box 128 - Veterans' benefits eligible for pension splitting"}, {"131", "Box 131 - RDSP Income"},
    {"135", "Box 135 - Premium paid for health plan"},
    {"196", "Box 196 - Tuition assistance for adult basic education"}, {"197", "Box 197 - CERB amount"},
    {"198", "Box 198 - CESB amount"}, {"199", "Box 199 - CEB amount"},
    {"200", "Box 200 - Prov. Covid-10 support"}, {"201", "Box 201 - Repayment of Covid-10 Benefit"},
    {"202", "Box 202 - CRB amount"}, {"203", "Box 203 - CRSB amount"}, {"204", "Box 204 - CRCB amount"},
    {"205", "Box 205 - One-time payment for older seniors"}, {"210", "Box 210 - Postdoctoral Fellowship income"},
    {"211", "Box 211 - CAN Worker Lockdown Benefit"},
};

const LabelTable kT5Labels = {
    {"10", "Box 10 - Actual Amount of Dividends Other Than Eligible Dividends"},
    {"11", "Box 11 - Taxable Amount of Dividends Other Than Eligible Dividends"},
    {"12", "Box 12 - Dividend tax credit for Dividends other than eligible dividends"},
    {"13", "Box 13 - Canadian Interest Amount"}, {"14", "Box 14 - Other income from Canadian sources"},
    {"15", "Box 15 - Foreign income"}, {"16", "Box 16 - Foreign income tax paid"},
    {"17", "Box 17 - Royalties from Canadian sources"}, {"18", "Box 18 - Capital Gains dividends Amount"},
    {"24", "Box 24 - Actual Amount of Eligible Dividends"}, {"25", "Box 25 - Taxable Amount of Eligible Dividends"},
    {"26", "Box 26 - Dividend tax credit for eligible dividends"}, {"27", "Box 27 - Currency"},
};

const LabelTable kT5013Labels = {
    {"5", "Box 5 - Percentage of business (%)"}, {"10", "Box 10 - Total limited partner's business income (loss)"},
    {"20", "Box 20 - Total business income (loss)"}, {"30", "Box 30 - Total capital gains (loss)"},
    {"40", "Box 40 - Capital cost allowance"},
};

const LabelTable kT4RSPLabels = {
    {"34", "Box 34 - Amounts deemed received on death"}, {"37", "Box 37 - Advanced life deferred annuity"},
};

const LabelTable kT4RIFLabels = {{"37", "Box 37 - Advanced life deferred annuity"}};

const LabelTable* labelTableFor(ENUMTYPE_SLIP type)
{
    switch (type) {
    case 1: return &kT4Labels;
    case 2: return &kT4ALabels;
    case 4: return &kT4RSPLabels;
    case 7: return &kT4RIFLabels;
    case 8: return &kT5Labels;
    case 13: return &kT5013Labels;
    default: return nullptr;
    }
}

bool endsWith(const char* text, const char* tail)
{
    const std::size_t n = std::strlen(text), m = std::strlen(tail);
    return n >= m && std::strcmp(text + n - m, tail) == 0;
}

}   // namespace

TaxSlip::TaxSlip(ENUMTYPE_SLIP type, std::initializer_list<const char*> ownBoxes)
    : m_slipType(type), m_labels(labelTableFor(type))
{
    for (const char* box : ownBoxes) m_own[box] = CString();
}

CString TaxSlip::getName() const
{
    if (m_slipType < 1 || m_slipType > MAX_SLIP_TYPE) return CString();
    return CString(Global_Slips_Info[m_slipType].name);
}

CString TaxSlip::getNumberedBoxStrValue(const char* box) const
{
    const auto it = m_boxes.find(box);
    return it == m_boxes.end() ? CString() : it->second;
}

double TaxSlip::getNumberedBoxValue(const char* box) const
{
    const auto it = m_boxes.find(box);
    return it == m_boxes.end() ? 0.0 : downloadedAmount(it->second);
}

bool TaxSlip::setOwnBox(const char* box, const CString& text)
{
    const auto it = m_own.find(box);
    if (it == m_own.end()) return false;
    it->second = text;
    return true;
}

CString TaxSlip::ownBoxText(const char* box) const
{
    const auto it = m_own.find(box);
    return it == m_own.end() ? CString() : it->second;
}

double TaxSlip::ownBoxValue(const char* box) const
{
    return downloadedAmount(ownBoxText(box));
}

const char* TaxSlip::boxLabel(const char* box) const
{
    if (!m_labels) return nullptr;
    const auto it = m_labels->find(box);
    return it == m_labels->end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- reading

int TaxSlip::parseXMLDataBasic(const TiXmlElement* slip)
{
    if (!slip) return 0;
    for (const TiXmlElement* child = slip->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char* text = child->GetText();
        if (!text) continue;
        if (endsWith(child->Value(), "TaxYear")) taxYear = text;
        if (const char* box = child->Attribute("boxNumber"))
            m_boxes[box] = text;
        else
            parseNoneBoxTagValue(child->Value(), text);
    }
    version = getElementSubEleStringText(slip, "SlipVersionDescription");
    return 0;
}

int TaxSlip::parseNoneBoxTagValue(const char*, const char*)
{
    return 0;
}

int TaxSlip::parseXMLData(const TiXmlElement* slip)
{
    return parseXMLDataBasic(slip);
}

void TaxSlip::parseOwnBoxesAndName(const TiXmlElement* slip, const char* nameTag, CString* name)
{
    if (!slip) return;
    for (const TiXmlElement* child = slip->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char* text = child->GetText();
        if (!text) continue;
        if (const char* box = child->Attribute("boxNumber"))
            setOwnBox(box, text);
        else if (name && nameTag && endsWith(child->Value(), nameTag))
            *name = text;
    }
}

namespace {

// Calls `take(tag, text)` for each child with a text and no box number.
template <typename Take>
void forEachNamedChild(const TiXmlElement* slip, Take take)
{
    if (!slip) return;
    for (const TiXmlElement* child = slip->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char* text = child->GetText();
        if (text && !child->Attribute("boxNumber")) take(child->Value(), text);
    }
}

// The first of the (ending, field) pairs whose ending the tag has.
void takeByEnding(const char* tag, const char* text, std::initializer_list<std::pair<const char*, CString*>> fields)
{
    for (const auto& field : fields) {
        if (endsWith(tag, field.first)) {
            *field.second = text;
            return;
        }
    }
}

}   // namespace

int TaxSlipT4::parseXMLData(const TiXmlElement* slip)
{
    if (!slip) return 0;
    for (const TiXmlElement* child = slip->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char* text = child->GetText();
        if (!text) continue;
        const char* tag = child->Value();
        const char* box = child->Attribute("boxNumber");
        if (!box) {
            if (endsWith(tag, "EmployerName")) employerName = text;
        } else if (std::strcmp(box, "10") == 0) {
            province = text;
        } else if (std::strcmp(box, "28") == 0) {
            takeByEnding(tag, text, {{"CPPQPPExemptCode", &cppQppExemptCode},
                                     {"EmploymentInsurancePremiumExemptCode", &eiExemptCode},
                                     {"ProvincialParentalInsurancePlanExemptCode", &ppipExemptCode}});
        }
    }
    return 0;
}

int TaxSlipT4A::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "PayerName", &payerName);
    return 0;
}

int TaxSlipT4AP::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, nullptr, nullptr);
    return 0;
}

int TaxSlipT4RSP::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "PayerName", &payerName);
    return 0;
}

int TaxSlipT4E::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, nullptr, nullptr);
    return 0;
}

int TaxSlipT4AOAS::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, nullptr, nullptr);
    return 0;
}

int TaxSlipT4RIF::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "PayerName", &payerName);
    return 0;
}

int TaxSlipT5::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "PayerName", &payerName);
    return 0;
}

int TaxSlipT3::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "TrustName", &trustName);
    return 0;
}

int TaxSlipT5007::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "PayerName", &payerName);
    return 0;
}

int TaxSlipT5013::parseNoneBoxTagValue(const char* tag, const char* text)
{
    if (endsWith(tag, "PayerName")) payerName = text;
    return 0;
}

int TaxSlipRC62::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, nullptr, nullptr);
    return 0;
}

int TaxSlipRC210::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, nullptr, nullptr);
    return 0;
}

int TaxSlipT5008::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "IssuerName", &issuerName);
    return 0;
}

int TaxSlipRRSPReceipt::parseXMLData(const TiXmlElement* slip)
{
    forEachNamedChild(slip, [this](const char* tag, const char* text) {
        takeByEnding(tag, text, {{"IssuerName", &issuerName},
                                 {"RRSPNumber", &rrspNumber},
                                 {"RRSPContractNumber", &rrspContractNumber},
                                 {"RRSPSpouseContributionIndicator", &RRSPSpouseContributionIndicator},
                                 {"PriorYearRRSPContributionAmount", &PriorYearRRSPContributionAmount},
                                 {"CurrentYearRRSPContributionAmount", &CurrentYearRRSPContributionAmount}});
    });
    return 0;
}

int TaxSlipMBRentalAssistSlip::parseXMLData(const TiXmlElement* slip)
{
    forEachNamedChild(slip, [this](const char* tag, const char* text) {
        takeByEnding(tag, text, {{"PayerName", &payerName}, {"ManitobaShelterBenefitAmount", &shelterBenefitAmount}});
    });
    return 0;
}

int TaxSlipPRPP::parseXMLData(const TiXmlElement* slip)
{
    forEachNamedChild(slip, [this](const char* tag, const char* text) {
        takeByEnding(tag, text,
                     {{"EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount", &employeeCurrentYear},
                      {"EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount",
                       &employeeCurrentYearExempt},
                      {"EmployeePriorYearPooledRegisteredPensionPlanContributionAmount", &employeePriorYear},
                      {"EmployeePriorYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount",
                       &employeePriorYearExempt},
                      {"EmployerPooledRegisteredPensionPlanContributionAmount", &employerContribution},
                      {"PooledRegisteredPensionPlanContractNumber", &contractNumber},
                      {"SlipVersionDescription", &versionText}});
    });
    return 0;
}

int TaxSlipT1204::parseXMLData(const TiXmlElement* slip)
{
    parseOwnBoxesAndName(slip, "PayerName", &payerName);
    return 0;
}

int TaxSlipT2202::parseXMLData(const TiXmlElement* slip)
{
    const TiXmlElement* periods = xmlFirstChildByLocalName(slip, "TuitionSessionPeriods");
    for (const TiXmlElement* session = xmlFirstChildByLocalName(periods, "TuitionSessionPeriod");
         session && sessionCount < kSessions; session = session->NextSiblingElement()) {
        fromPeriod[sessionCount] = getElementSubEleStringText(session, "FromPeriod");
        toPeriod[sessionCount] = getElementSubEleStringText(session, "ToPeriod");
        partTimeMonths[sessionCount] = getElementSubEleStringText(session, "PartTimeMonthCount");
        fullTimeMonths[sessionCount] = getElementSubEleStringText(session, "FullTimeMonthCount");
        eligibleFees[sessionCount] = getElementSubEleStringText(session, "TuitionSessionEligibleFeesAmount");
        ++sessionCount;
    }
    return 0;
}

// ---------------------------------------------------------------- choice of class

namespace {

template <typename Slip>
TaxSlip* make()
{
    return new Slip;
}

struct SlipElement
{
    const char* name;
    TaxSlip* (*make)();
};

const SlipElement kSlipElements[] = {
    {"T4Slip", make<TaxSlipT4>},
    {"T4ASlip", make<TaxSlipT4A>},
    {"T4ESlip", make<TaxSlipT4E>},
    {"RC62Slip", make<TaxSlipRC62>},
    {"T5Slip", make<TaxSlipT5>},
    {"T3Slip", make<TaxSlipT3>},
    {"T4AOASSlip", make<TaxSlipT4AOAS>},
    {"T4RSPSlip", make<TaxSlipT4RSP>},
    {"T4APSlip", make<TaxSlipT4AP>},
    {"T2202Slip", make<TaxSlipT2202>},
    {"T5007Slip", make<TaxSlipT5007>},
    {"T5008Slip", make<TaxSlipT5008>},
    {"T5013Slip", make<TaxSlipT5013>},
    {"T4RIFSlip", make<TaxSlipT4RIF>},
    {"RC210Slip", make<TaxSlipRC210>},
    {"RRSPContributionReceiptSlip", make<TaxSlipRRSPReceipt>},
    {"ManitobaRentAssistSlip", make<TaxSlipMBRentalAssistSlip>},
    {"PRPPSlip", make<TaxSlipPRPP>},
    {"T1204Slip", make<TaxSlipT1204>},
};

}   // namespace

TaxSlip* makeTaxSlipForTag(const char* tag)
{
    if (!tag) return nullptr;
    const char* colon = std::strchr(tag, ':');
    const CString name(colon ? colon + 1 : tag);
    for (const SlipElement& element : kSlipElements)
        if (name.CompareNoCase(element.name) == 0) return element.make();
    return nullptr;
}
