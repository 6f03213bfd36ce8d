// Draws the validation result dialog into a PNG (scripts/screenshot-validation.sh):
// the retired couple's return with both S.I.N.s removed, validated as the
// Filing/Print menu's command does, the dialog grabbed once it has settled.
//   validationshot <scenario.json> <out.png>

#include <memory>

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTimer>

#include "dlgvalidationmsgs.h"
#include "familytaxdata.h"
#include "prompt.h"
#include "returnprinter.h"
#include "scenario.h"
#include "t1.h"
#include "t1appconfig.h"

int main(int argc, char* argv[])
{
    if (argc != 3) {
        qCritical("usage: validationshot <scenario.json> <out.png>");
        return 2;
    }
    QApplication app(argc, argv);
    // Nobody answers: a question means there is no dialog to draw.
    static Prompt::CancelAll nobody;
    Prompt::setHandler(&nobody);

    QFile json(QString::fromLocal8Bit(argv[1]));
    if (!json.open(QIODevice::ReadOnly)) return 1;
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), &error);
    if (!family) {
        qCritical("%s", qPrintable(error));
        return 1;
    }
    family->taxpayer()->t1()->setString("sin", CString());
    family->spouse()->t1()->setString("sin", CString());

    int result = 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<DlgValidationMsgs*>(QApplication::activeModalWidget())) {
            poll.stop();
            QTimer::singleShot(500, dialog, [&result, dialog, out] {
                result = dialog->grab().save(out) ? 0 : 1;
                dialog->reject();
            });
        }
    });
    poll.start(100);
    {
        CT1AppConfig config;
        ReturnPrinter printer(family.get(), &config, 2, nullptr);
        printer.ValidateTaxReturn(2, false, false);
    }
    family->FreeData();
    return result;
}
