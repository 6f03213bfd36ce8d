// The two one-page wizards around a NETFILE transmission: the online-mail
// sign-up (Finish only once answered) and the after-filing links, whose
// lines follow the e-mail flag and the balance.

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "deploymentdata.h"
#include "ppgafternetfile.h"
#include "ppgsignupemail.h"
#include "wizardbase.h"

class FilingPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void signupFinishWaitsForAnAnswer_data();
    void signupFinishWaitsForAnAnswer();
    void afterNetfileLines_data();
    void afterNetfileLines();
};

void FilingPagesTest::signupFinishWaitsForAnAnswer_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << "fld_signup_0" << 0;
    QTest::newRow("no") << "fld_signup_1" << 1;
}

void FilingPagesTest::signupFinishWaitsForAnAnswer()
{
    QFETCH(QString, choice);
    QFETCH(int, answer);
    DataPpgSignupEmail data;
    QCOMPARE(data.fld_signup->GetValue(), -1);
    WizardBase wizard(nullptr, QStringLiteral("Online Email Promotion"));
    wizard.addPage(new PpgSignupEmail_tab1(&data, &wizard));
    wizard.initUI(600, 500);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    QAbstractButton* finish = wizard.button(QWizard::FinishButton);
    QTest::mouseClick(finish, Qt::LeftButton);
    QVERIFY2(wizard.isVisible(), "Finish closed the page with nothing chosen");
    QCOMPARE(data.fld_signup->GetValue(), -1);

    auto* radio = wizard.findChild<QRadioButton*>(choice);
    QVERIFY(radio);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
    QTest::mouseClick(finish, Qt::LeftButton);
    QVERIFY(!wizard.isVisible());
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QCOMPARE(data.fld_signup->GetValue(), answer);
}

void FilingPagesTest::afterNetfileLines_data()
{
    QTest::addColumn<bool>("email");
    QTest::addColumn<double>("balance");
    QTest::addColumn<bool>("line1");
    QTest::addColumn<bool>("line2");
    QTest::addColumn<bool>("line3");
    QTest::newRow("refund of exactly one cent: both lines") << false << -0.01 << false << true << true;
    QTest::newRow("nil with an e-mail") << true << 0.0 << true << false << true;
    QTest::newRow("refund of 50, no e-mail") << false << -50.0 << false << true << false;
    QTest::newRow("owing 0.02 with an e-mail") << true << 0.02 << true << false << true;
    QTest::newRow("a left-over below a cent counts as nil") << false << -0.0100000004 << false << true << true;
    QTest::newRow("refund of two cents") << false << -0.02 << false << true << false;
}

void FilingPagesTest::afterNetfileLines()
{
    QFETCH(bool, email);
    QFETCH(double, balance);
    QFETCH(bool, line1);
    QFETCH(bool, line2);
    QFETCH(bool, line3);
    WizardBase wizard(nullptr, QStringLiteral("CRA Online Service"));
    wizard.addPage(new PpgAfterNetfile_tab1(email, balance, &wizard));
    wizard.initUI(700, 500);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));

    auto visible = [&wizard](const char* name) {
        auto* label = wizard.findChild<QLabel*>(QLatin1String(name));
        return label && label->isVisible();
    };
    for (const char* name : {"line1_1", "line1_2", "line1_myaccount"})
        QCOMPARE(visible(name), line1);
    for (const char* name : {"line2_1", "line2_2", "line2_DirDeposit"})
        QCOMPARE(visible(name), line2);
    for (const char* name : {"line3_1", "line3_2", "line3_PayNow", "line3_4", "line3_Pay", "line3_6"})
        QCOMPARE(visible(name), line3);

    auto link = [&wizard](const char* name) { return wizard.findChild<QLabel*>(QLatin1String(name)); };
    if (line1) {
        QCOMPARE(link("line1_myaccount")->text(),
                 QStringLiteral("<a href=\"%1\">My Account</a>").arg(CDeploymentData::agencyMyAccountUrl()));
        QVERIFY(link("line1_myaccount")->openExternalLinks());
    }
    if (line2)
        QCOMPARE(link("line2_DirDeposit")->text(),
                 QStringLiteral("<a href=\"%1\">Direct Deposit</a>").arg(CDeploymentData::agencyDirectDepositUrl()));
    if (line3) {
        QCOMPARE(link("line3_PayNow")->text(),
                 QStringLiteral("<a href=\"%1\">Pay Now</a>").arg(CDeploymentData::agencyMakePaymentUrl()));
        QCOMPARE(
            link("line3_Pay")->text(),
            QStringLiteral("<a href=\"%1\">Arrange to pay</a>").arg(CDeploymentData::agencyPaymentArrangementsUrl()));
        QVERIFY(link("line3_Pay")->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    }
    QTest::mouseClick(wizard.button(QWizard::FinishButton), Qt::LeftButton);
    QVERIFY(!wizard.isVisible());
}

QTEST_MAIN(FilingPagesTest)
#include "tst_filingpages.moc"
