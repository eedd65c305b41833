#pragma once

#include "instrument/DMMData.h"

#include <QByteArray>
#include <QSharedPointer>

// Turns one checksum-verified frame (from its first header byte on) into a measurement record.
// A null pointer means the frame is dropped: unknown mode, or too short for its mode's layout.
class RecordDecoder
{
public:
    static QSharedPointer<DMMData> decodeLive(const QByteArray& frame);
    static QSharedPointer<DMMData> decodeStored(const QByteArray& frame);

    // Unit tables: any other code gives an empty unit.
    static QString getCurrUnit(int code);
    static QString getResUnit(int code);

    // Display rule of every f32 reading: decimals and minimum width chosen from the reading.
    static int getPrecision(double v);
    static int getfieldWidth(double v);
    static void getDoubleParam(double v, int& width, int& precision);
    // v truncated toward zero to n decimals.
    static double getCutValue(double v, int n);
};
