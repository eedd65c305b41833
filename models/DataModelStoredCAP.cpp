#include "models/DataModelStoredCAP.h"

// A stored record's date is the moment it was read out, not of the measurement, so its
// cell shows a dash.
QVariant DataModelStoredCAP::data(const QModelIndex& index, int role) const
{
    if (isDashed(index, role, {1}))
        return QStringLiteral("-");
    return DataModelCAP::data(index, role);
}
