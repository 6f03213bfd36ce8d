// E-delivery and e-signature as a user reaches them: a scenario return in
// the main window, printed by the real report maker, the real dialogs
// answered, and the fake e-signature service receiving the PDF.

#include <memory>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include "apptestmain.h"
#include "deploymentdata.h"
#include "dlgpenvaultafterprint.h"
#include "dlgprintoption_info.h"
#include "editortestsupport.h"
#include "fakehttpsserver.h"
#include "fakepenvault.h"
#include "modal.h"
#include "penvaultclient.h"
#include "prompt.h"
#include "t1.h"
#include "taxformevents.h"
#include "taxformpage.h"
#include "testauthority.h"

using namespace EditorTest;

namespace {

const QString kAccountEmail = QStringLiteral("preparer@example.ca");
const QString kAccountPassword = QStringLiteral("acc0unt-Pa55");
const QByteArray kToken = "tok-77-Bearer-secret";

// Every message the program logs during a test, to show no secret is in one.
QStringList& logged()
{
    static QStringList lines;
    return lines;
}

void keepLog(QtMsgType, const QMessageLogContext&, const QString& text) { logged() << text; }

// The text of a PDF received as bytes, written to `folder` first.
QString receivedPdfText(const QByteArray& pdf, const QString& folder)
{
    const QString path = folder + QStringLiteral("/received.pdf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write(pdf);
    file.close();
    return EditorTest::pdfText(path);
}

void pressButton(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(which), Qt::LeftButton);
}

// The scenario's taxpayer with an e-mail address, a mailing address and a T183.
void withEmailAndT183(QJsonObject& root)
{
    // A Canadian mailing address, so the return validates clean before printing.
    withMailingAddress(root);
    QJsonObject taxpayer = root.value("taxpayer").toObject();
    QJsonObject t1 = taxpayer.value("t1").toObject();
    QJsonObject fields = t1.value("fields").toObject();
    fields.insert("email", "taxpayer@example.ca");
    t1.insert("fields", fields);
    taxpayer.insert("t1", t1);
    QJsonArray forms = taxpayer.value("forms").toArray();
    forms.append(QJsonObject{{"type", 96}});
    taxpayer.insert("forms", forms);
    root.insert("taxpayer", taxpayer);
}

// The same with a signing request already sent for the T183.
void withT183Request(QJsonObject& root)
{
    withEmailAndT183(root);
    QJsonObject taxpayer = root.value("taxpayer").toObject();
    QJsonArray forms = taxpayer.value("forms").toArray();
    QJsonObject t183 = forms.last().toObject();
    t183.insert("fields", QJsonObject{{"esignature", "4711"}});
    forms.replace(forms.size() - 1, t183);
    taxpayer.insert("forms", forms);
    root.insert("taxpayer", taxpayer);
}

} // namespace

class MainWindowEsignTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void printThenEDelivery();
    void t183SigningRequest_data();
    void t183SigningRequest();
    void t183StatusButton_data();
    void t183StatusButton();

private:
    QString openScenario();
    QTemporaryDir m_certs;
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;
    std::unique_ptr<FakePenvault> m_fake;
    std::unique_ptr<PenvaultClient> m_client;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
    QString m_sin;
};

void MainWindowEsignTest::initTestCase()
{
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
    installTaxFormPages(); // the form pages, as the program has them
    QString error;
    QVERIFY2(TestAuthority::make(m_certs.path(), "esign", m_authority, &error), qPrintable(error));
    m_server.reset(new FakeHttpsServer(m_authority.serverCertificate, m_authority.serverKey));
    QVERIFY(m_server->start());
    CDeploymentData::setCertificateFile(m_authority.caCertificate);
    m_fake.reset(new FakePenvault(*m_server, kAccountEmail, kAccountPassword, CDeploymentData::s_esignMsg1Key));
    const QString host = m_server->host();
    m_client.reset(new PenvaultClient([host] {
        PenvaultSettings s;
        s.email = kAccountEmail;
        s.password = kAccountPassword;
        s.host = host;
        return s;
    }));
    PenvaultService::install(m_client.get());
    qInstallMessageHandler(keepLog);
}

void MainWindowEsignTest::cleanupTestCase()
{
    qInstallMessageHandler(nullptr);
    PenvaultService::install(nullptr);
    CDeploymentData::setCertificateFile(QString());
}

void MainWindowEsignTest::init()
{
    m_server->clearScript();
    m_server->clearRequests();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    saveAndPrintIn(m_dir->path());
    m_window.reset(MainWindow::getInstance(nullptr));
    logged().clear();
}

void MainWindowEsignTest::cleanup()
{
    Modal::dropWaiting();
    // No password, token or full S.I.N. in anything logged.
    for (const QString& line : logged()) {
        QVERIFY2(!line.contains(kAccountPassword), qPrintable(line));
        QVERIFY2(!line.contains(QString::fromLatin1(kToken)), qPrintable(line));
        QVERIFY2(m_sin.isEmpty() || !line.contains(m_sin), qPrintable(line));
        QVERIFY2(!line.contains(QByteArray(kAccountEmail.toUtf8() + ':' + kAccountPassword.toUtf8()).toBase64()),
                 qPrintable(line));
    }
    m_window.reset();
    m_dir.reset();
}

QString MainWindowEsignTest::openScenario()
{
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "esign.r21", withEmailAndT183);
    m_window->openReturnFile(path);
    return path;
}

void MainWindowEsignTest::printThenEDelivery()
{
    Prompt::Scripted prompts;
    openScenario();
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    CString sin, first;
    editor->familyData()->taxpayer()->getFedStringClaimed(1, sin);
    editor->familyData()->taxpayer()->getFedStringClaimed(11, first);
    m_sin = sin.toQString();
    m_fake->answerUpload(12, QStringLiteral("Delivery link sent."));
    prompts.press(Prompt::Yes).press(Prompt::Ok);

    QString okText;
    Modal::when<DlgPrintOption_Info>([](DlgPrintOption_Info* d) {
        QTest::mouseClick(d->findChild<QAbstractButton*>("btnPrint"), Qt::LeftButton);
    });
    Modal::when<DlgPenvaultAfterPrint>([&okText](DlgPenvaultAfterPrint* d) {
        okText = d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->text();
        pressButton(d, QDialogButtonBox::Ok);
    });
    QAction* print = m_window->findChild<QAction*>("actionGenerate_Print_pdf_Files");
    QVERIFY(print);
    print->trigger();
    QCOMPARE(Modal::dropWaiting(), 0);
    QCOMPARE(okText, QStringLiteral("E-Delivery"));

    const auto uploads = m_server->requests(FakePenvault::kUploadPath);
    QCOMPARE(uploads.size(), 1);
    QCOMPARE(m_fake->faultOfUpload(uploads[0]), QString());
    const FakePenvault::Form sent = FakePenvault::readForm(uploads[0]);
    QCOMPARE(sent.value("email"), QStringLiteral("taxpayer@example.ca"));
    QCOMPARE(sent.value("form"), QStringLiteral("T1GEN"));
    QVERIFY(sent.file.startsWith("%PDF"));
    const QString text = receivedPdfText(sent.file, m_dir->path());
    QVERIFY2(text.contains(first.toQString()), qPrintable(text.left(400)));
    QCOMPARE(prompts.texts().mid(1), QStringList{"Delivery link sent."});
    QCOMPARE(prompts.unanswered(), 0);
}

void MainWindowEsignTest::t183SigningRequest_data()
{
    QTest::addColumn<bool>("send");
    QTest::addColumn<QString>("edited"); // empty: the address as offered
    QTest::newRow("edited address is the one sent") << true << "other@example.ca";
    QTest::newRow("offered address") << true << QString();
    QTest::newRow("Close sends nothing") << false << QString();
}

void MainWindowEsignTest::t183SigningRequest()
{
    QFETCH(bool, send);
    QFETCH(QString, edited);

    Prompt::Scripted prompts;
    const QString path = openScenario();
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    CString sin;
    editor->familyData()->taxpayer()->getFedStringClaimed(1, sin);
    m_sin = sin.toQString();
    m_fake->answerUpload(4711, QStringLiteral("Signing request sent."));
    if (send) prompts.press(Prompt::Yes).press(Prompt::Ok);

    QString okText, signatureNote;
    Modal::when<DlgPenvaultAfterPrint>([&](DlgPenvaultAfterPrint* d) {
        okText = d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->text();
        QLabel* note = d->findChild<QLabel*>("lblSignature");
        if (note && note->isVisible()) signatureNote = QTextDocumentFragment::fromHtml(note->text()).toPlainText();
        if (!edited.isEmpty()) {
            QLineEdit* to = d->findChild<QLineEdit*>("edtToEmail");
            to->selectAll();
            QTest::keyClicks(to, edited);
        }
        pressButton(d, send ? QDialogButtonBox::Ok : QDialogButtonBox::Close);
    });
    QEvent e{QEvent::Type(TaxFormEvent::T183Sign)};
    QVERIFY(QCoreApplication::sendEvent(editor, &e));
    QCOMPARE(Modal::dropWaiting(), 0);
    QCOMPARE(okText, QStringLiteral("Request E-Signature"));
    // The note names the service the points are bought from.
    QCOMPARE(signatureNote, QStringLiteral("After reviewing the pdf file, you can request E-Signature directly. You "
                                           "need to have paid user points or subscription plan from ") +
                                CDeploymentData::esignSiteUrl());

    const auto uploads = m_server->requests(FakePenvault::kUploadPath);
    QCOMPARE(uploads.size(), send ? 1 : 0);
    CTaxData_Form* t183 = editor->familyData()->taxpayer()->GetFormData(96, false);
    QCOMPARE(t183->getString("esignature").toQString(), send ? QStringLiteral("4711") : QString());
    if (!send) QVERIFY(!t183->getBool("is_esigned"));
    QCOMPARE(prompts.unanswered(), 0);
    if (!send) return;

    QCOMPARE(m_fake->faultOfUpload(uploads[0]), QString());
    const FakePenvault::Form sent = FakePenvault::readForm(uploads[0]);
    QCOMPARE(sent.value("email"), edited.isEmpty() ? QStringLiteral("taxpayer@example.ca") : edited);
    QCOMPARE(sent.value("form"), QStringLiteral("T183"));
    QVERIFY(sent.names().contains("date_pos"));
    QVERIFY(sent.file.startsWith("%PDF"));

    QVERIFY(editor->saveReturnFile(false) != 1);
    const auto saved = readCalculated(path);
    QVERIFY(saved);
    QCOMPARE(saved->taxpayer()->GetFormData(96, false)->getString("esignature").toQString(), QStringLiteral("4711"));
}

void MainWindowEsignTest::t183StatusButton_data()
{
    QTest::addColumn<QString>("completedAt"); // empty: the reply has no time
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("stored");
    QTest::newRow("signed") << "2022-03-01T15:04:05Z" << "Status: completed Signed time: 2022-03-01T15:04:05Z" << true;
    QTest::newRow("no time") << QString() << "Status: completed No signed time is returned." << false;
    QTest::newRow("no date-time") << "soon" << "Status: completed Signed time: soon" << false;
}

// The status button of the T183's page: the signing time lands in the form
// and on the page shown.
void MainWindowEsignTest::t183StatusButton()
{
    QFETCH(QString, completedAt);
    QFETCH(QString, shown);
    QFETCH(bool, stored);

    Prompt::Scripted prompts;
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "status.r21", withT183Request);
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    // The folder tree never lists the T183: its page is shown directly.
    CTaxData_Form* t183 = editor->familyData()->taxpayer()->GetFormData(96, false);
    QVERIFY(editor->showTaxForm(0, t183) > 0);
    QPushButton* button = nullptr;
    for (BaseTaxPage* page : editor->pages())
        if (auto* formPage = qobject_cast<TaxFormPage*>(page))
            if (!button) button = formPage->actionButton(TaxFormEvent::T183SignStatus);
    QVERIFY(button);
    QLineEdit* date = fieldEdit(editor, "date");
    QVERIFY(date);
    QVERIFY(date->text().isEmpty());

    m_fake->answerLogin(kToken);
    m_fake->answerStatus("4711", 4711, "completed", completedAt);
    prompts.press(Prompt::Ok);
    button->click();
    QCoreApplication::sendPostedEvents();

    const auto queries = m_server->requests(FakePenvault::statusPath("4711"));
    QCOMPARE(queries.size(), 1);
    QCOMPARE(m_fake->faultOfStatus(queries[0], kToken), QString());
    QCOMPARE(prompts.texts(), QStringList{shown});
    QCOMPARE(prompts.unanswered(), 0);
    QCOMPARE(t183->getBool("is_esigned"), stored);
    const QDateTime local = QDateTime(QDate(2022, 3, 1), QTime(15, 4, 5), Qt::UTC).toLocalTime();
    QCOMPARE(t183->getString("signed_time").toQString(), stored ? local.time().toString("hh:mm:ss") : QString());
    QCOMPARE(date->text(), stored ? local.date().toString("yyyy/MM/dd") : QString());
}

QUILLMERE_APP_TEST_MAIN(MainWindowEsignTest)
#include "tst_mainwindow_esign.moc"
