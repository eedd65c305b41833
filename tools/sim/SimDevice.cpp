#include "tools/sim/SimDevice.h"

#include "tools/sim/StreamFile.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace irmetersim {

SimDevice::SimDevice(Reports reports, const SimConfig& config)
    : m_reports(std::move(reports)), m_pace(config.reportMs), m_loop(config.loop), m_due(Clock::now())
{
    if (config.unplugAfterMs)
        m_unplugAt = m_due + std::chrono::milliseconds(*config.unplugAfterMs);
}

int SimDevice::read(unsigned char* data, size_t length, int milliseconds)
{
    m_error.clear();
    Clock::time_point now = Clock::now();
    const Clock::time_point deadline =
        milliseconds < 0 ? Clock::time_point::max() : now + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (unplugged(now)) {
            m_error = L"hid_read_timeout: device disconnected";
            return -1;
        }
        if (!exhausted() && now >= m_due)
            return deliver(data, length, now);
        if (now >= deadline)
            return 0;
        Clock::time_point wake = deadline;
        if (!exhausted())
            wake = std::min(wake, m_due);
        if (m_unplugAt)
            wake = std::min(wake, *m_unplugAt);
        std::this_thread::sleep_until(wake);
        now = Clock::now();
    }
}

int SimDevice::write(size_t length)
{
    m_error.clear();
    if (unplugged(Clock::now())) {
        m_error = L"hid_write: device disconnected";
        return -1;
    }
    // The instrument takes no commands; what it is sent is accepted and forgotten.
    return int(length);
}

bool SimDevice::exhausted() const
{
    return m_reports->empty() || (!m_loop && m_next >= m_reports->size());
}

int SimDevice::deliver(unsigned char* data, size_t length, Clock::time_point now)
{
    if (m_next >= m_reports->size())
        m_next = 0;
    const Bytes& payload = (*m_reports)[m_next++];
    unsigned char report[ReportSize] = {};
    const size_t count = std::min(payload.size(), MaxReportPayload);
    report[0] = uint8_t(count);
    std::copy_n(payload.begin(), count, report + 1);
    const size_t copied = std::min(length, ReportSize);
    if (data && copied > 0)
        std::memcpy(data, report, copied);
    m_due = now + m_pace;
    return int(copied);
}

} // namespace irmetersim
