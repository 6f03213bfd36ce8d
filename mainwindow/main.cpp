#include <QIcon>
#include <QRect>
#include <QSslSocket>
#include <QString>

#include "agencyappsettings.h"
#include "javavmenv.h"
#include "mainwindow.h"
#include "numericlocale.h"
#include "penvaultclient.h"
#include "programservices.h"
#include "prompt.h"
#include "runguard.h"
#include "sessionend.h"
#include "tabwndapp.h"
#include "taxformpage.h"
#include "widgetprompts.h"

namespace {

bool isBatchRun(int argc, char* argv[])
{
    return argc >= 3 && QString::fromLocal8Bit(argv[1]).compare(QLatin1String("printresult"), Qt::CaseInsensitive) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Known from the arguments alone, before anything could ask a question:
    // the batch run has no window and nobody to answer.
    const bool batch = isBatchRun(argc, argv);
    if (!batch) catchSessionEnd();
    // The batch run opens no window: on a machine without a display it must
    // not need one.
    if (batch && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    useCNumericLocale();
    installProgramServices();
    PenvaultClient::installFor(&app->config(), TabWndApp::s_appPurpose);
    static Prompt::CancelAll noOneToAsk;
    if (batch) {
        Prompt::setHandler(&noOneToAsk);
    } else {
        installWidgetPrompts();
        installTaxFormPages();
        watchSessionEnd();
    }

    const QString title = QStringLiteral("Quillmere 2021 for NetFile") + QStringLiteral(" (Special)");

    if (app->initApp() != 0) {
        delete app;
        return -1;
    }
    // The agency clients read the hosts and the test mode of the settings
    // just read, and trace into the run folder's filing result file.
    installAgencySettingsFromApp();

    if (batch) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        const QString listFile = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
        qInfo("print result %s", qPrintable(listFile));
        TabWndApp::CmdlinePrintResult(folder, listFile);
        delete app;
        return 0;
    }

    RunGuard guard(title);
    if (!guard.tryToRun() && !app->allow2ndInstance()) {
        TabWndApp::gAppInformation(QStringLiteral("%1 is already running!").arg(title), nullptr);
        delete app;
        return 0;
    }

    if (!QSslSocket::supportsSsl())
        TabWndApp::gAppInformation(
            QStringLiteral("This system does not support SSL/TLS, please email OS version to support."), nullptr);

    app->setWindowIcon(QIcon(TabWndApp::s_appPurpose == 2 ? QStringLiteral(":/res/images/netfile-2021.ico")
                                                         : QStringLiteral(":/res/images/efile-2021.ico")));

    MainWindow* window = MainWindow::getInstance(nullptr);
    app->setMainWidget(window);
    QRect rect;
    app->getStartRectPos(rect);
    window->setGeometry(rect);
    window->show();
    const int result = app->exec();
    // The JVM goes at the end of the run, while the application still exists.
    JavaVMEnv::getInstance()->Release();
    delete app;
    return result;
}
