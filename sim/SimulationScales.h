#pragma once

/// The values from `low` to `high` that a quantity of the simulation is shown and set on.
struct ValueScale {
    double low;
    double high;
};

/// The point and the set point: the set-point trackbar's travel, the chart's absolute scale (the error
/// and the controller terms use its span on either side of zero) and the point's upper clamp.
inline constexpr ValueScale kPointScale{0.0, 3000.0};
/// The power: the power trackbar's travel, the chart's power scale and the controllers' output range.
inline constexpr ValueScale kPowerScale{0.0, 100.0};
