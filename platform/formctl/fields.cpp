#include "fields.h"

#include <cmath>

#include <QLocale>

#include "mydatastream.h"

namespace {

template <typename T>
const T* sameType(const CField& other, CField::Type type)
{
    return other.GetType() == type ? static_cast<const T*>(&other) : nullptr;
}

} // namespace

std::unique_ptr<CField> CField::Create(const CString& name, Type type)
{
    switch (type) {
    case String: return std::make_unique<CStringField>(name);
    case Int: return std::make_unique<CIntField>(name);
    case Bool: return std::make_unique<CBoolField>(name);
    case Date: return std::make_unique<CDateField>(name);
    case Float: return std::make_unique<CFloatField>(name);
    }
    return nullptr;
}

bool CField::SkipValue(Type type, MyDataStream& stream)
{
    switch (type) {
    case String: { CString s; stream >> s; return !stream.failed(); }
    case Int: { qint32 v; stream >> v; return !stream.failed(); }
    case Bool: { qint8 v; stream >> v; return !stream.failed(); }
    case Date: { qint32 v; stream >> v; return !stream.failed(); }
    case Float: { double v; stream >> v; return !stream.failed(); }
    }
    return false;
}

// ---- string

bool CStringField::SetVariant(const QVariant& value)
{
    if (!value.canConvert<QString>()) return false;
    m_value = value.toString();
    return true;
}

bool CStringField::Differs(const CField& other) const
{
    const auto* o = sameType<CStringField>(other, String);
    return !o || o->m_value != m_value;
}

bool CStringField::CopyFrom(const CField& other)
{
    const auto* o = sameType<CStringField>(other, String);
    if (!o) return false;
    m_value = o->m_value;
    return true;
}

void CStringField::RemoveBlanks()
{
    m_value.Remove(' ');
    m_value.Remove('\t');
}

void CStringField::WriteValue(MyDataStream& stream) const { stream << m_value; }
void CStringField::ReadValue(MyDataStream& stream) { stream >> m_value; }

// ---- int

bool CIntField::SetVariant(const QVariant& value)
{
    bool ok = false;
    const int v = value.type() == QVariant::String ? QLocale::c().toInt(value.toString().trimmed(), &ok) : value.toInt(&ok);
    if (!ok) return false;
    m_value = v;
    return true;
}

bool CIntField::Differs(const CField& other) const
{
    const auto* o = sameType<CIntField>(other, Int);
    return !o || o->m_value != m_value;
}

bool CIntField::CopyFrom(const CField& other)
{
    const auto* o = sameType<CIntField>(other, Int);
    if (!o) return false;
    m_value = o->m_value;
    return true;
}

void CIntField::WriteValue(MyDataStream& stream) const { stream << qint32(m_value); }
void CIntField::ReadValue(MyDataStream& stream) { qint32 v = 0; stream >> v; m_value = v; }

// ---- bool

bool CBoolField::SetVariant(const QVariant& value)
{
    if (value.type() == QVariant::String) {
        const QString s = value.toString().trimmed().toLower();
        if (s == QLatin1String("true") || s == QLatin1String("1")) { m_value = true; return true; }
        if (s == QLatin1String("false") || s == QLatin1String("0")) { m_value = false; return true; }
        return false;
    }
    if (!value.canConvert<bool>()) return false;
    m_value = value.toBool();
    return true;
}

bool CBoolField::Differs(const CField& other) const
{
    const auto* o = sameType<CBoolField>(other, Bool);
    return !o || o->m_value != m_value;
}

bool CBoolField::CopyFrom(const CField& other)
{
    const auto* o = sameType<CBoolField>(other, Bool);
    if (!o) return false;
    m_value = o->m_value;
    return true;
}

void CBoolField::WriteValue(MyDataStream& stream) const { stream << qint8(m_value ? 1 : 0); }
void CBoolField::ReadValue(MyDataStream& stream) { qint8 v = 0; stream >> v; m_value = v != 0; }

// ---- date

bool CDateField::SetVariant(const QVariant& value)
{
    if (value.type() == QVariant::Date) { SetValue(value.toDate()); return true; }
    if (value.type() == QVariant::String) {
        const QString s = value.toString().trimmed();
        if (s.isEmpty()) { m_value = QDate(); return true; }
        const QDate d = QDate::fromString(s, Qt::ISODate);
        if (!d.isValid()) return false;
        m_value = d;
        return true;
    }
    return false;
}

bool CDateField::Differs(const CField& other) const
{
    const auto* o = sameType<CDateField>(other, Date);
    return !o || o->m_value != m_value;
}

bool CDateField::CopyFrom(const CField& other)
{
    const auto* o = sameType<CDateField>(other, Date);
    if (!o) return false;
    m_value = o->m_value;
    return true;
}

void CDateField::WriteValue(MyDataStream& stream) const { stream << storedDate(m_value); }
void CDateField::ReadValue(MyDataStream& stream) { qint32 v = 0; stream >> v; m_value = dateFromStored(v); }

// ---- float

bool CFloatField::SetVariant(const QVariant& value)
{
    bool ok = false;
    const double v = value.type() == QVariant::String ? QLocale::c().toDouble(value.toString().trimmed(), &ok) : value.toDouble(&ok);
    if (!ok || !isUsableAmount(v)) return false;
    m_value = v;
    return true;
}

bool CFloatField::Differs(const CField& other) const
{
    const auto* o = sameType<CFloatField>(other, Float);
    return !o || std::fabs(o->m_value - m_value) >= kTolerance;
}

bool CFloatField::CopyFrom(const CField& other)
{
    const auto* o = sameType<CFloatField>(other, Float);
    if (!o) return false;
    m_value = o->m_value;
    return true;
}

void CFloatField::WriteValue(MyDataStream& stream) const { stream << m_value; }
void CFloatField::ReadValue(MyDataStream& stream) { double v = 0; stream >> v; m_value = isUsableAmount(v) ? v : 0.0; }
