#include "tools/sim/SimConfig.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace irmetersim {

namespace {

const char* variable(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// A whole number within [min, max], or nothing (with a warning) when the text is anything else.
std::optional<int> number(const char* name, int min, int max)
{
    const char* text = variable(name);
    if (!text)
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < min || value > max) {
        std::fprintf(stderr, "irmeter-sim: ignoring %s=%s (expected a whole number from %d to %d)\n", name,
                     text, min, max);
        return std::nullopt;
    }
    return int(value);
}

bool flag(const char* name, bool fallback)
{
    const std::optional<int> value = number(name, 0, 1);
    return value ? *value == 1 : fallback;
}

} // namespace

SimConfig SimConfig::fromEnvironment()
{
    SimConfig config;
    if (const char* path = variable("IRMETER_SIM_STREAM"))
        config.streamPath = path;
    config.reportMs = number("IRMETER_SIM_REPORT_MS", 0, 3600 * 1000).value_or(DefaultReportMs);
    config.loop = flag("IRMETER_SIM_LOOP", true);
    config.devices = number("IRMETER_SIM_DEVICES", 0, MaxDevices).value_or(1);
    config.openFail = flag("IRMETER_SIM_OPEN_FAIL", false);
    config.unplugAfterMs = number("IRMETER_SIM_UNPLUG_AFTER_MS", 0, 24 * 3600 * 1000);
    return config;
}

} // namespace irmetersim
