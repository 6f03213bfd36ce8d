// Downloaded slips read from their elements: each class's own fields and
// name tag, the choice of class by tag, the box map's reads, and the exact
// HTML lines of the slips whose layout has rules of its own.

#include <QtTest>
#include <memory>
#include <tinyxml.h>

#include "autofill/taxslip.h"
#include "formtables.h"

namespace {

// The slip made for the element `xml` as the record makes it.
std::unique_ptr<TaxSlip> slipOf(const QString& xml)
{
    TiXmlDocument doc;
    doc.Parse(xml.toUtf8().constData());
    const TiXmlElement* e = doc.RootElement();
    if (!e) return nullptr;
    std::unique_ptr<TaxSlip> slip(makeTaxSlipForTag(e->Value()));
    if (!slip) return nullptr;
    slip->parseXMLDataBasic(e);
    slip->parseXMLData(e);
    return slip;
}

// A field by a short name: "name" (the class's payer, employer, trust or
// issuer), "box NN" (an own box), "map NN" (the box map) or the name of
// one of the T4's, the receipt's, the rent assistance's or the PRPP's fields.
CString field(const TaxSlip& s, const QString& name)
{
    if (name.startsWith("box ")) return s.ownBoxText(name.mid(4).toUtf8().constData());
    if (name.startsWith("map ")) return s.getNumberedBoxStrValue(name.mid(4).toUtf8().constData());
    if (name == "taxYear") return s.taxYear;
    if (name == "version") return s.version;
    if (auto* t4 = dynamic_cast<const TaxSlipT4*>(&s)) {
        if (name == "name") return t4->employerName;
        if (name == "province") return t4->province;
        if (name == "cpp") return t4->cppQppExemptCode;
        if (name == "ei") return t4->eiExemptCode;
        if (name == "ppip") return t4->ppipExemptCode;
    }
    if (name == "name") {
        if (auto* x = dynamic_cast<const TaxSlipT4A*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT4RSP*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT4RIF*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT5*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT3*>(&s)) return x->trustName;
        if (auto* x = dynamic_cast<const TaxSlipT5007*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT5013*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT5008*>(&s)) return x->issuerName;
        if (auto* x = dynamic_cast<const TaxSlipRRSPReceipt*>(&s)) return x->issuerName;
        if (auto* x = dynamic_cast<const TaxSlipMBRentalAssistSlip*>(&s)) return x->payerName;
        if (auto* x = dynamic_cast<const TaxSlipT1204*>(&s)) return x->payerName;
    }
    if (auto* r = dynamic_cast<const TaxSlipRRSPReceipt*>(&s)) {
        if (name == "rrspNumber") return r->rrspNumber;
        if (name == "contract") return r->rrspContractNumber;
        if (name == "spouse") return r->RRSPSpouseContributionIndicator;
        if (name == "prior") return r->PriorYearRRSPContributionAmount;
        if (name == "current") return r->CurrentYearRRSPContributionAmount;
    }
    if (auto* m = dynamic_cast<const TaxSlipMBRentalAssistSlip*>(&s))
        if (name == "shelter") return m->shelterBenefitAmount;
    if (auto* p = dynamic_cast<const TaxSlipPRPP*>(&s)) {
        if (name == "contract") return p->contractNumber;
        if (name == "employeeCurrent") return p->employeeCurrentYear;
        if (name == "employeeCurrentExempt") return p->employeeCurrentYearExempt;
        if (name == "employeePrior") return p->employeePriorYear;
        if (name == "employeePriorExempt") return p->employeePriorYearExempt;
        if (name == "employer") return p->employerContribution;
        if (name == "versionText") return p->versionText;
    }
    return CString("<no such field>");
}

QString html(const TaxSlip& s, int n)
{
    CString out;
    s.toHtmlBasic(out, n);
    s.toHtml(out, n);
    s.toHtmlDefault(out);
    return out.toQString();
}

QString heading(int n, ENUMTYPE_SLIP type)
{
    return QString("<b><font color='red'>%1 - %2</font></b><br>").arg(n).arg(Global_Slips_Info[type].name);
}

}   // namespace

class TestTaxSlips : public QObject
{
    Q_OBJECT

private slots:
    void ownFields_data();
    void ownFields();
    void unknownTagMakesNoSlip();
    void t2202KeepsFourSessions();
    void missingBoxReadsEmpty();
    void pages_data();
    void pages();
};

void TestTaxSlips::ownFields_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");

    const QString t4 = "<ns2:t4slip><ns2:EmployerName>Acme</ns2:EmployerName><P boxNumber=\"10\">ON</P>"
                       "<ns2:CPPQPPExemptCode boxNumber=\"28\">1</ns2:CPPQPPExemptCode>"
                       "<ns2:EmploymentInsurancePremiumExemptCode boxNumber=\"28\">2</ns2:EmploymentInsurancePremiumExemptCode>"
                       "<ns2:ProvincialParentalInsurancePlanExemptCode boxNumber=\"28\">3</ns2:ProvincialParentalInsurancePlanExemptCode>"
                       "<A boxNumber=\"14\">50000</A><ns2:SlipTaxYear>2021</ns2:SlipTaxYear>"
                       "<ns2:SlipVersionDescription>Original</ns2:SlipVersionDescription></ns2:t4slip>";
    QTest::newRow("T4 employer, prefixed lower case") << t4 << 1 << "name" << "Acme";
    QTest::newRow("T4 province") << t4 << 1 << "province" << "ON";
    QTest::newRow("T4 box 28 CPP/QPP") << t4 << 1 << "cpp" << "1";
    QTest::newRow("T4 box 28 EI") << t4 << 1 << "ei" << "2";
    QTest::newRow("T4 box 28 PPIP") << t4 << 1 << "ppip" << "3";
    QTest::newRow("T4 box map") << t4 << 1 << "map 14" << "50000";
    QTest::newRow("T4 tax year by ending") << t4 << 1 << "taxYear" << "2021";
    QTest::newRow("T4 version") << t4 << 1 << "version" << "Original";

    const QString t4a = "<T4ASlip><PayerName>Uni</PayerName><A boxNumber=\"104\">5</A></T4ASlip>";
    QTest::newRow("T4A payer") << t4a << 2 << "name" << "Uni";
    QTest::newRow("T4A box stays in the map") << t4a << 2 << "map 104" << "5";
    QTest::newRow("T4AP box 13") << "<T4APSlip><A boxNumber=\"13\">2019-01</A></T4APSlip>" << 3 << "box 13"
                                 << "2019-01";
    const QString t4rsp = "<T4RSPSlip><PayerName>Bank</PayerName><A boxNumber=\"16\">7</A></T4RSPSlip>";
    QTest::newRow("T4RSP payer") << t4rsp << 4 << "name" << "Bank";
    QTest::newRow("T4RSP box 16") << t4rsp << 4 << "box 16" << "7";
    QTest::newRow("T4E box 7") << "<T4ESlip><A boxNumber=\"7\">30</A></T4ESlip>" << 5 << "box 7" << "30";
    QTest::newRow("T4AOAS box 18") << "<T4AOASSlip><A boxNumber=\"18\">600</A></T4AOASSlip>" << 6 << "box 18"
                                   << "600";
    const QString rif = "<T4RIFSlip><PayerName>Fund</PayerName><A boxNumber=\"26\">0</A></T4RIFSlip>";
    QTest::newRow("T4RIF payer") << rif << 7 << "name" << "Fund";
    QTest::newRow("T4RIF box 26") << rif << 7 << "box 26" << "0";
    QTest::newRow("T5 payer") << "<T5Slip><PayerName>Bank</PayerName></T5Slip>" << 8 << "name" << "Bank";
    const QString t3 = "<T3Slip><TrustName>Trust</TrustName><A boxNumber=\"21\">9</A></T3Slip>";
    QTest::newRow("T3 trust") << t3 << 9 << "name" << "Trust";
    QTest::newRow("T3 box 21") << t3 << 9 << "box 21" << "9";
    QTest::newRow("T5007 box 11") << "<T5007Slip><PayerName>P</PayerName><A boxNumber=\"11\">8</A></T5007Slip>" << 11
                                  << "box 11" << "8";
    QTest::newRow("T5013 payer through the no-box reader")
        << "<T5013Slip><PartnershipPayerName>LP</PartnershipPayerName><A boxNumber=\"5\">50</A></T5013Slip>" << 13
        << "name" << "LP";
    QTest::newRow("RC62 box 12") << "<RC62Slip><A boxNumber=\"12\">4</A></RC62Slip>" << 17 << "box 12" << "4";
    QTest::newRow("RC210 box 10") << "<RC210Slip><A boxNumber=\"10\">3</A></RC210Slip>" << 18 << "box 10" << "3";
    QTest::newRow("T5008 issuer") << "<T5008Slip><IssuerName>Broker</IssuerName></T5008Slip>" << 19 << "name"
                                  << "Broker";
    QTest::newRow("T5008 box 21") << "<T5008Slip><A boxNumber=\"21\">99</A></T5008Slip>" << 19 << "box 21" << "99";
    const QString receipt =
        "<RRSPContributionReceiptSlip><IssuerName>Bank</IssuerName><RRSPNumber>R1</RRSPNumber>"
        "<RRSPContractNumber>C2</RRSPContractNumber><RRSPSpouseContributionIndicator>1</RRSPSpouseContributionIndicator>"
        "<PriorYearRRSPContributionAmount>10</PriorYearRRSPContributionAmount>"
        "<CurrentYearRRSPContributionAmount>20</CurrentYearRRSPContributionAmount></RRSPContributionReceiptSlip>";
    QTest::newRow("receipt issuer") << receipt << 20 << "name" << "Bank";
    QTest::newRow("receipt number") << receipt << 20 << "rrspNumber" << "R1";
    QTest::newRow("receipt contract") << receipt << 20 << "contract" << "C2";
    QTest::newRow("receipt spouse") << receipt << 20 << "spouse" << "1";
    QTest::newRow("receipt prior year") << receipt << 20 << "prior" << "10";
    QTest::newRow("receipt current year") << receipt << 20 << "current" << "20";
    const QString mb = "<ManitobaRentAssistSlip><PayerName>MB</PayerName><ManitobaShelterBenefitAmount>300"
                       "</ManitobaShelterBenefitAmount></ManitobaRentAssistSlip>";
    QTest::newRow("Manitoba payer") << mb << 21 << "name" << "MB";
    QTest::newRow("Manitoba shelter") << mb << 21 << "shelter" << "300";
    // The exempt-income tags end like the plain ones' neighbours: the first
    // ending that matches wins, so each must land in its own field.
    const QString prpp =
        "<PRPPSlip><EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount>1"
        "</EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount>"
        "<EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount>2"
        "</EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount>"
        "<EmployeePriorYearPooledRegisteredPensionPlanContributionAmount>3"
        "</EmployeePriorYearPooledRegisteredPensionPlanContributionAmount>"
        "<EmployeePriorYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount>4"
        "</EmployeePriorYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount>"
        "<EmployerPooledRegisteredPensionPlanContributionAmount>5</EmployerPooledRegisteredPensionPlanContributionAmount>"
        "<PooledRegisteredPensionPlanContractNumber>K9</PooledRegisteredPensionPlanContractNumber>"
        "<SlipVersionDescription>Amended</SlipVersionDescription></PRPPSlip>";
    QTest::newRow("PRPP employee current") << prpp << 22 << "employeeCurrent" << "1";
    QTest::newRow("PRPP employee current exempt") << prpp << 22 << "employeeCurrentExempt" << "2";
    QTest::newRow("PRPP employee prior") << prpp << 22 << "employeePrior" << "3";
    QTest::newRow("PRPP employee prior exempt") << prpp << 22 << "employeePriorExempt" << "4";
    QTest::newRow("PRPP employer") << prpp << 22 << "employer" << "5";
    QTest::newRow("PRPP contract") << prpp << 22 << "contract" << "K9";
    QTest::newRow("PRPP version text") << prpp << 22 << "versionText" << "Amended";
    const QString t1204 = "<T1204Slip><PayerName>Gov</PayerName><A boxNumber=\"82\">1000</A></T1204Slip>";
    QTest::newRow("T1204 payer") << t1204 << 23 << "name" << "Gov";
    QTest::newRow("T1204 box 82") << t1204 << 23 << "box 82" << "1000";
    QTest::newRow("T2202 box stays in the map") << "<T2202Slip><A boxNumber=\"26\">4000</A></T2202Slip>" << 25
                                                << "map 26" << "4000";
}

void TestTaxSlips::ownFields()
{
    QFETCH(QString, xml);
    QFETCH(int, type);
    QFETCH(QString, field);
    QFETCH(QString, value);
    const std::unique_ptr<TaxSlip> slip = slipOf(xml);
    QVERIFY(slip);
    QCOMPARE(slip->slipType(), type);
    QCOMPARE(::field(*slip, field).toQString(), value);
}

void TestTaxSlips::unknownTagMakesNoSlip()
{
    QVERIFY(!makeTaxSlipForTag("T4Slips"));
    QVERIFY(!makeTaxSlipForTag("Summary"));
    QVERIFY(!makeTaxSlipForTag(nullptr));
}

void TestTaxSlips::t2202KeepsFourSessions()
{
    QString sessions;
    for (int i = 1; i <= 5; ++i)
        sessions += QString("<TuitionSessionPeriod><FromPeriod>2021-0%1</FromPeriod></TuitionSessionPeriod>").arg(i);
    const std::unique_ptr<TaxSlip> slip =
        slipOf("<T2202Slip><TuitionSessionPeriods>" + sessions + "</TuitionSessionPeriods></T2202Slip>");
    auto* t2202 = dynamic_cast<TaxSlipT2202*>(slip.get());
    QVERIFY(t2202);
    QCOMPARE(t2202->sessionCount, 4);
    QCOMPARE(t2202->fromPeriod[3], CString("2021-04"));
}

void TestTaxSlips::missingBoxReadsEmpty()
{
    const std::unique_ptr<TaxSlip> slip = slipOf("<T4Slip><A boxNumber=\"16\">5</A></T4Slip>");
    QVERIFY(slip);
    QCOMPARE(slip->getNumberedBoxValue("14"), 0.0);
    QVERIFY(slip->getNumberedBoxStrValue("14").IsEmpty());
    QCOMPARE(slip->getNumberedBoxValue("16"), 5.0);
}

void TestTaxSlips::pages_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected");   // after the heading

    QTest::newRow("T4") << "<T4Slip><TaxYear>2021</TaxYear><SlipVersionDescription>Original</SlipVersionDescription>"
                           "<EmployerName>&lt;b&gt;&amp; Co</EmployerName><P boxNumber=\"10\">ON</P>"
                           "<CPPQPPExemptCode boxNumber=\"28\">0</CPPQPPExemptCode>"
                           "<EmploymentInsurancePremiumExemptCode boxNumber=\"28\">1</EmploymentInsurancePremiumExemptCode>"
                           "<A boxNumber=\"22\">0.0</A><A boxNumber=\"14\">50000.00</A></T4Slip>"
                        << "Tax Year: 2021<br>\nVersion: Original<br>\n"
                           "Employer: &lt;b&gt;&amp; Co<br>\nBox 10 - Province: ON<br>\nBox 28 - EI exempt: 1<br>\n"
                           "Box 14 - Employment income: 50000.00<br>\nBox 22 - Income Tax Deducted: 0.0<br>\n";
    QTest::newRow("T4A boxes in text order")
        << "<T4ASlip><PayerName>Uni</PayerName><A boxNumber=\"16\">7</A><A boxNumber=\"104\">5</A></T4ASlip>"
        << "<h3>Payer: Uni<br>\n</h3>Box 104 - Research grants: 5<br>\n"
           "Box 16 - Pension Superannuation Payment: 7<br>\n";
    QTest::newRow("T5 payer line") << "<T5Slip><PayerName>Bank</PayerName></T5Slip>"
                                   << "<h3>Payer: Bank<br>\n</h3>";
    QTest::newRow("T2202")
        << "<T2202Slip><A boxNumber=\"10\">College</A><A boxNumber=\"26\">4000</A><TuitionSessionPeriods>"
           "<TuitionSessionPeriod><FromPeriod>2021-01</FromPeriod><ToPeriod>2021-04</ToPeriod>"
           "<PartTimeMonthCount>0</PartTimeMonthCount><FullTimeMonthCount>4</FullTimeMonthCount>"
           "<TuitionSessionEligibleFeesAmount>4000</TuitionSessionEligibleFeesAmount></TuitionSessionPeriod>"
           "</TuitionSessionPeriods></T2202Slip>"
        << "<h3>Box 10 - School Name: College<br>\nBox 26 - Total eligible tuition fee: 4000<br>\n"
           "<br>\nSession: 1<br>\nBox 19 - From (YYYY-MM): 2021-01<br>\nBox 20 - To (YYYY-MM): 2021-04<br>\n"
           "Box 22 - Number of months full-time: 4<br>\nBox 23 - Eligible tuition fee: 4000<br>\n</h3>";
}

void TestTaxSlips::pages()
{
    QFETCH(QString, xml);
    QFETCH(QString, expected);
    const std::unique_ptr<TaxSlip> slip = slipOf(xml);
    QVERIFY(slip);
    QCOMPARE(html(*slip, 3), heading(3, slip->slipType()) + expected);
}

QTEST_GUILESS_MAIN(TestTaxSlips)
#include "tst_taxslips.moc"
