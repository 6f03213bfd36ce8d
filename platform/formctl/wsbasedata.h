#pragma once
// The data holder behind an interview page or an option dialog: named fields
// that the page's widgets named like them ("fld_...") bind to.

#include <map>
#include <string>

#include "fieldlist.h"

class MyDataStream;

class CWSBaseData
{
public:
    CWSBaseData() = default;
    virtual ~CWSBaseData() = default;
    CWSBaseData(const CWSBaseData&) = delete;
    CWSBaseData& operator=(const CWSBaseData&) = delete;

    // Runs after each edit of a bound widget; 0 when nothing else changed.
    virtual int Calculate() { return 0; }
    virtual bool copyFrom(const CWSBaseData& other) { return m_fields.copyValuesFrom(other.m_fields); }
    virtual void Serialize(MyDataStream& stream);
    // Brings last year's values into this year's holder; nothing by default.
    virtual void ChangeToNewYearData() {}
    // "name=value" lines of every field, in registration order.
    virtual std::string writeToString() const;
    // Sets each field named in the map; false when a value could not be read.
    virtual bool readFromStringMap(const std::map<std::string, std::string>& values);
    // The report maker's Java member declarations and their construction.
    virtual std::string WriteJavaFileDeclaration() const;
    virtual std::string WriteJavaFileContruction() const;

    CFieldList& fields() { return m_fields; }
    const CFieldList& fields() const { return m_fields; }
    CField* field(const CString& name) const { return m_fields.find(name); }

protected:
    CFieldList m_fields;
};
