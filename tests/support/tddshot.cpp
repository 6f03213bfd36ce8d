// Draws the download's windows into PNGs (scripts/screenshot-download.sh):
// the records dialog listing stored auto-fill records with one selected,
// and the auto-fill options page with some elements ticked.
//   tddshot <records.png> <options.png>

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "afrpages.h"
#include "autofill/dataafr.h"
#include "dlgtddmain.h"
#include "prompt.h"
#include "sqlitedbmanager.h"
#include "wizardbase.h"

namespace {

bool fillRecords(QSqlDatabase& db)
{
    QSqlQuery q(db);
    const char* const rows[][3] = {{"046454286", "2022-03-14 09:12:41", "2021"},
                                   {"123456782", "2022-03-02 18:40:05", "2021"},
                                   {"130692544", "2021-04-20 11:03:57", "2020"}};
    int uid = 0;
    for (const auto& row : rows) {
        q.prepare("insert into tb_taxpayers (name, sin) values ('', ?)");
        q.addBindValue(row[0]);
        if (!q.exec()) return false;
        uid = q.lastInsertId().toInt();
        q.prepare("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) values (?, ?, '', '', ?)");
        q.addBindValue(uid);
        q.addBindValue(row[1]);
        q.addBindValue(QString(row[2]).toInt());
        if (!q.exec()) return false;
    }
    return true;
}

// Grabs `widget` into `path` once it has settled, then closes it.
void grabLater(QWidget* widget, const QString& path, bool* saved)
{
    QTimer::singleShot(500, widget, [widget, path, saved] {
        *saved = widget->grab().save(path);
        widget->close();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        qCritical("usage: tddshot <records.png> <options.png>");
        return 2;
    }
    QApplication app(argc, argv);
    static Prompt::CancelAll nobody;
    Prompt::setHandler(&nobody);

    QTemporaryDir dir;
    CSqliteDBManager store;
    CString folder(dir.path());
    if (!dir.isValid() || store.openDBFile(folder) != 0 || !fillRecords(store.getDBHandle())) {
        qCritical("cannot make the records' database");
        return 1;
    }

    bool recordsSaved = false, optionsSaved = false;
    {
        DlgTDDMain records(1, store.getDBHandle(), CString(), nullptr, nullptr);
        records.show();
        records.findChild<QTableView*>("tableView")->selectRow(1);
        grabLater(&records, QString::fromLocal8Bit(argv[1]), &recordsSaved);
        app.exec();
    }
    {
        DataAFR options;
        WizardBase wizard(nullptr, QStringLiteral("Auto-Fill Tax Return"));
        auto* page = new AFR_Option(&options, &wizard);
        wizard.addPage(page);
        wizard.setButtonText(QWizard::FinishButton, QStringLiteral("Auto-Fill Return"));
        wizard.initUI(800, 700);
        wizard.setWizardStyle(QWizard::ClassicStyle);
        wizard.show();
        page->findChild<QRadioButton*>("fld_iFillOption_1")->click();
        for (const char* name : {"fld_bT4", "fld_bT5", "fld_bRRSPLimit", "fld_bTuition"})
            page->findChild<QCheckBox*>(name)->click();
        grabLater(&wizard, QString::fromLocal8Bit(argv[2]), &optionsSaved);
        app.exec();
    }
    return recordsSaved && optionsSaved ? 0 : 1;
}
