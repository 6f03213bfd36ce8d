#include "taxformpage.h"

#include <cmath>

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

#include "ct1combobox.h"
#include "fields.h"
#include "formtables.h"
#include "styledwidgets.h"
#include "taxdataform.h"
#include "taxformevents.h"

QEvent* makeTaxFormEvent(int number, int target)
{
    if (number == TaxFormEvent::ForwardEdit) return new EventForwardEdit(target);
    return new QEvent(QEvent::Type(number));
}

namespace {

// A table with more columns than this shows its entries one under the
// other, each column a line, so that the page never grows wider than a form.
constexpr size_t kMaxGridColumns = 6;
// Width of the value column, enough for "999,999,999.99".
constexpr int kAmountWidth = 140;
constexpr int kTextWidth = 260;
const QString kDateFormat = QStringLiteral("yyyy/MM/dd");

// A typed date: "yyyy/mm/dd", "yyyy-mm-dd" or "yyyymmdd"; blank for none.
QDate readDate(const QString& typed, bool* ok)
{
    const QString text = typed.trimmed();
    *ok = true;
    if (text.isEmpty()) return QDate();
    for (const char* format : {"yyyy/MM/dd", "yyyy-MM-dd", "yyyyMMdd", "yyyy/M/d", "yyyy-M-d"}) {
        const QDate d = QDate::fromString(text, QLatin1String(format));
        if (d.isValid()) return d;
    }
    *ok = false;
    return QDate();
}

QString rowFieldName(const QString& pattern, int row)
{
    QString name = pattern;
    return name.replace(QLatin1Char('#'), QString::number(row));
}

// "1=Yes|2=No" -> (value, text) pairs.
QList<QPair<QString, QString>> parseChoices(const char* choices)
{
    QList<QPair<QString, QString>> out;
    for (const QString& item : QString::fromUtf8(choices).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq < 0) out.append({item, item});
        else out.append({item.left(eq), item.mid(eq + 1)});
    }
    return out;
}

bool isProvinces(const char* choices)
{
    return choices && qstrcmp(choices, "@provinces") == 0;
}

bool isLines(const char* choices)
{
    return choices && qstrcmp(choices, "@lines") == 0;
}

// A list to pick from: "1=Yes|2=No" or the provinces; not a mark such as
// "@lines" or "@count".
bool isChoiceList(const char* choices)
{
    return choices && *choices && (choices[0] != '@' || isProvinces(choices));
}

QLabel* numberLabel(const char* number, QWidget* parent)
{
    auto* label = new QLabel(number ? QString::fromUtf8(number) : QString(), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #555555;"));
    return label;
}

} // namespace

std::vector<TaxFormPage::PageRows> TaxFormPage::pagesOf(const PageLayout& layout)
{
    std::vector<PageRows> pages;
    for (const LayoutTable& part : layout) {
        for (int i = 0; i < part.count; ++i) {
            const LayoutRow& r = part.rows[i];
            if (r.kind == LayoutRow::Page) {
                pages.push_back(PageRows{QString::fromUtf8(r.label), {}});
                continue;
            }
            if (r.kind == LayoutRow::Hidden) continue;
            // Rows before any Page row still need a page to be seen on.
            if (pages.empty()) pages.push_back(PageRows{QString(), {}});
            pages.back().rows.push_back(r);
        }
    }
    return pages;
}

TaxFormPage::TaxFormPage(CTaxData_Form* form, const PageRows& page, QObject* host, QWidget* parent)
    : BaseTaxPage(form, page.title, parent), m_host(host)
{
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(10);
    int row = 0;
    const std::vector<LayoutRow>& rows = page.rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind == LayoutRow::Table) {
            std::vector<LayoutRow> columns;
            size_t j = i + 1;
            for (; j < rows.size() && rows[j].kind == LayoutRow::Column; ++j) columns.push_back(rows[j]);
            addTable(grid, row, rows[i], std::move(columns));
            i = j - 1;
            continue;
        }
        addRow(grid, row, rows[i]);
    }
    grid->setRowStretch(row, 1);
}

TaxFormPage::~TaxFormPage()
{
    // Child widgets go after this page's members, and a focused editor still
    // reports editing finished as it goes: cut them off first.
    for (auto it = m_bindings.constBegin(); it != m_bindings.constEnd(); ++it) {
        disconnect(it.key(), nullptr, this, nullptr);
        it.key()->removeEventFilter(this);
    }
}

void TaxFormPage::addRow(QGridLayout* grid, int& row, const LayoutRow& r)
{
    switch (r.kind) {
    case LayoutRow::Section: {
        auto* heading = new QLabel(QString::fromUtf8(r.label), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, row++, 0, 1, 3);
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        // Room for the style's margins and a thin rule between them.
        rule->setFixedHeight(4);
        grid->addWidget(rule, row++, 0, 1, 3);
        return;
    }
    case LayoutRow::Line:
    case LayoutRow::Choice: {
        CField* field = form()->field(r.field);
        if (!field) return;   // the catalogue test keeps layouts and fields together
        auto* label = new QLabel(QString::fromUtf8(r.label), this);
        label->setWordWrap(true);
        QWidget* editor = makeEditor(field, r, -1);
        label->setBuddy(editor);
        grid->addWidget(numberLabel(r.number, this), row, 0);
        grid->addWidget(label, row, 1);
        const bool wide = m_bindings.value(editor).kind == Kind::Lines;
        if (wide) {
            ++row;
            grid->addWidget(editor, row++, 1, 1, 2);
        } else {
            grid->addWidget(editor, row++, 2, Qt::AlignRight);
        }
        return;
    }
    case LayoutRow::Action: {
        auto* button = new QPushButton(QString::fromUtf8(r.label), this);
        const int number = r.event;
        const int target = r.target;
        connect(button, &QPushButton::clicked, this, [this, number, target] {
            if (m_host) QCoreApplication::postEvent(m_host, makeTaxFormEvent(number, target));
        });
        m_actions.insert(number, button);
        grid->addWidget(button, row++, 1, 1, 2, Qt::AlignLeft);
        return;
    }
    case LayoutRow::Page:
    case LayoutRow::Table:
    case LayoutRow::Column:
    case LayoutRow::Hidden:
        return;
    }
}

void TaxFormPage::addTable(QGridLayout* grid, int& row, const LayoutRow& table, std::vector<LayoutRow> columns)
{
    TableGrid t;
    t.group = QString::fromUtf8(table.field);
    t.columns = std::move(columns);
    if (t.columns.empty()) return;
    // The rows the object holds: as many as its first column has fields.
    const QString first = QString::fromUtf8(t.columns.front().field);
    while (form()->field(CString(rowFieldName(first, t.maxRows + 1)))) ++t.maxRows;

    if (table.label && *table.label) {
        auto* heading = new QLabel(QString::fromUtf8(table.label), this);
        heading->setWordWrap(true);
        grid->addWidget(heading, row++, 0, 1, 3);
    }
    auto* box = new QWidget(this);
    t.grid = new QGridLayout(box);
    t.grid->setContentsMargins(0, 0, 0, 0);
    t.stacked = t.columns.size() > kMaxGridColumns;
    if (t.stacked) t.grid->setColumnStretch(1, 1);
    for (size_t c = 0; c < t.columns.size() && !t.stacked; ++c) {
        auto* header = new QLabel(QString::fromUtf8(t.columns[c].label), box);
        header->setWordWrap(true);
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        t.grid->addWidget(header, 0, int(c) + 1);
        t.grid->setColumnStretch(int(c) + 1, 1);
    }
    grid->addWidget(box, row++, 0, 1, 3);
    m_tables.push_back(std::move(t));
    growTable(int(m_tables.size()) - 1);
}

int TaxFormPage::rowsInUse(const TableGrid& t) const
{
    for (int r = t.maxRows; r >= 1; --r)
        for (const LayoutRow& c : t.columns)
            if (const CField* f = form()->field(CString(rowFieldName(QString::fromUtf8(c.field), r))))
                if (!f->IsDefault()) return r;
    return 0;
}

void TaxFormPage::growTable(int index)
{
    TableGrid& t = m_tables[size_t(index)];
    // A table whose form can grow it (Schedule 3's share dispositions) makes
    // its next row once the last one it holds is in use.
    const int inUse = rowsInUse(t);
    if (t.maxRows > 0 && inUse >= t.maxRows) {
        const QString first = QString::fromUtf8(t.columns.front().field);
        if (form()->growField(CString(rowFieldName(first, t.maxRows + 1))))
            while (form()->field(CString(rowFieldName(first, t.maxRows + 1)))) ++t.maxRows;
    }
    // The rows in use and one empty row to type the next one into.
    const int wanted = qMin(t.maxRows, inUse + 1);
    QWidget* box = t.grid->parentWidget();
    for (int r = t.shown + 1; r <= wanted; ++r) {
        // Stacked: a numbered heading, then one line per column.
        const int columns = int(t.columns.size());
        const int firstLine = t.stacked ? (r - 1) * (columns + 1) : r;
        auto* number = new QLabel(QString::number(r), box);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (t.stacked) {
            QFont bold = number->font();
            bold.setBold(true);
            number->setFont(bold);
        }
        t.grid->addWidget(number, firstLine, 0);
        number->show();
        for (int c = 0; c < columns; ++c) {
            const LayoutRow& column = t.columns[size_t(c)];
            CField* field = form()->field(CString(rowFieldName(QString::fromUtf8(column.field), r)));
            if (!field) continue;
            QWidget* editor = makeEditor(field, column, index);
            if (t.stacked) {
                auto* label = new QLabel(QString::fromUtf8(column.label), box);
                label->setWordWrap(true);
                label->setBuddy(editor);
                t.grid->addWidget(label, firstLine + 1 + c, 1);
                label->show();
                t.grid->addWidget(editor, firstLine + 1 + c, 2, Qt::AlignRight);
            } else {
                t.grid->addWidget(editor, r, c + 1);
            }
            // At once, not at the next event loop: the Tab that follows the
            // edit must already reach the new row.
            editor->show();
            if (editor->focusPolicy() != Qt::NoFocus) {
                // A row added later still follows the row above it on Tab.
                if (t.lastCell) QWidget::setTabOrder(t.lastCell, editor);
                t.lastCell = editor;
            }
            // A new row appears while the user types: show its values at once.
            const bool was = m_syncing;
            m_syncing = true;
            showValue(editor, m_bindings.value(editor));
            m_syncing = was;
        }
    }
    t.shown = qMax(t.shown, wanted);
}

QWidget* TaxFormPage::makeEditor(CField* field, const LayoutRow& row, int table)
{
    Binding b;
    b.field = field;
    b.table = table;
    const bool calculated = field->IsCalculated();
    // A table's cells belong to its grid's box.
    QWidget* owner = table >= 0 ? m_tables[size_t(table)].grid->parentWidget() : this;
    // A cell of a grid shares the width with its row; a line of its own does not.
    const bool inGrid = table >= 0 && !m_tables[size_t(table)].stacked;
    QWidget* w = nullptr;
    const bool choice = row.kind == LayoutRow::Choice
                        || (row.kind == LayoutRow::Column && isChoiceList(row.choices));
    if (choice) {
        b.kind = Kind::Choice;
        QComboBox* combo = nullptr;
        if (isProvinces(row.choices)) {
            auto* provinces = new CT1ComboBox(owner);
            provinces->LoadProvs();
            // A province kept as its two-letter code.
            if (field->GetType() == CField::String)
                for (int i = 0; i < provinces->count(); ++i)
                    provinces->setItemData(
                        i, QString::fromUtf8(Global_Provs_Info[provinces->itemData(i).toInt()].code));
            combo = provinces;
        } else {
            combo = new QComboBox(owner);
            combo->setFocusPolicy(Qt::StrongFocus);
            for (const auto& choice : parseChoices(row.choices)) combo->addItem(choice.second, choice.first);
        }
        if (!inGrid) combo->setMinimumWidth(kAmountWidth);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, &TaxFormPage::onEdited);
        // The wheel over a list the user has not entered scrolls the page and
        // never changes the answer.
        combo->installEventFilter(this);
        w = combo;
    } else {
        switch (field->GetType()) {
        case CField::Float: {
            b.kind = Kind::Amount;
            auto* edit = new DoubleLineEdit(owner);
            edit->setFixedWidth(kAmountWidth);
            connect(edit, &QLineEdit::editingFinished, this, &TaxFormPage::onEdited);
            w = edit;
            break;
        }
        case CField::Int: {
            b.kind = Kind::Number;
            auto* edit = new StringLineEdit(owner);
            edit->setValidator(new QIntValidator(edit));
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setFixedWidth(kAmountWidth);
            connect(edit, &QLineEdit::editingFinished, this, &TaxFormPage::onEdited);
            // A blank or a lone sign leaves the validator unsatisfied, and then
            // no editing finished comes: the focus leaving commits it instead.
            edit->installEventFilter(this);
            w = edit;
            break;
        }
        case CField::Bool: {
            b.kind = Kind::Check;
            auto* check = new StyledCheckBox(owner);
            connect(check, &QCheckBox::clicked, this, &TaxFormPage::onEdited);
            w = check;
            break;
        }
        case CField::Date: {
            // Typed as text: a date edit cannot show "no date", which most
            // dates of a return are (of death, of departure...).
            b.kind = Kind::Date;
            auto* edit = new StringLineEdit(owner);
            edit->setPlaceholderText(QStringLiteral("yyyy/mm/dd"));
            edit->setFixedWidth(kAmountWidth);
            connect(edit, &QLineEdit::editingFinished, this, &TaxFormPage::onEdited);
            w = edit;
            break;
        }
        case CField::String:
            if (isLines(row.choices)) {
                b.kind = Kind::Lines;
                auto* text = new QPlainTextEdit(owner);
                text->setTabChangesFocus(true);
                text->setMinimumHeight(160);
                // A text on several lines is done when the user leaves it.
                text->installEventFilter(this);
                w = text;
            } else {
                b.kind = Kind::Text;
                auto* edit = new StringLineEdit(owner);
                edit->setMinimumWidth(inGrid ? 0 : kTextWidth);
                connect(edit, &QLineEdit::editingFinished, this, &TaxFormPage::onEdited);
                w = edit;
            }
            break;
        }
    }
    if (b.kind == Kind::Amount && inGrid) w->setMinimumWidth(0);
    w->setObjectName(field->GetName().toQString());
    if (calculated) {
        // Calculated lines are shown, never typed into, and Tab passes them by.
        w->setFocusPolicy(Qt::NoFocus);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setReadOnly(true);
            edit->setStyleSheet(QStringLiteral("QLineEdit { background: #EEEEEE; }"));
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            text->setReadOnly(true);
        } else {
            w->setEnabled(false);
        }
    }
    m_bindings.insert(w, b);
    m_byField.insert(field->GetName().toQString(), w);
    if (table >= 0) w->installEventFilter(this);
    return w;
}

void TaxFormPage::showValue(QWidget* w, const Binding& b)
{
    CField* f = b.field;
    switch (b.kind) {
    case Kind::Amount: {
        auto* edit = static_cast<DoubleLineEdit*>(w);
        const char* mark = form() ? form()->entryMarkOf(f->GetName()) : nullptr;
        // A box left blank shows blank, not as an entered 0.00.
        if (mark && !form()->getBool(mark) && std::abs(static_cast<CFloatField*>(f)->GetValue()) < CFloatField::kTolerance)
            edit->clear();
        else
            edit->setValue(static_cast<CFloatField*>(f)->GetValue());
        break;
    }
    case Kind::Number:
        static_cast<QLineEdit*>(w)->setText(QString::number(static_cast<CIntField*>(f)->GetValue()));
        break;
    case Kind::Text:
        static_cast<QLineEdit*>(w)->setText(f->GetVariant().toString());
        static_cast<QLineEdit*>(w)->setCursorPosition(0);
        break;
    case Kind::Lines: {
        auto* text = static_cast<QPlainTextEdit*>(w);
        if (text->toPlainText() != f->GetVariant().toString()) text->setPlainText(f->GetVariant().toString());
        break;
    }
    case Kind::Check:
        static_cast<QCheckBox*>(w)->setChecked(f->GetVariant().toBool());
        break;
    case Kind::Date:
        static_cast<QLineEdit*>(w)->setText(static_cast<CDateField*>(f)->GetValue().toString(kDateFormat));
        break;
    case Kind::Choice: {
        auto* combo = static_cast<QComboBox*>(w);
        const QString value = f->GetType() == CField::Bool ? QString::number(int(f->GetVariant().toBool()))
                                                           : f->GetVariant().toString();
        int index = -1;
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemData(i).toString() == value) index = i;
        if (index < 0) {
            const int province = value.toInt();
            if (qobject_cast<CT1ComboBox*>(combo) && f->GetType() == CField::Int && province > 0
                && province <= MAX_PROVINCE) {
                // A non-resident return's province is not in the list: show its name.
                combo->addItem(QString::fromUtf8(Global_Provs_Info[province].displayText), value);
                index = combo->count() - 1;
            } else {
                // A value none of the choices names (no answer yet) shows as a blank.
                combo->insertItem(0, QString(), value);
                index = 0;
            }
        }
        combo->setCurrentIndex(index);
        break;
    }
    }
}

void TaxFormPage::syncData()
{
    m_syncing = true;
    for (int i = 0; i < int(m_tables.size()); ++i) growTable(i);
    for (auto it = m_bindings.constBegin(); it != m_bindings.constEnd(); ++it) showValue(it.key(), it.value());
    m_syncing = false;
}

bool TaxFormPage::commit(QWidget* w, bool emitCalc)
{
    auto it = m_bindings.constFind(w);
    if (it == m_bindings.constEnd()) return false;
    const Binding b = it.value();
    CField* f = b.field;
    if (f->IsCalculated()) return false;
    QVariant value;
    switch (b.kind) {
    case Kind::Amount: {
        double amount = 0.0;
        if (!static_cast<DoubleLineEdit*>(w)->readValue(&amount)) {
            // Not an amount: the field keeps its value, and the page says why.
            refuse(w, b, unreadableAmountText(static_cast<QLineEdit*>(w)->text()));
            return false;
        }
        // The amount kept is the one shown: to the cent.
        value = QLocale::c().toString(amount, 'f', 2).toDouble();
        break;
    }
    case Kind::Number: {
        bool ok = false;
        const QString text = static_cast<QLineEdit*>(w)->text().trimmed();
        const int n = text.isEmpty() ? 0 : text.toInt(&ok);
        if (!text.isEmpty() && !ok) {
            showValue(w, b);
            return false;
        }
        value = n;
        break;
    }
    case Kind::Text: value = static_cast<QLineEdit*>(w)->text(); break;
    case Kind::Lines: value = static_cast<QPlainTextEdit*>(w)->toPlainText(); break;
    case Kind::Check: value = static_cast<QCheckBox*>(w)->isChecked(); break;
    case Kind::Date: {
        bool ok = false;
        const QDate d = readDate(static_cast<QLineEdit*>(w)->text(), &ok);
        if (!ok) {
            refuse(w, b, QStringLiteral("\"%1\" is not a date. Type it as yyyy/mm/dd.")
                             .arg(static_cast<QLineEdit*>(w)->text().trimmed()));
            return false;
        }
        value = d;
        break;
    }
    case Kind::Choice: {
        const QString data = static_cast<QComboBox*>(w)->currentData().toString();
        if (f->GetType() == CField::Int) value = data.toInt();
        else if (f->GetType() == CField::Bool) value = data == QLatin1String("1");
        else value = data;
        break;
    }
    }
    CString why;
    if (!form()->AcceptsValue(*f, value, &why)) {
        refuse(w, b, why.toQString());
        return false;
    }
    clearRefusal(w);
    // Where a blank box differs from an entered 0, typing into it or
    // clearing it changes its mark of entry.
    bool markChanged = false;
    if (b.kind == Kind::Amount && form()) {
        if (const char* mark = form()->entryMarkOf(f->GetName())) {
            const bool entered = !static_cast<DoubleLineEdit*>(w)->text().trimmed().isEmpty();
            markChanged = form()->getBool(mark) != entered;
            if (markChanged) form()->setBool(mark, entered);
        }
    }
    if (value == f->GetVariant() && !markChanged) {
        if (b.kind == Kind::Amount) showValue(w, b);   // "1,000" shows as "1000.00"
        return false;
    }
    if (value != f->GetVariant() && !f->SetVariant(value)) {
        showValue(w, b);
        return false;
    }
    showValue(w, b);
    if (b.table >= 0) growTable(b.table);
    if (emitCalc) emit signalCalc(form(), f);
    return true;
}

void TaxFormPage::refuse(QWidget* w, const Binding& b, const QString& why)
{
    // The field keeps its value; the message stays on the field until a
    // value it takes replaces it.
    showValue(w, b);
    w->setToolTip(why);
    w->setProperty("refused", true);
    w->setStyleSheet(QStringLiteral("border: 1px solid #C00000;"));
    QToolTip::showText(w->mapToGlobal(QPoint(0, w->height())), why, w);
    QApplication::beep();
}

void TaxFormPage::clearRefusal(QWidget* w)
{
    if (!w->property("refused").toBool()) return;
    w->setProperty("refused", false);
    w->setToolTip(QString());
    w->setStyleSheet(QString());
    QToolTip::hideText();
}

QString TaxFormPage::refusalShown(const QString& fieldName) const
{
    QWidget* w = editorOf(fieldName);
    return w && w->property("refused").toBool() ? w->toolTip() : QString();
}

void TaxFormPage::onEdited()
{
    if (m_syncing) return;
    if (auto* w = qobject_cast<QWidget*>(sender())) commit(w, true);
}

bool TaxFormPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && !m_syncing && m_bindings.contains(w)) {
        const Binding b = m_bindings.value(w);
        if (event->type() == QEvent::FocusOut && b.kind == Kind::Lines) commit(w, true);
        // What the validator accepts is committed by editing finished; its
        // own context menu takes the focus in the middle of an edit.
        if (event->type() == QEvent::FocusOut && b.kind == Kind::Number
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason
            && !static_cast<QLineEdit*>(w)->hasAcceptableInput())
            commit(w, true);
        if (event->type() == QEvent::Wheel && b.kind == Kind::Choice && !w->hasFocus()) {
            // Unhandled here, the wheel goes on to the page's scroll area.
            event->ignore();
            return true;
        }
        // Tab out of a table's cell: the row it fills must exist before the
        // focus moves on, so that Tab reaches the new empty row.
        if (event->type() == QEvent::KeyPress && b.table >= 0
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab)
            commit(w, true);
    }
    return BaseTaxPage::eventFilter(watched, event);
}

void TaxFormPage::saveToData()
{
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* w = focus; w && w != this; w = w->parentWidget())
        if (m_bindings.contains(w)) {
            commit(w, false);
            return;
        }
}

QWidget* TaxFormPage::editorOf(const QString& fieldName) const
{
    return m_byField.value(fieldName);
}

QPushButton* TaxFormPage::actionButton(int number) const
{
    return m_actions.value(number);
}

int TaxFormPage::tableRowsShown(const QString& group) const
{
    for (const TableGrid& t : m_tables)
        if (t.group == group) return t.shown;
    return 0;
}

void makeTaxFormPages(CTaxData_Form* form, std::list<BaseTaxPage*>& pages, QWidget* parent)
{
    for (const TaxFormPage::PageRows& page : TaxFormPage::pagesOf(form->pageLayout()))
        pages.push_back(new TaxFormPage(form, page, parent, parent));
}

void installTaxFormPages()
{
    CTaxData_Form::setPageMaker(&makeTaxFormPages);
}
