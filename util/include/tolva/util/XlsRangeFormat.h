#pragma once

#include <tolva/util/XlsCellFormat.h>

namespace tolva::util::character {

// CellFormat with two more integers, saved and restored along with the rest.
class TOLVA_UTIL_EXPORT RangeFormat : public CellFormat
{
public:
    void reset() override;
    void save() override;
    void restore() override;

    int userValue3 = 1;
    int userValue4 = 1;

private:
    void copyRangeValues(const RangeFormat& from);
};

} // namespace tolva::util::character
