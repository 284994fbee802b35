#include "ResponseSegment.h"

#include <cstring>
#include <limits>

namespace {

template <typename Figures, std::size_t N>
double valueNamed(const Figures& figures, const std::array<FigureField<Figures>, N>& fields,
                  const char* name) {
    for (const FigureField<Figures>& field : fields) {
        if (std::strcmp(field.name, name) == 0)
            return figures.*field.value;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

double figureNamed(const ResponseFigures& figures, const char* name) {
    return figures.kind == ResponseKind::SetPointStep
               ? valueNamed(figures.step, kStepResponseFigureFields, name)
               : valueNamed(figures.disturbance, kDisturbanceFigureFields, name);
}

ResponseDrivers responseDrivers(const CSimulation& simulation) {
    return {simulation.m_dSetPoint, simulation.m_dynamicsSettings.disturbance};
}

void CResponseSegmentMeter::Add(std::uint64_t step, const ResponseDrivers& before, double pointBefore,
                                const CSimulation& simulation) {
    if (step < m_segment.fromStep || step > m_segment.toStep)
        return;
    if (step == m_segment.fromStep) {
        // NaN != NaN: a set point that is not a number counts as moved, as the step-response meter has it.
        const ResponseDrivers after = responseDrivers(simulation);
        const bool setPointStays = after.setPoint == before.setPoint;
        m_kind = setPointStays && after.disturbance != before.disturbance ? ResponseKind::LoadDisturbance
                                                                          : ResponseKind::SetPointStep;
    }
    const Sample& sample = simulation.m_history.newest();
    const double dt = CSimulation::StepSeconds(simulation.m_nSimStepMs);
    m_step.Add(sample, pointBefore, dt);
    m_disturbance.Add(sample.setPoint - pointBefore, dt);
}

ResponseFigures CResponseSegmentMeter::Figures() const {
    ResponseFigures figures{m_kind, m_step.Figures(), m_disturbance.Figures()};
    // The meter counts from the segment's first step; the run counts from its own.
    figures.step.responseStartStep += static_cast<double>(m_segment.fromStep - 1);
    return figures;
}
