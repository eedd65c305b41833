#pragma once

#include "instrument/DMMData.h"

#include <QVariant>

// The cells of the polarisation-index and dielectric-absorption tables, which share
// one record layout and one column order.
namespace RatioCells {

// Display text of the mode's own column `column`; invalid for the shared columns and
// for columns past the end.
QVariant cell(DMMDataPIDAR& record, int column);

} // namespace RatioCells
