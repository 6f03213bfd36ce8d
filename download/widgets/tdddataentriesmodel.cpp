#include "tdddataentriesmodel.h"

#include <iterator>

TDDDataEntriesModel::~TDDDataEntriesModel()
{
    for (TDDDataEntry* entry : m_entries) delete entry;
}

int TDDDataEntriesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int TDDDataEntriesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

TDDDataEntry* TDDDataEntriesModel::getElementData(int row) const
{
    if (row < 0 || row >= m_count) return nullptr;
    return *std::next(m_entries.begin(), row);
}

QVariant TDDDataEntriesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
    const TDDDataEntry* entry = index.isValid() ? getElementData(index.row()) : nullptr;
    if (!entry) return QVariant();
    switch (index.column()) {
    case 0: return entry->getName();
    case 1: return entry->getTime();
    case 2: return entry->getTaxyear();
    default: return QVariant();
    }
}

QVariant TDDDataEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    switch (section) {
    case 0: return QStringLiteral("S.I.N.");
    case 1: return QStringLiteral("Update Time");
    case 2: return QStringLiteral("Tax Year");
    default: return QVariant();
    }
}

void TDDDataEntriesModel::append(TDDDataEntry* entry)
{
    if (!entry) return;
    beginInsertRows(QModelIndex(), m_count, m_count);
    m_entries.push_back(entry);
    ++m_count;
    endInsertRows();
}

bool TDDDataEntriesModel::remove(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= m_count) return false;
    const int row = index.row();
    beginRemoveRows(QModelIndex(), row, row);
    auto it = std::next(m_entries.begin(), row);
    delete *it;
    m_entries.erase(it);
    --m_count;
    endRemoveRows();
    return true;
}

void TDDDataEntriesModel::clear()
{
    if (m_count == 0) return;
    beginRemoveRows(QModelIndex(), 0, m_count - 1);
    for (TDDDataEntry* entry : m_entries) delete entry;
    m_entries.clear();
    m_count = 0;
    endRemoveRows();
}
