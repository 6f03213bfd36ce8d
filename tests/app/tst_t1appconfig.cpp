#include "t1appconfig.h"

#include <map>
#include <set>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "deploymentdata.h"

namespace {
QString writeConfig(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("gr_path.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return QString();
    return path;
}

// The field behind each file key, as the rest of the program reads it.
std::map<std::string, CString*> textFields(CT1AppConfig& c)
{
    return {
        {"NetfileSoftwareCode", &c.m_NetfileSoftwareCode}, {"NetfileSoftwareDate", &c.m_NetfileSoftwareDate},
        {"EfileSoftwareCode", &c.m_EfileSoftwareCode}, {"EfileSoftwareDate", &c.m_EfileSoftwareDate},
        {"EOLSERVER", &c.m_EOLSERVER}, {"NETFILESERVER", &c.m_NETFILESERVER},
        {"T1013SERVER", &c.m_T1013SERVER}, {"T1135SERVER", &c.m_T1135SERVER},
        {"QuillmereWebServer", &c.m_QuillmereWebServer}, {"URL_SEND_RETURN_FILE", &c.m_URL_SEND_RETURN_FILE},
        {"URL_SEND_COMMENT", &c.m_URL_SEND_COMMENT}, {"LeftPaneSize", &c.m_LeftPaneSize},
        {"PDFPATH", &c.m_PDFPATH}, {"XMLPATH", &c.m_XMLPATH}, {"BFORM_XMLPATH", &c.m_BFORM_XMLPATH},
        {"HTMLPATH", &c.m_HTMLPATH}, {"EFILEXML_TEMPLATE_PATH", &c.m_EFILEXML_TEMPLATE_PATH},
        {"JAVACLASSPATH", &c.m_JAVACLASSPATH}, {"JAVAPROJPATH", &c.m_JAVAPROJPATH}, {"JVMPATH", &c.m_JVMPATH},
        {"PenvaultEmail", &c.m_PenvaultEmail}, {"PenvaultPswd", &c.m_PenvaultPswd},
        {"PVFromEmail", &c.m_PVFromEmail}, {"TDDDataFile", &c.m_TDDDataFile},
    };
}

std::map<std::string, bool*> yesNoFields(CT1AppConfig& c)
{
    return {
        {"PrintLogo", &c.m_PrintLogo}, {"PrintHeader", &c.m_PrintHeader}, {"PrintTailer", &c.m_PrintTailer},
        {"CanCreateNetfile", &c.m_CanCreateNetfile}, {"Allow2nd", &c.m_Allow2nd}, {"ShowRelMsg", &c.m_ShowRelMsg},
        {"FilingReport", &c.m_FilingReport}, {"MODEDEBUG", &c.m_MODEDEBUG}, {"NoWarningMsg", &c.m_NoWarningMsg},
        {"EnableGenPrint", &c.m_EnableGenPrint},
    };
}

bool isProviderKey(const CString& key)
{
    return QRegularExpression(QStringLiteral("^[A-Za-z0-9]{32}$")).match(key.toQString()).hasMatch();
}
} // namespace

class T1AppConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void constructorDefaults();
    void fileKeysReachTheirFields();
    void noFile_data();
    void noFile();
    void testModeReplacesHosts();
    void softwareCodeFromFileKept();
    void fileOverridesUserSettings_data();
    void fileOverridesUserSettings();
    void derivedFolders();
    void localServices();
};

void T1AppConfigTest::cleanup()
{
    CDeploymentData::useDeploymentServices();
}

void T1AppConfigTest::constructorDefaults()
{
    CT1AppConfig c;
    QCOMPARE(c.m_NetfileSoftwareDate, CString("2022-03-02"));
    QCOMPARE(c.m_EfileSoftwareDate, CString("2022-03-02"));
    QCOMPARE(c.m_URL_SEND_RETURN_FILE, CString("/fileupload.php"));
    QCOMPARE(c.m_URL_SEND_COMMENT, CString("/commentupload.php"));
    QCOMPARE(c.m_LeftPaneSize, CString("270"));
    QCOMPARE(c.m_BKColor, CString("#d0f1ff"));
    QCOMPARE(c.m_FontSize, CString("12"));
    QCOMPARE(c.m_LeftX + c.m_LeftY + c.m_Width + c.m_Height, 0);
    QCOMPARE(c.m_PreAssessment, -1);
    QCOMPARE(c.m_PostAssessment, -1);
    QCOMPARE(c.m_PrntClientLetter, 0);
    QCOMPARE(c.m_SaveBackup, 0);
    QCOMPARE(c.m_PdfPathSameAsRet, 0);
    QVERIFY(c.m_JAVAPROJPATH.IsEmpty() && c.m_JVMPATH.IsEmpty() && c.m_TDDDataFile.IsEmpty());
    QVERIFY(c.m_PenvaultEmail.IsEmpty() && c.m_PenvaultPswd.IsEmpty() && c.m_PVFromEmail.IsEmpty());
    QVERIFY(c.m_NetfileSoftwareCode.IsEmpty() && c.m_EfileSoftwareCode.IsEmpty());

    const std::map<std::string, bool> flags = {
        {"PrintLogo", true}, {"PrintHeader", true}, {"PrintTailer", true}, {"CanCreateNetfile", false},
        {"Allow2nd", false}, {"ShowRelMsg", true}, {"FilingReport", false}, {"MODEDEBUG", false},
        {"NoWarningMsg", false}, {"EnableGenPrint", false},
    };
    for (const auto& field : yesNoFields(c))
        QVERIFY2(*field.second == flags.at(field.first), field.first.c_str());
    QVERIFY(!c.isTestMode());

    // The agency's four services share one production host by default.
    QVERIFY(!c.m_EOLSERVER.IsEmpty());
    QCOMPARE(c.m_NETFILESERVER, c.m_EOLSERVER);
    QCOMPARE(c.m_T1013SERVER, c.m_EOLSERVER);
    QCOMPARE(c.m_T1135SERVER, c.m_EOLSERVER);
    QVERIFY(!c.m_QuillmereWebServer.IsEmpty());
}

void T1AppConfigTest::fileKeysReachTheirFields()
{
    CT1AppConfig c;
    const auto texts = textFields(c);
    const auto flags = yesNoFields(c);

    // Exactly the 34 keys, each registered to its own field.
    QCOMPARE(c.textKeys().size(), size_t(24));
    QCOMPARE(c.yesNoKeys().size(), size_t(10));
    for (const auto& key : c.textKeys()) {
        QVERIFY2(texts.count(key.first), key.first.c_str());
        QVERIFY2(texts.at(key.first) == key.second, key.first.c_str());
    }
    for (const auto& key : c.yesNoKeys()) {
        QVERIFY2(flags.count(key.first), key.first.c_str());
        QVERIFY2(flags.at(key.first) == key.second, key.first.c_str());
    }

    // A file naming every key sets every field; the yes/no keys are
    // written opposite to their defaults (test mode stays off here).
    QByteArray content;
    for (const auto& t : texts) content += QByteArray::fromStdString(t.first) + "=value of " + QByteArray::fromStdString(t.first) + "\n";
    for (const auto& f : flags)
        if (f.first != "MODEDEBUG") content += QByteArray::fromStdString(f.first) + (*f.second ? "=no\n" : "=yes\n");
    CT1AppConfig defaults;
    QTemporaryDir dir;
    QVERIFY(c.readConfigFile(writeConfig(dir, content).toUtf8().constData()));
    for (const auto& t : texts)
        QCOMPARE(t.second->toQString(), QStringLiteral("value of ") + QString::fromStdString(t.first));
    const auto defaultFlags = yesNoFields(defaults);
    for (const auto& f : flags)
        if (f.first != "MODEDEBUG") QVERIFY2(*f.second != *defaultFlags.at(f.first), f.first.c_str());
}

void T1AppConfigTest::noFile_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("code");
    QTest::newRow("EFILE") << 1 << "097";
    QTest::newRow("NETFILE") << 2 << "097";
    QTest::newRow("mode 0") << 0 << "095";
    QTest::newRow("mode 3") << 3 << "095";
}

void T1AppConfigTest::noFile()
{
    QFETCH(int, mode);
    QFETCH(QString, code);

    CT1AppConfig c;
    const CString productionHost = c.m_EOLSERVER;
    c.setMode(mode);
    QTemporaryDir dir;
    QVERIFY(!c.readConfigFile(dir.filePath("gr_path.ini").toUtf8().constData()));

    QCOMPARE(c.m_EOLSERVER, productionHost);
    QCOMPARE(c.m_NETFILESERVER, productionHost);
    QCOMPARE(c.m_T1013SERVER, productionHost);
    QCOMPARE(c.m_T1135SERVER, productionHost);
    QCOMPARE(c.m_NetfileSoftwareCode.toQString(), code);
    QCOMPARE(c.m_EfileSoftwareCode.toQString(), code);
    QCOMPARE(c.m_PenvaultServer, CDeploymentData::esignProductionHost());

    using T = CT1AppConfig;
    for (int entry = T::TDD_AFR_SPKEY_NETFILE; entry <= T::TDD_AFR_SPKEY_EFILE_PLATFORM; ++entry) {
        QVERIFY(isProviderKey(c.m_TDDWebService[entry]));
        QCOMPARE(c.m_TDDWebService[entry + 4], c.m_TDDWebService[entry]);
    }
    QCOMPARE(c.getTDDWebService(T::TDD_AFR_SPKEY_NETFILE), CString(CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE));
    QCOMPARE(c.getTDDWebService(T::TDD_AFR_SPKEY_EFILE_PLATFORM), CString(CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM));
    QCOMPARE(c.getTDDWebService(T::TDD_SERVICE_HOST), CDeploymentData::agencyTaxDataHost());
    QCOMPARE(c.getTDDWebService(T::TDD_DELIVERY_PATH), CString("/ebci/awsc/tdd/ws/"));
    QCOMPARE(c.getTDDWebService(T::TDD_AFR_SERVICE_NAME), CString("/TaxDataDeliveryService"));
    QCOMPARE(c.getTDDWebService(T::TDD_NOA_SERVICE_NAME), CString("/NoticeOfAssessmentService"));
    QCOMPARE(c.getTDDWebService(T::TDD_SIGNIN_HOST), CDeploymentData::agencySignInHost());
    QCOMPARE(c.getTDDWebService(T::TDD_SIGNIN_PATH), CString("/gol-ged/awsc/tdd/auth/start"));
    QCOMPARE(c.getTDDWebService(T::TDD_LOGOUT_SCRIPT_URL),
             "https://" + CDeploymentData::agencySignInHost() + "/gol-ged/awsc/tdd/auth/pub/js/cra.js");
}

void T1AppConfigTest::testModeReplacesHosts()
{
    QTemporaryDir dir;
    CT1AppConfig production;
    QVERIFY(production.readConfigFile(writeConfig(dir, "MODEDEBUG=no\n").toUtf8().constData()));

    CT1AppConfig c;
    QVERIFY(c.readConfigFile(writeConfig(dir, "MODEDEBUG=yes\nNETFILESERVER=my.own.host\nEOLSERVER=other.host\n").toUtf8().constData()));
    QVERIFY(c.isTestMode());
    const CString testHost = CDeploymentData::agencyTestHost();
    QVERIFY(testHost != production.m_EOLSERVER);
    QCOMPARE(c.m_EOLSERVER, testHost);
    QCOMPARE(c.m_NETFILESERVER, testHost);
    QCOMPARE(c.m_T1013SERVER, testHost);
    QCOMPARE(c.m_T1135SERVER, testHost);
    QCOMPARE(c.m_PenvaultServer, CDeploymentData::esignTestHost());
    QVERIFY(c.m_PenvaultServer != production.m_PenvaultServer);

    using T = CT1AppConfig;
    for (int entry = T::TDD_AFR_SPKEY_NETFILE; entry <= T::TDD_AFR_SPKEY_EFILE_PLATFORM; ++entry) {
        QVERIFY(isProviderKey(c.m_TDDWebService[entry]));
        QVERIFY(c.m_TDDWebService[entry] != production.m_TDDWebService[entry]);
        QCOMPARE(c.m_TDDWebService[entry + 4], c.m_TDDWebService[entry]);
    }
    QCOMPARE(c.getTDDWebService(T::TDD_AFR_SPKEY_NETFILE), CString(CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_dbg));
    QCOMPARE(c.getTDDWebService(T::TDD_SERVICE_HOST), testHost);
    QCOMPARE(c.getTDDWebService(T::TDD_DELIVERY_PATH), CString("/ebci/awsc/tdd/ws/"));
    QCOMPARE(c.getTDDWebService(T::TDD_AFR_SERVICE_NAME), CString("/CertTestDeliveryService"));
    QCOMPARE(c.getTDDWebService(T::TDD_NOA_SERVICE_NAME), CString("/CertTestNOAService"));
    QCOMPARE(c.getTDDWebService(T::TDD_SIGNIN_HOST), testHost);
    QCOMPARE(c.getTDDWebService(T::TDD_SIGNIN_PATH), CString("/ebci/awsc/tdd/certtest/auth/start"));
    QCOMPARE(c.getTDDWebService(T::TDD_LOGOUT_SCRIPT_URL), "https://" + testHost + "/ebci/awsc/tdd/certtest/pub/js/cra.js");

    // Out of test mode the file's own host stands.
    CT1AppConfig own;
    QVERIFY(own.readConfigFile(writeConfig(dir, "NETFILESERVER=my.own.host\n").toUtf8().constData()));
    QCOMPARE(own.m_NETFILESERVER, CString("my.own.host"));
    QCOMPARE(own.m_EOLSERVER, production.m_EOLSERVER);
}

void T1AppConfigTest::softwareCodeFromFileKept()
{
    QTemporaryDir dir;
    CT1AppConfig c;
    QVERIFY(c.readConfigFile(writeConfig(dir, "NetfileSoftwareCode=123\n").toUtf8().constData()));
    QCOMPARE(c.m_NetfileSoftwareCode, CString("123"));
    QCOMPARE(c.m_EfileSoftwareCode, CString("097"));
}

void T1AppConfigTest::fileOverridesUserSettings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("paneSize");
    QTest::addColumn<bool>("showRelMsg");
    QTest::addColumn<QString>("email");

    QTest::newRow("file names the keys") << QByteArray("LeftPaneSize=350\nShowRelMsg=no\nPenvaultEmail=file@example.com\n")
                                         << "350" << false << "file@example.com";
    QTest::newRow("file names none of them") << QByteArray("JVMPATH=/opt/jvm\n") << "300" << true << "db@example.com";
}

void T1AppConfigTest::fileOverridesUserSettings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, paneSize);
    QFETCH(bool, showRelMsg);
    QFETCH(QString, email);

    CT1AppConfig c;
    // As the user settings left them.
    c.m_LeftPaneSize = "300";
    c.m_ShowRelMsg = true;
    c.m_PenvaultEmail = "db@example.com";

    QTemporaryDir dir;
    QVERIFY(c.readConfigFile(writeConfig(dir, content).toUtf8().constData()));
    QCOMPARE(c.m_LeftPaneSize.toQString(), paneSize);
    QCOMPARE(c.m_ShowRelMsg, showRelMsg);
    QCOMPARE(c.m_PenvaultEmail.toQString(), email);
}

void T1AppConfigTest::derivedFolders()
{
    CT1AppConfig c;
    c.m_PdfPathSameAsRet = 1;
    c.setDefaultValue("/opt/quillmere/Contents/MacOS", "/home/ann/Documents/quillmere_special/2021");

    QCOMPARE(c.m_HTMLPATH, CString("/opt/quillmere/Contents/MacOS/help"));
    QCOMPARE(c.m_EFILEXML_TEMPLATE_PATH, CString("/opt/quillmere/Contents/MacOS/bin"));
    QCOMPARE(c.m_BFORM_XMLPATH, CString("/opt/quillmere/Contents/MacOS/BFormxml"));
    QCOMPARE(c.m_ResourcePath, CString("/opt/quillmere/Contents/Resources"));
    QCOMPARE(c.m_PDFPATH, CString("/opt/quillmere/Contents/Resources/pdf"));
    QCOMPARE(c.m_XMLPATH, CString("/opt/quillmere/Contents/Resources/xml"));
    QCOMPARE(c.m_JAVACLASSPATH,
             CString("/opt/quillmere/Contents/Resources/mr.jar:/opt/quillmere/Contents/Resources/pdfbox2.jar:"
                     "/opt/quillmere/Contents/Resources/fontbox2.jar:/opt/quillmere/Contents/Resources/commons-logging.jar:"
                     "/opt/quillmere/Contents/Resources/zxing-core.jar"));
    const QString data = QDir::toNativeSeparators("/home/ann/Documents/quillmere_special/2021/data");
    QCOMPARE(c.m_RetPath.toQString(), data);
    QCOMPARE(c.m_RetPdfPath.toQString(), data);
    QCOMPARE(c.m_NOAPath.toQString(), QDir::toNativeSeparators("/home/ann/Documents/quillmere_special/2021/data/noa1"));
    QCOMPARE(c.m_PdfPathSameAsRet, 0);
}

void T1AppConfigTest::localServices()
{
    CDeploymentData::useLocalServices(8443);
    QVERIFY(CDeploymentData::localServicesInUse());
    const CString local("127.0.0.1:8443");
    using T = CT1AppConfig;
    QTemporaryDir dir;

    for (const QByteArray& content : {QByteArray("MODEDEBUG=no\n"), QByteArray("MODEDEBUG=yes\n")}) {
        CT1AppConfig c;
        QVERIFY(c.readConfigFile(writeConfig(dir, content).toUtf8().constData()));
        for (const CString* host : {&c.m_EOLSERVER, &c.m_NETFILESERVER, &c.m_T1013SERVER, &c.m_T1135SERVER,
                                    &c.m_QuillmereWebServer, &c.m_PenvaultServer,
                                    &c.m_TDDWebService[T::TDD_SERVICE_HOST], &c.m_TDDWebService[T::TDD_SIGNIN_HOST]})
            QCOMPARE(*host, local);
        QVERIFY(c.getTDDWebService(T::TDD_LOGOUT_SCRIPT_URL).bytes().startsWith("https://127.0.0.1:8443/"));
    }

    CDeploymentData::useDeploymentServices();
    QVERIFY(!CDeploymentData::localServicesInUse());
    CT1AppConfig deployed;
    QVERIFY(deployed.m_EOLSERVER != local);
}

QTEST_GUILESS_MAIN(T1AppConfigTest)
#include "tst_t1appconfig.moc"
