#pragma once

#include "models/DataModelTime.h"

// Table of timed-test readings read back from the instrument's memory.
class DataModelStoredTime : public DataModelTime
{
    Q_OBJECT
public:
    using DataModelTime::DataModelTime;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
