// Every scenario under tests/scenarios, worked by hand from the agency's
// 2021 forms, must calculate to the cent; and calculating it again must
// change nothing.

#include <cmath>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include "familytaxdata.h"
#include "scenario.h"
#include "t1.h"

namespace {

// The return-level validation messages a scenario's data calls for.
QStringList expectedCrossFormMessages(const QString& scenarioFile)
{
    static const QMap<QString, QStringList> expected = {
    };
    return expected.value(scenarioFile);
}

} // namespace

class ScenariosTest : public QObject
{
    Q_OBJECT
private slots:
    void scenario_data();
    void scenario();
};

void ScenariosTest::scenario_data()
{
    QTest::addColumn<QString>("path");
    int count = 0;
    for (const QString& folder : {QStringLiteral(QUILLMERE_SCENARIO_DIR), QStringLiteral(QUILLMERE_SCENARIO_DIR "/provincial")}) {
        const QDir dir(folder);
        const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            QTest::newRow(qPrintable(dir.dirName() + "/" + file)) << dir.filePath(file);
            ++count;
        }
    }
    QVERIFY2(count >= 12, "the worked scenarios are missing");
}

void ScenariosTest::scenario()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    const Scenario scenario = Scenario::parse(file.readAll(), &error);
    QVERIFY2(!scenario.isNull(), qPrintable(error));
    std::unique_ptr<CFamilyTaxData> family = scenario.build(&error);
    QVERIFY2(family, qPrintable(error));
    family->Calculate(FROM_WHOLE_RETURN, nullptr);

    const struct { Scenario::Person who; IndividualTaxData* person; const char* name; } people[] = {
        {Scenario::Taxpayer, family->taxpayer(), "taxpayer"},
        {Scenario::Spouse, family->spouse(), "spouse"},
    };
    QStringList wrong;
    for (const auto& p : people) {
        const QMap<QString, double> expected = scenario.expected(p.who);
        if (expected.isEmpty()) continue;
        const TaxData_T1New* t1 = p.person->t1();
        QVERIFY2(t1, p.name);
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
            QString line;
            const int type = Scenario::formOfExpected(it.key(), &line);
            const CTaxData_Form* form = type == 1 ? t1 : p.person->GetFormData(type, false);
            QVERIFY2(form, qPrintable(QStringLiteral("%1: no form for %2").arg(p.name, it.key())));
            const CField* field = form->field(CString(line.toUtf8().constData()));
            QVERIFY2(field, qPrintable(QStringLiteral("%1: no line %2").arg(p.name, it.key())));
            const double actual = field->GetVariant().toDouble();
            if (std::fabs(actual - it.value()) >= kAmountThatCounts)
                wrong << QStringLiteral("%1 line %2: %3, expected %4").arg(p.name, it.key())
                             .arg(actual, 0, 'f', 2).arg(it.value(), 0, 'f', 2);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));

    // Both passes are stable: recalculating a calculated return changes nothing.
    CFamilyTaxData before(MULTIPROV_MODE_NEW);
    before = *family;
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    QVERIFY(*family == before);

    // Validating the calculated return finds no cross-form fault but those
    // its data calls for, and changes nothing in it.
    QStringList crossForm;
    for (const auto& p : people) {
        if (!p.person->t1()) continue;
        std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
        p.person->Validate(2, items);
        for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
            if (item->kind == _STRUCT_FORM_VALIDATE_INFO::Return)
                for (const CString& text : item->messages)
                    crossForm << QStringLiteral("%1: %2").arg(p.name, text.toQString());
            delete item;
        }
    }
    QVERIFY2(crossForm == expectedCrossFormMessages(QFileInfo(path).fileName()),
             qPrintable(crossForm.join(QStringLiteral(" | "))));
    QVERIFY(*family == before);
}

QTEST_GUILESS_MAIN(ScenariosTest)
#include "tst_scenarios.moc"
