#pragma once

#include "tools/sim/FrameEncoder.h"
#include "tools/sim/SimConfig.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace irmetersim {

// One opened simulated instrument: plays its reports at the configured pace. Like a hidapi device
// handle it is used by one thread at a time.
class SimDevice
{
public:
    using Clock = std::chrono::steady_clock;
    using Reports = std::shared_ptr<const std::vector<Bytes>>;

    SimDevice(Reports reports, const SimConfig& config);

    // hidapi's contract: bytes copied (a whole 64-byte report, or `length` if less), 0 when no
    // report came within `milliseconds` (negative: wait without limit), -1 after an unplug.
    int read(unsigned char* data, size_t length, int milliseconds);
    int write(size_t length);

    void setNonBlocking(bool nonBlocking) { m_nonBlocking = nonBlocking; }
    bool nonBlocking() const { return m_nonBlocking; }

    // Empty when the last call succeeded.
    const std::wstring& error() const { return m_error; }

private:
    bool unplugged(Clock::time_point now) const { return m_unplugAt && now >= *m_unplugAt; }
    bool exhausted() const;
    int deliver(unsigned char* data, size_t length, Clock::time_point now);

    Reports m_reports;
    size_t m_next = 0;
    std::chrono::milliseconds m_pace;
    bool m_loop;
    Clock::time_point m_due;
    std::optional<Clock::time_point> m_unplugAt;
    bool m_nonBlocking = false;
    std::wstring m_error;
};

} // namespace irmetersim
