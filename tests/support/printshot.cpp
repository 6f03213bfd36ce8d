// printshot <scenario.json> <client|condensed> <out folder>: saves a test
// scenario as a return file in the folder and prints it there through the
// report maker, as Generate Print does; writes the PDF's path
// (scripts/screenshot-print.sh turns a page of it into a picture).

#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "barcodedata.h"
#include "familytaxdata.h"
#include "javavmenv.h"
#include "scenario.h"
#include "t1appconfig.h"

namespace {

int failWith(const QString& message)
{
    std::fprintf(stderr, "printshot: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    installBarcodeData();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4 || (args.at(2) != QLatin1String("client") && args.at(2) != QLatin1String("condensed")))
        return failWith(QStringLiteral("usage: printshot <scenario.json> <client|condensed> <out folder>"));
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) return failWith(QStringLiteral("%1: %2").arg(args.at(1), in.errorString()));
    QString error;
    const std::unique_ptr<CFamilyTaxData> family = Scenario::build(in.readAll(), &error);
    if (!family) return failWith(QStringLiteral("%1: %2").arg(args.at(1), error));
    const QDir out(args.at(3));
    if (!QDir().mkpath(out.path())) return failWith(QStringLiteral("%1: cannot be made").arg(out.path()));
    const QString file = out.filePath(QFileInfo(args.at(1)).completeBaseName() + QStringLiteral(".r21"));
    if (!family->saveToFile(CString(file))) return failWith(QStringLiteral("%1: cannot be written").arg(file));

    // The settings the program starts with: the archives in Resources/, the
    // JVM in Frameworks/ beside bin/.
    CT1AppConfig config;
    config.setDefaultValue(CString(QCoreApplication::applicationDirPath()), CString(out.path()));
    JavaVMEnv::setSettingsSource([&config, &out]() {
        JavaVMEnv::Settings s;
        s.classPath = config.m_JAVACLASSPATH.toQString();
        s.retPdfPath = out.path();
        return s;
    });
    const int mode = args.at(2) == QLatin1String("condensed") ? 1 : 0;
    QString pdf;
    int rc = JavaVMEnv::getInstance()->Init();
    if (rc == 0) rc = JavaVMEnv::getInstance()->doJob(file, false, mode, 0, 0, "", pdf);
    JavaVMEnv::getInstance()->Release();
    if (rc != 0) return failWith(QStringLiteral("the print failed, error code %1").arg(rc));
    std::printf("%s\n", qPrintable(pdf));
    return 0;
}
