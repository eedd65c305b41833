#pragma once

#include <QByteArray>
#include <QObject>

// Cuts the instrument's byte stream into checksum-verified frames and dispatches them by type.
//
// Frame: AB CD, length L (big-endian, counts type, payload and checksum), type, payload,
// 16-bit sum of type and payload. A header that fails its checksum, or declares more than
// MaxFrameLength bytes, is taken as false and only its two bytes are dropped, so no valid
// frame behind it is lost or delayed.
class FrameAssembler : public QObject
{
    Q_OBJECT
public:
    // The longest frame the instrument sends is 42 bytes; anything far beyond is a false header.
    static constexpr int MaxFrameLength = 1024;
    static constexpr char HeaderFirst = char(0xAB);
    static constexpr char HeaderSecond = char(0xCD);
    static constexpr char TypeLive = 2;
    static constexpr char TypeStored = 3;

    explicit FrameAssembler(QObject* parent = nullptr);

    // Appends the bytes and dispatches every frame they complete, in order.
    void feed(const uint8_t* data, uint len);

    // Tries to cut one verified frame from the front of the buffer into frame().
    bool getOneFrameData();

    const QByteArray& frame() const { return m_frame; }
    const QByteArray& buffer() const { return m_recvBuffer; }

signals:
    void liveFrame(const QByteArray& frame);
    void storedFrame(const QByteArray& frame);

private:
    void dispatch(const QByteArray& frame);
    void dropBytesWithoutHeader();

    QByteArray m_recvBuffer;
    QByteArray m_frame;
};
