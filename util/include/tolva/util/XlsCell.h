#pragma once

#include <tolva/util/XlsBase.h>
#include <tolva/util/XlsBorderStyle.h>

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

#include <memory>

namespace tolva::util::character {

class Sheet;
class XlsLib;

// One cell of a sheet; Range covers a rectangle with the same operations.
class TOLVA_UTIL_EXPORT Cell : public XlsBase
{
public:
    Cell(Sheet* sheet, int row, int column);
    ~Cell();

    QString value() const;
    void setValue(const QString& value);
    void setAlignment(Qt::Alignment alignment);
    void setColor(const QColor& color);
    void setBackgroundColor(const QColor& color);
    void setFont(const QFont& font);
    void setFont(const QFont& font, QColor color);
    void setSize(const QSize& size);
    double width() const;
    double height() const;
    void setWidth(double width);
    void setHeight(double height);
    void setNumberFormat(const QString& format);
    void activate();
    void autoFitRow();
    void autoFitColumn();
    void autoFit();

    int rowCount() const;
    int columnCount() const;
    int startRow() const;
    int row() const { return startRow(); }
    int startCol() const;
    int col() const { return startCol(); }
    int endRow() const;
    int endCol() const;

    void setBorder(BorderStyle::DirectionFlags sides, BorderStyle::LineStyle style, int weight, QColor color);
    void setBorder(const BorderStyle& style);
    void setBorderAround(BorderStyle::LineStyle style, BorderStyle::Weight weight, QColor color);
    void setBorderAround(const BorderStyle& style);
    // Every edge and inside line of the range.
    void setBorderEdge(BorderStyle::LineStyle style, BorderStyle::Weight weight, QColor color);
    void setBorderEdge(const BorderStyle& style);

    // Column letters: 1 is A, 26 is Z.
    static char numToChar(int n);
    static int charToNum(char c);

protected:
    Cell(Sheet* sheet, AutomationObject* handle);

private:
    friend class XlsLib;
    // For cells that XlsLib makes on a sheet object nobody else holds.
    void adoptSheet(std::unique_ptr<Sheet> sheet);

    Sheet* m_sheet;
    std::unique_ptr<Sheet> m_adoptedSheet;
};

} // namespace tolva::util::character
