// The filing result dialog as a user sees it: its form, the details kept
// line by line, and a link that opens the result file.

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "dlgfilingresult.h"

class TstDlgFilingResult : public QObject
{
    Q_OBJECT

private slots:
    void formAndTexts();
    void linkOpensTheResultFile_data();
    void linkOpensTheResultFile();
    void emptyPathKeepsTheMarkup();
    void okAndCancelClose_data();
    void okAndCancelClose();
};

void TstDlgFilingResult::formAndTexts()
{
    DlgFilingResult dialog(QStringLiteral("NETFILE result"), nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("DlgFilingResult"));
    QCOMPARE(dialog.size(), QSize(739, 355));
    QCOMPARE(dialog.font().pointSize(), 12);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("NETFILE result"));
    auto* overview = dialog.findChild<QLabel*>("lblOverview");
    auto* details = dialog.findChild<QPlainTextEdit*>("pteDetails");
    auto* bottom = dialog.findChild<QLabel*>("lblBottom");
    QVERIFY(overview && details && bottom && dialog.findChild<QWidget*>("verticalLayoutWidget"));
    QCOMPARE(overview->text(), QStringLiteral("Overview"));
    QVERIFY(details->isReadOnly());

    dialog.setMsg("Accepted", "Line one\r\nLine two\nLine three", "Keep the number.", "/tmp/x.txt");
    QCOMPARE(overview->text(), QStringLiteral("Accepted"));
    QCOMPARE(bottom->text(), QStringLiteral("Keep the number."));
    QCOMPARE(details->document()->blockCount(), 3);
    QCOMPARE(details->document()->findBlockByNumber(1).text(), QStringLiteral("Line two"));

    // A reply's text with tags in it is shown as written.
    dialog.setMsg("Code is [<b>E1</b>]", "", "<i>Keep</i> it.", "/tmp/x.txt");
    QCOMPARE(overview->textFormat(), Qt::PlainText);
    QCOMPARE(bottom->textFormat(), Qt::PlainText);
    QCOMPARE(overview->text(), QStringLiteral("Code is [<b>E1</b>]"));
}

void TstDlgFilingResult::linkOpensTheResultFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("blanks") << QStringLiteral("run folder");
    // A URL would read these as a fragment, a query or an escape.
    QTest::newRow("hash") << QStringLiteral("C# returns");
    QTest::newRow("question mark") << QStringLiteral("why?");
    QTest::newRow("percent") << QStringLiteral("100%20 sure");
    QTest::newRow("accented") << QStringLiteral("d\u00e9clarations");
}

void TstDlgFilingResult::linkOpensTheResultFile()
{
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(folder));
    const QString path = dir.path() + "/" + folder + "/netfile result.txt";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    DlgFilingResult dialog(QStringLiteral("Result"), nullptr);
    dialog.setMsg("o", "d", "b", path);
    auto* link = dialog.findChild<QLabel*>("lblLink");
    QVERIFY(link->openExternalLinks());
    QCOMPARE(link->textFormat(), Qt::RichText);
    QVERIFY(link->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    const QRegularExpressionMatch anchor =
        QRegularExpression(QStringLiteral("^<a href=\"([^\"]*)\">([^<]*)</a>$")).match(link->text());
    QVERIFY2(anchor.hasMatch(), qPrintable(link->text()));
    QCOMPARE(anchor.captured(2), path);
    const QUrl target(anchor.captured(1));
    QVERIFY(target.isValid());
    QCOMPARE(target.toLocalFile(), path);
    QVERIFY(QFile::exists(target.toLocalFile()));
}

void TstDlgFilingResult::emptyPathKeepsTheMarkup()
{
    DlgFilingResult dialog(QString(), nullptr);
    dialog.setMsg(QString(), QString(), QString(), QString());
    QCOMPARE(dialog.findChild<QLabel*>("lblLink")->text(), QStringLiteral("<a href=\"file:///\"></a>"));
}

void TstDlgFilingResult::okAndCancelClose_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("ok") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
}

void TstDlgFilingResult::okAndCancelClose()
{
    QFETCH(int, button);
    QFETCH(int, result);
    DlgFilingResult dialog(QStringLiteral("Result"), nullptr);
    dialog.show();
    auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
    QTest::mouseClick(buttons->button(QDialogButtonBox::StandardButton(button)), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
}

QTEST_MAIN(TstDlgFilingResult)
#include "tst_dlgfilingresult.moc"
