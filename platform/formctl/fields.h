#pragma once
// Typed fields: every value of a form, slip, note or interview-data object
// lives in one of these, under a name (the agency's line or box number, or a
// plain name for what has none).

#include <memory>

#include <QDate>
#include <QVariant>

#include "cents.h"
#include "cstring.h"

class MyDataStream;

class CField
{
public:
    // Stored in files next to each value: never renumber.
    enum Type : qint8 { String = 1, Int = 2, Bool = 3, Date = 4, Float = 5 };

    // Attribute bits a field may carry.
    enum Attribute : unsigned {
        Calculated = 0x1,   // filled by the calculation, never entered by the user
        NonNegative = 0x2,  // an amount the agency's line never holds below zero
    };

    explicit CField(const CString& name) : m_name(name) {}
    virtual ~CField() = default;
    CField(const CField&) = delete;
    CField& operator=(const CField&) = delete;

    const CString& GetName() const { return m_name; }
    virtual Type GetType() const = 0;
    unsigned GetAttributes() const { return m_attributes; }
    void SetAttributes(unsigned attributes) { m_attributes = attributes; }
    bool IsCalculated() const { return m_attributes & Calculated; }
    // False for the amounts that cannot be negative (deductions, credits,
    // payments, most slip boxes); every other field may hold any value.
    bool MayBeNegative() const { return !(m_attributes & NonNegative); }

    virtual QVariant GetVariant() const = 0;
    // False, and the value unchanged, when `value` cannot be read as this type.
    virtual bool SetVariant(const QVariant& value) = 0;
    // True while the field holds its starting value.
    virtual bool IsDefault() const = 0;
    virtual void Reset() = 0;
    // Values compare; a float differs from 0.009 on. Fields of other types differ.
    virtual bool Differs(const CField& other) const = 0;
    // Copies the value of a field of the same type; false otherwise.
    virtual bool CopyFrom(const CField& other) = 0;

    // The value alone, in the encoding of this field's type.
    virtual void WriteValue(MyDataStream& stream) const = 0;
    virtual void ReadValue(MyDataStream& stream) = 0;

    // Reads and drops one value of `type` (a field a later version removed).
    static bool SkipValue(Type type, MyDataStream& stream);
    // An empty field of `type`; null for a type no field has.
    static std::unique_ptr<CField> Create(const CString& name, Type type);
    static bool IsKnownType(int type) { return type >= String && type <= Float; }

private:
    CString m_name;
    unsigned m_attributes = 0;
};

class CStringField : public CField
{
public:
    explicit CStringField(const CString& name, const CString& initial = CString())
        : CField(name), m_value(initial), m_initial(initial) {}
    Type GetType() const override { return String; }
    const CString& GetValue() const { return m_value; }
    void SetValue(const CString& value) { m_value = value; }
    // The value without blanks at either end.
    CString GetTrimedString() const { CString t = m_value; t.Trim(); return t; }
    // True when the value holds nothing but blanks.
    bool IsEmptyIfRemoveBlank() const { return GetTrimedString().IsEmpty(); }
    // Removes every blank from the value itself ("046 454 286" -> "046454286").
    void RemoveBlanks();
    QVariant GetVariant() const override { return m_value.toQString(); }
    bool SetVariant(const QVariant& value) override;
    bool IsDefault() const override { return m_value == m_initial; }
    void Reset() override { m_value = m_initial; }
    bool Differs(const CField& other) const override;
    bool CopyFrom(const CField& other) override;
    void WriteValue(MyDataStream& stream) const override;
    void ReadValue(MyDataStream& stream) override;

private:
    CString m_value;
    CString m_initial;
};

class CIntField : public CField
{
public:
    explicit CIntField(const CString& name, int initial = 0) : CField(name), m_value(initial), m_initial(initial) {}
    Type GetType() const override { return Int; }
    int GetValue() const { return m_value; }
    void SetValue(int value) { m_value = value; }
    QVariant GetVariant() const override { return m_value; }
    bool SetVariant(const QVariant& value) override;
    bool IsDefault() const override { return m_value == m_initial; }
    void Reset() override { m_value = m_initial; }
    bool Differs(const CField& other) const override;
    bool CopyFrom(const CField& other) override;
    void WriteValue(MyDataStream& stream) const override;
    void ReadValue(MyDataStream& stream) override;

private:
    int m_value;
    int m_initial;
};

class CBoolField : public CField
{
public:
    explicit CBoolField(const CString& name, bool initial = false) : CField(name), m_value(initial), m_initial(initial) {}
    Type GetType() const override { return Bool; }
    bool GetValue() const { return m_value; }
    void SetValue(bool value) { m_value = value; }
    QVariant GetVariant() const override { return m_value; }
    bool SetVariant(const QVariant& value) override;
    bool IsDefault() const override { return m_value == m_initial; }
    void Reset() override { m_value = m_initial; }
    bool Differs(const CField& other) const override;
    bool CopyFrom(const CField& other) override;
    void WriteValue(MyDataStream& stream) const override;
    void ReadValue(MyDataStream& stream) override;

private:
    bool m_value;
    bool m_initial;
};

// A date, or none (a null QDate). Stored as the int yyyymmdd, 0 for none.
class CDateField : public CField
{
public:
    explicit CDateField(const CString& name, const QDate& initial = QDate()) : CField(name), m_value(initial), m_initial(initial) {}
    Type GetType() const override { return Date; }
    const QDate& GetValue() const { return m_value; }
    void SetValue(const QDate& value) { m_value = value.isValid() ? value : QDate(); }
    bool IsValid() const { return m_value.isValid(); }
    QVariant GetVariant() const override { return m_value; }
    bool SetVariant(const QVariant& value) override;
    bool IsDefault() const override { return m_value == m_initial; }
    void Reset() override { m_value = m_initial; }
    bool Differs(const CField& other) const override;
    bool CopyFrom(const CField& other) override;
    void WriteValue(MyDataStream& stream) const override;
    void ReadValue(MyDataStream& stream) override;

private:
    QDate m_value;
    QDate m_initial;
};

// An amount or other number.
class CFloatField : public CField
{
public:
    static constexpr double kTolerance = kAmountThatCounts;   // amounts differ from this on

    explicit CFloatField(const CString& name, double initial = 0.0) : CField(name), m_value(initial), m_initial(initial) {}
    Type GetType() const override { return Float; }
    double GetValue() const { return m_value; }
    void SetValue(double value) { m_value = value; }
    QVariant GetVariant() const override { return m_value; }
    bool SetVariant(const QVariant& value) override;
    bool IsDefault() const override { return m_value == m_initial; }
    void Reset() override { m_value = m_initial; }
    bool Differs(const CField& other) const override;
    bool CopyFrom(const CField& other) override;
    void WriteValue(MyDataStream& stream) const override;
    void ReadValue(MyDataStream& stream) override;

private:
    double m_value;
    double m_initial;
};
