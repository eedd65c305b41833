#pragma once

#include <tolva/util/tolva_util_global.h>

namespace tolva::util::numeric {

// Tolerant floating-point comparison and the choice of a number of decimals.
class TOLVA_UTIL_EXPORT Numeric
{
public:
    Numeric() = delete;

    // Relative comparison: a zero equals only a zero; compare with zero through fuzzy_is_null.
    static bool fuzzy_compare(double a, double b);
    static bool fuzzy_compare(float a, float b);
    static bool fuzzy_is_null(double d);
    static bool fuzzy_is_null(float f);
    // Decimals that show value with the given number of significant digits, at least 0.
    static int getPrecision(double value, int digits);
};

} // namespace tolva::util::numeric
