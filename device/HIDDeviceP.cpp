#include "device/HIDDeviceP.h"

#include <QDebug>
#include <QThread>

#include <hidapi/hidapi.h>

namespace {

QString errorText(hid_device* handle)
{
    const wchar_t* text = hid_error(handle);
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

HIDDeviceP::HIDDeviceP(QObject* parent) : QObject(parent), m_ctrl(std::make_unique<CommandCtrl>())
{
    qRegisterMetaType<HIDReport>("HIDReport");
    if (hid_init() != 0)
        qDebug() << "HIDDeviceP" << errorText(nullptr);
    m_ctrl->setInterval(10);
    connect(m_ctrl.get(), &CommandCtrl::nextCommand, this, &HIDDeviceP::nextCommand);
    connect(m_ctrl.get(), &CommandCtrl::communicationTimeout, this, &HIDDeviceP::communicationTimeout);
}

HIDDeviceP::~HIDDeviceP()
{
    m_ctrl.reset();
    if (hid_device* handle = m_handle.exchange(nullptr))
        hid_close(handle);
    hid_exit();
}

QList<HIDDevInfo> HIDDeviceP::enumerate(unsigned short vendorId, unsigned short productId)
{
    QList<HIDDevInfo> devices;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* info = list; info; info = info->next)
        devices.append(HIDDevInfo::fromHidapi(*info));
    hid_free_enumeration(list);
    return devices;
}

QByteArray HIDDeviceP::payloadOf(const unsigned char* report, int bytesRead)
{
    if (!report || bytesRead <= 1)
        return QByteArray();
    const int count = qMin(int(report[0]), bytesRead - 1);
    return QByteArray(reinterpret_cast<const char*>(report + 1), count);
}

bool HIDDeviceP::open(const QString& path)
{
    if (m_opened)
        return false;
    return startWith(hid_open_path(path.toLatin1().constData()));
}

bool HIDDeviceP::open(unsigned short vendorId, unsigned short productId)
{
    if (m_opened)
        return false;
    return startWith(hid_open(vendorId, productId, nullptr));
}

bool HIDDeviceP::startWith(hid_device* handle)
{
    if (!handle)
        return false;
    hid_set_nonblocking(handle, 1);
    if (!m_ctrl->start()) {
        hid_close(handle);
        return false;
    }
    m_handle = handle;
    m_opened = true;
    m_reading = true;
    return true;
}

void HIDDeviceP::close()
{
    if (!m_opened)
        return;
    m_ctrl->stop();
    m_opened = false;
    m_reading = false;
}

void HIDDeviceP::doRead()
{
    int failures = 0;
    while (m_reading) {
        hid_device* handle = m_handle;
        const int bytesRead = hid_read_timeout(handle, m_buffer, ReportSize, ReadTimeoutMs);
        if (bytesRead > 0) {
            failures = 0;
            emit readyRead(HIDReport{payloadOf(m_buffer, bytesRead)});
        } else if (bytesRead < 0) {
            // Logged once per run of failures: an unplugged device fails every attempt.
            if (failures++ == 0)
                qDebug() << "doRead" << errorText(handle);
            if (failures >= MaxConsecutiveReadFailures) {
                m_reading = false;
                emit readFailed();
                break;
            }
        }
        QThread::msleep(ReadPauseMs);
    }
    if (hid_device* handle = m_handle.exchange(nullptr))
        hid_close(handle);
    qDebug() << "doRead" << bool(m_reading);
    emit readStopped();
    m_readLoopsEnded.fetch_add(1, std::memory_order_release);
}

void HIDDeviceP::communicationTimeout()
{
    qDebug() << "communicationTimeout";
}

void HIDDeviceP::nextCommand(QSharedPointer<Command> cmd)
{
    hid_device* handle = m_handle;
    const QByteArray content = cmd->content();
    if (handle && hid_write(handle, reinterpret_cast<const unsigned char*>(content.constData()),
                            size_t(content.size())) == -1)
        qDebug() << "nextCommand" << errorText(handle);
    if (!cmd->needResponse())
        m_ctrl->response(Pump::rrOk);
}
