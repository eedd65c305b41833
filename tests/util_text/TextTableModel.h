#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// A fixed table of texts with horizontal header texts, as the CSV writer reads it.
class TextTableModel : public QAbstractTableModel
{
public:
    TextTableModel(const QStringList& headers, const QList<QStringList>& rows)
        : m_headers(headers), m_rows(rows)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_rows.size();
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_headers.size();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return m_rows.at(index.row()).value(index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return m_headers.value(section);
    }

private:
    QStringList m_headers;
    QList<QStringList> m_rows;
};
