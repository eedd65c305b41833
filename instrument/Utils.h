#pragma once

// Static helpers of the program.
class Utils
{
public:
    // Sum of `length` bytes read as unsigned values; 0 when length <= 0. Callers keep the low 16 bits.
    static int getCheckSum(const char* data, int length);
};
