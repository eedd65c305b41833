#include <tolva/util/Numeric.h>

#include <algorithm>
#include <cmath>

namespace tolva::util::numeric {

bool Numeric::fuzzy_compare(double a, double b)
{
    return std::abs(a - b) * 1000000000000. <= std::min(std::abs(a), std::abs(b));
}

bool Numeric::fuzzy_compare(float a, float b)
{
    return std::abs(a - b) * 100000.f <= std::min(std::abs(a), std::abs(b));
}

bool Numeric::fuzzy_is_null(double d)
{
    return std::abs(d) <= 0.000000000001;
}

bool Numeric::fuzzy_is_null(float f)
{
    return std::abs(f) <= 0.00001f;
}

int Numeric::getPrecision(double value, int digits)
{
    const double magnitude = std::abs(value);
    if (value == 0 || std::isnan(value) || magnitude < 1)
        return std::max(digits - 1, 0);
    // An infinite value has more integer digits than any count of significant digits.
    if (std::isinf(value))
        return 0;
    const int integerDigits = int(std::floor(std::log10(magnitude))) + 1;
    return std::max(digits - integerDigits, 0);
}

} // namespace tolva::util::numeric
