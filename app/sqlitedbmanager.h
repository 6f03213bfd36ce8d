#pragma once
// The local SQLite database "mydata2021n.db": user settings (tb_config),
// recent return files (tb_retfile), taxpayers (tb_taxpayers), history events
// (tb_history), downloaded tax data (tb_taxdata) and notices of assessment
// (tb_taxnoa). The manager owns the default connection, makes sure every
// table exists when it opens the file, and runs the statements on tb_retfile
// and tb_config. Every value is bound to a placeholder.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include "cstring.h"

class ReturnFileEntriesModel;

class CSqliteDBManager
{
public:
    CSqliteDBManager();
    virtual ~CSqliteDBManager();
    CSqliteDBManager(const CSqliteDBManager&) = delete;
    CSqliteDBManager& operator=(const CSqliteDBManager&) = delete;

    static void getDBFilename(CString& name);

    // Results of openDBFile besides 0.
    static constexpr int kOpenFailed = 103;   // cannot be opened, or no usable database
    static constexpr int kLocked = 104;       // another program holds it locked

    // Opens (or creates) the database in `folder` and creates any missing
    // table; `folder` becomes the file's full native path, also on failure.
    // 0 when open; kOpenFailed when the file cannot be opened or is no
    // usable database (damaged, cut short, a folder); kLocked when another
    // program holds it.
    int openDBFile(CString& folder);
    // Moves what stands at the database's path (a damaged file with its
    // journal files, or a folder) aside to a dated name beside it; that new
    // path, or empty when nothing was there or it could not be moved.
    static QString setAside(const QString& path, const QDateTime& now);
    // Closes the connection; 0.
    int closeDBFile();
    bool isDBOpen() const { return m_bOpen; }
    QSqlDatabase& getDBHandle() { return m_db; }
    // The full path left by openDBFile.
    const CString& getDBFilePath() const { return m_dbFilePath; }

    // True when the table can be read. Takes only plain table names.
    bool tableExists(const char* table);

    // A second connection, made by its caller (on its own thread, under its
    // own name), on this database file; true when it opened.
    bool openExtraDBHandle(QSqlDatabase& db) const;
    static void closeExtraDBHandle(QSqlDatabase& db);

    // Recent return files.
    // Records that the file at `path` was opened or saved now: one row per
    // path. The row's id, 0 on failure.
    int updateOrInsertHistoryItem(const CString& name1, const CString& name2, const CString& path);
    // The id of the most recently opened row of `path` (0 when none); the
    // path's other rows are deleted.
    int locateHistoryItemByFilepath(const CString& path);
    int insertReturnFileItem(const char* name1, const char* name2, const char* path);
    int removeReturnFileItem(const char* path);
    bool removeHistoryItemByIDFromDB(int id);
    // A Windows path under "Documents\" becomes the same path under the home
    // folder with forward slashes; true when rewritten.
    static bool covertToUnixPath(CString& path);
    // Deletes the rows whose file is gone (a folder counts as gone); their
    // number.
    int removeNonExistHistoryItems();
    // Replaces the model's rows with the recent files whose taxpayer or
    // spouse name is LIKE "%filter%" (an empty filter lists all), newest
    // first; the number of rows.
    int loadAllHistoryItems(ReturnFileEntriesModel& model, const QString& filter);

    // Parameter store. kind 1 is a folder or file path (native separators),
    // 0 any other text. The newest row of a name is its value. A reader
    // returns the row's id, or 0 with `value` unchanged when the name has no
    // row.
    int readParameter(const char* name, CString& value, int kind);
    int readParameter(const char* name, int& value);
    int readParameter(const char* name, bool& value);
    void saveParameter(const char* name, const CString& value, int kind);
    void saveParameter(const char* name, int value);
    void saveParameter(const char* name, bool value);
    // A text literal would otherwise silently pick the yes/no form.
    void saveParameter(const char* name, const char* value) = delete;

private:
    void releaseConnection();
    bool createMissingTables();

    QSqlDatabase m_db;
    bool m_bOpen = false;
    CString m_dbFilePath;
};
