#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsCell.h>
#include <tolva/util/XlsRange.h>
#include <tolva/util/XlsSheet.h>
#include <tolva/util/XlsWorkBook.h>

#include "AutomationCalls.h"

namespace tolva::util::character {

namespace {

// The index of the first and of the last row (or column) of a range object.
int firstIndex(AutomationObject* range, const char* lines, const char* index)
{
    auto all = calls::sub(range, lines);
    return calls::get(calls::sub(all.get(), "Item(int)", {1}).get(), index).toInt();
}

int lastIndex(AutomationObject* range, const char* lines, const char* index)
{
    auto all = calls::sub(range, lines);
    const int count = calls::get(all.get(), "Count").toInt();
    return calls::get(calls::sub(all.get(), "Item(int)", {count}).get(), index).toInt();
}

} // namespace

Sheet::Sheet(WorkBook* book, int i) : XlsBase(book ? book->getSheet(i) : nullptr), m_book(book) {}

void Sheet::activate()
{
    calls::call(handle(), "Activate");
}

QString Sheet::title() const
{
    return calls::get(handle(), "Name").toString();
}

void Sheet::setTitle(const QString& title)
{
    calls::set(handle(), "Name", title);
}

int Sheet::index() const
{
    return calls::get(handle(), "Index").toInt();
}

int Sheet::rowCount() const
{
    auto used = calls::sub(handle(), "UsedRange");
    return calls::subGet(used.get(), "Rows", "Count").toInt();
}

int Sheet::columnCount() const
{
    auto used = calls::sub(handle(), "UsedRange");
    return calls::subGet(used.get(), "Columns", "Count").toInt();
}

Cell* Sheet::cell(int row, int column)
{
    return new Cell(this, row, column);
}

Range* Sheet::range(int row1, int column1, int row2, int column2)
{
    return new Range(this, row1, column1, row2, column2);
}

Range* Sheet::usedRange()
{
    auto used = calls::sub(handle(), "UsedRange");
    const int firstRow = firstIndex(used.get(), "Rows", "Row");
    const int lastRow = lastIndex(used.get(), "Rows", "Row");
    const int firstColumn = firstIndex(used.get(), "Columns", "Column");
    const int lastColumn = lastIndex(used.get(), "Columns", "Column");
    return new Range(this, firstRow, firstColumn, lastRow, lastColumn);
}

void Sheet::addImage(const QString& file, double left, double top, double width, double height)
{
    auto shapes = calls::sub(handle(), "Shapes");
    calls::call(shapes.get(), "AddPicture(QString&,bool,bool,double,double,double,double)",
                {file, false, true, left, top, width, height});
}

void Sheet::addImage(const QString& file, int row, int column, double width, double height, Qt::Alignment)
{
    double left = 0;
    for (int c = 1; c < column; ++c)
        left += calls::subGet(handle(), "Cells(int,int)", {row, c}, "Width").toDouble();
    double top = 0;
    for (int r = 1; r < row; ++r)
        top += calls::subGet(handle(), "Cells(int,int)", {r, column}, "Height").toDouble();
    addImage(file, left, top, width, height);
}

} // namespace tolva::util::character
