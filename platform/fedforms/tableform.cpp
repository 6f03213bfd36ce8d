#include "tableform.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include <QByteArray>

#include "formtables.h"

TableForm::TableForm(ENUMTYPE_FROM kind, int type, const FieldTable& table, QObject* parent)
    : CTaxData_Form(kind, type, parent)
{
    addFields(table);
}

TableForm::TableForm(ENUMTYPE_FROM kind, int type, std::initializer_list<FieldTable> tables, QObject* parent)
    : CTaxData_Form(kind, type, parent)
{
    for (const FieldTable& t : tables) addFields(t);
}

TableForm::TableForm(ENUMTYPE_FROM kind, int type, std::initializer_list<FieldTable> tables,
                     std::initializer_list<LayoutTable> layout, QObject* parent)
    : CTaxData_Form(kind, type, parent)
{
    for (const FieldTable& t : tables) addFields(t);
    setPageLayout(PageLayout(layout));
}

CString TableForm::rowField(const char* pattern, int row)
{
    // Row names are made for every row of every repeated column at each
    // calculation: built from the parts around the '#' rather than searched
    // and replaced.
    const char* mark = std::strchr(pattern, '#');
    if (!mark) return CString(pattern);
    char digits[12];
    const int length = std::snprintf(digits, sizeof digits, "%d", row);
    QByteArray name;
    name.reserve(int(std::strlen(pattern)) + length);
    name.append(pattern, int(mark - pattern));
    name.append(digits, length);
    name.append(mark + 1);
    if (std::strchr(mark + 1, '#')) return rowField(name.constData(), row);
    return CString(name);
}

int TableForm::usedRows(std::initializer_list<const char*> columns, int maxRows) const
{
    for (int row = maxRows; row >= 1; --row)
        for (const char* column : columns)
            if (const CField* f = m_fields.find(rowField(column, row)))
                if (!f->IsDefault()) return row;
    return 0;
}

bool TableForm::IsCarriedToNewYear(unsigned char, ENUMTYPE_PROVINCE province) const
{
    if (getItemKind() != FROM_FORM) return true;
    if (IsFormExpired(getType(), 0)) return false;
    const int formProvince = getFormProv(getType());
    return formProvince == 0 || formProvince == province;
}

void TableForm::CarryToNewYear(bool withData)
{
    if (withData) return;
    for (CField* f : m_fields.all())
        if (f->GetType() == CField::Float) f->Reset();
}

namespace {
CField* makeInitialised(const CString& name, const FieldSpec& spec)
{
    if (!spec.initial) return CField::Create(name, spec.type).release();
    // The starting value is what Reset() returns to: build the field with it.
    switch (spec.type) {
    case CField::String: return new CStringField(name, CString(spec.initial));
    case CField::Int: return new CIntField(name, QByteArray(spec.initial).toInt());
    case CField::Bool: return new CBoolField(name, QByteArray(spec.initial) == "true" || QByteArray(spec.initial) == "1");
    case CField::Date: return new CDateField(name, QDate::fromString(QString::fromLatin1(spec.initial), Qt::ISODate));
    case CField::Float: return new CFloatField(name, QByteArray(spec.initial).toDouble());
    }
    return nullptr;
}
}

void TableForm::addFields(const FieldTable& table)
{
    for (int i = 0; i < table.count; ++i) {
        const FieldSpec& spec = table.rows[i];
        if (spec.repeat <= 0) {
            CField* f = makeInitialised(CString(spec.name), spec);
            f->SetAttributes(spec.attributes);
            m_fields.adopt(f);
            continue;
        }
        for (int row = 1; row <= spec.repeat; ++row) {
            CField* f = makeInitialised(rowField(spec.name, row), spec);
            f->SetAttributes(spec.attributes);
            m_fields.adopt(f);
        }
    }
}

void TableForm::addRows(const FieldTable& table, const char* group, int fromRow, int toRow)
{
    const size_t prefix = std::strlen(group);
    for (int row = fromRow; row <= toRow; ++row)
        for (int i = 0; i < table.count; ++i) {
            const FieldSpec& spec = table.rows[i];
            if (spec.repeat <= 0 || std::strncmp(spec.name, group, prefix) != 0) continue;
            CField* f = makeInitialised(rowField(spec.name, row), spec);
            f->SetAttributes(spec.attributes);
            m_fields.adopt(f);
        }
}

int TableForm::Validate(unsigned char, std::list<CString>& messages)
{
    if (getItemKind() != FROM_SLIP || !field("payer_name")) return 0;
    CString payer = getString("payer_name");
    payer.Trim();
    if (!payer.IsEmpty()) return 0;
    for (const CField* f : fields().all()) {
        // A share in percent starts at 100 and is no amount of the slip.
        if (f->GetType() != CField::Float || f->IsCalculated() || f->GetName().Find("percent") >= 0) continue;
        if (std::fabs(static_cast<const CFloatField*>(f)->GetValue()) >= CFloatField::kTolerance) {
            messages.push_back("Please enter the payer's name of this slip.");
            return 1;
        }
    }
    return 0;
}
