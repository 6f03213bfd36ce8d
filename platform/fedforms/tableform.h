#pragma once
// The one mechanism behind every form, slip, note and interview-data class:
// a class names its fields in a table, and the base operations (copy,
// compare, stream, report sources) work from the fields. Thin subclasses
// add only the operations their own rules need.

#include "taxdataform.h"

// One row of a class's field table.
//   name     the agency's line or box number ("15000", "14"), else a plain name
//   type     the field's kind
//   initial  the starting value as text (null: the kind's empty value)
//   repeat   0 for a single field; N > 0 for a column of a repeated entry:
//            the name holds '#', replaced by the row number 1..N
//            ("donations.#.amount" -> "donations.1.amount" ... "donations.20.amount")
//   attributes  CField::Attribute bits (CField::Calculated for lines the
//            calculation fills)
struct FieldSpec
{
    const char* name;
    CField::Type type;
    const char* initial = nullptr;
    int repeat = 0;
    unsigned attributes = 0;
};

// Shorthands for field tables.
#define QM_STR(name) FieldSpec{name, CField::String}
#define QM_INT(name) FieldSpec{name, CField::Int}
#define QM_BOOL(name) FieldSpec{name, CField::Bool}
#define QM_DATE(name) FieldSpec{name, CField::Date}
// An amount the agency's line never holds below zero (a deduction, a credit,
// a payment, most slip boxes): a negative one is refused as it is typed,
// imported or downloaded, and reported by validation.
#define QM_AMT(name) FieldSpec{name, CField::Float, nullptr, 0, CField::NonNegative}
// An amount that may be negative: a loss, a net amount, an adjustment.
#define QM_SIGNED(name) FieldSpec{name, CField::Float}
#define QM_CALC(name) FieldSpec{name, CField::Float, nullptr, 0, CField::Calculated}
#define QM_INT_INIT(name, initial) FieldSpec{name, CField::Int, initial}
#define QM_ROWS(name, type, rows) FieldSpec{name, type, nullptr, rows}
// Columns of amounts of a repeated entry, as QM_AMT and QM_SIGNED.
#define QM_AMT_ROWS(name, rows) FieldSpec{name, CField::Float, nullptr, rows, CField::NonNegative}
#define QM_SIGNED_ROWS(name, rows) FieldSpec{name, CField::Float, nullptr, rows}
// A column of a repeated entry that the calculation fills.
#define QM_CALC_ROWS(name, rows) FieldSpec{name, CField::Float, nullptr, rows, CField::Calculated}
// A yes/no answer: 0 yes, 1 no, 2 not answered (the start), so that an
// untouched answer is never sent or tested as yes.
#define QM_ANSWER(name) FieldSpec{name, CField::Int, "2"}
// A count the calculation fills.
#define QM_CALC_INT(name) FieldSpec{name, CField::Int, nullptr, 0, CField::Calculated}

struct FieldTable
{
    const FieldSpec* rows;
    int count;
};

template <int N>
constexpr FieldTable fieldTable(const FieldSpec (&rows)[N])
{
    return FieldTable{rows, N};
}

class TableForm : public CTaxData_Form
{
    Q_OBJECT
public:
    TableForm(ENUMTYPE_FROM kind, int type, const FieldTable& table, QObject* parent = nullptr);
    // Several tables: a shared part and the class's own.
    TableForm(ENUMTYPE_FROM kind, int type, std::initializer_list<FieldTable> tables, QObject* parent = nullptr);
    // With the page layout beside the fields, composed the same way.
    TableForm(ENUMTYPE_FROM kind, int type, std::initializer_list<FieldTable> tables,
              std::initializer_list<LayoutTable> layout, QObject* parent = nullptr);

    // The name of row `row` (from 1) of a repeated column ("donations.#.amount").
    static CString rowField(const char* pattern, int row);
    // The number of rows of a repeated entry in use: the highest row whose
    // fields (any of `columns`) hold a value.
    int usedRows(std::initializer_list<const char*> columns, int maxRows) const;

    // A form carries into next year unless its type is retired or it belongs
    // to another province than the person's; slips always carry.
    bool IsCarriedToNewYear(unsigned char edition, ENUMTYPE_PROVINCE province) const override;
    // Without data only the amounts restart: names, descriptions, codes and
    // dates stay, so last year's payers, businesses and identity come along.
    void CarryToNewYear(bool withData) override;
    // A slip holding amounts must name its payer; other items check nothing here.
    int Validate(unsigned char flag, std::list<CString>& messages) override;
    // Sends every field named by an agency code (see freedata.h).
    int WriteFreeData(unsigned char mode, NetfileGenObjParamStru& param) override;

protected:
    // Adds rows `fromRow` to `toRow` of the repeated columns of `table`
    // whose names begin with `group` ("shares.#."), for an entry that grows.
    void addRows(const FieldTable& table, const char* group, int fromRow, int toRow);

private:
    void addFields(const FieldTable& table);
};
