#include <tolva/util/XlsRangeFormat.h>

namespace tolva::util::character {

void RangeFormat::reset()
{
    CellFormat::reset();
    copyRangeValues(RangeFormat());
}

void RangeFormat::save()
{
    auto snapshot = std::make_shared<RangeFormat>();
    snapshot->copyCellValues(*this);
    snapshot->copyRangeValues(*this);
    pushSaved(std::move(snapshot));
}

void RangeFormat::restore()
{
    auto snapshot = takeSaved();
    if (!snapshot)
        return;
    copyCellValues(*snapshot);
    // Values saved through a plain CellFormat reference carry no range values.
    if (auto range = std::dynamic_pointer_cast<RangeFormat>(snapshot))
        copyRangeValues(*range);
}

void RangeFormat::copyRangeValues(const RangeFormat& from)
{
    userValue3 = from.userValue3;
    userValue4 = from.userValue4;
}

} // namespace tolva::util::character
