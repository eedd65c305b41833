#include "models/DataModelCOMP.h"

#include "models/CellText.h"

namespace {

constexpr int MainColumn = 4;

// The instrument reports 0 before a verdict exists, 2 for a pass and anything else for a fail.
QString verdictText(quint8 result)
{
    if (result == 0)
        return QString();
    return result == 2 ? QStringLiteral("PASS") : QStringLiteral("FAIL");
}

} // namespace

QVariant DataModelCOMP::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole) {
        if (auto* record = recordAs<DMMDataCOMP>(index, DMMData::dmCOMP)) {
            switch (index.column()) {
            case 3:
                return CellText::box(record->resComp);
            case 4:
                return CellText::box(record->res, record->resGreater);
            case 5:
                return verdictText(record->result);
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

QString DataModelCOMP::getMainTitle() const
{
    return titleOf(MainColumn);
}

QVariant DataModelCOMP::getMainValue(int row) const
{
    return displayTextAt(row, MainColumn);
}
