#pragma once
// The stored downloads as the records dialog lists them: one row per record,
// S.I.N., the time it was stored and its tax year. The model owns its entries.

#include <QAbstractTableModel>
#include <QString>
#include <list>

class TDDDataEntry
{
public:
    TDDDataEntry(int id, const QString& sin, const QString& time, int taxyear)
        : m_id(id), m_sin(sin), m_time(time), m_taxyear(taxyear)
    {
    }
    int id() const { return m_id; }
    const QString& getName() const { return m_sin; }
    const QString& getTime() const { return m_time; }
    int getTaxyear() const { return m_taxyear; }

private:
    int m_id;
    QString m_sin;
    QString m_time;
    int m_taxyear;
};

class TDDDataEntriesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TDDDataEntriesModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    ~TDDDataEntriesModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The entry of a row; none when there is no such row.
    TDDDataEntry* getElementData(int row) const;
    // Takes ownership.
    void append(TDDDataEntry* entry);
    // True when the index's row was there and is gone.
    bool remove(const QModelIndex& index);
    void clear();

private:
    Q_DISABLE_COPY(TDDDataEntriesModel)
    std::list<TDDDataEntry*> m_entries;
    int m_count = 0;
};
