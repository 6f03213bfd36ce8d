// Draws the first page of the new-return interview into a PNG
// (scripts/screenshot-interview.sh): the main window's New Return command,
// a few answers typed, the wizard grabbed once it has settled.
//   interviewshot <out.png>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QWizard>

#include "shotwindow.h"
#include "tabwndapp.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        qCritical("usage: interviewshot <out.png>");
        return 2;
    }
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    MainWindow* window = startShotWindow(app);
    if (!window) return 1;

    int result = 1;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(500, [&] {
        auto* wizard = qobject_cast<QWizard*>(QApplication::activeModalWidget());
        if (!wizard) {
            QApplication::quit();
            return;
        }
        // The province first: a choice shows the holder again, texts not yet stored included.
        auto* province = wizard->findChild<QComboBox*>("fld_TaxPronv");
        province->setCurrentIndex(province->findData(9));
        wizard->findChild<QAbstractButton*>("fld_MaritalStatus0")->setChecked(true);
        wizard->findChild<QLineEdit*>("fld_FirstName")->setText("Ann");
        wizard->findChild<QLineEdit*>("fld_LastName")->setText("Kowalski");
        wizard->findChild<QLineEdit*>("fld_sin")->setText("046454286");
        QTimer::singleShot(1000, [&, wizard] {
            result = wizard->grab().save(out) ? 0 : 1;
            wizard->reject();
            QApplication::quit();
        });
    });
    QTimer::singleShot(0, [window] { window->findChild<QAction*>("actionNew")->trigger(); });
    QApplication::exec();
    delete app;
    return result;
}
