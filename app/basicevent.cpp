#include "basicevent.h"

#include <vector>

#include <QSqlQuery>
#include <QVariant>

#include "newbase64.h"
#include "utils.h"

namespace {
// Always a non-null text, so an empty value is stored as '' and never NULL.
QString bindText(const CString& text)
{
    return QString::fromUtf8(text.bytes().constData(), text.bytes().size());
}

CString encodeText(const CString& text)
{
    const QByteArray& bytes = text.bytes();
    const unsigned long length = static_cast<unsigned long>(bytes.size());
    // Sized to the text, so a long text is stored whole.
    std::vector<unsigned char> out(4 * (length / 3) + 9);
    unsigned long outLength = out.size();
    if (newbase64_encode(reinterpret_cast<const unsigned char*>(bytes.constData()), length,
                         out.data(), &outLength) != 0 || outLength == 0)
        return CString();
    return CString(reinterpret_cast<const char*>(out.data()), static_cast<int>(outLength - 1));
}

// The decoded text up to its first NUL (the encoder's completing zero bytes).
CString decodeText(const CString& encoded)
{
    const QByteArray& bytes = encoded.bytes();
    std::vector<unsigned char> out(static_cast<size_t>(bytes.size()) / 4 * 3 + 1);
    unsigned long outLength = out.size();
    if (newbase64_decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
                         static_cast<unsigned long>(bytes.size()), out.data(), &outLength) != 0)
        return CString();
    QByteArray text(reinterpret_cast<const char*>(out.data()), static_cast<int>(outLength));
    const int nul = text.indexOf('\0');
    if (nul >= 0) text.truncate(nul);
    return CString(text);
}
} // namespace

CBasicEvent::CBasicEvent() = default;
CBasicEvent::~CBasicEvent() = default;

int CBasicEvent::saveUniqueEvent(QSqlDatabase& db, int uid, int eventId, const CString& text,
                                 bool encode, bool withTime, bool unique)
{
    try {
        if (unique) {
            QSqlQuery del(db);
            if (uid == 0) {
                del.prepare(QStringLiteral("delete from tb_history where eventid=:evid"));
            } else {
                del.prepare(QStringLiteral("delete from tb_history where eventid=:evid and uid=:uid"));
                del.bindValue(QStringLiteral(":uid"), uid);
            }
            del.bindValue(QStringLiteral(":evid"), eventId);
            del.exec();
        }

        QSqlQuery query(db);
        query.prepare(QStringLiteral("insert into tb_history (uid, eventid, msg, event_time) values (:uid, :evid, :msg, ")
                      + (withTime ? QStringLiteral("datetime('now','localtime'))") : QStringLiteral("NULL)")));
        query.bindValue(QStringLiteral(":uid"), uid);
        query.bindValue(QStringLiteral(":evid"), eventId);
        query.bindValue(QStringLiteral(":msg"), bindText(encode ? encodeText(text) : text));
        if (!query.exec()) return 0;
        return query.lastInsertId().toInt();
    } catch (...) {
        return 0;
    }
}

int CBasicEvent::findByEventID(QSqlDatabase& db, int eventId, std::list<_STRUCT_EVENT_MSG_>& rows)
{
    try {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("select id, uid, eventid, msg from tb_history where eventid=:evid order by id"));
        query.bindValue(QStringLiteral(":evid"), eventId);
        if (!query.exec()) return 0;
        int count = 0;
        while (query.next()) {
            _STRUCT_EVENT_MSG_ row;
            row.id = query.value(0).toInt();
            row.uid = query.value(1).toInt();
            row.eventid = query.value(2).toInt();
            row.msg = CString(query.value(3).toString());
            rows.push_back(row);
            ++count;
        }
        return count;
    } catch (...) {
        return -100;
    }
}

bool CBasicEvent::removeByEventID(QSqlDatabase& db, int eventId)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("delete from tb_history where eventid=:evid"));
    query.bindValue(QStringLiteral(":evid"), eventId);
    return query.exec();
}

int CBasicEvent::setConfigSetting(QSqlDatabase& db, const char* name, const CString& value)
{
    saveUniqueEvent(db, 0, EVENT_CONFIG_SETTING, CString(name ? name : "") + "=" + value, true, false, false);
    return 0;
}

int CBasicEvent::getConfigSetting(QSqlDatabase& db, const char* name, CString& value)
{
    try {
        // Each row is the encoding of the whole "name=value" text, so the
        // rows are decoded and compared, newest first.
        const QByteArray prefix = QByteArray(name ? name : "") + '=';
        QSqlQuery query(db);
        query.prepare(QStringLiteral("select msg from tb_history where eventid=:evid order by id desc"));
        query.bindValue(QStringLiteral(":evid"), static_cast<int>(EVENT_CONFIG_SETTING));
        if (!query.exec()) return 0;
        while (query.next()) {
            const CString text = decodeText(CString(query.value(0).toString()));
            if (text.bytes().startsWith(prefix)) {
                value = CString(text.bytes().mid(prefix.size()));
                return 1;
            }
        }
        return 0;
    } catch (...) {
        return -100;
    }
}

int CBasicEvent::findUserIDAndUpdateUser(QSqlDatabase& db, const CString& sin, const CString& name,
                                         const CString& phone, const CString& email)
{
    QSqlQuery find(db);
    find.prepare(QStringLiteral("select id from tb_taxpayers where sin=:sin order by id desc"));
    find.bindValue(QStringLiteral(":sin"), bindText(sinDigits(sin)));
    int id = 0;
    if (find.exec() && find.next()) id = find.value(0).toInt();
    find.finish();

    QSqlQuery write(db);
    if (id == 0) {
        write.prepare(QStringLiteral("insert into tb_taxpayers (name, sin, phone, email) values (:name, :sin, :phone, :email)"));
        write.bindValue(QStringLiteral(":name"), bindText(name));
        write.bindValue(QStringLiteral(":sin"), bindText(sinDigits(sin)));
        write.bindValue(QStringLiteral(":phone"), bindText(phone));
        write.bindValue(QStringLiteral(":email"), bindText(email));
        if (!write.exec()) return 0;
        return write.lastInsertId().toInt();
    }
    write.prepare(QStringLiteral("update tb_taxpayers set name=:name, phone=:phone, email=:email where id=:retid"));
    write.bindValue(QStringLiteral(":name"), bindText(name));
    write.bindValue(QStringLiteral(":phone"), bindText(phone));
    write.bindValue(QStringLiteral(":email"), bindText(email));
    write.bindValue(QStringLiteral(":retid"), id);
    write.exec();
    return id;
}

int CBasicEvent::findFilingStatusFromUserID(QSqlDatabase& db, const CString& sin, CString& name, CString& log)
{
    // The newest row of the S.I.N., as the upsert above updates it.
    QSqlQuery find(db);
    find.prepare(QStringLiteral("select id, name from tb_taxpayers where sin=:sin order by id desc"));
    find.bindValue(QStringLiteral(":sin"), bindText(sinDigits(sin)));
    int id = 0;
    if (find.exec() && find.next()) {
        id = find.value(0).toInt();
        name = CString(find.value(1).toString());
    }
    find.finish();
    if (id < 1) return 0;

    QSqlQuery query(db);
    query.prepare(QStringLiteral("select msg from tb_history where uid=:uid and (eventid=1018 or eventid=1019) order by id"));
    query.bindValue(QStringLiteral(":uid"), id);
    if (query.exec()) {
        while (query.next()) {
            log += CString(query.value(0).toString());
            log += "\r\n------------------------------\r\n";
        }
    }
    return id;
}
