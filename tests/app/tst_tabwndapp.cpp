// The application object inside one process: started in test mode on a home
// folder of its own, with settings of both modes already stored.

#include <functional>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "edition.h"
#include "mainwindow.h"
#include "messages.h"
#include "filingsettings.h"
#include "preparersettings.h"
#include "prompt.h"
#include "tabwndapp.h"

namespace {

QString dataFolder()
{
    return QDir::homePath() + "/Documents/quillmere_special/2021";
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The first column of a statement on the program's database, through a
// connection of the test's own.
QStringList query(const QString& sql, const QVariantList& values = {})
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(dataFolder() + "/._sys/mydata2021n.db");
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(sql);
            for (const QVariant& v : values) q.addBindValue(v);
            if (q.exec())
                while (q.next()) out << q.value(0).toString();
            else
                out << "<failed>";
        }
    }
    QSqlDatabase::removeDatabase("probe");
    return out;
}

QString stored(const QString& name)
{
    const QStringList v = query("select value from tb_config where name=? order by id desc limit 1", {name});
    return v.isEmpty() ? QStringLiteral("<none>") : v.first();
}

// One setting as the test sees it: its field as text, both ways.
struct SettingField
{
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

SettingField fieldOf(const QString& name)
{
    TabWndApp* app = TabWndApp::getMainApp();
    CT1AppConfig& c = app->config();
    auto text = [](CString& f) { return SettingField{[&f] { return f.toQString(); }, [&f](const QString& v) { f = v; }}; };
    auto number = [](int& f) {
        return SettingField{[&f] { return QString::number(f); }, [&f](const QString& v) { f = v.toInt(); }};
    };
    auto yesNo = [](bool& f) {
        return SettingField{[&f] { return QString(f ? "yes" : "no"); }, [&f](const QString& v) { f = v == "yes"; }};
    };
    if (name == "BusinessName") return text(c.m_BusinessName);
    if (name == "BusinessPostcode") return text(c.m_BusinessPostcode);
    if (name == "DiscounterCode") return text(c.m_DiscounterCode);
    if (name == "PenvaultEmail") return text(c.m_PenvaultEmail);
    if (name == "RetPath") return text(c.m_RetPath);
    if (name == "RetPdfPath") return text(c.m_RetPdfPath);
    if (name == "PreAssessment") return number(c.m_PreAssessment);
    if (name == "PostAssessment") return number(c.m_PostAssessment);
    if (name == "SaveBackup") return number(c.m_SaveBackup);
    if (name == "ShowRelMsg") return yesNo(c.m_ShowRelMsg);
    if (name == "FilingReport") return yesNo(c.m_FilingReport);
    return {};
}

} // namespace

class TstTabWndApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsInTestMode();
    void efileNumbersKeepToTheirMode_data();
    void efileNumbersKeepToTheirMode();
    void settingForms_data();
    void settingForms();
    void logLines();
    void filingRecord_data();
    void filingRecord();
    void logPaths_data();
    void logPaths();
    void removeReturnEntry_data();
    void removeReturnEntry();

private:
    TabWndApp* app() { return TabWndApp::getMainApp(); }
};

void TstTabWndApp::initTestCase()
{
    QVERIFY(QDir().mkpath(dataFolder() + "/run"));
    QVERIFY(QDir().mkpath(dataFolder() + "/._sys"));
    QFile ini(dataFolder() + "/run/gr_path.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("MODEDEBUG=yes\n");
    ini.close();

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "seed");
        db.setDatabaseName(dataFolder() + "/._sys/mydata2021n.db");
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("create table tb_config (id integer primary key autoincrement, name text, value text)"));
        const QList<QPair<QString, QString>> rows = {{"BusinessEFileNum", "P1234"},
                                                     {"BusinessEFilePassword", "prod-pw"},
                                                     {"BusinessEFileNumDbg", "T9876"},
                                                     {"BusinessEFilePasswordDbg", "test-pw"},
                                                     {"BusinessName", "Lee Tax Services"}};
        for (const auto& row : rows) {
            q.prepare("insert into tb_config (name, value) values (?, ?)");
            q.addBindValue(row.first);
            q.addBindValue(row.second);
            QVERIFY(q.exec());
        }
    }
    QSqlDatabase::removeDatabase("seed");

    QCOMPARE(app()->initApp(), 0);
}

void TstTabWndApp::startsInTestMode()
{
    QCOMPARE(TabWndApp::s_appTitle, gMsgGetTitle(2) + " - Testing");
    std::unique_ptr<MainWindow> window(MainWindow::getInstance());
    QCOMPARE(window->windowTitle(), TabWndApp::s_appTitle + " (Special) - Welcome");
    QCOMPARE(int(currentEdition()), 2);

    // Start-up read the settings before the file turned test mode on.
    QCOMPARE(app()->config().m_BusinessEFileNum, CString("T9876"));
    QCOMPARE(app()->config().m_BusinessEFilePassword, CString("test-pw"));
    QCOMPARE(preparerSettings().BusinessEFileNum, CString("T9876"));
    QCOMPARE(preparerSettings().EFilePassword, CString("test-pw"));
    QCOMPARE(preparerSettings().BusinessName, CString("Lee Tax Services"));
    // Checking and filing read the same numbers and the mode from their settings.
    QCOMPARE(filingSettings().EfilerId, CString("T9876"));
    QCOMPARE(filingSettings().EfilerPassword, CString("test-pw"));
    QVERIFY(filingSettings().TestMode);

    QVERIFY(!QIcon(":/res/images/netfile-2021.ico").pixmap(32).isNull());
    QVERIFY(!QIcon(":/res/images/efile-2021.ico").pixmap(32).isNull());
}

void TstTabWndApp::efileNumbersKeepToTheirMode_data()
{
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<QString>("otherName");
    QTest::newRow("test mode") << true << "BusinessEFileNumDbg" << "BusinessEFileNum";
    QTest::newRow("production") << false << "BusinessEFileNum" << "BusinessEFileNumDbg";
}

void TstTabWndApp::efileNumbersKeepToTheirMode()
{
    QFETCH(bool, testMode);
    QFETCH(QString, ownName);
    QFETCH(QString, otherName);

    CT1AppConfig& c = app()->config();
    c.m_MODEDEBUG = !testMode;
    app()->readConfigDB();
    const CString otherNumber = c.m_BusinessEFileNum;
    QCOMPARE(otherNumber.toQString(), stored(otherName));

    c.m_MODEDEBUG = testMode;
    c.m_BusinessEFileNum = ownName + "-new";
    app()->saveConfigDB();
    QCOMPARE(stored(ownName), ownName + "-new");
    QCOMPARE(stored(otherName), otherNumber.toQString());
    QCOMPARE(preparerSettings().BusinessEFileNum.toQString(), ownName + "-new");
    QCOMPARE(filingSettings().EfilerId.toQString(), ownName + "-new");   // applied preferences reach validation
    QCOMPARE(filingSettings().TestMode, testMode);

    c.m_MODEDEBUG = !testMode;
    app()->readConfigDB();
    QCOMPARE(c.m_BusinessEFileNum, otherNumber);
    c.m_MODEDEBUG = testMode;
    app()->readConfigDB();
    QCOMPARE(c.m_BusinessEFileNum.toQString(), ownName + "-new");
    c.m_MODEDEBUG = true;
}

void TstTabWndApp::settingForms_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("storedText");

    QTest::newRow("text") << "BusinessName" << "Lee & Fils Fiscalité" << "Lee & Fils Fiscalité";
    QTest::newRow("text: postal code") << "BusinessPostcode" << "K1A 0B1" << "K1A 0B1";
    QTest::newRow("text: e-signature account") << "PenvaultEmail" << "ann@example.ca" << "ann@example.ca";
    QTest::newRow("path") << "RetPath" << "/srv/returns/2021" << "/srv/returns/2021";
    QTest::newRow("integer") << "PreAssessment" << "1" << "1";
    QTest::newRow("integer: no choice yet") << "PostAssessment" << "-1" << "-1";
    QTest::newRow("integer: backups") << "SaveBackup" << "1" << "1";
    QTest::newRow("yes/no: no") << "ShowRelMsg" << "no" << "0";
    QTest::newRow("yes/no: yes") << "FilingReport" << "yes" << "1";
}

void TstTabWndApp::settingForms()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, storedText);

    SettingField field = fieldOf(name);
    QVERIFY(field.get);
    field.set(value);
    app()->saveConfigDB();
    QCOMPARE(stored(name), storedText);

    // Anything else in the field: the next read brings the stored value back.
    field.set(name == "ShowRelMsg" || name == "FilingReport" ? (value == "yes" ? "no" : "yes") : "0");
    app()->readConfigDB();
    QCOMPARE(field.get(), value);
}

void TstTabWndApp::logLines()
{
    const QString path = dataFolder() + "/run/lines.txt";
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    TabWndApp::WriteLogFile(CString(path), "check 70");
    TabWndApp::WriteLogFile(CString(path), "Téléchargement fini");
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    const QStringList lines = QString::fromUtf8(readAll(path)).split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.last(), QString());
    const QStringList texts = {"check 70", "Téléchargement fini"};
    for (int i = 0; i < 2; ++i) {
        QVERIFY2(lines.at(i).startsWith("Log: "), qPrintable(lines.at(i)));
        const QDateTime when = QDateTime::fromString(lines.at(i).mid(5, 19), "yyyy-MM-dd HH:mm:ss");
        QVERIFY2(when.isValid() && when >= before && when <= after, qPrintable(lines.at(i)));
        QCOMPARE(lines.at(i).mid(24), " " + texts.at(i));
    }

    // The run log begins again at every start.
    app()->WriteRunLogFile("something");
    app()->InitRunLogFile();
    QCOMPARE(readAll(app()->runLogPath()), QByteArray("Log file created\n"));
}

void TstTabWndApp::filingRecord_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");

    QTest::newRow("accepted with a message") << "Amélie Tremblay" << "Accepted" << "ABCDE12345" << "Return received";
    QTest::newRow("empty message") << "Maya Okafor" << "Accepted" << "FGHIJ67890" << "";
}

void TstTabWndApp::filingRecord()
{
    QFETCH(QString, name);
    QFETCH(QString, result);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);

    CString logPath;
    app()->getFilingLogFilePath(logPath, 0);
    QFile::remove(logPath.toQString());
    QCOMPARE(app()->writeSuccFilingLog(name, result, confirmation, message), 0);
    app()->writeSuccFilingLog(name, result, confirmation, message);

    const QString text = QString::fromUtf8(readAll(logPath.toQString()));
    const QString tail = "Name: " + name + "\nResult: " + result + "\nConfirmation: " + confirmation + "\nMsg: "
                         + message + "\n\n\n";
    const QRegularExpression record("^Time: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\n"
                                    + QRegularExpression::escape(tail));
    const QRegularExpressionMatch first = record.match(text);
    QVERIFY2(first.hasMatch(), qPrintable(text));
    // Appended: the second record follows the first.
    QVERIFY2(record.match(text.mid(first.capturedLength())).hasMatch(), qPrintable(text));
    QCOMPARE(text.size(), 2 * first.capturedLength());
}

void TstTabWndApp::logPaths_data()
{
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<QString>("resultFile");
    QTest::newRow("test mode") << true << "netfileresult.ws";
    QTest::newRow("production") << false << "netfileresult.txt";
}

void TstTabWndApp::logPaths()
{
    QFETCH(bool, testMode);
    QFETCH(QString, resultFile);

    const QString run = dataFolder() + "/run/";
    app()->config().m_MODEDEBUG = testMode;
    CString path;
    app()->getFilingLogFilePath(path, 0);
    QCOMPARE(path.toQString(), run + "netfilelog.txt");
    app()->getFilingLogFilePath(path, 1);
    QCOMPARE(path.toQString(), run + resultFile);
    app()->getTDDLogFilePath(path, 0);
    QCOMPARE(path.toQString(), QDir::toNativeSeparators(run + "tddlog.txt"));
    app()->getTDDLogFilePath(path, 1);
    QCOMPARE(path.toQString(), QDir::toNativeSeparators(run + "tddlog2.txt"));
    app()->config().m_MODEDEBUG = true;
}

void TstTabWndApp::removeReturnEntry_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("forgotten");   // history row and list row gone
    QTest::addColumn<bool>("told");

    QTest::newRow("file deleted") << "file" << true << false;
    QTest::newRow("file already gone") << "none" << true << false;
    QTest::newRow("file that cannot be deleted") << "folder" << false << true;
}

void TstTabWndApp::removeReturnEntry()
{
    QFETCH(QString, kind);
    QFETCH(bool, forgotten);
    QFETCH(bool, told);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.path() + "/lee.r21";
    if (kind == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path + "/inside"));
    }
    QVERIFY(app()->saveReturnEntry("Ann Lee", "", path) > 0);
    ReturnFileEntriesModel* model = app()->loadReturnEntriesIntoModel(QString());
    int row = -1;
    for (int i = 0; i < model->count(); ++i)
        if (model->getFilePath(i) == path) row = i;
    QVERIFY(row >= 0);

    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    const int before = model->count();
    app()->removeReturnEntry(model->index(row, 0));

    const QStringList rows = query("select id from tb_retfile where filepath=?", {path});
    QCOMPARE(rows.isEmpty(), forgotten);
    QCOMPARE(model->count(), forgotten ? before - 1 : before);
    if (kind == "file") QVERIFY(!QFile::exists(path));
    QCOMPARE(prompts.asked().size(), told ? 1 : 0);
    if (told) QVERIFY(prompts.texts().first().contains(path));
}

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("HOME", home.path().toUtf8());
    TabWndApp* app = TabWndApp::initMainApp(argc, argv);
    int result = 0;
    {
        TstTabWndApp test;
        result = QTest::qExec(&test, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_tabwndapp.moc"
