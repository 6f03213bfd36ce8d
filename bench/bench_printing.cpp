// The time to print a return to PDF, a client copy and the condensed print
// with its barcode symbols: the first print starts the JVM (once per
// process, so it is timed once), the first condensed print loads the barcode
// library; later prints reuse both.

#include <memory>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "barcodedata.h"
#include "familytaxdata.h"
#include "javavmenv.h"
#include "scenario.h"
#include "t1.h"
#include "t1appconfig.h"

namespace {

QTemporaryDir* g_dir = nullptr;
QString g_return;
CT1AppConfig* g_config = nullptr;

bool prepare()
{
    QFile json(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    if (!json.open(QIODevice::ReadOnly)) return false;
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), &error);
    if (!family) return false;
    // A S.I.N. the barcode takes (the scenario's begins with 0), so that the
    // condensed print draws its symbols.
    family->taxpayer()->t1()->setString("sin", CString("271465585"));
    g_return = g_dir->filePath(QStringLiteral("Bench.r21"));
    if (!family->saveToFile(CString(g_return))) return false;
    // The class path the program starts with: the archives in Resources/.
    g_config->setDefaultValue(CString(QCoreApplication::applicationDirPath()), CString(g_dir->path()));
    JavaVMEnv::setSettingsSource([]() {
        JavaVMEnv::Settings s;
        s.classPath = g_config->m_JAVACLASSPATH.toQString();
        s.retPdfPath = g_dir->path();
        return s;
    });
    return true;
}

void print(benchmark::State& state, int mode)
{
    QString pdf;
    const int rc = JavaVMEnv::getInstance()->Init();
    if (rc != 0 || JavaVMEnv::getInstance()->doJob(g_return, false, mode, 0, 0, "", pdf) != 0)
        state.SkipWithError("the print failed");
}

void BM_FirstPrintWithJvmStart(benchmark::State& state)
{
    for (auto _ : state) print(state, 0);
}
BENCHMARK(BM_FirstPrintWithJvmStart)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LaterPrint(benchmark::State& state)
{
    for (auto _ : state) print(state, 0);
}
BENCHMARK(BM_LaterPrint)->Unit(benchmark::kMillisecond);

void BM_FirstCondensedPrint(benchmark::State& state)
{
    for (auto _ : state) print(state, 1);
}
BENCHMARK(BM_FirstCondensedPrint)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LaterCondensedPrint(benchmark::State& state)
{
    for (auto _ : state) print(state, 1);
}
BENCHMARK(BM_LaterCondensedPrint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    installBarcodeData();
    QTemporaryDir dir;
    CT1AppConfig config;
    g_dir = &dir;
    g_config = &config;
    if (!prepare()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    JavaVMEnv::getInstance()->Release();
    return 0;
}
