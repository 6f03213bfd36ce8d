// The report maker's sources: every form's and slip's Java class and XML
// layouts, the note's class and the three tables of type numbers that the
// report maker is compiled with.

#include "individualtaxdata.h"

#include <memory>

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTextStream>

#include "formtables.h"
#include "itemfactory.h"
#include "multiprovstaxmgr.h"
#include "provincialtaxmanager.h"
#include "taxdataform.h"

namespace {

constexpr int kLayoutVersion = 66069;
// Forms whose layouts the report maker does not read.
bool hasNoLayout(int type) { return type == 33 || type == 131 || type == 159 || type == 165; }

QString inFolder(const CString& folder, const QString& name)
{
    // Joined with '/': Qt takes it on every system.
    return QDir(folder.toQString()).filePath(name);
}

QString quotedJava(const char* text)
{
    QString s = QString::fromUtf8(text ? text : "");
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return s;
}

void writeHeader(QTextStream& out)
{
    out << "package quillmere.makereport;\n"
        << "import java.io.*;\n"
        << "import java.util.Vector;\n"
        << "\n";
}

struct ProvincialLibrary
{
    std::unique_ptr<QLibrary> library;
    CProvincialTaxManager* manager = nullptr;
};

} // namespace

void IndividualTaxData::WriteJavaXMLFile(const CString& javaFolder, const CString& xmlFolder, const CString& bformFolder)
{
    if (javaFolder.IsEmpty()) return;

    std::vector<ProvincialLibrary> provinces;
    for (int p = 1; p <= 13; ++p) {
        if (!IsProvinceSupported(p)) continue;
        QString path;
        if (!CMultiProvsTaxMgr::getProvLibFilePath(p, path)) continue;
        ProvincialLibrary lib;
        lib.library = std::make_unique<QLibrary>(path);
        if (!lib.library->load()) continue;
        auto entry = reinterpret_cast<GetTaxManagerFunc>(lib.library->resolve("GetTaxManager"));
        lib.manager = entry ? entry() : nullptr;
        if (!lib.manager) {
            lib.library->unload();
            continue;
        }
        provinces.push_back(std::move(lib));
    }

    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        if (IsFormExpired(type, 0)) continue;
        CTaxData_Form* form = nullptr;
        CProvincialTaxManager* maker = nullptr;
        for (ProvincialLibrary& lib : provinces) {
            if ((form = lib.manager->NewFormData(type, false))) {
                maker = lib.manager;
                break;
            }
        }
        if (!form) form = AllocFedFormData(type);
        if (!form) continue;
        const FormInfo& info = Global_Forms_Info[type];
        if (info.xmlLayout && *info.xmlLayout
            && form->WriteJavaFile(javaFolder, CString(info.javaId)) == 0 && !hasNoLayout(type)) {
            form->WriteXMLFile(xmlFolder, CString(info.xmlLayout), kLayoutVersion);
            form->WriteBFormXMLFile(bformFolder, CString(info.xmlLayout), kLayoutVersion);
        }
        if (!maker || !maker->FreeFormData(form, false)) delete form;
    }

    for (ProvincialLibrary& lib : provinces) {
        delete lib.manager;
        lib.library->unload();
    }

    QFile file(inFolder(javaFolder, QStringLiteral("TaxFormType.java")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    writeHeader(out);
    out << "public class TaxFormType\n{\n";
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        out << "static final int CONST_" << Global_Forms_Info[type].javaId << " = " << type << ";\n";
    out << "\nprivate InfoFileItem[] pdfFiles;\n\n"
        << "private TaxFormType()\n{\n"
        << "pdfFiles = new InfoFileItem[" << MAX_FORM_TYPE + 1 << "];\n\n"
        << "pdfFiles[  0] = null;\n";
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        const FormInfo& info = Global_Forms_Info[type];
        out << QStringLiteral("pdfFiles[%1] = new InfoFileItem(CONST_%2, \"%3\", \"%4\", \"%5\");\n")
                   .arg(type, 3)
                   .arg(QString::fromUtf8(info.javaId), quotedJava(info.longName), quotedJava(info.reportText),
                        quotedJava(info.xmlLayout));
    }
    out << "}\n\n"
        << "static TaxFormType s_taxformtype = new TaxFormType();\n"
        << "public static InfoFileItem getFormTypeInfo(int nType)\n{\n"
        << "for (int j=0; j<" << MAX_FORM_TYPE + 1 << "; j++)\n{\n"
        << "if ((s_taxformtype.pdfFiles[j]!=null) && (s_taxformtype.pdfFiles[j].nFormType == nType))\n{\n"
        << "return s_taxformtype.pdfFiles[j];\n}\n}\nreturn null;\n}\n\n}\n\n";
}

void IndividualTaxData::WriteJavaSlipFile(const CString& javaFolder, const CString& bformFolder)
{
    if (javaFolder.IsEmpty()) return;
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type) {
        if (type == 12) continue;
        std::unique_ptr<CTaxData_Form> slip(AllocSlipData(type));
        if (!slip) continue;
        const CString javaId(Global_Slips_Info[type].javaId);
        slip->WriteJavaFile(javaFolder, javaId);
        slip->WriteBFormXMLFile(bformFolder, javaId + ".xml", kLayoutVersion);
    }
    QFile file(inFolder(javaFolder, QStringLiteral("SlipDataType.java")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&file);
    writeHeader(out);
    out << "public class SlipDataType\n{\n";
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type)
        out << "static final int CONST_" << Global_Slips_Info[type].javaId << " = " << type << ";\n";
    out << "\nSlipDataType()\n{\n}\n}\n";
}

void IndividualTaxData::WriteJavaNoteFile(const CString& javaFolder)
{
    if (javaFolder.IsEmpty()) return;
    if (std::unique_ptr<CTaxData_Form> note(AllocNoteData()); note)
        note->WriteJavaFile(javaFolder, CString("NoteData_General"));
    QFile file(inFolder(javaFolder, QStringLiteral("NoteDataType.java")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&file);
    writeHeader(out);
    out << "public class NoteDataType\n{\n"
        << "static final int CONST_NOTE_GENERAL= 1;\n\n"
        << "NoteDataType()\n{\n}\n}\n";
}
