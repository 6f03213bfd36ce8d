// The download's progress dialog driven as a user sees it: the status
// texts of the codes, the once-a-second display, whole downloads with the
// fake agency and a fake browser ending in the dialog closing itself,
// Cancel while waiting for the sign-in, a second show, and a saved reply
// parsed offline.

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpSocket>
#include <QtTest>
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

const int kPort = TddHttpServer::callbackPort(0);

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

private:
    std::unique_ptr<DlgTDDProgressWait> makeDialog(short forWhich = 1);

    AgencyFixture m_agency;
    std::unique_ptr<TddHttpServer> m_http;
};

void TstDlgTddProgressWait::initTestCase() { QCOMPARE(m_agency.start(), QString()); }

void TstDlgTddProgressWait::cleanupTestCase() { m_agency.stop(); }

void TstDlgTddProgressWait::init()
{
    m_http = signingInServer(m_agency, kPort);
    QVERIFY(m_http);
}

void TstDlgTddProgressWait::cleanup()
{
    QVERIFY2(closeWhenIdle(m_agency, m_http), "a download still runs");
}

std::unique_ptr<DlgTDDProgressWait> TstDlgTddProgressWait::makeDialog(short forWhich)
{
    auto dlg = std::make_unique<DlgTDDProgressWait>(forWhich, std::list<std::string>{kSin1, kSin2}, m_http.get());
    dlg->setCallbackPort(kPort);
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
    QTRY_VERIFY_WITH_TIMEOUT(m_http->isRunning(), 30000);
    QTest::mouseClick(dlg->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QVERIFY(!dlg->isVisible());
    QVERIFY(!m_http->isRunning());
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, quint16(kPort));
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

QTEST_MAIN(TstDlgTddProgressWait)
#include "tst_dlgtddprogresswait.moc"
