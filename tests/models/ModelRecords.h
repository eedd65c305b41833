#pragma once

#include "instrument/DMMData.h"

#include <QSharedPointer>

// A default record of the class that belongs to `mode`, with `mode` set as a decoder would.
inline QSharedPointer<DMMData> blankRecord(int mode)
{
    QSharedPointer<DMMData> record;
    switch (mode) {
    case DMMData::dmIR:
        record.reset(new DMMDataIR);
        break;
    case DMMData::dmTime:
        record.reset(new DMMDataTime);
        break;
    case DMMData::dmPI:
        record.reset(new DMMDataPI);
        break;
    case DMMData::dmDAR:
        record.reset(new DMMDataDAR);
        break;
    case DMMData::dmCOMP:
        record.reset(new DMMDataCOMP);
        break;
    case DMMData::dmCAP:
        record.reset(new DMMDataCAP);
        break;
    case DMMData::dmVOLT:
        record.reset(new DMMDataVOLT);
        break;
    default:
        record.reset(new DMMDataRES);
        break;
    }
    record->mode = static_cast<DMMData::DataMode>(mode);
    return record;
}

template <class Record> Record& as(const QSharedPointer<DMMData>& record)
{
    return *static_cast<Record*>(record.data());
}
