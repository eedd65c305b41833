#include <tolva/util/TableReader.h>

#include "TableReaderPrivate.h"

#include <algorithm>

namespace tolva::util::character {

TableReader::TableReader() : d(std::make_unique<TableReaderPrivate>()) {}

TableReader::~TableReader() = default;

bool TableReader::isEmpty() const
{
    return d->content.isEmpty();
}

int TableReader::rowCount() const
{
    return d->content.size();
}

int TableReader::columnCount(int row) const
{
    return row >= 0 && row < d->content.size() ? d->content.at(row).size() : 0;
}

int TableReader::columnCount() const
{
    int widest = 0;
    for (const QList<QString>& cells : d->content)
        widest = std::max(widest, int(cells.size()));
    return widest;
}

QList<QString> TableReader::row(int row) const
{
    return row >= 0 && row < d->content.size() ? d->content.at(row) : QList<QString>();
}

QList<QString> TableReader::operator[](int row) const
{
    return this->row(row);
}

QString TableReader::cell(int row, int column) const
{
    if (column < 0 || column >= columnCount(row))
        return QString();
    return d->content.at(row).at(column);
}

const QList<QList<QString>>& TableReader::content() const
{
    return d->content;
}

TableReaderPrivate& TableReader::data()
{
    return *d;
}

const TableReaderPrivate& TableReader::data() const
{
    return *d;
}

} // namespace tolva::util::character
