#include "models/DataModelRES.h"

#include "models/CellText.h"

namespace {
constexpr int MainColumn = 3;
}

QVariant DataModelRES::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.column() == MainColumn) {
        if (auto* record = recordAs<DMMDataRES>(index, DMMData::dmRES))
            return CellText::box(record->res, record->resGreater);
    }
    return DataModel::data(index, role);
}

QString DataModelRES::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelRES::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
