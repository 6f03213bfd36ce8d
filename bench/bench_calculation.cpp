// How long a whole-return recalculation takes (it runs on every keystroke,
// so it must stay far below one screen frame), and how long reading and
// calculating a saved return takes.

#include <memory>

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "barcodedata.h"
#include "familytaxdata.h"
#include "scenario.h"

namespace {

// A coupled Ontario return with 30 slips a spouse: T4s, T5s and T3s.
QByteArray busyCouple()
{
    auto person = [](const char* first, const char* sin, int seed) {
        QJsonArray slips;
        for (int i = 0; i < 10; ++i) {
            slips.append(QJsonObject{{"type", 1},
                                     {"boxes", QJsonObject{{"14", 4000.0 + seed + i}, {"16", 150.0}, {"18", 60.0}, {"22", 500.0}}},
                                     {"fields", QJsonObject{{"province_of_employment", 9}}}});
            slips.append(QJsonObject{{"type", 8}, {"boxes", QJsonObject{{"13", 120.0 + i}, {"24", 80.0}, {"25", 110.4}}}});
            slips.append(QJsonObject{{"type", 9}, {"boxes", QJsonObject{{"26", 35.0 + i}, {"49", 20.0}, {"50", 27.6}}}});
        }
        return QJsonObject{{"t1", QJsonObject{{"first_name", first}, {"last_name", "Lee"}, {"sin", sin},
                                              {"birth_date", "1970-05-01"}, {"marital_status", 0}}},
                           {"slips", slips}};
    };
    const QJsonObject root{{"province", 9}, {"taxpayer", person("Ann", "046454286", 0)},
                           {"spouse", person("Bo", "130692544", 7)}};
    return QJsonDocument(root).toJson();
}

std::unique_ptr<CFamilyTaxData> buildBusyCouple()
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(busyCouple(), &error);
    if (!family) qFatal("scenario: %s", qPrintable(error));
    return family;
}

void WholeReturnRecalculation(benchmark::State& state)
{
    std::unique_ptr<CFamilyTaxData> family = buildBusyCouple();
    for (auto _ : state) benchmark::DoNotOptimize(family->Calculate(FROM_WHOLE_RETURN, nullptr));
}
BENCHMARK(WholeReturnRecalculation)->Unit(benchmark::kMicrosecond);

void ReadAndCalculate(benchmark::State& state)
{
    QTemporaryDir dir;
    const CString path(dir.filePath("busy.r21"));
    if (!buildBusyCouple()->saveToFile(path)) qFatal("cannot save the benchmark return");
    for (auto _ : state) {
        int result = -1;
        std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(path, result));
        benchmark::DoNotOptimize(family->Calculate(FROM_WHOLE_RETURN, nullptr));
    }
}
BENCHMARK(ReadAndCalculate)->Unit(benchmark::kMillisecond);

// A save writes each person's barcode blocks (the paper return's data) too.
void SaveWithBarcodeBlocks(benchmark::State& state)
{
    installBarcodeData();
    QTemporaryDir dir;
    const CString path(dir.filePath("busy.r21"));
    std::unique_ptr<CFamilyTaxData> family = buildBusyCouple();
    for (auto _ : state)
        if (!family->saveToFile(path)) qFatal("cannot save the benchmark return");
}
BENCHMARK(SaveWithBarcodeBlocks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);   // the provincial libraries are found beside the program
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
