#pragma once

#include "models/DataModel.h"

// Builds the live and the stored table model of a measuring mode, both on the mode's column
// list (ColumnLists), so callers can keep their models indexed by DMMData::DataMode.
// The caller owns the model, through `parent` or otherwise. A value that is no mode gives null.
namespace ModelFactory {

DataModel* createLiveModel(int mode, QObject* parent = nullptr);
DataModel* createStoredModel(int mode, QObject* parent = nullptr);

} // namespace ModelFactory
