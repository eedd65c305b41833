#include <tolva/util/XlsAutomationBackend.h>
#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsCell.h>
#include <tolva/util/XlsLib.h>
#include <tolva/util/XlsRange.h>
#include <tolva/util/XlsSheet.h>
#include <tolva/util/XlsWorkBook.h>

#include "AutomationCalls.h"

namespace tolva::util::character {

XlsLib::XlsLib()
{
    auto backend = AutomationBackend::current();
    if (backend->enterApartment())
        m_apartment = backend;
    setHandle(new AutomationObject);
}

XlsLib::~XlsLib()
{
    // Automation objects must go before the thread leaves its apartment.
    m_book.reset();
    setHandle(nullptr);
    if (m_apartment)
        m_apartment->leaveApartment();
}

bool XlsLib::open()
{
    if (!handle()->setControl(QStringLiteral("Excel.Application")))
        return false;
    m_book = std::make_unique<WorkBook>(this);
    return true;
}

void XlsLib::setVisible(bool visible)
{
    calls::set(handle(), "Visible", visible);
}

void XlsLib::setDisplayAlerts(bool display)
{
    calls::set(handle(), "DisplayAlerts", display);
}

WorkBook* XlsLib::workdBook() const
{
    return m_book.get();
}

Sheet* XlsLib::activeSheet() const
{
    return m_book ? m_book->activeSheet() : nullptr;
}

Cell* XlsLib::getCell(int row, int column)
{
    std::unique_ptr<Sheet> sheet(activeSheet());
    if (!sheet)
        return nullptr;
    auto cell = new Cell(sheet.get(), row, column);
    cell->adoptSheet(std::move(sheet));
    return cell;
}

Range* XlsLib::getRange(int row1, int column1, int row2, int column2)
{
    std::unique_ptr<Sheet> sheet(activeSheet());
    if (!sheet)
        return nullptr;
    auto range = new Range(sheet.get(), row1, column1, row2, column2);
    range->adoptSheet(std::move(sheet));
    return range;
}

void XlsLib::addImage(const QString& file, int row, int column, double width, double height,
                      Qt::Alignment alignment)
{
    std::unique_ptr<Sheet> sheet(activeSheet());
    if (sheet)
        sheet->addImage(file, row, column, width, height, alignment);
}

void XlsLib::setMargin(BorderStyle::DirectionFlags side, double millimetres)
{
    if (!m_book)
        return;
    auto application = calls::sub(handle(), "Application");
    const QVariant points =
        calls::call(application.get(), "CentimetersToPoints(double)", {millimetres / 10}).toDouble();
    std::unique_ptr<Sheet> sheet(activeSheet());
    auto pageSetup = calls::sub(sheet->handle(), "PageSetup");
    const char* property = nullptr;
    switch (int(side)) {
    case BorderStyle::dfLeft:
        property = "LeftMargin";
        break;
    case BorderStyle::dfRight:
        property = "RightMargin";
        break;
    case BorderStyle::dfTop:
        property = "TopMargin";
        break;
    case BorderStyle::dfBottom:
        property = "BottomMargin";
        break;
    default:
        return;
    }
    calls::set(pageSetup.get(), property, points);
}

bool XlsLib::save(const QString& fileName)
{
    return m_book && m_book->save(fileName);
}

void XlsLib::close()
{
    if (!m_book)
        return;
    m_book->close();
    m_book.reset();
}

} // namespace tolva::util::character
