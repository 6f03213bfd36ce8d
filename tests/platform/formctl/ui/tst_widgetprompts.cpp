#include "widgetprompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <functional>

#include "messages.h"
#include "prompt.h"

namespace {

constexpr int kTries = 100;    // bounded wait for a dialog: 100 x 20 ms
constexpr int kRetryMs = 20;

// The user's last step on a dialog: click a button of the box, or press a key.
enum class Step { Click, Return, Escape };

void closeDialog(QWidget* dialog)
{
    if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
    else
        dialog->close();
}

QStringList anchorsIn(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    QStringList hrefs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                hrefs << it.fragment().charFormat().anchorHref();
    return hrefs;
}

QString plainTextOf(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

// What the box showed, read while it was open.
struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    Qt::TextInteractionFlags interaction;
};

} // namespace

Q_DECLARE_METATYPE(Step)

class WidgetPromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void questionAnsweredByUser_data();
    void questionAnsweredByUser();
    void textInput_data();
    void textInput();
    void messageWithLinkShowsAnchor();
    void outsideTextIsNotMarkup_data();
    void outsideTextIsNotMarkup();
    void continueWarning_data();
    void continueWarning();

private:
    // Runs `steps` on the modal dialog once it shows, retrying a bounded
    // number of times; a dialog the steps leave open is closed and reported.
    void whenDialogShows(std::function<void(QWidget*)> steps, int triesLeft = kTries);
    // Reads the box, then presses `button` (or the key of `step`) on it.
    void answerBox(BoxSeen* seen, Step step, QMessageBox::StandardButton button = QMessageBox::NoButton);

    WidgetPrompts m_prompts;
    QObject* m_guard = nullptr;   // owns the pending timers of one test
    QStringList m_problems;
    int m_dialogs = 0;
};

void WidgetPromptsTest::init()
{
    QVERIFY(!QApplication::activeModalWidget());
    m_guard = new QObject(this);
    m_problems.clear();
    m_dialogs = 0;
    Prompt::setHandler(&m_prompts);
}

void WidgetPromptsTest::cleanup()
{
    delete m_guard;   // drops any retry still pending
    m_guard = nullptr;
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i) {
        closeDialog(QApplication::activeModalWidget());
        QCoreApplication::processEvents();
    }
    Prompt::setHandler(nullptr);
}

void WidgetPromptsTest::whenDialogShows(std::function<void(QWidget*)> steps, int triesLeft)
{
    QTimer::singleShot(triesLeft == kTries ? 0 : kRetryMs, m_guard, [this, steps, triesLeft] {
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        if (!dialog) {
            if (triesLeft > 0)
                whenDialogShows(steps, triesLeft - 1);
            return;
        }
        ++m_dialogs;
        steps(dialog);
        if (dialog && dialog->isVisible()) {
            m_problems << QStringLiteral("dialog left open: ") + dialog->windowTitle();
            closeDialog(dialog);
        }
    });
}

void WidgetPromptsTest::answerBox(BoxSeen* seen, Step step, QMessageBox::StandardButton button)
{
    whenDialogShows([this, seen, step, button](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) {
            m_problems << QStringLiteral("not a message box: ") + dialog->metaObject()->className();
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        seen->format = box->textFormat();
        seen->interaction = box->textInteractionFlags();
        switch (step) {
        case Step::Click:
            if (QAbstractButton* b = box->button(button))
                QTest::mouseClick(b, Qt::LeftButton);
            else
                m_problems << QStringLiteral("no button %1").arg(int(button));
            break;
        case Step::Return: QTest::keyClick(box, Qt::Key_Return); break;
        case Step::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
        }
    });
}

void WidgetPromptsTest::questionAnsweredByUser_data()
{
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("expected");

    QTest::newRow("click Yes") << int(Prompt::NoButton) << Step::Click << int(QMessageBox::Yes) << true;
    QTest::newRow("click No") << int(Prompt::NoButton) << Step::Click << int(QMessageBox::No) << false;
    QTest::newRow("click No over default Yes") << int(Prompt::Yes) << Step::Click << int(QMessageBox::No) << false;
    QTest::newRow("Enter takes default Yes") << int(Prompt::Yes) << Step::Return << 0 << true;
    QTest::newRow("Enter takes default No") << int(Prompt::No) << Step::Return << 0 << false;
    QTest::newRow("Escape") << int(Prompt::Yes) << Step::Escape << 0 << false;
}

void WidgetPromptsTest::questionAnsweredByUser()
{
    QFETCH(int, defaultButton);
    QFETCH(Step, step);
    QFETCH(int, button);
    QFETCH(bool, expected);

    const QString title = QStringLiteral("Delete slip");
    const QString text = QStringLiteral("Delete the T4 slip from Acme Ltd.?\nThis cannot be undone.");
    BoxSeen seen;
    answerBox(&seen, step, QMessageBox::StandardButton(button));

    const bool answer = Prompt::question(title, text, Prompt::Yes | Prompt::No, defaultButton);

    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1String("; "))));
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(answer, expected);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
}

void WidgetPromptsTest::textInput_data()
{
    QTest::addColumn<bool>("password");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("expectedOk");

    QTest::newRow("password and Enter") << true << QString() << "secret" << Step::Return << "secret" << true;
    QTest::newRow("plain text over initial") << false << "draft" << "Final copy" << Step::Return << "Final copy" << true;
    QTest::newRow("initial kept, OK clicked") << false << "draft" << QString() << Step::Click << "draft" << true;
    QTest::newRow("Escape drops what was typed") << true << "preset" << "secret" << Step::Escape << QString() << false;
}

void WidgetPromptsTest::textInput()
{
    QFETCH(bool, password);
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(Step, step);
    QFETCH(QString, expected);
    QFETCH(bool, expectedOk);

    QString seenTitle, seenLabel;
    QLineEdit::EchoMode seenEcho = QLineEdit::NoEcho;
    whenDialogShows([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        auto* edit = dialog->findChild<QLineEdit*>();
        if (!input || !edit) {
            m_problems << QStringLiteral("no text input dialog");
            return;
        }
        seenTitle = input->windowTitle();
        seenLabel = input->labelText();
        seenEcho = edit->echoMode();
        if (!typed.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, typed);
        }
        if (step == Step::Return) {
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (step == Step::Escape) {
            QTest::keyClick(edit, Qt::Key_Escape);
        } else {
            auto* box = input->findChild<QDialogButtonBox*>();
            if (QAbstractButton* b = box ? box->button(QDialogButtonBox::Ok) : nullptr)
                QTest::mouseClick(b, Qt::LeftButton);
            else
                m_problems << QStringLiteral("no OK button");
        }
    });

    bool ok = !expectedOk;
    const QString answer = Prompt::getText(QStringLiteral("NETFILE access"), QStringLiteral("Access code:"), password,
                                           initial, &ok);

    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1String("; "))));
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(answer, expected);
    QCOMPARE(ok, expectedOk);
    QCOMPARE(seenTitle, QStringLiteral("NETFILE access"));
    QCOMPARE(seenLabel, QStringLiteral("Access code:"));
    QCOMPARE(seenEcho, password ? QLineEdit::Password : QLineEdit::Normal);
}

void WidgetPromptsTest::outsideTextIsNotMarkup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("format");
    QTest::newRow("a file name with a tag") << "The return file a<b>x</b>.r21 could not be deleted."
                                            << int(Qt::PlainText);
    QTest::newRow("a service's text after a line break") << "\n<i>Subscription</i> ends 2022-04-30."
                                                          << int(Qt::PlainText);
    QTest::newRow("the program's own markup") << "<h3>File in order.</h3><br>Oldest first." << int(Qt::RichText);
}

void WidgetPromptsTest::outsideTextIsNotMarkup()
{
    QFETCH(QString, text);
    QFETCH(int, format);
    BoxSeen seen;
    answerBox(&seen, Step::Return);
    Prompt::information(QStringLiteral("Quillmere"), text);
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1String("; "))));
    QCOMPARE(seen.text, text);
    QCOMPARE(int(seen.format), format);
}

void WidgetPromptsTest::messageWithLinkShowsAnchor()
{
    const QString link = QStringLiteral("https://www.canada.ca/netfile?lang=en&year=2021");
    DlgMsgWithLink dlg;
    dlg.setWindowTitle(QStringLiteral("Return sent"));
    dlg.setMsg1(QStringLiteral("Your return was accepted."));
    dlg.setMsg2(QStringLiteral("Refunds < $2 & other notes are online."));
    dlg.setLink(link);

    BoxSeen seen;
    answerBox(&seen, Step::Click, QMessageBox::Ok);
    QCOMPARE(dlg.exec(), 1);

    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1String("; "))));
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(seen.title, QStringLiteral("Return sent"));
    QCOMPARE(seen.format, Qt::RichText);
    QCOMPARE(anchorsIn(seen.text), QStringList{link});
    // The messages read as written, one to a line, above the link.
    const QStringList lines = plainTextOf(seen.text).split(QLatin1Char('\n'));
    QCOMPARE(lines, (QStringList{QStringLiteral("Your return was accepted."),
                                 QStringLiteral("Refunds < $2 & other notes are online."), link}));
    QVERIFY(seen.interaction & Qt::LinksAccessibleByMouse);
}

void WidgetPromptsTest::continueWarning_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("expected");

    QTest::newRow("click OK") << Step::Click << int(QMessageBox::Ok) << true;
    QTest::newRow("click Cancel") << Step::Click << int(QMessageBox::Cancel) << false;
    QTest::newRow("Enter takes OK") << Step::Return << 0 << true;
    QTest::newRow("Escape") << Step::Escape << 0 << false;
}

void WidgetPromptsTest::continueWarning()
{
    QFETCH(Step, step);
    QFETCH(int, button);
    QFETCH(bool, expected);

    const QString text = QStringLiteral("The T4 slip has no employer name. Continue anyway?");
    BoxSeen seen;
    answerBox(&seen, step, QMessageBox::StandardButton(button));

    const bool answer = CYesNoContinueDlg::warnYesNoMsg(nullptr, QStringLiteral("Missing information"), text);

    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1String("; "))));
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(answer, expected);
    QCOMPARE(seen.title, QStringLiteral("Missing information"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel));
}

QTEST_MAIN(WidgetPromptsTest)
#include "tst_widgetprompts.moc"
