#include "FiguresText.h"

#include "NumberText.h"

void appendFigureLines(std::string& out, const StepResponseFigures& figures) {
    for (const StepResponseFigureField& field : kStepResponseFigureFields) {
        out += field.name;
        out += '\t';
        appendNumber(out, figures.*field.value);
        out += '\n';
    }
}
