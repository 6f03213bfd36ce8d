#pragma once
// An ordered set of named fields, owned, with lookup by name, and the
// self-describing stream form shared by every form object and data holder.

#include <QHash>
#include <functional>
#include <utility>
#include <vector>

#include "fields.h"

class MyDataStream;

class CFieldList
{
public:
    CFieldList() = default;
    ~CFieldList();
    CFieldList(const CFieldList&) = delete;
    CFieldList& operator=(const CFieldList&) = delete;

    // Registers a new field under its name; names are unique within a list.
    template <typename F, typename... Args>
    F* add(const CString& name, Args&&... args)
    {
        F* field = new F(name, std::forward<Args>(args)...);
        adopt(field);
        return field;
    }
    void adopt(CField* field);

    CField* find(const CString& name) const;
    // The same without building a string: the calculation asks by literal
    // names thousands of times per recalculation.
    CField* find(const char* name) const;
    const std::vector<CField*>& all() const { return m_fields; }
    int size() const { return int(m_fields.size()); }

    // Copies every value of a field of the same name and type; true when all matched.
    bool copyValuesFrom(const CFieldList& other);
    // True when any field's value differs from the field of the same name.
    bool differsFrom(const CFieldList& other) const;
    void resetAll();

    // Writes every field that holds a value other than its starting one:
    // int count, then per field: name, int8 type, value.
    void write(MyDataStream& stream) const;
    // Resets every field, then reads what `write` wrote. An unknown name is
    // first offered to `grow` (a list whose repeated rows grow makes the row
    // it names), else skipped; a known name stored with another type is
    // converted. False (and the stream marked corrupt) on damaged data.
    using Grow = std::function<CField*(const CString& name)>;
    bool read(MyDataStream& stream, const Grow& grow = Grow());

private:
    std::vector<CField*> m_fields;
    QHash<QByteArray, CField*> m_byName;
};
