// The page layouts of every object the twelve provincial libraries make:
// the 428, 479 and the Schedule 2 and 11 companions, and the interview data.
// Each is checked against its own fields, and a 428 reads in the form's
// order with its lines' printed numbers.

#include <memory>

#include <QLibrary>
#include <QtTest>

#include "formtables.h"
#include "layoutcheck.h"
#include "provincialtaxmanager.h"
#include "utils.h"

namespace {

constexpr int kSchedule2 = 3;
constexpr int kSchedule11 = 11;

// A loaded provincial library and its manager; the manager goes first.
struct LoadedProvince
{
    explicit LoadedProvince(int province)
        : library([province] {
              QString name = QString::fromUtf8(Global_Provs_Info[province].libFile);
              getOSLibFilename(QString(), name);
              return name;
          }())
    {
    }
    ~LoadedProvince()
    {
        manager.reset();
        if (library.isLoaded()) library.unload();
    }
    bool load()
    {
        if (!library.load()) return false;
        auto entry = reinterpret_cast<GetTaxManagerFunc>(library.resolve("GetTaxManager"));
        if (entry) manager.reset(entry());
        return manager != nullptr;
    }

    QLibrary library;
    std::unique_ptr<CProvincialTaxManager> manager;
};

bool isLineNumber(const char* name)
{
    int digits = 0;
    for (const char* c = name; *c; ++c, ++digits)
        if (*c < '0' || *c > '9') return false;
    return digits == 5;
}

// The numbered lines of the object in the order its pages show them.
QList<int> numberedLinesInPageOrder(const CTaxData_Form& form)
{
    QList<int> numbers;
    for (const LayoutTable& part : form.pageLayout())
        for (int i = 0; i < part.count; ++i)
            if (part.rows[i].field && isLineNumber(part.rows[i].field)) numbers << QByteArray(part.rows[i].field).toInt();
    return numbers;
}

} // namespace

class ProvinceLayoutsTest : public QObject
{
    Q_OBJECT

private slots:
    void province_data();
    void province();
    void ontarioShowsItsOwnLines();
};

void ProvinceLayoutsTest::province_data()
{
    QTest::addColumn<int>("province");
    for (int province = 1; province <= 13; ++province)
        if (*Global_Provs_Info[province].libFile) QTest::newRow(Global_Provs_Info[province].code) << province;
}

void ProvinceLayoutsTest::province()
{
    QFETCH(int, province);
    LoadedProvince lib(province);
    QVERIFY2(lib.load(), qPrintable(lib.library.errorString()));
    CProvincialTaxManager& mgr = *lib.manager;

    int made = 0;
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        if (getFormProv(type) != province || IsFormExpired(type, 0)) continue;
        CTaxData_Form* form = mgr.NewFormData(type, true);
        if (!form) continue;
        ++made;
        const QString name = QString::fromUtf8(Global_Forms_Info[type].shortName);
        const QStringList faults = layoutcheck::problems(*form);
        QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(": ") + faults.join(QStringLiteral("\n  "))));

        // A numbered line shows its number; the credit lines of a 428 (Part B,
        // the 58000s) run in the order the form numbers them.
        for (const CField* f : form->fields().all()) {
            const char* field = f->GetName().c_str();
            if (!isLineNumber(field)) continue;
            const LayoutRow* row = layoutcheck::rowFor(*form, field);
            QVERIFY2(row && row->number && qstrcmp(row->number, field) == 0, qPrintable(name + QLatin1Char(' ') + field));
        }
        QList<int> numbers;
        if (Global_Forms_Info[type].flags & FF_Mandatory)
            for (int number : numberedLinesInPageOrder(*form))
                if (number >= 58000 && number < 59000) numbers << number;
        for (int i = 1; i < numbers.size(); ++i)
            QVERIFY2(numbers[i - 1] < numbers[i],
                     qPrintable(QStringLiteral("%1: line %2 before %3").arg(name).arg(numbers[i - 1]).arg(numbers[i])));
        // A 428's buttons go to the companions its lines 58560 and 58640 come from.
        if (Global_Forms_Info[type].flags & FF_Mandatory) {
            QList<int> targets;
            for (const LayoutTable& part : form->pageLayout())
                for (int i = 0; i < part.count; ++i)
                    if (part.rows[i].kind == LayoutRow::Action) targets << part.rows[i].target;
            QCOMPARE(targets, (QList<int>{mgr.FindRelatedForm1(kSchedule11), mgr.FindRelatedForm1(kSchedule2)}));
        }
        QVERIFY(mgr.FreeFormData(form, true));
    }
    QVERIFY2(made >= 3, "the 428 and the Schedule 2 and 11 companions at least");

    CTaxData_Form* interview = mgr.NewWizardData();
    QVERIFY(interview);
    const QStringList faults = layoutcheck::problems(*interview);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void ProvinceLayoutsTest::ontarioShowsItsOwnLines()
{
    constexpr int kOntario = 9, kOn428 = 24;
    LoadedProvince lib(kOntario);
    QVERIFY2(lib.load(), qPrintable(lib.library.errorString()));
    std::unique_ptr<CTaxData_Form> on428(lib.manager->NewFormData(kOn428, true));
    QVERIFY(on428);
    // Ontario's caregiver amount sits among the family amounts, before the CPP lines.
    const QList<int> numbers = numberedLinesInPageOrder(*on428);
    QVERIFY(numbers.indexOf(58160) >= 0);
    QCOMPARE(numbers.indexOf(58185), numbers.indexOf(58160) + 1);
    QCOMPARE(numbers.indexOf(58240), numbers.indexOf(58185) + 1);
    const LayoutRow* caregiver = layoutcheck::rowFor(*on428, "58185");
    QVERIFY(caregiver);
    QCOMPARE(QString::fromUtf8(caregiver->label), QStringLiteral("Ontario caregiver amount"));
    // Part C in the form's order: its own steps fall among the shared lines.
    QStringList fields;
    for (const LayoutTable& part : on428->pageLayout())
        for (int i = 0; i < part.count; ++i)
            if (part.rows[i].field) fields << QString::fromUtf8(part.rows[i].field);
    const QStringList partC{"61540", "surtax", "additional_tax_for_minimum_tax", "tax_reduction",
                            "provincial_foreign_tax_credit", "62140", "health_premium", "42800"};
    for (int i = 1; i < partC.size(); ++i)
        QVERIFY2(fields.indexOf(partC[i - 1]) >= 0 && fields.indexOf(partC[i - 1]) < fields.indexOf(partC[i]),
                 qPrintable(partC[i - 1] + QStringLiteral(" before ") + partC[i]));
    // Calculated lines are shown, not hidden: the user reads the result.
    QVERIFY(on428->field("42800")->GetAttributes() & CField::Calculated);
    lib.manager->FreeFormData(on428.release(), true);
}

QTEST_GUILESS_MAIN(ProvinceLayoutsTest)
#include "tst_layouts_provinces.moc"
