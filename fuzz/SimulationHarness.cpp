#include "ByteReader.h"
#include "Harnesses.h"
#include "Invariant.h"
#include "Simulation.h"
#include "StepChecks.h"
#include "WorkingDirectory.h"

#include <cmath>
#include <cstdint>
#include <string>

using namespace fuzz;

namespace {

// What the panels can hand the simulation, decoded one event at a time from the input.
enum class Event : std::uint8_t {
    TypeKp,
    TypeKi,
    TypeKd,
    ClickGainArrow,
    ClickPid,
    ClickOnOff,
    MoveSetPoint,
    MovePower,
    TypeSimStep,
    PickFormula,
    TypeFormula,
    ClickReset,
    RunSteps,
    RunPastHistoryLength,
};

// A run past the history's length costs as much as a thousand short ones, so only one byte value of
// 256 asks for it; the others are spread over the remaining events.
constexpr std::uint8_t kLongRunByte = 0xff;

Event decodeEvent(std::uint8_t byte) {
    if (byte == kLongRunByte) {
        return Event::RunPastHistoryLength;
    }
    return static_cast<Event>(byte % static_cast<std::uint8_t>(Event::RunPastHistoryLength));
}

// Numbers a gain field can hold: text is read as a finite number (text that is not one reads as 0).
const double kTypedNumbers[] = {0.0,
                                -0.0,
                                0.1,
                                1.0,
                                -1.0,
                                2.5,
                                100.0,
                                1e-3,
                                1e-300,
                                5e-324,
                                1e300,
                                1.7976931348623157e308,
                                -1.7976931348623157e308};
constexpr std::uint8_t kTypedNumberCount = sizeof kTypedNumbers / sizeof kTypedNumbers[0];

const std::uint32_t kTypedStepTimes[] = {0, 1, 100, 4999, 4294967295u};
constexpr std::uint8_t kTypedStepTimeCount = sizeof kTypedStepTimes / sizeof kTypedStepTimes[0];

// Plants that succeed, fail, overflow, yield values that are not numbers, or leave the clamp's range.
const char* const kPlantFormulas[] = {
    CSimulation::kDefaultFormula,
    "p",
    "3500",
    "5",
    "p/0",
    "1/dt",
    "p mod 0",
    "0*10^400",
    "sqrt(-1)+p",
    "p*10^400",
    "-p*10^400",
    "q",
    "x=5",
    "p+ln(0)",
    "p + ((t/100)*5000 - p*1.0)*dt*fib(40)",
    "",
};
constexpr std::uint8_t kPlantFormulaCount = sizeof kPlantFormulas / sizeof kPlantFormulas[0];

constexpr std::size_t kMaxTypedFormula = 64;
constexpr int kMaxStepsPerInput = 1600;

// Trackbar ranges and the values at their two ends, as the slider panel sets them up.
constexpr std::uint32_t kSetPointPositions = 300000;
constexpr std::uint32_t kPowerPositions = 10000;

double typedNumber(ByteReader& in) {
    const std::uint8_t pick = in.takeByte();
    if (pick < kTypedNumberCount) {
        return kTypedNumbers[pick];
    }
    const double raw = in.takeDouble();
    return std::isfinite(raw) ? raw : 0.0;
}

std::uint32_t typedStepTime(ByteReader& in) {
    const std::uint8_t pick = in.takeByte();
    return pick < kTypedStepTimeCount ? kTypedStepTimes[pick] : in.takeUint32();
}

// The value of a vertical trackbar: `top` at position 0, 0.0 at the last position.
double trackbarValue(ByteReader& in, std::uint32_t positions, double top) {
    const double position = in.takeUint32() % (positions + 1);
    return (position * (0.0 - top) + positions * top) / positions;
}

class PanelDriver {
public:
    explicit PanelDriver(ByteReader& in) : in_(in) { sim_.InitialUpdate(); }

    void run() {
        while (!in_.empty() && stepsLeft_ > 0) {
            apply(decodeEvent(in_.takeByte()));
        }
    }

private:
    void apply(Event event) {
        switch (event) {
        case Event::TypeKp:
            sim_.m_dKp = typedNumber(in_);
            break;
        case Event::TypeKi:
            sim_.SetKi(typedNumber(in_));
            break;
        case Event::TypeKd:
            sim_.m_dKd = typedNumber(in_);
            break;
        case Event::ClickGainArrow:
            clickGainArrow(in_.takeByte());
            break;
        case Event::ClickPid:
            sim_.SetPid(!sim_.m_bPid);
            break;
        case Event::ClickOnOff:
            sim_.SetOnOff(!sim_.m_bOnOff);
            break;
        case Event::MoveSetPoint:
            sim_.m_dSetPoint = trackbarValue(in_, kSetPointPositions, 3000.0);
            break;
        case Event::MovePower:
            sim_.m_dPower = trackbarValue(in_, kPowerPositions, 100.0);
            break;
        case Event::TypeSimStep:
            sim_.m_nSimStepMs = typedStepTime(in_);
            break;
        case Event::PickFormula:
            sim_.m_strFormula = kPlantFormulas[in_.takeByte() % kPlantFormulaCount];
            break;
        case Event::TypeFormula:
            sim_.m_strFormula = in_.takeString(kMaxTypedFormula);
            break;
        case Event::ClickReset:
            sim_.ResetIntegral();
            break;
        case Event::RunSteps:
            runSteps(1 + in_.takeByte() % 16);
            break;
        case Event::RunPastHistoryLength:
            runSteps(static_cast<int>(CSimulation::kHistoryLength) + 1);
            break;
        }
    }

    void clickGainArrow(std::uint8_t which) {
        const double delta = (which & 1) ? 1.0 : -1.0;
        switch ((which >> 1) % 3) {
        case 0:
            sim_.m_dKp -= delta * 0.1;
            break;
        case 1:
            sim_.SetKi(sim_.m_dKi - delta * 0.1);
            break;
        default:
            sim_.m_dKd -= delta * 0.1;
            break;
        }
    }

    void runSteps(int count) {
        for (; count > 0 && stepsLeft_ > 0; --count, --stepsLeft_) {
            const StepStart before{sim_.m_dSetPoint, sim_.m_dPoint, sim_.m_history.size()};
            const WorkTimer timer;
            sim_.Step();
            if (timer.exceeded()) {
                timer.fail("one step", describe(sim_));
            }
            if (const char* rule = brokenStepRule(sim_, before)) {
                invariantBroken(rule, describe(sim_));
            }
        }
    }

    ByteReader& in_;
    CSimulation sim_;
    int stepsLeft_ = kMaxStepsPerInput;
};

} // namespace

void FuzzSimulation(const std::uint8_t* data, std::size_t size) {
    enterPrivateWorkingDirectory(DataFileChoice::Shipped);
    ByteReader in(data, size);
    PanelDriver(in).run();
}
