// Draws the optimise dialog of a coupled return into a PNG
// (scripts/screenshot-editor.sh): the return opened as Open Return opens
// it, Optimize chosen from the menu, the shareable amounts accepted as
// seeded, and the dialog grabbed once it has settled.
//   optimizeshot <file.r21> <out.png>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWizard>

#include "dlgoptimizereturn.h"
#include "shotwindow.h"
#include "tabwndapp.h"

int main(int argc, char* argv[])
{
    if (argc != 3) {
        qCritical("usage: optimizeshot <file.r21> <out.png>");
        return 2;
    }
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    MainWindow* window = startShotWindow(app);
    if (!window) return 1;
    QString path = QString::fromLocal8Bit(argv[1]);
    window->openReturnFile(path);

    int result = 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* wizard = qobject_cast<QWizard*>(modal)) {
            wizard->accept();
        } else if (auto* dialog = qobject_cast<DlgOptimizeReturn*>(modal)) {
            poll.stop();
            QTimer::singleShot(1000, dialog, [&result, dialog, out] {
                result = dialog->grab().save(out) ? 0 : 1;
                dialog->reject();
            });
        }
    });
    poll.start(100);
    QTimer::singleShot(500, [window] {
        window->findChild<QAction*>(QStringLiteral("actionOptimize"))->trigger();
        QApplication::quit();
    });
    QApplication::exec();
    delete app;
    return result;
}
