#pragma once

#include <optional>
#include <string>

namespace irmetersim {

// How the simulated instrument behaves, from its IRMETER_SIM_* environment variables. Read anew at
// hid_init, hid_enumerate and hid_open*, so a test can change them between two opens.
struct SimConfig
{
    // Two readings a second, the pace of the real instrument.
    static constexpr int DefaultReportMs = 500;
    static constexpr int MaxDevices = 16;

    std::optional<std::string> streamPath; // none: the built-in session
    int reportMs = DefaultReportMs;
    bool loop = true;
    int devices = 1;
    bool openFail = false;
    std::optional<int> unplugAfterMs;

    // Values that do not parse are reported on stderr and replaced by their default.
    static SimConfig fromEnvironment();
};

} // namespace irmetersim
