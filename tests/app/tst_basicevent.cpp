#include "basicevent.h"

#include <vector>

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "newbase64.h"
#include "sqlitedbmanager.h"

namespace {
struct OpenDb
{
    QTemporaryDir dir;
    CSqliteDBManager mgr;
    int rc = -1;

    OpenDb()
    {
        CString path = dir.path();
        rc = mgr.openDBFile(path);
    }
    QSqlDatabase& db() { return mgr.getDBHandle(); }
};

QVariant value(QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& v : values) query.addBindValue(v);
    if (!query.exec() || !query.next()) return QStringLiteral("<no row>");
    return query.value(0);
}

int insert(QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& v : values) query.addBindValue(v);
    return query.exec() ? query.lastInsertId().toInt() : -1;
}

QByteArray encoded(const QByteArray& text)
{
    std::vector<unsigned char> out(4 * (text.size() / 3) + 9);
    unsigned long length = out.size();
    if (newbase64_encode(reinterpret_cast<const unsigned char*>(text.constData()),
                         static_cast<unsigned long>(text.size()), out.data(), &length) != 0)
        return QByteArray("<failed>");
    return QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<int>(length - 1));
}

// (uid, eventid, msg) of every history row, in the order written.
QStringList historyRows(QSqlDatabase& db)
{
    QStringList rows;
    QSqlQuery query(db);
    query.exec("select uid, eventid, msg from tb_history order by id");
    while (query.next())
        rows << QStringLiteral("%1/%2/%3").arg(query.value(0).toInt()).arg(query.value(1).toInt()).arg(query.value(2).toString());
    return rows;
}

const char* const kSeparator = "\r\n------------------------------\r\n";
} // namespace

class BasicEventTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartEvent();
    void uniqueReplacesRowsOfSameTaxpayer();
    void nonUniqueAccumulatesInOrder();
    void encodedTextOfAnyLength();
    void removeByEvent();
    void failuresOnClosedConnection();
    void configSettings();
    void upsertTaxpayer();
    void filingStatusReadsNewestTaxpayer();
    void filingStatusOfUnknownSin();
    void sinTypedThreeWaysIsOneTaxpayer_data();
    void sinTypedThreeWaysIsOneTaxpayer();
};

void BasicEventTest::firstStartEvent()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    std::list<_STRUCT_EVENT_MSG_> rows;
    QCOMPARE(CBasicEvent::findByEventID(d.db(), 1001, rows), 0);

    const int id = CBasicEvent::saveUniqueEvent(d.db(), 0, 1001, "1634567890", true, true, true);
    QVERIFY(id > 0);
    QCOMPARE(CBasicEvent::findByEventID(d.db(), 1001, rows), 1);
    QCOMPARE(rows.front().id, id);
    QCOMPARE(rows.front().uid, 0);
    QCOMPARE(rows.front().eventid, 1001);
    QCOMPARE(rows.front().msg.bytes(), encoded("1634567890"));
    const QString time = value(d.db(), "select event_time from tb_history where id=?", {id}).toString();
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(time).hasMatch(), qPrintable(time));
}

void BasicEventTest::uniqueReplacesRowsOfSameTaxpayer()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    CBasicEvent::saveUniqueEvent(db, 5, 1018, "five made", false, false, false);
    CBasicEvent::saveUniqueEvent(db, 6, 1018, "six made", false, false, false);
    CBasicEvent::saveUniqueEvent(db, 5, 1019, "five filed", false, false, false);
    CBasicEvent::saveUniqueEvent(db, 5, 1018, "five again", false, false, false);

    QVERIFY(CBasicEvent::saveUniqueEvent(db, 5, 1018, "five latest", false, false, true) > 0);
    QCOMPARE(historyRows(db), (QStringList{"6/1018/six made", "5/1019/five filed", "5/1018/five latest"}));

    // uid 0 stands for the whole installation: every row of the event goes.
    QVERIFY(CBasicEvent::saveUniqueEvent(db, 0, 1018, "everyone", false, false, true) > 0);
    QCOMPARE(historyRows(db), (QStringList{"5/1019/five filed", "0/1018/everyone"}));
}

void BasicEventTest::nonUniqueAccumulatesInOrder()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    const int a = CBasicEvent::saveUniqueEvent(db, 0, 1007, "first", false, false, false);
    CBasicEvent::saveUniqueEvent(db, 0, 1001, "other event", false, true, false);
    const int b = CBasicEvent::saveUniqueEvent(db, 3, 1007, "second", false, true, false);
    const int c = CBasicEvent::saveUniqueEvent(db, 0, 1007, "third", false, false, false);
    QVERIFY(a > 0 && a < b && b < c);

    std::list<_STRUCT_EVENT_MSG_> rows;
    rows.push_back(_STRUCT_EVENT_MSG_());
    QCOMPARE(CBasicEvent::findByEventID(db, 1007, rows), 3);
    QCOMPARE(rows.size(), size_t(4));
    rows.pop_front();
    QStringList seen;
    for (const _STRUCT_EVENT_MSG_& row : rows) seen << QStringLiteral("%1:%2:%3").arg(row.id).arg(row.uid).arg(row.msg.toQString());
    QCOMPARE(seen, (QStringList{QStringLiteral("%1:0:first").arg(a), QStringLiteral("%1:3:second").arg(b),
                                QStringLiteral("%1:0:third").arg(c)}));

    QVERIFY(value(db, "select event_time from tb_history where id=?", {a}).isNull());
    QVERIFY(!value(db, "select event_time from tb_history where id=?", {b}).isNull());
}

void BasicEventTest::encodedTextOfAnyLength()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    // Far past what a fixed 511-byte buffer holds, with a line feed and
    // multi-byte characters.
    const QByteArray text = QByteArray("Caf\xC3\xA9 line\n").repeated(60);
    const int id = CBasicEvent::saveUniqueEvent(d.db(), 0, 1007, CString(text), true, false, false);
    QVERIFY(id > 0);
    const QByteArray stored = value(d.db(), "select msg from tb_history where id=?", {id}).toString().toUtf8();
    QCOMPARE(stored, encoded(text));

    std::vector<unsigned char> out(stored.size());
    unsigned long length = out.size();
    QCOMPARE(newbase64_decode(reinterpret_cast<const unsigned char*>(stored.constData()),
                              static_cast<unsigned long>(stored.size()), out.data(), &length), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<int>(length)).left(text.size()), text);
}

void BasicEventTest::removeByEvent()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    CBasicEvent::saveUniqueEvent(db, 1, 1018, "a", false, false, false);
    CBasicEvent::saveUniqueEvent(db, 2, 1018, "b", false, false, false);
    CBasicEvent::saveUniqueEvent(db, 1, 1019, "c", false, false, false);
    QVERIFY(CBasicEvent::removeByEventID(db, 1018));
    QCOMPARE(historyRows(db), QStringList{"1/1019/c"});
}

void BasicEventTest::failuresOnClosedConnection()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    d.mgr.closeDBFile();
    QSqlDatabase& db = d.db();

    std::list<_STRUCT_EVENT_MSG_> rows;
    QCOMPARE(CBasicEvent::saveUniqueEvent(db, 0, 1001, "x", true, true, true), 0);
    QCOMPARE(CBasicEvent::findByEventID(db, 1001, rows), 0);
    QVERIFY(rows.empty());
    QVERIFY(!CBasicEvent::removeByEventID(db, 1001));
    QCOMPARE(CBasicEvent::findUserIDAndUpdateUser(db, "046454286", "Anne", "", ""), 0);
    CString value("kept");
    QCOMPARE(CBasicEvent::getConfigSetting(db, "Color", value), 0);
    QCOMPARE(value, CString("kept"));
}

void BasicEventTest::configSettings()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    QCOMPARE(CBasicEvent::setConfigSetting(db, "Color", "red"), 0);
    QCOMPARE(CBasicEvent::setConfigSetting(db, "Color", "blue=green"), 0);
    QCOMPARE(CBasicEvent::setConfigSetting(db, "ColorX", "white"), 0);

    // Stored encoded, without time, one row each.
    QCOMPARE(historyRows(db).size(), 3);
    QCOMPARE(value(db, "select msg from tb_history order by id limit 1").toString().toUtf8(), encoded("Color=red"));
    QCOMPARE(value(db, "select count(*) from tb_history where event_time is null").toInt(), 3);

    CString found;
    QCOMPARE(CBasicEvent::getConfigSetting(db, "Color", found), 1);
    QCOMPARE(found, CString("blue=green"));
    QCOMPARE(CBasicEvent::getConfigSetting(db, "ColorX", found), 1);
    QCOMPARE(found, CString("white"));

    CString untouched("kept");
    QCOMPARE(CBasicEvent::getConfigSetting(db, "Colo", untouched), 0);
    QCOMPARE(CBasicEvent::getConfigSetting(db, "Size", untouched), 0);
    QCOMPARE(untouched, CString("kept"));
}

void BasicEventTest::upsertTaxpayer()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();

    const int anne = CBasicEvent::findUserIDAndUpdateUser(db, "046454286", "Anne", "555-1234", "anne@example.com");
    QVERIFY(anne > 0);
    QCOMPARE(value(db, "select name || '|' || sin || '|' || phone || '|' || email from tb_taxpayers where id=?", {anne}).toString(),
             QStringLiteral("Anne|046454286|555-1234|anne@example.com"));

    // The download may add rows of its own for a S.I.N.: the newest is updated.
    const int newer = insert(db, "insert into tb_taxpayers (name, sin) values (?, ?)", {"Anne D.", "046454286"});
    QCOMPARE(CBasicEvent::findUserIDAndUpdateUser(db, "046454286", "Anne O'Neil", "", "ann@example.com"), newer);
    QCOMPARE(value(db, "select name || '|' || sin || '|' || phone || '|' || email from tb_taxpayers where id=?", {newer}).toString(),
             QStringLiteral("Anne O'Neil|046454286||ann@example.com"));
    QCOMPARE(value(db, "select name from tb_taxpayers where id=?", {anne}).toString(), QStringLiteral("Anne"));

    const int bob = CBasicEvent::findUserIDAndUpdateUser(db, "130692544", "Bob", "", "");
    QVERIFY(bob > newer);
    QCOMPARE(value(db, "select count(*) from tb_taxpayers").toInt(), 3);
}

void BasicEventTest::filingStatusReadsNewestTaxpayer()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    const int older = insert(db, "insert into tb_taxpayers (name, sin) values (?, ?)", {"Old Name", "046454286"});
    const int newest = insert(db, "insert into tb_taxpayers (name, sin) values (?, ?)", {"New Name", "046454286"});
    const int someone = insert(db, "insert into tb_taxpayers (name, sin) values (?, ?)", {"Someone", "130692544"});
    CBasicEvent::saveUniqueEvent(db, older, 1018, "stale record", false, false, true);
    CBasicEvent::saveUniqueEvent(db, newest, 1018, "return made", false, false, true);
    CBasicEvent::saveUniqueEvent(db, newest, 1001, "not a filing record", false, false, false);
    CBasicEvent::saveUniqueEvent(db, someone, 1019, "someone filed", false, false, true);
    CBasicEvent::saveUniqueEvent(db, newest, 1019, "return filed", false, false, true);

    CString name;
    CString log("before");
    QCOMPARE(CBasicEvent::findFilingStatusFromUserID(db, "046454286", name, log), newest);
    QCOMPARE(name, CString("New Name"));
    QCOMPARE(log, CString("before") + "return made" + kSeparator + "return filed" + kSeparator);
}

void BasicEventTest::filingStatusOfUnknownSin()
{
    OpenDb d;
    QCOMPARE(d.rc, 0);
    insert(d.db(), "insert into tb_taxpayers (name, sin) values (?, ?)", {"Anne", "046454286"});
    CString name("unchanged");
    CString log("log so far");
    QCOMPARE(CBasicEvent::findFilingStatusFromUserID(d.db(), "999999998", name, log), 0);
    QCOMPARE(name, CString("unchanged"));
    QCOMPARE(log, CString("log so far"));
}

void BasicEventTest::sinTypedThreeWaysIsOneTaxpayer_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("again");
    QTest::newRow("digits, then blanks") << "046454286" << "046 454 286";
    QTest::newRow("blanks, then hyphens") << "046 454 286" << "046-454-286";
    QTest::newRow("hyphens, then digits") << "046-454-286" << "046454286";
}

// The filing's taxpayer row is the download's nine-digit one, however the
// T1 holds the number: one row, found by every shape.
void BasicEventTest::sinTypedThreeWaysIsOneTaxpayer()
{
    QFETCH(QString, first);
    QFETCH(QString, again);
    OpenDb d;
    QCOMPARE(d.rc, 0);
    QSqlDatabase& db = d.db();
    const int downloaded = insert(db, "insert into tb_taxpayers (name, sin) values (?, ?)", {"", "046454286"});
    QCOMPARE(CBasicEvent::findUserIDAndUpdateUser(db, CString(first), "Anne", "", ""), downloaded);
    QCOMPARE(CBasicEvent::findUserIDAndUpdateUser(db, CString(again), "Anne Lee", "", ""), downloaded);
    QCOMPARE(value(db, "select count(*) from tb_taxpayers").toInt(), 1);
    QCOMPARE(value(db, "select sin from tb_taxpayers").toString(), QStringLiteral("046454286"));
    CBasicEvent::saveUniqueEvent(db, downloaded, 1019, "return filed", false, false, true);
    for (const QString& shape : {first, again}) {
        CString name, log;
        QCOMPARE(CBasicEvent::findFilingStatusFromUserID(db, CString(shape), name, log), downloaded);
        QCOMPARE(name, CString("Anne Lee"));
        QCOMPARE(log, CString("return filed") + kSeparator);
    }
}

QTEST_GUILESS_MAIN(BasicEventTest)
#include "tst_basicevent.moc"
