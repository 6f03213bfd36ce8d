// scenario2r21 <scenario.json> <out.r21>: saves a test scenario as a return
// file, so that the batch report can compute it.

#include <cstdio>

#include <QCoreApplication>
#include <QFile>

#include "familytaxdata.h"
#include "barcodedata.h"
#include "returnvalidation.h"
#include "scenario.h"

namespace {

int failWith(const QString& message)
{
    std::fprintf(stderr, "scenario2r21: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The provincial libraries are found beside the program's own.
    QCoreApplication app(argc, argv);
    installReturnValidation();
    installBarcodeData();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) return failWith(QStringLiteral("usage: scenario2r21 <scenario.json> <out.r21>"));

    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) return failWith(QStringLiteral("%1: %2").arg(args.at(1), in.errorString()));
    QString error;
    const std::unique_ptr<CFamilyTaxData> family = Scenario::build(in.readAll(), &error);
    if (!family) return failWith(QStringLiteral("%1: %2").arg(args.at(1), error));
    if (!family->saveToFile(CString(args.at(2))))
        return failWith(QStringLiteral("%1: cannot be written").arg(args.at(2)));
    return 0;
}
