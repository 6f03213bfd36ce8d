// Storing a notice: its page from our rendering service, its file and its
// row of tb_taxnoa.

#include <QFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <exception>

#include "deploymentdata.h"
#include "downloadlog.h"
#include "noataxdata.h"
#include "privatefiles.h"
#include "qwebclient.h"
#include "taxdatastore.h"
#include "utils.h"
#include "waitcursor.h"

int NOATaxDataOnePerson::saveToSqliteDB(QSqlDatabase* db, FILE* log, const std::string& sin, std::string& xml)
{
    try {
        const CString created = getXMLDateTimeString(false);
        const CString masked = maskedSIN(sin);
        maskAccountNumber(xml, masked);
        CString name;
        const int uid = locateOrMakeTaxpayer(db, log, sin, name);
        if (uid == 0) return 0;
        if (name.IsEmpty()) name = "taxpayer name";

        bool stored = false;
        if (m_hasT1Notice) {
            CString path = htmlFilePath(masked, uid);
            const int rendered = toHtmlFileXslt2(path, masked, name, created, xml, log);
            // A failed render keeps the path: viewing then says the file is missing.
            stored = updateNOADataForSIN(db, uid, created, xml.c_str(), path, m_taxYear);
            downloadLog(log, "xslt=%d save into db=%d\n", rendered, stored ? 1 : 0);
        } else {
            CString message;
            if (m_summary.empty())
                message.Format("For tax payer (S.I.N. %s), no message presents.", masked.c_str());
            else
                message.Format("For tax payer (S.I.N. %s), %s.", masked.c_str(), m_summary.c_str());
            stored = updateNOADataForSIN(db, uid, created, xml.c_str(), message, m_taxYear);
            downloadLog(log, "save into db=%d\n", stored ? 1 : 0);
        }
        return stored ? 1 : 0;
    } catch (const std::exception&) {
        downloadLog(log, "failed to save into db\n");
        return 0;
    }
}

int NOATaxDataOnePerson::toHtmlFileXslt2(CString& path, const char*, const char*, const char* created,
                                         std::string& xml, FILE*)
{
    QString page;
    bool ok = false;
    {
        WaitCursorRequest waitCursor;
        QWebClient client(QStringLiteral("https://%1%2").arg(CDeploymentData::makerWebHost().toQString(),
                                                               QLatin1String(kRenderPath)),
                          true);
        client.addQueryItem(QStringLiteral("noaxml"), QString::fromStdString(xml));
        client.addQueryItem(QStringLiteral("testtime"), QString::fromUtf8(created));
        client.addQueryItem(QStringLiteral("taxyear"), QString::number(m_taxYear));
        ok = client.post(page, nullptr) && client.isSuccessStatus() && !page.isEmpty();
    }
    const QString file = path.toQString();
    if (!ok) {
        // An empty page stored as the notice would hide the failure, and an
        // older page of that name would show a stale notice.
        QFile::remove(file);
        return -1;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !keepPrivate(out) || out.write(page.toUtf8()) < 0 || !out.commit()) {
        QFile::remove(file);
        return -1;
    }
    return 0;
}

bool NOATaxDataOnePerson::updateNOADataForSIN(QSqlDatabase* db, int uid, const char* time, const char* data,
                                              const char* path, int year)
{
    if (uid < 1 || !db->transaction()) return false;
    QSqlQuery remove(*db);
    remove.prepare(QStringLiteral("delete from tb_taxnoa where uid=:uid and taxyear=%1").arg(year));
    remove.bindValue(":uid", uid);
    QSqlQuery insert(*db);
    insert.prepare("insert into tb_taxnoa (uid, create_time, data1, htmlfile, taxyear) "
                   "values (:uid, :time, :data, :path, :year)");
    insert.bindValue(":uid", uid);
    insert.bindValue(":time", QString::fromUtf8(time));
    insert.bindValue(":data", QString::fromUtf8(data));
    insert.bindValue(":path", QString::fromUtf8(path));
    insert.bindValue(":year", year);
    // Deleting first and failing to insert would lose the stored notice.
    if (remove.exec() && insert.exec() && db->commit()) return true;
    db->rollback();
    return false;
}
