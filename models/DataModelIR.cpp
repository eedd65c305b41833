#include "models/DataModelIR.h"

#include "models/CellText.h"

namespace {
constexpr int MainColumn = 3;
}

QVariant DataModelIR::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataIR>(index, DMMData::dmIR)) {
            switch (index.column()) {
            case 3:
                return CellText::box(record->res, record->resGreater);
            case 4:
                return CellText::box(record->current);
            case 5:
                return CellText::box(record->vSet);
            case 6:
                return CellText::box(record->vOut);
            case 7:
                return CellText::box(record->dar);
            case 8:
                return CellText::box(record->pi);
            case 9:
                return CellText::time(record->time);
            default:
                break;
            }
        }
    }
    return DataModel::data(index, role);
}

QString DataModelIR::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelIR::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
