// Every item a return can hold has pages: each form the federal factories and
// each provincial library make, every slip, interview kind and the note. Each
// layout names only fields its object has, shows or hides every field, and
// its pages let no calculated field be typed into.

#include <QCheckBox>
#include <QComboBox>
#include <QLibrary>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <map>
#include <memory>

#include "fields.h"
#include "formtables.h"
#include "itemfactory.h"
#include "provincialtaxmanager.h"
#include "taxdataform.h"
#include "taxformevents.h"
#include "taxformpage.h"
#include "utils.h"

namespace {

enum ItemKind { Form = 0, Slip = 1, Interview = 2, Note = 3 };

const QSet<int> kEvents = {TaxFormEvent::ForwardEdit,    TaxFormEvent::T183Sign,     TaxFormEvent::T183SignStatus,
                           TaxFormEvent::RC71Sign,       TaxFormEvent::RC71SignStatus, TaxFormEvent::CopyPreparer,
                           TaxFormEvent::CopyMailingAddress};

QRegularExpression patternOf(const char* name)
{
    const QString escaped = QRegularExpression::escape(QString::fromUtf8(name)).replace(QStringLiteral("\\#"), QStringLiteral("\\d+"));
    return QRegularExpression(QStringLiteral("^%1$").arg(escaped));
}

bool isDigits(const char* s)
{
    if (!s || !*s) return false;
    for (; *s; ++s)
        if (*s < '0' || *s > '9') return false;
    return true;
}

// What is wrong with one object's layout, in plain words.
QStringList layoutProblems(CTaxData_Form& form, int kind)
{
    QStringList problems;
    const PageLayout& layout = form.pageLayout();
    if (layout.empty() || layout.front().count == 0) return {QStringLiteral("no layout")};
    if (layout.front().rows[0].kind != LayoutRow::Page) problems << QStringLiteral("the layout does not start with a page");

    QStringList names;
    for (const CField* f : form.fields().all()) names << f->GetName().toQString();
    QMap<QString, int> shownCount;
    QSet<QString> hidden;
    QString group;   // the table the Column rows belong to
    bool inTable = false;

    auto matching = [&](const char* pattern) {
        const QRegularExpression re = patternOf(pattern);
        QStringList out;
        for (const QString& n : names)
            if (re.match(n).hasMatch()) out << n;
        return out;
    };

    for (const LayoutTable& part : layout) {
        for (int i = 0; i < part.count; ++i) {
            const LayoutRow& r = part.rows[i];
            const QString where = QStringLiteral("row %1 (%2)").arg(i).arg(QString::fromUtf8(r.field ? r.field : r.label ? r.label : "?"));
            if (r.kind != LayoutRow::Column) inTable = r.kind == LayoutRow::Table;
            switch (r.kind) {
            case LayoutRow::Page:
            case LayoutRow::Section:
                if (!r.label || !*r.label) problems << where + QStringLiteral(": a page or section without a title");
                break;
            case LayoutRow::Line:
            case LayoutRow::Choice: {
                CField* f = r.field ? form.field(r.field) : nullptr;
                if (!f) {
                    problems << where + QStringLiteral(": no such field");
                    break;
                }
                shownCount[f->GetName().toQString()]++;
                if (!r.label || !*r.label) problems << where + QStringLiteral(": no label");
                if ((kind == Form || kind == Slip) && isDigits(r.field) && !(r.number && *r.number))
                    problems << where + QStringLiteral(": a numbered line shows no number");
                if (r.kind == LayoutRow::Choice) {
                    if (!r.choices || !*r.choices) problems << where + QStringLiteral(": a choice without values");
                    else if (f->GetType() == CField::Float || f->GetType() == CField::Date)
                        problems << where + QStringLiteral(": a choice over an amount or a date");
                    else if (qstrcmp(r.choices, "@provinces") != 0 && f->GetType() != CField::String)
                        for (const QString& item : QString::fromUtf8(r.choices).split(QLatin1Char('|'))) {
                            bool ok = false;
                            const int v = item.section(QLatin1Char('='), 0, 0).toInt(&ok);
                            if (!ok || !item.contains(QLatin1Char('=')) || (f->GetType() == CField::Bool && v != 0 && v != 1))
                                problems << where + QStringLiteral(": choice \"%1\" is no value=text").arg(item);
                        }
                } else if (r.choices && qstrcmp(r.choices, "@lines") == 0 && f->GetType() != CField::String) {
                    problems << where + QStringLiteral(": several lines of a field that is no text");
                } else if (r.choices && qstrcmp(r.choices, "@count") == 0 && f->GetType() != CField::Float
                           && f->GetType() != CField::Int) {
                    problems << where + QStringLiteral(": a count line over no number");
                } else if (r.choices && *r.choices && qstrcmp(r.choices, "@lines") != 0 && qstrcmp(r.choices, "@count") != 0
                           && qstrcmp(r.choices, "@spouse") != 0) {
                    problems << where + QStringLiteral(": a line marked \"%1\"").arg(QString::fromUtf8(r.choices));
                }
                break;
            }
            case LayoutRow::Table:
                group = QString::fromUtf8(r.field ? r.field : "");
                if (group.isEmpty()) problems << where + QStringLiteral(": a table without a group");
                if (i + 1 >= part.count || part.rows[i + 1].kind != LayoutRow::Column)
                    problems << where + QStringLiteral(": a table without columns");
                break;
            case LayoutRow::Column: {
                if (!inTable) problems << where + QStringLiteral(": a column outside a table");
                const QString pattern = QString::fromUtf8(r.field ? r.field : "");
                if (!pattern.startsWith(group + QLatin1String(".#.")))
                    problems << where + QStringLiteral(": a column not of the form %1.#.column").arg(group);
                const QStringList cells = r.field ? matching(r.field) : QStringList();
                if (cells.isEmpty() || !form.field(CString(QString(pattern).replace(QLatin1Char('#'), QLatin1Char('1')))))
                    problems << where + QStringLiteral(": no such repeated field");
                for (const QString& c : cells) shownCount[c]++;
                if (r.choices && qstrcmp(r.choices, "@count") == 0) {
                    // A column of counts: a number, printed whole where it is.
                    const CField* f = cells.isEmpty() ? nullptr : form.field(CString(cells.front()));
                    if (f && f->GetType() != CField::Float && f->GetType() != CField::Int)
                        problems << where + QStringLiteral(": a count column over no number");
                } else if (r.choices && !cells.isEmpty()) {
                    const CField* f = form.field(CString(cells.front()));
                    if (f->GetType() != CField::Int && f->GetType() != CField::String && f->GetType() != CField::Bool)
                        problems << where + QStringLiteral(": a choice column over an amount or a date");
                }
                if (!r.label || !*r.label) problems << where + QStringLiteral(": a column without a heading");
                break;
            }
            case LayoutRow::Action:
                if (!kEvents.contains(r.event)) problems << where + QStringLiteral(": unknown event %1").arg(r.event);
                if (r.event == TaxFormEvent::ForwardEdit && (r.target < 1 || r.target > MAX_FORM_TYPE))
                    problems << where + QStringLiteral(": goes to no form type");
                if (!r.label || !*r.label) problems << where + QStringLiteral(": a button without a label");
                break;
            case LayoutRow::Hidden: {
                const QStringList hit = r.field ? matching(r.field) : QStringList();
                if (hit.isEmpty()) problems << where + QStringLiteral(": hides no field");
                for (const QString& h : hit) hidden.insert(h);
                break;
            }
            }
        }
    }
    for (const QString& n : names) {
        const int shown = shownCount.value(n);
        if (shown == 0 && !hidden.contains(n)) problems << QStringLiteral("field %1 is neither on a page nor hidden").arg(n);
        if (shown > 1) problems << QStringLiteral("field %1 is on the pages %2 times").arg(n).arg(shown);
        if (shown > 0 && hidden.contains(n)) problems << QStringLiteral("field %1 is both shown and hidden").arg(n);
    }
    return problems;
}

// The pages themselves: every shown calculated field is read-only and out of
// the Tab order.
QStringList pageProblems(CTaxData_Form& form)
{
    QStringList problems;
    QWidget host;
    std::list<BaseTaxPage*> pages;
    form.FillPageList(pages, &host);
    if (pages.empty()) return {QStringLiteral("no pages")};
    for (BaseTaxPage* base : pages) {
        auto* page = qobject_cast<TaxFormPage*>(base);
        if (!page) return {QStringLiteral("a page that is no TaxFormPage")};
        if (page->getTitle().isEmpty()) problems << QStringLiteral("a page without a title");
        page->syncData();
        for (const CField* f : form.fields().all()) {
            QWidget* w = page->editorOf(f->GetName().toQString());
            if (!w || !f->IsCalculated()) continue;
            auto* edit = qobject_cast<QLineEdit*>(w);
            auto* text = qobject_cast<QPlainTextEdit*>(w);
            const bool locked = edit ? edit->isReadOnly() : text ? text->isReadOnly() : !w->isEnabled();
            if (!locked || w->focusPolicy() != Qt::NoFocus)
                problems << QStringLiteral("calculated field %1 can be typed into").arg(f->GetName().toQString());
        }
    }
    return problems;
}

struct LoadedProvince
{
    std::unique_ptr<QLibrary> library;
    std::unique_ptr<CProvincialTaxManager> manager;
};

} // namespace

class FormCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyItemHasPages_data();
    void everyItemHasPages();

private:
    CTaxData_Form* make(int province, int kind, int type);
    void release(int province, int kind, CTaxData_Form* item);

    std::map<int, LoadedProvince> m_provinces;
};

void FormCatalogueTest::initTestCase()
{
    installTaxFormPages();
    for (int p = 1; p <= MAX_PROVINCE; ++p) {
        if (!Global_Provs_Info[p].libFile || !*Global_Provs_Info[p].libFile) continue;
        QString name = QString::fromUtf8(Global_Provs_Info[p].libFile);
        getOSLibFilename(QString(), name);
        LoadedProvince loaded;
        loaded.library = std::make_unique<QLibrary>(name);
        QVERIFY2(loaded.library->load(), qPrintable(loaded.library->errorString()));
        auto entry = reinterpret_cast<GetTaxManagerFunc>(loaded.library->resolve("GetTaxManager"));
        QVERIFY(entry);
        loaded.manager.reset(entry());
        m_provinces[p] = std::move(loaded);
    }
    QCOMPARE(int(m_provinces.size()), 12);
}

void FormCatalogueTest::cleanupTestCase()
{
    for (auto& p : m_provinces) {
        p.second.manager.reset();
        p.second.library->unload();
    }
}

CTaxData_Form* FormCatalogueTest::make(int province, int kind, int type)
{
    if (province != 0) {
        CProvincialTaxManager* m = m_provinces.at(province).manager.get();
        return kind == Interview ? m->NewWizardData() : m->NewFormData(type, true);
    }
    switch (kind) {
    case Form: return AllocFedFormData(type);
    case Slip: return AllocSlipData(type);
    case Interview: return AllocWizData(type);
    default: return AllocNoteData();
    }
}

void FormCatalogueTest::release(int province, int kind, CTaxData_Form* item)
{
    if (province == 0) {
        delete item;
        return;
    }
    CProvincialTaxManager* m = m_provinces.at(province).manager.get();
    if (kind == Interview) m->FreeWizardData();
    else m->FreeFormData(item, false);
}

void FormCatalogueTest::everyItemHasPages_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    int forms = 0, slips = 0, provincial = 0;
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        std::unique_ptr<CTaxData_Form> f(AllocFedFormData(type));
        if (!f) continue;
        ++forms;
        QTest::addRow("form %d %s", type, Global_Forms_Info[type].shortName) << 0 << int(Form) << type;
    }
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type) {
        std::unique_ptr<CTaxData_Form> f(AllocSlipData(type));
        if (!f) continue;
        ++slips;
        QTest::addRow("slip %d %s", type, Global_Slips_Info[type].shortName) << 0 << int(Slip) << type;
    }
    for (int kind = 1; kind <= 5; ++kind) QTest::addRow("interview %d", kind) << 0 << int(Interview) << kind;
    QTest::addRow("note") << 0 << int(Note) << 1;
    for (auto& p : m_provinces) {
        const char* code = Global_Provs_Info[p.first].code;
        for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
            CTaxData_Form* f = p.second.manager->NewFormData(type, true);
            if (!f) continue;
            ++provincial;
            p.second.manager->FreeFormData(f, false);
            QTest::addRow("%s form %d %s", code, type, Global_Forms_Info[type].shortName) << p.first << int(Form) << type;
        }
        QTest::addRow("%s interview 6", code) << p.first << int(Interview) << 6;
    }
    // The catalogue is the whole return: a factory that stopped making its
    // types would otherwise pass here unseen.
    QVERIFY(forms >= 60);
    QVERIFY(slips >= 20);
    QVERIFY(provincial >= 12 * 3);
}

void FormCatalogueTest::everyItemHasPages()
{
    QFETCH(int, province);
    QFETCH(int, kind);
    QFETCH(int, type);
    CTaxData_Form* item = make(province, kind, type);
    QVERIFY(item);
    QStringList problems = layoutProblems(*item, kind);
    if (problems.isEmpty()) problems = pageProblems(*item);
    release(province, kind, item);
    if (problems.size() > 12) problems = problems.mid(0, 12) << QStringLiteral("...");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n   "))));
}

QTEST_MAIN(FormCatalogueTest)
#include "tst_formcatalogue.moc"
