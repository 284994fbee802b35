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

QString StepResponseFigureUnit(std::size_t figure) {
    return QString::fromUtf8(kStepResponseFigureRows[figure].unit).trimmed();
}

QString StepResponseFigureDefinition(std::size_t figure) {
    return Translated(kStepResponseFigureRows[figure].tooltip);
}

QString StepResponseFigureValue(const StepResponseFigures& figures, std::size_t figure) {
    return StepResponseFigureNumber(figures.*kStepResponseFigureFields[figure].value, figure);
}

QString StepResponseFigureNumber(double value, std::size_t figure) {
    const StepResponseFigureRow& row = kStepResponseFigureRows[figure];
    return FormatReading(value, row.decimals, row.unit);
}
