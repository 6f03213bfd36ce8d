// Start-up with a database it cannot use: a damaged one (random bytes, cut
// short, a folder in its place) is set aside beside itself under a dated
// name, a fresh one takes its place and the main window tells the user
// where the old one is; one that another program holds locked is named as
// such and the program does not start. Return files are never touched.

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "apptestmain.h"
#include "mainwindow.h"
#include "prompt.h"
#include "tabwndapp.h"

namespace {

QString dataFolder()
{
    return QDir::homePath() + "/Documents/quillmere_special/2021";
}

QString sysFolder()
{
    return dataFolder() + "/._sys";
}

QString database()
{
    return QDir::toNativeSeparators(sysFolder() + "/mydata2021n.db");
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// What stands beside the database under a set-aside name.
QStringList setAside()
{
    return QDir(sysFolder()).entryList({"mydata2021n.db.damaged-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

// A whole database as the program leaves it, with some rows to lose.
QByteArray realDatabase()
{
    const QString path = QDir::temp().filePath("quillmere-real.db");
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "maker");
        db.setDatabaseName(path);
        if (!db.open()) return QByteArray();
        QSqlQuery q(db);
        q.exec("create table tb_config (id integer primary key autoincrement, name text, value text)");
        q.exec("create table tb_history (id integer primary key autoincrement, uid integer, eventid integer, "
               "msg varchar(200), event_time datetime DEFAULT NULL)");
        for (int i = 0; i < 400; ++i)
            q.exec(QStringLiteral("insert into tb_history (uid, eventid, msg) values (%1, 1, '%2')")
                       .arg(i)
                       .arg(QString(150, QChar('x'))));
    }
    QSqlDatabase::removeDatabase("maker");
    const QByteArray bytes = readAll(path);
    QFile::remove(path);
    return bytes;
}

} // namespace

class DamagedDatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void damagedIsSetAside_data();
    void damagedIsSetAside();
    void lockedEndsStartUp();
    void uncreatableStillEndsStartUp();
};

void DamagedDatabaseTest::init()
{
    QDir(dataFolder()).removeRecursively();
    QVERIFY(QDir().mkpath(sysFolder()));
}

void DamagedDatabaseTest::damagedIsSetAside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << "random";
    QTest::newRow("cut short") << "cut";
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("a few bytes") << "tiny";
}

void DamagedDatabaseTest::damagedIsSetAside()
{
    QFETCH(QString, kind);
    QByteArray before;
    if (kind == "random") {
        before.resize(8192);
        QRandomGenerator generator(7);
        for (char& c : before) c = char(generator.bounded(256));
    } else if (kind == "cut") {
        const QByteArray whole = realDatabase();
        QVERIFY(whole.size() > 40000);
        before = whole.left(whole.size() / 2);
    } else if (kind == "tiny") {
        before = "SQLite";
    }
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(database() + "/inside"));
    } else {
        QVERIFY(writeFile(database(), before));
    }
    // A return file where the user keeps them: start-up leaves it alone.
    const QString returns = dataFolder() + "/returns";
    QVERIFY(QDir().mkpath(returns));
    QVERIFY(writeFile(returns + "/kept.r21", "a return"));

    TabWndApp* app = TabWndApp::getMainApp();
    Prompt::Scripted prompts;
    QCOMPARE(app->initApp(), 0);
    QCOMPARE(prompts.texts(), QStringList());

    const QStringList aside = setAside();
    QCOMPARE(aside.size(), 1);
    const QString asidePath = QDir::toNativeSeparators(sysFolder() + "/" + aside.first());
    QVERIFY(QRegularExpression(R"(^mydata2021n\.db\.damaged-\d{8}-\d{6}$)").match(aside.first()).hasMatch());
    if (kind == "folder")
        QVERIFY(QFileInfo(asidePath + "/inside").isDir());
    else
        QCOMPARE(readAll(asidePath), before);
    QCOMPARE(readAll(returns + "/kept.r21"), QByteArray("a return"));

    // The fresh database works: a setting stored now is read back.
    QVERIFY(app->database().isDBOpen());
    app->database().saveParameter("FontSize", CString("14"), 0);
    CString size;
    QVERIFY(app->database().readParameter("FontSize", size, 0) > 0);
    QCOMPARE(size, CString("14"));

    // The main window tells where the old one is, once, when it shows.
    std::unique_ptr<MainWindow> window(MainWindow::getInstance(nullptr));
    window->show();
    QTRY_COMPARE(prompts.texts(), QStringList(TabWndApp::databaseSetAsideText(database(), asidePath)));
    QVERIFY(prompts.texts().first().contains(asidePath));
    window->hide();
    window->show();
    QTest::qWait(20);
    QCOMPARE(prompts.texts().size(), 1);
    app->database().closeDBFile();
}

void DamagedDatabaseTest::lockedEndsStartUp()
{
    // A whole database that another connection holds under an exclusive
    // lock, as another program would.
    const QByteArray whole = realDatabase();
    QVERIFY(!whole.isEmpty());
    QVERIFY(writeFile(database(), whole));
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(database());
        QVERIFY(locker.open());
        QSqlQuery q(locker);
        QVERIFY(q.exec("begin exclusive"));
        QVERIFY(q.exec("insert into tb_config (name, value) values ('x', 'y')"));

        Prompt::Scripted prompts;
        QCOMPARE(TabWndApp::getMainApp()->initApp(), 101);
        QCOMPARE(prompts.texts(), QStringList(TabWndApp::databaseLockedText(database())));
        QVERIFY(prompts.texts().first().contains("locked by another program"));
        QVERIFY(setAside().isEmpty());
        QVERIFY(!TabWndApp::getMainApp()->database().isDBOpen());
        QVERIFY(q.exec("rollback"));
    }
    QSqlDatabase::removeDatabase("locker");
    QCOMPARE(readAll(database()), whole);
}

void DamagedDatabaseTest::uncreatableStillEndsStartUp()
{
    // The system folder is a file: nothing stands at the database's path to
    // set aside, and none can be made there.
    QVERIFY(QDir(sysFolder()).removeRecursively());
    QVERIFY(writeFile(sysFolder(), "not a folder"));
    Prompt::Scripted prompts;
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 101);
    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY(prompts.texts().first().startsWith("Program cannot read/write config file "));
    QCOMPARE(readAll(sysFolder()), QByteArray("not a folder"));
    QVERIFY(QFile::remove(sysFolder()));
}

QUILLMERE_APP_TEST_MAIN(DamagedDatabaseTest)
#include "tst_damageddatabase.moc"
