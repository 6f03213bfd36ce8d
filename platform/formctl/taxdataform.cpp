#include "taxdataform.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamWriter>

#include "formtables.h"
#include "mydatastream.h"
#include "privatefiles.h"

namespace {

template <typename F>
F* typedField(const CFieldList& list, const char* name, CField::Type type)
{
    CField* f = list.find(name);
    return (f && f->GetType() == type) ? static_cast<F*>(f) : nullptr;
}

const char* typeName(CField::Type t)
{
    switch (t) {
    case CField::String: return "string";
    case CField::Int: return "int";
    case CField::Bool: return "bool";
    case CField::Date: return "date";
    case CField::Float: return "float";
    }
    return "string";
}

// Java identifiers for fields named by line number ("15000") need a letter first.
QString javaMember(const CString& fieldName)
{
    QString name = fieldName.toQString();
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_')) c = QLatin1Char('_');
    return QStringLiteral("f_") + name;
}

// A text as a Java string literal.
QString javaLiteral(const char* text)
{
    if (!text) return QStringLiteral("null");
    QString out = QStringLiteral("\"");
    for (const QChar c : QString::fromUtf8(text)) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) out += QLatin1Char('\\');
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

} // namespace

CTaxData_Form::CTaxData_Form(ENUMTYPE_FROM itemKind, int type, QObject* parent)
    : QObject(parent), m_itemKind(itemKind), m_type(short(type))
{
}

CTaxData_Form::~CTaxData_Form() = default;

double CTaxData_Form::getFloat(const char* name) const
{
    auto* f = typedField<CFloatField>(m_fields, name, CField::Float);
    return f ? f->GetValue() : 0.0;
}

bool CTaxData_Form::setFloat(const char* name, double value)
{
    auto* f = typedField<CFloatField>(m_fields, name, CField::Float);
    if (f) f->SetValue(value);
    return f != nullptr;
}

int CTaxData_Form::getInt(const char* name) const
{
    auto* f = typedField<CIntField>(m_fields, name, CField::Int);
    return f ? f->GetValue() : 0;
}

bool CTaxData_Form::setInt(const char* name, int value)
{
    auto* f = typedField<CIntField>(m_fields, name, CField::Int);
    if (f) f->SetValue(value);
    return f != nullptr;
}

bool CTaxData_Form::getBool(const char* name) const
{
    auto* f = typedField<CBoolField>(m_fields, name, CField::Bool);
    return f ? f->GetValue() : false;
}

bool CTaxData_Form::setBool(const char* name, bool value)
{
    auto* f = typedField<CBoolField>(m_fields, name, CField::Bool);
    if (f) f->SetValue(value);
    return f != nullptr;
}

CString CTaxData_Form::getString(const char* name) const
{
    auto* f = typedField<CStringField>(m_fields, name, CField::String);
    return f ? f->GetValue() : CString();
}

bool CTaxData_Form::setString(const char* name, const CString& value)
{
    auto* f = typedField<CStringField>(m_fields, name, CField::String);
    if (f) f->SetValue(value);
    return f != nullptr;
}

QDate CTaxData_Form::getDate(const char* name) const
{
    auto* f = typedField<CDateField>(m_fields, name, CField::Date);
    return f ? f->GetValue() : QDate();
}

bool CTaxData_Form::setDate(const char* name, const QDate& value)
{
    auto* f = typedField<CDateField>(m_fields, name, CField::Date);
    if (f) f->SetValue(value);
    return f != nullptr;
}

namespace {
CTaxData_Form::PageMaker g_pageMaker = nullptr;
}

void CTaxData_Form::setPageMaker(PageMaker maker)
{
    g_pageMaker = maker;
}

CTaxData_Form::PageMaker CTaxData_Form::pageMaker()
{
    return g_pageMaker;
}

void CTaxData_Form::FillPageList(std::list<BaseTaxPage*>& pages, QWidget* parent)
{
    if (g_pageMaker && !m_layout.empty()) g_pageMaker(this, pages, parent);
}

bool CTaxData_Form::CopyFrom(const CTaxData_Form* other)
{
    if (!other || other->m_itemKind != m_itemKind || other->m_type != m_type) return false;
    if (other == this) return true;
    // A grown entry comes along whole: its rows are made here first.
    if (other->m_fields.size() > m_fields.size())
        for (const CField* f : other->m_fields.all())
            if (!m_fields.find(f->GetName())) growField(f->GetName());
    m_autoFilled = other->m_autoFilled;
    return m_fields.copyValuesFrom(other->m_fields);
}

CField* CTaxData_Form::growField(const CString&) { return nullptr; }

bool CTaxData_Form::Differs(const CTaxData_Form* other) const
{
    if (!other) return true;
    if (other == this) return false;
    return other->m_itemKind != m_itemKind || other->m_type != m_type || m_fields.differsFrom(other->m_fields);
}

bool CTaxData_Form::IsCarriedToNewYear(unsigned char, ENUMTYPE_PROVINCE) const { return false; }

void CTaxData_Form::CarryToNewYear(bool withData)
{
    if (!withData) m_fields.resetAll();
}

void CTaxData_Form::CopyFromShared(const CTaxData_Form* changed)
{
    const bool ownMark = m_autoFilled;
    if (!CopyFrom(changed)) return;
    m_autoFilled = ownMark;
    if (const char* share = sharePercentField())
        setFloat(share, qBound(0.0, 100.0 - changed->getFloat(share), 100.0));
}

bool CTaxData_Form::HasSharedComponent() const { return false; }
const char* CTaxData_Form::sharePercentField() const { return nullptr; }

int CTaxData_Form::Serialize(int, const CString&, MyDataStream& stream)
{
    if (stream.IsStoring()) {
        stream << kObjectFormat << qint32(m_autoFilled ? MarkAutoFilled : 0);
        m_fields.write(stream);
        return 0;
    }
    qint32 format = 0;
    stream >> format;
    qint32 marks = 0;
    if (format == 2) stream >> marks;
    if (stream.failed() || format < 1 || format > kObjectFormat) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return -1;
    }
    m_autoFilled = marks & MarkAutoFilled;
    return m_fields.read(stream, [this](const CString& name) { return growField(name); }) ? 0 : -1;
}

CString CTaxData_Form::GetDisplayName() const
{
    switch (m_itemKind) {
    case FROM_FORM:
        if (const FormInfo* f = formInfo(m_type)) return f->shortName;
        break;
    case FROM_SLIP:
        if (const SlipInfo* s = slipInfo(m_type)) return s->name;
        break;
    case FROM_WIZARD:
        if (const TaxWizardInfo* w = taxWizardInfo(m_type)) return w->name;
        break;
    case FROM_NOTE:
        return "Note";
    default:
        break;
    }
    return CString();
}

int CTaxData_Form::Calculate() { return 0; }
void CTaxData_Form::BeforeCalculate() {}
void CTaxData_Form::BeforeReadSlip() {}
void CTaxData_Form::AnyMsgBeforeNetfile(unsigned char, std::list<CString>&) {}

const char* CTaxData_Form::entryMarkOf(const CString&) const
{
    return nullptr;
}
int CTaxData_Form::Validate(unsigned char, std::list<CString>&) { return 0; }

CString CTaxData_Form::fieldCaption(const CField& field) const
{
    // A repeated entry's column is laid out once, as "gifts.#.amount".
    QString name = field.GetName().toQString();
    static const QRegularExpression rowPart(QStringLiteral("\\.(\\d+)\\."));
    const QRegularExpressionMatch row = rowPart.match(name);
    const QString pattern = row.hasMatch() ? QString(name).replace(row.capturedStart(), row.capturedLength(),
                                                                   QStringLiteral(".#."))
                                           : name;
    const char* number = nullptr;
    const char* label = nullptr;
    for (const LayoutTable& part : m_layout)
        for (int i = 0; i < part.count; ++i) {
            const LayoutRow& r = part.rows[i];
            if (!r.field || pattern != QLatin1String(r.field)) continue;
            number = r.number;
            label = r.label;
        }
    const QString digits = number ? QString::fromUtf8(number) : name;
    bool numeric = !digits.isEmpty();
    for (const QChar c : digits) numeric = numeric && c.isDigit();
    if (numeric) return CString((m_itemKind == FROM_SLIP ? QStringLiteral("box ") : QStringLiteral("line ")) + digits);
    QString caption = QStringLiteral("\"%1\"").arg(label ? QString::fromUtf8(label) : name);
    if (row.hasMatch() && label) caption += QStringLiteral(", row ") + row.captured(1);
    return CString(caption);
}

bool CTaxData_Form::AcceptsValue(const CField& field, const QVariant& value, CString* why) const
{
    if (field.GetType() != CField::Float || field.MayBeNegative()) return true;
    if (value.toDouble() > -kAmountThatCounts) return true;
    if (why) {
        QString caption = fieldCaption(field).toQString();
        caption[0] = caption[0].toUpper();
        // The slip's code ("T4") rather than its title: the message names the box.
        const SlipInfo* slip = m_itemKind == FROM_SLIP ? slipInfo(m_type) : nullptr;
        const QString item = slip ? QString::fromUtf8(slip->shortName) : GetDisplayName().toQString();
        *why = CString(QStringLiteral("%1 of %2 cannot be negative.").arg(caption, item));
    }
    return false;
}

void CTaxData_Form::dropRefusedValues(std::list<CString>* why)
{
    for (CField* f : m_fields.all()) {
        CString reason;
        if (f->GetType() != CField::Float || f->IsCalculated() || AcceptsValue(*f, f->GetVariant(), &reason))
            continue;
        f->Reset();
        if (why) why->push_back(reason);
    }
}

int CTaxData_Form::WriteFreeData(unsigned char, NetfileGenObjParamStru&) { return 0; }
void CTaxData_Form::SetDependantInfo(DependantInfoStruct* dependants) { m_dependants = dependants; }

int CTaxData_Form::WriteJavaFile(const CString& folder, const CString& javaId)
{
    QSaveFile file(QDir(folder.toQString()).filePath(javaId.toQString() + QStringLiteral(".java")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return -1;
    keepPrivate(file);
    QTextStream out(&file);
    out << "package quillmere.makereport;\n\n"
        << "public class " << javaId.toQString() << "\n{\n";
    for (const CField* f : m_fields.all()) {
        const char* type = f->GetType() == CField::Float ? "double"
                         : f->GetType() == CField::Int   ? "int"
                         : f->GetType() == CField::Bool  ? "boolean" : "String";
        out << "    public " << type << ' ' << javaMember(f->GetName()) << ";\n";
    }
    writeJavaLayout(out);
    out << "}\n";
    out.flush();
    return file.commit() ? 0 : -1;
}

void CTaxData_Form::writeJavaLayout(QTextStream& out) const
{
    // The printed report lays the item out from these rows: kind letter,
    // field, number, label, choices and "c" for a line the calculation fills.
    static const char kKinds[] = "PSLCTKAH";
    out << "\n    public static final String NAME = " << javaLiteral(GetDisplayName().c_str()) << ";\n";
    out << "    public static final String[][] LAYOUT = {\n";
    for (const LayoutTable& part : m_layout) {
        for (int i = 0; i < part.count; ++i) {
            const LayoutRow& row = part.rows[i];
            const CField* f = row.field ? m_fields.find(row.field) : nullptr;
            out << "        {\"" << kKinds[row.kind] << "\", " << javaLiteral(row.field ? row.field : "") << ", "
                << javaLiteral(row.number ? row.number : "") << ", " << javaLiteral(row.label ? row.label : "") << ", "
                << javaLiteral(row.choices ? row.choices : "") << ", \"" << (f && f->IsCalculated() ? "c" : "")
                << "\"},\n";
        }
    }
    out << "    };\n";
    // Only values other than the field's default are stored in a return
    // file: the report maker needs the starting values that are not empty
    // (an unanswered question's code, a language, a share of 100 %) to print
    // what the page shows. The generator runs on fresh objects, where every
    // field holds its starting value.
    out << "    public static final String[][] DEFAULTS = {\n";
    for (const CField* f : m_fields.all()) {
        if (!f->IsDefault() || f->GetType() == CField::Date) continue;
        const QVariant v = f->GetVariant();
        QString text;
        switch (f->GetType()) {
        case CField::Int: if (v.toInt() != 0) text = QString::number(v.toInt()); break;
        case CField::Float: if (v.toDouble() != 0.0) text = QString::number(v.toDouble(), 'g', 17); break;
        case CField::Bool: if (v.toBool()) text = QStringLiteral("1"); break;
        case CField::String: text = v.toString(); break;
        case CField::Date: break;
        }
        if (text.isEmpty()) continue;
        out << "        {" << javaLiteral(f->GetName().c_str()) << ", \"" << typeName(f->GetType()) << "\", "
            << javaLiteral(text.toUtf8().constData()) << "},\n";
    }
    out << "    };\n";
}

int CTaxData_Form::writeLayout(const CString& folder, const CString& layoutName, int version, const char* root) const
{
    QSaveFile file(QDir(folder.toQString()).filePath(layoutName.toQString()));
    if (!file.open(QIODevice::WriteOnly)) return -1;
    keepPrivate(file);
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QLatin1String(root));
    xml.writeAttribute(QStringLiteral("type"), QString::number(m_type));
    xml.writeAttribute(QStringLiteral("kind"), QString::number(m_itemKind));
    xml.writeAttribute(QStringLiteral("version"), QString::number(version));
    for (const CField* f : m_fields.all()) {
        xml.writeEmptyElement(QStringLiteral("field"));
        xml.writeAttribute(QStringLiteral("name"), f->GetName().toQString());
        xml.writeAttribute(QStringLiteral("type"), QLatin1String(typeName(f->GetType())));
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return file.commit() ? 0 : -1;
}

int CTaxData_Form::WriteXMLFile(const CString& folder, const CString& layoutName, int version)
{
    return writeLayout(folder, layoutName, version, "layout");
}

int CTaxData_Form::WriteBFormXMLFile(const CString& folder, const CString& layoutName, int version)
{
    return writeLayout(folder, layoutName, version, "blanklayout");
}

void CTaxData_Form::FillTestData()
{
    int n = 1;
    for (CField* f : m_fields.all()) {
        switch (f->GetType()) {
        case CField::String: static_cast<CStringField*>(f)->SetValue(CString("Test ") + f->GetName()); break;
        case CField::Int: static_cast<CIntField*>(f)->SetValue(n); break;
        case CField::Bool: static_cast<CBoolField*>(f)->SetValue(true); break;
        case CField::Date: static_cast<CDateField*>(f)->SetValue(QDate(2021, 1 + n % 12, 1 + n % 28)); break;
        case CField::Float: static_cast<CFloatField*>(f)->SetValue(n * 100.25); break;
        }
        ++n;
    }
}
