#include "returnfileentriesmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {
void fill(ReturnFileEntriesModel& model, int rows)
{
    for (int i = 0; i < rows; ++i)
        model.append(new ReturnFileEntry(i + 1, QStringLiteral("Name %1").arg(i),
                                         QStringLiteral("2021-05-0%1 10:00:00").arg(i + 1),
                                         QStringLiteral("/returns/%1.r21").arg(i)));
}
} // namespace

class ReturnFileEntriesModelTest : public QObject
{
    Q_OBJECT

private slots:
    void passesModelTesterThroughChanges();
    void data_data();
    void data();
    void header_data();
    void header();
    void appendAnnouncesOneRow();
    void clearAnnouncesEveryRow();
    void clearEmptyAnnouncesNothing();
    void removeRow();
    void missingRows();
};

void ReturnFileEntriesModelTest::passesModelTesterThroughChanges()
{
    ReturnFileEntriesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    fill(model, 4);
    QCOMPARE(model.rowCount(), 4);
    QVERIFY(model.remove(model.index(1, 2)));
    QVERIFY(model.remove(model.index(2, 0)));
    QCOMPARE(model.count(), 2);
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    fill(model, 2);
    QCOMPARE(model.count(), 2);
    // A flat table: no row has children.
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(model.columnCount(model.index(0, 0)), 0);
    QCOMPARE(model.columnCount(), 3);
}

void ReturnFileEntriesModelTest::data_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("name") << 1 << 0 << int(Qt::DisplayRole) << QVariant(QStringLiteral("Name 1"));
    QTest::newRow("time") << 1 << 1 << int(Qt::DisplayRole) << QVariant(QStringLiteral("2021-05-02 10:00:00"));
    QTest::newRow("path") << 1 << 2 << int(Qt::DisplayRole) << QVariant(QStringLiteral("/returns/1.r21"));
    QTest::newRow("edit role") << 2 << 0 << int(Qt::EditRole) << QVariant(QStringLiteral("Name 2"));
    QTest::newRow("tool tip role") << 1 << 0 << int(Qt::ToolTipRole) << QVariant();
    QTest::newRow("decoration role") << 1 << 2 << int(Qt::DecorationRole) << QVariant();
}

void ReturnFileEntriesModelTest::data()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    ReturnFileEntriesModel model;
    fill(model, 3);
    QCOMPARE(model.data(model.index(row, column), role), expected);
}

void ReturnFileEntriesModelTest::header_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("name") << 0 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Tax Payer's Name"));
    QTest::newRow("time") << 1 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Last Open Time"));
    QTest::newRow("path") << 2 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Return File Path"));
    QTest::newRow("no fourth column") << 3 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("vertical") << 0 << int(Qt::Vertical) << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("edit role") << 0 << int(Qt::Horizontal) << int(Qt::EditRole) << QVariant();
}

void ReturnFileEntriesModelTest::header()
{
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    ReturnFileEntriesModel model;
    QCOMPARE(model.headerData(section, Qt::Orientation(orientation), role), expected);
}

void ReturnFileEntriesModelTest::appendAnnouncesOneRow()
{
    ReturnFileEntriesModel model;
    fill(model, 2);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    model.append(new ReturnFileEntry(9, QStringLiteral("New"), QString(), QStringLiteral("/n.r21")));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 2);
    QCOMPARE(inserted.at(0).at(2).toInt(), 2);
    QCOMPARE(model.getFilePath(2), QStringLiteral("/n.r21"));
    QCOMPARE(model.getElementData(2)->getId(), 9);

    model.append(nullptr);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.count(), 3);
}

void ReturnFileEntriesModelTest::clearAnnouncesEveryRow()
{
    ReturnFileEntriesModel model;
    fill(model, 3);
    QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    model.clear();
    QCOMPARE(aboutToRemove.count(), 1);
    QCOMPARE(aboutToRemove.at(0).at(1).toInt(), 0);
    QCOMPARE(aboutToRemove.at(0).at(2).toInt(), 2);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(model.count(), 0);
    QVERIFY(!model.getElementData(0));
}

void ReturnFileEntriesModelTest::clearEmptyAnnouncesNothing()
{
    ReturnFileEntriesModel model;
    QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelAboutToBeReset);
    model.clear();
    QCOMPARE(aboutToRemove.count(), 0);
    QCOMPARE(reset.count(), 0);
}

void ReturnFileEntriesModelTest::removeRow()
{
    ReturnFileEntriesModel model;
    fill(model, 3);
    QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);

    QVERIFY(model.remove(model.index(1, 0)));
    QCOMPARE(aboutToRemove.count(), 1);
    QCOMPARE(aboutToRemove.at(0).at(1).toInt(), 1);
    QCOMPARE(aboutToRemove.at(0).at(2).toInt(), 1);
    QCOMPARE(model.count(), 2);
    QCOMPARE(model.getFilePath(0), QStringLiteral("/returns/0.r21"));
    QCOMPARE(model.getFilePath(model.index(1, 1)), QStringLiteral("/returns/2.r21"));
}

void ReturnFileEntriesModelTest::missingRows()
{
    ReturnFileEntriesModel model;
    fill(model, 2);
    QSignalSpy aboutToRemove(&model, &QAbstractItemModel::rowsAboutToBeRemoved);

    QVERIFY(!model.remove(QModelIndex()));
    QVERIFY(!model.remove(model.index(2, 0)));
    QCOMPARE(aboutToRemove.count(), 0);
    QCOMPARE(model.count(), 2);

    QCOMPARE(model.getFilePath(2), QString());
    QCOMPARE(model.getFilePath(-1), QString());
    QCOMPARE(model.getFilePath(QModelIndex()), QString());
    QVERIFY(!model.getElementData(2));
    QVERIFY(!model.getElementData(-1));
    QCOMPARE(model.data(model.index(0, 3)), QVariant());
    QCOMPARE(model.data(QModelIndex()), QVariant());
}

QTEST_GUILESS_MAIN(ReturnFileEntriesModelTest)
#include "tst_returnfileentriesmodel.moc"
