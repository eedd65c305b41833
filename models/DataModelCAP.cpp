#include "models/DataModelCAP.h"

#include "models/CellText.h"

namespace {
constexpr int MainColumn = 3;
}

QVariant DataModelCAP::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataCAP>(index, DMMData::dmCAP)) {
            switch (index.column()) {
            case 3:
                return CellText::box(record->cap, record->capGreater);
            case 4:
                return CellText::box(record->vSet);
            default:
                break;
            }
        }
    }
    return DataModel::data(index, role);
}

QString DataModelCAP::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelCAP::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
