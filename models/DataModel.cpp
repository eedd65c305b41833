#include "models/DataModel.h"

#include <QLocale>

#include <algorithm>

DataModel::DataModel(QList<Column*> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columnDefs(std::move(columns))
{
}

// A table has no children: a valid parent has no rows or columns, which keeps views and
// the item-model checks from descending into cells.
int DataModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

int DataModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnDefs.size();
}

QVariant DataModel::data(const QModelIndex& index, int role) const
{
    const DMMData* record = recordAt(index);
    if (!record)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return index.row() + 1;
    case 1:
        return QLocale().toString(record->dateTime, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 2:
        return DMMData::modeName(record->mode);
    default:
        return {};
    }
}

QVariant DataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columnDefs.size())
        return {};
    const Column* column = m_columnDefs.at(section);
    if (!column)
        return {};
    if (role == Qt::DisplayRole)
        return column->title;
    if (role == KeyRole)
        return column->key;
    return {};
}

Qt::ItemFlags DataModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) & ~Qt::ItemIsEditable;
}

int DataModel::addData(QSharedPointer<DMMData> record)
{
    const int row = m_records.size();
    beginInsertRows(QModelIndex(), row, row);
    m_records.append(std::move(record));
    endInsertRows();
    return m_records.size();
}

void DataModel::clear()
{
    if (m_records.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_records.size() - 1);
    m_records.clear();
    endRemoveRows();
}

QList<QSharedPointer<DMMData>> DataModel::getData() const
{
    return m_records;
}

QString DataModel::getVOLTViewStr(QSharedPointer<DMMDataVOLT> record)
{
    return record ? record->volt.toString() : QString();
}

QString DataModel::getCAPViewStr(QSharedPointer<DMMDataCAP> record)
{
    return record ? record->cap.toString() : QString();
}

DMMData* DataModel::recordAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return nullptr;
    return m_records.at(index.row()).data();
}

bool DataModel::isDashed(const QModelIndex& index, int role, std::initializer_list<int> columns) const
{
    return role == Qt::DisplayRole &&
           std::find(columns.begin(), columns.end(), index.column()) != columns.end() && recordAt(index);
}

QString DataModel::titleOf(int column) const
{
    return headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QVariant DataModel::displayTextAt(int row, int column) const
{
    return data(index(row, column), Qt::DisplayRole);
}
