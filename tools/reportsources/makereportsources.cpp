// makereportsources <java folder> <xml folder> <blank-form xml folder>:
// writes the report maker's generated sources (every form's and slip's
// class and layouts, the note's class and the type tables), which the build
// compiles into the report maker's archive.

#include <cstdio>

#include <QCoreApplication>
#include <QDir>

#include "individualtaxdata.h"

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
    return QFile::exists(QDir(args.at(1)).filePath(QStringLiteral("TaxFormType.java"))) ? 0 : 1;
}
