#include "tddwebservice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QMetaObject>
#include <QSqlDatabase>
#include <QThread>
#include <exception>
#include <map>
#include <memory>
#include <vector>
#include <tinyxml.h>

#include "autofill/tddtaxdata.h"
#include "downloadlog.h"
#include "encodings.h"
#include "hashes.h"
#include "mytixmlhandle.h"
#include "noataxdata.h"
#include "qwebclient.h"
#include "sqlitedbmanager.h"
#include "t1appconfig.h"
#include "taxdatastore.h"
#include "utils.h"
#include "tddreplyparse.h"

namespace {

// S.I.N.s by the lower-case hex SHA-256 the agency sends as identifier.
std::map<std::string, std::string> sinsByHash(const std::list<std::string>& sins)
{
    std::map<std::string, std::string> map;
    for (const std::string& sin : sins) {
        SHA256 sha;
        sha.add(sin.data(), sin.size());
        map[sha.getHash()] = sin;
    }
    return map;
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Runs `save` on a connection of this thread's own, named `name`.
template <typename Save>
int onOwnConnection(const CSqliteDBManager* manager, const char* name, Save save)
{
    int stored = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        if (manager && manager->openExtraDBHandle(db))
            stored = save(&db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return stored;
}

const char* responseTag(short forWhich, bool stage)
{
    if (forWhich == kTddForAutoFill)
        return stage ? "StageTDDNetfileResponse" : "GetTDDNetfileResponse";
    return stage ? "StageNOAResponse" : "GetNOAResponse";
}

// The download the calling worker thread runs for; null on other threads.
thread_local TddWebService::RunScope::Bound* t_bound = nullptr;

} // namespace

TddWebService::RunScope::RunScope(TddWebService& service) : m_previous(t_bound)
{
    std::lock_guard<std::mutex> lock(service.m_dialogMutex);
    m_bound.service = &service;
    m_bound.generation = service.m_generation;
    m_bound.sins = service.m_sins;
    m_bound.forWhich = service.m_forWhich;
    m_bound.taxYear = service.m_taxYear;
    m_bound.taxYearNumber = service.m_taxYearNumber;
    t_bound = &m_bound;
}

TddWebService::RunScope::~RunScope()
{
    t_bound = m_previous;
}

bool TddWebService::boundToEarlierDownload() const
{
    return t_bound && t_bound->service == this && t_bound->generation != m_generation;
}

TddWebService::UrlOpener TddWebService::desktopUrlOpener()
{
    return [](const QUrl& url) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return false;
        if (QThread::currentThread() == app->thread())
            return QDesktopServices::openUrl(url);
        bool accepted = false;
        QMetaObject::invokeMethod(
            app, [&] { accepted = QDesktopServices::openUrl(url); }, Qt::BlockingQueuedConnection);
        return accepted;
    };
}

TddWebService::TddWebService(QSqlDatabase& /*db*/) : m_openUrl(desktopUrlOpener()) {}

TddWebService::~TddWebService() = default;

void TddWebService::setForWhich(const char* year, short forWhich)
{
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    m_taxYear = year;
    m_taxYearNumber = QByteArray(year).toInt();
    m_forWhich = forWhich;
}

short TddWebService::forWhich() const
{
    if (t_bound && t_bound->service == this)
        return t_bound->forWhich;
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    return m_forWhich;
}

CString TddWebService::taxYearText() const
{
    if (t_bound && t_bound->service == this)
        return t_bound->taxYear;
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    return m_taxYear;
}

int TddWebService::taxYearNumber() const
{
    if (t_bound && t_bound->service == this)
        return t_bound->taxYearNumber;
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    return m_taxYearNumber;
}

void TddWebService::setLogPaths(const QString& stepLog, const QString& dataLog)
{
    std::lock_guard<std::mutex> lock(m_pathMutex);
    m_stepLogPath = stepLog;
    m_dataLogPath = dataLog;
}

void TddWebService::setNoticeFolders(const CString& noaDir, const CString& htmlFolder)
{
    std::lock_guard<std::mutex> lock(m_pathMutex);
    m_noaDir = noaDir;
    m_htmlFolder = htmlFolder;
}

void TddWebService::setPacingMs(int roundMs, int parseMs)
{
    m_roundMs = roundMs;
    m_parseMs = parseMs;
}

void TddWebService::setProgressDialog(QObject* dialog, const std::list<std::string>& sins)
{
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    if (m_dialog.data() != dialog)
        ++m_generation;
    m_dialog = dialog;
    if (dialog)
        m_sins = sins;
}

bool TddWebService::enterInQuery()
{
    return !m_busy.exchange(true);
}

void TddWebService::leaveOutQuery()
{
    m_busy = false;
}

bool TddWebService::isInQuery() const
{
    return m_busy;
}

void TddWebService::reset()
{
    m_busy = false;
    m_signInUrl.Empty();
    m_tokenA.clear();
    m_tokenC.clear();
    setProgressDialog(nullptr);
}

int TddWebService::postProgressMessage(int code, int detail)
{
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    if (!m_dialog || boundToEarlierDownload())
        return 1;
    QMetaObject::invokeMethod(m_dialog.data(), "postProgress", Qt::QueuedConnection, Q_ARG(int, code),
                              Q_ARG(int, detail));
    return 0;
}

void TddWebService::sendRecordCount(int count)
{
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    if (m_dialog && !boundToEarlierDownload())
        QMetaObject::invokeMethod(m_dialog.data(), "setRecordCount", Qt::QueuedConnection, Q_ARG(int, count));
}

void TddWebService::sendNoticeMessage(const std::string& sin, const QString& message)
{
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    if (m_dialog && !boundToEarlierDownload())
        QMetaObject::invokeMethod(m_dialog.data(), "addNoticeMessage", Qt::QueuedConnection,
                                  Q_ARG(QString, QString::fromStdString(sin)), Q_ARG(QString, message));
}

std::list<std::string> TddWebService::sins() const
{
    if (t_bound && t_bound->service == this)
        return t_bound->sins;
    std::lock_guard<std::mutex> lock(m_dialogMutex);
    return m_sins;
}

FILE* TddWebService::openLog(const QString& path) const
{
    if (path.isEmpty())
        return nullptr;
    return std::fopen(QFile::encodeName(path).constData(), "a");
}

void TddWebService::sleepMs(int ms) const
{
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

QString TddWebService::serviceUrl() const
{
    const bool autoFill = forWhich() == kTddForAutoFill;
    return QStringLiteral("https://") + QString(m_config.load()->getTDDWebService(CT1AppConfig::TDD_SERVICE_HOST)) +
           QString(m_config.load()->getTDDWebService(CT1AppConfig::TDD_DELIVERY_PATH)) + QString(taxYearText()) +
           QString(m_config.load()->getTDDWebService(autoFill ? CT1AppConfig::TDD_AFR_SERVICE_NAME
                                                       : CT1AppConfig::TDD_NOA_SERVICE_NAME));
}

int TddWebService::callTDDWebService(const CString& xml, std::string& reply)
{
    FILE* log = openLog(pathCopy(m_stepLogPath));
    if (log)
        downloadLog(log, "\n\n%s\n\n\n", QDateTime::currentDateTime().toString().toUtf8().constData());
    int result = 0;
    try {
        QWebClient client(serviceUrl(), false);
        if (!client.postSoapXML(QString(xml), "text/xml; charset=UTF-8", reply)) {
            result = -20;
            downloadLog(log, "TDD web service step failed.\n");
        }
    } catch (const std::exception&) {
        result = -99;
        downloadLog(log, "Please try again, make sure Quillmere is permitted by firewall to use Internet.\n");
    }
    if (log)
        std::fclose(log);
    return result;
}

int TddWebService::wsGetTokenC()
{
    {
        std::lock_guard<std::mutex> lock(m_dialogMutex);
        if (!m_dialog || boundToEarlierDownload())
            return -5;
    }
    postProgressMessage(5);
    CString user, key;
    getSoftwareCode(*m_config.load(), forWhich(), user, key);
    CString xml;
    int expanded = constructTDDTokenCReq(user, key, getXMLDateTimeString(true).c_str(), taxYearText(), forWhich(), xml);
    if (expanded == 0) {
        for (const std::string& sin : sins())
            xml += ("<Sin>" + sin + "</Sin>").c_str();
        xml += tddStageRequestEnd(forWhich());
    } else {
        postProgressMessage(1000, -10);
        return -10;
    }
    std::string reply;
    const int posted = callTDDWebService(xml, reply);
    if (posted != 0) {
        // No reply at all: nothing reached the agency worth blaming it for.
        postProgressMessage(kTddUnreachable, posted);
        return posted;
    }
    postProgressMessage(10);
    StructTDDSoapResult result;
    parseTDDTokenSoapResponseResult(reply, responseTag(forWhich(), true), "TokenIdentifier", &result);
    if (QString(result.ReturnCode).compare("0", Qt::CaseInsensitive) == 0) {
        postProgressMessage(15);
        m_tokenC = result.value;
        return 0;
    }
    postProgressMessage(1000, 100);
    return 100;
}

int TddWebService::visitTDDWebAuthUrl()
{
    {
        // Cancelled while the stage request was out: the user's browser is
        // not sent to a sign-in whose callback nobody would take.
        std::lock_guard<std::mutex> lock(m_dialogMutex);
        if (!m_dialog || boundToEarlierDownload())
            return 99;
    }
    const CString timestamp = QByteArray::number(qulonglong(QDateTime::currentSecsSinceEpoch())).constData();
    m_signInUrl = tddSignInUrl(*m_config.load(), forWhich(), timestamp, m_tokenC, taxYearText());
    postProgressMessage(20);
    const QUrl url(QString(m_signInUrl), QUrl::TolerantMode);
    if (m_openUrl && m_openUrl(url)) return 0;
    postProgressMessage(kTddNoBrowser);
    return 99;
}

int TddWebService::webReturnSetTokenA(const char* token)
{
    const std::string decoded = urlDecode(token ? token : "");
    // Any web page the user visits may call the callback port: a token with
    // markup or control characters is refused and changes nothing.
    if (!isAcceptableTokenA(decoded))
        return 1;
    // A data worker reads token A as it starts; a callback repeated while it
    // runs starts nothing, so its token is judged but not stored, and no
    // write here races the worker's read.
    if (!isInQuery())
        m_tokenA = decoded;
    return 0;
}

int TddWebService::wsGetDataAtLast()
{
    FILE* log = openLog(pathCopy(m_dataLogPath));
    auto closeLog = [&] {
        if (log)
            std::fclose(log);
        log = nullptr;
    };
    std::string token = m_tokenA;
    CString user, key;
    getSoftwareCode(*m_config.load(), forWhich(), user, key);
    for (int base = 56; base <= 76; base += 10) {
        CString xml;
        if (constructTDDDataReadyReq(user, key, getXMLDateTimeString(true).c_str(), taxYearText(), forWhich(), token,
                                     xml) != 0) {
            postProgressMessage(1000, -10);
            closeLog();
            return -10;
        }
        postProgressMessage(base - 6);
        std::string reply;
        const int posted = callTDDWebService(xml, reply);
        if (posted != 0) {
            // A failed post ends the download visibly, as the stage does.
            postProgressMessage(kTddUnreachable, posted);
            closeLog();
            return posted;
        }
        postProgressMessage(base - 1);
        StructTDDSoapResult result;
        bool numeric = false;
        const int read = parseTDDTokenSoapResponseResult(reply, responseTag(forWhich(), false), "TokenIdentifier", &result);
        if (read == 0)
            result.ReturnCode.bytes().trimmed().toDouble(&numeric);
        if (read == kTokenReplyFault && base == 56) {
            // A fault to the first request: the agency did not take the
            // browser's token. The callback server keeps listening, so a
            // sign-in done again can still succeed.
            postProgressMessage(kTddTokenRefused);
            closeLog();
            return read;
        }
        if (read != 0 || !numeric) {
            // A fault, an unreadable reply or one without a readable return
            // code is no "not ready yet" (read as 0, it would send an empty
            // token next).
            postProgressMessage(1000, 100);
            closeLog();
            return 100;
        }
        const int code = int(myStringToDouble(result.ReturnCode));
        if (code == 0) {
            token = result.value;
            if (token.size() < 7)
                downloadLog(log, "token is short\n");
            sleepMs(m_roundMs);
            postProgressMessage(base);
            continue;
        }
        if (code == 10) {
            postProgressMessage(kTddNothingToDeliver);
            closeLog();
            return code;
        }
        if (code == 20) {
            const int n = forWhich() == kTddForAutoFill ? parseTDDTaxData(log, reply) : parseNOATaxData(log, reply);
            sendRecordCount(n);
            closeLog();
            postProgressMessage(99, n + 1000);
            return code;
        }
        postProgressMessage(1000, code);
        closeLog();
        return code;
    }
    postProgressMessage(kTddNotReady);
    closeLog();
    return 0;
}

// The start both parsers share: progress 80, the pause, the reply cut into
// its parts by `read`, then progress 81 unless the reply was no XML at all.
int TddWebService::beginParse(FILE* log, const std::string& reply, PartReader read, std::vector<std::string>& parts)
{
    downloadLog(log, "enter parse data\n");
    downloadLog(log, "db alive\n");
    postProgressMessage(80);
    sleepMs(m_parseMs);
    const int result = read(reply, parts);
    if (result != kReplyNotXml) postProgressMessage(81);
    return result;
}

int TddWebService::parseTDDTaxData(FILE* log, const std::string& reply)
{
    std::vector<std::string> items;
    const int read = beginParse(log, reply, readTddPersonItems, items);
    if (read < 0)
        return read;
    const std::map<std::string, std::string> asked = sinsByHash(sins());
    int stored = 0;
    int index = 0;
    for (const std::string& itemXml : items) {
        ++index;
        postProgressMessage(85);
        TiXmlDocument item;
        item.Parse(itemXml.c_str());
        TDDTaxDataOnePerson record(taxYearNumber());
        const int parsed = record.parseXMLData(item.RootElement());
        downloadLog(log, "parse %d (%d)\n", index, parsed);
        if (parsed != 0) {
            downloadLog(log, "skipping %d (no identifier)\n", index);
            continue;
        }
        const auto found = asked.find(lowerCase(record.sin.c_str()));
        if (found == asked.end()) {
            // By position only: the identifier is the hash of a S.I.N.,
            // which trying every nine-digit number reverses.
            downloadLog(log, "skipping %d\n", index);
            continue;
        }
        postProgressMessage(90);
        const std::string& sin = found->second;
        stored += onOwnConnection(m_dbManager.load(), "TDD_DB_Connection", [&](QSqlDatabase* db) {
            return saveToSqliteDB(record, db, log, sin, itemXml);
        });
        downloadLog(log, "save %d (%s)\n", index, NOATaxDataOnePerson::maskedSIN(sin).c_str());
    }
    return stored;
}

int TddWebService::parseNOATaxData(FILE* log, const std::string& reply)
{
    std::vector<std::string> notices;
    const int read = beginParse(log, reply, readNoticeReplies, notices);
    if (read < 0)
        return read;
    const std::map<std::string, std::string> asked = sinsByHash(sins());
    int stored = 0;
    int index = 0;
    for (std::string& noticeXml : notices) {
        ++index;
        postProgressMessage(85);
        TiXmlDocument single;
        single.Parse(noticeXml.c_str());
        const TiXmlElement* item = MyTiXmlHandle(&single)
                                       .FirstChildElement()
                                       .FirstChildElement("soapenv:Body")
                                       .FirstChildElement("GetNOAResponse")
                                       .FirstChildElement("NoticeOfAssessment")
                                       .FirstChildElement("NoticeOfAssessmentData")
                                       .FirstChildElement("NoticeOfAssessmentItem")
                                       .ToElement();
        NOATaxDataOnePerson notice(pathCopy(m_noaDir), pathCopy(m_htmlFolder), taxYearNumber());
        if (notice.parseXMLData(item) < 0) {
            downloadLog(log, "skipping %d (no identifier)\n", index);
            continue;
        }
        const auto found = asked.find(lowerCase(notice.identifier()));
        if (found == asked.end()) {
            downloadLog(log, "skipping %d", index);
            continue;
        }
        postProgressMessage(90);
        const std::string& sin = found->second;
        if (!notice.hasT1Notice()) {
            const QString who = QString::fromStdString(sin);
            const QString text = notice.summary().empty()
                                     ? QStringLiteral("For tax payer (S.I.N. %1), no message presents.").arg(who)
                                     : QStringLiteral("For tax payer (S.I.N. %1), %2.")
                                           .arg(who, QString::fromStdString(notice.summary()));
            sendNoticeMessage(sin, text);
        }
        stored += onOwnConnection(m_dbManager.load(), "NOA_DB_Connection", [&](QSqlDatabase* db) {
            return notice.saveToSqliteDB(db, log, sin, noticeXml);
        });
    }
    return stored;
}
