#pragma once

#include <tolva/util/XlsBase.h>
#include <tolva/util/XlsBorderStyle.h>

#include <QString>

#include <memory>

namespace tolva::util::character {

class AutomationBackend;
class Cell;
class Range;
class Sheet;
class WorkBook;

// Starts the spreadsheet application and holds its one workbook. Use it and
// everything obtained from it on the thread that constructed it.
class TOLVA_UTIL_EXPORT XlsLib : public XlsBase
{
public:
    XlsLib();
    // Releases the workbook object without closing it: call close() first to
    // end the application.
    ~XlsLib();

    // False when the application cannot be started; no workbook then.
    bool open();
    void setVisible(bool visible);
    void setDisplayAlerts(bool display);

    WorkBook* workdBook() const;
    // The following return new objects owned by the caller, or null without
    // an open workbook.
    Sheet* activeSheet() const;
    Cell* getCell(int row, int column);
    Range* getRange(int row1, int column1, int row2, int column2);

    void addImage(const QString& file, int row, int column, double width, double height,
                  Qt::Alignment alignment = Qt::Alignment());
    // Side 1 left, 2 right, 3 top, 4 bottom; other values change nothing.
    void setMargin(BorderStyle::DirectionFlags side, double millimetres);
    bool save(const QString& fileName);
    // Closes the workbook and quits the application; nothing without a workbook.
    void close();

private:
    std::unique_ptr<WorkBook> m_book;
    std::shared_ptr<AutomationBackend> m_apartment;
};

} // namespace tolva::util::character
