// Draws the main window with one return file open in its editor into a PNG
// (scripts/screenshot-editor.sh): the program's own start-up, the file
// opened as Open Return opens it, the window grabbed once it has settled.
//   editorshot <file.r21> <out.png>

#include <QApplication>
#include <QTimer>

#include "mainwindow.h"
#include "numericlocale.h"
#include "prompt.h"
#include "tabwndapp.h"
#include "taxformpage.h"

int main(int argc, char* argv[])
{
    if (argc != 3) {
        qCritical("usage: editorshot <file.r21> <out.png>");
        return 2;
    }
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    useCNumericLocale();
    // Nobody answers: a question would leave the picture without its return.
    static Prompt::CancelAll nobody;
    Prompt::setHandler(&nobody);
    installTaxFormPages();
    if (app->initApp() != 0) return 1;

    MainWindow* window = MainWindow::getInstance(nullptr);
    app->setMainWidget(window);
    window->setGeometry(0, 0, 1280, 800);
    window->show();
    QString path = QString::fromLocal8Bit(argv[1]);
    window->openReturnFile(path);

    int result = 1;
    QTimer::singleShot(1500, [&] {
        result = window->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    delete app;
    return result;
}
