// The S.I.N. entry before a download, typed as a user types: empty and
// gapped fields, duplicates, a refused OK naming the first invalid field,
// grouped numbers handed on as nine digits, and Cancel leaving the list.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "dlgtddentersin.h"
#include "prompt.h"

namespace {

QLineEdit* field(DlgTDDEnterSin& dlg, int n)
{
    return dlg.findChild<QLineEdit*>(QStringLiteral("edtSin%1").arg(n, 2, 10, QLatin1Char('0')));
}

void press(DlgTDDEnterSin& dlg, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dlg.findChild<QDialogButtonBox*>("buttonBox")->button(which), Qt::LeftButton);
}

QStringList listed(const std::list<std::string>& sins)
{
    QStringList out;
    for (const std::string& s : sins) out << QString::fromStdString(s);
    return out;
}

} // namespace

using Typed = QMap<int, QString>;

class TstDlgTddEnterSin : public QObject
{
    Q_OBJECT

private slots:
    void okChecksEveryFilledField_data();
    void okChecksEveryFilledField();
    void givenListFillsTheFields();
    void cancelAfterRefusedOkLeavesRejected();
};

void TstDlgTddEnterSin::okChecksEveryFilledField_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("sins");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("all empty") << Typed{} << true << QStringList{} << QStringList{};
    QTest::newRow("fields 2 and 7") << Typed{{2, "046454286"}, {7, "123456782"}} << true
                                    << QStringList{"046454286", "123456782"} << QStringList{};
    QTest::newRow("duplicate kept twice") << Typed{{1, "046454286"}, {4, "046454286"}} << true
                                          << QStringList{"046454286", "046454286"} << QStringList{};
    QTest::newRow("grouped: nine digits") << Typed{{1, "046 454 286"}, {10, "123-456-782"}} << true
                                          << QStringList{"046454286", "123456782"} << QStringList{};
    QTest::newRow("field 3 invalid") << Typed{{1, "046454286"}, {3, "123 456 789"}, {5, "12345"}} << false
                                     << QStringList{"046454286"}
                                     << QStringList{"The S.I.N (123 456 789) entered is invalid!"};
}

void TstDlgTddEnterSin::okChecksEveryFilledField()
{
    QFETCH(Typed, typed);
    QFETCH(bool, accepted);
    QFETCH(QStringList, sins);
    QFETCH(QStringList, messages);

    Prompt::Scripted prompts;
    std::list<std::string> list{"left over"};
    DlgTDDEnterSin dlg(list, nullptr);
    field(dlg, 1)->clear();
    dlg.show();
    for (auto it = typed.constBegin(); it != typed.constEnd(); ++it) QTest::keyClicks(field(dlg, it.key()), it.value());
    press(dlg, QDialogButtonBox::Ok);

    QCOMPARE(dlg.isVisible(), !accepted);
    QCOMPARE(dlg.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(listed(list), sins);
    QCOMPARE(prompts.texts(), messages);
}

void TstDlgTddEnterSin::givenListFillsTheFields()
{
    std::list<std::string> list{"046454286", "123 456 782"};
    DlgTDDEnterSin dlg(list, nullptr);
    QCOMPARE(field(dlg, 1)->text(), QString("046454286"));
    QCOMPARE(field(dlg, 2)->text(), QString("123 456 782"));
    QCOMPARE(field(dlg, 3)->text(), QString());
    QCOMPARE(dlg.windowTitle(), QString("Dialog"));
}

void TstDlgTddEnterSin::cancelAfterRefusedOkLeavesRejected()
{
    Prompt::Scripted prompts;
    std::list<std::string> list;
    DlgTDDEnterSin dlg(list, nullptr);
    dlg.show();
    QTest::keyClicks(field(dlg, 1), "046454286");
    QTest::keyClicks(field(dlg, 2), "046454287");
    press(dlg, QDialogButtonBox::Ok);
    QVERIFY(dlg.isVisible());
    QCOMPARE(prompts.texts(), QStringList{"The S.I.N (046454287) entered is invalid!"});
    press(dlg, QDialogButtonBox::Cancel);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TstDlgTddEnterSin)
#include "tst_dlgtddentersin.moc"
