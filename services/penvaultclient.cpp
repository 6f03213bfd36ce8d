#include "penvaultclient.h"

#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include "deploymentdata.h"
#include "formtables.h"
#include "formtypes.h"
#include "hashes.h"
#include "individualtaxdata.h"
#include "jsonutil.h"
#include "penvaultreplies.h"
#include "messages.h"
#include "prompt.h"
#include "qwebclient.h"
#include "t1appconfig.h"
#include "taxdataform.h"
#include "utils.h"

namespace {

const char* const kSoftwareId = "T1QM2021";
const char* const kLoginType = "quillmere";
const char* const kTaxYear = "2021";
const QString s_msg_network_fail = QStringLiteral("Network query failed, check firewall settings.");
const QString s_msg_invalid_result = QStringLiteral("Invalid result returned.");
const QString kNotReady =
    QStringLiteral("Enter Penvault points email/password in preference, they are used for Pen-vault purpose.");
const QString kNotReadyFiling =
    QStringLiteral("Enter Penvault points email/password in preference, they are used for filing report.");

// The override cursor while a request blocks the GUI thread, restored on
// every path; nothing without a GUI application.
class BusyCursor
{
public:
    BusyCursor() : m_shown(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_shown) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (m_shown) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_shown;
};

QString formName(int type)
{
    const FormInfo* info = formInfo(type);
    return info ? QString::fromUtf8(info->shortName) : QString::number(type);
}

// The client opens the delivered document with these: the last four of the
// nine digits, however the S.I.N. was typed.
QString lastFour(const CString& sin) { return sinDigits(sin).toQString().right(4); }

QByteArray basicCredentials(const PenvaultSettings& s) { return (s.email + ':' + s.password).toUtf8().toBase64(); }

bool confirm(const QString& title, const QString& text, QObject* parent)
{
    Prompt::Request request;
    request.kind = Prompt::Kind::Question;
    request.title = title;
    request.text = text;
    request.buttons = Prompt::Yes | Prompt::No;
    request.defaultButton = Prompt::Yes;
    request.parent = parent;
    return Prompt::ask(request).button == Prompt::Yes;
}

} // namespace

PenvaultClient::PenvaultClient(SettingsSource settings)
    : m_settings(std::move(settings)), m_timeoutMs(QWebClient::kDefaultTimeoutMs)
{
}

void PenvaultClient::installFor(const CT1AppConfig* config, int edition)
{
    static PenvaultClient* client = nullptr;
    delete client;
    client = new PenvaultClient([config, edition] {
        PenvaultSettings s;
        s.email = config->m_PenvaultEmail.toQString();
        s.password = config->m_PenvaultPswd.toQString();
        s.host = config->m_PenvaultServer.toQString();
        s.filingReport = config->m_FilingReport;
        s.edition = edition;
        return s;
    });
    PenvaultService::install(client);
}

void PenvaultClient::inform(const QString& text, QObject* parent) const
{
    gMsgInformation(m_settings().edition, text, parent);
}

void PenvaultClient::prepare(QWebClient& client) const { client.setTimeoutMs(m_timeoutMs); }

void PenvaultClient::_formDocServiceMsg1(const char* func, const CString& form, const CString& licdata,
                                         CString& out)
{
    out = CString(kSoftwareId) + CString(func) + CString(kSoftwareId) + CString("_") + form + licdata +
          CString(CDeploymentData::s_esignMsg1Key);
}

QString PenvaultClient::msg1(const char* func, const QString& form, const QString& licdata)
{
    CString text;
    _formDocServiceMsg1(func, CString(form), CString(licdata), text);
    SHA256 hash;
    hash.add(text.c_str(), std::size_t(qstrlen(text.c_str())));
    return QString::fromStdString(hash.getHash());
}

QString PenvaultClient::maskedSin(const QString& sin)
{
    // By digit positions: a grouped S.I.N. masked by character positions
    // would show one digit more.
    const QString digits = sinDigits(CString(sin)).toQString();
    if (digits.size() <= 1) return digits;
    return digits.left(1) + QStringLiteral("*****") + digits.mid(6);
}

bool PenvaultClient::readyToPenvaultCA(QObject* parent)
{
    const PenvaultSettings s = m_settings();
    if (!s.email.isEmpty() && !s.password.isEmpty()) return true;
    inform(kNotReady, parent);
    return false;
}

int PenvaultClient::loginToPenvaultCA(QString& token, QObject* parent)
{
    if (!readyToPenvaultCA(parent)) return JsonUtil::kFailed;
    const PenvaultSettings s = m_settings();
    int result = JsonUtil::kFailed;
    {
        BusyCursor busy;
        QWebClient client(QStringLiteral("https://%1/api/user/login").arg(s.host), false);
        prepare(client);
        client.addQueryItem(QStringLiteral("email"), s.email);
        client.addQueryItem(QStringLiteral("password"), s.password);
        QString reply;
        if (client.post(reply, nullptr)) {
            // An error status with a token-shaped body is still no login.
            JsonUtil json;
            result = client.isSuccessStatus() ? json.parseString(reply) : JsonUtil::kFailed;
            if (result == JsonUtil::kOk) result = json.getStrParam(QStringLiteral("access_token"), token);
            if (result == JsonUtil::kOk && token.isEmpty()) result = JsonUtil::kFailed;
        }
    }
    if (result != JsonUtil::kOk) {
        token.clear();
        inform(QStringLiteral("Cannot login into %1. Please check %1 email/password setting in preference.")
                   .arg(s.host),
               parent);
    }
    return result;
}

bool PenvaultClient::upload(const char* func, const QString& formItem, bool withPagePosition,
                            const QString& toEmail, const CString& sin, const CString& name,
                            const CString& pdfPath, QObject* parent, QString& reply, bool& posted)
{
    posted = false;
    if (!readyToPenvaultCA(parent)) return false;
    const bool delivery = qstrcmp(func, "DOCDELI") == 0;
    const QString pin = lastFour(sin);
    const QString licdata = sinDigits(sin).toQString();
    const QString site = CDeploymentData::esignSiteUrl();
    const QString question =
        delivery ? QStringLiteral("An E-Delivery link email will be sent to %1. Client can download file using %2 "
                                  "(last 4 digits of the S.I.N.) as password.")
                 : QStringLiteral("An E-Signature link email will be sent to %1. Client can access to sign the file "
                                  "using %2 (last 4 digits of the S.I.N.) as password.");
    const QString title = (delivery ? QStringLiteral("Send Document for E-Delivery through ")
                                    : QStringLiteral("Send Document for E-Signature through ")) +
                          site;
    if (!confirm(title, question.arg(toEmail, pin), parent)) return false;

    const PenvaultSettings s = m_settings();
    // Read before the wait cursor goes up: a message never shows under it.
    QFile file(pdfPath.toQString());
    if (!file.open(QIODevice::ReadOnly)) {
        inform(QStringLiteral("Cannot read %1.").arg(pdfPath.toQString()), parent);
        return false;
    }
    const QByteArray document = file.readAll();
    file.close();
    BusyCursor busy;
    QWebClient client(QStringLiteral("https://%1/api/signature-requests").arg(s.host), false);
    prepare(client);
    client.addFileItem(QStringLiteral("document_file"), QFileInfo(file.fileName()).fileName(), document);
    client.addQueryItem(QStringLiteral("email"), toEmail);
    client.addQueryItem(QStringLiteral("password"), pin);
    client.addQueryItem(QStringLiteral("licdata"), licdata);
    client.addQueryItem(QStringLiteral("expires_in_days"), QStringLiteral("30"));
    if (withPagePosition) client.addQueryItem(QStringLiteral("date_pos"), QStringLiteral("[{\"page\": 0}]"));
    client.addQueryItem(QStringLiteral("sw"), QString::fromLatin1(kSoftwareId));
    client.addQueryItem(QStringLiteral("func"), QString::fromLatin1(func));
    client.addQueryItem(QStringLiteral("form"), formItem);
    client.addQueryItem(QStringLiteral("sender_note"),
                        QStringLiteral("This is for %1 (tax year %2), default password is last 4 digits of S.I.N.")
                            .arg(name.toQString(), QString::fromLatin1(kTaxYear)));
    client.addQueryItem(QStringLiteral("msg1"), msg1(func, formItem, licdata));
    client.addQueryItem(QStringLiteral("login_type"), QString::fromLatin1(kLoginType));
    const QByteArray credentials = basicCredentials(s);
    posted = true;
    if (!client.post(reply, credentials.constData())) return false;
    // An error status is no answer of the service, whatever its body says.
    if (!client.isSuccessStatus() && reply.isEmpty()) reply = QStringLiteral("HTTP %1").arg(client.statusCode());
    return client.isSuccessStatus();
}

void PenvaultClient::submitDocDelivery(ENUMTYPE_FORM form, const QString& toEmail, const CString& sin,
                                       const CString& name, const CString& pdfPath, QObject* parent)
{
    const QString formItem = form == FormType::T1135   ? QStringLiteral("T1135")
                             : form == FormType::T1134 ? QStringLiteral("T1134")
                                                       : QStringLiteral("T1GEN");
    QString reply;
    bool posted = false;
    const bool ok = upload("DOCDELI", formItem, false, toEmail, sin, name, pdfPath, parent, reply, posted);
    if (!posted) return;
    if (!ok && reply.isEmpty()) {
        inform(s_msg_network_fail, parent);
        return;
    }
    QString message;
    if (ok && penvaultReplyText(reply, "message", message) && !message.isEmpty())
        inform(message, parent);
    else
        inform(s_msg_invalid_result + reply, parent);
}

void PenvaultClient::submitFormType(IndividualTaxData* person, ENUMTYPE_FORM form, bool withPagePosition,
                                    const QString& toEmail, const CString& sin, const CString& name,
                                    const CString& pdfPath, QObject* parent)
{
    const QString formItem = form == FormType::T183    ? QStringLiteral("T183")
                             : form == FormType::T185  ? QStringLiteral("T185")
                             : form == FormType::T1013 ? QStringLiteral("T1013")
                                                       : formName(form);
    QString reply;
    bool posted = false;
    const bool ok =
        upload("PENVAULT", formItem, withPagePosition, toEmail, sin, name, pdfPath, parent, reply, posted);
    if (!posted) return;
    if (!ok && reply.isEmpty()) {
        inform(s_msg_network_fail, parent);
        return;
    }
    // The reader gives 0 for an identifier that is no integer (text, a
    // fraction, beyond an int): keeping "0" would overwrite the form's
    // identifier with one of no request.
    int requestId = 0;
    if (!ok || !penvaultReplyInt(reply, "sr_id", requestId) || requestId <= 0) {
        inform(s_msg_invalid_result + reply, parent);
        return;
    }
    QString message;
    if (penvaultReplyText(reply, "message", message) && !message.isEmpty()) inform(message, parent);
    if (person) person->setFedString(form == FormType::T183 ? 10002 : 10005, CString(QString::number(requestId)));
}

bool PenvaultClient::getFormTime(IndividualTaxData* person, ENUMTYPE_FORM form, QObject* parent)
{
    if (!readyToPenvaultCA(parent)) return false;
    CTaxData_Form* data = person ? person->GetFormData(form, false) : nullptr;
    const QString requestId = data ? data->getString("esignature").toQString().trimmed() : QString();
    if (requestId.isEmpty()) {
        inform(QStringLiteral("E-Signature request has not been initiated!"), parent);
        return false;
    }
    QString token;
    if (loginToPenvaultCA(token, parent) != JsonUtil::kOk) return false;

    const PenvaultSettings s = m_settings();
    QString text;
    bool stored = false;
    {
        BusyCursor busy;
        QWebClient client(QStringLiteral("https://%1/api/signature-requests/%2")
                              .arg(s.host, QString::fromLatin1(QUrl::toPercentEncoding(requestId))),
                          false);
        prepare(client);
        QString reply;
        if (!client.post(reply, token, "Bearer")) {
            text = s_msg_network_fail;
        } else if (!client.isSuccessStatus()) {
            text = s_msg_invalid_result + reply;
        } else {
            const PenvaultStatus status = readStatusReply(reply);
            text = status.text;
            if (status.signedAtUtc.isValid() && form == FormType::T183) {
                const QDateTime local = status.signedAtUtc.toLocalTime();
                data->setDate("date", local.date());
                data->setString("signed_time", CString(local.time().toString(QStringLiteral("hh:mm:ss"))));
                data->setBool("is_esigned", true);
                stored = true;
            }
        }
    }
    inform(text, parent);
    return stored;
}

int PenvaultClient::sendFilingRecord(const IndividualTaxData* person, int form, bool accepted,
                                     const QString& confirmation, const QString& message)
{
    const PenvaultSettings s = m_settings();
    if (!s.filingReport) return 0;
    if (s.email.isEmpty() || s.password.isEmpty()) {
        inform(kNotReadyFiling, nullptr);
        return -1;
    }
    CString sin, name, phone;
    if (person) {
        person->getFedStringClaimed(1, sin);
        person->getFedStringClaimed(17, name);
        person->getFedStringClaimed(19, phone);
    }
    const QString formItem = form == FormType::T1      ? QStringLiteral("T1")
                             : form == FormType::T183  ? QStringLiteral("T183PAD")
                             : form == FormType::T1013 ? QStringLiteral("T1013")
                                                       : formName(form);
    const QString licdata = maskedSin(sin.toQString());
    BusyCursor busy;
    QWebClient client(QStringLiteral("https://%1/api/filing").arg(s.host), false);
    prepare(client);
    client.addQueryItem(QStringLiteral("licdata"), licdata);
    client.addQueryItem(QStringLiteral("sw"), QString::fromLatin1(kSoftwareId));
    client.addQueryItem(QStringLiteral("func"), QStringLiteral("FLNGRCD"));
    client.addQueryItem(QStringLiteral("form"), formItem);
    client.addQueryItem(QStringLiteral("msg1"), msg1("FLNGRCD", formItem, licdata));
    client.addQueryItem(QStringLiteral("taxpayer_name"), name.toQString());
    client.addQueryItem(QStringLiteral("taxpayer_phone"), phone.toQString());
    client.addQueryItem(QStringLiteral("login_type"), QString::fromLatin1(kLoginType));
    client.addQueryItem(QStringLiteral("filed_at"), QString());
    client.addQueryItem(QStringLiteral("tax_year_end"), QStringLiteral("2021/12/31"));
    client.addQueryItem(QStringLiteral("status"), accepted ? QStringLiteral("30100") : QStringLiteral("30110"));
    client.addQueryItem(QStringLiteral("confirmation_code"), confirmation);
    client.addQueryItem(QStringLiteral("filing_message"), message);
    const QByteArray credentials = basicCredentials(s);
    QString reply;
    // Only a successful status records the filing: an error page is a failed post.
    if (!client.post(reply, credentials.constData()) || !client.isSuccessStatus()) return -100;
    if (reply.size() > 200) return -99;
    return 0;
}
