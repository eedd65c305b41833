#pragma once

#include "tools/sim/FrameEncoder.h"
#include "tools/sim/SimExport.h"

#include <vector>

namespace irmetersim {

// Seconds of instrument time between two readings of the built-in session; played at the default
// report pace, its clocks run in step with the wall clock.
constexpr double SessionStepSeconds = 0.5;

// One loop of the built-in session: a plausible bench session in all eight modes with a read-out of
// stored records. Each element is one input report's payload (one whole frame, at most 63 bytes).
// The same every time: deterministic, so it can serve as test data.
IRMETER_SIM_EXPORT std::vector<Bytes> builtInSession();

} // namespace irmetersim
