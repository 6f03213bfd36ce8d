// Reading a return file: a crafted file of 19,000 empty forms (384 KB), which
// the reader refuses at its form count before making a single form, against
// the largest scenario return, read whole. The refusal must take well under
// a second and a few MB; peak_rss_mb is the process's peak after the runs.

#include <sys/resource.h>

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "barcodedata.h"
#include "familytaxdata.h"
#include "prompt.h"
#include "returnfile.h"
#include "returnfilebuilder.h"
#include "scenario.h"

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString crafted()
{
    const QString path = folder().filePath("crafted.r21");
    if (QFile::exists(path)) return path;
    RawPerson taxpayer = ontarioTaxpayer();
    for (int i = 0; i < 19000; ++i) taxpayer.forms << RawItem{125, 200 + i, 0, emptyObject()};
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(rawFile(taxpayer));
    return path;
}

QString largestScenario()
{
    const QString path = folder().filePath("largest.r21");
    if (QFile::exists(path)) return path;
    QFile json(QStringLiteral(SCENARIO_DIR "/retired_couple_pension_split_on.json"));
    if (!json.open(QIODevice::ReadOnly)) return QString();
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), nullptr);
    if (!family || !family->saveToFile(CString(path))) return QString();
    family->FreeData();
    return path;
}

void read(benchmark::State& state, const QString& path, int expected)
{
    for (auto _ : state) {
        int result = 0;
        CFamilyTaxData* family = CFamilyTaxData::serializeFromFile(CString(path), result);
        if (!family) {
            state.SkipWithError("the return file could not be opened");
            break;
        }
        if (result != expected) state.SkipWithError("unexpected reading result");
        family->FreeData();
        delete family;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_RefuseCraftedFile(benchmark::State& state)
{
    read(state, crafted(), ReturnFile::kDamaged);
}
BENCHMARK(BM_RefuseCraftedFile)->Unit(benchmark::kMillisecond);

void BM_ReadLargestScenario(benchmark::State& state)
{
    read(state, largestScenario(), ReturnFile::kOk);
}
BENCHMARK(BM_ReadLargestScenario)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    static Prompt::CancelAll nobody;
    Prompt::setHandler(&nobody);
    installBarcodeData();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
