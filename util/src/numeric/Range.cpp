#include <tolva/util/Numeric.h>
#include <tolva/util/Range.h>

#include <cmath>
#include <utility>

namespace tolva::util::numeric {

namespace {

const double logScaleFactor = 0.001;

} // namespace

const double Range::minRange = 1e-280;
const double Range::maxRange = 1e250;

Range::Range(double lower, double upper) : lower(lower), upper(upper)
{
    if (this->lower > this->upper)
        std::swap(this->lower, this->upper);
}

void Range::expand(const Range& other)
{
    if (lower > other.lower || std::isnan(lower))
        lower = other.lower;
    if (upper < other.upper || std::isnan(upper))
        upper = other.upper;
}

void Range::expand(double value)
{
    expand(Range{value, value});
}

Range Range::expanded(const Range& other) const
{
    Range result = *this;
    result.expand(other);
    return result;
}

Range Range::expanded(double value) const
{
    Range result = *this;
    result.expand(value);
    return result;
}

Range Range::bounded(double lowerBound, double upperBound) const
{
    if (lowerBound > upperBound)
        std::swap(lowerBound, upperBound);
    Range result = sanitizedForLinScale();
    const double size = result.upper - result.lower;
    const bool asWideAsBounds = Numeric::fuzzy_compare(size, upperBound - lowerBound);
    if (result.lower < lowerBound) {
        result.lower = lowerBound;
        result.upper = lowerBound + size;
        if (result.upper > upperBound || asWideAsBounds)
            result.upper = upperBound;
    } else if (result.upper > upperBound) {
        result.upper = upperBound;
        result.lower = upperBound - size;
        if (result.lower < lowerBound || asWideAsBounds)
            result.lower = lowerBound;
    }
    return result;
}

Range Range::sanitizedForLinScale() const
{
    return Range(lower, upper);
}

Range Range::sanitizedForLogScale() const
{
    const double f = logScaleFactor;
    Range result = sanitizedForLinScale();
    const bool towardsNegative = (result.lower != 0 && result.upper == 0) ||
                                 (result.lower < 0 && result.upper > 0 && -result.lower > result.upper);
    const bool towardsPositive = (result.lower == 0 && result.upper != 0) ||
                                 (result.lower < 0 && result.upper > 0 && !towardsNegative);
    if (towardsPositive)
        result.lower = f < result.upper * f ? f : result.upper * f;
    else if (towardsNegative)
        result.upper = -f > result.lower * f ? -f : result.lower * f;
    return result;
}

bool Range::validRange(double lower, double upper)
{
    const double width = std::abs(lower - upper);
    return lower > -maxRange && upper < maxRange && width > minRange && width < maxRange &&
           !(lower > 0 && std::isinf(upper / lower)) && !(upper < 0 && std::isinf(lower / upper));
}

bool Range::validRange(const Range& range)
{
    return validRange(range.lower, range.upper);
}

} // namespace tolva::util::numeric
