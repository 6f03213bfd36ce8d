#include "fieldlist.h"

#include <memory>

#include <QtGlobal>

#include "mydatastream.h"

namespace {
// No form has anywhere near this many fields; a larger count is damage.
constexpr qint32 kMaxStoredFields = 100000;
}

CFieldList::~CFieldList()
{
    for (CField* f : m_fields) delete f;
}

void CFieldList::adopt(CField* field)
{
    Q_ASSERT_X(!m_byName.contains(field->GetName().bytes()), "CFieldList::adopt", field->GetName().c_str());
    m_fields.push_back(field);
    m_byName.insert(field->GetName().bytes(), field);
}

CField* CFieldList::find(const CString& name) const
{
    return m_byName.value(name.bytes(), nullptr);
}

CField* CFieldList::find(const char* name) const
{
    if (!name) return nullptr;
    return m_byName.value(QByteArray::fromRawData(name, int(qstrlen(name))), nullptr);
}

bool CFieldList::copyValuesFrom(const CFieldList& other)
{
    bool all = true;
    for (CField* f : m_fields) {
        const CField* o = other.find(f->GetName());
        if (!o || !f->CopyFrom(*o)) all = false;
    }
    return all;
}

bool CFieldList::differsFrom(const CFieldList& other) const
{
    if (other.size() != size()) return true;
    for (const CField* f : m_fields) {
        const CField* o = other.find(f->GetName());
        if (!o || f->Differs(*o)) return true;
    }
    return false;
}

void CFieldList::resetAll()
{
    for (CField* f : m_fields) f->Reset();
}

void CFieldList::write(MyDataStream& stream) const
{
    qint32 count = 0;
    for (const CField* f : m_fields)
        if (!f->IsDefault()) ++count;
    stream << count;
    for (const CField* f : m_fields) {
        if (f->IsDefault()) continue;
        stream << f->GetName() << qint8(f->GetType());
        f->WriteValue(stream);
    }
}

bool CFieldList::read(MyDataStream& stream, const Grow& grow)
{
    resetAll();
    qint32 count = 0;
    stream >> count;
    if (stream.failed()) return false;
    if (count < 0 || count > kMaxStoredFields) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    for (qint32 i = 0; i < count; ++i) {
        CString name;
        qint8 type = 0;
        stream >> name >> type;
        if (stream.failed()) return false;
        if (!CField::IsKnownType(type)) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return false;
        }
        const auto storedType = CField::Type(type);
        CField* target = find(name);
        if (!target && grow) target = grow(name);
        if (target && target->GetType() == storedType) {
            target->ReadValue(stream);
        } else if (target) {
            auto stored = CField::Create("", storedType);
            stored->ReadValue(stream);
            target->SetVariant(stored->GetVariant());
        } else {
            CField::SkipValue(storedType, stream);
        }
        if (stream.failed()) return false;
    }
    return true;
}
