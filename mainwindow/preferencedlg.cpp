#include "preferencedlg.h"

#include <QDir>

#include "deploymentdata.h"
#include "jsonutil.h"
#include "prompt.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "ui_preferencedlg.h"
#include "utils.h"

namespace {

const char kCheckFailed[] = "Check account points failed, maybe network problem!";

// Of a pair of radio buttons, the one whose value equals the setting;
// neither for "not chosen" (-1).
void showContact(int setting, QAbstractButton* taxpayer, QAbstractButton* preparer)
{
    taxpayer->setChecked(setting == 1);
    preparer->setChecked(setting == 0);
}

void takeContact(int& setting, const QAbstractButton* taxpayer, const QAbstractButton* preparer)
{
    if (preparer->isChecked())
        setting = 0;
    else if (taxpayer->isChecked())
        setting = 1;
}

} // namespace

PreferenceDlg::PreferenceDlg(QWidget* parent)
    : QDialog(parent), ui(new Ui::PreferenceDlg)
{
    ui->setupUi(this);
    setWindowTitle(tr("Preference"));
    fillDeploymentTexts();
    fillFromSettings();
    // Representatives are not kept in this version.
    ui->tabWidget->removeTab(ui->tabWidget->indexOf(ui->tabRepresentative));
    ui->tabWidget->setCurrentWidget(ui->tabPreparer);
    connect(ui->btnCheckPoints, &QPushButton::clicked, this, &PreferenceDlg::onBtnCheckPointsClicked);
}

PreferenceDlg::~PreferenceDlg()
{
    delete ui;
}

void PreferenceDlg::fillDeploymentTexts()
{
    const QString service = CDeploymentData::esignServiceName();
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(ui->tabESign), service);
    ui->lblESignHeading->setText(
        QStringLiteral("%1 integration: e-signature, e-delivery and filing report").arg(service));
    ui->lblESignLogin->setText(QStringLiteral("The user email and password are your login of %1.").arg(service));
    const QString site = CDeploymentData::esignSiteUrl();
    ui->lblESignSite->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(site.toHtmlEscaped()));
    ui->lblESignSite->setOpenExternalLinks(true);
    ui->chkFilingReport->setText(
        QStringLiteral("Report my filings to %1 so that filing records can be searched later.").arg(service));
    const QString faq = CDeploymentData::helpFaqUrl();
    ui->lblFaqLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(faq.toHtmlEscaped()));
    ui->lblFaqLink->setOpenExternalLinks(true);
}

void PreferenceDlg::fillFromSettings()
{
    const CT1AppConfig& c = TabWndApp::getMainApp()->config();
    ui->edtFolderRetFiles->setText(c.m_RetPath.toQString());
    ui->edtFolderPdfFiles->setText(c.m_RetPdfPath.toQString());
    ui->chkPdfSavedWithRet->setChecked(c.m_PdfPathSameAsRet != 0);

    ui->edtBusiName->setText(c.m_BusinessName.toQString());
    ui->edtStreetAddr->setText(c.m_BusinessAddr.toQString());
    ui->edtCity->setText(c.m_BusinessCity.toQString());
    ui->edtProv->setText(c.m_BusinessProv.toQString());
    ui->edtPostcode->setText(c.m_BusinessPostcode.toQString());
    ui->edtPhone->setText(c.m_BusinessPhone.toQString());
    // Already the test-mode number and password when test mode is on.
    ui->edtEFilerID->setText(c.m_BusinessEFileNum.toQString());
    ui->edtEFilerPswd->setText(c.m_BusinessEFilePassword.toQString());
    ui->edtDiscounterID->setText(c.m_DiscounterCode.toQString());
    showContact(c.m_PreAssessment, ui->rdoPreAssessTaxPayer, ui->rdoPreAssessPreparer);
    showContact(c.m_PostAssessment, ui->rdoPostAssessTaxPayer, ui->rdoPostAssessPreparer);
    ui->chkInclClientLetter->setChecked(c.m_PrntClientLetter != 0);
    ui->chkSaveBakFile->setChecked(c.m_SaveBackup != 0);

    ui->edtUserEmail->setText(c.m_PenvaultEmail.toQString());
    ui->edtUserPswd->setText(c.m_PenvaultPswd.toQString());
    ui->edtFromEmail->setText(c.m_PVFromEmail.toQString());
    ui->chkFilingReport->setChecked(c.m_FilingReport);
}

void PreferenceDlg::chooseFolder(QLineEdit* edit)
{
    const QString folder = Prompt::getExistingDirectory(tr("Select Folder (need write access)"), edit->text(), this);
    if (!folder.isEmpty()) edit->setText(QDir::toNativeSeparators(folder));
}

void PreferenceDlg::on_btnBrowseRetFilesFolder_clicked()
{
    chooseFolder(ui->edtFolderRetFiles);
}

void PreferenceDlg::on_btnBrowsePdfFilesFolder_clicked()
{
    chooseFolder(ui->edtFolderPdfFiles);
}

void PreferenceDlg::on_btnApply_clicked()
{
    TabWndApp* app = TabWndApp::getMainApp();
    CT1AppConfig& c = app->config();
    c.m_RetPath = ui->edtFolderRetFiles->text();
    c.m_RetPdfPath = ui->edtFolderPdfFiles->text();
    c.m_PdfPathSameAsRet = ui->chkPdfSavedWithRet->isChecked() ? 1 : 0;
    c.m_BusinessName = ui->edtBusiName->text();
    c.m_BusinessAddr = ui->edtStreetAddr->text();
    c.m_BusinessCity = ui->edtCity->text();
    c.m_BusinessProv = ui->edtProv->text();
    c.m_BusinessPostcode = ui->edtPostcode->text();
    c.m_BusinessPhone = ui->edtPhone->text();
    c.m_BusinessEFileNum = ui->edtEFilerID->text();
    c.m_BusinessEFilePassword = ui->edtEFilerPswd->text();
    c.m_DiscounterCode = ui->edtDiscounterID->text();

    takeContact(c.m_PreAssessment, ui->rdoPreAssessTaxPayer, ui->rdoPreAssessPreparer);
    takeContact(c.m_PostAssessment, ui->rdoPostAssessTaxPayer, ui->rdoPostAssessPreparer);

    c.m_PrntClientLetter = ui->chkInclClientLetter->isChecked() ? 1 : 0;
    c.m_SaveBackup = ui->chkSaveBakFile->isChecked() ? 1 : 0;
    c.m_FilingReport = ui->chkFilingReport->isChecked();

    c.m_PenvaultEmail = ui->edtUserEmail->text();
    c.m_PenvaultPswd = ui->edtUserPswd->text();
    c.m_PVFromEmail = ui->edtFromEmail->text();

    app->saveConfigDB();
    accept();
}

void PreferenceDlg::on_btnCancel_clicked()
{
    reject();
}

void PreferenceDlg::onBtnCheckPointsClicked()
{
    QWidget* const mainWindow = TabWndApp::getMainWidget();
    const QString email = ui->edtUserEmail->text();
    const QString password = ui->edtUserPswd->text();
    if (email.isEmpty() || password.isEmpty() || !checkEmail(email.toUtf8().constData())) {
        TabWndApp::gAppInformation(QStringLiteral("Please enter valid email address and password for user points."),
                                   mainWindow);
        return;
    }
    if (m_pointChecks++ >= kMaxPointChecks) return;

    QString reply;
    bool posted = false;
    {
        MyWaitCursor wait;
        const CString host = TabWndApp::getMainApp()->config().m_PenvaultServer;
        QWebClient client(QStringLiteral("https://%1/api/user/verify").arg(host.toQString()), false);
        client.addQueryItem(QStringLiteral("email"), email);
        client.addQueryItem(QStringLiteral("password"), password);
        client.addQueryItem(QStringLiteral("msg"), QStringLiteral("testing"));
        client.addQueryItem(QStringLiteral("formname"), QStringLiteral("E-Auth"));
        client.addQueryItem(QStringLiteral("sfwrver"), TabWndApp::s_appTitle);
        // A refused or failing service answers with an error status; only
        // a success carries the account's figures.
        posted = client.post(reply, nullptr) && client.isSuccessStatus();
    }
    if (!posted) {
        TabWndApp::gAppInformation(QString::fromLatin1(kCheckFailed), mainWindow);
        return;
    }
    const QString message = pointsMessage(reply);
    TabWndApp::gAppInformation(message.isEmpty() ? QString::fromLatin1(kCheckFailed) : message, mainWindow);
}

QString PreferenceDlg::pointsMessage(const QString& reply) const
{
    JsonUtil json;
    json.parseString(reply);
    QString message;
    int points = 0;
    if (json.getIntParam(QStringLiteral("points"), points) == 0) {
        if (points >= 0)
            message = QStringLiteral("Your account has %1 points availalbe. [%2]")
                          .arg(points)
                          .arg(TabWndApp::getMainApp()->config().m_PenvaultServer.toQString());
        else
            message = CDeploymentData::esignLoginFailedMessage();
    }
    QString text;
    if (json.getStrParam(QStringLiteral("subscription"), text) == 0)
        message += QStringLiteral("\nSubscription ends %1.").arg(text);
    if (json.getStrParam(QStringLiteral("subscriptionStatus"), text) == 0)
        message += QStringLiteral("\nStatus: %1").arg(text);
    return message;
}
