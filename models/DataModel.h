#pragma once

#include "instrument/DMMData.h"
#include "models/Column.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSharedPointer>

#include <initializer_list>

// Base of the per-mode table models. Holds one record per row, oldest first, and the
// column descriptors, and renders the columns every mode shares: No., Date/Time, Mode.
// The columns are borrowed: they outlive every model (see ColumnLists).
class DataModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // headerData answers this role with the untranslated column key.
    static constexpr int KeyRole = Qt::UserRole + 1;

    explicit DataModel(QList<Column*> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Header text of the column the chart plots, and that column's text in a row.
    virtual QString getMainTitle() const = 0;
    virtual QVariant getMainValue(int row) const = 0;

    // Appends a row; returns the new row count.
    int addData(QSharedPointer<DMMData> record);
    void clear();
    QList<QSharedPointer<DMMData>> getData() const;

    static QString getVOLTViewStr(QSharedPointer<DMMDataVOLT> record);
    static QString getCAPViewStr(QSharedPointer<DMMDataCAP> record);

protected:
    // The record shown at index; null for an invalid index, a row past the end or a null record.
    DMMData* recordAt(const QModelIndex& index) const;

    // The record at index as the class of `mode`. Null unless the record carries that mode,
    // so a record added to the wrong model is never read as a class it is not.
    template <class Record> Record* recordAs(const QModelIndex& index, DMMData::DataMode mode) const
    {
        DMMData* record = recordAt(index);
        return record && record->mode == mode ? static_cast<Record*>(record) : nullptr;
    }

    // True when a stored model shows "-" at index: a display request for one of `columns`
    // on a row that holds a record.
    bool isDashed(const QModelIndex& index, int role, std::initializer_list<int> columns) const;

    QString titleOf(int column) const;
    QVariant displayTextAt(int row, int column) const;

    QList<QSharedPointer<DMMData>> m_records;
    QList<Column*> m_columnDefs;
};
