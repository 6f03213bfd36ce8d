// Draws the two windows of a NETFILE filing into PNGs
// (scripts/screenshot-filing.sh): the transmission dialog over a scenario
// return, as the filing action opens it, and the result of an accepted
// return as the agency's answer is shown.
//   filingshot <scenario.json> <transmission.png> <result.png>

#include <memory>

#include <QFile>
#include <QTimer>

#include "cnetfileresultdlg.h"
#include "dlgfilingresult.h"
#include "familytaxdata.h"
#include "prompt.h"
#include "scenario.h"
#include "tabwndapp.h"

namespace {

// Shows the dialog, lets it settle, saves its picture; true when saved.
bool grabShown(QDialog& dialog, const QString& path)
{
    bool saved = false;
    QTimer::singleShot(500, &dialog, [&] {
        saved = dialog.grab().save(path);
        dialog.done(0);
    });
    dialog.exec();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        qCritical("usage: filingshot <scenario.json> <transmission.png> <result.png>");
        return 2;
    }
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    // Nobody answers: a question means there is no dialog to draw.
    static Prompt::CancelAll nobody;
    Prompt::setHandler(&nobody);
    int result = 1;
    if (app->initApp() == 0) {
        QFile json(QString::fromLocal8Bit(argv[1]));
        QString error;
        std::unique_ptr<CFamilyTaxData> family =
            json.open(QIODevice::ReadOnly) ? Scenario::build(json.readAll(), &error) : nullptr;
        if (family) {
            family->Calculate(-1, nullptr);
            CString name;
            family->getFedStringClaimed(17, name);
            const CString status = family->GetReturnStatusString(0);
            bool shot = false;
            {
                CNetfileResultDlg transmission(2, family.get(), 0, nullptr);
                transmission.SetStringInfo(app->runFolder() + "/return_2021.ws", status, name);
                shot = grabShown(transmission, QString::fromLocal8Bit(argv[2]));
            }
            if (shot) {
                CString log;
                app->getFilingLogFilePath(log, 0);
                DlgFilingResult filed(QStringLiteral("Netfile Filing Result"), nullptr);
                filed.setMsg(QStringLiteral("Netfile is submitted successfully. The confirmation code is [NF4711].\n"
                                            "Result code is [1]\nTime: 2022-03-15 10:42:07"),
                             QStringLiteral("Your 2021 return was received on March 15, 2022.\r\nKeep the "
                                            "confirmation code NF4711 for your records.\r\n"),
                             QStringLiteral("Check filing log file"), log.toQString());
                shot = grabShown(filed, QString::fromLocal8Bit(argv[3]));
            }
            result = shot ? 0 : 1;
            family->FreeData();
        } else {
            qCritical("%s", qPrintable(error));
        }
    }
    delete app;
    return result;
}
