#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsRange.h>
#include <tolva/util/XlsSheet.h>

#include "AutomationCalls.h"

namespace tolva::util::character {

namespace {

QString reference(int row1, int column1, int row2, int column2)
{
    return QStringLiteral("%1%2:%3%4")
        .arg(QLatin1Char(Cell::numToChar(column1)))
        .arg(row1)
        .arg(QLatin1Char(Cell::numToChar(column2)))
        .arg(row2);
}

AutomationObject* rangeOf(Sheet* sheet, int row1, int column1, int row2, int column2)
{
    return calls::sub(sheet ? sheet->handle() : nullptr, "Range(const QString&)",
                      {reference(row1, column1, row2, column2)})
        .release();
}

} // namespace

Range::Range(Sheet* sheet, int row1, int column1, int row2, int column2)
    : Cell(sheet, rangeOf(sheet, row1, column1, row2, column2))
{
}

void Range::setValue(const QList<QVariant>& values)
{
    calls::set(handle(), "Value", QVariant(values));
}

void Range::merge(bool merge)
{
    calls::set(handle(), "MergeCells", merge);
}

} // namespace tolva::util::character
