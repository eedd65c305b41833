#pragma once

#include "models/DataModelCOMP.h"

// Table of comparator-test readings read back from the instrument's memory.
class DataModelStoredCOMP : public DataModelCOMP
{
    Q_OBJECT
public:
    using DataModelCOMP::DataModelCOMP;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
