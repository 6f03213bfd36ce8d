#pragma once
// The client of the e-signature and e-delivery service: uploads for delivery
// or signing, the login, the status of a signing request and the filing
// record. Every request is a synchronous HTTPS form post with a JSON reply;
// the account's password, token and the taxpayer's full S.I.N. are never
// logged.

#include <functional>


#include <QString>

#include "penvaultservice.h"

class CT1AppConfig;
class QWebClient;

struct PenvaultSettings
{
    QString email;     // the preparer's account at the service
    QString password;
    QString host;      // host name (and port) of the service
    bool filingReport = false;
    int edition = 1;   // titles the message boxes
};

class PenvaultClient : public PenvaultService
{
public:
    using SettingsSource = std::function<PenvaultSettings()>;
    explicit PenvaultClient(SettingsSource settings);

    void submitDocDelivery(ENUMTYPE_FORM form, const QString& toEmail, const CString& sin, const CString& name,
                           const CString& pdfPath, QObject* parent) override;
    void submitFormType(IndividualTaxData* person, ENUMTYPE_FORM form, bool withPagePosition,
                        const QString& toEmail, const CString& sin, const CString& name, const CString& pdfPath,
                        QObject* parent) override;
    bool getFormTime(IndividualTaxData* person, ENUMTYPE_FORM form, QObject* parent) override;
    int sendFilingRecord(const IndividualTaxData* person, int form, bool accepted, const QString& confirmation,
                         const QString& message) override;

    // True when the account is set; else shows the not-ready text.
    bool readyToPenvaultCA(QObject* parent);
    // 0 with the token; 99 when not ready or the login failed.
    int loginToPenvaultCA(QString& token, QObject* parent);
    // The fixed software id, func, form, licdata and key, to be hashed.
    static void _formDocServiceMsg1(const char* func, const CString& form, const CString& licdata, CString& out);
    // The "msg1" item: SHA-256 of the signed text, as hex.
    static QString msg1(const char* func, const QString& form, const QString& licdata);
    // The S.I.N.'s nine digits with the 2nd to 6th hidden, as filing records
    // carry it.
    static QString maskedSin(const QString& sin);

    // How long one exchange may take; tests shorten it.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // Installs a client reading the configuration for the rest of the run;
    // `edition` titles its messages.
    static void installFor(const CT1AppConfig* config, int edition);

private:
    bool upload(const char* func, const QString& formItem, bool withPagePosition, const QString& toEmail,
                const CString& sin, const CString& name, const CString& pdfPath, QObject* parent, QString& reply,
                bool& posted);
    void inform(const QString& text, QObject* parent) const;
    void prepare(QWebClient& client) const;

    SettingsSource m_settings;
    int m_timeoutMs;
};
