#include "device/HIDDevice.h"

#include "device/HIDDeviceP.h"

HIDDevice::HIDDevice(QObject* parent)
    : QObject(parent), m_thread(std::make_unique<QThread>()), m_worker(std::make_unique<HIDDeviceP>())
{
    m_thread->setObjectName(QStringLiteral("HIDReader"));
    connect(this, &HIDDevice::startRead, m_worker.get(), &HIDDeviceP::doRead);
    connect(m_worker.get(), &HIDDeviceP::readyRead, this,
            [this](const HIDReport& report) { emit readyRead(report.payload); });
    connect(m_worker.get(), &HIDDeviceP::readFailed, this, &HIDDevice::onReadFailed);
    // The loop ends its thread itself, so a close that comes before the loop has begun cannot
    // leave a read request queued in a thread that already quit.
    connect(m_worker.get(), &HIDDeviceP::readStopped, m_thread.get(), &QThread::quit, Qt::DirectConnection);
    m_worker->moveToThread(m_thread.get());
}

HIDDevice::~HIDDevice()
{
    close();
}

QList<HIDDevInfo> HIDDevice::enumerate(unsigned short vendorId, unsigned short productId)
{
    return HIDDeviceP::enumerate(vendorId, productId);
}

bool HIDDevice::open(const QString& path)
{
    return !m_worker->isOpened() && startReading(m_worker->open(path));
}

bool HIDDevice::open(unsigned short vendorId, unsigned short productId)
{
    return !m_worker->isOpened() && startReading(m_worker->open(vendorId, productId));
}

bool HIDDevice::isOpen() const
{
    return m_worker->isOpened();
}

bool HIDDevice::startReading(bool workerOpened)
{
    if (!workerOpened)
        return false;
    m_thread->start();
    emit startRead();
    emit opened();
    return true;
}

void HIDDevice::close()
{
    m_worker->close();
    m_thread->wait();
    m_worker->acknowledgeReadEnd();
    emit closed();
}

// A failure reported by a read loop that has since been closed (and perhaps reopened) is stale.
void HIDDevice::onReadFailed()
{
    if (m_worker->isOpened() && !m_worker->isReading())
        emit disconnected();
}
