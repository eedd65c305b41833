#pragma once

#include <cstdint>
#include <vector>

namespace irmetersim {

using Bytes = std::vector<uint8_t>;

// Builds a frame payload field by field; every multi-byte field goes most significant byte first.
class PayloadWriter
{
public:
    PayloadWriter& u8(uint8_t v);
    PayloadWriter& flag(bool v) { return u8(v ? 1 : 0); }
    PayloadWriter& s16(int16_t v);
    PayloadWriter& s32(int32_t v);
    PayloadWriter& f32(float v);
    // A record time: minutes in the high byte, seconds in the low byte.
    PayloadWriter& time16(uint16_t v);
    PayloadWriter& zeros(int count);

    const Bytes& bytes() const { return m_bytes; }

private:
    PayloadWriter& bigEndian(uint32_t v, int width);

    Bytes m_bytes;
};

enum class FrameType : uint8_t { Live = 2, Stored = 3 };

// AB CD, length (type + payload + checksum), type, payload, 16-bit sum of type and payload.
Bytes encodeFrame(FrameType type, const Bytes& payload);

// Seconds as a record time (minutes high byte, seconds low byte).
uint16_t recordTime(int seconds);

} // namespace irmetersim
