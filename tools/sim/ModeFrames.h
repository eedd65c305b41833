#pragma once

#include "tools/sim/FrameEncoder.h"

#include <cstdint>

// One reading of each measuring mode as the instrument holds it, and its live (type 2) and stored
// (type 3) frames. The two frame kinds of a mode carry partly different fields at different places.
namespace irmetersim {

enum class Mode : uint8_t { IR = 0, Time = 1, PI = 2, DAR = 3, COMP = 4, CAP = 5, VOLT = 6, RES = 7 };

// Unit codes: currents nA, uA, mA; resistances MΩ, GΩ, TΩ.
struct Scaled
{
    float value = 0;
    uint8_t unit = 0;
};

// The readings every insulation test shows: leakage current, set and output voltage, resistance.
struct Insulation
{
    Scaled current;
    int16_t vSet = 0;
    int16_t vOut = 0;
    Scaled res;
    bool resGreater = false;
    bool testing = false;
};

struct IrReading
{
    Insulation ins;
    float dar = 0;
    float pi = 0;
    uint16_t time = 0;
};

struct TimedReading
{
    Insulation ins;
    uint16_t testTime = 0;
    uint16_t timeSet = 0;
};

// PI or DAR: two resistance readings at two set times and their ratio.
struct RatioReading
{
    Mode mode = Mode::PI;
    Insulation ins;
    Scaled res2;
    bool res2Greater = false;
    float ratio = 0;
    uint16_t testTime = 0;
    uint16_t timeSet = 0;
    uint16_t timeSet2 = 0;
};

struct CompReading
{
    Insulation ins;
    int32_t resComp = 0;
    uint8_t resCompUnit = 0;
    uint8_t result = 0; // 0 none, 2 pass, 1 fail
};

// Range byte of CAP and VOLT: 1 under range ("LO"), 2 over range.
enum class Range : uint8_t { InRange = 0, Low = 1, Over = 2 };

struct CapReading
{
    float cap = 0; // μF
    int16_t vSet = 0;
    bool testing = false;
    Range range = Range::InRange;
};

struct VoltReading
{
    int16_t volt = 0; // magnitude; the sign travels in its own byte
    bool dc = false;
    bool negative = false;
    Range range = Range::InRange;
};

// What the RES display shows instead of the number, if anything.
enum class ResDisplay : uint8_t { Number = 0, Dashes = 1, OverLoad = 2, Low = 3 };

struct ResReading
{
    float ohms = 0;
    bool resGreater = false;
    bool testing = false;
    ResDisplay display = ResDisplay::Number;
};

Bytes liveFrame(const IrReading& r);
Bytes liveFrame(const TimedReading& r);
Bytes liveFrame(const RatioReading& r);
Bytes liveFrame(const CompReading& r);
Bytes liveFrame(const CapReading& r);
Bytes liveFrame(const VoltReading& r);
Bytes liveFrame(const ResReading& r);

Bytes storedFrame(const IrReading& r);
Bytes storedFrame(const TimedReading& r);
Bytes storedFrame(const RatioReading& r);
Bytes storedFrame(const CompReading& r);
Bytes storedFrame(const CapReading& r);
Bytes storedFrame(const VoltReading& r);
Bytes storedFrame(const ResReading& r);

} // namespace irmetersim
