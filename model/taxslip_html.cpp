// The downloaded slips as HTML lines for the download's viewer.

#include "autofill/htmllines.h"
#include "autofill/taxslip.h"

#include <cstring>

int TaxSlip::toHtmlBasic(CString& html, int n) const
{
    CString heading;
    heading.Format("<b><font color='red'>%d - %s</font></b><br>", n, getName().c_str());
    html += heading;
    toHtmlOneLineItem(html, taxYear, "Tax Year", "");
    toHtmlOneLineItem(html, version, "Version", "");
    return 0;
}

int TaxSlip::toHtmlDefault(CString& html) const
{
    int visited = 0;
    for (const auto& box : m_boxes) {
        const char* label = boxLabel(box.first.c_str());
        if (!label) continue;
        toHtmlOneLineByKey(html, box.first.c_str(), label, "");
        ++visited;
    }
    return visited;
}

int TaxSlip::toHtmlOneLineByKey(CString& html, const char* box, const char* label, const char* skip) const
{
    return toHtmlOneLineItem(html, getNumberedBoxStrValue(box), label, skip);
}

void TaxSlip::ownBoxLines(CString& html, std::initializer_list<std::pair<const char*, const char*>> lines,
                          const char* zeroSkipped) const
{
    for (const auto& line : lines) {
        const bool skipZero = zeroSkipped && std::strcmp(zeroSkipped, line.second) == 0;
        toHtmlOneLineItem(html, ownBoxText(line.second), line.first, skipZero ? "0" : "");
    }
}

int TaxSlipT4::toHtml(CString& html, int) const
{
    toHtmlOneLineItem(html, employerName, "Employer", "");
    toHtmlOneLineItem(html, province, "Box 10 - Province", "");
    toHtmlOneLineItem(html, cppQppExemptCode, "Box 28 - CPP/QPP exempt", "0");
    toHtmlOneLineItem(html, eiExemptCode, "Box 28 - EI exempt", "0");
    toHtmlOneLineItem(html, ppipExemptCode, "Box 28 - PPIP exempt", "0");
    return 0;
}

namespace {

int payerOnly(CString& html, const CString& payer)
{
    html += "<h3>";
    toHtmlOneLineItem(html, payer, "Payer", "");
    html += "</h3>";
    return 0;
}

}   // namespace

int TaxSlipT4A::toHtml(CString& html, int) const { return payerOnly(html, payerName); }
int TaxSlipT5::toHtml(CString& html, int) const { return payerOnly(html, payerName); }
int TaxSlipT5013::toHtml(CString& html, int) const { return payerOnly(html, payerName); }

int TaxSlipT4E::toHtml(CString& html, int) const
{
    html += "<h3>";
    ownBoxLines(html, {{"Box 7 - Repayment Rate (%25)", "7"}, {"Box 14 - EI Benefit Payment Amount", "14"},
                       {"Box 15 - Regular EI Benefit Payment", "15"}, {"Box 17 - EI Support Payment", "17"},
                       {"Box 18 - Tax Exempt EI Amount", "18"},
                       {"Box 20 - Taxable Tuition Assistance Amount", "20"},
                       {"Box 21 - Non-Taxable Tuition Assistance Amount", "21"},
                       {"Box 22 - Income Tax Deducted", "22"}, {"Box 23 - Quebec Income Tax Deducted", "23"},
                       {"Box 26 - EI Overpayment Repayment", "26"}, {"Box 30 - EI Repayment Amount", "30"},
                       {"Box 33 - Consolidated Revenue Fund Payment Amount", "33"},
                       {"Box 37 - EI maternity and parental benfits payments", "37"}});
    html += "</h3>";
    return 0;
}

int TaxSlipRC62::toHtml(CString& html, int) const
{
    html += "<h3>";
    ownBoxLines(html, {{"Box 10 - UCCB Payment Amount", "10"}, {"Box 12 - UCCB Repayment Amount", "12"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT3::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, trustName, "Trust Name", "");
    ownBoxLines(html, {{"Box 21 - Post Budget Capital Gain", "21"},
                       {"Box 23 - Actual Amount of Dividends Other Than Eligible Dividend", "23"},
                       {"Box 25 - Foreign Non-Business Income Amount", "25"}, {"Box 26 - Other Income", "26"},
                       {"Box 30 - Deductible Capital Gain", "30"},
                       {"Box 32 - Taxable Amount of Dividends Other Than Eligible Dividend", "32"},
                       {"Box 34 - Foreign Non-Business Income Tax Paid", "34"},
                       {"Box 39 - Federal Dividend Tax Credit From Other Than Eligible Dividend", "39"},
                       {"Box 49 - Actual Amount of Dividends Eligible Dividend", "49"},
                       {"Box 50 - Taxable Amount of Dividends Eligible Dividend", "50"},
                       {"Box 51 - Federal Dividend Tax Credit From Eligible Dividend", "51"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT4AOAS::toHtml(CString& html, int) const
{
    html += "<h3>";
    ownBoxLines(html, {{"Box 18 - Net OAS Payment", "18"}, {"Box 19 - Gross OAS Payment", "19"},
                       {"Box 20 - Overpayment Recovered", "20"}, {"Box 21 - OAS Net Supplement", "21"},
                       {"Box 22 - Income Tax Deducted", "22"}, {"Box 23 - Quebec Income Tax Deducted", "23"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT4RSP::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, payerName, "Payer", "");
    ownBoxLines(html, {{"Box 16 - RRSP Annuity Income Amount", "16"}, {"Box 18 - Refund of Premiums", "18"},
                       {"Box 20 - Refund of Excess Contributions", "20"},
                       {"Box 22 - RRSP Withdrawal Amount", "22"}, {"Box 24 - RRSP Spouse Contribution", "24"},
                       {"Box 25 - LLP Withdrawl", "25"},
                       {"Box 26 - Amounts Deemed Received on Deregistration", "26"},
                       {"Box 27 - HBP Withdrawl", "27"}, {"Box 28 - Other Income or Deductions", "28"},
                       {"Box 30 - Income Tax Deducted", "30"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT4AP::toHtml(CString& html, int) const
{
    html += "<h3>";
    ownBoxLines(html, {{"Box 13 - Effective Date", "13"}, {"Box 14 - Retirement Benefit Amount", "14"},
                       {"Box 15 - Survivor Benefit Amount", "15"}, {"Box 16 - Disability Benefit Amount", "16"},
                       {"Box 17 - Child Benefit Amount", "17"}, {"Box 18 - Death Benefit Amount", "18"},
                       {"Box 19 - Post-retirement Benefit Amount", "19"},
                       {"Box 20 - Taxable Benefit Amount", "20"},
                       {"Box 21 - Number of Disability Month", "21"}, {"Box 22 - Income Tax Deducted", "22"},
                       {"Box 23 - Number of Retirement Month", "23"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT5007::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, payerName, "Payer", "");
    ownBoxLines(html, {{"Box 10 - Worker Compensation Benefit Amount", "10"},
                       {"Box 11 - Social Assistance Payments of Provincial or Territorial Supplements", "11"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT4RIF::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, payerName, "Payer", "");
    ownBoxLines(html, {{"Box 16 - RIF Taxable Payment Amount", "16"}, {"Box 18 - Deceased Amount", "18"},
                       {"Box 20 - Deregistration Amount", "20"},
                       {"Box 22 - Other Income Deduction Amount", "22"},
                       {"Box 24 - RIF Excess Payment Amount", "24"}, {"Box 26 - Spousal RRIF", "26"},
                       {"Box 28 - Income Tax Deducted Amount", "28"}}, "26");
    html += "</h3>";
    return 0;
}

int TaxSlipRC210::toHtml(CString& html, int) const
{
    html += "<h3>";
    ownBoxLines(html, {{"Box 10 - WITB Advance Payment Amount", "10"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT5008::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, issuerName, "Issuer Name", "");
    ownBoxLines(html, {{"Box 11 - Recipient Type", "11"}, {"Box 13 - Currency Code", "13"},
                       {"Box 15 - Type code of securities", "15"}, {"Box 16 - Quantity of securities", "16"},
                       {"Box 17 - Identification of securities", "17"}, {"Box 18 - CUSIP/ISIN number", "18"},
                       {"Box 19 - Security Face Value Amount", "19"},
                       {"Box 20 - Security Book Value Amount", "20"},
                       {"Box 21 - Security Settlement Amount", "21"},
                       {"Box 22 - Type code of securities received on settlement", "22"},
                       {"Box 23 - Quantify of securities received on settlement", "23"}});
    html += "</h3>";
    return 0;
}

int TaxSlipRRSPReceipt::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, issuerName, "Issuer Name", "");
    toHtmlOneLineItem(html, rrspNumber, "RRSP Number", "");
    toHtmlOneLineItem(html, rrspContractNumber, "RRSP Contract Number", "");
    toHtmlOneLineItem(html, RRSPSpouseContributionIndicator, "Spouse RRSP Contribution Indicator", "0");
    toHtmlOneLineItem(html, PriorYearRRSPContributionAmount, "Prior Year RRSP Contribution Amount", "");
    toHtmlOneLineItem(html, CurrentYearRRSPContributionAmount, "Current Year RRSP Contribution Amount", "");
    html += "</h3>";
    return 0;
}

int TaxSlipMBRentalAssistSlip::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, payerName, "Payer Name", "");
    toHtmlOneLineItem(html, shelterBenefitAmount, "Allowance Amount", "");
    html += "</h3>";
    return 0;
}

int TaxSlipPRPP::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, contractNumber, "Contract Number", "");
    toHtmlOneLineItem(html, employeeCurrentYear, "Employee Contributed Current year", "");
    toHtmlOneLineItem(html, employeeCurrentYearExempt, "Employee contributed amount from exempt income current year", "");
    toHtmlOneLineItem(html, employeePriorYear, "Employee Contributed Prior year", "");
    toHtmlOneLineItem(html, employeePriorYearExempt, "Employee contributed amount from exempt income prior year", "");
    toHtmlOneLineItem(html, employerContribution, "PRPP employer contributions", "");
    html += "</h3>";
    return 0;
}

int TaxSlipT1204::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineItem(html, payerName, "Payer Name", "");
    ownBoxLines(html, {{"Contract Service Payment", "82"}, {"Service and Goods Payment", "84"}});
    html += "</h3>";
    return 0;
}

int TaxSlipT2202::toHtml(CString& html, int) const
{
    html += "<h3>";
    toHtmlOneLineByKey(html, "10", "Box 10 - School Name", "");
    toHtmlOneLineByKey(html, "11", "Box 11 - School Type", "");
    toHtmlOneLineByKey(html, "12", "Box 12 - Flying School or club", "");
    toHtmlOneLineByKey(html, "13", "Box 13 - Name of Program or Course", "");
    toHtmlOneLineByKey(html, "14", "Box 14 - Student Number", "");
    toHtmlOneLineByKey(html, "15", "Box 15 - Filer Account Number", "");
    toHtmlOneLineByKey(html, "24", "Box 24 - Total number of months part-time", "");
    toHtmlOneLineByKey(html, "25", "Box 25 - Total number of months full-time", "");
    toHtmlOneLineByKey(html, "26", "Box 26 - Total eligible tuition fee", "");
    for (int k = 0; k < sessionCount && k < kSessions; ++k) {
        CString session;
        session.Format("<br>\nSession: %d<br>\n", k + 1);
        html += session;
        toHtmlOneLineItem(html, fromPeriod[k], "Box 19 - From (YYYY-MM)", "");
        toHtmlOneLineItem(html, toPeriod[k], "Box 20 - To (YYYY-MM)", "");
        toHtmlOneLineItem(html, partTimeMonths[k], "Box 21 - Number of months part-time", "0");
        toHtmlOneLineItem(html, fullTimeMonths[k], "Box 22 - Number of months full-time", "0");
        toHtmlOneLineItem(html, eligibleFees[k], "Box 23 - Eligible tuition fee", "");
    }
    html += "</h3>";
    return 0;
}
