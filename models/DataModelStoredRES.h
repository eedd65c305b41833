#pragma once

#include "models/DataModelRES.h"

// Table of resistance readings read back from the instrument's memory.
class DataModelStoredRES : public DataModelRES
{
    Q_OBJECT
public:
    using DataModelRES::DataModelRES;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
