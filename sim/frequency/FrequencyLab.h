#pragma once

#include "PidOptions.h"
#include "SimulationSetup.h"

#include <array>
#include <cstddef>
#include <limits>
#include <vector>

/// The figures of a loop in the frequency domain. A figure that does not exist is NaN.
struct FrequencyFigures {
    static constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

    double p0 = kUndefined; ///< the operating point
    double t0 = kUndefined; ///< the power that holds it
    double a = kUndefined;  ///< ∂f/∂p there
    double b = kUndefined;  ///< ∂f/∂t there
    double ku = kUndefined; ///< 1/|G| at the plant chain's own phase crossover
    double tu = kUndefined; ///< 2π/ω there, simulated seconds
    double gainMargin = kUndefined;
    double gainMarginDb = kUndefined;
    double phaseMarginDeg = kUndefined;
    double crossoverRadS = kUndefined;      ///< where |L| comes down through 1
    double phaseCrossoverRadS = kUndefined; ///< where the loop's phase falls below −180°
    double ms = kUndefined;                 ///< the peak of |1/(1 + L)| below the Nyquist frequency
};

/// One figure's public name (as the command line writes it) and where it is kept.
struct FrequencyFigureField {
    const char* name;
    double FrequencyFigures::*value;
};

/// Every figure in the order they are listed to users.
inline constexpr std::array<FrequencyFigureField, 12> kFrequencyFigureFields = {{
    {"p0", &FrequencyFigures::p0},
    {"t0", &FrequencyFigures::t0},
    {"a", &FrequencyFigures::a},
    {"b", &FrequencyFigures::b},
    {"ku", &FrequencyFigures::ku},
    {"tu", &FrequencyFigures::tu},
    {"gain_margin", &FrequencyFigures::gainMargin},
    {"gain_margin_db", &FrequencyFigures::gainMarginDb},
    {"phase_margin_deg", &FrequencyFigures::phaseMarginDeg},
    {"crossover_rad_s", &FrequencyFigures::crossoverRadS},
    {"phase_crossover_rad_s", &FrequencyFigures::phaseCrossoverRadS},
    {"ms", &FrequencyFigures::ms},
}};

/// The plant chain G and the loop L at one frequency of the grid.
struct BodePoint {
    double omegaRadS = 0.0;
    double plantMagDb = 0.0;
    double plantPhaseDeg = 0.0;
    double loopMagDb = 0.0;
    double loopPhaseDeg = 0.0;
};

/// What to analyse besides the window's setup and gains.
struct FrequencyRequest {
    static constexpr std::size_t kDefaultPoints = 400;

    double operatingPoint = 1500.0;      ///< p0
    std::size_t points = kDefaultPoints; ///< fewer than 2 count as 2
};

/// The loop at its operating point in the frequency domain. Each "why" is a sentence for the user when
/// the figures it names do not exist, null when they do.
struct FrequencyAnalysis {
    FrequencyFigures figures;
    /// From ω_max·min(1e-4, 0.01/(n + 1)) to ω_max = π/dt, n the dead time's steps; empty without a
    /// linear model.
    std::vector<BodePoint> bode;
    const char* noModelWhy = nullptr;       ///< no operating point or no sampling: only p0 (and t0) are known
    const char* ultimatePointWhy = nullptr; ///< ku, tu
    const char* gainMarginWhy = nullptr;    ///< gain_margin, gain_margin_db, phase_crossover_rad_s
    const char* phaseMarginWhy = nullptr;   ///< phase_margin_deg, crossover_rad_s
    const char* msWhy = nullptr;            ///< ms
};

/// The linear model of the loop of a window with `setup` and `gains` at the request's operating point,
/// its Bode curves (the plant chain from u to the point the controller reads, and the loop), its margins,
/// its peak sensitivity and the plant chain's ultimate point.
FrequencyAnalysis AnalyzeFrequency(const SimulationSetup& setup, const PidGains& gains,
                                   const FrequencyRequest& request);
