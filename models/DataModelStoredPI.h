#pragma once

#include "models/DataModelPI.h"

// Table of polarisation-index readings read back from the instrument's memory.
class DataModelStoredPI : public DataModelPI
{
    Q_OBJECT
public:
    using DataModelPI::DataModelPI;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
