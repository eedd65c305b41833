#include "models/DataModelStoredCOMP.h"

// A stored record's date is the moment it was read out, not of the measurement, so its
// cell shows a dash.
QVariant DataModelStoredCOMP::data(const QModelIndex& index, int role) const
{
    if (isDashed(index, role, {1}))
        return QStringLiteral("-");
    return DataModelCOMP::data(index, role);
}
