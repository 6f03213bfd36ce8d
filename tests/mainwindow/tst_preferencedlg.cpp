// The preferences as a user drives them: every setting shown, applied,
// cancelled and read back, and the e-signature account check against a fake
// HTTPS service of ours whose authority is trusted only through the
// deployment's certificate file.

#include <functional>
#include <memory>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>

#include "apptestmain.h"
#include "deploymentdata.h"
#include "fakehttpsserver.h"
#include "messages.h"
#include "preferencedlg.h"
#include "preparersettings.h"
#include "prompt.h"
#include "testauthority.h"

namespace {

const QByteArray kVerifyPath = "/api/user/verify";
const QString kCheckFailed = "Check account points failed, maybe network problem!";

CT1AppConfig& config()
{
    return TabWndApp::getMainApp()->config();
}

QString stored(const QString& name)
{
    QSqlQuery q(TabWndApp::getMainApp()->database().getDBHandle());
    q.prepare("select value from tb_config where name=? order by id desc limit 1");
    q.addBindValue(name);
    return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("<none>");
}

int configRows()
{
    QSqlQuery q(TabWndApp::getMainApp()->database().getDBHandle());
    return q.exec("select count(*) from tb_config") && q.next() ? q.value(0).toInt() : -1;
}

// One setting as text, both ways.
struct Setting
{
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

Setting settingOf(const QString& name)
{
    CT1AppConfig& c = config();
    auto text = [](CString& f) { return Setting{[&f] { return f.toQString(); }, [&f](const QString& v) { f = v; }}; };
    auto number = [](int& f) {
        return Setting{[&f] { return QString::number(f); }, [&f](const QString& v) { f = v.toInt(); }};
    };
    auto yesNo = [](bool& f) {
        return Setting{[&f] { return QString(f ? "1" : "0"); }, [&f](const QString& v) { f = v == "1"; }};
    };
    const QHash<QString, Setting> all = {
        {"RetPath", text(c.m_RetPath)},
        {"RetPdfPath", text(c.m_RetPdfPath)},
        {"PdfPathSameAsRet", number(c.m_PdfPathSameAsRet)},
        {"BusinessName", text(c.m_BusinessName)},
        {"BusinessAddr", text(c.m_BusinessAddr)},
        {"BusinessCity", text(c.m_BusinessCity)},
        {"BusinessProv", text(c.m_BusinessProv)},
        {"BusinessPostcode", text(c.m_BusinessPostcode)},
        {"BusinessPhone", text(c.m_BusinessPhone)},
        {"BusinessEFileNum", text(c.m_BusinessEFileNum)},
        {"BusinessEFilePassword", text(c.m_BusinessEFilePassword)},
        {"DiscounterCode", text(c.m_DiscounterCode)},
        {"PreAssessment", number(c.m_PreAssessment)},
        {"PostAssessment", number(c.m_PostAssessment)},
        {"PrntClientLetter", number(c.m_PrntClientLetter)},
        {"SaveBackup", number(c.m_SaveBackup)},
        {"FilingReport", yesNo(c.m_FilingReport)},
        {"PenvaultEmail", text(c.m_PenvaultEmail)},
        {"PenvaultPswd", text(c.m_PenvaultPswd)},
        {"PVFromEmail", text(c.m_PVFromEmail)},
    };
    return all.value(name);
}

// How a setting shows in the dialog: a line edit's text, a check box's
// "1"/"0", or of a radio pair "1" (taxpayer), "0" (preparer) or "-1".
QString shown(PreferenceDlg& dlg, const QString& widget)
{
    if (auto* edit = dlg.findChild<QLineEdit*>(widget)) return edit->text();
    if (auto* box = dlg.findChild<QCheckBox*>(widget)) return box->isChecked() ? "1" : "0";
    auto* taxpayer = dlg.findChild<QRadioButton*>(widget + "TaxPayer");
    auto* preparer = dlg.findChild<QRadioButton*>(widget + "Preparer");
    if (!taxpayer || !preparer) return "<no widget>";
    if (taxpayer->isChecked()) return "1";
    return preparer->isChecked() ? "0" : "-1";
}

// Types text with accents too, which QTest::keyClicks takes only in ASCII.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Changes a widget as a user does: typing, clicking.
void enter(PreferenceDlg& dlg, const QString& widget, const QString& value)
{
    if (auto* edit = dlg.findChild<QLineEdit*>(widget)) {
        edit->selectAll();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, value);
        return;
    }
    if (auto* box = dlg.findChild<QCheckBox*>(widget)) {
        if (box->isChecked() != (value == "1")) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        return;
    }
    auto* button = dlg.findChild<QRadioButton*>(widget + (value == "1" ? "TaxPayer" : "Preparer"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

struct Row
{
    const char* widget;
    const char* setting;
    const char* seeded;
    const char* applied;
};

const Row kRows[] = {
    {"edtFolderRetFiles", "RetPath", "/home/lee/Returns 2021", "/srv/returns/2021"},
    {"edtFolderPdfFiles", "RetPdfPath", "/home/lee/Pdf", "/srv/pdf"},
    {"chkPdfSavedWithRet", "PdfPathSameAsRet", "1", "0"},
    {"edtBusiName", "BusinessName", "Lee Tax Services", "Lee & Fils Impôts"},
    {"edtStreetAddr", "BusinessAddr", "12 Main St", "34 Rue Principale"},
    {"edtCity", "BusinessCity", "Toronto", "Montréal"},
    {"edtProv", "BusinessProv", "ON", "QC"},
    {"edtPostcode", "BusinessPostcode", "M5V 2T6", "H2X 1Y4"},
    {"edtPhone", "BusinessPhone", "(416)555-0100", "(514)555-0199"},
    {"edtEFilerID", "BusinessEFileNum", "P1234", "P5678"},
    {"edtEFilerPswd", "BusinessEFilePassword", "prod-pw", "new-pw"},
    {"edtDiscounterID", "DiscounterCode", "D42", "D43"},
    {"rdoPreAssess", "PreAssessment", "1", "0"},
    {"rdoPostAssess", "PostAssessment", "0", "1"},
    {"chkInclClientLetter", "PrntClientLetter", "1", "0"},
    {"chkSaveBakFile", "SaveBackup", "0", "1"},
    {"chkFilingReport", "FilingReport", "1", "0"},
    {"edtUserEmail", "PenvaultEmail", "lee@example.ca", "office@example.ca"},
    {"edtUserPswd", "PenvaultPswd", "s3cret", "n3w-s3cret"},
    {"edtFromEmail", "PVFromEmail", "front@example.ca", "desk@example.ca"},
};

} // namespace

Q_DECLARE_METATYPE(FakeReply)

class TstPreferenceDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void opens();
    void showsSettings_data();
    void showsSettings();
    void applyStoresEverySetting();
    void cancelStoresNothing();
    void preAssessmentNotChosen();
    void testModeNames();
    void browse_data();
    void browse();

    void accountCheckSendsTheForm();
    void accountCheck_data();
    void accountCheck();
    void accountCheckRefusesBadInput_data();
    void accountCheckRefusesBadInput();
    void accountCheckAtMostThreePerOpening();

private:
    void clickCheck(PreferenceDlg& dlg) { QTest::mouseClick(dlg.findChild<QPushButton*>("btnCheckPoints"), Qt::LeftButton); }

    QTemporaryDir m_certs;
    TestAuthority m_trusted;
    TestAuthority m_other;
    std::unique_ptr<FakeHttpsServer> m_server;
};

void TstPreferenceDlg::initTestCase()
{
    QString error;
    QVERIFY2(TestAuthority::make(m_certs.path(), "trusted", m_trusted, &error), qPrintable(error));
    QVERIFY2(TestAuthority::make(m_certs.path(), "other", m_other, &error), qPrintable(error));
    m_server.reset(new FakeHttpsServer(m_trusted.serverCertificate, m_trusted.serverKey));
    QVERIFY(m_server->start());
    CDeploymentData::useLocalServices(m_server->port());
    CDeploymentData::setCertificateFile(m_trusted.caCertificate);

    TabWndApp* app = TabWndApp::getMainApp();
    QCOMPARE(app->initApp(), 0);
    QCOMPARE(config().m_PenvaultServer.toQString(), m_server->host());
    CSqliteDBManager& db = app->database();
    for (const Row& row : kRows) db.saveParameter(row.setting, CString(row.seeded), 0);
    db.saveParameter("BusinessEFileNumDbg", CString("T9876"), 0);
    db.saveParameter("BusinessEFilePasswordDbg", CString("test-pw"), 0);
    app->readConfigDB();
}

void TstPreferenceDlg::cleanupTestCase()
{
    CDeploymentData::setCertificateFile(QString());
    CDeploymentData::useDeploymentServices();
    m_server.reset();
}

void TstPreferenceDlg::init()
{
    m_server->clearScript();
    m_server->clearRequests();
    QVERIFY(m_server->useCertificate(m_trusted.serverCertificate, m_trusted.serverKey));
}

void TstPreferenceDlg::opens()
{
    PreferenceDlg dlg(nullptr);
    QCOMPARE(dlg.windowTitle(), QString("Preference"));
    auto* tabs = dlg.findChild<QTabWidget*>("tabWidget");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
    QCOMPARE(titles, (QStringList{"Folder settings", "Tax preparer info.", CDeploymentData::esignServiceName()}));
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("Tax preparer info."));
    QCOMPARE(dlg.findChild<QLineEdit*>("edtEFilerPswd")->echoMode(), QLineEdit::PasswordEchoOnEdit);
    QCOMPARE(dlg.findChild<QLineEdit*>("edtUserPswd")->echoMode(), QLineEdit::PasswordEchoOnEdit);
    QVERIFY(!dlg.findChild<QWidget*>("tabRepresentative")->isVisibleTo(&dlg));
}

void TstPreferenceDlg::showsSettings_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("value");
    for (const Row& row : kRows) QTest::newRow(row.setting) << row.widget << row.seeded;
}

void TstPreferenceDlg::showsSettings()
{
    QFETCH(QString, widget);
    QFETCH(QString, value);
    PreferenceDlg dlg(nullptr);
    QCOMPARE(shown(dlg, widget), value);
}

void TstPreferenceDlg::applyStoresEverySetting()
{
    {
        PreferenceDlg dlg(nullptr);
        dlg.show();
        for (const Row& row : kRows) enter(dlg, row.widget, row.applied);
        QTest::mouseClick(dlg.findChild<QPushButton*>("btnApply"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
    for (const Row& row : kRows) {
        QCOMPARE(settingOf(row.setting).get(), QString(row.applied));
        const QString inTable = stored(row.setting);
        QVERIFY2(inTable == row.applied || (row.applied == QString("0") && inTable == "no")
                     || (row.applied == QString("1") && inTable == "yes"),
                 qPrintable(QString("%1 stored as %2").arg(row.setting, inTable)));
    }
    // New forms take the preparer's details at once.
    QCOMPARE(preparerSettings().BusinessName.toQString(), QString("Lee & Fils Impôts"));

    // As after a restart: the settings read back from the database alone.
    for (const Row& row : kRows) settingOf(row.setting).set("9");
    TabWndApp::getMainApp()->readConfigDB();
    for (const Row& row : kRows) QCOMPARE(settingOf(row.setting).get(), QString(row.applied));
    PreferenceDlg reopened(nullptr);
    for (const Row& row : kRows) QCOMPARE(shown(reopened, row.widget), QString(row.applied));
}

void TstPreferenceDlg::cancelStoresNothing()
{
    const int rows = configRows();
    QStringList before;
    for (const Row& row : kRows) before << settingOf(row.setting).get();
    {
        PreferenceDlg dlg(nullptr);
        dlg.show();
        for (const Row& row : kRows) enter(dlg, row.widget, row.seeded);
        QTest::mouseClick(dlg.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }
    QCOMPARE(configRows(), rows);
    QStringList after;
    for (const Row& row : kRows) after << settingOf(row.setting).get();
    QCOMPARE(after, before);
}

void TstPreferenceDlg::preAssessmentNotChosen()
{
    config().m_PreAssessment = -1;
    config().m_PostAssessment = 0;
    PreferenceDlg dlg(nullptr);
    dlg.show();
    QVERIFY(!dlg.findChild<QRadioButton*>("rdoPreAssessTaxPayer")->isChecked());
    QVERIFY(!dlg.findChild<QRadioButton*>("rdoPreAssessPreparer")->isChecked());
    QTest::mouseClick(dlg.findChild<QPushButton*>("btnApply"), Qt::LeftButton);
    QCOMPARE(config().m_PreAssessment, -1);
    QCOMPARE(stored("PreAssessment"), QString("-1"));
    QCOMPARE(stored("PostAssessment"), QString("0"));
}

void TstPreferenceDlg::testModeNames()
{
    TabWndApp* app = TabWndApp::getMainApp();
    const QString production = stored("BusinessEFileNum");
    config().m_MODEDEBUG = true;
    app->readConfigDB();
    {
        PreferenceDlg dlg(nullptr);
        dlg.show();
        QCOMPARE(shown(dlg, "edtEFilerID"), QString("T9876"));
        QCOMPARE(shown(dlg, "edtEFilerPswd"), QString("test-pw"));
        enter(dlg, "edtEFilerID", "T5555");
        enter(dlg, "edtEFilerPswd", "test-pw-2");
        QTest::mouseClick(dlg.findChild<QPushButton*>("btnApply"), Qt::LeftButton);
    }
    QCOMPARE(stored("BusinessEFileNumDbg"), QString("T5555"));
    QCOMPARE(stored("BusinessEFilePasswordDbg"), QString("test-pw-2"));
    QCOMPARE(stored("BusinessEFileNum"), production);
    config().m_MODEDEBUG = false;
    app->readConfigDB();
    QCOMPARE(config().m_BusinessEFileNum.toQString(), production);
}

void TstPreferenceDlg::browse_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("return folder chosen") << "btnBrowseRetFilesFolder" << "edtFolderRetFiles" << true;
    QTest::newRow("return folder cancelled") << "btnBrowseRetFilesFolder" << "edtFolderRetFiles" << false;
    QTest::newRow("pdf folder chosen") << "btnBrowsePdfFilesFolder" << "edtFolderPdfFiles" << true;
    QTest::newRow("pdf folder cancelled") << "btnBrowsePdfFilesFolder" << "edtFolderPdfFiles" << false;
}

void TstPreferenceDlg::browse()
{
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(bool, chosen);
    PreferenceDlg dlg(nullptr);
    dlg.show();
    const QString before = shown(dlg, edit);
    Prompt::Scripted prompts;
    if (chosen)
        prompts.type("/srv/chosen/folder");
    else
        prompts.cancel();
    QTest::mouseClick(dlg.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(prompts.asked().size(), 1);
    QCOMPARE(prompts.asked().first().kind, Prompt::Kind::Directory);
    QCOMPARE(prompts.asked().first().title, QString("Select Folder (need write access)"));
    QCOMPARE(prompts.asked().first().initial, before);
    QCOMPARE(shown(dlg, edit), chosen ? QDir::toNativeSeparators("/srv/chosen/folder") : before);
}

void TstPreferenceDlg::accountCheckSendsTheForm()
{
    m_server->script(kVerifyPath, FakeReply::json("{\"points\":12}"));
    PreferenceDlg dlg(nullptr);
    dlg.show();
    enter(dlg, "edtUserEmail", "ann.lee+tax@example.ca");
    enter(dlg, "edtUserPswd", "p&ss=w rd");
    Prompt::Scripted prompts;
    clickCheck(dlg);
    const QList<RecordedRequest> requests = m_server->requests(kVerifyPath);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].method, QByteArray("POST"));
    QCOMPARE(requests[0].header("content-type"), QByteArray("application/x-www-form-urlencoded"));
    QVERIFY(requests[0].header("authorization").isEmpty());
    const QList<QPair<QString, QString>> expected = {{"email", "ann.lee+tax@example.ca"},
                                                     {"password", "p&ss=w rd"},
                                                     {"msg", "testing"},
                                                     {"formname", "E-Auth"},
                                                     {"sfwrver", TabWndApp::s_appTitle}};
    QCOMPARE(requests[0].formFields(), expected);
    // The check uses what is typed, not what is stored, and stores nothing.
    QVERIFY(config().m_PenvaultEmail.toQString() != "ann.lee+tax@example.ca");
    QCOMPARE(prompts.texts(), QStringList{QString("Your account has 12 points availalbe. [%1]").arg(m_server->host())});
}

void TstPreferenceDlg::accountCheck_data()
{
    QTest::addColumn<FakeReply>("reply");
    QTest::addColumn<bool>("otherAuthority");
    QTest::addColumn<QString>("message"); // %host: the service's host
    QTest::addColumn<int>("received");

    const QString failed = kCheckFailed;
    QTest::newRow("12 points") << FakeReply::json("{\"points\":12}") << false
                               << "Your account has 12 points availalbe. [%host]" << 1;
    QTest::newRow("0 points") << FakeReply::json("{\"points\":0}") << false
                              << "Your account has 0 points availalbe. [%host]" << 1;
    QTest::newRow("-1 points: the login failed") << FakeReply::json("{\"points\":-1}") << false
                                                 << CDeploymentData::esignLoginFailedMessage() << 1;
    QTest::newRow("points and the subscription")
        << FakeReply::json("{\"points\":3,\"subscription\":\"2022-12-31\",\"subscriptionStatus\":\"active\"}") << false
        << "Your account has 3 points availalbe. [%host]\nSubscription ends 2022-12-31.\nStatus: active" << 1;
    QTest::newRow("subscription alone") << FakeReply::json("{\"subscription\":\"2022-12-31\"}") << false
                                        << "\nSubscription ends 2022-12-31." << 1;
    QTest::newRow("subscriptionStatus alone") << FakeReply::json("{\"subscriptionStatus\":\"expired\"}") << false
                                              << "\nStatus: expired" << 1;
    QTest::newRow("nothing known") << FakeReply::json("{\"credits\":12}") << false << failed << 1;
    QTest::newRow("not JSON") << FakeReply::text("<html>maintenance</html>") << false << failed << 1;
    QTest::newRow("longer than 1024 characters")
        << FakeReply::json("{\"points\":12,\"note\":\"" + QByteArray(1024, 'x') + "\"}") << false << failed << 1;
    QTest::newRow("HTTP 500 with points in the body") << FakeReply::json("{\"points\":12}", 500) << false << failed
                                                      << 1;
    QTest::newRow("dropped connection") << FakeReply::drop() << false << failed << 1;
    QTest::newRow("certificate from another authority") << FakeReply::json("{\"points\":12}") << true << failed << 0;
}

void TstPreferenceDlg::accountCheck()
{
    QFETCH(FakeReply, reply);
    QFETCH(bool, otherAuthority);
    QFETCH(QString, message);
    QFETCH(int, received);
    m_server->script(kVerifyPath, reply);
    if (otherAuthority) QVERIFY(m_server->useCertificate(m_other.serverCertificate, m_other.serverKey));

    PreferenceDlg dlg(nullptr);
    dlg.show();
    enter(dlg, "edtUserEmail", "lee@example.ca");
    enter(dlg, "edtUserPswd", "s3cret");
    Prompt::Scripted prompts;
    clickCheck(dlg);
    QCOMPARE(prompts.texts(), QStringList{QString(message).replace("%host", m_server->host())});
    QCOMPARE(prompts.titles(), QStringList{gMsgGetTitle(TabWndApp::s_appPurpose)});
    QCOMPARE(m_server->count(kVerifyPath), received);
}

void TstPreferenceDlg::accountCheckRefusesBadInput_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::newRow("no e-mail") << "" << "s3cret";
    QTest::newRow("no password") << "lee@example.ca" << "";
    QTest::newRow("e-mail without a domain") << "lee@" << "s3cret";
    QTest::newRow("e-mail without an at sign") << "lee.example.ca" << "s3cret";
}

void TstPreferenceDlg::accountCheckRefusesBadInput()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    m_server->script(kVerifyPath, FakeReply::json("{\"points\":12}"));
    PreferenceDlg dlg(nullptr);
    dlg.show();
    enter(dlg, "edtUserEmail", email);
    enter(dlg, "edtUserPswd", password);
    Prompt::Scripted prompts;
    clickCheck(dlg);
    QCOMPARE(prompts.texts(), QStringList{"Please enter valid email address and password for user points."});
    QCOMPARE(m_server->count(), 0);
}

void TstPreferenceDlg::accountCheckAtMostThreePerOpening()
{
    m_server->script(kVerifyPath, FakeReply::json("{\"points\":12}"));
    PreferenceDlg dlg(nullptr);
    dlg.show();
    enter(dlg, "edtUserEmail", "lee@example.ca");
    enter(dlg, "edtUserPswd", "s3cret");
    Prompt::Scripted prompts;
    for (int click = 0; click < 4; ++click) clickCheck(dlg);
    QCOMPARE(m_server->count(kVerifyPath), 3);
    QCOMPARE(prompts.asked().size(), 3);

    // A new opening may check again.
    PreferenceDlg again(nullptr);
    again.show();
    enter(again, "edtUserEmail", "lee@example.ca");
    enter(again, "edtUserPswd", "s3cret");
    clickCheck(again);
    QCOMPARE(m_server->count(kVerifyPath), 4);
}

QUILLMERE_APP_TEST_MAIN(TstPreferenceDlg)
#include "tst_preferencedlg.moc"
