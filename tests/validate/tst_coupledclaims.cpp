// A couple's claims across both returns: a slip shared between the spouses
// (split half and half, its two shares checked to make the whole slip) and
// the spouse's donations, which the family may claim only once.

#include <memory>

#include <QtTest>

#include "coupledclaims.h"
#include "familytaxdata.h"
#include "formtypes.h"
#include "scenario.h"
#include "t1.h"
#include "tableform.h"

namespace {

const char* const kCouple = R"({ "province": 9,
  "taxpayer": { "t1": { "first_name": "Ann", "last_name": "Lee", "sin": "046454286",
                        "birth_date": "1975-04-12", "marital_status": 0 },
                "slips": [ { "type": 1, "boxes": { "14": 60000, "22": 9000 },
                             "fields": { "payer_name": "Maple Logistics", "province_of_employment": 9 } } ] },
  "spouse": { "t1": { "first_name": "Bo", "last_name": "Lee", "sin": "130692544",
                      "birth_date": "1976-02-03", "marital_status": 0 },
              "slips": [ { "type": 1, "boxes": { "14": 40000, "22": 5000 },
                           "fields": { "payer_name": "Cedar Clinic", "province_of_employment": 9 } } ] } })";

std::unique_ptr<CFamilyTaxData> couple()
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(kCouple, &error);
    if (!family) qWarning("%s", qPrintable(error));
    return family;
}

// The messages of the couple's item in one person's validation list.
QStringList coupledMessages(CFamilyTaxData& family, bool spouse)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    CString name;
    family.ValidateTaxReturn(2, items, name, spouse, false);
    QStringList out;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        if (item->kind == _STRUCT_FORM_VALIDATE_INFO::Coupled)
            for (const CString& m : item->messages) out << m.toQString();
        delete item;
    }
    return out;
}

const char* shareField(int slipType) { return slipType == SlipType::T5013 ? "partner_share_percent" : "share_percent"; }

double familyInterest(const CFamilyTaxData& family)
{
    return family.taxpayer()->t1()->getFloat("12100") + family.spouse()->t1()->getFloat("12100");
}

}   // namespace

class CoupledClaimsTest : public QObject
{
    Q_OBJECT

private slots:
    void sharingSplitsTheSlip_data();
    void sharingSplitsTheSlip();
    void sharesNotMakingTheWholeSlip_data();
    void sharesNotMakingTheWholeSlip();
    void donationsClaimedTwice_data();
    void donationsClaimedTwice();
};

void CoupledClaimsTest::sharingSplitsTheSlip_data()
{
    QTest::addColumn<int>("slipType");
    QTest::addColumn<QString>("box");      // the interest box
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("held");      // the share before sharing
    QTest::addColumn<double>("own");       // the shares after
    QTest::addColumn<double>("copy");

    QTest::newRow("T5 held alone") << int(SlipType::T5) << "13" << 800.0 << 100.0 << 50.0 << 50.0;
    QTest::newRow("T3 held alone") << int(SlipType::T3) << "25" << 600.0 << 100.0 << 50.0 << 50.0;
    QTest::newRow("T5013 held alone") << int(SlipType::T5013) << "128" << 900.0 << 100.0 << 50.0 << 50.0;
    QTest::newRow("T5 held at 60 percent: the copy takes the rest")
        << int(SlipType::T5) << "13" << 800.0 << 60.0 << 60.0 << 40.0;
    QTest::newRow("T5 typed above 100: halved all the same")
        << int(SlipType::T5) << "13" << 800.0 << 150.0 << 50.0 << 50.0;
}

// Shared as the editor's command does it, then edited on either side: the
// two shares keep making the whole slip, and the family's interest is the
// slip's once.
void CoupledClaimsTest::sharingSplitsTheSlip()
{
    QFETCH(int, slipType);
    QFETCH(QString, box);
    QFETCH(double, interest);
    QFETCH(double, held);
    QFETCH(double, own);
    QFETCH(double, copy);
    std::unique_ptr<CFamilyTaxData> family = couple();
    QVERIFY(family);
    const char* share = shareField(slipType);
    STRUCT_SLIPDATA_ITEM_2004* mine = family->NewSlipData(slipType, 0, 0);
    QVERIFY(mine);
    mine->object->setString("payer_name", "Northern Bank");
    QVERIFY(mine->object->setFloat(box.toLatin1().constData(), interest));
    QVERIFY(mine->object->setFloat(share, held));
    family->Calculate(1, mine->object);

    family->ShareTaxSlipWithSpouse(mine->object, 0);
    family->Calculate(1, mine->object);
    CTaxData_Form* theirs = family->spouse()->GetSlipData(slipType, mine->sharedId, false);
    QVERIFY(theirs);
    QCOMPARE(mine->object->getFloat(share), own);
    QCOMPARE(theirs->getFloat(share), copy);
    const double whole = held > 100.0 ? interest : interest * (own + copy) / 100.0;
    QVERIFY2(qAbs(familyInterest(*family) - whole) < 0.005, qPrintable(QString::number(familyInterest(*family))));
    QVERIFY(coupledMessages(*family, false).isEmpty());

    // The taxpayer moves to 70: the spouse's copy follows to 30.
    mine->object->setFloat(share, 70.0);
    family->Calculate(1, mine->object);
    QCOMPARE(theirs->getFloat(share), 30.0);
    // The spouse edits the copy to 25: the taxpayer's becomes 75.
    family->setCurIndv(CFamilyTaxData::kSpouse);
    theirs->setFloat(share, 25.0);
    family->Calculate(1, theirs);
    QCOMPARE(mine->object->getFloat(share), 75.0);
    QVERIFY2(qAbs(familyInterest(*family) - interest) < 0.005, qPrintable(QString::number(familyInterest(*family))));
    QVERIFY(coupledMessages(*family, false).isEmpty());
}

void CoupledClaimsTest::sharesNotMakingTheWholeSlip_data()
{
    QTest::addColumn<int>("slipType");
    QTest::addColumn<QString>("payer");
    QTest::addColumn<double>("own");
    QTest::addColumn<double>("other");
    QTest::addColumn<QString>("message");   // empty: none

    QTest::newRow("70 and 20") << int(SlipType::T5) << "Northern Bank" << 70.0 << 20.0
                               << "The shared T5 slip \"Northern Bank\" is claimed at 70% on the taxpayer's return "
                                  "and 20% on the spouse's: the two shares must add up to 100%.";
    QTest::newRow("both at 100, as an older file left them") << int(SlipType::T3) << " Lakeshore Trust " << 100.0
                               << 100.0
                               << "The shared T3 slip \"Lakeshore Trust\" is claimed at 100% on the taxpayer's "
                                  "return and 100% on the spouse's: the two shares must add up to 100%.";
    QTest::newRow("no payer named, shares with cents") << int(SlipType::T5013) << "" << 33.33 << 66.66
                               << "The shared T5013 slip is claimed at 33.33% on the taxpayer's return and 66.66% on "
                                  "the spouse's: the two shares must add up to 100%.";
    QTest::newRow("50 and 50") << int(SlipType::T5) << "Northern Bank" << 50.0 << 50.0 << QString();
    QTest::newRow("33.33 and 66.67") << int(SlipType::T5) << "Northern Bank" << 33.33 << 66.67 << QString();
    QTest::newRow("off by under a cent of a percent") << int(SlipType::T5) << "Northern Bank" << 60.0 << 40.005
                                                      << QString();
}

void CoupledClaimsTest::sharesNotMakingTheWholeSlip()
{
    QFETCH(int, slipType);
    QFETCH(QString, payer);
    QFETCH(double, own);
    QFETCH(double, other);
    QFETCH(QString, message);
    std::unique_ptr<CFamilyTaxData> family = couple();
    QVERIFY(family);
    STRUCT_SLIPDATA_ITEM_2004* mine = family->NewSlipData(slipType, 0, 0);
    mine->object->setString("payer_name", CString(payer.toUtf8()));
    family->ShareTaxSlipWithSpouse(mine->object, 0);
    CTaxData_Form* theirs = family->spouse()->GetSlipData(slipType, mine->sharedId, false);
    QVERIFY(theirs);
    mine->object->setFloat(shareField(slipType), own);
    theirs->setFloat(shareField(slipType), other);
    family->Calculate(-1, nullptr);

    QCOMPARE(coupledMessages(*family, false), message.isEmpty() ? QStringList() : QStringList{message});
    // Said once, with the taxpayer's messages.
    QCOMPARE(coupledMessages(*family, true), QStringList());

    // Un-shared, the two slips are each their own: nothing to say.
    family->UnShareTaxSlipWithSpouse(mine->object);
    QCOMPARE(coupledMessages(*family, false), QStringList());
}

void CoupledClaimsTest::donationsClaimedTwice_data()
{
    QTest::addColumn<double>("taxpayerReceipts");
    QTest::addColumn<double>("taxpayerFromInterview");   // the spouse's donations from the interview
    QTest::addColumn<double>("taxpayerShared");          // the spouse's donations claimed
    QTest::addColumn<double>("spouseReceipts");
    QTest::addColumn<double>("spouseShared");
    QTest::addColumn<QString>("beyond");                 // empty: not flagged

    QTest::newRow("spouse's receipts claimed on both sides") << 0.0 << 0.0 << 500.0 << 500.0 << 0.0 << "$500.00";
    QTest::newRow("through the interview, on both sides") << 0.0 << 300.0 << 0.0 << 500.0 << 0.0 << "$300.00";
    QTest::newRow("both claim the other's as well as their own")
        << 400.0 << 0.0 << 400.0 << 400.0 << 400.0 << "$800.00";
    QTest::newRow("claimed on one side, the spouse hands them over")
        << 0.0 << 0.0 << 500.0 << 500.0 << -500.0 << QString();
    QTest::newRow("claimed on one side, the spouse's return holds none")
        << 0.0 << 500.0 << 0.0 << 0.0 << 0.0 << QString();
    QTest::newRow("each their own") << 200.0 << 0.0 << 0.0 << 300.0 << 0.0 << QString();
    QTest::newRow("part handed over, part kept") << 0.0 << 0.0 << 300.0 << 500.0 << -300.0 << QString();
    QTest::newRow("a cent more than handed over") << 0.0 << 0.0 << 300.01 << 500.0 << -300.0 << "$0.01";
}

void CoupledClaimsTest::donationsClaimedTwice()
{
    QFETCH(double, taxpayerReceipts);
    QFETCH(double, taxpayerFromInterview);
    QFETCH(double, taxpayerShared);
    QFETCH(double, spouseReceipts);
    QFETCH(double, spouseShared);
    QFETCH(QString, beyond);
    std::unique_ptr<CFamilyTaxData> family = couple();
    QVERIFY(family);
    CTaxData_Form* mine = family->taxpayer()->GetFormData(FormType::Schedule9, true);
    CTaxData_Form* theirs = family->spouse()->GetFormData(FormType::Schedule9, true);
    QVERIFY(mine && theirs);
    mine->setFloat(TableForm::rowField("donations.#.amount", 1), taxpayerReceipts);
    mine->setFloat("donations_spouse", taxpayerFromInterview);
    mine->setFloat("shared_donations", taxpayerShared);
    theirs->setFloat(TableForm::rowField("donations.#.amount", 1), spouseReceipts);
    theirs->setFloat("shared_donations", spouseShared);
    family->Calculate(-1, nullptr);

    const QStringList expected =
        beyond.isEmpty() ? QStringList()
                         : QStringList{QStringLiteral("The donations claimed on the two returns' Schedule 9 (each "
                                                      "spouse's own and the spouse's donations claimed) are more than "
                                                      "the donations the two of you made by %1. Claim each donation "
                                                      "on one return only.")
                                           .arg(beyond)};
    QCOMPARE(coupledMessages(*family, false), expected);
    QCOMPARE(coupledMessages(*family, true), QStringList());
    // The two schedules read in either order give the same excess.
    QCOMPARE(DonationsClaimedBeyondHeld(mine, theirs), DonationsClaimedBeyondHeld(theirs, mine));
}

QTEST_MAIN(CoupledClaimsTest)
#include "tst_coupledclaims.moc"
