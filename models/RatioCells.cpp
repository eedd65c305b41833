#include "models/RatioCells.h"

#include "models/CellText.h"

QVariant RatioCells::cell(DMMDataPIDAR& record, int column)
{
    switch (column) {
    case 3:
        return CellText::box(record.res, record.resGreater);
    case 4:
        return CellText::box(record.res2, record.res2Greater);
    case 5:
        return CellText::box(record.ratio);
    case 6:
        return CellText::time(record.testTime);
    case 7:
        return CellText::time(record.timeSet);
    case 8:
        return CellText::time(record.timeSet2);
    case 9:
        return CellText::box(record.current);
    case 10:
        return CellText::box(record.vSet);
    case 11:
        return CellText::box(record.vOut);
    default:
        return {};
    }
}
