#include "tools/sim/ModeFrames.h"

namespace irmetersim {

namespace {

PayloadWriter start(Mode mode)
{
    PayloadWriter w;
    w.u8(uint8_t(mode));
    return w;
}

// Current, its unit and both voltages: the block every insulation frame opens with.
PayloadWriter& currentAndVoltages(PayloadWriter& w, const Insulation& ins)
{
    return w.f32(ins.current.value).u8(ins.current.unit).s16(ins.vSet).s16(ins.vOut);
}

PayloadWriter& resistance(PayloadWriter& w, const Scaled& res)
{
    return w.f32(res.value).u8(res.unit);
}

Bytes live(const PayloadWriter& w)
{
    return encodeFrame(FrameType::Live, w.bytes());
}

Bytes stored(const PayloadWriter& w)
{
    return encodeFrame(FrameType::Stored, w.bytes());
}

} // namespace

Bytes liveFrame(const IrReading& r)
{
    PayloadWriter w = start(Mode::IR);
    resistance(currentAndVoltages(w, r.ins), r.ins.res);
    w.zeros(2).flag(r.ins.testing).flag(r.ins.resGreater).f32(r.dar).f32(r.pi).zeros(1).time16(r.time);
    return live(w);
}

Bytes liveFrame(const TimedReading& r)
{
    PayloadWriter w = start(Mode::Time);
    resistance(currentAndVoltages(w, r.ins), r.ins.res);
    w.time16(r.testTime).zeros(2).flag(r.ins.testing).flag(r.ins.resGreater).time16(r.timeSet);
    return live(w);
}

Bytes liveFrame(const RatioReading& r)
{
    PayloadWriter w = start(r.mode);
    resistance(currentAndVoltages(w, r.ins), r.ins.res);
    resistance(w, r.res2).f32(r.ratio).time16(r.testTime).zeros(2);
    w.flag(r.ins.testing).flag(r.ins.resGreater).time16(r.timeSet).time16(r.timeSet2).flag(r.res2Greater);
    return live(w);
}

Bytes liveFrame(const CompReading& r)
{
    PayloadWriter w = start(Mode::COMP);
    currentAndVoltages(w, r.ins).s32(r.resComp).u8(r.resCompUnit);
    resistance(w, r.ins.res).u8(r.result).zeros(2).flag(r.ins.testing).flag(r.ins.resGreater);
    return live(w);
}

Bytes liveFrame(const CapReading& r)
{
    PayloadWriter w = start(Mode::CAP);
    w.f32(r.cap).s16(r.vSet).zeros(2).flag(r.testing).u8(uint8_t(r.range));
    return live(w);
}

Bytes liveFrame(const VoltReading& r)
{
    PayloadWriter w = start(Mode::VOLT);
    w.s16(r.volt).flag(r.dc).flag(r.negative).zeros(2).u8(uint8_t(r.range));
    return live(w);
}

Bytes liveFrame(const ResReading& r)
{
    PayloadWriter w = start(Mode::RES);
    w.f32(r.ohms).flag(r.resGreater).flag(r.testing).u8(uint8_t(r.display)).zeros(1).zeros(2);
    return live(w);
}

Bytes storedFrame(const IrReading& r)
{
    PayloadWriter w = start(Mode::IR);
    resistance(currentAndVoltages(w, r.ins), r.ins.res);
    w.flag(r.ins.resGreater).f32(r.dar).f32(r.pi).zeros(1).time16(r.time);
    return stored(w);
}

Bytes storedFrame(const TimedReading& r)
{
    PayloadWriter w = start(Mode::Time);
    resistance(currentAndVoltages(w, r.ins), r.ins.res);
    w.time16(r.testTime).flag(r.ins.resGreater);
    return stored(w);
}

Bytes storedFrame(const RatioReading& r)
{
    PayloadWriter w = start(r.mode);
    currentAndVoltages(w, r.ins).flag(r.ins.resGreater);
    resistance(w, r.ins.res);
    resistance(w, r.res2).f32(r.ratio).zeros(1).time16(r.testTime).flag(r.res2Greater);
    return stored(w);
}

Bytes storedFrame(const CompReading& r)
{
    PayloadWriter w = start(Mode::COMP);
    currentAndVoltages(w, r.ins).s32(r.resComp).u8(r.resCompUnit);
    resistance(w, r.ins.res).u8(r.result).flag(r.ins.resGreater);
    return stored(w);
}

Bytes storedFrame(const CapReading& r)
{
    PayloadWriter w = start(Mode::CAP);
    w.s16(r.vSet).zeros(2).f32(r.cap).u8(uint8_t(r.range));
    return stored(w);
}

Bytes storedFrame(const VoltReading& r)
{
    PayloadWriter w = start(Mode::VOLT);
    w.s16(r.volt).flag(r.dc).flag(r.negative).u8(uint8_t(r.range));
    return stored(w);
}

Bytes storedFrame(const ResReading& r)
{
    PayloadWriter w = start(Mode::RES);
    w.f32(r.ohms).flag(r.resGreater).flag(r.testing).u8(uint8_t(r.display));
    return stored(w);
}

} // namespace irmetersim
