#pragma once

#include "models/DataModelVOLT.h"

// Table of voltage readings read back from the instrument's memory.
class DataModelStoredVOLT : public DataModelVOLT
{
    Q_OBJECT
public:
    using DataModelVOLT::DataModelVOLT;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
