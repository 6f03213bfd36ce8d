// Change Tax Province: a return moved to another province is taxed, filed
// and checked as the same return made in that province; a T1 naming another
// province than the one the tax is worked out for fails validation; and a
// jurisdiction without a library (Quebec) is refused, the return untouched.

#include <memory>
#include <set>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "efiletestsupport.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "formtypes.h"
#include "scenario.h"
#include "t1.h"
#include "validatetestsupport.h"

namespace {

constexpr unsigned char kNetfile = 2;

QByteArray scenarioText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every scenario file, by path.
QStringList scenarioFiles()
{
    QStringList out;
    for (const QString& folder :
         {QStringLiteral(QUILLMERE_SCENARIO_DIR), QStringLiteral(QUILLMERE_SCENARIO_DIR "/provincial")}) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
            out << dir.filePath(file);
    }
    return out;
}

// The jurisdictions the scenarios are made in.
std::set<int> scenarioProvinces()
{
    std::set<int> out;
    for (const QString& path : scenarioFiles())
        out.insert(QJsonDocument::fromJson(scenarioText(path)).object().value(QLatin1String("province")).toInt());
    return out;
}

// The scenario made in `province` (both spouses, for a couple), calculated.
std::unique_ptr<CFamilyTaxData> madeIn(const QByteArray& json, int province)
{
    QJsonObject root = QJsonDocument::fromJson(json).object();
    root.insert(QStringLiteral("province"), province);
    QJsonObject spouse = root.value(QLatin1String("spouse")).toObject();
    if (!spouse.isEmpty()) {
        spouse.insert(QStringLiteral("province"), province);
        root.insert(QStringLiteral("spouse"), spouse);
    }
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(QJsonDocument(root).toJson(), &error);
    if (family) family->Calculate(FROM_WHOLE_RETURN, nullptr);
    else qWarning("%s", qPrintable(error));
    return family;
}

// Every amount of the person's T1, by line.
QMap<QString, double> t1Amounts(IndividualTaxData* person)
{
    QMap<QString, double> out;
    for (const CField* f : person->t1()->fields().all())
        if (f->GetType() == CField::Float) out.insert(f->GetName().toQString(), f->GetVariant().toDouble());
    return out;
}

QString provinceCode(int province) { return QString::fromUtf8(Global_Provs_Info[province].code); }

// The base returns: an employee, and a couple whose amounts cross between them.
const char* const kBases[] = {"employee_t4_on.json", "schedule2_transfer_on.json"};

} // namespace

class ProvinceChangeTest : public QObject
{
    Q_OBJECT
private slots:
    void movedReturnIsTheReturnMadeThere_data();
    void movedReturnIsTheReturnMadeThere();
    void jurisdictionWithoutLibraryIsRefused_data();
    void jurisdictionWithoutLibraryIsRefused();
    void t1ProvinceDisagreeingFailsValidation();
};

void ProvinceChangeTest::movedReturnIsTheReturnMadeThere_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const std::set<int> provinces = scenarioProvinces();
    QVERIFY2(provinces.size() >= 12, "the scenarios name fewer jurisdictions than they did");
    for (const char* base : kBases)
        for (int from : provinces)
            for (int to : provinces)
                if (from != to)
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2 to %3").arg(QLatin1String(base), provinceCode(from),
                                                                              provinceCode(to))))
                        << QString::fromLatin1(base) << from << to;
}

void ProvinceChangeTest::movedReturnIsTheReturnMadeThere()
{
    QFETCH(QString, base);
    QFETCH(int, from);
    QFETCH(int, to);
    const QByteArray json = scenarioText(QStringLiteral(QUILLMERE_SCENARIO_DIR "/") + base);
    QVERIFY(!json.isEmpty());
    std::unique_ptr<CFamilyTaxData> moved = madeIn(json, from);
    std::unique_ptr<CFamilyTaxData> there = madeIn(json, to);
    QVERIFY(moved && there);
    moved->setCurIndv(0);
    QVERIFY(moved->ChangeProvince(from, to, true));
    moved->Calculate(FROM_WHOLE_RETURN, nullptr);

    IndividualTaxData* people[][2] = {{moved->taxpayer(), there->taxpayer()}, {moved->spouse(), there->spouse()}};
    for (auto& pair : people) {
        if (!pair[1]->t1()) continue;
        QCOMPARE(pair[0]->getMainProvince(), to);
        QCOMPARE(pair[0]->t1()->getInt("province"), to);
        // Every amount of the T1, the provincial tax and the result among them.
        const QMap<QString, double> got = t1Amounts(pair[0]), want = t1Amounts(pair[1]);
        for (auto it = want.constBegin(); it != want.constEnd(); ++it)
            QVERIFY2(qAbs(got.value(it.key()) - it.value()) < 0.005,
                     qPrintable(QStringLiteral("line %1: %2, made there %3")
                                    .arg(it.key())
                                    .arg(got.value(it.key()), 0, 'f', 2)
                                    .arg(it.value(), 0, 'f', 2)));
        // The electronic return names the new province and files the same lines.
        const ReadBack movedFile = readBack(electronicFile(*pair[0], kNetfile));
        const ReadBack thereFile = readBack(electronicFile(*pair[1], kNetfile));
        QCOMPARE(movedFile.error, QString());
        QCOMPARE(movedFile.texts.value(QStringLiteral("tp:YearEndResidenceProvinceCode")), provinceCode(to));
        QStringList differ;
        for (const QString& code : movedFile.returnLineValues.keys() + thereFile.returnLineValues.keys())
            if (movedFile.returnLineValues.value(code) != thereFile.returnLineValues.value(code))
                differ << code + QLatin1Char('=') + movedFile.returnLineValues.value(code) + QLatin1Char('/')
                              + thereFile.returnLineValues.value(code);
        differ.removeDuplicates();
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QLatin1Char(' '))));
        // And the checks find the T1 and the tax in step.
        for (const QString& m : allMessages(*pair[0], kNetfile))
            QVERIFY2(!m.startsWith(QLatin1String("The province of residence")), qPrintable(m));
    }
}

void ProvinceChangeTest::jurisdictionWithoutLibraryIsRefused_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("both");
    QTest::newRow("Quebec, both spouses") << 11 << true;
    QTest::newRow("Quebec, the one shown") << 11 << false;
    QTest::newRow("non-resident") << 14 << false;
    QTest::newRow("no province") << 0 << false;
}

void ProvinceChangeTest::jurisdictionWithoutLibraryIsRefused()
{
    QFETCH(int, province);
    QFETCH(bool, both);
    const QByteArray json = scenarioText(QStringLiteral(QUILLMERE_SCENARIO_DIR "/schedule2_transfer_on.json"));
    std::unique_ptr<CFamilyTaxData> family = madeIn(json, 9);
    QVERIFY(family);
    const double result = family->taxpayer()->t1()->getFloat("48500") - family->taxpayer()->t1()->getFloat("48400");
    const int forms = family->taxpayer()->GetCountOfForm(0);
    QVERIFY(!family->ChangeProvince(9, province, both));
    family->Calculate(FROM_WHOLE_RETURN, nullptr);
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()}) {
        if (!person->t1()) continue;
        QCOMPARE(person->getMainProvince(), 9);
        QCOMPARE(person->t1()->getInt("province"), 9);
    }
    QCOMPARE(family->taxpayer()->GetCountOfForm(0), forms);
    QCOMPARE(family->taxpayer()->t1()->getFloat("48500") - family->taxpayer()->t1()->getFloat("48400"), result);
}

void ProvinceChangeTest::t1ProvinceDisagreeingFailsValidation()
{
    ValidationFixture f(9);
    const QString mismatch = QStringLiteral(
        "The province of residence on page 1 of T1 (British Columbia) is not the return's tax province (Ontario). "
        "Use Start | Change Tax Province to move the return to the province of residence.");
    QVERIFY(!returnMessages(f.person, kNetfile).contains(mismatch));
    // The T1's box changed on its own, not through the move.
    f.set(f.t1, "province", 2);
    QVERIFY(returnMessages(f.person, kNetfile).contains(mismatch));
    // Moved as the program moves a return: in step again.
    QVERIFY(f.person.ChangeProvince(9, 2));
    QCOMPARE(f.t1->getInt("province"), 2);
    for (const QString& m : returnMessages(f.person, kNetfile))
        QVERIFY2(!m.startsWith(QLatin1String("The province of residence")), qPrintable(m));
    QVERIFY(f.unknownFields.isEmpty());
}

QTEST_GUILESS_MAIN(ProvinceChangeTest)
#include "tst_provincechange.moc"
