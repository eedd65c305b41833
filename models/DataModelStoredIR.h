#pragma once

#include "models/DataModelIR.h"

// Table of insulation-resistance readings read back from the instrument's memory.
class DataModelStoredIR : public DataModelIR
{
    Q_OBJECT
public:
    using DataModelIR::DataModelIR;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
