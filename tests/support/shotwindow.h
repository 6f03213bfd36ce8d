#pragma once
// The screenshot tools' start: the program's own start-up with nobody to
// answer (a question would leave nothing to draw), and the main window shown
// at the size of the pictures. Null when the start-up failed.

#include "mainwindow.h"
#include "numericlocale.h"
#include "prompt.h"
#include "tabwndapp.h"
#include "taxformpage.h"

inline MainWindow* startShotWindow(TabWndApp* app)
{
    useCNumericLocale();
    static Prompt::CancelAll nobody;
    Prompt::setHandler(&nobody);
    installTaxFormPages();
    if (app->initApp() != 0) return nullptr;
    MainWindow* window = MainWindow::getInstance(nullptr);
    app->setMainWidget(window);
    window->setGeometry(0, 0, 1280, 800);
    window->show();
    return window;
}
