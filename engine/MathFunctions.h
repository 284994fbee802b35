#pragma once

/// A value strictly between -1e-15 and 1e-15 becomes 0: sin(pi) is 0, not 1.2e-16.
double zeroSnap(double value);

/// The one-operand real functions: abs, log, ln, sqrt, the trigonometric, inverse trigonometric and
/// hyperbolic functions, floor and ceil. Arguments of sin, cos, tan and the hyperbolic functions arrive
/// already reduced and converted to radians; the inverse functions answer in degrees when angleMode is 1.
/// No domain checks: out-of-domain arguments give infinities or values that are not a number.
double realFunction(int op, double x, int angleMode);

/// Rounds halves up: 2.5 gives 3, -2.5 gives -2, -2.51 gives -3.
double roundHalfUp(double x);
/// x minus its truncation, with the sign of x: -2.75 gives -0.75.
double fractionPart(double x);
