#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QMainWindow>

#include "messages.h"
#include "numericlocale.h"
#include "widgetprompts.h"

int main(int argc, char* argv[])
{
    // The batch report is not part of this build yet: say so rather than
    // opening a window that a script would wait on.
    if (argc > 1 && std::strcmp(argv[1], "printresult") == 0) {
        std::fprintf(stderr, "quillmere: the batch result report is not available in this build.\n");
        return 1;
    }

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    useCNumericLocale();
    installWidgetPrompts();

    QMainWindow window;
    window.setWindowTitle(gMsgGetTitle(2));
    window.resize(1024, 720);
    window.show();
    return app.exec();
}
