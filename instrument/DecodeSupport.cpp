#include "instrument/DecodeSupport.h"

#include "instrument/RecordDecoder.h"

#include <QDateTime>

#include <cmath>
#include <cstring>

namespace decoding {

namespace {

const QString volts = QStringLiteral("V");

ValueBox displayed(double v, const QString& unit)
{
    if (!std::isfinite(v))
        return ValueBox{QStringLiteral("-"), v, unit};
    int width = 0;
    int precision = 0;
    RecordDecoder::getDoubleParam(v, width, precision);
    const double cut = RecordDecoder::getCutValue(v, precision);
    return ValueBox{QStringLiteral("%1").arg(cut, width, 'f', precision, QLatin1Char(' ')), cut, unit};
}

} // namespace

quint8 FieldReader::u8(int pos) const
{
    return pos >= 0 && pos < m_frame.size() ? quint8(m_frame.at(pos)) : 0;
}

quint16 FieldReader::u16(int pos) const
{
    return quint16((u8(pos) << 8) | u8(pos + 1));
}

quint32 FieldReader::u32(int pos) const
{
    return (quint32(u16(pos)) << 16) | u16(pos + 2);
}

qint16 FieldReader::s16(int pos) const
{
    return qint16(u16(pos));
}

qint32 FieldReader::s32(int pos) const
{
    return qint32(u32(pos));
}

float FieldReader::f32(int pos) const
{
    const quint32 bits = u32(pos);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

ValueBox FieldReader::reading(int pos, const QString& unit) const
{
    return displayed(double(f32(pos)), unit);
}

ValueBoxInt FieldReader::whole16(int pos, const QString& unit) const
{
    const qint16 v = s16(pos);
    return ValueBoxInt{QString::number(v), v, unit};
}

ValueBoxInt FieldReader::whole32(int pos, const QString& unit) const
{
    const qint32 v = s32(pos);
    return ValueBoxInt{QString::number(v), v, unit};
}

QSharedPointer<DMMData> decodeWith(const QByteArray& frame, const Layout (&layouts)[DMMData::ModeCount])
{
    if (frame.size() <= ModeByte)
        return {};
    const int mode = quint8(frame.at(ModeByte));
    if (mode >= DMMData::ModeCount)
        return {};
    const Layout& layout = layouts[mode];
    // The checksum closes the frame; the layout's last byte must lie before it.
    if (frame.size() < layout.lastByte + 1 + ChecksumSize)
        return {};

    QSharedPointer<DMMData> record = layout.create();
    record->dateTime = QDateTime::currentDateTime();
    record->mode = DMMData::DataMode(mode);
    layout.fill(FieldReader(frame), *record);
    return record;
}

void readCurrentAndVoltages(const FieldReader& in, DMMDataIR& record)
{
    record.current = in.reading(6, RecordDecoder::getCurrUnit(in.u8(10)));
    record.vSet = in.whole16(11, volts);
    record.vOut = in.whole16(13, volts);
}

void readIrHead(const FieldReader& in, DMMDataIR& record)
{
    readCurrentAndVoltages(in, record);
    record.res = in.reading(15, RecordDecoder::getResUnit(in.u8(19)));
}

void readVolt(const FieldReader& in, int pos, DMMDataVOLT& record)
{
    const double raw = in.s16(pos);
    record.acdc = in.nonZero(pos + 2) ? QStringLiteral("DC") : QStringLiteral("AC");
    record.negative = in.u8(pos + 3);
    // The instrument sends the magnitude and the sign apart; the sign counts only on DC.
    const bool negate = record.negative != 0 && record.acdc == QLatin1String("DC");
    const double value = negate ? -raw : raw;
    record.volt = ValueBox{QString::number(value, 'g', 6), value, volts};
}

void applyCapStatus(quint8 status, DMMDataCAP& record)
{
    if (status == 2) {
        record.capGreater = true;
    } else if (status == 1) {
        record.low = true;
        record.cap.text = QStringLiteral("LO");
    }
}

void applyVoltStatus(quint8 status, DMMDataVOLT& record)
{
    if (status == 1) {
        record.low = true;
        record.volt.text = QStringLiteral("LO");
    } else if (status == 2) {
        record.over = true;
        record.volt.text = QStringLiteral("OL");
    }
}

void readRes(const FieldReader& in, DMMDataRES& record)
{
    record.res = in.reading(6, QStringLiteral("Ω"));
    record.resGreater = in.isOne(10);
    record.testing = in.isOne(11);
    switch (in.u8(12)) {
    case 1:
        record.res.text = QStringLiteral("----");
        break;
    case 2:
        record.res.text = QStringLiteral("OL");
        break;
    case 3:
        record.res.text = QStringLiteral("LO");
        break;
    default:
        break;
    }
}

} // namespace decoding
