#pragma once

#include "instrument/ValueBox.h"

#include <QDateTime>
#include <QObject>
#include <QSharedPointer>

// One decoded reading of the instrument. The class of a record follows its mode;
// readers convert a QSharedPointer<DMMData> statically by `mode`.
class DMMData : public QObject
{
    Q_OBJECT
public:
    enum DataMode { dmIR = 0, dmTime = 1, dmPI = 2, dmDAR = 3, dmCOMP = 4, dmCAP = 5, dmVOLT = 6, dmRES = 7 };
    Q_ENUM(DataMode)

    static constexpr int ModeCount = 8;

    // The mode's name as shown in tables and chart: the enumerator key without "dm".
    // Empty for a value that is no mode.
    static QString modeName(int mode);

    QDateTime dateTime;
    DataMode mode = dmIR;
    bool testing = false;
};

class DMMDataIR : public DMMData
{
public:
    ValueBox res;
    ValueBox current;
    ValueBoxInt vSet;
    ValueBoxInt vOut;
    bool resGreater = false;
    ValueBox dar;
    ValueBox pi;
    quint16 time = 0;
};

class DMMDataTime : public DMMDataIR
{
public:
    quint16 testTime = 0;
    quint16 timeSet = 0;
};

class DMMDataPIDAR : public DMMDataTime
{
public:
    ValueBox res2;
    quint16 timeSet2 = 0;
    bool res2Greater = false;
    ValueBox ratio;
};

class DMMDataPI : public DMMDataPIDAR
{
};

class DMMDataDAR : public DMMDataPIDAR
{
};

class DMMDataCOMP : public DMMDataIR
{
public:
    ValueBoxInt resComp;
    quint8 result = 0;
};

class DMMDataCAP : public DMMData
{
public:
    ValueBox cap;
    ValueBoxInt vSet;
    bool capGreater = false;
    bool low = false;
};

class DMMDataVOLT : public DMMData
{
public:
    ValueBox volt;
    QString acdc;
    quint8 negative = 0;
    bool low = false;
    bool over = false;
};

class DMMDataRES : public DMMData
{
public:
    ValueBox res;
    bool resGreater = false;
};

Q_DECLARE_METATYPE(QSharedPointer<DMMData>)
