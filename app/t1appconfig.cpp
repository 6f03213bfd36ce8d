#include "t1appconfig.h"

#include <QDir>

#include "deploymentdata.h"

CT1AppConfig::CT1AppConfig()
{
    const CString agencyHost = CDeploymentData::agencyProductionHost();
    m_EOLSERVER = agencyHost;
    m_NETFILESERVER = agencyHost;
    m_T1013SERVER = agencyHost;
    m_T1135SERVER = agencyHost;
    m_QuillmereWebServer = CDeploymentData::makerWebHost();

    registerTextKey("NetfileSoftwareCode", &m_NetfileSoftwareCode);
    registerTextKey("NetfileSoftwareDate", &m_NetfileSoftwareDate);
    registerTextKey("EfileSoftwareCode", &m_EfileSoftwareCode);
    registerTextKey("EfileSoftwareDate", &m_EfileSoftwareDate);
    registerTextKey("EOLSERVER", &m_EOLSERVER);
    registerTextKey("NETFILESERVER", &m_NETFILESERVER);
    registerTextKey("T1013SERVER", &m_T1013SERVER);
    registerTextKey("T1135SERVER", &m_T1135SERVER);
    registerTextKey("QuillmereWebServer", &m_QuillmereWebServer);
    registerTextKey("URL_SEND_RETURN_FILE", &m_URL_SEND_RETURN_FILE);
    registerTextKey("URL_SEND_COMMENT", &m_URL_SEND_COMMENT);
    registerTextKey("LeftPaneSize", &m_LeftPaneSize);
    registerTextKey("PDFPATH", &m_PDFPATH);
    registerTextKey("XMLPATH", &m_XMLPATH);
    registerTextKey("BFORM_XMLPATH", &m_BFORM_XMLPATH);
    registerTextKey("HTMLPATH", &m_HTMLPATH);
    registerTextKey("EFILEXML_TEMPLATE_PATH", &m_EFILEXML_TEMPLATE_PATH);
    registerTextKey("JAVACLASSPATH", &m_JAVACLASSPATH);
    registerTextKey("JAVAPROJPATH", &m_JAVAPROJPATH);
    registerTextKey("JVMPATH", &m_JVMPATH);
    registerYesNoKey("PrintLogo", &m_PrintLogo);
    registerYesNoKey("PrintHeader", &m_PrintHeader);
    registerYesNoKey("PrintTailer", &m_PrintTailer);
    registerYesNoKey("CanCreateNetfile", &m_CanCreateNetfile);
    registerYesNoKey("Allow2nd", &m_Allow2nd);
    registerYesNoKey("ShowRelMsg", &m_ShowRelMsg);
    registerYesNoKey("FilingReport", &m_FilingReport);
    registerTextKey("PenvaultEmail", &m_PenvaultEmail);
    registerTextKey("PenvaultPswd", &m_PenvaultPswd);
    registerTextKey("PVFromEmail", &m_PVFromEmail);
    registerYesNoKey("MODEDEBUG", &m_MODEDEBUG);
    registerYesNoKey("NoWarningMsg", &m_NoWarningMsg);
    registerYesNoKey("EnableGenPrint", &m_EnableGenPrint);
    registerTextKey("TDDDataFile", &m_TDDDataFile);

    // The production endpoints until the file has been read, so no reader
    // ever meets an empty host or key.
    setEndpoints();
}

CT1AppConfig::~CT1AppConfig() = default;

void CT1AppConfig::setDefaultValue(const CString& appFolder, const CString& dataFolder)
{
    m_HTMLPATH = appFolder + "/help";
    m_EFILEXML_TEMPLATE_PATH = appFolder + "/bin";
    m_BFORM_XMLPATH = appFolder + "/BFormxml";

    m_ResourcePath = QDir::cleanPath(QStringLiteral("%1/../Resources").arg(appFolder.toQString()));
    m_PDFPATH = QStringLiteral("%1/pdf").arg(m_ResourcePath.toQString());
    m_XMLPATH = QStringLiteral("%1/xml").arg(m_ResourcePath.toQString());
    // The report maker, the PDF library it writes with and the barcode
    // library of its condensed print, all in Resources/.
    m_JAVACLASSPATH = QStringLiteral("%1/mr.jar:%1/pdfbox2.jar:%1/fontbox2.jar:%1/commons-logging.jar:%1/zxing-core.jar")
                          .arg(m_ResourcePath.toQString());

    m_RetPath = QDir::toNativeSeparators(dataFolder.toQString() + QStringLiteral("/data"));
    m_RetPdfPath = m_RetPath;
    m_NOAPath = QDir::toNativeSeparators(dataFolder.toQString() + QStringLiteral("/data") + QStringLiteral("/noa1"));
    m_PdfPathSameAsRet = 0;
}

bool CT1AppConfig::readConfigFile(const char* path)
{
    if (CAppConfig::readConfigFile(path)) return true;
    afterReadConfigFile();
    return false;
}

void CT1AppConfig::afterReadConfigFile()
{
    CAppConfig::afterReadConfigFile();

    if (m_MODEDEBUG) {
        const CString testHost = CDeploymentData::agencyTestHost();
        m_EOLSERVER = testHost;
        m_NETFILESERVER = testHost;
        m_T1013SERVER = testHost;
        m_T1135SERVER = testHost;
    }

    const char* code = (getMode() == 1 || getMode() == 2) ? "097" : "095";
    if (m_NetfileSoftwareCode.IsEmpty()) m_NetfileSoftwareCode = code;
    if (m_EfileSoftwareCode.IsEmpty()) m_EfileSoftwareCode = code;

    setEndpoints();
}

// The e-signature host and the tax-data table by test mode; neither has a
// file key, so the file cannot change them.
void CT1AppConfig::setEndpoints()
{
    using D = CDeploymentData;
    CString* t = m_TDDWebService;
    if (m_MODEDEBUG) {
        m_PenvaultServer = D::esignTestHost();
        t[TDD_AFR_SPKEY_NETFILE] = D::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_dbg;
        t[TDD_AFR_SPKEY_EFILE] = D::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_dbg;
        t[TDD_AFR_SPKEY_NETFILE_PLATFORM] = D::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_PLATFORM_dbg;
        t[TDD_AFR_SPKEY_EFILE_PLATFORM] = D::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM_dbg;
        t[TDD_NOA_SPKEY_NETFILE] = D::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_dbg;
        t[TDD_NOA_SPKEY_EFILE] = D::s_TDDWEBSERVICE_NOA_SPKEY_EFILE_dbg;
        t[TDD_NOA_SPKEY_NETFILE_PLATFORM] = D::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_PLATFORM_dbg;
        t[TDD_NOA_SPKEY_EFILE_PLATFORM] = D::s_TDDWEBSERVICE_NOA_SPKEY_EFILE_PLATFORM_dbg;
        t[TDD_SERVICE_HOST] = D::agencyTestHost();
        t[TDD_DELIVERY_PATH] = "/ebci/awsc/tdd/ws/";
        t[TDD_AFR_SERVICE_NAME] = "/CertTestDeliveryService";
        t[TDD_NOA_SERVICE_NAME] = "/CertTestNOAService";
        t[TDD_SIGNIN_HOST] = D::agencyTestHost();
        t[TDD_SIGNIN_PATH] = "/ebci/awsc/tdd/certtest/auth/start";
        t[TDD_LOGOUT_SCRIPT_URL] = "https://" + D::agencyTestHost() + "/ebci/awsc/tdd/certtest/pub/js/cra.js";
    } else {
        m_PenvaultServer = D::esignProductionHost();
        t[TDD_AFR_SPKEY_NETFILE] = D::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE;
        t[TDD_AFR_SPKEY_EFILE] = D::s_TDDWEBSERVICE_AFR_SPKEY_EFILE;
        t[TDD_AFR_SPKEY_NETFILE_PLATFORM] = D::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_PLATFORM;
        t[TDD_AFR_SPKEY_EFILE_PLATFORM] = D::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM;
        t[TDD_NOA_SPKEY_NETFILE] = D::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE;
        t[TDD_NOA_SPKEY_EFILE] = D::s_TDDWEBSERVICE_NOA_SPKEY_EFILE;
        t[TDD_NOA_SPKEY_NETFILE_PLATFORM] = D::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_PLATFORM;
        t[TDD_NOA_SPKEY_EFILE_PLATFORM] = D::s_TDDWEBSERVICE_NOA_SPKEY_EFILE_PLATFORM;
        t[TDD_SERVICE_HOST] = D::agencyTaxDataHost();
        t[TDD_DELIVERY_PATH] = "/ebci/awsc/tdd/ws/";
        t[TDD_AFR_SERVICE_NAME] = "/TaxDataDeliveryService";
        t[TDD_NOA_SERVICE_NAME] = "/NoticeOfAssessmentService";
        t[TDD_SIGNIN_HOST] = D::agencySignInHost();
        t[TDD_SIGNIN_PATH] = "/gol-ged/awsc/tdd/auth/start";
        t[TDD_LOGOUT_SCRIPT_URL] = "https://" + D::agencySignInHost() + "/gol-ged/awsc/tdd/auth/pub/js/cra.js";
    }
}
