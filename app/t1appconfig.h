#pragma once
// Every setting of the program for one run. Filled at start, in this order:
// the constructor's defaults, setDefaultValue (folders under the program and
// data folders), the user settings of the database, then the configuration
// file "gr_path.ini"; a later step replaces an earlier one. Fields are public:
// their users read and write them directly.

#include "appconfig.h"
#include "cstring.h"

class CT1AppConfig : public CAppConfig
{
public:
    // Entries of the tax-data web-service table.
    enum TDDWebServiceEntry {
        TDD_AFR_SPKEY_NETFILE = 0,
        TDD_AFR_SPKEY_EFILE,
        TDD_AFR_SPKEY_NETFILE_PLATFORM,
        TDD_AFR_SPKEY_EFILE_PLATFORM,
        TDD_NOA_SPKEY_NETFILE,
        TDD_NOA_SPKEY_EFILE,
        TDD_NOA_SPKEY_NETFILE_PLATFORM,
        TDD_NOA_SPKEY_EFILE_PLATFORM,
        TDD_SERVICE_HOST,
        TDD_DELIVERY_PATH,
        TDD_AFR_SERVICE_NAME,
        TDD_NOA_SERVICE_NAME,
        TDD_SIGNIN_HOST,
        TDD_SIGNIN_PATH,
        TDD_LOGOUT_SCRIPT_URL,
        TDD_WEBSERVICE_ENTRIES
    };

    CT1AppConfig();
    ~CT1AppConfig() override;

    // Folders derived from the program folder and the data folder.
    void setDefaultValue(const CString& appFolder, const CString& dataFolder);

    // Reads the configuration file. Endpoints, software codes and the
    // tax-data table are settled also when the file is missing or unreadable
    // (the result is then false), so they never stay unset.
    bool readConfigFile(const char* path);
    void afterReadConfigFile() override;

    bool isTestMode() const { return m_MODEDEBUG; }
    const CString& getTDDWebService(TDDWebServiceEntry entry) const { return m_TDDWebService[entry]; }

    // Electronic return identification.
    CString m_NetfileSoftwareCode;
    CString m_NetfileSoftwareDate = "2022-03-02";
    CString m_EfileSoftwareCode;
    CString m_EfileSoftwareDate = "2022-03-02";

    // Agency filing hosts and our web server.
    CString m_EOLSERVER;
    CString m_NETFILESERVER;
    CString m_T1013SERVER;
    CString m_T1135SERVER;
    CString m_QuillmereWebServer;
    CString m_URL_SEND_RETURN_FILE = "/fileupload.php";
    CString m_URL_SEND_COMMENT = "/commentupload.php";

    // Window and editor (user settings).
    CString m_LeftPaneSize = "270";
    int m_LeftX = 0;
    int m_LeftY = 0;
    int m_Width = 0;
    int m_Height = 0;
    CString m_BKColor = "#d0f1ff";
    CString m_FontSize = "12";

    // Folders of the program's own files.
    CString m_ResourcePath;
    CString m_PDFPATH;
    CString m_XMLPATH;
    CString m_BFORM_XMLPATH;
    CString m_HTMLPATH;
    CString m_EFILEXML_TEMPLATE_PATH;
    CString m_JAVACLASSPATH;
    CString m_JAVAPROJPATH;
    CString m_JVMPATH;

    // The preparer (user settings).
    CString m_BusinessName;
    CString m_BusinessAddr;
    CString m_BusinessCity;
    CString m_BusinessProv;
    CString m_BusinessPostcode;
    CString m_BusinessPhone;
    CString m_BusinessEFileNum;
    CString m_BusinessEFilePassword;
    CString m_DiscounterCode;
    int m_PreAssessment = -1;   // 0 the tax preparer, 1 the taxpayer, -1 not chosen
    int m_PostAssessment = -1;
    int m_PrntClientLetter = 0;
    int m_SaveBackup = 0;

    // Return and PDF folders (user settings) and the notices' folder.
    CString m_RetPath;
    CString m_RetPdfPath;
    CString m_NOAPath;
    int m_PdfPathSameAsRet = 0;

    // Printing and filing flags.
    bool m_PrintLogo = true;
    bool m_PrintHeader = true;
    bool m_PrintTailer = true;
    bool m_CanCreateNetfile = false;
    bool m_Allow2nd = false;
    bool m_ShowRelMsg = true;
    // Filing records leave the machine only when the user asks for it.
    bool m_FilingReport = false;

    // E-signature account and service.
    CString m_PenvaultEmail;
    CString m_PenvaultPswd;
    CString m_PVFromEmail;
    CString m_PenvaultServer;

    bool m_MODEDEBUG = false;
    bool m_NoWarningMsg = false;
    bool m_EnableGenPrint = false;

    // Tax-data web service.
    CString m_TDDWebService[TDD_WEBSERVICE_ENTRIES];
    CString m_TDDDataFile;

private:
    void setEndpoints();
};
