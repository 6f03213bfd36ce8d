// The main window's side of a return's life. The editor page that holds an
// open return comes with the return editor; until then no return can be
// opened, made or imported, and these commands do nothing beyond the limit
// check.

#include <QFileInfo>

#include "mainwindow.h"
#include "tabwndapp.h"

bool MainWindow::canOpenMoreReturn()
{
    if (m_openReturns < 2) return true;
    TabWndApp::gAppInformation(QStringLiteral("Maximum number of returns are opened already. Please click 'Close' "
                                              "button on top to close a return first!"),
                               this);
    return false;
}

int MainWindow::_presentAReturn(int, QFileInfo*, CFamilyTaxData*)
{
    return 0;
}

void MainWindow::openReturnFile(QString&) {}

void MainWindow::actionOpenReturn() {}

void MainWindow::actionNewReturn() {}

void MainWindow::on_actionImport_Prior_Year_s_Return_triggered() {}

void MainWindow::on_actionCouple_Returns_2to1_triggered() {}

void MainWindow::actionSaveReturn() {}

void MainWindow::on_actionSave_Return_As_triggered() {}

int MainWindow::doSaveReturn(Form_Return*, bool)
{
    return 0;
}

bool MainWindow::chooseFileSaveName(CFamilyTaxData*, QString&)
{
    return false;
}

void MainWindow::actionCloseReturn() {}

void MainWindow::actionShowReturn() {}
