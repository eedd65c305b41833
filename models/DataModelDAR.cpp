#include "models/DataModelDAR.h"

#include "models/RatioCells.h"

namespace {
constexpr int MainColumn = 5;
}

QVariant DataModelDAR::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataPIDAR>(index, DMMData::dmDAR)) {
            const QVariant text = RatioCells::cell(*record, index.column());
            if (text.isValid())
                return text;
        }
    }
    return DataModel::data(index, role);
}

QString DataModelDAR::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelDAR::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
