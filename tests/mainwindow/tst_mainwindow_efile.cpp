// The preparers' edition files by EFILE, and an amended return goes down
// the ReFILE road: both from the main window's filing action, every nested
// dialog driven with clicks, the fake agency answering over TLS.

#include <memory>

#include <QPlainTextEdit>

#include <QJsonArray>

#include "apptestmain.h"
#include "cnetfileresultdlg.h"
#include "editortestsupport.h"
#include "fakepenvault.h"
#include "filingtestsupport.h"
#include "prompt.h"
#include "taxdataform.h"

using namespace EditorTest;
using namespace FilingTest;

namespace {

const QByteArray kEfileNs = "xmlns:t1ersp=\"http://agency.example/t1ersp\" xmlns:t1rsp=\"http://agency.example/t1rsp\"";
const QString kTransmission = QStringLiteral("CNetfileResultDlg");
const QString kResult = QStringLiteral("DlgFilingResult");
const QString kSettingsMessage =
    QStringLiteral("Please enter EFiler ID and password into EFiler configuration from menu Start | Preference.");
const QString kRefileConfirmation = QStringLiteral("Please note that this is an Amended Return for Re-File purpose.");
const char* const kPreparerSin = "123456782";
const char* const kEfilerNumber = "K4711";
const char* const kEfilerPassword = "s3c&pw1";

FakeReply efileReply(const QByteArray& code, const QByteArray& cv, const QByteArray& fileResponse)
{
    return FakeAgency::soap("<t1ersp:EfileReturnResponse " + kEfileNs + "><ResultCode>" + code + "</ResultCode>"
                            + "<TransmissionNumber>TN42</TransmissionNumber>"
                            + (cv.isEmpty() ? QByteArray() : "<t1ersp:CvIndicator>" + cv + "</t1ersp:CvIndicator>")
                            + "<t1rsp:FileReturnResponse>" + fileResponse
                            + "</t1rsp:FileReturnResponse></t1ersp:EfileReturnResponse>");
}

QByteArray confirmation()
{
    return "<t1rsp:Confirmation>" + FakeAgency::englishMessage({"Return accepted."}) + "</t1rsp:Confirmation>";
}

FakeReply termsReply(const QByteArray& title)
{
    return FakeAgency::terms({"You agree to the terms."}, title, "https://agency.example/terms");
}

FakeReply netfileAccepted()
{
    return FakeAgency::soap("<t1rsp:NetfileReturnResponse xmlns:t1rsp=\"http://agency.example/t1rsp\"><ResultCode>1"
                            "</ResultCode><t1rsp:FileReturnResponse><t1rsp:Confirmation><t1rsp:ConfirmationCode>RF9"
                            "</t1rsp:ConfirmationCode>"
                            + FakeAgency::englishMessage({"Amended return received."})
                            + "</t1rsp:Confirmation></t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

} // namespace

Q_DECLARE_METATYPE(FakeReply)

class MainWindowEfileTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void efileNeedsNumberAndPassword_data();
    void efileNeedsNumberAndPassword();
    void efileOutcomes_data();
    void efileOutcomes();
    void efileTestCase_data();
    void efileTestCase();

    void refileRefused();
    void refileConfirmationEvenWithoutWarnings_data();
    void refileConfirmationEvenWithoutWarnings();

private:
    // The scenario return opened; the preparers' edition wants a T183 in it.
    Form_Return* openReturn(const QJsonObject& t1, bool withT183 = false);
    void setPreparer(const QString& number, const QString& password);
    void fileFromMenu();

    Agency m_agency;
    FilingRecords m_records;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowEfileTest::initTestCase()
{
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
    QString error;
    QVERIFY2(m_agency.start(&error), qPrintable(error));
    // Filing records go to the e-signature service on the same fake server.
    m_records.install(m_agency.server());
}

void MainWindowEfileTest::cleanupTestCase()
{
    m_records.uninstall();
    m_agency.stop();
}

void MainWindowEfileTest::init()
{
    m_agency.reset();
    m_records.filingReport = false;
    m_dir = freshReturnFolder();
    QVERIFY(m_dir);
    setPreparer(kEfilerNumber, kEfilerPassword);
    m_window.reset(MainWindow::getInstance(nullptr));
}

void MainWindowEfileTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
    TabWndApp::s_appPurpose = 2;
    QVERIFY(workFiles().isEmpty());
}

void MainWindowEfileTest::setPreparer(const QString& number, const QString& password)
{
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    config.m_BusinessEFileNum = number;
    config.m_BusinessEFilePassword = password;
    filingSettings().EfilerId = number;
    filingSettings().EfilerPassword = password;
}

Form_Return* MainWindowEfileTest::openReturn(const QJsonObject& t1, bool withT183)
{
    const auto edit = [t1, withT183](QJsonObject& root) {
        withT1(t1)(root);
        if (!withT183) return;
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonArray forms = taxpayer.value("forms").toArray();
        forms.append(QJsonObject{{"type", FormType::T183}});
        taxpayer.insert("forms", forms);
        root.insert("taxpayer", taxpayer);
    };
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "efile.r21", edit);
    m_window->openReturnFile(path);
    return shownEditor(m_window.get());
}

void MainWindowEfileTest::fileFromMenu()
{
    triggerAction(m_window.get(), "actionInternetFiling");
}

void MainWindowEfileTest::efileNeedsNumberAndPassword_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("password");
    QTest::newRow("no number") << ""
                               << "pw";
    QTest::newRow("no password") << kEfilerNumber << "";
}

// The validation already refuses a return while the preparer's settings are
// incomplete; the dialog checks the settings it sends with once more.
void MainWindowEfileTest::efileNeedsNumberAndPassword()
{
    QFETCH(QString, number);
    QFETCH(QString, password);
    TabWndApp::s_appPurpose = 1;
    Form_Return* editor = openReturn({{"sin", kPreparerSin}, {"online_mail", 1}}, true);
    QVERIFY(editor);
    m_agency.fake().efile(efileReply("180", "", confirmation()));
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    config.m_BusinessEFileNum = number;
    config.m_BusinessEFilePassword = password;

    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    CNetfileResultDlg dialog(1, editor->familyData(), 0, editor);
    dialog.SetStringInfo(CString(m_dir->filePath("x_2021.ws")), CString("Refund: $2,330.00"), CString("Maya Okafor"));
    QString title, okText;
    ModalScript script;
    script.expect(kTransmission, [&](QWidget* w) {
        title = w->windowTitle();
        okText = boxButton(w, QDialogButtonBox::Ok)->text();
        click(boxButton(w, QDialogButtonBox::Ok));
    });
    QCOMPARE(dialog.exec(), 0);

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(title, QStringLiteral("EFile Tax Return to CRA"));
    QCOMPARE(okText, QStringLiteral("EFile Return"));
    QCOMPARE(prompts.texts(), QStringList{kSettingsMessage});
    QCOMPARE(m_agency.requests(FakeAgency::kEfilePath).size(), 0);
    QVERIFY(!dialog.isFiled());
    QCOMPARE(dialog.filingText().toQString(), QString());
}

void MainWindowEfileTest::efileOutcomes_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<bool>("filed");
    QTest::addColumn<QString>("filingText"); // what the T1 keeps
    QTest::addColumn<QString>("overview");   // how the result's overview starts
    QTest::addColumn<QString>("notice");     // in the shown and stored message, not in the log
    QTest::addColumn<bool>("filingReport");

    const QString accepted = QStringLiteral("Efile is submitted successfully. Result code is [%1]. The confirmation "
                                            "number is [TN42].");
    const QString failed = QStringLiteral("Efile submission for [Maya Okafor] failed. Document Control Number is [%1");
    QTest::newRow("accepted, verification 0024")
        << efileReply("180", "0024", confirmation()) << true << "TN42" << accepted.arg("180")
        << "(E) 24 - The CRA may perform a verification of this taxpayer's return." << false;
    QTest::newRow("accepted, pre-assessment 2139, filing record sent")
        << efileReply("580", "2139", confirmation()) << true << "TN42" << accepted.arg("580")
        << "(E) 2139 - The CRA is performing pre-assessment verification on this return." << true;
    QTest::newRow("182 and more characters")
        << efileReply("18207", "", confirmation()) << true << "TN42" << accepted.arg("18207") << QString() << false;
    QTest::newRow("184 review") << efileReply("184", "",
                                              "<t1rsp:ProcessingError>" + FakeAgency::englishMessage({"Held."})
                                                  + "<t1rsp:ErrorCodeDescription><t1rsp:ErrorCode>E77</t1rsp:ErrorCode>"
                                                  + FakeAgency::englishMessage({"Check line 10400."})
                                                  + "</t1rsp:ErrorCodeDescription></t1rsp:ProcessingError>")
                                << false << "code=184, clue=E77" << failed.arg(kEfilerNumber) << QString() << false;
    QTest::newRow("accepted without a confirmation number: said so")
        << FakeAgency::soap("<t1ersp:EfileReturnResponse " + kEfileNs + "><ResultCode>180</ResultCode>"
                            + "<t1rsp:FileReturnResponse>" + confirmation()
                            + "</t1rsp:FileReturnResponse></t1ersp:EfileReturnResponse>")
        << true << "" << "Efile is submitted successfully, but CRA sent no confirmation number. Result code is [180]."
        << QString() << false;
    QTest::newRow("stalled after the post: may have reached the agency")
        << FakeReply::silent() << false << "not confirmed: no reply from CRA after the return was sent"
        << "EFile Filing Not Confirmed" << QString() << false;
    QTest::newRow("rejected, filing record sent")
        << efileReply("200", "", "<t1rsp:Rejection>" + FakeAgency::englishMessage({"Rejected."}) + "</t1rsp:Rejection>") << false
        << "code=200" << failed.arg(kEfilerNumber) << QString() << true;
}

void MainWindowEfileTest::efileOutcomes()
{
    QFETCH(FakeReply, reply);
    QFETCH(bool, filed);
    QFETCH(QString, filingText);
    QFETCH(QString, overview);
    QFETCH(QString, notice);
    QFETCH(bool, filingReport);
    TabWndApp::s_appPurpose = 1;
    m_records.filingReport = filingReport;
    m_agency.server().script(FakePenvault::kFilingPath, FakeReply::text("recorded"));
    Form_Return* editor = openReturn({{"sin", kPreparerSin}, {"online_mail", 1}}, true);
    QVERIFY(editor);
    m_agency.fake().efile(reply);
    if (reply.action == FakeReply::Silent) m_agency.timeoutMs = 1500;

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    QString shownOverview, shownDetails;
    ModalScript script;
    script.expect(kTransmission, pressButton(QDialogButtonBox::Ok))
        .expect(kResult, readResult(&shownOverview, &shownDetails));
    fileFromMenu();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QCOMPARE(prompts.unanswered(), 0);
    QVERIFY2(shownOverview.startsWith(overview), qPrintable(shownOverview));
    if (filed && filingText.isEmpty())
        QVERIFY2(shownDetails.startsWith("CRA accepted the return, but its reply holds no confirmation number."),
                 qPrintable(shownDetails));
    if (reply.action == FakeReply::Silent)
        QVERIFY2(shownDetails.contains("the return may have reached CRA"), qPrintable(shownDetails));
    const auto sent = m_agency.requests(FakeAgency::kEfilePath);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].text("TransmitterEfilerNumber"), QString(kEfilerNumber));
    QCOMPARE(sent[0].text("PasswordID"), QString(kEfilerPassword));
    QVERIFY(!sent[0].elements.contains("TestCaseIdentifier"));

    CTaxData_Form* t1 = t1Of(editor);
    QCOMPARE(t1->getInt("filing_status"), filed ? 1 : -1);
    QCOMPARE(t1->getString("filing_confirmation").toQString(), filingText);
    const auto filedEvents = events(CBasicEvent::EVENT_FILING_FILED);
    QCOMPARE(int(filedEvents.size()), filed ? 1 : 0);
    if (filed) {
        const QString log = successLog();
        QVERIFY2(log.contains("Confirmation: " + filingText + "\n"), qPrintable(log));
        QVERIFY(log.contains("Msg: Return accepted."));
        QVERIFY(!log.contains("(E) "));
        if (!notice.isEmpty()) {
            QVERIFY2(shownDetails.contains(notice), qPrintable(shownDetails));
            QVERIFY(filedEvents.front().msg.toQString().contains(notice));
        } else {
            QVERIFY(!shownDetails.contains("(E) "));
        }
    }
    const auto records = m_agency.server().requests(FakePenvault::kFilingPath);
    QCOMPARE(records.size(), filingReport ? 1 : 0);
    if (filingReport) {
        const FakePenvault::Form record = FakePenvault::readForm(records[0]);
        QCOMPARE(record.value("form"), QStringLiteral("T1"));
        QCOMPARE(record.value("status"), filed ? QStringLiteral("30100") : QStringLiteral("30110"));
        QCOMPARE(record.value("confirmation_code"), filed ? QStringLiteral("TN42") : filingText);
    }
}

void MainWindowEfileTest::efileTestCase_data()
{
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent"); // empty: no test case element
    QTest::newRow("test mode, a test case") << true << "7"
                                            << "7";
    QTest::newRow("test mode, empty field") << true << ""
                                            << "";
    QTest::newRow("not test mode: field hidden") << false << "7"
                                                 << "";
}

void MainWindowEfileTest::efileTestCase()
{
    QFETCH(bool, testMode);
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    TabWndApp::s_appPurpose = 1;
    setTestMode(testMode);
    Form_Return* editor = openReturn({{"sin", kPreparerSin}, {"online_mail", 1}}, true);
    QVERIFY(editor);
    m_agency.fake().efile(efileReply("180", "", confirmation()));

    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    bool fieldShown = false;
    ModalScript script;
    script
        .expect(kTransmission, typeTestCase(typed, &fieldShown))
        .expect(kResult, readResult(nullptr));
    fileFromMenu();
    setTestMode(false);

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(fieldShown, testMode);
    const auto requests = m_agency.requests(FakeAgency::kEfilePath);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].elements.contains("TestCaseIdentifier"), !sent.isEmpty());
    QCOMPARE(requests[0].text("TestCaseIdentifier"), sent);
}

void MainWindowEfileTest::refileRefused()
{
    Form_Return* editor = openReturn({{"online_mail", 1}, {"date_of_entry", "2021-05-01"}});
    QVERIFY(editor);
    QCOMPARE(editor->familyData()->prepareForReFile(), 0);
    Prompt::Scripted prompts;
    QVERIFY(!editor->isEligibleForReFile());
    ModalScript script;
    fileFromMenu();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    const QString refused =
        QStringLiteral("Re-File is not allowed for tax return of an immigrant or emmigrant in the tax year.");
    QCOMPARE(prompts.texts(), (QStringList{refused, refused}));
    QCOMPARE(m_agency.fake().requests(FakeAgency::kNetfilePath).size(), 0);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 2);
}

void MainWindowEfileTest::refileConfirmationEvenWithoutWarnings_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed: filed as amended") << true;
    QTest::newRow("declined: nothing sent") << false;
}

void MainWindowEfileTest::refileConfirmationEvenWithoutWarnings()
{
    QFETCH(bool, confirm);
    // Not registered for online mail: an amended return is still not offered the sign-up.
    Form_Return* editor = openReturn({});
    QVERIFY(editor);
    QCOMPARE(editor->familyData()->prepareForReFile(), 0);
    QVERIFY(editor->isEligibleForReFile());
    m_agency.fake().refileTerms(termsReply("ReFILE Terms"));
    m_agency.fake().netfileReturn(netfileAccepted());

    Prompt::Scripted prompts;
    prompts.press(confirm ? Prompt::Ok : Prompt::Cancel);
    ModalScript script;
    if (confirm)
        script.expect(kTransmission, pressButton(QDialogButtonBox::Ok))
            .expect("ReFILE Terms", agreeToTerms())
            .expect(kResult, readResult(nullptr))
            .expect("CRA Online Service", finishWizard());
    fileFromMenu();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    // No multi-year question and no pre-filing warning: only the ReFILE confirmation.
    QCOMPARE(prompts.texts(), QStringList{kRefileConfirmation});
    const auto sent = m_agency.fake().requests(FakeAgency::kNetfilePath);
    if (!confirm) {
        QCOMPARE(sent.size(), 0);
        QCOMPARE(t1Of(editor)->getInt("filing_status"), 2);
        QVERIFY(events(CBasicEvent::EVENT_FILING_MADE).empty());
        return;
    }
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].bodyElement, QStringLiteral("RefileTermsAndConditionsRequest"));
    QCOMPARE(sent[1].bodyElement, QStringLiteral("FileReturnRequest"));
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 3);
    QCOMPARE(t1Of(editor)->getString("filing_confirmation").toQString(), QStringLiteral("RF9"));
}

QUILLMERE_APP_TEST_MAIN(MainWindowEfileTest)
#include "tst_mainwindow_efile.moc"
