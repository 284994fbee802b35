#pragma once

#include <cmath>

/// The values a plot's value axis spans: the finite values it was given, with room above and below.
class PlotValueSpan {
public:
    /// Takes `value` in; a value that is not finite is not drawn, so it is left out.
    void Include(double value);
    /// True while no finite value was included.
    bool Empty() const { return m_low > m_high; }

    /// The bottom and the top of the axis: the values' span with 5 % of it as room at either end (1 at
    /// either end for a single value); 0 to 1, with its room, when there was none.
    double Low() const;
    double High() const;

private:
    double Room() const;
    double Bottom() const { return Empty() ? 0.0 : m_low; }
    double Top() const { return Empty() ? 1.0 : m_high; }

    double m_low = HUGE_VAL;
    double m_high = -HUGE_VAL;
};
