// Auto-fill of a return from downloaded tax data: the options' gates, the
// downloaded records' getters, each slip's copy, the fill's edge cases, and
// that applying the same download twice leaves the return as once did.

#include <memory>

#include <QTemporaryDir>
#include <QtTest>

#include "autofill/dataafr.h"
#include "autofill/taxslip.h"
#include "autofill/tddtaxdata.h"
#include "familytaxdata.h"
#include "formtypes.h"
#include "itemfactory.h"
#include "modeltestsupport.h"
#include "scenario.h"
#include "schedules.h"
#include "tableform.h"
#include "wizards.h"

namespace {

const char* const kQueries[] = {"allowInstalment", "allowTuition", "allowRRSPContribution", "allowRRSPLimit",
                                "allowHBPLLP"};

bool ask(const DataAFR& o, const QString& query)
{
    if (query == "allowInstalment") return o.allowInstalment();
    if (query == "allowTuition") return o.allowTuition();
    if (query == "allowRRSPContribution") return o.allowRRSPContribution();
    if (query == "allowRRSPLimit") return o.allowRRSPLimit();
    return o.allowHBPLLP();
}

const char* const kSingle = R"({ "province": 9,
  "taxpayer": { "t1": { "first_name": "Maya", "last_name": "Okafor", "sin": "046454286",
                        "birth_date": "1985-04-12", "marital_status": 5 },
                "slips": [ { "type": 1, "boxes": { "14": 30000, "22": 4000 },
                             "fields": { "payer_name": "Own entry", "province_of_employment": 9 } } ] } })";

std::unique_ptr<CFamilyTaxData> buildFamily()
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(kSingle, &error);
    if (!family) qWarning("%s", qPrintable(error));
    return family;
}

template <typename T>
T* addSlip(TDDTaxDataOnePerson& data)
{
    auto* slip = new T;
    data.addSlip(slip);
    return slip;
}

TaxSlipT5008* addT5008(TDDTaxDataOnePerson& data, const char* units, const char* name, const char* cost,
                       const char* proceeds)
{
    auto* s = addSlip<TaxSlipT5008>(data);
    s->setOwnBox("16", units);
    s->setOwnBox("17", name);
    s->setOwnBox("20", cost);
    s->setOwnBox("21", proceeds);
    return s;
}

TaxSlipRRSPReceipt* addReceipt(TDDTaxDataOnePerson& data, const char* spousal, const char* prior, const char* current)
{
    auto* r = addSlip<TaxSlipRRSPReceipt>(data);
    r->RRSPSpouseContributionIndicator = spousal;
    r->PriorYearRRSPContributionAmount = prior;
    r->CurrentYearRRSPContributionAmount = current;
    return r;
}

// A download with a slip of every kind the fill handles and every other part.
void fillDownload(TDDTaxDataOnePerson& data)
{
    auto* t4 = addSlip<TaxSlipT4>(data);
    t4->employerName = "Maple Logistics Inc.";
    t4->province = "ON";
    t4->setBox("14", "52000.00");
    t4->setBox("22", "7100.50");
    auto* t5 = addSlip<TaxSlipT5>(data);
    t5->payerName = "Bank";
    t5->setBox("13", "412.37");
    auto* t4a = addSlip<TaxSlipT4A>(data);
    t4a->setBox("16", "1200");
    auto* t5013 = addSlip<TaxSlipT5013>(data);
    t5013->payerName = "Partners LP";
    t5013->setBox("5", "25");
    auto* t1204 = addSlip<TaxSlipT1204>(data);
    t1204->setOwnBox("82", "1000");
    t1204->setOwnBox("84", "250");
    addT5008(data, "10", "ACME common", "800", "1100");
    addT5008(data, "5", "Widget Fund", "300", "250");
    addReceipt(data, "0", "500", "1500");
    addReceipt(data, "1", "0", "700");
    data.summary.InstalmentAmount = "1200.00";
    data.summary.DeductionLimitAmount = "9000";
    data.summary.UnusedContributionAmount = "300";
    data.summary.addHBPRequiredRepayment("2021", "1000");
    data.summary.addLLPRequiredRepayment("2021", "400");
    data.carryOver.addFedTuition("2020", "2500");
    data.carryOver.addProvTuition("2020", "2600");
}

// Every value of every item of both persons, keyed by item kind, type, the
// item's place among those of its type, and field name.
QMap<QString, QString> snapshot(const CFamilyTaxData& family)
{
    QMap<QString, QString> out;
    auto add = [&out](const QString& prefix, const CTaxData_Form* object) {
        if (!object) return;
        for (const CField* f : object->fields().all())
            out.insert(prefix + f->GetName().c_str(), f->GetVariant().toString());
        out.insert(prefix + "(auto)", QString::number(object->isAutoFilled()));
    };
    for (IndividualTaxData* person : {family.taxpayer(), family.spouse()}) {
        if (!person) continue;
        const QString who = person == family.taxpayer() ? "T/" : "S/";
        QMap<int, int> seen;
        for (const STRUCT_FORMDATA_ITEM_2004* item : person->forms())
            add(QStringLiteral("%1F%2.%3/").arg(who).arg(item->formType).arg(seen[item->formType]++), item->object);
        seen.clear();
        for (const STRUCT_SLIPDATA_ITEM_2004* item : person->slips())
            add(QStringLiteral("%1S%2.%3/").arg(who).arg(item->slipType).arg(seen[1000 + item->slipType]++),
                item->object);
        for (const STRUCT_WIZDATA_ITEM_2004* item : person->wizards())
            add(QStringLiteral("%1W%2/").arg(who).arg(item->kind), item->object);
    }
    return out;
}

const char* const kCoupled = R"({ "province": 9,
  "taxpayer": { "t1": { "first_name": "Maya", "last_name": "Okafor", "sin": "046454286",
                        "birth_date": "1985-04-12", "marital_status": 0 },
                "slips": [ { "type": 1, "boxes": { "14": 30000, "22": 4000 },
                             "fields": { "payer_name": "Own entry", "province_of_employment": 9 } } ] },
  "spouse": { "t1": { "first_name": "Sam", "last_name": "Okafor", "sin": "130692544",
                      "birth_date": "1984-02-03", "marital_status": 0 },
              "slips": [ { "type": 1, "boxes": { "14": 20000, "22": 2000 },
                           "fields": { "payer_name": "Spouse's own", "province_of_employment": 9 } } ] } })";

// The spouse's own file before the couple's returns are joined.
const char* const kSpouseAlone = R"({ "province": 9,
  "taxpayer": { "t1": { "first_name": "Sam", "last_name": "Okafor", "sin": "130692544",
                        "birth_date": "1984-02-03", "marital_status": 5 } } })";

std::unique_ptr<CFamilyTaxData> buildFrom(const char* json)
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json, &error);
    if (!family) qWarning("%s", qPrintable(error));
    return family;
}

// A download of `count` share dispositions, each a gain of 10 times its place.
void fillDispositions(TDDTaxDataOnePerson& data, int count)
{
    for (int i = 1; i <= count; ++i)
        addT5008(data, "1", QStringLiteral("Fund %1").arg(i, 2, 10, QLatin1Char('0')).toLatin1().constData(),
                 QByteArray::number(1000 * i).constData(), QByteArray::number(1000 * i + 10 * i).constData());
}

// What the fixture tests compare after each run: per person the slips by
// type, the links that point at nothing, lines 10100, 12100, 12700, the
// result (negative a refund) and the Schedule 3 share rows in use.
struct PersonFacts
{
    QMap<int, int> slips;
    int statements = 0;   // T2125 business statements
    int danglingLinks = 0;
    double employment = 0, interest = 0, gains = 0, result = 0;
    int shareRows = 0;
    bool operator==(const PersonFacts& o) const
    {
        return slips == o.slips && statements == o.statements && danglingLinks == o.danglingLinks && employment == o.employment
               && interest == o.interest && gains == o.gains && result == o.result && shareRows == o.shareRows;
    }
};

PersonFacts factsOf(IndividualTaxData& person, IndividualTaxData& other)
{
    PersonFacts f;
    for (const STRUCT_SLIPDATA_ITEM_2004* item : person.slips()) {
        ++f.slips[item->slipType];
        if (item->sharedId == 0) continue;
        const STRUCT_SLIPDATA_ITEM_2004* partner = nullptr;
        for (const STRUCT_SLIPDATA_ITEM_2004* candidate : other.slips())
            if (candidate->slipType == item->slipType && candidate->uniqueId == item->sharedId) partner = candidate;
        if (!partner || partner->sharedId != item->uniqueId) ++f.danglingLinks;
    }
    for (const STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
        if (item->formType == FormType::T2125) ++f.statements;
        if (item->sharedId == 0) continue;
        const STRUCT_FORMDATA_ITEM_2004* partner = nullptr;
        for (const STRUCT_FORMDATA_ITEM_2004* candidate : other.forms())
            if (candidate->formType == item->formType && candidate->uniqueId == item->sharedId) partner = candidate;
        if (!partner || partner->sharedId != item->uniqueId) ++f.danglingLinks;
    }
    if (const CTaxData_Form* t1 = person.t1()) {
        f.employment = t1->getFloat("10100");
        f.interest = t1->getFloat("12100");
        f.gains = t1->getFloat("12700");
    }
    person.getFedAmountClaimed(483, f.result);
    if (const CTaxData_Form* sch3 = person.GetFormData(FormType::Schedule3, false))
        f.shareRows = sch3->getInt("shares_count");
    return f;
}

QString describe(const PersonFacts& f)
{
    QStringList slips;
    for (auto it = f.slips.cbegin(); it != f.slips.cend(); ++it) slips << QStringLiteral("%1x%2").arg(it.key()).arg(it.value());
    return QStringLiteral("slips %1, T2125 %8, dangling %2, 10100 %3, 12100 %4, 12700 %5, result %6, share rows %7")
        .arg(slips.join(' ')).arg(f.danglingLinks).arg(f.employment).arg(f.interest).arg(f.gains).arg(f.result)
        .arg(f.shareRows).arg(f.statements);
}

int countAutoFilledSlips(const IndividualTaxData& person, ENUMTYPE_SLIP type)
{
    int n = 0;
    for (const STRUCT_SLIPDATA_ITEM_2004* item : person.slips())
        if (item->slipType == type && item->object->isAutoFilled()) ++n;
    return n;
}

}   // namespace

class TestAutoFill : public QObject
{
    Q_OBJECT

private slots:
    void gates_data();
    void gates();
    void recordGetters();
    void slipCopies();
    void fillEverything();
    void fillEdgeCases_data();
    void fillEdgeCases();
    void nothingTickedChangesNothing();
    void secondFillChangesNothing_data();
    void secondFillChangesNothing();
    void downloadedFixtures_data();
    void downloadedFixtures();
    void grownScheduleIsSavedAndCopiedWhole();
};

// Under "only what is ticked" each tick opens its own slip type or query and
// nothing else; under "everything" every query is open whatever is ticked.
void TestAutoFill::gates_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("tick");
    QTest::addColumn<int>("slipType");   // the type the tick opens; -1 every type, -2 none
    QTest::addColumn<QString>("query");  // the query the tick opens, or empty

    QTest::newRow("everything, nothing ticked") << 0 << QString() << -1 << QString();
    QTest::newRow("ticks, nothing ticked") << 1 << QString() << -2 << QString();
    QTest::newRow("no choice made, nothing ticked") << -1 << QString() << -2 << QString();
    const struct { const char* tick; int type; } slips[] = {
        {"fld_bT4", 1},    {"fld_bT4A", 2},   {"fld_bT4AP", 3},  {"fld_bT4RSP", 4},  {"fld_bT4E", 5},
        {"fld_bT4AOAS", 6}, {"fld_bT4RIF", 7}, {"fld_bT5", 8},    {"fld_bT3", 9},     {"fld_bT5007", 11},
        {"fld_bRC62", 17}, {"fld_bRC210", 18}, {"fld_bT5008", 19}, {"fld_bMBSB", 21}, {"fld_bPRPP", 22},
        {"fld_bT1204", 23}, {"fld_bT2202", 25}};
    for (const auto& s : slips)
        QTest::newRow(s.tick) << 1 << QString(s.tick) << s.type << QString();
    const struct { const char* tick; const char* query; } others[] = {
        {"fld_bInstalment", "allowInstalment"}, {"fld_bTuition", "allowTuition"},
        {"fld_bRRSPContribution", "allowRRSPContribution"}, {"fld_bRRSPLimit", "allowRRSPLimit"},
        {"fld_bHBPLLP", "allowHBPLLP"}};
    for (const auto& o : others)
        QTest::newRow(o.tick) << 1 << QString(o.tick) << -2 << QString(o.query);
    QTest::newRow("T4 ticked, no choice made") << -1 << QString("fld_bT4") << 1 << QString();
}

void TestAutoFill::gates()
{
    QFETCH(int, option);
    QFETCH(QString, tick);
    QFETCH(int, slipType);
    QFETCH(QString, query);

    DataAFR o;
    QCOMPARE(o.fillOption(), -1);
    QCOMPARE(o.fields().size(), 23);
    o.setFillOption(option);
    if (!tick.isEmpty()) o.setTick(tick.toLatin1().constData(), true);
    const bool all = slipType == -1;
    for (int type = 0; type <= 26; ++type)
        QVERIFY2(o.allowApplySlip(type) == (all || type == slipType), qPrintable(QString::number(type)));
    for (const char* q : kQueries) QVERIFY2(ask(o, q) == (all || query == q), q);
}

void TestAutoFill::recordGetters()
{
    _SummaryStruct summary;
    QCOMPARE(summary.getHBPRequiredRepaymentForYear("2021"), 0.0);
    summary.addHBPRequiredRepayment("2021", "1000.50");
    summary.addHBPRequiredRepayment("2020", "800");
    summary.addHBPRequiredRepayment("2020", "1");
    QCOMPARE(summary.getHBPRequiredRepaymentForYear("2020"), 800.0);   // the first of the year wins
    QCOMPARE(summary.getHBPRequiredRepaymentForYear("2021"), 1000.5);
    QCOMPARE(summary.getHBPRequiredRepaymentForYear("2019"), 0.0);
    QCOMPARE(summary.getLLPRequiredRepaymentForYear("2021"), 0.0);
    for (int i = 0; i < _SummaryStruct::kRepayments; ++i) summary.addLLPRequiredRepayment("2000", "1");
    QVERIFY(!summary.addLLPRequiredRepayment("2021", "5"));   // beyond capacity: dropped
    QCOMPARE(summary.getLLPRequiredRepaymentForYear("2021"), 0.0);

    StructCarryOver carry;
    carry.addFedTuition("2019", "10");
    carry.addFedTuition("2020", "2500.25");
    carry.addProvTuition("2020", "2600");
    QCOMPARE(carry.getFedTuitionForTaxYear("2020"), 2500.25);
    QCOMPARE(carry.getProvTuitionForTaxYear("2020"), 2600.0);
    QCOMPARE(carry.getProvTuitionForTaxYear("2019"), 0.0);

    TDDTaxDataOnePerson data(2021);
    for (int i = 0; i < TDDTaxDataOnePerson::kSlips; ++i) QVERIFY(data.addSlip(new TaxSlipT5));
    QVERIFY(!data.addSlip(new TaxSlipT4));   // the 257th is dropped
    QCOMPARE(data.slipCount(), TDDTaxDataOnePerson::kSlips);
}

void TestAutoFill::slipCopies()
{
    // Box 24 below a cent leaves the slip's box and its mark alone; box 26 of
    // a cent writes both. Exempt codes above 0.9 set the flags.
    TaxSlipT4 t4;
    t4.employerName = "Maple";
    t4.province = "ON";
    t4.setBox("14", "52000");
    t4.setBox("24", "0.005");
    t4.setBox("26", "0.009");
    t4.setBox("87", "150");
    t4.cppQppExemptCode = "1";
    t4.eiExemptCode = "0";
    std::unique_ptr<CTaxData_Form> form(AllocSlipData(1));
    form->setFloat("24", 7.0);
    form->setBool("ei_exempt", true);
    QCOMPARE(t4.copyToSlipData(form.get()), 0);
    QCOMPARE(form->getString("payer_name"), CString("Maple"));
    QCOMPARE(form->getInt("province_of_employment"), int(PROV_ON));
    QCOMPARE(form->getFloat("14"), 52000.0);
    QCOMPARE(form->getFloat("24"), 7.0);
    QVERIFY(!form->getBool("ei_insurable_earnings_entered"));
    QCOMPARE(form->getFloat("26"), 0.009);
    QVERIFY(form->getBool("pensionable_earnings_entered"));
    QVERIFY(form->getBool("cpp_qpp_exempt"));
    QVERIFY(!form->getBool("ei_exempt"));
    QCOMPARE(form->getFloat("87"), 150.0);

    // A T4 form handed to another kind's copy, or to the T5008 and receipt
    // kinds, is left as it was.
    std::unique_ptr<CTaxData_Form> untouched(AllocSlipData(1));
    TaxSlipT5 t5;
    t5.payerName = "Bank";
    t5.setBox("14", "99");
    TaxSlipT5008 t5008;
    t5008.setOwnBox("21", "5");
    TaxSlipRRSPReceipt receipt;
    QCOMPARE(t5.copyToSlipData(untouched.get()), 0);
    QCOMPARE(t5008.copyToSlipData(untouched.get()), 0);
    QCOMPARE(receipt.copyToSlipData(untouched.get()), 0);
    for (const CField* f : untouched->fields().all()) QVERIFY2(f->IsDefault(), f->GetName().c_str());

    // The T4A prints three-digit boxes; a T4RSP box 24 of 1 is a spousal plan.
    TaxSlipT4A t4a;
    t4a.setBox("16", "1200");
    t4a.setBox("105", "3000");
    std::unique_ptr<CTaxData_Form> t4aForm(AllocSlipData(2));
    t4a.copyToSlipData(t4aForm.get());
    QCOMPARE(t4aForm->getFloat("016"), 1200.0);
    QCOMPARE(t4aForm->getFloat("105"), 3000.0);
    TaxSlipT4RSP t4rsp;
    t4rsp.setOwnBox("24", "1");
    t4rsp.setOwnBox("22", "5000");
    QVERIFY(!t4rsp.setOwnBox("99", "1"));
    std::unique_ptr<CTaxData_Form> rspForm(AllocSlipData(4));
    t4rsp.copyToSlipData(rspForm.get());
    QVERIFY(rspForm->getBool("spousal_plan"));
    QCOMPARE(rspForm->getFloat("22"), 5000.0);

    // A T2202 with two sessions writes session lines 1 and 2 only; another
    // class answers 1.
    TaxSlipT2202 t2202;
    t2202.setBox("10", "Lakeshore College");
    t2202.sessionCount = 2;
    for (int k = 0; k < TaxSlipT2202::kSessions; ++k) {
        t2202.fromPeriod[k] = "2021-01";
        t2202.eligibleFees[k] = CString(QByteArray::number(1000 * (k + 1)));
    }
    std::unique_ptr<CTaxData_Form> t2202Form(AllocSlipData(25));
    QCOMPARE(t2202.copyToSlipData(t2202Form.get()), 0);
    QCOMPARE(t2202Form->getString("10"), CString("Lakeshore College"));
    QCOMPARE(t2202Form->getFloat(TableForm::rowField("sessions.#.fees", 2)), 2000.0);
    QCOMPARE(t2202Form->getFloat(TableForm::rowField("sessions.#.fees", 3)), 0.0);
    QCOMPARE(t2202Form->getString(TableForm::rowField("sessions.#.from", 3)), CString());
    QCOMPARE(t2202.copyToSlipData(untouched.get()), 1);
    QCOMPARE(t2202.copyToSlipData(nullptr), 1);
}

// "Everything": each downloaded slip with a class becomes a marked slip, the
// T1204 a business statement, the T5008 slips share dispositions, and the
// five other parts go in.
void TestAutoFill::fillEverything()
{
    std::unique_ptr<CFamilyTaxData> family = buildFamily();
    QVERIFY(family);
    IndividualTaxData& p = *family->taxpayer();
    TDDTaxDataOnePerson data(2021);
    fillDownload(data);
    DataAFR o;
    o.setFillOption(0);
    QCOMPARE(family->AutoFillReturn(data, &o), 0);

    for (int type : {1, 2, 8, 13, 23}) QVERIFY2(countAutoFilledSlips(p, type) == 1, qPrintable(QString::number(type)));
    QCOMPARE(p.GetCountOfSlip(SlipType::T4), 2);   // the user's own T4 stays
    QCOMPARE(p.GetCountOfSlip(SlipType::T5008) + p.GetCountOfSlip(SlipType::RRSP), 0);
    QCOMPARE(p.GetCountOfForm(FormType::T2125), 1);
    CTaxData_Form* t2125 = p.GetFormData(FormType::T2125, false);
    QVERIFY(t2125->isAutoFilled());
    QCOMPARE(t2125->getString("business_description"), CString("Government Service Contract"));
    QCOMPARE(t2125->getFloat("line_3A"), 1250.0);

    CTaxData_Form* sch3 = p.GetFormData(FormType::Schedule3, false);
    QVERIFY(sch3);
    QCOMPARE(sch3->getInt("shares_count"), 2);
    QCOMPARE(sch3->getString(TableForm::rowField("shares.#.description", 2)), CString("Widget Fund"));
    QCOMPARE(sch3->getFloat(TableForm::rowField("shares.#.proceeds", 1)), 1100.0);
    QCOMPARE(sch3->getFloat(TableForm::rowField("shares.#.adjusted_cost_base", 1)), 800.0);
    QCOMPARE(sch3->getFloat(TableForm::rowField("shares.#.number", 1)), 10.0);

    CTaxData_Form* t1 = p.t1();
    QCOMPARE(t1->getFloat("47600"), 1200.0);
    QCOMPARE(t1->getFloat("carryforward_unused_tuition_federal"), 2500.0);
    QCOMPARE(t1->getFloat("carryforward_unused_tuition_provincial"), 2600.0);
    QCOMPARE(t1->getFloat("carryforward_hbp_balance"), 1000.0);
    QCOMPARE(t1->getFloat("carryforward_llp_balance"), 400.0);
    QVERIFY(t1->isAutoFilled());
    const QDate filled = t1->getDate("autofill_request_date");   // today, or yesterday past midnight
    QVERIFY2(filled == QDate::currentDate() || filled == QDate::currentDate().addDays(-1), qPrintable(filled.toString()));
    QCOMPARE(p.GetFormData(FormType::Schedule11, false)->getFloat("unused_tuition_carryforward"), 2500.0);
    CTaxData_Form* sch7 = p.GetFormData(FormType::Schedule7, false);
    QCOMPARE(sch7->getFloat("line_1"), 300.0);
    QCOMPARE(sch7->getFloat("rrsp_deduction_limit"), 9000.0);
    QVERIFY(!sch7->getBool(TableForm::rowField("contributions.#.spousal", 1)));
    QCOMPARE(sch7->getFloat(TableForm::rowField("contributions.#.amount_2021", 1)), 1500.0);
    QCOMPARE(sch7->getFloat(TableForm::rowField("contributions.#.amount_2022", 1)), 500.0);
    QVERIFY(sch7->getBool(TableForm::rowField("contributions.#.spousal", 2)));
    QCOMPARE(sch7->getFloat(TableForm::rowField("contributions.#.amount_2021", 2)), 700.0);
    CTaxData_Form* lastYear = p.GetWizData(2, false);
    QVERIFY(dynamic_cast<TaxData_LastYearAmounts*>(lastYear));
    QCOMPARE(lastYear->getFloat("rrsp_deduction_limit"), 9000.0);
    QCOMPARE(lastYear->getFloat("11001"), 2600.0);
    QCOMPARE(lastYear->getFloat("hbp_balance"), 1000.0);
}

void TestAutoFill::fillEdgeCases_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("spousal indicator 0.05 is an own contribution") << "receipt";
    QTest::newRow("two T5008 after three entries fill 4 and 5") << "t5008";
    QTest::newRow("HBP 0.008 and LLP 0 write nothing but the mark") << "hbp";
    QTest::newRow("T1204 82 1000 and 84 250 give 1250") << "t1204";
    QTest::newRow("an amount beyond any return reads as nothing") << "absurd";
    QTest::newRow("a negative amount where the line holds none is not taken") << "negative";
}

void TestAutoFill::fillEdgeCases()
{
    QFETCH(QString, kind);
    std::unique_ptr<CFamilyTaxData> family = buildFamily();
    QVERIFY(family);
    IndividualTaxData& p = *family->taxpayer();
    TDDTaxDataOnePerson data(2021);
    DataAFR o;
    o.setFillOption(0);

    if (kind == "receipt") {
        addReceipt(data, "0.05", "0", "800");
        p.AutoFillReturn(data, &o);
        CTaxData_Form* sch7 = p.GetFormData(FormType::Schedule7, false);
        QVERIFY(sch7);
        QVERIFY(!sch7->getBool(TableForm::rowField("contributions.#.spousal", 1)));
        QCOMPARE(sch7->getFloat(TableForm::rowField("contributions.#.amount_2021", 1)), 800.0);
        QCOMPARE(sch7->getFloat(TableForm::rowField("contributions.#.amount_2021", 2)), 0.0);
    } else if (kind == "t5008") {
        CTaxData_Form* sch3 = p.makeFormExist(FormType::Schedule3);
        for (int row = 1; row <= 3; ++row) {
            sch3->setString(TableForm::rowField("shares.#.description", row), "own");
            sch3->setFloat(TableForm::rowField("shares.#.proceeds", row), 100.0 * row);
        }
        sch3->setInt("shares_count", 3);
        addT5008(data, "1", "A", "10", "20");
        addT5008(data, "2", "B", "30", "40");
        p.AutoFillReturn(data, &o);
        QCOMPARE(sch3->getInt("shares_count"), 5);
        QCOMPARE(sch3->getFloat(TableForm::rowField("shares.#.proceeds", 3)), 300.0);
        QCOMPARE(sch3->getString(TableForm::rowField("shares.#.description", 4)), CString("A"));
        QCOMPARE(sch3->getString(TableForm::rowField("shares.#.description", 5)), CString("B"));
        QCOMPARE(sch3->getFloat(TableForm::rowField("shares.#.proceeds", 5)), 40.0);
    } else if (kind == "hbp") {
        data.summary.addHBPRequiredRepayment("2021", "0.008");
        data.summary.addLLPRequiredRepayment("2021", "0");
        p.t1()->setFloat("carryforward_hbp_balance", 77.0);
        p.GetWizData(2, false)->setFloat("hbp_balance", 77.0);
        QVERIFY(!p.t1()->isAutoFilled());
        p.AutoFillReturn(data, &o);
        QCOMPARE(p.t1()->getFloat("carryforward_hbp_balance"), 77.0);
        QCOMPARE(p.GetWizData(2, false)->getFloat("hbp_balance"), 77.0);
        QVERIFY(p.t1()->isAutoFilled());
    } else if (kind == "negative") {
        auto* t4 = addSlip<TaxSlipT4>(data);
        t4->employerName = "Maple Logistics Inc.";
        t4->setBox("14", "52000.00");
        t4->setBox("22", "-7100.50");
        data.summary.InstalmentAmount = "-1200.00";
        p.t1()->setFloat("47600", 300.0);
        const int before = int(p.slips().size());
        p.AutoFillReturn(data, &o);
        QCOMPARE(int(p.slips().size()), before + 1);
        const CTaxData_Form* slip = p.slips().back()->object;
        QCOMPARE(slip->getFloat("14"), 52000.0);
        QCOMPARE(slip->getFloat("22"), 0.0);
        QCOMPARE(p.t1()->getFloat("47600"), 300.0);
        // The box left out is named once to the user, then forgotten.
        QCOMPARE(p.takeLeftOutAmounts(), std::list<CString>{CString("Box 22 of T4 cannot be negative.")});
        QVERIFY(p.takeLeftOutAmounts().empty());
    } else if (kind == "absurd") {
        auto* t1204 = addSlip<TaxSlipT1204>(data);
        t1204->setOwnBox("82", "1e300");
        t1204->setOwnBox("84", "250");
        data.summary.InstalmentAmount = "-9e18";
        p.AutoFillReturn(data, &o);
        QCOMPARE(p.GetFormData(FormType::T2125, false)->getFloat("line_3A"), 250.0);
        QCOMPARE(p.t1()->getFloat("47600"), 0.0);
    } else {
        auto* t1204 = addSlip<TaxSlipT1204>(data);
        t1204->setOwnBox("82", "1000");
        t1204->setOwnBox("84", "250");
        p.AutoFillReturn(data, &o);
        QCOMPARE(p.GetCountOfForm(FormType::T2125), 1);
        QCOMPARE(p.GetFormData(FormType::T2125, false)->getFloat("line_3A"), 1250.0);
        QCOMPARE(countAutoFilledSlips(p, 23), 1);
    }
}

// "Only what is ticked" with nothing ticked: an earlier auto-fill's items
// stay, nothing is added, and no amount is written.
void TestAutoFill::nothingTickedChangesNothing()
{
    std::unique_ptr<CFamilyTaxData> family = buildFamily();
    QVERIFY(family);
    TDDTaxDataOnePerson data(2021);
    fillDownload(data);
    DataAFR all;
    all.setFillOption(0);
    family->AutoFillReturn(data, &all);
    const QMap<QString, QString> before = snapshot(*family);

    TDDTaxDataOnePerson other(2021);
    fillDownload(other);
    other.summary.InstalmentAmount = "5";
    DataAFR none;
    none.setFillOption(1);
    family->AutoFillReturn(other, &none);
    QCOMPARE(snapshot(*family), before);
}

void TestAutoFill::secondFillChangesNothing_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("ticks");
    QTest::newRow("everything") << 0 << QStringList();
    QTest::newRow("T1204, T5008 and receipts ticked")
        << 1 << QStringList{"fld_bT1204", "fld_bT5008", "fld_bRRSPContribution", "fld_bT4"};
}

// The mend: a second auto-fill of the same download replaces what the first
// added, so that no income is counted twice.
void TestAutoFill::secondFillChangesNothing()
{
    QFETCH(int, option);
    QFETCH(QStringList, ticks);
    std::unique_ptr<CFamilyTaxData> family = buildFamily();
    QVERIFY(family);
    IndividualTaxData& p = *family->taxpayer();
    CTaxData_Form* sch3 = p.makeFormExist(FormType::Schedule3);
    sch3->setString(TableForm::rowField("shares.#.description", 1), "own");
    sch3->setFloat(TableForm::rowField("shares.#.proceeds", 1), 900.0);
    sch3->setFloat(TableForm::rowField("shares.#.adjusted_cost_base", 1), 400.0);
    sch3->setInt("shares_count", 1);
    family->Calculate(-1, nullptr);
    const double before = p.t1()->getFloat("15000");

    TDDTaxDataOnePerson data(2021);
    fillDownload(data);
    DataAFR o;
    o.setFillOption(option);
    for (const QString& t : ticks) o.setTick(t.toLatin1().constData(), true);
    family->AutoFillReturn(data, &o);
    const QMap<QString, QString> first = snapshot(*family);
    const double once = p.t1()->getFloat("15000");
    // The business income (1250), the T4 (52000) and the gain on the shares
    // are in: the fill did something to compare.
    QVERIFY(once > before + 53000.0);

    family->AutoFillReturn(data, &o);
    QCOMPARE(p.t1()->getFloat("15000"), once);
    QCOMPARE(p.GetCountOfForm(FormType::T2125), 1);
    QCOMPARE(sch3->getInt("shares_count"), 3);
    QCOMPARE(sch3->getFloat(TableForm::rowField("shares.#.proceeds", 1)), 900.0);
    const QMap<QString, QString> second = snapshot(*family);
    QCOMPARE(second.keys(), first.keys());
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        QVERIFY2(second.value(it.key()) == it.value(),
                 qPrintable(it.key() + ": " + it.value() + " then " + second.value(it.key())));
}

// Fixtures of downloaded data, each filled once and then again: the second
// run must leave every fact as the first did, and the first must count each
// downloaded dollar once.
void TestAutoFill::downloadedFixtures_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<double>("taxpayer10100");
    QTest::addColumn<double>("spouse10100");
    QTest::addColumn<double>("family12100");
    QTest::addColumn<double>("family12700");
    QTest::addColumn<int>("taxpayerSlips");
    QTest::addColumn<int>("spouseSlips");
    QTest::addColumn<int>("shareRows");

    // The single return: its own T4 (30,000) and the download's (52,000);
    // interest 412.37; gains 300 - 50 = 250, taxable 125.
    QTest::newRow("single return") << "single" << 82000.0 << 0.0 << 412.37 << 125.0 << 6 << 0 << 2;
    // Joined after its own auto-fill: the spouse's T4 is the download's,
    // once (it was 104,000 when the copy lost the mark).
    QTest::newRow("spouse coupled in after its own auto-fill, then again")
        << "coupled in" << 30000.0 << 52000.0 << 412.37 << 125.0 << 1 << 5 << 2;
    // The T5 shared half and half: the family's interest is the slip's once.
    QTest::newRow("shared T5, then auto-fill again")
        << "shared T5" << 82000.0 << 20000.0 << 412.37 << 125.0 << 6 << 2 << 2;
    // The business statement of the T1204 shared with the spouse: replaced
    // with its copy, never left linked to nothing.
    QTest::newRow("shared business statement, then auto-fill again")
        << "shared T2125" << 82000.0 << 20000.0 << 412.37 << 125.0 << 6 << 1 << 2;
    // Seventy dispositions: every gain, none dropped: (10 + ... + 700) / 2.
    QTest::newRow("70 T5008 slips") << "70 T5008" << 30000.0 << 0.0 << 0.0 << 12425.0 << 1 << 0 << 70;
}

void TestAutoFill::downloadedFixtures()
{
    QFETCH(QString, fixture);
    QFETCH(double, taxpayer10100);
    QFETCH(double, spouse10100);
    QFETCH(double, family12100);
    QFETCH(double, family12700);
    QFETCH(int, taxpayerSlips);
    QFETCH(int, spouseSlips);
    QFETCH(int, shareRows);

    TDDTaxDataOnePerson data(2021);
    if (fixture == "70 T5008")
        fillDispositions(data, 70);
    else
        fillDownload(data);
    DataAFR o;
    o.setFillOption(0);

    const bool coupled = fixture == "shared T5" || fixture == "shared T2125";
    std::unique_ptr<CFamilyTaxData> family = buildFrom(coupled ? kCoupled : kSingle);
    QVERIFY(family);
    if (fixture == "coupled in") {
        std::unique_ptr<CFamilyTaxData> spouseFile = buildFrom(kSpouseAlone);
        QVERIFY(spouseFile);
        spouseFile->AutoFillReturn(data, &o);
        family->CoupleTaxReturn(spouseFile.get());
        QVERIFY(family->IsCoupledReturn());
        family->setCurIndv(CFamilyTaxData::kSpouse);
        family->Calculate(-1, nullptr);
    } else if (fixture == "shared T5") {
        family->AutoFillReturn(data, &o);
        STRUCT_SLIPDATA_ITEM_2004* t5 = nullptr;
        for (STRUCT_SLIPDATA_ITEM_2004* item : family->taxpayer()->slips())
            if (item->slipType == SlipType::T5) t5 = item;
        QVERIFY(t5);
        family->ShareTaxSlipWithSpouse(t5->object, 0);
        family->Calculate(1, t5->object);
    } else if (fixture == "shared T2125") {
        family->AutoFillReturn(data, &o);
        CTaxData_Form* t2125 = family->taxpayer()->GetFormData(FormType::T2125, false);
        QVERIFY(t2125);
        family->ShareTaxFormWithSpouse(t2125, 0);
        QVERIFY(family->IsTaxFormSharedWithSpouse(t2125));
        family->Calculate(0, t2125);
    }
    IndividualTaxData& p = *family->taxpayer();
    IndividualTaxData& s = *family->spouse();
    double refundBefore = 0;
    p.getFedAmountClaimed(483, refundBefore);

    PersonFacts first[2];
    for (int run = 1; run <= 2; ++run) {
        QCOMPARE(family->AutoFillReturn(data, &o), 0);
        const PersonFacts now[2] = {factsOf(p, s), factsOf(s, p)};
        const QString seen = describe(now[0]) + " / " + describe(now[1]);
        int slips[2] = {0, 0};
        for (int i = 0; i < 2; ++i)
            for (int n : now[i].slips) slips[i] += n;
        QVERIFY2(slips[0] == taxpayerSlips && slips[1] == spouseSlips, qPrintable(seen));
        QVERIFY2(now[0].danglingLinks == 0 && now[1].danglingLinks == 0, qPrintable(seen));
        QVERIFY2(qAbs(now[0].employment - taxpayer10100) < 0.005, qPrintable(seen));
        QVERIFY2(qAbs(now[1].employment - spouse10100) < 0.005, qPrintable(seen));
        QVERIFY2(qAbs(now[0].interest + now[1].interest - family12100) < 0.011, qPrintable(seen));
        QVERIFY2(qAbs(now[0].gains + now[1].gains - family12700) < 0.005, qPrintable(seen));
        QVERIFY2(now[0].shareRows + now[1].shareRows == shareRows, qPrintable(seen));
        if (run == 1) {
            first[0] = now[0];
            first[1] = now[1];
            // A first fill of the taxpayer's return changed its result.
            if (fixture == "single" || fixture == "70 T5008")
                QVERIFY2(now[0].result != refundBefore, qPrintable(seen));
        } else {
            QVERIFY2(now[0] == first[0], qPrintable(describe(first[0]) + " then " + describe(now[0])));
            QVERIFY2(now[1] == first[1], qPrintable(describe(first[1]) + " then " + describe(now[1])));
        }
    }
    if (fixture == "shared T5") {
        // Still half and half on both sides, and still linked.
        for (IndividualTaxData* person : {&p, &s}) {
            int t5s = 0;
            for (const STRUCT_SLIPDATA_ITEM_2004* item : person->slips())
                if (item->slipType == SlipType::T5) {
                    ++t5s;
                    QCOMPARE(item->object->getFloat("share_percent"), 50.0);
                    QVERIFY(item->sharedId != 0);
                    // Only the taxpayer's download made it.
                    QCOMPARE(item->object->isAutoFilled(), person == &p);
                }
            QCOMPARE(t5s, 1);
        }
    }
    if (fixture == "shared T2125") {
        QCOMPARE(first[0].statements, 1);
        QCOMPARE(first[1].statements, 1);
        QVERIFY(family->IsTaxFormSharedWithSpouse(p.GetFormData(FormType::T2125, false)));
        QVERIFY(!s.GetFormData(FormType::T2125, false)->isAutoFilled());
    }
    if (fixture == "coupled in") {
        // The spouse's auto-filled items kept their mark through the copy.
        QCOMPARE(countAutoFilledSlips(s, SlipType::T4), 1);
        QCOMPARE(s.GetCountOfForm(FormType::T2125), 1);
    }
}

// Seventy rows are stored, read back, copied and compared whole.
void TestAutoFill::grownScheduleIsSavedAndCopiedWhole()
{
    std::unique_ptr<CFamilyTaxData> family = buildFrom(kSingle);
    QVERIFY(family);
    TDDTaxDataOnePerson data(2021);
    fillDispositions(data, 70);
    DataAFR o;
    o.setFillOption(0);
    family->AutoFillReturn(data, &o);
    auto* sch3 = dynamic_cast<CTaxData_Schedule_3*>(family->taxpayer()->GetFormData(FormType::Schedule3, false));
    QVERIFY(sch3);
    QCOMPARE(sch3->shareRows(), 70);
    QCOMPARE(sch3->getString(TableForm::rowField("shares.#.description", 70)), CString("Fund 70"));
    QCOMPARE(sch3->getFloat("13199"), 1000.0 * 70 * 71 / 2 + 10.0 * 70 * 71 / 2);

    QTemporaryDir dir;
    const QString path = dir.filePath("seventy.r21");
    QVERIFY(family->saveToFile(CString(path)));
    int result = -99;
    std::unique_ptr<CFamilyTaxData> read(CFamilyTaxData::serializeFromFile(CString(path), result));
    QCOMPARE(result, 0);
    QVERIFY(read);
    read->Calculate(-1, nullptr);
    auto* again = dynamic_cast<CTaxData_Schedule_3*>(read->taxpayer()->GetFormData(FormType::Schedule3, false));
    QVERIFY(again);
    QCOMPARE(again->shareRows(), 70);
    QCOMPARE(again->getInt("shares_count"), 70);
    for (int row : {1, 60, 61, 70}) {
        QCOMPARE(again->getString(TableForm::rowField("shares.#.description", row)),
                 CString(QStringLiteral("Fund %1").arg(row, 2, 10, QLatin1Char('0')).toLatin1()));
        QVERIFY(again->getBool(TableForm::rowField("shares.#.auto_filled", row)));
    }
    QCOMPARE(read->taxpayer()->t1()->getFloat("12700"), family->taxpayer()->t1()->getFloat("12700"));
    QVERIFY(*read == *family);

    // The editor's reference copy and the planning copy take every row.
    CFamilyTaxData copy(MULTIPROV_MODE_FILE);
    copy = *read;
    QVERIFY(copy == *read);
    auto* copied = dynamic_cast<CTaxData_Schedule_3*>(copy.taxpayer()->GetFormData(FormType::Schedule3, false));
    QCOMPARE(copied->shareRows(), 70);
    QCOMPARE(copied->getFloat(TableForm::rowField("shares.#.proceeds", 70)), 70700.0);

    // A second fill of the same download leaves 70 rows, not 140.
    read->AutoFillReturn(data, &o);
    QCOMPARE(again->getInt("shares_count"), 70);
    QCOMPARE(again->shareRows(), 70);
    QCOMPARE(read->taxpayer()->t1()->getFloat("12700"), family->taxpayer()->t1()->getFloat("12700"));
}

QTEST_MAIN(TestAutoFill)
#include "tst_autofill.moc"
