// The records list's model: its cells and headers by role, rows taken out
// and cleared with one notification each (none for an empty model), and
// the requests for rows that are not there.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "tdddataentriesmodel.h"

class TstTddDataEntriesModel : public QObject
{
    Q_OBJECT

private slots:
    void cellsAndHeaders();
    void removeAndClear();
};

void TstTddDataEntriesModel::cellsAndHeaders()
{
    TDDDataEntriesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.append(new TDDDataEntry(5, "046454286", "2022-03-01 09:00:00", 2021));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.index(0, 0).data(), QVariant("046454286"));
    QCOMPARE(model.index(0, 1).data(Qt::EditRole), QVariant("2022-03-01 09:00:00"));
    QCOMPARE(model.index(0, 2).data(), QVariant(2021));
    QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid());
    QCOMPARE(model.headerData(0, Qt::Horizontal), QVariant("S.I.N."));
    QCOMPARE(model.headerData(2, Qt::Horizontal), QVariant("Tax Year"));
    QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QCOMPARE(model.getElementData(0)->id(), 5);
    QVERIFY(!model.getElementData(1));
    QVERIFY(!model.getElementData(-1));
}

void TstTddDataEntriesModel::removeAndClear()
{
    TDDDataEntriesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    model.clear();
    QCOMPARE(removed.count(), 0);
    for (int i = 1; i <= 3; ++i) model.append(new TDDDataEntry(i, QString::number(i), QString(), 2021));
    QVERIFY(!model.remove(QModelIndex()));
    QVERIFY(model.remove(model.index(1, 0)));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.getElementData(1)->id(), 3);
    QCOMPARE(removed.count(), 1);
    model.clear();
    QCOMPARE(removed.count(), 2);
    QCOMPARE(removed.last().at(1).toInt(), 0);
    QCOMPARE(removed.last().at(2).toInt(), 1);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TstTddDataEntriesModel)
#include "tst_tdddataentriesmodel.moc"
