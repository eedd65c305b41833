#include "models/DataModelTime.h"

#include "models/CellText.h"

namespace {
constexpr int MainColumn = 3;
}

QVariant DataModelTime::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataTime>(index, DMMData::dmTime)) {
            switch (index.column()) {
            case 3:
                return CellText::box(record->res, record->resGreater);
            case 4:
                return CellText::time(record->testTime);
            case 5:
                return CellText::time(record->timeSet);
            case 6:
                return CellText::box(record->current);
            case 7:
                return CellText::box(record->vSet);
            case 8:
                return CellText::box(record->vOut);
            default:
                break;
            }
        }
    }
    return DataModel::data(index, role);
}

QString DataModelTime::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelTime::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
