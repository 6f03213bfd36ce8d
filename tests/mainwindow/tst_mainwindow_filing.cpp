// Filing a return electronically from the main window, as a user does it: a
// scenario return opened in the editor, the filing action, every nested
// dialog driven with clicks, every question answered through the seam, the
// fake agency answering over TLS; then what the return, the history, the
// logs and the run folder keep.

#include <cerrno>
#include <cstring>
#include <list>
#include <memory>

#include <QDir>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QTextDocument>

#include "apptestmain.h"
#include "cformfilingdlg.h"
#include "cnetfileresultdlg.h"
#include "efileresources.h"
#include "editortestsupport.h"
#include "filingtestsupport.h"
#include "prompt.h"
#include "scenario.h"
#include "taxdataform.h"

using namespace EditorTest;
using namespace FilingTest;

// The electronic return's compiled-in templates, taken away and given back
// (outside any namespace, as Qt's resource macros need).
static void dropReturnTemplates() { Q_CLEANUP_RESOURCE(efile); }
static void restoreReturnTemplates() { Q_INIT_RESOURCE(efile); }

namespace {

using Window = std::unique_ptr<MainWindow>;

const QByteArray kRsp = "xmlns:t1rsp=\"http://agency.example/t1rsp\"";
const QString kReturnRequest = QStringLiteral("FileReturnRequest");
const QString kTermsTitle = QStringLiteral("NETFILE Terms");
const QString kSignupTitle = QStringLiteral("Online Email Promotion");
const QString kTransmission = QStringLiteral("CNetfileResultDlg");
const QString kResult = QStringLiteral("DlgFilingResult");
const QString kAfterFiling = QStringLiteral("CRA Online Service");
const QString kMultiYear = QStringLiteral("<h3>NetFile accepts the current year (2021)");
const QString kSignupYes =
    QStringLiteral("Please enter your email on page 1 of T1, Identification area, then do NetFile again.");

FakeReply termsReply()
{
    return FakeAgency::terms({"You agree to the NETFILE terms."}, kTermsTitle.toUtf8(), "https://agency.example/terms");
}

FakeReply acceptedReply(const QByteArray& confirmation = "NF4711")
{
    return FakeAgency::soap("<t1rsp:NetfileReturnResponse " + kRsp
                            + "><ResultCode>1</ResultCode>"
                              "<t1rsp:FileReturnResponse><t1rsp:Confirmation><t1rsp:ConfirmationCode>"
                            + confirmation
                            + "</t1rsp:ConfirmationCode><t1rsp:EnglishMessage><t1rsp:MessageText>Your return was "
                              "received.</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Confirmation>"
                              "</t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

FakeReply rejectedReply()
{
    return FakeAgency::soap("<t1rsp:NetfileReturnResponse " + kRsp
                            + "><ResultCode>2</ResultCode>"
                              "<t1rsp:FileReturnResponse><t1rsp:Rejection><t1rsp:EnglishMessage><t1rsp:MessageText>"
                              "We cannot accept this return.</t1rsp:MessageText></t1rsp:EnglishMessage>"
                              "</t1rsp:Rejection></t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

// What a label shows the user: its text read as markup where the label
// takes it as markup.
QString shownText(const QLabel* label)
{
    const bool markup = label->textFormat() == Qt::RichText
                        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!markup) return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

} // namespace

class MainWindowFilingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void netfileEndToEnd();
    void otherRoads_data();
    void otherRoads();
    void secondOkDuringAStalledTransmission();
    void afterFilingPage_data();
    void afterFilingPage();
    void testCaseInTestMode_data();
    void testCaseInTestMode();
    void workFileCannotBeMade();
    void electronicReturnCannotBeMade_data();
    void electronicReturnCannotBeMade();
    void acceptedWithoutAConfirmationNumber();
    void acceptedReturnNeverSaved_data();
    void acceptedReturnNeverSaved();
    void longNameFiles();
    void acceptedButTheReturnCannotBeSaved();
    void namesShownAsWritten();

private:
    // The scenario return written and opened in the window; its path.
    QString openReturn(const std::function<void(QJsonObject&)>& edit);
    void trigger(const char* name);
    // Files the shown return as the user does when the agency accepts it:
    // OK, the terms agreed, the result read (its overview and details into
    // the texts given) and the after-filing page finished.
    void fileAccepted(QString* overview = nullptr, QString* details = nullptr);

    Agency m_agency;
    std::unique_ptr<QTemporaryDir> m_dir;
    Window m_window;
};

void MainWindowFilingTest::initTestCase()
{
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
    QString error;
    QVERIFY2(m_agency.start(&error), qPrintable(error));
}

void MainWindowFilingTest::cleanupTestCase()
{
    m_agency.stop();
}

void MainWindowFilingTest::init()
{
    m_agency.reset();
    m_dir = freshReturnFolder();
    QVERIFY(m_dir);
    m_window.reset(MainWindow::getInstance(nullptr));
}

void MainWindowFilingTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
    QVERIFY(workFiles().isEmpty());
}

QString MainWindowFilingTest::openReturn(const std::function<void(QJsonObject&)>& edit)
{
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "filing.r21", edit);
    m_window->openReturnFile(path);
    return path;
}

void MainWindowFilingTest::trigger(const char* name)
{
    triggerAction(m_window.get(), name);
}

void MainWindowFilingTest::fileAccepted(QString* overview, QString* details)
{
    ModalScript script;
    script.expect(kTransmission, pressButton(QDialogButtonBox::Ok))
        .expect(kTermsTitle, agreeToTerms())
        .expect(kResult, readResult(overview, details))
        .expect(kAfterFiling, finishWizard());
    trigger("actionInternetFiling");
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
}

void MainWindowFilingTest::netfileEndToEnd()
{
    const QString path = openReturn(withT1({{"email", "maya@example.ca"}}));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    setNoWarningMsg(false);
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply());

    Prompt::Scripted prompts;
    // The multi-year question, then the one pre-filing confirmation this
    // return calls for (no access code).
    prompts.press(Prompt::No).press(Prompt::Ok);

    bool refusedFinish = false;
    bool testCaseShown = true;
    QString title, overview;
    ModalScript script;
    script.expect(kSignupTitle, answerSignup(1, &refusedFinish))
        .expect(kTransmission,
                [&](QWidget* w) {
                    testCaseShown = w->findChild<QLineEdit*>("edtTestcase")->isVisible();
                    title = w->windowTitle();
                    click(boxButton(w, QDialogButtonBox::Ok));
                })
        .expect(kTermsTitle, agreeToTerms())
        .expect(kResult, readResult(&overview))
        .expect(kAfterFiling, finishWizard());
    trigger("actionInternetFiling");

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QVERIFY(refusedFinish);
    QVERIFY(!testCaseShown);
    QCOMPARE(title, QStringLiteral("NetFile Tax Return to CRA"));
    QVERIFY2(overview.startsWith("Netfile is submitted successfully. The confirmation code is [NF4711]."),
             qPrintable(overview));
    QCOMPARE(prompts.texts().size(), 2);
    QVERIFY(prompts.texts().at(0).startsWith(kMultiYear));
    QVERIFY(prompts.texts().at(1).startsWith("NetFile Access Code"));
    QCOMPARE(prompts.unanswered(), 0);

    // One return sent, under the agreed terms.
    const auto sent = m_agency.requests(FakeAgency::kNetfilePath, kReturnRequest);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].text("AgreementIndicator"), QStringLiteral("1"));

    // The return keeps the outcome, also in its saved file.
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
    QCOMPARE(t1Of(editor)->getString("filing_confirmation").toQString(), QStringLiteral("NF4711"));
    const auto saved = readCalculated(path);
    QVERIFY(saved);
    CTaxData_Form* savedT1 = saved->taxpayer()->GetFormData(FormType::T1, false);
    QCOMPARE(savedT1->getInt("filing_status"), 1);
    QCOMPARE(savedT1->getString("filing_confirmation").toQString(), QStringLiteral("NF4711"));
    saved->FreeData();

    // Events 1018 (the status line) then 1019 (the agency's message).
    const auto made = events(CBasicEvent::EVENT_FILING_MADE);
    const auto filed = events(CBasicEvent::EVENT_FILING_FILED);
    QCOMPARE(int(made.size()), 1);
    QCOMPARE(int(filed.size()), 1);
    QVERIFY(made.front().id < filed.front().id);
    QCOMPARE(made.front().uid, filed.front().uid);
    QCOMPARE(made.front().msg.toQString(), editor->familyData()->GetReturnStatusString(0).toQString());
    QVERIFY2(filed.front().msg.toQString().contains("Your return was received."), filed.front().msg.c_str());

    const QString log = successLog();
    QVERIFY2(log.contains("Name: Maya Okafor\n"), qPrintable(log));
    QVERIFY(log.contains("Confirmation: NF4711\n"));
    QVERIFY(log.contains("Msg: Your return was received."));
}

void MainWindowFilingTest::otherRoads_data()
{
    QTest::addColumn<QJsonObject>("t1");
    QTest::addColumn<bool>("mailing");
    QTest::addColumn<QStringList>("dialogs");  // the modal dialogs in order; the act is by name below
    QTest::addColumn<QString>("firstMessage"); // the first text asked through the seam
    QTest::addColumn<bool>("returnReply");     // true: the fake accepts, false: it rejects
    QTest::addColumn<int>("returnRequests");
    QTest::addColumn<int>("status");        // 0: nothing recorded
    QTest::addColumn<bool>("workFileMade"); // event 1018 saved
    QTest::addColumn<bool>("multiYear");    // the answer to the multi-year question

    const QStringList toTransmission{kSignupTitle + ":no", kTransmission + ":ok"};
    QTest::newRow("refused by eligibility: no validation dialog")
        << QJsonObject{{"sin", "091234563"}} << true << QStringList()
        << "Tax return which has SIN number starting with "
           "09 or 08 is not eligible for Netfile."
        << true << 0 << 0 << false << false;
    QTest::newRow("validation errors: nothing written")
        << QJsonObject() << false << QStringList{"DlgValidationMsgs:close"} << QString() << true << 0 << 0 << false
        << false;
    QTest::newRow("sign-up yes: nothing sent") << QJsonObject() << true << QStringList{kSignupTitle + ":yes"}
                                               << kSignupYes << true << 0 << 0 << false << false;
    QTest::newRow("sign-up cancelled") << QJsonObject() << true << QStringList{kSignupTitle + ":cancel"} << QString()
                                       << true << 0 << 0 << false << false;
    QTest::newRow("registered user: no sign-up; cancel sends nothing")
        << QJsonObject{{"online_mail", 1}} << true << QStringList{kTransmission + ":cancel"} << kMultiYear << true << 0
        << -1 << true << false;
    QTest::newRow("multi-year yes marks the T1; cancelled")
        << QJsonObject{{"online_mail", 1}} << true << QStringList{kTransmission + ":cancel"} << kMultiYear << true << 0
        << -1 << true << true;
    QTest::newRow("terms declined") << QJsonObject() << true << (toTransmission + QStringList{kTermsTitle + ":cancel"})
                                    << kMultiYear << true << 0 << -1 << true << false;
    QTest::newRow("rejected") << QJsonObject() << true
                              << (toTransmission + QStringList{kTermsTitle + ":agree", kResult + ":ok"}) << kMultiYear
                              << false << 1 << -1 << true << false;
}

void MainWindowFilingTest::otherRoads()
{
    QFETCH(QJsonObject, t1);
    QFETCH(bool, mailing);
    QFETCH(QStringList, dialogs);
    QFETCH(QString, firstMessage);
    QFETCH(bool, returnReply);
    QFETCH(int, returnRequests);
    QFETCH(int, status);
    QFETCH(bool, workFileMade);
    QFETCH(bool, multiYear);

    openReturn(withT1(t1, mailing));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(returnReply ? acceptedReply() : rejectedReply());

    Prompt::Scripted prompts;
    prompts.press(multiYear ? Prompt::Yes : Prompt::No).press(Prompt::Ok);
    ModalScript script;
    for (const QString& step : dialogs) {
        const QString name = step.section(':', 0, 0);
        const QString act = step.section(':', 1);
        if (act == "no")
            script.expect(name, answerSignup(1));
        else if (act == "yes")
            script.expect(name, answerSignup(0));
        else if (act == "ok")
            script.expect(name, pressButton(QDialogButtonBox::Ok));
        else if (act == "agree")
            script.expect(name, agreeToTerms());
        else if (act == "cancel")
            script.expect(name, [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        else if (act == "close")
            script.expect(name, [](QWidget* w) { w->close(); });
    }
    trigger("actionInternetFiling");

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    if (!firstMessage.isEmpty()) {
        QVERIFY(!prompts.texts().isEmpty());
        QVERIFY2(prompts.texts().first().startsWith(firstMessage), qPrintable(prompts.texts().first()));
    }
    QCOMPARE(m_agency.requests(FakeAgency::kNetfilePath, kReturnRequest).size(), returnRequests);
    // The terms are asked for only once the transmission dialog's OK is pressed.
    const bool okPressed = dialogs.contains(kTransmission + ":ok");
    QCOMPARE(m_agency.requests(FakeAgency::kNetfilePath).size(), (okPressed ? 1 : 0) + returnRequests);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), status);
    QCOMPARE(t1Of(editor)->getBool("multi_year_filing"), multiYear);
    if (status == -1) QCOMPARE(t1Of(editor)->getString("filing_confirmation").toQString(), QString());
    QCOMPARE(int(events(CBasicEvent::EVENT_FILING_MADE).size()), workFileMade ? 1 : 0);
    QVERIFY(events(CBasicEvent::EVENT_FILING_FILED).empty());
    QVERIFY(workFiles().isEmpty());
}

void MainWindowFilingTest::secondOkDuringAStalledTransmission()
{
    openReturn(withT1({{"online_mail", 1}}));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    m_agency.timeoutMs = 3000;
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(FakeReply::silent());

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    QPointer<QWidget> transmission;
    QTimer secondOk;
    bool secondOkWhileSending = false;
    QString overview, details;
    ModalScript script;
    script
        .expect(kTransmission,
                [&](QWidget* w) {
                    transmission = w;
                    click(boxButton(w, QDialogButtonBox::Ok));
                })
        .expect(kTermsTitle,
                [&](QWidget* w) {
                    // Once the agency holds the return and stalls, OK once more.
                    secondOk.setInterval(20);
                    QObject::connect(&secondOk, &QTimer::timeout, [&] {
                        if (m_agency.requests(FakeAgency::kNetfilePath, kReturnRequest).isEmpty()) return;
                        secondOk.stop();
                        secondOkWhileSending = transmission && transmission->isVisible();
                        if (secondOkWhileSending) click(boxButton(transmission, QDialogButtonBox::Ok));
                    });
                    secondOk.start();
                    agreeToTerms()(w);
                })
        .expect(kResult, readResult(&overview, &details));
    trigger("actionInternetFiling");

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QVERIFY(secondOkWhileSending);
    QCOMPARE(m_agency.requests(FakeAgency::kNetfilePath, kReturnRequest).size(), 1);
    QCOMPARE(m_agency.requests(FakeAgency::kNetfilePath).size(), 2);
    // The agency holds the return and never answered: the user must check
    // before sending it again, never read "cannot connect".
    QCOMPARE(overview, QStringLiteral("NetFile Filing Not Confirmed"));
    QCOMPARE(details, QStringLiteral("No reply came from CRA after the return was sent, so the return may have reached "
                                     "CRA. Check whether CRA received it (in My Account, or by calling CRA) before "
                                     "you send it again: sending it again could file it twice."));
    QCOMPARE(t1Of(editor)->getInt("filing_status"), -1);
    QCOMPARE(t1Of(editor)->getString("filing_confirmation").toQString(),
             QStringLiteral("not confirmed: no reply from CRA after the return was sent"));
    QVERIFY(events(CBasicEvent::EVENT_FILING_FILED).empty());
}

void MainWindowFilingTest::afterFilingPage_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<bool>("email");
    QTest::addColumn<bool>("shown");
    QTest::newRow("owing 0.01, no e-mail") << 0.01 << false << false;
    QTest::newRow("refund 0.01, no e-mail") << -0.01 << false << false;
    QTest::newRow("owing 0.02, no e-mail") << 0.02 << false << true;
    QTest::newRow("owing 0.01 with an e-mail") << 0.01 << true << true;
    QTest::newRow("refund 0.01 with an e-mail") << -0.01 << true << true;
}

void MainWindowFilingTest::afterFilingPage()
{
    QFETCH(double, balance);
    QFETCH(bool, email);
    QFETCH(bool, shown);

    QJsonObject t1{{"online_mail", 1}};
    if (email) t1.insert("email", "maya@example.ca");
    openReturn(withT1(t1));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    // Income tax deducted set so that the balance is the row's to the cent.
    CFamilyTaxData* family = editor->familyData();
    CTaxData_Form* slip = family->taxpayer()->slips().front()->object;
    for (int round = 0; round < 3; ++round) {
        double now = 0.0;
        family->getFedAmountClaimed(483, now);
        slip->setFloat("22", slip->getFloat("22") + (now - balance));
        family->Calculate(-1, nullptr);
    }
    double reached = 0.0;
    family->getFedAmountClaimed(483, reached);
    QVERIFY2(qAbs(reached - balance) < 0.005, qPrintable(QString::number(reached)));
    editor->refreshCurTabDataFromDoc();

    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply());
    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    QStringList lines;
    ModalScript script;
    script.expect(kTransmission, pressButton(QDialogButtonBox::Ok))
        .expect(kTermsTitle, agreeToTerms())
        .expect(kResult, readResult(nullptr));
    if (shown)
        script.expect(kAfterFiling, [&lines](QWidget* w) {
            for (const char* name : {"line1_1", "line2_1", "line3_1"})
                if (w->findChild<QLabel*>(QLatin1String(name))->isVisible()) lines << QLatin1String(name);
            finishWizard()(w);
        });
    trigger("actionInternetFiling");

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
    if (!shown) return;
    // The e-mail line with an e-mail; a balance of exactly -0.01 shows both
    // the refund line and the owing line.
    QStringList expected;
    if (email) expected << "line1_1";
    if (balance <= -0.01) expected << "line2_1";
    if (balance >= -0.01) expected << "line3_1";
    QCOMPARE(lines, expected);
}

void MainWindowFilingTest::testCaseInTestMode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent"); // empty: no test case element
    QTest::newRow("a number") << "12" << "12";
    QTest::newRow("not a number: none") << "abc" << "";
}

void MainWindowFilingTest::testCaseInTestMode()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    setTestMode(true);
    openReturn(withT1({{"online_mail", 1}}));
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply());

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    bool fieldShown = false;
    ModalScript script;
    script
        .expect(kTransmission, typeTestCase(typed, &fieldShown))
        .expect(kTermsTitle, agreeToTerms())
        .expect(kResult, readResult(nullptr))
        .expect(kAfterFiling, finishWizard());
    trigger("actionInternetFiling");
    setTestMode(false);

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QVERIFY(fieldShown);
    const auto sentReturns = m_agency.requests(FakeAgency::kNetfilePath, kReturnRequest);
    QCOMPARE(sentReturns.size(), 1);
    QCOMPARE(sentReturns[0].elements.contains("TestCaseIdentifier"), !sent.isEmpty());
    QCOMPARE(sentReturns[0].text("TestCaseIdentifier"), sent);
}

void MainWindowFilingTest::workFileCannotBeMade()
{
    openReturn(withT1({{"online_mail", 1}}));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    // A folder where the work file goes.
    const QString blocked = TabWndApp::getMainApp()->runFolder().toQString() + QLatin1Char('/')
                            + editor->familyData()->GetNetfileNameWithoutSuffix().toQString() + "_2021.ws";
    QVERIFY(QDir().mkpath(blocked));

    Prompt::Scripted prompts;
    prompts.press(Prompt::No).press(Prompt::Ok);
    ModalScript script;
    trigger("actionInternetFiling");
    QDir(blocked).removeRecursively();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    // Told what it is: a file that cannot be made, not a firewall.
    QCOMPARE(prompts.texts().last(),
             QStringLiteral("The work file %1 for this filing cannot be created (%2), so nothing was sent to CRA.")
                 .arg(QDir::toNativeSeparators(blocked), QString::fromLocal8Bit(std::strerror(EISDIR))));
    QCOMPARE(editor->familyData()->taxpayer()->storedValue(), 1);
    QVERIFY(m_agency.fake().requests(FakeAgency::kNetfilePath).isEmpty());
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 0);
    QVERIFY(events(CBasicEvent::EVENT_FILING_MADE).empty());
}

void MainWindowFilingTest::electronicReturnCannotBeMade_data()
{
    QTest::addColumn<bool>("missingTemplate"); // else a disk that takes nothing
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::newRow("a template missing") << true << "The electronic return could not be made (error code "
                                        << "), so nothing was sent to CRA. Please contact Quillmere software support.";
    QTest::newRow("a write that fails after opening")
        << false << "The work file "
        << " for this filing could not be written whole, so nothing was sent to CRA. Check that the disk has room, "
           "then file again.";
}

void MainWindowFilingTest::electronicReturnCannotBeMade()
{
    QFETCH(bool, missingTemplate);
    QFETCH(QString, start);
    QFETCH(QString, end);
    openReturn(withT1({{"online_mail", 1}}));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    const QString workFile = TabWndApp::getMainApp()->runFolder().toQString() + QLatin1Char('/')
                             + editor->familyData()->GetNetfileNameWithoutSuffix().toQString() + "_2021.ws";
    if (missingTemplate) {
        // The electronic return's templates gone from the program.
        ensureEfileTemplates();
        dropReturnTemplates();
    } else {
        if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), workFile));
    }

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    ModalScript script;
    trigger("actionInternetFiling");
    if (missingTemplate) restoreReturnTemplates();

    // Stopped before the transmission dialog, with nothing recorded.
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QVERIFY(script.seen.isEmpty());
    QVERIFY(!prompts.texts().isEmpty());
    QVERIFY2(prompts.texts().last().startsWith(start), qPrintable(prompts.texts().last()));
    QVERIFY2(prompts.texts().last().endsWith(end), qPrintable(prompts.texts().last()));
    QVERIFY(!QFileInfo::exists(workFile) && !QFileInfo(workFile).isSymLink());
    QVERIFY(events(CBasicEvent::EVENT_FILING_MADE).empty());
    QVERIFY(m_agency.fake().requests(FakeAgency::kNetfilePath).isEmpty());
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 0);
    QVERIFY(workFiles().isEmpty());
}

void MainWindowFilingTest::acceptedWithoutAConfirmationNumber()
{
    openReturn(withT1({{"online_mail", 1}}));
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply(""));

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    QString overview, details;
    fileAccepted(&overview, &details);
    if (QTest::currentTestFailed()) return;
    QVERIFY2(overview.startsWith("Netfile is submitted successfully, but CRA sent no confirmation code.\nResult code "
                                 "is [1]\nTime: "),
             qPrintable(overview));
    QVERIFY2(details.startsWith("CRA accepted the return, but its reply holds no confirmation number. Keep this "
                                "message, and check in My Account that the return was received before you file it "
                                "again.\n\nYour return was received."),
             qPrintable(details));
    // The agency accepted it: filed, with no number to show.
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
    QCOMPARE(t1Of(editor)->getString("filing_confirmation").toQString(), QString());
}

void MainWindowFilingTest::acceptedReturnNeverSaved_data()
{
    QTest::addColumn<bool>("chooseFile");
    QTest::newRow("saved where the user chooses") << true;
    QTest::newRow("Save As cancelled: the user is told") << false;
}

void MainWindowFilingTest::acceptedReturnNeverSaved()
{
    QFETCH(bool, chooseFile);
    QString error;
    std::unique_ptr<CFamilyTaxData> family =
        Scenario::build(scenarioJson("employee_t4_on", withT1({{"online_mail", 1}})), &error);
    QVERIFY2(family, qPrintable(error));
    m_window->_presentAReturn(-1, nullptr, family.release());
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    QVERIFY(!editor->hasFileToSave());
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply());

    const QString chosen = m_dir->filePath("filed.r21");
    Prompt::Scripted prompts;
    prompts.press(Prompt::No).press(Prompt::Ok);
    if (chooseFile)
        prompts.type(chosen);
    else
        prompts.cancel();
    prompts.press(Prompt::Ok);
    fileAccepted();
    if (QTest::currentTestFailed()) return;
    // Asked at once, right after the filing.
    const int asked = prompts.texts().indexOf(
        "CRA accepted the return, but the return has never been saved to a file. Choose where to save it now, so "
        "that the record of this filing is kept.");
    QVERIFY2(asked >= 0, qPrintable(prompts.texts().join(" | ")));
    QCOMPARE(prompts.asked().value(asked + 1).kind, Prompt::Kind::SaveFile);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
    QCOMPARE(int(events(CBasicEvent::EVENT_FILING_FILED).size()), 1);
    if (chooseFile) {
        QVERIFY(editor->hasFileToSave());
        QVERIFY(!editor->isChanged());
        const auto saved = readCalculated(chosen);
        QVERIFY(saved);
        CTaxData_Form* savedT1 = saved->taxpayer()->GetFormData(FormType::T1, false);
        QCOMPARE(savedT1->getInt("filing_status"), 1);
        QCOMPARE(savedT1->getString("filing_confirmation").toQString(), QStringLiteral("NF4711"));
        saved->FreeData();
        QCOMPARE(prompts.texts().size(), asked + 2);
    } else {
        QVERIFY(!editor->hasFileToSave());
        QVERIFY(!QFile::exists(chosen));
        QCOMPARE(prompts.texts().value(asked + 2),
                 QStringLiteral("The return was not saved: the record of this filing is kept only in this window. "
                                "Save the return before you close it."));
    }
}

void MainWindowFilingTest::longNameFiles()
{
    // 300 characters, accented letters among them: the work file's name is
    // cut to whole characters and the filing goes through.
    const QString longName = QString::fromUtf8("Okafor-Éloïse-").repeated(22).left(300);
    QCOMPARE(longName.size(), 300);
    openReturn([&longName](QJsonObject& root) {
        withT1({{"online_mail", 1}})(root);
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        t1.insert("last_name", longName);
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
    });
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    CString lastName;
    editor->familyData()->getFedStringClaimed(12, lastName);
    QCOMPARE(lastName.toQString(), longName);
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply());

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    fileAccepted();
    if (QTest::currentTestFailed()) return;
    QCOMPARE(m_agency.requests(FakeAgency::kNetfilePath, kReturnRequest).size(), 1);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
    QCOMPARE(t1Of(editor)->getString("filing_confirmation").toQString(), QStringLiteral("NF4711"));
}

void MainWindowFilingTest::acceptedButTheReturnCannotBeSaved()
{
    QVERIFY(QDir(m_dir->path()).mkdir("returns"));
    QString path = m_dir->filePath("returns/filing.r21");
    QString error;
    QVERIFY2(writeScenarioFile("employee_t4_on", path, &error,
                               withT1({{"online_mail", 1}, {"email", "maya@example.ca"}})),
             qPrintable(error));
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    // The return's folder is gone: the save after the filing cannot succeed.
    QVERIFY(QDir(m_dir->filePath("returns")).removeRecursively());
    m_agency.fake().netfileTerms(termsReply());
    m_agency.fake().netfileReturn(acceptedReply());

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    ModalScript script;
    script.expect(kTransmission, pressButton(QDialogButtonBox::Ok))
        .expect(kTermsTitle, agreeToTerms())
        .expect(kResult, readResult(nullptr))
        .expect(kAfterFiling, finishWizard());
    trigger("actionInternetFiling");

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
    // The confirmation lives only in the open return: the user is told, and
    // the return still counts as changed, so closing asks to save it.
    QCOMPARE(prompts.texts().last(), Form_Return::saveFailedText(path));
    QVERIFY(editor->isChanged());
    QCOMPARE(int(events(CBasicEvent::EVENT_FILING_FILED).size()), 1);
}

void MainWindowFilingTest::namesShownAsWritten()
{
    // A name is the return's data, never markup of the dialog.
    const CString name("Ann <b>Lee</b> & Co");
    CNetfileResultDlg transmission(2, nullptr, 0, nullptr);
    transmission.SetStringInfo(CString("work.ws"), CString("Refund: $10.00"), name);
    transmission.show();
    QCOMPARE(shownText(transmission.findChild<QLabel*>("lblMsg1")),
             QStringLiteral("This T1 NetFile filing is only for Ann <b>Lee</b> & Co"));
    transmission.hide();

    CFormFilingDlg form(CString(), CString(), FormType::T1135, nullptr, nullptr);
    form.SetStringInfo(name, CString("046<454>286"), CString("t1135.xml"));
    QCOMPARE(shownText(form.findChild<QLabel*>("lbl2")),
             QStringLiteral("This filing is for Ann <b>Lee</b> & Co (046<454>286)"));
    // The dialog's own emphasis stays.
    QVERIFY(form.findChild<QLabel*>("lbl2")->text().contains(QStringLiteral("<b>Ann &lt;b&gt;")));
}

QUILLMERE_APP_TEST_MAIN(MainWindowFilingTest)
#include "tst_mainwindow_filing.moc"
