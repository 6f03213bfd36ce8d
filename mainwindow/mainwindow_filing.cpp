// The Filing/Print menu's electronic filing of a return and of the T1135,
// and its report of returns not filed online.

#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include "familytaxdata.h"
#include "form_return.h"
#include "mainwindow.h"
#include "mydatastream.h"
#include "openforuser.h"
#include "returnfileentriesmodel.h"
#include "tabwndapp.h"
#include "utils.h"

// The shown editor with its page stored, once the run folder that takes the
// work files exists; none (and the user told) otherwise.
Form_Return* MainWindow::editorReadyToFile()
{
    Form_Return* editor = commandEditor();
    if (!editor) return nullptr;
    editor->saveCurFormDataToDoc();
    if (!makeFolderExists(m_app->runFolder().toQString())) {
        TabWndApp::gAppInformation(
            QStringLiteral("NetFile/EFile cannot be created, please check firewall and anti-virus software settings."),
            nullptr);
        return nullptr;
    }
    return editor;
}

void MainWindow::on_actionFile_T1135_Online_triggered()
{
    if (Form_Return* editor = editorReadyToFile()) editor->OnFileT1135();
}

// NETFILE in the individuals' edition, EFILE in the preparers': the editor
// picks the road by the edition.
void MainWindow::on_actionInternetFiling_triggered()
{
    if (Form_Return* editor = editorReadyToFile()) editor->OnFileCreateElectronFile();
}

bool MainWindow::writeNotFiledReport(const QString& path)
{
    QFile report(path);
    if (!report.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&report);
    const ReturnFileEntriesModel& list = m_app->returnEntries();
    int notFiled = 0;
    for (int i = 0; i < list.count(); ++i) {
        const QString file = list.getFilePath(i);
        const QString head = QStringLiteral("%1 %2\n").arg(i, 4, 10, QLatin1Char('0')).arg(file);
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            out << head << "===> file open failed\n\n";
            continue;
        }
        CFamilyTaxData data(MULTIPROV_MODE_FILE);
        MyDataStream stream(&in);
        try {
            data.serialize(TabWndApp::s_appPurpose, stream);
        } catch (const std::exception&) {
            // A damaged file reads as far as it can; its persons are then
            // reported as not filed, which is what the user must look at.
        }
        QString text;
        data.getReport(0, text);
        if (!text.isEmpty()) {
            out << head << "===> " << text << "\n\n";
            ++notFiled;
        }
        data.FreeData();
    }
    out << QStringLiteral("Summary: Total files scaned: %1;  Not-filed files: %2\n\n").arg(list.count()).arg(notFiled);
    out.flush();
    return report.error() == QFileDevice::NoError;
}

void MainWindow::on_actionFind_Returns_Not_Filed_Online_triggered()
{
    const QString path = QStringLiteral("%1/filing%2.txt")
                             .arg(m_app->runFolder().toQString(),
                                  QDateTime::currentDateTime().toString(QStringLiteral("yyMMddHHmmss")));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = writeNotFiledReport(path);
    QGuiApplication::restoreOverrideCursor();
    if (!written) {
        TabWndApp::gAppInformation(QStringLiteral("cannot create report file ") + path, nullptr);
        return;
    }
    openFileForUser(path, this);
}
