#include "deploymentdata.h"

#include "qwebclient.h"

namespace {
// 0 while the deployment hosts are in use.
quint16 s_localPort = 0;

CString pick(const char* deployed)
{
    if (s_localPort == 0) return CString(deployed);
    return CString(QByteArrayLiteral("127.0.0.1:") + QByteArray::number(s_localPort));
}
} // namespace

CString CDeploymentData::agencyProductionHost() { return pick("services.agency.example"); }
CString CDeploymentData::agencyTestHost() { return pick("certtest.agency.example"); }
CString CDeploymentData::agencyTaxDataHost() { return pick("taxdata.agency.example"); }
CString CDeploymentData::agencySignInHost() { return pick("signin.agency.example"); }
CString CDeploymentData::makerWebHost() { return pick("www.quillmere.example"); }
CString CDeploymentData::esignProductionHost() { return pick("esign.example"); }
CString CDeploymentData::esignTestHost() { return pick("test.esign.example"); }
CString CDeploymentData::agencyNamespaceHost() { return CString("www.agency.example"); }

void CDeploymentData::useLocalServices(quint16 port) { s_localPort = port; }
void CDeploymentData::useDeploymentServices() { s_localPort = 0; }
bool CDeploymentData::localServicesInUse() { return s_localPort != 0; }

void CDeploymentData::setCertificateFile(const QString& path) { QWebClient::setExtraCertificateFile(path); }
QString CDeploymentData::certificateFile() { return QWebClient::extraCertificateFile(); }

QString CDeploymentData::esignServiceName() { return QStringLiteral("E-Sign Service"); }
QString CDeploymentData::esignSiteUrl() { return QStringLiteral("https://esign.example/"); }
const char* const CDeploymentData::s_esignMsg1Key = "K7WM3QT8ZD46RB9PX2LC5NYH";
QString CDeploymentData::esignLoginFailedMessage()
{
    return QStringLiteral("Login to esign.example failed: please check the user email and password.");
}
QString CDeploymentData::helpFaqUrl() { return QStringLiteral("https://www.quillmere.example/help/faq.html"); }
QString CDeploymentData::makerProductSiteUrl() { return QStringLiteral("https://www.quillmere.example/"); }
QString CDeploymentData::makerDownloadPageUrl(bool netfileEdition)
{
    return netfileEdition ? QStringLiteral("https://www.quillmere.example/download/netfile.html")
                          : QStringLiteral("https://www.quillmere.example/download/efile.html");
}
QString CDeploymentData::makerT5008HelpUrl() { return QStringLiteral("https://www.quillmere.example/help/t5008.html"); }
QString CDeploymentData::makerAgencyErrorCodesUrl()
{
    return QStringLiteral("https://www.quillmere.example/help/agency-error-codes.html");
}
QString CDeploymentData::industryCodeLookupUrl()
{
    return QStringLiteral("https://www.statistics.example/industry-classification.html");
}
QString CDeploymentData::agencyMyAccountUrl() { return QStringLiteral("https://www.agency.example/my-account.html"); }
QString CDeploymentData::agencyDirectDepositUrl() { return QStringLiteral("https://www.agency.example/direct-deposit.html"); }
QString CDeploymentData::agencyMakePaymentUrl() { return QStringLiteral("https://www.agency.example/make-a-payment.html"); }
QString CDeploymentData::agencyRefileTermsUrl()
{
    return QStringLiteral("https://www.agency.example/en/revenue-agency/services/e-services/e-services-individuals/"
                          "netfile-overview/refile-terms-conditions-privacy-notice.html");
}
QString CDeploymentData::agencyPaymentArrangementsUrl()
{
    return QStringLiteral("https://www.agency.example/payment-arrangements.html");
}

const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_dbg = "Tb7KwQ2nVx9RpL4cHj6sMd3zYf8GqA5u";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_dbg = "Hp3VcN8rKz5LwT1bQm7xGd4sYj9FtR2e";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_PLATFORM_dbg = "Wd6QyB2kPn8XhC4vLs7tJm3gRz5NfK9a";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM_dbg = "Ls2GdT9qVc4MwP7bXk3nHy8rJf5ZtB6u";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE = "Rk8NpW3hTz6GbQ2xCv9mLd4sYf7JqH5e";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_EFILE = "Cz5JmV8tRq2KwB6pNx3hGd9sLf4YtP7a";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_NETFILE_PLATFORM = "Qn9HtL4bWz7CkR2vMp6xJd3gTs8FyB5u";
const char* const CDeploymentData::s_TDDWEBSERVICE_AFR_SPKEY_EFILE_PLATFORM = "Vf3PkX6rNq9GtD2wLb8mHz5sCj4RyK7e";

const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_dbg = "Tb7KwQ2nVx9RpL4cHj6sMd3zYf8GqA5u";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_EFILE_dbg = "Hp3VcN8rKz5LwT1bQm7xGd4sYj9FtR2e";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_PLATFORM_dbg = "Wd6QyB2kPn8XhC4vLs7tJm3gRz5NfK9a";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_EFILE_PLATFORM_dbg = "Ls2GdT9qVc4MwP7bXk3nHy8rJf5ZtB6u";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE = "Rk8NpW3hTz6GbQ2xCv9mLd4sYf7JqH5e";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_EFILE = "Cz5JmV8tRq2KwB6pNx3hGd9sLf4YtP7a";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_NETFILE_PLATFORM = "Qn9HtL4bWz7CkR2vMp6xJd3gTs8FyB5u";
const char* const CDeploymentData::s_TDDWEBSERVICE_NOA_SPKEY_EFILE_PLATFORM = "Vf3PkX6rNq9GtD2wLb8mHz5sCj4RyK7e";
