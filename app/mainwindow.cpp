#include "mainwindow.h"

#include "tabwndapp.h"

MainWindow* MainWindow::s_instance = nullptr;

MainWindow* MainWindow::getInstance(QWidget* parent)
{
    if (!s_instance) s_instance = new MainWindow(parent);
    return s_instance;
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(TabWndApp::s_appTitle);
}

MainWindow::~MainWindow()
{
    if (s_instance == this) s_instance = nullptr;
}
