#include "models/CellText.h"

QString CellText::box(ValueBox& box, bool greater)
{
    const QString text = box.toString();
    return greater ? QLatin1Char('>') + text : text;
}

QString CellText::box(const ValueBoxInt& box)
{
    return box.toString();
}

QString CellText::time(quint16 time)
{
    return TimeBox::convertString(time);
}
