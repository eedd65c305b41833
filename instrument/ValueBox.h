#pragma once

#include <QString>
#include <QtGlobal>

// A measured quantity with decimals: its display text (or a word replacing it) and unit.
struct ValueBox
{
    QString text;
    double value = 0.0;
    QString unit;

    // "text unit". A non-finite value is first replaced in the box itself by 0 and "-".
    QString toString();
};

// A whole-number quantity (voltages, comparator limit).
struct ValueBoxInt
{
    QString text;
    qint32 value = 0;
    QString unit;

    QString toString() const;
};

// Renders a record time: minutes in the high byte, seconds in the low byte.
struct TimeBox
{
    static QString convertString(unsigned short t);
};
