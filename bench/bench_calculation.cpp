// How long a whole-return recalculation takes (it runs on every keystroke,
// so it must stay far below one screen frame), and how long reading and
// calculating a saved return takes.

#include <memory>

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QTemporaryDir>

#include "busycouple.h"

namespace {

using BenchReturns::buildBusyCouple;

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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);   // the provincial libraries are found beside the program
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
