// Feeds arbitrary bytes through frame reassembly and both record decoders, and straight into the
// decoders as if they were one frame. The sanitizers and a few invariants decide what is a finding.
#include "instrument/FrameAssembler.h"
#include "instrument/RecordDecoder.h"

#include <QtGlobal>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void discardMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

void render(ValueBox box)
{
    box.toString();
}

// Reads every field the way the tables and readouts will.
void render(const QSharedPointer<DMMData>& record, const QByteArray& frame)
{
    if (!record)
        return;
    // A record needs a mode byte below 8, and its mode is that byte.
    if (frame.size() < 6 || record->mode != quint8(frame.at(5)))
        __builtin_trap();

    switch (record->mode) {
    case DMMData::dmIR:
    case DMMData::dmTime:
    case DMMData::dmPI:
    case DMMData::dmDAR:
    case DMMData::dmCOMP: {
        const auto& ir = static_cast<const DMMDataIR&>(*record);
        render(ir.res);
        render(ir.current);
        render(ir.dar);
        render(ir.pi);
        ir.vSet.toString();
        ir.vOut.toString();
        TimeBox::convertString(ir.time);
        if (record->mode == DMMData::dmPI || record->mode == DMMData::dmDAR) {
            const auto& p = static_cast<const DMMDataPIDAR&>(*record);
            render(p.res2);
            render(p.ratio);
            TimeBox::convertString(p.testTime);
            TimeBox::convertString(p.timeSet2);
        } else if (record->mode == DMMData::dmCOMP) {
            static_cast<const DMMDataCOMP&>(*record).resComp.toString();
        }
        break;
    }
    case DMMData::dmCAP: {
        const auto& cap = static_cast<const DMMDataCAP&>(*record);
        render(cap.cap);
        cap.vSet.toString();
        break;
    }
    case DMMData::dmVOLT:
        render(static_cast<const DMMDataVOLT&>(*record).volt);
        break;
    case DMMData::dmRES:
        render(static_cast<const DMMDataRES&>(*record).res);
        break;
    default:
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every stored frame writes a debug line; printing them would only slow the search.
    qInstallMessageHandler(discardMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    render(RecordDecoder::decodeLive(bytes), bytes);
    render(RecordDecoder::decodeStored(bytes), bytes);

    FrameAssembler assembler;
    QObject::connect(&assembler, &FrameAssembler::liveFrame,
                     [](const QByteArray& frame) { render(RecordDecoder::decodeLive(frame), frame); });
    QObject::connect(&assembler, &FrameAssembler::storedFrame,
                     [](const QByteArray& frame) { render(RecordDecoder::decodeStored(frame), frame); });

    // Reports carry at most 63 bytes; the first byte picks where the stream is cut.
    const size_t chunk = size > 0 ? data[0] % 63 + 1 : 1;
    for (size_t pos = 0; pos < size; pos += chunk)
        assembler.feed(data + pos, uint(std::min(chunk, size - pos)));
    return 0;
}
