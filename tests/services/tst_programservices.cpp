// The program's start-up puts the validation engine behind the family's
// ValidateTaxReturn: a return-level rule answers through it.

#include <QtTest>

#include "familytaxdata.h"
#include "programservices.h"
#include "t1.h"

class ProgramServicesTest : public QObject
{
    Q_OBJECT
private slots:
    void startUpReachesTheRules();
};

void ProgramServicesTest::startUpReachesTheRules()
{
    QVERIFY(!IndividualTaxData::validationEngine());
    QVERIFY(!IndividualTaxData::barcodeWriter());
    installProgramServices();
    QVERIFY(IndividualTaxData::validationEngine());
    QVERIFY(IndividualTaxData::barcodeWriter());

    CFamilyTaxData family(MULTIPROV_MODE_NEW);
    IndividualTaxData* person = family.taxpayer();
    person->setMainProvince(PROV_ON);
    STRUCT_FORMDATA_ITEM_2004* item = person->NewFormDataItem(1, -1, true, 0, false);
    QVERIFY(item);
    item->object->setString("first_name", "Ann");
    person->NewFormDataItem(113, -1, true, 0, false);   // a T1170 without Schedule 3
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    CString name;
    const int count = family.ValidateTaxReturn(2, items, name, false, false);
    QCOMPARE(count, int(items.size()));
    bool reached = false;
    for (const _STRUCT_FORM_VALIDATE_INFO* entry : items)
        if (entry->kind == _STRUCT_FORM_VALIDATE_INFO::Return)
            for (const CString& text : entry->messages)
                reached = reached || text == "Please add form federal Schedule 3 to your tax return when you have form "
                                             "T1170 in tax return already.";
    qDeleteAll(items);
    QVERIFY(reached);
}

QTEST_GUILESS_MAIN(ProgramServicesTest)
#include "tst_programservices.moc"
