#pragma once

#include <tolva/util/tolva_util_global.h>

namespace tolva::util::numeric {

// A closed interval of doubles, as an axis or a measuring scale needs it.
class TOLVA_UTIL_EXPORT Range
{
public:
    static const double minRange; // smallest usable width (exclusive)
    static const double maxRange; // largest usable width and bound magnitude (exclusive)

    double lower = 0;
    double upper = 0;

    Range() = default;
    Range(double lower, double upper);

    void expand(const Range& other);
    void expand(double value);
    Range expanded(const Range& other) const;
    Range expanded(double value) const;
    // Shifted, and cut if it is wider, into [lowerBound, upperBound].
    Range bounded(double lowerBound, double upperBound) const;
    Range sanitizedForLinScale() const;
    // Moved wholly to one side of zero, keeping the wider side.
    Range sanitizedForLogScale() const;

    static bool validRange(double lower, double upper);
    static bool validRange(const Range& range);
};

} // namespace tolva::util::numeric
