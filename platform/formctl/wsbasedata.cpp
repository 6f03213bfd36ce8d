#include "wsbasedata.h"

#include "mydatastream.h"

namespace {
const char* javaType(CField::Type t)
{
    switch (t) {
    case CField::String: return "String";
    case CField::Int: return "int";
    case CField::Bool: return "boolean";
    case CField::Date: return "String";
    case CField::Float: return "double";
    }
    return "String";
}
}

void CWSBaseData::Serialize(MyDataStream& stream)
{
    if (stream.IsStoring())
        m_fields.write(stream);
    else
        m_fields.read(stream);
}

std::string CWSBaseData::writeToString() const
{
    std::string out;
    for (const CField* f : m_fields.all()) {
        out += f->GetName().c_str();
        out += '=';
        const QVariant v = f->GetVariant();
        out += (f->GetType() == CField::Date ? v.toDate().toString(Qt::ISODate) : v.toString()).toStdString();
        out += '\n';
    }
    return out;
}

bool CWSBaseData::readFromStringMap(const std::map<std::string, std::string>& values)
{
    bool ok = true;
    for (const auto& kv : values) {
        CField* f = m_fields.find(CString(kv.first.c_str()));
        if (f && !f->SetVariant(QString::fromStdString(kv.second))) ok = false;
    }
    return ok;
}

std::string CWSBaseData::WriteJavaFileDeclaration() const
{
    std::string out;
    for (const CField* f : m_fields.all())
        out += std::string("    public ") + javaType(f->GetType()) + " " + f->GetName().c_str() + ";\n";
    return out;
}

std::string CWSBaseData::WriteJavaFileContruction() const
{
    std::string out;
    for (const CField* f : m_fields.all()) {
        const char* init = "\"\"";
        switch (f->GetType()) {
        case CField::Int: init = "0"; break;
        case CField::Bool: init = "false"; break;
        case CField::Float: init = "0.0"; break;
        default: break;
        }
        out += std::string("        ") + f->GetName().c_str() + " = " + init + ";\n";
    }
    return out;
}
