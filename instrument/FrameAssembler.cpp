#include "instrument/FrameAssembler.h"

#include "instrument/Utils.h"

#include <QDebug>

namespace {

const QByteArray header("\xAB\xCD", 2);

quint16 readU16(const QByteArray& bytes, int offset)
{
    return quint16((quint8(bytes[offset]) << 8) | quint8(bytes[offset + 1]));
}

} // namespace

FrameAssembler::FrameAssembler(QObject* parent) : QObject(parent) {}

void FrameAssembler::feed(const uint8_t* data, uint len)
{
    if (data && len > 0)
        m_recvBuffer.append(reinterpret_cast<const char*>(data), int(len));
    while (getOneFrameData())
        dispatch(m_frame);
}

bool FrameAssembler::getOneFrameData()
{
    for (;;) {
        const int start = m_recvBuffer.indexOf(header);
        if (start < 0) {
            dropBytesWithoutHeader();
            return false;
        }
        if (start > 0)
            m_recvBuffer.remove(0, start);
        if (m_recvBuffer.size() <= 3)
            return false;

        const int total = int(readU16(m_recvBuffer, 2)) + 4;
        if (total > MaxFrameLength) {
            m_recvBuffer.remove(0, 2);
            continue;
        }
        if (m_recvBuffer.size() < total)
            return false;

        const quint16 computed = quint16(Utils::getCheckSum(m_recvBuffer.constData() + 4, total - 6));
        if (computed != readU16(m_recvBuffer, total - 2)) {
            // Only the header is known to be wrong; a real frame may start inside the rest.
            m_recvBuffer.remove(0, 2);
            continue;
        }
        m_frame = m_recvBuffer.left(total);
        m_recvBuffer.remove(0, total);
        return true;
    }
}

void FrameAssembler::dispatch(const QByteArray& frame)
{
    if (frame.size() <= 4)
        return;
    if (frame[4] == TypeLive) {
        emit liveFrame(frame);
    } else if (frame[4] == TypeStored) {
        qDebug() << "Stored Data: " << frame.toHex() << "--------------------------------";
        emit storedFrame(frame);
    }
}

void FrameAssembler::dropBytesWithoutHeader()
{
    // A trailing 0xAB may be the first half of a header still to come; nothing else can be.
    const bool keepLast = !m_recvBuffer.isEmpty() && m_recvBuffer.back() == HeaderFirst;
    m_recvBuffer = keepLast ? QByteArray(1, HeaderFirst) : QByteArray();
}
