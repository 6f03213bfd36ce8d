// New in the records dialog, end to end with the fake agency and a fake
// browser: the terms, the S.I.N.s (grouped ones sent as nine digits), the
// progress dialog and the list read again; a download that found nobody;
// the notice messages one box each in S.I.N. order; and the steps that end
// the command before any download.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTcpSocket>
#include <QTextBrowser>
#include <QtTest>
#include <cstring>
#include <memory>

#include "dlgfilingterm.h"
#include "dlgtddentersin.h"
#include "dlgtddmain.h"
#include "dlgtddprogresswait.h"
#include "faketaxdataservice.h"
#include "hashes.h"
#include "modaldriver.h"
#include "prompt.h"
#include "tddfixture.h"
#include "tddhttpserver.h"
#include "workerdb.h"

namespace {


// The progress dialog closes itself once the download ends; one that never
// ends is cancelled, so the test fails instead of hanging.
void letItFinish(QWidget* progress)
{
    QTimer::singleShot(30000, progress, [progress] { qobject_cast<QDialog*>(progress)->reject(); });
}

QPushButton* buttonOf(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox*>("buttonBox")->button(which);
}

// What the terms showed: title | agree text | body mentions NETFILE.
QString agreeToTerms(QWidget* w, bool agree = true)
{
    auto* terms = qobject_cast<DlgFilingTerm*>(w);
    if (!terms) return QStringLiteral("not the terms: %1").arg(w->metaObject()->className());
    const QString shown = terms->windowTitle() + "|" + terms->findChild<QLabel*>("lblAgree")->text() + "|" +
                          terms->findChild<QTextBrowser*>("fld_term")->toPlainText().section('\n', 0, 0);
    if (agree) terms->findChild<QCheckBox*>("fld_bAgree")->setChecked(true);
    QTest::mouseClick(buttonOf(terms, agree ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
    return shown;
}

void enterSins(QWidget* w, const QStringList& sins)
{
    for (int i = 0; i < sins.size(); ++i)
        QTest::keyClicks(w->findChild<QLineEdit*>(QStringLiteral("edtSin%1").arg(i + 1, 2, 10, QLatin1Char('0'))),
                         sins.at(i));
    QTest::mouseClick(buttonOf(w, QDialogButtonBox::Ok), Qt::LeftButton);
}

QStringList listed(DlgTDDMain& dlg)
{
    QAbstractItemModel* model = dlg.findChild<QTableView*>("tableView")->model();
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r) out << model->index(r, 0).data().toString();
    return out;
}

} // namespace

class TstDlgTddMainNew : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void autoFillDownloadReloadsTheList();
    void nobodyFoundKeepsTheList();
    void noticeMessagesInSinOrder();
    void endsBeforeAnyDownload_data();
    void endsBeforeAnyDownload();
    void downloadWithoutRecordSaysWhy_data();
    void downloadWithoutRecordSaysWhy();

private:
    std::unique_ptr<DlgTDDMain> dialog(short forWhich);
    // The S.I.N.s of each download started, joined by commas.
    QStringList downloads() const
    {
        QStringList out;
        for (const auto& sins : m_downloads) {
            QStringList one;
            for (const std::string& s : sins) one << QString::fromStdString(s);
            out << one.join(',');
        }
        return out;
    }

    AgencyFixture m_agency;
    std::unique_ptr<TddHttpServer> m_http;
    QList<std::list<std::string>> m_downloads;
};

void TstDlgTddMainNew::initTestCase() { QCOMPARE(m_agency.start(), QString()); }

void TstDlgTddMainNew::cleanupTestCase() { m_agency.stop(); }

void TstDlgTddMainNew::init()
{
    m_downloads.clear();
    m_http = signingInServer(m_agency, callbackTestPort());
    QVERIFY(m_http);
}

void TstDlgTddMainNew::cleanup()
{
    QVERIFY2(closeWhenIdle(m_agency, m_http), "a download still runs");
}

std::unique_ptr<DlgTDDMain> TstDlgTddMainNew::dialog(short forWhich)
{
    auto dlg = std::make_unique<DlgTDDMain>(forWhich, m_agency.db->gui(), CString(), nullptr, nullptr);
    dlg->setProgressDialogMaker([this](short kind, const std::list<std::string>& sins, QWidget* parent) {
        m_downloads << sins;
        auto progress = std::make_unique<DlgTDDProgressWait>(kind, sins, m_http.get(), parent);
        progress->setCallbackPort(callbackTestPort());
        return progress;
    });
    dlg->show();
    return dlg;
}

void TstDlgTddMainNew::autoFillDownloadReloadsTheList()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    agency.data("20", "t", autoFillDelivery(autoFillItem(kSin1)));
    auto dlg = dialog(1);
    QCOMPARE(listed(*dlg), QStringList());

    QString terms;
    ModalDriver modal;
    modal.then([&](QWidget* w) { terms = agreeToTerms(w); })
        .then([](QWidget* w) { enterSins(w, {"046 454 286"}); })
        .then(letItFinish);
    Prompt::Scripted prompts;
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnNew"), Qt::LeftButton);

    QCOMPARE(modal.seen(), QStringList({"DlgFilingTerm", "DlgTDDEnterSin", "DlgTDDProgressWait"}));
    QCOMPARE(terms, QString("Auto-Fill Tax Return|I agree to the terms and conditions|NETFILE"));
    QCOMPARE(downloads(), QStringList{kSin1});
    QCOMPARE(agency.requests().first().sins, QStringList{kSin1});
    QCOMPARE(listed(*dlg), QStringList{kSin1});
    QCOMPARE(prompts.asked().size(), 0);
    QVERIFY(dlg->isVisible());
}

void TstDlgTddMainNew::nobodyFoundKeepsTheList()
{
    FakeTaxDataService agency(*m_agency.server, kKey);
    agency.stage("0", "tokenC-abc");
    agency.data("20", "t", autoFillDelivery(autoFillItem("130692544"))); // not asked for
    QSqlQuery(m_agency.db->gui()).exec("insert into tb_taxpayers (id, name, sin) values (7, '', '123456782')");
    QSqlQuery(m_agency.db->gui()).exec("insert into tb_taxdata (uid, create_time, taxyear) values (7, '2022-01-01', 2021)");
    auto dlg = dialog(1);
    QCOMPARE(listed(*dlg), QStringList{kSin2});

    ModalDriver modal;
    modal.then([](QWidget* w) { agreeToTerms(w); }).then([](QWidget* w) { enterSins(w, {kSin1}); }).then(letItFinish);
    Prompt::Scripted prompts;
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnNew"), Qt::LeftButton);

    QCOMPARE(modal.seen().size(), 3);
    QCOMPARE(prompts.texts(), QStringList{"No record is found at the CRA system, please try later!"});
    QCOMPARE(listed(*dlg), QStringList{kSin2});
}

void TstDlgTddMainNew::noticeMessagesInSinOrder()
{
    FakeTaxDataService agency(*m_agency.server, kKey, true);
    agency.stage("0", "tokenC-abc");
    agency.data("20", "t", noticeDelivery(noticeItem(kSin2, "Your balance is $40") + noticeItem(kSin1, "")));
    auto dlg = dialog(2);

    QString terms;
    ModalDriver modal;
    modal.then([&](QWidget* w) { terms = agreeToTerms(w); })
        .then([](QWidget* w) { enterSins(w, {kSin2, kSin1}); })
        .then(letItFinish);
    Prompt::Scripted prompts;
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnNew"), Qt::LeftButton);

    QCOMPARE(terms, QString("Express NOA|I agree to the terms and conditions|NETFILE"));
    QCOMPARE(downloads(), QStringList{QString(kSin2) + "," + kSin1});
    QCOMPARE(prompts.texts(), QStringList({QString("For tax payer (S.I.N. %1), no message presents.").arg(kSin1),
                                           QString("For tax payer (S.I.N. %1), Your balance is $40.").arg(kSin2)}));
    QStringList sins = listed(*dlg);
    sins.sort();
    QCOMPARE(sins, QStringList({kSin1, kSin2}));
}

void TstDlgTddMainNew::endsBeforeAnyDownload_data()
{
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("terms cancelled") << false << QStringList{"DlgFilingTerm"} << QStringList{};
    QTest::newRow("cancel after a refused OK")
        << true << QStringList({"DlgFilingTerm", "DlgTDDEnterSin"}) << QStringList{"The S.I.N (046454287) entered is invalid!"};
}

void TstDlgTddMainNew::endsBeforeAnyDownload()
{
    QFETCH(bool, agree);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, messages);
    auto dlg = dialog(1);
    ModalDriver modal;
    modal.then([agree](QWidget* w) { agreeToTerms(w, agree); }).then([](QWidget* w) {
        enterSins(w, {kSin1, "046454287"});
        QVERIFY(w->isVisible());
        QTest::mouseClick(buttonOf(w, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    Prompt::Scripted prompts;
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnNew"), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(modal.seen(), seen);
    QCOMPARE(prompts.texts(), messages);
    QCOMPARE(m_downloads.size(), 0);
    QCOMPARE(m_agency.server->count(), 0);
}

void TstDlgTddMainNew::downloadWithoutRecordSaysWhy_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("the agency holds nothing") << "10" << QStringList{"No record is found at the CRA system, please try later!"};
    QTest::newRow("not ready") << "not ready"
                               << QStringList{"Your tax data is not ready at the CRA yet. Please try again later."};
    QTest::newRow("no network") << "drop"
                                << QStringList{"Cannot reach the CRA server. Check the Internet connection and try "
                                               "again; nothing was downloaded or changed."};
    QTest::newRow("cancelled while signing in") << "cancel" << QStringList();
}

// A download that stored nothing ends with the reason, not with a blanket
// "No record is found" that blames the agency for a failure here; a
// download the user cancelled ends without a word.
void TstDlgTddMainNew::downloadWithoutRecordSaysWhy()
{
    QFETCH(QString, ending);
    QFETCH(QStringList, messages);
    FakeTaxDataService agency(*m_agency.server, kKey);
    if (ending == "drop") {
        agency.reply(FakeReply::drop());
    } else {
        agency.stage("0", "tokenC-abc");
        if (ending == "10") agency.data("10", "t");
        if (ending == "not ready")
            for (int i = 0; i < 3; ++i) agency.data("0", "next");
        if (ending == "cancel") m_http->webService().setUrlOpener([](const QUrl&) { return true; });
    }
    auto dlg = dialog(1);
    ModalDriver modal;
    modal.then([](QWidget* w) { agreeToTerms(w); }).then([](QWidget* w) { enterSins(w, {kSin1}); });
    if (ending == "cancel")
        modal.then([](QWidget* w) {
            QTimer::singleShot(1500, w, [w] {
                QTest::mouseClick(buttonOf(w, QDialogButtonBox::Cancel), Qt::LeftButton);
            });
        });
    else
        modal.then(letItFinish);
    Prompt::Scripted prompts;
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnNew"), Qt::LeftButton);
    QCOMPARE(modal.seen().size(), 3);
    QCOMPARE(prompts.texts(), messages);
    QCOMPARE(listed(*dlg), QStringList());
    QVERIFY(dlg->isVisible());
}

QTEST_MAIN(TstDlgTddMainNew)
#include "tst_dlgtddmain_new.moc"
