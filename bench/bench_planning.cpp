// What-if work on the busy coupled return: one step of a tax-planning slider
// (the copy written and recalculated, the result lines set), which runs at
// every step of a drag and so must stay well within a screen frame (16 ms),
// and one whole optimiser run on a fresh copy with shareable amounts.

#include <memory>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLineEdit>
#include <QSlider>

#include "busycouple.h"
#include "dlgtaxplanning.h"
#include "familytaxdata.h"
#include "shareamountdata.h"
#include "t1.h"

namespace {

void PlanningSliderStep(benchmark::State& state)
{
    std::unique_ptr<CFamilyTaxData> family = BenchReturns::buildBusyCouple();
    DlgTaxPlanning dialog(family.get(), nullptr);
    dialog.findChild<QLineEdit*>(QStringLiteral("edtIncomeMax"))->setText(QStringLiteral("5000"));
    dialog.onLineEditFinished();
    auto* slider = dialog.findChild<QSlider*>(QStringLiteral("sldIncome"));
    int value = 1000;
    for (auto _ : state) {
        value = value == 1000 ? 2000 : 1000;
        slider->setValue(value);
    }
    if (family->getCurIndvTaxData()->t1()->getFloat("planned_income") != value)
        state.SkipWithError("the step did not reach the copy");
}
BENCHMARK(PlanningSliderStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void WholeOptimiseRun(benchmark::State& state)
{
    std::unique_ptr<CFamilyTaxData> family = BenchReturns::buildBusyCouple();
    DataShareAmtDlg shares;
    shares.fld_BankInterest_1->SetValue(1200);
    shares.fld_BankInterest_3->SetValue(800);
    shares.fld_CapGain_2->SetValue(3000);
    shares.fld_Donation_3->SetValue(1500);
    for (auto _ : state) {
        CFamilyTaxData copy(family->mode());
        copy = *family;
        copy.DoCoupledReturnOptimize(&shares);
        benchmark::DoNotOptimize(copy.taxpayer());
    }
}
BENCHMARK(WholeOptimiseRun)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);   // the provincial libraries are found beside the program
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
