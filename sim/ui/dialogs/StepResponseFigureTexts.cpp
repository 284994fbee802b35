#include "StepResponseFigureTexts.h"

#include "ReadingText.h"
#include "StepResponseFigureRows.h"

#include <QCoreApplication>

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CStepResponseDock", text);
}

} // namespace

QString StepResponseFigureName(std::size_t figure) {
    return Translated(kStepResponseFigureRows[figure].label);
}

QString StepResponseFigureDefinition(std::size_t figure) {
    return Translated(kStepResponseFigureRows[figure].tooltip);
}

QString StepResponseFigureValue(const StepResponseFigures& figures, std::size_t figure) {
    const StepResponseFigureRow& row = kStepResponseFigureRows[figure];
    return FormatReading(figures.*kStepResponseFigureFields[figure].value, row.decimals, row.unit);
}
