#pragma once

#include "models/DataModel.h"

// Table of live resistance readings.
class DataModelRES : public DataModel
{
    Q_OBJECT
public:
    using DataModel::DataModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QString getMainTitle() const override;
    QVariant getMainValue(int row) const override;
};
