// The time to print a return to PDF: the first print starts the JVM (once
// per process, so it is timed once), later prints reuse it.

#include <memory>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "familytaxdata.h"
#include "javavmenv.h"
#include "scenario.h"

namespace {

QTemporaryDir* g_dir = nullptr;
QString g_return;

bool prepare()
{
    QFile json(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    if (!json.open(QIODevice::ReadOnly)) return false;
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), &error);
    if (!family) return false;
    g_return = g_dir->filePath(QStringLiteral("Bench.r21"));
    if (!family->saveToFile(CString(g_return))) return false;
    const QString resources = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"));
    JavaVMEnv::setSettingsSource([resources]() {
        JavaVMEnv::Settings s;
        s.classPath = QStringLiteral("%1/mr.jar:%1/pdfbox2.jar:%1/fontbox2.jar:%1/commons-logging.jar").arg(resources);
        s.retPdfPath = g_dir->path();
        return s;
    });
    return true;
}

void print(benchmark::State& state)
{
    QString pdf;
    const int rc = JavaVMEnv::getInstance()->Init();
    if (rc != 0 || JavaVMEnv::getInstance()->doJob(g_return, false, 0, 0, 0, "", pdf) != 0)
        state.SkipWithError("the print failed");
}

void BM_FirstPrintWithJvmStart(benchmark::State& state)
{
    for (auto _ : state) print(state);
}
BENCHMARK(BM_FirstPrintWithJvmStart)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LaterPrint(benchmark::State& state)
{
    for (auto _ : state) print(state);
}
BENCHMARK(BM_LaterPrint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    if (!prepare()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    JavaVMEnv::getInstance()->Release();
    return 0;
}
