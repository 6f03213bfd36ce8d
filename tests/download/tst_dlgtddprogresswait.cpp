// The download's progress dialog driven as a user sees it: the status
// texts of the codes, the once-a-second display, whole downloads with the
// fake agency and a fake browser ending in the dialog closing itself,
// Cancel while waiting for the sign-in, a second show, and a saved reply
// parsed offline.

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <atomic>
#include <cstring>
#include <memory>

#include "dlgtddprogresswait.h"
#include "faketaxdataservice.h"
#include "hashes.h"
#include "qwebclient.h"
#include "tddfixture.h"
#include "tddhttpserver.h"
#include "testauthority.h"
#include "workerdb.h"

namespace {


QString status(DlgTDDProgressWait& dlg)
{
    return dlg.findChild<QLabel*>("lblStatus")->text();
}

} // namespace

class TstDlgTddProgressWait : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void statusTexts_data();
    void statusTexts();
    void timerShowsTheLatestCode();
    void wholeDownloadClosesItself();
    void stageFailureShowsErrorAndCloses();
    void cancelWhileWaitingForSignIn();
    void secondShowStartsNoSecondWorker();
    void savedReplyParsedOffline();
    void endings_data();
    void endings();
    void callbackTheInstantTheBrowserOpens();

private:
    std::unique_ptr<DlgTDDProgressWait> makeDialog(short forWhich = 1);

    AgencyFixture m_agency;
    std::unique_ptr<TddHttpServer> m_http;
};

void TstDlgTddProgressWait::initTestCase() { QCOMPARE(m_agency.start(), QString()); }

void TstDlgTddProgressWait::cleanupTestCase() { m_agency.stop(); }

void TstDlgTddProgressWait::init()
{
    m_http = signingInServer(m_agency, callbackTestPort());
    QVERIFY(m_http);
}

void TstDlgTddProgressWait::cleanup()
{
    QVERIFY2(closeWhenIdle(m_agency, m_http), "a download still runs");
}

std::unique_ptr<DlgTDDProgressWait> TstDlgTddProgressWait::makeDialog(short forWhich)
{
    auto dlg = std::make_unique<DlgTDDProgressWait>(forWhich, std::list<std::string>{kSin1, kSin2}, m_http.get());
    dlg->setCallbackPort(callbackTestPort());
    return dlg;
}

void TstDlgTddProgressWait::statusTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("detail");
    QTest::addColumn<QString>("text");
    QTest::newRow("token request") << 10 << 0 << "Start to token request ...";
    QTest::newRow("redirect") << 20 << 0
                              << "You are about to be redirected to CRA secure server to authorize Auto-Fill/Express-NOA ...";
    QTest::newRow("receive") << 50 << 0 << "Start to receive data ...";
    QTest::newRow("three saved") << 99 << 1003 << "3 record(s) saved into tax data locally (1003).";
    QTest::newRow("not XML") << 99 << 998 << "0 record(s) saved into tax data locally (998).";
    QTest::newRow("handshake") << 1000 << 100 << "initial web service handshake failed, code = 100";
    QTest::newRow("post failed") << 1000 << -20 << "some error occured, code = -20";
    QTest::newRow("unexpected") << 500 << 7 << "some unpected error occured, code = 500 - 7.";
    QTest::newRow("unchanged by 55") << 55 << 0 << "";
}

void TstDlgTddProgressWait::statusTexts()
{
    QFETCH(int, code);
    QFETCH(int, detail);
    QFETCH(QString, text);
    auto dlg = makeDialog();
    QCOMPARE(dlg->windowTitle(), QString("Auto-Fill Return Progress"));
    QCOMPARE(dlg->PostMessage(code, detail), 0);
    QCOMPARE(dlg->statusText(), text);
    QCOMPARE(dlg->code(), code);
}

void TstDlgTddProgressWait::timerShowsTheLatestCode()
{
    auto dlg = makeDialog(2);
    QCOMPARE(dlg->windowTitle(), QString("Express NOA Progress"));
    auto* bar = dlg->findChild<QProgressBar*>("progressBar");
    dlg->PostMessage(5, 0);
    dlg->PostMessage(10, 0);
    QVERIFY(bar->value() != 10); // nothing shown before the tick
    QTRY_COMPARE(bar->value(), 10);
    QCOMPARE(status(*dlg), QString("Start to token request ..."));
    QVERIFY(!m_http->isRunning());
    dlg->PostMessage(20, 0);
    QTRY_VERIFY(m_http->isRunning());
}

void TstDlgTddProgressWait::wholeDownloadClosesItself()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    agency.data("20", "t", autoFillDelivery(autoFillItem(kSin1)));
    auto dlg = makeDialog();
    dlg->show();
    QTRY_VERIFY_WITH_TIMEOUT(dlg->code() == 100, 30000);
    QCOMPARE(status(*dlg), QString("1 record(s) saved into tax data locally (1001)."));
    QCOMPARE(dlg->recordCount(), 1);
    QVERIFY(dlg->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 30000); // one tick, then 3000 ms
    QVERIFY(!m_http->isRunning());
    QCOMPARE(m_agency.db->value("select count(*) from tb_taxdata").toInt(), 1);
}

void TstDlgTddProgressWait::stageFailureShowsErrorAndCloses()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.fault("Invalid security token");
    auto dlg = makeDialog();
    dlg->show();
    QTRY_COMPARE_WITH_TIMEOUT(status(*dlg), QString("initial web service handshake failed, code = 100"), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(status(*dlg), QString("Error happened in auto-fill, please try again later."), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 30000);
}

void TstDlgTddProgressWait::cancelWhileWaitingForSignIn()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    m_http->webService().setUrlOpener([](const QUrl&) { return true; }); // the user never signs in
    auto dlg = makeDialog();
    dlg->show();
    QVERIFY(m_http->isRunning()); // before the browser is asked
    QTRY_VERIFY_WITH_TIMEOUT(dlg->code() >= 20, 30000);
    QVERIFY(m_http->isRunning());
    QTest::mouseClick(dlg->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QVERIFY(!dlg->isVisible());
    QVERIFY(!m_http->isRunning());
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, quint16(callbackTestPort()));
    QVERIFY(!late.waitForConnected(1000));
    QCOMPARE(m_agency.server->count(), 1); // the stage request only
}

void TstDlgTddProgressWait::secondShowStartsNoSecondWorker()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    m_http->webService().setUrlOpener([](const QUrl&) { return true; });
    auto dlg = makeDialog();
    dlg->show();
    dlg->hide();
    dlg->show();
    QTRY_VERIFY_WITH_TIMEOUT(dlg->code() >= 20, 30000);
    QTest::qWait(300);
    QCOMPARE(m_agency.server->count(), 1);
    dlg->reject();
}

void TstDlgTddProgressWait::savedReplyParsedOffline()
{
    const QString path = m_agency.db->folder() + "/saved-reply.xml";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(FakeTaxDataService::envelope("<ns2:GetTDDNetfileResponse xmlns:ns2=\"urn:tdd\"><ns2:ReturnCode>20"
                                            "</ns2:ReturnCode>" + autoFillDelivery(autoFillItem(kSin2)) +
                                            "</ns2:GetTDDNetfileResponse>"));
    file.close();
    auto dlg = makeDialog();
    dlg->setTaxDataFile(path);
    dlg->show();
    QCOMPARE(dlg->recordCount(), 1);
    QCOMPARE(m_agency.server->count(), 0);
    QCOMPARE(m_agency.db->value(QString("select count(*) from tb_taxpayers where sin='%1'").arg(kSin2)).toInt(), 1);
    dlg->reject();
}

void TstDlgTddProgressWait::endings_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("text");
    QTest::newRow("no network") << "unreachable"
                                << "Cannot reach the CRA server. Check the Internet connection and try again; nothing "
                                   "was downloaded or changed.";
    QTest::newRow("port taken") << "port taken"
                                << QString("The port %1 needed for the CRA sign-in is used by another program. Close "
                                           "that program and try again.")
                                       .arg(callbackTestPort());
    QTest::newRow("browser not opened") << "no browser" << "The web browser could not be opened for the CRA sign-in.";
    QTest::newRow("three rounds not ready") << "not ready"
                                            << "Your tax data is not ready at the CRA yet. Please try again later.";
    QTest::newRow("nothing to deliver") << "code 10" << "No record is found at the CRA system, please try later!";
    QTest::newRow("New right after Cancel")
        << "still ending" << "The previous download is still ending. Please wait a moment and try again.";
}

// Every ending posts its code: the dialog shows what happened and what to
// do, stops listening, closes itself, and hands the text to its caller.
void TstDlgTddProgressWait::endings()
{
    QFETCH(QString, setup);
    QFETCH(QString, text);
    FakeTaxDataService agency(*m_agency.server, kKey);
    TddWebService& service = m_http->webService();
    const QByteArray agencyHost = m_agency.config.m_TDDWebService[CT1AppConfig::TDD_SERVICE_HOST].bytes();
    QTcpServer blocker;
    if (setup == "unreachable") {
        QTcpServer probe; // a port that refuses connections
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const QByteArray closed = "127.0.0.1:" + QByteArray::number(probe.serverPort());
        probe.close();
        m_agency.config.m_TDDWebService[CT1AppConfig::TDD_SERVICE_HOST] = closed.constData();
    } else if (setup == "port taken") {
        QVERIFY(blocker.listen(QHostAddress::LocalHost, quint16(callbackTestPort())));
    } else if (setup == "no browser") {
        agency.stage("0", "tokenC-abc");
        service.setUrlOpener([](const QUrl&) { return false; });
    } else if (setup == "not ready") {
        agency.stage("0", "tokenC-abc");
        for (int i = 0; i < 3; ++i) agency.data("0", "next-token");
    } else if (setup == "code 10") {
        agency.stage("0", "tokenC-abc");
        agency.data("10", "t");
    } else if (setup == "still ending") {
        QVERIFY(service.enterInQuery()); // the worker of a download just cancelled
    }
    auto dlg = makeDialog();
    dlg->show();
    QTRY_COMPARE_WITH_TIMEOUT(status(*dlg), text, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 30000);
    QCOMPARE(status(*dlg), text); // not replaced by a vaguer one
    QCOMPARE(dlg->endingMessage(), text);
    QCOMPARE(dlg->recordCount(), 0);
    QVERIFY(!m_http->isRunning());
    m_agency.config.m_TDDWebService[CT1AppConfig::TDD_SERVICE_HOST] = agencyHost.constData();
    if (setup == "still ending") service.leaveOutQuery();
    if (setup == "port taken") QCOMPARE(m_agency.server->count(), 0); // no stage for a sign-in nobody could take
}

// A browser already signed in calls back the instant it is asked to open
// the sign-in page, once: the server already listens.
void TstDlgTddProgressWait::callbackTheInstantTheBrowserOpens()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    agency.data("20", "t", autoFillDelivery(autoFillItem(kSin1)));
    std::atomic<bool> reached{false};
    m_http->webService().setUrlOpener([&reached](const QUrl&) {
        QTcpSocket browser;
        browser.connectToHost(QHostAddress::LocalHost, quint16(callbackTestPort()));
        reached = browser.waitForConnected(1000);
        if (reached) {
            browser.write("GET /taxdata?t=tokenA-first HTTP/1.1\r\n\r\n");
            browser.waitForBytesWritten(2000);
            browser.waitForReadyRead(2000);
        }
        return true;
    });
    auto dlg = makeDialog();
    dlg->show();
    QTRY_VERIFY_WITH_TIMEOUT(dlg->code() == 100, 30000);
    QVERIFY(reached);
    QCOMPARE(dlg->recordCount(), 1);
    QCOMPARE(agency.requests().size(), 2);
    QCOMPARE(agency.requests().at(1).token, QStringLiteral("tokenA-first"));
}

QTEST_MAIN(TstDlgTddProgressWait)
#include "tst_dlgtddprogresswait.moc"
