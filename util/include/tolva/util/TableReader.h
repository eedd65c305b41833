#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QList>
#include <QString>

#include <memory>

namespace tolva::util::character {

class TableReaderPrivate;

// A table of text cells. Out-of-range indexes give empty results, never an exception.
class TOLVA_UTIL_EXPORT TableReader
{
public:
    TableReader();
    virtual ~TableReader();
    virtual bool load() = 0;

    bool isEmpty() const;
    int rowCount() const;
    int columnCount(int row) const;
    int columnCount() const;
    QList<QString> row(int row) const;
    QList<QString> operator[](int row) const;
    QString cell(int row, int column) const;
    const QList<QList<QString>>& content() const;

protected:
    TableReaderPrivate& data();
    const TableReaderPrivate& data() const;

private:
    Q_DISABLE_COPY(TableReader)
    std::unique_ptr<TableReaderPrivate> d;
};

} // namespace tolva::util::character
