#include "ppgwizardpage.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>
#include <memory>

#include "ct1combobox.h"
#include "fields.h"
#include "styledwidgets.h"
#include "wsbasedata.h"

namespace {

constexpr double kAmountCap = 1000.0;

// One field of every kind a page can bind, plus one whose name lacks the
// binding prefix. Calculate caps the amount, the way real holders adjust
// values after an edit, and remembers what it was handed.
class TestHolder : public CWSBaseData
{
public:
    TestHolder()
    {
        m_fields.add<CStringField>("fld_Name");
        m_fields.add<CFloatField>("fld_Amount");
        m_fields.add<CIntField>("fld_Count");
        m_fields.add<CDateField>("fld_Dob");
        m_fields.add<CIntField>("fld_Prov");
        m_fields.add<CIntField>("fld_Marital", -1);
        m_fields.add<CBoolField>("fld_bSch7");
        m_fields.add<CStringField>("Note", CString("kept"));
    }

    int Calculate() override
    {
        auto* amount = static_cast<CFloatField*>(field("fld_Amount"));
        amountSeen = amount->GetValue();
        ++calculations;
        if (amount->GetValue() > kAmountCap) {
            amount->SetValue(kAmountCap);
            return 1;
        }
        return 0;
    }

    QVariant value(const char* name) const { return field(name)->GetVariant(); }
    void set(const char* name, const QVariant& v) { QVERIFY(field(name)->SetVariant(v)); }

    double amountSeen = 0.0;
    int calculations = 0;
};

class TestPage : public PpgWizardPage
{
    Q_OBJECT
public:
    explicit TestPage(TestHolder* holder) : PpgWizardPage(holder, nullptr)
    {
        auto* layout = new QFormLayout(this);
        name = add<StringLineEdit>(layout, "fld_Name", "Name");
        amount = add<DoubleLineEdit>(layout, "fld_Amount", "Amount");
        count = add<StringLineEdit>(layout, "fld_Count", "Count");
        dob = add<StyledDateEdit>(layout, "fld_Dob", "Date of birth");
        prov = add<CT1ComboBox>(layout, "fld_Prov", "Province");
        bSch7 = add<StyledCheckBox>(layout, "fld_bSch7", "Schedule 7");
        bSch7->setText(QStringLiteral("Schedule 7"));
        unknown = add<StringLineEdit>(layout, "fld_Unknown", "Unknown");
        note = add<StringLineEdit>(layout, "Note", "Note");

        marital = new QButtonGroup(this);
        marital->setObjectName(QStringLiteral("fld_Marital"));
        const char* labels[] = {"Single", "Married", "Widowed"};
        for (int id = 0; id < 3; ++id) {
            auto* radio = new QRadioButton(QString::fromLatin1(labels[id]), this);
            marital->addButton(radio, id);
            layout->addRow(radio);
        }
    }

    // Provinces are loaded when the page is set up; a return always has one,
    // so the empty choice goes and item positions no longer equal codes.
    void AssociateFormData() override
    {
        prov->LoadProvs();
        prov->removeItem(0);
        PpgWizardPage::AssociateFormData();
    }

    StringLineEdit* name;
    DoubleLineEdit* amount;
    StringLineEdit* count;
    StyledDateEdit* dob;
    CT1ComboBox* prov;
    StyledCheckBox* bSch7;
    StringLineEdit* unknown;
    StringLineEdit* note;
    QButtonGroup* marital;

private:
    template <typename W>
    W* add(QFormLayout* layout, const char* objectName, const char* label)
    {
        auto* w = new W(this);
        w->setObjectName(QString::fromLatin1(objectName));
        layout->addRow(QString::fromLatin1(label), w);
        return w;
    }
};

// What a bound widget shows, in the terms the holder stores it in.
QVariant shown(QObject* widget)
{
    if (auto* group = qobject_cast<QButtonGroup*>(widget)) return group->checkedId();
    if (auto* date = qobject_cast<QDateEdit*>(widget)) return date->date();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentData();
    if (auto* check = qobject_cast<QCheckBox*>(widget)) return check->isChecked();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    return QVariant();
}

// Where a click lands on the button itself, not on empty space beside it.
QPoint clickPoint(QAbstractButton* button)
{
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonClickRect
                                                             : QStyle::SE_CheckBoxClickRect;
    return button->style()->subElementRect(element, &opt, button).center();
}

// Replaces a line edit's text as a user does: select all, type, Enter.
void retype(QLineEdit* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class PpgWizardPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsHolderValues_data();
    void showsHolderValues();
    void typedTextWritesField_data();
    void typedTextWritesField();
    void amountOverCapShowsCappedValue();
    void unreadableTypedValueKeepsTheField_data();
    void unreadableTypedValueKeepsTheField();
    void dateEditWritesDate_data();
    void dateEditWritesDate();
    void comboWritesItemCode_data();
    void comboWritesItemCode();
    void radioClickWritesId_data();
    void radioClickWritesId();
    void checkBoxClicksToggleField();
    void validatePageCopiesEveryWidget();
    void missingDateSurvivesShowAndStore();
    void onlyNamedFieldsAreBound();
    void deletedWidgetIsForgotten();
    void radioGroupWithoutMatchingIdShowsNone_data();
    void radioGroupWithoutMatchingIdShowsNone();

private:
    QObject* widget(const QString& name) const;

    std::unique_ptr<TestHolder> m_holder;
    std::unique_ptr<TestPage> m_page;
};

void PpgWizardPageTest::init()
{
    m_holder = std::make_unique<TestHolder>();
    m_page = std::make_unique<TestPage>(m_holder.get());
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->initializePage();
}

void PpgWizardPageTest::cleanup()
{
    m_page.reset();
    m_holder.reset();
}

QObject* PpgWizardPageTest::widget(const QString& name) const
{
    QObject* w = m_page->findChild<QObject*>(name);
    if (!w) qWarning("no widget named %s", qPrintable(name));
    return w;
}

void PpgWizardPageTest::showsHolderValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("string") << "fld_Name" << QVariant(QStringLiteral("Anne Tremblay")) << QVariant(QStringLiteral("Anne Tremblay"));
    QTest::newRow("amount two decimals") << "fld_Amount" << QVariant(512.3) << QVariant(QStringLiteral("512.30"));
    QTest::newRow("amount rounded") << "fld_Amount" << QVariant(99.999) << QVariant(QStringLiteral("100.00"));
    QTest::newRow("int in line edit") << "fld_Count" << QVariant(37) << QVariant(QStringLiteral("37"));
    QTest::newRow("date") << "fld_Dob" << QVariant(QDate(1980, 5, 17)) << QVariant(QDate(1980, 5, 17));
    QTest::newRow("combo selects by code") << "fld_Prov" << QVariant(9) << QVariant(9);
    QTest::newRow("combo last code") << "fld_Prov" << QVariant(13) << QVariant(13);
    QTest::newRow("combo code without item") << "fld_Prov" << QVariant(0) << QVariant();
    QTest::newRow("radio first id") << "fld_Marital" << QVariant(0) << QVariant(0);
    QTest::newRow("radio last id") << "fld_Marital" << QVariant(2) << QVariant(2);
    QTest::newRow("check box") << "fld_bSch7" << QVariant(true) << QVariant(true);
}

void PpgWizardPageTest::showsHolderValues()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QVariant, expected);

    // Start from something else on screen, so a value left in place cannot pass.
    m_holder->set("fld_Prov", 1);
    m_holder->set("fld_Marital", 1);
    m_page->GetDataFromDoc();

    m_holder->set(field.toLatin1().constData(), value);
    const int calculations = m_holder->calculations;
    m_page->initializePage();

    QCOMPARE(shown(widget(field)), expected);
    // Showing is not editing: nothing is written back or recalculated.
    QCOMPARE(m_holder->value(field.toLatin1().constData()), value);
    QCOMPARE(m_holder->calculations, calculations);
}

void PpgWizardPageTest::typedTextWritesField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shownAfter");

    QTest::newRow("name") << "fld_Name" << "Jean-Luc Picard" << QVariant(QStringLiteral("Jean-Luc Picard")) << "Jean-Luc Picard";
    QTest::newRow("count") << "fld_Count" << "42" << QVariant(42) << "42";
    QTest::newRow("count with thousands comma") << "fld_Count" << "1,234" << QVariant(1234) << "1234";
    QTest::newRow("amount") << "fld_Amount" << "250.5" << QVariant(250.5) << "250.50";
    QTest::newRow("amount with dollar sign") << "fld_Amount" << "$999.99" << QVariant(999.99) << "999.99";
    QTest::newRow("amount with a decimal comma") << "fld_Amount" << "12,5" << QVariant(12.5) << "12.50";
    QTest::newRow("amount at cap") << "fld_Amount" << "1000" << QVariant(1000.0) << "1000.00";
}

void PpgWizardPageTest::typedTextWritesField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(QString, shownAfter);

    auto* edit = qobject_cast<QLineEdit*>(widget(field));
    QVERIFY(edit);
    edit->setFocus();
    const int calculations = m_holder->calculations;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, typed);
    // Nothing is written before the edit is finished.
    QVERIFY(m_holder->value(field.toLatin1().constData()) != stored);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(m_holder->value(field.toLatin1().constData()), stored);
    QCOMPARE(edit->text(), shownAfter);
    QCOMPARE(m_holder->calculations, calculations + 1);
}

void PpgWizardPageTest::amountOverCapShowsCappedValue()
{
    m_page->amount->setFocus();
    retype(m_page->amount, QStringLiteral("1234.56"));

    QCOMPARE(m_holder->amountSeen, 1234.56);
    QCOMPARE(m_holder->value("fld_Amount").toDouble(), kAmountCap);
    QCOMPARE(m_page->amount->text(), QStringLiteral("1000.00"));

    // A second edit under the cap is taken as typed.
    retype(m_page->amount, QStringLiteral("12.5"));
    QCOMPARE(m_holder->value("fld_Amount").toDouble(), 12.5);
    QCOMPARE(m_page->amount->text(), QStringLiteral("12.50"));
}

void PpgWizardPageTest::unreadableTypedValueKeepsTheField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QString>("shownAfter");

    QTest::newRow("amount with letters") << "fld_Amount" << "12abc" << QVariant(75.0) << "75.00";
    QTest::newRow("amount infinite") << "fld_Amount" << "-inf" << QVariant(75.0) << "75.00";
    QTest::newRow("amount beyond any return") << "fld_Amount" << "-1e19" << QVariant(75.0) << "75.00";
    QTest::newRow("amount with a comma before four digits") << "fld_Amount" << "1,2345" << QVariant(75.0) << "75.00";
    QTest::newRow("count with letters") << "fld_Count" << "abc" << QVariant(7) << "7";
    QTest::newRow("count beyond any whole number") << "fld_Count" << "99999999999" << QVariant(7) << "7";
    QTest::newRow("count far beyond") << "fld_Count" << "-1e300" << QVariant(7) << "7";
}

void PpgWizardPageTest::unreadableTypedValueKeepsTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QVariant, before);
    QFETCH(QString, shownAfter);

    m_holder->set(field.toLatin1().constData(), before);
    m_page->GetDataFromDoc();
    auto* edit = qobject_cast<QLineEdit*>(widget(field));
    QVERIFY(edit);
    edit->setFocus();
    retype(edit, typed);
    QCOMPARE(m_holder->value(field.toLatin1().constData()), before);
    QCOMPARE(edit->text(), shownAfter);
}

void PpgWizardPageTest::dateEditWritesDate_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");

    // Focus selects the year; digits fill each section and move to the next.
    QTest::newRow("typed digits") << "19850704" << QDate(1985, 7, 4);
    QTest::newRow("leap day") << "20000229" << QDate(2000, 2, 29);
    QTest::newRow("arrow up on year") << "<up>" << QDate(1971, 3, 15);
}

void PpgWizardPageTest::dateEditWritesDate()
{
    QFETCH(QString, keys);
    QFETCH(QDate, expected);

    m_holder->set("fld_Dob", QDate(1970, 3, 15));
    m_page->GetDataFromDoc();

    m_page->dob->setFocus();
    QCOMPARE(m_page->dob->currentSection(), QDateTimeEdit::YearSection);
    if (keys == QLatin1String("<up>"))
        QTest::keyClick(m_page->dob, Qt::Key_Up);
    else
        QTest::keyClicks(m_page->dob, keys);

    QCOMPARE(m_page->dob->date(), expected);
    QCOMPARE(m_holder->value("fld_Dob").toDate(), expected);
}

void PpgWizardPageTest::comboWritesItemCode_data()
{
    QTest::addColumn<int>("startCode");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expectedCode");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("type first letter") << 1 << "key:Q" << 11 << "Quebec";
    QTest::newRow("arrow down") << 9 << "down" << 10 << "Prince Edward Island";
    QTest::newRow("arrow up") << 9 << "up" << 8 << "Nunavut";
    QTest::newRow("set index") << 9 << "index:0" << 1 << "Alberta";
    QTest::newRow("set last index") << 1 << "index:12" << 13 << "Yukon";
}

void PpgWizardPageTest::comboWritesItemCode()
{
    QFETCH(int, startCode);
    QFETCH(QString, action);
    QFETCH(int, expectedCode);
    QFETCH(QString, expectedText);

    m_holder->set("fld_Prov", startCode);
    m_page->GetDataFromDoc();
    CT1ComboBox* combo = m_page->prov;
    combo->setFocus();

    if (action.startsWith(QLatin1String("key:")))
        QTest::keyClicks(combo, action.mid(4));
    else if (action == QLatin1String("down"))
        QTest::keyClick(combo, Qt::Key_Down);
    else if (action == QLatin1String("up"))
        QTest::keyClick(combo, Qt::Key_Up);
    else
        combo->setCurrentIndex(action.mid(6).toInt());

    QCOMPARE(combo->currentText(), expectedText);
    QVERIFY2(combo->currentIndex() != expectedCode, "this page's item positions must differ from codes");
    QCOMPARE(m_holder->value("fld_Prov").toInt(), expectedCode);
}

void PpgWizardPageTest::radioClickWritesId_data()
{
    QTest::addColumn<int>("startId");
    QTest::addColumn<int>("clickedId");

    QTest::newRow("none to first") << -1 << 0;
    QTest::newRow("none to last") << -1 << 2;
    QTest::newRow("first to middle") << 0 << 1;
    QTest::newRow("last to first") << 2 << 0;
}

void PpgWizardPageTest::radioClickWritesId()
{
    QFETCH(int, startId);
    QFETCH(int, clickedId);

    m_holder->set("fld_Marital", startId);
    m_page->GetDataFromDoc();
    QCOMPARE(m_page->marital->checkedId(), startId);

    QAbstractButton* radio = m_page->marital->button(clickedId);
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, clickPoint(radio));

    QCOMPARE(m_holder->value("fld_Marital").toInt(), clickedId);
    QVERIFY(radio->isChecked());
    QCOMPARE(m_page->marital->checkedId(), clickedId);
}

void PpgWizardPageTest::checkBoxClicksToggleField()
{
    StyledCheckBox* check = m_page->bSch7;
    QVERIFY(!check->isChecked());

    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, clickPoint(check));
    QCOMPARE(m_holder->value("fld_bSch7"), QVariant(true));
    QVERIFY(check->isChecked());

    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, clickPoint(check));
    QCOMPARE(m_holder->value("fld_bSch7"), QVariant(false));
    QVERIFY(!check->isChecked());
}

void PpgWizardPageTest::validatePageCopiesEveryWidget()
{
    // Change every widget without any of them reporting it, so only the
    // page's copy can bring the values over.
    {
        const QSignalBlocker b1(m_page->name), b2(m_page->amount), b3(m_page->count), b4(m_page->dob),
            b5(m_page->prov), b6(m_page->bSch7), b7(m_page->marital);
        m_page->name->setText(QStringLiteral("Marie Curie"));
        m_page->amount->setText(QStringLiteral("77.25"));
        m_page->count->setText(QStringLiteral("5"));
        m_page->dob->setDate(QDate(1990, 12, 31));
        m_page->prov->setCurrentIndex(m_page->prov->findData(12));
        m_page->bSch7->setChecked(true);
        m_page->marital->button(1)->setChecked(true);
    }
    QCOMPARE(m_holder->value("fld_Name").toString(), QString());
    QCOMPARE(m_holder->value("fld_Prov").toInt(), 0);

    QVERIFY(m_page->validatePage());

    QCOMPARE(m_holder->value("fld_Name").toString(), QStringLiteral("Marie Curie"));
    QCOMPARE(m_holder->value("fld_Amount").toDouble(), 77.25);
    QCOMPARE(m_holder->value("fld_Count").toInt(), 5);
    QCOMPARE(m_holder->value("fld_Dob").toDate(), QDate(1990, 12, 31));
    QCOMPARE(m_holder->value("fld_Prov").toInt(), 12);
    QCOMPARE(m_holder->value("fld_bSch7").toBool(), true);
    QCOMPARE(m_holder->value("fld_Marital").toInt(), 1);
    QCOMPARE(m_holder->value("Note").toString(), QStringLiteral("kept"));
}

// A holder with no date yet must not come back with whatever the empty date
// edit happens to show.
void PpgWizardPageTest::missingDateSurvivesShowAndStore()
{
    QVERIFY(m_holder->value("fld_Dob").toDate().isNull());
    QVERIFY(m_page->validatePage());
    QVERIFY2(m_holder->value("fld_Dob").toDate().isNull(),
             qPrintable(m_holder->value("fld_Dob").toDate().toString(Qt::ISODate)));
}

void PpgWizardPageTest::onlyNamedFieldsAreBound()
{
    QCOMPARE(m_page->bindingCount(), 7);
    QVERIFY(!m_page->boundField(m_page->unknown));
    QVERIFY(!m_page->boundField(m_page->note));
    QCOMPARE(m_page->boundField(m_page->marital), m_holder->field("fld_Marital"));
    QCOMPARE(m_page->boundField(m_page->prov), m_holder->field("fld_Prov"));

    // The holder's "Note" is neither shown in nor written from the widget of that name.
    QCOMPARE(m_page->note->text(), QString());
    retype(m_page->note, QStringLiteral("changed"));
    retype(m_page->unknown, QStringLiteral("anything"));
    QVERIFY(m_page->validatePage());
    QCOMPARE(m_holder->value("Note").toString(), QStringLiteral("kept"));
    QCOMPARE(m_holder->calculations, 0);

    // Setting the page up again binds nothing twice.
    m_page->AssociateFormData();
    QCOMPARE(m_page->bindingCount(), 7);
}

void PpgWizardPageTest::deletedWidgetIsForgotten()
{
    delete m_page->count;
    m_page->count = nullptr;
    QCOMPARE(m_page->bindingCount(), 6);

    m_holder->set("fld_Name", QStringLiteral("still shown"));
    m_page->GetDataFromDoc();
    QCOMPARE(m_page->name->text(), QStringLiteral("still shown"));
    QVERIFY(m_page->validatePage());
    QCOMPARE(m_holder->value("fld_Count").toInt(), 0);
}

void PpgWizardPageTest::radioGroupWithoutMatchingIdShowsNone_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("none chosen") << -1;
    QTest::newRow("id of no button") << 7;
}

void PpgWizardPageTest::radioGroupWithoutMatchingIdShowsNone()
{
    QFETCH(int, value);

    m_holder->set("fld_Marital", 1);
    m_page->GetDataFromDoc();
    QVERIFY(m_page->marital->button(1)->isChecked());

    m_holder->set("fld_Marital", value);
    m_page->GetDataFromDoc();
    QCOMPARE(m_page->marital->checkedId(), -1);
    for (QAbstractButton* b : m_page->marital->buttons())
        QVERIFY2(!b->isChecked(), qPrintable(b->text()));
    // The group still chooses one at a time afterwards.
    QVERIFY(m_page->marital->exclusive());
    QCOMPARE(m_holder->value("fld_Marital").toInt(), value);
}

QTEST_MAIN(PpgWizardPageTest)
#include "tst_ppgwizardpage.moc"
