#pragma once

#include "models/DataModelCAP.h"

// Table of capacitance readings read back from the instrument's memory.
class DataModelStoredCAP : public DataModelCAP
{
    Q_OBJECT
public:
    using DataModelCAP::DataModelCAP;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
