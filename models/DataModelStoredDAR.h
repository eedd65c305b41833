#pragma once

#include "models/DataModelDAR.h"

// Table of dielectric-absorption-ratio readings read back from the instrument's memory.
class DataModelStoredDAR : public DataModelDAR
{
    Q_OBJECT
public:
    using DataModelDAR::DataModelDAR;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
