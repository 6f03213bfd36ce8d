// makereportsources <java folder> <xml folder> <blank-form xml folder>:
// writes the report maker's generated sources (every form's and slip's
// class and layouts, the note's class and the type tables), which the build
// compiles into the report maker's archive.

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include "formtables.h"
#include "individualtaxdata.h"

namespace {

// The jurisdictions' names and codes, so that the print names a province as
// the pages do, from the one table.
bool writeProvinces(const QString& javaFolder)
{
    QSaveFile file(QDir(javaFolder).filePath(QStringLiteral("Provinces.java")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << "package quillmere.makereport;\n\n"
        << "/** The provinces and territories by number (0 none), as the program's table holds them. */\n"
        << "public final class Provinces\n{\n"
        << "    private Provinces() {}\n";
    for (const char* member : {"NAMES", "CODES"}) {
        out << "    public static final String[] " << member << " = {";
        for (int p = 0; p <= PROV_YT; ++p) {
            const ProvInfo& info = Global_Provs_Info[p];
            out << (p ? ", " : "") << '"' << (qstrcmp(member, "NAMES") == 0 ? info.displayText : info.code) << '"';
        }
        out << "};\n";
    }
    out << "}\n";
    out.flush();
    return file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    // The provincial libraries are found beside the program's own.
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: makereportsources <java folder> <xml folder> <blank-form xml folder>\n");
        return 2;
    }
    for (int i = 1; i < 4; ++i) QDir().mkpath(args.at(i));
    const CString java(args.at(1)), xml(args.at(2)), bform(args.at(3));
    IndividualTaxData::WriteJavaXMLFile(java, xml, bform);
    IndividualTaxData::WriteJavaSlipFile(java, bform);
    IndividualTaxData::WriteJavaNoteFile(java);
    if (!writeProvinces(args.at(1))) return 1;
    return QFile::exists(QDir(args.at(1)).filePath(QStringLiteral("TaxFormType.java"))) ? 0 : 1;
}
