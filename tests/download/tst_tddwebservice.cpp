// The tax-data download against the agency played by the fake: the stage
// request's token and S.I.N.s (the digest recomputed by the fake), its
// failures, the data rounds' progress codes, the sign-in URL handed to the
// browser, whole auto-fill and notice downloads stored through a worker's
// own connection, the offline reply parsers, and logs without secrets.

#include <QThread>
#include <QUrlQuery>
#include <QtTest>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "deploymentdata.h"
#include "fakenoticerenderer.h"
#include "faketaxdataservice.h"
#include "hashes.h"
#include "qwebclient.h"
#include "t1appconfig.h"
#include "tddwebservice.h"
#include "tddworkers.h"
#include "testauthority.h"
#include "tddfixture.h"
#include "workerdb.h"

namespace {

const char* const kTokenC = "tokenC-secret-1";
const char* const kTokenA = "tokenA-secret-1";
// Neither asked for nor ever logged.
const char* const kStranger = "999999998";

// A person's item as the agency writes it, with `prefix` on every element.
QByteArray personItem(const QByteArray& prefix, const char* sin, const QByteArray& instalment)
{
    const QByteArray p = prefix;
    return "<" + p + "IndividualIncomeTaxDataItem><" + p + "IndividualTaxpayerIdentifier>" + hashOf(sin) + "</" + p +
           "IndividualTaxpayerIdentifier><" + p + "Summary><" + p + "InstalmentAmount>" + instalment + "</" + p +
           "InstalmentAmount></" + p + "Summary></" + p + "IndividualIncomeTaxDataItem>";
}

QByteArray delivery(const QByteArray& prefix, const QByteArray& items)
{
    const QByteArray declare = prefix.isEmpty() ? QByteArray() : " xmlns:" + prefix.chopped(1) + "=\"urn:tdd\"";
    return "<" + prefix + "TaxDataDelivery" + declare + "><" + prefix + "TaxData>" + items + "</" + prefix +
           "TaxData></" + prefix + "TaxDataDelivery>";
}

} // namespace

class TstTddWebService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void stageRequestCarriesTokenAndSins_data();
    void stageRequestCarriesTokenAndSins();
    void stageFailures_data();
    void stageFailures();
    void signInUrlGoesToTheBrowser();
    void cancelDuringTheStageOpensNoBrowser();
    void dataRounds_data();
    void dataRounds();
    void eachRoundHasAFreshCreatedTime();
    void autoFillStoresAskedPersonsOnly_data();
    void autoFillStoresAskedPersonsOnly();
    void noticeMessagesAndStore();
    void noticeWithT1NoticeHasNoMessage();
    void offlineParsersReportBadReplies_data();
    void offlineParsersReportBadReplies();
    void tokenAIsDecoded_data();
    void tokenAIsDecoded();
    void busyFlagIsOneTestAndSet();
    void tokenAKeptWhileAWorkerRuns();
    void webAuthWorkerSurvivesAnException();
    void laterDownloadGetsNothingFromAnEarlierWorker();
    void endedDialogReceivesNothing();

private:
    // Runs `step` on a thread of its own, as a worker does, then lets the
    // queued posts arrive.
    void onWorker(const std::function<void()>& step);
    void attach(const std::list<std::string>& sins, short forWhich = 1);

    AgencyFixture m_agency;
    std::unique_ptr<TddWebService> m_service;
    std::unique_ptr<ProgressRecorder> m_dialog;
    QList<QUrl> m_opened;
};

void TstTddWebService::initTestCase() { QCOMPARE(m_agency.start(), QString()); }

void TstTddWebService::cleanupTestCase() { m_agency.stop(); }

void TstTddWebService::init()
{
    QVERIFY(m_agency.freshStore());
    m_service.reset(new TddWebService(m_agency.unused));
    m_agency.serve(*m_service);
    m_service->setNoticeFolders(CString(m_agency.db->folder() + "/noa"), CString(m_agency.db->folder()));
    m_opened.clear();
    m_service->setUrlOpener([this](const QUrl& url) {
        m_opened << url;
        return true;
    });
    m_dialog.reset(new ProgressRecorder);
}

void TstTddWebService::cleanup()
{
    // No token, key, full S.I.N. or hash of one (which trying every
    // nine-digit number reverses) ever reaches the logs.
    for (const char* name : {"/tddlog.txt", "/tddlog2.txt"}) {
        const QByteArray log = fileBytes(m_agency.db->folder() + name);
        for (const QByteArray& secret : {QByteArray(kKey), QByteArray(kSin1), QByteArray(kSin2), QByteArray(kStranger),
                                         hashOf(kSin1), hashOf(kSin2), hashOf(kStranger), QByteArray(kTokenC),
                                         QByteArray(kTokenA)})
            QVERIFY2(!log.toLower().contains(secret.toLower()),
                     qPrintable(QString("%1 holds %2").arg(name, QString(secret))));
    }
    m_service.reset();
    m_dialog.reset();
    m_agency.db.reset();
}

void TstTddWebService::onWorker(const std::function<void()>& step)
{
    std::unique_ptr<QThread> worker(QThread::create(step));
    worker->start();
    QVERIFY(worker->wait(30000));
    QCoreApplication::sendPostedEvents();
}

void TstTddWebService::attach(const std::list<std::string>& sins, short forWhich)
{
    m_service->setForWhich("2021", forWhich);
    m_service->setProgressDialog(m_dialog.get(), sins);
}

void TstTddWebService::stageRequestCarriesTokenAndSins_data()
{
    QTest::addColumn<int>("forWhich");
    QTest::addColumn<QStringList>("sins");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("tag");
    QTest::newRow("auto-fill, two") << 1 << QStringList{kSin1, kSin2} << "097N" << "StageTDDNetfile";
    QTest::newRow("auto-fill, none") << 1 << QStringList{} << "097N" << "StageTDDNetfile";
    QTest::newRow("notice") << 2 << QStringList{kSin1} << "097U" << "StageNOA";
}

void TstTddWebService::stageRequestCarriesTokenAndSins()
{
    QFETCH(int, forWhich);
    QFETCH(QStringList, sins);
    QFETCH(QString, user);
    QFETCH(QString, tag);
    FakeTaxDataService agency(*m_agency.server, kKey, forWhich != 1);
    agency.stage("0", kTokenC);
    agency.stage("0", kTokenC);
    std::list<std::string> list;
    for (const QString& sin : sins)
        list.push_back(sin.toStdString());
    attach(list, short(forWhich));

    int first = -1, second = -1;
    onWorker([&] {
        first = m_service->wsGetTokenC();
        second = m_service->wsGetTokenC();
    });
    QCOMPARE(first, 0);
    QCOMPARE(second, 0);
    QCOMPARE(QString::fromStdString(m_service->tokenC()), QString(kTokenC));
    QCOMPARE(m_dialog->joined(), QString("5,10,15,5,10,15"));

    const auto requests = agency.requests();
    QCOMPARE(requests.size(), 2);
    for (const auto& request : requests) {
        QVERIFY(request.digestOk);
        QCOMPARE(request.user, user);
        QCOMPARE(request.bodyTag, tag);
        QCOMPARE(request.sins, sins);
        QCOMPARE(request.nonce, QByteArray("quillmereapp2021").toBase64());
    }
}

void TstTddWebService::stageFailures_data()
{
    QTest::addColumn<QString>("script"); // "code", "fault" or "drop"
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("codes");
    QTest::newRow("non-zero code") << "3" << 100 << "5,10,1000:100";
    QTest::newRow("fault") << "fault" << 100 << "5,10,1000:100";
    QTest::newRow("not XML") << "html" << 100 << "5,10,1000:100";
    QTest::newRow("post failed") << "drop" << -20 << "5,1001:-20";
}

void TstTddWebService::stageFailures()
{
    QFETCH(QString, script);
    QFETCH(int, result);
    QFETCH(QString, codes);
    FakeTaxDataService agency(*m_agency.server, kKey);
    if (script == "fault")
        agency.fault("Invalid security token");
    else if (script == "drop")
        agency.reply(FakeReply::drop());
    else if (script == "html")
        agency.reply(FakeReply::text("<html><body>maintenance"));
    else
        agency.stage(script.toLatin1(), kTokenC);
    attach({kSin1});
    int got = 0;
    onWorker([&] { got = m_service->wsGetTokenC(); });
    QCOMPARE(got, result);
    QCOMPARE(m_dialog->joined(), codes);
    QVERIFY(m_service->tokenC().empty());
}

void TstTddWebService::signInUrlGoesToTheBrowser()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", kTokenC);
    attach({kSin1});
    onWorker([&] {
        if (m_service->wsGetTokenC() == 0)
            m_service->visitTDDWebAuthUrl();
    });
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first().toString(QUrl::FullyEncoded), QString(m_service->signInUrl()));
    const QUrlQuery query(m_opened.first());
    QCOMPARE(query.queryItemValue("t", QUrl::FullyDecoded), QString(kTokenC));
    QCOMPARE(query.queryItemValue("spID"), QString("097N"));
    QCOMPARE(m_dialog->joined(), QString("5,10,15,20"));

    // A desktop that refuses the address ends the download with its code.
    m_service->setUrlOpener([](const QUrl&) { return false; });
    QCOMPARE(m_service->visitTDDWebAuthUrl(), 99);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_dialog->joined(), QString("5,10,15,20,20,1003"));
}

void TstTddWebService::cancelDuringTheStageOpensNoBrowser()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", kTokenC);
    attach({kSin1});
    onWorker([&] { QCOMPARE(m_service->wsGetTokenC(), 0); });
    m_service->setProgressDialog(nullptr); // the dialog ends before the browser is asked
    QCOMPARE(m_service->visitTDDWebAuthUrl(), 99);
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(m_dialog->joined(), QString("5,10,15"));
}

void TstTddWebService::dataRounds_data()
{
    QTest::addColumn<QStringList>("rounds"); // return codes; "fault", "drop", "html"
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QStringList>("tokens"); // sent in each round
    QTest::newRow("0 then 20") << QStringList{"0", "20"} << "50,55,56,60,65,80,81,99:1000"
                               << QStringList{kTokenA, "next-token-1"};
    QTest::newRow("10: nothing to deliver") << QStringList{"10"} << "50,55,1005" << QStringList{kTokenA};
    QTest::newRow("another code") << QStringList{"7"} << "50,55,1000:7" << QStringList{kTokenA};
    QTest::newRow("three 0s: not ready") << QStringList{"0", "0", "0"} << "50,55,56,60,65,66,70,75,76,1004"
                              << QStringList{kTokenA, "next-token-1", "next-token-2"};
    // A fault to the browser's token: refused, not an ending (the server
    // waits for another callback); a later fault ends the download.
    QTest::newRow("fault: token refused") << QStringList{"fault"} << "50,55,45" << QStringList{kTokenA};
    QTest::newRow("fault in the second round") << QStringList{"0", "fault"} << "50,55,56,60,65,1000:100"
                                               << QStringList{kTokenA, "next-token-1"};
    QTest::newRow("unreadable") << QStringList{"html"} << "50,55,1000:100" << QStringList{kTokenA};
    QTest::newRow("no return code") << QStringList{"no-code"} << "50,55,1000:100" << QStringList{kTokenA};
    QTest::newRow("return code not a number") << QStringList{"ready"} << "50,55,1000:100" << QStringList{kTokenA};
    QTest::newRow("failed post") << QStringList{"0", "drop"} << "50,55,56,60,1001:-20"
                                 << QStringList{kTokenA, "next-token-1"};
    QTest::newRow("20 without a delivery") << QStringList{"20-empty"} << "50,55,80,81,99:995" << QStringList{kTokenA};
}

void TstTddWebService::dataRounds()
{
    QFETCH(QStringList, rounds);
    QFETCH(QString, codes);
    QFETCH(QStringList, tokens);
    FakeTaxDataService agency(*m_agency.server, kKey);
    int round = 0;
    for (const QString& r : rounds) {
        const QByteArray next = "next-token-" + QByteArray::number(++round);
        if (r == "fault")
            agency.fault("Server busy");
        else if (r == "drop")
            agency.reply(FakeReply::drop());
        else if (r == "html")
            agency.reply(FakeReply::text("<html>"));
        else if (r == "no-code")
            agency.reply(FakeReply::text(FakeTaxDataService::envelope(
                "<ns2:GetTDDNetfileResponse xmlns:ns2=\"urn:tdd\"><ns2:TokenIdentifier>" + next +
                "</ns2:TokenIdentifier></ns2:GetTDDNetfileResponse>")));
        else if (r == "20-empty")
            agency.data("20", next);
        else
            agency.data(r.toLatin1(), next, r == "20" ? delivery("ns2:", QByteArray()) : QByteArray());
    }
    attach({kSin1});
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    onWorker([&] { m_service->wsGetDataAtLast(); });
    QCOMPARE(m_dialog->joined(), codes);

    QStringList sent;
    for (const auto& request : agency.requests()) {
        QVERIFY(request.digestOk);
        QCOMPARE(request.bodyTag, QString("GetTDDNetfile"));
        sent << request.token;
    }
    QCOMPARE(sent, tokens);
}

void TstTddWebService::eachRoundHasAFreshCreatedTime()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.data("0", "next-token-1");
    agency.data("10", "t");
    m_service->setPacingMs(1100, 0); // the created time counts whole seconds
    attach({kSin1});
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    onWorker([&] { m_service->wsGetDataAtLast(); });
    const auto requests = agency.requests();
    QCOMPARE(requests.size(), 2);
    QVERIFY(requests.at(0).digestOk && requests.at(1).digestOk);
    QCOMPARE(requests.at(0).nonce, requests.at(1).nonce);
    QVERIFY(requests.at(0).created != requests.at(1).created);
}

void TstTddWebService::autoFillStoresAskedPersonsOnly_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("ns2") << QByteArray("ns2:");
    QTest::newRow("longer prefix") << QByteArray("tddns:");
    QTest::newRow("none") << QByteArray();
}

void TstTddWebService::autoFillStoresAskedPersonsOnly()
{
    QFETCH(QByteArray, prefix);
    const QByteArray asked = personItem(prefix, kSin1, "150.00");
    const QByteArray stranger = personItem(prefix, kStranger, "999.00");
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.data("20", "t", delivery(prefix, stranger + asked));
    attach({kSin1, kSin2});
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    onWorker([&] { m_service->wsGetDataAtLast(); });

    QVERIFY2(m_dialog->joined().endsWith("81,85,85,90,99:1001"), qPrintable(m_dialog->joined()));
    QCOMPARE(m_dialog->recordCount, 1);
    QCOMPARE(m_agency.db->value("select count(*) from tb_taxdata").toInt(), 1);
    QCOMPARE(m_agency.db->value("select data1 from tb_taxdata").toByteArray(), asked);
    QCOMPARE(m_agency.db->value(QString("select count(*) from tb_taxpayers where sin='%1'").arg(kSin1)).toInt(), 1);
    QCOMPARE(m_agency.db->value(QString("select count(*) from tb_taxpayers where sin='%1'").arg(kSin2)).toInt(), 0);
}

void TstTddWebService::noticeMessagesAndStore()
{
    FakeTaxDataService agency(*m_agency.server, kKey, true);
    agency.data("20", "t", noticeDelivery(noticeItem(kSin1, "Your refund is $120") + noticeItem(kSin2, "")));
    attach({kSin1, kSin2}, 2);
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    onWorker([&] { m_service->wsGetDataAtLast(); });

    QCOMPARE(m_dialog->recordCount, 2);
    QVERIFY2(m_dialog->joined().endsWith("99:1002"), qPrintable(m_dialog->joined()));
    QCOMPARE(m_dialog->messages.value(kSin1), QString("For tax payer (S.I.N. %1), Your refund is $120.").arg(kSin1));
    QCOMPARE(m_dialog->messages.value(kSin2), QString("For tax payer (S.I.N. %1), no message presents.").arg(kSin2));
    // Each stored reply holds its own notice only.
    const QByteArray first = m_agency.db->value(QString("select data1 from tb_taxnoa n join tb_taxpayers p on p.id=n.uid "
                                                 "where p.sin='%1'").arg(kSin1)).toByteArray();
    QVERIFY(first.contains(hashOf(kSin1)));
    QVERIFY(!first.contains(hashOf(kSin2)));
    QVERIFY(first.contains("GetNOAResponse"));
}

void TstTddWebService::noticeWithT1NoticeHasNoMessage()
{
    CDeploymentData::useLocalServices(m_agency.server->port());
    FakeNoticeRenderer renderer(*m_agency.server);
    renderer.answerPage("<html>notice</html>");
    QByteArray item = noticeItem(kSin1, "Your refund is $120");
    item.replace("</NoticeOfAssessmentItem>", "<T1Notice><Line>1</Line></T1Notice></NoticeOfAssessmentItem>");
    FakeTaxDataService agency(*m_agency.server, kKey, true);
    agency.data("20", "t", noticeDelivery(item));
    attach({kSin1}, 2);
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    onWorker([&] { m_service->wsGetDataAtLast(); });
    CDeploymentData::useDeploymentServices();

    QCOMPARE(m_dialog->recordCount, 1);
    QVERIFY(m_dialog->messages.isEmpty());
    QCOMPARE(renderer.posts().size(), 1);
    QCOMPARE(m_agency.db->value("select count(*) from tb_taxnoa").toInt(), 1);
}

void TstTddWebService::offlineParsersReportBadReplies_data()
{
    QTest::addColumn<int>("forWhich");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::newRow("auto-fill, not XML") << 1 << QByteArray("<a><b>") << -2;
    QTest::newRow("auto-fill, no response") << 1 << FakeTaxDataService::envelope("<Other/>") << -5;
    QTest::newRow("notice, not XML") << 2 << QByteArray("garbage") << -2;
    QTest::newRow("notice, no response") << 2 << FakeTaxDataService::envelope("<GetNOAResponse/>") << -5;
    QTest::newRow("notice without identifier is skipped")
        << 2
        << FakeTaxDataService::envelope("<GetNOAResponse>" +
                                        noticeDelivery(noticeItem(kSin1, "ok") + "<NoticeOfAssessmentItem/>") +
                                        "</GetNOAResponse>")
        << 1;
    QTest::newRow("auto-fill item without identifier is skipped")
        << 1
        << FakeTaxDataService::envelope("<GetTDDNetfileResponse>" +
                                        delivery("", "<IndividualIncomeTaxDataItem/>" + personItem("", kSin1, "1")) +
                                        "</GetTDDNetfileResponse>")
        << 1;
}

void TstTddWebService::offlineParsersReportBadReplies()
{
    QFETCH(int, forWhich);
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    attach({kSin1}, short(forWhich));
    int got = 0;
    onWorker([&] {
        got = forWhich == 1 ? m_service->parseTDDTaxData(nullptr, reply.toStdString())
                            : m_service->parseNOATaxData(nullptr, reply.toStdString());
    });
    QCOMPARE(got, result);
}

void TstTddWebService::tokenAIsDecoded_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("stored");
    QTest::newRow("escaped plus") << QByteArray("abc%2Bdef") << 0 << "abc+def";
    QTest::newRow("six characters") << QByteArray("abcdef") << 0 << "abcdef";
    QTest::newRow("other characters kept") << QByteArray("a-b_c.d~e=f/g%2F") << 0 << "a-b_c.d~e=f/g/";
    // Refused tokens are not kept: no later request carries them.
    QTest::newRow("five after decoding") << QByteArray("ab%2Bde") << 1 << "";
    QTest::newRow("three") << QByteArray("abc") << 1 << "";
    QTest::newRow("markup, escaped") << QByteArray("abc%3C%2FTokenIdentifier%3E") << 1 << "";
    QTest::newRow("markup, as received") << QByteArray("abc<x>def") << 1 << "";
    QTest::newRow("ampersand") << QByteArray("abc%26amp%3Bdef") << 1 << "";
    QTest::newRow("double quote") << QByteArray("abc%22defg") << 1 << "";
    QTest::newRow("single quote") << QByteArray("abc%27defg") << 1 << "";
    QTest::newRow("line feed") << QByteArray("abc%0Adefg") << 1 << "";
    QTest::newRow("NUL") << QByteArray("abcdef%00g") << 1 << "";
    QTest::newRow("DEL") << QByteArray("abcdef%7Fg") << 1 << "";
}

void TstTddWebService::tokenAIsDecoded()
{
    QFETCH(QByteArray, received);
    QFETCH(int, result);
    QFETCH(QString, stored);
    QCOMPARE(m_service->webReturnSetTokenA(received.constData()), result);
    QCOMPARE(QString::fromStdString(m_service->tokenA()), stored);
}

void TstTddWebService::busyFlagIsOneTestAndSet()
{
    QVERIFY(m_service->enterInQuery());
    QVERIFY(!m_service->enterInQuery());
    QVERIFY(m_service->isInQuery());
    m_service->leaveOutQuery();
    QVERIFY(m_service->enterInQuery());
    m_service->reset();
    QVERIFY(!m_service->isInQuery());
}

void TstTddWebService::tokenAKeptWhileAWorkerRuns()
{
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    QVERIFY(m_service->enterInQuery()); // a data worker runs on token A
    QCOMPARE(m_service->webReturnSetTokenA("repeated-callback"), 0); // answered with the page
    QCOMPARE(m_service->webReturnSetTokenA("abc"), 1);
    QCOMPARE(QString::fromStdString(m_service->tokenA()), QString(kTokenA));
    m_service->leaveOutQuery();
    QCOMPARE(m_service->webReturnSetTokenA("next-download"), 0);
    QCOMPARE(QString::fromStdString(m_service->tokenA()), QString("next-download"));
}

void TstTddWebService::webAuthWorkerSurvivesAnException()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", kTokenC);
    attach({kSin1});
    bool asked = false;
    m_service->setUrlOpener([&](const QUrl&) -> bool {
        asked = true;
        throw std::runtime_error("no desktop");
    });
    QPointer<ThreadTDDGetWebAuth> worker(new ThreadTDDGetWebAuth(*m_service));
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(!worker, 20000); // finished and deleted, the program still running
    QVERIFY(asked);
    QVERIFY(!m_service->isInQuery());
    QCOMPARE(m_dialog->joined(), QString("5,10,15,20"));
}

void TstTddWebService::laterDownloadGetsNothingFromAnEarlierWorker()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.data("0", "next-token-1");
    agency.data("20", "t", delivery("ns2:", personItem("ns2:", kSin1, "150.00")));
    m_service->setPacingMs(300, 0);
    attach({kSin1});
    QCOMPARE(m_service->webReturnSetTokenA(kTokenA), 0);
    QVERIFY(m_service->enterInQuery()); // as the callback server does
    QPointer<ThreadTDDGetData> worker(new ThreadTDDGetData(*m_service));
    worker->start();
    QTRY_VERIFY(m_dialog->codes.contains("55"));
    // The user cancels during the data rounds and starts a notice download.
    m_service->setProgressDialog(nullptr);
    ProgressRecorder later;
    m_service->setProgressDialog(&later, {kSin2});
    m_service->setForWhich("2021", 2);
    QTRY_VERIFY_WITH_TIMEOUT(!worker, 20000);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(later.joined(), QString());
    QCOMPARE(later.recordCount, -1);
    // The earlier download goes on asking for its auto-fill data only ...
    QCOMPARE(m_agency.server->count(FakeTaxDataService::kAutoFillPath), 2);
    QCOMPARE(m_agency.server->count(FakeTaxDataService::kNoticePath), 0);
    for (const auto& request : agency.requests())
        QCOMPARE(request.bodyTag, QString("GetTDDNetfile"));
    // ... and stores the person its user asked for.
    QCOMPARE(m_agency.db->value(QString("select count(*) from tb_taxpayers where sin='%1'").arg(kSin1)).toInt(), 1);
    QCOMPARE(m_agency.db->value("select count(*) from tb_taxdata").toInt(), 1);
    QVERIFY(!m_service->isInQuery());
}

void TstTddWebService::endedDialogReceivesNothing()
{
    attach({kSin1});
    QCOMPARE(m_service->postProgressMessage(5), 0);
    m_dialog.reset(); // the dialog ends with a post still queued
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_service->postProgressMessage(10), 1);
    QCOMPARE(m_service->wsGetTokenC(), -5);
    QCOMPARE(m_agency.server->count(), 0);
    m_dialog.reset(new ProgressRecorder); // for cleanup
}

QTEST_GUILESS_MAIN(TstTddWebService)
#include "tst_tddwebservice.moc"
