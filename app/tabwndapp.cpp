#include "tabwndapp.h"

#include <ctime>
#include <list>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRect>
#include <QWidget>

#include "basicevent.h"
#include "edition.h"
#include "messages.h"
#include "privatefiles.h"
#include "prompt.h"
#include "utils.h"

TabWndApp* TabWndApp::s_app = nullptr;
QString TabWndApp::s_appTitle;
unsigned char TabWndApp::s_appPurpose = 2;

namespace {
// "Quillmere" + "_special", lower case as a whole.
const char kProductFolder[] = "quillmere_special";
const char kTaxYear[] = "2021";
}

TabWndApp* TabWndApp::initMainApp(int& argc, char** argv)
{
    if (!s_app) s_app = new TabWndApp(argc, argv);
    return s_app;
}

TabWndApp::TabWndApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(icons);
    s_appPurpose = 2;
    s_appTitle = gMsgGetTitle(2);
    // The return reader and the repairs after reading follow the edition.
    setCurrentEdition(s_appPurpose);
    m_config.setMode(s_appPurpose);
}

TabWndApp::~TabWndApp()
{
    ExitInstance();
    delete m_mainWnd;
    m_mainWnd = nullptr;
    if (s_app == this) s_app = nullptr;
}

int TabWndApp::initApp()
{
    m_separator = QDir::separator();
    m_appPath = QCoreApplication::applicationDirPath();

    const QString sep = m_separator;
    const QString documents = QDir::homePath() + sep + QStringLiteral("Documents");
    // The user's Documents folder is theirs: made, when missing, as they
    // would make it. Everything of ours from here on is the user's alone.
    makeFolderExists(documents);
    privateFileCreation();
    const QString productFolder = documents + sep + QLatin1String(kProductFolder);
    m_dataPath = productFolder + sep + QLatin1String(kTaxYear);
    makeFolderExists(m_dataPath);
    m_runPath = m_dataPath.toQString() + sep + QStringLiteral("run");
    makeFolderExists(m_runPath);
    m_sysPath = m_dataPath.toQString() + sep + QStringLiteral("._sys");
    makeFolderExists(m_sysPath);

    // Folders and files an earlier version (or a copy) left readable by
    // others: the database holds the filing passwords.
    const int narrowed = narrowToOwner(productFolder);

    m_runLogPath = m_runPath.toQString() + sep + QStringLiteral("log2021.txt");
    InitRunLogFile();
    if (narrowed > 0)
        WriteRunLogFile(QStringLiteral("Made %1 folders and files in %2 readable by their owner only")
                            .arg(narrowed)
                            .arg(QDir::toNativeSeparators(productFolder))
                            .toUtf8()
                            .constData());
    WriteRunLogFile("Only one instance of quillmere can run");

    m_dbFilePath = m_sysPath;
    int opened = _initStep65(m_dbFilePath);
    if (opened == CSqliteDBManager::kLocked) {
        // Moving a file another program is writing would lose its work.
        Prompt::critical(QObject::tr("Error"), databaseLockedText(m_dbFilePath.toQString()));
        return 101;
    }
    if (opened != 0) {
        // A database that cannot be read holds nothing the program can use:
        // it is kept aside for the user and a fresh one takes its place, so
        // the program still starts. Return files are elsewhere, untouched.
        const QString damaged = m_dbFilePath.toQString();
        const QString aside = CSqliteDBManager::setAside(damaged, QDateTime::currentDateTime());
        if (!aside.isEmpty()) {
            m_dbFilePath = m_sysPath;
            opened = _initStep65(m_dbFilePath);
            // Told once the window is up, so that it stands over the program
            // it concerns (and a batch run, with no one to tell, goes on).
            if (opened == 0) m_startNotice = databaseSetAsideText(damaged, aside);
        }
    }
    if (opened != 0) {
        Prompt::critical(QObject::tr("Error"),
                         QStringLiteral("Program cannot read/write config file %1.").arg(m_dbFilePath.toQString()));
        return 101;
    }

    WriteRunLogFile("check 70");
    m_config.setDefaultValue(m_appPath, m_dataPath);
    readConfigDB();
    WriteRunLogFile("check 80");

    const QString configFile = m_runPath.toQString() + sep + QStringLiteral("gr_path.ini");
    m_config.readConfigFile(configFile.toUtf8().constData());
    if (m_config.isTestMode()) {
        s_appTitle += QStringLiteral(" - Testing");
        // The settings were read before the file turned test mode on.
        readEFileSettings();
    }
    publishPreparerSettings();

    makeFolderExists(m_config.m_RetPath);
    makeFolderExists(m_config.m_NOAPath);

    WriteRunLogFile("check 90");
    WriteRunLogFile("check 120");
    WriteRunLogFile("check 130");
    return 0;
}

QString TabWndApp::databaseLockedText(const QString& path)
{
    return QStringLiteral("The program's database %1 is locked by another program. Close that program (or the other "
                          "copy of Quillmere using it), then start Quillmere again.")
        .arg(QDir::toNativeSeparators(path));
}

QString TabWndApp::databaseSetAsideText(const QString& path, const QString& aside)
{
    return QStringLiteral("The program's database %1 could not be read. It was moved aside to %2 and a new one was "
                          "made: the list of recent returns, the settings and the downloaded tax data start afresh. "
                          "Your return files are not touched.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
}

int TabWndApp::_initStep65(CString& dbPath)
{
    const int opened = m_dbManager.openDBFile(dbPath);
    if (!m_dbManager.isDBOpen()) return opened == CSqliteDBManager::kLocked ? opened : 99;

    QSqlDatabase& db = m_dbManager.getDBHandle();
    std::list<_STRUCT_EVENT_MSG_> rows;
    CBasicEvent::findByEventID(db, CBasicEvent::EVENT_FIRST_START, rows);
    if (rows.empty()) {
        CString now;
        now.Format("%llu", static_cast<unsigned long long>(std::time(nullptr)));
        CBasicEvent::saveUniqueEvent(db, 0, CBasicEvent::EVENT_FIRST_START, now, true, true, true);
    }
    m_dbManager.removeNonExistHistoryItems();
    return 0;
}

int TabWndApp::ExitInstance()
{
    if (m_exited) return 0;
    m_exited = true;
    // Only a run that showed its window has window settings worth keeping.
    if (m_mainWnd && m_dbManager.isDBOpen()) {
        m_dbManager.saveParameter("LastOpenPath", m_LastOpenPath, 1);
        m_dbManager.saveParameter("LastImportPath", m_LastImportPath, 1);
        m_dbManager.saveParameter("LeftPaneSize", m_config.m_LeftPaneSize, 0);
        const QRect frame = m_mainWnd->geometry();
        m_config.m_LeftX = frame.x();
        m_config.m_LeftY = frame.y();
        m_config.m_Width = frame.width();
        m_config.m_Height = frame.height();
        m_dbManager.saveParameter("LeftX", m_config.m_LeftX);
        m_dbManager.saveParameter("LeftY", m_config.m_LeftY);
        m_dbManager.saveParameter("Width", m_config.m_Width);
        m_dbManager.saveParameter("Height", m_config.m_Height);
        m_dbManager.saveParameter("BKColor", m_config.m_BKColor, 0);
        m_dbManager.saveParameter("FontSize", m_config.m_FontSize, 0);
    }
    m_dbManager.closeDBFile();
    return 0;
}

bool TabWndApp::gAppInformation(const QString& text, QWidget* parent)
{
    gMsgInformation(s_appPurpose, text, parent ? parent : getMainWidget());
    return true;
}

bool TabWndApp::gAppQuestion(const QString& text, QWidget* parent)
{
    const int pressed = gMsgQuestion(s_appPurpose, text, parent ? parent : getMainWidget());
    return pressed == Prompt::Ok || pressed == Prompt::Yes;
}

QMessageBox::StandardButton TabWndApp::gAppQuestionReturnBtn(const QString& text, QWidget* parent,
                                                             QMessageBox::StandardButtons buttons)
{
    const int pressed = Prompt::message(Prompt::Kind::Question, gMsgGetTitle(s_appPurpose), text, int(buttons),
                                        Prompt::NoButton, parent);
    return QMessageBox::StandardButton(pressed);
}

void TabWndApp::getStartRectPos(QRect& rect) const
{
    rect = QRect(m_config.m_LeftX, m_config.m_LeftY, m_config.m_Width, m_config.m_Height);
}

ReturnFileEntriesModel* TabWndApp::loadReturnEntriesIntoModel(const QString& filter)
{
    m_returnFilesFilter = filter;
    m_dbManager.loadAllHistoryItems(m_returnFiles, filter);
    return &m_returnFiles;
}

void TabWndApp::reloadReturnEntries()
{
    loadReturnEntriesIntoModel(m_returnFilesFilter);
}

int TabWndApp::saveReturnEntry(const CString& name1, const CString& name2, const CString& path)
{
    const int id = m_dbManager.updateOrInsertHistoryItem(name1, name2, path);
    reloadReturnEntries();
    return id;
}

void TabWndApp::removeReturnEntry(const QModelIndex& row)
{
    const QString path = m_returnFiles.getFilePath(row);
    if (path.isEmpty()) return;
    const QFileInfo file(path);
    if (file.exists() || file.isSymLink()) {
        if (!QFile::remove(path)) {
            gAppInformation(QStringLiteral("The return file %1 could not be deleted.")
                                .arg(QDir::toNativeSeparators(path)),
                            nullptr);
            return;
        }
    }
    m_dbManager.removeReturnFileItem(CString(path).c_str());
    reloadReturnEntries();
}

bool TabWndApp::openExtraDBHandle(QSqlDatabase& db)
{
    db.setDatabaseName(m_dbFilePath.toQString());
    return db.open();
}

void TabWndApp::closeExtraDBHandle(QSqlDatabase& db)
{
    db.close();
}

MyWaitCursor::MyWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

MyWaitCursor::~MyWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

ActionShowReturn::ActionShowReturn(Form_Return* page, const QString& text, QObject* parent)
    : QAction(text, parent), m_page(page)
{
}
