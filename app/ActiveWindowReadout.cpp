#include "ActiveWindowReadout.h"

#include "ElidedLabel.h"
#include "ExerciseDock.h"
#include "MdiChild.h"
#include "ReadingText.h"
#include "StepResponseDock.h"
#include "VorlintDoc.h"
#include "VorlintView.h"

#include <QLabel>
#include <QStatusBar>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kValueDecimals = 1;
/// Simulated steps are whole milliseconds.
constexpr int kTimeDecimals = 3;

const char* const kPaneTooltip = QT_TRANSLATE_NOOP(
    "CActiveWindowReadout",
    "A amostra mais nova da janela ativa (set point, point e potência), o tempo simulado desde o "
    "início da execução e os passos que ela realmente deu por segundo, contados no último segundo "
    "(o CPS do painel é o inverso do tempo de cálculo de um só passo).");

/// Before the first step there is no sample: what the window holds, and no time has passed.
Sample BeforeTheFirstStep(const CVorlintView& view) {
    Sample values;
    values.setPoint = view.m_dSetPoint;
    values.point = view.m_dPoint;
    values.power = view.m_dPower;
    return values;
}

} // namespace

CActiveWindowReadout::CActiveWindowReadout(QStatusBar& statusBar, CStepResponseDock& dock,
                                           CExerciseDock& exerciseDock,
                                           std::function<CMdiChild*()> activeChild)
    : QObject(&statusBar), m_pPane(new QLabel(&statusBar)), m_pPlantFailure(new CElidedLabel(&statusBar)),
      m_dock(dock), m_exerciseDock(exerciseDock), m_activeChild(std::move(activeChild)) {
    m_pPlantFailure->setObjectName(QStringLiteral("plantFailurePane"));
    m_pPlantFailure->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_pPlantFailure->hide();
    statusBar.addWidget(m_pPlantFailure, 1);
    m_pPane->setObjectName(QStringLiteral("readoutPane"));
    m_pPane->setToolTip(tr(kPaneTooltip));
    statusBar.addPermanentWidget(m_pPane);
    connect(&m_timer, &QTimer::timeout, this, &CActiveWindowReadout::Refresh);
    m_timer.start(kRefreshIntervalMs);
}

void CActiveWindowReadout::Refresh() {
    const CMdiChild* child = m_activeChild();
    CVorlintView* view = child != nullptr ? child->View() : nullptr;
    if (view == nullptr) {
        m_pCountedView = nullptr;
        m_pPane->clear();
        ShowPlantFailure(QString());
        m_dock.ShowFigures(StepResponseFigures());
        m_shownExercise = ShownExercise();
        m_exerciseDock.ShowExercise(nullptr, 0, StepResponseFigures());
        return;
    }
    CountSteps(*view);
    // A stopped window makes no steps: the last second's count would be stale.
    m_pPane->setText(ReadoutText(*view, view->IsRunning() ? m_rate.Rate() : 0.0));
    ShowPlantFailure(view->PlantFailureNote());
    m_dock.ShowFigures(view->m_stepResponse.Figures(), view->m_stepResponse.StillChanging());
    ShowExercise(*child);
}

bool CActiveWindowReadout::ShownExercise::operator==(const ShownExercise& other) const {
    // Bit for bit, so that a figure that stays undefined (NaN) counts as the same.
    return document == other.document && revision == other.revision && window == other.window &&
           std::memcmp(&figures, &other.figures, sizeof figures) == 0;
}

void CActiveWindowReadout::ShowExercise(const CMdiChild& child) {
    const auto* document = dynamic_cast<const CVorlintDoc*>(child.GetDocument());
    const Exercise* exercise = document != nullptr ? document->GetExercise() : nullptr;
    ShownExercise shown;
    if (exercise != nullptr) {
        const std::vector<CMdiChild*>& frames = document->Frames();
        const auto position = std::find(frames.begin(), frames.end(), &child);
        // The same response the grader measures: the latest, even while the set point was still changing.
        shown = {document, document->ExerciseRevision(),
                 static_cast<std::size_t>(position - frames.begin()) + 1,
                 child.View()->m_stepResponse.Figures()};
    }
    if (shown == m_shownExercise)
        return;
    m_shownExercise = shown;
    m_exerciseDock.ShowExercise(exercise, shown.window, shown.figures);
}

void CActiveWindowReadout::ShowPlantFailure(const QString& note) {
    m_pPlantFailure->SetFullText(note);
    m_pPlantFailure->setVisible(!note.isEmpty());
}

void CActiveWindowReadout::CountSteps(CVorlintView& view) {
    if (&view != m_pCountedView) {
        m_rate.Clear();
        m_pCountedView = &view;
    }
    const CounterSource counter = view.Counter();
    m_rate.Add(static_cast<double>(counter.read()) / static_cast<double>(counter.ticksPerSecond),
               view.m_history.appended());
}

QString CActiveWindowReadout::ReadoutText(const CVorlintView& view, double stepsPerSecond) {
    const Sample newest = view.m_history.empty() ? BeforeTheFirstStep(view) : view.m_history.newest();
    return tr("SetPoint %1   Point %2   Potência %3   Tempo %4   %5 passos/s")
        .arg(FormatReading(newest.setPoint, kValueDecimals), FormatReading(newest.point, kValueDecimals),
             FormatReading(newest.power, kValueDecimals, " %"),
             FormatReading(newest.timeS, kTimeDecimals, " s"), FormatReading(stepsPerSecond, 0));
}
