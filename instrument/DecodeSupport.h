#pragma once

#include "instrument/DMMData.h"

#include <QByteArray>
#include <QSharedPointer>

// Shared by the live and the stored decoder: field access at fixed byte positions and the
// dispatch by mode byte. Positions count from the frame's first header byte.
namespace decoding {

constexpr int ModeByte = 5;
constexpr int ChecksumSize = 2;

// Reads big-endian fields of one frame. The decoders check the frame's length against their
// layout first; a position beyond the frame still reads as 0, never past the end.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray& frame) : m_frame(frame) {}

    quint8 u8(int pos) const;
    qint16 s16(int pos) const;
    qint32 s32(int pos) const;
    float f32(int pos) const;
    quint16 time16(int pos) const { return quint16(u16(pos)); }
    bool nonZero(int pos) const { return u8(pos) != 0; }
    bool isOne(int pos) const { return u8(pos) == 1; }

    // An f32 reading with its display text (display rule) and the given unit.
    ValueBox reading(int pos, const QString& unit = QString()) const;
    ValueBoxInt whole16(int pos, const QString& unit) const;
    ValueBoxInt whole32(int pos, const QString& unit) const;

private:
    quint16 u16(int pos) const;
    quint32 u32(int pos) const;

    const QByteArray& m_frame;
};

using LayoutDecoder = void (*)(const FieldReader& in, DMMData& record);

// One payload layout: the record class it makes, the last byte it reads and how it fills the record.
struct Layout
{
    QSharedPointer<DMMData> (*create)();
    int lastByte;
    LayoutDecoder fill;
};

template <typename Record> QSharedPointer<DMMData> create()
{
    return QSharedPointer<Record>::create();
}

// The record of the frame's mode, or null for a mode above 7 or a frame too short for its layout.
QSharedPointer<DMMData> decodeWith(const QByteArray& frame, const Layout (&layouts)[DMMData::ModeCount]);

// Bytes 6-14, common to the IR-family layouts: current with its unit, set and output voltage.
void readCurrentAndVoltages(const FieldReader& in, DMMDataIR& record);
// Bytes 6-19: as above, then the resistance with its unit.
void readIrHead(const FieldReader& in, DMMDataIR& record);
// A VOLT reading: the s16 at `pos`, the AC/DC byte and sign byte after it.
void readVolt(const FieldReader& in, int pos, DMMDataVOLT& record);
// The CAP status byte: 2 over range, 1 under range ("LO").
void applyCapStatus(quint8 status, DMMDataCAP& record);
// The VOLT status byte: 1 under range ("LO"), 2 over range ("OL").
void applyVoltStatus(quint8 status, DMMDataVOLT& record);
// The RES fields, the same in live and stored frames: reading, over-range, testing and the
// status byte (1 "----", 2 "OL", 3 "LO"; others keep the number).
void readRes(const FieldReader& in, DMMDataRES& record);

} // namespace decoding
