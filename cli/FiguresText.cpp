#include "FiguresText.h"

#include "NumberText.h"

namespace {

template <typename Figures, std::size_t N>
void appendLines(std::string& out, const Figures& figures,
                 const std::array<FigureField<Figures>, N>& fields) {
    for (const FigureField<Figures>& field : fields) {
        out += field.name;
        out += '\t';
        appendNumber(out, figures.*field.value);
        out += '\n';
    }
}

} // namespace

void appendFigureLines(std::string& out, const StepResponseFigures& figures) {
    appendLines(out, figures, kStepResponseFigureFields);
}

void appendFigureLines(std::string& out, const ResponseFigures& figures) {
    if (figures.kind == ResponseKind::SetPointStep)
        appendFigureLines(out, figures.step);
    else
        appendLines(out, figures.disturbance, kDisturbanceFigureFields);
}
