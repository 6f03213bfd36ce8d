#pragma once
// The client of the agency's tax-data web service, for one download at a
// time: the stage request (token C), the signed sign-in URL opened in the
// user's browser, the token A handed back by the local callback server, the
// data rounds and the storing of what the reply holds.
//
// The download keeps its own copy of the S.I.N.s asked for. Progress codes,
// the record count and notice messages go to the progress dialog as queued
// calls through a guarded pointer, so a dialog that has ended receives
// nothing. The dialog provides the invokable methods
//   postProgress(int code, int detail), setRecordCount(int count),
//   addNoticeMessage(QString sin, QString message).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <atomic>
#include <cstdio>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <vector>

#include "cstring.h"
#include "tddprotocol.h"

class CSqliteDBManager;
class QSqlDatabase;

class TddWebService
{
public:
    // Asks the desktop to open a URL; true when it accepted. Called on the
    // caller's thread: the real one hands the URL to the GUI thread.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // The desktop's browser, asked on the GUI thread whatever thread calls
    // (a worker waits for the answer).
    static UrlOpener desktopUrlOpener();

    explicit TddWebService(QSqlDatabase& db); // the database is not kept
    virtual ~TddWebService();
    TddWebService(const TddWebService&) = delete;
    TddWebService& operator=(const TddWebService&) = delete;

    void setForWhich(const char* year, short forWhich);
    // The calling worker's download's purpose; the one set, on other threads.
    short forWhich() const;

    // What a download needs besides the agency: the settings, the database
    // for the worker's own connections, the two log files and the browser.
    void setConfig(const CT1AppConfig* config) { m_config = config; }
    void setDatabaseManager(const CSqliteDBManager* manager) { m_dbManager = manager; }
    void setLogPaths(const QString& stepLog, const QString& dataLog);
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void setNoticeFolders(const CString& noaDir, const CString& htmlFolder);
    // Worker pauses (between data rounds, before parsing); tests shorten them.
    void setPacingMs(int roundMs, int parseMs);
    int roundPauseMs() const { return m_roundMs; }
    int parsePauseMs() const { return m_parseMs; }
    const QString& stepLogPath() const { return m_stepLogPath; } // on the GUI thread

    // The dialog of the current download and its S.I.N.s (copied); null
    // detaches.
    void setProgressDialog(QObject* dialog, const std::list<std::string>& sins = {});

    // Binds the calling worker thread, for its lifetime, to the download
    // attached now: its posts, record count and messages reach that
    // download's dialog only, and it reads that download's S.I.N.s, purpose
    // and tax year, even when the user has cancelled and another download
    // has attached meanwhile.
    class RunScope
    {
    public:
        explicit RunScope(TddWebService& service);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

        struct Bound
        {
            const TddWebService* service = nullptr;
            unsigned long long generation = 0;
            std::list<std::string> sins;
            short forWhich = 1;
            CString taxYear;
            int taxYearNumber = 0;
        };

    private:
        Bound m_bound;
        Bound* m_previous;
    };

    // One atomic test-and-set: true when this caller entered.
    bool enterInQuery();
    void leaveOutQuery();
    bool isInQuery() const;
    void reset();

    // 1 when no dialog is attached, else 0 (queued to the dialog).
    int postProgressMessage(int code, int detail = 0);

    int wsGetTokenC();
    int visitTDDWebAuthUrl();
    int webReturnSetTokenA(const char* token);
    int callTDDWebService(const CString& xml, std::string& reply);
    int wsGetDataAtLast();
    int parseTDDTaxData(FILE* log, const std::string& reply);
    int parseNOATaxData(FILE* log, const std::string& reply);

    const CString& signInUrl() const { return m_signInUrl; }
    const std::string& tokenC() const { return m_tokenC; }
    const std::string& tokenA() const { return m_tokenA; }

private:
    // The calling worker's download's tax year (see forWhich()).
    CString taxYearText() const;
    int taxYearNumber() const;
    std::list<std::string> sins() const;
    // With the dialog mutex held: the calling thread runs for a download
    // that another one has replaced.
    bool boundToEarlierDownload() const;
    void sendRecordCount(int count);
    void sendNoticeMessage(const std::string& sin, const QString& message);
    FILE* openLog(const QString& path) const;
    template <typename Text>
    Text pathCopy(const Text& path) const
    {
        std::lock_guard<std::mutex> lock(m_pathMutex);
        return path;
    }
    QString serviceUrl() const;
    void sleepMs(int ms) const;
    using PartReader = int (*)(const std::string& reply, std::vector<std::string>& parts);
    int beginParse(FILE* log, const std::string& reply, PartReader read, std::vector<std::string>& parts);

    // Set again (to the same objects) for each progress dialog, while a
    // worker of a cancelled download may read them.
    std::atomic<const CT1AppConfig*> m_config{nullptr};
    std::atomic<const CSqliteDBManager*> m_dbManager{nullptr};
    UrlOpener m_openUrl;
    // Each new progress dialog sets the paths again on the GUI thread, while
    // a worker of a cancelled download may still read them: a worker reads
    // copies taken under the lock.
    mutable std::mutex m_pathMutex;
    QString m_stepLogPath;
    QString m_dataLogPath;
    CString m_noaDir;
    CString m_htmlFolder;
    std::atomic<int> m_roundMs{4000}; // also set on the GUI thread while a worker runs
    std::atomic<int> m_parseMs{1000};

    CString m_signInUrl;
    std::atomic<bool> m_busy{false};
    std::string m_tokenC;
    std::string m_tokenA;
    mutable std::mutex m_dialogMutex; // the dialog, its S.I.N.s, purpose and tax year
    short m_forWhich = 1;
    CString m_taxYear;
    int m_taxYearNumber = 0;
    QPointer<QObject> m_dialog;
    std::list<std::string> m_sins;
    unsigned long long m_generation = 0; // counts the dialogs attached
};
