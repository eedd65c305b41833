#include "instrument/ValueBox.h"

#include <cmath>

QString ValueBox::toString()
{
    if (!std::isfinite(value)) {
        value = 0.0;
        text = QStringLiteral("-");
    }
    return QStringLiteral("%1 %2").arg(text, unit);
}

QString ValueBoxInt::toString() const
{
    return QStringLiteral("%1 %2").arg(text, unit);
}

QString TimeBox::convertString(unsigned short t)
{
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(t >> 8, 2, 10, zero).arg(t & 0xFF, 2, 10, zero);
}
