#include "StepResponseFigureTexts.h"

#include "Exercise.h"
#include "ReadingText.h"
#include "StepResponseFigureRows.h"

#include <QCoreApplication>

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CStepResponseDock", text);
}

/// Whether `figure` is a check's load-disturbance figure, after the step-response ones: it has no row
/// of its own yet and shows its name as files write it, its value with three decimals.
bool IsDisturbanceFigure(std::size_t figure) {
    return figure >= kStepResponseFigureRows.size();
}

} // namespace

QString StepResponseFigureName(std::size_t figure) {
    if (IsDisturbanceFigure(figure))
        return QString::fromLatin1(checkFigureName(figure));
    return Translated(kStepResponseFigureRows[figure].label);
}

QString StepResponseFigureUnit(std::size_t figure) {
    // The load-disturbance figures after the step's: a deviation in the point's units, then two times.
    if (IsDisturbanceFigure(figure))
        return figure == kStepResponseFigureFields.size() ? QString() : QStringLiteral("s");
    return QString::fromUtf8(kStepResponseFigureRows[figure].unit).trimmed();
}

QString StepResponseFigureDefinition(std::size_t figure) {
    if (IsDisturbanceFigure(figure))
        return QString();
    return Translated(kStepResponseFigureRows[figure].tooltip);
}

QString StepResponseFigureValue(const StepResponseFigures& figures, std::size_t figure) {
    return StepResponseFigureNumber(figures.*kStepResponseFigureFields[figure].value, figure);
}

QString StepResponseFigureNumber(double value, std::size_t figure) {
    if (IsDisturbanceFigure(figure))
        return FormatReading(value, 3, "");
    const StepResponseFigureRow& row = kStepResponseFigureRows[figure];
    return FormatReading(value, row.decimals, row.unit);
}
