// Every class the factories make, with every field set, survives copy,
// comparison and the return file's stream, and any single change shows.

#include <memory>

#include <QtTest>

#include "formtables.h"
#include "itemfactory.h"
#include "modeltestsupport.h"
#include "mydatastream.h"

namespace {

enum Maker { Form, Slip, Wizard, Note };

std::unique_ptr<CTaxData_Form> make(int maker, int type)
{
    switch (maker) {
    case Form: return std::unique_ptr<CTaxData_Form>(AllocFedFormData(type));
    case Slip: return std::unique_ptr<CTaxData_Form>(AllocSlipData(type));
    case Wizard: return std::unique_ptr<CTaxData_Form>(AllocWizData(type));
    default: return std::unique_ptr<CTaxData_Form>(AllocNoteData());
    }
}

} // namespace

class FormTypesTest : public QObject
{
    Q_OBJECT
private slots:
    void factoriesCoverTheTables();
    void everyType_data();
    void everyType();
};

void FormTypesTest::factoriesCoverTheTables()
{
    int forms = 0;
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        std::unique_ptr<CTaxData_Form> f(AllocFedFormData(type));
        if (!f) continue;
        ++forms;
        QCOMPARE(int(f->getType()), type);
        QCOMPARE(f->getItemKind(), FROM_FORM);
        QCOMPARE(getFormProv(type), 0);   // the federal factory never makes a provincial form
    }
    QCOMPARE(forms, 81);
    int slips = 0;
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type)
        if (std::unique_ptr<CTaxData_Form>(AllocSlipData(type))) ++slips;
    QCOMPARE(slips, 22);
    for (int type : {12, 19, 20, 0, 26}) QVERIFY(!std::unique_ptr<CTaxData_Form>(AllocSlipData(type)));
    QVERIFY(!std::unique_ptr<CTaxData_Form>(AllocWizData(6)));   // the provincial library's
    QVERIFY(!std::unique_ptr<CTaxData_Form>(AllocFedFormData(0)));
    QVERIFY(!std::unique_ptr<CTaxData_Form>(AllocFedFormData(26)));   // ON(S2) comes from Ontario's library
}

void FormTypesTest::everyType_data()
{
    QTest::addColumn<int>("maker");
    QTest::addColumn<int>("type");
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (std::unique_ptr<CTaxData_Form>(AllocFedFormData(type)))
            QTest::addRow("form %d %s", type, Global_Forms_Info[type].shortName) << int(Form) << type;
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type)
        if (std::unique_ptr<CTaxData_Form>(AllocSlipData(type)))
            QTest::addRow("slip %d %s", type, Global_Slips_Info[type].shortName) << int(Slip) << type;
    for (int kind = 1; kind <= 5; ++kind)
        QTest::addRow("interview %d", kind) << int(Wizard) << kind;
    QTest::newRow("note") << int(Note) << 1;
}

void FormTypesTest::everyType()
{
    QFETCH(int, maker);
    QFETCH(int, type);
    std::unique_ptr<CTaxData_Form> original = make(maker, type);
    QVERIFY(original);
    QVERIFY2(original->fields().size() > 0, "a class without fields cannot hold a return");
    fillEveryField(*original);
    for (const CField* f : original->fields().all())
        QVERIFY2(!f->IsDefault(), f->GetName().c_str());

    // Copy.
    std::unique_ptr<CTaxData_Form> copy = make(maker, type);
    QVERIFY(copy->CopyFrom(original.get()));
    QVERIFY(!copy->Differs(original.get()));

    // Stream, as the return file does.
    QByteArray bytes;
    {
        MyDataStream out(&bytes, QIODevice::WriteOnly);
        QCOMPARE(original->Serialize(66069, "5829mqv73046158", out), 0);
    }
    std::unique_ptr<CTaxData_Form> read = make(maker, type);
    MyDataStream in(&bytes, QIODevice::ReadOnly);
    QCOMPARE(read->Serialize(66069, "5829mqv73046158", in), 0);
    QVERIFY(in.atEnd());
    QVERIFY(!read->Differs(original.get()));
    for (const CField* f : original->fields().all())
        QCOMPARE(read->field(f->GetName())->GetVariant(), f->GetVariant());

    // Any single change differs, both ways.
    std::unique_ptr<CTaxData_Form> other = make(maker, type);
    fillEveryField(*other, 1000);
    for (CField* f : read->fields().all()) {
        const CField* changed = other->field(f->GetName());
        if (f->GetType() == CField::Bool) {
            auto* b = static_cast<CBoolField*>(f);
            b->SetValue(!b->GetValue());
            QVERIFY2(read->Differs(original.get()) && original->Differs(read.get()), f->GetName().c_str());
            b->SetValue(!b->GetValue());
            continue;
        }
        QVERIFY(f->CopyFrom(*changed));
        QVERIFY2(read->Differs(original.get()) && original->Differs(read.get()), f->GetName().c_str());
        QVERIFY(f->CopyFrom(*original->field(f->GetName())));
    }
    QVERIFY(!read->Differs(original.get()));
}

QTEST_GUILESS_MAIN(FormTypesTest)
#include "tst_formtypes.moc"
