#include "instrument/Utils.h"

int Utils::getCheckSum(const char* data, int length)
{
    int sum = 0;
    for (int i = 0; i < length; ++i)
        sum += static_cast<unsigned char>(data[i]);
    return sum;
}
