#include "models/DataModelStoredPI.h"

// A stored record's date is the moment it was read out, not of the measurement, and stored
// frames carry no set times: those cells show a dash.
QVariant DataModelStoredPI::data(const QModelIndex& index, int role) const
{
    if (isDashed(index, role, {1, 7, 8}))
        return QStringLiteral("-");
    return DataModelPI::data(index, role);
}
