#include "taxdatastore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <exception>

#include "autofill/tddtaxdata.h"
#include "downloadlog.h"
#include "utils.h"

int locateIDForSIN(QSqlDatabase* db, const std::string& sin, CString& name)
{
    QSqlQuery query(*db);
    query.prepare("select id, name from tb_taxpayers where sin=:sin");
    query.bindValue(":sin", QString::fromStdString(sin));
    if (!query.exec() || !query.next()) return 0;
    name = query.value(1).isNull() ? CString() : CString(query.value(1).toString());
    return query.value(0).toInt();
}

int saveSINReturnID(QSqlDatabase* db, const std::string& sin)
{
    QSqlQuery query(*db);
    query.prepare("insert into tb_taxpayers (name, sin) values ('', :sin)");
    query.bindValue(":sin", QString::fromStdString(sin));
    if (!query.exec()) return 0;
    return query.lastInsertId().toInt();
}

int locateOrMakeTaxpayer(QSqlDatabase* db, FILE* log, const std::string& sin, CString& name)
{
    // Keyed as the filing keys its rows, so both find one taxpayer.
    const std::string digits = sinDigits(CString(sin.c_str())).c_str();
    int id = locateIDForSIN(db, digits, name);
    if (id == 0) {
        downloadLog(log, "cannot locate id=%d\n", 0);
        id = saveSINReturnID(db, digits);
    }
    // Rows under uid 0 would be listed nowhere.
    if (id == 0) downloadLog(log, "cannot make a taxpayer row, nothing saved\n");
    return id;
}

int updateDataForSIN(QSqlDatabase* db, int uid, const char* time, const char* xml, const char* html, int year)
{
    if (uid < 1 || !db->transaction()) return 0;
    QSqlQuery remove(*db);
    remove.prepare("delete from tb_taxdata where uid=:uid");
    remove.bindValue(":uid", uid);
    QSqlQuery insert(*db);
    insert.prepare("insert into tb_taxdata (uid, create_time, data1, html1, taxyear) "
                   "values (:uid, :time, :xmldata, :htmldata, :year)");
    insert.bindValue(":uid", uid);
    insert.bindValue(":time", QString::fromUtf8(time));
    insert.bindValue(":xmldata", QString::fromUtf8(xml));
    insert.bindValue(":htmldata", QString::fromUtf8(html));
    insert.bindValue(":year", year);
    // Deleting first and failing to insert would lose the stored data.
    if (remove.exec() && insert.exec() && db->commit()) return 2;
    db->rollback();
    return 0;
}

int saveToSqliteDB(const TDDTaxDataOnePerson& record, QSqlDatabase* db, FILE* log, const std::string& sin,
                   const std::string& xml)
{
    try {
        const CString time = getXMLDateTimeString(false);
        CString html;
        record.toHtml(html, sin.c_str(), time);
        CString name;
        const int id = locateOrMakeTaxpayer(db, log, sin, name);
        if (id == 0) return 0;
        downloadLog(log, "save into id=%d\n", id);
        const int n = updateDataForSIN(db, id, time, xml.c_str(), html, record.taxYear());
        downloadLog(log, "save into db=%d\n", n);
        return n == 2 ? 1 : 0;
    } catch (const std::exception&) {
        downloadLog(log, "failed to save into db\n");
        return 0;
    }
}
