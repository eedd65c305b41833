#include <tolva/util/XlsCellFormat.h>

namespace tolva::util::character {

CellFormat::CellFormat() = default;

CellFormat::~CellFormat() = default;

void CellFormat::reset()
{
    copyCellValues(CellFormat());
    m_saved.clear();
}

void CellFormat::save()
{
    auto snapshot = std::make_shared<CellFormat>();
    snapshot->copyCellValues(*this);
    pushSaved(std::move(snapshot));
}

void CellFormat::restore()
{
    if (auto snapshot = takeSaved())
        copyCellValues(*snapshot);
}

void CellFormat::copyCellValues(const CellFormat& from)
{
    userValue1 = from.userValue1;
    userValue2 = from.userValue2;
    alignment = from.alignment;
    font = from.font;
    color = from.color;
    backgroundColor = from.backgroundColor;
}

void CellFormat::pushSaved(std::shared_ptr<CellFormat> snapshot)
{
    m_saved.push_back(std::move(snapshot));
}

std::shared_ptr<CellFormat> CellFormat::takeSaved()
{
    if (m_saved.empty())
        return nullptr;
    auto top = std::move(m_saved.back());
    m_saved.pop_back();
    return top;
}

} // namespace tolva::util::character
