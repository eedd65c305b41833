#include "models/DataModelStoredVOLT.h"

// A stored record's date is the moment it was read out, not of the measurement, so its
// cell shows a dash.
QVariant DataModelStoredVOLT::data(const QModelIndex& index, int role) const
{
    if (isDashed(index, role, {1}))
        return QStringLiteral("-");
    return DataModelVOLT::data(index, role);
}
