#include "tools/sim/Session.h"

#include "tools/sim/ModeFrames.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace irmetersim {

namespace {

constexpr double dt = SessionStepSeconds;
constexpr double idleSeconds = 2;
constexpr double rampSeconds = 2;
constexpr double dischargeSeconds = 3;
constexpr double dischargeTau = 0.6;

int steps(double seconds)
{
    return int(std::lround(seconds / dt));
}

// Insulation whose resistance climbs as the dielectric absorbs charge: R(t) = R60 * (t / 60 s)^k.
// k sets the polarisation index and absorption ratio the test will find.
struct Insulator
{
    double r60;
    double k;

    double ohmsAt(double t) const { return r60 * std::pow(std::max(t, dt) / 60.0, k); }
};

Scaled currentReading(double amperes)
{
    if (amperes < 1e-6)
        return {float(amperes * 1e9), 0};
    if (amperes < 1e-3)
        return {float(amperes * 1e6), 1};
    return {float(amperes * 1e3), 2};
}

Scaled resistanceReading(double ohms)
{
    if (ohms < 1e9)
        return {float(ohms / 1e6), 0};
    if (ohms < 1e12)
        return {float(ohms / 1e9), 1};
    return {float(ohms / 1e12), 2};
}

// The readings for an output voltage across a resistance: the current follows Ohm's law from the
// voltage actually shown, so current and resistance agree on the display.
Insulation insulation(int16_t vSet, int16_t vOut, double ohms, bool testing)
{
    Insulation ins;
    ins.vSet = vSet;
    ins.vOut = vOut;
    ins.testing = testing;
    if (vOut > 0 && ohms > 0) {
        ins.res = resistanceReading(ohms);
        ins.current = currentReading(vOut / ohms);
    }
    return ins;
}

// One moment of an insulation test.
struct TestStep
{
    bool testing;
    double elapsed; // test time so far; held once the test has ended
    int16_t vOut;
    double ohms; // what the instrument reads now; 0 before the test
};

using StepSink = std::function<void(const TestStep&)>;

// Idle, ramp up to the set voltage and hold it for the test time, then discharge.
void insulationTest(int16_t vSet, const Insulator& dut, double seconds, const StepSink& sink)
{
    for (int i = 0; i < steps(idleSeconds); ++i)
        sink({false, 0, 0, 0});
    for (int i = 1; i <= steps(seconds); ++i) {
        const double t = i * dt;
        const double ramp = std::min(1.0, t / rampSeconds);
        // A regulated supply settles within a volt or two of its set point.
        const int ripple = t >= rampSeconds ? (i % 3) - 1 : 0;
        sink({true, t, int16_t(std::lround(vSet * ramp) + ripple), dut.ohmsAt(t)});
    }
    const double held = dut.ohmsAt(seconds);
    for (int i = 1; i <= steps(dischargeSeconds); ++i)
        sink({false, seconds, int16_t(std::lround(vSet * std::exp(-i * dt / dischargeTau))), held});
}

class SessionBuilder
{
public:
    std::vector<Bytes> build()
    {
        irTest();
        timedTest();
        ratioTest(Mode::PI, 1000, {40e9, 0.35}, 60, 120);
        ratioTest(Mode::DAR, 500, {6e9, 0.25}, 30, 60);
        capacitance();
        comparatorTest({2.3e9, 0.05});
        comparatorTest({45e6, 0.02});
        storedRecordReadOut();
        voltage();
        resistance();
        return std::move(m_reports);
    }

private:
    void add(Bytes frame) { m_reports.push_back(std::move(frame)); }

    void irTest()
    {
        const Insulator dut{8e9, 0.3};
        insulationTest(500, dut, 65, [&](const TestStep& s) {
            IrReading r;
            r.ins = insulation(500, s.vOut, s.ohms, s.testing);
            // The absorption ratio is known once the one-minute reading is in.
            if (s.elapsed >= 60)
                r.dar = float(dut.ohmsAt(60) / dut.ohmsAt(30));
            r.time = recordTime(int(s.elapsed));
            add(liveFrame(r));
        });
    }

    void timedTest()
    {
        const int timeSet = 30;
        insulationTest(1000, {25e9, 0.2}, timeSet, [&](const TestStep& s) {
            TimedReading r;
            r.ins = insulation(1000, s.vOut, s.ohms, s.testing);
            r.testTime = recordTime(int(s.elapsed));
            r.timeSet = recordTime(timeSet);
            add(liveFrame(r));
        });
    }

    // The first reading is held at the first set time, the second keeps running until the second
    // set time; the ratio appears when both are in.
    void ratioTest(Mode mode, int16_t vSet, const Insulator& dut, int t1, int t2)
    {
        insulationTest(vSet, dut, t2, [&](const TestStep& s) {
            RatioReading r;
            r.mode = mode;
            r.ins = insulation(vSet, s.vOut, s.ohms, s.testing);
            if (s.elapsed >= t1) {
                r.ins.res = resistanceReading(dut.ohmsAt(t1));
                r.res2 = r.ins.current.value > 0 ? resistanceReading(s.ohms) : Scaled{};
            }
            if (s.elapsed >= t2)
                r.ratio = float(dut.ohmsAt(t2) / dut.ohmsAt(t1));
            r.testTime = recordTime(int(s.elapsed));
            r.timeSet = recordTime(t1);
            r.timeSet2 = recordTime(t2);
            add(liveFrame(r));
        });
    }

    // Nothing to show before the charge, then the capacitance found on discharge.
    void capacitance()
    {
        for (int i = 0; i < steps(idleSeconds); ++i)
            add(liveFrame(CapReading{0, 500, false, Range::Low}));
        for (int i = 0; i < steps(3); ++i)
            add(liveFrame(CapReading{0, 500, true, Range::Low}));
        for (int i = 0; i < steps(4); ++i)
            add(liveFrame(CapReading{0.47f, 500, false, Range::InRange}));
    }

    // The verdict comes once the output has reached the set voltage and is held after the test.
    void comparatorTest(const Insulator& dut)
    {
        const int16_t vSet = 500;
        const double limitOhms = 100e6;
        uint8_t result = 0;
        insulationTest(vSet, dut, 10, [&](const TestStep& s) {
            if (s.testing && s.elapsed >= rampSeconds)
                result = s.ohms >= limitOhms ? 2 : 1;
            CompReading r;
            r.ins = insulation(vSet, s.vOut, s.ohms, s.testing);
            r.resComp = 100;
            r.resCompUnit = 0;
            r.result = result;
            add(liveFrame(r));
        });
    }

    // What a user reads out of the instrument's memory: earlier results of every mode.
    void storedRecordReadOut()
    {
        IrReading ir;
        ir.ins = insulation(500, 503, 8.1e9, false);
        ir.dar = 1.23f;
        ir.time = recordTime(65);
        add(storedFrame(ir));
        ir.ins = insulation(1000, 1004, 1.6e12, false);
        ir.dar = 1.41f;
        ir.time = recordTime(90);
        add(storedFrame(ir));

        TimedReading timed;
        timed.ins = insulation(1000, 1001, 25.4e9, false);
        timed.testTime = recordTime(30);
        add(storedFrame(timed));

        RatioReading pi;
        pi.mode = Mode::PI;
        pi.ins = insulation(1000, 1002, 51.6e9, false);
        pi.ins.res = resistanceReading(40.2e9);
        pi.res2 = resistanceReading(51.6e9);
        pi.ratio = float(51.6 / 40.2);
        pi.testTime = recordTime(120);
        add(storedFrame(pi));
        RatioReading dar = pi;
        dar.mode = Mode::DAR;
        dar.ins = insulation(500, 501, 6.0e9, false);
        dar.ins.res = resistanceReading(5.05e9);
        dar.res2 = resistanceReading(6.0e9);
        dar.ratio = float(6.0 / 5.05);
        dar.testTime = recordTime(60);
        add(storedFrame(dar));

        CompReading pass;
        pass.ins = insulation(500, 502, 2.3e9, false);
        pass.resComp = 100;
        pass.result = 2;
        add(storedFrame(pass));
        CompReading fail = pass;
        fail.ins = insulation(500, 499, 45e6, false);
        fail.result = 1;
        add(storedFrame(fail));

        add(storedFrame(CapReading{0.47f, 500, false, Range::InRange}));
        add(storedFrame(VoltReading{230, false, false, Range::InRange}));
        add(storedFrame(VoltReading{48, true, true, Range::InRange}));
        add(storedFrame(VoltReading{0, false, false, Range::Over}));
        add(storedFrame(ResReading{0.52f, false, true, ResDisplay::Number}));
        add(storedFrame(ResReading{2000, true, true, ResDisplay::OverLoad}));
    }

    void voltage()
    {
        for (int i = 0; i < steps(1); ++i)
            add(liveFrame(VoltReading{0, false, false, Range::Low}));
        for (int i = 0; i < steps(4); ++i)
            add(liveFrame(VoltReading{int16_t(229 + i % 3), false, false, Range::InRange}));
        for (int i = 0; i < steps(3); ++i)
            add(liveFrame(VoltReading{12, true, false, Range::InRange}));
        for (int i = 0; i < steps(3); ++i)
            add(liveFrame(VoltReading{48, true, true, Range::InRange}));
        for (int i = 0; i < steps(2); ++i)
            add(liveFrame(VoltReading{0, false, false, Range::Over}));
    }

    // Open leads read over range; shorted leads and two resistors read as numbers.
    void resistance()
    {
        add(liveFrame(ResReading{0, false, false, ResDisplay::Dashes}));
        for (int i = 0; i < steps(2); ++i)
            add(liveFrame(ResReading{2000, true, true, ResDisplay::OverLoad}));
        for (int i = 0; i < steps(2); ++i)
            add(liveFrame(ResReading{0.52f, false, true, ResDisplay::Number}));
        for (int i = 0; i < steps(3); ++i)
            add(liveFrame(ResReading{12.7f, false, true, ResDisplay::Number}));
        for (int i = 0; i < steps(2); ++i)
            add(liveFrame(ResReading{2000, true, true, ResDisplay::OverLoad}));
        add(liveFrame(ResReading{0, false, false, ResDisplay::Dashes}));
    }

    std::vector<Bytes> m_reports;
};

} // namespace

std::vector<Bytes> builtInSession()
{
    return SessionBuilder().build();
}

} // namespace irmetersim
