#include "taxformpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "fields.h"
#include "styledwidgets.h"
#include "taxdataform.h"
#include "taxformevents.h"

Q_DECLARE_METATYPE(CField*)

namespace {

// One row of every kind, on two pages, over a small form of every field kind.
const LayoutRow kPageOne[] = {
    QL_PAGE("Income"),
    QL_SECTION("Step 2 - Total income"),
    QL_LINE("10100", "10100", "Employment income"),
    QL_LINE("12100", "12100", "Interest and other investment income"),
    QL_LINE("15000", "15000", "Total income"),
    QL_LINE("13000", "13000", "Other income"),
    QL_LINE("name", nullptr, "First name"),
    QL_LINE("count", nullptr, "Number of children"),
    QL_LINE("birth_date", nullptr, "Date of birth"),
    QL_LINE("citizen", nullptr, "Are you a Canadian citizen?"),
    QL_CHOICE("marital", nullptr, "Marital status", "1=Married|2=Living common-law|6=Single"),
    QL_PROVINCES("province", nullptr, "Province of residence"),
    QL_PROVINCES("mailing_province", nullptr, "Province (mailing)"),
    QL_HIDDEN("internal"),
};
const LayoutRow kPageTwo[] = {
    QL_PAGE("Gifts"),
    QL_TABLE("gifts", "Donations"),
    QL_COLUMN("gifts.#.charity", "Name of charity"),
    QL_COLUMN("gifts.#.amount", "Amount"),
    QL_COLUMN("gifts.#.credit", "Credit"),
    QL_CHOICE_COLUMN("gifts.#.kind", "Kind", "0=Cash|1=Shares"),
    QL_TEXT("note", "Note"),
    QL_ACTION("Go to Schedule 9", TaxFormEvent::ForwardEdit, 24),
    QL_ACTION("Send T183 for e-signature", TaxFormEvent::T183Sign, 0),
    QL_ACTION("T183 e-signature status", TaxFormEvent::T183SignStatus, 0),
    QL_ACTION("Send RC71 for e-signature", TaxFormEvent::RC71Sign, 0),
    QL_ACTION("RC71 e-signature status", TaxFormEvent::RC71SignStatus, 0),
    QL_ACTION("Copy preparer", TaxFormEvent::CopyPreparer, 0),
    QL_ACTION("Copy mailing address", TaxFormEvent::CopyMailingAddress, 0),
};
constexpr int kGiftRows = 4;

class SampleForm : public CTaxData_Form
{
public:
    SampleForm() : CTaxData_Form(FROM_FORM, 1)
    {
        m_fields.add<CFloatField>("10100");
        m_fields.add<CFloatField>("12100");
        m_fields.add<CFloatField>("15000")->SetAttributes(CField::Calculated);
        m_fields.add<CFloatField>("13000");
        m_fields.add<CStringField>("name");
        m_fields.add<CIntField>("count");
        m_fields.add<CDateField>("birth_date");
        m_fields.add<CBoolField>("citizen");
        m_fields.add<CIntField>("marital", -1);
        m_fields.add<CIntField>("province");
        m_fields.add<CStringField>("mailing_province");
        m_fields.add<CStringField>("internal");
        for (int r = 1; r <= kGiftRows; ++r) {
            m_fields.add<CStringField>(CString(QStringLiteral("gifts.%1.charity").arg(r)));
            m_fields.add<CFloatField>(CString(QStringLiteral("gifts.%1.amount").arg(r)));
            m_fields.add<CFloatField>(CString(QStringLiteral("gifts.%1.credit").arg(r)))
                ->SetAttributes(CField::Calculated);
            m_fields.add<CIntField>(CString(QStringLiteral("gifts.%1.kind").arg(r)));
        }
        m_fields.add<CStringField>("note");
        setPageLayout({layoutTable(kPageOne), layoutTable(kPageTwo)});
    }
};

// A slip whose box 26 keeps a mark of entry, as the T4's boxes 24 and 26 do:
// a blank box differs from an entered 0.
const LayoutRow kMarkedBoxRows[] = {
    QL_PAGE("T4"),
    QL_LINE("14", "14", "Employment income"),
    QL_LINE("26", "26", "CPP/QPP pensionable earnings"),
    QL_HIDDEN("entered_26"),
};

class MarkedBoxForm : public CTaxData_Form
{
public:
    MarkedBoxForm() : CTaxData_Form(FROM_SLIP, 1)
    {
        m_fields.add<CFloatField>("14");
        m_fields.add<CFloatField>("26");
        m_fields.add<CBoolField>("entered_26");
        setPageLayout({layoutTable(kMarkedBoxRows)});
    }
    const char* entryMarkOf(const CString& field) const override { return field == "26" ? "entered_26" : nullptr; }
};

// The same form whose gifts grow by a row at a time, to eight rows.
class GrowingForm : public SampleForm
{
public:
    CField* growField(const CString& name) override
    {
        const QString text = name.toQString();
        const int row = text.section('.', 1, 1).toInt();
        if (!text.startsWith(QLatin1String("gifts.")) || row != m_rows + 1 || row > 8) return nullptr;
        m_fields.add<CStringField>(CString(QStringLiteral("gifts.%1.charity").arg(row)));
        m_fields.add<CFloatField>(CString(QStringLiteral("gifts.%1.amount").arg(row)));
        m_fields.add<CFloatField>(CString(QStringLiteral("gifts.%1.credit").arg(row)))->SetAttributes(CField::Calculated);
        m_fields.add<CIntField>(CString(QStringLiteral("gifts.%1.kind").arg(row)));
        ++m_rows;
        return field(name);
    }
    int m_rows = kGiftRows;
};

// Stands in for the editor: records the custom events the pages post.
class RecordingHost : public QWidget
{
public:
    bool event(QEvent* e) override
    {
        if (e->type() >= QEvent::User || int(e->type()) == TaxFormEvent::Refresh
            || int(e->type()) == TaxFormEvent::ForwardEdit || int(e->type()) > 1000) {
            received.append(int(e->type()));
            if (auto* forward = dynamic_cast<EventForwardEdit*>(e)) targets.append(forward->formType());
            return true;
        }
        return QWidget::event(e);
    }
    QList<int> received;
    QList<int> targets;
};

} // namespace

class TaxFormPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesFollowThePageRows();
    void showingValuesEmitsNothing();
    void typedLineWritesItsFieldOnce_data();
    void typedLineWritesItsFieldOnce();
    void unreadableAmountIsRefused_data();
    void unreadableAmountIsRefused();
    void numberLineLeftBlankOrHalfTyped_data();
    void numberLineLeftBlankOrHalfTyped();
    void nonResidentProvinceShownByName_data();
    void nonResidentProvinceShownByName();
    void wheelOverListNotEnteredKeepsTheAnswer();
    void calculatedLineCannotBeTypedInto();
    void checkBoxWritesBool();
    void datesWrittenAsDates_data();
    void datesWrittenAsDates();
    void choicesWrittenAsTheirFieldKind_data();
    void choicesWrittenAsTheirFieldKind();
    void tableGrowsByOneEmptyRow();
    void tableOfAGrowingFormMakesItsNextRow();
    void noteTextOnSeveralLines();
    void saveToDataCommitsTheFocusedEditor();
    void actionPostsItsEventOnce_data();
    void actionPostsItsEventOnce();
    void fillPageListNeedsTheInstalledMaker();
    void wideTableShowsEntriesOneUnderTheOther();
    void markedBoxTellsBlankFromZero();

private:
    TaxFormPage* page(int index);
    void focusAndType(QWidget* w, const QString& text);

    std::unique_ptr<SampleForm> m_form;
    std::unique_ptr<RecordingHost> m_host;
    std::vector<TaxFormPage*> m_pages;
};

void TaxFormPageTest::init()
{
    qRegisterMetaType<CField*>();
    qRegisterMetaType<CTaxData_Form*>();
    m_form = std::make_unique<SampleForm>();
    m_host = std::make_unique<RecordingHost>();
    m_pages.clear();
    for (const auto& rows : TaxFormPage::pagesOf(m_form->pageLayout()))
        m_pages.push_back(new TaxFormPage(m_form.get(), rows, m_host.get(), m_host.get()));
    for (TaxFormPage* p : m_pages) p->syncData();
    m_host->resize(900, 900);
    m_host->show();
    QApplication::setActiveWindow(m_host.get());
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
}

void TaxFormPageTest::cleanup()
{
    m_host.reset();   // deletes the pages
    m_form.reset();
}

TaxFormPage* TaxFormPageTest::page(int index)
{
    // Only one page is visible at a time, as in the editor's tabs.
    for (size_t i = 0; i < m_pages.size(); ++i) m_pages[i]->setVisible(int(i) == index);
    return m_pages[size_t(index)];
}

void TaxFormPageTest::focusAndType(QWidget* w, const QString& text)
{
    w->setFocus();
    QTRY_VERIFY(w->hasFocus());
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Backspace);
    QTest::keyClicks(w, text);
}

void TaxFormPageTest::pagesFollowThePageRows()
{
    QCOMPARE(int(m_pages.size()), 2);
    QCOMPARE(m_pages[0]->getTitle(), QStringLiteral("Income"));
    QCOMPARE(m_pages[1]->getTitle(), QStringLiteral("Gifts"));
    QVERIFY(m_pages[0]->editorOf("10100"));
    QVERIFY(!m_pages[0]->editorOf("internal"));   // hidden on purpose
    QVERIFY(!m_pages[1]->editorOf("10100"));
    auto* amount = qobject_cast<QLineEdit*>(m_pages[0]->editorOf("10100"));
    QVERIFY(amount);
    QVERIFY(amount->alignment() & Qt::AlignRight);
}

void TaxFormPageTest::showingValuesEmitsNothing()
{
    TaxFormPage* p = page(0);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    m_form->setFloat("10100", 52000.5);
    m_form->setString("name", "Alice");
    m_form->setBool("citizen", true);
    m_form->setInt("marital", 2);
    m_form->setDate("birth_date", QDate(1980, 3, 4));
    p->syncData();
    p->refreshFromData();
    QCOMPARE(qobject_cast<QLineEdit*>(p->editorOf("10100"))->text(), QStringLiteral("52000.50"));
    QCOMPARE(qobject_cast<QLineEdit*>(p->editorOf("name"))->text(), QStringLiteral("Alice"));
    QVERIFY(qobject_cast<QCheckBox*>(p->editorOf("citizen"))->isChecked());
    QCOMPARE(qobject_cast<QComboBox*>(p->editorOf("marital"))->currentText(), QStringLiteral("Living common-law"));
    QCOMPARE(qobject_cast<QLineEdit*>(p->editorOf("birth_date"))->text(), QStringLiteral("1980/03/04"));
    // Moving the focus through shown values is no edit either.
    p->editorOf("10100")->setFocus();
    QTest::keyClick(p->editorOf("10100"), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_form->getFloat("10100"), 52000.5);
}

void TaxFormPageTest::typedLineWritesItsFieldOnce_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("amount") << "10100" << "1234.5" << QVariant(1234.5) << "1234.50";
    QTest::newRow("amount with $ and commas") << "12100" << "$12,345.678" << QVariant(12345.68) << "12345.68";
    QTest::newRow("the largest amount") << "10100" << "-999,999,999,999.99" << QVariant(-999999999999.99)
                                        << "-999999999999.99";
    QTest::newRow("amount with thousands commas") << "12100" << "1,234,567.89" << QVariant(1234567.89)
                                                 << "1234567.89";
    QTest::newRow("amount blank is zero") << "13000" << "" << QVariant() << "0.00";
    QTest::newRow("decimal comma") << "10100" << "1234,56" << QVariant(1234.56) << "1234.56";
    QTest::newRow("decimal comma, one digit") << "10100" << "12,3" << QVariant(12.3) << "12.30";
    QTest::newRow("blanks grouping, decimal comma") << "12100" << "1 234 567,89" << QVariant(1234567.89)
                                                    << "1234567.89";
    QTest::newRow("text") << "name" << "Marie-Ève" << QVariant(QStringLiteral("Marie-Ève")) << "Marie-Ève";
    QTest::newRow("int") << "count" << "3" << QVariant(3) << "3";
}

void TaxFormPageTest::typedLineWritesItsFieldOnce()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    TaxFormPage* p = page(0);
    // The blank case starts from a value, so that clearing it is a change.
    if (!stored.isValid()) {
        m_form->setFloat(field.toUtf8().constData(), 75.0);
        p->syncData();
        stored = 0.0;
    }
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* edit = qobject_cast<QLineEdit*>(p->editorOf(field));
    QVERIFY(edit);
    focusAndType(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);   // editing finished once...
    QTest::keyClick(edit, Qt::Key_Tab);      // ...and again as the focus leaves
    CField* f = m_form->field(CString(field));
    QCOMPARE(f->GetVariant(), stored);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CTaxData_Form*>(), m_form.get());
    QCOMPARE(spy.at(0).at(1).value<CField*>(), f);
}

void TaxFormPageTest::unreadableAmountIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << "12abc";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("a trillion") << "1000000000000";
    QTest::newRow("beyond any return, negative") << "-1e19";
    QTest::newRow("comma in the cents") << "1,234.5,6";
    QTest::newRow("comma grouping four digits") << "1,2345";
    QTest::newRow("commas grouping and decimal") << "1,234,56";
    QTest::newRow("point grouping, decimal comma") << "1.234,56";
    QTest::newRow("comma before nothing") << "1234,";
}

void TaxFormPageTest::unreadableAmountIsRefused()
{
    QFETCH(QString, typed);
    TaxFormPage* p = page(0);
    m_form->setFloat("10100", 500.0);
    p->syncData();
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* edit = qobject_cast<QLineEdit*>(p->editorOf("10100"));
    focusAndType(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(m_form->getFloat("10100"), 500.0);
    QCOMPARE(edit->text(), QStringLiteral("500.00"));
    QCOMPARE(spy.count(), 0);
    // Never silently: the field says what it refused, until it takes a value.
    QCOMPARE(p->refusalShown("10100"), unreadableAmountText(typed));
    focusAndType(edit, "12");
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(m_form->getFloat("10100"), 12.0);
    QCOMPARE(p->refusalShown("10100"), QString());
}

void TaxFormPageTest::numberLineLeftBlankOrHalfTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("calcs");
    QTest::newRow("cleared is zero") << "" << 0 << "0" << 1;
    QTest::newRow("a lone minus sign is refused") << "-" << 3 << "3" << 0;
    QTest::newRow("negative") << "-2" << -2 << "-2" << 1;
}

void TaxFormPageTest::numberLineLeftBlankOrHalfTyped()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, calcs);
    TaxFormPage* p = page(0);
    m_form->setInt("count", 3);
    p->syncData();
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* edit = qobject_cast<QLineEdit*>(p->editorOf("count"));
    QVERIFY(edit);
    focusAndType(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(m_form->getInt("count"), stored);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(spy.count(), calcs);
}

void TaxFormPageTest::nonResidentProvinceShownByName_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ontario") << 9 << "Ontario";
    QTest::newRow("non-resident") << 14 << "Non-resident";
    QTest::newRow("non-resident, section 217") << 16 << "Non-resident (section 217)";
    QTest::newRow("none chosen") << 0 << "";
}

void TaxFormPageTest::nonResidentProvinceShownByName()
{
    QFETCH(int, province);
    QFETCH(QString, shown);
    TaxFormPage* p = page(0);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    m_form->setInt("province", province);
    p->syncData();
    p->refreshFromData();
    auto* combo = qobject_cast<QComboBox*>(p->editorOf("province"));
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(combo->currentData().toInt(), province);
    QCOMPARE(combo->findText(shown), combo->currentIndex());   // listed once
    QCOMPARE(m_form->getInt("province"), province);
    QCOMPARE(spy.count(), 0);
}

void TaxFormPageTest::wheelOverListNotEnteredKeepsTheAnswer()
{
    TaxFormPage* p = page(0);
    m_form->setInt("marital", 2);
    p->syncData();
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* combo = qobject_cast<QComboBox*>(p->editorOf("marital"));
    QWidget* other = p->editorOf("10100");
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    auto wheel = [combo] {
        const QPoint at = combo->rect().center();
        QWheelEvent e(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &e);
    };
    // Scrolling the page past the list is no answer.
    wheel();
    QCOMPARE(combo->currentText(), QStringLiteral("Living common-law"));
    QCOMPARE(m_form->getInt("marital"), 2);
    QCOMPARE(spy.count(), 0);
    // In the list, the wheel picks as the keys do.
    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    wheel();
    QCOMPARE(m_form->getInt("marital"), 6);
    QCOMPARE(spy.count(), 1);
}

void TaxFormPageTest::calculatedLineCannotBeTypedInto()
{
    TaxFormPage* p = page(0);
    m_form->setFloat("15000", 900.0);
    p->syncData();
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* total = qobject_cast<QLineEdit*>(p->editorOf("15000"));
    QVERIFY(total->isReadOnly());
    QCOMPARE(total->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(total, Qt::LeftButton);
    QTest::keyClicks(total, "123");
    QCOMPARE(total->text(), QStringLiteral("900.00"));
    // Tab from the line before goes straight past it.
    QWidget* before = p->editorOf("12100");
    before->setFocus();
    QTRY_VERIFY(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), p->editorOf("13000"));
    QCOMPARE(m_form->getFloat("15000"), 900.0);
    QCOMPARE(spy.count(), 0);
}

void TaxFormPageTest::checkBoxWritesBool()
{
    TaxFormPage* p = page(0);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    QTest::mouseClick(p->editorOf("citizen"), Qt::LeftButton);
    QCOMPARE(m_form->getBool("citizen"), true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).value<CField*>(), m_form->field("citizen"));
    QTest::keyClick(p->editorOf("citizen"), Qt::Key_Space);
    QCOMPARE(m_form->getBool("citizen"), false);
    QCOMPARE(spy.count(), 2);
}

void TaxFormPageTest::datesWrittenAsDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("calcs");
    QTest::newRow("slashes") << "1956/02/14" << QDate(1956, 2, 14) << "1956/02/14" << 1;
    QTest::newRow("digits only") << "19560214" << QDate(1956, 2, 14) << "1956/02/14" << 1;
    QTest::newRow("cleared") << "" << QDate() << "" << 1;
    QTest::newRow("no such day refused") << "1956/02/30" << QDate(1970, 7, 1) << "1970/07/01" << 0;
}

void TaxFormPageTest::datesWrittenAsDates()
{
    QFETCH(QString, typed);
    QFETCH(QDate, stored);
    QFETCH(QString, shown);
    QFETCH(int, calcs);
    TaxFormPage* p = page(0);
    m_form->setDate("birth_date", QDate(1970, 7, 1));
    p->syncData();
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* date = qobject_cast<QLineEdit*>(p->editorOf("birth_date"));
    QVERIFY(date);
    QCOMPARE(date->text(), QStringLiteral("1970/07/01"));
    focusAndType(date, typed);
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(m_form->field("birth_date")->GetType(), CField::Date);
    QCOMPARE(m_form->getDate("birth_date"), stored);
    QCOMPARE(date->text(), shown);
    QCOMPARE(spy.count(), calcs);
}

void TaxFormPageTest::choicesWrittenAsTheirFieldKind_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("int choice") << "marital" << "Single" << QVariant(6);
    QTest::newRow("province as its code") << "province" << "Ontario" << QVariant(9);
    QTest::newRow("province kept as text") << "mailing_province" << "Manitoba" << QVariant(QStringLiteral("MB"));
}

void TaxFormPageTest::choicesWrittenAsTheirFieldKind()
{
    QFETCH(QString, field);
    QFETCH(QString, pick);
    QFETCH(QVariant, stored);
    TaxFormPage* p = page(0);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* combo = qobject_cast<QComboBox*>(p->editorOf(field));
    QVERIFY(combo);
    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    // Down the list by keyboard to the choice, as a user would.
    const int target = combo->findText(pick);
    QVERIFY(target >= 0);
    while (combo->currentIndex() < target) QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(m_form->field(CString(field))->GetVariant(), stored);
    QCOMPARE(spy.count(), target - qMax(0, combo->findText(QString())));
    QCOMPARE(spy.last().at(1).value<CField*>(), m_form->field(CString(field)));
}

void TaxFormPageTest::tableOfAGrowingFormMakesItsNextRow()
{
    GrowingForm form;
    const auto pages = TaxFormPage::pagesOf(form.pageLayout());
    QCOMPARE(int(pages.size()), 2);
    // Over the fixture's pages, and gone before the form it shows.
    std::unique_ptr<TaxFormPage> p(new TaxFormPage(&form, pages[1], m_host.get(), m_host.get()));
    p->syncData();
    p->resize(900, 900);
    p->show();
    p->raise();
    // The user fills every row the form holds; the last one brings a new one.
    for (int row = 1; row <= kGiftRows + 1; ++row) {
        QWidget* amount = p->editorOf(QStringLiteral("gifts.%1.amount").arg(row));
        QVERIFY2(amount, qPrintable(QString::number(row)));
        focusAndType(amount, QString::number(100 * row));
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(p->tableRowsShown("gifts"), row + 1);
    }
    QCOMPARE(form.m_rows, kGiftRows + 2);
    QCOMPARE(form.getFloat("gifts.5.amount"), 500.0);
    QVERIFY(p->editorOf("gifts.6.amount"));
}

void TaxFormPageTest::tableGrowsByOneEmptyRow()
{
    TaxFormPage* p = page(1);
    QCOMPARE(p->tableRowsShown("gifts"), 1);
    QVERIFY(p->editorOf("gifts.1.amount"));
    QVERIFY(!p->editorOf("gifts.2.amount"));
    QVERIFY(qobject_cast<QLineEdit*>(p->editorOf("gifts.1.credit"))->isReadOnly());

    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    focusAndType(p->editorOf("gifts.1.charity"), "Food bank");
    QTest::keyClick(p->editorOf("gifts.1.charity"), Qt::Key_Tab);
    QCOMPARE(p->tableRowsShown("gifts"), 2);
    QCOMPARE(m_form->getString("gifts.1.charity"), CString("Food bank"));
    // The Tab went on to the amount of the same row.
    QCOMPARE(QApplication::focusWidget(), p->editorOf("gifts.1.amount"));
    QTest::keyClicks(p->editorOf("gifts.1.amount"), "250");
    QTest::keyClick(p->editorOf("gifts.1.amount"), Qt::Key_Return);
    QCOMPARE(p->tableRowsShown("gifts"), 2);   // still one empty row, not two
    QCOMPARE(m_form->getFloat("gifts.1.amount"), 250.0);
    QCOMPARE(spy.count(), 2);

    focusAndType(p->editorOf("gifts.2.amount"), "10");
    QTest::keyClick(p->editorOf("gifts.2.amount"), Qt::Key_Return);
    QCOMPARE(p->tableRowsShown("gifts"), 3);
    QVERIFY(p->editorOf("gifts.3.amount"));

    // Tab goes on from the last cell of a row to the row added below it.
    QWidget* lastOfRow2 = p->editorOf("gifts.2.kind");
    lastOfRow2->setFocus();
    QTRY_VERIFY(lastOfRow2->hasFocus());
    QTest::keyClick(lastOfRow2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), p->editorOf("gifts.3.charity"));

    // A column picked from a list writes its int.
    auto* kind = qobject_cast<QComboBox*>(p->editorOf("gifts.3.kind"));
    QVERIFY(kind);
    kind->setFocus();
    QTRY_VERIFY(kind->hasFocus());
    QTest::keyClick(kind, Qt::Key_Down);
    QCOMPARE(m_form->getInt("gifts.3.kind"), 1);
    QCOMPARE(p->tableRowsShown("gifts"), 4);

    // Rows already filled are shown with one empty row after them, no more
    // than the form holds.
    for (int r = 1; r <= kGiftRows; ++r) m_form->setFloat(CString(QStringLiteral("gifts.%1.amount").arg(r)), 1.0);
    p->syncData();
    QCOMPARE(p->tableRowsShown("gifts"), kGiftRows);
}

void TaxFormPageTest::noteTextOnSeveralLines()
{
    TaxFormPage* p = page(1);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* text = qobject_cast<QPlainTextEdit*>(p->editorOf("note"));
    QVERIFY(text);
    text->setFocus();
    QTRY_VERIFY(text->hasFocus());
    QTest::keyClicks(text, "first");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "second");
    QCOMPARE(spy.count(), 0);   // not done until the user leaves it
    QTest::keyClick(text, Qt::Key_Tab);
    QCOMPARE(m_form->getString("note"), CString("first\nsecond"));
    QCOMPARE(spy.count(), 1);
}

void TaxFormPageTest::saveToDataCommitsTheFocusedEditor()
{
    TaxFormPage* p = page(0);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* edit = qobject_cast<QLineEdit*>(p->editorOf("12100"));
    focusAndType(edit, "77.25");
    QCOMPARE(m_form->getFloat("12100"), 0.0);
    p->saveToData();
    QCOMPARE(m_form->getFloat("12100"), 77.25);
    // The editor recalculates after saving: the page asks for nothing itself,
    // and leaving the line afterwards is no second change.
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(spy.count(), 0);
}

void TaxFormPageTest::actionPostsItsEventOnce_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("target");
    QTest::newRow("go to form") << int(TaxFormEvent::ForwardEdit) << 24;
    QTest::newRow("T183 e-signature") << int(TaxFormEvent::T183Sign) << 0;
    QTest::newRow("T183 status") << int(TaxFormEvent::T183SignStatus) << 0;
    QTest::newRow("RC71 e-signature") << int(TaxFormEvent::RC71Sign) << 0;
    QTest::newRow("RC71 status") << int(TaxFormEvent::RC71SignStatus) << 0;
    QTest::newRow("copy preparer") << int(TaxFormEvent::CopyPreparer) << 0;
    QTest::newRow("copy mailing address") << int(TaxFormEvent::CopyMailingAddress) << 0;
}

void TaxFormPageTest::actionPostsItsEventOnce()
{
    QFETCH(int, number);
    QFETCH(int, target);
    TaxFormPage* p = page(1);
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    QPushButton* button = p->actionButton(number);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(m_host.get());
    QCOMPARE(m_host->received, QList<int>{number});
    if (number == TaxFormEvent::ForwardEdit) QCOMPARE(m_host->targets, QList<int>{target});
    QCOMPARE(spy.count(), 0);
}

void TaxFormPageTest::fillPageListNeedsTheInstalledMaker()
{
    std::list<BaseTaxPage*> pages;
    CTaxData_Form::setPageMaker(nullptr);
    m_form->FillPageList(pages, m_host.get());
    QVERIFY(pages.empty());

    installTaxFormPages();
    m_form->FillPageList(pages, m_host.get());
    QCOMPARE(int(pages.size()), 2);
    QCOMPARE(pages.front()->getTitle(), QStringLiteral("Income"));
    QCOMPARE(pages.front()->form(), m_form.get());

    // A form without a layout still has no page.
    CTaxData_Form bare(FROM_FORM, 2);
    std::list<BaseTaxPage*> none;
    bare.FillPageList(none, m_host.get());
    QVERIFY(none.empty());
    CTaxData_Form::setPageMaker(nullptr);
}

void TaxFormPageTest::wideTableShowsEntriesOneUnderTheOther()
{
    // Eight amount columns: side by side they would not fit a page.
    static const LayoutRow kWide[] = {
        QL_PAGE("Properties"),
        QL_TABLE("p", "Properties"),
        QL_COLUMN("p.#.a", "A"), QL_COLUMN("p.#.b", "B"), QL_COLUMN("p.#.c", "C"), QL_COLUMN("p.#.d", "D"),
        QL_COLUMN("p.#.e", "E"), QL_COLUMN("p.#.f", "F"), QL_COLUMN("p.#.g", "G"), QL_COLUMN("p.#.h", "H"),
    };
    class WideForm : public CTaxData_Form
    {
    public:
        WideForm() : CTaxData_Form(FROM_FORM, 2)
        {
            for (int r = 1; r <= 3; ++r)
                for (char c = 'a'; c <= 'h'; ++c)
                    m_fields.add<CFloatField>(CString(QStringLiteral("p.%1.%2").arg(r).arg(QLatin1Char(c))));
            setPageLayout({layoutTable(kWide)});
        }
    } wide;
    TaxFormPage p(&wide, TaxFormPage::pagesOf(wide.pageLayout()).front(), m_host.get(), m_host.get());
    p.syncData();
    p.resize(900, 1200);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    QVERIFY(p.minimumSizeHint().width() < 900);
    QWidget* a = p.editorOf("p.1.a");
    QWidget* h = p.editorOf("p.1.h");
    QVERIFY(a && h);
    QCOMPARE(a->x(), h->x());
    QVERIFY(h->y() > a->y());

    // Filling the entry adds the next one below it, reached by Tab.
    QSignalSpy spy(&p, &BaseTaxPage::signalCalc);
    focusAndType(h, "12");
    QTest::keyClick(h, Qt::Key_Tab);
    QCOMPARE(wide.getFloat("p.1.h"), 12.0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(p.tableRowsShown("p"), 2);
    QCOMPARE(QApplication::focusWidget(), p.editorOf("p.2.a"));
    QVERIFY(p.editorOf("p.2.a")->y() > h->y());
}

// Box 26 shows blank until typed; tabbing through it enters nothing;
// typing 0 enters a 0; clearing it makes it blank again.
void TaxFormPageTest::markedBoxTellsBlankFromZero()
{
    MarkedBoxForm form;
    form.setFloat("14", 60000);
    auto* p = new TaxFormPage(&form, TaxFormPage::pagesOf(form.pageLayout()).front(), m_host.get(), m_host.get());
    p->syncData();
    for (TaxFormPage* other : m_pages) other->hide();
    p->show();
    QSignalSpy spy(p, &BaseTaxPage::signalCalc);
    auto* box26 = qobject_cast<QLineEdit*>(p->editorOf("26"));
    auto* box14 = qobject_cast<QLineEdit*>(p->editorOf("14"));
    QVERIFY(box26 && box14);
    QCOMPARE(box26->text(), QString());
    QCOMPARE(box14->text(), QStringLiteral("60000.00"));

    box26->setFocus();
    QTRY_VERIFY(box26->hasFocus());
    QTest::keyClick(box26, Qt::Key_Tab);
    QVERIFY(!form.getBool("entered_26"));
    QCOMPARE(box26->text(), QString());
    QCOMPARE(spy.count(), 0);

    focusAndType(box26, QStringLiteral("0"));
    QTest::keyClick(box26, Qt::Key_Return);
    QTest::keyClick(box26, Qt::Key_Tab);
    QVERIFY(form.getBool("entered_26"));
    QCOMPARE(form.getFloat("26"), 0.0);
    QCOMPARE(box26->text(), QStringLiteral("0.00"));
    QCOMPARE(spy.count(), 1);

    focusAndType(box26, QStringLiteral("40,000"));
    QTest::keyClick(box26, Qt::Key_Tab);
    QVERIFY(form.getBool("entered_26"));
    QCOMPARE(form.getFloat("26"), 40000.0);
    QCOMPARE(spy.count(), 2);

    focusAndType(box26, QString());
    QTest::keyClick(box26, Qt::Key_Tab);
    QVERIFY(!form.getBool("entered_26"));
    QCOMPARE(form.getFloat("26"), 0.0);
    QCOMPARE(box26->text(), QString());
    QCOMPARE(spy.count(), 3);
    delete p;
}

QTEST_MAIN(TaxFormPageTest)
#include "tst_taxformpage.moc"
