#include "StepChecks.h"

#include "EquationEngine.h"
#include "Invariant.h"
#include "OperatorCode.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace fuzz {

namespace {

bool usesRandomNumbers(const ExprNode& node) {
    if (node.kind == Token::kOperation && (node.op == kIrand || node.op == kFrand)) {
        return true;
    }
    for (const ExprNode& child : node.children) {
        if (usesRandomNumbers(child)) {
            return true;
        }
    }
    return false;
}

// The point the step must reach: the plant formula on the step's bindings, kept when the evaluation
// fails or yields something that is not a number, then clamped. False when the formula draws random
// numbers, so that no second evaluation can tell.
bool expectedPoint(const CSimulation& sim, double pointBefore, double power, double& point) {
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    const std::vector<VariableValue> bindings = {
        {"p", pointBefore}, {"t", power}, {"dt", sim.m_nSimStepMs * 0.001}};
    double result = 0.0;
    const int status = engine.Evaluate(sim.m_strFormula, bindings, result);
    if (usesRandomNumbers(engine.SlotTree(engine.CurrentSlot()))) {
        return false;
    }
    point = status == 0 && !std::isnan(result) ? result : pointBefore;
    point = point > 3000.0 ? 3000.0 : point;
    point = point < sim.m_dPointMin ? sim.m_dPointMin : point;
    return true;
}

std::string number(double x) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
    (void)error; // the shortest form of a double fits
    return std::string(buffer, end);
}

} // namespace

std::string describe(const CSimulation& sim) {
    const char* mode = sim.m_bPid ? "PID" : sim.m_bOnOff ? "on/off" : "manual";
    return std::string(mode) + " Kp=" + number(sim.m_dKp) + " Ki=" + number(sim.m_dKi) +
           " Kd=" + number(sim.m_dKd) + ", sim step " + std::to_string(sim.m_nSimStepMs) + " ms, set point " +
           number(sim.m_dSetPoint) + ", point " + number(sim.m_dPoint) + ", power " + number(sim.m_dPower) +
           ", integral " + number(sim.m_dIntegral) + ", formula " + printable(sim.m_strFormula);
}

const char* brokenStepRule(const CSimulation& sim, const StepStart& before) {
    const Sample& sample = sim.m_history.newest();
    const bool controlled = sim.m_bPid || sim.m_bOnOff;
    if (sim.m_history.size() != std::min(before.historySize + 1, CSimulation::kHistoryLength)) {
        return "each step adds one sample, and the history keeps at most 1500";
    }
    if (!(sim.m_dPoint >= 20.0 && sim.m_dPoint <= 3000.0) && sim.m_dPoint != before.point) {
        return "the point stays within [20, 3000] or keeps its value";
    }
    if (std::isnan(sample.power)) {
        return "a sample's power is a number";
    }
    if (controlled && !(sim.m_dPower >= 0.0 && sim.m_dPower <= 100.0)) {
        return "the controller's power lies within [0, 100]";
    }
    if (sample.point != sim.m_dPoint || sample.power != sim.m_dPower || sample.setPoint != before.setPoint) {
        return "the sample records the step's set point, point and power";
    }
    if (sample.error != before.setPoint - before.point) {
        return "the sample's error is the set point minus the point before the step";
    }
    if (!sim.m_bPid && (sample.proportional != 0.0 || sample.integral != 0.0 || sample.derivative != 0.0)) {
        return "outside PID mode the sample's three terms are 0";
    }
    double expected = 0.0;
    if (expectedPoint(sim, before.point, sample.power, expected) && sim.m_dPoint != expected) {
        return "the point is the plant formula's result (kept on failure or when not a number), clamped";
    }
    return nullptr;
}

} // namespace fuzz
