#include <QtTest>

#include "formtables.h"
#include "formtypes.h"
#include "modeltestsupport.h"
#include "prompt.h"

namespace {

// A family whose taxpayer (and, when `coupled`, spouse) have a T1.
struct Family
{
    explicit Family(bool coupled, int status = MARITAL_MARRIED) : data(MULTIPROV_MODE_NEW)
    {
        data.taxpayer()->setMainProvince(PROV_ON);
        taxpayerT1 = addT1(*data.taxpayer(), status);
        taxpayerT1->setString("first_name", "Ann");
        taxpayerT1->setString("last_name", "Lee");
        if (coupled) {
            data.spouse()->setMainProvince(PROV_ON);
            spouseT1 = addT1(*data.spouse(), status);
            spouseT1->setString("first_name", "Bo");
            spouseT1->setString("last_name", "Lee");
        }
    }
    CFamilyTaxData data;
    TaxData_T1New* taxpayerT1 = nullptr;
    TaxData_T1New* spouseT1 = nullptr;
};

} // namespace

class FamilyTaxDataTest : public QObject
{
    Q_OBJECT
private slots:
    void currentPersonIsTaxpayerOrSpouse_data();
    void currentPersonIsTaxpayerOrSpouse();
    void coupledOnlyWhenTheSpouseHasAT1();
    void pensionSplitElectionGoesToBoth_data();
    void pensionSplitElectionGoesToBoth();
    void pensionSplitAmountsGoToBoth();
    void sharingRefusals_data();
    void sharingRefusals();
    void sharingAStatementCopiesIt();
    void sharingLinksAnExistingStatement();
    void sharingASlip();
    void unsharingKeepsBothCopies();
    void coupleReconcilesMaritalStatus_data();
    void coupleReconcilesMaritalStatus();
    void familyResult();
    void schedule6Question_data();
    void schedule6Question();
    void preFilingQuestionsStopAtFirstNo_data();
    void preFilingQuestionsStopAtFirstNo();
    void validationOfTheSpouseOnlyWhenCoupled();
    void copyAndCompare();
    void aChangeToTheDependantsIsAChange();
    void mailingAddressToTheSpouse();
};

void FamilyTaxDataTest::currentPersonIsTaxpayerOrSpouse_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("current");
    QTest::newRow("spouse") << -1 << -1;
    QTest::newRow("taxpayer") << -2 << -2;
    QTest::newRow("dependant slot 0") << 0 << -1;
    QTest::newRow("dependant slot 11") << 11 << -1;
    QTest::newRow("12") << 12 << -1;
    QTest::newRow("-3") << -3 << -1;
}

void FamilyTaxDataTest::currentPersonIsTaxpayerOrSpouse()
{
    QFETCH(int, index);
    QFETCH(int, current);
    Family family(true);
    QCOMPARE(family.data.setCurIndv(-1), -1);
    QCOMPARE(family.data.setCurIndv(index), current);
    QCOMPARE(family.data.getCurIndv(), current);
    // Whatever was asked, every forwarder still has a person to work on.
    QVERIFY(family.data.getCurIndvTaxData());
    QVERIFY(family.data.getNonCurIndvTaxData());
    QVERIFY(family.data.GetFormData(FormType::T1, false));
}

void FamilyTaxDataTest::coupledOnlyWhenTheSpouseHasAT1()
{
    Family single(false);
    QVERIFY(single.data.spouse());
    QVERIFY(!single.data.IsCoupledReturn());
    single.data.spouse()->GetFormData(FormType::Schedule9, true);
    QVERIFY(!single.data.IsCoupledReturn());
    addT1(*single.data.spouse());
    QVERIFY(single.data.IsCoupledReturn());
}

void FamilyTaxDataTest::pensionSplitElectionGoesToBoth_data()
{
    QTest::addColumn<bool>("coupled");
    QTest::addColumn<int>("spouseCount");
    QTest::newRow("coupled: one each") << true << 1;
    QTest::newRow("single: the taxpayer's only") << false << 0;
}

void FamilyTaxDataTest::pensionSplitElectionGoesToBoth()
{
    QFETCH(bool, coupled);
    QFETCH(int, spouseCount);
    Family family(coupled);
    STRUCT_FORMDATA_ITEM_2004* item = family.data.NewFormDataItem(118, 400, true, 0, true);
    QVERIFY(item);
    QCOMPARE(family.data.taxpayer()->GetCountOfForm(FormType::T1032), 1);
    QCOMPARE(family.data.spouse()->GetCountOfForm(FormType::T1032), spouseCount);
    if (coupled) QCOMPARE(family.data.spouse()->forms().back()->uniqueId, 400);
    family.data.NewFormDataItem(9, -1, true, 0, true);
    QCOMPARE(family.data.spouse()->GetCountOfForm(FormType::Schedule9), 0);
}

void FamilyTaxDataTest::pensionSplitAmountsGoToBoth()
{
    Family family(true);
    family.data.NewFormDataItem(118, -1, true, 0, true);
    QVERIFY(family.data.setFedAmount(10322, 0, 12000));
    QCOMPARE(family.data.taxpayer()->GetFormData(FormType::T1032, false)->getFloat("split_amount"), 12000.0);
    QCOMPARE(family.data.spouse()->GetFormData(FormType::T1032, false)->getFloat("split_amount"), 12000.0);
}

void FamilyTaxDataTest::sharingRefusals_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("inList");
    QTest::newRow("a form that cannot be shared") << 9 << true;
    QTest::newRow("a form not in the return (identifier 0)") << 125 << false;
}

void FamilyTaxDataTest::sharingRefusals()
{
    QFETCH(int, type);
    QFETCH(bool, inList);
    Family family(true);
    STRUCT_FORMDATA_ITEM_2004* item = family.data.taxpayer()->NewFormDataItem(type, -1, inList, 0, false);
    const int spouseForms = family.data.spouse()->GetCountOfForm(0);
    family.data.ShareTaxFormWithSpouse(item->object, 0);
    QCOMPARE(family.data.spouse()->GetCountOfForm(0), spouseForms);
    QVERIFY(!family.data.IsTaxFormSharedWithSpouse(item->object));
    QCOMPARE(item->sharedId, 0);
    if (!inList) {
        delete item->object;
        delete item;
    }
}

void FamilyTaxDataTest::sharingAStatementCopiesIt()
{
    Family family(true);
    STRUCT_FORMDATA_ITEM_2004* mine = family.data.NewFormDataItem(12, -1, true, 0, true);   // a T776
    mine->object->setString("owner_name", "Ann Lee");
    family.data.ShareTaxFormWithSpouse(mine->object, 0);
    QCOMPARE(family.data.spouse()->GetCountOfForm(FormType::T776), 1);
    const STRUCT_FORMDATA_ITEM_2004* theirs = family.data.spouse()->forms().back();
    QCOMPARE(theirs->sharedId, mine->uniqueId);
    QCOMPARE(mine->sharedId, theirs->uniqueId);
    QVERIFY(!theirs->object->Differs(mine->object));
    QVERIFY(family.data.IsTaxFormSharedWithSpouse(mine->object));
}

void FamilyTaxDataTest::sharingLinksAnExistingStatement()
{
    Family family(true);
    STRUCT_FORMDATA_ITEM_2004* theirs = family.data.spouse()->NewFormDataItem(125, -1, true, 0, false);
    STRUCT_FORMDATA_ITEM_2004* mine = family.data.NewFormDataItem(125, -1, true, 0, true);
    family.data.ShareTaxFormWithSpouse(mine->object, theirs->uniqueId + 50);   // no such form: nothing
    QCOMPARE(mine->sharedId, 0);
    family.data.ShareTaxFormWithSpouse(mine->object, theirs->uniqueId);
    QCOMPARE(mine->sharedId, theirs->uniqueId);
    QCOMPARE(theirs->sharedId, mine->uniqueId);
    QCOMPARE(family.data.spouse()->GetCountOfForm(FormType::T2125), 1);
}

void FamilyTaxDataTest::sharingASlip()
{
    Family family(true);
    STRUCT_SLIPDATA_ITEM_2004* t5 = family.data.NewSlipData(8, -1, 0);
    t5->object->setFloat("13", 800);
    family.data.ShareTaxSlipWithSpouse(t5->object, 0);
    QCOMPARE(family.data.spouse()->GetCountOfSlip(SlipType::T5), 1);
    const STRUCT_SLIPDATA_ITEM_2004* copy = family.data.spouse()->slips().back();
    QCOMPARE(copy->object->getFloat("13"), 800.0);
    QCOMPARE(copy->sharedId, t5->uniqueId);
    QCOMPARE(t5->sharedId, copy->uniqueId);

    STRUCT_SLIPDATA_ITEM_2004* t4 = family.data.NewSlipData(1, -1, 0);   // a T4 is one person's
    family.data.ShareTaxSlipWithSpouse(t4->object, 0);
    QCOMPARE(family.data.spouse()->GetCountOfSlip(SlipType::T4), 0);
}

void FamilyTaxDataTest::unsharingKeepsBothCopies()
{
    Family family(true);
    STRUCT_FORMDATA_ITEM_2004* mine = family.data.NewFormDataItem(12, -1, true, 0, true);
    family.data.ShareTaxFormWithSpouse(mine->object, 0);
    family.data.UnShareTaxFormWithSpouse(mine->object);
    QCOMPARE(mine->sharedId, 0);
    QCOMPARE(family.data.spouse()->GetCountOfForm(FormType::T776), 1);
    QCOMPARE(family.data.spouse()->forms().back()->sharedId, 0);
    QCOMPARE(family.data.taxpayer()->GetCountOfForm(FormType::T776), 1);
}

void FamilyTaxDataTest::coupleReconcilesMaritalStatus_data()
{
    QTest::addColumn<int>("taxpayer");
    QTest::addColumn<int>("spouse");
    QTest::addColumn<int>("both");
    QTest::newRow("widowed with single: married") << int(MARITAL_WIDOWED) << int(MARITAL_SINGLE) << int(MARITAL_MARRIED);
    QTest::newRow("common-law taxpayer wins") << int(MARITAL_COMMON_LAW) << int(MARITAL_MARRIED) << int(MARITAL_COMMON_LAW);
    QTest::newRow("married taxpayer") << int(MARITAL_MARRIED) << int(MARITAL_SINGLE) << int(MARITAL_MARRIED);
    QTest::newRow("spouse's common-law taken") << int(MARITAL_SEPARATED) << int(MARITAL_COMMON_LAW) << int(MARITAL_COMMON_LAW);
}

void FamilyTaxDataTest::coupleReconcilesMaritalStatus()
{
    QFETCH(int, taxpayer);
    QFETCH(int, spouse);
    QFETCH(int, both);
    Family mine(false, taxpayer);
    mine.data.GetFormData(FormType::Schedule9, true);
    Family theirs(false, spouse);
    theirs.taxpayerT1->setString("first_name", "Bo");
    theirs.data.NewSlipData(1, -1, 0);
    mine.data.CoupleTaxReturn(&theirs.data);
    QVERIFY(mine.data.IsCoupledReturn());
    QCOMPARE(mine.data.taxpayer()->t1()->getInt("marital_status"), both);
    QCOMPARE(mine.data.spouse()->t1()->getInt("marital_status"), both);
    QCOMPARE(mine.data.spouse()->t1()->getString("first_name"), CString("Bo"));
    QCOMPARE(mine.data.spouse()->GetCountOfSlip(SlipType::T4), 1);
    for (IndividualTaxData* p : {mine.data.taxpayer(), mine.data.spouse()}) {
        QVERIFY(p->IsCoupledReturn());
        for (const STRUCT_FORMDATA_ITEM_2004* item : p->forms()) QVERIFY(item->object->isCoupledReturn());
    }
    // The other file is left as it was.
    QCOMPARE(theirs.taxpayerT1->getInt("marital_status"), spouse);
}

void FamilyTaxDataTest::familyResult()
{
    Family family(true);
    family.taxpayerT1->setFloat("48500", 120);
    family.spouseT1->setFloat("48400", 200);
    double principal = 0, spouse = 0, total = 0;
    family.data.GetFamilyReturnStatus(principal, spouse, total);
    QCOMPARE(principal, 120.0);
    QCOMPARE(spouse, -200.0);
    QCOMPARE(total, -80.0);

    Family single(false);
    single.taxpayerT1->setFloat("48400", 55);
    single.data.GetFamilyReturnStatus(principal, spouse, total);
    QCOMPARE(principal, -55.0);
    QCOMPARE(spouse, 0.0);
    QCOMPARE(total, -55.0);
}

void FamilyTaxDataTest::schedule6Question_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<double>("employment");
    QTest::addColumn<double>("net");
    QTest::addColumn<bool>("asked");
    QTest::newRow("Nunavut: 4799 working income, below the floor") << 8 << 4799.0 << 20000.0 << false;
    QTest::newRow("Nunavut: at the floor") << 8 << 4800.0 << 20000.0 << true;
    QTest::newRow("Nunavut: net income above the ceiling") << 8 << 10000.0 << 41934.0 << false;
    QTest::newRow("Alberta: 910 floor") << 1 << 910.0 << 28183.0 << true;
    QTest::newRow("Ontario: above the ceiling") << 9 << 10000.0 << 28784.0 << false;
    QTest::newRow("non-resident: never") << 14 << 10000.0 << 10000.0 << false;
}

void FamilyTaxDataTest::schedule6Question()
{
    QFETCH(int, province);
    QFETCH(double, employment);
    QFETCH(double, net);
    QFETCH(bool, asked);
    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    family.taxpayer()->setMainProvince(province);
    TaxData_T1New* a = addT1(*family.taxpayer(), MARITAL_MARRIED);
    TaxData_T1New* b = addT1(*family.spouse(), MARITAL_MARRIED);
    // The couple's amounts, split between the spouses.
    a->setFloat("10100", employment - 1000);
    b->setFloat("10100", 1000);
    a->setFloat("23600", net / 2);
    b->setFloat("23600", net / 2);
    QCOMPARE(family.MaySchedule6Needed(), asked);
    family.GetFormData(FormType::Schedule6, true);   // a Schedule 6 already there: no question
    QVERIFY(!family.MaySchedule6Needed());
}

void FamilyTaxDataTest::preFilingQuestionsStopAtFirstNo_data()
{
    QTest::addColumn<int>("case_");
    QTest::addColumn<QString>("firstQuestion");
    QTest::newRow("single with shared slips")
        << 0 << "This single return file has shared tax slips or tax forms. Make sure other returns claim the rest of the shared part.";
    QTest::newRow("both spouses claim line 30500")
        << 1 << "As married or common-law, each child eligible for field 30500 can only be claimed by one person.";
    QTest::newRow("married single return claims line 30500")
        << 2 << "As married or common-law, each child eligible for field 30500 can only be claimed by one person.";
    QTest::newRow("single parent of an infirm child")
        << 3 << "You may be eligible to claim Canada caregiver amount for infirm children under age 18 at field 30500.";
}

void FamilyTaxDataTest::preFilingQuestionsStopAtFirstNo()
{
    QFETCH(int, case_);
    QFETCH(QString, firstQuestion);
    Family family(case_ == 1, case_ == 3 ? MARITAL_SINGLE : MARITAL_MARRIED);
    switch (case_) {
    case 0:
        family.data.NewSlipData(8, -1, 0)->object->setFloat("share_percent", 50);
        family.taxpayerT1->setFloat("30500", 1000);   // would ask a second question
        break;
    case 1:
        family.taxpayerT1->setFloat("30500", 2295);
        family.spouseT1->setFloat("30500", 2295);
        break;
    case 2:
        family.taxpayerT1->setFloat("30500", 2295);
        break;
    default: {
        family.data.dependants().AllocData(12);
        DependantEntry* child = family.data.dependants().entry(0);
        child->setFirstName("Kai");
        child->birthDate = QDate(2012, 3, 1);
        child->relationship = DEP_REL_CHILD;
        child->infirm = 1;
        break;
    }
    }
    {
        Prompt::Scripted prompts;
        prompts.press(Prompt::Cancel);
        QVERIFY(!family.data.AnyMsgBeforeNetfile(2, false));
        QCOMPARE(prompts.texts(), QStringList({firstQuestion}));
        QCOMPARE(prompts.titles(), QStringList({"Quillmere Warning Message"}));
    }
    Prompt::Scripted prompts;
    // The person's own points follow the family's: enough answers for all.
    for (int i = 0; i < 30; ++i) prompts.press(Prompt::Ok);
    QVERIFY(family.data.AnyMsgBeforeNetfile(2, false));
    QVERIFY(prompts.texts().contains(firstQuestion));
    QCOMPARE(prompts.unanswered(), 0);
}

void FamilyTaxDataTest::validationOfTheSpouseOnlyWhenCoupled()
{
    Family single(false);
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    CString name("untouched");
    QCOMPARE(single.data.ValidateTaxReturn(2, items, name, true, false), 0);
    QCOMPARE(name, CString("untouched"));
    const int count = single.data.ValidateTaxReturn(2, items, name, false, false);
    QCOMPARE(count, int(items.size()));
    QCOMPARE(name, CString("Ann Lee"));
    Family couple(true);
    couple.data.ValidateTaxReturn(2, items, name, true, false);
    QCOMPARE(name, CString("Bo Lee"));
    qDeleteAll(items);
}

void FamilyTaxDataTest::copyAndCompare()
{
    Family original(true);
    original.data.NewSlipData(1, -1, 0)->object->setFloat("14", 60000);
    original.data.setCurIndv(-1);
    CFamilyTaxData copy(MULTIPROV_MODE_NEW);
    copy = original.data;
    QVERIFY(copy == original.data);
    QVERIFY(!(copy != original.data));
    QCOMPARE(copy.getCurIndv(), -1);
    QVERIFY(copy.IsCoupledReturn());

    copy.spouse()->t1()->setString("first_name", "Bea");
    QVERIFY(copy != original.data);
    QVERIFY(copy.softCopy(original.data));
    QVERIFY(copy == original.data);
    // A soft copy refuses returns of another shape.
    copy.spouse()->NewSlipData(1, -1, 0);
    QVERIFY(!copy.softCopy(original.data));
}

void FamilyTaxDataTest::aChangeToTheDependantsIsAChange()
{
    Family original(false);
    original.data.dependants().AllocData(12);
    CFamilyTaxData copy(MULTIPROV_MODE_NEW);
    copy = original.data;
    QVERIFY(!(copy != original.data));
    copy.dependants().entry(3)->setFirstName("Kai");
    QVERIFY(copy != original.data);
    QVERIFY(!(copy == original.data));
}

void FamilyTaxDataTest::mailingAddressToTheSpouse()
{
    Family family(true);
    family.taxpayerT1->setString("mailing_address", "12 Main St");
    family.taxpayerT1->setString("mailing_postal_code", "K1A 0B1");
    family.data.SyncMailingAddrToSpouseReturn();
    QCOMPARE(family.spouseT1->getString("mailing_address"), CString("12 Main St"));
    QCOMPARE(family.spouseT1->getString("mailing_postal_code"), CString("K1A 0B1"));
}

QTEST_GUILESS_MAIN(FamilyTaxDataTest)
#include "tst_familytaxdata.moc"
