#include <tolva/util/XlsAutomationObject.h>
#include <tolva/util/XlsCell.h>
#include <tolva/util/XlsSheet.h>

#include "AutomationCalls.h"

namespace tolva::util::character {

namespace {

// The application's alignment codes.
constexpr int alignRight = -4152;
constexpr int alignCenter = -4108;
constexpr int alignLeft = -4131;
constexpr int alignBottom = -4107;
constexpr int alignTop = -4160;
constexpr int alignGeneral = 1;

constexpr int patternNone = -4142;
constexpr int patternSolid = 1;
constexpr int colorIndexAutomatic = -4105;
constexpr int colorIndexNone = -4142;

int horizontalCode(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return alignRight;
    if (alignment & Qt::AlignHCenter)
        return alignCenter;
    if (alignment & Qt::AlignLeft)
        return alignLeft;
    return alignGeneral;
}

int verticalCode(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignBottom)
        return alignBottom;
    if (alignment & Qt::AlignVCenter)
        return alignCenter;
    if (alignment & Qt::AlignTop)
        return alignTop;
    return alignGeneral;
}

// A font made in points has no pixel size; the application takes points.
QVariant fontSize(const QFont& font)
{
    return font.pixelSize() > 0 ? QVariant(font.pixelSize()) : QVariant(font.pointSizeF());
}

AutomationObject* cellsOf(Sheet* sheet, int row, int column)
{
    return calls::sub(sheet ? sheet->handle() : nullptr, "Cells(int,int)", {row, column}).release();
}

int lineIndex(AutomationObject* range, const char* lines, int item, const char* index)
{
    auto all = calls::sub(range, lines);
    return calls::get(calls::sub(all.get(), "Item(int)", {item}).get(), index).toInt();
}

} // namespace

Cell::Cell(Sheet* sheet, int row, int column) : XlsBase(cellsOf(sheet, row, column)), m_sheet(sheet) {}

Cell::Cell(Sheet* sheet, AutomationObject* handle) : XlsBase(handle), m_sheet(sheet) {}

Cell::~Cell() = default;

void Cell::adoptSheet(std::unique_ptr<Sheet> sheet)
{
    m_sheet = sheet.get();
    m_adoptedSheet = std::move(sheet);
}

QString Cell::value() const
{
    return calls::get(handle(), "Value").toString();
}

void Cell::setValue(const QString& value)
{
    calls::set(handle(), "Value", value);
}

void Cell::setAlignment(Qt::Alignment alignment)
{
    calls::set(handle(), "HorizontalAlignment", horizontalCode(alignment));
    calls::set(handle(), "VerticalAlignment", verticalCode(alignment));
}

void Cell::setColor(const QColor& color)
{
    calls::set(calls::sub(handle(), "Font").get(), "Color", color);
}

void Cell::setBackgroundColor(const QColor& color)
{
    auto interior = calls::sub(handle(), "Interior");
    if (color == QColor(Qt::white)) {
        calls::set(interior.get(), "Pattern", patternNone);
        return;
    }
    calls::set(interior.get(), "Pattern", patternSolid);
    calls::set(interior.get(), "PatternColorIndex", colorIndexAutomatic);
    calls::set(interior.get(), "Color", color);
}

void Cell::setFont(const QFont& font)
{
    auto target = calls::sub(handle(), "Font");
    calls::set(target.get(), "Name", font.family());
    calls::set(target.get(), "Bold", font.weight() > QFont::Medium);
    calls::set(target.get(), "Italic", font.style() != QFont::StyleNormal);
    calls::set(target.get(), "Size", fontSize(font));
    calls::set(target.get(), "Underline", font.underline());
}

void Cell::setFont(const QFont& font, QColor color)
{
    setFont(font);
    setColor(color);
}

void Cell::setSize(const QSize& size)
{
    setWidth(size.width());
    setHeight(size.height());
}

double Cell::width() const
{
    return calls::get(handle(), "ColumnWidth").toDouble();
}

double Cell::height() const
{
    return calls::get(handle(), "RowHeight").toDouble();
}

void Cell::setWidth(double width)
{
    calls::set(handle(), "ColumnWidth", width);
}

void Cell::setHeight(double height)
{
    calls::set(handle(), "RowHeight", height);
}

void Cell::setNumberFormat(const QString& format)
{
    calls::set(handle(), "NumberFormat", format);
}

void Cell::activate()
{
    calls::call(handle(), "Activate");
}

void Cell::autoFitRow()
{
    calls::call(calls::sub(handle(), "Rows").get(), "AutoFit");
}

void Cell::autoFitColumn()
{
    calls::call(calls::sub(handle(), "Columns").get(), "AutoFit");
}

void Cell::autoFit()
{
    autoFitRow();
    autoFitColumn();
}

int Cell::rowCount() const
{
    return calls::subGet(handle(), "Rows", "Count").toInt();
}

int Cell::columnCount() const
{
    return calls::subGet(handle(), "Columns", "Count").toInt();
}

int Cell::startRow() const
{
    return lineIndex(handle(), "Rows", 1, "Row");
}

int Cell::startCol() const
{
    return lineIndex(handle(), "Columns", 1, "Column");
}

int Cell::endRow() const
{
    return lineIndex(handle(), "Rows", rowCount(), "Row");
}

int Cell::endCol() const
{
    return lineIndex(handle(), "Columns", columnCount(), "Column");
}

void Cell::setBorder(BorderStyle::DirectionFlags sides, BorderStyle::LineStyle style, int weight,
                     QColor color)
{
    auto borders = calls::sub(handle(), "Borders(int)", {int(sides)});
    calls::set(borders.get(), "Color", color);
    calls::set(borders.get(), "LineStyle", int(style));
    calls::set(borders.get(), "Weight", weight);
}

void Cell::setBorder(const BorderStyle& style)
{
    setBorder(style.sides, style.lineStyle, style.weight, style.color);
}

void Cell::setBorderAround(BorderStyle::LineStyle style, BorderStyle::Weight weight, QColor color)
{
    calls::call(handle(), "BorderAround(int,int,int,QColor)",
                {int(style), int(weight), colorIndexNone, color});
}

void Cell::setBorderAround(const BorderStyle& style)
{
    setBorderAround(style.lineStyle, style.weight, style.color);
}

void Cell::setBorderEdge(BorderStyle::LineStyle style, BorderStyle::Weight weight, QColor color)
{
    for (auto side :
         {BorderStyle::dfEdgeLeft, BorderStyle::dfEdgeTop, BorderStyle::dfEdgeRight,
          BorderStyle::dfEdgeBottom, BorderStyle::dfInsideVertical, BorderStyle::dfInsideHorizontal})
        setBorder(side, style, weight, color);
}

void Cell::setBorderEdge(const BorderStyle& style)
{
    setBorderEdge(style.lineStyle, style.weight, style.color);
}

char Cell::numToChar(int n)
{
    // Wraps modulo 256 like any character code.
    return static_cast<char>(static_cast<unsigned char>(n + 64));
}

int Cell::charToNum(char c)
{
    return static_cast<unsigned char>(c) - 64;
}

} // namespace tolva::util::character
