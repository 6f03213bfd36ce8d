// Draws the validation result dialog into a PNG (scripts/screenshot-validation.sh):
// a scenario's return with its S.I.N.s removed and line 17900 of Schedule 3
// answered without the Form T2091(IND) it calls for, validated by the rule
// engine as the Filing/Print menu's command does, the dialog grabbed once it
// has settled. The messages shown are written to the standard output.
//   validationshot <scenario.json> <out.png>

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include "barcodedata.h"
#include "dlgvalidationmsgs.h"
#include "familytaxdata.h"
#include "formtypes.h"
#include "prompt.h"
#include "returnitems.h"
#include "returnprinter.h"
#include "returnvalidation.h"
#include "scenario.h"
#include "t1.h"
#include "t1appconfig.h"
#include "taxdataform.h"

namespace {

// A message of each kind: the person's own (no S.I.N.) and one across forms.
void makeMistakes(IndividualTaxData* person)
{
    TaxData_T1New* t1 = person->t1();
    if (!t1) return;
    t1->setString("sin", CString());
    CTaxData_Form* schedule = person->GetFormData(FormType::Schedule3, true);
    if (schedule) schedule->setInt("17900", 2);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        qCritical("usage: validationshot <scenario.json> <out.png>");
        return 2;
    }
    QApplication app(argc, argv);
    // As the program does at start-up: without the engine only each form's
    // own checks would run, and no message across forms would show.
    installReturnValidation();
    installBarcodeData();
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
    // A single return has no spouse's T1 to change.
    makeMistakes(family->taxpayer());
    if (family->IsCoupledReturn()) makeMistakes(family->spouse());
    family->Calculate(-1, nullptr);

    int result = 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<DlgValidationMsgs*>(QApplication::activeModalWidget())) {
            poll.stop();
            QTimer::singleShot(500, dialog, [&result, dialog, out] {
                for (QListWidget* list : dialog->findChildren<QListWidget*>())
                    for (int i = 0; i < list->count(); ++i) std::printf("%s\n", qPrintable(list->item(i)->text()));
                std::fflush(stdout);
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
