#pragma once

#include <QString>

#include <cstdint>

/// How a panel shows a number: fixed decimals, a decimal comma, then an optional suffix
/// ("%f" is {6, ""}, "%.1f CPS" is {1, " CPS"}).
struct PanelNumberFormat {
    int decimals;
    const char* suffix;
};

constexpr PanelNumberFormat kGainFormat = {6, ""};
constexpr PanelNumberFormat kTermFormat = {1, ""};
constexpr PanelNumberFormat kCpsFormat = {1, " CPS"};
constexpr PanelNumberFormat kFpsFormat = {1, " FPS"};

/// The leading number of a panel text, read with a decimal comma or point whatever the process
/// locale; 0 when the text starts with no number or with one that is not finite ("inf", "nan").
double parsePanelNumber(const QString& text);
/// Whether the text, blanks around it aside, is one finite number as parsePanelNumber reads it.
bool isPanelNumber(const QString& text);
/// `value` in `format`, with a decimal comma.
QString formatPanelNumber(double value, PanelNumberFormat format);

/// The leading decimal digits of a text (after blanks and an optional "+"), saturating at the
/// largest 32-bit unsigned value; 0 when there are none.
std::uint32_t parsePanelUnsigned(const QString& text);
/// Whether the text, blanks around it aside, is an optional "+" and decimal digits only.
bool isPanelUnsigned(const QString& text);
QString formatPanelUnsigned(std::uint32_t value);
