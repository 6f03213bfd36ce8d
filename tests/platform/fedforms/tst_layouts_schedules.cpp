// The page layouts of the federal schedules and the statements checked
// against their objects: every row names a field the object has, every
// field is on a page or deliberately hidden (and only once), a line named by
// its printed number shows it, the lines the calculation fills are never
// hidden, and the buttons post events the editor knows.

#include <functional>
#include <memory>

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "formtables.h"
#include "schedules.h"
#include "statements.h"

namespace {

struct Maker
{
    const char* name;
    std::function<CTaxData_Form*()> make;
};

template <class T>
Maker maker(const char* name)
{
    return {name, [] { return new T; }};
}

const QList<Maker>& makers()
{
    static const QList<Maker> list = {
        maker<TaxData_Sch1_Old>("Schedule 1 (before 2019)"),
        maker<TaxData_Sch2>("Schedule 2"),
        maker<CTaxData_Schedule_3>("Schedule 3"),
        maker<TaxData_Sch4>("Schedule 4"),
        maker<TaxData_Sch5>("Schedule 5"),
        maker<TaxData_Sch6>("Schedule 6"),
        maker<TaxData_Sch7>("Schedule 7"),
        maker<TaxData_Sch8>("Schedule 8 (before 2014)"),
        maker<TaxData_Sch8_14>("Schedule 8"),
        maker<TaxData_Sch9>("Schedule 9"),
        maker<TaxData_Sch11>("Schedule 11"),
        maker<TaxData_Sch12_2016>("Home accessibility expenses"),
        maker<TaxData_Sch13>("Schedule 13"),
        maker<TaxData_Sch14>("Schedule 14"),
        maker<TaxData_Sch1A>("Schedule 1-A"),
        maker<TaxData_SchA_B>("Schedules A and B"),
        maker<TaxData_SchC>("Schedule C"),
        maker<CTaxData_T776>("T776"),
        maker<CTaxData_T1163>("T1163"),
        maker<CTaxData_T2042>("T2042"),
        maker<CTaxData_T2121>("T2121"),
        {"T2125 business", [] { return new TaxData_T2125_New(125); }},
        {"T2125 commission", [] { return new TaxData_T2125_New(131); }},
        maker<CTaxData_T5013>("T5013 form"),
        maker<TaxData_T777New>("T777"),
        maker<TaxData_TL2_New>("TL2"),
        {"T2091(IND)", [] { return new TaxData_T2091(147); }},
        {"T1255", [] { return new TaxData_T2091(160); }},
        maker<TaxData_T777Covid19>("T777S"),
    };
    return list;
}

// The fields a row's name stands for: itself, or every row of a
// "group.#.column" pattern.
QStringList namedFields(const CTaxData_Form& form, const QString& name)
{
    if (!name.contains('#')) return form.field(name.toUtf8().constData()) ? QStringList{name} : QStringList{};
    QString pattern = QRegularExpression::escape(name);
    pattern.replace(QLatin1String("\\#"), QLatin1String("[0-9]+"));
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    QStringList out;
    for (const CField* f : form.fields().all())
        if (re.match(f->GetName().toQString()).hasMatch()) out << f->GetName().toQString();
    return out;
}

bool validChoices(const char* choices)
{
    if (QByteArray(choices) == "@provinces") return true;
    const QStringList items = QString::fromUtf8(choices).split('|');
    QSet<int> values;
    for (const QString& item : items) {
        const int eq = item.indexOf('=');
        bool ok = false;
        const int value = item.left(eq).toInt(&ok);
        if (eq <= 0 || !ok || item.mid(eq + 1).trimmed().isEmpty() || values.contains(value)) return false;
        values.insert(value);
    }
    return !items.isEmpty();
}

} // namespace

class LayoutsSchedulesTest : public QObject
{
    Q_OBJECT
private slots:
    void layoutCoversTheObject_data();
    void layoutCoversTheObject();
};

void LayoutsSchedulesTest::layoutCoversTheObject_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < makers().size(); ++i) QTest::newRow(makers().at(i).name) << i;
}

void LayoutsSchedulesTest::layoutCoversTheObject()
{
    QFETCH(int, index);
    const std::unique_ptr<CTaxData_Form> form(makers().at(index).make());
    const PageLayout& layout = form->pageLayout();
    QVERIFY2(!layout.empty() && layout.front().count > 0, "no layout");
    QCOMPARE(layout.front().rows[0].kind, LayoutRow::Page);

    QHash<QString, int> placed;   // field -> rows naming it
    QString tableGroup;           // the Table whose Columns may follow
    for (const LayoutTable& part : layout) {
        QVERIFY(part.count > 0);
        for (int i = 0; i < part.count; ++i) {
            const LayoutRow& row = part.rows[i];
            const QString name = QString::fromUtf8(row.field);
            const QByteArray where = QByteArray("row ") + QByteArray::number(i) + " " + name.toUtf8();
            if (row.kind != LayoutRow::Column) tableGroup.clear();
            switch (row.kind) {
            case LayoutRow::Page:
            case LayoutRow::Section:
                QVERIFY2(row.label && *row.label, where.constData());
                break;
            case LayoutRow::Table: {
                QVERIFY2(!name.isEmpty() && row.label, where.constData());
                bool any = false;
                for (const CField* f : form->fields().all())
                    any = any || f->GetName().toQString().startsWith(name + '.');
                QVERIFY2(any, where.constData());
                tableGroup = name;
                break;
            }
            case LayoutRow::Column: {
                QVERIFY2(!tableGroup.isEmpty() && name.startsWith(tableGroup + ".#."), where.constData());
                QVERIFY2(row.label && *row.label, where.constData());
                const QStringList fields = namedFields(*form, name);
                QVERIFY2(!fields.isEmpty(), where.constData());
                for (const QString& f : fields) ++placed[f];
                break;
            }
            case LayoutRow::Line:
            case LayoutRow::Choice: {
                QVERIFY2(!name.contains('#') && row.label && *row.label, where.constData());
                const CField* f = form->field(row.field);
                QVERIFY2(f, where.constData());
                // A field named by its printed line number shows that number.
                static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
                QVERIFY2(!digits.match(name).hasMatch() || (row.number && *row.number), where.constData());
                if (row.kind == LayoutRow::Choice) {
                    QVERIFY2(f->GetType() == CField::Int, where.constData());
                    QVERIFY2(row.choices && validChoices(row.choices), where.constData());
                }
                ++placed[name];
                break;
            }
            case LayoutRow::Hidden: {
                const QStringList fields = namedFields(*form, name);
                QVERIFY2(!fields.isEmpty(), where.constData());
                for (const QString& f : fields) {
                    QVERIFY2(!form->field(f.toUtf8().constData())->IsCalculated(),
                             ("a calculated line is hidden: " + f).toUtf8().constData());
                    ++placed[f];
                }
                break;
            }
            case LayoutRow::Action:
                QVERIFY2(row.label && *row.label, where.constData());
                if (row.event == 1235) {
                    QVERIFY2(formInfo(row.target) && formInfo(row.target)->shortName, where.constData());
                } else {
                    QVERIFY2(QList<int>({1831, 1832, 1871, 1872, 5000, 5001}).contains(row.event), where.constData());
                    QCOMPARE(row.target, 0);
                }
                break;
            }
        }
    }

    for (const CField* f : form->fields().all()) {
        const QString name = f->GetName().toQString();
        QVERIFY2(placed.value(name) == 1,
                 (name + (placed.value(name) ? " is laid out more than once" : " is neither on a page nor hidden"))
                     .toUtf8()
                     .constData());
    }
}

QTEST_MAIN(LayoutsSchedulesTest)
#include "tst_layouts_schedules.moc"
