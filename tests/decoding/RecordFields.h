#pragma once

#include "instrument/DMMData.h"

#include <QDateTime>
#include <QMap>
#include <QTest>

// A decoded record flattened to field name -> shown text, so a table row can state what it expects.
// Boxes read "text|unit" (blanks of the minimum width stay visible), their numbers "<name>.value".
using Fields = QMap<QString, QString>;

namespace recordfields {

inline QString flag(bool set)
{
    return set ? QStringLiteral("true") : QStringLiteral("false");
}

inline void addBox(Fields& out, const QString& name, const ValueBox& box)
{
    out[name] = box.text + QLatin1Char('|') + box.unit;
    out[name + QLatin1String(".value")] = QString::number(box.value, 'g', 12);
}

inline void addBox(Fields& out, const QString& name, const ValueBoxInt& box)
{
    out[name] = box.text + QLatin1Char('|') + box.unit;
    out[name + QLatin1String(".value")] = QString::number(box.value);
}

inline void addTime(Fields& out, const QString& name, quint16 time)
{
    out[name] = TimeBox::convertString(time);
}

// The record's class, found by the object itself rather than by its mode.
inline QString className(const DMMData& r)
{
    if (dynamic_cast<const DMMDataPI*>(&r))
        return QStringLiteral("PI");
    if (dynamic_cast<const DMMDataDAR*>(&r))
        return QStringLiteral("DAR");
    if (dynamic_cast<const DMMDataTime*>(&r))
        return QStringLiteral("Time");
    if (dynamic_cast<const DMMDataCOMP*>(&r))
        return QStringLiteral("COMP");
    if (dynamic_cast<const DMMDataIR*>(&r))
        return QStringLiteral("IR");
    if (dynamic_cast<const DMMDataCAP*>(&r))
        return QStringLiteral("CAP");
    if (dynamic_cast<const DMMDataVOLT*>(&r))
        return QStringLiteral("VOLT");
    if (dynamic_cast<const DMMDataRES*>(&r))
        return QStringLiteral("RES");
    return QStringLiteral("?");
}

inline Fields describe(const DMMData& r)
{
    Fields out;
    out["class"] = className(r);
    out["mode"] = QString::number(r.mode);
    out["testing"] = flag(r.testing);
    if (auto ir = dynamic_cast<const DMMDataIR*>(&r)) {
        addBox(out, "current", ir->current);
        addBox(out, "vSet", ir->vSet);
        addBox(out, "vOut", ir->vOut);
        addBox(out, "res", ir->res);
        out["resGreater"] = flag(ir->resGreater);
        addBox(out, "dar", ir->dar);
        addBox(out, "pi", ir->pi);
        addTime(out, "time", ir->time);
    }
    if (auto t = dynamic_cast<const DMMDataTime*>(&r)) {
        addTime(out, "testTime", t->testTime);
        addTime(out, "timeSet", t->timeSet);
    }
    if (auto p = dynamic_cast<const DMMDataPIDAR*>(&r)) {
        addBox(out, "res2", p->res2);
        addTime(out, "timeSet2", p->timeSet2);
        out["res2Greater"] = flag(p->res2Greater);
        addBox(out, "ratio", p->ratio);
    }
    if (auto c = dynamic_cast<const DMMDataCOMP*>(&r)) {
        addBox(out, "resComp", c->resComp);
        out["result"] = QString::number(c->result);
    }
    if (auto c = dynamic_cast<const DMMDataCAP*>(&r)) {
        addBox(out, "cap", c->cap);
        addBox(out, "vSet", c->vSet);
        out["capGreater"] = flag(c->capGreater);
        out["low"] = flag(c->low);
    }
    if (auto v = dynamic_cast<const DMMDataVOLT*>(&r)) {
        addBox(out, "volt", v->volt);
        out["acdc"] = v->acdc;
        out["negative"] = QString::number(v->negative);
        out["low"] = flag(v->low);
        out["over"] = flag(v->over);
    }
    if (auto s = dynamic_cast<const DMMDataRES*>(&r)) {
        addBox(out, "res", s->res);
        out["resGreater"] = flag(s->resGreater);
    }
    return out;
}

inline QString classOfMode(int mode)
{
    static const char* const names[] = {"IR", "Time", "PI", "DAR", "COMP", "CAP", "VOLT", "RES"};
    return QString::fromLatin1(names[mode]);
}

// Checks a decoded record against the fields a row names; `mode` must be the frame's mode byte.
inline void verifyRecord(const QSharedPointer<DMMData>& record, int mode, const Fields& expected,
                         const QDateTime& before)
{
    QVERIFY2(record, "the frame gave no record");
    const Fields actual = describe(*record);
    QCOMPARE(actual.value("class"), classOfMode(mode));
    QCOMPARE(actual.value("mode"), QString::number(mode));
    QVERIFY(record->dateTime.isValid());
    QVERIFY(record->dateTime >= before && record->dateTime <= QDateTime::currentDateTime());
    QCOMPARE(record->dateTime.timeSpec(), Qt::LocalTime);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(actual.contains(it.key()), qPrintable("no field " + it.key()));
        // The key goes into both sides so a failure names the field.
        const QString shown = it.key() + QLatin1Char('=') + actual.value(it.key());
        const QString wanted = it.key() + QLatin1Char('=') + it.value();
        QCOMPARE(shown, wanted);
    }
}

} // namespace recordfields
