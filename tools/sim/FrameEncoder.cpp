#include "tools/sim/FrameEncoder.h"

#include <cstring>

namespace irmetersim {

PayloadWriter& PayloadWriter::u8(uint8_t v)
{
    m_bytes.push_back(v);
    return *this;
}

PayloadWriter& PayloadWriter::s16(int16_t v)
{
    return bigEndian(uint16_t(v), 2);
}

PayloadWriter& PayloadWriter::s32(int32_t v)
{
    return bigEndian(uint32_t(v), 4);
}

PayloadWriter& PayloadWriter::f32(float v)
{
    static_assert(sizeof(float) == 4, "IEEE single precision expected");
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bigEndian(bits, 4);
}

PayloadWriter& PayloadWriter::time16(uint16_t v)
{
    return bigEndian(v, 2);
}

PayloadWriter& PayloadWriter::zeros(int count)
{
    m_bytes.insert(m_bytes.end(), size_t(count), uint8_t(0));
    return *this;
}

PayloadWriter& PayloadWriter::bigEndian(uint32_t v, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        m_bytes.push_back(uint8_t(v >> shift));
    return *this;
}

Bytes encodeFrame(FrameType type, const Bytes& payload)
{
    const size_t length = payload.size() + 3;
    Bytes frame;
    frame.reserve(length + 4);
    for (uint8_t byte : {uint8_t(0xAB), uint8_t(0xCD), uint8_t(length >> 8), uint8_t(length), uint8_t(type)})
        frame.push_back(byte);
    for (uint8_t byte : payload)
        frame.push_back(byte);
    unsigned sum = 0;
    for (size_t i = 4; i < frame.size(); ++i)
        sum += frame[i];
    frame.push_back(uint8_t(sum >> 8));
    frame.push_back(uint8_t(sum));
    return frame;
}

uint16_t recordTime(int seconds)
{
    return uint16_t(((seconds / 60) << 8) | (seconds % 60));
}

} // namespace irmetersim
