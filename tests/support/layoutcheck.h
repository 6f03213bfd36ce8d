#pragma once
// The rules every form object's page layout keeps, checked against the
// object's own fields: the layout starts with a page; every row names a
// field the object has (a column a repeated entry "group.#.column", a
// hidden row possibly a '#' pattern); every field is on a page or hidden,
// and on a page once; a choice is an int field with readable values; an
// action posts one of the editor's events. Answers the faults found, one
// readable line each, so a failing test says what to mend.

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include "formtables.h"
#include "taxdataform.h"

namespace layoutcheck {

// A field name matches a pattern when the pattern's '#' stands for a row number.
inline bool matchesPattern(const QString& pattern, const QString& name)
{
    if (!pattern.contains(QLatin1Char('#'))) return pattern == name;
    QString re = QRegularExpression::escape(pattern);
    re.replace(QStringLiteral("\\#"), QStringLiteral("[0-9]+"));
    return QRegularExpression(QRegularExpression::anchoredPattern(re)).match(name).hasMatch();
}

// The editor's custom events a button may post.
inline bool isKnownEvent(int event)
{
    switch (event) {
    case 1235: case 1831: case 1832: case 1871: case 1872: case 5000: case 5001: return true;
    default: return false;
    }
}

inline bool choicesReadable(const char* choices)
{
    if (!choices || !*choices) return false;
    const QString text = QString::fromUtf8(choices);
    if (text == QLatin1String("@provinces")) return true;
    for (const QString& item : text.split(QLatin1Char('|'))) {
        const int eq = item.indexOf(QLatin1Char('='));
        bool ok = false;
        if (eq <= 0 || eq == item.size() - 1) return false;
        item.left(eq).toInt(&ok);
        if (!ok) return false;
    }
    return true;
}

inline QStringList problems(const CTaxData_Form& form)
{
    QStringList faults;
    const PageLayout& layout = form.pageLayout();
    std::vector<const LayoutRow*> rows;
    for (const LayoutTable& part : layout)
        for (int i = 0; i < part.count; ++i) rows.push_back(&part.rows[i]);
    if (rows.empty()) return {QStringLiteral("no layout")};
    if (rows.front()->kind != LayoutRow::Page) faults << QStringLiteral("the first row is not a page");

    QStringList names;
    for (const CField* f : form.fields().all()) names << QString::fromUtf8(f->GetName().c_str());
    QSet<QString> shown;
    QStringList hiddenPatterns;
    QString tableGroup;   // the group of the table whose columns may follow
    for (const LayoutRow* row : rows) {
        const QString field = row->field ? QString::fromUtf8(row->field) : QString();
        const QString where = QStringLiteral("row '%1' (%2)").arg(field, QString::fromUtf8(row->label ? row->label : ""));
        if (row->kind != LayoutRow::Column && row->kind != LayoutRow::Table) tableGroup.clear();
        switch (row->kind) {
        case LayoutRow::Page:
        case LayoutRow::Section:
            if (!row->label || !*row->label) faults << QStringLiteral("a page or section without a title");
            break;
        case LayoutRow::Line:
        case LayoutRow::Choice: {
            const CField* f = form.field(row->field ? row->field : "");
            if (!f) { faults << where + QStringLiteral(" names no field of the object"); break; }
            if (!row->label || !*row->label) faults << where + QStringLiteral(" has no label");
            if (shown.contains(field)) faults << where + QStringLiteral(" is on the pages twice");
            shown.insert(field);
            if (row->kind == LayoutRow::Choice) {
                if (f->GetType() != CField::Int) faults << where + QStringLiteral(" is a choice of a field that is not an int");
                if (!choicesReadable(row->choices)) faults << where + QStringLiteral(" has unreadable choices");
            }
            break;
        }
        case LayoutRow::Table:
            if (field.isEmpty()) faults << QStringLiteral("a table without its group");
            tableGroup = field;
            break;
        case LayoutRow::Column: {
            if (tableGroup.isEmpty() || !field.startsWith(tableGroup + QStringLiteral(".#.")))
                faults << where + QStringLiteral(" is a column outside its table");
            bool any = false;
            for (const QString& name : names)
                if (matchesPattern(field, name)) {
                    any = true;
                    if (shown.contains(name)) faults << where + QStringLiteral(" repeats ") + name;
                    shown.insert(name);
                }
            if (!any) faults << where + QStringLiteral(" names no repeated field of the object");
            break;
        }
        case LayoutRow::Action:
            if (!isKnownEvent(row->event)) faults << where + QStringLiteral(" posts an unknown event");
            if (row->event == 1235 && row->target <= 0) faults << where + QStringLiteral(" goes to no form");
            break;
        case LayoutRow::Hidden: {
            bool any = false;
            for (const QString& name : names) any = any || matchesPattern(field, name);
            if (!any) faults << where + QStringLiteral(" hides no field of the object");
            hiddenPatterns << field;
            break;
        }
        }
    }
    for (const QString& name : names) {
        bool hidden = false;
        for (const QString& pattern : hiddenPatterns) hidden = hidden || matchesPattern(pattern, name);
        if (hidden && shown.contains(name)) faults << QStringLiteral("field %1 is both shown and hidden").arg(name);
        if (!hidden && !shown.contains(name)) faults << QStringLiteral("field %1 is neither on a page nor hidden").arg(name);
    }
    return faults;
}

// The layout's line row for a field, or none.
inline const LayoutRow* rowFor(const CTaxData_Form& form, const char* field)
{
    for (const LayoutTable& part : form.pageLayout())
        for (int i = 0; i < part.count; ++i)
            if (part.rows[i].field && qstrcmp(part.rows[i].field, field) == 0
                && (part.rows[i].kind == LayoutRow::Line || part.rows[i].kind == LayoutRow::Choice))
                return &part.rows[i];
    return nullptr;
}

} // namespace layoutcheck
