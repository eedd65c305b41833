#include "instrument/RecordDecoder.h"

#include <cmath>

QString RecordDecoder::getCurrUnit(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("nA");
    case 1:
        return QStringLiteral("uA");
    case 2:
        return QStringLiteral("mA");
    default:
        return QString();
    }
}

QString RecordDecoder::getResUnit(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("MΩ");
    case 1:
        return QStringLiteral("GΩ");
    case 2:
        return QStringLiteral("TΩ");
    default:
        return QString();
    }
}

int RecordDecoder::getPrecision(double v)
{
    if (v == 0.0)
        return 0;
    if (v < 10.0)
        return 2;
    if (v < 100.0)
        return 1;
    return 0;
}

int RecordDecoder::getfieldWidth(double v)
{
    return getPrecision(v) == 0 ? 3 : 4;
}

void RecordDecoder::getDoubleParam(double v, int& width, int& precision)
{
    precision = getPrecision(v);
    width = getfieldWidth(v);
}

double RecordDecoder::getCutValue(double v, int n)
{
    const double scale = std::pow(10.0, n);
    const double scaled = v * scale;
    // Truncation goes through a 32-bit integer; a reading beyond it (or not finite) keeps its own value.
    if (!(scaled > -2147483649.0 && scaled < 2147483648.0))
        return v;
    return double(qint32(scaled)) / scale;
}
