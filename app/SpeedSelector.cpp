#include "SpeedSelector.h"

#include "ChildFrame.h"
#include "SettingsTable.h"
#include "SimulationSpeed.h"
#include "VorlintView.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolBar>

namespace {

constexpr RealStepLimits kTimerLimits{CVorlintView::kMinRealStepMs, CVorlintView::kMaxRealStepMs - 1};

/// The list's texts, in the order of kSimulationSpeeds.
const char* const kSpeedTexts[] = {
    QT_TRANSLATE_NOOP("CSpeedSelector", "1× = tempo real"),
    QT_TRANSLATE_NOOP("CSpeedSelector", "2×"),
    QT_TRANSLATE_NOOP("CSpeedSelector", "5×"),
    QT_TRANSLATE_NOOP("CSpeedSelector", "10×"),
    QT_TRANSLATE_NOOP("CSpeedSelector", "20×"),
    QT_TRANSLATE_NOOP("CSpeedSelector", "50×"),
    QT_TRANSLATE_NOOP("CSpeedSelector", "máxima"),
};
static_assert(std::size(kSpeedTexts) == kSimulationSpeeds.size());

} // namespace

CSpeedSelector::CSpeedSelector(QToolBar& toolBar, std::function<CChildFrame*()> activeFrame)
    : QObject(&toolBar), m_pCombo(new QComboBox(&toolBar)), m_activeFrame(std::move(activeFrame)) {
    auto* label = new QLabel(tr("Velocidade") + QLatin1Char(' '), &toolBar);
    m_pCombo->setObjectName(QStringLiteral("speedSelector"));
    m_pCombo->setToolTip(tr("Quantos segundos simulados passam em um segundo real: muda o campo Real "
                            "da janela ativa a partir do seu Simulado."));
    for (const char* text : kSpeedTexts)
        m_pCombo->addItem(tr(text));
    label->setBuddy(m_pCombo);
    toolBar.addWidget(label);
    toolBar.addWidget(m_pCombo);
    connect(m_pCombo, QOverload<int>::of(&QComboBox::activated), this, &CSpeedSelector::OnChosen);
    connect(&m_timer, &QTimer::timeout, this, &CSpeedSelector::Refresh);
    m_timer.start(kRefreshIntervalMs);
    Refresh();
}

void CSpeedSelector::Refresh() {
    const CChildFrame* frame = m_activeFrame();
    m_pCombo->setEnabled(frame != nullptr);
    const int index = frame == nullptr ? -1
                                       : SpeedIndexOfRealStep(frame->View()->m_nSimStepMs,
                                                              frame->View()->m_nRealStepMs, kTimerLimits);
    if (index != m_pCombo->currentIndex()) {
        const QSignalBlocker quiet(m_pCombo);
        m_pCombo->setCurrentIndex(index);
    }
}

void CSpeedSelector::OnChosen(int index) {
    CChildFrame* frame = m_activeFrame();
    if (frame == nullptr || index < 0)
        return;
    // The "Simulado" the student sees, even before the next step has read it.
    frame->ExchangePanels(true);
    const std::uint32_t realStepMs = RealStepForSpeed(
        frame->View()->m_nSimStepMs, kSimulationSpeeds[static_cast<std::size_t>(index)], kTimerLimits);
    SettingValue value;
    value.number = realStepMs;
    frame->ApplySettings({{settingByFileKey("realStepMs"), value}});
    Refresh();
}
