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

CRangedEdit* CRangedEdit::WholeNumber(int max, QWidget* parent) {
    auto* edit = new CRangedEdit(NumberRange::NotNegative, parent);
    edit->m_dMax = max;
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
        return isPanelUnsigned(text) && parsePanelUnsigned(text) <= m_dMax;
    return isPanelNumber(text) && isInRange(parsePanelNumber(text), m_range) &&
           parsePanelNumber(text) <= m_dMax;
}

double CRangedEdit::Read(const QString& text) const {
    const double value =
        m_bWhole ? parsePanelUnsigned(text) : clampIntoRange(parsePanelNumber(text), m_range);
    return std::min(value, m_dMax);
}
