#include "models/DataModelStoredTime.h"

// A stored record's date is the moment it was read out, not of the measurement, and stored
// frames carry no set times: those cells show a dash.
QVariant DataModelStoredTime::data(const QModelIndex& index, int role) const
{
    if (isDashed(index, role, {1, 5}))
        return QStringLiteral("-");
    return DataModelTime::data(index, role);
}
