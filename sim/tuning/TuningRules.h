#pragma once

#include "PidOptions.h"
#include "PlantModels.h"

#include <array>

/// Gains in the textbook form the rules give, u = Kc (e + 1/Ti ∫e dt + Td de/dt). Ti is infinite for a
/// rule without integral action. All three are NaN where a rule does not apply (no dead time for the
/// rules that divide by it).
struct TextbookGains {
    double kc = 0.0;
    double ti = 0.0; ///< simulated seconds
    double td = 0.0; ///< simulated seconds
};

/// This program divides the error's integral by Ki: Kp = Kc, Ki = Ti / Kc (0 without integral action),
/// Kd = Kc * Td.
PidGains toProgramGains(const TextbookGains& gains);

struct TuningRule {
    const char* name; ///< in English as the command line lists it, e.g. "SIMC PI"; the interface translates
                      ///< it (context "TuningRules")
    TextbookGains gains;
};

/// Ziegler-Nichols P, PI, PID, "some overshoot", "no overshoot"; Tyreus-Luyben PI and PID.
std::array<TuningRule, 7> ultimateCycleRules(const UltimateCycle& cycle);

/// Ziegler-Nichols open-loop PI and PID, Cohen-Coon PI and PID, SIMC PI, IMC PID, AMIGO PI and PID,
/// Lambda PI (λ = τ).
std::array<TuningRule, 9> processModelRules(const ProcessModel& model);
