#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Builds instrument frames for tests: header, length, type, payload and checksum computed here,
// so a test states its fields instead of pasting hexadecimal.
class Payload
{
public:
    Payload& u8(quint8 v)
    {
        m_bytes.append(char(v));
        return *this;
    }
    Payload& s16(qint16 v) { return be(quint16(v)); }
    Payload& s32(qint32 v) { return be(quint32(v)); }
    Payload& f32(float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, sizeof bits);
        return be(bits);
    }
    Payload& time16(quint8 minutes, quint8 seconds) { return u8(minutes).u8(seconds); }
    Payload& zeros(int count)
    {
        m_bytes.append(QByteArray(count, '\0'));
        return *this;
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    template <typename T> Payload& be(T v)
    {
        char raw[sizeof(T)];
        qToBigEndian(v, raw);
        m_bytes.append(raw, int(sizeof(T)));
        return *this;
    }
    QByteArray m_bytes;
};

// AB CD, L = type + payload + checksum, type, payload, 16-bit sum of type and payload.
inline QByteArray makeFrame(quint8 type, const QByteArray& payload)
{
    const quint16 length = quint16(1 + payload.size() + 2);
    QByteArray frame("\xAB\xCD", 2);
    frame.append(char(length >> 8)).append(char(length & 0xFF));
    frame.append(char(type)).append(payload);
    quint16 sum = type;
    for (char c : payload)
        sum = quint16(sum + quint8(c));
    frame.append(char(sum >> 8)).append(char(sum & 0xFF));
    return frame;
}

inline QByteArray liveFrame(const Payload& payload)
{
    return makeFrame(2, payload.bytes());
}

inline QByteArray storedFrame(const Payload& payload)
{
    return makeFrame(3, payload.bytes());
}
