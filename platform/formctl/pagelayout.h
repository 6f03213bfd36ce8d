#pragma once
// How a form, slip, note or interview item is laid out on its pages: plain
// rows, declared beside the item's field table and composed like it (a
// shared part, then the class's own). The editor's pages, the printed PDF
// and the report maker's sources all read this one description. No widgets
// here: the page class that draws a layout lives in ui/.

#include <vector>

struct LayoutRow
{
    enum Kind {
        Page,     // a tab: label = its title
        Section,  // a heading: label
        Line,     // field, number (as printed, or null), label; choices "@lines":
                  // a text shown on several lines (a note's text); "@spouse": an
                  // answer that applies only to a person with a spouse; "@count"
                  // as for a Column
        Choice,   // an int field: choices = "1=Yes|2=No"; "@provinces" for the province list
        Table,    // a repeated entry: field = the group ("donations"), label = its heading;
                  // its Column rows follow at once
        Column,   // field = "group.#.column", label = the column heading; choices as
                  // for a Choice when the column's int is picked from a list;
                  // "@count": a number of things, not an amount of money
        Action,   // a button: label, event = the editor's custom event number,
                  // target = the form type it goes to (event 1235), else 0
        Hidden,   // a field kept off the pages on purpose (field; '#' patterns allowed)
    };
    Kind kind;
    const char* field = nullptr;
    const char* number = nullptr;
    const char* label = nullptr;
    const char* choices = nullptr;
    int event = 0;
    int target = 0;
};

struct LayoutTable
{
    const LayoutRow* rows;
    int count;
};

template <int N>
constexpr LayoutTable layoutTable(const LayoutRow (&rows)[N])
{
    return LayoutTable{rows, N};
}

// A composed layout: its parts in order.
using PageLayout = std::vector<LayoutTable>;

// Shorthands for layout tables.
#define QL_PAGE(title) LayoutRow{LayoutRow::Page, nullptr, nullptr, title}
#define QL_SECTION(heading) LayoutRow{LayoutRow::Section, nullptr, nullptr, heading}
#define QL_LINE(field, number, label) LayoutRow{LayoutRow::Line, field, number, label}
// A text field written on several lines.
#define QL_TEXT(field, label) LayoutRow{LayoutRow::Line, field, nullptr, label, "@lines"}
#define QL_CHOICE(field, number, label, choices) LayoutRow{LayoutRow::Choice, field, number, label, choices}
// An answer about the spouse or common-law partner, not printed for a person without one.
#define QL_SPOUSE_LINE(field, number, label) LayoutRow{LayoutRow::Line, field, number, label, "@spouse"}
#define QL_PROVINCES(field, number, label) LayoutRow{LayoutRow::Choice, field, number, label, "@provinces"}
#define QL_TABLE(group, heading) LayoutRow{LayoutRow::Table, group, nullptr, heading}
#define QL_COLUMN(field, heading) LayoutRow{LayoutRow::Column, field, nullptr, heading}
#define QL_CHOICE_COLUMN(field, heading, choices) LayoutRow{LayoutRow::Column, field, nullptr, heading, choices}
// A column or line of counts (months, shares): printed as whole numbers where they are.
#define QL_COUNT_COLUMN(field, heading) LayoutRow{LayoutRow::Column, field, nullptr, heading, "@count"}
#define QL_COUNT_LINE(field, number, label) LayoutRow{LayoutRow::Line, field, number, label, "@count"}
#define QL_ACTION(label, event, target) LayoutRow{LayoutRow::Action, nullptr, nullptr, label, nullptr, event, target}
#define QL_HIDDEN(field) LayoutRow{LayoutRow::Hidden, field}
