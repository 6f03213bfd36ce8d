#include "returnfileentriesmodel.h"

ReturnFileEntriesModel::ReturnFileEntriesModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

ReturnFileEntriesModel::~ReturnFileEntriesModel()
{
    qDeleteAll(m_entries);
}

// A flat table: a valid parent has no children.
int ReturnFileEntriesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int ReturnFileEntriesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ReturnFileEntriesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
    const ReturnFileEntry* entry = index.isValid() ? getElementData(index.row()) : nullptr;
    if (!entry) return QVariant();
    switch (index.column()) {
    case 0: return entry->getName();
    case 1: return entry->getTime();
    case 2: return entry->getFilepath();
    default: return QVariant();
    }
}

QVariant ReturnFileEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    switch (section) {
    case 0: return tr("Tax Payer's Name");
    case 1: return tr("Last Open Time");
    case 2: return tr("Return File Path");
    default: return QVariant();
    }
}

ReturnFileEntry* ReturnFileEntriesModel::getElementData(int row) const
{
    if (row < 0 || row >= m_entries.size()) return nullptr;
    return m_entries.at(row);
}

QString ReturnFileEntriesModel::getFilePath(const QModelIndex& index) const
{
    return index.isValid() ? getFilePath(index.row()) : QString();
}

QString ReturnFileEntriesModel::getFilePath(int row) const
{
    const ReturnFileEntry* entry = getElementData(row);
    return entry ? entry->getFilepath() : QString();
}

void ReturnFileEntriesModel::append(ReturnFileEntry* entry)
{
    if (!entry) return;
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
}

bool ReturnFileEntriesModel::remove(const QModelIndex& index)
{
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= m_entries.size()) return false;
    beginRemoveRows(QModelIndex(), row, row);
    delete m_entries.takeAt(row);
    endRemoveRows();
    return true;
}

void ReturnFileEntriesModel::clear()
{
    if (m_entries.isEmpty()) return;
    beginRemoveRows(QModelIndex(), 0, m_entries.size() - 1);
    qDeleteAll(m_entries);
    m_entries.clear();
    endRemoveRows();
}
