#pragma once

#include <tolva/util/tolva_util_global.h>

#include <QColor>
#include <QFont>

#include <memory>
#include <vector>

namespace tolva::util::character {

// Formatting values a caller keeps while it fills a sheet, with a stack to save
// and restore them. The library gives the integers no meaning of its own.
class TOLVA_UTIL_EXPORT CellFormat
{
public:
    CellFormat();
    virtual ~CellFormat();
    CellFormat(const CellFormat&) = default;
    CellFormat& operator=(const CellFormat&) = default;

    // Defaults for every value, and an empty stack.
    virtual void reset();
    // Pushes a copy of the current values.
    virtual void save();
    // Pops the last saved values back; nothing when none are saved.
    virtual void restore();

    int userValue1 = 1;
    int userValue2 = 1;
    int alignment = Qt::AlignCenter;
    QFont font;
    QColor color = QColor(QStringLiteral("#000000"));
    QColor backgroundColor = QColor(QStringLiteral("#ffffff"));

protected:
    void copyCellValues(const CellFormat& from);
    void pushSaved(std::shared_ptr<CellFormat> snapshot);
    std::shared_ptr<CellFormat> takeSaved();

private:
    std::vector<std::shared_ptr<CellFormat>> m_saved;
};

} // namespace tolva::util::character
