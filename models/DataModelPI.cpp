#include "models/DataModelPI.h"

#include "models/RatioCells.h"

namespace {
constexpr int MainColumn = 5;
}

QVariant DataModelPI::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataPIDAR>(index, DMMData::dmPI)) {
            const QVariant text = RatioCells::cell(*record, index.column());
            if (text.isValid())
                return text;
        }
    }
    return DataModel::data(index, role);
}

QString DataModelPI::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelPI::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
