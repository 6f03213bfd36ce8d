// The pre-filing confirmations on the real dialogs, as the user meets them.

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "formtypes.h"
#include "prompt.h"
#include "validatetestsupport.h"
#include "widgetprompts.h"

class PreFilingDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void foreignPropertyWarningCancelled();
};

void PreFilingDialogsTest::foreignPropertyWarningCancelled()
{
    ValidationFixture f;
    f.set(f.t1, "netfile_access_code", "AB12CD34");
    f.setT1("info_changed", 1);
    f.setT1("15000", 50000);
    f.setT1("23600", 50000);
    f.setT1("foreign_property_over_100k", 0);
    f.slip(SlipType::T1204);   // a later point, never to be asked

    WidgetPrompts widgets;
    Prompt::setHandler(&widgets);
    QStringList seen;
    QSize size;
    int dialogs = 0;
    std::function<void(int)> whenShown = [&](int triesLeft) {
        QTimer::singleShot(20, this, [&, triesLeft] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) {
                if (triesLeft > 0) whenShown(triesLeft - 1);
                return;
            }
            ++dialogs;
            size = dialog->size();
            seen << dialog->windowTitle();
            if (auto* heading = dialog->findChild<QLabel*>(QStringLiteral("heading"))) seen << heading->text();
            if (auto* paragraphs = dialog->findChild<QLabel*>(QStringLiteral("paragraphs")))
                seen << paragraphs->text().section(QLatin1Char('\n'), 0, 0);
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            QPushButton* cancel = buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr;
            if (cancel)
                QTest::mouseClick(cancel, Qt::LeftButton);
            else
                dialog->close();
            whenShown(10);   // a second dialog would be counted
        });
    };
    whenShown(100);
    const bool answer = f.person.AnyMsgBeforeNetfile(2, false);
    QTest::qWait(300);
    Prompt::setHandler(nullptr);

    QVERIFY(!answer);
    QCOMPARE(dialogs, 1);
    QVERIFY2(size.width() >= 700 && size.height() >= 500,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    QCOMPARE(seen.value(0), QStringLiteral("Quillmere Warning Message"));
    QCOMPARE(seen.value(1), QStringLiteral("Quillmere Warning Message"));
    QVERIFY2(seen.value(2).startsWith(QStringLiteral("You answered 'Yes' to the question")), qPrintable(seen.value(2)));
}

QTEST_MAIN(PreFilingDialogsTest)
#include "tst_prefilingdialogs.moc"
