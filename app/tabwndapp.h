#pragma once
// The one application object of a run: it owns the configuration, the local
// database, the list of recent return files, the working folders and the run
// log, and raises every message the program shows. Everything else reaches
// it through TabWndApp::getMainApp.

#include <utility>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QModelIndex>
#include <QString>

#include "cstring.h"
#include "returnfileentriesmodel.h"
#include "sqlitedbmanager.h"
#include "t1appconfig.h"

class Form_Return;
class QRect;
class QSqlDatabase;
class QWidget;

class TabWndApp : public QApplication
{
    Q_OBJECT

public:
    static TabWndApp* initMainApp(int& argc, char** argv);
    static TabWndApp* getMainApp() { return s_app; }
    static QWidget* getMainWidget() { return s_app ? s_app->m_mainWnd : nullptr; }

    TabWndApp(int& argc, char** argv);
    ~TabWndApp() override;

    // Start-up: folders, run log, database, settings, configuration file.
    // 0 when the program may run, 101 when the database cannot be opened.
    int initApp();
    // Start-up's messages about the database: another program holds it (the
    // program ends), or it could not be read and was moved aside.
    static QString databaseLockedText(const QString& path);
    static QString databaseSetAsideText(const QString& path, const QString& aside);
    // What start-up has to tell the user once the main window shows (empty
    // for nothing); cleared by taking it.
    QString takeStartNotice() { return std::exchange(m_startNotice, QString()); }
    // End of run; the settings are saved only when a main window ran.
    int ExitInstance();

    // The main window, once it exists; it becomes the parent of messages
    // and is deleted with the application object.
    void setMainWidget(QWidget* window) { m_mainWnd = window; }

    static bool gAppInformation(const QString& text, QWidget* parent);
    // True when Ok or Yes was pressed.
    static bool gAppQuestion(const QString& text, QWidget* parent);
    static QMessageBox::StandardButton gAppQuestionReturnBtn(const QString& text, QWidget* parent,
                                                             QMessageBox::StandardButtons buttons);

    bool allow2ndInstance() const { return m_config.m_Allow2nd; }
    void getStartRectPos(QRect& rect) const;
    CT1AppConfig& config() { return m_config; }
    CSqliteDBManager& database() { return m_dbManager; }

    // Recent return files.
    ReturnFileEntriesModel* loadReturnEntriesIntoModel(const QString& filter);
    // The list as last loaded, so as filtered on the start page.
    const ReturnFileEntriesModel& returnEntries() const { return m_returnFiles; }
    // Records an opened or saved return and reloads the list, so the start
    // page shows it at once.
    int saveReturnEntry(const CString& name1, const CString& name2, const CString& path);
    // The list again with the filter it was last loaded with.
    void reloadReturnEntries();
    // Deletes the row's file and forgets it. A file that is there but cannot
    // be deleted is reported and stays listed, so the user can still reach it.
    void removeReturnEntry(const QModelIndex& row);

    bool openExtraDBHandle(QSqlDatabase& db);
    void closeExtraDBHandle(QSqlDatabase& db);
    int checkLatestVersion() { return 0; }
    void createTestPrintFile() {}

    // User settings in tb_config.
    int readConfigDB();
    int saveConfigDB();

    // Logs in the run folder.
    void InitRunLogFile();
    void WriteRunLogFile(const char* text);
    static void WriteLogFile(const CString& path, const char* text);
    void getFilingLogFilePath(CString& out, int kind) const;
    int writeSuccFilingLog(const CString& name, const CString& result, const CString& confirmation,
                           const CString& message);
    void getTDDLogFilePath(CString& out, int kind) const;

    // The batch result report into "./taxresult.txt".
    static void CmdlinePrintResult(const QString& folder, const QString& listFile);
    static CString GetTaxResult(const QString& path);

    const CString& dataFolder() const { return m_dataPath; }
    const CString& runFolder() const { return m_runPath; }
    const CString& systemFolder() const { return m_sysPath; }
    const CString& runLogPath() const { return m_runLogPath; }
    const CString& dbFilePath() const { return m_dbFilePath; }

    static QString s_appTitle;
    static unsigned char s_appPurpose;

private:
    int _initStep65(CString& dbPath);
    // The preparer's EFILE number and password live under other names in
    // test mode; read them under the names of the mode in force.
    void readEFileSettings();
    // New forms take the preparer's details from the model's copy, and
    // checking and filing a return read the filing settings from theirs.
    void publishPreparerSettings();

    static TabWndApp* s_app;

    CString m_runLogPath;
    ReturnFileEntriesModel m_returnFiles;
    QString m_returnFilesFilter;
    CT1AppConfig m_config;
    QWidget* m_mainWnd = nullptr;
    QString m_separator;
    CString m_appPath;
    CString m_dataPath;
    CString m_runPath;
    CString m_sysPath;

public:
    // The last folders a return was opened from and imported from.
    CString m_LastOpenPath;
    CString m_LastImportPath;

private:
    CSqliteDBManager m_dbManager;
    CString m_dbFilePath;
    bool m_exited = false;
    QString m_startNotice;
};

// The wait cursor for the life of the object; nesting is allowed.
class MyWaitCursor
{
public:
    MyWaitCursor();
    ~MyWaitCursor();
    MyWaitCursor(const MyWaitCursor&) = delete;
    MyWaitCursor& operator=(const MyWaitCursor&) = delete;
};

// One entry of the main window's Windows menu: the open return it brings to
// the front.
class ActionShowReturn : public QAction
{
    Q_OBJECT

public:
    ActionShowReturn(Form_Return* page, const QString& text, QObject* parent);
    Form_Return* page() const { return m_page; }

private:
    Form_Return* m_page;
};
