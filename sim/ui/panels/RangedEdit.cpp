#include "RangedEdit.h"

#include "FieldTint.h"
#include "PanelText.h"
#include "ReadingText.h"

#include <algorithm>

namespace {

/// Enough digits for every value a student types to come back as typed.
constexpr int kShownDigits = 15;

} // namespace

CRangedEdit::CRangedEdit(NumberRange range, QWidget* parent) : QLineEdit(parent), m_range(range) {
    setAlignment(Qt::AlignRight);
    tintWhenInvalid(*this, [this](const QString& text) { return IsValidText(text); });
}

CRangedEdit* CRangedEdit::WholeNumber(std::uint32_t max, QWidget* parent) {
    auto* edit = new CRangedEdit(NumberRange::NotNegative, parent);
    edit->m_nMaxWhole = max;
    edit->m_bWhole = true;
    return edit;
}

void CRangedEdit::SetValue(double value) {
    m_dValue = value;
    setText(FormatSignificant(value, kShownDigits));
    setModified(false);
}

double CRangedEdit::Value() const {
    return isModified() ? Read(text()) : m_dValue;
}

bool CRangedEdit::IsValidText(const QString& text) const {
    if (m_bWhole)
        return isPanelUnsigned(text) && parsePanelUnsigned(text) <= m_nMaxWhole;
    return isPanelNumber(text) && isInRange(parsePanelNumber(text), m_range);
}

bool CRangedEdit::ReadOptional(std::optional<double>& value) const {
    value.reset();
    if (text().trimmed().isEmpty())
        return true;
    if (!IsValidText(text()))
        return false;
    value = Value();
    return true;
}

double CRangedEdit::Read(const QString& text) const {
    if (m_bWhole)
        return std::min(parsePanelUnsigned(text), m_nMaxWhole);
    return clampIntoRange(parsePanelNumber(text), m_range);
}
