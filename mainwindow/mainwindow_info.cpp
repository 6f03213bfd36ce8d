// The information boxes with a web link: T5008 slips, industry codes, the
// about and update boxes. Every address comes from the deployment data.

#include "deploymentdata.h"
#include "mainwindow.h"
#include "messages.h"
#include "tabwndapp.h"

namespace {
constexpr char kReleaseDate[] = "20220302";
} // namespace

QString MainWindow::editionText()
{
    return (TabWndApp::s_appPurpose & 2) ? QStringLiteral("Quillmere 2021 for NetFile")
                                         : QStringLiteral("Quillmere 2021 for EFile");
}

void MainWindow::on_actionAdd_T5008_slip_triggered()
{
    DlgMsgWithLink dlg(this);
    dlg.setWindowTitle(QStringLiteral("T5008 Tax Slip Information"));
    dlg.setMsg1(QStringLiteral("T5008 tax slip is NOT used directly in tax return."));
    dlg.setMsg2(QStringLiteral("Capital gain is calculated from Schedule 3, you need to enter T5008 data into "
                               "schedule 3.\nRead the following FAQ link:"));
    dlg.setLink(CDeploymentData::makerT5008HelpUrl());
    dlg.exec();
}

void MainWindow::on_actionFind_Industry_Code_triggered()
{
    DlgMsgWithLink dlg(this);
    dlg.setWindowTitle(QStringLiteral("Find Industry Code"));
    dlg.setMsg1(QStringLiteral("Industry code is a 6-digit code."));
    dlg.setMsg2(QStringLiteral("Find a industry code from the following web link:"));
    dlg.setLink(CDeploymentData::industryCodeLookupUrl());
    dlg.exec();
}

void MainWindow::on_actionAbout_Corvane_triggered()
{
    QString date = QString::fromLatin1(kReleaseDate);
    date.insert(6, QLatin1Char('-')).insert(4, QLatin1Char('-'));
    DlgMsgWithLink dlg(this);
    dlg.setWindowTitle(QStringLiteral("About ") + editionText());
    dlg.setMsg1(QStringLiteral("This software is released on %1").arg(date));
    dlg.setMsg2(QStringLiteral("Find news, help and the other editions on our web site:"));
    dlg.setLink(CDeploymentData::makerProductSiteUrl());
    dlg.exec();
}

void MainWindow::on_actionUpdate_Quillmere_triggered()
{
    const QString edition = editionText();
    DlgMsgWithLink dlg(this);
    dlg.setWindowTitle(QStringLiteral("Update ") + edition);
    dlg.setMsg1(QStringLiteral("To update, install the program again over this one: your return files are kept."));
    dlg.setMsg2(QStringLiteral("You can download %1 from the following link").arg(edition));
    dlg.setLink(CDeploymentData::makerDownloadPageUrl(TabWndApp::s_appPurpose & 2));
    dlg.exec();
}
