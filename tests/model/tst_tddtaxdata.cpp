// A person's downloaded tax data read from the agency's reply: the missing
// identifier, the tables' capacities, missing sections, namespace prefixes,
// the set-off code table, and the page the viewer shows.

#include <thread>

#include <QtTest>
#include <tinyxml.h>

#include "autofill/taxslip.h"
#include "autofill/tddtaxdata.h"

namespace {

// Parses `xml` and reads its root into `data`; the parse's result.
int parseInto(TDDTaxDataOnePerson& data, const QString& xml)
{
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData());
    if (!doc.RootElement()) return -99;
    return data.parseXMLData(doc.RootElement());
}

QString item(const QString& body)
{
    return "<IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>046454286</IndividualTaxpayerIdentifier>" +
           body + "</IndividualIncomeTaxDataItem>";
}

QString repeated(const QString& row, int n)
{
    QString out;
    for (int i = 1; i <= n; ++i) out += row.arg(i);
    return out;
}

QString pageOf(const TDDTaxDataOnePerson& data)
{
    CString html;
    data.toHtml(html, "046454286", "2021-07-01T10:00:00");
    return html.toQString();
}

// A person with every section, each element behind the prefix %1.
const char* const kPrefixedPerson = R"(<%1IndividualIncomeTaxDataItem xmlns:ns2="urn:a" xmlns:ns12="urn:b">
<%1IndividualTaxpayerIdentifier>046454286</%1IndividualTaxpayerIdentifier>
<%1Summary><%1InstalmentAmount>250</%1InstalmentAmount>
 <%1UnfiledReturn><%1TaxYear>2019</%1TaxYear></%1UnfiledReturn>
 <%1RRSPContributionHistory><%1RRSPContribution><%1TaxYear>2020</%1TaxYear>
  <%1CurrentYearContributionsAmount>900</%1CurrentYearContributionsAmount></%1RRSPContribution></%1RRSPContributionHistory>
 <%1HomeBuyerPlan><%1updateDate>2021-01-01</%1updateDate><%1HomeBuyerPlanRequiredRepaymentAmount>
  <%1RequiredRepayment year="2021">1000</%1RequiredRepayment></%1HomeBuyerPlanRequiredRepaymentAmount></%1HomeBuyerPlan>
 <%1RegisteredRetirementSavingsPlan updateDate="2021-02-02"><%1DeductionLimitAmount>12000</%1DeductionLimitAmount>
 </%1RegisteredRetirementSavingsPlan><%1ReturnedMailIndicator>true</%1ReturnedMailIndicator></%1Summary>
<%1Client><%1BankruptIndicator>true</%1BankruptIndicator><%1RefundSetOffs><%1RefundSetoff>
 <%1RefundSetoffProgramCode>ONSL</%1RefundSetoffProgramCode><%1RefundSetoffProgramAmount>40</%1RefundSetoffProgramAmount>
 </%1RefundSetoff></%1RefundSetOffs></%1Client>
<%1CarryOver><%1FederalTuitionEducationTextBookAmounts><%1Row><%1TaxYear>2020</%1TaxYear>
 <%1CarryForwardAvailableAmount>1500</%1CarryForwardAvailableAmount></%1Row></%1FederalTuitionEducationTextBookAmounts>
</%1CarryOver>
<%1Slips><%1T4Slip><%1EmployerName>Acme</%1EmployerName><%1Amount boxNumber="14">100</%1Amount></%1T4Slip></%1Slips>
</%1IndividualIncomeTaxDataItem>)";

}   // namespace

class TestTddTaxData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void setOffPhonesFromTheTable();   // first: two threads load the table
    void missingIdentifierReadsNothing();
    void capacities_data();
    void capacities();
    void missingSectionsLeaveEmptyValues();
    void identifierAndSlipsStillGiveSlips();
    void prefixesReadTheSame_data();
    void prefixesReadTheSame();
    void rrspHistoryRowEmpty_data();
    void rrspHistoryRowEmpty();
    void fullPage();
    void summaryLines_data();
    void summaryLines();

private:
    QTemporaryDir m_dir;
};

void TestTddTaxData::initTestCase()
{
    // A small code table: the first row of a code wins, short rows are skipped.
    QFile table(m_dir.filePath("codes.csv"));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("Prog Nbr ,Eng Abbr ,French Abbr ,Prog Name Eng ,Dept Name Eng ,Prog Name French ,Dept Name French ,"
                "Error Clue ,Program Active ,Dest Code ,Telephone or Toll-Free \r\n"
                "1,X,ONSL  ,\"Student loans, Ontario\",D,P,D,E,Y,1-800-555-0101  ,T\r\n"
                "2,X,ONSL,Again,D,P,D,E,Y,1-800-555-0199,T\r\n"
                "3,X,SHORT,Too few\r\n");
    table.close();
    TDDTaxDataOnePerson::m_strSetOffCodeFilePath = CString(m_dir.filePath("codes.csv"));
}

void TestTddTaxData::missingIdentifierReadsNothing()
{
    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, "<Item><Summary><InstalmentAmount>5</InstalmentAmount></Summary>"
                             "<Slips><T4Slip/></Slips></Item>"),
             -1);
    QVERIFY(data.summary.InstalmentAmount.IsEmpty());
    QCOMPARE(data.slipCount(), 0);
    QCOMPARE(data.taxYear(), 2021);
}

enum Table { RRSPHistory, HBPRepayments, LLPRepayments, SetOffs, Reassessments, NonCapitalLosses, FedTuition, Slips };

void TestTddTaxData::capacities_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("lastKept");

    QTest::newRow("101 RRSP rows keep 100")
        << "<Summary><RRSPContributionHistory>" +
               repeated("<RRSPContribution><TaxYear>%1</TaxYear></RRSPContribution>", 101) +
               "</RRSPContributionHistory></Summary>"
        << int(RRSPHistory) << 100 << "100";
    QTest::newRow("11 HBP repayments keep 10")
        << "<Summary><HomeBuyerPlan><HomeBuyerPlanRequiredRepaymentAmount>" +
               repeated("<RequiredRepayment year=\"%1\">5</RequiredRepayment>", 11) +
               "</HomeBuyerPlanRequiredRepaymentAmount></HomeBuyerPlan></Summary>"
        << int(HBPRepayments) << 10 << "10";
    QTest::newRow("11 LLP repayments keep 10")
        << "<Summary><LifeLongLearningPlan><LifeLongLearningPlanRequiredRepaymentAmount>" +
               repeated("<RequiredRepayment year=\"%1\">5</RequiredRepayment>", 11) +
               "</LifeLongLearningPlanRequiredRepaymentAmount></LifeLongLearningPlan></Summary>"
        << int(LLPRepayments) << 10 << "10";
    QTest::newRow("41 set-offs keep 40")
        << "<Client><RefundSetOffs>" +
               repeated("<RefundSetoff><RefundSetoffProgramNumber>%1</RefundSetoffProgramNumber></RefundSetoff>", 41) +
               "</RefundSetOffs></Client>"
        << int(SetOffs) << 40 << "40";
    QTest::newRow("21 reassessments keep 20")
        << "<Client><Reassessments>" + repeated("<Reassessment><TaxYear>%1</TaxYear></Reassessment>", 21) +
               "</Reassessments></Client>"
        << int(Reassessments) << 20 << "20";
    QTest::newRow("101 non-capital losses keep 100")
        << "<CarryOver><NonCapitalLosses>" + repeated("<Loss><TaxYear>%1</TaxYear></Loss>", 101) +
               "</NonCapitalLosses></CarryOver>"
        << int(NonCapitalLosses) << 100 << "100";
    QTest::newRow("21 federal tuition rows keep 20")
        << "<CarryOver><FederalTuitionEducationTextBookAmounts>" + repeated("<A><TaxYear>%1</TaxYear></A>", 21) +
               "</FederalTuitionEducationTextBookAmounts></CarryOver>"
        << int(FedTuition) << 20 << "20";
    QTest::newRow("257 slips keep 256")
        << "<Slips>" + repeated("<T5Slip><PayerName>%1</PayerName></T5Slip>", 257) + "</Slips>" << int(Slips) << 256
        << "256";
}

void TestTddTaxData::capacities()
{
    QFETCH(QString, body);
    QFETCH(int, table);
    QFETCH(int, kept);
    QFETCH(QString, lastKept);

    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item(body)), 0);
    int count = -1;
    CString last;
    switch (table) {
    case RRSPHistory:
        count = data.summary.rrspHistoryCount;
        last = data.summary.rrspHistory[count - 1].TaxYear;
        break;
    case HBPRepayments:
        count = data.summary.hbpRequiredRepaymentCount;
        last = data.summary.hbpRequiredRepayments[count - 1].year;
        break;
    case LLPRepayments:
        count = data.summary.llpRequiredRepaymentCount;
        last = data.summary.llpRequiredRepayments[count - 1].year;
        break;
    case SetOffs:
        count = data.clientInfo.setOffCount;
        last = data.clientInfo.setOffProgramNumbers[count - 1];
        break;
    case Reassessments:
        count = data.clientInfo.reassessmentCount;
        last = data.clientInfo.reassessments[count - 1].taxYear;
        break;
    case NonCapitalLosses:
        count = data.carryOver.nonCapitalLossCount;
        last = data.carryOver.nonCapitalLosses[count - 1].TaxYear;
        break;
    case FedTuition:
        count = data.carryOver.fedTuitionCount;
        last = data.carryOver.fedTuition[count - 1].taxYear;
        break;
    case Slips:
        count = data.slipCount();
        last = static_cast<TaxSlipT5*>(data.slip(count - 1))->payerName;
        break;
    }
    QCOMPARE(count, kept);
    QCOMPARE(last.toQString(), lastKept);
}

void TestTddTaxData::missingSectionsLeaveEmptyValues()
{
    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item("<Summary/><Client/><CarryOver><NonCapitalLosses/></CarryOver>")), 0);
    QCOMPARE(data.sin, CString("046454286"));
    QVERIFY(data.summary.InstalmentAmount.IsEmpty());
    QVERIFY(data.summary.RRSPUpdateDate.IsEmpty());
    QCOMPARE(data.summary.rrspHistoryCount + data.summary.unfiledYearCount + data.summary.hbpRequiredRepaymentCount, 0);
    QVERIFY(!data.summary.GSTHSTReturn && !data.clientInfo.Bankrupt && !data.clientInfo.ReassessmentInProgress);
    QCOMPARE(data.clientInfo.setOffCount + data.clientInfo.reassessmentCount + data.clientInfo.unfiledYearCount, 0);
    QCOMPARE(data.carryOver.nonCapitalLossCount + data.carryOver.fedTuitionCount, 0);
    QCOMPARE(data.slipCount(), 0);
}

void TestTddTaxData::identifierAndSlipsStillGiveSlips()
{
    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item("<Slips><T4Slip/><Unknown/><T5Slip/></Slips>")), 0);
    QCOMPARE(data.slipCount(), 2);
    QCOMPARE(data.slip(0)->slipType(), 1);
    QCOMPARE(data.slip(1)->slipType(), 8);
}

void TestTddTaxData::prefixesReadTheSame_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("ns2") << "ns2:";
    QTest::newRow("ns12") << "ns12:";
}

void TestTddTaxData::prefixesReadTheSame()
{
    QFETCH(QString, prefix);
    TDDTaxDataOnePerson plain(2021), prefixed(2021);
    QCOMPARE(parseInto(plain, QString(kPrefixedPerson).arg(QString())), 0);
    QCOMPARE(parseInto(prefixed, QString(kPrefixedPerson).arg(prefix)), 0);

    // The page shows every shown section; the client part is compared apart.
    const QString page = pageOf(plain);
    QVERIFY(page.contains("Instalment: 250") && page.contains("RRSP Deduction Limit: 12000") &&
            page.contains("Employer: Acme") && page.contains("Carryforward Available Amount: 1500"));
    QCOMPARE(pageOf(prefixed), page);
    QVERIFY(prefixed.clientInfo.Bankrupt);
    QCOMPARE(prefixed.clientInfo.setOffCount, 1);
    QCOMPARE(prefixed.clientInfo.setOffProgramAmounts[0], plain.clientInfo.setOffProgramAmounts[0]);
    QCOMPARE(prefixed.clientInfo.setOffProgramPhones[0], CString("1-800-555-0101"));
}

void TestTddTaxData::setOffPhonesFromTheTable()
{
    // Two threads asking first both see the loaded table.
    CString a, b;
    std::thread first([&a] { a = TDDTaxDataOnePerson::GetPhoneForSetOffCode("ONSL"); });
    std::thread second([&b] { b = TDDTaxDataOnePerson::GetPhoneForSetOffCode("ONSL"); });
    first.join();
    second.join();
    QCOMPARE(a, CString("1-800-555-0101"));
    QCOMPARE(b, CString("1-800-555-0101"));
    QVERIFY(TDDTaxDataOnePerson::m_bLoadSetOffCodeMap);
    QVERIFY(TDDTaxDataOnePerson::GetPhoneForSetOffCode("SHORT").IsEmpty());

    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item("<Client><RefundSetOffs><RefundSetoff><RefundSetoffProgramCode>NONE"
                                  "</RefundSetoffProgramCode></RefundSetoff></RefundSetOffs></Client>")),
             0);
    QCOMPARE(data.clientInfo.setOffCount, 1);
    QVERIFY(data.clientInfo.setOffProgramPhones[0].IsEmpty());
}

void TestTddTaxData::rrspHistoryRowEmpty_data()
{
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<bool>("empty");
    QTest::newRow("year only") << "" << true;
    QTest::newRow("one 0.00") << "<ContributionsDeductedAmount>0.00</ContributionsDeductedAmount>" << true;
    QTest::newRow("not a number") << "<CurrentYearContributionsAmount>n/a</CurrentYearContributionsAmount>" << true;
    QTest::newRow("last amount") << "<TotalUnclaimedRRSPContributionsAmount>1</TotalUnclaimedRRSPContributionsAmount>"
                                 << false;
}

void TestTddTaxData::rrspHistoryRowEmpty()
{
    QFETCH(QString, amounts);
    QFETCH(bool, empty);
    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item("<Summary><RRSPContributionHistory><RRSPContribution><TaxYear>2020</TaxYear>" +
                                  amounts + "</RRSPContribution></RRSPContributionHistory></Summary>")),
             0);
    QCOMPARE(data.summary.rrspHistoryCount, 1);
    QCOMPARE(data.summary.rrspHistory[0].isEmpty(), empty);
}

void TestTddTaxData::fullPage()
{
    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item(R"(<Summary><InstalmentAmount>0.00</InstalmentAmount>
<CanadaTrainingCreditLimitAmount>500</CanadaTrainingCreditLimitAmount>
<UnfiledReturn><TaxYear>2018</TaxYear><TaxYear>2019</TaxYear></UnfiledReturn>
<RRSPContributionHistory>
 <RRSPContribution><TaxYear>2020</TaxYear><UndeductedContributionsAmount>100</UndeductedContributionsAmount>
  <CurrentYearContributionsAmount>2000</CurrentYearContributionsAmount></RRSPContribution>
 <RRSPContribution><TaxYear>2019</TaxYear><ContributionsDeductedAmount>0.00</ContributionsDeductedAmount></RRSPContribution>
</RRSPContributionHistory>
<HomeBuyerPlan><updateDate>2021-05-01</updateDate>
 <HomeBuyerPlanOutstandingBalanceAmount>9000</HomeBuyerPlanOutstandingBalanceAmount>
 <HomeBuyerPlanRepaymentToDateAmount>0.0</HomeBuyerPlanRepaymentToDateAmount>
 <HomeBuyerPlanRequiredRepaymentAmount><RequiredRepayment year="2021">1000</RequiredRepayment></HomeBuyerPlanRequiredRepaymentAmount>
</HomeBuyerPlan>
<LifeLongLearningPlan><LifeLongLearningPlanRepayableBalanceAmount>4000</LifeLongLearningPlanRepayableBalanceAmount>
</LifeLongLearningPlan>
<RegisteredRetirementSavingsPlan updateDate="2021-06-30"><DeductionLimitAmount>12345</DeductionLimitAmount>
 <UnusedContributionAmount>0</UnusedContributionAmount></RegisteredRetirementSavingsPlan>
<ManageOnlineMailIndicator>true</ManageOnlineMailIndicator>
<ForeignPropertyDeclaredIndicator>1</ForeignPropertyDeclaredIndicator></Summary>
<CarryOver>
<NonCapitalLosses><L><TaxYear>2015</TaxYear><CurrentYearNonCapitalLossAmount>300</CurrentYearNonCapitalLossAmount></L></NonCapitalLosses>
<CapitalGainLosses><L><TaxYear>2016</TaxYear><InclusionRate>50</InclusionRate><UnappliedNetLossAmount>75</UnappliedNetLossAmount></L></CapitalGainLosses>
<CapitalGainDeductions><L><TaxYear>2017</TaxYear><CapitalGainDeductionAmount>10</CapitalGainDeductionAmount></L></CapitalGainDeductions>
<FederalTuitionEducationTextBookAmounts><A><TaxYear>2020</TaxYear><CarryForwardAvailableAmount>1500</CarryForwardAvailableAmount></A></FederalTuitionEducationTextBookAmounts>
<ProvincialTuitionEducationTextBookAmounts><A><TaxYear>2020</TaxYear><CarryForwardAvailableAmount>700</CarryForwardAvailableAmount></A></ProvincialTuitionEducationTextBookAmounts>
</CarryOver>)")),
             0);

    const QString expected =
        "<body>\n<h3>SIN: 046454286, update time: 2021-07-01T10:00:00</h3><br>\n"
        "<h3>Summary</h3><br>Instalment: 0.00<br>\nCanada Training Credit Limit: 500<br>\n"
        "<br>\n<font>Unfiled Return(s) for the Following Tax Year(s):</font><br>\n<font>2018 2019 </font><br>\n"
        "<br>\n<h3>RRSP History, RRSP Limit, HBP/LLP:</h3><br>\n"
        "Tax Year: 2020<br>\nUndeducted Contribution Amount: 100<br>\nCurrent Year Contribution Amount: 2000<br>\n"
        "<br>\n<br>\n"
        "<br>\nHBP Update Time: 2021-05-01<br>\nHBP Outstanding Balance: 9000<br>\n"
        "HBP Required Repayment: tax year: 2021, required amount: 1000<br>\n<br>\n"
        "LLP Outstanding Balance: 4000<br>\n"
        "<br>\nRRSP Update Time: 2021-06-30<br>\nRRSP Deduction Limit: 12345<br>\nRRSP Unused Amount: 0<br>\n"
        "<br>\n<br>\n"
        "<ul><li>- Manage Online Mail Elected<br>\n<li>- Foreign Property Declared<br>\n</ul><br>\n"
        "<h3>CarryOver Amounts</h3><br>"
        "<br>\n<h3>Total records: 1 - Non-Capital Loss</h3><br>\n"
        "<h3>Tax Year: 2015<br>\nCurrent Year Non-Capital Loss Amount: 300<br>\n<br>\n</h3>"
        "<br>\n<h3>Total records: 1 - Capital Gain Loss</h3><br>\n"
        "<h3>Tax Year: 2016<br>\n Inclusion Rate %25: 50<br>\nUnapplied Net Loss Amount: 75<br>\n<br>\n</h3>"
        "<br>\n<h3>Total records: 1 - Capital Gain Deduction</h3><br>\n"
        "<h3>Tax Year: 2017<br>\nCapital Gain Deduction: 10<br>\n<br>\n</h3>"
        "<br>\n<h3>Total records: 1 - Federal Tuition Education Textbook Amounts</h3><br>\n"
        "<font>Tax Year: 2020<br>\nCarryforward Available Amount: 1500<br>\n<br>\n</font>"
        "<br>\n<h3>Total records: 1 - Provincial Tuition Education Textbook Amounts</h3><br>\n"
        "<font color=\"#000000\">Tax Year: 2020<br>\nCarryforward Available Amount: 700<br>\n<br>\n</font>"
        "<br><br>\n</body>\n";
    QCOMPARE(pageOf(data), expected);
}

void TestTddTaxData::summaryLines_data()
{
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("lines");   // between the Summary heading and the flags' list

    QTest::newRow("instalment 0.0 skipped") << "<InstalmentAmount>0.0</InstalmentAmount>" << "";
    QTest::newRow("instalment 0.00 shown") << "<InstalmentAmount>0.00</InstalmentAmount>"
                                           << "Instalment: 0.00<br>\n";
    QTest::newRow("HBP without its date")
        << "<HomeBuyerPlan><HomeBuyerPlanOutstandingBalanceAmount>5</HomeBuyerPlanOutstandingBalanceAmount>"
           "<HomeBuyerPlanRequiredRepaymentRemainingAmount>0.0</HomeBuyerPlanRequiredRepaymentRemainingAmount>"
           "</HomeBuyerPlan>"
        << "HBP Outstanding Balance: 5<br>\n";
    QTest::newRow("RRSP history of empty rows")
        << "<RRSPContributionHistory><RRSPContribution><TaxYear>2020</TaxYear></RRSPContribution>"
           "</RRSPContributionHistory>"
        << "<br>\n<h3>RRSP History, RRSP Limit, HBP/LLP:</h3><br>\n<br>\n";
    QTest::newRow("value shown as text") << "<CanadaTrainingCreditLimitAmount>&lt;b&gt;&amp;</CanadaTrainingCreditLimitAmount>"
                                         << "Canada Training Credit Limit: &lt;b&gt;&amp;<br>\n";
}

void TestTddTaxData::summaryLines()
{
    QFETCH(QString, summary);
    QFETCH(QString, lines);
    TDDTaxDataOnePerson data(2021);
    QCOMPARE(parseInto(data, item("<Summary>" + summary + "</Summary>")), 0);
    const QString page = pageOf(data);
    const QString head = "<h3>Summary</h3><br>";
    const int from = page.indexOf(head) + head.size();
    QCOMPARE(page.mid(from, page.indexOf("<ul>") - from), lines);
    // A record without slips ends with the closing lines.
    QVERIFY(page.endsWith("<h3>CarryOver Amounts</h3><br><br><br>\n</body>\n"));
}

QTEST_GUILESS_MAIN(TestTddTaxData)
#include "tst_tddtaxdata.moc"
