#include <QApplication>
#include <QMainWindow>

#include "numericlocale.h"
#include "widgetprompts.h"

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    useCNumericLocale();
    installWidgetPrompts();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillmere 2021"));
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
