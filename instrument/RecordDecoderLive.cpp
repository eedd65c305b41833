#include "instrument/RecordDecoder.h"

#include "instrument/DecodeSupport.h"

using namespace decoding;

namespace {

void fillIR(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataIR&>(record);
    readIrHead(in, r);
    r.testing = in.nonZero(22);
    r.resGreater = in.isOne(23);
    r.dar = in.reading(24);
    r.pi = in.reading(28);
    r.time = in.time16(33);
}

void fillTime(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataTime&>(record);
    readIrHead(in, r);
    r.testTime = in.time16(20);
    r.testing = in.nonZero(24);
    r.resGreater = in.isOne(25);
    r.timeSet = in.time16(26);
}

void fillPIDAR(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataPIDAR&>(record);
    readIrHead(in, r);
    r.res2 = in.reading(20, RecordDecoder::getResUnit(in.u8(24)));
    r.ratio = in.reading(25);
    r.testTime = in.time16(29);
    r.testing = in.nonZero(33);
    r.resGreater = in.isOne(34);
    r.timeSet = in.time16(35);
    r.timeSet2 = in.time16(37);
    r.res2Greater = in.isOne(39);
}

void fillCOMP(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataCOMP&>(record);
    readCurrentAndVoltages(in, r);
    r.resComp = in.whole32(15, RecordDecoder::getResUnit(in.u8(19)));
    r.res = in.reading(20, RecordDecoder::getResUnit(in.u8(24)));
    r.result = in.u8(25);
    r.testing = in.nonZero(28);
    r.resGreater = in.isOne(29);
}

void fillCAP(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataCAP&>(record);
    r.cap = in.reading(6, QStringLiteral("μF"));
    r.vSet = in.whole16(10, QStringLiteral("V"));
    r.testing = in.nonZero(14);
    applyCapStatus(in.u8(15), r);
}

void fillVOLT(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataVOLT&>(record);
    readVolt(in, 6, r);
    applyVoltStatus(in.u8(12), r);
    r.testing = true;
}

void fillRES(const FieldReader& in, DMMData& record)
{
    readRes(in, static_cast<DMMDataRES&>(record));
}

// Indexed by mode byte. Bytes past a layout's last field (RES 13-15) are part of it all the same.
const Layout liveLayouts[DMMData::ModeCount] = {
    {create<DMMDataIR>, 34, fillIR},     {create<DMMDataTime>, 27, fillTime},
    {create<DMMDataPI>, 39, fillPIDAR},  {create<DMMDataDAR>, 39, fillPIDAR},
    {create<DMMDataCOMP>, 29, fillCOMP}, {create<DMMDataCAP>, 15, fillCAP},
    {create<DMMDataVOLT>, 12, fillVOLT}, {create<DMMDataRES>, 15, fillRES},
};

} // namespace

QSharedPointer<DMMData> RecordDecoder::decodeLive(const QByteArray& frame)
{
    return decodeWith(frame, liveLayouts);
}
