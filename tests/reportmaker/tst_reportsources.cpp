// The report maker's generated sources: the files, their folders and the
// three tables of type numbers.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "individualtaxdata.h"
#include "utils.h"

namespace {

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Folders
{
    QTemporaryDir dir;
    QString java = dir.filePath(QStringLiteral("java")), xml = dir.filePath(QStringLiteral("xml")),
            bform = dir.filePath(QStringLiteral("bform"));
    Folders()
    {
        for (const QString& f : {java, xml, bform}) QDir().mkpath(f);
    }
    void writeAll(const QString& javaFolder) const
    {
        IndividualTaxData::WriteJavaXMLFile(CString(javaFolder), CString(xml), CString(bform));
        IndividualTaxData::WriteJavaSlipFile(CString(javaFolder), CString(bform));
        IndividualTaxData::WriteJavaNoteFile(CString(javaFolder));
    }
};

} // namespace

class ReportSourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setProgramLibraryFolder(QString()); }
    void typeTables();
    void formClassesCarryTheirLayout();
    void nothingWithoutJavaFolder();
    void missingProvincialLibrary();
};

void ReportSourcesTest::typeTables()
{
    Folders f;
    f.writeAll(f.java);
    const QByteArray forms = read(QDir(f.java).filePath(QStringLiteral("TaxFormType.java")));
    QVERIFY(forms.startsWith(read(QStringLiteral(GOLDEN_DIR "/TaxFormType.opening.txt"))));
    QVERIFY(forms.contains("pdfFiles = new InfoFileItem[193];\n\npdfFiles[  0] = null;\n"));
    QCOMPARE(forms.count("] = new InfoFileItem(CONST_"), 192);
    QVERIFY(forms.contains("pdfFiles[ 24] = new InfoFileItem(CONST_ON428, \"Ontario Tax\", \"ON428\", \"ON428.xml\");\n"));
    QVERIFY(forms.contains("for (int j=0; j<193; j++)\n"));
    QVERIFY(forms.endsWith("return null;\n}\n\n}\n\n"));

    // The slip and note tables land inside the Java folder.
    const QByteArray slips = read(QDir(f.java).filePath(QStringLiteral("SlipDataType.java")));
    QCOMPARE(slips.count("static final int CONST_"), 25);
    QVERIFY(slips.contains("static final int CONST_SlipT4 = 1;\n"));
    QVERIFY(slips.contains("static final int CONST_SlipT2202A = 12;\n"));
    QVERIFY(read(QDir(f.java).filePath(QStringLiteral("NoteDataType.java")))
                .contains("public class NoteDataType\n{\nstatic final int CONST_NOTE_GENERAL= 1;\n"));
    QVERIFY(QFile::exists(QDir(f.java).filePath(QStringLiteral("NoteData_General.java"))));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{});
}

void ReportSourcesTest::formClassesCarryTheirLayout()
{
    Folders f;
    f.writeAll(f.java);
    const QByteArray t1 = read(QDir(f.java).filePath(QStringLiteral("T1.java")));
    QVERIFY(t1.contains("public static final String NAME = \"T1\";"));
    QVERIFY(t1.contains("{\"L\", \"15000\", \"15000\", \"Total income\", \"\", \"c\"},"));
    QVERIFY(QFile::exists(QDir(f.xml).filePath(QStringLiteral("T1.xml"))));
    QVERIFY(QFile::exists(QDir(f.bform).filePath(QStringLiteral("T1.xml"))));
    // Slips: the class, and the blank-form layout named after it; no slip 12.
    QVERIFY(read(QDir(f.java).filePath(QStringLiteral("SlipT4.java"))).contains("public static final String[][] LAYOUT"));
    QVERIFY(QFile::exists(QDir(f.bform).filePath(QStringLiteral("SlipT4.xml"))));
    QVERIFY(!QFile::exists(QDir(f.java).filePath(QStringLiteral("SlipT2202A.java"))));
}

void ReportSourcesTest::nothingWithoutJavaFolder()
{
    Folders f;
    f.writeAll(QString());
    for (const QString& folder : {f.java, f.xml, f.bform})
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{});
}

void ReportSourcesTest::missingProvincialLibrary()
{
    // Every provincial library but Ontario's.
    QTemporaryDir libs;
    const QDir built(QStringLiteral(LIBRARY_DIR));
    for (const QString& name : built.entryList({QStringLiteral("libqlmr21*.so")}, QDir::Files)) {
        if (name == QLatin1String("libqlmr21on.so")) continue;
        QVERIFY(QFile::link(built.filePath(name), QDir(libs.path()).filePath(name)));
    }
    setProgramLibraryFolder(libs.path());
    Folders f;
    f.writeAll(f.java);
    const QDir java(f.java);
    QVERIFY(java.exists(QStringLiteral("T1.java")));      // the federal factory's
    QVERIFY(java.exists(QStringLiteral("BC428.java")));   // a library that loaded
    QVERIFY(!java.exists(QStringLiteral("ON428.java")));
    QVERIFY(read(java.filePath(QStringLiteral("TaxFormType.java"))).contains("CONST_ON428 = 24;"));
}

QTEST_GUILESS_MAIN(ReportSourcesTest)
#include "tst_reportsources.moc"
