#pragma once

#include <tolva/util/XlsCell.h>

#include <QList>
#include <QVariant>

namespace tolva::util::character {

// A rectangle of cells; only columns 1 to 26 can be referenced.
class TOLVA_UTIL_EXPORT Range : public Cell
{
public:
    Range(Sheet* sheet, int row1, int column1, int row2, int column2);

    using Cell::setValue;
    // Values row by row, as the application takes them for a rectangle.
    void setValue(const QList<QVariant>& values);
    void merge(bool merge);
};

} // namespace tolva::util::character
