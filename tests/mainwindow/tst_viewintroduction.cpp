// The start page over a database of three returns saved by the scenario
// tool: the list newest first, the filter, and removing a return.

#include <memory>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

#include "apptestmain.h"
#include "mainwindow.h"
#include "prompt.h"
#include "viewintroduction.h"

namespace {

struct Seed
{
    const char* scenario;
    const char* name1;
    const char* name2;
    const char* openTime;
};

// Oldest first; the list shows them the other way round.
const Seed kSeeds[] = {
    {"employee_t4_on", "Maya Okafor", "", "2022-03-01 10:00:00"},
    {"donations_on", "Samuel Ortiz", "", "2022-03-05 09:30:00"},
    {"retired_couple_pension_split_on", "Ann Kowalski", "Boris Kowalski", "2022-03-10 16:45:00"},
};

const QStringList kNewestFirst = {"Ann Kowalski & Boris Kowalski", "Samuel Ortiz", "Maya Okafor"};

QString returnFolder()
{
    return QDir::homePath() + "/returns";
}

QString pathOf(const Seed& seed)
{
    return returnFolder() + "/" + seed.scenario + ".r21";
}

int storedRows(const QString& path)
{
    QSqlQuery q(TabWndApp::getMainApp()->database().getDBHandle());
    q.prepare("select count(*) from tb_retfile where filepath=?");
    q.addBindValue(path);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

} // namespace

class TstViewIntroduction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void newestFirst();
    void tableSettings();
    void filter_data();
    void filter();
    void removeWithoutSelection();
    void remove_data();
    void remove();
    void emptyDatabase();

private:
    QTableView* table() { return m_window->startPage()->findChild<QTableView*>("tableView"); }
    QLineEdit* filterEdit() { return m_window->startPage()->findChild<QLineEdit*>("edtFilter"); }
    QPushButton* button(const char* name) { return m_window->startPage()->findChild<QPushButton*>(name); }
    QStringList shownNames();
    void selectRow(int row);

    std::unique_ptr<MainWindow> m_window;
};

void TstViewIntroduction::initTestCase()
{
    TabWndApp* app = TabWndApp::getMainApp();
    QCOMPARE(app->initApp(), 0);
    QVERIFY(QDir().mkpath(returnFolder()));
    for (const Seed& seed : kSeeds) {
        QProcess tool;
        tool.start(SCENARIO2R21, {QString(SCENARIO_DIR) + "/" + seed.scenario + ".json", pathOf(seed)});
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
        const int id = app->database().updateOrInsertHistoryItem(seed.name1, seed.name2, pathOf(seed));
        QVERIFY(id > 0);
        QSqlQuery q(app->database().getDBHandle());
        q.prepare("update tb_retfile set open_time=? where id=?");
        q.addBindValue(seed.openTime);
        q.addBindValue(id);
        QVERIFY(q.exec());
    }
    m_window.reset(MainWindow::getInstance(nullptr));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstViewIntroduction::cleanupTestCase()
{
    m_window.reset();
}

QStringList TstViewIntroduction::shownNames()
{
    QStringList out;
    const QAbstractItemModel* model = table()->model();
    for (int row = 0; row < model->rowCount(); ++row) out << model->index(row, 0).data().toString();
    return out;
}

void TstViewIntroduction::selectRow(int row)
{
    const QModelIndex cell = table()->model()->index(row, 0);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(cell).center());
}

void TstViewIntroduction::newestFirst()
{
    QCOMPARE(shownNames(), kNewestFirst);
    QCOMPARE(table()->model()->index(0, 1).data().toString(), QString("2022-03-10 16:45:00"));
    QCOMPARE(table()->model()->index(2, 2).data().toString(), pathOf(kSeeds[0]));
}

void TstViewIntroduction::tableSettings()
{
    QTableView* t = table();
    QVERIFY(t->verticalHeader()->isHidden());
    QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(t->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(t->horizontalHeader()->stretchLastSection());
    QVERIFY(!t->isSortingEnabled());
    QCOMPARE(t->columnWidth(0), 508);
    QCOMPARE(t->columnWidth(1), 168);
    QCOMPARE(t->model()->headerData(0, Qt::Horizontal).toString(), QString("Tax Payer's Name"));
}

void TstViewIntroduction::filter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("last name in lower case") << "ortiz" << QStringList{"Samuel Ortiz"};
    QTest::newRow("part of a name in capitals") << "KOWAL" << QStringList{"Ann Kowalski & Boris Kowalski"};
    QTest::newRow("the spouse's name") << "Boris" << QStringList{"Ann Kowalski & Boris Kowalski"};
    QTest::newRow("a letter in several names") << "m" << QStringList{"Samuel Ortiz", "Maya Okafor"};
    QTest::newRow("matches nothing") << "Zed" << QStringList{};
}

void TstViewIntroduction::filter()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    filterEdit()->setFocus();
    QTest::keyClicks(filterEdit(), typed);
    QCOMPARE(shownNames(), shown);
    QTest::mouseClick(button("resetFilterButton"), Qt::LeftButton);
    QVERIFY(filterEdit()->text().isEmpty());
    QCOMPARE(shownNames(), kNewestFirst);
}

void TstViewIntroduction::removeWithoutSelection()
{
    Prompt::Scripted prompts;
    table()->clearSelection();
    QTest::mouseClick(button("delButton"), Qt::LeftButton);
    QCOMPARE(prompts.titles(), QStringList{"Remove Return"});
    QCOMPARE(prompts.texts(), QStringList{"Please choose a return file entry first."});
    QCOMPARE(shownNames(), kNewestFirst);
}

void TstViewIntroduction::remove_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("removed");
    QTest::newRow("cancelled keeps file and row") << int(Prompt::Cancel) << false;
    QTest::newRow("confirmed deletes file and row") << int(Prompt::Ok) << true;
}

void TstViewIntroduction::remove()
{
    QFETCH(int, answer);
    QFETCH(bool, removed);
    const QString path = pathOf(kSeeds[1]);
    QVERIFY(QFile::exists(path));
    Prompt::Scripted prompts;
    prompts.press(answer);
    selectRow(1); // Samuel Ortiz
    QTest::mouseClick(button("delButton"), Qt::LeftButton);
    QCOMPARE(prompts.texts(), QStringList{"Please confirm to remove this return file?"});
    QCOMPARE(prompts.asked().first().buttons, int(Prompt::Ok | Prompt::Cancel));
    QCOMPARE(QFile::exists(path), !removed);
    QCOMPARE(storedRows(path), removed ? 0 : 1);
    const QStringList left = removed ? QStringList{kNewestFirst[0], kNewestFirst[2]} : kNewestFirst;
    QCOMPARE(shownNames(), left);
    QCOMPARE(storedRows(pathOf(kSeeds[0])), 1);
}

void TstViewIntroduction::emptyDatabase()
{
    // Remove what is left, one row at a time, as a user would.
    while (table()->model()->rowCount() > 0) {
        Prompt::Scripted prompts;
        prompts.press(Prompt::Ok);
        selectRow(0);
        QTest::mouseClick(button("delButton"), Qt::LeftButton);
        QCOMPARE(prompts.pending(), 0);
    }
    for (const Seed& seed : kSeeds) QVERIFY(!QFile::exists(pathOf(seed)));

    // Reopened on an empty database: the header only.
    m_window.reset();
    m_window.reset(MainWindow::getInstance(nullptr));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(table()->model()->rowCount(), 0);
    QCOMPARE(table()->model()->columnCount(), 3);
    QVERIFY(table()->horizontalHeader()->isVisible());

    Prompt::Scripted prompts;
    QTest::mouseClick(button("openButton"), Qt::LeftButton);
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Return);
    QVERIFY(prompts.asked().isEmpty());
    QTest::mouseClick(button("delButton"), Qt::LeftButton);
    QCOMPARE(prompts.texts(), QStringList{"Please choose a return file entry first."});
}

QUILLMERE_APP_TEST_MAIN(TstViewIntroduction)
#include "tst_viewintroduction.moc"
