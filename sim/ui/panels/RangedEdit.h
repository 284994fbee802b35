#pragma once

#include "NumberRange.h"

#include <QLineEdit>

#include <cstdint>
#include <optional>

/// An edit of one number setting of a dialog. It shows the setting's value; the text the user types is
/// read as the panels read numbers (decimal comma or point) and clamped into the setting's range, and
/// the field is tinted while its text is not a value of the range, so the student sees that it was
/// not taken as typed. Untouched, it gives back the value it was given exactly.
class CRangedEdit : public QLineEdit {
    Q_OBJECT

public:
    CRangedEdit(NumberRange range, QWidget* parent = nullptr);
    /// An edit of a whole number from 0 to `max`.
    static CRangedEdit* WholeNumber(std::uint32_t max, QWidget* parent = nullptr);

    void SetValue(double value);
    double Value() const;
    /// Whether `text` is taken as typed.
    bool IsValidText(const QString& text) const;
    /// For a field that may be left blank: none when blank, else its value; false, and nothing read, when
    /// its text is not taken as typed (a limit is refused rather than clamped).
    bool ReadOptional(std::optional<double>& value) const;

private:
    double Read(const QString& text) const;

    NumberRange m_range;
    std::uint32_t m_nMaxWhole = 0;
    bool m_bWhole = false;
    double m_dValue = 0.0;
};
