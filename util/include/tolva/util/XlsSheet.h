#pragma once

#include <tolva/util/XlsBase.h>

#include <QString>

namespace tolva::util::character {

class Cell;
class Range;
class WorkBook;

// One worksheet. Rows and columns are numbered from 1.
class TOLVA_UTIL_EXPORT Sheet : public XlsBase
{
public:
    Sheet(WorkBook* book, int i);

    void activate();
    QString title() const;
    void setTitle(const QString& title);
    int index() const;
    int rowCount() const;
    int columnCount() const;

    // New objects owned by the caller.
    Cell* cell(int row, int column);
    Range* range(int row1, int column1, int row2, int column2);
    Range* usedRange();

    // Position and size in the application's points.
    void addImage(const QString& file, double left, double top, double width, double height);
    // Puts the picture's top-left corner on the cell's; the alignment has no effect.
    void addImage(const QString& file, int row, int column, double width, double height,
                  Qt::Alignment alignment = Qt::Alignment());

private:
    WorkBook* m_book;
};

} // namespace tolva::util::character
