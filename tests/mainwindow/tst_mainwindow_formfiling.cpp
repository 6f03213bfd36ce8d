// The forms filed on their own: the T1135 from the main window's File
// T1135 Online command, and the T1013 authorisation and the pre-authorised
// debit agreement through the form filing dialog with request files of
// ours (no command of the program opens the dialog for them yet). Every
// nested dialog is driven with clicks and keys, the fake agency answers.

#include <cerrno>
#include <cstring>
#include <memory>

#include <QFile>
#include <QPlainTextEdit>

#include "apptestmain.h"
#include "cformfilingdlg.h"
#include "editortestsupport.h"
#include "fakepenvault.h"
#include "filingtestsupport.h"
#include "prompt.h"
#include "taxdataform.h"

using namespace EditorTest;
using namespace FilingTest;

namespace {

const QString kFormFiling = QStringLiteral("CFormFilingDlg");
const QString kResult = QStringLiteral("DlgFilingResult");
const QString kTermsTitle = QStringLiteral("NETFILE Terms");
const QByteArray kTris = "xmlns:trisr=\"http://agency.example/trisr\"";
const QByteArray kPad = "xmlns:padrsp=\"http://agency.example/padrsp\"";

FakeReply frrms(const QByteArray& resultCode, const QByteArray& fileResponse)
{
    return FakeAgency::soap("<FrrmsNetfileReturnResponse xmlns:t1rsp=\"http://agency.example/t1rsp\"><ResultCode>"
                            + resultCode + "</ResultCode><t1rsp:FileReturnResponse>" + fileResponse
                            + "</t1rsp:FileReturnResponse></FrrmsNetfileReturnResponse>");
}

FakeReply t1135Accepted(const QByteArray& code)
{
    return frrms("1", "<t1rsp:Confirmation><t1rsp:ConfirmationCode>" + code
                          + "</t1rsp:ConfirmationCode>"
                            "<t1rsp:EnglishMessage><t1rsp:MessageText>Statement received.</t1rsp:MessageText>"
                            "</t1rsp:EnglishMessage></t1rsp:Confirmation>");
}

FakeReply t1013Reply(const QByteArray& count)
{
    return FakeAgency::soap(
        "<trisr:Response " + kTris
        + "><trisr:BatchResponse><trisr:BatchResponseDetail>"
          "<trisr:ReceivedFormsCount>"
        + count
        + "</trisr:ReceivedFormsCount>"
          "<trisr:ConfirmationNumber>C77</trisr:ConfirmationNumber></trisr:BatchResponseDetail>"
          "<trisr:ResponseCodes><trisr:BatchLevelResponse><trisr:BatchResponseCode>"
          "<trisr:ResponseCode>B1</trisr:ResponseCode></trisr:BatchResponseCode>"
          "</trisr:BatchLevelResponse><trisr:FormLevelResponse><trisr:FormResponseCode>"
          "<trisr:ResponseCode>F1</trisr:ResponseCode></trisr:FormResponseCode>"
          "</trisr:FormLevelResponse></trisr:ResponseCodes></trisr:BatchResponse></trisr:Response>");
}

FakeReply padReply(const QByteArray& kind, const QByteArray& number)
{
    return FakeAgency::soap(
        "<padrsp:PadCreateResponse " + kPad + "><padrsp:" + kind + ">"
        + (number.isEmpty() ? QByteArray() : "<padrsp:ConfirmationNumber>" + number + "</padrsp:ConfirmationNumber>")
        + "<padrsp:ResponseCodeDescription><padrsp:ResponseCode>A1</padrsp:ResponseCode>"
          "<padrsp:EnglishMessage><padrsp:MessageText>Agreement read.</padrsp:MessageText>"
          "</padrsp:EnglishMessage></padrsp:ResponseCodeDescription></padrsp:"
        + kind + "></padrsp:PadCreateResponse>");
}

// A T1135 that passes its own check: the detailed method, no property rows.
CTaxData_Form* addT1135(Form_Return* editor)
{
    CTaxData_Form* form = editor->familyData()->taxpayer()->GetFormData(FormType::T1135, true);
    form->setString("first_name", "Maya");
    form->setString("last_name", "Okafor");
    form->setString("sin", "046 454 286");
    form->setString("address", "12 Elm Street");
    form->setString("city", "Ottawa");
    form->setString("province", "ON");
    form->setString("postal_code", "K1A 0B1");
    form->setInt("method", 1);
    form->setDate("tax_year_start", QDate(2021, 1, 1));
    form->setDate("tax_year_end", QDate(2021, 12, 31));
    return form;
}

// Records, at each question, whether a file was there when it was asked.
class FileWatchingPrompts : public Prompt::Handler
{
public:
    explicit FileWatchingPrompts(QString path) : m_path(std::move(path)), m_previous(Prompt::handler())
    {
        Prompt::setHandler(this);
    }
    ~FileWatchingPrompts() override { Prompt::setHandler(m_previous); }
    Prompt::Answer ask(const Prompt::Request& request) override
    {
        texts << request.text;
        fileThere << QFile::exists(m_path);
        return Prompt::Answer::pressed(Prompt::Ok);
    }
    QStringList texts;
    QList<bool> fileThere;

private:
    QString m_path;
    Prompt::Handler* m_previous;
};

} // namespace

Q_DECLARE_METATYPE(FakeReply)

class MainWindowFormFilingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void t1135Refusals_data();
    void t1135Refusals();
    void t1135FailingBuilderRemovesTheFileFirst();
    void t1135WorkFileCannotBeMade();
    void t1135Submissions_data();
    void t1135Submissions();
    void t1135EnterPressesCancel();
    void t1135TestId_data();
    void t1135TestId();

    void t1013AndPad_data();
    void t1013AndPad();

private:
    Form_Return* openReturn();
    void fileT1135();

    Agency m_agency;
    FilingRecords m_records;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowFormFilingTest::initTestCase()
{
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
    QString error;
    QVERIFY2(m_agency.start(&error), qPrintable(error));
    m_records.install(m_agency.server());
}

void MainWindowFormFilingTest::cleanupTestCase()
{
    m_records.uninstall();
    m_agency.stop();
}

void MainWindowFormFilingTest::init()
{
    m_agency.reset();
    m_records.filingReport = false;
    m_agency.server().script(FakePenvault::kFilingPath, FakeReply::text("recorded"));
    m_dir = freshReturnFolder();
    QVERIFY(m_dir);
    m_window.reset(MainWindow::getInstance(nullptr));
}

void MainWindowFormFilingTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
    TabWndApp::getMainApp()->config().m_MODEDEBUG = false;
    QVERIFY(workFiles().isEmpty());
}

Form_Return* MainWindowFormFilingTest::openReturn()
{
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "forms.r21", withT1());
    m_window->openReturnFile(path);
    return shownEditor(m_window.get());
}

void MainWindowFormFilingTest::fileT1135()
{
    triggerAction(m_window.get(), "actionFile_T1135_Online");
}

void MainWindowFormFilingTest::t1135Refusals_data()
{
    QTest::addColumn<int>("form"); // 0 none, 1 with errors
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("no T1135") << 0 << 111 << "Please add form T1135 into tax return first!" << QStringList();
    QTest::newRow("errors: the validation dialog, no question first")
        << 1 << 118 << QString() << QStringList{"DlgValidationMsgs"};
}

void MainWindowFormFilingTest::t1135Refusals()
{
    QFETCH(int, form);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QStringList, dialogs);
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    if (form == 1) addT1135(editor)->setString("last_name", "");

    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    ModalScript script;
    for (const QString& dialog : dialogs)
        script.expect(dialog, [](QWidget* w) { w->close(); });
    QCOMPARE(editor->OnFileT1135(), result);

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QCOMPARE(prompts.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(m_agency.fake().requests(FakeAgency::kNetfilePath).isEmpty());
}

void MainWindowFormFilingTest::t1135FailingBuilderRemovesTheFileFirst()
{
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    // A statement far larger than a write buffer, into a device that takes
    // nothing: the statement's writer fails part-way.
    addT1135(editor)->setString("address", CString(QString(20000, QLatin1Char('A'))));
    const QString workFile = TabWndApp::getMainApp()->runFolder().toQString() + QLatin1Char('/')
                             + editor->familyData()->GetNetfileNameWithoutSuffix().toQString()
                             + QStringLiteral("_2021_t1135.xml");
    if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), workFile));

    FileWatchingPrompts prompts(workFile);
    QCOMPARE(editor->OnFileT1135(), 111);
    QCOMPARE(prompts.texts.size(), 1);
    QVERIFY2(prompts.texts[0].startsWith("T1135 Filing message creation failed, error code=["),
             qPrintable(prompts.texts[0]));
    QCOMPARE(prompts.fileThere, QList<bool>{false});
    QVERIFY(m_agency.fake().requests(FakeAgency::kNetfilePath).isEmpty());
}

void MainWindowFormFilingTest::t1135WorkFileCannotBeMade()
{
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    addT1135(editor);
    // A folder where the work file goes.
    const QString workFile = TabWndApp::getMainApp()->runFolder().toQString() + QLatin1Char('/')
                             + editor->familyData()->GetNetfileNameWithoutSuffix().toQString()
                             + QStringLiteral("_2021_t1135.xml");
    QVERIFY(QDir().mkpath(workFile));

    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    ModalScript script;
    const int result = editor->OnFileT1135();
    QDir(workFile).removeRecursively();

    QCOMPARE(result, 104);
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    // Told what it is, not sent to an anti-virus program.
    QCOMPARE(prompts.texts(),
             QStringList{QStringLiteral("The work file %1 for this filing cannot be created (%2), so nothing was sent "
                                        "to CRA.")
                             .arg(QDir::toNativeSeparators(workFile), QString::fromLocal8Bit(std::strerror(EISDIR)))});
    QVERIFY(m_agency.fake().requests(FakeAgency::kNetfilePath).isEmpty());
}

void MainWindowFormFilingTest::t1135Submissions_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<int>("status"); // of the T1135 afterwards; 0 nothing recorded
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("overview"); // empty: no result dialog
    QTest::addColumn<int>("records");      // filing records sent

    QTest::newRow("accepted") << t1135Accepted("T9") << true << 1 << "T9"
                              << "T1135 is submitted successfully. Time: " << 1;
    QTest::newRow("an empty confirmation is no filing") << frrms("1", "<t1rsp:Confirmation/>") << true << -1 << ""
                                                        << "Maya Okafor submission failed. \nThe error "
                                                           "codes are [1]."
                                                        << 1;
    QTest::newRow("terms declined: nothing recorded") << t1135Accepted("T9") << false << 0 << "" << QString() << 0;
}

void MainWindowFormFilingTest::t1135Submissions()
{
    QFETCH(FakeReply, reply);
    QFETCH(bool, agree);
    QFETCH(int, status);
    QFETCH(QString, confirmation);
    QFETCH(QString, overview);
    QFETCH(int, records);
    m_records.filingReport = true;
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    CTaxData_Form* t1135 = addT1135(editor);
    m_agency.fake().netfileTerms(FakeAgency::terms({"Terms."}, kTermsTitle.toUtf8(), "https://agency.example/t"));
    m_agency.fake().t1135(reply);

    Prompt::Scripted prompts;
    QString title, heading, okText, shownOverview;
    bool closed = false;
    QPointer<QWidget> filing;
    ModalScript script;
    script.expect(kFormFiling, [&](QWidget* w) {
        filing = w;
        title = w->windowTitle();
        heading = w->findChild<QLabel*>("lbl1")->text();
        okText = boxButton(w, QDialogButtonBox::Ok)->text();
        click(boxButton(w, QDialogButtonBox::Ok));
        closed = !w->isVisible();
    });
    if (agree)
        script.expect(kTermsTitle, agreeToTerms()).expect(kResult, readResult(&shownOverview));
    else
        script.expect(kTermsTitle, pressButton(QDialogButtonBox::Cancel));
    fileT1135();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QVERIFY(closed);
    QCOMPARE(title, QStringLiteral("Submit T1135"));
    QCOMPARE(okText, QStringLiteral("Submit T1135"));
    QCOMPARE(heading, QStringLiteral("Submit T1135 to CRA"));
    QCOMPARE(prompts.unanswered(), 0);
    QVERIFY2(shownOverview.startsWith(overview), qPrintable(shownOverview));
    QCOMPARE(m_agency.fake().requests(FakeAgency::kT1135Path).size(), agree ? 1 : 0);
    QCOMPARE(t1135->getInt("filing_status"), status);
    QCOMPARE(t1135->getString("filing_confirmation").toQString(), confirmation);
    QCOMPARE(successLog().contains("Confirmation: T9\n"), status == 1);
    const auto sent = m_agency.server().requests(FakePenvault::kFilingPath);
    QCOMPARE(sent.size(), records);
    if (records)
        QCOMPARE(FakePenvault::readForm(sent[0]).value("status"),
                 status == 1 ? QStringLiteral("30100") : QStringLiteral("30110"));
}

void MainWindowFormFilingTest::t1135EnterPressesCancel()
{
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    CTaxData_Form* t1135 = addT1135(editor);
    Prompt::Scripted prompts;
    bool closed = false;
    ModalScript script;
    script.expect(kFormFiling, [&closed](QWidget* w) {
        // Wherever the focus is, even on OK.
        boxButton(w, QDialogButtonBox::Ok)->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        closed = !w->isVisible();
    });
    fileT1135();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QVERIFY(closed);
    QVERIFY(m_agency.fake().requests(FakeAgency::kNetfilePath).isEmpty());
    QVERIFY(m_agency.fake().requests(FakeAgency::kT1135Path).isEmpty());
    QCOMPARE(t1135->getInt("filing_status"), 0);
    QCOMPARE(prompts.texts(), QStringList());
}

void MainWindowFormFilingTest::t1135TestId_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("a number") << "5"
                              << "5";
    QTest::newRow("not a number") << "x1"
                                  << "";
}

void MainWindowFormFilingTest::t1135TestId()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    TabWndApp::getMainApp()->config().m_MODEDEBUG = true;
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    addT1135(editor);
    m_agency.fake().netfileTerms(FakeAgency::terms({"Terms."}, kTermsTitle.toUtf8(), "https://agency.example/t"));
    m_agency.fake().t1135(t1135Accepted("T9"));

    Prompt::Scripted prompts;
    prompts.type(typed);
    ModalScript script;
    script.expect(kFormFiling, pressButton(QDialogButtonBox::Ok))
        .expect(kTermsTitle, agreeToTerms())
        .expect(kResult, readResult(nullptr));
    fileT1135();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked()[0].kind, Prompt::Kind::TextInput);
    QCOMPARE(prompts.asked()[0].title, QStringLiteral("test ID"));
    QCOMPARE(prompts.asked()[0].text, QStringLiteral("Enter testcase ID:"));
    const auto requests = m_agency.fake().requests(FakeAgency::kT1135Path);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].text("TestCaseIdentifier"), sent);
}

void MainWindowFormFilingTest::t1013AndPad_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<int>("status");     // T1013: the form's filing status afterwards
    QTest::addColumn<QString>("dialog"); // the result dialog, or empty when a message box tells
    QTest::addColumn<QString>("told");   // how the result or the message starts

    QTest::newRow("T1013 one form received: filed")
        << int(FormType::T1013) << t1013Reply("1") << 1 << kResult
        << "Authorizing or Cancelling a Representative is submitted successfully. Time: ";
    QTest::newRow("T1013 two forms received: not filed")
        << int(FormType::T1013) << t1013Reply("2") << -1 << QString()
        << "Authorizing or Cancelling a Representative submission failed. The error message is:\n";
    QTest::newRow("T1013 not sent")
        << int(FormType::T1013) << FakeReply::reset() << 0 << QString()
        << "Authorizing or Cancelling a Representative form submission failed. The error code is -10.";
    QTest::newRow("PAD confirmed") << int(CFormFilingDlg::kPadForm) << padReply("Confirmation", "P55") << 0 << kResult
                                   << "T183-PAD is submitted successfully. Time: ";
    QTest::newRow("PAD refused") << int(CFormFilingDlg::kPadForm) << padReply("Rejection", "") << 0 << kResult
                                 << "Online Filing Error Occured";
}

void MainWindowFormFilingTest::t1013AndPad()
{
    QFETCH(int, form);
    QFETCH(FakeReply, reply);
    QFETCH(int, status);
    QFETCH(QString, dialog);
    QFETCH(QString, told);
    const bool t1013 = form == FormType::T1013;
    Form_Return* editor = openReturn();
    QVERIFY(editor);
    CTaxData_Form* filed = editor->familyData()->taxpayer()->GetFormData(ENUMTYPE_FORM(form), true);
    QVERIFY(filed);
    t1013 ? m_agency.fake().t1013(reply) : m_agency.fake().pad(reply);
    TabWndApp::getMainApp()->config().m_EfileSoftwareCode = "Q21";

    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    CFormFilingDlg filing(CString("K4711"), CString("s3c&pw1"), ENUMTYPE_FORM(form), editor->familyData(), editor);
    filing.SetStringInfo(CString("Maya Okafor"), CString("046454286"),
                         CString(QStringLiteral(FIXTURE_DIR "/%1").arg(t1013 ? "t1013request.xml" : "padrequest.xml")));
    QString title, heading, overview, details;
    ModalScript script;
    script.expect(kFormFiling, [&](QWidget* w) {
        title = w->windowTitle();
        heading = w->findChild<QLabel*>("lbl1")->text();
        click(boxButton(w, QDialogButtonBox::Ok));
    });
    if (!dialog.isEmpty()) script.expect(dialog, readResult(&overview, &details));
    filing.exec();

    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QCOMPARE(title, t1013 ? QStringLiteral("Submit E-Auth") : QStringLiteral("Submit PAD"));
    QCOMPARE(heading, t1013 ? QStringLiteral("Submit E-Authorization (T1013) to Represent a Tax Payer")
                            : QStringLiteral("Submit Pre-Authorized Debit Agreement"));
    const QString shown = dialog.isEmpty() ? prompts.texts().value(0) : overview;
    QVERIFY2(shown.startsWith(told), qPrintable(shown));

    const auto requests = m_agency.fake().requests(t1013 ? FakeAgency::kT1013Path : FakeAgency::kPadPath);
    QCOMPARE(requests.size(), 1);
    if (t1013) {
        QCOMPARE(requests[0].text("type"), QStringLiteral("2021"));
        QCOMPARE(filed->getInt("filing_status"), status);
        if (status == -1) {
            // The codes joined by a comma alone, and the maker's page of codes offered.
            QVERIFY2(shown.contains("The error codes are [B1,F1]."), qPrintable(shown));
            QCOMPARE(prompts.asked()[0].title, QStringLiteral("Online Filing Error Occured"));
            QVERIFY(!prompts.asked()[0].link.isEmpty());
            QCOMPARE(filed->getString("filing_error").toQString(), QStringLiteral("B1,F1"));
        }
        if (status == 1) {
            QVERIFY2(details.contains("\nThe confirmation number is C77\nFiling services return these codes: B1,F1"),
                     qPrintable(details));
            QCOMPARE(filed->getString("filing_confirmation").toQString(), QStringLiteral("C77"));
            QVERIFY(successLog().contains("Confirmation: C77\n"));
        }
        return;
    }
    QCOMPARE(requests[0].text("SoftwareIdentifier"), QStringLiteral("Q21P"));
    QCOMPARE(requests[0].text("SoftwareRevisionDate"), QStringLiteral("2022-03-02"));
    QCOMPARE(requests[0].text("TaxpayerSocialInsuranceNumber"), QStringLiteral("046454286"));
    QCOMPARE(requests[0].text("Amount"), QStringLiteral("250.00"));
    const QString note = filed->getString("note").toQString();
    if (told.startsWith("T183-PAD is submitted")) {
        QVERIFY2(note.startsWith("You sent a PAD at ") && note.endsWith(", confirmation number [P55]."),
                 qPrintable(note));
        QVERIFY(successLog().contains("Confirmation: P55\n"));
    } else {
        QCOMPARE(note, QString());
        QCOMPARE(details, QStringLiteral("T183-PAD submission failed. The error message is:\nAgreement read.\n\nThe "
                                         "error codes are [A1]."));
    }
}

QUILLMERE_APP_TEST_MAIN(MainWindowFormFilingTest)
#include "tst_mainwindow_formfiling.moc"
