// Draws one page of a return item, filled from a scenario, into a PNG: the
// README's pictures of the form pages are made with it (scripts/
// screenshot-form-pages.sh runs it under Xvfb).
//
//   formshot <scenario.json> form|slip <type> <page title> <out.png>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>
#include <list>
#include <memory>

#include "basetaxpage.h"
#include "familytaxdata.h"
#include "individualtaxdata.h"
#include "returnitems.h"
#include "numericlocale.h"
#include "scenario.h"
#include "taxdataform.h"
#include "taxformpage.h"

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << "formshot: " << message << '\n';
    return 1;
}

// The style the return editor gives its pages.
const char* const kPageStyle =
    "QWidget {font-size: %1pt;margin-top: 1px;margin-bottom: 1px;} "
    "QPushButton {border:2px solid #8f8f91;min-width: 80px;background-color: qlineargradient(x1: 0, y1: 0, x2: 0, "
    "y2: 1, stop: 0 #f6f7fa, stop: 1 #dadbde);} "
    "QFrame[frameShape=\"4\"],QFrame[frameShape=\"5\"]{border:none; background:#E67112;}";

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    useCNumericLocale();
    if (argc != 6) return fail(QStringLiteral("usage: formshot <scenario.json> form|slip <type> <page title> <out.png>"));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1").arg(file.fileName()));
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(file.readAll(), &error);
    if (!family) return fail(error);

    const bool slip = qstrcmp(argv[2], "slip") == 0;
    const int type = QByteArray(argv[3]).toInt();
    IndividualTaxData* person = family->taxpayer();
    CTaxData_Form* item = nullptr;
    if (slip) {
        std::list<STRUCT_SLIPDATA_ITEM_2004*> slips;
        person->GetSlipDataList(type, slips);
        if (!slips.empty()) item = slips.front()->object;
    } else {
        item = person->GetFormData(type, false);
    }
    if (!item) return fail(QStringLiteral("the scenario's return holds no %1 of type %2").arg(QString::fromLatin1(argv[2])).arg(type));

    installTaxFormPages();
    QTabWidget tabs;
    tabs.setStyleSheet(QString::fromLatin1(kPageStyle).arg(10));
    std::list<BaseTaxPage*> pages;
    item->FillPageList(pages, &tabs);
    const QString title = QString::fromLocal8Bit(argv[4]);
    BaseTaxPage* wanted = nullptr;
    for (BaseTaxPage* page : pages) {
        page->syncData();
        tabs.addTab(page, page->getTitle());
        if (page->getTitle() == title) wanted = page;
    }
    if (!wanted) return fail(QStringLiteral("no page titled \"%1\"").arg(title));
    tabs.setCurrentWidget(wanted);
    // The whole page, as the editor's scroll area would let the user see it.
    tabs.resize(1150, 200);
    tabs.show();
    app.processEvents();
    // Wrapped labels need the height the page's width gives them.
    const int pageHeight = qMax(wanted->heightForWidth(wanted->width()), wanted->minimumSizeHint().height());
    tabs.resize(1150, qMax(300, pageHeight + tabs.tabBar()->sizeHint().height() + 16));
    app.processEvents();
    if (!tabs.grab().save(QString::fromLocal8Bit(argv[5]))) return fail(QStringLiteral("cannot write %1").arg(QString::fromLocal8Bit(argv[5])));
    return 0;
}
