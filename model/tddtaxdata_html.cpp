// One person's downloaded tax data as the page the download's viewer shows:
// headings and "label: value" lines; the client part is not shown.

#include "autofill/htmllines.h"
#include "autofill/taxslip.h"
#include "autofill/tddtaxdata.h"

namespace {

// The agency's page on filing GST/HST returns, named in the GST/HST notice.
const char* const kGstHstFilingUrl =
    "https://www.canada.ca/en/revenue-agency/services/e-services/e-services-businesses/gst-hst-netfile.html";

void line(CString& html, const CString& value, const char* label, const char* skip = "")
{
    toHtmlOneLineItem(html, value, label, skip);
}

void listHeader(CString& html, int count, const char* title)
{
    CString header;
    header.Format("<h3>Total records: %d - %s</h3><br>\n", count, title);
    toHtmlNewLine(html);
    html += header;
}

void repaymentLines(CString& html, const _SummaryStruct::Repayment* rows, int count, const char* label)
{
    for (int i = 0; i < count && i < _SummaryStruct::kRepayments; ++i) {
        const CString value = "tax year: " + rows[i].year + ", required amount: " + rows[i].amount;
        line(html, value, label);
    }
}

void summaryHtml(CString& html, const _SummaryStruct& s)
{
    html += "<h3>Summary</h3><br>";
    line(html, s.InstalmentAmount, "Instalment", "0.0");
    line(html, s.CanadaTrainingCreditLimitAmount, "Canada Training Credit Limit");
    line(html, s.EIElectionForSelfEmployment, "EI Election on self-employment");

    if (s.unfiledYearCount > 0) {
        toHtmlNewLine(html);
        html += "<font>Unfiled Return(s) for the Following Tax Year(s):</font><br>\n<font>";
        for (int i = 0; i < s.unfiledYearCount && i < _SummaryStruct::kUnfiledYears; ++i)
            html += htmlEscaped(s.unfiledYears[i]) + " ";
        html += "</font>";
        toHtmlNewLine(html);
    }

    if (s.rrspHistoryCount > 0) {
        toHtmlNewLine(html);
        html += "<h3>RRSP History, RRSP Limit, HBP/LLP:</h3><br>\n";
        for (int i = 0; i < s.rrspHistoryCount && i < _SummaryStruct::kRRSPHistory; ++i) {
            const StructRRSPHistory& r = s.rrspHistory[i];
            if (r.isEmpty()) continue;
            line(html, r.TaxYear, "Tax Year");
            line(html, r.UndeductedContributionsAmount, "Undeducted Contribution Amount");
            line(html, r.CurrentYearContributionsAmount, "Current Year Contribution Amount");
            line(html, r.TotalAvailableContributionsAmount, "Total Contribution Amount");
            line(html, r.RepaymentToHBPorLLPAmount, "Repayment to HBP/LLP Amount");
            line(html, r.ContributionsDeductedAmount, "Contribution Deducted Amount");
            line(html, r.TotalUnclaimedRRSPContributionsAmount, "Total Unclaimed Contribution Amount");
            toHtmlNewLine(html);
        }
        toHtmlNewLine(html);
    }

    const bool hbpDate = !s.HBPUpdateDate.IsEmpty();
    if (hbpDate) toHtmlNewLine(html);
    line(html, s.HBPUpdateDate, "HBP Update Time");
    line(html, s.HBPOutstandingBalanceAmount, "HBP Outstanding Balance");
    line(html, s.HBPRepaymentToDateAmount, "HBP Repayment up-to-date", "0.0");
    line(html, s.HBPRequiredRepaymentRemainingAmount, "HBP Remaining Balance", "0.0");
    repaymentLines(html, s.hbpRequiredRepayments, s.hbpRequiredRepaymentCount, "HBP Required Repayment");
    if (hbpDate) toHtmlNewLine(html);

    const bool llpDate = !s.LLPUpdateDate.IsEmpty();
    if (llpDate) toHtmlNewLine(html);
    line(html, s.LLPUpdateDate, "LLP Update Time");
    line(html, s.LLPRepayableBalanceAmount, "LLP Outstanding Balance", "0.0");
    line(html, s.LLPRepaymentToDateAmount, "LLP Repayment up-to-date", "0.0");
    line(html, s.LLPRequiredRepaymentRemainingAmount, "LLP Remaining Balance", "0.0");
    repaymentLines(html, s.llpRequiredRepayments, s.llpRequiredRepaymentCount, "LLP Required Repayment");
    if (llpDate) toHtmlNewLine(html);

    const bool rrspDate = !s.RRSPUpdateDate.IsEmpty();
    if (rrspDate) toHtmlNewLine(html);
    line(html, s.RRSPUpdateDate, "RRSP Update Time");
    line(html, s.DeductionLimitAmount, "RRSP Deduction Limit");
    line(html, s.UnusedContributionAmount, "RRSP Unused Amount");
    if (rrspDate) {
        toHtmlNewLine(html);
        toHtmlNewLine(html);
    }

    html += "<ul>";
    if (s.GSTHSTReturn) {
        html += "<li>- All future refunds will be held until all outstanding returns have been filed.This may "
                "include, but is not limited to, any outstanding GST/HST returns. For information on how to file "
                "your business GST/HST returns, visit ";
        html += kGstHstFilingUrl;
        html += ".";
        toHtmlNewLine(html);
    }
    if (s.ManageOnlineMail) {
        html += "<li>- Manage Online Mail Elected";
        toHtmlNewLine(html);
    }
    if (s.ReturnedMail) {
        html += "<li>- Return Mail Elected";
        toHtmlNewLine(html);
    }
    if (s.ForeignPropertyDeclared) {
        html += "<li>- Foreign Property Declared";
        toHtmlNewLine(html);
    }
    html += "</ul>";
    toHtmlNewLine(html);
}

void tuitionList(CString& html, const StructCarryOver::TuitionRow* rows, int count, const char* title,
                 const char* open)
{
    if (count <= 0) return;
    listHeader(html, count, title);
    html += open;
    for (int i = 0; i < count && i < StructCarryOver::kTuitionRows; ++i) {
        line(html, rows[i].taxYear, "Tax Year");
        line(html, rows[i].carryForwardAvailableAmount, "Carryforward Available Amount");
        toHtmlNewLine(html);
    }
    html += "</font>";
}

// One list of carry-over rows: its count heading, then each row's lines.
template <typename Row, typename WriteRow>
void rowList(CString& html, int count, const Row* rows, int capacity, const char* title, WriteRow writeRow)
{
    if (count <= 0) return;
    listHeader(html, count, title);
    html += "<h3>";
    for (int i = 0; i < count && i < capacity; ++i) {
        writeRow(rows[i]);
        toHtmlNewLine(html);
    }
    html += "</h3>";
}

void carryOverHtml(CString& html, const StructCarryOver& c)
{
    html += "<h3>CarryOver Amounts</h3><br>";
    rowList(html, c.nonCapitalLossCount, c.nonCapitalLosses, StructCarryOver::kLossRows, "Non-Capital Loss",
            [&html](const auto& r) {
                line(html, r.TaxYear, "Tax Year");
                line(html, r.CurrentYearNonCapitalLossAmount, "Current Year Non-Capital Loss Amount");
                line(html, r.PriorYearNonCapitalLossAmount, "Prior Year Non-Capital Loss Amount");
                line(html, r.SubsequentYearNonCapitalLossAmount, "Subsequent Year Non-Capital Loss Amount");
            });
    rowList(html, c.capitalGainLossCount, c.capitalGainLosses, StructCarryOver::kLossRows, "Capital Gain Loss",
            [&html](const auto& r) {
                line(html, r.TaxYear, "Tax Year");
                line(html, r.InclusionRate, " Inclusion Rate %25");
                line(html, r.TaxableCapitalGainAmount, " Taxable Capital Gain Amount");
                line(html, r.UnappliedNetLossAmount, "Unapplied Net Loss Amount");
                line(html, r.PriorYearNetLossAmount, "Prior Year Net Loss Amount");
                line(html, r.SubsequentYearNetLossAmount, "Subsequent Year Net Loss Amount");
            });
    rowList(html, c.capitalGainDeductionCount, c.capitalGainDeductions, StructCarryOver::kLossRows,
            "Capital Gain Deduction", [&html](const auto& r) {
                line(html, r.TaxYear, "Tax Year");
                line(html, r.CapitalGainDeductionAmount, "Capital Gain Deduction");
                line(html, r.NetCapitalGainLossAmount, "Net Capital Gain Loss");
                line(html, r.NetFarmPropertyDispositionAmount, "Net Farm Property Disposition");
                line(html, r.NetSmallBusinessShareDispositionAmount, "Net Small Business Share Disposition");
            });
    tuitionList(html, c.fedTuition, c.fedTuitionCount, "Federal Tuition Education Textbook Amounts", "<font>");
    tuitionList(html, c.provTuition, c.provTuitionCount, "Provincial Tuition Education Textbook Amounts",
                "<font color=\"#000000\">");
}

}   // namespace

int TDDTaxDataOnePerson::toHtml(CString& html, const char* sinText, const char* updateTime) const
{
    html = "<body>\n";
    html += "<h3>SIN: " + htmlEscaped(sinText) + ", update time: " + htmlEscaped(updateTime) + "</h3>";
    toHtmlNewLine(html);
    summaryHtml(html, summary);
    carryOverHtml(html, carryOver);
    html += "<br>";
    toHtmlNewLine(html);
    if (m_slipCount > 0) {
        CString heading;
        heading.Format("<h3>Tax Slips, number of slips = %d</h3><br><br>\n", m_slipCount);
        html += heading;
        for (int i = 0; i < m_slipCount; ++i) {
            m_slips[i]->toHtmlBasic(html, i + 1);
            m_slips[i]->toHtml(html, i + 1);
            m_slips[i]->toHtmlDefault(html);
            toHtmlNewLine(html);
        }
    }
    html += "</body>\n";
    return 0;
}
