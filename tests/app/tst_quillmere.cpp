// The built program run as a user runs it: each case gets its own home
// folder (and its own folder for the single-instance segment's key file).

#include <csignal>
#include <ctime>
#include <memory>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSharedMemory>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "familytaxdata.h"
#include "newbase64.h"
#include "scenario.h"

namespace {

const QString kProgram = QStringLiteral(QUILLMERE_BIN);
const QString kTitle = QStringLiteral("Quillmere 2021 for NetFile (Special)");

// A user's home folder with the program's folders under it.
struct Home
{
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    QString data() const { return dir.path() + "/Documents/quillmere_special/2021"; }
    QString run() const { return data() + "/run"; }
    QString sys() const { return data() + "/._sys"; }
    QString database() const { return sys() + "/mydata2021n.db"; }
    QString runLog() const { return run() + "/log2021.txt"; }
};

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

void prepare(QProcess& process, const Home& home, const QString& keyFolder, const QString& workFolder = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("TMPDIR", keyFolder);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workFolder.isEmpty() ? home.path() : workFolder);
    process.setProgram(kProgram);
}

// The batch run: its exit code, or -1000 when it did not end by itself.
int runBatch(const Home& home, const QStringList& args, const QString& workFolder)
{
    QProcess process;
    prepare(process, home, home.path(), workFolder);
    // A batch run needs no display at all, as on a server.
    QProcessEnvironment env = process.processEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    process.setProcessEnvironment(env);
    process.setArguments(args);
    process.start();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return -1000;
    }
    return process.exitCode();
}

// A desktop run, left running.
std::unique_ptr<QProcess> startDesktop(const Home& home, const QString& keyFolder)
{
    auto process = std::make_unique<QProcess>();
    prepare(*process, home, keyFolder);
    process->start();
    return process;
}

bool startUpDone(const Home& home)
{
    return readAll(home.runLog()).contains("check 130");
}

// Ends a desktop run the way a session ends it; the exit code, or -1000.
int endSession(QProcess& process)
{
    for (int i = 0; i < 100 && process.state() != QProcess::NotRunning; ++i) {
        const qint64 pid = process.processId();
        if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGTERM);
        process.waitForFinished(200);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return -1000;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1000;
}

// Runs one statement on the program's database and answers its first column.
QStringList query(const QString& database, const QString& sql, const QVariantList& values = {})
{
    QStringList out;
    const QString name = QStringLiteral("probe");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(sql);
            for (const QVariant& v : values) q.addBindValue(v);
            if (q.exec())
                while (q.next()) out << q.value(0).toString();
            else
                out << "<failed>";
        } else {
            out << "<cannot open>";
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

QString setting(const Home& home, const char* name)
{
    const QStringList v =
        query(home.database(), "select value from tb_config where name=? order by id desc limit 1", {name});
    return v.isEmpty() ? QStringLiteral("<none>") : v.first();
}

void seed(const Home& home, const QMap<QString, QString>& settings)
{
    for (auto it = settings.begin(); it != settings.end(); ++it)
        query(home.database(), "insert into tb_config (name, value) values (?, ?)", {it.key(), it.value()});
}

QByteArray decoded(const QByteArray& text)
{
    QByteArray out(text.size() + 16, '\0');
    unsigned long length = out.size();
    newbase64_decode(reinterpret_cast<const unsigned char*>(text.constData()), text.size(),
                     reinterpret_cast<unsigned char*>(out.data()), &length);
    out.resize(int(length));
    return out;
}

using Settings = QMap<QString, QString>;

// The permission bits of a path, as the file system holds them.
int modeOf(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Every folder and file under `root` (itself included) whose mode is not
// 0700 for a folder or 0600 for a file, with its mode; and how many were seen.
QStringList notPrivate(const QString& root, int* seen)
{
    QStringList wrong;
    *seen = 0;
    QList<QString> pending{root};
    while (!pending.isEmpty()) {
        const QString path = pending.takeFirst();
        ++*seen;
        const QFileInfo info(path);
        const int mode = modeOf(path);
        if (mode != (info.isDir() ? 0700 : 0600)) wrong << QStringLiteral("%1 %2").arg(path).arg(mode, 0, 8);
        if (info.isDir())
            for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                pending << entry.filePath();
    }
    return wrong;
}

} // namespace

class TstQuillmere : public QObject
{
    Q_OBJECT

private slots:
    void batchReportMatchesGolden();
    void batchListRules_data();
    void batchListRules();
    void startUpMakesFoldersDatabaseAndFirstStartEvent();
    void programFolderIsPrivate_data();
    void programFolderIsPrivate();
    void unopenableDatabaseEndsTheProgram();
    void damagedDatabaseIsSetAside_data();
    void damagedDatabaseIsSetAside();
    void lockedDatabaseEndsTheProgram();
    void secondCopy_data();
    void secondCopy();
    void windowSettingsOutliveTheRun_data();
    void windowSettingsOutliveTheRun();
};

void TstQuillmere::batchReportMatchesGolden()
{
    Home home;
    QTemporaryDir returns;
    QVERIFY(home.dir.isValid() && returns.isValid());
    const QString folder = returns.path() + "/";

    const QStringList scenarios = {"employee_t4_on", "retired_couple_pension_split_on", "low_income_cwb_on",
                                   "self_employed_cpp_on"};
    for (const QString& name : scenarios) {
        QProcess save;
        save.start(QStringLiteral(SCENARIO2R21),
                   {QStringLiteral(SCENARIO_DIR "/%1.json").arg(name), folder + name + ".r21"});
        QVERIFY2(save.waitForFinished(60000) && save.exitCode() == 0, qPrintable(save.readAllStandardError()));
    }

    // The first part of a good file: its blocks stop in the middle.
    const QByteArray whole = readAll(folder + "employee_t4_on.r21");
    QVERIFY(writeFile(folder + "damaged.r21", whole.left(whole.size() / 3)));

    QFile json(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    QString error;
    const std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), &error);
    QVERIFY2(family, qPrintable(error));
    family->taxpayer()->setReadPassword("secret");
    QVERIFY(family->saveToFile(CString(folder + "protected.r21")));

    // Listed, present, but no file can be opened there.
    QVERIFY(QDir().mkpath(folder + "unreadable.r21"));

    const QByteArray list = "employee_t4_on.r21\n"
                            "retired_couple_pension_split_on.r21\n"
                            "low_income_cwb_on.r21\n"
                            "self_employed_cpp_on.r21\n"
                            "missing.r21\n"
                            "damaged.r21\n"
                            "protected.r21\n"
                            "unreadable.r21\n"
                            "\n"
                            "employee_t4_on.r21\n";
    QVERIFY(writeFile(returns.path() + "/list.txt", list));

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(runBatch(home, {"printresult", folder, returns.path() + "/list.txt"}, returns.path()), 0);
    // The protected file is reported, not waited on.
    QVERIFY(timer.elapsed() < 60000);
    QCOMPARE(QString::fromUtf8(readAll(returns.path() + "/taxresult.txt")),
             QString::fromUtf8(readAll(QStringLiteral(GOLDEN_DIR "/taxresult.txt"))));
}

void TstQuillmere::batchListRules_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("folderEndsWithSeparator");
    QTest::addColumn<QByteArray>("list");   // "<none>": no list file named; "<absent>": named but not there
    QTest::addColumn<QByteArray>("report");

    const QByteArray missing = "\ncannot find return file\n\n";
    QTest::newRow("capitals select the batch run")
        << "PRINTRESULT" << true << QByteArray("a.r21\n") << QByteArray("a.r21" + missing);
    QTest::newRow("mixed case selects the batch run")
        << "PrintResult" << true << QByteArray("a.r21\n") << QByteArray("a.r21" + missing);
    QTest::newRow("no list file named") << "printresult" << true << QByteArray("<none>")
                                        << QByteArray("====> no input file\n");
    QTest::newRow("list file cannot be opened") << "printresult" << true << QByteArray("<absent>")
                                                << QByteArray("====> cannot open input file\n");
    QTest::newRow("empty line ends the list")
        << "printresult" << true << QByteArray("a.r21\n\nb.r21\n") << QByteArray("a.r21" + missing);
    QTest::newRow("one character and its line end end the list")
        << "printresult" << true << QByteArray("a.r21\nx\nb.r21\n") << QByteArray("a.r21" + missing);
    QTest::newRow("last line without a line end keeps its last character")
        << "printresult" << true << QByteArray("a.r21\nb.r21")
        << QByteArray("a.r21" + missing + "b.r21" + missing);
    QTest::newRow("Windows line ends are line ends")
        << "printresult" << true << QByteArray("a.r21\r\nb.r21\r\n")
        << QByteArray("a.r21" + missing + "b.r21" + missing);
    const QByteArray longName = QByteArray(200, 'n') + ".r21";
    QTest::newRow("a long line is one name") << "printresult" << true << QByteArray(longName + "\n")
                                             << QByteArray(longName + missing);
    // "<folder>dir.r21" exists as a folder; "<folder>/dir.r21" does not.
    QTest::newRow("names join the folder without a separator")
        << "printresult" << false << QByteArray("dir.r21\n")
        << QByteArray("dir.r21\nreturn file read error, read error 107\n\n");
}

void TstQuillmere::batchListRules()
{
    QFETCH(QString, command);
    QFETCH(bool, folderEndsWithSeparator);
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, report);

    Home home;
    QTemporaryDir work;
    QVERIFY(home.dir.isValid() && work.isValid());
    const QString folder = work.path() + (folderEndsWithSeparator ? "/" : "/pre-");
    QVERIFY(QDir().mkpath(work.path() + "/pre-dir.r21"));

    QStringList args = {command, folder};
    if (list == "<absent>") {
        args << work.path() + "/no-such-list.txt";
    } else if (list != "<none>") {
        QVERIFY(writeFile(work.path() + "/list.txt", list));
        args << work.path() + "/list.txt";
    }
    QCOMPARE(runBatch(home, args, work.path()), 0);
    QCOMPARE(readAll(work.path() + "/taxresult.txt"), report);
}

void TstQuillmere::programFolderIsPrivate_data()
{
    QTest::addColumn<bool>("earlierWide");
    QTest::newRow("fresh home") << false;
    QTest::newRow("over folders 0755 and files 0644") << true;
}

// The program's folder under Documents holds the database with the filing
// passwords, the returns, the logs: every folder 0700 and every file 0600
// after a start, whatever an earlier version left; the narrowing is logged
// once.
void TstQuillmere::programFolderIsPrivate()
{
    QFETCH(bool, earlierWide);
    Home home;
    QVERIFY(home.dir.isValid());
    const QString program = home.path() + "/Documents/quillmere_special";
    if (earlierWide) {
        for (const QString& folder : {home.run(), home.sys(), home.data() + "/data/noa1"}) QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFile(home.run() + "/netfileresult.ws", "<tp:SocialInsuranceNumber>046454286"));
        QVERIFY(writeFile(home.run() + "/tddlog.txt", "old log"));
        QVERIFY(writeFile(home.data() + "/data/Ann Lee.r21", "return"));
        QVERIFY(writeFile(home.data() + "/data/noa1/noa2021_xxxxx4286_1.html", "<html/>"));
        QVERIFY(writeFile(home.sys() + "/mydata2021n.db", QByteArray()));
        int seen = 0;
        for (const QString& entry : notPrivate(program, &seen)) {
            const QString path = entry.section(' ', 0, -2);
            QVERIFY(::chmod(QFile::encodeName(path).constData(), QFileInfo(path).isDir() ? 0755 : 0644) == 0);
        }
        QVERIFY(modeOf(home.sys() + "/mydata2021n.db") == 0644);
        QVERIFY(modeOf(program) == 0755);
    }
    for (int start = 1; start <= 2; ++start) {
        QCOMPARE(runBatch(home, {"printresult", home.path() + "/"}, home.path()), 0);
        int seen = 0;
        const QStringList wrong = notPrivate(program, &seen);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
        QVERIFY(seen >= (earlierWide ? 12 : 8));
        QVERIFY(QFileInfo(home.database()).size() > 0);
        const QString log = QString::fromUtf8(readAll(home.runLog()));
        QCOMPARE(log.count("readable by their owner only"), earlierWide && start == 1 ? 1 : 0);
        if (earlierWide && start == 1)
            QVERIFY2(log.contains("Made 11 folders and files in " + program + " readable by their owner only\n"),
                     qPrintable(log));
    }
}

void TstQuillmere::startUpMakesFoldersDatabaseAndFirstStartEvent()
{
    Home home;
    QVERIFY(home.dir.isValid());
    const QStringList steps = {"Only one instance of quillmere can run", "check 70", "check 80", "check 90",
                               "check 120", "check 130"};
    const QRegularExpression logLine(R"(^Log: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d (.*)$)");

    QByteArray firstEvent;
    for (int start = 1; start <= 2; ++start) {
        const qulonglong before = qulonglong(std::time(nullptr));
        QCOMPARE(runBatch(home, {"printresult", home.path() + "/"}, home.path()), 0);
        const qulonglong after = qulonglong(std::time(nullptr));

        for (const QString& folder : {home.run(), home.sys(), home.data() + "/data", home.data() + "/data/noa1"})
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        QVERIFY(QFileInfo(home.database()).isFile());

        // The run log holds this start only.
        const QStringList lines = QString::fromUtf8(readAll(home.runLog())).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), steps.size() + 1);
        QCOMPARE(lines.first(), QStringLiteral("Log file created"));
        for (int i = 0; i < steps.size(); ++i) {
            const QRegularExpressionMatch m = logLine.match(lines.at(i + 1));
            QVERIFY2(m.hasMatch(), qPrintable(lines.at(i + 1)));
            QCOMPARE(m.captured(1), steps.at(i));
        }

        const QStringList events = query(home.database(), "select msg from tb_history where eventid=1001");
        QCOMPARE(events.size(), 1);
        if (start == 1) {
            firstEvent = events.first().toUtf8();
            bool ok = false;
            const qulonglong seconds = decoded(firstEvent).toULongLong(&ok);
            QVERIFY2(ok, firstEvent.constData());
            QVERIFY(seconds >= before && seconds <= after);
        } else {
            QCOMPARE(events.first().toUtf8(), firstEvent);
        }
    }
}

void TstQuillmere::unopenableDatabaseEndsTheProgram()
{
    // The system folder is a file: no database can be made, none set aside.
    Home home;
    QVERIFY(home.dir.isValid());
    QVERIFY(QDir().mkpath(home.data()));
    QVERIFY(writeFile(home.sys(), "not a folder"));
    QCOMPARE(runBatch(home, {"printresult", home.path() + "/"}, home.path()), 255);   // -1
    QVERIFY(!QFile::exists(home.path() + "/taxresult.txt"));
    const QByteArray log = readAll(home.runLog());
    QVERIFY(log.contains("Only one instance of quillmere can run"));
    QVERIFY(!log.contains("check 70"));
    QCOMPARE(readAll(home.sys()), QByteArray("not a folder"));
}

void TstQuillmere::damagedDatabaseIsSetAside_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("random bytes") << false;
    QTest::newRow("a folder in its place") << true;
}

// The desktop program starts over a fresh database, the old one kept beside.
void TstQuillmere::damagedDatabaseIsSetAside()
{
    QFETCH(bool, folder);
    QTemporaryDir keys;
    Home home;
    QVERIFY(keys.isValid() && home.dir.isValid());
    QVERIFY(QDir().mkpath(home.sys()));
    QByteArray junk(5000, 'q');
    for (int i = 0; i < junk.size(); ++i) junk[i] = char((i * 131 + 7) % 251);
    if (folder)
        QVERIFY(QDir().mkpath(home.database()));
    else
        QVERIFY(writeFile(home.database(), junk));
    const auto run = startDesktop(home, keys.path());
    QTRY_VERIFY_WITH_TIMEOUT(startUpDone(home), 60000);
    QCOMPARE(run->state(), QProcess::Running);
    const QStringList aside = QDir(home.sys()).entryList({"mydata2021n.db.damaged-*"}, QDir::AllEntries | QDir::Hidden);
    QCOMPARE(aside.size(), 1);
    if (folder)
        QVERIFY(QFileInfo(home.sys() + "/" + aside.first()).isDir());
    else
        QCOMPARE(readAll(home.sys() + "/" + aside.first()), junk);
    QCOMPARE(query(home.database(), "select count(*) from tb_history where eventid=1001"), QStringList("1"));
    endSession(*run);
}

void TstQuillmere::lockedDatabaseEndsTheProgram()
{
    Home home;
    QVERIFY(home.dir.isValid());
    QCOMPARE(runBatch(home, {"printresult", home.path() + "/"}, home.path()), 0);
    const QByteArray before = readAll(home.database());
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(home.database());
        QVERIFY(locker.open());
        QSqlQuery q(locker);
        QVERIFY(q.exec("begin exclusive"));
        QVERIFY(q.exec("insert into tb_config (name, value) values ('held', 'by another program')"));
        QCOMPARE(runBatch(home, {"printresult", home.path() + "/"}, home.path()), 255);   // -1
        QVERIFY(q.exec("rollback"));
    }
    QSqlDatabase::removeDatabase("locker");
    QVERIFY(!readAll(home.runLog()).contains("check 70"));
    QCOMPARE(readAll(home.database()), before);
    QVERIFY(QDir(home.sys()).entryList({"mydata2021n.db.damaged-*"}, QDir::AllEntries | QDir::Hidden).isEmpty());
}

void TstQuillmere::secondCopy_data()
{
    QTest::addColumn<bool>("allowSecond");
    QTest::addColumn<bool>("firstKilled");
    QTest::addColumn<bool>("secondRuns");

    QTest::newRow("refused while the first runs") << false << false << false;
    QTest::newRow("allowed by the configuration") << true << false << true;
    QTest::newRow("first copy killed outright") << false << true << true;
}

// The second copy uses a home of its own: only the single-instance key is
// shared. A copy that reached its window saves the window settings at the end.
void TstQuillmere::secondCopy()
{
    QFETCH(bool, allowSecond);
    QFETCH(bool, firstKilled);
    QFETCH(bool, secondRuns);

    QTemporaryDir keys;
    Home firstHome, secondHome;
    QVERIFY(keys.isValid() && firstHome.dir.isValid() && secondHome.dir.isValid());
    if (allowSecond) {
        QVERIFY(QDir().mkpath(secondHome.run()));
        QVERIFY(writeFile(secondHome.run() + "/gr_path.ini", "Allow2nd=yes\n"));
    }

    const auto first = startDesktop(firstHome, keys.path());
    QTRY_VERIFY_WITH_TIMEOUT(startUpDone(firstHome), 60000);
    // The segment key lives in the temporary folder the program was given.
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", keys.path().toUtf8());
    QSharedMemory probe(kTitle + "_qlmr");
    // The macro evaluates its condition once more after it holds.
    QTRY_VERIFY_WITH_TIMEOUT(probe.isAttached() || probe.attach(QSharedMemory::ReadOnly), 60000);
    probe.detach();
    if (firstKilled) {
        ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        // The dead copy's segment is still there.
        QVERIFY(probe.attach(QSharedMemory::ReadOnly));
    }
    if (savedTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp);

    const auto second = startDesktop(secondHome, keys.path());
    QTRY_VERIFY_WITH_TIMEOUT(startUpDone(secondHome), 60000);
    QCOMPARE(endSession(*second), 0);
    QCOMPARE(setting(secondHome, "LeftX") != "<none>", secondRuns);

    if (!firstKilled) {
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(endSession(*first), 0);
    }
    probe.detach();
}

void TstQuillmere::windowSettingsOutliveTheRun_data()
{
    QTest::addColumn<Settings>("stored");
    QTest::addColumn<QByteArray>("configFile");
    QTest::addColumn<Settings>("savedAtExit");   // "screen": from the screen's size

    using M = Settings;
    QTest::newRow("nothing stored yet")
        << M{} << QByteArray()
        << M{{"LeftX", "20"}, {"LeftY", "60"}, {"Width", "screen"}, {"Height", "screen"}, {"LeftPaneSize", "270"},
             {"BKColor", "#d0f1ff"}, {"FontSize", "12"}, {"LastOpenPath", ""}};
    const M stored{{"LeftX", "33"}, {"LeftY", "44"}, {"Width", "555"}, {"Height", "444"}, {"LeftPaneSize", "250"},
                   {"BKColor", "#123456"}, {"FontSize", "14"}, {"LastOpenPath", "/srv/returns"},
                   {"LastImportPath", "/srv/last-year"}};
    QTest::newRow("stored settings come back") << stored << QByteArray() << stored;
    M fromFile = stored;
    fromFile["LeftPaneSize"] = "300";
    QTest::newRow("the configuration file wins for the pane width")
        << stored << QByteArray("LeftPaneSize=300\n") << fromFile;
    M shortColour = stored;
    shortColour["BKColor"] = "#fff";
    M defaultColour = stored;
    defaultColour["BKColor"] = "#d0f1ff";
    QTest::newRow("a colour that is not 7 characters is ignored") << shortColour << QByteArray() << defaultColour;
    M noWidth = stored;
    noWidth["Width"] = "0";
    QTest::newRow("a width of 0 takes the default rectangle")
        << noWidth << QByteArray()
        << M{{"LeftX", "20"}, {"LeftY", "60"}, {"Width", "screen"}, {"Height", "screen"}};
}

void TstQuillmere::windowSettingsOutliveTheRun()
{
    QFETCH(Settings, stored);
    QFETCH(QByteArray, configFile);
    QFETCH(Settings, savedAtExit);

    Home home;
    QVERIFY(home.dir.isValid());
    // A first start makes the database to store the settings in.
    QCOMPARE(runBatch(home, {"printresult", home.path() + "/"}, home.path()), 0);
    seed(home, stored);
    if (!configFile.isEmpty()) QVERIFY(writeFile(home.run() + "/gr_path.ini", configFile));

    // The batch start's log must not pass for this start's.
    QVERIFY(QFile::remove(home.runLog()));
    const auto program = startDesktop(home, home.path());
    QTRY_VERIFY_WITH_TIMEOUT(startUpDone(home), 60000);
    QCOMPARE(endSession(*program), 0);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (auto it = savedAtExit.begin(); it != savedAtExit.end(); ++it) {
        QString expected = it.value();
        if (expected == "screen")
            expected = QString::number(it.key() == "Width" ? screen.width() - 40 : screen.height() - 120);
        QCOMPARE(setting(home, it.key().toUtf8().constData()), expected);
    }
}

QTEST_MAIN(TstQuillmere)
#include "tst_quillmere.moc"
