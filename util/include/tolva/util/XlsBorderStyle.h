#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QColor>
#include <QFlags>

namespace tolva::util::character {

// A border as the spreadsheet application takes it; the enumerators are the
// application's own codes and are passed unchanged.
struct TOLVA_UTIL_EXPORT BorderStyle
{
    enum DirectionFlag {
        // Page sides, as XlsLib::setMargin reads them.
        dfLeft = 1,
        dfRight = 2,
        dfTop = 3,
        dfBottom = 4,
        // Indexes of a range's borders.
        dfDiagonalDown = 5,
        dfDiagonalUp = 6,
        dfEdgeLeft = 7,
        dfEdgeTop = 8,
        dfEdgeBottom = 9,
        dfEdgeRight = 10,
        dfInsideVertical = 11,
        dfInsideHorizontal = 12
    };
    Q_DECLARE_FLAGS(DirectionFlags, DirectionFlag)

    enum LineStyle {
        lsContinuous = 1,
        lsDash = -4115,
        lsDashDot = 4,
        lsDashDotDot = 5,
        lsDot = -4118,
        lsDouble = -4119,
        lsNone = -4142,
        lsSlantDashDot = 13
    };

    enum Weight { wHairline = 1, wThin = 2, wMedium = -4138, wThick = 4 };

    DirectionFlags sides;
    LineStyle lineStyle = lsContinuous;
    Weight weight = wThin;
    QColor color = QColor(Qt::black);
};

} // namespace tolva::util::character

Q_DECLARE_OPERATORS_FOR_FLAGS(tolva::util::character::BorderStyle::DirectionFlags)
