#include "tddprotocol.h"

#include "encodings.h"
#include "hashes.h"
#include "t1appconfig.h"
#include "utils.h"
#include "xmlstring.h"


#include <cstring>
#include <vector>

namespace {
std::string base64(const void* data, int length)
{
    std::vector<char> out(Base64encode_len(length));
    Base64encode(out.data(), static_cast<const char*>(data), length);
    return std::string(out.data());
}

bool onWindows()
{
#if defined(Q_OS_WIN)
    return true;
#else
    return false;
#endif
}

int expandRequest(const char* templatePath, const TemplateValues& values, CString& xml)
{
    xml.Empty();
    return processTemplatePartInString(xml, templatePath, values, 0);
}
} // namespace

void getSoftwareCode(const CT1AppConfig& config, short forWhich, CString& user, CString& key)
{
    const bool autoFill = forWhich == kTddForAutoFill;
    user = config.m_NetfileSoftwareCode + (autoFill ? "N" : "U");
    CT1AppConfig::TDDWebServiceEntry entry;
    if (autoFill)
        entry = onWindows() ? CT1AppConfig::TDD_AFR_SPKEY_NETFILE : CT1AppConfig::TDD_AFR_SPKEY_NETFILE_PLATFORM;
    else
        entry = onWindows() ? CT1AppConfig::TDD_NOA_SPKEY_NETFILE : CT1AppConfig::TDD_NOA_SPKEY_NETFILE_PLATFORM;
    key = config.getTDDWebService(entry);
}

void makeDigest(const std::string& key, const std::string& created, const char* nonce, std::string& digest)
{
    SHA1 sha;
    sha.add(nonce, std::strlen(nonce));
    sha.add(created.data(), created.size());
    sha.add(key.data(), key.size());
    unsigned char hash[SHA1::kHashBytes];
    sha.getHash(hash);
    digest = base64(hash, SHA1::kHashBytes);
}

TemplateValues tddUserNameTokenValues(const CString& user, const CString& key, const std::string& created,
                                      const CString& taxYear)
{
    std::string digest;
    makeDigest(key.c_str(), created, kTddNonce, digest);
    TemplateValues values;
    values["username"] = user.c_str();
    values["timestamp"] = created;
    values["nonce"] = base64(kTddNonce, int(std::strlen(kTddNonce)));
    values["digest"] = digest;
    values["taxyear"] = taxYear.c_str();
    return values;
}

int constructTDDTokenCReq(const CString& user, const CString& key, const std::string& created, const CString& taxYear,
                          short forWhich, CString& xml)
{
    TemplateValues values = tddUserNameTokenValues(user, key, created, taxYear);
    const bool autoFill = forWhich == kTddForAutoFill;
    values["tagstage"] = autoFill ? "StageTDDNetfile" : "StageNOA";
    return expandRequest(autoFill ? ":/tdd/tdd/tdd001.xmt" : ":/tdd/tdd/noa001.xmt", values, xml);
}

int constructTDDDataReadyReq(const CString& user, const CString& key, const std::string& created,
                             const CString& taxYear, short forWhich, const std::string& tokenA, CString& xml)
{
    TemplateValues values = tddUserNameTokenValues(user, key, created, taxYear);
    const bool autoFill = forWhich == kTddForAutoFill;
    values["tagdata"] = autoFill ? "GetTDDNetfile" : "GetNOA";
    // The token came from a browser request any web page could have sent:
    // it goes into the request as XML character data, never as markup.
    values["tokenA"] = xmlEscaped(QString::fromStdString(tokenA)).c_str();
    return expandRequest(autoFill ? ":/tdd/tdd/tdd004.xmt" : ":/tdd/tdd/noa004.xmt", values, xml);
}

int constructTDDTokenCReq(const CT1AppConfig& config, const CString& taxYear, short forWhich,
                          std::list<std::string>& /*sins*/, CString& xml)
{
    CString user, key;
    getSoftwareCode(config, forWhich, user, key);
    return constructTDDTokenCReq(user, key, getXMLDateTimeString(true).c_str(), taxYear, forWhich, xml);
}

int constructTDDDataReadyReq(const CT1AppConfig& config, const CString& taxYear, short forWhich,
                             const std::string& tokenA, CString& xml)
{
    CString user, key;
    getSoftwareCode(config, forWhich, user, key);
    return constructTDDDataReadyReq(user, key, getXMLDateTimeString(true).c_str(), taxYear, forWhich, tokenA, xml);
}

bool isAcceptableTokenA(const std::string& token)
{
    if (token.size() < 6) return false;
    for (const char c : token) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || std::strchr("<>&\"'", c)) return false;
    }
    return true;
}

const char* tddStageRequestEnd(short forWhich)
{
    return forWhich == kTddForAutoFill ? "</StageTDDNetfile></S:Body></S:Envelope>"
                                       : "</StageNOA></S:Body></S:Envelope>";
}

void constructTDDWebAuthSignedkey(const CT1AppConfig& config, short forWhich, CString& signedKey,
                                  const CString& timestamp, const std::string& authPathEncoded, const CString& lang,
                                  const std::string& tokenYearEncoded)
{
    CString user, key;
    getSoftwareCode(config, forWhich, user, key);
    const std::string signIn = std::string(config.getTDDWebService(CT1AppConfig::TDD_SIGNIN_HOST).c_str()) +
                               config.getTDDWebService(CT1AppConfig::TDD_SIGNIN_PATH).c_str();
    const std::string message = std::string(user.c_str()) + urlEncode(signIn) + timestamp.c_str() + authPathEncoded +
                                lang.c_str() + tokenYearEncoded;
    unsigned char mac[SHA256::kHashBytes];
    hmacSha256(message.data(), message.size(), key.c_str(), std::strlen(key.c_str()), mac);
    signedKey = urlEncode(base64(mac, SHA256::kHashBytes)).c_str();
}

const char* tddAuthPath(short forWhich)
{
    return forWhich == kTddForAutoFill ? "/gol-ged/awsc/tdd/ws" : "/gol-ged/awsc/tdd/ws/noa";
}

CString tddSignInUrl(const CT1AppConfig& config, short forWhich, const CString& timestamp, const std::string& tokenC,
                     const CString& taxYear)
{
    CString user, key;
    getSoftwareCode(config, forWhich, user, key);
    const std::string authEncoded = urlEncode(tddAuthPath(forWhich));
    CString signedKey;
    constructTDDWebAuthSignedkey(config, forWhich, signedKey, timestamp, authEncoded, "en",
                                 urlEncode(tokenC + taxYear.c_str()));
    std::string url = "https://";
    url += config.getTDDWebService(CT1AppConfig::TDD_SIGNIN_HOST).c_str();
    url += config.getTDDWebService(CT1AppConfig::TDD_SIGNIN_PATH).c_str();
    url += "?spID=" + std::string(user.c_str()) + "&";
    url += "timestamp=" + std::string(timestamp.c_str()) + "&";
    url += "auth=" + authEncoded + "&";
    url += "key=" + std::string(signedKey.c_str()) + "&";
    url += "t=" + urlEncode(tokenC) + "&";
    url += "lang=en&";
    url += "swtaxyear=" + std::string(taxYear.c_str());
    return CString(url.c_str());
}
