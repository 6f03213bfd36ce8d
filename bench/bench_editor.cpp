// How long one edit takes from the typed amount to the refreshed page, in
// the editor of the busy coupled return: the whole return recalculated,
// every page of the item shown refreshed, the tree relabelled and the
// result lines set. It runs on every amount the user leaves, so it must
// stay within one screen frame (16 ms).

#include <memory>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include "basetaxpage.h"
#include "busycouple.h"
#include "editorhost.h"
#include "folderview.h"
#include "form_return.h"
#include "taxdataform.h"
#include "taxformpage.h"

namespace {

class QuietHost : public EditorHost
{
public:
    void showReturnResultInStatus(const CString&) override {}
    void setupContextMenu(int, QMenu*) override {}
};

struct OpenEditor
{
    QuietHost host;
    std::unique_ptr<Form_Return> editor;
    OpenEditor()
        : editor(std::make_unique<Form_Return>(nullptr, BenchReturns::buildBusyCouple().release(), &host, nullptr, 1,
                                               -1, 12))
    {
        editor->resize(1200, 800);
        editor->show();
    }
    QLineEdit* field(const char* name) const
    {
        for (BaseTaxPage* page : editor->pages())
            if (auto* taxPage = qobject_cast<TaxFormPage*>(page))
                if (auto* edit = qobject_cast<QLineEdit*>(taxPage->editorOf(QString::fromLatin1(name)))) return edit;
        qFatal("no field %s on the pages shown", name);
    }
};

// Types a new amount into the shown item's field and leaves it, as the
// user does; an edit that stored nothing measured nothing.
void edit(benchmark::State& state, Form_Return* editor, QLineEdit* edit, const char* field)
{
    double amount = 1000;
    for (auto _ : state) {
        amount = amount == 1000 ? 2000 : 1000;
        edit->setText(QString::number(amount, 'f', 2));
        emit edit->editingFinished();
        QCoreApplication::processEvents();
    }
    if (editor->currentForm()->getFloat(field) != amount) state.SkipWithError("the edit did not reach the return");
}

void T4BoxWithItsSlipShown(benchmark::State& state)
{
    OpenEditor open;
    FolderView* tree = open.editor->folderView();
    tree->setCurrentItem(tree->slipsRoot()->child(0));
    edit(state, open.editor.get(), open.field("14"), "14");
}
BENCHMARK(T4BoxWithItsSlipShown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void T1LineWithTheT1Shown(benchmark::State& state)
{
    OpenEditor open;
    edit(state, open.editor.get(), open.field("10400"), "10400");
}
BENCHMARK(T1LineWithTheT1Shown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);   // the provincial libraries are found beside the program
    installTaxFormPages();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
