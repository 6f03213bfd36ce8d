#pragma once
// The tax-data web service's wire format: the service identity, the
// WS-Security user-name token, the request templates, the signed sign-in
// key and the reading of a SOAP reply. No network here: the exchange
// itself lives in the web service object.

#include <list>
#include <string>

#include "cstring.h"
#include "tddreplyparse.h"
#include "templateprocessor.h"

class CT1AppConfig;

// Every request carries this same nonce (16 bytes).
constexpr const char* kTddNonce = "quillmereapp2021";
constexpr short kTddForAutoFill = 1; // any other value: the notice of assessment

// Progress codes that end a download besides 99 (data stored) and 1000 (an
// error, with its detail); each has its own text in the progress dialog.
enum TddEnding : int {
    kTddUnreachable = 1001,     // no reply: no network, TLS failure, time limit
    kTddPortTaken = 1002,       // detail: the callback port
    kTddNoBrowser = 1003,       // the desktop refused to open the sign-in page
    kTddNotReady = 1004,        // three data rounds said "not ready yet"
    kTddNothingToDeliver = 1005, // the agency's return code 10
    kTddStillEnding = 1006,     // a worker of an earlier download still runs
};
// Not an ending: the agency refused token A; the callback server keeps
// listening for the browser's next callback.
constexpr int kTddTokenRefused = 45;

// Token A as a browser request may carry it: at least 6 characters, no
// control character and none of the markup characters < > & " '.
bool isAcceptableTokenA(const std::string& token);


// user: the NETFILE software code with "N" (auto-fill) or "U" (notice);
// key: the NETFILE provider key of this platform for that purpose. The
// EFILE keys are never used, whatever the edition.
void getSoftwareCode(const CT1AppConfig& config, short forWhich, CString& user, CString& key);

// Base64 of SHA-1 over the raw nonce, created and key (PasswordDigest).
void makeDigest(const std::string& key, const std::string& created, const char* nonce, std::string& digest);

// The placeholders of the user-name token for one request.
TemplateValues tddUserNameTokenValues(const CString& user, const CString& key, const std::string& created,
                                      const CString& taxYear);

// The stage request up to its S.I.N.s (the caller appends them and closes
// the body); `sins` is not read. 0 on success, as the template expansion.
// The settings are passed in: this library sees no application object.
int constructTDDTokenCReq(const CT1AppConfig& config, const CString& taxYear, short forWhich,
                          std::list<std::string>& sins, CString& xml);
int constructTDDDataReadyReq(const CT1AppConfig& config, const CString& taxYear, short forWhich,
                             const std::string& tokenA, CString& xml);
// The same on given user, key and created time (what the two above use).
int constructTDDTokenCReq(const CString& user, const CString& key, const std::string& created, const CString& taxYear,
                          short forWhich, CString& xml);
int constructTDDDataReadyReq(const CString& user, const CString& key, const std::string& created,
                             const CString& taxYear, short forWhich, const std::string& tokenA, CString& xml);
// The closing of a stage request after its S.I.N.s.
const char* tddStageRequestEnd(short forWhich);

// URL-encoded Base64 of HMAC-SHA-256, under the provider key, of user +
// urlEncode(sign-in host + path) + timestamp + authPathEncoded + lang +
// tokenYearEncoded.
void constructTDDWebAuthSignedkey(const CT1AppConfig& config, short forWhich, CString& signedKey,
                                  const CString& timestamp, const std::string& authPathEncoded, const CString& lang,
                                  const std::string& tokenYearEncoded);

// The sign-in URL's auth path: the same in production and test mode.
const char* tddAuthPath(short forWhich);
// The whole sign-in URL, fields in their fixed order.
CString tddSignInUrl(const CT1AppConfig& config, short forWhich, const CString& timestamp,
                     const std::string& tokenC, const CString& taxYear);
