// One failure of the print road per process, reached through the real JVM
// (or a stand-in library): a process can hold one JVM only, so CTest runs
// this once per case, naming it in the environment:
//   QM_EXPECT     the code CreatePDF must answer, "ok", or "empty" (a 0-byte PDF)
//   QM_CLASSPATH  the class path (a variant of the entry class first)
//   QM_JVMPATH    the JVM library (this program's folder has no Frameworks)
//   QM_MODE       1 for the condensed print; QM_PRINT_HEADER 0 to switch the header off
//   QM_FAULT      read by the faulty report maker
//   QM_SIN        the taxpayer's S.I.N. instead of the scenario's (one the barcode takes)
//   QM_PDF_SAYS   a text the PDF must hold

#include <memory>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "familytaxdata.h"
#include "javavmenv.h"
#include "prompt.h"
#include "returnprinter.h"
#include "scenario.h"
#include "t1.h"
#include "t1appconfig.h"

class JvmFaultTest : public QObject
{
    Q_OBJECT
private slots:
    void caseAnswersItsCode();
};

void JvmFaultTest::caseAnswersItsCode()
{
    QFile json(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), &error);
    QVERIFY2(family, qPrintable(error));
    if (qEnvironmentVariableIsSet("QM_SIN"))
        family->taxpayer()->t1()->setString("sin", CString(qEnvironmentVariable("QM_SIN")));

    QTemporaryDir dir;
    CT1AppConfig config;
    config.m_JAVACLASSPATH = qEnvironmentVariable("QM_CLASSPATH");
    config.m_JVMPATH = qEnvironmentVariable("QM_JVMPATH");
    config.m_RetPdfPath = dir.filePath(QStringLiteral("pdf"));
    config.m_PrintHeader = qEnvironmentVariable("QM_PRINT_HEADER") != QLatin1String("0");
    const int mode = qEnvironmentVariableIntValue("QM_MODE");

    ReturnPrinter printer(family.get(), &config, 2, nullptr);
    printer.setReturnFile(dir.path(), QStringLiteral("Fault case.r21"));
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    CString pdf;
    const int rc = printer.CreatePDF(mode, 0, 0, 0, &pdf);

    const QString expect = qEnvironmentVariable("QM_EXPECT");
    if (expect == QLatin1String("ok")) {
        QCOMPARE(rc, 0);
        QVERIFY(prompts.texts().isEmpty());
        QVERIFY(QFileInfo(pdf.toQString()).size() > 0);
        if (qEnvironmentVariableIsSet("QM_PDF_SAYS")) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {pdf.toQString(), QStringLiteral("-")});
            QVERIFY(text.waitForFinished(30000));
            QVERIFY(QString::fromUtf8(text.readAllStandardOutput()).simplified().contains(qEnvironmentVariable("QM_PDF_SAYS")));
        }
    } else if (expect == QLatin1String("empty")) {
        QCOMPARE(rc, int(ReturnPrinter::kEmptyPdf));
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral(
            "PDF file is created with zero content, usually it means anti-virus software blocks file generation.")});
    } else {
        bool ok = false;
        const int code = expect.toInt(&ok);
        QVERIFY2(ok, "QM_EXPECT names no case");
        QCOMPARE(rc, code);
        QCOMPARE(prompts.texts().size(), 1);
        const QString text = prompts.texts().constFirst();
        QVERIFY2(text.endsWith(QStringLiteral("error code is %1.").arg(code)), qPrintable(text));
        // Exceptions with no code of their own get the generic text, never success.
        if (code == JavaVMEnv::kJavaException) QVERIFY(text.startsWith(QLatin1String("Print error happend, ")));
        QVERIFY(pdf.IsEmpty());
        // A failed start leaves the host unready: the next print tries
        // again, and fails the same way.
        if (code > -101 || (code <= -101 && code >= -105)) {
            QVERIFY(!JavaVMEnv::getInstance()->isInitialised());
            prompts.press(Prompt::Ok);
            QCOMPARE(printer.CreatePDF(mode, 0, 0, 0, &pdf), code);
            QCOMPARE(prompts.texts().size(), 2);
            QCOMPARE(prompts.texts().at(1), text);
        }
    }
}

QTEST_MAIN(JvmFaultTest)
#include "tst_jvmfaults.moc"
