#include "dlgcouplereturn_tab1.h"

#include <QFileInfo>

#include "prompt.h"
#include "tabwndapp.h"
#include "ui_dlgcouplereturn_tab1.h"

DlgCoupleReturn_tab1::DlgCoupleReturn_tab1(TabWndApp* app, QWidget* parent)
    : PpgWizardPage(nullptr, nullptr, parent), m_app(app), ui(new Ui::DlgCoupleReturn_tab1)
{
    ui->setupUi(this);
}

DlgCoupleReturn_tab1::~DlgCoupleReturn_tab1()
{
    delete ui;
}

bool DlgCoupleReturn_tab1::browseToGetFilename(QString& path)
{
    QString folder = m_app ? m_app->m_LastOpenPath.toQString() : QString();
    if (folder.isEmpty() && m_app) folder = m_app->config().m_RetPath.toQString();
    const QString chosen = Prompt::getOpenFileName(QStringLiteral("Open Return File"), folder,
                                                   QStringLiteral("*.r21 Return files (*.r21);;All files (*.*)"), this);
    if (chosen.isEmpty()) return false;
    path = chosen;
    return true;
}

void DlgCoupleReturn_tab1::on_btnBtn1_clicked()
{
    QString path;
    if (browseToGetFilename(path)) ui->fld_Filename1->setText(path);
}

void DlgCoupleReturn_tab1::on_btnBtn2_clicked()
{
    QString path;
    if (browseToGetFilename(path)) ui->fld_Filename2->setText(path);
}

bool DlgCoupleReturn_tab1::validatePage()
{
    m_file1 = ui->fld_Filename1->text().trimmed();
    m_file2 = ui->fld_Filename2->text().trimmed();
    const QFileInfo first(m_file1), second(m_file2);
    if (m_file1.isEmpty() || m_file2.isEmpty() || !first.isFile() || !second.isFile()) {
        TabWndApp::gAppInformation(QStringLiteral("Please make sure both return files exist in the given file path"),
                                   this);
        return false;
    }
    // One return cannot be both persons of a couple.
    if (first.canonicalFilePath() == second.canonicalFilePath()) {
        TabWndApp::gAppInformation(QStringLiteral("Please choose two different return files for coupling"), this);
        return false;
    }
    return true;
}
