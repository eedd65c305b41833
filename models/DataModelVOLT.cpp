#include "models/DataModelVOLT.h"

#include "models/CellText.h"

namespace {
constexpr int MainColumn = 3;
}

QVariant DataModelVOLT::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataVOLT>(index, DMMData::dmVOLT)) {
            switch (index.column()) {
            case 3:
                return CellText::box(record->volt);
            case 4:
                return record->acdc;
            default:
                break;
            }
        }
    }
    return DataModel::data(index, role);
}

QString DataModelVOLT::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelVOLT::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
