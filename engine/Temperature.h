#pragma once

/// The twelve temperature conversions (codes 47 to 58), evaluated left to right as written.
double convertTemperature(int op, double x);
