#pragma once

#include "instrument/DMMData.h"
#include "models/Column.h"

#include <QList>

// The table columns of each measuring mode. Every caller (window, command-line tool, tests)
// takes them from here so that headers and keys are the same everywhere.
//
// The columns are built once, on the first call, with titles translated in the context
// "TemplateWindow": call this only after the translators are installed. They live until the
// program ends; models keep plain pointers to them and never delete them.
namespace ColumnLists {

// The columns of `mode` in display order; empty for a value that is no mode.
QList<Column*> columns(int mode);

} // namespace ColumnLists
