#include "sqlitedbmanager.h"

#include <cmath>
#include <climits>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "returnfileentriesmodel.h"
#include "utils.h"

namespace {
struct TableDef
{
    const char* name;
    const char* create;
    std::vector<const char*> indexes;
};

// Created in this order, each with its indexes, when missing.
const std::vector<TableDef>& tables()
{
    static const std::vector<TableDef> defs = {
        {"tb_config",
         "create table tb_config (id integer primary key autoincrement, name text, value text)",
         {"create index idx_tb_config_name on tb_config (name)"}},
        {"tb_taxpayers",
         "create table tb_taxpayers (id integer primary key autoincrement, name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))",
         {"create index idx_tb_taxpayer_sin on tb_taxpayers (sin)"}},
        {"tb_retfile",
         "create table tb_retfile (id integer primary key autoincrement, name1 varchar(100), name2 varchar(100), uid1 integer, uid2 integer, filepath varchar(200), open_time datetime)",
         {"create index idx_tb_retfile_filepath on tb_retfile (filepath)",
          "create index idx_tb_retfile_names on tb_retfile (name1, name2)",
          "create index idx_tb_retfile_uid on tb_retfile (uid1, uid2)"}},
        {"tb_taxdata",
         "create table tb_taxdata (id integer primary key autoincrement, uid integer, create_time datetime, data1 text, html1 text, taxyear integer)",
         {"create index idx_tb_taxdata_uid on tb_taxdata (uid)"}},
        {"tb_taxnoa",
         "create table tb_taxnoa (id integer primary key autoincrement, uid integer, create_time datetime, data1 text, htmlfile varchar(256), taxyear integer)",
         {"create index idx_tb_taxnoa_uid on tb_taxnoa (uid)"}},
        {"tb_history",
         "create table tb_history (id integer primary key autoincrement, uid integer, eventid integer, msg varchar(200), event_time datetime DEFAULT NULL)",
         {"create index idx_tb_history_uid on tb_history (uid)"}},
    };
    return defs;
}

// Always a non-null text, so an empty value is stored as '' and never NULL.
QString bindText(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes.constData(), bytes.size());
}

QString bindText(const char* text)
{
    return QString::fromUtf8(text ? text : "");
}

bool isPlainName(const char* name)
{
    if (!name || !*name) return false;
    for (const char* p = name; *p; ++p) {
        const char c = *p;
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && p != name)) return false;
    }
    return true;
}

// Toward zero, held to the int range (an out-of-range conversion is undefined).
int toWholeNumber(double v)
{
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}
} // namespace

CSqliteDBManager::CSqliteDBManager() = default;

CSqliteDBManager::~CSqliteDBManager()
{
    closeDBFile();
    releaseConnection();
}

void CSqliteDBManager::getDBFilename(CString& name)
{
    name = CString("mydata") + "2021" + "n" + ".db";
}

void CSqliteDBManager::releaseConnection()
{
    if (!m_db.isValid()) return;
    const QString connection = m_db.connectionName();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

int CSqliteDBManager::openDBFile(CString& folder)
{
    m_bOpen = false;
    CString fileName;
    getDBFilename(fileName);
    folder = QDir::toNativeSeparators(folder.toQString() + QLatin1Char('/') + fileName.toQString());
    m_dbFilePath = folder;

    releaseConnection();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(folder.toQString());
    if (!m_db.open()) return kOpenFailed;

    // SQLite accepts any file at open time; a damaged file shows only when
    // its schema is read, and one cut short only when the pages it lacks are
    // (the quick check reads every page). A file another program holds
    // locked answers "busy" and is not damaged at all.
    {
        QSqlQuery probe(m_db);
        const bool readable = probe.exec(QStringLiteral("select count(*) from sqlite_master"));
        const bool whole = readable && probe.exec(QStringLiteral("pragma quick_check")) && probe.next()
                           && probe.value(0).toString() == QLatin1String("ok");
        if (!whole) {
            const QString code = probe.lastError().nativeErrorCode();
            probe.finish();
            m_db.close();
            return (code == QLatin1String("5") || code == QLatin1String("6")) ? kLocked : kOpenFailed;
        }
    }

    if (!createMissingTables()) {
        m_db.close();
        return kOpenFailed;
    }
    m_bOpen = true;
    return 0;
}

// Creates each missing table with its indexes. Nothing is dropped: a table
// that exists keeps its rows. False when a table is still missing.
bool CSqliteDBManager::createMissingTables()
{
    for (const TableDef& def : tables()) {
        if (tableExists(def.name)) continue;
        QSqlQuery query(m_db);
        query.exec(QString::fromLatin1(def.create));
        for (const char* index : def.indexes)
            query.exec(QString::fromLatin1(index));
    }
    for (const TableDef& def : tables())
        if (!tableExists(def.name)) return false;
    return true;
}

QString CSqliteDBManager::setAside(const QString& path, const QDateTime& now)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return QString();
    const QString aside = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFileInfo::exists(aside) || !QDir().rename(path, aside)) return QString();
    // A journal left beside the damaged file would be played into the new
    // one: it goes with the file it belongs to.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString extra = path + QLatin1String(suffix);
        if (QFileInfo::exists(extra)) QDir().rename(extra, aside + QLatin1String(suffix));
    }
    return aside;
}

int CSqliteDBManager::closeDBFile()
{
    if (m_bOpen && m_db.isOpen()) m_db.close();
    m_bOpen = false;
    return 0;
}

bool CSqliteDBManager::tableExists(const char* table)
{
    if (!isPlainName(table)) return false;
    QSqlQuery query(m_db);
    return query.exec(QStringLiteral("select count(*) from ") + QString::fromLatin1(table));
}

bool CSqliteDBManager::openExtraDBHandle(QSqlDatabase& db) const
{
    // Without a path SQLite would open a private temporary database and the
    // caller's writes would vanish.
    if (m_dbFilePath.IsEmpty()) return false;
    db.setDatabaseName(m_dbFilePath.toQString());
    return db.open();
}

void CSqliteDBManager::closeExtraDBHandle(QSqlDatabase& db)
{
    db.close();
}

int CSqliteDBManager::updateOrInsertHistoryItem(const CString& name1, const CString& name2, const CString& path)
{
    const int id = locateHistoryItemByFilepath(path);
    if (id < 1) return insertReturnFileItem(name1.c_str(), name2.c_str(), path.c_str());

    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("update tb_retfile set name1=:name1, name2=:name2, filepath=:path, "
                                 "open_time=datetime('now','localtime') where id=:id"));
    query.bindValue(QStringLiteral(":name1"), bindText(name1.bytes()));
    query.bindValue(QStringLiteral(":name2"), bindText(name2.bytes()));
    query.bindValue(QStringLiteral(":path"), bindText(path.bytes()));
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec() ? id : 0;
}

int CSqliteDBManager::locateHistoryItemByFilepath(const CString& path)
{
    std::vector<int> ids;
    {
        QSqlQuery query(m_db);
        // Rows opened within the same second: the later write counts as newer.
        query.prepare(QStringLiteral("select id from tb_retfile where filepath=:path order by open_time desc, id desc"));
        query.bindValue(QStringLiteral(":path"), bindText(path.bytes()));
        if (!query.exec()) return 0;
        while (query.next()) ids.push_back(query.value(0).toInt());
    }
    if (ids.empty()) return 0;
    for (size_t i = 1; i < ids.size(); ++i) removeHistoryItemByIDFromDB(ids[i]);
    return ids.front();
}

int CSqliteDBManager::insertReturnFileItem(const char* name1, const char* name2, const char* path)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("insert into tb_retfile (name1, name2, filepath, open_time) "
                                 "values (:name1,:name2, :path, datetime('now','localtime'))"));
    query.bindValue(QStringLiteral(":name1"), bindText(name1));
    query.bindValue(QStringLiteral(":name2"), bindText(name2));
    query.bindValue(QStringLiteral(":path"), bindText(path));
    if (!query.exec()) return 0;
    return query.lastInsertId().toInt();
}

int CSqliteDBManager::removeReturnFileItem(const char* path)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("delete from tb_retfile where filepath=:path"));
    query.bindValue(QStringLiteral(":path"), bindText(path));
    query.exec();
    return 0;
}

bool CSqliteDBManager::removeHistoryItemByIDFromDB(int id)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("delete from tb_retfile where id=:id"));
    query.bindValue(QStringLiteral(":id"), id);
    query.exec();
    return true;
}

bool CSqliteDBManager::covertToUnixPath(CString& path)
{
    static const QByteArray marker("documents\\");
    const int at = path.bytes().toLower().indexOf(marker);
    if (at < 0) return false;
    QByteArray rest = path.bytes().mid(at);
    rest.replace('\\', '/');
    path = CString(QDir::homePath().toUtf8() + '/' + rest);
    return true;
}

int CSqliteDBManager::removeNonExistHistoryItems()
{
    std::vector<int> gone;
    {
        QSqlQuery query(m_db);
        if (!query.exec(QStringLiteral("select id, filepath from tb_retfile"))) return 0;
        while (query.next()) {
            CString path(query.value(1).toString());
            covertToUnixPath(path);
            if (path.IsEmpty() || !QFileInfo(path.toQString()).isFile())
                gone.push_back(query.value(0).toInt());
        }
    }
    for (int id : gone) removeHistoryItemByIDFromDB(id);
    return static_cast<int>(gone.size());
}

int CSqliteDBManager::loadAllHistoryItems(ReturnFileEntriesModel& model, const QString& filter)
{
    model.clear();

    QString sql = QStringLiteral("select id, name1, name2, filepath, open_time from tb_retfile");
    if (!filter.isEmpty()) sql += QStringLiteral(" where name1 like :filter1 or name2 like :filter2");
    sql += QStringLiteral(" order by open_time desc, id");

    QSqlQuery query(m_db);
    query.prepare(sql);
    if (!filter.isEmpty()) {
        const QString pattern = QLatin1Char('%') + filter + QLatin1Char('%');
        query.bindValue(QStringLiteral(":filter1"), pattern);
        query.bindValue(QStringLiteral(":filter2"), pattern);
    }
    if (!query.exec()) return 0;

    int count = 0;
    while (query.next()) {
        const QString name1 = query.value(1).toString();
        const QString name2 = query.value(2).toString();
        const QString shown = name2.isEmpty() ? name1 : name1 + QStringLiteral(" & ") + name2;
        model.append(new ReturnFileEntry(query.value(0).toInt(), shown, query.value(4).toString(),
                                         query.value(3).toString()));
        ++count;
    }
    return count;
}

int CSqliteDBManager::readParameter(const char* name, CString& value, int kind)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("select id, value from tb_config where name=:name order by id desc"));
    query.bindValue(QStringLiteral(":name"), bindText(name));
    if (!query.exec() || !query.next()) return 0;
    QString text = query.value(1).toString().trimmed();
    if (kind == 1) text = QDir::toNativeSeparators(text);
    value = CString(text);
    return query.value(0).toInt();
}

int CSqliteDBManager::readParameter(const char* name, int& value)
{
    CString text;
    const int id = readParameter(name, text, 0);
    if (id > 0) value = toWholeNumber(myStringToDouble(text));
    return id;
}

int CSqliteDBManager::readParameter(const char* name, bool& value)
{
    int number = 0;
    const int id = readParameter(name, number);
    if (id > 0) value = number != 0;
    return id;
}

void CSqliteDBManager::saveParameter(const char* name, const CString& value, int kind)
{
    CString scratch;
    const int id = readParameter(name, scratch, 0);
    QString text = bindText(value.bytes());
    if (kind == 1) text = QDir::toNativeSeparators(text);

    QSqlQuery query(m_db);
    if (id < 1) {
        query.prepare(QStringLiteral("insert into tb_config (name, value) values (:name,:value)"));
        query.bindValue(QStringLiteral(":name"), bindText(name));
        query.bindValue(QStringLiteral(":value"), text.trimmed());
    } else {
        query.prepare(QStringLiteral("update tb_config set value=? where id=?"));
        query.addBindValue(text);
        query.addBindValue(id);
    }
    query.exec();
}

void CSqliteDBManager::saveParameter(const char* name, int value)
{
    CString text;
    text.Format("%d", value);
    saveParameter(name, text, 0);
}

void CSqliteDBManager::saveParameter(const char* name, bool value)
{
    saveParameter(name, CString(value ? "1" : "0"), 0);
}
