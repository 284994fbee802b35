#pragma once

/// One figure's public name (as the command line and the data files write it) and where a set of
/// figures keeps it.
template <typename Figures> struct FigureField {
    const char* name;
    double Figures::*value;
};
