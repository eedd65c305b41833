#include "models/ModelFactory.h"

#include "models/ColumnLists.h"
#include "models/DataModelCAP.h"
#include "models/DataModelCOMP.h"
#include "models/DataModelDAR.h"
#include "models/DataModelIR.h"
#include "models/DataModelPI.h"
#include "models/DataModelRES.h"
#include "models/DataModelStoredCAP.h"
#include "models/DataModelStoredCOMP.h"
#include "models/DataModelStoredDAR.h"
#include "models/DataModelStoredIR.h"
#include "models/DataModelStoredPI.h"
#include "models/DataModelStoredRES.h"
#include "models/DataModelStoredTime.h"
#include "models/DataModelStoredVOLT.h"
#include "models/DataModelTime.h"
#include "models/DataModelVOLT.h"

DataModel* ModelFactory::createLiveModel(int mode, QObject* parent)
{
    const QList<Column*> columns = ColumnLists::columns(mode);
    switch (mode) {
    case DMMData::dmIR:
        return new DataModelIR(columns, parent);
    case DMMData::dmTime:
        return new DataModelTime(columns, parent);
    case DMMData::dmPI:
        return new DataModelPI(columns, parent);
    case DMMData::dmDAR:
        return new DataModelDAR(columns, parent);
    case DMMData::dmCOMP:
        return new DataModelCOMP(columns, parent);
    case DMMData::dmCAP:
        return new DataModelCAP(columns, parent);
    case DMMData::dmVOLT:
        return new DataModelVOLT(columns, parent);
    case DMMData::dmRES:
        return new DataModelRES(columns, parent);
    default:
        return nullptr;
    }
}

DataModel* ModelFactory::createStoredModel(int mode, QObject* parent)
{
    const QList<Column*> columns = ColumnLists::columns(mode);
    switch (mode) {
    case DMMData::dmIR:
        return new DataModelStoredIR(columns, parent);
    case DMMData::dmTime:
        return new DataModelStoredTime(columns, parent);
    case DMMData::dmPI:
        return new DataModelStoredPI(columns, parent);
    case DMMData::dmDAR:
        return new DataModelStoredDAR(columns, parent);
    case DMMData::dmCOMP:
        return new DataModelStoredCOMP(columns, parent);
    case DMMData::dmCAP:
        return new DataModelStoredCAP(columns, parent);
    case DMMData::dmVOLT:
        return new DataModelStoredVOLT(columns, parent);
    case DMMData::dmRES:
        return new DataModelStoredRES(columns, parent);
    default:
        return nullptr;
    }
}
