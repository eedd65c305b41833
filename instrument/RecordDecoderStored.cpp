#include "instrument/RecordDecoder.h"

#include "instrument/DecodeSupport.h"

using namespace decoding;

// Stored records carry no set times and, except RES, no testing flag: those keep their defaults.
namespace {

void fillIR(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataIR&>(record);
    readIrHead(in, r);
    r.resGreater = in.isOne(20);
    r.dar = in.reading(21);
    r.pi = in.reading(25);
    r.time = in.time16(30);
}

void fillTime(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataTime&>(record);
    readIrHead(in, r);
    r.testTime = in.time16(20);
    r.resGreater = in.isOne(22);
}

void fillPIDAR(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataPIDAR&>(record);
    readCurrentAndVoltages(in, r);
    r.resGreater = in.isOne(15);
    r.res = in.reading(16, RecordDecoder::getResUnit(in.u8(20)));
    r.res2 = in.reading(21, RecordDecoder::getResUnit(in.u8(25)));
    r.ratio = in.reading(26);
    r.testTime = in.time16(31);
    r.res2Greater = in.isOne(33);
}

void fillCOMP(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataCOMP&>(record);
    readCurrentAndVoltages(in, r);
    r.resComp = in.whole32(15, RecordDecoder::getResUnit(in.u8(19)));
    r.res = in.reading(20, RecordDecoder::getResUnit(in.u8(24)));
    r.result = in.u8(25);
    r.resGreater = in.isOne(26);
}

void fillCAP(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataCAP&>(record);
    r.vSet = in.whole16(6, QStringLiteral("V"));
    r.cap = in.reading(10, QStringLiteral("μF"));
    applyCapStatus(in.u8(14), r);
}

void fillVOLT(const FieldReader& in, DMMData& record)
{
    auto& r = static_cast<DMMDataVOLT&>(record);
    readVolt(in, 6, r);
    applyVoltStatus(in.u8(10), r);
}

void fillRES(const FieldReader& in, DMMData& record)
{
    readRes(in, static_cast<DMMDataRES&>(record));
}

// Indexed by mode byte.
const Layout storedLayouts[DMMData::ModeCount] = {
    {create<DMMDataIR>, 31, fillIR},     {create<DMMDataTime>, 22, fillTime},
    {create<DMMDataPI>, 33, fillPIDAR},  {create<DMMDataDAR>, 33, fillPIDAR},
    {create<DMMDataCOMP>, 26, fillCOMP}, {create<DMMDataCAP>, 14, fillCAP},
    {create<DMMDataVOLT>, 10, fillVOLT}, {create<DMMDataRES>, 12, fillRES},
};

} // namespace

QSharedPointer<DMMData> RecordDecoder::decodeStored(const QByteArray& frame)
{
    return decodeWith(frame, storedLayouts);
}
