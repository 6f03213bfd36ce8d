// The question seam: tests and the batch run must never wait on a dialog,
// and every question's exact wording must be checkable.

#include <QtTest>

#include "messages.h"
#include "prompt.h"

class PromptTest : public QObject
{
    Q_OBJECT
private slots:
    void withoutHandlerEverythingIsCancelled();
    void cancelledQuestionTakesTheNoSide_data();
    void cancelledQuestionTakesTheNoSide();
    void scriptedAnswersInOrderAndRecordsWording();
    void unansweredQuestionsAreCounted();
    void scriptedRestoresPreviousHandler();
    void editionTitles();
    void generalInputJoinsItsLines();
    void continueDialogAnswers_data();
    void continueDialogAnswers();
    void messageWithLink();
};

void PromptTest::withoutHandlerEverythingIsCancelled()
{
    Prompt::setHandler(nullptr);
    QVERIFY(!Prompt::question("T", "Proceed?"));
    bool ok = true;
    QCOMPARE(Prompt::getText("T", "Password", true, QString(), &ok), QString());
    QVERIFY(!ok);
    QVERIFY(Prompt::getOpenFileName("Open").isEmpty());
    QVERIFY(Prompt::getSaveFileName("Save").isEmpty());
    QVERIFY(Prompt::getExistingDirectory("Folder").isEmpty());
    QVERIFY(!Prompt::getColor(Qt::red, "Colour").isValid());
    QVERIFY(!CYesNoContinueDlg::warnYesNoMsg(nullptr, "Quillmere Warning Message", "Go on?"));
    dlgGeneralInput input;
    QCOMPARE(input.exec(), 0);
}

void PromptTest::cancelledQuestionTakesTheNoSide_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("result");
    QTest::newRow("yes/no/cancel") << int(Prompt::Yes | Prompt::No | Prompt::Cancel) << int(Prompt::Cancel);
    QTest::newRow("yes/no") << int(Prompt::Yes | Prompt::No) << int(Prompt::No);
    QTest::newRow("ok alone") << int(Prompt::Ok) << int(Prompt::Ok);
}

void PromptTest::cancelledQuestionTakesTheNoSide()
{
    QFETCH(int, buttons);
    QFETCH(int, result);
    Prompt::CancelAll batch;
    Prompt::setHandler(&batch);
    QCOMPARE(Prompt::message(Prompt::Kind::Question, "T", "Save?", buttons), result);
    Prompt::setHandler(nullptr);
}

void PromptTest::scriptedAnswersInOrderAndRecordsWording()
{
    Prompt::Scripted script;
    script.press(Prompt::No).press(Prompt::Yes).type("Secret");
    QVERIFY(!Prompt::question("First", "One?"));
    QVERIFY(Prompt::question("Second", "Two?"));
    bool ok = false;
    QCOMPARE(Prompt::getText("Third", "Password", true, QString(), &ok), QStringLiteral("Secret"));
    QVERIFY(ok);
    QCOMPARE(script.titles(), QStringList({"First", "Second", "Third"}));
    QCOMPARE(script.texts(), QStringList({"One?", "Two?", "Password"}));
    QVERIFY(script.asked().at(2).password);
    QCOMPARE(script.asked().at(2).kind, Prompt::Kind::TextInput);
    QCOMPARE(script.pending(), 0);
    QCOMPARE(script.unanswered(), 0);
}

void PromptTest::unansweredQuestionsAreCounted()
{
    Prompt::Scripted script;
    QVERIFY(!Prompt::question("T", "Nobody queued an answer"));
    QCOMPARE(script.unanswered(), 1);
    QCOMPARE(script.asked().size(), 1);
}

void PromptTest::scriptedRestoresPreviousHandler()
{
    Prompt::CancelAll batch;
    Prompt::setHandler(&batch);
    {
        Prompt::Scripted outer;
        {
            Prompt::Scripted inner;
            QCOMPARE(Prompt::handler(), static_cast<Prompt::Handler*>(&inner));
        }
        QCOMPARE(Prompt::handler(), static_cast<Prompt::Handler*>(&outer));
    }
    QCOMPARE(Prompt::handler(), static_cast<Prompt::Handler*>(&batch));
    Prompt::setHandler(nullptr);
}

void PromptTest::editionTitles()
{
    QVERIFY(gMsgGetTitle(1) != gMsgGetTitle(2));
    Prompt::Scripted script;
    script.press(Prompt::Ok).press(Prompt::Yes);
    QCOMPARE(gMsgInformation(2, "Quillmere folder is read only!"), int(Prompt::Ok));
    QCOMPARE(gMsgQuestion(1, "Continue?"), int(Prompt::Yes));
    QCOMPARE(script.titles(), QStringList({gMsgGetTitle(2), gMsgGetTitle(1)}));
    QCOMPARE(script.asked().at(0).kind, Prompt::Kind::Information);
    QCOMPARE(script.asked().at(1).buttons, int(Prompt::Yes | Prompt::No));
}

void PromptTest::generalInputJoinsItsLines()
{
    Prompt::Scripted script;
    script.type("pw").cancel();
    dlgGeneralInput dlg;
    dlg.setWindowTitle("Enter password to open file");
    dlg.setMsg(0, "Please enter the password for this return file");
    dlg.setMsg(1, "This return file is proetected by a password");
    dlg.setMsg(3, "Press 'Cancel' button to cancel");
    QCOMPARE(dlg.exec(), 1);
    QCOMPARE(dlg.getInput(), QStringLiteral("pw"));
    QCOMPARE(dlg.exec(), 0);
    QCOMPARE(dlg.getInput(), QString());
    QCOMPARE(script.titles().at(0), QStringLiteral("Enter password to open file"));
    QCOMPARE(script.texts().at(0), QStringLiteral("Please enter the password for this return file\n"
                                                  "This return file is proetected by a password\n"
                                                  "Press 'Cancel' button to cancel"));
    QVERIFY(script.asked().at(0).password);
}

void PromptTest::continueDialogAnswers_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("goOn");
    QTest::newRow("ok goes on") << int(Prompt::Ok) << true;
    QTest::newRow("cancel stops") << int(Prompt::Cancel) << false;
}

void PromptTest::continueDialogAnswers()
{
    QFETCH(int, button);
    QFETCH(bool, goOn);
    Prompt::Scripted script;
    script.press(button).press(button);
    QCOMPARE(CYesNoContinueDlg::warnYesNoMsg(nullptr, "Quillmere Warning Message", "Check Schedule 6."), goOn);

    CYesNoContinueDlg dlg("Quillmere Warning Message");
    dlg.setMsg(1, "NetFile Access Code");
    dlg.setMsg(3, "Third line");
    dlg.setMsg(2, "Second line");
    dlg.resize(600, 400);
    QCOMPARE(dlg.exec(), goOn ? 1 : 0);
    QCOMPARE(script.texts().at(1), QStringLiteral("NetFile Access Code\nSecond line\nThird line"));
    QCOMPARE(script.asked().at(1).width, 600);
    QCOMPARE(script.titles(), QStringList({"Quillmere Warning Message", "Quillmere Warning Message"}));
}

void PromptTest::messageWithLink()
{
    Prompt::Scripted script;
    script.press(Prompt::Ok);
    DlgMsgWithLink dlg;
    dlg.setWindowTitle("T5008 Tax Slip Information");
    dlg.setMsg1("T5008 tax slip is NOT used directly in tax return.");
    dlg.setMsg2("Read the following FAQ link:");
    dlg.setLink("https://help.example/t5008");
    dlg.exec();
    QCOMPARE(script.titles(), QStringList({"T5008 Tax Slip Information"}));
    QCOMPARE(script.asked().at(0).link, QStringLiteral("https://help.example/t5008"));
    QVERIFY(script.texts().at(0).startsWith("T5008 tax slip is NOT used directly in tax return.\n"));
}

QTEST_APPLESS_MAIN(PromptTest)
#include "tst_prompt.moc"
