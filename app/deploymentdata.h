#pragma once
// Where the program's online services live, and the software-provider keys of
// the tax-data service. Everything a deployment changes is kept here.
//
// The host names are neutral placeholders to be replaced for a release. Tests
// call useLocalServices(port) before the configuration is built to send every
// service to 127.0.0.1 on that port.

#include <QString>
#include <QtGlobal>

#include "cstring.h"

class CDeploymentData
{
public:
    // Host names, without scheme or path; "127.0.0.1:<port>" while local
    // services are in use.
    static CString agencyProductionHost();   // the agency's filing services
    static CString agencyTestHost();         // its certification-test host
    static CString agencyTaxDataHost();      // production host of the tax-data SOAP services
    static CString agencySignInHost();       // production host of the browser sign-in pages
    static CString makerWebHost();           // our product web site
    static CString esignProductionHost();    // e-signature and e-delivery service
    static CString esignTestHost();
    // The host of the agency's XML namespaces in an electronic return. A
    // name, not a service: local services never change it.
    static CString agencyNamespaceHost();

    // Every host above becomes "127.0.0.1:<port>" until
    // useDeploymentServices() is called. Takes effect for configurations
    // built (or files read) afterwards.
    static void useLocalServices(quint16 port);
    static void useDeploymentServices();
    static bool localServicesInUse();

    // A file of extra certificate authorities trusted by the web client
    // besides the system's. Empty in a release; tests name the throw-away
    // authority of their fake servers here.
    static void setCertificateFile(const QString& path);
    static QString certificateFile();

    // The e-signature and e-delivery service as the user sees it.
    static QString esignServiceName();
    static QString esignSiteUrl();
    static QString esignLoginFailedMessage();
    // The key that ends the signed text of every upload and filing record
    // sent to the e-signature service ("msg1"): 24 letters and digits.
    static const char* const s_esignMsg1Key;
    // Our help pages.
    static QString helpFaqUrl();
    // Pages opened in the user's browser (never redirected to the local
    // services: the browser, not the program, fetches them).
    static QString makerProductSiteUrl();
    static QString makerDownloadPageUrl(bool netfileEdition); // one page per edition
    static QString makerT5008HelpUrl();
    static QString makerAgencyErrorCodesUrl(); // what the agency's filing error codes mean
    static QString industryCodeLookupUrl();      // the statistics agency's
    static QString agencyMyAccountUrl();          // My Account for individuals
    static QString agencyDirectDepositUrl();
    static QString agencyMakePaymentUrl();
    static QString agencyPaymentArrangementsUrl(); // for individuals
    static QString agencyRefileTermsUrl();         // ReFILE terms and privacy notice

    // Software-provider keys of the tax-data and notice services: 32 letters
    // and digits each. "Platform" is the variant for a non-Windows platform.
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_dbg;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_EFILE_dbg;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_PLATFORM_dbg;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM_dbg;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_NETFILE;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_EFILE;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_PLATFORM;
    static const char* const s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM;
    // The notice-of-assessment service uses the same key as the tax-data
    // service of the same edition and variant.
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_dbg;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_EFILE_dbg;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_PLATFORM_dbg;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_EFILE_PLATFORM_dbg;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_NETFILE;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_EFILE;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_PLATFORM;
    static const char* const s_TDDWEBSERVICE_NOA_SPKEY_EFILE_PLATFORM;
};
