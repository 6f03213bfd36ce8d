// The batch result report: every return file of a list file, read and
// calculated, with its status line, into "./taxresult.txt".

#include <memory>

#include <QFile>

#include "familytaxdata.h"
#include "tabwndapp.h"

namespace {

// The line without its line end ("\n" or "\r\n"); a last line without one
// is kept whole.
QByteArray withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    return line;
}

} // namespace

void TabWndApp::CmdlinePrintResult(const QString& folder, const QString& listFile)
{
    QFile report(QStringLiteral("./taxresult.txt"));
    if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning("printresult: ./taxresult.txt cannot be written: %s", qPrintable(report.errorString()));
        return;
    }
    if (listFile.isEmpty()) {
        report.write("====> no input file\n");
        return;
    }
    QFile list(listFile);
    if (!list.open(QIODevice::ReadOnly)) {
        report.write("====> cannot open input file\n");
        return;
    }

    while (!list.atEnd()) {
        const QByteArray raw = list.readLine();
        // An empty line ends the list.
        if (raw.size() < 3) break;
        const QByteArray line = withoutLineEnd(raw);
        const QString path = QStringLiteral("%1%2").arg(folder, QString::fromUtf8(line)).simplified();
        report.write(line + '\n');
        report.write(GetTaxResult(path).bytes() + "\n\n");
        report.flush();
    }
}

CString TabWndApp::GetTaxResult(const QString& path)
{
    if (!QFile::exists(path)) return "cannot find return file";

    int code = 0;
    std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(path), code));
    if (code != 0) {
        CString text;
        text.Format("return file read error, read error %d", code);
        return text;
    }
    family->Calculate(-1, nullptr);
    return family->GetReturnStatusString(0);
}
