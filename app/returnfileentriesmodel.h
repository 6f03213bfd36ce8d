#pragma once
// The recently opened return files: a three-column table (name, last open
// time, path) that owns its entries.

#include <QAbstractTableModel>
#include <QList>

#include "returnfileentry.h"

class ReturnFileEntriesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReturnFileEntriesModel(QObject* parent = nullptr);
    ~ReturnFileEntriesModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int count() const { return m_entries.size(); }
    // The entry of a row, or null; the model keeps ownership.
    ReturnFileEntry* getElementData(int row) const;
    // The row's path; empty for a row that does not exist.
    QString getFilePath(const QModelIndex& index) const;
    QString getFilePath(int row) const;

    // Adds at the end and takes ownership; a null entry is ignored.
    void append(ReturnFileEntry* entry);
    // Removes and deletes the row of the index; false when there is none.
    bool remove(const QModelIndex& index);
    // Removes and deletes every entry.
    void clear();

private:
    QList<ReturnFileEntry*> m_entries;
};
