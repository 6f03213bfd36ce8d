// Draws the main window with one return file open in its editor into a PNG
// (scripts/screenshot-editor.sh): the program's own start-up, the file
// opened as Open Return opens it, the window grabbed once it has settled.
//   editorshot <file.r21> <out.png>

#include <QApplication>
#include <QTimer>

#include "shotwindow.h"
#include "tabwndapp.h"

int main(int argc, char* argv[])
{
    if (argc != 3) {
        qCritical("usage: editorshot <file.r21> <out.png>");
        return 2;
    }
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    MainWindow* window = startShotWindow(app);
    if (!window) return 1;
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
