// A person's downloaded tax data stored from a worker thread: one row per
// taxpayer (the newer), a new taxpayer row with its log lines, and no data
// lost or misfiled when a statement fails.

#include <QtTest>
#include <tinyxml.h>

#include "autofill/tddtaxdata.h"
#include "taxdatastore.h"
#include "workerdb.h"

namespace {

const char* const kSin = "046454286";

QString personXml(const QString& instalment)
{
    return "<IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>046454286</IndividualTaxpayerIdentifier>"
           "<Summary><InstalmentAmount>" + instalment + "</InstalmentAmount></Summary></IndividualIncomeTaxDataItem>";
}

// Parses and saves the person on a worker; the save's result and its log.
int save(WorkerDb& db, const QString& xml, QByteArray* log = nullptr)
{
    int result = -1;
    const QByteArray written = db.onWorker("TDD_DB_Connection", [&](QSqlDatabase* conn, FILE* file) {
        TiXmlDocument doc;
        doc.Parse(xml.toUtf8().constData());
        TDDTaxDataOnePerson record(2021);
        if (record.parseXMLData(doc.RootElement()) == 0)
            result = saveToSqliteDB(record, conn, file, kSin, xml.toStdString());
    });
    if (log) *log = written;
    return result;
}

}   // namespace

class TestTaxDataStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_db.reset(); }
    void newTaxpayerRowAndLogLines();
    void secondSaveLeavesTheNewerRow();
    void failedInsertKeepsTheEarlierRow();
    void noTaxpayerRowStoresNothing();

private:
    std::unique_ptr<WorkerDb> m_db;
};

void TestTaxDataStore::init()
{
    m_db.reset(new WorkerDb);
    QVERIFY(m_db->open());
}

void TestTaxDataStore::newTaxpayerRowAndLogLines()
{
    QByteArray log;
    QCOMPARE(save(*m_db, personXml("100"), &log), 1);
    const int id = m_db->value("select id from tb_taxpayers where sin='046454286'").toInt();
    QVERIFY(id > 0);
    QCOMPARE(m_db->value(QString("select name from tb_taxpayers where id=%1").arg(id)).toString(), QString());
    QCOMPARE(log, QByteArray("cannot locate id=0\nsave into id=") + QByteArray::number(id) + "\nsave into db=2\n");
    QVERIFY(!log.contains(kSin));
    const QString html = m_db->value(QString("select html1 from tb_taxdata where uid=%1").arg(id)).toString();
    QVERIFY(html.startsWith("<body>\n<h3>SIN: 046454286, update time: "));
    QVERIFY(html.contains("Instalment: 100<br>\n"));
    QCOMPARE(m_db->value(QString("select taxyear from tb_taxdata where uid=%1").arg(id)).toInt(), 2021);
}

void TestTaxDataStore::secondSaveLeavesTheNewerRow()
{
    QCOMPARE(save(*m_db, personXml("100")), 1);
    QByteArray log;
    QCOMPARE(save(*m_db, personXml("200"), &log), 1);
    QVERIFY(!log.contains("cannot locate"));   // the taxpayer row is found the second time
    QCOMPARE(m_db->value("select count(*) from tb_taxpayers").toInt(), 1);
    QCOMPARE(m_db->value("select count(*) from tb_taxdata").toInt(), 1);
    QVERIFY(m_db->value("select data1 from tb_taxdata").toString().contains("<InstalmentAmount>200<"));
}

void TestTaxDataStore::failedInsertKeepsTheEarlierRow()
{
    QCOMPARE(save(*m_db, personXml("100")), 1);
    QVERIFY(m_db->run("create trigger refuse before insert on tb_taxdata begin select raise(fail, 'refused'); end"));
    QByteArray log;
    QCOMPARE(save(*m_db, personXml("200"), &log), 0);
    QVERIFY(log.endsWith("save into db=0\n"));
    QCOMPARE(m_db->value("select count(*) from tb_taxdata").toInt(), 1);
    QVERIFY(m_db->value("select data1 from tb_taxdata").toString().contains("<InstalmentAmount>100<"));
}

void TestTaxDataStore::noTaxpayerRowStoresNothing()
{
    QVERIFY(m_db->run("create trigger refuse before insert on tb_taxpayers begin select raise(fail, 'refused'); end"));
    QByteArray log;
    QCOMPARE(save(*m_db, personXml("100"), &log), 0);
    QCOMPARE(m_db->value("select count(*) from tb_taxdata").toInt(), 0);
    QVERIFY(log.startsWith("cannot locate id=0\n"));
    QVERIFY(!log.contains("save into id="));
}

QTEST_GUILESS_MAIN(TestTaxDataStore)
#include "tst_taxdatastore.moc"
