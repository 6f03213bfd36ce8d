#include "sqlitedbmanager.h"

#include <climits>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "returnfileentriesmodel.h"

namespace {
const char* const kTables[] = {"tb_config", "tb_taxpayers", "tb_retfile", "tb_taxdata", "tb_taxnoa", "tb_history"};

// The schema every open database must hold, as written when created.
const QStringList& expectedStatements()
{
    static const QStringList statements = {
        "create table tb_config (id integer primary key autoincrement, name text, value text)",
        "create index idx_tb_config_name on tb_config (name)",
        "create table tb_taxpayers (id integer primary key autoincrement, name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))",
        "create index idx_tb_taxpayer_sin on tb_taxpayers (sin)",
        "create table tb_retfile (id integer primary key autoincrement, name1 varchar(100), name2 varchar(100), uid1 integer, uid2 integer, filepath varchar(200), open_time datetime)",
        "create index idx_tb_retfile_filepath on tb_retfile (filepath)",
        "create index idx_tb_retfile_names on tb_retfile (name1, name2)",
        "create index idx_tb_retfile_uid on tb_retfile (uid1, uid2)",
        "create table tb_taxdata (id integer primary key autoincrement, uid integer, create_time datetime, data1 text, html1 text, taxyear integer)",
        "create index idx_tb_taxdata_uid on tb_taxdata (uid)",
        "create table tb_taxnoa (id integer primary key autoincrement, uid integer, create_time datetime, data1 text, htmlfile varchar(256), taxyear integer)",
        "create index idx_tb_taxnoa_uid on tb_taxnoa (uid)",
        "create table tb_history (id integer primary key autoincrement, uid integer, eventid integer, msg varchar(200), event_time datetime DEFAULT NULL)",
        "create index idx_tb_history_uid on tb_history (uid)",
    };
    return statements;
}

// SQLite keeps a CREATE statement with its first two keywords in capitals.
QStringList normalized(QStringList statements)
{
    for (QString& s : statements) {
        const int second = s.indexOf(QLatin1Char(' '), s.indexOf(QLatin1Char(' ')) + 1);
        s = s.left(second).toUpper() + s.mid(second);
    }
    statements.sort();
    return statements;
}

QStringList schemaOf(QSqlDatabase& db)
{
    QStringList statements;
    QSqlQuery query(db);
    if (!query.exec("select sql from sqlite_master where name not like 'sqlite_%'")) return {QStringLiteral("<unreadable>")};
    while (query.next()) statements << query.value(0).toString();
    statements.sort();
    return statements;
}

int scalar(QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& v : values) query.addBindValue(v);
    if (!query.exec() || !query.next()) return -1;
    return query.value(0).toInt();
}

QString text(QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& v : values) query.addBindValue(v);
    if (!query.exec() || !query.next()) return QStringLiteral("<no row>");
    return query.value(0).toString();
}

int run(QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& v : values) query.addBindValue(v);
    if (!query.exec()) return -1;
    return query.lastInsertId().toInt();
}

int addRecentFile(QSqlDatabase& db, const QString& name1, const QString& name2, const QString& path, const QString& time)
{
    return run(db, "insert into tb_retfile (name1, name2, filepath, open_time) values (?, ?, ?, ?)",
               {name1, name2, path, time});
}

// A manager opened on a fresh temporary folder.
struct OpenDb
{
    QTemporaryDir dir;
    CSqliteDBManager mgr;
    CString path;
    int rc = -1;

    OpenDb()
    {
        path = dir.path();
        rc = mgr.openDBFile(path);
    }
    QSqlDatabase& db() { return mgr.getDBHandle(); }
};

QStringList pathsOf(const ReturnFileEntriesModel& model)
{
    QStringList paths;
    for (int row = 0; row < model.count(); ++row) paths << model.getFilePath(row);
    return paths;
}
} // namespace

class SqliteDBManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void newFolderGetsFullSchema();
    void repairKeepsRows_data();
    void repairKeepsRows();
    void openFailure_data();
    void openFailure();
    void closeEndsStatements();
    void extraHandleOnWorkerThread();

    void savingTwiceKeepsOneRow();
    void locateKeepsMostRecentlyOpened();
    void filterAndOrder_data();
    void filterAndOrder();
    void shownNamesAndTimes();
    void covertToUnixPath_data();
    void covertToUnixPath();
    void removeNonExistingFiles();

    void newestSettingRowWins();
    void settingAbsentLeavesValue();
    void wholeNumberSetting_data();
    void wholeNumberSetting();
    void yesNoSetting_data();
    void yesNoSetting();
    void savedForms();
};

void SqliteDBManagerTest::newFolderGetsFullSchema()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QVERIFY(d.mgr.isDBOpen());
    const QString file = QDir::toNativeSeparators(d.dir.path() + "/mydata2021n.db");
    QCOMPARE(d.path.toQString(), file);
    QCOMPARE(d.mgr.getDBFilePath().toQString(), file);
    QVERIFY(QFileInfo(file).isFile());
    QCOMPARE(schemaOf(d.db()), normalized(expectedStatements()));

    CString name;
    CSqliteDBManager::getDBFilename(name);
    QCOMPARE(name, CString("mydata2021n.db"));

    // Opening the file again changes nothing.
    run(d.db(), "insert into tb_config (name, value) values ('k', 'v')");
    CString again = d.dir.path();
    QCOMPARE(d.mgr.openDBFile(again), 0);
    QCOMPARE(schemaOf(d.db()), normalized(expectedStatements()));
    QCOMPARE(scalar(d.db(), "select count(*) from tb_config"), 1);

    QVERIFY(d.mgr.tableExists("tb_history"));
    QVERIFY(!d.mgr.tableExists("tb_nothing"));
    QVERIFY(!d.mgr.tableExists("tb_config; drop table tb_config"));
    QVERIFY(d.mgr.tableExists("tb_config"));
}

void SqliteDBManagerTest::repairKeepsRows_data()
{
    QTest::addColumn<QStringList>("dropped");
    QTest::newRow("no tb_config") << QStringList{"tb_config"};
    QTest::newRow("no tb_taxpayers") << QStringList{"tb_taxpayers"};
    QTest::newRow("no tb_retfile") << QStringList{"tb_retfile"};
    QTest::newRow("no tb_taxdata") << QStringList{"tb_taxdata"};
    QTest::newRow("no tb_taxnoa") << QStringList{"tb_taxnoa"};
    QTest::newRow("no tb_history") << QStringList{"tb_history"};
    QTest::newRow("no tb_config nor tb_taxpayers") << QStringList{"tb_config", "tb_taxpayers"};
    QTest::newRow("only tb_history left")
        << QStringList{"tb_config", "tb_taxpayers", "tb_retfile", "tb_taxdata", "tb_taxnoa"};
}

void SqliteDBManagerTest::repairKeepsRows()
{
    QFETCH(QStringList, dropped);

    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    run(db, "insert into tb_config (name, value) values ('LeftPaneSize', '300')");
    run(db, "insert into tb_taxpayers (name, sin) values ('Anne', '046454286')");
    addRecentFile(db, "Anne", "", "/r/anne.r21", "2021-05-01 10:00:00");
    run(db, "insert into tb_taxdata (uid, data1, taxyear) values (1, '<xml/>', 2021)");
    run(db, "insert into tb_taxnoa (uid, data1, taxyear) values (1, '<noa/>', 2020)");
    run(db, "insert into tb_history (uid, eventid, msg) values (0, 1001, 'x')");
    for (const QString& table : dropped) QVERIFY(run(db, "drop table " + table) >= 0);
    d.mgr.closeDBFile();

    CString folder = d.dir.path();
    QCOMPARE(d.mgr.openDBFile(folder), 0);
    QVERIFY(d.mgr.isDBOpen());
    QCOMPARE(schemaOf(db), normalized(expectedStatements()));
    for (const char* table : kTables) {
        const int rows = scalar(db, QStringLiteral("select count(*) from ") + table);
        QCOMPARE(rows, dropped.contains(table) ? 0 : 1);
    }
    QCOMPARE(text(db, "select filepath from tb_retfile"),
             dropped.contains("tb_retfile") ? QStringLiteral("<no row>") : QStringLiteral("/r/anne.r21"));
}

void SqliteDBManagerTest::openFailure_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("folder at the file's path") << "folder";
    QTest::newRow("folder does not exist") << "missing";
    QTest::newRow("file is not a database") << "garbage";
}

void SqliteDBManagerTest::openFailure()
{
    QFETCH(QString, situation);
    QTemporaryDir dir;
    QString folder = dir.path();
    const QByteArray garbage(4096, 'x');
    if (situation == "folder") {
        QVERIFY(QDir(folder).mkdir("mydata2021n.db"));
    } else if (situation == "missing") {
        folder += "/none";
    } else {
        QFile file(folder + "/mydata2021n.db");
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(garbage), qint64(garbage.size()));
    }

    CSqliteDBManager mgr;
    CString path = folder;
    QCOMPARE(mgr.openDBFile(path), 103);
    QVERIFY(!mgr.isDBOpen());
    QCOMPARE(path.toQString(), QDir::toNativeSeparators(folder + "/mydata2021n.db"));
    QCOMPARE(mgr.readParameter("LeftPaneSize", path, 0), 0);

    if (situation == "missing") QVERIFY(!QFileInfo::exists(folder));
    if (situation == "garbage") {
        QFile file(folder + "/mydata2021n.db");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
    }
}

void SqliteDBManagerTest::closeEndsStatements()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    d.mgr.saveParameter("FontSize", CString("14"), 0);
    QCOMPARE(d.mgr.closeDBFile(), 0);
    QVERIFY(!d.mgr.isDBOpen());
    CString value("kept");
    QCOMPARE(d.mgr.readParameter("FontSize", value, 0), 0);
    QCOMPARE(value, CString("kept"));
    QCOMPARE(d.mgr.updateOrInsertHistoryItem("A", "", "/r/a.r21"), 0);

    // The setting written before the close is in the file.
    CString folder = d.dir.path();
    QCOMPARE(d.mgr.openDBFile(folder), 0);
    QVERIFY(d.mgr.readParameter("FontSize", value, 0) > 0);
    QCOMPARE(value, CString("14"));
}

void SqliteDBManagerTest::extraHandleOnWorkerThread()
{
    {
        // Before the database was opened there is no file to share.
        CSqliteDBManager unopened;
        QSqlDatabase extra = QSqlDatabase::addDatabase("QSQLITE", "TDD_DB_Connection");
        QVERIFY(!unopened.openExtraDBHandle(extra));
        QVERIFY(!extra.isOpen());
    }
    QSqlDatabase::removeDatabase("TDD_DB_Connection");

    OpenDb d;
    QCOMPARE(d.rc, 0);
    bool opened = false;
    bool closed = false;
    int inserted = -1;
    QThread* worker = QThread::create([&] {
        {
            QSqlDatabase extra = QSqlDatabase::addDatabase("QSQLITE", "TDD_DB_Connection");
            opened = d.mgr.openExtraDBHandle(extra);
            inserted = run(extra, "insert into tb_taxdata (uid, data1, taxyear) values (?, ?, ?)",
                           {7, QStringLiteral("<data/>"), 2021});
            CSqliteDBManager::closeExtraDBHandle(extra);
            closed = !extra.isOpen();
        }
        QSqlDatabase::removeDatabase("TDD_DB_Connection");
    });
    worker->start();
    QVERIFY(worker->wait(30000));
    delete worker;

    QVERIFY(opened);
    QVERIFY(closed);
    QVERIFY(inserted > 0);
    QCOMPARE(scalar(d.db(), "select uid from tb_taxdata where id=?", {inserted}), 7);
}

void SqliteDBManagerTest::savingTwiceKeepsOneRow()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();

    const int id = d.mgr.updateOrInsertHistoryItem("Anne Smith", "", "/r/smith.r21");
    QVERIFY(id > 0);
    QVERIFY(QDateTime::fromString(text(db, "select open_time from tb_retfile where id=?", {id}),
                                  "yyyy-MM-dd HH:mm:ss").isValid());
    run(db, "update tb_retfile set open_time='2020-01-01 00:00:00' where id=?", {id});

    QCOMPARE(d.mgr.updateOrInsertHistoryItem("Anne Smith", "Bob Smith", "/r/smith.r21"), id);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile"), 1);
    QCOMPARE(text(db, "select name2 from tb_retfile where id=?", {id}), QStringLiteral("Bob Smith"));
    QVERIFY(text(db, "select open_time from tb_retfile where id=?", {id}) > QStringLiteral("2020-01-01 00:00:00"));

    // Paths are compared as exact text.
    const int other = d.mgr.updateOrInsertHistoryItem("Anne Smith", "", "/r/Smith.r21");
    QVERIFY(other > 0 && other != id);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile"), 2);

    QCOMPARE(d.mgr.removeReturnFileItem("/r/smith.r21"), 0);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile where id=?", {id}), 0);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile where id=?", {other}), 1);
}

void SqliteDBManagerTest::locateKeepsMostRecentlyOpened()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    addRecentFile(db, "Old", "", "/r/a.r21", "2021-01-01 10:00:00");
    const int newest = addRecentFile(db, "Newest", "", "/r/a.r21", "2021-03-01 10:00:00");
    addRecentFile(db, "Middle", "", "/r/a.r21", "2021-02-01 10:00:00");
    const int otherPath = addRecentFile(db, "Other", "", "/r/b.r21", "2021-01-01 10:00:00");

    QCOMPARE(d.mgr.locateHistoryItemByFilepath("/r/none.r21"), 0);
    QCOMPARE(d.mgr.updateOrInsertHistoryItem("Renamed", "", "/r/a.r21"), newest);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile where filepath='/r/a.r21'"), 1);
    QCOMPARE(text(db, "select name1 from tb_retfile where filepath='/r/a.r21'"), QStringLiteral("Renamed"));
    QCOMPARE(scalar(db, "select count(*) from tb_retfile where id=?", {otherPath}), 1);
}

void SqliteDBManagerTest::filterAndOrder_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("paths");

    const QStringList all{"/r/2.r21", "/r/3.r21", "/r/4.r21", "/r/1.r21", "/r/5.r21"};
    QTest::newRow("empty lists all, newest first, equal times by id") << "" << all;
    QTest::newRow("apostrophe") << "o'ne" << QStringList{"/r/1.r21"};
    QTest::newRow("letter case ignored") << "SMITH" << QStringList{"/r/2.r21"};
    QTest::newRow("spouse name") << "carol" << QStringList{"/r/2.r21"};
    QTest::newRow("percent sign") << "100%" << QStringList{"/r/3.r21"};
    QTest::newRow("percent alone matches all") << "%" << all;
    QTest::newRow("underscore is any one character") << "d_na" << QStringList{"/r/3.r21"};
    QTest::newRow("underscore in a name") << "ed_y" << QStringList{"/r/4.r21"};
    QTest::newRow("quoted SQL stays text") << "' or '1'='1" << QStringList{};
    QTest::newRow("double quote") << "\"" << QStringList{"/r/5.r21"};
    QTest::newRow("no match") << "zzz" << QStringList{};
}

void SqliteDBManagerTest::filterAndOrder()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, paths);

    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    addRecentFile(db, "Anne O'Neil", "", "/r/1.r21", "2021-04-01 09:00:00");
    addRecentFile(db, "Bob Smith", "Carol Smith", "/r/2.r21", "2021-04-03 09:00:00");
    addRecentFile(db, "Dana 100% Real", "", "/r/3.r21", "2021-04-02 09:00:00");
    addRecentFile(db, "Ed_Young", "Fay", "/r/4.r21", "2021-04-02 09:00:00");
    addRecentFile(db, "Gus \"Q\"", "", "/r/5.r21", "2020-12-31 23:59:59");

    ReturnFileEntriesModel model;
    model.append(new ReturnFileEntry(99, "stale", "", "/r/stale.r21"));
    QCOMPARE(d.mgr.loadAllHistoryItems(model, filter), paths.size());
    QCOMPARE(pathsOf(model), paths);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile"), 5);
}

void SqliteDBManagerTest::shownNamesAndTimes()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    const int single = addRecentFile(d.db(), "Anne", "", "/r/1.r21", "2021-04-01 09:00:00");
    const int couple = addRecentFile(d.db(), "Bob", "Carol", "/r/2.r21", "2021-04-03 09:05:10");

    ReturnFileEntriesModel model;
    QCOMPARE(d.mgr.loadAllHistoryItems(model, QString()), 2);
    QCOMPARE(model.getElementData(0)->getId(), couple);
    QCOMPARE(model.getElementData(0)->getName(), QStringLiteral("Bob & Carol"));
    QCOMPARE(model.getElementData(0)->getTime(), QStringLiteral("2021-04-03 09:05:10"));
    QCOMPARE(model.getElementData(1)->getId(), single);
    QCOMPARE(model.getElementData(1)->getName(), QStringLiteral("Anne"));
}

void SqliteDBManagerTest::covertToUnixPath_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("rewritten");
    QTest::addColumn<QByteArray>("expectedUnderHome");   // appended to home + "/"

    QTest::newRow("windows documents") << QByteArray("C:\\Users\\ann\\Documents\\Tax\\a.r21") << true
                                       << QByteArray("Documents/Tax/a.r21");
    QTest::newRow("letter case of the folder kept") << QByteArray("D:\\DOCUMENTS\\a.r21") << true
                                                    << QByteArray("DOCUMENTS/a.r21");
    QTest::newRow("unix path") << QByteArray("/home/ann/Documents/a.r21") << false << QByteArray();
    QTest::newRow("other windows folder") << QByteArray("C:\\Users\\ann\\Desktop\\a.r21") << false << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
}

void SqliteDBManagerTest::covertToUnixPath()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, rewritten);
    QFETCH(QByteArray, expectedUnderHome);

    CString value(path);
    QCOMPARE(CSqliteDBManager::covertToUnixPath(value), rewritten);
    if (rewritten)
        QCOMPARE(value.toQString(), QDir::homePath() + "/" + QString::fromUtf8(expectedUnderHome));
    else
        QCOMPARE(value.bytes(), path);
}

void SqliteDBManagerTest::removeNonExistingFiles()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();

    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    QVERIFY(QDir(home.path()).mkpath("Documents/Tax"));
    QFile winFile(home.path() + "/Documents/Tax/win.r21");
    QVERIFY(winFile.open(QIODevice::WriteOnly));
    winFile.close();
    QFile present(d.dir.path() + "/present.r21");
    QVERIFY(present.open(QIODevice::WriteOnly));
    present.close();
    QVERIFY(QDir(d.dir.path()).mkdir("folder.r21"));

    const int keep1 = addRecentFile(db, "A", "", present.fileName(), "2021-01-01 00:00:00");
    const int keep2 = addRecentFile(db, "B", "", "C:\\Users\\ann\\Documents\\Tax\\win.r21", "2021-01-01 00:00:00");
    addRecentFile(db, "C", "", d.dir.path() + "/gone.r21", "2021-01-01 00:00:00");
    addRecentFile(db, "D", "", d.dir.path() + "/folder.r21", "2021-01-01 00:00:00");
    addRecentFile(db, "E", "", "C:\\Users\\ann\\Documents\\Tax\\gone.r21", "2021-01-01 00:00:00");
    addRecentFile(db, "F", "", "", "2021-01-01 00:00:00");

    const int removed = d.mgr.removeNonExistHistoryItems();
    qputenv("HOME", oldHome);

    QCOMPARE(removed, 4);
    QCOMPARE(scalar(db, "select count(*) from tb_retfile"), 2);
    QCOMPARE(text(db, "select filepath from tb_retfile where id=?", {keep1}), present.fileName());
    // The stored path is not rewritten.
    QCOMPARE(text(db, "select filepath from tb_retfile where id=?", {keep2}),
             QStringLiteral("C:\\Users\\ann\\Documents\\Tax\\win.r21"));
}

void SqliteDBManagerTest::newestSettingRowWins()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    const int first = run(db, "insert into tb_config (name, value) values ('BKColor', '#111111')");
    const int second = run(db, "insert into tb_config (name, value) values ('BKColor', '#222222')");
    const int newest = run(db, "insert into tb_config (name, value) values ('BKColor', '#333333')");
    run(db, "insert into tb_config (name, value) values ('FontSize', '12')");

    CString value;
    QCOMPARE(d.mgr.readParameter("BKColor", value, 0), newest);
    QCOMPARE(value, CString("#333333"));

    d.mgr.saveParameter("BKColor", CString("#444444"), 0);
    QCOMPARE(scalar(db, "select count(*) from tb_config where name='BKColor'"), 3);
    QCOMPARE(text(db, "select value from tb_config where id=?", {first}), QStringLiteral("#111111"));
    QCOMPARE(text(db, "select value from tb_config where id=?", {second}), QStringLiteral("#222222"));
    QCOMPARE(text(db, "select value from tb_config where id=?", {newest}), QStringLiteral("#444444"));
    QCOMPARE(text(db, "select value from tb_config where name='FontSize'"), QStringLiteral("12"));
}

void SqliteDBManagerTest::settingAbsentLeavesValue()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    run(d.db(), "insert into tb_config (name, value) values ('Other', '5')");

    CString textValue("default");
    int number = -1;
    bool flag = true;
    QCOMPARE(d.mgr.readParameter("Missing", textValue, 0), 0);
    QCOMPARE(d.mgr.readParameter("Missing", number), 0);
    QCOMPARE(d.mgr.readParameter("Missing", flag), 0);
    QCOMPARE(textValue, CString("default"));
    QCOMPARE(number, -1);
    QCOMPARE(flag, true);
}

void SqliteDBManagerTest::wholeNumberSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("blanks around") << " 12 " << 12;
    QTest::newRow("fraction cut") << "12.9" << 12;
    QTest::newRow("negative fraction toward zero") << "-3.5" << -3;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("too large held to int") << "1e12" << INT_MAX;
    QTest::newRow("too small held to int") << "-1e12" << INT_MIN;
}

void SqliteDBManagerTest::wholeNumberSetting()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    OpenDb d;
    QCOMPARE(d.rc, 0);
    const int id = run(d.db(), "insert into tb_config (name, value) values ('Width', ?)", {stored});

    int value = 777;
    QCOMPARE(d.mgr.readParameter("Width", value), id);
    QCOMPARE(value, expected);
}

void SqliteDBManagerTest::yesNoSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("initial");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("any non-zero number") << "2" << false << true;
    QTest::newRow("fraction below one is 0") << "0.5" << true << false;
    QTest::newRow("a word reads as 0") << "yes" << true << false;
}

void SqliteDBManagerTest::yesNoSetting()
{
    QFETCH(QString, stored);
    QFETCH(bool, initial);
    QFETCH(bool, expected);
    OpenDb d;
    QCOMPARE(d.rc, 0);
    const int id = run(d.db(), "insert into tb_config (name, value) values ('ShowRelMsg', ?)", {stored});

    bool value = initial;
    QCOMPARE(d.mgr.readParameter("ShowRelMsg", value), id);
    QCOMPARE(value, expected);
}

void SqliteDBManagerTest::savedForms()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    auto stored = [&](const char* name) {
        return text(db, "select value from tb_config where name=? order by id desc", {QString::fromUtf8(name)});
    };

    d.mgr.saveParameter("LeftX", -7);
    d.mgr.saveParameter("Width", 1024);
    d.mgr.saveParameter("ShowRelMsg", true);
    d.mgr.saveParameter("FilingReport", false);
    QCOMPARE(stored("LeftX"), QStringLiteral("-7"));
    QCOMPARE(stored("Width"), QStringLiteral("1024"));
    QCOMPARE(stored("ShowRelMsg"), QStringLiteral("1"));
    QCOMPARE(stored("FilingReport"), QStringLiteral("0"));
    int number = 0;
    bool flag = false;
    QVERIFY(d.mgr.readParameter("LeftX", number) > 0);
    QCOMPARE(number, -7);
    QVERIFY(d.mgr.readParameter("ShowRelMsg", flag) > 0);
    QVERIFY(flag);

    // A new row is stored trimmed; an update stores the text as given.
    d.mgr.saveParameter("BusinessName", CString("  O'Neil \"Tax\"; drop table tb_config  "), 0);
    QCOMPARE(stored("BusinessName"), QStringLiteral("O'Neil \"Tax\"; drop table tb_config"));
    d.mgr.saveParameter("BusinessName", CString(" Caf\xC3\xA9 "), 0);
    QCOMPARE(stored("BusinessName"), QString::fromUtf8(" Caf\xC3\xA9 "));
    CString value;
    QVERIFY(d.mgr.readParameter("BusinessName", value, 0) > 0);
    QCOMPARE(value, CString("Caf\xC3\xA9"));
    QCOMPARE(scalar(db, "select count(*) from tb_config where name='BusinessName'"), 1);

    const QString folder = QDir::toNativeSeparators(d.dir.path() + "/returns");
    d.mgr.saveParameter("RetPath", CString(folder), 1);
    QVERIFY(d.mgr.readParameter("RetPath", value, 1) > 0);
    QCOMPARE(value.toQString(), folder);

    // Each name written through the store keeps one row.
    QCOMPARE(scalar(db, "select count(*) from tb_config"), 6);
}

QTEST_GUILESS_MAIN(SqliteDBManagerTest)
#include "tst_sqlitedbmanager.moc"
