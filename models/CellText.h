#pragma once

#include "instrument/ValueBox.h"

#include <QString>

// Texts of the mode columns, shared by every table model.
namespace CellText {

// The box text, with ">" directly in front when the reading lies above the range.
// Rendering may replace a non-finite value in the box itself (see ValueBox::toString).
QString box(ValueBox& box, bool greater = false);
QString box(const ValueBoxInt& box);
QString time(quint16 time);

} // namespace CellText
