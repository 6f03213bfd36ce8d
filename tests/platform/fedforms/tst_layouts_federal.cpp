// The page layouts of the federal forms and the form-class library's forms:
// each one describes the whole object and nothing it does not have, so no
// value is out of a person's reach and no row draws a field that is not there.

#include <QtTest>

#include <functional>
#include <memory>
#include <set>

#include "federalforms.h"
#include "formclasses.h"
#include "formtables.h"

using FormMaker = std::function<CTaxData_Form*()>;
Q_DECLARE_METATYPE(FormMaker)

namespace {

template <class T>
FormMaker maker()
{
    return [] { return new T; };
}

// A row's field pattern matches a field name: '#' stands for a row number.
bool matchesPattern(const QByteArray& pattern, const QByteArray& name)
{
    const int hash = pattern.indexOf('#');
    if (hash < 0) return pattern == name;
    const QByteArray head = pattern.left(hash);
    const QByteArray tail = pattern.mid(hash + 1);
    if (!name.startsWith(head) || !name.endsWith(tail) || name.size() <= head.size() + tail.size()) return false;
    bool ok = false;
    const int row = name.mid(head.size(), name.size() - head.size() - tail.size()).toInt(&ok);
    return ok && row >= 1;
}

bool namesAField(const CTaxData_Form& form, const QByteArray& pattern)
{
    for (const CField* f : form.fields().all())
        if (matchesPattern(pattern, f->GetName().toQString().toLatin1())) return true;
    return false;
}

bool isKnownFormType(int type)
{
    return type > 0 && type <= MAX_FORM_TYPE && Global_Forms_Info[type].shortName
           && *Global_Forms_Info[type].shortName;
}

// Everything wrong with an object's layout, one line each.
QStringList layoutProblems(const CTaxData_Form& form)
{
    QStringList problems;
    const PageLayout& layout = form.pageLayout();
    std::vector<const LayoutRow*> rows;
    for (const LayoutTable& part : layout)
        for (int i = 0; i < part.count; ++i) rows.push_back(&part.rows[i]);
    if (rows.empty()) return {QStringLiteral("no layout")};
    if (rows.front()->kind != LayoutRow::Page) problems << QStringLiteral("the first row is not a page");

    std::vector<QByteArray> placed;   // field patterns on a page or hidden
    QByteArray table;                 // the group of the table the columns belong to
    for (const LayoutRow* row : rows) {
        const QByteArray field(row->field ? row->field : "");
        const QString where = QStringLiteral("row '%1'").arg(QString::fromLatin1(field.isEmpty() ? row->label : row->field));
        if (row->kind != LayoutRow::Column) table.clear();
        switch (row->kind) {
        case LayoutRow::Page:
        case LayoutRow::Section:
            if (!row->label || !*row->label) problems << where + QStringLiteral(": no title");
            break;
        case LayoutRow::Table:
            if (field.isEmpty() || !row->label) problems << where + QStringLiteral(": a table needs a group and a heading");
            table = field + ".#.";
            break;
        case LayoutRow::Column:
            if (table.isEmpty() || !field.startsWith(table))
                problems << where + QStringLiteral(": a column outside its table");
            Q_FALLTHROUGH();
        case LayoutRow::Line:
        case LayoutRow::Choice:
        case LayoutRow::Hidden:
            if (field.isEmpty() || !namesAField(form, field)) {
                problems << where + QStringLiteral(": names no field of the object");
                break;
            }
            if (row->kind != LayoutRow::Hidden && (!row->label || !*row->label))
                problems << where + QStringLiteral(": no label");
            // A field named by its line number shows that number.
            if ((row->kind == LayoutRow::Line || row->kind == LayoutRow::Choice) && !field.isEmpty()
                && QByteArray::number(field.toLongLong()) == field && !(row->number && *row->number))
                problems << where + QStringLiteral(": a numbered line shows no number");
            if (row->kind == LayoutRow::Choice) {
                const CField* f = form.field(field.constData());
                if (!f || f->GetType() != CField::Int) problems << where + QStringLiteral(": a choice of no int field");
                const QByteArray choices(row->choices ? row->choices : "");
                if (choices != "@provinces")
                    for (const QByteArray& choice : choices.split('|')) {
                        bool ok = false;
                        choice.left(choice.indexOf('=')).toInt(&ok);
                        if (!ok || choice.indexOf('=') < 1 || choice.endsWith('='))
                            problems << where + QStringLiteral(": choice '%1' is not value=text").arg(QString::fromUtf8(choice));
                    }
            }
            placed.push_back(field);
            break;
        case LayoutRow::Action: {
            static const std::set<int> events{1235, 1831, 1832, 1871, 1872, 5000, 5001};
            if (!events.count(row->event)) problems << where + QStringLiteral(": unknown event %1").arg(row->event);
            if (row->event == 1235 && !isKnownFormType(row->target))
                problems << where + QStringLiteral(": goes to no form (%1)").arg(row->target);
            if ((row->event == 1831 || row->event == 1832) && form.getType() != 96)
                problems << where + QStringLiteral(": the T183's signature outside the T183");
            if ((row->event == 1871 || row->event == 1872) && form.getType() != 53)
                problems << where + QStringLiteral(": the RC71's signature outside the RC71");
            break;
        }
        }
    }

    for (const CField* f : form.fields().all()) {
        const QByteArray name = f->GetName().toQString().toLatin1();
        int hits = 0;
        for (const QByteArray& pattern : placed)
            if (matchesPattern(pattern, name)) ++hits;
        if (hits == 0) problems << QStringLiteral("field '%1' is on no page and not hidden").arg(QString::fromLatin1(name));
        if (hits > 1) problems << QStringLiteral("field '%1' is placed %2 times").arg(QString::fromLatin1(name)).arg(hits);
    }
    return problems;
}

} // namespace

class LayoutsFederalTest : public QObject
{
    Q_OBJECT
private slots:
    void everyFieldPlacedOnce_data();
    void everyFieldPlacedOnce();
    void checkerFindsFaults();
};

void LayoutsFederalTest::everyFieldPlacedOnce_data()
{
    QTest::addColumn<FormMaker>("make");
    // The federal forms library.
    QTest::newRow("T778") << maker<TaxData_T778New>();
    QTest::newRow("T929") << maker<TaxData_T929New>();
    QTest::newRow("T1212") << maker<TaxData_T1212New>();
    QTest::newRow("T2204") << maker<TaxData_T2204_New>();
    QTest::newRow("GST370") << maker<CTaxData_GST370>();
    QTest::newRow("T1206") << maker<TaxData_T1206New>();
    QTest::newRow("T626") << maker<TaxData_T626_New>();
    QTest::newRow("T691") << maker<TaxData_T691New>();
    QTest::newRow("T2209/T2036") << maker<TaxData_T2209_2036>();
    QTest::newRow("T2017") << maker<TaxData_T2017New>();
    QTest::newRow("T1A") << maker<TaxData_T1ANew>();
    QTest::newRow("T2222") << maker<CTaxData_T2222>();
    QTest::newRow("T1DD") << maker<CTaxData_T1DD>();
    QTest::newRow("T5004") << maker<CTaxData_T5004>();
    QTest::newRow("CPT20") << maker<TaxData_CPT20_New>();
    QTest::newRow("T1219") << maker<CTaxData_T1219>();
    QTest::newRow("T1153") << maker<CTaxData_T1153>();
    QTest::newRow("T1-M") << maker<TaxData_T1MNew>();
    QTest::newRow("T1223") << maker<CTaxData_T1223>();
    QTest::newRow("T1229") << maker<CTaxData_T1229>();
    QTest::newRow("T1170") << maker<CTaxData_T1170>();
    QTest::newRow("T1032") << maker<TaxData_T1032_New>();
    QTest::newRow("RC267") << maker<TaxData_RC267New>();
    QTest::newRow("RC268") << maker<TaxData_RC268New>();
    QTest::newRow("RC269") << maker<TaxData_RC269>();
    QTest::newRow("RC359") << maker<TaxData_RC359>();
    QTest::newRow("RC381") << maker<TaxData_RC381>();
    QTest::newRow("RC383") << maker<TaxData_RC383>();
    QTest::newRow("T2203") << maker<TaxData_T2203>();
    QTest::newRow("T90") << maker<TaxData_T90>();
    QTest::newRow("T224") << maker<TaxData_T224>();
    QTest::newRow("T225") << maker<TaxData_T225>();
    // The form-class library.
    QTest::newRow("RC71") << maker<CTaxData_RC71>();
    QTest::newRow("T1ADJ") << maker<CTaxData_T1ADJ>();
    QTest::newRow("T2205") << maker<CTaxData_T2205>();
    QTest::newRow("RC59") << maker<TaxData_RC59_e>();
    QTest::newRow("RC59X") << maker<TaxData_RC59X_e>();
    QTest::newRow("T1044") << maker<TaxData_T1044>();
    QTest::newRow("T183") << maker<TaxData_T183New>();
    QTest::newRow("T185") << maker<TaxData_T185>();
    QTest::newRow("T657") << maker<TaxData_T657New>();
    QTest::newRow("T746") << maker<TaxData_T746New>();
    QTest::newRow("T936") << maker<TaxData_T936New>();
    QTest::newRow("T1013") << maker<TaxData_T1013New>();
    QTest::newRow("T1135") << maker<TaxData_T1135New>();
    QTest::newRow("T1172") << maker<TaxData_T1172New>();
    QTest::newRow("T2038(IND)") << maker<TaxData_T2038New>();
}

void LayoutsFederalTest::everyFieldPlacedOnce()
{
    QFETCH(FormMaker, make);
    std::unique_ptr<CTaxData_Form> form(make());
    const QStringList problems = layoutProblems(*form);
    if (!problems.isEmpty()) qWarning().noquote() << problems.join(QLatin1Char('\n'));
    QVERIFY(problems.isEmpty());
}

// The check itself catches a field left off, a row naming nothing, a choice
// on a field that is not an int and a numbered line without its number.
void LayoutsFederalTest::checkerFindsFaults()
{
    static const FieldSpec fields[] = {QM_AMT("a"), QM_STR("b"), QM_ROWS("g.#.c", CField::Float, 3), QM_AMT("10100")};
    static constexpr LayoutRow rows[] = {
        QL_PAGE("P"),
        QL_LINE("a", "10100", "A"),
        QL_CHOICE("b", nullptr, "B", "1=Yes|2=No"),
        QL_LINE("missing", nullptr, "M"),
        QL_LINE("10100", nullptr, "Unnumbered"),
        QL_COLUMN("g.#.c", "C"),    // not under its table
    };
    TableForm form(FROM_FORM, 13, {fieldTable(fields)}, {layoutTable(rows)});
    const QStringList problems = layoutProblems(form);
    QVERIFY2(problems.filter(QStringLiteral("'missing': names no field")).size() == 1, qPrintable(problems.join('\n')));
    QVERIFY2(problems.filter(QStringLiteral("'b': a choice of no int field")).size() == 1, qPrintable(problems.join('\n')));
    QVERIFY2(problems.filter(QStringLiteral("'g.#.c': a column outside its table")).size() == 1,
             qPrintable(problems.join('\n')));
    QVERIFY2(problems.filter(QStringLiteral("'10100': a numbered line shows no number")).size() == 1,
             qPrintable(problems.join('\n')));
    QCOMPARE(problems.size(), 4);

    static constexpr LayoutRow partial[] = {QL_SECTION("S"), QL_LINE("a", nullptr, "A")};
    TableForm bare(FROM_FORM, 13, {fieldTable(fields)}, {layoutTable(partial)});
    const QStringList bareProblems = layoutProblems(bare);
    QVERIFY(bareProblems.contains(QStringLiteral("the first row is not a page")));
    QVERIFY(bareProblems.contains(QStringLiteral("field 'b' is on no page and not hidden")));
    QVERIFY(bareProblems.contains(QStringLiteral("field 'g.2.c' is on no page and not hidden")));
}

QTEST_GUILESS_MAIN(LayoutsFederalTest)
#include "tst_layouts_federal.moc"
