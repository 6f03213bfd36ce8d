#include "appconfig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
class TestConfig : public CAppConfig
{
public:
    TestConfig()
    {
        registerTextKey("SERVER_URL", &serverUrl);
        registerTextKey("USER_NAME", &userName);
        registerYesNoKey("AUTO_SAVE", &autoSave);
        registerYesNoKey("SHOW_TIPS", &showTips);
    }

    void afterReadConfigFile() override
    {
        ++hookCalls;
        userNameInHook = userName;
        autoSaveInHook = autoSave;
    }

    CString serverUrl = "https://default.example/";
    CString userName = "nobody";
    bool autoSave = false;
    bool showTips = true;

    int hookCalls = 0;
    CString userNameInHook;
    bool autoSaveInHook = false;
};

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("quillmere.cfg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}
} // namespace

class AppConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void readsRegisteredKeys();
    void emptyFileStillCallsHook();
    void yesNoValues_data();
    void yesNoValues();
    void unreadableFile_data();
    void unreadableFile();
};

void AppConfigTest::readsRegisteredKeys()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeFile(dir,
        "# Quillmere settings\n"
        "\n"
        "[network]\n"
        "  SERVER_URL   =   https://efile.example/submit?a=b  \r\n"
        "; a comment in the other style\n"
        "\t\n"
        "[user]\n"
        "USER_NAME=\xC3\x89lise\n"
        "AUTO_SAVE = Yes\n"
        "SHOW_TIPS=OFF\n"
        "COLOUR=blue\n"
        "=no key\n"
        "no equals sign\n"
        // Ignored lines that would change the fields if they were read.
        "# USER_NAME=commented out\n"
        "; AUTO_SAVE=no\n"
        "[SHOW_TIPS=yes]\n"
        // Keys are case-sensitive.
        "user_name=wrong case\n"
        "Auto_Save=no\n");
    QVERIFY(!path.isEmpty());

    TestConfig config;
    QVERIFY(config.readConfigFile(path.toUtf8().constData()));

    QCOMPARE(config.serverUrl, CString("https://efile.example/submit?a=b"));
    QCOMPARE(config.userName.toQString(), QStringLiteral("Élise"));
    QCOMPARE(config.autoSave, true);
    QCOMPARE(config.showTips, false);

    QCOMPARE(config.hookCalls, 1);
    QCOMPARE(config.userNameInHook.toQString(), QStringLiteral("Élise"));
    QCOMPARE(config.autoSaveInHook, true);
}

void AppConfigTest::emptyFileStillCallsHook()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeFile(dir, QByteArray());
    QVERIFY(!path.isEmpty());

    TestConfig config;
    QVERIFY(config.readConfigFile(path.toUtf8().constData()));
    QCOMPARE(config.hookCalls, 1);
    QCOMPARE(config.userName, CString("nobody"));
    QCOMPARE(config.showTips, true);
}

void AppConfigTest::yesNoValues_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");

    const char* const yes[] = {"yes", "YES", "Yes", "true", "TRUE", "True", "1", "on", "ON", "On"};
    for (const char* v : yes)
        QTest::addRow("%s sets", v) << QByteArray(v) << false << true;
    const char* const no[] = {"no", "NO", "No", "false", "FALSE", "fAlSe", "0", "off", "OFF", "Off"};
    for (const char* v : no)
        QTest::addRow("%s clears", v) << QByteArray(v) << true << false;

    const char* const invalid[] = {"maybe", "2", "yess", "o n"};
    for (const char* v : invalid) {
        QTest::addRow("invalid %s keeps true", v) << QByteArray(v) << true << true;
        QTest::addRow("invalid %s keeps false", v) << QByteArray(v) << false << false;
    }
}

void AppConfigTest::yesNoValues()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, before);
    QFETCH(bool, after);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeFile(dir, "AUTO_SAVE=" + value + "\n");
    QVERIFY(!path.isEmpty());

    TestConfig config;
    config.autoSave = before;
    QVERIFY(config.readConfigFile(path.toUtf8().constData()));
    QCOMPARE(config.autoSave, after);
    QCOMPARE(config.showTips, true);   // the other flag is untouched
}

void AppConfigTest::unreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeFolder");

    QTest::newRow("missing file") << QStringLiteral("absent.cfg") << false;
    QTest::newRow("folder at the path") << QStringLiteral("folder.cfg") << true;
}

void AppConfigTest::unreadableFile()
{
    QFETCH(QString, name);
    QFETCH(bool, makeFolder);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (makeFolder)
        QVERIFY(QDir().mkdir(path));

    TestConfig config;
    QVERIFY(!config.readConfigFile(path.toUtf8().constData()));
    QCOMPARE(config.hookCalls, 0);
    QCOMPARE(config.serverUrl, CString("https://default.example/"));
    QCOMPARE(config.userName, CString("nobody"));
    QCOMPARE(config.autoSave, false);
    QCOMPARE(config.showTips, true);
}

QTEST_APPLESS_MAIN(AppConfigTest)
#include "tst_appconfig.moc"
