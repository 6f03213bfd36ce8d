// The validation result dialog as the user sees it: one tab per person, the
// lines of each tab, the red headings, and its buttons.

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "dlgvalidationmsgs.h"
#include "formtypes.h"
#include "returnitems.h"

namespace {

using Item = _STRUCT_FORM_VALIDATE_INFO;

// The items of one list; freed with it, as the caller of the dialog does.
struct Items
{
    std::list<Item*> list;
    ~Items()
    {
        for (Item* item : list) delete item;
    }
    Items& add(int kind, int type, int messages)
    {
        auto* item = new Item;
        item->kind = kind;
        item->type = type;
        for (int i = 1; i <= messages; ++i) item->messages.push_back(CString(QStringLiteral("message %1").arg(i)));
        list.push_back(item);
        return *this;
    }
};

QListWidget* listOf(DlgValidationMsgs& dialog, int tab)
{
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabPeople"));
    return tabs && tab < tabs->count() ? tabs->widget(tab)->findChild<QListWidget*>() : nullptr;
}

QStringList linesOf(QListWidget* list)
{
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// One item: kind, type and how many messages.
struct Spec
{
    int kind, type, messages;
};

} // namespace

Q_DECLARE_METATYPE(QVector<Spec>)

class ValidationMsgsTest : public QObject
{
    Q_OBJECT
private slots:
    void initialLayout();
    void personTabLines_data();
    void personTabLines();
    void headingsAreRed();
    void tenthMessageNumber();
    void coupledLoadWithEmptySpouseList();
    void reloadReplacesTabs();
    void buttonsClose_data();
    void buttonsClose();
};

void ValidationMsgsTest::initialLayout()
{
    DlgValidationMsgs dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Validation Result"));
    QCOMPARE(dialog.size(), QSize(712, 585));
    auto* summary = dialog.findChild<QLabel*>(QStringLiteral("lblSummary"));
    QVERIFY(summary);
    QVERIFY(summary->wordWrap());
    QCOMPARE(summary->text(),
             QStringLiteral("There are validation errors. Click tax payer's name tab to display detail errors."));
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabPeople"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab_1"));
    QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("tab_2"));
    QVERIFY(dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")));
}

void ValidationMsgsTest::personTabLines_data()
{
    QTest::addColumn<QVector<Spec>>("items");
    QTest::addColumn<QStringList>("lines");
    const QString forms = QStringLiteral("------- Tax Forms -------");
    QTest::newRow("forms, cross-form, form again: the form group twice")
        << QVector<Spec>{{2, FormType::T1135, 1}, {2, FormType::T2125, 1}, {4, 0, 1}, {2, FormType::T1135, 2}}
        << QStringList{forms, "[T1135] - 1 errors found", " 1 - message 1", "",
                       "[T2125] - 1 errors found", " 1 - message 1", "",
                       "------- Cross Tax Forms Validation -------", " 1 - message 1", "",
                       forms, "[T1135] - 2 errors found", " 1 - message 1", " 2 - message 2", ""};
    QTest::newRow("slips by their full name, spouse-side checks")
        << QVector<Spec>{{1, SlipType::T4, 2}, {5, 0, 1}}
        << QStringList{"------- Tax Slips -------", "[T4 Statement of Remuneration Paid] - 2 errors found",
                       " 1 - message 1", " 2 - message 2", "",
                       "------- Spouse-Return Validation -------", " 1 - message 1", ""};
    QTest::newRow("items without messages are skipped, the group stays open")
        << QVector<Spec>{{2, FormType::T1135, 1}, {1, SlipType::T4, 0}, {2, FormType::T2125, 1}}
        << QStringList{forms, "[T1135] - 1 errors found", " 1 - message 1", "",
                       "[T2125] - 1 errors found", " 1 - message 1", ""};
    QTest::newRow("an unknown kind: no group line, no heading")
        << QVector<Spec>{{9, 0, 1}} << QStringList{" 1 - message 1", ""};
    QTest::newRow("no items") << QVector<Spec>{}
        << QStringList{"There are no validation errors found in this return, Please check spouse's side."};
}

void ValidationMsgsTest::personTabLines()
{
    QFETCH(QVector<Spec>, items);
    QFETCH(QStringList, lines);
    Items list;
    for (const Spec& s : items) list.add(s.kind, s.type, s.messages);
    DlgValidationMsgs dialog(nullptr);
    dialog.loadValErrors(QStringLiteral("Ann Lee"), list.list, false, QString(), {});
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabPeople"));
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Ann Lee"));
    QCOMPARE(linesOf(listOf(dialog, 0)), lines);
}

void ValidationMsgsTest::headingsAreRed()
{
    Items list;
    list.add(2, FormType::T1135, 1).add(4, 0, 1);
    DlgValidationMsgs dialog(nullptr);
    dialog.loadValErrors(QStringLiteral("Ann"), list.list, false, QString(), {});
    QListWidget* lines = listOf(dialog, 0);
    QVERIFY(lines);
    const QColor red(QStringLiteral("#ff3566"));
    for (int i = 0; i < lines->count(); ++i) {
        const bool heading = lines->item(i)->text().startsWith(QLatin1Char('['));
        QCOMPARE(lines->item(i)->foreground().color() == red, heading);
    }
    QCOMPARE(lines->font().pointSize(), 12);
}

void ValidationMsgsTest::tenthMessageNumber()
{
    Items list;
    list.add(4, 0, 10);
    DlgValidationMsgs dialog(nullptr);
    dialog.loadValErrors(QStringLiteral("Ann"), list.list, false, QString(), {});
    const QStringList lines = linesOf(listOf(dialog, 0));
    QCOMPARE(lines.value(1), QStringLiteral(" 1 - message 1"));
    QCOMPARE(lines.value(10), QStringLiteral("10 - message 10"));
}

void ValidationMsgsTest::coupledLoadWithEmptySpouseList()
{
    Items first;
    first.add(4, 0, 1);
    DlgValidationMsgs dialog(nullptr);
    dialog.loadValErrors(QStringLiteral("Ann"), first.list, true, QStringLiteral("Bob"), {});
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabPeople"));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), QStringLiteral("Bob"));
    QCOMPARE(linesOf(listOf(dialog, 1)),
             QStringList{"There are no validation errors found in this return, Please check spouse's side."});
}

void ValidationMsgsTest::reloadReplacesTabs()
{
    Items first, second;
    first.add(4, 0, 1);
    second.add(4, 0, 2);
    DlgValidationMsgs dialog(nullptr);
    dialog.loadValErrors(QStringLiteral("Ann"), first.list, true, QStringLiteral("Bob"), first.list);
    dialog.loadValErrors(QStringLiteral("Cy"), second.list, false, QString(), {});
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabPeople"));
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Cy"));
    // The replaced pages are gone, not merely hidden.
    QCOMPARE(dialog.findChildren<QListWidget*>().size(), 1);
    QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("tab_1")));
}

void ValidationMsgsTest::buttonsClose_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
}

void ValidationMsgsTest::buttonsClose()
{
    QFETCH(int, button);
    QFETCH(int, result);
    Items list;
    list.add(4, 0, 1);
    DlgValidationMsgs dialog(nullptr);
    dialog.loadValErrors(QStringLiteral("Ann"), list.list, false, QString(), {});
    QTimer::singleShot(0, &dialog, [&dialog, button] {
        auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::StandardButton(button)), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(ValidationMsgsTest)
#include "tst_validationmsgs.moc"
